#include "model/Combination.h"

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
