#include "tests/generation/TaskFlows.h"

CTaskStep* TaskFlowTest::Step(CTaskKav& task, const std::string& name, const std::vector<CTaskStep*>& predecessors) {
    CTaskStep* step = Blank(task, name, predecessors);
    step->SetDescription("Do " + name);
    return step;
}

CTaskStep* TaskFlowTest::Blank(CTaskKav& task, const std::string& name, const std::vector<CTaskStep*>& predecessors) {
    return AddStepAfter(task, name, predecessors);
}

CTaskStep* TaskFlowTest::Call(CTaskKav& task, const std::string& name, CTaskKav* subTask,
                              const std::vector<CTaskStep*>& predecessors) {
    CTaskStep* step = AddStepAfter(task, name, predecessors);
    step->SetSubTask(subTask);
    return step;
}

std::vector<CTaskNode*> TaskFlowTest::NodesOf(const std::string& stepName) const {
    std::vector<CTaskNode*> nodes;
    for (CTaskNode* node : graph.GetNodes())
        if (node->step->GetName() == stepName) nodes.push_back(node);
    return nodes;
}

std::vector<std::string> TaskFlowTest::StepNames(const std::vector<CTaskNode*>& nodes) {
    std::vector<std::string> names;
    for (const CTaskNode* node : nodes) names.push_back(node->step->GetName());
    return names;
}

std::vector<CTaskNode*> TaskFlowTest::PathOf(const std::vector<std::string>& stepNames) const {
    std::vector<CTaskNode*> path;
    for (const std::string& name : stepNames) path.push_back(NodesOf(name).at(0));
    return path;
}
