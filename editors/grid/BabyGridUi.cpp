#include "editors/grid/BabyGridUi.h"

#include <optional>

#include <wx/caret.h>
#include <wx/dcbuffer.h>
#include <wx/settings.h>
#include <wx/utils.h>

#include "editors/grid/WxGridCanvas.h"

namespace {

// Scroll bar positions run from 1 to max, wx's from 0.
int WxOrientation(GridScrollBar bar) {
    return bar == GridScrollBar::Horizontal ? wxHORIZONTAL : wxVERTICAL;
}

}  // namespace

std::optional<GridKey> GridKeyOf(int keyCode) {
    switch (keyCode) {
    case WXK_ESCAPE: return GridKey::Escape;
    case WXK_PAGEDOWN: case WXK_NUMPAD_PAGEDOWN: return GridKey::PageDown;
    case WXK_PAGEUP: case WXK_NUMPAD_PAGEUP: return GridKey::PageUp;
    case WXK_DOWN: case WXK_NUMPAD_DOWN: return GridKey::Down;
    case WXK_UP: case WXK_NUMPAD_UP: return GridKey::Up;
    case WXK_LEFT: case WXK_NUMPAD_LEFT: return GridKey::Left;
    case WXK_RIGHT: case WXK_NUMPAD_RIGHT: return GridKey::Right;
    case WXK_TAB: return GridKey::Tab;
    case WXK_RETURN: case WXK_NUMPAD_ENTER: return GridKey::Return;
    case WXK_BACK: return GridKey::Back;
    case WXK_DELETE: case WXK_NUMPAD_DELETE: return GridKey::Delete;
    default: break;
    }
    if (keyCode >= WXK_F1 && keyCode <= WXK_F12)
        return static_cast<GridKey>(static_cast<int>(GridKey::F1) + keyCode - WXK_F1);
    return std::nullopt;
}

// What the grid asks of its window, answered by the wx window.
class BabyGridUi::Services : public GridWindow, public GridTextMeasure {
public:
    explicit Services(BabyGridUi& window) : window_(window) {}

    int TextWidth(const std::string& line, const GridFont& font) override { return Extent(line, ToWxFont(font)).x; }
    int LineHeight(const GridFont& font) override { return Extent("Ag", ToWxFont(font)).y; }
    int Ascent(const GridFont& font) override {
        const wxFont wxfont = ToWxFont(font);
        int width = 0, height = 0, descent = 0;
        window_.GetTextExtent("Ag", &width, &height, &descent, nullptr, &wxfont);
        return height - descent;
    }

    int ClientWidth() const override { return window_.GetClientSize().x; }
    int ClientHeight() const override { return window_.GetClientSize().y; }
    int ParentClientWidth() const override {
        return window_.GetParent() ? window_.GetParent()->GetClientSize().x : 0;
    }
    int ScrollBarSize() const override { return wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, &window_); }

    void MoveTo(const GridRect& rect) override { window_.SetSize(rect.left, rect.top, rect.Width(), rect.Height()); }
    bool Resize(int width, int height) override {
        if (window_.GetSize() == wxSize(width, height)) return false;
        window_.SetSize(width, height);
        return true;
    }

    void Invalidate(bool erase) override { window_.Refresh(erase); }
    void InvalidateRect(const GridRect& rect, bool erase) override {
        window_.RefreshRect(wxRect(rect.left, rect.top, rect.Width(), rect.Height()), erase);
    }
    void RepaintNow() override {
        window_.Refresh();
        window_.Update();
    }
    void Beep() override { wxBell(); }

    void SetScrollBar(GridScrollBar bar, bool shown, int max, int position, int page) override {
        // Changing a bar while painting would change the area being painted.
        auto apply = [this, orientation = WxOrientation(bar), shown, max, position, page] {
            if (shown) window_.SetScrollbar(orientation, position - 1, page, max - 1 + page);
            else window_.SetScrollbar(orientation, 0, 0, 0);
        };
        if (painting) window_.CallAfter(apply);
        else apply();
    }

    void TakeFocus() override { window_.SetFocus(); }
    bool HasFocus() const override { return wxWindow::FindFocus() == &window_; }

    void CreateCaret(int width, int height) override { window_.SetCaret(new wxCaret(&window_, width, height)); }
    void DestroyCaret() override { window_.SetCaret(nullptr); }
    void ShowCaret(int x, int y) override {
        if (wxCaret* caret = window_.GetCaret()) {
            caret->Move(x, y);
            if (!caret->IsVisible()) caret->Show();
        }
    }
    void HideCaret() override {
        if (wxCaret* caret = window_.GetCaret(); caret && caret->IsVisible()) caret->Hide();
    }

    void SetMouseShape(GridMouseShape shape) override {
        window_.SetCursor(wxCursor(shape == kMouseShapeSizeWE ? wxCURSOR_SIZEWE : wxCURSOR_ARROW));
    }

    bool painting = false;

private:
    wxSize Extent(const std::string& text, const wxFont& font) const {
        int width = 0, height = 0;
        window_.GetTextExtent(wxString::FromUTF8(text), &width, &height, nullptr, nullptr, &font);
        return {width, height};
    }

    BabyGridUi& window_;
};

BabyGridUi::BabyGridUi(wxWindow* parent, int id, const wxRect& place, CBabyGrid& grid, EventRunner run)
    : wxWindow(parent, id, place.GetPosition(), place.GetSize(),
               wxWANTS_CHARS | wxBORDER_SUNKEN | wxHSCROLL | wxVSCROLL | wxFULL_REPAINT_ON_RESIZE),
      grid_(grid),
      run_(std::move(run)),
      services_(std::make_unique<Services>(*this)) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    grid_.Attach(services_.get(), services_.get());
    Bind(wxEVT_PAINT, &BabyGridUi::OnPaint, this);
    Bind(wxEVT_KEY_DOWN, &BabyGridUi::OnKeyDown, this);
    Bind(wxEVT_CHAR, &BabyGridUi::OnChar, this);
    Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& event) {
        RunEvent([this, at = event.GetPosition()] { grid_.OnLeftDown(at.x, at.y); });
    });
    Bind(wxEVT_LEFT_UP, [this](wxMouseEvent& event) { grid_.OnLeftUp(event.GetX(), event.GetY()); });
    Bind(wxEVT_MOTION, [this](wxMouseEvent& event) { grid_.OnMouseMove(event.GetX(), event.GetY()); });
    Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent&) { grid_.OnSetFocus(); });
    Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent&) { grid_.OnKillFocus(); });
    Bind(wxEVT_SIZE, [this](wxSizeEvent&) {
        const wxSize client = GetClientSize();
        grid_.OnSize(client.x, client.y);
    });
    for (const auto& type : {wxEVT_SCROLLWIN_TOP, wxEVT_SCROLLWIN_BOTTOM, wxEVT_SCROLLWIN_LINEUP,
                                   wxEVT_SCROLLWIN_LINEDOWN, wxEVT_SCROLLWIN_PAGEUP, wxEVT_SCROLLWIN_PAGEDOWN,
                                   wxEVT_SCROLLWIN_THUMBTRACK, wxEVT_SCROLLWIN_THUMBRELEASE})
        Bind(type, &BabyGridUi::OnScroll, this);
}

BabyGridUi::~BabyGridUi() {
    grid_.Attach(nullptr, nullptr);
}

bool BabyGridUi::Enable(bool enable) {
    grid_.OnEnable(enable);
    return wxWindow::Enable(enable);
}

void BabyGridUi::RunEvent(const std::function<void()>& handler) {
    if (run_) run_(handler);
    else handler();
}

void BabyGridUi::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    dc.SetBackground(*wxGREY_BRUSH);
    dc.Clear();
    WxGridCanvas canvas(dc, *this);
    services_->painting = true;
    grid_.Paint(canvas);
    services_->painting = false;
}

void BabyGridUi::OnKeyDown(wxKeyEvent& event) {
    const std::optional<GridKey> key = GridKeyOf(event.GetKeyCode());
    if (!key) {
        event.Skip();  // a character follows as its own event
        return;
    }
    // In a dialog Tab moves the focus on; an owner that wants the grid to have it passes it on.
    if (*key == GridKey::Tab) {
        Navigate(event.ShiftDown() ? wxNavigationKeyEvent::IsBackward : wxNavigationKeyEvent::IsForward);
        return;
    }
    RunEvent([this, key = *key, shift = event.ShiftDown()] { grid_.OnKeyDown(key, shift); });
}

void BabyGridUi::OnChar(wxKeyEvent& event) {
    const wxChar character = event.GetUnicodeKey();
    if (character == WXK_NONE) return;
    RunEvent([this, character, shift = event.ShiftDown()] {
        grid_.OnKeyDown(GridKey::Char, shift, static_cast<char32_t>(character));
    });
}

void BabyGridUi::OnScroll(wxScrollWinEvent& event) {
    const wxEventType type = event.GetEventType();
    GridScrollRequest request = GridScrollRequest::Other;
    if (type == wxEVT_SCROLLWIN_LINEUP) request = GridScrollRequest::LineBack;
    else if (type == wxEVT_SCROLLWIN_LINEDOWN) request = GridScrollRequest::LineForward;
    else if (type == wxEVT_SCROLLWIN_PAGEUP) request = GridScrollRequest::PageBack;
    else if (type == wxEVT_SCROLLWIN_PAGEDOWN) request = GridScrollRequest::PageForward;
    else if (type == wxEVT_SCROLLWIN_THUMBTRACK) request = GridScrollRequest::Track;
    const int position = event.GetPosition() + 1;
    if (event.GetOrientation() == wxHORIZONTAL) grid_.OnHScroll(request, position);
    else grid_.OnVScroll(request, position);
}
