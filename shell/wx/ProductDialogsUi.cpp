#include "shell/wx/ProductDialogsUi.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "shell/ProductInfo.h"
#include "shell/wx/ProductArt.h"

namespace {

wxSizer* ProductLayout(wxWindow* window, int logoId) {
    auto* layout = new wxBoxSizer(wxVERTICAL);
    layout->Add(new wxStaticBitmap(window, logoId, ProductLogo()), 0, wxALIGN_CENTER | wxALL, 16);
    auto* name = new wxStaticText(window, wxID_ANY, wxString::FromUTF8(ProductNameAndVersion()));
    name->SetFont(name->GetFont().Bold().Scaled(1.4f));
    layout->Add(name, 0, wxALIGN_CENTER | wxLEFT | wxRIGHT | wxBOTTOM, 16);
    return layout;
}

}  // namespace

CLogoDlgUi::CLogoDlgUi(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, "KAVRO", wxDefaultPosition, wxDefaultSize, wxBORDER_SIMPLE | wxSTAY_ON_TOP) {
    SetSizerAndFit(ProductLayout(this, kLogoId));
    CentreOnParent();
}

void CLogoDlgUi::ShowWhile(wxWindow* parent, const std::function<void()>& work) {
    CLogoDlgUi splash(parent);
    splash.Show();
    splash.Update();
    work();
}

CAboutDlgUi::CAboutDlgUi(wxWindow* parent) : wxDialog(parent, wxID_ANY, "About KAVRO") {
    wxSizer* layout = ProductLayout(this, wxID_ANY);
    layout->Add(new wxButton(this, wxID_OK, "OK"), 0, wxALIGN_CENTER | wxBOTTOM, 16);
    SetSizerAndFit(layout);
    CentreOnParent();
}
