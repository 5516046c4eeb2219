#pragma once
// The editor of a task step that calls a sub-task: its priority, how often the sub-task runs (a
// number of loops or a numeric expression, or once per valid and/or invalid record of a data
// set) and the values passed to the sub-task's parameters. The values are edited as copies of
// the step's attributes and reach the step through the runner after OK; priority and loop
// settings are written by OK itself. The name is shown only: a sub-task call takes its name
// from the task it calls.
#include <string>

#include "editors/framework/EditorDialog.h"
#include "model/AttributeKav.h"
#include "platform/ObjectList.h"

class CApplicationKav;
class CDataSet;
class CTaskKav;
class CTaskStep;

// Dialog ids of the controls.
enum StepSubtaskEditorControl : int {
    kSubName = 1349,
    kSubPriority = 1350,
    kSubValue = 1351,
    kSubParameters = 1352,
    kSubBrowseValue = 1353,
    kSubSetValue = 1354,
    kSubLoopCount = 1355,
    kSubBrowseLoop = 1356,
    kSubExecute = 1415,
    kSubDataSetMode = 1416,
    kSubDataSet = 1417,
    kSubValidRecords = 1418,
    kSubInvalidRecords = 1419,
};

// The editor's loop choices besides the record modes of the model's TaskLoopMode.
enum SubtaskLoopMode : int {
    kLoopOnce = 0,
    kLoopCount = 1,
    kLoopExpression = 8,
};

class CStepSubtaskEditorDlg : public EditorDialog {
public:
    static constexpr int kResourceId = 277;

    CStepSubtaskEditorDlg(EditorHost& host, CApplicationKav& project);

    // Runs the dialog on the step that the task holds: 1 when the values were written (undo
    // step "Edit Step" recorded), 0 after Cancel or for a task that may not be changed.
    int EditSubtaskStep(CTaskStep* step, CTaskKav* task);

    void OnInitDialog() override;
    // Checks priority and loop settings, applies the value of a chosen row, writes the step.
    bool OnOK() override;
    void OnExecute();
    void OnDataSet();
    // Applies Value to the chosen parameter and moves on to the next row; false after a
    // refusal, with nothing changed.
    bool OnSetValue();
    // Browse Designators beside the loop count (kSubBrowseLoop) or beside Value.
    void OnBrowseDesignators(int button);

protected:
    void OnListRowChosen(int list, int row) override;

private:
    bool CheckPriority();
    bool CheckLoop(int& loopMode, CDataSet*& dataSet);
    bool CheckLoopCount(int& loopMode);
    CDataSet* ChosenDataSet() const;
    // Shows the row's parameter in Value ready for typing, or (-1) no row with Value locked.
    void ChooseParameterRow(int row);
    void EnableLoopControls(bool byCount);

    CApplicationKav& project_;
    CTaskStep* step_ = nullptr;
    CTaskKav* task_ = nullptr;
    bool readOnly_ = false;
    bool valuesChanged_ = false;
    OwningList<CAttributeKav> values_;
};
