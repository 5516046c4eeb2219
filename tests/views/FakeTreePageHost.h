#pragma once
// The main frame as the Tasks and Windows pages see it, recording what they report and ask.
#include <string>
#include <vector>

#include "views/trees/TreePageHost.h"

class FakeTreePageHost : public TreePageHost {
public:
    void ReportPickedWindow(CWindowKav* window) override { pickedWindows.push_back(window); }
    void ReportPickedTask(CTaskKav* task, bool ctrl) override { pickedTasks.push_back({task, ctrl}); }
    void ReportTaskChanged(CTaskKav* task) override { changedTasks.push_back(task); }
    void ReportWindowRenamed(CWindowKav* window) override { renamedWindows.push_back(window); }
    void OpenTaskFlow(CTaskKav* task) override { openedFlows.push_back(task); }
    void SendCommand(int command) override { commands.push_back(command); }
    void RefreshAllViews() override { ++viewRefreshes; }
    void SetModified(const std::string& undoStepName) override { undoSteps.push_back(undoStepName); }
    void ShowHelp(int context) override { helpContexts.push_back(context); }

    struct PickedTask {
        CTaskKav* task;
        bool ctrl;
        bool operator==(const PickedTask&) const = default;
    };
    std::vector<CWindowKav*> pickedWindows;
    std::vector<PickedTask> pickedTasks;
    std::vector<CTaskKav*> changedTasks;
    std::vector<CWindowKav*> renamedWindows;
    std::vector<CTaskKav*> openedFlows;
    std::vector<int> commands;
    int viewRefreshes = 0;
    std::vector<std::string> undoSteps;
    std::vector<int> helpContexts;
};
