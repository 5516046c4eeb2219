// The project-wide rewriting of reference texts when an object gets a new name.
#include "model/ApplicationKav.h"
#include "model/ImportTreeItem.h"
#include "model/StepTexts.h"
#include "model/TaskPass.h"
#include "model/WindowKav.h"
#include "platform/TextUtil.h"

bool CApplicationKav::IsInScope(const CKavroObj* object, int scope) {
    if (scope == kScopeAll) return true;
    const bool imported = object->GetImportItem() && object->GetImportItem()->IsFromOtherProject();
    return scope == kScopeImported ? imported : !imported;
}

void CApplicationKav::ReplaceReferenceText(const std::string& oldText, const std::string& newText, int scope) {
    ReplaceReferenceTexts({{oldText, newText}}, scope);
}

// One walk over the objects, each taking the replacements in order: the same outcome as one
// walk per replacement, since an object's texts depend on nothing else.
void CApplicationKav::ReplaceReferenceTexts(const std::vector<std::pair<std::string, std::string>>& replacements,
                                            int scope) {
    // When every old text begins with a character that has no other case (as "#" does), a text
    // without any of those characters needs no look.
    std::string firstCharacters;
    for (const auto& replacement : replacements) {
        const std::string& oldText = replacement.first;
        const auto first = oldText.empty() ? 'a' : static_cast<unsigned char>(oldText.front());
        if (first >= 0x80 || ((first | 0x20) >= 'a' && (first | 0x20) <= 'z')) {
            firstCharacters.clear();
            break;
        }
        if (firstCharacters.find(static_cast<char>(first)) == std::string::npos) firstCharacters += static_cast<char>(first);
    }
    // Each text of a step takes the replacements in turn, as separate walks would give them.
    auto replaceInStep = [&](CStepKav* step) {
        RewriteStepTexts(*step, [&](const std::string& text, std::string& result) {
            if (!firstCharacters.empty() && text.find_first_of(firstCharacters) == std::string::npos)
                return TextRewrite::Unchanged;
            std::string current = text;
            bool changed = false;
            for (const auto& [oldText, newText] : replacements) {
                std::string next;
                if (!ReplaceNoCase(current, next, oldText, newText)) continue;
                current = std::move(next);
                changed = true;
            }
            if (!changed) return TextRewrite::Unchanged;
            result = std::move(current);
            return TextRewrite::Changed;
        });
    };
    for (CWindowKav* window : windows_.Snapshot())
        if (IsInScope(window, scope))
            for (CTransitionKav* transition : window->GetTransitions()) replaceInStep(transition);
    for (CTaskKav* task : tasks_)
        if (IsInScope(task, scope))
            for (CTaskStep* step : task->GetSteps()) replaceInStep(step);
    if (CTaskKav* task = GetClipboardTask())
        for (const auto& [oldText, newText] : replacements) ReplaceTextInTaskTree(task, oldText, newText);
    if (TaskStepClipboardList* steps = GetClipboardTaskSteps())
        for (CTaskStep* step : *steps) replaceInStep(step);
    for (CConditionKav* condition : metaConditions_) {
        if (!IsInScope(condition, scope)) continue;
        for (const auto& [oldText, newText] : replacements) {
            std::string result;
            if (ReplaceNoCase(condition->GetText(), result, oldText, newText)) condition->SetText(result);
        }
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
