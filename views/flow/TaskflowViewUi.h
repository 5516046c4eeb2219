#pragma once
// The task-flow view's window: a flow canvas in the task-flow view's tab that shows
// CTaskflowView's drawing with the pick cursor while steps are being connected and its help on
// F1, renders the flow into bitmaps, and the view's part towards the frame.
#include <wx/bitmap.h>

#include "shell/wx/KavroDoc.h"
#include "views/flow/FlowCanvas.h"
#include "views/flow/TaskflowView.h"

class TaskflowCanvas : public FlowCanvas<CTaskflowView> {
public:
    TaskflowCanvas(wxWindow* parent, CTaskflowView& view);

private:
    void OnSetCursor(wxSetCursorEvent& event);
};

class CTaskflowViewUi : public CKavroView, public TaskflowViewHost {
public:
    CTaskflowView& GetLogic() { return view_; }
    TaskflowCanvas* GetCanvas() const { return canvas_; }
    // The whole flow in the bitmap for the documentation; false (the bitmap untouched) when
    // the flow is too large for one.
    bool DrawToBitmap(wxBitmap& bitmap);

    // CKavroView and FrameView.
    wxWindow* CreateCanvas(wxWindow* parent) override;
    void ShowObject(CKavroObj* object, int viewMode) override;
    PaneKind Kind() const override { return PaneKind::TaskFlowView; }
    CKavroObj* ShownObject() const override;
    void Refresh() override { view_.UpdateTitle(); }
    void Rebind() override;
    void EndPickOperation(bool drawingToolChosen) override;
    void SetStepPickMode(int mode) override { view_.SetMode(mode); }
    void SetViewMode(int viewMode) override { view_.SetDisplayFlags(viewMode); }
    std::vector<CStepKav*> GetSelectedSteps() const override;
    CStepKav* GetStartStep() const override;
    bool HasSelectedConnection() const override { return view_.GetSelectedConnection() != nullptr; }
    bool InsertStep() override { return view_.InsertStep(); }
    void DeleteSelection() override { view_.DeleteSelection(); }
    void SetAssignMode(bool on) override { view_.SetAssignMode(on); }
    void AssignWindow(CWindowKav* window) override { view_.AssignWindowToStep(window); }
    void AssignTransition(CTransitionKav* transition) override { view_.AssignTransitionToStep(transition); }
    void AssignTask(CTaskKav* task) override { view_.AssignTaskToStep(task); }
    void Relayout() override { view_.LayoutSteps(); }

    // TaskflowViewHost (Redraw serves FrameView too).
    void ReportPickedStep(CTaskStep* step) override;
    void ReportTaskChanged(CTaskKav* task) override;
    void OpenTaskFlow(CTaskKav* task) override;
    void OpenStepEditor(CTaskStep* step) override;
    void SendCommand(int command) override;
    void ShowTitle(const std::string& title) override;
    void SetScrollSizes(ViewSize size) override;
    void Redraw() override;
    void CloseView() override;

private:
    CTaskflowView view_{*this};
    TaskflowCanvas* canvas_ = nullptr;
};

// The task-flow view of the frame's task-flow template.
void InstallTaskflowView();
