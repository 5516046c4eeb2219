#include "views/drawing/NativeControls.h"

#include <wx/control.h>
#include <wx/renderer.h>
#include <wx/settings.h>

namespace {

wxColour System(wxSystemColour colour) { return wxSystemSettings::GetColour(colour); }

// A label with its "&" marking the underlined character, as a control shows its caption.
void Label(wxDC& dc, const std::string& text, const wxRect& rect, int alignment) {
    wxString withoutMarks;
    const int accelerator = wxControl::FindAccelIndex(wxString::FromUTF8(text), &withoutMarks);
    dc.DrawLabel(withoutMarks, rect, alignment, accelerator);
}

void Line(wxDC& dc, const wxColour& colour, int x1, int y1, int x2, int y2) {
    dc.SetPen(wxPen(colour));
    dc.DrawLine(x1, y1, x2, y2);
}

// An etched frame: a shadow line with a highlight line beside it.
void Etched(wxDC& dc, const wxRect& r) {
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.SetPen(wxPen(System(wxSYS_COLOUR_BTNSHADOW)));
    dc.DrawRectangle(r.x, r.y, r.width - 1, r.height - 1);
    dc.SetPen(wxPen(System(wxSYS_COLOUR_BTNHIGHLIGHT)));
    dc.DrawRectangle(r.x + 1, r.y + 1, r.width - 1, r.height - 1);
}

// A box (check or radio) at the left, vertically centred, and the label beside it.
template <class DrawBox>
void BoxAndLabel(wxDC& dc, wxWindow& window, const wxRect& r, const std::string& label, DrawBox drawBox) {
    const wxSize box = wxRendererNative::Get().GetCheckBoxSize(&window);
    drawBox(wxRect(r.x, r.y + (r.height - box.y) / 2, box.x, box.y));
    Label(dc, label, wxRect(r.x + box.x + 4, r.y, r.width - box.x - 4, r.height), wxALIGN_LEFT | wxALIGN_CENTER_VERTICAL);
}

void GroupBox(wxDC& dc, const wxRect& r, const std::string& label) {
    const int half = dc.GetCharHeight() / 2;
    Etched(dc, wxRect(r.x, r.y + half, r.width, r.height - half));
    if (label.empty()) return;
    wxString withoutMarks;
    wxControl::FindAccelIndex(wxString::FromUTF8(label), &withoutMarks);
    const wxRect text(r.x + 8, r.y, dc.GetTextExtent(withoutMarks).x + 4, dc.GetCharHeight());
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(System(wxSYS_COLOUR_3DLIGHT)));
    dc.DrawRectangle(text);
    Label(dc, label, text, wxALIGN_CENTER);
}

void TabControl(wxDC& dc, const wxRect& r, const draw::Control& control) {
    const int tabs = std::max<int>(1, static_cast<int>(control.items.size()));
    const int tabWidth = r.width / tabs, tabHeight = dc.GetCharHeight() + 8;
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(System(wxSYS_COLOUR_BTNFACE)));
    dc.DrawRectangle(r.x, r.y + tabHeight, r.width, r.height - tabHeight);
    for (int i = 0; i < tabs; ++i) {
        const int x = r.x + i * tabWidth, top = r.y + (i == 0 ? 0 : 2);
        dc.DrawRectangle(x, top, tabWidth, tabHeight);
        Line(dc, System(wxSYS_COLOUR_BTNHIGHLIGHT), x, r.y + tabHeight, x, top);
        Line(dc, System(wxSYS_COLOUR_BTNHIGHLIGHT), x, top, x + tabWidth - 1, top);
        Line(dc, System(wxSYS_COLOUR_3DDKSHADOW), x + tabWidth - 1, top, x + tabWidth - 1, r.y + tabHeight);
    }
    const int bottom = r.GetBottom(), right = r.GetRight();
    Line(dc, System(wxSYS_COLOUR_BTNHIGHLIGHT), r.x, r.y + tabHeight, r.x, bottom);
    Line(dc, System(wxSYS_COLOUR_BTNHIGHLIGHT), r.x + tabWidth, r.y + tabHeight, right, r.y + tabHeight);
    Line(dc, System(wxSYS_COLOUR_3DDKSHADOW), right, r.y + tabHeight, right, bottom);
    Line(dc, System(wxSYS_COLOUR_3DDKSHADOW), r.x, bottom, right + 1, bottom);
    // The window's name on the first tab.
    Label(dc, control.label, wxRect(r.x, r.y, tabWidth, tabHeight), wxALIGN_CENTER);
}

void Header(wxDC& dc, wxWindow& window, const wxRect& r, const draw::Control& control) {
    const int columns = std::max<int>(1, static_cast<int>(control.items.size()));
    const int width = r.width / columns;
    for (int i = 0; i < columns; ++i) {
        const wxRect column(r.x + i * width, r.y, width, r.height);
        wxHeaderButtonParams params;
        params.m_labelText = wxString::FromUTF8(control.items[i]);
        params.m_labelAlignment = wxALIGN_LEFT;
        wxRendererNative::Get().DrawHeaderButton(&window, dc, column, 0, wxHDR_SORT_ICON_NONE, &params);
    }
}

void TreeControl(wxDC& dc, wxWindow& window, const wxRect& r, const draw::Control& control) {
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(System(wxSYS_COLOUR_WINDOW)));
    dc.DrawRectangle(r);
    const int row = dc.GetCharHeight() + 2, button = 9, indent = 19;
    const int x = r.x + 4, y = r.y + 2;
    // Lines from the root down to its children, then the root's expanded button.
    const int lineX = x + button / 2;
    dc.SetPen(wxPen(System(wxSYS_COLOUR_GRAYTEXT), 1, wxPENSTYLE_DOT));
    dc.DrawLine(lineX, y + row / 2, lineX, y + row * static_cast<int>(control.items.size()) + row / 2);
    for (std::size_t i = 0; i < control.items.size(); ++i) {
        const int itemY = y + row * static_cast<int>(i + 1) + row / 2;
        dc.DrawLine(lineX, itemY, lineX + indent, itemY);
    }
    wxRendererNative::Get().DrawTreeItemButton(&window, dc, wxRect(x, y + (row - button) / 2, button, button),
                                               wxCONTROL_EXPANDED);
    dc.SetTextForeground(System(wxSYS_COLOUR_WINDOWTEXT));
    dc.DrawText(wxString::FromUTF8(control.label), x + indent, y);
    for (std::size_t i = 0; i < control.items.size(); ++i)
        dc.DrawText(wxString::FromUTF8(control.items[i]), x + 2 * indent, y + row * static_cast<int>(i + 1));
}

void CaptionFrame(wxDC& dc, const wxRect& r, const std::string& caption) {
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.SetPen(wxPen(System(wxSYS_COLOUR_ACTIVEBORDER), 3));
    dc.DrawRectangle(r.x + 1, r.y + 1, r.width - 2, r.height - 2);
    Line(dc, System(wxSYS_COLOUR_3DDKSHADOW), r.x, r.GetBottom(), r.GetRight(), r.GetBottom());
    Line(dc, System(wxSYS_COLOUR_3DDKSHADOW), r.GetRight(), r.y, r.GetRight(), r.GetBottom() + 1);
    const int barHeight = dc.GetCharHeight() + 6;
    const wxRect bar(r.x + 3, r.y + 3, r.width - 6, std::min(barHeight, r.height - 6));
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(System(wxSYS_COLOUR_ACTIVECAPTION)));
    dc.DrawRectangle(bar);
    dc.SetTextForeground(System(wxSYS_COLOUR_CAPTIONTEXT));
    dc.DrawLabel(wxString::FromUTF8(caption), wxRect(bar.x + 4, bar.y, bar.width - 8, bar.height),
                 wxALIGN_LEFT | wxALIGN_CENTER_VERTICAL);
}

void BorderFrame(wxDC& dc, const wxRect& r) {
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.SetPen(wxPen(System(wxSYS_COLOUR_WINDOWFRAME)));
    dc.DrawRectangle(r);
    Line(dc, System(wxSYS_COLOUR_BTNSHADOW), r.x + 1, r.GetBottom() - 1, r.x + 1, r.y + 1);
    Line(dc, System(wxSYS_COLOUR_BTNSHADOW), r.x + 1, r.y + 1, r.GetRight(), r.y + 1);
}

}  // namespace

void DrawNativeControl(wxDC& dc, wxWindow& window, const draw::Control& control) {
    const wxRect r(control.rect.left, control.rect.top, control.rect.Width(), control.rect.Height());
    wxRendererNative& renderer = wxRendererNative::Get();
    dc.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    dc.SetTextForeground(System(wxSYS_COLOUR_BTNTEXT));
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    switch (control.kind) {
        case ControlKind::PushButton:
            renderer.DrawPushButton(&window, dc, r, 0);
            Label(dc, control.label, r, wxALIGN_CENTER);
            break;
        case ControlKind::CheckBox:
            BoxAndLabel(dc, window, r, control.label, [&](const wxRect& box) { renderer.DrawCheckBox(&window, dc, box, 0); });
            break;
        case ControlKind::RadioButton:
            BoxAndLabel(dc, window, r, control.label, [&](const wxRect& box) { renderer.DrawRadioBitmap(&window, dc, box, 0); });
            break;
        case ControlKind::GroupBox: GroupBox(dc, r, control.label); break;
        case ControlKind::ComboBox: renderer.DrawComboBox(&window, dc, r, 0); break;
        case ControlKind::TabControl: TabControl(dc, r, control); break;
        case ControlKind::Header: Header(dc, window, r, control); break;
        case ControlKind::TreeControl: TreeControl(dc, window, r, control); break;
        case ControlKind::CaptionFrame: CaptionFrame(dc, r, control.label); break;
        case ControlKind::BorderFrame: BorderFrame(dc, r); break;
    }
}
