// What clicks, drags, double clicks, keys and the context menu do in the window view.

#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "resources/MessageCatalogue.h"
#include "views/window/DialogView.h"

namespace {

constexpr int kCreateWindowUndo = 48007;
constexpr int kResizeWindowUndo = 48008;
constexpr int kMoveWindowUndo = 48009;
constexpr int kStepwiseMoveUndo = 48010;
constexpr int kNudge = 2;

long long SquaredDistance(ViewPoint point, const ViewRect& rect) {
    const long long dx = point.x - rect.left, dy = point.y - rect.top;
    return dx * dx + dy * dy;
}

bool IsMenu(const CWindowKav* window) { return window->GetType() == kWndMenu || window->GetType() == kWndMenuItem; }

bool IsHandle(TrackerHit hit) { return hit != TrackerHit::Nothing && hit != TrackerHit::Middle; }

}  // namespace

CWindowKav* CDialogView::HitTest(ViewPoint point) const {
    const CWindowKav* parent = GetDisplayedWindow();
    if (!parent) return nullptr;
    long long best = SquaredDistance(point, GetViewRect(parent));
    CWindowKav* result = nullptr;
    for (;;) {
        // Of equal distances the later child wins.
        CWindowKav* winner = nullptr;
        for (CWindowKav* child : parent->GetChildren()) {
            const ViewRect rect = GetViewRect(child);
            if (!rect.Contains(point) || SquaredDistance(point, rect) > best) continue;
            best = SquaredDistance(point, rect);
            winner = child;
        }
        if (!winner) return result;
        result = winner;
        if (!(displayFlags_ & kShowGrandchildren)) return result;
        parent = winner;
    }
}

void CDialogView::StartDrag(DialogDrag kind, ViewPoint point, const ViewRect& rect, TrackerHit hit) {
    drag_ = {kind, hit, host_.GetDrawingTool(), point, rect, rect, false};
}

void CDialogView::OnLeftButtonDown(ViewPoint point, bool ctrl) {
    drag_ = {};
    CWindowKav* displayed = GetDisplayedWindow();
    const bool drawing = host_.GetDrawingTool() != kSelectTool;
    if (!displayed) {
        if (drawing) StartDrag(DialogDrag::NewWindow, point, {point.x, point.y, point.x, point.y});
        return;
    }
    if (pickMode_) return PickAt(point);
    if (drawing && !readOnly_) {
        if (GetViewRect(displayed).Contains(point))
            StartDrag(DialogDrag::NewControl, point, {point.x, point.y, point.x, point.y});
        return;
    }
    if (!selection_.Empty() && TrackSelection(point, ctrl)) return;

    ClearSelection(ctrl, false);
    if ((displayFlags_ & (kShowTransitions | kShowCoverage)) && SelectArrowAt(point)) return;
    if (CWindowKav* control = HitTest(point)) return ClickObject(control, point);
    if (ClickBoxAt(point)) return;
    StartDrag(DialogDrag::SelectBand, point, {point.x, point.y, point.x, point.y});
}

void CDialogView::PickAt(ViewPoint point) {
    CWindowKav* object = layout_.GetTitleRect().Contains(point) ? GetDisplayedWindow() : HitTest(point);
    if (!object) return;
    host_.ReportPicked(object);
    // The frame may have ended the pick operation meanwhile.
    if (pickMode_) picked_ = object;
    Redraw();
}

bool CDialogView::TrackSelection(ViewPoint point, bool ctrl) {
    const CKavTracker tracker = SelectionTracker();
    const TrackerHit hit = tracker.HitTest(point);
    if (selection_.Size() == 1 && IsHandle(hit)) {
        if (!readOnly_) StartDrag(DialogDrag::Resize, point, tracker.GetRect().Normalized(), hit);
        return true;
    }
    if (hit != TrackerHit::Middle) return false;
    if (ctrl) {
        if (selection_.Contains(GetDisplayedWindow())) selection_.Clear();
        if (CWindowKav* control = HitTest(point)) {
            if (selection_.Contains(control)) selection_.Remove(control);
            else selection_.Add(control);
            Redraw();
            return true;
        }
    }
    if (selection_.Contains(GetDisplayedWindow())) return false;
    StartMove(point, SelectionRect());
    return true;
}

void CDialogView::StartMove(ViewPoint point, const ViewRect& rect) {
    if (selection_.Empty() || readOnly_) return;
    StartDrag(DialogDrag::Move, point, rect.Normalized(), TrackerHit::Middle);
}

bool CDialogView::SelectArrowAt(ViewPoint point) {
    for (const auto& arrow : arrows_.GetArrows()) {
        if (!arrow->IsHit(point)) continue;
        SelectArrow(arrow.get());
        if (reportClicks_) host_.ReportTransition(selectedTransition_);
        Redraw();
        return true;
    }
    return false;
}

bool CDialogView::ClickBoxAt(ViewPoint point) {
    for (const auto& [name, box] : arrows_.GetBoxes()) {
        // The box and the name beside it.
        if (!ViewRect{box.left, box.top, box.right + 150, box.bottom}.Contains(point)) continue;
        clickedBox_ = name;
        Redraw();
        return true;
    }
    return false;
}

void CDialogView::ClickObject(CWindowKav* object, ViewPoint point) {
    if (object == GetDisplayedWindow()) selection_.Clear();
    selection_.Add(object);
    if (reportClicks_) {
        host_.ReportPicked(object);
        return;
    }
    // Pressing on a control and dragging moves it; the shown window stays where it is.
    if (!readOnly_ && object != GetDisplayedWindow()) return StartMove(point, GetViewRect(object));
    Redraw();
}

void CDialogView::OnDragTo(ViewPoint point) {
    switch (drag_.kind) {
        case DialogDrag::None: return;
        case DialogDrag::NewWindow:
        case DialogDrag::NewControl:
        case DialogDrag::SelectBand: drag_.rect = {drag_.from.x, drag_.from.y, point.x, point.y}; break;
        case DialogDrag::Resize:
        case DialogDrag::Move:
            drag_.rect = Constrain(CKavTracker::Dragged(drag_.start, drag_.hit, drag_.from, point), drag_.rect);
            break;
    }
    drag_.moved = drag_.moved || !(point == drag_.from);
}

void CDialogView::OnLeftButtonUp(ViewPoint point) {
    OnDragTo(point);
    EndDrag(true);
}

void CDialogView::CancelDrag() { EndDrag(false); }

void CDialogView::EndDrag(bool accepted) {
    const Drag drag = drag_;
    drag_ = {};
    const ViewRect band = drag.rect.Normalized();
    const bool bandAccepted = accepted && drag.moved && !band.IsEmpty();
    const bool trackerAccepted = accepted && drag.rect != drag.start;
    switch (drag.kind) {
        case DialogDrag::None: return;
        case DialogDrag::NewWindow:
            if (bandAccepted) CreateInBand(band, true, drag.tool);
            return;
        case DialogDrag::NewControl:
            if (bandAccepted) CreateInBand(band, false, drag.tool);
            return;
        case DialogDrag::SelectBand:
            if (bandAccepted) return SelectInBand(band);
            if (GetViewRect(GetDisplayedWindow()).Contains(drag.from)) return ClickObject(GetDisplayedWindow(), drag.from);
            Redraw();
            return;
        case DialogDrag::Resize:
            if (trackerAccepted) ResizeTo(drag.rect.Normalized());
            return;
        case DialogDrag::Move:
            if (trackerAccepted) MoveBy(drag.start, drag.rect);
            return;
    }
}

void CDialogView::CreateInBand(const ViewRect& band, bool topLevel, int type) {
    CWindowKav* displayed = topLevel ? nullptr : GetDisplayedWindow();
    const WindowRect rect = topLevel ? WindowRect{0, 0, band.Width(), band.Height()} : layout_.ToModel(band, displayed);
    if (!CheckWindowSize(type, band.Width(), band.Height(), host_.GetWindowSizeLimits())) return;
    CWindowKav* window = CreateNewWindow(type, rect, displayed, *CurrentApplication);
    if (!window) return;
    if (topLevel) SetDisplayedWindow(window, displayFlags_);
    host_.ResetWindowPalette();
    selection_.Assign({window});
    host_.ReportNewWindow(window);
    host_.RefreshAllViews();
    RecordUndoStep(LoadMessage(kCreateWindowUndo));
    Redraw();
}

void CDialogView::SelectInBand(const ViewRect& band) {
    // The shown window's children, or with grandchildren shown everything inside it.
    std::vector<CWindowKav*> candidates(GetDisplayedWindow()->GetChildren());
    for (std::size_t i = 0; (displayFlags_ & kShowGrandchildren) && i < candidates.size(); ++i)
        for (CWindowKav* child : candidates[i]->GetChildren()) candidates.push_back(child);
    for (CWindowKav* candidate : candidates)
        if (!IsMenu(candidate) && band.Encloses(GetViewRect(candidate))) selection_.Add(candidate);
    Redraw();
}

void CDialogView::ResizeTo(const ViewRect& rect) {
    CWindowKav* object = selection_.Windows().front();
    const bool shown = object == GetDisplayedWindow();
    const WindowRect& old = object->GetRect();
    const WindowRect resized =
        shown ? WindowRect{old.left, old.top, old.left + rect.Width(), old.top + rect.Height()}
              : layout_.ToModel(rect, object->GetParent());
    if (!CheckWindowSize(object->GetType(), rect.Width(), rect.Height(), host_.GetWindowSizeLimits())) return;
    if (!shown && !CheckChildrenFit(*object, rect.Width(), rect.Height())) return;
    object->SetRect(resized);
    CWindowList::FitParents(object);
    host_.RefreshAllViews();
    RecordUndoStep(LoadMessage(kResizeWindowUndo));
}

void CDialogView::MoveBy(const ViewRect& from, const ViewRect& to) {
    const int dl = to.left - from.left, dt = to.top - from.top, dr = to.right - from.right, db = to.bottom - from.bottom;
    for (CWindowKav* window : selection_.Windows()) {
        // A control moves with its selected parent.
        if (window == GetDisplayedWindow() || selection_.Contains(window->GetParent())) continue;
        const WindowRect& r = window->GetRect();
        window->SetRect({r.left + dl, r.top + dt, r.right + dr, r.bottom + db});
        CWindowList::FitParents(window);
    }
    host_.RefreshAllViews();
    RecordUndoStep(LoadMessage(kMoveWindowUndo));
}

ViewRect CDialogView::Constrain(const ViewRect& proposed, const ViewRect& previous) const {
    const CWindowKav* displayed = GetDisplayedWindow();
    ViewRect r = proposed;
    if (selection_.Contains(displayed)) {
        // The shown window is only resized from its right and bottom, and holds its children.
        const bool sameCorner = r.left == previous.left && r.top == previous.top;
        const bool resized = r.Width() != previous.Width() || r.Height() != previous.Height();
        if (!sameCorner || !resized) return previous;
        for (const CWindowKav* child : displayed->GetChildren()) {
            r.right = std::max(r.right, GetViewRect(child).right);
            r.bottom = std::max(r.bottom, GetViewRect(child).bottom);
        }
        return r;
    }
    ViewRect bounds = GetViewRect(displayed);
    if (!selection_.Empty()) {
        int left = 999999, top = 999999, right = -1, bottom = -1;
        int gapLeft = 999999, gapTop = 999999, gapRight = 999999, gapBottom = 999999;
        for (const CWindowKav* window : selection_.Windows()) {
            if (selection_.Contains(window->GetParent())) continue;
            const ViewRect c = GetViewRect(window);
            const CWindowKav* parent = window->GetParent() ? window->GetParent() : displayed;
            const ViewRect p = GetViewRect(parent);
            left = std::min(left, c.left), top = std::min(top, c.top);
            right = std::max(right, c.right), bottom = std::max(bottom, c.bottom);
            gapLeft = std::min(gapLeft, c.left - p.left), gapTop = std::min(gapTop, c.top - p.top);
            gapRight = std::min(gapRight, p.right - c.right), gapBottom = std::min(gapBottom, p.bottom - c.bottom);
        }
        bounds = {left - gapLeft, top - gapTop, right + gapRight, bottom + gapBottom};
    }
    // Moving keeps the size: the opposite edge follows.
    const bool moving = r.Width() == previous.Width() && r.Height() == previous.Height();
    if (r.left < bounds.left) r = {bounds.left, r.top, moving ? r.right + bounds.left - r.left : r.right, r.bottom};
    if (r.top < bounds.top) r = {r.left, bounds.top, r.right, moving ? r.bottom + bounds.top - r.top : r.bottom};
    if (r.right > bounds.right) r = {moving ? r.left - (r.right - bounds.right) : r.left, r.top, bounds.right, r.bottom};
    if (r.bottom > bounds.bottom)
        r = {r.left, moving ? r.top - (r.bottom - bounds.bottom) : r.top, r.right, bounds.bottom};
    return r;
}

void CDialogView::OnDoubleClick() {
    if (selectedTransition_) return host_.ReportTransition(selectedTransition_);
    if (!clickedBox_.empty()) {
        if (CWindowKav* window = CurrentApplication->GetWindowList().FindByName(clickedBox_, nullptr))
            host_.ReportOpenWindow(window);
        return;
    }
    if (CWindowKav* object = GetSelectedObject()) host_.ReportOpenWindow(object);
}

bool CDialogView::OnArrowKey(int dx, int dy) {
    if (readOnly_) return false;
    bool moved = false;
    for (CWindowKav* window : selection_.Windows()) {
        const CWindowKav* parent = window->GetParent();
        if (window == GetDisplayedWindow() || !parent) continue;
        const WindowRect& r = window->GetRect();
        const WindowRect& p = parent->GetRect();
        const int x = dx < 0 ? -kNudge : dx > 0 ? kNudge : 0;
        const int y = dy < 0 ? -kNudge : dy > 0 ? kNudge : 0;
        // Left and up while the edge stays at 0 or more, right and down while it stays inside
        // the parent.
        const bool allowed = (x >= 0 || r.left + x >= 0) && (y >= 0 || r.top + y >= 0) &&
                             (x <= 0 || r.right + x <= p.right - p.left) && (y <= 0 || r.bottom + y <= p.bottom - p.top);
        if (!allowed) continue;
        window->SetRect({r.left + x, r.top + y, r.right + x, r.bottom + y});
        moved = true;
    }
    if (moved) {
        // The arrows follow the controls they join.
        firstDraw_ = true;
        RecordUndoStep(LoadMessage(kStepwiseMoveUndo) + selection_.Windows().back()->GetName());
        Redraw();
    }
    return true;
}
