#pragma once
// The tokens of a condition text: one node per token in text order, with the bracket depth at
// which it stands. ")" makes no token; it only lowers the depth.
#include <memory>
#include <string_view>
#include <vector>

#include "conditions/ConditionContext.h"
#include "conditions/ConditionTree.h"

inline constexpr int kMaxConditionTokens = 99;

struct ConditionTokens {
    // Each node is owned here until the parser links it into the tree.
    std::vector<std::unique_ptr<CConditionTree>> nodes;
    std::vector<int> kinds;
    std::vector<int> depths;

    int Count() const { return static_cast<int>(kinds.size()); }
};

// 1, or 0 with a message; designators are checked with the context as they are read.
int TokenizeCondition(const CConditionContext& context, std::string_view text, ConditionTokens& tokens);
