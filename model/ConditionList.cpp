#include "model/ConditionList.h"

#include "model/MetaReferences.h"
#include "model/ObjectNames.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

constexpr size_t kMaxMetaConditionIdLength = 30;

}  // namespace

CConditionKav* CConditionList::FindCondition(const std::string& text, bool byUniqueId) const {
    return FindIf([&](const CConditionKav* c) {
        return byUniqueId ? c->GetUniqueId() == text : EqualsNoCase(c->GetId(), text);
    });
}

bool CConditionList::IsIdUnused(const std::string& id) const { return !FindCondition(id, false); }

bool CConditionList::CheckMetaConditionId(const std::string& id) {
    if (id.empty() || Utf16Length(id) > kMaxMetaConditionIdLength) return false;
    return CheckIdentifier(id);
}

void CConditionList::RemoveCondition(const std::string& id) {
    if (CConditionKav* condition = FindCondition(id, false)) Delete(condition);
}

int CConditionList::ResolveMetaIds(std::string& text, std::optional<std::string_view> ownId) const {
    ClearGlobalMessage();
    const ReferenceRules rules{
        [this](const std::string& id) -> std::optional<std::string> {
            if (const CConditionKav* condition = FindCondition(id, false)) return condition->GetText();
            return std::nullopt;
        },
        44056, 44057};
    return ExpandReferences(text, ownId, rules) ? 1 : 0;
}
