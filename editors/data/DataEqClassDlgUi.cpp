#include "editors/data/DataEqClassDlgUi.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

DataEqClassDlgUi::DataEqClassDlgUi(CDataEqClassDlg& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    // Made in their tab order.
    auto* listLabel = new wxStaticText(this, wxID_ANY, "Equivalence Classes");
    wxListView* list = MakeList(kClassList, ConvertDialogToPixels(wxSize(250, 90)));
    auto* nameLabel = new wxStaticText(this, wxID_ANY, "Class Name");
    auto* name = new wxTextCtrl(this, kClassName);
    auto* valid = new wxCheckBox(this, kClassValid, ToWx(dialog.GetText(kClassValid)));
    auto* rangeLabel = new wxStaticText(this, wxID_ANY, "Range (Textual Description)");
    auto* range = new wxTextCtrl(this, kClassRange);
    auto* lowerLabel = new wxStaticText(this, wxID_ANY, "Lower Border Value");
    auto* lower = new wxTextCtrl(this, kClassLower);
    auto* upperLabel = new wxStaticText(this, wxID_ANY, "Upper Border Value");
    auto* upper = new wxTextCtrl(this, kClassUpper);
    auto* valuesLabel = new wxStaticText(this, wxID_ANY, "Other Representative Values");
    auto* values = new wxTextCtrl(this, kClassValues, wxEmptyString, wxDefaultPosition,
                                  ConvertDialogToPixels(wxSize(250, 36)), wxTE_MULTILINE);

    wxFlexGridSizer* fields = MakeNameValidGrid(nameLabel, name, valid);
    fields->Add(rangeLabel, wxSizerFlags().CenterVertical());
    fields->Add(range, wxSizerFlags().Expand());
    fields->Add(lowerLabel, wxSizerFlags().CenterVertical());
    fields->Add(lower, wxSizerFlags().Expand());
    fields->Add(upperLabel, wxSizerFlags().CenterVertical());
    fields->Add(upper, wxSizerFlags().Expand());

    wxSizer* buttons = MakeOkCancelRow({kClassNew, kClassSet, kClassDelete});

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(listLabel, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 8));
    top->Add(list, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT, 8));
    top->Add(fields, wxSizerFlags().Expand().Border(wxALL, 8));
    top->Add(valuesLabel, wxSizerFlags().Border(wxLEFT | wxRIGHT, 8));
    top->Add(values, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 8));
    top->Add(buttons, wxSizerFlags().Expand().Border(wxALL, 8));
    SetSizerAndFit(top);

    BindButton(kClassNew, [&dialog] { dialog.OnNew(); });
    BindButton(kClassSet, [&dialog] { dialog.OnSet(); });
    BindButton(kClassDelete, [&dialog] { dialog.OnDelete(); });
}
