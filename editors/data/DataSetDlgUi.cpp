#include "editors/data/DataSetDlgUi.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

DataSetDlgUi::DataSetDlgUi(CDataSetDlg& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    const wxSize field = ConvertDialogToPixels(wxSize(200, -1));
    // Made in their tab order.
    auto* nameLabel = new wxStaticText(this, wxID_ANY, "Name");
    auto* name = new wxTextCtrl(this, kSetName, wxEmptyString, wxDefaultPosition, field);
    auto* descriptionLabel = new wxStaticText(this, wxID_ANY, "Description");
    auto* description = new wxTextCtrl(this, kSetDescription, wxEmptyString, wxDefaultPosition, field);
    auto* sourceLabel = new wxStaticText(this, wxID_ANY, "Data Source");
    auto* source = new wxTextCtrl(this, kSetDataSource, wxEmptyString, wxDefaultPosition, field);
    wxButton* browse = MakeButton(kSetBrowse);

    auto* fields = new wxFlexGridSizer(3, wxSize(8, 6));
    fields->AddGrowableCol(1);
    fields->Add(nameLabel, wxSizerFlags().CenterVertical());
    fields->Add(name, wxSizerFlags().Expand());
    fields->AddSpacer(0);
    fields->Add(descriptionLabel, wxSizerFlags().CenterVertical());
    fields->Add(description, wxSizerFlags().Expand());
    fields->AddSpacer(0);
    fields->Add(sourceLabel, wxSizerFlags().CenterVertical());
    fields->Add(source, wxSizerFlags().Expand());
    fields->Add(browse);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    buttons->Add(MakeButton(kIdOk), wxSizerFlags().Border(wxRIGHT, 6));
    buttons->Add(MakeButton(kIdCancel));

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(fields, wxSizerFlags(1).Expand().Border(wxALL, 8));
    top->Add(buttons, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, 8));
    SetSizerAndFit(top);

    BindButton(kSetBrowse, [&dialog] { dialog.OnBrowse(); });
}
