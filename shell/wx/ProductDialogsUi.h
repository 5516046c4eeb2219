#pragma once
// The windows that show the product: the splash window of start-up, which stays while the
// installation's data is read, and the about box.
#include <functional>

#include <wx/dialog.h>

class CLogoDlgUi : public wxDialog {
public:
    static constexpr int kLogoId = 1059;

    explicit CLogoDlgUi(wxWindow* parent);

    // Shows the splash window over the parent while the work runs, then closes it.
    static void ShowWhile(wxWindow* parent, const std::function<void()>& work);
};

class CAboutDlgUi : public wxDialog {
public:
    explicit CAboutDlgUi(wxWindow* parent);
};
