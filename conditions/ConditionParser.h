#pragma once
// Parsing condition texts into trees. The language: OR, XOR, AND (loosest first), then the
// comparisons = != < > <= >= (each its own level, = loosest), + and - (separate levels), * and
// /, NOT and unary minus, and "&" (string concatenation) binding tightest; brackets; integers,
// dates dd.mm.yyyy, "strings" with backslash escapes, TRUE, FALSE, UNDETERMINED, #designators#.
// A chain of one operator groups to the right (10 - 3 - 2 is 9): stored conditions rely on it.
// Key words may be written in any case and need no blanks around them.
#include <memory>
#include <string_view>

#include "conditions/ConditionContext.h"
#include "conditions/ConditionTree.h"

inline constexpr int kMaxConditionLength = 4096;  // characters, counted in UTF-16 units

// The tree of the text, owned by the caller; null with a message. Operand types are checked,
// designators are checked with the context, and constant subtrees are evaluated once (their
// nodes keep the value), so 1/0 is refused here.
std::unique_ptr<CConditionTree> ParseCondition(const CConditionContext& context, std::string_view text);
