#include "shell/wx/controls/XTabCtrlUi.h"

#include <wx/notebook.h>
#include <wx/dcbuffer.h>
#include <wx/renderer.h>

namespace {

const wxColour kLightGrey(0xC0, 0xC0, 0xC0);
const wxColour kDarkGrey(0x80, 0x80, 0x80);

wxRect ToRect(const PixelRect& rect) { return wxRect(rect.left, rect.top, rect.Width(), rect.Height()); }

}  // namespace

CXTabCtrlUi::CXTabCtrlUi(wxWindow* parent, int id, std::unique_ptr<CXTabCtrl> strip)
    : wxWindow(parent, id, wxDefaultPosition, wxDefaultSize, wxWANTS_CHARS | wxCLIP_CHILDREN),
      strip_(std::move(strip)),
      font_(wxFontInfo(wxSize(0, 11)).Family(wxFONTFAMILY_SWISS)) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetFont(font_);
    strip_->SetParent(this);
    strip_->SetTextMeasure([this](const std::string& text) {
        wxClientDC dc(this);
        dc.SetFont(font_);
        return dc.GetTextExtent(wxString::FromUTF8(text)).x;
    });
    Bind(wxEVT_PAINT, &CXTabCtrlUi::OnPaint, this);
    Bind(wxEVT_SIZE, &CXTabCtrlUi::OnSize, this);
    Bind(wxEVT_LEFT_DOWN, &CXTabCtrlUi::OnLeftDown, this);
    Bind(wxEVT_KEY_DOWN, &CXTabCtrlUi::OnKeyDown, this);
    Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& event) { Refresh(); event.Skip(); });
    Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) { Refresh(); event.Skip(); });
}

int CXTabCtrlUi::AddItem(const wxString& caption, std::uintptr_t data, const wxBitmap& icon) {
    const int index = strip_->AddItem(std::string(caption.utf8_str()), data, icon.IsOk());
    if (index >= 0) icons_.push_back(icon);
    Refresh();
    return index;
}

void CXTabCtrlUi::SetCurSel(int index) {
    strip_->SetCurSel(index);
    Refresh();
}

void CXTabCtrlUi::SendSelectionEvent(wxEventType type) {
    wxBookCtrlEvent event(type, GetId(), strip_->GetCurSel());
    event.SetEventObject(this);
    GetEventHandler()->ProcessEvent(event);
}

void CXTabCtrlUi::SelectionChanging() { SendSelectionEvent(wxEVT_NOTEBOOK_PAGE_CHANGING); }

void CXTabCtrlUi::SelectionChanged() {
    Refresh();
    SendSelectionEvent(wxEVT_NOTEBOOK_PAGE_CHANGED);
}

void CXTabCtrlUi::Clicked() {
    wxCommandEvent event(wxEVT_COMMAND_LEFT_CLICK, GetId());
    event.SetEventObject(this);
    GetEventHandler()->ProcessEvent(event);
}

void CXTabCtrlUi::OnSize(wxSizeEvent& event) {
    const wxSize size = GetClientSize();
    strip_->SetClientSize(size.x, size.y);
    Refresh();
    event.Skip();
}

void CXTabCtrlUi::OnLeftDown(wxMouseEvent& event) {
    SetFocus();
    strip_->OnLeftButtonDown(event.GetX(), event.GetY());
}

void CXTabCtrlUi::OnKeyDown(wxKeyEvent& event) {
    TabKey key;
    switch (event.GetKeyCode()) {
        case WXK_LEFT: key = TabKey::Left; break;
        case WXK_RIGHT: key = TabKey::Right; break;
        case WXK_TAB: key = TabKey::Tab; break;
        case WXK_HOME: key = TabKey::Home; break;
        case WXK_END: key = TabKey::End; break;
        case WXK_UP: key = TabKey::Up; break;
        case WXK_DOWN: key = TabKey::Down; break;
        default: event.Skip(); return;
    }
    switch (strip_->OnKey(key, event.ControlDown(), event.ShiftDown())) {
        case TabKeyEffect::None: event.Skip(); break;
        case TabKeyEffect::Selection: break;
        case TabKeyEffect::FocusNextStop: Navigate(wxNavigationKeyEvent::IsForward); break;
        case TabKeyEffect::FocusPreviousStop: Navigate(wxNavigationKeyEvent::IsBackward); break;
        case TabKeyEffect::FocusFirstChild:
            if (!GetChildren().empty()) GetChildren().GetFirst()->GetData()->SetFocus();
            break;
    }
}

void CXTabCtrlUi::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    dc.SetFont(font_);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    const wxSize size = GetClientSize();
    dc.SetBrush(wxBrush(kLightGrey));
    dc.SetPen(wxPen(kLightGrey));
    dc.DrawRectangle(0, 0, size.x, size.y);
    // The raised body without the tab strip.
    wxRect body(0, 0, size.x, size.y);
    const int strip = strip_->GetItemHeight() - 1;
    if (strip_->TabsAtTop()) body.y += strip, body.height -= strip;
    else body.height -= strip;
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.SetPen(*wxWHITE_PEN);
    dc.DrawLine(body.GetLeft(), body.GetBottom(), body.GetLeft(), body.GetTop());
    dc.DrawLine(body.GetLeft(), body.GetTop(), body.GetRight(), body.GetTop());
    dc.SetPen(*wxBLACK_PEN);
    dc.DrawLine(body.GetRight(), body.GetTop(), body.GetRight(), body.GetBottom());
    dc.DrawLine(body.GetLeft(), body.GetBottom(), body.GetRight() + 1, body.GetBottom());
    for (int i = 0; i < strip_->GetItemCount(); ++i) DrawTab(dc, i, HasFocus());
}

void CXTabCtrlUi::DrawTab(wxDC& dc, int index, bool focused) {
    const bool selected = index == strip_->GetCurSel();
    const PixelRect tab = strip_->GetRect(index);
    int left = tab.left, top = tab.top, right = tab.right, bottom = tab.bottom;
    const wxPen white(*wxWHITE), black(*wxBLACK), dark(kDarkGrey), light(kLightGrey);
    if (strip_->TabsAtTop()) {
        if (!selected) top += 2;
        // The selected tab opens into the body below it.
        dc.SetPen(selected ? light : white);
        dc.DrawLine(right - 1, bottom - 1, left, bottom - 1);
        dc.SetPen(white);
        dc.DrawLine(left, bottom - 1, left, top + 2);
        dc.DrawLine(left, top + 2, left + 2, top);
        dc.DrawLine(left + 2, top, right - 2, top);
        dc.SetPen(dark);
        dc.DrawLine(right - 2, top + 1, right - 2, bottom - 1);
        dc.SetPen(black);
        dc.DrawLine(right - 1, top + 2, right - 1, bottom - 1);
    } else {
        if (selected) {
            dc.SetPen(light);
            dc.SetBrush(wxBrush(kLightGrey));
            dc.DrawRectangle(left + 1, top, right - left - 3, bottom - top);
        } else {
            bottom -= 2;
        }
        dc.SetPen(white);
        dc.DrawLine(left, selected ? top : top + 2, left, bottom - 1);
        dc.SetPen(dark);
        dc.DrawLine(left + 1, bottom - 2, right - 2, bottom - 1);
        dc.DrawLine(right - 3, bottom - 2, right - 1, bottom - 2);
        dc.DrawLine(right - 2, bottom - 2, right - 2, selected ? top - 1 : top + 1);
        dc.SetPen(black);
        dc.DrawLine(left + 2, bottom, right - 2, bottom);
        dc.DrawLine(right - 2, bottom, right - 1, bottom - 1);
        dc.DrawLine(right - 1, bottom - 2, right - 1, top + 1);
    }

    PixelRect textRect = strip_->GetTextRect(index);
    const PixelRect iconRect = strip_->GetIconRect(textRect);
    const wxBitmap& icon = icons_[index];
    if (icon.IsOk() && iconRect.Width() > 0) {
        dc.DrawBitmap(icon, iconRect.left, iconRect.top, true);
        textRect.left = iconRect.right + CXTabCtrl::kMargin / 2;
    }
    const std::string caption = strip_->FitCaption(strip_->GetItem(index)->caption, textRect.Width());
    dc.SetTextForeground(*wxBLACK);
    const wxRect area = ToRect(textRect);
    dc.DrawLabel(wxString::FromUTF8(caption), area, wxALIGN_LEFT | wxALIGN_CENTER_VERTICAL);
    if (selected && focused) {
        wxRect focus = area;
        focus.Deflate(0, 2);
        wxRendererNative::Get().DrawFocusRect(this, dc, focus);
    }
}
