#pragma once
// The window view: one modelled window drawn as it looks, with its controls, a title strip with
// its name, the selection, and the transitions of its controls as arrows; and the editor of the
// GUI model, where the user draws new windows and controls with the palette's drawing tool,
// selects, moves and resizes them with a rectangle tracker, nudges them with the arrow keys,
// picks objects for the main frame's operations and selects transition arrows. Every change
// records its undo step. Its window (DialogViewUi) only shows it and passes it the input.
#include <optional>
#include <string>
#include <vector>

#include "views/drawing/DrawList.h"
#include "views/drawing/TextSurface.h"
#include "views/drawing/ViewMenu.h"
#include "views/window/DialogLayout.h"
#include "views/window/DialogSelection.h"
#include "views/window/DialogViewHost.h"
#include "views/window/KavTracker.h"
#include "views/window/TransitionArrows.h"

class CTransitionKav;
class CWindowKav;

// What the mouse does while its button is held.
enum class DialogDrag {
    None,
    NewWindow,   // a rubber band for a new window, when none is shown
    NewControl,  // a rubber band for a new control of the shown window
    SelectBand,  // a rubber band that selects the controls inside it
    Resize,      // a handle of the tracker around the one selected object
    Move,        // the tracker around the selection
};

enum class DialogCursor { Default, Pick, Move, SizeNwse, SizeNesw, SizeNs, SizeWe };

// One entry of the context menu: its text's id and the command it sends (0 and 0: a separator).
class CDialogView {
public:
    // Display flags.
    static constexpr int kShowTransitions = 1;
    static constexpr int kShowCoverage = 4;
    static constexpr int kShowGrandchildren = 8;
    // The drawing tool of the palette's Select button.
    static constexpr int kSelectTool = 99;
    // Commands of the context menu that the view handles itself.
    static constexpr int kEditTransitionCommand = 32914;
    static constexpr int kPrintCommand = 57607;
    static constexpr int kHelpContext = 35001;

    explicit CDialogView(DialogViewHost& host);
    CDialogView(const CDialogView&) = delete;
    CDialogView& operator=(const CDialogView&) = delete;

    // ---- The shown window.

    // Shows the window (or none) with the main frame's view mode; the title, the scroll size and
    // the read-only state follow it.
    void SetDisplayedWindow(CWindowKav* window, int displayFlags);
    CWindowKav* GetDisplayedWindow() const { return layout_.GetWindow(); }
    void SetDisplayFlags(int flags);
    int GetDisplayFlags() const { return displayFlags_; }
    // The shown window's file may not be changed: nothing is drawn, resized, moved or nudged.
    bool IsReadOnly() const { return readOnly_; }
    // "<type name> <window name>" (with " (Read-Only)"), or "Draw a New Window".
    std::string GetTitle() const;
    ViewSize GetScrollExtent() const { return extent_; }
    const DialogLayout& Layout() const { return layout_; }
    ViewRect GetViewRect(const CWindowKav* window) const { return layout_.GetViewRect(window); }

    // After the model changed: selected objects that left the window leave the selection, the
    // arrows are routed again at the next paint.
    void RefreshWindow();
    // After undo or redo replaced the model: the window and the selection are found again by
    // their identifiers; a window that is gone closes the view.
    void RebindObjects();

    // ---- Selection and modes, as the main frame sets them.

    // keepControls: only the shown window leaves the selection. Either way the arrow selection
    // and the picked object are reset.
    void ClearSelection(bool keepControls, bool redraw);
    // The selection becomes the windows in order; null only resets the selection.
    void SetSelection(const std::vector<CWindowKav*>* windows);
    // Selects the first arrow of the transition while transitions are shown.
    void SelectTransition(CTransitionKav* transition);
    CTransitionKav* GetSelectedTransition() const { return selectedTransition_; }
    // The one selected object unless it is the shown window; else null.
    CWindowKav* GetSelectedObject() const;
    // The selected controls; empty while the shown window is selected.
    const std::vector<CWindowKav*>& GetSelectedControls() const;
    const std::vector<CWindowKav*>& GetSelection() const { return selection_.Windows(); }
    CWindowKav* GetPickedObject() const { return picked_; }
    const std::string& GetClickedBoxName() const { return clickedBox_; }
    void SetPickMode(bool on);
    bool IsPickMode() const { return pickMode_; }
    void SetPickCursor(bool on) { pickCursor_ = on; }
    void SetReportClicks(bool on) { reportClicks_ = on; }
    // Whether "Edit Transition" can be given: a transition is selected outside pick mode.
    bool CanEditTransition() const { return selectedTransition_ && !pickMode_; }

    // ---- The frame's pick operations.

    // New Transition waits for a start or destination: nothing selected, clicks pick.
    void StartTransitionPick();
    // A step waits for an object: nothing selected, clicks on controls and arrows are reported.
    void StartReportingClicks();
    // The pick operation is over: no picking, no reporting, nothing selected, and the pick
    // cursor only while a drawing tool is chosen.
    void EndPickOperation(bool drawingToolChosen);
    // The object alone becomes the selection; null empties it.
    void SelectObject(CWindowKav* object);

    // ---- Drawing.

    // The next paint routes the transitions first.
    bool NeedsArrows() const { return firstDraw_; }
    // Routes the transitions now when they need it; the selected transition keeps its arrow.
    void RouteArrows();
    // Everything the view shows, in drawing order; the surface measures the names beside the
    // boxes of outside windows. Printing leaves out the tracker and the picked frame. Painting
    // never changes the model.
    DrawList Paint(const TextSurface& surface, bool printing);
    const TransitionArrows& Arrows() const { return arrows_; }
    // The size of a bitmap of the whole view: the width rounded up to a multiple of 4; none when
    // the view is 16385 or more in either direction.
    std::optional<ViewSize> GetBitmapSize() const;

    // ---- Mouse and keys (logical coordinates).

    // The deepest control at the point (with grandchildren shown), or null.
    CWindowKav* HitTest(ViewPoint point) const;
    void OnLeftButtonDown(ViewPoint point, bool ctrl);
    void OnDragTo(ViewPoint point);
    void OnLeftButtonUp(ViewPoint point);
    // Escape, or the mouse was taken away: the drag ends without effect.
    void CancelDrag();
    DialogDrag GetDrag() const { return drag_.kind; }
    // The rubber band or the tracker's rectangle as dragged so far.
    ViewRect GetDragRect() const { return drag_.rect; }
    void OnDoubleClick();
    // Nudges the selected controls by 2 pixels in the direction; false for a read-only window.
    bool OnArrowKey(int dx, int dy);
    // A right click at the point (none: from the keyboard) chooses what the menu acts on.
    void PrepareContextMenu(std::optional<ViewPoint> point);
    static const std::vector<ViewMenuEntry>& ContextMenu();
    // A command chosen in the context menu; print is the window's own.
    void OnContextCommand(int command);
    DialogCursor CursorAt(ViewPoint point) const;

private:
    struct Drag {
        DialogDrag kind = DialogDrag::None;
        TrackerHit hit = TrackerHit::Nothing;
        int tool = kSelectTool;
        ViewPoint from;
        ViewRect start;
        ViewRect rect;
        bool moved = false;
    };

    // The selected arrow and its loop are deselected; no transition and no clicked box.
    void ResetArrowState();
    void SelectArrow(TransitionArrow* arrow);
    // Whether the window is the shown one or lies inside it.
    bool IsInShownWindow(const CWindowKav* window) const;
    void Redraw() { host_.Redraw(); }
    // The union of the selected objects' view rectangles.
    ViewRect SelectionRect() const;
    // The tracker around the selection.
    CKavTracker SelectionTracker() const;
    void StartDrag(DialogDrag kind, ViewPoint point, const ViewRect& rect, TrackerHit hit = TrackerHit::Nothing);
    void EndDrag(bool accepted);

    // The steps of a click, in their order.
    void PickAt(ViewPoint point);
    bool TrackSelection(ViewPoint point, bool ctrl);
    void StartMove(ViewPoint point, const ViewRect& rect);
    bool SelectArrowAt(ViewPoint point);
    bool ClickBoxAt(ViewPoint point);
    void ClickObject(CWindowKav* object, ViewPoint point);

    // What an accepted drag does.
    void CreateInBand(const ViewRect& band, bool topLevel, int type);
    void SelectInBand(const ViewRect& band);
    void ResizeTo(const ViewRect& rect);
    void MoveBy(const ViewRect& from, const ViewRect& to);
    // The tracker's rectangle while it is dragged, kept where the selection may go.
    ViewRect Constrain(const ViewRect& proposed, const ViewRect& previous) const;

    void DrawBoxes(const TextSurface& surface, DrawList& out);
    void DrawArrows(DrawList& out) const;

    DialogViewHost& host_;
    DialogLayout layout_;
    // The shown window's identifier, by which undo finds it again.
    std::string displayedId_;
    DialogSelection selection_;
    CWindowKav* picked_ = nullptr;
    CTransitionKav* selectedTransition_ = nullptr;
    TransitionArrow* selectedArrow_ = nullptr;
    std::string clickedBox_;
    TransitionArrows arrows_;
    int displayFlags_ = 0;
    ViewSize extent_;
    bool pickMode_ = false;
    bool pickCursor_ = false;
    bool reportClicks_ = false;
    bool firstDraw_ = true;
    bool readOnly_ = false;
    Drag drag_;
};
