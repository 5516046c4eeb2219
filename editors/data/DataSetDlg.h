#pragma once
// The data set dialog: the name, description and data source of one data set. It works on the
// set itself: OK writes the entries into it once they pass the checks, Cancel leaves it as it
// was. The caller records the undo step and rewrites the references to a renamed set.
#include "editors/framework/EditorDialog.h"

class CApplicationKav;
class CDataSet;

// Dialog ids of the controls.
enum DataSetDlgControl : int {
    kSetBrowse = 3,
    kSetName = 1062,
    kSetDataSource = 1063,
    kSetDescription = 1065,
};

class CDataSetDlg : public EditorDialog {
public:
    static constexpr int kResourceId = 142;

    CDataSetDlg(EditorHost& host, CApplicationKav& project);

    // Runs the dialog on the set: true when the set may be changed and the dialog ended with OK
    // (changed or not), false otherwise.
    bool EditDataSet(CDataSet& dataSet);

    void OnInitDialog() override;
    // Checks the name against the main file's other data sets and the name rules, then writes
    // the entries; a read-only run only closes.
    bool OnOK() override;
    // Chooses the data source file, starting from the one entered.
    void OnBrowse();

private:
    CApplicationKav& project_;
    CDataSet* dataSet_ = nullptr;
    bool readOnly_ = false;
};
