#pragma once
// The shared log file "Logfile.txt" in the user's Logs folder, into which the message log and
// the generation status save their lines: UTF-16 little-endian, CR LF line ends, and the
// byte-order mark at the start of a file that the write creates (or finds empty). The lines
// reach the disk on Close, in one piece: a failed write leaves the previous file as it was.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/OutputFile.h"

class CLogFile {
public:
    // The user's Logs folder followed by "Logfile.txt".
    CLogFile();
    explicit CLogFile(std::filesystem::path path);
    CLogFile(const CLogFile&) = delete;
    CLogFile& operator=(const CLogFile&) = delete;
    ~CLogFile();

    // Without append the file is written anew; with append the lines follow what it holds
    // (it is created when missing). 1, or 0 after the warning "Unable to open log file!
    // [W0399]" when the folder is missing or the file cannot be read or replaced.
    int Open(bool append);
    // The text and CR LF; 1. Without an open file nothing is written.
    int WriteLine(std::string_view text);
    std::string GetFilePath() const;
    // Writes the file; 1, or 0 after the warning [W0399] when it could not be written.
    int Close();

private:
    std::filesystem::path path_;
    std::optional<OutputFile> file_;
};
