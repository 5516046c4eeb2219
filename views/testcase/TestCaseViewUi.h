#pragma once
// The test case view's window: a scrolled canvas in the test case view's tab that shows
// CTestCaseView's drawing, passes it clicks and rubber bands, and the view's part towards the
// frame.
#include "shell/wx/KavroDoc.h"
#include "views/flow/FlowCanvas.h"
#include "views/testcase/TestCaseView.h"

class TestCaseCanvas : public FlowCanvas<CTestCaseView> {
public:
    TestCaseCanvas(wxWindow* parent, CTestCaseView& view) : FlowCanvas(parent, view) {
        SetHelpContext(CTestCaseView::kHelpContext);
    }
};

class CTestCaseViewUi : public CKavroView, public TestCaseViewHost {
public:
    CTestCaseView& GetLogic() { return view_; }
    TestCaseCanvas* GetCanvas() const { return canvas_; }
    // The whole test case in the bitmap for the documentation; false (the bitmap untouched)
    // when it is too large for one.
    bool DrawToBitmap(wxBitmap& bitmap);

    // CKavroView and FrameView.
    wxWindow* CreateCanvas(wxWindow* parent) override;
    void ShowObject(CKavroObj* object, int viewMode) override;
    PaneKind Kind() const override { return PaneKind::TestCaseView; }
    CKavroObj* ShownObject() const override;
    void Refresh() override { view_.UpdateTitle(); }
    void Rebind() override;
    void SetViewMode(int viewMode) override { view_.SetDisplayFlags(viewMode); }
    void EndPickOperation(bool drawingToolChosen) override;
    std::vector<CStepKav*> GetSelectedSteps() const override;
    CStepKav* GetStartStep() const override { return view_.GetStartStep(); }
    bool HasSelectedConnection() const override { return view_.GetSelectedConnection() != nullptr; }
    // A selected arrow is where a new step goes.
    bool CanInsertStep() const override { return HasSelectedConnection(); }
    bool InsertStep() override { return view_.InsertStep(); }
    void DeleteSelection() override { view_.DeleteSelectedSteps(); }
    void SetAssignMode(bool on) override { view_.SetAssignMode(on); }
    void AssignWindow(CWindowKav* window) override { view_.AssignWindowToStep(window); }
    void AssignTransition(CTransitionKav* transition) override { view_.AssignTransitionToStep(transition); }
    void Relayout() override { view_.ArrangeSteps(); }

    // TestCaseViewHost (Redraw serves FrameView too).
    void OpenStepEditor(CTestStep* step) override;
    void SendCommand(int command) override;
    void ShowTitle(const std::string& title) override;
    void SetScrollSizes(ViewSize size) override;
    void Redraw() override;
    void CloseView() override;

private:
    CTestCaseView view_{*this};
    TestCaseCanvas* canvas_ = nullptr;
};

// The test case view of the frame's test case template.
void InstallTestCaseView();
