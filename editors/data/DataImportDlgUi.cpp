#include "editors/data/DataImportDlgUi.h"

#include <wx/combobox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

DataImportDlgUi::DataImportDlgUi(CDataImportDlg& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    // Made in their tab order. The dialog sorts the box's entries itself.
    auto* dataSetLabel = new wxStaticText(this, wxID_ANY, "Import to Data Set");
    auto* dataSet = new wxComboBox(this, kImportDataSet, wxEmptyString, wxDefaultPosition,
                                   wxSize(ConvertDialogToPixels(wxSize(150, 0)).x, -1), 0, nullptr, wxCB_DROPDOWN);
    auto* sourceLabel = new wxStaticText(this, wxID_ANY, "Data Source");
    auto* source = new wxTextCtrl(this, kImportSource, wxEmptyString, wxDefaultPosition,
                                  wxSize(ConvertDialogToPixels(wxSize(200, 0)).x, -1));
    wxButton* browse = MakeButton(kImportBrowse);
    auto* separatorLabel = new wxStaticText(this, wxID_ANY, "Field Separator (Tab = \\t)");
    auto* separator = new wxTextCtrl(this, kImportSeparator);

    auto* fields = new wxFlexGridSizer(3, wxSize(8, 6));
    fields->AddGrowableCol(1);
    fields->Add(dataSetLabel, wxSizerFlags().CenterVertical());
    fields->Add(dataSet, wxSizerFlags().Expand());
    fields->AddSpacer(0);
    fields->Add(sourceLabel, wxSizerFlags().CenterVertical());
    fields->Add(source, wxSizerFlags().Expand());
    fields->Add(browse);
    fields->Add(separatorLabel, wxSizerFlags().CenterVertical());
    fields->Add(separator, wxSizerFlags().Expand());

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(fields, wxSizerFlags().Expand().Border(wxALL, 8));
    top->Add(MakeOkCancelRow(), wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, 8));
    SetSizerAndFit(top);

    BindButton(kImportBrowse, [&dialog] { dialog.OnBrowse(); });
    BindCommand(wxEVT_COMBOBOX, kImportDataSet, [&dialog, dataSet] { dialog.ChooseDataSet(dataSet->GetSelection()); });
}
