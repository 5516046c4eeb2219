#include "capture/wx/GUIBuilderEditorDlgUi.h"

#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

GUIBuilderEditorDlgUi::GUIBuilderEditorDlgUi(CGUIBuilderEditorDlg& dialog, wxWindow* parent)
    : EditorDialogUi(dialog, parent) {
    using Dlg = CGUIBuilderEditorDlg;
    auto* listLabel = new wxStaticText(this, wxID_ANY, "GUI Builders");
    wxListView* list = MakeList(Dlg::kBuilderList, ConvertDialogToPixels(wxSize(200, 110)));
    auto* builder = new wxStaticBoxSizer(wxHORIZONTAL, this, "GUI Builder");
    builder->Add(new wxStaticText(this, wxID_ANY, "Name"), wxSizerFlags().CenterVertical().Border(wxALL, 6));
    builder->Add(new wxTextCtrl(this, Dlg::kBuilderName), wxSizerFlags(1).Expand().Border(wxALL, 6));
    builder->Add(MakeButton(Dlg::kWindowClasses), wxSizerFlags().Border(wxALL, 6));

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(listLabel, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 8));
    top->Add(list, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT, 8));
    top->Add(builder, wxSizerFlags().Expand().Border(wxALL, 8));
    top->Add(MakeOkCancelRow({Dlg::kNew, Dlg::kSet, Dlg::kDelete}), wxSizerFlags().Expand().Border(wxALL, 8));
    SetSizerAndFit(top);

    BindButton(Dlg::kNew, [&dialog] { dialog.OnNew(); });
    BindButton(Dlg::kSet, [&dialog] { dialog.ApplyName(); });
    BindButton(Dlg::kDelete, [&dialog] { dialog.OnDelete(); });
    BindButton(Dlg::kWindowClasses, [&dialog] { dialog.OnWindowClasses(); });
}
