#pragma once
// The task-flow view's surroundings for tests: it records what the view reports, and a step
// pick can run what the frame does with it.
#include <functional>
#include <string>
#include <vector>

#include "views/flow/TaskflowViewHost.h"

class FakeTaskflowViewHost : public TaskflowViewHost {
public:
    void ReportPickedStep(CTaskStep* step) override {
        pickedSteps.push_back(step);
        if (onPick) onPick();
    }
    void ReportTaskChanged(CTaskKav* task) override { changedTasks.push_back(task); }
    void OpenTaskFlow(CTaskKav* task) override { openedFlows.push_back(task); }
    void OpenStepEditor(CTaskStep* step) override { editedSteps.push_back(step); }
    void SendCommand(int command) override { commands.push_back(command); }
    void ShowTitle(const std::string& text) override { title = text; }
    void SetScrollSizes(ViewSize size) override { scrollSize = size; }
    void Redraw() override { ++redraws; }
    void CloseView() override { closed = true; }

    std::function<void()> onPick;
    std::vector<CTaskStep*> pickedSteps;
    std::vector<CTaskKav*> changedTasks;
    std::vector<CTaskKav*> openedFlows;
    std::vector<CTaskStep*> editedSteps;
    std::vector<int> commands;
    std::string title;
    ViewSize scrollSize;
    int redraws = 0;
    bool closed = false;
};
