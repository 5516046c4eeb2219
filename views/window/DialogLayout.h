#pragma once
// Where the window view puts things: the shown window at the margins below its title strip,
// each control at its place inside its ancestors, and the anchor below which the boxes of
// windows outside the shown one are stacked.
#include "model/WindowKav.h"
#include "views/drawing/ViewGeometry.h"

class DialogLayout {
public:
    static constexpr int kLeftMargin = 30;
    static constexpr int kTopMargin = 30;
    static constexpr int kTitleHeight = 30;

    // Takes the shown window's size (null: nothing is shown).
    void SetWindow(CWindowKav* displayed);
    CWindowKav* GetWindow() const { return displayed_; }

    // A control's model rectangle moved by the left top corner of each ancestor below the shown
    // window, then by the margins and the title strip; the shown window at (30, 60).
    ViewRect GetViewRect(const CWindowKav* window) const;
    // A view rectangle in the model coordinates of a child of the parent (the shown window, or
    // a control of it).
    WindowRect ToModel(const ViewRect& rect, const CWindowKav* parent) const;

    // The strip above the window that shows its name: (30, 30, 30 + width, 45).
    ViewRect GetTitleRect() const { return titleRect_; }
    // The box of the first window outside is 20 below it.
    ViewRect GetBoxAnchor() const { return boxAnchor_; }
    // The scroll size the window needs: its view rectangle and the margins below and right.
    ViewSize GetExtent() const { return extent_; }

private:
    CWindowKav* displayed_ = nullptr;
    ViewRect titleRect_;
    ViewRect boxAnchor_;
    ViewSize extent_;
};
