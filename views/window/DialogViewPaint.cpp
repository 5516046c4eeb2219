// What the window view shows, in the order it is drawn.
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "views/window/DialogView.h"
#include "views/window/WindowDrawing.h"

namespace {

constexpr ViewColour kTitleYellow = ViewColour::Rgb(255, 255, 0);
constexpr ViewColour kBoxLight = ViewColour::Rgb(200, 200, 200);
constexpr ViewColour kPickRed = ViewColour::Rgb(255, 0, 0);
constexpr ViewColour kTransitionBlue = ViewColour::Rgb(0, 0, 175);
constexpr ViewColour kCoveredGreen = ViewColour::Rgb(0, 160, 0);
constexpr ViewColour kUncoveredGrey = ViewColour::Rgb(115, 115, 115);

void AddCorner(const CCorner& corner, const ViewPen& pen, DrawList& out) {
    if (corner.GetPoints().size() >= 2) out.push_back(draw::Lines{corner.GetPoints(), pen});
}

void AddOutline(const CArrow& shape, const ViewPen& pen, DrawList& out) {
    const auto& outline = shape.GetOutline();
    out.push_back(draw::Lines{{outline.begin(), outline.begin() + shape.GetOutlineCount()}, pen});
}

}  // namespace

DrawList CDialogView::Paint(const TextSurface& surface, bool printing) {
    DrawList out;
    CWindowKav* displayed = GetDisplayedWindow();
    if (!displayed) return out;

    const ViewRect title = layout_.GetTitleRect();
    out.push_back(draw::Box{title, ViewPen{kBlack}, kTitleYellow});
    out.push_back(draw::Text{title, displayed->GetName(), ViewFont(), kBlack, kTextCenter | kTextVCenter});
    const WindowDrawingScope scope{layout_, selection_.Windows(), displayFlags_};
    DrawWindowObject(*displayed, scope, out);
    for (const CWindowKav* child : OrderForDrawing(*displayed, selection_.Windows(), picked_))
        DrawWindowObject(*child, scope, out);

    RouteArrows();
    if (displayFlags_ & (kShowTransitions | kShowCoverage)) DrawBoxes(surface, out);
    DrawArrows(out);

    if (!printing && !selection_.Empty()) {
        const CKavTracker tracker = SelectionTracker();
        draw::Tracker shape{tracker.GetRect(), CKavTracker::kHandleSize, {}};
        for (int handle = 0; handle < 8; ++handle) shape.handles.push_back(tracker.GetHandleRect(static_cast<TrackerHit>(handle)));
        out.push_back(shape);
    }
    if (!printing && picked_) {
        const ViewRect r = picked_ == displayed ? title : GetViewRect(picked_);
        out.push_back(draw::Frame{r, kPickRed});
        out.push_back(draw::Frame{r.Inflated(1, 1), kPickRed});
    }
    return out;
}

void CDialogView::RouteArrows() {
    if (!firstDraw_ || !GetDisplayedWindow()) return;
    std::vector<CWindowKav*> table;
    if ((displayFlags_ & kShowGrandchildren) && CurrentApplication) table = CurrentApplication->GetWindowList().Snapshot();
    arrows_.Build(layout_, displayFlags_, table);
    selectedArrow_ = nullptr;
    for (const auto& arrow : arrows_.GetArrows())
        if (selectedTransition_ && arrow->transition == selectedTransition_) {
            SelectArrow(arrow.get());
            break;
        }
    firstDraw_ = false;
}

void CDialogView::DrawBoxes(const TextSurface& surface, DrawList& out) {
    const ViewSize before = extent_;
    for (const auto& [name, box] : arrows_.GetBoxes()) {
        out.push_back(draw::Edge3D{box, kBoxLight, kBlack});
        const int width = surface.Measure(name, ViewFont(), 0).width;
        const ViewRect label{box.right + 5, box.top, box.right + 5 + width, box.bottom};
        out.push_back(draw::Text{label, name, ViewFont(), kBlack, kTextSingleLine});
        extent_.width = std::max(extent_.width, label.right);
        extent_.height = std::max(extent_.height, label.bottom);
    }
    if (extent_ != before) host_.SetScrollSizes(extent_);
}

void CDialogView::DrawArrows(DrawList& out) const {
    if (displayFlags_ & kShowTransitions) {
        const auto pen = [](bool selected) { return ViewPen{kTransitionBlue, selected ? 2 : 1}; };
        for (const auto& corner : arrows_.GetCorners()) AddCorner(*corner, pen(corner->IsSelected()), out);
        for (const auto& arrow : arrows_.GetArrows()) AddOutline(arrow->shape, pen(arrow->selected), out);
    } else if (displayFlags_ & kShowCoverage) {
        for (const auto& arrow : arrows_.GetArrows()) {
            const bool covered = arrow->transition && arrow->transition->GetMark();
            const ViewPen pen{covered ? kCoveredGreen : kUncoveredGrey, arrow->selected ? 2 : 1};
            if (arrow->corner) AddCorner(*arrow->corner, pen, out);
            AddOutline(arrow->shape, pen, out);
        }
    }
}
