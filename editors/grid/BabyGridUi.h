#pragma once
// The window of the record grid: a custom window that paints the grid, forwards the keyboard,
// the mouse, the focus, scrolling and sizing to it, and gives it the window's services.
#include <functional>
#include <memory>
#include <optional>

#include <wx/window.h>

#include "editors/grid/BabyGrid.h"

// The grid's key of a wx key code; none for the keys that type characters or do nothing.
std::optional<GridKey> GridKeyOf(int keyCode);

class BabyGridUi : public wxWindow {
public:
    // How an input event's handler runs: an owning dialog passes one that shows afterwards
    // what the grid's notifications changed in it; by default the handler just runs.
    using EventRunner = std::function<void(const std::function<void()>&)>;

    // Made where its owner will place it, so that it never shows its bars in a smaller size.
    BabyGridUi(wxWindow* parent, int id, const wxRect& place, CBabyGrid& grid, EventRunner run = {});
    ~BabyGridUi() override;

    CBabyGrid& Grid() const { return grid_; }
    bool Enable(bool enable = true) override;

private:
    class Services;

    void RunEvent(const std::function<void()>& handler);
    void OnPaint(wxPaintEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnChar(wxKeyEvent& event);
    void OnScroll(wxScrollWinEvent& event);

    CBabyGrid& grid_;
    EventRunner run_;
    std::unique_ptr<Services> services_;
};
