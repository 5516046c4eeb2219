#pragma once
// The windows of the capture dialogs that follow the editors' pattern (the window wizard, the
// GUI builder and window class editors), and the host that shows them over the main window.
#include <memory>
#include <string>

#include "editors/framework/EditorDialogUi.h"
#include "shell/EditorHost.h"

// The window that shows the dialog; null for a dialog that is not one of them.
std::unique_ptr<EditorDialogUi> MakeCaptureDialogWindow(EditorDialog& dialog, wxWindow* parent);

// Shows the capture dialogs' windows modally over the parent; all else goes to the frame.
class CaptureDialogHost : public EditorHost {
public:
    CaptureDialogHost(EditorHost& frame, wxWindow* parent) : frame_(frame), parent_(parent) {}

    int RunModal(EditorDialog& dialog) override;
    void SetModified(const std::string& undoName) override { frame_.SetModified(undoName); }
    void RefreshAllViews() override { frame_.RefreshAllViews(); }
    std::string SelectReference(int kinds, CTaskKav* task, CDataSet* dataSet,
                                const OwningList<CDataEffect>* effects) override {
        return frame_.SelectReference(kinds, task, dataSet, effects);
    }
    void ShowHelp(int contextId) override { frame_.ShowHelp(contextId); }
    int RedirectTransition(CTransitionKav* transition, CWindowKav* start, CWindowKav* destination) override {
        return frame_.RedirectTransition(transition, start, destination);
    }
    void CloseTaskFlowViews(CTaskKav* task) override { frame_.CloseTaskFlowViews(task); }
    void TaskChanged(CTaskKav* task) override { frame_.TaskChanged(task); }
    void OpenTaskFlow(CTaskKav* task) override { frame_.OpenTaskFlow(task); }
    int EditStep(CStepKav* step, bool isNew, CTaskKav* task) override { return frame_.EditStep(step, isNew, task); }
    void OpenTestCase(CTestCase* testCase) override { frame_.OpenTestCase(testCase); }
    void SendCommand(int command) override { frame_.SendCommand(command); }

private:
    EditorHost& frame_;
    wxWindow* parent_;
};
