#pragma once
// A window source whose windows and menus are held in memory, laid down by the caller: by tests
// and benchmarks of the capture, or by a reader that takes a snapshot of a live desktop.
#include <map>
#include <vector>

#include "platform/WindowSource.h"

struct TreeWindow {
    std::string className{};
    std::string text{};
    ScreenRect rect{};
    int controlId = 0;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    std::optional<int> role{};
    // The roles the window's accessible object gives for its children, by child number.
    std::map<int, int> childRoles{};
    MenuHandle menu = 0;
};

struct TreeMenuItem {
    std::string text{};
    std::uint32_t state = 0;
    int id = 0;
    MenuHandle subMenu = 0;
};

class WindowTreeSource : public WindowSource {
public:
    // A new window, the last child of the parent (none: a top window).
    WindowHandle Add(TreeWindow window, WindowHandle parent = 0);
    TreeWindow& Window(WindowHandle window) { return windows_.at(window - 1).data; }
    const TreeWindow& Window(WindowHandle window) const { return windows_.at(window - 1).data; }
    MenuHandle AddMenu(std::vector<TreeMenuItem> items);
    // The windows without parent, in the order added.
    const std::vector<WindowHandle>& GetTopWindows() const { return topWindows_; }
    // The deepest visible window whose rectangle holds the screen point (later siblings lie on
    // top), or 0. Hidden windows keep the place they last had: they are looked through.
    WindowHandle WindowAtPoint(int x, int y) const;

    std::string GetClassName(WindowHandle window) const override { return At(window).data.className; }
    std::string GetText(WindowHandle window) const override { return At(window).data.text; }
    ScreenRect GetRect(WindowHandle window) const override { return At(window).data.rect; }
    WindowHandle GetParent(WindowHandle window) const override { return At(window).parent; }
    int GetControlId(WindowHandle window) const override { return At(window).data.controlId; }
    std::uint32_t GetStyle(WindowHandle window) const override { return At(window).data.style; }
    std::uint32_t GetExStyle(WindowHandle window) const override { return At(window).data.exStyle; }
    WindowHandle GetFirstChild(WindowHandle window) const override;
    WindowHandle GetNextSibling(WindowHandle window) const override;
    std::optional<int> GetRole(WindowHandle window) const override { return At(window).data.role; }
    std::optional<int> GetChildRole(WindowHandle window, int childNumber) const override;
    MenuHandle GetMenu(WindowHandle window) const override { return At(window).data.menu; }
    int GetMenuItemCount(MenuHandle menu) const override;
    std::uint32_t GetMenuState(MenuHandle menu, int position) const override { return Item(menu, position).state; }
    std::string GetMenuString(MenuHandle menu, int position) const override { return Item(menu, position).text; }
    int GetMenuItemId(MenuHandle menu, int position) const override { return Item(menu, position).id; }
    MenuHandle GetSubMenu(MenuHandle menu, int position) const override { return Item(menu, position).subMenu; }

private:
    struct Node {
        TreeWindow data;
        WindowHandle parent = 0;
        std::vector<WindowHandle> children;
        std::size_t siblingIndex = 0;
    };
    const Node& At(WindowHandle window) const { return windows_.at(window - 1); }
    const TreeMenuItem& Item(MenuHandle menu, int position) const;

    std::vector<Node> windows_;
    std::vector<std::vector<TreeMenuItem>> menus_;
    std::vector<WindowHandle> topWindows_;
};
