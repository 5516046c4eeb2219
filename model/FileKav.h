#pragma once
// One file of a project: the main project file or a library or distributed file it refers to.
// Every model object points to the entry of the file it belongs to.
#include <string>
#include <vector>

class CFileKav {
public:
    CFileKav(std::string name = {}, std::string path = {}, std::string fullPath = {}, bool readOnly = false);
    virtual ~CFileKav() = default;

    // Same name, paths, read-only and failed flags and used-file identifiers; the identifier
    // only with bit 0 of the flags set, else a fresh one. Sub-files are not copied.
    CFileKav* Clone(int flags) const;

    // Exact comparison: letter case counts.
    bool UsesFile(const std::string& id) const;

    std::string GetID() const { return id_; }
    std::string GetName() const { return name_; }
    std::string GetPath() const { return path_; }
    std::string GetFullPath() const { return fullPath_; }
    bool IsReadOnly() const { return readOnly_; }

    void SetID(const std::string& id) { id_ = id; }
    bool SetName(const std::string& name);
    bool SetPath(const std::string& path);
    bool SetFullPath(const std::string& fullPath);
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

    // Set when the file could not be read or was rejected while loading.
    int GetFailed() const { return failed_; }
    void SetFailed(int failed) { failed_ = failed; }

    // Identifiers of the files this file includes directly.
    std::vector<std::string>& UsedFileIds() { return usedFileIds_; }
    const std::vector<std::string>& UsedFileIds() const { return usedFileIds_; }
    // Entries of the files below this one; not owned (the root's file list owns them).
    std::vector<CFileKav*>& SubFiles() { return subFiles_; }
    const std::vector<CFileKav*>& SubFiles() const { return subFiles_; }

private:
    std::vector<std::string> usedFileIds_;
    std::vector<CFileKav*> subFiles_;
    int failed_ = 0;
    std::string id_;
    std::string name_;
    std::string path_;
    std::string fullPath_;
    bool readOnly_ = false;
};
