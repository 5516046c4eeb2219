// The window view's context menu and its cursor.
#include "views/window/DialogView.h"

const std::vector<ViewMenuEntry>& CDialogView::ContextMenu() {
    static const std::vector<ViewMenuEntry> entries = {
        {48170, 32781}, {48171, 32771}, {48172, 32778}, {0, 0},
        {48194, 32973}, {48173, 40003}, {48174, 32944}, {48175, 32903}, {0, 0},
        {48176, 32772}, {48177, 32905}, {48178, kEditTransitionCommand}, {0, 0},
        {48179, 32801}, {48180, 32802}, {48181, 32829}, {48182, 32893}, {0, 0},
        {48183, 32899}, {48184, 32930}, {48185, 32931}, {48186, kPrintCommand},
    };
    return entries;
}

void CDialogView::PrepareContextMenu(std::optional<ViewPoint> point) {
    if (!point) return;
    ResetArrowState();
    selection_.Clear();
    if (displayFlags_ & (kShowTransitions | kShowCoverage)) {
        for (const auto& arrow : arrows_.GetArrows())
            if (arrow->IsHit(*point)) {
                SelectArrow(arrow.get());
                return Redraw();
            }
    }
    if (CWindowKav* control = HitTest(*point)) selection_.Add(control);
    else if (GetDisplayedWindow() && GetViewRect(GetDisplayedWindow()).Contains(*point)) selection_.Add(GetDisplayedWindow());
    Redraw();
}

void CDialogView::OnContextCommand(int command) {
    if (command == kEditTransitionCommand) {
        if (selectedTransition_) host_.ReportTransition(selectedTransition_);
        return;
    }
    if (command) host_.SendCommand(command);
}

DialogCursor CDialogView::CursorAt(ViewPoint point) const {
    if (!selection_.Empty()) {
        switch (SelectionTracker().HitTest(point)) {
            case TrackerHit::Middle: return DialogCursor::Move;
            case TrackerHit::TopLeft:
            case TrackerHit::BottomRight: return DialogCursor::SizeNwse;
            case TrackerHit::TopRight:
            case TrackerHit::BottomLeft: return DialogCursor::SizeNesw;
            case TrackerHit::Top:
            case TrackerHit::Bottom: return DialogCursor::SizeNs;
            case TrackerHit::Left:
            case TrackerHit::Right: return DialogCursor::SizeWe;
            case TrackerHit::Nothing: break;
        }
    }
    return pickCursor_ ? DialogCursor::Pick : DialogCursor::Default;
}
