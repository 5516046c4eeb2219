#pragma once
// The message log window: shows the lines of its operation as they come, runs the operation as
// soon as it is open, and stays for the user to read unless the operation's result closes it.
#include <wx/dialog.h>

#include "shell/MessageLogDlg.h"

class wxListBox;

class CMessageLogDlgUi : public wxDialog {
public:
    static constexpr int kListId = 1387;
    static constexpr int kSaveLogId = 1388;

    CMessageLogDlgUi(wxWindow* parent, CMessageLogDlg& logic);
    ~CMessageLogDlgUi() override;

    // Shows the window over the parent, runs the operation and, unless it closes by itself,
    // waits until the user closes it: the operation's result.
    static int ShowLog(wxWindow* parent, CMessageLogDlg& logic);

private:
    void AddLine(const std::string& line);
    void EnableButtons(bool enabled);
    void OnClose(wxCloseEvent& event);
    void OnCancel(wxCommandEvent& event);
    void OnCharHook(wxKeyEvent& event);

    CMessageLogDlg& logic_;
    wxListBox* list_;
};
