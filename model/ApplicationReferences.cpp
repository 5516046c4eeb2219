// Text replacement in the steps of the model: how references by name follow a rename.
#include "model/ApplicationKav.h"
#include "model/StepTexts.h"
#include "platform/TextUtil.h"

bool CApplicationKav::ReplaceTextInStep(CStepKav* step, const std::string& oldText, const std::string& newText) {
    if (!step) return false;
    RewriteStepTexts(*step, [&](const std::string& text, std::string& result) {
        return ReplaceNoCase(text, result, oldText, newText) ? TextRewrite::Changed : TextRewrite::Unchanged;
    });
    return true;
}

bool CApplicationKav::ReplaceTextInTaskTree(CTaskKav* task, const std::string& oldText, const std::string& newText) {
    for (CTaskStep* step : task->GetSteps()) ReplaceTextInStep(step, oldText, newText);
    for (CTaskKav* child : task->GetChildren()) ReplaceTextInTaskTree(child, oldText, newText);
    return true;
}
