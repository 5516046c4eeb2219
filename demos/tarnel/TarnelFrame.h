#pragma once
// The "Human Resources" window of Tarnel: a frame with the dialog's menu bar that hosts the
// personnel form. Closing it (Cancel, Escape or the close box) ends the program.
#include <wx/frame.h>

class CPersonnelDlg;

class CTarnelFrame : public wxFrame {
public:
    CTarnelFrame();

    CPersonnelDlg* Dialog() const { return dialog_; }

private:
    void CreateMenuBar();

    CPersonnelDlg* dialog_ = nullptr;
};
