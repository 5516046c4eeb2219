#pragma once
// The library's condition language: integers, variables in hash marks, + - * /, comparisons,
// AND OR XOR NOT and brackets. Chains of one operator group to the right (a - b - c is
// a - (b - c)), as in the main program's condition language, so one text means one thing in both.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "combgen/ConditionTree.h"

inline constexpr std::size_t kMaxConditionLength = 4096;
inline constexpr std::size_t kMaxConditionNodes = 99;

// Replaces each %Name by the condition text of the effect Name, without brackets.
bool ExpandEffectReferences(std::string_view text, std::string& expanded);

// A checked tree with constant subtrees folded, or null with the message.
std::unique_ptr<CConditionTree> ParseCondition(std::string_view text);
