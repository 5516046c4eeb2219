#pragma once
// The window of a grid that no window shows (a dialog's rules run without one): it keeps the
// size it is given and the focus, reports both to the grid at once, as a real window does, and
// measures every character 7 pixels wide in lines 16 pixels high.
#include "editors/grid/GridWindow.h"

class CBabyGrid;

class HeadlessGridWindow : public GridWindow, public GridTextMeasure {
public:
    explicit HeadlessGridWindow(CBabyGrid& grid) : grid_(grid) {}

    int TextWidth(const std::string& line, const GridFont& font) override;
    int LineHeight(const GridFont&) override { return 16; }
    int Ascent(const GridFont&) override { return 13; }

    int ClientWidth() const override { return width_; }
    int ClientHeight() const override { return height_; }
    int ParentClientWidth() const override { return 0; }
    int ScrollBarSize() const override { return 16; }
    void MoveTo(const GridRect& rect) override { Resize(rect.Width(), rect.Height()); }
    bool Resize(int width, int height) override;
    void Invalidate(bool) override {}
    void InvalidateRect(const GridRect&, bool) override {}
    void RepaintNow() override {}
    void Beep() override {}
    void SetScrollBar(GridScrollBar, bool, int, int, int) override {}
    // The focus arrives at once, as a real window's would.
    void TakeFocus() override;
    bool HasFocus() const override { return focused_; }
    void CreateCaret(int, int) override {}
    void DestroyCaret() override {}
    void ShowCaret(int, int) override {}
    void HideCaret() override {}
    void SetMouseShape(GridMouseShape) override {}

    // The focus went elsewhere.
    void LoseFocus();

private:
    CBabyGrid& grid_;
    int width_ = 0;
    int height_ = 0;
    bool focused_ = false;
};
