#include "editors/windows/TabEditorDlgUi.h"

#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

TabEditorDlgUi::TabEditorDlgUi(CTabEditorDlg& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    // Made in their tab order.
    auto* pagesLabel = new wxStaticText(this, wxID_ANY, "Tab Pages");
    wxListBox* pages = MakeListBox(kTabPages, ConvertDialogToPixels(wxSize(140, 80)), wxLB_SORT);
    auto* listButtons = new wxBoxSizer(wxVERTICAL);
    for (int id : {kTabNew, kTabSet, kTabDelete}) listButtons->Add(MakeButton(id), wxSizerFlags().Border(wxBOTTOM, 4));

    auto* page = new wxStaticBoxSizer(wxVERTICAL, this, "Page");
    page->Add(new wxStaticText(this, wxID_ANY, "Title of tab page"));
    page->Add(new wxTextCtrl(this, kTabTitle), wxSizerFlags().Expand());
    page->Add(MakeCheckBox(kTabInitialPage), wxSizerFlags().Border(wxTOP | wxBOTTOM, 4));
    page->Add(new wxStaticText(this, wxID_ANY, "ID of opened window"));
    auto* windowRow = new wxBoxSizer(wxHORIZONTAL);
    windowRow->Add(new wxTextCtrl(this, kTabWindow), wxSizerFlags(1).Expand().Border(wxRIGHT, 6));
    windowRow->Add(MakeButton(kTabBrowse));
    page->Add(windowRow, wxSizerFlags().Expand());

    auto* listRow = new wxBoxSizer(wxHORIZONTAL);
    listRow->Add(pages, wxSizerFlags(1).Expand().Border(wxRIGHT, 6));
    listRow->Add(listButtons);

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(pagesLabel, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 8));
    top->Add(listRow, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT, 8));
    top->Add(page, wxSizerFlags().Expand().Border(wxALL, 8));
    top->Add(MakeOkCancelRow(), wxSizerFlags().Expand().Border(wxALL, 8));
    SetSizerAndFit(top);

    BindButton(kTabNew, [&dialog] { dialog.OnNew(); });
    BindButton(kTabSet, [&dialog] { dialog.OnSet(); });
    BindButton(kTabDelete, [&dialog] { dialog.OnDelete(); });
    BindButton(kTabBrowse, [&dialog] { dialog.OnBrowseWindows(); });
}
