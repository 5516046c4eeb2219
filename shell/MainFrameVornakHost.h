#pragma once
// The main frame as the VORNAK interface's host.
#include "shell/VornakHost.h"

class CMainFrame;

class MainFrameVornakHost : public VornakHost {
public:
    explicit MainFrameVornakHost(CMainFrame& frame) : frame_(frame) {}

    CApplicationKav& Project() override;
    void CloseProject() override;
    void ReplaceProject(std::unique_ptr<CApplicationKav> project) override;
    void SetProjectOpen(bool open) override;
    void MarkModified() override;
    void ResetUndoHistory() override;
    void RevertToSnapshot() override;
    void ShowTitle(const std::string& title) override;
    void RefreshBarsAndTrees() override;
    void SelectTaskInTree(CTaskKav& task, bool expand) override;
    void OpenTaskFlow(CTaskKav& task) override;
    void HighlightLoadErrors() override;
    int EditProject(CApplicationKav& project, bool duringLoading) override;
    void SaveProjectAsXml() override;
    void SetLoadErrors(bool errors) override;

private:
    CMainFrame& frame_;
};
