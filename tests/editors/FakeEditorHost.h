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
    int RedirectTransition(CTransitionKav*, CWindowKav*, CWindowKav*) override { return 0; }
    void CloseTaskFlowViews(CTaskKav*) override {}
    void TaskChanged(CTaskKav*) override {}
    void OpenTaskFlow(CTaskKav*) override {}
    int EditStep(CStepKav*, bool, CTaskKav*) override { return 0; }
    void OpenTestCase(CTestCase*) override {}
    void SendCommand(int command) override {
        commands.push_back(command);
        if (onCommand) onCommand(command);
    }
};
