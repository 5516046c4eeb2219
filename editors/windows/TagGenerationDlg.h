#pragma once
// The tag generation dialog: a target tool and a preference, then the tool's converter gives
// one window and the windows below it (or every window of the project) their recognition tags.
#include "conversion/framework/ConverterTable.h"
#include "editors/framework/EditorDialog.h"

class CApplicationKav;
class CWindowKav;

// Dialog ids of the controls.
enum TagGenerationDlgControl : int {
    kTagTool = 1254,
    kTagPreferNumericId = 1341,
    kTagPreferCaption = 1342,
};

class CTagGenerationDlg : public EditorDialog {
public:
    static constexpr int kResourceId = 244;

    CTagGenerationDlg(EditorHost& host, CApplicationKav& project, const ConverterTable& table = StandardConverterTable());

    // Runs the dialog on the window (null: the whole project): TRUE unless cancelled.
    int Execute(CWindowKav* window);
    // The tags of the window (null: of the project) for the format, with the dialog's
    // preference (0 numeric id, 1 caption; 0 for a dialog never shown): 1, else the failing
    // converter's result with its message in the global buffer.
    int GenerateTags(int format, CWindowKav* window);

    void OnInitDialog() override;
    // Generates for the chosen tool, says so when that succeeded, and closes in any case.
    bool OnOK() override;

private:
    CApplicationKav& project_;
    const ConverterTable& table_;
    CWindowKav* window_ = nullptr;
    int preference_ = 0;
};

// The command Generate Window Tags: the dialog on the window (null: the whole project); after
// OK the project is marked modified with the undo step "Generate Window Tags". 1 after OK.
int RunTagGeneration(EditorHost& host, CApplicationKav& project, CWindowKav* window);
