#pragma once
// The live windows of the application under test, as the capture reads them: class names,
// texts, rectangles, style words, the order of children, menus and accessibility roles. A
// source of the desktop in use implements it; tests script one.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Zero is no window (or no menu).
using WindowHandle = std::uintptr_t;
using MenuHandle = std::uintptr_t;

// Screen coordinates.
struct ScreenRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const ScreenRect&) const = default;
};

// The style bit of a window that shows on the screen.
inline constexpr std::uint32_t kVisibleWindowStyle = 0x10000000;

// A browser view's document: what it shows is a web page, not windows.
inline bool IsWebDocumentClass(std::string_view className) { return className.ends_with(":document web"); }

class WindowSource {
public:
    virtual ~WindowSource() = default;

    virtual std::string GetClassName(WindowHandle window) const = 0;
    virtual std::string GetText(WindowHandle window) const = 0;
    virtual ScreenRect GetRect(WindowHandle window) const = 0;
    virtual WindowHandle GetParent(WindowHandle window) const = 0;
    virtual int GetControlId(WindowHandle window) const = 0;
    virtual std::uint32_t GetStyle(WindowHandle window) const = 0;
    virtual std::uint32_t GetExStyle(WindowHandle window) const = 0;
    virtual WindowHandle GetFirstChild(WindowHandle window) const = 0;
    virtual WindowHandle GetNextSibling(WindowHandle window) const = 0;

    // The accessibility role of the window itself; nothing when it cannot be had.
    virtual std::optional<int> GetRole(WindowHandle window) const = 0;
    // The role the window's accessible object gives for its child of that number (from 1).
    virtual std::optional<int> GetChildRole(WindowHandle window, int childNumber) const = 0;

    // The menu bar of a top window.
    virtual MenuHandle GetMenu(WindowHandle window) const = 0;
    // Items by position; a negative count is no menu.
    virtual int GetMenuItemCount(MenuHandle menu) const = 0;
    // The MF_ flags of the item.
    virtual std::uint32_t GetMenuState(MenuHandle menu, int position) const = 0;
    virtual std::string GetMenuString(MenuHandle menu, int position) const = 0;
    virtual int GetMenuItemId(MenuHandle menu, int position) const = 0;
    virtual MenuHandle GetSubMenu(MenuHandle menu, int position) const = 0;
};
