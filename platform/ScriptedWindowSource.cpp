#include "platform/ScriptedWindowSource.h"

WindowHandle ScriptedWindowSource::Add(ScriptedWindow window, WindowHandle parent) {
    windows_.push_back({.data = std::move(window), .parent = parent, .children = {}, .siblingIndex = 0});
    const WindowHandle handle = windows_.size();
    std::vector<WindowHandle>& siblings = parent ? windows_.at(parent - 1).children : topWindows_;
    windows_.back().siblingIndex = siblings.size();
    siblings.push_back(handle);
    return handle;
}

MenuHandle ScriptedWindowSource::AddMenu(std::vector<ScriptedMenuItem> items) {
    menus_.push_back(std::move(items));
    return menus_.size();
}

WindowHandle ScriptedWindowSource::GetFirstChild(WindowHandle window) const {
    const std::vector<WindowHandle>& children = At(window).children;
    return children.empty() ? 0 : children.front();
}

WindowHandle ScriptedWindowSource::GetNextSibling(WindowHandle window) const {
    const Node& node = At(window);
    const std::vector<WindowHandle>& siblings = node.parent ? At(node.parent).children : topWindows_;
    return node.siblingIndex + 1 < siblings.size() ? siblings[node.siblingIndex + 1] : 0;
}

std::optional<int> ScriptedWindowSource::GetChildRole(WindowHandle window, int childNumber) const {
    const std::map<int, int>& roles = At(window).data.childRoles;
    const auto found = roles.find(childNumber);
    return found == roles.end() ? std::nullopt : std::optional<int>(found->second);
}

int ScriptedWindowSource::GetMenuItemCount(MenuHandle menu) const {
    return menu == 0 || menu > menus_.size() ? -1 : static_cast<int>(menus_[menu - 1].size());
}

const ScriptedMenuItem& ScriptedWindowSource::Item(MenuHandle menu, int position) const {
    return menus_.at(menu - 1).at(static_cast<std::size_t>(position));
}
