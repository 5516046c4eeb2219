#pragma once
// The action editor: the ordered actions of a step, each one of the predefined actions of the
// catalogue with its arguments filled in one by one and checked against the argument's type
// and the model. Edited as copies; the caller's list is replaced only when something changed
// and the dialog ended with OK; the caller records the undo step.
#include <memory>
#include <string>

#include "editors/framework/EditorDialog.h"
#include "model/ActionKav.h"
#include "platform/ObjectList.h"

class CTaskKav;
class CWindowKav;

// Dialog ids of the controls.
enum ActionEditorControl : int {
    kActAvailable = 1000,
    kActArguments = 1004,
    kActHelpLine = 1007,
    kActValue = 1008,
    kActSetAction = 1009,
    kActDelete = 1010,
    kActSetArgument = 1011,
    kActSelected = 1012,
    kActBrowse = 1227,
};

class CActionEditorDlg : public EditorDialog {
public:
    static constexpr int kResourceId = 133;

    explicit CActionEditorDlg(EditorHost& host);

    // Runs the dialog on copies of the actions (each keeps its unique id and Edited mark): true
    // when the list was replaced, false when it was left untouched. browseTask: the task whose
    // parameters the reference browser offers (may be null).
    bool EditActions(OwningList<CActionKav>& actions, CTaskKav* browseTask, bool readOnly);

    // An action as the list of selected actions shows it: its name and its argument values,
    // "SetInputField (#Edit1#, \"abc\")", "CloseApplication ()".
    static std::string FormatAction(const CActionKav& action);

    void OnInitDialog() override;
    void OnAvailableActionChosen();
    void OnSelectedActionChosen();
    void OnArgumentChosen();
    // Checks the value field against the chosen argument's type and stores it there.
    void OnSetArgument();
    void OnSetAction() { ApplyAction(); }
    // Places the current action into the list (appended, or in place of the one it was chosen
    // from). False when an argument is still empty.
    bool ApplyAction();
    void OnDeleteAction();
    void OnBrowseDesignators();
    // Places a pending action first and closes only when that succeeds.
    bool OnOK() override;

    // The copies the dialog works on; row i of the selected actions shows the i-th.
    const OwningList<CActionKav>& WorkingList() const { return working_; }
    // The action being edited, or null.
    const CActionKav* GetCurrentAction() const { return current_.get(); }

protected:
    void OnListRowChosen(int list, int row) override;

private:
    // Shows the current action's arguments, the first chosen and ready for its value.
    void ShowCurrentAction(bool existing);
    void FillArgumentList();
    void ClearArgumentFields();
    // Chooses the argument's row and shows its help line and value.
    void ShowArgument(int row);
    // No current action: the argument controls and the list buttons out of use.
    void ReturnToIdle();
    CArgumentKav* ChosenArgument() const;

    bool CheckArgumentValue(const CArgumentKav& argument, const std::string& value);
    bool CheckDesignatorValue(const std::string& value);
    bool CheckWindowValue(const std::string& value);
    bool CheckDataSetValue(const std::string& value);
    bool CheckExpressionValue(int argumentType, const std::string& value);

    OwningList<CActionKav> working_;
    std::unique_ptr<CActionKav> current_;
    CTaskKav* browseTask_ = nullptr;
    bool readOnly_ = false;
    bool newAction_ = true;
    bool modified_ = false;
    // The window the last checked Name argument named: the group box or tab control whose
    // captions a Value argument is checked against.
    CWindowKav* rememberedWindow_ = nullptr;
};
