#pragma once
// The task editor: name, type and the plain fields of a task, its parameters and the
// requirements it covers. OK writes name, type and fields into the task itself once its checks
// pass (a changed name follows into every reference, a changed type converts the task); the
// parameters and requirement links are edited as copies and written back by the runner. The
// calling command records the undo step.
#include <string>
#include <vector>

#include "editors/framework/EditorDialog.h"
#include "model/AttributeKav.h"
#include "platform/ObjectList.h"

class CApplicationKav;
class CDataSet;
class CRequirement;
class CTaskKav;

// Dialog ids of the controls.
enum TaskEditorControl : int {
    kTaskTestLevel = 1027,
    kTaskTestCategory = 1028,
    kTaskType = 1029,
    kTaskDataSet = 1030,
    kTaskName = 1327,
    kTaskParameters = 1328,
    kTaskRequirements = 1329,
    kTaskPostcondition = 1330,
    kTaskDocPath = 1331,
    kTaskBrowsePath = 1332,
    kTaskDescription = 1333,
    kTaskPrecondition = 1334,
    kTaskBrowse = 1335,
    kTaskTestGoal = 1336,
    kTaskConfiguration = 1337,
};

class CTaskEditorDlg : public EditorDialog {
public:
    static constexpr int kResourceId = 278;

    CTaskEditorDlg(EditorHost& host, CApplicationKav& project);

    // Runs the dialog on the task: 1 after OK on a task that may be changed, 0 after Cancel or
    // for a read-only task.
    int EditTask(CTaskKav* task);

    void OnInitDialog() override;
    void OnTypeChanged();
    // Confirms a conversion, applies a new name, converts the task and writes its fields.
    bool OnOK() override;
    void OnBrowsePath();
    void OnBrowseDesignators();
    void OnParameters();
    void OnRequirements();
    // A field that designators can go into lost the focus.
    void OnKillFocusField(int control);

private:
    int ChosenType() const;
    // The data set box's entries are the data sets' reference texts after an empty one.
    CDataSet* ChosenDataSet() const;
    void SelectDataSet(const CDataSet* dataSet);
    void FillTestChoices(int control, std::vector<std::string> names, const std::string& current);
    // What a task that may not be changed and the root task both keep from the user.
    void LockFields();
    bool ConfirmConversion(int type);
    bool ApplyName();
    // A task of the test-management product shares its name with its companion task.
    void RenameCompanion(const std::string& name);
    void Convert(int type, CDataSet*& dataSet);
    void DeleteSteps();
    // The task loses its parameters, and steps that call it lose the call.
    void RemoveParameters();
    void MergeParameters();

    CApplicationKav& project_;
    CTaskKav* task_ = nullptr;
    bool readOnly_ = false;
    bool parametersChanged_ = false;
    bool requirementsChanged_ = false;
    bool typeChanged_ = false;
    int lastField_ = kTaskPrecondition;
    OwningList<CAttributeKav> parameters_;
    std::vector<CRequirement*> requirements_;
};
