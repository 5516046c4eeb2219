#include "conditions/ValueTypes.h"

#include <initializer_list>

#include "conditions/ConditionTree.h"
#include "platform/AutomationDate.h"
#include "platform/TextUtil.h"

namespace {

bool IsOneOf(int type, std::initializer_list<int> types) {
    for (int t : types)
        if (t == type) return true;
    return false;
}

bool InStringFamily(int t) { return IsOneOf(t, {1, 4, 7, 8, 9, 11, 12, 13, 15}); }
bool InNumberFamily(int t) { return IsOneOf(t, {1, 2, 7, 8}); }
bool InDateFamily(int t) { return IsOneOf(t, {1, 14, 7, 8}); }
bool InBoolFamily(int t) { return IsOneOf(t, {1, 3, 10}); }

bool FamilyHoldsBoth(int candidate, int a, int b) {
    switch (candidate) {
        case kTypeDate: return InDateFamily(a) && InDateFamily(b);
        case kTypeNum: return InNumberFamily(a) && InNumberFamily(b);
        case kTypeBool: return InBoolFamily(a) && InBoolFamily(b);
        default: return InStringFamily(a) && InStringFamily(b);
    }
}

// Dates, numbers, truth values, texts: the order in which a value's comparison type is sought.
constexpr int kComparisonCandidates[] = {kTypeDate, kTypeNum, kTypeBool, kTypeString};

bool IsOneWayCompatible(int a, int b) {
    switch (a) {
        case kTypeNum:
        case kTypeDate: return b == kTypeInputValue || b == kTypeComboValue;
        case kTypeBool: return b == kTypeBoolOrUndetermined;
        case kTypeString: return IsOneOf(b, {7, 8, 9, 11, 12, 13, 15});
        case kTypeInputValue: return b == kTypeComboValue;
        default: return false;
    }
}

bool IsTruthText(std::string_view text) {
    return EqualsNoCase(text, "TRUE") || EqualsNoCase(text, "FALSE") || EqualsNoCase(text, "UNDETERMINED");
}

}  // namespace

std::string GetValueTypeName(int type) {
    static const char* const kNames[] = {"Undetermined",
                                         "Num",
                                         "Bool",
                                         "String",
                                         "Designator",
                                         "Window ID",
                                         "String, Num, or Date",
                                         "String, Num, or Date",
                                         "Radio Button Caption",
                                         "Bool or 'Undetermined'",
                                         "Tab Page Caption",
                                         "String",
                                         "String",
                                         "Date",
                                         "String",
                                         "Data Set Name",
                                         "[V]alid/[I]nvalid/[A]ll"};
    if (type < 1 || type > 17) return "Undefined";
    return kNames[type - 1];
}

int AreTypesCompatible(int a, int b) {
    if (a == b || a == kTypeUndetermined || b == kTypeUndetermined) return 1;
    return IsOneWayCompatible(a, b) || IsOneWayCompatible(b, a) ? 1 : 0;
}

bool IsValueOfType(std::string_view value, int type) {
    if (InStringFamily(type)) return true;
    switch (type) {
        case kTypeDate: {
            DateValue date;
            return ParseDate(value, date) == 1;
        }
        case kTypeNum: {
            size_t end = 0;
            ParseLeadingInt(value, &end);
            return end == value.size();
        }
        case kTypeBool:
        case kTypeBoolOrUndetermined: return IsTruthText(value);
        default: return false;
    }
}

int ParseDate(std::string_view text, DateValue& value) {
    value = DateValue{};
    const std::u16string wide = Utf8ToUtf16(text);
    if (wide.size() != 10 || wide[2] != u'.' || wide[5] != u'.') return 0;
    auto field = [&](size_t from, size_t count) { return ParseLeadingInt(Utf16ToUtf8(wide.substr(from, count))); };
    const int day = field(0, 2), month = field(3, 2), year = field(6, 4);
    if (year < 100 || month < 1 || month > 12 || day < 1 || day > 31) return 0;
    const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                                           std::chrono::day{static_cast<unsigned>(day)}};
    if (!date.ok()) return 0;
    value = {date, AutomationDay(date), true};
    return 1;
}

int GetCommonValueType(int a, int b) {
    if (InStringFamily(a) && InStringFamily(b)) return kTypeString;
    if (InNumberFamily(a) && InNumberFamily(b)) return kTypeNum;
    if (InDateFamily(a) && InDateFamily(b)) return kTypeDate;
    if (InBoolFamily(a) && InBoolFamily(b)) return kTypeBool;
    return 0;
}

int GetValueComparisonType(std::string_view value, int a, int b) {
    return GetOperandComparisonType(value, value, a, b);
}

int GetOperandComparisonType(std::string_view valueA, std::string_view valueB, int a, int b) {
    if (valueA.empty() && valueB.empty()) return GetCommonValueType(a, b);
    if (valueA.empty()) valueA = valueB;
    if (valueB.empty()) valueB = valueA;
    for (int candidate : kComparisonCandidates)
        if (IsValueOfType(valueA, candidate) && IsValueOfType(valueB, candidate) && FamilyHoldsBoth(candidate, a, b))
            return candidate;
    return 0;
}

bool IsEmptyConstantComparison(const CConditionTree& node) {
    auto numberOrDate = [](const CConditionTree* n) { return n && (n->GetType() == kTypeNum || n->GetType() == kTypeDate); };
    auto emptyConstant = [](const CConditionTree* n) { return n && n->GetKind() == kNodeConstant && n->GetValue().empty(); };
    const CConditionTree* left = node.GetLeft();
    const CConditionTree* right = node.GetRight();
    return (numberOrDate(left) && emptyConstant(right)) || (numberOrDate(right) && emptyConstant(left));
}

int ParseBool(std::string_view text, int& value) {
    if (EqualsNoCase(text, "TRUE")) value = kTrue;
    else if (EqualsNoCase(text, "FALSE")) value = kFalse;
    else return 0;
    return 1;
}

int ParseTriState(std::string_view text, int& value) {
    if (ParseBool(text, value)) return 1;
    if (EqualsNoCase(text, "UNDETERMINED")) {
        value = kUndetermined;
        return 1;
    }
    if (text == "0") {
        value = kFalse;
        return 1;
    }
    const int number = ParseLeadingInt(text);
    if (number == 0) return 0;
    value = number;
    return 1;
}

std::string TriStateToText(int value) {
    if (value == kTrue) return "TRUE";
    if (value == kFalse) return "FALSE";
    return "UNDETERMINED";
}
