#pragma once
// A tab control with its pages; it remembers the selected page by title and by the internal
// ID of the page's window.
#include <string>

#include "model/WindowKav.h"
#include "model/windows/TabPage.h"
#include "platform/ObjectList.h"

class CTabControlKav : public CWindowKav {
public:
    explicit CTabControlKav(const WindowFields& fields, const std::string& selectedPageTitle = {});

    // Focus modes of GetFocusMode.
    enum FocusMode : int { kFocusDefault = 0, kFocusOnButtonDown = 1, kFocusNever = 2 };

    // In tab order; owned.
    OwningList<CTabPage>& GetPages() { return pages_; }
    const OwningList<CTabPage>& GetPages() const { return pages_; }

    std::string GetSelectedPageTitle() const { return selectedPageTitle_; }
    bool SetSelectedPageTitle(const std::string& title) { return StoreField(selectedPageTitle_, CutTabTitle(title)); }
    // The page window reference of the selected page.
    std::string GetSelectedPageId() const { return selectedPageId_; }
    bool SetSelectedPageId(const std::string& id) { return StoreField(selectedPageId_, id); }
    // The unique id of the selected page as a project file gives it, until references are
    // resolved into the selected page title.
    std::string GetSelectedPageUniqueId() const { return selectedPageUniqueId_; }
    bool SetSelectedPageUniqueId(const std::string& id) { return StoreField(selectedPageUniqueId_, id); }

    // The first page with that title, or null (without case).
    CTabPage* FindTabPage(const std::string& title) const;
    // The first page that shows the window of that ID, or null (without case).
    CTabPage* FindTabPageByWindowId(const std::string& windowId) const;

    // TCS_FOCUSNEVER wins over TCS_FOCUSONBUTTONDOWN ("$focus").
    int GetFocusMode() const;
    // An unknown mode changes nothing.
    bool SetFocusMode(int mode);
    bool IsMultiLine() const { return GetStyle() & win32::TCS_MULTILINE; }
    bool SetMultiLine(bool on) { return SetStyleBits(win32::TCS_MULTILINE, on); }

protected:
    void CopyTypeDataTo(CWindowKav& copy, int flags) const override;
    bool IsTypeDataEqual(const CWindowKav& other) const override;

private:
    OwningList<CTabPage> pages_;
    std::string selectedPageId_;
    std::string selectedPageUniqueId_;
    std::string selectedPageTitle_;
};
