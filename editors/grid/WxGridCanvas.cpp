#include "editors/grid/WxGridCanvas.h"

#include <vector>

#include <wx/control.h>
#include <wx/renderer.h>
#include <wx/settings.h>

namespace {

wxRect ToWxRect(const GridRect& rect) {
    return {rect.left, rect.top, rect.Width(), rect.Height()};
}

// The lines of a text broken at blanks so that each fits the width; a word wider than the
// width stands on a line of its own.
std::vector<wxString> WrapWords(wxDC& dc, const wxString& text, int width) {
    std::vector<wxString> lines;
    for (const wxString& paragraph : wxSplit(text, '\n', '\0')) {
        wxString line;
        for (const wxString& word : wxSplit(paragraph, ' ', '\0')) {
            const wxString candidate = line.empty() ? word : line + " " + word;
            if (!line.empty() && dc.GetTextExtent(candidate).x > width) {
                lines.push_back(line);
                line = word;
            } else {
                line = candidate;
            }
        }
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

wxFont ToWxFont(const GridFont& font) {
    wxFont made = font.face.empty() ? wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT)
                                    : wxFont(wxFontInfo().FaceName(wxString::FromUTF8(font.face)));
    made.SetPixelSize(wxSize(0, font.pixelHeight));
    made.SetNumericWeight(font.weight);
    return made;
}

wxColour ToWxColour(GridColour colour) {
    return wxColour(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

void WxGridCanvas::Fill(const GridRect& rect, GridColour colour) {
    dc_.SetPen(*wxTRANSPARENT_PEN);
    dc_.SetBrush(wxBrush(ToWxColour(colour)));
    dc_.DrawRectangle(ToWxRect(rect));
}

void WxGridCanvas::EtchedEdge(const GridRect& rect) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    wxRendererNative::Get().DrawHeaderButton(&window_, dc_, ToWxRect(rect));
}

void WxGridCanvas::Cell(const GridRect& rect, GridColour fill, GridColour line) {
    dc_.SetPen(wxPen(ToWxColour(line)));
    dc_.SetBrush(wxBrush(ToWxColour(fill)));
    dc_.DrawRectangle(ToWxRect(rect));
}

void WxGridCanvas::Text(const GridRect& rect, const std::string& text, const GridFont& font, GridColour colour,
                        unsigned format) {
    if (text.empty() || rect.Width() <= 0 || rect.Height() <= 0) return;
    wxDCClipper clip(dc_, ToWxRect(rect));
    dc_.SetFont(ToWxFont(font));
    dc_.SetTextForeground(ToWxColour(colour));
    dc_.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    const wxString whole = wxString::FromUTF8(text);
    std::vector<wxString> lines;
    if (format & kTextSingleLine) lines.push_back(whole);
    else if (format & kTextWordBreak) lines = WrapWords(dc_, whole, rect.Width());
    else
        for (const wxString& line : wxSplit(whole, '\n', '\0')) lines.push_back(line);
    const int lineHeight = dc_.GetCharHeight();
    int y = rect.top;
    if ((format & kTextVCenter) && (format & kTextSingleLine)) y += (rect.Height() - lineHeight) / 2;
    for (wxString line : lines) {
        if (format & kTextSingleLine) line.Replace("\n", " ");
        if (format & kTextEndEllipsis) line = wxControl::Ellipsize(line, dc_, wxELLIPSIZE_END, rect.Width());
        const int width = dc_.GetTextExtent(line).x;
        int x = rect.left;
        if (format & kTextRight) x = rect.right - width;
        else if (format & kTextCenter) x = rect.left + (rect.Width() - width) / 2;
        dc_.DrawText(line, x, y);
        y += lineHeight;
    }
}

void WxGridCanvas::CheckBox(const GridRect& rect, bool checked) {
    const wxSize box = wxRendererNative::Get().GetCheckBoxSize(&window_);
    const wxRect area = ToWxRect(rect);
    const wxRect centred(area.x + (area.width - box.x) / 2, area.y + (area.height - box.y) / 2, box.x, box.y);
    wxRendererNative::Get().DrawCheckBox(&window_, dc_, centred, checked ? int{wxCONTROL_CHECKED} : 0);
}

void WxGridCanvas::Frame(const GridRect& rect, GridColour colour, int width) {
    dc_.SetPen(wxPen(ToWxColour(colour), width));
    dc_.SetBrush(*wxTRANSPARENT_BRUSH);
    dc_.DrawRectangle(ToWxRect(rect));
}

void WxGridCanvas::EditBox(const GridRect& rect) {
    dc_.SetPen(*wxBLACK_PEN);
    dc_.SetBrush(*wxWHITE_BRUSH);
    dc_.DrawRectangle(ToWxRect(rect));
}
