// Events in test generation: arguments replaced by their current values, and the value that an
// event gives its window.
#include "conditions/ConditionContext.h"
#include "conditions/ConditionEvaluator.h"
#include "conditions/EventParser.h"
#include "conditions/EventRules.h"
#include "conditions/ValueTypes.h"
#include "platform/MessageBuffer.h"

namespace {

constexpr int kMissingWindow = 41126;

// A string value as a quoted text of the condition language.
std::string QuotedText(const std::string& value) {
    std::string text = "\"";
    for (const char c : value) {
        if (c == '\\' || c == '"') text += '\\';
        text += c;
    }
    return text + "\"";
}

// The value written as a constant of the first type it is compatible with; empty values of
// numbers, truth values and dates become their defaults.
std::string ValueAsConstant(int type, const std::string& value) {
    const auto orDefault = [&](const char* fallback) { return value.empty() ? std::string(fallback) : value; };
    if (AreTypesCompatible(type, kTypeString)) return QuotedText(value);
    if (AreTypesCompatible(type, kTypeNum)) return orDefault("0");
    if (AreTypesCompatible(type, kTypeBool)) return orDefault("FALSE");
    if (AreTypesCompatible(type, kTypeDate)) return orDefault("01.01.1900");
    return {};
}

// 1 with the argument's value on the combination, -1 with a message when it does not evaluate.
int EvaluateArgument(const std::string& argument, const CCombination& combination, std::string& value) {
    bool constant = true;
    int type = 0;
    return EvaluateConditionText(InitConditionContext(), argument, value, constant, type, combination) ? 1 : -1;
}

}  // namespace

int CEventParser::EvaluateArguments(std::string_view event, const CWindowKav* window, const CCombination& combination,
                                    std::string& out, bool& constant) const {
    out.clear();
    constant = true;
    if (!window) {
        SetMessage(kMissingWindow);
        return 0;
    }
    EventParts parts;
    if (!SplitEventString(event, parts)) return 0;
    if (parts.name == "type") {  // key sequences are no expressions
        out = event;
        return 1;
    }
    out = parts.name;
    if (parts.count == 0) return 1;
    out += '(';
    for (int position = 1; position <= parts.count; ++position) {
        if (position > 1) out += ", ";
        const std::string& argument = parts.Argument(position);
        std::string value;
        bool argumentConstant = true;
        int type = 0;
        const int evaluated =
            EvaluateConditionText(InitConditionContext(), argument, value, argumentConstant, type, combination);
        if (!argumentConstant) constant = false;
        out += evaluated ? ValueAsConstant(type, value) : argument;
    }
    out += ')';
    return 1;
}

int CEventParser::GetEventValue(std::string_view event, const CWindowKav* window, std::string& attribute,
                                std::string& value, const CCombination& combination) const {
    attribute.clear();
    value.clear();
    EventParts parts;
    if (!SplitEventString(event, parts)) return -1;
    if (!window) return 0;
    const std::string& name = parts.name;
    const std::string& first = parts.Argument(1);
    switch (window->GetType()) {
        case kWndCheckBox:
            if (name == "check") return EvaluateArgument(first, combination, value);
            break;
        case kWndGroupBox:
        case kWndTabControl:
            if (name == "select") return EvaluateArgument(first, combination, value);
            break;
        case kWndComboBox:
            if (name == "select" && !first.empty() && first.front() == '"')
                return EvaluateArgument(first, combination, value);
            [[fallthrough]];
        case kWndInputField:
            if (name != "input") break;
            if (parts.count > 0) return EvaluateArgument(first, combination, value);
            value = "x";  // an Input without a text sets some value
            return 1;
        case kWndTable:
            if (name != "input") break;
            attribute = TableCellAttribute(parts);
            if (parts.count > 2) return EvaluateArgument(parts.Argument(3), combination, value);
            value = "Text";
            return 1;
        default: break;
    }
    return 0;
}
