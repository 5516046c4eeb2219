#pragma once
// The controls of the dialog "Record Generator" over its plain class CDataRecordGenDlg. OK runs
// the chosen method, which may take long.
#include <vector>

#include "editors/framework/EditorDialog.h"
#include "generation/DataRecordGenDlg.h"

class DataRecordGenDlgControls : public EditorDialog {
public:
    DataRecordGenDlgControls(EditorHost& host, CDataRecordGenDlg& dialog);

    void OnInitDialog() override;
    void OnEqClassMethod();
    void OnDeltraMethod();
    // Runs the method; a refusal or failure keeps the dialog open with the focus on its control.
    bool OnOK() override;
    bool OKTakesLong() const override { return true; }

    // The radio groups, in the order of their values.
    static const std::vector<int> kTestTypes;
    static const std::vector<int> kValues;
    static const std::vector<int> kStrategies;

private:
    void ReadChoices();
    void ShowChoices();

    CDataRecordGenDlg& dialog_;
};
