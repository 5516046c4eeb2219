#include "model/Combination.h"

#include <vector>

#include "conditions/Designator.h"
#include "platform/TextUtil.h"

CVariable* CCombination::FindVariable(const std::string& name) const {
    return variables_.FindIf([&](const CVariable* v) { return EqualsNoCase(v->GetName(), name); });
}

int CCombination::AddVariable(CVariable* variable) {
    variables_.Add(variable);
    return 1;
}

int CCombination::RemoveVariable(const std::string& name) {
    return variables_.Delete(FindVariable(name)) ? 1 : 0;
}

int CCombination::RemoveVariablesOfWindow(const std::string& windowPath) {
    std::vector<const CVariable*> ofWindow;
    for (const CVariable* variable : variables_) {
        DesignatorParts parts;
        if (!SplitDesignator(variable->GetName(), parts)) return 0;
        const std::string window = parts.library.empty() ? parts.window : "^" + parts.library + ":" + parts.window;
        if (EqualsNoCase(window, windowPath)) ofWindow.push_back(variable);
    }
    for (const CVariable* variable : ofWindow) variables_.Delete(variable);
    return 1;
}

bool CCombination::RemoveAll() {
    variables_.DeleteAll();
    return true;
}

void CCombination::CopyTo(CCombination& target) const {
    if (&target == this) return;
    target.RemoveAll();
    for (const CVariable* v : variables_)
        target.AddVariable(new CVariable(v->GetName(), v->GetType(), v->GetValues(), v->GetActionName(), v->GetSource()));
}
