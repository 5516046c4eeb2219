#include "model/windows/TabPage.h"

#include "model/ApplicationKav.h"
#include "model/CloneFlags.h"
#include "model/ShellServices.h"
#include "model/WindowKav.h"
#include "platform/TextUtil.h"
#include "platform/UniqueId.h"

namespace {

constexpr size_t kMaxTitleLength = 50;

// The window that a page window ID names in the current project: "^Lib:Name" among the
// windows of that library, a plain name among those of the main file (of any file when the
// project has none).
CWindowKav* ResolvePageWindow(const std::string& designator) {
    CApplicationKav* app = CurrentApplication;
    if (!app || designator.empty()) return nullptr;
    std::string windowPart = designator;
    const CFileKav* file = app->GetMainFile();
    if (designator.front() == '^') {
        const size_t colon = designator.find(':');
        if (colon == std::string::npos) return nullptr;
        file = app->FindFile(designator.substr(1, colon - 1), false);
        if (!file) return nullptr;
        windowPart = designator.substr(colon + 1);
    }
    windowPart = windowPart.substr(0, windowPart.find(':'));
    if (windowPart.empty() || windowPart.front() == '@' || windowPart.front() == '~') return nullptr;
    return app->GetWindowList().FindByName(windowPart, file);
}

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
        if (const CWindowKav* window = ResolvePageWindow(pageWindowId_)) copy->pageWindowRef_ = window->GetInternalID();
    } else if (flags & kCloneTextsAsStored) {
        copy->pageWindowRef_ = pageWindowRef_;
    }
    return copy;
}
