#include "views/menu/MenuScrollViewUi.h"

#include <wx/dcbuffer.h>

#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/windows/MenuWindows.h"
#include "shell/CommandIds.h"
#include "shell/MainFrame.h"
#include "views/drawing/WxSurface.h"
#include "views/drawing/WxViewMenu.h"
#include "views/menu/MenuViewPrint.h"

namespace {

constexpr int kPrintDirect = 57608;
constexpr int kPrintPreview = 57609;
// The whole scroll area of a menu view.
constexpr int kTotalSize = 4000;

}  // namespace

// ---- The canvas

MenuCanvas::MenuCanvas(wxWindow* parent, CMenuScrollViewUi& owner)
    : ViewCanvas(parent),
      owner_(owner),
      view_(owner.GetLogic()) {
    SetVirtualSize(kTotalSize, kTotalSize);
    SetHelpContext(CMenuScrollView::kHelpContext);
    Bind(wxEVT_PAINT, &MenuCanvas::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &MenuCanvas::OnLeftDown, this);
    Bind(wxEVT_MOTION, &MenuCanvas::OnMotion, this);
    Bind(wxEVT_LEFT_UP, &MenuCanvas::OnLeftUp, this);
    Bind(wxEVT_LEFT_DCLICK, &MenuCanvas::OnDoubleClick, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &MenuCanvas::OnCaptureLost, this);
    Bind(wxEVT_CONTEXT_MENU, &MenuCanvas::OnContextMenu, this);
}

void MenuCanvas::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    DoPrepareDC(dc);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    WxSurface surface(dc, *this);
    Replay(view_.Draw(surface), surface);
}

void MenuCanvas::OnLeftDown(wxMouseEvent& event) {
    SetFocus();
    if (!HasCapture()) CaptureMouse();
    view_.OnLeftButtonDown(ToLogical(event.GetPosition()));
}

void MenuCanvas::OnMotion(wxMouseEvent& event) {
    SetCursor(wxCursor(view_.IsPickMode() ? wxCURSOR_BULLSEYE : wxCURSOR_ARROW));
    view_.OnMouseMove(ToLogical(event.GetPosition()));
}

void MenuCanvas::OnLeftUp(wxMouseEvent& event) {
    if (HasCapture()) ReleaseMouse();
    view_.OnLeftButtonUp(ToLogical(event.GetPosition()));
}

void MenuCanvas::OnDoubleClick(wxMouseEvent&) { view_.OnDoubleClick(); }

void MenuCanvas::OnCaptureLost(wxMouseCaptureLostEvent&) { Refresh(); }

void MenuCanvas::OnContextMenu(wxContextMenuEvent& event) {
    const bool fromKeyboard = event.GetPosition() == wxDefaultPosition;
    const wxPoint at = fromKeyboard ? wxPoint(0, 0) : ScreenToClient(event.GetPosition());
    if (!fromKeyboard) view_.OnContextMenuAt(ToLogical(at));
    Update();
    const int command = ChooseFromViewMenu(*this, CMenuScrollView::ContextMenu(), at);
    if (command == CMenuScrollView::kPrintCommand) owner_.Print(true);
    else view_.OnContextCommand(command);
}

// ---- The view

CMenuScrollViewUi::CMenuScrollViewUi() {
    for (const int command : {CMenuScrollView::kPrintCommand, kPrintDirect, kPrintPreview})
        Bind(wxEVT_MENU, &CMenuScrollViewUi::OnPrintCommand, this, CommandToWindowId(command));
    Bind(wxEVT_UPDATE_UI, &CMenuScrollViewUi::OnUpdateEditTransition, this,
         CommandToWindowId(CMenuScrollView::kEditTransitionCommand));
}

wxWindow* CMenuScrollViewUi::CreateCanvas(wxWindow* parent) {
    canvas_ = new MenuCanvas(parent, *this);
    return canvas_;
}

void CMenuScrollViewUi::ShowObject(CKavroObj* object, int viewMode) {
    auto* window = dynamic_cast<CWindowKav*>(object);
    view_.SetDisplayedWindow(window && window->GetType() == kWndMenu ? static_cast<CMenuKav*>(window) : nullptr,
                             viewMode);
    view_.OnInitialUpdate();
}

CKavroObj* CMenuScrollViewUi::ShownObject() const { return view_.GetWindow(); }

void CMenuScrollViewUi::Refresh() {
    if (CurrentApplication) view_.RefreshWindow(CurrentApplication->GetWindowList());
}

void CMenuScrollViewUi::Rebind() {
    if (CurrentApplication) view_.RebindModel(CurrentApplication->GetWindowList());
}

void CMenuScrollViewUi::EndPickOperation(bool) {
    view_.SetPickCursor(false);
    view_.SetReportTransitionClicks(false);
}

void CMenuScrollViewUi::ReportMenuItem(CMenuItemKav* item) { MainFrame().OnMenuItemPicked(item); }

void CMenuScrollViewUi::ReportTransition(CTransitionKav* transition) { MainFrame().OnTransitionSelected(transition); }

void CMenuScrollViewUi::SendCommand(int command) { MainFrame().OnCommand(command); }

void CMenuScrollViewUi::ShowTitle(const std::string& title) { SetViewTitle(*this, title); }

void CMenuScrollViewUi::Redraw() { RepaintNow(canvas_); }

void CMenuScrollViewUi::CloseView() {
    CallAfter([this] { RequestClose(); });
}

void CMenuScrollViewUi::OnUpdateEditTransition(wxUpdateUIEvent& event) { event.Enable(view_.CanEditTransition()); }

std::string CMenuScrollViewUi::PrintTitle() const {
    return view_.GetWindow() ? view_.GetWindow()->GetName() : std::string();
}

ViewPrintoutUi::PagePrinter CMenuScrollViewUi::PagePrinter() {
    return [this](TextSurface& surface, const ViewRect& page, int number) {
        return view_.GetWindow() ? PrintMenuPage(*view_.GetWindow(), surface, page, number) : 0;
    };
}

wxPrintout* CMenuScrollViewUi::OnCreatePrintout() { return new ViewPrintoutUi(PrintTitle(), *canvas_, PagePrinter()); }

void CMenuScrollViewUi::Print(bool prompt) { PrintPages(GetFrame(), PrintTitle(), *canvas_, PagePrinter(), prompt); }

void CMenuScrollViewUi::OnPrintCommand(wxCommandEvent& event) {
    switch (WindowIdToCommand(event.GetId())) {
        case kPrintDirect: Print(false); break;
        case kPrintPreview: ShowPrintPreview(GetFrame(), PrintTitle(), *canvas_, PagePrinter()); break;
        default: Print(true); break;
    }
}

void InstallMenuView() {
    InstallViewFactory(PaneKind::MenuView, [] { return new CMenuScrollViewUi; });
}
