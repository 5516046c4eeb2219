#pragma once
// The main frame's state and rules, without the window toolkit: the project it holds, the view
// mode, the drawing tool, the pick state, which pane has the focus, the commands with their
// enabling, the close decision, and the private messages of the views, the pages and the VORNAK
// interface thread. Its window (MainFrameWindow) only shows it; the views, the workspace pages,
// the editors, importers and capture (FrameServices) and the VORNAK interface come from later
// folders and plug in through the interfaces declared beside this header.
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Interaction.h"
#include "shell/EditorHost.h"
#include "shell/FrameServices.h"
#include "shell/FrameView.h"
#include "shell/MainFrameWindow.h"
#include "shell/PickState.h"
#include "shell/RecentFileList.h"
#include "shell/UndoManager.h"
#include "shell/VornakLink.h"
#include "shell/WorkspacePage.h"

class CApplicationKav;
class CProjectSession;
class CRequirement;
class CTaskKav;
class CTestCase;
class CWindowKav;
class MessageLog;

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

class CMainFrame : public EditorHost {
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
    ~CMainFrame() override;
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
    // How an editor dialog's window is shown modally (RunModal); without it no editor opens.
    void SetEditorWindows(std::function<int(EditorDialog&)> runModal) { runModal_ = std::move(runModal); }
    // The editors, run dialogs, importers and capture the commands reach.
    FrameServices& Services() { return services_; }
    const FrameServices& Services() const { return services_; }

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
    void SetModified(const std::string& undoStepName) override;
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
    void RefreshAllViews() override;
    // After undo or redo: the pages rebuild their trees and every view finds its objects again.
    void RebindAfterUndo();
    // Shows the application bar, enables and rebuilds the pages' trees and brings the page of
    // the pane kind (Windows, Tasks, Requirements, Test Data) to the front.
    void UpdateControlBars(PaneKind pane);
    // The printer set-up was confirmed: every view paints itself again.
    void OnPrinterChanged();
    // Closes the views of the window and of all its descendants (a menu item has none of its
    // own), or of the task and all its child tasks.
    void CloseTaskFlowViews(CWindowKav* window, CTaskKav* task);
    // The documentation's pictures: the object's view, opened for the picture when it is not
    // open (and closed again), draws its whole picture into the target (a window with view mode
    // 9); false when there is no view or the picture is too large.
    bool RenderWindowBitmap(CWindowKav* window, ViewPicture& target);
    bool RenderTaskFlowBitmap(CTaskKav* task, ViewPicture& target);
    bool RenderTestCaseBitmap(CTestCase* testCase, ViewPicture& target);

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
    // The same load reporting into the log of a run that shows its own (an import's).
    int LoadProjectWithLog(const std::string& path, MessageLog& log);
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

    // Set as Start Window for the window: refused with [W0035] for a window with a parent and
    // with [W0036] for one that is hidden or disabled; else it becomes the project's start
    // window ("Set Start Window").
    void SetAsStartWindow(CWindowKav* window);

    // ---- EditorHost: what the editor dialogs reach of the frame.

    int RunModal(EditorDialog& dialog) override;
    std::string SelectReference(int kinds, CTaskKav* task, CDataSet* dataSet,
                                const OwningList<CDataEffect>* effects) override;
    void ShowHelp(int contextId) override;
    // Moves the transition to the new start window (named anew there) and sets its destination:
    // 1 with the undo step "Redirect Transition"; 0 after [F0041] when the old start does not
    // hold it, with nothing changed.
    int RedirectTransition(CTransitionKav* transition, CWindowKav* start, CWindowKav* destination) override;
    void CloseTaskFlowViews(CTaskKav* task) override { CloseTaskFlowViews(nullptr, task); }
    void TaskChanged(CTaskKav* task) override { OnTaskChanged(task); }
    // 0x411: the task's task-flow view comes to the front or opens; nothing for a folder.
    void OpenTaskFlow(CTaskKav* task) override;
    // The editor that suits the step: a transition's or a plain step's the step editor, a
    // sub-task call's its own, a step of a project in an ESA format the API-step editor; 1 when
    // confirmed (the views refreshed, the task reported as changed in VORNAK mode), else 0.
    int EditStep(CStepKav* step, bool isNew, CTaskKav* task) override;
    // 0x412: the test case's view comes to the front or opens.
    void OpenTestCase(CTestCase* testCase) override;
    void SendCommand(int command) override { OnCommand(command); }

    // A new transition from the start window or menu item to the destination, named by the
    // window's rule, through the step editor: kept only when the editor was confirmed, then
    // recorded as "Create Transition"; null when cancelled.
    CTransitionKav* CreateTransition(CWindowKav* start, CWindowKav* destination);

    // ---- Private messages of views and pages (the frame owns nothing passed to them).

    // 0x405: a window or control picked in a window view or the Windows tree.
    void OnObjectPicked(CWindowKav* window);
    // 0x406: a menu item clicked in a menu view.
    void OnMenuItemPicked(CWindowKav* item);
    // 0x407: a transition clicked or double-clicked in a window or menu view.
    void OnTransitionSelected(CTransitionKav* transition);
    // 0x408: a task clicked in the Tasks tree, with Ctrl held or not.
    void OnTaskPicked(CTaskKav* task, bool ctrl);
    // 0x40E: a window was renamed in the Windows tree.
    void OnWindowRenamed() { RefreshAllViews(); }
    // 0x410: the window comes to the front in its window view or opens in a new one; with
    // selectFromPane what the active flow or test case view has selected is selected there.
    void OpenWindowView(CWindowKav* window, bool selectFromPane);
    // 0x413: the step editor for a step of the active view, with its task as context.
    void OnEditStepMessage(CStepKav* step);

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

    // ---- Messages of the VORNAK interface thread, and its two setters.

    // 0x55E: the connection is lost.
    void OnVornakConnectionLost();
    // 0x55F: VORNAK sent the text; when the interface is inactive afterwards, the program ends.
    void OnVornakMessage(const std::string& text);
    // 0x560: the interface's new state.
    void OnVornakState(int state);
    // 0x561: the error (its text's id and the socket's error code) is shown; those of a failed
    // or lost connection count as connection lost.
    void OnVornakError(int messageId, int errorCode);
    void SetProjectOpen(int open);
    void SetLoadErrors(int errors);

private:
    // The VORNAK interface's host reaches the session, the undo history and the window.
    friend class MainFrameVornakHost;

    // A command the frame carries out itself: what runs it and its state.
    struct FrameCommand {
        int command;
        void (CMainFrame::*run)();
        CommandState (CMainFrame::*state)() const;
    };
    static const FrameCommand* FindFrameCommand(int command);
    // What a command of the active pane acts on: the window with its transition, and the task.
    struct PaneObjects {
        CWindowKav* window = nullptr;
        CTransitionKav* transition = nullptr;
        CTaskKav* task = nullptr;
    };

    // ---- Handlers of the command table.

    // Project (MainFrameProject.cpp)
    void RunNewProject() { NewProject(); }
    void SaveProject() { SaveOrSendProject(0); }
    void SaveProjectAs() { SaveOrSendProject(0, true); }
    void CloseProjectCommand();
    void ShowFrameHelp();
    void GenerateHtmlDocumentation();
    // Releases the clipboard's objects, then undoes or redoes one step; a failure is shown.
    void StepUndoHistory(int (CUndoManager::*step)(), int failureCaption);
    // Edit (MainFrameEdit.cpp)
    void Cut();
    void Copy();
    void Paste();
    void Delete();
    void DeleteAllTestCases();
    // Pick operations (MainFramePicks.cpp)
    void NewTransition();
    void RedirectTransitionCommand();
    void AssignObjectToStep();
    void ConnectSteps();
    void CreateWindowBuildingBlock();
    // View mode (MainFrameViews.cpp)
    void ShowTransitions() { SwitchTransitionsOrCoverage(kShowTransitions); }
    void ShowCoverage() { SwitchTransitionsOrCoverage(kShowCoverage); }
    void ShowGrandchildren();
    void ShowStepInfo() { ToggleFlowViewMode(kShowStepInfo); }
    void VerticalDiagrams() { ToggleFlowViewMode(kVerticalDiagrams); }
    // Model and editors (MainFrameModel.cpp)
    void AttributesEditor();
    void PropertiesEditor();
    void ChangeWindowType();
    void NewMenu();
    void NewMenuItem();
    void NewTask() { CreateTask(0); }
    void NewBuildingBlock() { CreateTask(1); }
    void NewFolder() { CreateTask(2); }
    void NewStep();
    void EditSelectedStep();
    void MenuEditor();
    void MetaConditionEditor() { services_.editors.editMetaConditions(); }
    void GuiBuilderEditor() { services_.capture.editGuiBuilders(); }
    void GuiSpy();
    void ConvertTestCases();
    void GenerateWindowTags();
    // Imports and the export (MainFrameImports.cpp)
    void ImportJavaGui();
    void ImportProjectData();
    void ImportUftRepository();
    void ImportXmi();
    void ExportEsaObjectMaps();
    // Windows, tasks, generation and the trees (MainFrameTools.cpp)
    void InitializeRepositoryOptions() { RunRepositoryOptions(0); }
    void ResetRepositoryOptions() { RunRepositoryOptions(1); }
    void ReplaceWindow();
    void SetStartWindow();
    void ShowInTaskTree();
    void ShowInWindowTree();
    void SortByName() { SortWindows("Name"); }
    void SortByType() { SortWindows("Type"); }
    void SortByUftClass() { SortWindows("QTP"); }
    void GenerateTestCases();
    void ViewTestCases();
    void TaskFlowEditor();
    void WindowEditor();
    void WindowWizard();
    void UserDefinedFields();
    // Search (MainFrameSearch.cpp)
    void SearchObject();
    void SearchReferences();

    // ---- States of the command table (MainFrameEnabling.cpp).

    CommandState Enabled() const { return {true, false}; }
    CommandState Never() const { return {}; }
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
    // No pick operation and a project open: with the part the command needs installed.
    CommandState OpenAndIdleState() const;
    CommandState AttributesEditorState() const;
    CommandState MetaConditionEditorState() const;
    CommandState GuiSpyState() const;
    CommandState GuiBuilderEditorState() const;
    CommandState WindowWizardState() const;
    CommandState UserDefinedFieldsState() const;
    CommandState GenerateTestCasesState() const;
    CommandState ConvertTestCasesState() const;
    CommandState ViewTestCasesState() const;
    CommandState RepositoryOptionsState() const;
    CommandState ImportJavaGuiState() const;
    CommandState ImportUftRepositoryState() const;
    CommandState ImportProjectDataState() const;
    CommandState ImportXmiState() const;
    CommandState ExportEsaObjectMapsState() const;
    CommandState ShowLoadErrorsState() const;
    CommandState NewTransitionState() const;
    CommandState RedirectTransitionState() const;
    CommandState ConnectStepsState() const;
    CommandState AssignObjectState() const;
    CommandState CreateWindowBuildingBlockState() const;
    CommandState NewTaskState() const;
    CommandState NewBuildingBlockState() const;
    CommandState NewFolderState() const;
    CommandState NewStepState() const;
    CommandState EditStepState() const;
    CommandState TaskFlowEditorState() const;
    CommandState WindowEditorState() const;
    CommandState MenuEditorState() const;
    CommandState SetStartWindowState() const;
    CommandState ReplaceWindowState() const;
    CommandState ChangeWindowTypeState() const;
    CommandState NewMenuState() const;
    CommandState NewMenuItemState() const;
    CommandState GenerateWindowTagsState() const;
    CommandState PropertiesEditorState() const;
    CommandState CutState() const;
    CommandState CopyState() const;
    CommandState PasteState() const;
    CommandState DeleteState() const;
    CommandState SearchObjectState() const;
    CommandState SearchReferencesState() const;
    CommandState ShowInTaskTreeState() const;
    CommandState ShowInWindowTreeState() const;
    CommandState ShowTransitionsState() const { return ViewModePairState(kShowTransitions); }
    CommandState ShowCoverageState() const { return ViewModePairState(kShowCoverage); }
    CommandState ShowGrandchildrenState() const { return ViewModeBitState(kShowGrandchildren); }
    CommandState ShowStepInfoState() const { return ViewModeBitState(kShowStepInfo); }
    CommandState VerticalDiagramsState() const { return ViewModeBitState(kVerticalDiagrams); }
    CommandState ViewModePairState(int bit) const;
    CommandState ViewModeBitState(int bit) const;
    CommandState SortState() const { return {pick_.mode == 0, false}; }
    CommandState SortByUftClassState() const;

    // ---- What the commands share.

    WorkspacePage* GetPage(WorkspacePageIndex index) const;
    std::vector<WorkspacePage*> Pages() const;
    void ShowProjectTitle();
    // The frame's part of closing a project: empty, disabled trees, the plain title, no pick.
    void AfterProjectClosed();
    // The frame's part of a load: a fresh undo history, the bars, the load errors, the title.
    int AfterProjectLoaded(const std::string& path, int result);
    void SendVornakExit();
    void SwitchLanguage();
    CommandState GetLanguageState(bool german) const;
    // Whether the command is one that the Test Data page carries out, and that page is active.
    bool IsTestDataPageCommand(int command) const;
    // The same for the Requirements page.
    bool IsRequirementsPageCommand(int command) const;
    void ShowWarning(int textId, int captionId);
    void ShowInformation(int textId, int captionId);
    void ShowError(int textId, int captionId);
    // The global message buffer in a box with the caption.
    void ShowGlobalMessage(int captionId, MessageIcon icon);
    // A question with Yes and No: true for Yes.
    bool AskYesNo(int questionId, int captionId, MessageIcon icon = MessageIcon::Question);

    // The window of the pane: the Windows page's selected window, a window view's selected
    // object else its window, a menu view's selected item else its menu; null elsewhere.
    CWindowKav* WindowOfPane(const ActivePane& pane) const;
    // The shown window of a window or menu view.
    static CWindowKav* ShownWindow(const FrameView* view);
    static CTaskKav* ShownTask(const FrameView* view);
    static CTestCase* ShownTestCase(const FrameView* view);
    // The one selected step of a flow or test case view, else null.
    static CStepKav* OneSelectedStep(const FrameView* view);
    // What generation and viewing act on; a building block stands for the task that holds it
    // and, outside "OldTaskMode", the root task for the project.
    PaneObjects ObjectsToGenerateFor(const ActivePane& pane) const;
    // The window that Window Editor opens on the pane, and whether the pane asks for an empty
    // view instead.
    CWindowKav* WindowToEdit(const ActivePane& pane, bool& emptyView) const;
    // The window whose menu Menu Editor shows.
    CWindowKav* WindowForMenuEditor(const ActivePane& pane) const;
    // The task that Show in Task Tree selects, and the object Show in Window Tree selects.
    CTaskKav* TaskToShowInTree(const ActivePane& pane) const;
    CWindowKav* WindowToShowInTree(const ActivePane& pane) const;
    // The active pane gets the focus back while it is still there.
    void RestoreFocus(const ActivePane& pane);
    // Brings the page forward, the application bar shown first.
    void ShowPage(WorkspacePageIndex index);

    // Pick operations.
    void StartPick(int mode, int statusTextId);
    // Hands the picked object to the view that waits in mode 6 or 7, then ends the pick.
    void AssignToWaitingView(const std::function<void(FrameView& view)>& assign);
    // The building block of mode 8 made from the picked task.
    void MakeWindowBuildingBlock(CTaskKav* picked);
    // A window or menu view just opened follows the pending pick operation.
    void FollowPickMode(FrameView& view);

    // Views and view mode.
    void SwitchTransitionsOrCoverage(int bit);
    void ToggleFlowViewMode(int bit);
    void PushViewMode(std::initializer_list<PaneKind> kinds);
    // Opens the view of the object for a picture, draws it, and closes it again when it was
    // not open before.
    bool RenderPicture(PaneKind kind, CKavroObj* object, ViewPicture& target, int viewMode);

    // Edit.
    void CopyWindowViewSelection(FrameView& view);
    void CopyTaskSteps(FrameView& view);
    void PasteTaskSteps(FrameView& view);
    void PasteTask(CTaskKav& parent, bool cut);
    void PasteWindows(CWindowKav& parent, const std::vector<CWindowKav*>& windows, bool cut);
    void DeleteRequirement(CRequirement& requirement);
    void DeleteTask(CTaskKav& task);
    // False after the box that the transition's start window does not hold it.
    bool DeleteTransition(CTransitionKav& transition, bool fromMenu);
    // Deletes the windows with everything that refers to them; false after a model refusal.
    bool DeleteWindows(const std::vector<CWindowKav*>& windows);
    void DeleteTestSteps(FrameView& view);
    void DeleteFlowSelection(FrameView& view);

    // Model commands.
    void CreateTask(int type);
    // The file import pattern: the folder of the last import from the value, the dialog, the
    // value written back; the chosen path, or nothing when the user cancelled.
    std::optional<std::string> AskForImportFile(const char* recentValue, const char* defaultName,
                                                const char* filter, int titleId);
    // Runs an importer in the message log window of the mode; marks the project with the undo
    // step on success.
    int RunImportInLog(int mode, const std::function<int(MessageLog&)>& import, int undoNameId);
    // The same-project and library checks of the project data import.
    bool IsAllowedImportSource(const std::string& path);
    void RunRepositoryOptions(int action);
    void SortWindows(const char* order);
    void EditProperties(const ActivePane& pane);

    MainFrameWindow& window_;
    std::unique_ptr<CProjectSession> session_;
    RecentFileList recentFiles_;
    int viewMode_ = kDefaultViewMode;
    int drawingTool_ = kSelectTool;
    PickState pick_;
    // Set by Cut around its Delete, so that Delete asks nothing.
    bool cutInProgress_ = false;
    std::vector<FrameView*> views_;
    TasksPage* tasksPage_ = nullptr;
    RequirementsPage* requirementsPage_ = nullptr;
    WindowsPage* windowsPage_ = nullptr;
    TestDataPage* testDataPage_ = nullptr;
    VornakStarter vornakStarter_;
    std::unique_ptr<VornakLink> vornak_;
    ProjectDialogRunner projectDialog_;
    std::function<int(EditorDialog&)> runModal_;
    FrameServices services_;
    // After the session: it snapshots the session's root.
    CUndoManager undo_;
};
