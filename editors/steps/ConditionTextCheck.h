#pragma once
// The check that the condition editor and the meta-condition administration run on a condition
// text before they accept it.
#include <optional>
#include <string>
#include <string_view>

class CConditionList;

enum class ConditionTextFault {
    kNone,
    kMetaIds,        // a meta-condition reference that names none, or recurs
    kConcatenation,  // "&" outside a string constant
    kCondition,      // does not parse or can never be true: the message is in the global buffer
};

// Resolves the text's meta-condition references against the list (ownId: the meta-condition
// the text defines), then checks the resolved text.
ConditionTextFault CheckConditionText(const CConditionList& metaConditions, const std::string& text,
                                      std::optional<std::string_view> ownId);

// The value of a string parameter or attribute as the condition language reads it: a value
// without designator that does not begin with a quote is a plain word and stands for a string
// constant, so it gets quotes; any other value stays as typed.
std::string ValueAsExpression(const std::string& value, int type);

// An "&" outside string constants; a backslash keeps the character after it from opening or
// closing a string.
bool HasConcatenationOutsideStrings(std::string_view text);
