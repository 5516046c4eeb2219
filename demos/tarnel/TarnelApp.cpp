// Tarnel, the personnel records application under test: one window, records kept in memory
// until it closes.
#include <wx/app.h>

#include "demos/tarnel/TarnelFrame.h"

class CTarnelApp : public wxApp {
public:
    bool OnInit() override {
        if (!wxApp::OnInit()) return false;
        (new CTarnelFrame)->Show();
        return true;
    }
};

wxIMPLEMENT_APP(CTarnelApp);
