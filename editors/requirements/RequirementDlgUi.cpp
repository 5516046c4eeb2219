#include "editors/requirements/RequirementDlgUi.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

RequirementDlgUi::RequirementDlgUi(CRequirementDlg& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    const wxSize line = ConvertDialogToPixels(wxSize(256, -1));
    // Each entry below its label, made in their tab order.
    auto* top = new wxBoxSizer(wxVERTICAL);
    const auto labelled = [&](const char* label, wxWindow* entry) {
        top->Add(new wxStaticText(this, wxID_ANY, label), wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 8));
        return entry;
    };
    top->Add(labelled("ID", new wxTextCtrl(this, kRequirementId, wxEmptyString, wxDefaultPosition, line)),
             wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 8));
    top->Add(labelled("Title", new wxTextCtrl(this, kRequirementTitle, wxEmptyString, wxDefaultPosition, line)),
             wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 8));
    // Enter makes a new line there.
    top->Add(labelled("Description", new wxTextCtrl(this, kRequirementDescription, wxEmptyString, wxDefaultPosition,
                                                    ConvertDialogToPixels(wxSize(256, 71)), wxTE_MULTILINE)),
             wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT, 8));
    auto* document = new wxBoxSizer(wxHORIZONTAL);
    document->Add(labelled("Path to External Document", new wxTextCtrl(this, kRequirementDocPath)),
                  wxSizerFlags(1).CenterVertical().Border(wxRIGHT, 6));
    document->Add(MakeButton(kRequirementBrowse));
    top->Add(document, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 8));
    top->Add(MakeOkCancelRow(), wxSizerFlags().Expand().Border(wxALL, 8));
    SetSizerAndFit(top);

    BindButton(kRequirementBrowse, [&dialog] { dialog.OnBrowse(); });
}
