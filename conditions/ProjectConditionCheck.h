#pragma once
// Checks of conditions as a whole: that every condition of the project parses, before tests
// are generated or converted, and that a condition can be true at all, when an editor accepts
// it.
#include <string_view>

#include "conditions/ConditionContext.h"

// Parses the conditions of every window transition (in the window table's order) and of every
// task step, caching their trees. 1, or 0 at the first that fails, with its parse message
// behind the place it was found (W1129 for a transition, W1130 for a task step).
int CheckAllConditions();

// Searches designator values under which the condition is TRUE, trying 10 candidates per
// choice. 1 when found, or when the search is too complex to finish (then the user is told
// with I0005); 0 with the parser's or evaluator's message, W0133 for a condition that is no
// truth value, or W0134 when no values make it TRUE.
int CheckSatisfiable(const CConditionContext& context, std::string_view text);
