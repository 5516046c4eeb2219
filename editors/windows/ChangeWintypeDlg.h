#pragma once
// The change window type dialog: asks for the new type of a window. It only hands the choice
// back; the command that opened it replaces the window.
#include "editors/framework/EditorDialog.h"

class CWindowKav;

// Dialog id of the type list.
enum ChangeWintypeDlgControl : int { kWintypeList = 1289 };

class CChangeWintypeDlg : public EditorDialog {
public:
    static constexpr int kResourceId = 254;
    // The choice when the dialog was cancelled or closed with no type chosen.
    static constexpr int kNoType = 99;

    explicit CChangeWintypeDlg(EditorHost& host);

    // The chosen type code (0 to 21), or kNoType.
    int SelectWindowType(CWindowKav& window);

    void OnInitDialog() override;
    bool OnOK() override;

private:
    CWindowKav* window_ = nullptr;
    int chosenType_ = kNoType;
};
