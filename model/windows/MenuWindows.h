#pragma once
// Menu bars and menu items. A menu item keeps Win32 menu flags in its style word; the
// rectangles, text and number of both are kept for the views that draw menus.
#include <string>

#include "model/WindowKav.h"

class CMenuKav : public CWindowKav {
public:
    // No class or caption, method 0, WS_VISIBLE, extended style and tab number 0.
    CMenuKav(const std::string& id, int numId, int guiId, const std::string& tag);

    const WindowRect& GetDrawRect() const { return drawRect_; }
    void SetDrawRect(const WindowRect& rect) { drawRect_ = rect; }
    std::string GetDrawText() const { return drawText_; }
    void SetDrawText(const std::string& text) { drawText_ = text; }
    int GetDrawNumber() const { return drawNumber_; }
    void SetDrawNumber(int number) { drawNumber_ = number; }

private:
    WindowRect drawRect_;
    std::string drawText_;
    int drawNumber_ = 0;
};

class CMenuItemKav : public CWindowKav {
public:
    // No class, method 0; the flags are the style word.
    CMenuItemKav(const std::string& id, int numId, int guiId, const std::string& tag, const std::string& caption,
                 std::uint32_t flags, std::uint32_t exStyle, int tabNr);

    // Always visible; enabled unless MF_GRAYED or MF_DISABLED is set.
    bool IsVisible() const override { return true; }
    bool IsEnabled() const override { return !(GetStyle() & (win32::MF_GRAYED | win32::MF_DISABLED)); }
    // A menu item cannot be hidden.
    bool SetVisible(bool /*on*/) override { return true; }
    // Clears or sets both MF_GRAYED and MF_DISABLED.
    bool SetEnabled(bool on) override { return SetStyleBits(win32::MF_GRAYED | win32::MF_DISABLED, !on); }

    bool IsChecked() const { return GetStyle() & win32::MF_CHECKED; }
    bool SetChecked(bool on) { return SetStyleBits(win32::MF_CHECKED, on); }
    // Kept in step with having children.
    bool IsPopup() const { return GetStyle() & win32::MF_POPUP; }
    bool SetPopup(bool on) { return SetStyleBits(win32::MF_POPUP, on); }
    bool IsSeparator() const { return GetStyle() & win32::MF_SEPARATOR; }
    bool SetSeparator(bool on) { return SetStyleBits(win32::MF_SEPARATOR, on); }

    // which: 0 or 1.
    const WindowRect& GetDrawRect(int which) const { return drawRects_[which != 0]; }
    void SetDrawRect(int which, const WindowRect& rect) { drawRects_[which != 0] = rect; }
    std::string GetDrawText() const { return drawText_; }
    void SetDrawText(const std::string& text) { drawText_ = text; }
    int GetDrawNumber() const { return drawNumber_; }
    void SetDrawNumber(int number) { drawNumber_ = number; }

private:
    WindowRect drawRects_[2];
    std::string drawText_;
    int drawNumber_ = 0;
};
