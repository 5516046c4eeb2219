#include "model/TestScript.h"

#include "model/CloneFlags.h"
#include "model/TaskKav.h"
#include "model/WindowKav.h"
#include "platform/UniqueId.h"

CTestScript::CTestScript() : CKavroObj(kKindTestScript), id_(MakeUniqueId()) {}

CTestScript* CTestScript::Clone(int flags) const {
    auto* copy = new CTestScript;
    copy->name_ = name_;
    copy->path_ = path_;
    copy->format_ = format_;
    copy->sumTC_ = sumTC_;
    if (flags & kCloneKeepId) copy->id_ = id_;
    if (flags & kCloneTextsFromObjects) {
        if (window_) copy->windowId_ = window_->GetInternalID();
        if (task_) copy->taskId_ = task_->GetID();
    } else if (flags & kCloneTextsAsStored) {
        copy->windowId_ = windowId_;
        copy->taskId_ = taskId_;
    }
    copy->TakeFileFromClone(*this, flags);
    if (flags & kCloneKeepReferences) {
        copy->window_ = window_;
        copy->task_ = task_;
    }
    return copy;
}
