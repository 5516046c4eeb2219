#pragma once
// The effect editor: the effects of one data set as copies in a list, with the entry area Name,
// Valid, Effect Variable, Value and Condition below it and the buttons New, Set and Delete. The
// set's effects are replaced by the copies only when the dialog ends with OK and something was
// set or deleted; the caller records the undo step. The set's effect variables are edited from
// here too, in the parameter dialog; that change goes into the set at once with its own undo
// step, whatever becomes of the effects.
#include <string>
#include <vector>

#include "editors/framework/EditorDialog.h"
#include "model/DataEffect.h"
#include "platform/ObjectList.h"

class CApplicationKav;
class CAttributeKav;
class CDataSet;

// Dialog ids of the controls.
enum DataEffectDlgControl : int {
    kEffectVariablesButton = 1045,
    kEffectValue = 1405,
    kEffectList = 1421,
    kEffectName = 1422,
    kEffectValid = 1423,
    kEffectVariable = 1424,
    kEffectBrowse = 1425,
    kEffectCondition = 1426,
    kEffectNew = 1427,
    kEffectSet = 1428,
    kEffectDelete = 1429,
    kEffectExpand = 1432,
};

class CDataEffectDlg : public EditorDialog {
public:
    static constexpr int kResourceId = 290;

    CDataEffectDlg(EditorHost& host, CApplicationKav& project);

    // Runs the dialog on copies of the set's effects: 1 when the set's effects were replaced by
    // the copies, 0 when they were left untouched.
    int EditEffects(CDataSet& dataSet);

    void OnInitDialog() override;
    // A row's effect was chosen (null: a click beside the rows).
    void OnRowChosen(CDataEffect* effect);
    void OnNew();
    void OnSet() { SetEffect(); }
    // Applies the entry area: a new effect, or the chosen one changed. False after a refusal,
    // with nothing changed; true at once in a read-only run.
    bool SetEffect();
    void OnDelete();
    void OnValidClicked();
    // Edits the set's effect variables; the effects follow a renamed variable.
    void OnEffectVariables();
    void OnBrowseDesignators();
    // Shows the condition with its effect references expanded, or back as typed.
    void OnExpandIds();
    // With a name entered, closes only when the entry applies.
    bool OnOK() override;

    // The row order: valid effects first, then by the variable's name with case (none counts
    // as ""), then by the effect's name without case. <0, 0, >0.
    static int CompareEffects(const CDataEffect& a, const CDataEffect& b);

    // The copies the dialog works on, in the order the set will take.
    const OwningList<CDataEffect>& WorkingList() const { return working_; }
    bool IsNewEntry() const { return newEntry_; }
    bool IsExpanded() const { return expanded_; }

protected:
    void OnListRowChosen(int list, int row) override;

private:
    // The entry of the variable list: the blank one stands for no variable.
    static constexpr const char* kNoVariable = " ";

    std::vector<std::string> RowTexts(const CDataEffect& effect) const;
    // Adds the effect's row at the top; its index.
    int InsertEffectRow(CDataEffect* effect);
    // Puts the rows into the order of CompareEffects; the highlighted effect stays highlighted.
    void SortRows();
    // The blank entry, then the set's effect variables by name.
    void FillVariableList();
    // The chosen variable of the set; null for the blank entry or none.
    CAttributeKav* ChosenVariable() const;
    void EnableVariableControls(bool enabled);
    // The condition with its effect references expanded; false with the expansion's message.
    bool ExpandCondition(std::string& text) const;
    bool ChangeEffect(CDataEffect& effect, const std::string& name, bool valid, CAttributeKav* variable,
                      const std::string& value, const std::string& condition, bool nameTaken);
    bool AddEffect(const std::string& name, bool valid, CAttributeKav* variable, const std::string& value,
                   const std::string& condition, bool nameTaken);

    CApplicationKav& project_;
    CDataSet* dataSet_ = nullptr;
    OwningList<CDataEffect> working_;
    bool readOnly_ = false;
    bool newEntry_ = true;
    bool modified_ = false;
    bool expanded_ = false;
    // What Condition held before expanding.
    std::string savedCondition_;
};
