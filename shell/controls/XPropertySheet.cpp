#include "shell/controls/XPropertySheet.h"

int CXPropertySheet::AddItem(const std::string&, std::uintptr_t, bool) { return -1; }

const CXTabCtrl::CTabItem* CXPropertySheet::AddPage(CXPropertyPage* page, bool hasIcon, std::uintptr_t data) {
    const int index = CXTabCtrl::AddItem(page->GetTitle(), data, hasIcon);
    pages_.push_back(page);
    SetCurSel(index);
    const PixelRect pageRect = GetPageRect();
    for (CXPropertyPage* each : pages_) each->PlacePage(pageRect);
    return GetItem(index);
}

CXPropertyPage* CXPropertySheet::GetPage(int index) const {
    return index >= 0 && index < static_cast<int>(pages_.size()) ? pages_[index] : nullptr;
}

void CXPropertySheet::OnSize(int width, int height) {
    SetClientSize(width, height);
    const PixelRect pageRect = GetPageRect();
    for (CXPropertyPage* page : pages_) page->PlacePage(pageRect);
}

void CXPropertySheet::OnSelChanging(int oldIndex, int newIndex) {
    if (CXPropertyPage* old = GetPage(oldIndex)) old->ShowPage(false);
    if (CXPropertyPage* page = GetPage(newIndex)) page->ShowPage(true);
}
