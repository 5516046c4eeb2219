#pragma once
// The missing tag dialog: the windows that the project's test tool needs a tag for and that
// have none, each of which can get a tag typed in. Only windows that may be changed are listed.
#include "conversion/framework/ConverterTable.h"
#include "editors/framework/EditorDialog.h"

class CApplicationKav;

// Dialog ids of the controls.
enum TagMissingDlgControl : int {
    kMissingSetTag = 1029,
    kMissingWindows = 1252,
    kMissingTag = 1253,
};

class CTagMissingDlg : public EditorDialog {
public:
    static constexpr int kResourceId = 243;

    CTagMissingDlg(EditorHost& host, CApplicationKav& project, const ConverterTable& table = StandardConverterTable());

    // Collects the windows without tags for the project's output format and, when there are
    // any, runs the dialog on them.
    void CheckMissingTags();

    void OnInitDialog() override;
    // Set Tag: the typed tag goes to the chosen window (one undo step "Edit Window Tag" each),
    // which leaves the list.
    void OnSetTag();

protected:
    void OnListRowChosen(int list, int row) override;

private:
    void EnableTagEntry(bool enabled);

    CApplicationKav& project_;
    const ConverterTable& table_;
    std::vector<CWindowKav*> windows_;
};
