#include "combgen/BoundaryValues.h"
#include "combgen/ConditionParser.h"
#include "combgen/Configuration.h"
#include "combgen/EffectCombinations.h"
#include "combgen/Mirvane.h"
#include "combgen/Normalizer.h"

namespace {

int ResultOf(bool success) { return success ? 1 : -1; }

// Moves the effect names and the solutions of each combination into a new record.
void EffCombList2ResultQZList(CombinationList& combinations, QZResultList& results) {
    for (auto& combination : combinations) {
        auto record = std::make_unique<CResultQZ>(combination->valid);
        for (const CEffect* effect : combination->effects) record->EffectNames().push_back(effect->name);
        combination->effects.clear();
        record->Solutions() = std::move(combination->solutions);
        combination->solutions.clear();
        results.push_back(std::move(record));
    }
}

bool AppendCombinations(CombinationMode mode, QZResultList& results) {
    CombinationList combinations;
    if (!SelectCombinations(mode, combinations)) return false;
    EffCombList2ResultQZList(combinations, results);
    return true;
}

}  // namespace

CResultQZ::CResultQZ(int valid) : valid_(valid) {}

CResultQZ::~CResultQZ() = default;

CExportQZ& CExportQZ::operator=(const CExportQZ&) { return *this; }

int CExportQZ::AddVariable(const std::string& name, int lowerBorder, int upperBorder) {
    if (FindVariable(name)) return ResultOf(Fail("Variable %s already existing!", name));
    if (upperBorder < lowerBorder) return ResultOf(Fail("Lower border must not be larger than upper border!"));
    GetConfiguration().variables.push_back(std::make_unique<CVariable>(CVariable{name, lowerBorder, upperBorder}));
    return 1;
}

int CExportQZ::AddEffectVariable(const std::string& name, const std::string& value) {
    if (FindEffectVariable(name)) return ResultOf(Fail("Effect variable %s already existing!", name));
    GetConfiguration().effectVariables.push_back(std::make_unique<CEffectVariable>(CEffectVariable{name, value}));
    return 1;
}

int CExportQZ::AddEffect(const std::string& name, int valid, const std::string& condition,
                         const std::string& effectVariableName, const std::string& effectVariableValue) {
    if (FindEffect(name)) return ResultOf(Fail("Effect %s already existing!", name));
    if (!effectVariableName.empty() && !FindEffectVariable(effectVariableName)) {
        return ResultOf(Fail("Effect variable %s is not existing!", effectVariableName));
    }
    ClearLibraryMessage();
    auto effect = std::make_unique<CEffect>();
    if (!ExpandEffectReferences(condition, effect->conditionText)) return -1;
    effect->tree = ParseCondition(effect->conditionText);
    if (!effect->tree || !NormalizeCondition(effect->tree)) return -1;
    CollectVariableNames(effect->tree.get(), effect->variableNames);
    effect->name = name;
    effect->valid = valid;
    if (!effectVariableName.empty()) {
        effect->effectVariable = std::make_unique<CEffectVariable>(CEffectVariable{effectVariableName, effectVariableValue});
    }
    SetLibraryMessage(ConditionToString(effect->tree.get()));
    GetConfiguration().effects.push_back(std::move(effect));
    return 1;
}

void CExportQZ::ClearConfiguration() {
    MirvaneConfiguration& configuration = GetConfiguration();
    configuration.variables.clear();
    configuration.effectVariables.clear();
    configuration.effects.clear();
}

int CExportQZ::GenerateBoundaryValues(const std::string& effectName, QZSolutionList* mapList) {
    const CEffect* effect = FindEffect(effectName);
    if (!effect) return ResultOf(Fail("Effect %s not existing!", effectName));
    if (!effect->tree) return ResultOf(Fail("No constraints defined for effect %s!", effect->name));
    if (!mapList) return ResultOf(Fail("Parameter 'mapList' must be a valid pointer to 'CMapStringToPtr'!"));
    return ResultOf(SolveConditionTree(effect->tree.get(), mapList));
}

int CExportQZ::GenerateEffectCombinations(int valid, int invalid, QZResultList* resultList) {
    if (!resultList) return ResultOf(Fail("Parameter 'resultList' must be a valid pointer!"));
    resultList->clear();
    if (!valid && !invalid) {
        return ResultOf(Fail("Please specify if you wish valid or/and invalid effect combinations!"));
    }
    if (valid && !AppendCombinations(CombinationMode::Valid, *resultList)) return -1;
    if (invalid && !AppendCombinations(CombinationMode::Invalid, *resultList)) return -1;
    return 1;
}

std::string CExportQZ::GetErrorMessage() { return GetLibraryMessage(); }
