#pragma once
// The property sheet on the toolkit: a tab strip whose pages are child panels of the sheet.
#include <wx/panel.h>

#include "shell/controls/XPropertySheet.h"
#include "shell/wx/controls/XTabCtrlUi.h"

// A page: a panel of the sheet that shows while its tab is selected.
class CXPropertyPageUi : public wxPanel, public CXPropertyPage {
public:
    CXPropertyPageUi(wxWindow* sheet, const wxString& title);

    void ShowPage(bool shown) override { Show(shown); }
    void PlacePage(const PixelRect& rect) override;
};

class CXPropertySheetUi : public CXTabCtrlUi {
public:
    CXPropertySheetUi(wxWindow* parent, int id);

    CXPropertySheet& GetSheet() { return *sheet_; }
    // Adds the page (a child of this sheet) with its tab and selects it.
    void AddPage(CXPropertyPageUi* page, const wxBitmap& icon, std::uintptr_t data);

private:
    CXPropertySheet* sheet_;
};
