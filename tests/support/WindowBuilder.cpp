#include "tests/support/WindowBuilder.h"

std::unique_ptr<CWindowKav> MakeWindow(const std::string& name, int type, std::uint32_t style,
                                       const std::string& caption) {
    return std::unique_ptr<CWindowKav>(CreateWindowOfType(type, {.id = name, .caption = caption, .style = style}));
}

CWindowKav* AddControl(TestProject& project, const std::string& name, int type, CWindowKav* parent,
                       const WindowRect& rect, const std::string& caption, std::uint32_t style) {
    CWindowKav* window = project.AddWindow(name, parent, type);
    window->SetRect(rect);
    window->SetCaption(caption);
    window->SetStyle(style);
    return window;
}

CXMLElement* MakeElement(const std::string& name, const std::string& value,
                         const std::vector<std::pair<std::string, std::string>>& attributes,
                         const std::vector<CXMLElement*>& children) {
    auto* element = new CXMLElement(name);
    element->SetValue(value);
    for (const auto& [attributeName, attributeValue] : attributes)
        element->GetAttributes().Add(new CXMLAttribute(attributeName, attributeValue));
    for (CXMLElement* child : children) element->GetChildren().Add(child);
    return element;
}
