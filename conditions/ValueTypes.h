#pragma once
// Value types of the condition language: every designator, constant and expression has one,
// and every value travels as a pair of type code and text.
#include <chrono>
#include <string>
#include <string_view>

enum ValueType : int {
    kTypeUndetermined = 1,         // not yet known; compatible with every type
    kTypeNum = 2,
    kTypeBool = 3,
    kTypeString = 4,
    kTypeDesignator = 5,
    kTypeWindowId = 6,             // a window name, the value of ActiveWnd
    kTypeInputValue = 7,           // string, number or date: the value of an input field
    kTypeComboValue = 8,           // string, number or date: the value of a combo box
    kTypeRadioButtonCaption = 9,   // the value of a group box
    kTypeBoolOrUndetermined = 10,  // the value of a check box
    kTypeTabPageCaption = 11,      // the value of a tab control
    kTypeListBoxRow = 12,
    kTypeListViewRow = 13,
    kTypeDate = 14,                // "DD.MM.YYYY"
    kTypeTableCell = 15,
    kTypeDataSetName = 16,
    kTypeRecordChoice = 17,        // [V]alid/[I]nvalid/[A]ll
};

// Truth values as numbers; as texts "TRUE", "FALSE", "UNDETERMINED".
enum TriState : int { kFalse = 0, kTrue = 1, kUndetermined = 2 };

// The display name of a type code; "Undefined" for codes outside 1 to 17.
std::string GetValueTypeName(int type);

// 1 when values of the two types may meet in a comparison or an assignment, else 0; symmetric.
int AreTypesCompatible(int a, int b);

// Whether the text is a value of the type. Texts fit the text types; a number is a decimal
// integer with nothing after it (the empty text counts); truth values are the three truth
// texts in any case; dates are what ParseDate accepts; no text fits the other types.
bool IsValueOfType(std::string_view value, int type);

// A date of the condition language, with its day number from 30.12.1899.
struct DateValue {
    std::chrono::year_month_day date{};
    long long day = 0;
    bool valid = false;
};
// "DD.MM.YYYY": exactly 10 characters, "." at positions 2 and 5, a year of at least 100 and a
// day that exists. Returns 1 for a valid date, else 0 (the value then says invalid).
int ParseDate(std::string_view text, DateValue& value);

// The type in which values of the two types are compared: 4 when both are of the string
// family, else 2 (number family), 14 (date family), 3 (truth family); 0 when none holds both.
int GetCommonValueType(int a, int b);
// As GetCommonValueType for an empty value; otherwise the first of 14, 2, 3, 4 that the value
// fits and whose family holds both types; 0 when none.
int GetValueComparisonType(std::string_view value, int a, int b);
// The type in which two operand values are compared: with one value empty, by the other value;
// else the first of 14, 2, 3, 4 that both values fit and whose family holds both types; 0 when
// none.
int GetOperandComparisonType(std::string_view valueA, std::string_view valueB, int a, int b);

class CConditionTree;
// A comparison of a number or date with "": one operand node has type 2 or 14, the other is a
// constant leaf with an empty value.
bool IsEmptyConstantComparison(const CConditionTree& node);

// "TRUE" 1, "FALSE" 0, in any case; returns 1 on success, 0 for any other text.
int ParseBool(std::string_view text, int& value);
// "TRUE" 1, "FALSE" 0, "UNDETERMINED" 2 in any case, "0" 0; any other text is read as a decimal
// number and accepted when that is not 0 ("5x" gives 5). Returns 1 on success, else 0.
int ParseTriState(std::string_view text, int& value);
// 1 "TRUE", 0 "FALSE", anything else "UNDETERMINED".
std::string TriStateToText(int value);
