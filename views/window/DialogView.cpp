// The window view's shown window, its selection and modes, and its updates after model changes.
#include "views/window/DialogView.h"

#include "model/ApplicationKav.h"
#include "model/DisplayTexts.h"
#include "model/ShellServices.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr int kDrawNewWindowTitle = 47201;
constexpr int kReadOnlySuffix = 47177;

}  // namespace

CDialogView::CDialogView(DialogViewHost& host) : host_(host) {}

void CDialogView::SetDisplayedWindow(CWindowKav* window, int displayFlags) {
    displayFlags_ = displayFlags;
    selection_.Clear();
    picked_ = nullptr;
    ResetArrowState();
    arrows_.Clear();
    firstDraw_ = true;
    layout_.SetWindow(window);
    displayedId_ = window ? window->GetInternalID() : "";
    readOnly_ = window && !window->IsEditable(true);
    extent_ = layout_.GetExtent();
    host_.SetScrollSizes(extent_);
    host_.ShowTitle(GetTitle());
}

void CDialogView::SetDisplayFlags(int flags) {
    displayFlags_ = flags;
    // Which transitions have arrows depends on whether grandchildren are shown.
    firstDraw_ = true;
    Redraw();
}

std::string CDialogView::GetTitle() const {
    const CWindowKav* window = GetDisplayedWindow();
    if (!window) return LoadMessage(kDrawNewWindowTitle);
    std::string title = GetWindowTypeName(window->GetType()) + " " + window->GetName();
    if (readOnly_) title += LoadMessage(kReadOnlySuffix);
    return title;
}

bool CDialogView::IsInShownWindow(const CWindowKav* window) const {
    for (const CWindowKav* w = window; w; w = w->GetParent())
        if (w == GetDisplayedWindow()) return true;
    return false;
}

void CDialogView::RefreshWindow() {
    CWindowKav* displayed = GetDisplayedWindow();
    if (!displayed) return;
    readOnly_ = !displayed->IsEditable(true);
    host_.ShowTitle(GetTitle());
    selection_.KeepOnly([this](const CWindowKav* window) { return IsInShownWindow(window); });
    if (picked_ && !IsInShownWindow(picked_)) picked_ = nullptr;
    ResetArrowState();
    layout_.SetWindow(displayed);
    // The scroll size follows the window's size, so that a grown window can be scrolled to its
    // end and prints whole.
    extent_ = layout_.GetExtent();
    host_.SetScrollSizes(extent_);
    firstDraw_ = true;
    Redraw();
}

void CDialogView::RebindObjects() {
    if (!GetDisplayedWindow()) return;
    // Every pointer the view holds may point to an object that undo deleted.
    selectedArrow_ = nullptr;
    selectedTransition_ = nullptr;
    picked_ = nullptr;
    clickedBox_.clear();
    arrows_.Clear();
    CWindowList& windows = CurrentApplication->GetWindowList();
    CWindowKav* displayed = windows.FindByID(displayedId_);
    if (!displayed) {
        layout_.SetWindow(nullptr);
        selection_.Clear();
        host_.CloseView();
        return;
    }
    layout_.SetWindow(displayed);
    selection_.Rebind(windows);
    RefreshWindow();
}

void CDialogView::ResetArrowState() {
    if (selectedArrow_) SelectArrow(nullptr);
    selectedArrow_ = nullptr;
    selectedTransition_ = nullptr;
    clickedBox_.clear();
}

void CDialogView::SelectArrow(TransitionArrow* arrow) {
    if (selectedArrow_) {
        selectedArrow_->selected = false;
        if (selectedArrow_->corner) selectedArrow_->corner->SetSelected(false);
    }
    selectedArrow_ = arrow;
    if (!arrow) return;
    arrow->selected = true;
    if (arrow->corner) arrow->corner->SetSelected(true);
    selectedTransition_ = arrow->transition;
}

void CDialogView::ClearSelection(bool keepControls, bool redraw) {
    if (keepControls) selection_.Remove(GetDisplayedWindow());
    else selection_.Clear();
    ResetArrowState();
    picked_ = nullptr;
    if (redraw) Redraw();
}

void CDialogView::SetSelection(const std::vector<CWindowKav*>* windows) {
    ClearSelection(false, false);
    if (!windows) return;
    selection_.Assign(*windows);
    Redraw();
}

void CDialogView::SelectTransition(CTransitionKav* transition) {
    ResetArrowState();
    if (!transition || !(displayFlags_ & kShowTransitions)) return;
    selectedTransition_ = transition;
    for (const auto& arrow : arrows_.GetArrows())
        if (arrow->transition == transition) {
            SelectArrow(arrow.get());
            Redraw();
            return;
        }
}

CWindowKav* CDialogView::GetSelectedObject() const {
    if (selection_.Size() != 1 || selection_.Windows()[0] == GetDisplayedWindow()) return nullptr;
    return selection_.Windows()[0];
}

const std::vector<CWindowKav*>& CDialogView::GetSelectedControls() const {
    static const std::vector<CWindowKav*> none;
    return selection_.Contains(GetDisplayedWindow()) ? none : selection_.Windows();
}

void CDialogView::SetPickMode(bool on) {
    pickMode_ = on;
    if (on) ClearSelection(false, false);
    else picked_ = nullptr;
}

void CDialogView::StartTransitionPick() {
    SetReportClicks(false);
    SetPickMode(true);
    SetPickCursor(true);
    Redraw();
}

void CDialogView::StartReportingClicks() {
    ClearSelection(false, true);
    SetReportClicks(true);
}

void CDialogView::EndPickOperation(bool drawingToolChosen) {
    SetPickMode(false);
    SetReportClicks(false);
    SetPickCursor(drawingToolChosen);
    ClearSelection(false, true);
}

void CDialogView::SelectObject(CWindowKav* object) {
    if (!object) {
        ClearSelection(false, true);
        return;
    }
    const std::vector<CWindowKav*> selection{object};
    SetSelection(&selection);
}

ViewRect CDialogView::SelectionRect() const {
    ViewRect rect;
    for (const CWindowKav* window : selection_.Windows()) rect = Union(rect, GetViewRect(window));
    return rect;
}

CKavTracker CDialogView::SelectionTracker() const {
    CKavTracker tracker;
    tracker.SetRect(SelectionRect());
    return tracker;
}

std::optional<ViewSize> CDialogView::GetBitmapSize() const {
    return PictureSize(extent_);
}
