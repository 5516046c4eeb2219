#include "demos/tarnel/TarnelFrame.h"

#include <wx/menu.h>
#include <wx/sizer.h>

#include "demos/tarnel/PersonnelDlg.h"

CTarnelFrame::CTarnelFrame()
    : wxFrame(nullptr, wxID_ANY, "Human Resources", wxDefaultPosition, wxDefaultSize,
              wxCAPTION | wxSYSTEM_MENU | wxMINIMIZE_BOX | wxCLOSE_BOX) {
    CreateMenuBar();
    dialog_ = new CPersonnelDlg(this);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(dialog_, wxSizerFlags(1).Expand());
    SetSizerAndFit(sizer);

    // A dialog closes on Escape; a frame has to be taught.
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_ESCAPE && event.GetModifiers() == wxMOD_NONE) {
            Close();
        } else {
            event.Skip();
        }
    });
}

// No menu command has a handler, so choosing one does nothing. (The commands keep wx's own
// identifiers: the toolkit takes none above 32766.)
void CTarnelFrame::CreateMenuBar() {
    auto* file = new wxMenu;
    file->Append(wxID_ANY, "Open");
    file->Append(wxID_ANY, "Close");
    file->AppendSeparator();
    file->Append(wxID_ANY, "Quit");
    auto* management = new wxMenu;
    management->Append(wxID_ANY, "Controlling");
    management->Append(wxID_ANY, "Mail");
    auto* help = new wxMenu;
    help->Append(wxID_ANY, "About...");

    auto* bar = new wxMenuBar;
    bar->Append(file, "File");
    bar->Append(management, "Management");
    bar->Append(help, "Help");
    SetMenuBar(bar);
}
