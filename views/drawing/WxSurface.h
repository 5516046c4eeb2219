#pragma once
// The views' surface on a wx device context: the screen, a bitmap or a printer page. Controls
// take the desktop's look from the native renderer; on paper they are drawn into a bitmap of
// their size first, which the page's scale stretches.
#include <functional>
#include <optional>

#include <wx/bitmap.h>
#include <wx/dc.h>
#include <wx/window.h>

#include "views/drawing/TextSurface.h"

wxColour ToWxColour(const ViewColour& colour);
wxFont ToWxFont(const TextFont& font);
wxRect ToWxRect(const ViewRect& rect);

class WxSurface : public TextSurface {
public:
    enum class Controls { Native, ThroughBitmaps };

    // The window is the one whose look the renderer follows. The context's scale at this
    // moment counts as 72 units per inch for SetUnitsPerInch.
    WxSurface(wxDC& dc, wxWindow& window, Controls controls = Controls::Native);

    ViewSize Measure(const std::string& text, const TextFont& font, int wrapWidth) const override;
    void Draw(const DrawPrimitive& primitive) override;
    void SetUnitsPerInch(int unitsPerInch) override;

private:
    void DrawText(const draw::Text& text);
    void DrawControl(const draw::Control& control);
    void DrawTracker(const draw::Tracker& tracker);
    void SetClip(const ViewRect& rect);

    wxDC& dc_;
    wxWindow& window_;
    Controls controls_;
    double pointScaleX_;
    double pointScaleY_;
    bool clipped_ = false;
};

// A view's whole drawing on white in a new bitmap of the size, its controls in the window's
// look; false, and the bitmap untouched, without a size.
bool DrawPicture(std::optional<ViewSize> size, wxWindow& window, const std::function<DrawList(TextSurface&)>& draw,
                 wxBitmap& bitmap);
