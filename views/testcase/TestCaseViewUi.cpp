#include "views/testcase/TestCaseViewUi.h"

#include "model/ShellServices.h"
#include "model/TestCase.h"
#include "shell/MainFrame.h"

// ---- The view

wxWindow* CTestCaseViewUi::CreateCanvas(wxWindow* parent) {
    canvas_ = new TestCaseCanvas(parent, view_);
    return canvas_;
}

void CTestCaseViewUi::ShowObject(CKavroObj* object, int viewMode) {
    view_.SetTestCase(dynamic_cast<CTestCase*>(object), viewMode);
    view_.OnInitialUpdate();
}

CKavroObj* CTestCaseViewUi::ShownObject() const { return view_.GetTestCase(); }

bool CTestCaseViewUi::DrawToBitmap(wxBitmap& bitmap) {
    return canvas_ && ::DrawPicture(view_.GetBitmapSize(), *canvas_, [this](TextSurface&) { return view_.Draw(); }, bitmap);
}

void CTestCaseViewUi::Rebind() {
    if (CurrentApplication) view_.RebindModel(*CurrentApplication);
}

void CTestCaseViewUi::OpenStepEditor(CTestStep* step) { MainFrame().OnEditStepMessage(step); }

// The view that waited for an object to assign no longer waits.
void CTestCaseViewUi::EndPickOperation(bool) {
    if (view_.GetMode() == CTestCaseView::kModeAssign) view_.SetAssignMode(false);
}

std::vector<CStepKav*> CTestCaseViewUi::GetSelectedSteps() const {
    const std::vector<CTestStep*>& selected = view_.GetSelection();
    return {selected.begin(), selected.end()};
}

void CTestCaseViewUi::SendCommand(int command) { MainFrame().OnCommand(command); }

void CTestCaseViewUi::ShowTitle(const std::string& title) { SetViewTitle(*this, title); }

void CTestCaseViewUi::SetScrollSizes(ViewSize size) {
    if (canvas_) canvas_->SetVirtualSize(size.width, size.height);
}

void CTestCaseViewUi::Redraw() { RepaintNow(canvas_); }

void CTestCaseViewUi::CloseView() {
    CallAfter([this] { RequestClose(); });
}

void InstallTestCaseView() {
    InstallViewFactory(PaneKind::TestCaseView, [] { return new CTestCaseViewUi; });
}
