#pragma once
// Whether a generated test can give a designator a value, and with which predefined action:
// an accepted assignment becomes a variable of the combination ("SetInputField",
// "SetCheckBox", "SetAttribute", "OpenWindow" ...).
#include <string>
#include <string_view>

#include "conditions/ConditionContext.h"

class CCombination;

// Checks the value against what the designator names and records it under the designator as
// passed, with the source given (see RecordDesignatorVariable: a search's non-null source
// never overwrites). "<window>:$Exist" = TRUE also records the window's method-0 descendants
// when the source is null; = FALSE removes the variables of the window and its descendants. A
// tab control's value makes its chosen page's window visible and the other pages' windows not.
// 1 accepted (also for objects that take no value, such as requirements); 0 refused with a
// message; -1 for an effect condition without its data set.
int CheckDesignatorAssignment(const CConditionContext& context, std::string_view designator, const std::string& value,
                              CCombination& combination, const void* source);
