#include "shell/wx/controls/XPropertySheetUi.h"

CXPropertyPageUi::CXPropertyPageUi(wxWindow* sheet, const wxString& title)
    : wxPanel(sheet, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxCLIP_CHILDREN),
      CXPropertyPage(std::string(title.utf8_str())) {
    Hide();
}

void CXPropertyPageUi::PlacePage(const PixelRect& rect) {
    SetSize(rect.left, rect.top, rect.Width(), rect.Height());
    if (GetFitChild() && !GetChildren().empty()) GetChildren().GetFirst()->GetData()->SetSize(GetClientSize());
}

CXPropertySheetUi::CXPropertySheetUi(wxWindow* parent, int id)
    : CXTabCtrlUi(parent, id, std::make_unique<CXPropertySheet>()),
      sheet_(static_cast<CXPropertySheet*>(&GetStrip())) {
    Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        const wxSize size = GetClientSize();
        sheet_->OnSize(size.x, size.y);
        event.Skip();
    });
}

void CXPropertySheetUi::AddPage(CXPropertyPageUi* page, const wxBitmap& icon, std::uintptr_t data) {
    AddIcon(icon);
    sheet_->AddPage(page, icon.IsOk(), data);
    Refresh();
}
