#include "combgen/EffectCombinations.h"

#include <algorithm>

#include "combgen/ConjunctionOfTerms.h"
#include "combgen/LibraryText.h"

namespace {

// The effects of one effect variable; the first list holds the effects without one.
struct CEffectList {
    const CEffectVariable* effectVariable = nullptr;
    std::vector<CEffect*> effects;
};

bool IsOfMode(const CEffect& effect, CombinationMode mode) {
    return (effect.valid != 0) == (mode == CombinationMode::Valid);
}

bool BuildEffectLists(CombinationMode mode, std::vector<CEffectList>& lists) {
    const MirvaneConfiguration& configuration = GetConfiguration();
    lists.assign(1, CEffectList{});
    for (const auto& effectVariable : configuration.effectVariables) lists.push_back({effectVariable.get(), {}});
    for (const auto& effect : configuration.effects) {
        effect->coverageCount = 0;
        if (!effect->effectVariable) {
            if (effect->valid) return Fail("Valid effect '%s' does not have a variable!", effect->name);
            lists.front().effects.push_back(effect.get());
            continue;
        }
        if (!effect->valid) return Fail("Invalid effect '%s' does have a variable!", effect->name);
        auto list = std::find_if(lists.begin() + 1, lists.end(), [&](const CEffectList& candidate) {
            return EqualsIgnoringCase(candidate.effectVariable->name, effect->effectVariable->name);
        });
        if (list == lists.end()) return Fail("Effect with invalid variable encountered!");
        list->effects.push_back(effect.get());
    }
    if (mode == CombinationMode::Invalid && lists.front().effects.empty()) {
        return Fail("It is impossible to generate invalid combinations because no invalid effects are defined!");
    }
    return true;
}

bool SharesVariable(const CEffect& effect, const std::vector<std::string>& names) {
    const auto& own = effect.variableNames;
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& name) { return std::find(own.begin(), own.end(), name) != own.end(); });
}

// The invalid effect comes first. A valid effect goes when it or any valid effect before it
// shares a variable with the invalid effect: once one conflicts, every later one goes as well.
void RemoveConflictingEffects(CEffectCombination& combination) {
    const CEffect* invalid = nullptr;
    bool conflictSeen = false;
    std::vector<CEffect*> kept;
    for (CEffect* effect : combination.effects) {
        if (!effect->valid) {
            invalid = effect;
        } else {
            conflictSeen = conflictSeen || (invalid && SharesVariable(*effect, invalid->variableNames));
        }
        if (!effect->valid || !conflictSeen) kept.push_back(effect);
    }
    combination.effects = std::move(kept);
}

// The next choice of one effect per list, the last list fastest; false after the last choice.
bool Advance(std::vector<std::size_t>& cursors, const std::vector<const CEffectList*>& lists) {
    for (std::size_t i = cursors.size(); i-- > 0;) {
        if (++cursors[i] < lists[i]->effects.size()) return true;
        cursors[i] = 0;
    }
    return false;
}

bool SolveCombination(CEffectCombination& combination) {
    ClearLibraryMessage();
    return SolveConjunctionOfTerms(CombinedCondition(combination), combination.solutions);
}

int UncoveredEffects(const CEffectCombination& combination, CombinationMode mode) {
    return static_cast<int>(std::count_if(combination.effects.begin(), combination.effects.end(),
                                          [mode](const CEffect* e) { return e->coverageCount == 0 && IsOfMode(*e, mode); }));
}

}  // namespace

bool BuildCandidates(CombinationMode mode, CombinationList& candidates) {
    candidates.clear();
    std::vector<CEffectList> lists;
    if (!BuildEffectLists(mode, lists)) return false;
    // In valid mode the list of invalid effects takes no part; empty lists never do.
    std::vector<const CEffectList*> used;
    for (std::size_t i = mode == CombinationMode::Valid ? 1 : 0; i < lists.size(); ++i) {
        if (!lists[i].effects.empty()) used.push_back(&lists[i]);
    }
    if (used.empty()) return true;
    std::vector<std::size_t> cursors(used.size(), 0);
    do {
        auto combination = std::make_unique<CEffectCombination>();
        combination->valid = mode == CombinationMode::Valid ? 1 : 0;
        for (std::size_t i = 0; i < used.size(); ++i) combination->effects.push_back(used[i]->effects[cursors[i]]);
        if (mode == CombinationMode::Invalid) RemoveConflictingEffects(*combination);
        candidates.push_back(std::move(combination));
    } while (Advance(cursors, used));
    return true;
}

std::string CombinedCondition(const CEffectCombination& combination) {
    // Each text in brackets: "x = 1 OR x = 2" joined unbracketed with "y = 3" would read as
    // x = 1 OR (x = 2 AND y = 3).
    std::string text = "(";
    for (std::size_t i = 0; i < combination.effects.size(); ++i) {
        if (i > 0) text += " AND ";
        text += "(" + combination.effects[i]->conditionText + ")";
    }
    text += ")";
    const auto& effects = combination.effects;
    for (const auto& effect : GetConfiguration().effects) {
        if (effect->valid || std::find(effects.begin(), effects.end(), effect.get()) != effects.end()) continue;
        text += " AND NOT(" + effect->conditionText + ")";
    }
    return text;
}

void RemoveDuplicateSolutions(QZSolutionList& solutions) {
    auto repeatedElsewhere = [&](std::size_t index, const std::pair<const std::string, int>& entry) {
        for (std::size_t j = 0; j < solutions.size(); ++j) {
            if (j == index) continue;
            auto found = solutions[j].find(entry.first);
            if (found != solutions[j].end() && found->second == entry.second) return true;
        }
        return false;
    };
    for (std::size_t i = 0; i < solutions.size();) {
        const QZSolutionMap& solution = solutions[i];
        const bool redundant = std::all_of(solution.begin(), solution.end(),
                                           [&](const auto& entry) { return repeatedElsewhere(i, entry); });
        if (redundant) {
            solutions.erase(solutions.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
}

bool SelectCombinations(CombinationMode mode, CombinationList& kept) {
    kept.clear();
    CombinationList candidates;
    if (!BuildCandidates(mode, candidates)) return false;
    while (true) {
        auto best = candidates.end();
        int bestCount = 0;
        for (auto it = candidates.begin(); it != candidates.end(); ++it) {
            const int count = UncoveredEffects(**it, mode);
            if (count > bestCount) {
                best = it;
                bestCount = count;
            }
        }
        if (best == candidates.end()) return true;
        CEffectCombination& chosen = **best;
        if (!SolveCombination(chosen)) {
            kept.clear();
            return false;
        }
        if (!chosen.solutions.empty()) {
            RemoveDuplicateSolutions(chosen.solutions);
            for (CEffect* effect : chosen.effects) {
                if (IsOfMode(*effect, mode)) ++effect->coverageCount;
            }
            kept.push_back(std::move(*best));
        }
        candidates.erase(best);
    }
}
