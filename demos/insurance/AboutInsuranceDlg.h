#pragma once
// The "About Insurance" box: icon, version text and OK.
#include <wx/dialog.h>

class CAboutInsuranceDlg : public wxDialog {
public:
    explicit CAboutInsuranceDlg(wxWindow* parent);
};
