#include "editors/steps/ConditionTextCheck.h"

#include "conditions/ConditionContext.h"
#include "conditions/ProjectConditionCheck.h"
#include "conditions/ValueTypes.h"
#include "model/ConditionList.h"

ConditionTextFault CheckConditionText(const CConditionList& metaConditions, const std::string& text,
                                      std::optional<std::string_view> ownId) {
    std::string resolved = text;
    if (!metaConditions.ResolveMetaIds(resolved, ownId)) return ConditionTextFault::kMetaIds;
    if (HasConcatenationOutsideStrings(resolved)) return ConditionTextFault::kConcatenation;
    if (!CheckSatisfiable(ResetConditionMessage(), resolved)) return ConditionTextFault::kCondition;
    return ConditionTextFault::kNone;
}

bool HasConcatenationOutsideStrings(std::string_view text) {
    bool inString = false;
    for (size_t i = 0; i < text.size(); ++i) {
        switch (text[i]) {
            case '\\': ++i; break;
            case '"': inString = !inString; break;
            case '&':
                if (!inString) return true;
                break;
            default: break;
        }
    }
    return false;
}

std::string ValueAsExpression(const std::string& value, int type) {
    const bool plainWord = type == kTypeString && value.find('#') == std::string::npos &&
                           (value.empty() || value.front() != '"');
    return plainWord ? "\"" + value + "\"" : value;
}
