#pragma once
// The value of a designator: the one a test has established in its combination, else the
// current one of the model (before any step has acted). Values travel as a text and a value
// type code.
#include <string>
#include <string_view>

#include "conditions/ConditionContext.h"

class CCombination;
class CWindowKav;

// The model's current value. 1 found; 0 refused with a message (or silently where a list box
// without selection has no "$Selection"); -1 for an effect condition without its data set.
int GetDesignatorValue(const CConditionContext& context, std::string_view designator, std::string& value, int& type);

// The combination's variable of that name (without case), its values on one line; else the
// model's current value. 1, or 0 with the message the model lookup left.
int GetVariableValue(const CConditionContext& context, std::string_view designator, const CCombination& combination,
                     std::string& value, int& type);

// The text with each "#designator#" whose value can be read replaced by it; a "#...#" that
// names nothing stays as written, and its closing "#" may open the next designator. Always 1;
// the message of the last failed designator stays in the buffer.
int ExpandDesignators(const CConditionContext& context, std::string_view text, const CCombination& combination,
                      std::string& expanded);

// Appends a variable, or gives an existing one of that name (without case) the new value when
// source is null; a variable set by a search (non-null source) keeps its value. Returns 1.
int RecordDesignatorVariable(const std::string& designator, int type, const std::string& value,
                             CCombination& combination, const std::string& action, const void* source);

// Records "<window path>:$Exist" as TRUE with action "OpenWindow"; with a null source the same
// for every child of method 0, recursively. 1, or the first failing result.
int RecordWindowExists(const CWindowKav& window, CCombination& combination, const void* source);

// Removes every variable of the window and of its descendants. 1, or the first failing result.
int RemoveWindowVariables(const CWindowKav& window, CCombination& combination);
