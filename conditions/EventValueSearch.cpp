// Whether an event can give its window a wanted value, and the variable values under which it
// does: the satisfying-value search run on the event's value argument.
#include <memory>

#include "conditions/ConditionContext.h"
#include "conditions/ConditionParser.h"
#include "conditions/ConditionTree.h"
#include "conditions/EventParser.h"
#include "conditions/EventRules.h"
#include "model/Combination.h"

int CEventParser::ExpressionCanTakeValue(std::string_view expression, const std::string& value,
                                         CCombination& combination) {
    const std::unique_ptr<CConditionTree> tree = ParseCondition(ResetConditionMessage(), expression);
    if (!tree) return -1;
    int steps = 0;
    return tree->FindSatisfyingValues(value, false, combination, InitConditionContext(), steps);
}

int CEventParser::EventSetsValue(std::string_view event, const CWindowKav* window, const std::string& attribute,
                                 const std::string& value, CCombination& combination) const {
    combination.RemoveAll();
    EventParts parts;
    if (!SplitEventString(event, parts)) return -1;
    if (!window) return 0;
    const std::string& name = parts.name;
    const std::string& first = parts.Argument(1);
    switch (window->GetType()) {
        case kWndCheckBox:
            if (name == "check") return ExpressionCanTakeValue(first, value, combination);
            break;
        case kWndComboBox:
            if (name == "select") return ExpressionCanTakeValue(first, value, combination);
            [[fallthrough]];
        case kWndInputField:
            if (name != "input") break;
            // an Input without a text sets any value
            return parts.count == 0 ? 1 : ExpressionCanTakeValue(first, value, combination);
        case kWndGroupBox:
        case kWndTabControl:
            if (name == "select") return EqualsNoCase(UnquotedArgument(first), value) ? 1 : 0;
            break;
        case kWndTable:
            if (name != "input" || !EqualsNoCase(attribute, TableCellAttribute(parts))) break;
            return parts.count == 2 ? 1 : ExpressionCanTakeValue(parts.Argument(3), value, combination);
        default: break;
    }
    return 0;
}
