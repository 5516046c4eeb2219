#include "editors/steps/ActionEditorDlgUi.h"

#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

ActionEditorDlgUi::ActionEditorDlgUi(CActionEditorDlg& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    const wxSize listSize = ConvertDialogToPixels(wxSize(120, 90));
    // Made in their tab order.
    auto* availableLabel = new wxStaticText(this, wxID_ANY, "Available Actions");
    wxListBox* available = MakeListBox(kActAvailable, listSize, wxLB_SORT);
    wxButton* setAction = MakeButton(kActSetAction);
    wxButton* deleteAction = MakeButton(kActDelete);
    auto* selectedLabel = new wxStaticText(this, wxID_ANY, "Selected Actions");
    wxListBox* selected = MakeListBox(kActSelected, listSize, wxLB_HSCROLL);
    auto* argumentBox = new wxStaticBoxSizer(wxVERTICAL, this, "Arguments");
    wxListBox* arguments = MakeListBox(kActArguments, ConvertDialogToPixels(wxSize(120, 50)), wxLB_HSCROLL);
    auto* helpLine = new wxTextCtrl(this, kActHelpLine, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxTE_READONLY);
    auto* value = new wxTextCtrl(this, kActValue);

    wxSizer* lists = ListsSideBySide(availableLabel, available, {setAction, deleteAction}, selectedLabel, selected);

    auto* fields = new wxBoxSizer(wxVERTICAL);
    fields->Add(helpLine, wxSizerFlags().Expand().Border(wxBOTTOM, 4));
    fields->Add(value, wxSizerFlags().Expand().Border(wxBOTTOM, 4));
    auto* argumentButtons = new wxBoxSizer(wxHORIZONTAL);
    argumentButtons->Add(MakeButton(kActBrowse), wxSizerFlags().Border(wxRIGHT, 6));
    argumentButtons->Add(MakeButton(kActSetArgument));
    fields->Add(argumentButtons);
    auto* argumentRow = new wxBoxSizer(wxHORIZONTAL);
    argumentRow->Add(arguments, wxSizerFlags().Expand().Border(wxRIGHT, 6));
    argumentRow->Add(fields, wxSizerFlags(1).Expand());
    argumentBox->Add(argumentRow, wxSizerFlags(1).Expand().Border(wxALL, 4));

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    buttons->Add(MakeButton(kIdOk), wxSizerFlags().Border(wxRIGHT, 6));
    buttons->Add(MakeButton(kIdCancel));

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(lists, wxSizerFlags(1).Expand().Border(wxALL, 6));
    top->Add(argumentBox, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 6));
    top->Add(buttons, wxSizerFlags().Expand().Border(wxALL, 6));
    SetSizerAndFit(top);

    BindButton(kActSetAction, [&dialog] { dialog.OnSetAction(); });
    BindButton(kActDelete, [&dialog] { dialog.OnDeleteAction(); });
    BindButton(kActBrowse, [&dialog] { dialog.OnBrowseDesignators(); });
    BindButton(kActSetArgument, [&dialog] { dialog.OnSetArgument(); });
}
