#pragma once
// The common base of every object of a project that belongs to a project file.
#include <string>

class CFileKav;
class CImportTreeItem;

// Kind codes of model objects.
enum KavroObjKind : int {
    kKindAttribute = 1,
    kKindCondition = 2,
    kKindDataObject = 3,
    kKindGuiBuilder = 4,
    kKindRequirement = 5,
    kKindTask = 6,
    kKindWindow = 7,
    kKindTestCase = 8,
    kKindTestScript = 9,
};

class CKavroObj {
public:
    explicit CKavroObj(int kind) : kind_(kind) {}
    CKavroObj(const CKavroObj&) = delete;
    CKavroObj& operator=(const CKavroObj&) = delete;
    virtual ~CKavroObj() = default;

    int GetKind() const { return kind_; }

    // The file id text and the file pointer are kept apart: persistence and cloning set the
    // text, whoever places the object into a file sets the pointer.
    std::string GetFileId() const { return fileId_; }
    bool SetFileId(const std::string& fileId) {
        fileId_ = fileId;
        return true;
    }
    CFileKav* GetFile() const { return file_; }
    bool SetFile(CFileKav* file) {
        file_ = file;
        return true;
    }
    // Set only while an import dialog shows the object.
    CImportTreeItem* GetImportItem() const { return importItem_; }
    bool SetImportItem(CImportTreeItem* item) {
        importItem_ = item;
        return true;
    }

    // Base test: the other object exists and has the same kind. Deeper classes extend it.
    virtual bool IsEqual(const CKavroObj* other) const;

    // Whether an editing command may change the object: it needs a writable file, and a task
    // that belongs to VORNAK is changed only in VORNAK mode unless skipTaskLock is set.
    bool IsEditable(bool skipTaskLock) const;

    // The file part of every clone operation of the model: flag 2 keeps the owning file;
    // flag 16 takes the file id text from the source's owning file (nothing without one);
    // without 16, flag 32 copies the source's file id text.
    void TakeFileFromClone(const CKavroObj& source, int flags);

private:
    int kind_;
    std::string fileId_;
    CFileKav* file_ = nullptr;
    CImportTreeItem* importItem_ = nullptr;
};
