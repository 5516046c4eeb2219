#pragma once
// Evaluating conditions, three-valued: the operators yield "TRUE" or "FALSE"; "UNDETERMINED"
// enters only as a constant or a designator's value and fulfils nothing. Numbers are 32-bit
// integers: computed in 64 bits and wrapped to 32, so nothing traps. Each node's value comes
// as a value type code and a text (CConditionTree::Evaluate).
#include <string>
#include <string_view>

#include "conditions/ConditionContext.h"

class CCombination;
class CConditionTree;

// 1 when the condition is "TRUE", 0 for any other truth value, -1 with a message for a null
// tree, a failed evaluation or a value that is no truth value.
int EvaluateToBool(const CConditionContext& context, CConditionTree* tree, const CCombination& combination);

// The value type of the expression text with no values established, 0 with a message when it
// does not parse or evaluate. The text need not be a condition (action arguments, loop counts).
int GetExpressionType(const CConditionContext& context, std::string_view text);

// Parses and evaluates the text on the combination: its value and type, and whether it holds
// no designator. 1, or 0 with a message.
int EvaluateConditionText(const CConditionContext& context, std::string_view text, std::string& value, bool& constant,
                          int& type, const CCombination& combination);
