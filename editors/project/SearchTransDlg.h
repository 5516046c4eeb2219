#pragma once
// The prompt of Search References: the window whose references are listed, typed or chosen
// with Browse Windows.
#include <string>

#include "editors/framework/EditorDialog.h"

class CApplicationKav;
class CWindowKav;

// Dialog ids of the controls.
enum SearchTransControl : int {
    kSearchTransWindow = 1317,
    kSearchTransBrowse = 1318,
};

class CSearchTransDlg : public EditorDialog {
public:
    static constexpr int kResourceId = 268;

    CSearchTransDlg(EditorHost& host, CApplicationKav& project);

    // Runs the prompt, filled with how designators name the window (may be null): the text on
    // OK, "" on Cancel.
    std::string AskWindowId(CWindowKav* window);

    void OnInitDialog() override;
    // Refuses an empty text.
    bool OnOK() override;
    void OnBrowseWindows();

private:
    CApplicationKav& project_;
    CWindowKav* window_ = nullptr;
};
