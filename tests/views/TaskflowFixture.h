#pragma once
// A task of the project shown in a task-flow view, with the undo steps it records.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/ShellServices.h"
#include "tests/support/FlowBuilder.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/views/FakeTaskflowViewHost.h"
#include "views/flow/TaskflowView.h"

class TaskflowTest : public ProjectTest {
protected:
    void SetUp() override { SetUndoStepHook([this](const std::string& name) { undoSteps.push_back(name); }); }
    void TearDown() override { SetUndoStepHook(nullptr); }

    // The task's start step S; more steps come with Add.
    CTaskStep* Start() { return AddStep(task, "S"); }
    CTaskStep* Add(const std::string& name, const std::vector<CTaskStep*>& predecessors) {
        return AddStepAfter(task, name, predecessors);
    }
    void Show(int flags = 0) {
        view.SetTask(&task, flags);
        view.OnInitialUpdate();
    }
    ViewPoint CentreOf(const CStepKav& step) const {
        const ViewRect box = view.BoxOf(step);
        return {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    }
    // A point on the shaft of the arrow from one step to the other.
    ViewPoint OnArrow(const CTaskStep& from, const CTaskStep& to) const {
        for (const auto& connection : view.GetConnections()) {
            if (connection->GetSource() != &from || connection->GetDestination() != &to) continue;
            const ArrowPoint start = connection->GetArrow().GetStart();
            const ArrowPoint end = connection->GetArrow().GetEnd();
            return {(start.x + end.x) / 2, (start.y + end.y) / 2};
        }
        ADD_FAILURE() << "no arrow from " << from.GetName() << " to " << to.GetName();
        return {};
    }
    void Click(const CStepKav& step, bool ctrl = false) { view.OnLeftButtonDown(CentreOf(step), ctrl); }
    std::vector<std::string> StepNames() const {
        std::vector<std::string> names;
        for (const CTaskStep* step : task.GetSteps()) names.push_back(step->GetName());
        return names;
    }
    std::vector<std::string> Messages() const { return TestInteraction().Texts(); }
    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (const MessageRequest& request : TestInteraction().messages) captions.push_back(request.caption);
        return captions;
    }

    CTaskKav& task = *project.AddTask("Flow");
    FakeTaskflowViewHost host;
    CTaskflowView view{host};
    std::vector<std::string> undoSteps;
};
