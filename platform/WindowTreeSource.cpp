#include "platform/WindowTreeSource.h"

WindowHandle WindowTreeSource::Add(TreeWindow window, WindowHandle parent) {
    windows_.push_back({.data = std::move(window), .parent = parent, .children = {}, .siblingIndex = 0});
    const WindowHandle handle = windows_.size();
    std::vector<WindowHandle>& siblings = parent ? windows_.at(parent - 1).children : topWindows_;
    windows_.back().siblingIndex = siblings.size();
    siblings.push_back(handle);
    return handle;
}

MenuHandle WindowTreeSource::AddMenu(std::vector<TreeMenuItem> items) {
    menus_.push_back(std::move(items));
    return menus_.size();
}

WindowHandle WindowTreeSource::GetFirstChild(WindowHandle window) const {
    const std::vector<WindowHandle>& children = At(window).children;
    return children.empty() ? 0 : children.front();
}

WindowHandle WindowTreeSource::GetNextSibling(WindowHandle window) const {
    const Node& node = At(window);
    const std::vector<WindowHandle>& siblings = node.parent ? At(node.parent).children : topWindows_;
    return node.siblingIndex + 1 < siblings.size() ? siblings[node.siblingIndex + 1] : 0;
}

std::optional<int> WindowTreeSource::GetChildRole(WindowHandle window, int childNumber) const {
    const std::map<int, int>& roles = At(window).data.childRoles;
    const auto found = roles.find(childNumber);
    return found == roles.end() ? std::nullopt : std::optional<int>(found->second);
}

int WindowTreeSource::GetMenuItemCount(MenuHandle menu) const {
    return menu == 0 || menu > menus_.size() ? -1 : static_cast<int>(menus_[menu - 1].size());
}

const TreeMenuItem& WindowTreeSource::Item(MenuHandle menu, int position) const {
    return menus_.at(menu - 1).at(static_cast<std::size_t>(position));
}

WindowHandle WindowTreeSource::WindowAtPoint(int x, int y) const {
    WindowHandle found = 0;
    const std::vector<WindowHandle>* level = &topWindows_;
    for (bool deeper = true; deeper;) {
        deeper = false;
        for (auto it = level->rbegin(); it != level->rend(); ++it) {
            const ScreenRect& r = At(*it).data.rect;
            if (!(At(*it).data.style & kVisibleWindowStyle)) continue;
            if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) {
                found = *it;
                level = &At(*it).children;
                deeper = true;
                break;
            }
        }
    }
    return found;
}
