#pragma once
// Small task flows for the task graph and coverage tests: steps that generation keeps (they
// carry a description), blank steps that it bridges, and sub-task calls.
#include <string>
#include <vector>

#include "generation/TCGTask.h"
#include "tests/generation/SimulatedWindows.h"
#include "tests/support/FlowBuilder.h"

// With the windows of the simulated application at hand.
class TaskFlowTest : public SimulatedWindowsTest {
protected:
    // A step with a description, connected from the predecessors; a task's first step is its
    // start step.
    static CTaskStep* Step(CTaskKav& task, const std::string& name, const std::vector<CTaskStep*>& predecessors = {});
    // A step without anything to do.
    static CTaskStep* Blank(CTaskKav& task, const std::string& name, const std::vector<CTaskStep*>& predecessors = {});
    static CTaskStep* Call(CTaskKav& task, const std::string& name, CTaskKav* subTask,
                           const std::vector<CTaskStep*>& predecessors = {});

    // The nodes of the graph made from steps of that name, in graph order.
    std::vector<CTaskNode*> NodesOf(const std::string& stepName) const;
    static std::vector<std::string> StepNames(const std::vector<CTaskNode*>& nodes);
    // The first node of each step named, in the order given.
    std::vector<CTaskNode*> PathOf(const std::vector<std::string>& stepNames) const;

    CTCGTask graph{app};
};
