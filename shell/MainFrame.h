#pragma once
// The main frame's state and rules, without the window toolkit: the project it holds, the view
// mode, the drawing tool, the pick state, which pane has the focus, the language switch, the
// recent files, the close decision, and the private messages of the views and pages. Its window
// (MainFrameWindow) only shows it; the views, the workspace pages and the VORNAK interface come
// from later folders and plug in through the interfaces declared beside this header.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/FrameView.h"
#include "shell/MainFrameWindow.h"
#include "shell/PickState.h"
#include "shell/RecentFileList.h"
#include "shell/UndoManager.h"
#include "shell/VornakLink.h"
#include "shell/WorkspacePage.h"

class CApplicationKav;
class CProjectSession;
class CTaskKav;
class CTestCase;
class CWindowKav;

// The project dialog: edits the settings and libraries of the project (a new one, or the open
// one); 1 confirmed, 0 cancelled with the project unchanged.
using ProjectDialogRunner = std::function<int(CApplicationKav& project)>;

// Whether a command can be given now, and whether its menu item and button show a check mark.
struct CommandState {
    bool enabled = false;
    bool checked = false;
    bool operator==(const CommandState&) const = default;
};

// The pane that has the focus and what it hands out: the page or the view (both null for None).
struct ActivePane {
    PaneKind kind = PaneKind::None;
    FrameView* view = nullptr;
    WorkspacePage* page = nullptr;
};

class CMainFrame {
public:
    static constexpr const char* kTitle = "VORNAK Designer (KAVRO)";
    // "ViewMode" bits.
    static constexpr int kShowTransitions = 1;
    static constexpr int kShowCoverage = 4;
    static constexpr int kShowGrandchildren = 8;
    static constexpr int kShowStepInfo = 16;
    static constexpr int kVerticalDiagrams = 32;
    static constexpr int kDefaultViewMode = kShowTransitions | kShowGrandchildren | kShowStepInfo;
    // The drawing tool of the palette's Select button.
    static constexpr int kSelectTool = 99;
    static constexpr std::size_t kRecentFileCount = 6;
    static constexpr std::size_t kRecentFileDisplayLength = 60;

    // Makes an empty project current, and installs the frame as the model's receiver of undo
    // steps and of test cases about to be deleted, for as long as it lives.
    explicit CMainFrame(MainFrameWindow& window);
    ~CMainFrame();
    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    // ---- Creation and close.

    // What the frame's creation decides: the view mode from "ViewMode" (empty 25), the title,
    // no pick operation, and in VORNAK mode the wait cursor until the interface is active.
    void OnCreate();
    // The close request. False when the user cancelled a question or saving failed: nothing
    // changed. True when the program may end: "ViewMode" is written, the clipboard released,
    // the views closed, the project deleted and the VORNAK interface closed and deleted; the
    // frame serves nothing any more but its destruction.
    bool OnClose();
    bool IsClosed() const { return !session_; }

    // ---- The parts that later folders plug in (not owned; each stays until it is replaced).

    void SetTasksPage(TasksPage* page) { tasksPage_ = page; }
    void SetRequirementsPage(RequirementsPage* page) { requirementsPage_ = page; }
    void SetWindowsPage(WindowsPage* page) { windowsPage_ = page; }
    void SetTestDataPage(TestDataPage* page) { testDataPage_ = page; }
    // A view registers while it is open, in the order of opening.
    void AddView(FrameView* view);
    void RemoveView(FrameView* view);
    const std::vector<FrameView*>& GetViews() const { return views_; }
    // How VORNAK mode starts its interface; without one it cannot connect.
    void SetVornakStarter(VornakStarter starter) { vornakStarter_ = std::move(starter); }
    VornakLink* GetVornakLink() const { return vornak_.get(); }
    // How New and Project Properties edit the project; without one both are disabled.
    void SetProjectDialog(ProjectDialogRunner dialog) { projectDialog_ = std::move(dialog); }

    // ---- Panes and views.

    // The Tasks, Requirements, Windows and Test Data pages, in that order, each only while its
    // tree has the focus; else the kind of the active view (None for a view of another kind);
    // no active view: None and null.
    ActivePane GetActivePane() const;
    // The first open view of that kind that shows the object, or null.
    FrameView* FindView(PaneKind kind, const CKavroObj* object) const;
    // Brings the open view of the object to the front, or opens one with the view mode.
    FrameView* ShowView(PaneKind kind, CKavroObj* object);
    // Closes every view, one after the other.
    void CloseAllViews();
    // A child frame became active (or stopped being): the window palette shows with an active
    // window view while no pick operation is pending.
    void OnChildActivated(FrameView* view, bool active);

    // ---- State.

    int GetViewMode() const { return viewMode_; }
    int GetDrawingTool() const { return drawingTool_; }
    int GetPickMode() const { return pick_.mode; }
    // The pick operations' commands and messages drive it; RefreshAll clears it.
    PickState& Pick() { return pick_; }

    void SetStatusText(const std::string& text);
    // Marks the project modified and records the undo step of that name.
    void SetModified(const std::string& undoStepName);
    const CUndoManager& GetUndoManager() const { return undo_; }
    // Undo and Redo: the clipboard's objects are released first (they may point into the
    // project that is replaced); a failure is shown with "Undo failed" or "Redo failed".
    void Undo();
    void Redo();
    // The tool tips of Undo and Redo: "Undo: " or "Redo: " and the step's name, else the
    // command's own name.
    std::string GetUndoTip() const;
    std::string GetRedoTip() const;
    // Chooses the palette button at the index (0 Select .. 20 Image) as its command does.
    void SelectWindowTool(int index);

    // Ends any pick operation: no mode, nothing picked, an empty status text, and every page and
    // view out of pick mode. The drawing tool stays.
    void RefreshAll();
    // Every open view updates itself, in the order of the templates.
    void RefreshAllViews();
    // After undo or redo: the pages rebuild their trees and every view finds its objects again.
    void RebindAfterUndo();
    // Shows the application bar, enables and rebuilds the pages' trees and brings the page of
    // the pane kind (Windows, Tasks, Requirements, Test Data) to the front.
    void UpdateControlBars(PaneKind pane);
    // The printer set-up was confirmed: every view paints itself again.
    void OnPrinterChanged();

    // ---- Commands (the frame's numbers, CommandIds.h).

    // Runs the command; false when the frame has no handler for it.
    bool OnCommand(int command);
    // Enabled and checked, for the commands the frame handles; others are disabled.
    CommandState GetCommandState(int command) const;

    // ---- The project.

    CApplicationKav& Root() const;
    bool IsProjectOpen() const;
    bool HasLoadErrors() const;
    // Loads the project file in place of the open one (asking to save it first outside VORNAK
    // mode): 1 loaded, the undo history starts afresh, load errors are marked, the title and the
    // recent files follow; 0 not loaded. Unless direct, the load runs in the message log window.
    int LoadProject(const std::string& path, bool announceConversion, bool direct = false);
    // Closes every view and the project, offering to save changes first when ask is set:
    // 1 closed, 0 when the user cancelled or saving failed.
    int CloseProject(bool ask);
    // Saves the project into its main file, or in VORNAK mode offers to send it: 1 saved, sent
    // or nothing to save; 2 the user answered No to the question of mode 2; 0 cancelled; -1
    // failed (the file as it was, the project still modified). Question mode 0 asks nothing
    // about the changes, 1 confirms with [W0404], 2 asks whether to save them. Save as always
    // asks for the file and never offers to send.
    int SaveOrSendProject(int questionMode, bool saveAs = false);
    // New: closes the open project (asking), lets the project dialog edit a new one named
    // "NewProject", saves it and loads it: 1 when a project was made.
    int NewProject();
    // Project Properties: saves pending changes after [W0404], lets the project dialog edit
    // the project, saves it and loads it again so that every setting takes effect. In VORNAK
    // mode VORNAK is asked for its libraries first.
    void EditProjectProperties();
    // The tasks that the last load flagged are marked on the Tasks page, brought to the front.
    void ShowLoadErrors();
    // The project of the command line: in VORNAK mode the interface is started on the port;
    // without a path the Open command runs; a missing file is refused with [W0874]: 0.
    // Otherwise the file is loaded: 1, also when the load failed.
    int OpenProjectFromCommandLine(const std::string& path, long port);
    // The Open command: closes the open project, asks for a file (proposing the newest recent
    // one) and loads it.
    void OpenProject();
    const RecentFileList& GetRecentFiles() const { return recentFiles_; }
    std::string GetRecentFileName(std::size_t index) const { return recentFiles_.GetFileName(index); }
    // Loads a recent file; an entry whose project does not load leaves the list. Nothing in
    // VORNAK mode.
    void OpenRecentFile(std::size_t index);
    // A file dropped on the frame loads as a recent file would.
    void OpenDroppedFile(const std::string& path);

    // ---- Private messages of views and pages (the frame owns nothing passed to them).

    // 0x40A: a window view added the window.
    void OnNewControl(CWindowKav* window);
    // 0x40D: the task changed.
    void OnTaskChanged(CTaskKav* task);
    // 0x409: the task-flow view picked a step for Connect Steps: the first one moves the pick
    // on to the second, the second ends it.
    void OnStepPicked(FrameView* view);
    // 0x40F: the test case is about to be deleted.
    void OnTestCaseDeleting(CTestCase* testCase);
    // 0x414 to 0x417: a window, menu, task-flow or test case view is closing.
    void OnWindowViewClosing(FrameView* view);
    void OnMenuViewClosing(FrameView* view);
    void OnTaskFlowViewClosing(FrameView* view);
    void OnTestCaseViewClosing(FrameView* view);

private:
    // A command the frame carries out itself: what runs it and its state.
    struct FrameCommand {
        int command;
        void (CMainFrame::*run)();
        CommandState (CMainFrame::*state)() const;
    };
    static const FrameCommand* FindFrameCommand(int command);
    // Handlers and states of the command table.
    void RunNewProject() { NewProject(); }
    void SaveProject() { SaveOrSendProject(0); }
    void SaveProjectAs() { SaveOrSendProject(0, true); }
    void CloseProjectCommand();
    void ShowFrameHelp();
    void GenerateHtmlDocumentation();
    // Releases the clipboard's objects, then undoes or redoes one step; a failure is shown.
    void StepUndoHistory(int (CUndoManager::*step)(), int failureCaption);
    CommandState Enabled() const { return {true, false}; }
    CommandState NewProjectState() const;
    CommandState OpenProjectState() const;
    CommandState SaveProjectState() const;
    CommandState ProjectOpenState() const;
    CommandState ProjectPropertiesState() const;
    CommandState UndoState() const;
    CommandState RedoState() const;
    CommandState HtmlDocumentationState() const;
    CommandState EnglishState() const { return GetLanguageState(false); }
    CommandState GermanState() const { return GetLanguageState(true); }

    WorkspacePage* GetPage(WorkspacePageIndex index) const;
    std::vector<WorkspacePage*> Pages() const;
    void ShowProjectTitle();
    // The frame's part of closing a project: empty, disabled trees, the plain title, no pick.
    void AfterProjectClosed();
    void SendVornakExit();
    void SwitchLanguage();
    CommandState GetLanguageState(bool german) const;
    // Whether the command is one that the Test Data page carries out, and that page is active.
    bool IsTestDataPageCommand(int command) const;
    // The same for the Requirements page.
    bool IsRequirementsPageCommand(int command) const;
    void ShowWarning(int textId, int captionId);

    MainFrameWindow& window_;
    std::unique_ptr<CProjectSession> session_;
    RecentFileList recentFiles_;
    int viewMode_ = kDefaultViewMode;
    int drawingTool_ = kSelectTool;
    PickState pick_;
    std::vector<FrameView*> views_;
    TasksPage* tasksPage_ = nullptr;
    RequirementsPage* requirementsPage_ = nullptr;
    WindowsPage* windowsPage_ = nullptr;
    TestDataPage* testDataPage_ = nullptr;
    VornakStarter vornakStarter_;
    std::unique_ptr<VornakLink> vornak_;
    ProjectDialogRunner projectDialog_;
    // After the session: it snapshots the session's root.
    CUndoManager undo_;
};
