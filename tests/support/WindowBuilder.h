#pragma once
// Windows and window trees for tests, built in a line each.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/WindowKav.h"
#include "model/XMLElement.h"
#include "model/windows/WindowTypes.h"
#include "tests/support/ProjectBuilder.h"

// A window of the type outside any table; the caller owns it (not its children).
std::unique_ptr<CWindowKav> MakeWindow(const std::string& name, int type, std::uint32_t style = 0,
                                       const std::string& caption = {});

// The same in the project's window table, placed at the rectangle and attached to the parent.
CWindowKav* AddControl(TestProject& project, const std::string& name, int type, CWindowKav* parent,
                       const WindowRect& rect, const std::string& caption = {}, std::uint32_t style = 0);

// The window of that type, for its type's own operations.
template <class T>
T& As(CWindowKav* window) {
    return *static_cast<T*>(window);
}

// A tool-data element with its value, attributes and children (which it takes over).
CXMLElement* MakeElement(const std::string& name, const std::string& value = {},
                         const std::vector<std::pair<std::string, std::string>>& attributes = {},
                         const std::vector<CXMLElement*>& children = {});
