#include "editors/generation/TestCaseAdminDlgUi.h"

#include <wx/sizer.h>
#include <wx/stattext.h>

TestCaseAdminDlgUi::TestCaseAdminDlgUi(TestCaseAdminDlgControls& dialog, wxWindow* parent)
    : EditorDialogUi(dialog, parent) {
    auto* heading = new wxStaticText(this, kAdminHeading, wxEmptyString);
    wxListView* list = MakeList(kAdminList, ConvertDialogToPixels(wxSize(330, 150)));
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    buttons->Add(MakeButton(kAdminView), wxSizerFlags().Border(wxRIGHT, 6));
    buttons->Add(MakeButton(kIdCancel));

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(heading, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxTOP, 6));
    top->Add(list, wxSizerFlags(1).Expand().Border(wxALL, 6));
    top->Add(buttons, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, 6));
    SetSizerAndFit(top);

    BindButton(kAdminView, [&dialog] { dialog.OnView(); });
}
