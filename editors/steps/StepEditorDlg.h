#pragma once
// The step editor: one dialog for a window transition, a step of a task flow and a step of a
// generated test case. The step's type decides the title, which controls show and what is
// required; a task step that performs a transition is edited as that transition, with the task
// step's priority beside it. Conditions, actions and field values are edited as copies in their
// own editors and reach the step only after OK; the runner records the undo step.
#include <string>

#include "editors/framework/EditorDialog.h"
#include "editors/steps/StepListCopies.h"

class CApplicationKav;
class CStepKav;
class CTaskKav;
class CTaskStep;
class CWindowKav;

// Dialog ids of the controls.
enum StepEditorControl : int {
    kStepEvent = 1234,
    kStepConditions = 1325,
    kStepActions = 1326,
    kStepName = 1327,
    kStepDelay = 1328,
    kStepCommands = 1329,
    kStepExpectedResult = 1330,
    kStepBrowse = 1331,
    kStepStartWindow = 1332,
    kStepDestWindow = 1333,
    kStepErrorCase = 1334,
    kStepPriority = 1335,
    kStepInstruction = 1336,
    kStepPriorityLabel = 1337,
    kStepFields = 1338,
    kStepInput = 1339,
};

class CStepEditorDlg : public EditorDialog {
public:
    static constexpr int kResourceId = 270;

    CStepEditorDlg(EditorHost& host, CApplicationKav& project);

    // Runs the dialog on the step: 1 when the values were written into the model (undo step
    // "Edit Step" recorded), 0 after Cancel or for a step that may not be changed. isNew: a
    // transition just made and not yet added to its window. task: the task whose flow holds a
    // task step, the context of conditions, actions and designators (null for the others).
    int EditStep(CStepKav* step, bool isNew, CTaskKav* task);

    void OnInitDialog() override;
    // Checks the fields in order and closes only when all pass.
    bool OnOK() override;
    // Asks before changes to conditions, actions or field values are dropped.
    bool OnCancel() override;
    void OnConditions();
    void OnActions();
    void OnUserDefinedFields();
    // Inserts a reference into the field that last lost the focus: a bare window for the window
    // fields, a designator between "#" for the text fields, nothing for the delay.
    void OnBrowseDesignators();
    // A field that designators can go into lost the focus.
    void OnKillFocusField(int control);

private:
    // The type of what the dialog shows: the step's own, or 0 for the transition that a task
    // step performs.
    int EditedType() const;
    bool CheckPriority();
    bool CheckName();
    // Resolves a window field into the window; an empty text is refused for a transition.
    bool CheckWindow(int control, int missingMessage, int missingCaption, int invalidMessage, int invalidCaption,
                     CWindowKav*& window);
    bool CheckEvent();
    bool CheckDelay();
    void WriteBack();

    CApplicationKav& project_;
    CStepKav* step_ = nullptr;
    CTaskStep* referringStep_ = nullptr;
    CTaskKav* task_ = nullptr;
    bool isNew_ = false;
    bool readOnly_ = false;
    int lastField_ = kStepStartWindow;
    CWindowKav* startWindow_ = nullptr;
    CWindowKav* destWindow_ = nullptr;
    CWindowKav* openedStart_ = nullptr;
    CWindowKav* openedDest_ = nullptr;
    StepListCopies lists_;
};
