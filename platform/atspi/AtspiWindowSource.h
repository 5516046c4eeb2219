#pragma once
// The windows of a running program as its accessibility tree on the AT-SPI bus shows them, read
// once when the source is made. Objects that are no windows of their own (fillers, unnamed
// panels, scroll panes, viewports, a group's own label) pass their children to the nearest
// window; the menu bar of a top window is read as its menu.
#include <sys/types.h>

#include <memory>
#include <vector>

#include "platform/WindowSource.h"

class AtspiWindowSource : public WindowSource {
public:
    // The top windows of the process, with everything below them; none when the process has
    // no application on the bus.
    explicit AtspiWindowSource(pid_t process);

    // The top windows, in the order of the bus.
    const std::vector<WindowHandle>& GetTopWindows() const { return topWindows_; }
    // The deepest window at the screen point, or 0.
    WindowHandle WindowAtPoint(int x, int y) const;

    std::string GetClassName(WindowHandle window) const override { return At(window).className; }
    std::string GetText(WindowHandle window) const override { return At(window).text; }
    ScreenRect GetRect(WindowHandle window) const override { return At(window).rect; }
    WindowHandle GetParent(WindowHandle window) const override { return At(window).parent; }
    // AT-SPI knows no control identifiers.
    int GetControlId(WindowHandle /*window*/) const override { return 0; }
    std::uint32_t GetStyle(WindowHandle window) const override { return At(window).style; }
    std::uint32_t GetExStyle(WindowHandle /*window*/) const override { return 0; }
    WindowHandle GetFirstChild(WindowHandle window) const override;
    WindowHandle GetNextSibling(WindowHandle window) const override;
    std::optional<int> GetRole(WindowHandle window) const override { return At(window).role; }
    // Every object answers its own role.
    std::optional<int> GetChildRole(WindowHandle /*window*/, int /*childNumber*/) const override { return {}; }
    MenuHandle GetMenu(WindowHandle window) const override { return At(window).menu; }
    int GetMenuItemCount(MenuHandle menu) const override;
    std::uint32_t GetMenuState(MenuHandle menu, int position) const override { return Item(menu, position).state; }
    std::string GetMenuString(MenuHandle menu, int position) const override { return Item(menu, position).text; }
    int GetMenuItemId(MenuHandle /*menu*/, int /*position*/) const override { return 0; }
    MenuHandle GetSubMenu(MenuHandle menu, int position) const override { return Item(menu, position).subMenu; }

    struct Node {
        std::string className;
        std::string text;
        ScreenRect rect;
        std::uint32_t style = 0;
        int role = 0;
        WindowHandle parent = 0;
        std::vector<WindowHandle> children;
        std::size_t siblingIndex = 0;
        MenuHandle menu = 0;
    };
    struct MenuItem {
        std::string text;
        std::uint32_t state = 0;
        MenuHandle subMenu = 0;
    };

private:
    friend class AtspiReader;
    const Node& At(WindowHandle window) const { return nodes_.at(window - 1); }
    const MenuItem& Item(MenuHandle menu, int position) const;

    std::vector<Node> nodes_;
    std::vector<std::vector<MenuItem>> menus_;
    std::vector<WindowHandle> topWindows_;
};
