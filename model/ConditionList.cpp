#include "model/ConditionList.h"

#include "platform/TextUtil.h"

CConditionKav* CConditionList::FindCondition(const std::string& text, bool byUniqueId) const {
    return FindIf([&](const CConditionKav* c) {
        return byUniqueId ? c->GetUniqueId() == text : EqualsNoCase(c->GetId(), text);
    });
}
