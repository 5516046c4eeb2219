#pragma once
// The main frame as an editor sees it, for tests: RunModal opens the dialog and runs the
// test's session in it instead of a window; help requests are recorded.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "editors/framework/EditorDialog.h"
#include "shell/EditorHost.h"

class FakeEditorHost : public EditorHost {
public:
    // What the user does in the open dialog; returns how the run ends (kIdOk, kIdCancel).
    std::function<int(EditorDialog&)> session;
    std::vector<int> helpTopics;
    std::vector<std::string> undoSteps;
    // What the reference browser returns, and the kinds and task of each request.
    std::string reference;
    std::vector<std::pair<int, CTaskKav*>> referenceRequests;
    // The transitions moved, with the new start and destination, as the frame is asked to.
    struct Redirect {
        CTransitionKav* transition;
        CWindowKav* start;
        CWindowKav* destination;
    };
    std::vector<Redirect> redirects;
    // The tasks whose flow views were closed, and those reported changed.
    std::vector<CTaskKav*> closedFlowViews;
    std::vector<CTaskKav*> changedTasks;
    // The commands sent to the frame, and what the frame does with each (nothing by default).
    std::vector<int> commands;
    std::function<void(int)> onCommand;

    int RunModal(EditorDialog& dialog) override {
        dialog.OnInitDialog();
        return session ? session(dialog) : kIdCancel;
    }
    void ShowHelp(int contextId) override { helpTopics.push_back(contextId); }

    void SetModified(const std::string& undoName) override { undoSteps.push_back(undoName); }
    void RefreshAllViews() override {}
    std::string SelectReference(int kinds, CTaskKav* task, CDataSet*, const OwningList<CDataEffect>*) override {
        referenceRequests.emplace_back(kinds, task);
        return reference;
    }
    // The frame records its own undo step for the move.
    int RedirectTransition(CTransitionKav* transition, CWindowKav* start, CWindowKav* destination) override {
        redirects.push_back({transition, start, destination});
        undoSteps.push_back("Redirect Transition");
        return 1;
    }
    void CloseTaskFlowViews(CTaskKav* task) override { closedFlowViews.push_back(task); }
    void TaskChanged(CTaskKav* task) override { changedTasks.push_back(task); }
    void OpenTaskFlow(CTaskKav*) override {}
    int EditStep(CStepKav*, bool, CTaskKav*) override { return 0; }
    void OpenTestCase(CTestCase* testCase) override { openedTestCases.push_back(testCase); }

    std::vector<CTestCase*> openedTestCases;
    void SendCommand(int command) override {
        commands.push_back(command);
        if (onCommand) onCommand(command);
    }
};
