// The project-wide rewriting of reference texts when an object gets a new name.
#include "model/ApplicationKav.h"
#include "model/ImportTreeItem.h"
#include "model/TaskPass.h"
#include "model/WindowKav.h"
#include "platform/TextUtil.h"

bool CApplicationKav::IsInScope(const CKavroObj* object, int scope) {
    if (scope == kScopeAll) return true;
    const bool imported = object->GetImportItem() && object->GetImportItem()->IsFromOtherProject();
    return scope == kScopeImported ? imported : !imported;
}

void CApplicationKav::ReplaceReferenceText(const std::string& oldText, const std::string& newText, int scope) {
    for (CWindowKav* window : windows_.Snapshot())
        if (IsInScope(window, scope))
            for (CTransitionKav* transition : window->GetTransitions()) ReplaceTextInStep(transition, oldText, newText);
    for (CTaskKav* task : tasks_)
        if (IsInScope(task, scope))
            for (CTaskStep* step : task->GetSteps()) ReplaceTextInStep(step, oldText, newText);
    if (CTaskKav* task = GetClipboardTask()) ReplaceTextInTaskTree(task, oldText, newText);
    if (TaskStepClipboardList* steps = GetClipboardTaskSteps())
        for (CTaskStep* step : *steps) ReplaceTextInStep(step, oldText, newText);
    for (CConditionKav* condition : metaConditions_) {
        if (!IsInScope(condition, scope)) continue;
        std::string result;
        if (ReplaceNoCase(condition->GetText(), result, oldText, newText)) condition->SetText(result);
    }
}

void CApplicationKav::RenameObjectReferences(const std::string& oldName, const std::string& newName) {
    ReplaceReferenceText("#" + oldName + "#", "#" + newName + "#", kScopeAll);
    ReplaceReferenceText("#" + oldName + ":", "#" + newName + ":", kScopeAll);
}

void CApplicationKav::RenameAttributeReferences(const CKavroObj* object, const std::string& oldName,
                                                const std::string& newName) {
    if (!object) return;
    const std::string path = GetObjectPathText(object);
    ReplaceReferenceText("#" + path + ":" + oldName + "#", "#" + path + ":" + newName + "#", kScopeAll);
}

void CApplicationKav::RenameTaskReferences(const CTaskKav* task, const std::string& oldText,
                                           const std::string& newText) {
    ReplaceReferenceText("#" + oldText + ":", "#" + newText + ":", kScopeAll);
    RunTaskPass(
        tasks_, [&](CTaskKav& each, bool recursive) { return each.RenameSubtaskCalls(task, recursive); },
        [&](CTaskStep& step) { step.RenameSubtaskCall(task); }, ChangedTasks::ProjectAndClipboardTasks);
}
