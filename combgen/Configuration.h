#pragma once
// The one configuration of the process: variables, effect variables, effects and the message
// that the last operation left. Names are unique per list, compared ignoring case.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "combgen/ConditionTree.h"

struct CVariable {
    std::string name;
    int lowerBorder = 0;
    int upperBorder = 0;
};

struct CEffectVariable {
    std::string name;
    std::string value;  // kept for the caller, never interpreted
};

struct CEffect {
    std::string name;
    int valid = 0;
    // As given, with references to other effects expanded; combinations join these texts.
    std::string conditionText;
    std::unique_ptr<CConditionTree> tree;  // normalised
    std::vector<std::string> variableNames;  // of the tree, each once
    std::unique_ptr<CEffectVariable> effectVariable;
    int coverageCount = 0;  // kept combinations holding this effect during one generation
};

struct MirvaneConfiguration {
    // The order of the variables is the column order of every linear program.
    std::vector<std::unique_ptr<CVariable>> variables;
    std::vector<std::unique_ptr<CEffectVariable>> effectVariables;
    std::vector<std::unique_ptr<CEffect>> effects;
};

MirvaneConfiguration& GetConfiguration();
CVariable* FindVariable(std::string_view name);
CEffectVariable* FindEffectVariable(std::string_view name);
CEffect* FindEffect(std::string_view name);

// The message buffer holds 10000 wide characters, terminator included: longer texts are cut.
inline constexpr std::size_t kMessageCapacity = 9999;
const std::string& GetLibraryMessage();
void SetLibraryMessage(std::string_view text);
void ClearLibraryMessage();
// Set the message and return false, for the many checks that fail with a fixed text.
bool Fail(std::string_view text);
bool Fail(std::string_view pattern, std::string_view argument);
