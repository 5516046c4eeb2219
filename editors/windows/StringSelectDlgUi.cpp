#include "editors/windows/StringSelectDlgUi.h"

#include <wx/sizer.h>

StringSelectDlgUi::StringSelectDlgUi(CStringSelectDlg& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    wxListBox* texts = MakeListBox(kStringList, ConvertDialogToPixels(wxSize(175, 200)), wxLB_SORT);
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(texts, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT | wxTOP, 8));
    top->Add(MakeOkCancelRow(), wxSizerFlags().Expand().Border(wxALL, 8));
    SetSizerAndFit(top);
    // The first click of a double click has chosen the row already.
    texts->Bind(wxEVT_LISTBOX_DCLICK, [this, &dialog](wxCommandEvent&) {
        Forward([&dialog] { dialog.DoubleClickRow(kStringList, dialog.List(kStringList).GetHighlighted()); });
    });
}
