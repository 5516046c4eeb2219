#include "shell/wx/MessageLogDlgUi.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/utils.h>

#include "shell/Help.h"

CMessageLogDlgUi::CMessageLogDlgUi(wxWindow* parent, CMessageLogDlg& logic)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(logic.GetTitle()), wxDefaultPosition, wxSize(560, 360),
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      logic_(logic) {
    list_ = new wxListBox(this, kListId, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxLB_SINGLE | wxLB_HSCROLL);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(this, kSaveLogId, "&Save Log File"), 0, wxRIGHT, 8);
    buttons->AddStretchSpacer();
    buttons->Add(new wxButton(this, wxID_OK, "OK"));
    auto* layout = new wxBoxSizer(wxVERTICAL);
    layout->Add(list_, 1, wxEXPAND | wxALL, 8);
    layout->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);
    SetSizer(layout);

    for (const std::string& line : logic_.Log().Lines()) list_->Append(wxString::FromUTF8(line));
    logic_.Log().SetLineListener([this](const std::string& line) { AddLine(line); });
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { logic_.SaveLog(); }, kSaveLogId);
    Bind(wxEVT_BUTTON, &CMessageLogDlgUi::OnCancel, this, wxID_OK);
    Bind(wxEVT_BUTTON, &CMessageLogDlgUi::OnCancel, this, wxID_CANCEL);
    Bind(wxEVT_CLOSE_WINDOW, &CMessageLogDlgUi::OnClose, this);
    Bind(wxEVT_CHAR_HOOK, &CMessageLogDlgUi::OnCharHook, this);
}

CMessageLogDlgUi::~CMessageLogDlgUi() { logic_.Log().SetLineListener(nullptr); }

void CMessageLogDlgUi::AddLine(const std::string& line) {
    list_->Append(wxString::FromUTF8(line));
    list_->SetSelection(list_->GetCount() - 1);
    if (list_->IsShownOnScreen()) list_->Update();
}

void CMessageLogDlgUi::EnableButtons(bool enabled) {
    FindWindow(kSaveLogId)->Enable(enabled);
    FindWindow(wxID_OK)->Enable(enabled);
}

void CMessageLogDlgUi::OnClose(wxCloseEvent& event) {
    if (!logic_.CanClose() && event.CanVeto()) {
        event.Veto();
        return;
    }
    event.Skip();
}

void CMessageLogDlgUi::OnCancel(wxCommandEvent& event) {
    if (!logic_.CanClose()) return;
    if (IsModal()) EndModal(event.GetId());
    else Hide();
}

void CMessageLogDlgUi::OnCharHook(wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_F1 && !event.ShiftDown()) {
        ShowHelp(logic_.GetHelpContext());
        return;
    }
    event.Skip();
}

int CMessageLogDlgUi::ShowLog(wxWindow* parent, CMessageLogDlg& logic) {
    CMessageLogDlgUi dialog(parent, logic);
    dialog.Show();
    dialog.Update();
    {
        wxWindowDisabler others(&dialog);
        wxBusyCursor wait;
        dialog.EnableButtons(false);
        logic.Run();
        dialog.EnableButtons(true);
    }
    if (!logic.ClosesItself()) dialog.ShowModal();
    return logic.GetResult();
}
