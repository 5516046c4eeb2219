#pragma once
// What a converter's repository import needs of the reader of its tool's repository files. The
// readers live with the importers, which install them at start-up; the import itself (see
// RepositoryImport.h) runs them and completes the windows they make.
#include <string>
#include <vector>

class CFileKav;
class CWindowKav;
class MessageLog;

class RepositoryReader {
public:
    virtual ~RepositoryReader() = default;

    // Receives a line per object read; null for none.
    virtual void SetMessageLog(MessageLog* log) = 0;
    // The windows whose contents are being read; emptied before each parse.
    virtual void ClearParentStack() = 0;
    // The windows the last parse made, in document order (a parent before its children), each
    // with its type, GUI builder, tool data and parent link. Whoever empties the list owns them.
    virtual std::vector<CWindowKav*>& CreatedWindows() = 0;
    // Parses the file in the encoding with the reader's own element handlers. 1, or 0 with the
    // message in the global buffer; the windows made before a failure stay in the list.
    virtual int ParseRepository(CFileKav& file, const std::string& encoding) = 0;
};

// The reader of the repositories of the output format's tool (UFT, Ranorex); null removes it.
void InstallRepositoryReader(int format, RepositoryReader* reader);
// The installed reader; throws std::logic_error when none is installed for the format.
RepositoryReader& GetRepositoryReader(int format);
