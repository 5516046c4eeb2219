#pragma once
// The window of a flow view (task flow, test case): a scrolled canvas that shows the view's
// drawing and passes it clicks, double-clicks, rubber bands dragged from empty space and the
// context menu, and shows the step information box under the resting pointer.
//
// The view provides Draw(), OnLeftButtonDown(point, ctrl) (true: track a band), OnBandTracked,
// OnDoubleClick, InfoBoxAt, OnContextMenuAt, ContextMenu() and OnContextCommand.
#include <wx/dcbuffer.h>
#include <wx/overlay.h>
#include <wx/stattext.h>

#include "views/drawing/ViewCanvas.h"
#include "views/drawing/WxSurface.h"
#include "views/drawing/WxViewMenu.h"

template <class FlowView>
class FlowCanvas : public ViewCanvas {
public:
    FlowCanvas(wxWindow* parent, FlowView& view, long style = 0);

protected:
    FlowView& view_;

private:
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnDoubleClick(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);
    void EndBand();
    void ShowInfoBox(const wxPoint& client);

    wxOverlay overlay_;
    wxStaticText* infoBox_;
    wxPoint lastMouse_;
    bool tracking_ = false;
    ViewRect band_;
};

template <class FlowView>
FlowCanvas<FlowView>::FlowCanvas(wxWindow* parent, FlowView& view, long style)
    : ViewCanvas(parent, style),
      view_(view),
      infoBox_(new wxStaticText(this, wxID_ANY, "", wxPoint(0, 0), wxSize(50, 100), wxBORDER_SIMPLE)) {
    infoBox_->SetBackgroundColour(wxColour(245, 245, 140));
    infoBox_->SetForegroundColour(*wxBLACK);
    infoBox_->SetFont(ToWxFont(FlowView::Font()));
    infoBox_->Hide();
    this->Bind(wxEVT_PAINT, &FlowCanvas::OnPaint, this);
    this->Bind(wxEVT_LEFT_DOWN, &FlowCanvas::OnLeftDown, this);
    this->Bind(wxEVT_MOTION, &FlowCanvas::OnMotion, this);
    this->Bind(wxEVT_LEFT_UP, &FlowCanvas::OnLeftUp, this);
    this->Bind(wxEVT_LEFT_DCLICK, &FlowCanvas::OnDoubleClick, this);
    this->Bind(wxEVT_MOUSE_CAPTURE_LOST, &FlowCanvas::OnCaptureLost, this);
    this->Bind(wxEVT_CONTEXT_MENU, &FlowCanvas::OnContextMenu, this);
}

template <class FlowView>
void FlowCanvas<FlowView>::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    DoPrepareDC(dc);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    WxSurface surface(dc, *this);
    Replay(view_.Draw(), surface);
}

template <class FlowView>
void FlowCanvas<FlowView>::OnLeftDown(wxMouseEvent& event) {
    SetFocus();
    const ViewPoint point = ToLogical(event.GetPosition());
    if (!view_.OnLeftButtonDown(point, event.ControlDown())) return;
    tracking_ = true;
    band_ = {point.x, point.y, point.x, point.y};
    if (!HasCapture()) CaptureMouse();
}

template <class FlowView>
void FlowCanvas<FlowView>::OnMotion(wxMouseEvent& event) {
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

template <class FlowView>
void FlowCanvas<FlowView>::ShowInfoBox(const wxPoint& client) {
    if (client == lastMouse_) return;
    lastMouse_ = client;
    wxClientDC dc(this);
    WxSurface surface(dc, *this);
    const wxSize size = GetClientSize();
    const auto box = view_.InfoBoxAt({client.x, client.y}, ToLogical(client), {size.x, size.y}, surface);
    if (!box) {
        infoBox_->Hide();
        return;
    }
    wxString text = wxString::FromUTF8(box->text);
    text.Replace("\r\n", "\n");
    infoBox_->SetLabel(text.Trim());
    infoBox_->SetSize(ToWxRect(box->rect));
    infoBox_->Raise();
    infoBox_->Show();
}

template <class FlowView>
void FlowCanvas<FlowView>::OnLeftUp(wxMouseEvent& event) {
    if (!tracking_) return;
    // The band ends where the button comes up, whether or not the last move arrived.
    const ViewPoint end = ToLogical(event.GetPosition());
    const ViewRect band{band_.left, band_.top, end.x, end.y};
    EndBand();
    // A press without a drag tracks no band.
    if (band.left != band.right || band.top != band.bottom) view_.OnBandTracked(band);
    Refresh();
}

template <class FlowView>
void FlowCanvas<FlowView>::OnDoubleClick(wxMouseEvent&) {
    view_.OnDoubleClick();
}

template <class FlowView>
void FlowCanvas<FlowView>::OnCaptureLost(wxMouseCaptureLostEvent&) {
    tracking_ = false;
    overlay_.Reset();
    Refresh();
}

template <class FlowView>
void FlowCanvas<FlowView>::EndBand() {
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

template <class FlowView>
void FlowCanvas<FlowView>::OnContextMenu(wxContextMenuEvent& event) {
    // From the keyboard the menu opens at the client origin and the selection stays.
    const bool fromKeyboard = event.GetPosition() == wxDefaultPosition;
    const wxPoint at = fromKeyboard ? wxPoint(0, 0) : ScreenToClient(event.GetPosition());
    if (!fromKeyboard) view_.OnContextMenuAt(ToLogical(at));
    Update();
    if (const int command = ChooseFromViewMenu(*this, FlowView::ContextMenu(), at)) view_.OnContextCommand(command);
}
