#include "tests/support/FlowBuilder.h"

CTaskStep* MakeStep(const std::string& name) {
    return new CTaskStep(name, "", "", "", "", "", nullptr, nullptr, 0, nullptr, 2, "", 0);
}

CTaskStep* AddStep(CTaskKav& task, const std::string& name) {
    CTaskStep* step = task.GetSteps().Add(MakeStep(name));
    if (!task.GetStartStep()) task.SetStartStep(step);
    return step;
}

CTaskStep* AddStepAfter(CTaskKav& task, const std::string& name, const std::vector<CTaskStep*>& predecessors) {
    CTaskStep* step = AddStep(task, name);
    for (CTaskStep* predecessor : predecessors) task.ConnectSteps(predecessor, step);
    return step;
}

namespace {

std::vector<std::string> Names(const std::vector<CTaskStep*>& steps) {
    std::vector<std::string> names;
    for (const CTaskStep* step : steps) names.push_back(step->GetName());
    return names;
}

}  // namespace

std::vector<std::string> SuccessorNames(const CTaskStep& step) { return Names(step.GetSuccessors()); }

std::vector<std::string> PredecessorNames(const CTaskStep& step) { return Names(step.GetPredecessors()); }

void AddEffects(CDataSet& dataSet, const std::vector<std::pair<std::string, std::string>>& causes) {
    for (const auto& [name, cause] : causes) {
        CDataEffect* effect = dataSet.GetEffects().Add(new CDataEffect(name, &dataSet));
        effect->SetCondition(new CConditionKav(name, cause));
    }
}
