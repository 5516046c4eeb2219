#pragma once
// Effect combinations: one effect per effect variable (valid mode), or one invalid effect with
// the valid effects that do not share its variables (invalid mode), chosen greedily until every
// effect of the mode is covered by a combination that has a solution.
#include <memory>
#include <string>
#include <vector>

#include "combgen/Configuration.h"
#include "combgen/Mirvane.h"

enum class CombinationMode { Valid = 1, Invalid = 2 };

struct CEffectCombination {
    std::vector<CEffect*> effects;  // not owned
    QZSolutionList solutions;
    int valid = 0;
};

using CombinationList = std::vector<std::unique_ptr<CEffectCombination>>;

// Replaces the list by the kept combinations; false with the message.
bool SelectCombinations(CombinationMode mode, CombinationList& kept);

// Every candidate, in enumeration order: the last effect variable changes fastest.
bool BuildCandidates(CombinationMode mode, CombinationList& candidates);

// The effects' texts, each in brackets, joined by AND, and NOT of every other invalid effect.
std::string CombinedCondition(const CEffectCombination& combination);

// Drops every map whose each value some other map of the list repeats, and empty maps.
void RemoveDuplicateSolutions(QZSolutionList& solutions);
