#pragma once
// The replace window dialog: asks for the window to replace and the window that takes its
// place, each as a designator typed or browsed. It only hands the choice back; the command that
// opened it redirects the references.
#include "editors/framework/EditorDialog.h"

class CWindowKav;

// Dialog ids of the controls.
enum ReplaceWndDlgControl : int {
    kReplaceNewWindow = 1319,
    kReplaceBrowseNew = 1320,
    kReplaceOldWindow = 1380,
    kReplaceBrowseOld = 1381,
};

class CReplaceWndDlg : public EditorDialog {
public:
    static constexpr int kResourceId = 284;

    explicit CReplaceWndDlg(EditorHost& host);

    // 1 after OK with both set to the chosen windows; 0 after Cancel with both as they were. A
    // replaced window given is preset by name.
    int SelectWindows(CWindowKav*& replaced, CWindowKav*& replacement);

    void OnInitDialog() override;
    // Both texts must name two different windows.
    bool OnOK() override;
    // Browse Windows beside the field: the window chosen in the reference browser fills it.
    void OnBrowse(int field);

private:
    // The window that the text names as a designator, or null.
    static CWindowKav* ResolveWindow(const std::string& text);

    std::string presetName_;
    CWindowKav* replaced_ = nullptr;
    CWindowKav* replacement_ = nullptr;
};
