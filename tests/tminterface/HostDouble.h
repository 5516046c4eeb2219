#pragma once
// The main frame as the interface's host, for the tests: it holds the project as the current
// application and records what the interface asks of it.
#include <memory>
#include <string>
#include <vector>

#include "model/ApplicationKav.h"
#include "model/FileKav.h"
#include "model/ShellServices.h"
#include "model/TaskKav.h"
#include "shell/VornakHost.h"

class HostDouble : public VornakHost {
public:
    // The project of VORNAK mode before VORNAK sent one: one empty file.
    HostDouble() { Reset(); }
    // A fresh project of one empty file, nothing recorded.
    void Reset() {
        Install(std::make_unique<CApplicationKav>())->GetFiles().Add(new CFileKav());
        calls.clear();
        title.clear();
        projectOpen = loadErrors = false;
        editAnswer = 1;
    }
    ~HostDouble() override {
        if (CurrentApplication == project_.get()) CurrentApplication = nullptr;
    }

    CApplicationKav& Project() override { return *project_; }
    void CloseProject() override {
        Install(std::make_unique<CApplicationKav>());
        calls.push_back("close");
    }
    void ReplaceProject(std::unique_ptr<CApplicationKav> project) override {
        Install(std::move(project));
        calls.push_back("replace");
    }
    void SetProjectOpen(bool open) override { projectOpen = open; }
    void MarkModified() override { calls.push_back("modified"); }
    void ResetUndoHistory() override { calls.push_back("undo reset"); }
    void RevertToSnapshot() override { calls.push_back("revert"); }
    void ShowTitle(const std::string& shown) override { title = shown; }
    void RefreshBarsAndTrees() override {}
    void SelectTaskInTree(CTaskKav& task, bool expand) override {
        calls.push_back((expand ? "expand " : "select ") + task.GetName());
    }
    void OpenTaskFlow(CTaskKav& task) override { calls.push_back("flow " + task.GetName()); }
    void HighlightLoadErrors() override { calls.push_back("load errors"); }
    int EditProject(CApplicationKav& /*project*/, bool duringLoading) override {
        calls.push_back(duringLoading ? "edit libraries" : "edit project");
        return editAnswer;
    }
    void SaveProjectAsXml() override { calls.push_back("save as xml"); }
    void SetLoadErrors(bool errors) override { loadErrors = errors; }

    std::vector<std::string> calls;
    std::string title;
    bool projectOpen = false;
    bool loadErrors = false;
    int editAnswer = 1;

private:
    CApplicationKav* Install(std::unique_ptr<CApplicationKav> project) {
        if (CurrentApplication == project_.get()) CurrentApplication = nullptr;
        project_ = std::move(project);
        CurrentApplication = project_.get();
        return project_.get();
    }

    std::unique_ptr<CApplicationKav> project_;
};
