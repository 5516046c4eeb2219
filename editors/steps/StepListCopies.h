#pragma once
// The conditions, actions and user-defined fields of a step as a step editor edits them: copies
// taken when the editor opens, each list edited in its own editor and marked once that editor
// reports a change, and only the marked lists merged into the step after OK.
#include <string>

#include "model/ActionKav.h"
#include "model/AttributeKav.h"
#include "model/ConditionKav.h"
#include "platform/ObjectList.h"

class CApplicationKav;
class CStepKav;
class CTaskKav;
class EditorHost;

class StepListCopies {
public:
    // Copies the step's three lists, none marked changed; copies taken before are deleted.
    void Take(const CStepKav& step);
    // Merges the changed lists into the step, in the order actions, conditions, fields, and
    // deletes the other copies.
    void MergeInto(CStepKav& step);
    void Discard();
    bool AnyChanged() const { return conditionsChanged_ || actionsChanged_ || fieldsChanged_; }

    // Each runs the list's editor over its copies (task: the context of designators).
    void EditConditions(EditorHost& host, CApplicationKav& project, CTaskKav* task, bool readOnly);
    void EditActions(EditorHost& host, CTaskKav* task, bool readOnly);
    // stepName: the name as the editor's field now shows it, for the title.
    void EditFields(EditorHost& host, CApplicationKav& project, bool readOnly, const std::string& stepName);

private:
    OwningList<CConditionKav> conditions_;
    OwningList<CActionKav> actions_;
    OwningList<CAttributeKav> fields_;
    bool conditionsChanged_ = false;
    bool actionsChanged_ = false;
    bool fieldsChanged_ = false;
};
