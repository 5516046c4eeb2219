#include "capture/wx/WinClassEditorDlgUi.h"

#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

WinClassEditorDlgUi::WinClassEditorDlgUi(CWinClassEditorDlg& dialog, wxWindow* parent)
    : EditorDialogUi(dialog, parent) {
    using Dlg = CWinClassEditorDlg;
    auto* listLabel = new wxStaticText(this, wxID_ANY, "Window Classes");
    wxListView* list = MakeList(Dlg::kClassList, ConvertDialogToPixels(wxSize(250, 110)));
    auto* windowClass = new wxStaticBoxSizer(wxVERTICAL, this, "Window Class");
    auto* fields = new wxFlexGridSizer(2, wxSize(8, 4));
    fields->AddGrowableCol(0);
    fields->Add(new wxStaticText(this, wxID_ANY, "Name (use * as wildcard)"));
    fields->Add(new wxStaticText(this, wxID_ANY, "Base Class"));
    fields->Add(new wxTextCtrl(this, Dlg::kClassName), wxSizerFlags().Expand());
    fields->Add(new wxChoice(this, Dlg::kBaseClass, wxDefaultPosition, ConvertDialogToPixels(wxSize(90, -1)), 0,
                             nullptr, wxCB_SORT));
    windowClass->Add(fields, wxSizerFlags().Expand().Border(wxALL, 6));
    windowClass->Add(MakeCheckBox(Dlg::kDefaultBox), wxSizerFlags().Border(wxALL, 6));

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(listLabel, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 8));
    top->Add(list, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT, 8));
    top->Add(windowClass, wxSizerFlags().Expand().Border(wxALL, 8));
    top->Add(MakeOkCancelRow({Dlg::kNew, Dlg::kSet, Dlg::kDelete}), wxSizerFlags().Expand().Border(wxALL, 8));
    SetSizerAndFit(top);

    BindButton(Dlg::kNew, [&dialog] { dialog.OnNew(); });
    BindButton(Dlg::kSet, [&dialog] { dialog.ApplyClass(); });
    BindButton(Dlg::kDelete, [&dialog] { dialog.OnDelete(); });
}
