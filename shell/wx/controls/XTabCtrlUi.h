#pragma once
// The tab strip on the toolkit: paints the strip's tabs, turns mouse, keys and size into the
// strip's operations, and tells its parent of changes of the selection with the notebook's
// page-changing and page-changed events (the selection is the strip's GetCurSel).
#include <memory>

#include <wx/bitmap.h>
#include <wx/font.h>
#include <wx/window.h>

#include "shell/controls/XTabCtrl.h"

class CXTabCtrlUi : public wxWindow, public TabNotifications {
public:
    CXTabCtrlUi(wxWindow* parent, int id, std::unique_ptr<CXTabCtrl> strip = std::make_unique<CXTabCtrl>());

    CXTabCtrl& GetStrip() { return *strip_; }
    // Appends a tab with its icon (may be invalid): its index.
    int AddItem(const wxString& caption, std::uintptr_t data, const wxBitmap& icon);
    void SetCurSel(int index);

    void SelectionChanging() override;
    void SelectionChanged() override;
    void Clicked() override;

protected:
    void AddIcon(const wxBitmap& icon) { icons_.push_back(icon); }

private:
    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void DrawTab(wxDC& dc, int index, bool focused);
    void SendSelectionEvent(wxEventType type);

    std::unique_ptr<CXTabCtrl> strip_;
    std::vector<wxBitmap> icons_;
    wxFont font_;
};
