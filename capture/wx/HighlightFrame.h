#pragma once
// The red frame round the window or element under the spy's pointer: four borderless windows,
// 3 pixels wide, on top of everything along the inner edges of a screen rectangle. They belong to
// the spy's own program, so pointing at one looks through it.
#include <array>

#include <wx/gdicmn.h>

class wxPopupWindow;
class wxWindow;

class HighlightFrame {
public:
    static constexpr int kWidth = 3;

    explicit HighlightFrame(wxWindow* owner);
    ~HighlightFrame();
    HighlightFrame(const HighlightFrame&) = delete;
    HighlightFrame& operator=(const HighlightFrame&) = delete;

    void Show(const wxRect& rect);
    void Hide();
    bool IsShown() const;
    // Top, bottom, left, right.
    const std::array<wxPopupWindow*, 4>& Bars() const { return bars_; }

private:
    std::array<wxPopupWindow*, 4> bars_{};
};
