#pragma once
// Doubles of what the main frame plugs in: its window, views, workspace pages and the VORNAK
// interface, each recording what the frame asked of it.
#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <utility>
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
    void SetViewMode(int viewMode) override { viewModes.push_back(viewMode); }
    void EndPickOperation(bool drawingToolChosen) override { pickEnds.push_back(drawingToolChosen); }
    void SetStepPickMode(int mode) override { stepPickModes.push_back(mode); }
    bool DrawPicture(ViewPicture&) override {
        ++pictures;
        return pictureFits;
    }

    CWindowKav* GetSelectedWindow() const override { return selectedWindow; }
    std::vector<CWindowKav*> GetSelectedControls() const override { return selectedControls; }
    CTransitionKav* GetSelectedTransition() const override { return selectedTransition; }
    void SelectTransition(CTransitionKav* transition) override {
        selectedTransition = transition;
        selectedTransitions.push_back(transition);
    }
    void SelectWindow(CWindowKav* window) override {
        selectedWindow = window;
        if (!window) selectedControls.clear();
        selectedWindows.push_back(window);
    }
    void StartTransitionPick() override { ++transitionPicks; }
    void ReportTransitionClicks() override { ++transitionClickReports; }

    std::vector<CStepKav*> GetSelectedSteps() const override { return selectedSteps; }
    CStepKav* GetStartStep() const override { return startStep; }
    bool HasSelectedConnection() const override { return selectedConnection; }
    bool CanInsertStep() const override { return canInsert; }
    bool InsertStep() override {
        ++insertions;
        return insertAccepted;
    }
    void DeleteSelection() override { ++deletions; }
    void SetAssignMode(bool on) override { assignModes.push_back(on); }
    void AssignWindow(CWindowKav* window) override { assigned.push_back(window); }
    void AssignTransition(CTransitionKav* transition) override { assigned.push_back(transition); }
    void AssignTask(CTaskKav* task) override { assigned.push_back(task); }
    void Relayout() override { ++relayouts; }

    // When set, a close request takes the view out of the frame, as a closing view does.
    CMainFrame* frame = nullptr;
    int closeRequests = 0;
    int activations = 0;
    int refreshes = 0;
    int rebinds = 0;
    std::vector<int> viewModes;
    std::vector<bool> pickEnds;
    std::vector<int> stepPickModes;
    int pictures = 0;
    bool pictureFits = true;
    // The selection the view reports, and what the frame selected in it.
    CWindowKav* selectedWindow = nullptr;
    std::vector<CWindowKav*> selectedControls;
    CTransitionKav* selectedTransition = nullptr;
    std::vector<CTransitionKav*> selectedTransitions;
    std::vector<CWindowKav*> selectedWindows;
    int transitionPicks = 0;
    int transitionClickReports = 0;
    std::vector<CStepKav*> selectedSteps;
    CStepKav* startStep = nullptr;
    bool selectedConnection = false;
    bool canInsert = false;
    bool insertAccepted = true;
    int insertions = 0;
    int deletions = 0;
    int relayouts = 0;
    std::vector<bool> assignModes;
    // What was assigned to the selected step, in order.
    std::vector<const void*> assigned;

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
    WorkspacePageIndex GetShownWorkspacePage() const override {
        return selectedPages.empty() ? WorkspacePageIndex::Tasks : selectedPages.back();
    }
    FrameView* GetActiveView() const override { return activeView; }
    // A new view registers with the frame, as a view of the window program does when it opens.
    FrameView* OpenView(PaneKind kind, CKavroObj* object, int viewMode) override {
        opened.push_back(std::make_unique<FakeView>(kind, object));
        openedViewModes.push_back(viewMode);
        FakeView* view = opened.back().get();
        if (frame) {
            view->frame = frame;
            frame->AddView(view);
        }
        return view;
    }

    // When set, opened views register with this frame.
    CMainFrame* frame = nullptr;
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
    void SetPickMode(bool on) override { pickModes.push_back(on); }
    void TakeFocus() override { ++focusTaken; }
    bool PassToLabelEdit(int command) override {
        if (!editingLabel) return false;
        labelCommands.push_back(command);
        return true;
    }
    CFileKav* GetSelectedFile() const override { return selectedFile; }

    bool focused = false;
    int rebuilds = 0;
    bool treeEnabled = false;
    int pickEnds = 0;
    std::vector<bool> pickModes;
    int focusTaken = 0;
    bool editingLabel = false;
    std::vector<int> labelCommands;
    CFileKav* selectedFile = nullptr;
};

class FakeTasksPage : public FakePage<TasksPage> {
public:
    void UpdateTaskItem(CTaskKav* task) override { updatedTasks.push_back(task); }
    void MarkLoadErrorTasks(const std::vector<CTaskKav*>& tasks) override { markedTasks = tasks; }
    CTaskKav* GetSelectedTask() const override { return selectedTask; }
    CTaskKav* CreateTaskItem(int type) override {
        createdTypes.push_back(type);
        return created;
    }
    void SelectTask(CTaskKav* task) override { selectedTask = task; }
    void MarkTasks(const std::vector<CTaskKav*>& tasks) override { markedTasks = tasks; }
    void UpdateAllTaskItems() override { ++allItemsUpdated; }
    void ShowCutTask(CTaskKav* task) override { cutTask = task; }

    std::vector<CTaskKav*> updatedTasks;
    std::vector<CTaskKav*> markedTasks;
    CTaskKav* selectedTask = nullptr;
    std::vector<int> createdTypes;
    CTaskKav* created = nullptr;
    int allItemsUpdated = 0;
    CTaskKav* cutTask = nullptr;
};

class FakeWindowsPage : public FakePage<WindowsPage> {
public:
    void InsertWindow(CWindowKav* window) override { insertedWindows.push_back(window); }
    CWindowKav* GetSelectedWindow() const override { return selectedWindow; }
    void RefreshWindowItem(CWindowKav* window, bool /*sorted*/) override { updatedWindows.push_back(window); }
    void MoveBoldMark(CWindowKav* oldStart, CWindowKav* newStart) override { boldMoves.emplace_back(oldStart, newStart); }
    void SelectWindow(CWindowKav* window) override { selectedWindow = window; }
    void MarkWindows(const std::vector<CWindowKav*>& windows) override { markedWindows = windows; }
    void SortTree() override { ++sorts; }
    void ShowCutWindow(CWindowKav* window) override { cutWindow = window; }

    std::vector<CWindowKav*> insertedWindows;
    CWindowKav* selectedWindow = nullptr;
    std::vector<CWindowKav*> updatedWindows;
    std::vector<std::pair<CWindowKav*, CWindowKav*>> boldMoves;
    std::vector<CWindowKav*> markedWindows;
    int sorts = 0;
    CWindowKav* cutWindow = nullptr;
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
    CRequirement* GetSelectedRequirement() const override { return selectedRequirement; }
    bool IsRequirementCommandEnabled(int command) const override { return enabledCommands.count(command) > 0; }
    void RunRequirementCommand(int command) override { ranCommands.push_back(command); }

    CRequirement* selectedRequirement = nullptr;
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
    bool AllowsImports() const override { return importsAllowed; }
    void OnConnectionLost() override {
        commands->push_back("connection lost");
        state = 2;
        connectionLost = true;
    }
    void OnCommandFromManager(const std::string& text) override {
        commands->push_back("received " + text);
        if (text == "exit") state = 0;
    }
    void SetState(int newState) override { state = newState; }
    void WriteLog(const std::string& line) override { log->push_back(line); }

    int state = 1;
    bool connectionLost = false;
    bool importsAllowed = false;
    // Outlive the link, which the frame deletes on close.
    std::shared_ptr<std::vector<std::string>> commands = std::make_shared<std::vector<std::string>>();
    std::shared_ptr<std::vector<std::string>> log = std::make_shared<std::vector<std::string>>();
};
