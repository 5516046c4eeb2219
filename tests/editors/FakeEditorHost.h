#pragma once
// The main frame as an editor sees it, for tests: RunModal opens the dialog and runs the
// test's session in it instead of a window; help requests are recorded.
#include <functional>
#include <string>
#include <vector>

#include "editors/framework/EditorDialog.h"
#include "shell/EditorHost.h"

class FakeEditorHost : public EditorHost {
public:
    // What the user does in the open dialog; returns how the run ends (kIdOk, kIdCancel).
    std::function<int(EditorDialog&)> session;
    std::vector<int> helpTopics;

    int RunModal(EditorDialog& dialog) override {
        dialog.OnInitDialog();
        return session ? session(dialog) : kIdCancel;
    }
    void ShowHelp(int contextId) override { helpTopics.push_back(contextId); }

    void SetModified(const std::string&) override {}
    void RefreshAllViews() override {}
    std::string SelectReference(int, CTaskKav*, CDataSet*, const OwningList<CDataEffect>*) override { return {}; }
    int RedirectTransition(CTransitionKav*, CWindowKav*, CWindowKav*) override { return 0; }
    void CloseTaskFlowViews(CTaskKav*) override {}
    void TaskChanged(CTaskKav*) override {}
    void OpenTaskFlow(CTaskKav*) override {}
    int EditStep(CStepKav*, bool, CTaskKav*) override { return 0; }
    void OpenTestCase(CTestCase*) override {}
};
