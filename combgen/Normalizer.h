#pragma once
// Rewrites a parsed condition into a disjunction of conjunctions of linear comparisons, each an
// equation or a less-or-equal with its linear form, which the solver takes row by row.
#include <cstddef>
#include <memory>

#include "combgen/ConditionTree.h"

// The normal form can grow exponentially in the ORs under ANDs; beyond this many nodes the
// condition is refused rather than exhausting memory and time.
inline constexpr std::size_t kMaxNormalizedNodes = 100000;

// False with the message; the tree may then be partly rewritten and is for deleting.
bool NormalizeCondition(std::unique_ptr<CConditionTree>& root);
