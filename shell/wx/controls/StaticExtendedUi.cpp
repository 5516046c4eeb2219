#include "shell/wx/controls/StaticExtendedUi.h"

#include <wx/dcbuffer.h>
#include <wx/settings.h>

namespace {

wxColour Shown(std::optional<std::uint32_t> colour, wxSystemColour fallback) {
    if (!colour) return wxSystemSettings::GetColour(fallback);
    wxColour shown;
    shown.SetRGB(*colour);
    return shown;
}

}  // namespace

CStaticExtendedUi::CStaticExtendedUi(wxWindow* parent, int id) : wxWindow(parent, id) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &CStaticExtendedUi::OnPaint, this);
}

void CStaticExtendedUi::SetText(const std::string& text) {
    text_ = text;
    Refresh();
}

void CStaticExtendedUi::SetTextColor(std::uint32_t colour) {
    label_.SetTextColor(colour);
    Refresh();
}

void CStaticExtendedUi::SetBkColor(std::uint32_t colour) {
    label_.SetBkColor(colour);
    Refresh();
}

void CStaticExtendedUi::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    const wxColour background = Shown(label_.GetBkColor(), wxSYS_COLOUR_BTNFACE);
    dc.SetBackground(wxBrush(background));
    dc.Clear();
    dc.SetFont(font_.IsOk() ? font_ : GetFont());
    dc.SetTextForeground(Shown(label_.GetTextColor(), wxSYS_COLOUR_WINDOWTEXT));
    dc.SetTextBackground(background);
    int y = 0;
    for (const std::string& line : CStaticExtended::Lines(text_)) {
        dc.DrawText(wxString::FromUTF8(line), CStaticExtended::kTextLeft, y);
        y += dc.GetCharHeight();
    }
}
