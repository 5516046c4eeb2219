#include "views/testcase/TestCaseViewUi.h"

#include <wx/dcbuffer.h>

#include "model/ShellServices.h"
#include "model/TestCase.h"
#include "shell/MainFrame.h"
#include "views/drawing/WxSurface.h"
#include "views/drawing/WxViewMenu.h"

// ---- The canvas

TestCaseCanvas::TestCaseCanvas(wxWindow* parent, CTestCaseView& view)
    : ViewCanvas(parent),
      view_(view),
      infoBox_(new wxStaticText(this, wxID_ANY, "", wxPoint(0, 0), wxSize(50, 100), wxBORDER_SIMPLE)) {
    infoBox_->SetBackgroundColour(wxColour(245, 245, 140));
    infoBox_->SetForegroundColour(*wxBLACK);
    infoBox_->SetFont(wxFont(wxFontInfo(wxSize(0, 14)).FaceName("Arial")));
    infoBox_->Hide();
    SetHelpContext(CTestCaseView::kHelpContext);
    Bind(wxEVT_PAINT, &TestCaseCanvas::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &TestCaseCanvas::OnLeftDown, this);
    Bind(wxEVT_MOTION, &TestCaseCanvas::OnMotion, this);
    Bind(wxEVT_LEFT_UP, &TestCaseCanvas::OnLeftUp, this);
    Bind(wxEVT_LEFT_DCLICK, &TestCaseCanvas::OnDoubleClick, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &TestCaseCanvas::OnCaptureLost, this);
    Bind(wxEVT_CONTEXT_MENU, &TestCaseCanvas::OnContextMenu, this);
}

void TestCaseCanvas::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    DoPrepareDC(dc);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    WxSurface surface(dc, *this);
    Replay(view_.Draw(), surface);
}

void TestCaseCanvas::OnLeftDown(wxMouseEvent& event) {
    SetFocus();
    const ViewPoint point = ToLogical(event.GetPosition());
    if (!view_.OnLeftButtonDown(point, event.ControlDown())) return;
    tracking_ = true;
    band_ = {point.x, point.y, point.x, point.y};
    if (!HasCapture()) CaptureMouse();
}

void TestCaseCanvas::OnMotion(wxMouseEvent& event) {
    if (!tracking_) {
        ShowInfoBox(event.GetPosition());
        return;
    }
    const ViewPoint point = ToLogical(event.GetPosition());
    band_.right = point.x;
    band_.bottom = point.y;
    wxClientDC dc(this);
    DoPrepareDC(dc);
    wxDCOverlay layer(overlay_, &dc);
    layer.Clear();
    dc.SetPen(wxPen(*wxBLACK, 1, wxPENSTYLE_DOT));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(ToWxRect(band_.Normalized()));
}

void TestCaseCanvas::ShowInfoBox(const wxPoint& client) {
    if (client == lastMouse_) return;
    lastMouse_ = client;
    wxClientDC dc(this);
    WxSurface surface(dc, *this);
    const wxSize size = GetClientSize();
    const auto box = view_.InfoBoxAt({client.x, client.y}, ToLogical(client), {size.x, size.y}, surface);
    if (!box) {
        infoBox_->Hide();
    SetHelpContext(CTestCaseView::kHelpContext);
        return;
    }
    wxString text = wxString::FromUTF8(box->text);
    text.Replace("\r\n", "\n");
    infoBox_->SetLabel(text.Trim());
    infoBox_->SetSize(ToWxRect(box->rect));
    infoBox_->Raise();
    infoBox_->Show();
}

void TestCaseCanvas::OnLeftUp(wxMouseEvent& event) {
    if (!tracking_) return;
    // The band ends where the button comes up, whether or not the last move arrived.
    const ViewPoint end = ToLogical(event.GetPosition());
    const ViewRect band{band_.left, band_.top, end.x, end.y};
    EndBand();
    // A press without a drag tracks no band.
    if (band.left != band.right || band.top != band.bottom) view_.OnBandTracked(band);
    Refresh();
}

void TestCaseCanvas::OnDoubleClick(wxMouseEvent&) { view_.OnDoubleClick(); }

void TestCaseCanvas::OnCaptureLost(wxMouseCaptureLostEvent&) {
    tracking_ = false;
    overlay_.Reset();
    Refresh();
}

void TestCaseCanvas::EndBand() {
    tracking_ = false;
    if (HasCapture()) ReleaseMouse();
    {
        wxClientDC dc(this);
        DoPrepareDC(dc);
        wxDCOverlay layer(overlay_, &dc);
        layer.Clear();
    }
    overlay_.Reset();
}

void TestCaseCanvas::OnContextMenu(wxContextMenuEvent& event) {
    const bool fromKeyboard = event.GetPosition() == wxDefaultPosition;
    const wxPoint at = fromKeyboard ? wxPoint(0, 0) : ScreenToClient(event.GetPosition());
    if (!fromKeyboard) view_.OnContextMenuAt(ToLogical(at));
    Update();
    if (const int command = ChooseFromViewMenu(*this, CTestCaseView::ContextMenu(), at)) view_.OnContextCommand(command);
}

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

void CTestCaseViewUi::Rebind() {
    if (CurrentApplication) view_.RebindModel(*CurrentApplication);
}

// The frame's step editor answers this; until it comes, a double-click opens nothing.
void CTestCaseViewUi::OpenStepEditor(CTestStep*) {}

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
