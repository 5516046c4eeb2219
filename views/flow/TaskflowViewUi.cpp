#include "views/flow/TaskflowViewUi.h"

#include "model/ShellServices.h"
#include "shell/MainFrame.h"

// ---- The canvas

TaskflowCanvas::TaskflowCanvas(wxWindow* parent, CTaskflowView& view) : FlowCanvas(parent, view, wxWANTS_CHARS) {
    Bind(wxEVT_SET_CURSOR, &TaskflowCanvas::OnSetCursor, this);
    SetHelpContext(CTaskflowView::kHelpContext);
}

void TaskflowCanvas::OnSetCursor(wxSetCursorEvent& event) {
    if (view_.ShowsPickCursor()) event.SetCursor(wxCursor(wxCURSOR_BULLSEYE));
    else event.Skip();
}

// ---- The view

wxWindow* CTaskflowViewUi::CreateCanvas(wxWindow* parent) {
    canvas_ = new TaskflowCanvas(parent, view_);
    return canvas_;
}

void CTaskflowViewUi::ShowObject(CKavroObj* object, int viewMode) {
    view_.SetTask(dynamic_cast<CTaskKav*>(object), viewMode);
    view_.OnInitialUpdate();
}

CKavroObj* CTaskflowViewUi::ShownObject() const { return view_.GetTask(); }

void CTaskflowViewUi::Rebind() {
    if (CurrentApplication) view_.RebindObjects(*CurrentApplication);
}

// Whatever pick the view waited for is over: it leaves connect and assign mode.
void CTaskflowViewUi::EndPickOperation(bool) {
    switch (view_.GetMode()) {
        case CTaskflowView::kModeConnectFirst:
        case CTaskflowView::kModeConnectSecond: view_.SetMode(CTaskflowView::kModeNone); break;
        case CTaskflowView::kModeAssign: view_.SetAssignMode(false); break;
        default: break;
    }
}

std::vector<CStepKav*> CTaskflowViewUi::GetSelectedSteps() const {
    const std::vector<CTaskStep*>& selected = view_.GetSelectedSteps();
    return {selected.begin(), selected.end()};
}

CStepKav* CTaskflowViewUi::GetStartStep() const { return view_.GetTask() ? view_.GetTask()->GetStartStep() : nullptr; }

bool CTaskflowViewUi::DrawToBitmap(wxBitmap& bitmap) {
    return canvas_ && ::DrawPicture(view_.GetBitmapSize(), *canvas_, [this](TextSurface&) { return view_.Draw(); }, bitmap);
}

void CTaskflowViewUi::ReportPickedStep(CTaskStep*) { MainFrame().OnStepPicked(this); }

void CTaskflowViewUi::ReportTaskChanged(CTaskKav* task) { MainFrame().OnTaskChanged(task); }

void CTaskflowViewUi::OpenTaskFlow(CTaskKav* task) {
    if (task && !task->IsFolder()) MainFrame().ShowView(PaneKind::TaskFlowView, task);
}

void CTaskflowViewUi::OpenStepEditor(CTaskStep* step) { MainFrame().OnEditStepMessage(step); }

void CTaskflowViewUi::SendCommand(int command) { MainFrame().OnCommand(command); }

void CTaskflowViewUi::ShowTitle(const std::string& title) { SetViewTitle(*this, title); }

void CTaskflowViewUi::SetScrollSizes(ViewSize size) {
    if (canvas_) canvas_->SetVirtualSize(size.width, size.height);
}

void CTaskflowViewUi::Redraw() { RepaintNow(canvas_); }

void CTaskflowViewUi::CloseView() {
    CallAfter([this] { RequestClose(); });
}

void InstallTaskflowView() {
    InstallViewFactory(PaneKind::TaskFlowView, [] { return new CTaskflowViewUi; });
}
