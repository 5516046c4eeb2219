#pragma once
// The graphical editor of one task: its steps as boxes on a grid of levels and columns, its
// connections as arrows between them. The user selects steps and connections, connects steps
// for the main frame, inserts and deletes steps, and in assign mode gives the selected step a
// window, a transition or a task picked elsewhere. The view owns only its connections; it
// changes the task through the model and reports each change to the frame.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/StepConnect.h"
#include "model/TaskKav.h"
#include "views/drawing/DrawList.h"
#include "views/drawing/TextSurface.h"
#include "views/drawing/ViewGeometry.h"
#include "views/drawing/ViewMenu.h"
#include "views/flow/FlowBoxes.h"
#include "views/flow/FlowLayout.h"
#include "views/flow/TaskflowViewHost.h"

class CApplicationKav;
class CTransitionKav;
class CWindowKav;

class CTaskflowView {
public:
    enum Mode : int {
        kModeNone = 0,
        kModeOneStep = 1,
        kModeConnection = 2,
        kModeSeveral = 3,
        kModeConnectFirst = 4,
        kModeConnectSecond = 5,
        kModeAssign = 6,
    };
    // Display flags.
    static constexpr int kShowStepInfo = 16;
    static constexpr int kTopToBottom = 32;

    static constexpr int kHelpContext = 35004;
    static constexpr int kEditStepCommand = 32924;

    struct Hit {
        CStepConnect* connection = nullptr;
        CTaskStep* step = nullptr;
    };
    // The info box under the pointer: its text and where it stands in the client area.
    struct InfoBox {
        std::string text;
        ViewRect rect;
    };

    explicit CTaskflowView(TaskflowViewHost& host);
    CTaskflowView(const CTaskflowView&) = delete;
    CTaskflowView& operator=(const CTaskflowView&) = delete;
    ~CTaskflowView();

    static const std::vector<ViewMenuEntry>& ContextMenu();
    static const TextFont& Font();

    // Before the first update.
    void SetTask(CTaskKav* task, int displayFlags);
    // Title, layout, and the start step selected.
    void OnInitialUpdate();
    // Modes 0 and 4 start from an empty selection; 1 and 3 keep it; 2 keeps the connection, 5
    // the step picked first; 6 changes nothing else.
    void SetMode(int mode);
    // On: waits for an object to assign (mode 6); off: back to mode 1.
    void SetAssignMode(bool on);
    void SetDisplayFlags(int flags);
    void UpdateTitle();
    // After the project's objects were replaced: finds the task and the selected steps again by
    // their identifiers, or closes the view when the task is gone.
    void RebindObjects(const CApplicationKav& app);

    CTaskKav* GetTask() const { return task_; }
    int GetMode() const { return mode_; }
    int GetDisplayFlags() const { return displayFlags_; }
    const std::vector<CTaskStep*>& GetSelectedSteps() const { return selection_; }
    // The steps of the list that belong to the task, each once.
    void SetSelectedSteps(const std::vector<CTaskStep*>& steps);
    CTaskStep* GetClickedStep() const { return clickedStep_; }
    CStepConnect* GetSelectedConnection() const { return selectedConnection_; }
    CTaskStep* GetConnectionStart() const { return connectionStart_; }
    const std::vector<std::unique_ptr<CStepConnect>>& GetConnections() const { return connections_; }
    // Connecting shows the pick cursor.
    bool ShowsPickCursor() const { return mode_ == kModeConnectFirst || mode_ == kModeConnectSecond; }

    // ---- Layout

    const FlowBoxes& Boxes() const;
    void LayoutSteps();
    FlowGrid GetGrid() const { return grid_; }
    ViewSize GetContentSize() const { return contentSize_; }
    ViewSize GetScrollSize() const { return {contentSize_.width + 20, contentSize_.height + 20}; }
    ViewRect BoxOf(const CStepKav& step) const;
    Hit HitTest(ViewPoint point) const;
    // The bitmap of the whole flow for the documentation: the scroll size with its width
    // rounded up to a multiple of 4; none when a side passes the limit.
    std::optional<ViewSize> GetBitmapSize() const;

    // ---- Editing

    // False when refused, with the reason shown and nothing changed.
    bool InsertStep();
    void DeleteSelection();
    void AssignWindowToStep(CWindowKav* window);
    void AssignTransitionToStep(CTransitionKav* transition);
    void AssignTaskToStep(CTaskKav* task);

    // ---- Drawing: the boxes in step-list order, then the arrows.
    DrawList Draw() const;

    // ---- Mouse

    // True when a rubber band should be tracked from the point (a press on empty space).
    bool OnLeftButtonDown(ViewPoint point, bool ctrl);
    // The band the user dragged after a press on empty space.
    void OnBandTracked(const ViewRect& band);
    void OnDoubleClick();
    // The selection a right click at the point makes before the context menu opens.
    void OnContextMenuAt(ViewPoint point);
    void OnContextCommand(int command);
    // For a pointer at the client point (logical the same point scrolled); none hides the box.
    std::optional<InfoBox> InfoBoxAt(ViewPoint client, ViewPoint logical, ViewSize clientSize,
                                     const TextSurface& surface) const;
    // What the step does, in lines ended by "\r\n".
    std::string GetStepInfoText(const CTaskStep& step) const;

private:
    bool IsSelected(const CTaskStep* step) const;
    void SelectAdd(CTaskStep* step);
    void SelectOnly(CTaskStep* step);
    void UpdateModeFromSelection();
    void ClearPicks();
    // The step that gets the object: the one selected step. Without an object or with another
    // selection, none, and the selection is emptied.
    CTaskStep* StepToAssign(const void* object);
    // An assignment that stopped: the step stays selected.
    void KeepStep();
    // An assignment that changed the step.
    void EndAssignment(int undoName);
    std::string DescribeSubTaskCall(const CTaskStep& step) const;

    TaskflowViewHost& host_;
    std::vector<std::unique_ptr<CStepConnect>> connections_;
    CTaskKav* task_ = nullptr;
    std::vector<CTaskStep*> selection_;
    CTaskStep* clickedStep_ = nullptr;
    CStepConnect* selectedConnection_ = nullptr;
    CTaskStep* connectionStart_ = nullptr;
    int mode_ = kModeNone;
    int displayFlags_ = 0;
    FlowGrid grid_{3, 3};
    ViewSize contentSize_;
};
