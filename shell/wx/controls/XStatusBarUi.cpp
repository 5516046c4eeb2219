#include "shell/wx/controls/XStatusBarUi.h"

#include <wx/dcbuffer.h>
#include <wx/settings.h>

CXStatusBarUi::CXStatusBarUi(wxWindow* parent) : wxStatusBar(parent, wxID_ANY, wxSTB_DEFAULT_STYLE) {
    SetFieldsCount(1);
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &CXStatusBarUi::OnPaint, this);
}

void CXStatusBarUi::ShowStatusText(const std::string& text) {
    bar_.SetStatusText(text);
    Refresh();
    Update();
}

void CXStatusBarUi::SetTextColor(const wxColour& colour) {
    colour_ = colour;
    bar_.SetTextColor(colour.GetRGB());
}

void CXStatusBarUi::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    const wxSize size = GetClientSize();
    const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
    const wxColour highlight = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNHIGHLIGHT);
    const wxColour shadow = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW);
    dc.SetPen(wxPen(face));
    dc.SetBrush(wxBrush(face));
    dc.DrawRectangle(0, 0, size.x, size.y);
    // The sunken frame: light below and at the right, shadow above and at the left.
    dc.SetPen(wxPen(highlight));
    dc.DrawLine(0, size.y - 1, size.x, size.y - 1);
    dc.DrawLine(size.x - 1, 2, size.x - 1, size.y);
    dc.SetPen(wxPen(shadow));
    dc.DrawLine(0, 2, size.x, 2);
    dc.DrawLine(0, size.y - 2, size.x, size.y - 2);
    dc.DrawLine(0, 2, 0, size.y - 1);

    const wxRect textRect(0, 0, size.x - CXStatusBar::kGripWidth, CXStatusBar::kTextHeight);
    const std::string& status = bar_.GetStatusText();
    dc.SetFont(!status.empty() && font_.IsOk() ? font_ : GetFont());
    const int textWidth = status.empty() ? 0 : dc.GetTextExtent(wxString::FromUTF8(status)).x;
    const StatusBarFace shown = bar_.Face(size.x, textWidth, std::string(GetStatusText(0).utf8_str()));
    dc.SetTextForeground(shown.ownStyle && colour_.IsOk() ? colour_
                                                          : wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT));
    {
        wxDCClipper clip(dc, textRect);
        dc.DrawText(wxString::FromUTF8(shown.text), CXStatusBar::kTextLeft, 3);
    }
    if (!shown.rule) return;
    const struct {
        wxPen pen;
        int y;
    } lines[] = {{wxPen(*wxRED, 2), 8}, {wxPen(highlight, 1), 9}, {wxPen(highlight, 1), 10}, {wxPen(*wxBLACK, 2), 12}};
    for (const auto& line : lines) {
        dc.SetPen(line.pen);
        dc.DrawLine(shown.ruleLeft, line.y, shown.ruleRight, line.y);
    }
}
