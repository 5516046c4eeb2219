#include "model/windows/TabControlKav.h"

#include "model/CloneFlags.h"
#include "platform/TextUtil.h"

CTabControlKav::CTabControlKav(const WindowFields& fields, const std::string& selectedPageTitle)
    : CWindowKav(kWndTabControl, fields) {
    SetSelectedPageTitle(selectedPageTitle);
}

CTabPage* CTabControlKav::FindTabPage(const std::string& title) const {
    return pages_.FindIf([&](const CTabPage* page) { return EqualsNoCase(page->GetTitle(), title); });
}

CTabPage* CTabControlKav::FindTabPageByWindowId(const std::string& windowId) const {
    return pages_.FindIf([&](const CTabPage* page) { return EqualsNoCase(page->GetPageWindowId(), windowId); });
}

int CTabControlKav::GetFocusMode() const {
    if (GetStyle() & win32::TCS_FOCUSNEVER) return kFocusNever;
    if (GetStyle() & win32::TCS_FOCUSONBUTTONDOWN) return kFocusOnButtonDown;
    return kFocusDefault;
}

bool CTabControlKav::SetFocusMode(int mode) {
    switch (mode) {
        case kFocusDefault: SetStyleBits(win32::TCS_FOCUSONBUTTONDOWN | win32::TCS_FOCUSNEVER, false); break;
        case kFocusOnButtonDown:
            SetStyleBits(win32::TCS_FOCUSNEVER, false);
            SetStyleBits(win32::TCS_FOCUSONBUTTONDOWN, true);
            break;
        case kFocusNever:
            SetStyleBits(win32::TCS_FOCUSONBUTTONDOWN, false);
            SetStyleBits(win32::TCS_FOCUSNEVER, true);
            break;
        default: break;
    }
    return true;
}

void CTabControlKav::CopyTypeDataTo(CWindowKav& copy, int flags) const {
    auto& tabCopy = static_cast<CTabControlKav&>(copy);
    tabCopy.selectedPageTitle_ = selectedPageTitle_;
    for (const CTabPage* page : pages_) tabCopy.pages_.Add(page->Clone(flags));
    if (flags & kCloneTextsFromObjects) {
        if (const CTabPage* selected = FindTabPage(selectedPageTitle_))
            tabCopy.selectedPageId_ = selected->GetPageWindowRef();
    } else if (flags & kCloneTextsAsStored) {
        tabCopy.selectedPageId_ = selectedPageId_;
    }
}

bool CTabControlKav::IsTypeDataEqual(const CWindowKav& other) const {
    const auto& tabs = static_cast<const CTabControlKav&>(other);
    if (selectedPageTitle_ != tabs.selectedPageTitle_ || pages_.size() != tabs.pages_.size()) return false;
    for (size_t i = 0; i < pages_.size(); ++i)
        if (pages_[i]->GetTitle() != tabs.pages_[i]->GetTitle() ||
            pages_[i]->GetPageWindowId() != tabs.pages_[i]->GetPageWindowId())
            return false;
    return true;
}
