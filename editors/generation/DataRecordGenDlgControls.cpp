#include "editors/generation/DataRecordGenDlgControls.h"

namespace {

// A number of our own among the dialogs' (its help topic follows from it).
constexpr int kResourceId = 339;

}  // namespace

const std::vector<int> DataRecordGenDlgControls::kTestTypes{kGenEqClassMethod, kGenDeltraMethod};
const std::vector<int> DataRecordGenDlgControls::kValues{kGenOneValue, kGenBoundaryValues, kGenAllValues};
const std::vector<int> DataRecordGenDlgControls::kStrategies{kGenEachClassOnce, kGenEachPairOnce,
                                                             kGenAllCombinations};

DataRecordGenDlgControls::DataRecordGenDlgControls(EditorHost& host, CDataRecordGenDlg& dialog)
    : EditorDialog(host, kResourceId), dialog_(dialog) {
    AddControl(kGenEqClassMethod, "Equivalence Class Method");
    AddControl(kGenDeltraMethod, "DELTRA Method");
    AddControl(kGenOneValue, "One representative value");
    AddControl(kGenBoundaryValues, "Boundary values");
    AddControl(kGenAllValues, "All specified values");
    AddControl(kGenEachClassOnce, "Use each class/effect once (minimum number of test cases)");
    AddControl(kGenEachPairOnce, "Use each pair once (medium number of test cases)");
    AddControl(kGenAllCombinations, "Use all combinations (maximum number of test cases)");
    AddControl(kGenValidRecords, "Generate Valid Records");
    AddControl(kGenInvalidRecords, "Generate Invalid Records");
}

void DataRecordGenDlgControls::OnInitDialog() {
    SetTitle("Record Generator", false);
    ShowChoices();
}

void DataRecordGenDlgControls::OnEqClassMethod() {
    ReadChoices();
    dialog_.OnEqClassMethod();
    ShowChoices();
}

void DataRecordGenDlgControls::OnDeltraMethod() {
    ReadChoices();
    dialog_.OnDeltraMethod();
    ShowChoices();
}

bool DataRecordGenDlgControls::OnOK() {
    ReadChoices();
    const DataGenOkResult result = dialog_.OnOK();
    if (!result.close && result.focusControl) SetFocus(result.focusControl);
    return result.close;
}

void DataRecordGenDlgControls::ReadChoices() {
    DataGenSettings& choices = dialog_.Choices();
    choices.testType = CheckedRadio(kTestTypes);
    choices.values = CheckedRadio(kValues);
    choices.strategy = CheckedRadio(kStrategies);
    choices.valid = IsChecked(kGenValidRecords);
    choices.invalid = IsChecked(kGenInvalidRecords);
}

void DataRecordGenDlgControls::ShowChoices() {
    const DataGenSettings& choices = dialog_.Choices();
    CheckRadio(kTestTypes, choices.testType);
    CheckRadio(kValues, choices.values);
    CheckRadio(kStrategies, choices.strategy);
    SetChecked(kGenValidRecords, choices.valid);
    SetChecked(kGenInvalidRecords, choices.invalid);
    const bool open = dialog_.MethodChoicesEnabled();
    for (int id : {kGenOneValue, kGenBoundaryValues, kGenAllValues, kGenEachPairOnce, kGenAllCombinations})
        Enable(id, open);
}
