#pragma once
// The parameter dialog: one list of named, typed values (task parameters, attributes, step
// field definitions or values, effect variables) edited as copies, with the entry fields Name,
// Type and Value and the buttons New, Set and Delete. The caller's list is replaced only when
// something was set or deleted and the dialog ended with OK; the callers record the undo step.
#include <string>

#include "editors/framework/EditorDialog.h"
#include "model/AttributeKav.h"
#include "platform/ObjectList.h"

class CApplicationKav;

// Which list the dialog edits.
enum ParameterListKind : int {
    TaskParameters = 0,
    GlobalAttributes = 1,
    WindowAttributes = 2,
    StepFieldDefinitions = 3,
    StepFieldValues = 4,
    EffectVariables = 5,
};

// Dialog ids of the controls.
enum ParameterDlgControl : int {
    kParamList = 1029,
    kParamType = 1034,
    kParamName = 1035,
    kParamValue = 1036,
    kParamNew = 1037,
    kParamSet = 1038,
    kParamDelete = 1039,
};

class CParameterDlg : public EditorDialog {
public:
    static constexpr int kResourceId = 136;

    CParameterDlg(EditorHost& host, CApplicationKav& project);

    // Runs the dialog on copies of the list: 1 when the list was replaced by the edited copies,
    // 0 when it was left untouched. The title is the window's, without the read-only mark.
    int EditParameters(OwningList<CAttributeKav>& list, ParameterListKind kind, bool readOnly,
                       const std::string& title);

    void OnInitDialog() override;
    // A row's parameter was chosen (null: a click beside the rows).
    void OnRowChosen(CAttributeKav* parameter);
    void OnNew();
    void OnSet() { SetParameter(); }
    // Applies the entry fields: a new parameter, or the chosen one changed. False after a
    // refusal, with nothing changed.
    bool SetParameter();
    void OnDelete();
    // Applies a pending entry first: with Name filled, closes only when Set succeeds.
    bool OnOK() override;

    ParameterListKind GetKind() const { return kind_; }
    // The copies the dialog works on, in list order.
    const OwningList<CAttributeKav>& WorkingList() const { return working_; }
    bool IsNewEntry() const { return newEntry_; }

protected:
    void OnListRowChosen(int list, int row) override;
    int HelpTopic() const override;

private:
    enum ControlState : int { kStateNewEntry = 0, kStateRowChosen = 1, kStateRowNotChangeable = 2 };

    void UpdateControls(ControlState state);
    // Chooses the row and loads its parameter into the fields.
    void LoadRow(int row);
    bool CheckName(const std::string& name);
    bool CheckValue(const std::string& value, int type);
    // The first parameter named so, without regard to case; for the attributes and the step
    // field definitions only one of the main file counts.
    CAttributeKav* FindDuplicate(const std::string& name) const;
    // Column 0 of a parameter's row when the dialog opens.
    std::string OpeningRowText(const CAttributeKav& parameter) const;
    // Column 0 of a row that Set wrote.
    std::string SetRowText(const std::string& name) const;
    bool ShowsReferenceTexts() const { return kind_ == GlobalAttributes || kind_ == StepFieldDefinitions; }

    CApplicationKav& project_;
    ParameterListKind kind_ = TaskParameters;
    bool readOnly_ = false;
    OwningList<CAttributeKav> working_;
    bool newEntry_ = true;
    bool modified_ = false;
};
