#include "model/windows/TabPage.h"

#include "conditions/Designator.h"
#include "model/CloneFlags.h"
#include "model/WindowKav.h"
#include "platform/TextUtil.h"
#include "platform/UniqueId.h"

namespace {

constexpr size_t kMaxTitleLength = 50;

}  // namespace

std::string CutTabTitle(const std::string& title) {
    if (Utf16Length(title) <= kMaxTitleLength) return title;
    return Utf16Left(title, kMaxTitleLength - 1) + "*";
}

CTabPage::CTabPage(const std::string& title, std::string pageWindowId)
    : uniqueId_(MakeUniqueId()), pageWindowId_(std::move(pageWindowId)) {
    SetTitle(title);
}

CTabPage* CTabPage::Clone(int flags) const {
    auto* copy = new CTabPage(title_, pageWindowId_);
    if (flags & kCloneKeepId) copy->uniqueId_ = uniqueId_;
    if (flags & kCloneTextsFromObjects) {
        const CKavroObj* window = ResolveDesignatorObject(pageWindowId_);
        if (window && window->GetKind() == kKindWindow)
            copy->pageWindowRef_ = static_cast<const CWindowKav*>(window)->GetInternalID();
    } else if (flags & kCloneTextsAsStored) {
        copy->pageWindowRef_ = pageWindowRef_;
    }
    return copy;
}
