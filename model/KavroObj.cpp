#include "model/KavroObj.h"

#include "model/CloneFlags.h"
#include "model/FileKav.h"
#include "model/ShellServices.h"
#include "model/TaskKav.h"

bool CKavroObj::IsEqual(const CKavroObj* other) const { return other && other->kind_ == kind_; }

bool CKavroObj::IsEditable(bool skipTaskLock) const {
    if (!file_ || file_->IsReadOnly()) return false;
    if (skipTaskLock || kind_ != kKindTask) return true;
    return !static_cast<const CTaskKav*>(this)->IsQuVornakTask() || VornakMode;
}

void CKavroObj::TakeFileFromClone(const CKavroObj& source, int flags) {
    if (flags & kCloneKeepFile) file_ = source.file_;
    if (flags & kCloneTextsFromObjects) {
        if (source.file_) fileId_ = source.file_->GetID();
    } else if (flags & kCloneTextsAsStored) {
        fileId_ = source.fileId_;
    }
}
