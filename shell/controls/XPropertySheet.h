#pragma once
// A tab strip whose every tab carries a page that shows while its tab is selected.
#include <string>
#include <vector>

#include "shell/controls/XTabCtrl.h"

// A page of the sheet: its tab's title, and the window that shows it.
class CXPropertyPage {
public:
    explicit CXPropertyPage(std::string title) : title_(std::move(title)) {}
    virtual ~CXPropertyPage() = default;

    const std::string& GetTitle() const { return title_; }
    // When set, the page keeps its first child sized to its client area.
    void SetFitChild(bool fit) { fitChild_ = fit; }
    bool GetFitChild() const { return fitChild_; }

    virtual void ShowPage(bool shown) = 0;
    // The sheet's page rectangle changed: the page moves there (and fits its first child).
    virtual void PlacePage(const PixelRect& rect) = 0;

private:
    std::string title_;
    bool fitChild_ = false;
};

class CXPropertySheet : public CXTabCtrl {
public:
    using CXTabCtrl::CXTabCtrl;

    // Tabs of a sheet come only with their page: -1, and nothing is added.
    int AddItem(const std::string& caption, std::uintptr_t data, bool hasIcon) override;
    // Adds the page's tab and the page (not owned), selects it and places every page: the new
    // tab.
    const CTabItem* AddPage(CXPropertyPage* page, bool hasIcon, std::uintptr_t data);
    CXPropertyPage* GetPage(int index) const;
    // The sheet's size changed: the layout follows and every page takes the page rectangle.
    void OnSize(int width, int height);

protected:
    // The old page hides, the new one shows.
    void OnSelChanging(int oldIndex, int newIndex) override;

private:
    std::vector<CXPropertyPage*> pages_;
};
