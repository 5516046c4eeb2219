#pragma once
// The window view's transitions as arrows: each from its control (or the title strip of the
// shown window) to the destination's control, the title strip, or a small box below the window
// for a destination outside it; a transition of a control to itself is a loop over the
// control's right end. Arrow ends that share an edge are spread apart, and the arrows are kept
// in the order of their source and destination names.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/Arrow.h"
#include "views/arrows/Corner.h"
#include "views/window/DialogLayout.h"

class CTransitionKav;
class CWindowKav;

struct TransitionArrow {
    CArrow shape;
    CWindowKav* source = nullptr;
    CWindowKav* destination = nullptr;
    CTransitionKav* transition = nullptr;
    // The loop of a transition to the same control, or null; owned by TransitionArrows.
    CCorner* corner = nullptr;
    bool selected = false;

    // A click on the shaft or on the loop.
    bool IsHit(ViewPoint point) const;
};

class TransitionArrows {
public:
    static constexpr int kHeadSize = 3;
    static constexpr int kBoxSpacing = 20;

    // Routes the transitions of the shown window and of its children in their order; with
    // grandchildren shown, also of every window below each child (in the window table's order).
    void Build(const DialogLayout& layout, int displayFlags, const std::vector<CWindowKav*>& windowTable);
    // No arrows, corners or boxes.
    void Clear();

    // Sorted by source name, then destination name, without case; equal ones in routing order.
    const std::vector<std::unique_ptr<TransitionArrow>>& GetArrows() const { return arrows_; }
    const std::vector<std::unique_ptr<CCorner>>& GetCorners() const { return corners_; }
    // The box of each destination outside the shown window, by the window's name.
    const std::map<std::string, ViewRect>& GetBoxes() const { return boxes_; }

    // One arrow from the source to the destination (no transition set), or null when the source
    // is a menu bar or menu item, or either window is missing. avoid spreads its ends from the
    // ends already routed. The arrow is not inserted.
    std::unique_ptr<TransitionArrow> Route(CWindowKav* source, CWindowKav* destination, bool avoid);
    void InsertSorted(std::unique_ptr<TransitionArrow> arrow);

private:
    enum class Routing { Horizontal, Vertical };

    void AddTransitionArrows(CWindowKav* window);
    // The destination's rectangle: its own or its ancestor's below the shown window, the title
    // strip, or its box outside; doubleHead when it stands for a window inside it.
    ViewRect DestinationRect(CWindowKav* destination, bool& doubleHead);
    // A new loop over the control's right end, nested around the loops it already has, and the
    // ends of the arrow that runs from the loop back into the control.
    CCorner* AddLoop(const ViewRect& rect, ViewPoint& start, ViewPoint& end);
    // Moves the point along the edge of the inner rectangle until no other arrow end lies at or
    // beyond it, and returns where it comes to lie.
    int SpreadEnd(ViewPoint point, const ViewRect& inner, Routing routing, int step);
    // Whether an arrow end inside the rectangle lies at the same place across the edge and at or
    // beyond the position along it (direction +1: larger coordinates, -1: smaller).
    bool ArrowEndAt(int across, int along, const ViewRect& inner, Routing routing, int direction) const;
    void ShiftArrowEnds(int distance, const ViewRect& inner, Routing routing);

    const DialogLayout* layout_ = nullptr;
    std::vector<std::unique_ptr<TransitionArrow>> arrows_;
    std::vector<std::unique_ptr<CCorner>> corners_;
    std::map<std::string, ViewRect> boxes_;
    ViewRect boxCursor_;
};
