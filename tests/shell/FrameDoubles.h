#pragma once
// Doubles of what the main frame plugs in: its window, views, workspace pages and the VORNAK
// interface, each recording what the frame asked of it.
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "shell/FrameView.h"
#include "shell/MainFrame.h"
#include "shell/MessageLogDlg.h"
#include "shell/MainFrameWindow.h"
#include "shell/VornakLink.h"
#include "shell/WorkspacePage.h"

class FakeView : public FrameView {
public:
    FakeView(PaneKind kind, CKavroObj* object = nullptr) : kind_(kind), object_(object) {}

    PaneKind Kind() const override { return kind_; }
    CKavroObj* ShownObject() const override { return object_; }
    void RequestClose() override {
        ++closeRequests;
        if (frame) frame->RemoveView(this);
    }
    void Activate() override { ++activations; }
    void Refresh() override { ++refreshes; }
    void Rebind() override { ++rebinds; }
    void EndPickOperation(bool drawingToolChosen) override { pickEnds.push_back(drawingToolChosen); }
    void SetStepPickMode(int mode) override { stepPickModes.push_back(mode); }

    // When set, a close request takes the view out of the frame, as a closing view does.
    CMainFrame* frame = nullptr;
    int closeRequests = 0;
    int activations = 0;
    int refreshes = 0;
    int rebinds = 0;
    std::vector<bool> pickEnds;
    std::vector<int> stepPickModes;

private:
    PaneKind kind_;
    CKavroObj* object_;
};

class FakeWindow : public MainFrameWindow {
public:
    void ShowTitle(const std::string& text) override { title = text; }
    void RequestFrameClose() override { ++closeRequests; }
    // Runs the log's operation as the window does, keeping its title and lines.
    int RunMessageLog(CMessageLogDlg& log) override {
        log.Run();
        logTitles.push_back(log.GetTitle());
        logLines = log.Log().Lines();
        return log.GetResult();
    }
    void ShowStatusText(const std::string& text) override { status = text; }
    void SetWaitCursor(bool on) override { waitCursor = on; }
    bool IsBarShown(FrameBar bar) const override { return bars.count(bar) ? bars.at(bar) : true; }
    void ShowBar(FrameBar bar, bool shown) override { bars[bar] = shown; }
    void SelectWorkspacePage(WorkspacePageIndex page) override { selectedPages.push_back(page); }
    FrameView* GetActiveView() const override { return activeView; }
    FrameView* OpenView(PaneKind kind, CKavroObj* object, int viewMode) override {
        opened.push_back(std::make_unique<FakeView>(kind, object));
        openedViewModes.push_back(viewMode);
        return opened.back().get();
    }

    std::string title;
    int closeRequests = 0;
    std::vector<std::string> logTitles;
    std::vector<std::string> logLines;
    std::string status = "untouched";
    bool waitCursor = false;
    std::map<FrameBar, bool> bars;
    std::vector<WorkspacePageIndex> selectedPages;
    FrameView* activeView = nullptr;
    std::vector<std::unique_ptr<FakeView>> opened;
    std::vector<int> openedViewModes;
};

template <class Base>
class FakePage : public Base {
public:
    bool HasTreeFocus() const override { return focused; }
    void RebuildTree() override { ++rebuilds; }
    void EnableTree(bool enabled) override { treeEnabled = enabled; }
    void EndPickOperation() override { ++pickEnds; }

    bool focused = false;
    int rebuilds = 0;
    bool treeEnabled = false;
    int pickEnds = 0;
};

class FakeTasksPage : public FakePage<TasksPage> {
public:
    void UpdateTaskItem(CTaskKav* task) override { updatedTasks.push_back(task); }
    void MarkLoadErrorTasks(const std::vector<CTaskKav*>& tasks) override { markedTasks = tasks; }
    std::vector<CTaskKav*> updatedTasks;
    std::vector<CTaskKav*> markedTasks;
};

class FakeWindowsPage : public FakePage<WindowsPage> {
public:
    void InsertWindow(CWindowKav* window) override { insertedWindows.push_back(window); }
    std::vector<CWindowKav*> insertedWindows;
};

class FakeTestDataPage : public FakePage<TestDataPage> {
public:
    bool IsDataCommandEnabled(int command) const override { return enabledCommands.count(command) > 0; }
    void RunDataCommand(int command) override { ranCommands.push_back(command); }
    std::set<int> enabledCommands;
    std::vector<int> ranCommands;
};

class FakeRequirementsPage : public FakePage<RequirementsPage> {
public:
    bool IsRequirementCommandEnabled(int command) const override { return enabledCommands.count(command) > 0; }
    void RunRequirementCommand(int command) override { ranCommands.push_back(command); }
    std::set<int> enabledCommands;
    std::vector<int> ranCommands;
};

class FakeVornakLink : public VornakLink {
public:
    int GetState() const override { return state; }
    bool IsConnectionLost() const override { return connectionLost; }
    void SendCommand(int command) override { commands->push_back("command " + std::to_string(command)); }
    void CloseSocket() override { commands->push_back("close socket"); }
    int SendProject() override {
        commands->push_back("send project");
        return 1;
    }
    void RequestLibraryList() override { commands->push_back("request library list"); }

    int state = 1;
    bool connectionLost = false;
    // Outlives the link, which the frame deletes on close.
    std::shared_ptr<std::vector<std::string>> commands = std::make_shared<std::vector<std::string>>();
};
