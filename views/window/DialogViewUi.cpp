#include "views/window/DialogViewUi.h"

#include <wx/dcbuffer.h>
#include <wx/menu.h>
#include <wx/print.h>
#include <wx/settings.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

#include "model/WindowKav.h"
#include "resources/MessageCatalogue.h"
#include "shell/CommandIds.h"
#include "shell/MainFrame.h"
#include "views/drawing/WxSurface.h"
#include "views/drawing/WxViewMenu.h"
#include "views/window/DialogPrintoutUi.h"
#include "views/window/DialogViewPrint.h"

namespace {

constexpr int kPrintDirect = 57608;
constexpr int kPrintPreview = 57609;

wxStockCursor StockCursor(DialogCursor cursor) {
    switch (cursor) {
        case DialogCursor::Pick: return wxCURSOR_BULLSEYE;
        case DialogCursor::Move: return wxCURSOR_SIZING;
        case DialogCursor::SizeNwse: return wxCURSOR_SIZENWSE;
        case DialogCursor::SizeNesw: return wxCURSOR_SIZENESW;
        case DialogCursor::SizeNs: return wxCURSOR_SIZENS;
        case DialogCursor::SizeWe: return wxCURSOR_SIZEWE;
        case DialogCursor::Default: break;
    }
    return wxCURSOR_ARROW;
}

}  // namespace

// ---- The canvas

DialogCanvas::DialogCanvas(wxWindow* parent, CDialogViewUi& owner)
    : ViewCanvas(parent, wxWANTS_CHARS), owner_(owner) {
    SetHelpContext(CDialogView::kHelpContext);
    Bind(wxEVT_PAINT, &DialogCanvas::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &DialogCanvas::OnLeftDown, this);
    Bind(wxEVT_MOTION, &DialogCanvas::OnMotion, this);
    Bind(wxEVT_LEFT_UP, &DialogCanvas::OnLeftUp, this);
    Bind(wxEVT_LEFT_DCLICK, &DialogCanvas::OnDoubleClick, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &DialogCanvas::OnCaptureLost, this);
    Bind(wxEVT_KEY_DOWN, &DialogCanvas::OnKeyDown, this);
    Bind(wxEVT_CONTEXT_MENU, &DialogCanvas::OnContextMenu, this);
}

CDialogView& DialogCanvas::Logic() { return owner_.GetLogic(); }

void DialogCanvas::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    DoPrepareDC(dc);
    dc.SetBackground(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW)));
    dc.Clear();
    std::unique_ptr<wxBusyCursor> routing;
    if (Logic().NeedsArrows() && Logic().GetDisplayedWindow()) routing = std::make_unique<wxBusyCursor>();
    WxSurface surface(dc, *this);
    Replay(Logic().Paint(surface, false), surface);
}

void DialogCanvas::OnLeftDown(wxMouseEvent& event) {
    SetFocus();
    Logic().OnLeftButtonDown(ToLogical(event.GetPosition()), event.ControlDown());
    if (Logic().GetDrag() != DialogDrag::None && !HasCapture()) CaptureMouse();
}

void DialogCanvas::OnMotion(wxMouseEvent& event) {
    const ViewPoint point = ToLogical(event.GetPosition());
    if (Logic().GetDrag() == DialogDrag::None) {
        SetCursor(wxCursor(StockCursor(Logic().CursorAt(point))));
        return;
    }
    Logic().OnDragTo(point);
    ShowDragRect();
}

void DialogCanvas::OnLeftUp(wxMouseEvent& event) {
    if (Logic().GetDrag() == DialogDrag::None) return;
    EndDragDisplay();
    Logic().OnLeftButtonUp(ToLogical(event.GetPosition()));
    Refresh();
}

void DialogCanvas::OnDoubleClick(wxMouseEvent&) { Logic().OnDoubleClick(); }

void DialogCanvas::OnCaptureLost(wxMouseCaptureLostEvent&) {
    overlay_.Reset();
    Logic().CancelDrag();
    Refresh();
}

void DialogCanvas::OnKeyDown(wxKeyEvent& event) {
    switch (event.GetKeyCode()) {
        case WXK_ESCAPE:
            if (Logic().GetDrag() == DialogDrag::None) break;
            EndDragDisplay();
            Logic().CancelDrag();
            Refresh();
            return;
        case WXK_LEFT:
        case WXK_RIGHT:
        case WXK_UP:
        case WXK_DOWN: {
            const int code = event.GetKeyCode();
            const int dx = code == WXK_LEFT ? -1 : code == WXK_RIGHT ? 1 : 0;
            const int dy = code == WXK_UP ? -1 : code == WXK_DOWN ? 1 : 0;
            if (Logic().OnArrowKey(dx, dy)) return;
            break;
        }
        default: break;
    }
    event.Skip();
}

void DialogCanvas::OnContextMenu(wxContextMenuEvent& event) {
    const bool fromKeyboard = event.GetPosition() == wxDefaultPosition;
    const wxPoint at = fromKeyboard ? wxPoint(0, 0) : ScreenToClient(event.GetPosition());
    Logic().PrepareContextMenu(fromKeyboard ? std::nullopt : std::optional<ViewPoint>(ToLogical(at)));
    Update();
    const int command = ChooseFromViewMenu(*this, CDialogView::ContextMenu(), at);
    if (command == CDialogView::kPrintCommand) owner_.Print(true);
    else Logic().OnContextCommand(command);
}

void DialogCanvas::ShowDragRect() {
    wxClientDC dc(this);
    DoPrepareDC(dc);
    wxDCOverlay layer(overlay_, &dc);
    layer.Clear();
    dc.SetPen(wxPen(*wxBLACK, 1, wxPENSTYLE_DOT));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(ToWxRect(Logic().GetDragRect().Normalized()));
}

void DialogCanvas::EndDragDisplay() {
    if (HasCapture()) ReleaseMouse();
    {
        wxClientDC dc(this);
        DoPrepareDC(dc);
        wxDCOverlay layer(overlay_, &dc);
        layer.Clear();
    }
    overlay_.Reset();
}

// ---- The view

CDialogViewUi::CDialogViewUi() {
    for (const int command : {CDialogView::kPrintCommand, kPrintDirect, kPrintPreview})
        Bind(wxEVT_MENU, &CDialogViewUi::OnPrintCommand, this, CommandToWindowId(command));
    Bind(wxEVT_UPDATE_UI, &CDialogViewUi::OnUpdateEditTransition, this,
         CommandToWindowId(CDialogView::kEditTransitionCommand));
}

wxWindow* CDialogViewUi::CreateCanvas(wxWindow* parent) {
    canvas_ = new DialogCanvas(parent, *this);
    return canvas_;
}

// A new view joins the frame's pick operation: it picks the start or destination of a new
// transition, or reports transitions for a step that waits for one.
void CDialogViewUi::ShowObject(CKavroObj* object, int viewMode) {
    const int pickMode = MainFrame().GetPickMode();
    const bool picking = pickMode >= 1 && pickMode <= 3;
    view_.SetPickMode(picking);
    view_.SetReportClicks(pickMode == 6 || pickMode == 7);
    view_.SetPickCursor(picking || MainFrame().GetDrawingTool() != CDialogView::kSelectTool);
    view_.SetDisplayedWindow(dynamic_cast<CWindowKav*>(object), viewMode);
}

CKavroObj* CDialogViewUi::ShownObject() const { return view_.GetDisplayedWindow(); }

void CDialogViewUi::ReportPicked(CWindowKav* window) { MainFrame().OnObjectPicked(window); }

void CDialogViewUi::ReportTransition(CTransitionKav* transition) { MainFrame().OnTransitionSelected(transition); }

void CDialogViewUi::ReportNewWindow(CWindowKav* window) { MainFrame().OnNewControl(window); }

void CDialogViewUi::ReportOpenWindow(CWindowKav* window) { MainFrame().ShowView(PaneKind::WindowView, window); }

void CDialogViewUi::SendCommand(int command) { MainFrame().OnCommand(command); }

void CDialogViewUi::RefreshAllViews() { MainFrame().RefreshAllViews(); }

void CDialogViewUi::ResetWindowPalette() { MainFrame().SelectWindowTool(0); }

int CDialogViewUi::GetDrawingTool() const { return MainFrame().GetDrawingTool(); }

void CDialogViewUi::ShowTitle(const std::string& title) { SetViewTitle(*this, title); }

void CDialogViewUi::SetScrollSizes(ViewSize size) {
    if (canvas_) canvas_->SetVirtualSize(size.width, size.height);
}

void CDialogViewUi::Redraw() { RepaintNow(canvas_); }

void CDialogViewUi::CloseView() {
    CallAfter([this] { RequestClose(); });
}

WindowSizeLimits CDialogViewUi::GetWindowSizeLimits() const {
    WindowSizeLimits limits;
    const int minWidth = wxSystemSettings::GetMetric(wxSYS_WINDOWMIN_X), minHeight = wxSystemSettings::GetMetric(wxSYS_WINDOWMIN_Y);
    if (minWidth > 0) limits.minWidth = minWidth;
    if (minHeight > 0) limits.minHeight = minHeight;
    // A window may be a little larger than the screen: its frame may lie outside.
    const int screenWidth = wxSystemSettings::GetMetric(wxSYS_SCREEN_X), screenHeight = wxSystemSettings::GetMetric(wxSYS_SCREEN_Y);
    if (screenWidth > 0) limits.maxWidth = screenWidth + 16;
    if (screenHeight > 0) limits.maxHeight = screenHeight + 16;
    return limits;
}

bool CDialogViewUi::DrawToBitmap(wxBitmap& bitmap) {
    return canvas_ && ::DrawPicture(view_.GetBitmapSize(), *canvas_,
                                  [this](TextSurface& surface) { return view_.Paint(surface, false); }, bitmap);
}

wxPrintout* CDialogViewUi::OnCreatePrintout() { return new DialogPrintoutUi(view_, *canvas_); }

void CDialogViewUi::Print(bool prompt) { PrintPages(GetFrame(), view_.GetTitle(), *canvas_, PagePrinter(), prompt); }

void CDialogViewUi::ShowPrintPreview() { ::ShowPrintPreview(GetFrame(), view_.GetTitle(), *canvas_, PagePrinter()); }

ViewPrintoutUi::PagePrinter CDialogViewUi::PagePrinter() {
    return [this](TextSurface& surface, const ViewRect& page, int number) {
        return PrintDialogPage(view_, surface, page, number);
    };
}

void CDialogViewUi::OnPrintCommand(wxCommandEvent& event) {
    switch (WindowIdToCommand(event.GetId())) {
        case kPrintDirect: Print(false); break;
        case kPrintPreview: ShowPrintPreview(); break;
        default: Print(true); break;
    }
}

void CDialogViewUi::OnUpdateEditTransition(wxUpdateUIEvent& event) { event.Enable(view_.CanEditTransition()); }

void InstallDialogView() {
    InstallViewFactory(PaneKind::WindowView, [] { return new CDialogViewUi; });
}
