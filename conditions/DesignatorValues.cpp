#include "conditions/DesignatorValues.h"

#include "conditions/DesignatorLookup.h"
#include "conditions/ValueTypes.h"
#include "model/Combination.h"
#include "model/WindowKav.h"

int GetDesignatorValue(const CConditionContext& context, std::string_view designator, std::string& value, int& type) {
    DesignatorInfo info;
    const int result = DescribeDesignator(context, designator, DesignatorUse::kValue, info);
    if (result == 1) {
        value = std::move(info.value);
        type = info.type;
    }
    return result;
}

int GetVariableValue(const CConditionContext& context, std::string_view designator, const CCombination& combination,
                     std::string& value, int& type) {
    if (const CVariable* variable = combination.FindVariable(std::string(DesignatorBody(designator)))) {
        value = variable->GetValuesOneLine();
        type = variable->GetType();
        return 1;
    }
    return GetDesignatorValue(context, designator, value, type) == 1 ? 1 : 0;
}

int ExpandDesignators(const CConditionContext& context, std::string_view text, const CCombination& combination,
                      std::string& expanded) {
    expanded.clear();
    size_t copyFrom = 0;
    for (size_t open = text.find('#'); open != std::string_view::npos;) {
        const size_t close = text.find('#', open + 1);
        if (close == std::string_view::npos) break;
        std::string value;
        int type = 0;
        if (GetVariableValue(context, text.substr(open + 1, close - open - 1), combination, value, type)) {
            expanded.append(text.substr(copyFrom, open - copyFrom)).append(value);
            copyFrom = close + 1;
            open = text.find('#', copyFrom);
        } else {
            open = close;
        }
    }
    expanded.append(text.substr(copyFrom));
    return 1;
}

int RecordDesignatorVariable(const std::string& designator, int type, const std::string& value,
                             CCombination& combination, const std::string& action, const void* source) {
    if (CVariable* variable = combination.FindVariable(designator)) {
        if (!source) variable->SetValues(value);
        return 1;
    }
    return combination.AddVariable(new CVariable(designator, type, value, action, source));
}

int RecordWindowExists(const CWindowKav& window, CCombination& combination, const void* source) {
    int result = RecordDesignatorVariable(WindowPathText(window) + ":$Exist", kTypeBool, "TRUE", combination,
                                          "OpenWindow", source);
    if (result != 1 || source) return result;
    for (const CWindowKav* child : window.GetChildren())
        if (child->GetMethod() == 0 && (result = RecordWindowExists(*child, combination, nullptr)) != 1) return result;
    return 1;
}

int RemoveWindowVariables(const CWindowKav& window, CCombination& combination) {
    int result = combination.RemoveVariablesOfWindow(WindowPathText(window));
    if (result != 1) return result;
    for (const CWindowKav* child : window.GetChildren())
        if ((result = RemoveWindowVariables(*child, combination)) != 1) return result;
    return 1;
}
