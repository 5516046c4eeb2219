#include "views/drawing/WxSurface.h"

#include <wx/control.h>
#include <wx/dcmemory.h>
#include <wx/settings.h>

#include "views/drawing/NativeControls.h"
#include "views/drawing/TextLines.h"

namespace {

constexpr int kPointsPerInch = 72;
// A control larger than this on paper is drawn straight onto the page: a bitmap of its size
// could not be made, or would take more memory than the page's whole picture.
constexpr int kMaxControlBitmapSide = 4096;

template <class... Visitors>
struct Overloaded : Visitors... {
    using Visitors::operator()...;
};

std::vector<std::string> LinesOf(const std::string& text, unsigned format, int width,
                                 const std::function<int(const std::string&)>& widthOf) {
    if (format & kTextSingleLine) {
        std::string line = text;
        std::replace(line.begin(), line.end(), '\n', ' ');
        return {line};
    }
    return BreakIntoLines(text, (format & kTextWordBreak) ? width : 0, widthOf);
}

}  // namespace

wxColour ToWxColour(const ViewColour& colour) {
    if (colour.system >= 0) return wxSystemSettings::GetColour(static_cast<wxSystemColour>(colour.system));
    return {colour.red, colour.green, colour.blue};
}

wxFont ToWxFont(const TextFont& font) {
    wxFont made(wxFontInfo().FaceName(wxString::FromUTF8(font.face)));
    made.SetPixelSize(wxSize(0, font.height));
    made.SetNumericWeight(font.weight);
    made.SetStyle(font.italic ? wxFONTSTYLE_ITALIC : wxFONTSTYLE_NORMAL);
    made.SetUnderlined(font.underline);
    return made;
}

wxRect ToWxRect(const ViewRect& rect) { return {rect.left, rect.top, rect.Width(), rect.Height()}; }

WxSurface::WxSurface(wxDC& dc, wxWindow& window, Controls controls) : dc_(dc), window_(window), controls_(controls) {
    dc_.GetUserScale(&pointScaleX_, &pointScaleY_);
}

ViewSize WxSurface::Measure(const std::string& text, const TextFont& font, int wrapWidth) const {
    const wxFont wxfont = ToWxFont(font);
    const auto widthOf = [&](const std::string& line) {
        wxCoord width = 0, height = 0;
        dc_.GetTextExtent(wxString::FromUTF8(line), &width, &height, nullptr, nullptr, &wxfont);
        return static_cast<int>(width);
    };
    wxCoord lineWidth = 0, lineHeight = 0;
    dc_.GetTextExtent("Ag", &lineWidth, &lineHeight, nullptr, nullptr, &wxfont);
    ViewSize size;
    const std::vector<std::string> lines = BreakIntoLines(text, wrapWidth, widthOf);
    for (const std::string& line : lines) size.width = std::max(size.width, widthOf(line));
    size.height = static_cast<int>(lines.size()) * lineHeight;
    return size;
}

void WxSurface::SetUnitsPerInch(int unitsPerInch) {
    if (unitsPerInch <= 0) return;
    const double factor = static_cast<double>(kPointsPerInch) / unitsPerInch;
    dc_.SetUserScale(pointScaleX_ * factor, pointScaleY_ * factor);
}

void WxSurface::SetClip(const ViewRect& rect) {
    if (clipped_) dc_.DestroyClippingRegion();
    clipped_ = !rect.IsEmpty();
    if (clipped_) dc_.SetClippingRegion(ToWxRect(rect));
}

void WxSurface::Draw(const DrawPrimitive& primitive) {
    std::visit(Overloaded{
                   [&](const draw::Fill& fill) {
                       dc_.SetPen(*wxTRANSPARENT_PEN);
                       dc_.SetBrush(wxBrush(ToWxColour(fill.colour)));
                       dc_.DrawRectangle(ToWxRect(fill.rect));
                   },
                   [&](const draw::Box& box) {
                       dc_.SetPen(wxPen(ToWxColour(box.pen.colour), box.pen.width));
                       dc_.SetBrush(box.fill ? wxBrush(ToWxColour(*box.fill)) : *wxTRANSPARENT_BRUSH);
                       dc_.DrawRectangle(ToWxRect(box.rect));
                   },
                   [&](const draw::Lines& lines) {
                       if (lines.points.size() < 2) return;
                       dc_.SetPen(wxPen(ToWxColour(lines.pen.colour), lines.pen.width));
                       std::vector<wxPoint> points;
                       for (const ViewPoint& point : lines.points) points.emplace_back(point.x, point.y);
                       dc_.DrawLines(static_cast<int>(points.size()), points.data());
                   },
                   [&](const draw::Text& text) { DrawText(text); },
                   [&](const draw::Edge3D& edge) {
                       const ViewRect& r = edge.rect;
                       dc_.SetPen(wxPen(ToWxColour(edge.topLeft)));
                       dc_.DrawLine(r.left, r.bottom - 1, r.left, r.top);
                       dc_.DrawLine(r.left, r.top, r.right - 1, r.top);
                       dc_.SetPen(wxPen(ToWxColour(edge.bottomRight)));
                       dc_.DrawLine(r.right - 1, r.top, r.right - 1, r.bottom - 1);
                       dc_.DrawLine(r.right - 1, r.bottom - 1, r.left - 1, r.bottom - 1);
                   },
                   [&](const draw::Frame& frame) {
                       dc_.SetPen(wxPen(ToWxColour(frame.colour)));
                       dc_.SetBrush(*wxTRANSPARENT_BRUSH);
                       dc_.DrawRectangle(ToWxRect(frame.rect));
                   },
                   [&](const draw::Control& control) { DrawControl(control); },
                   [&](const draw::Tracker& tracker) { DrawTracker(tracker); },
                   [&](const draw::Clip& clip) { SetClip(clip.rect); },
               },
               primitive);
}

void WxSurface::DrawText(const draw::Text& text) {
    if (text.text.empty()) return;
    const wxFont font = ToWxFont(text.font);
    dc_.SetFont(font);
    dc_.SetTextForeground(ToWxColour(text.colour));
    if (text.background) {
        dc_.SetBackgroundMode(wxBRUSHSTYLE_SOLID);
        dc_.SetTextBackground(ToWxColour(*text.background));
    } else {
        dc_.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    }
    const auto widthOf = [&](const std::string& line) { return dc_.GetTextExtent(wxString::FromUTF8(line)).x; };
    const std::vector<std::string> lines = LinesOf(text.text, text.format, text.rect.Width(), widthOf);
    const int lineHeight = dc_.GetCharHeight();
    int y = text.rect.top;
    if ((text.format & kTextVCenter) && (text.format & kTextSingleLine)) y += (text.rect.Height() - lineHeight) / 2;
    for (const std::string& line : lines) {
        wxString shown = wxString::FromUTF8(line);
        int accelerator = -1;
        if (!(text.format & kTextNoPrefix)) {
            wxString withoutMarks;
            accelerator = wxControl::FindAccelIndex(shown, &withoutMarks);
            shown = withoutMarks;
        }
        const int width = dc_.GetTextExtent(shown).x;
        int x = text.rect.left;
        if (text.format & kTextRight) x = text.rect.right - width;
        else if (text.format & kTextCenter) x = text.rect.left + (text.rect.Width() - width) / 2;
        dc_.DrawLabel(shown, wxRect(x, y, width, lineHeight), wxALIGN_LEFT | wxALIGN_TOP, accelerator);
        y += lineHeight;
    }
}

void WxSurface::DrawControl(const draw::Control& control) {
    if (control.rect.IsEmpty()) return;
    const bool tooLarge = control.rect.Width() > kMaxControlBitmapSide || control.rect.Height() > kMaxControlBitmapSide;
    if (controls_ == Controls::Native || tooLarge) {
        DrawNativeControl(dc_, window_, control);
        return;
    }
    // On paper: drawn at its size in pixels, then stretched onto the page.
    wxBitmap bitmap(control.rect.Width(), control.rect.Height());
    {
        wxMemoryDC memory(bitmap);
        memory.SetBackground(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_3DLIGHT)));
        memory.Clear();
        draw::Control atOrigin = control;
        atOrigin.rect = control.rect.Offset(-control.rect.left, -control.rect.top);
        DrawNativeControl(memory, window_, atOrigin);
    }
    dc_.DrawBitmap(bitmap, control.rect.left, control.rect.top);
}

void WxSurface::DrawTracker(const draw::Tracker& tracker) {
    const ViewRect& r = tracker.rect;
    dc_.SetPen(*wxTRANSPARENT_PEN);
    dc_.SetBrush(wxBrush(*wxBLACK, wxBRUSHSTYLE_BDIAGONAL_HATCH));
    const int b = tracker.border;
    dc_.DrawRectangle(r.left - b, r.top - b, r.Width() + 2 * b, b);
    dc_.DrawRectangle(r.left - b, r.bottom, r.Width() + 2 * b, b);
    dc_.DrawRectangle(r.left - b, r.top, b, r.Height());
    dc_.DrawRectangle(r.right, r.top, b, r.Height());
    dc_.SetPen(wxPen(*wxBLACK, 1, wxPENSTYLE_DOT));
    dc_.SetBrush(*wxTRANSPARENT_BRUSH);
    dc_.DrawRectangle(ToWxRect(r));
    dc_.SetPen(*wxTRANSPARENT_PEN);
    dc_.SetBrush(*wxBLACK_BRUSH);
    for (const ViewRect& handle : tracker.handles) dc_.DrawRectangle(ToWxRect(handle));
}

bool DrawPicture(std::optional<ViewSize> size, wxWindow& window, const std::function<DrawList(TextSurface&)>& draw,
                 wxBitmap& bitmap) {
    if (!size) return false;
    bitmap.Create(size->width, size->height);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    WxSurface surface(dc, window);
    Replay(draw(surface), surface);
    return true;
}
