#include "generation/SimulationSupport.h"

#include "conditions/AssignmentCheck.h"
#include "conditions/ConditionContext.h"
#include "conditions/ConditionEvaluator.h"
#include "conditions/DesignatorValues.h"
#include "conditions/EventParser.h"
#include "model/ApplicationKav.h"
#include "model/StepKav.h"
#include "model/WindowKav.h"
#include "model/ShellServices.h"
#include "platform/TextUtil.h"

std::string PathText(const CKavroObj* object) {
    return CurrentApplication ? CurrentApplication->GetObjectPathText(object) : std::string();
}

int ReadDesignator(std::string_view designator, const CCombination& combination, std::string& value) {
    int type = 0;
    return GetVariableValue(InitConditionContext(), designator, combination, value, type) == 1 ? 1 : 0;
}

namespace {

int ReadsTruth(std::string_view designator, const CCombination& combination, std::string_view truth) {
    std::string value;
    if (!ReadDesignator(designator, combination, value)) return -1;
    return EqualsNoCase(value, truth) ? 1 : 0;
}

}  // namespace

int ReadsTrue(std::string_view designator, const CCombination& combination) {
    return ReadsTruth(designator, combination, "TRUE");
}

int ReadsFalse(std::string_view designator, const CCombination& combination) {
    return ReadsTruth(designator, combination, "FALSE");
}

int AssignDesignator(std::string_view designator, const std::string& value, CCombination& combination) {
    return CheckDesignatorAssignment(InitConditionContext(), designator, value, combination, nullptr) == 1 ? 1 : 0;
}

int PreconditionsHold(CStepKav& step, const CCombination& combination) {
    for (CConditionKav* condition : step.GetConditions()) {
        CConditionTree* tree = condition->Parse();
        if (!tree) return -1;
        const int holds = EvaluateToBool(InitConditionContext(), tree, combination);
        if (holds != 1) return holds;
    }
    return 1;
}

int AssignEventValue(const CEventParser& parser, const std::string& event, const CWindowKav& window,
                     CCombination& combination) {
    std::string attribute, value;
    const int sets = parser.GetEventValue(event, &window, attribute, value, combination);
    if (sets != 1) return sets < 0 ? -1 : 1;
    // The window's own value goes by the window's designator alone, as conditions read it.
    const std::string designator = attribute.empty() ? PathText(&window) : PathText(&window) + ":" + attribute;
    return AssignDesignator(designator, value, combination);
}
