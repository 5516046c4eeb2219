#include "editors/steps/StepListCopies.h"

#include "editors/framework/MergeEditedCopies.h"
#include "editors/steps/ActionEditorDlg.h"
#include "editors/steps/ConditionEditDlg.h"
#include "editors/steps/ParameterDlg.h"
#include "model/StepKav.h"

namespace {

const char kFieldsTitle[] = "User-Defined Fields of Step ";

}  // namespace

void StepListCopies::Take(const CStepKav& step) {
    Discard();
    CopyForEditing(step.GetActions(), actions_);
    CopyForEditing(step.GetConditions(), conditions_);
    CopyForEditing(step.GetAttributes(), fields_);
}

void StepListCopies::MergeInto(CStepKav& step) {
    if (actionsChanged_) MergeEditedCopies(step.GetActions(), actions_);
    if (conditionsChanged_) MergeEditedCopies(step.GetConditions(), conditions_);
    if (fieldsChanged_) MergeEditedCopies(step.GetAttributes(), fields_);
    Discard();
}

void StepListCopies::Discard() {
    actions_.DeleteAll();
    conditions_.DeleteAll();
    fields_.DeleteAll();
    conditionsChanged_ = actionsChanged_ = fieldsChanged_ = false;
}

void StepListCopies::EditConditions(EditorHost& host, CApplicationKav& project, CTaskKav* task, bool readOnly) {
    const int changed = CConditionEditDlg(host, project).EditConditions(conditions_, task, readOnly);
    conditionsChanged_ = conditionsChanged_ || changed == 1;
}

void StepListCopies::EditActions(EditorHost& host, CTaskKav* task, bool readOnly) {
    const bool changed = CActionEditorDlg(host).EditActions(actions_, task, readOnly);
    actionsChanged_ = actionsChanged_ || changed;
}

void StepListCopies::EditFields(EditorHost& host, CApplicationKav& project, bool readOnly, const std::string& stepName) {
    const int changed =
        CParameterDlg(host, project).EditParameters(fields_, StepFieldValues, readOnly, kFieldsTitle + stepName);
    fieldsChanged_ = fieldsChanged_ || changed == 1;
}
