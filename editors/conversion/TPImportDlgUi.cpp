#include "editors/conversion/TPImportDlgUi.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

TPImportDlgUi::TPImportDlgUi(TPImportDlgControls& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    wxCheckBox* import = MakeCheckBox(kTpImport);
    auto* login = new wxFlexGridSizer(2, wxSize(8, 4));
    const std::tuple<int, int, long> fields[] = {
        {kTpUserLabel, kTpUser, 0}, {kTpPasswordLabel, kTpPassword, wxTE_PASSWORD}, {kTpDatabaseLabel, kTpDatabase, 0}};
    for (const auto& [label, edit, style] : fields) {
        login->Add(new wxStaticText(this, label, ToWx(dialog.GetText(label))), wxSizerFlags().CenterVertical());
        login->Add(new wxTextCtrl(this, edit, wxEmptyString, wxDefaultPosition, wxDefaultSize, style),
                   wxSizerFlags().Expand());
    }
    login->AddGrowableCol(1);
    wxCheckBox* report = MakeCheckBox(kTpWriteReport);
    auto* reportLabel = new wxStaticText(this, kTpReportPathLabel, ToWx(dialog.GetText(kTpReportPathLabel)));
    auto* reportPath = new wxTextCtrl(this, kTpReportPath, wxEmptyString, wxDefaultPosition,
                                      ConvertDialogToPixels(wxSize(200, -1)));
    auto* reportRow = new wxBoxSizer(wxHORIZONTAL);
    reportRow->Add(reportPath, wxSizerFlags(1).CenterVertical());
    reportRow->Add(MakeButton(kTpBrowse), wxSizerFlags().Border(wxLEFT, 6));
    wxCheckBox* run = MakeCheckBox(kTpRun);

    auto* top = new wxBoxSizer(wxVERTICAL);
    const wxSizerFlags indented = wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxTOP, 6);
    top->Add(import, indented);
    top->Add(login, wxSizerFlags(indented).Border(wxLEFT, 24));
    top->Add(report, wxSizerFlags(indented).Border(wxLEFT, 24));
    top->Add(reportLabel, wxSizerFlags(indented).Border(wxLEFT, 24));
    top->Add(reportRow, wxSizerFlags(indented).Border(wxLEFT, 24));
    top->Add(run, wxSizerFlags(indented).Border(wxLEFT, 24));
    top->Add(MakeOkCancelRow(), wxSizerFlags().Expand().Border(wxALL, 6));
    SetSizerAndFit(top);

    BindCheck(kTpImport, [&dialog] { dialog.OnImportOrReport(); });
    BindCheck(kTpWriteReport, [&dialog] { dialog.OnImportOrReport(); });
    BindButton(kTpBrowse, [&dialog] { dialog.OnBrowse(); });
}
