// Insurance, the premium calculation application under test: its one dialog is the program.
#include <wx/app.h>

#include "demos/insurance/InsuranceDlg.h"

class CInsuranceApp : public wxApp {
public:
    int OnRun() override {
        CInsuranceDlg dialog;
        dialog.ShowModal();
        return 0;
    }
};

wxIMPLEMENT_APP(CInsuranceApp);
