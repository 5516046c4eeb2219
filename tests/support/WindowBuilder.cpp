#include "tests/support/WindowBuilder.h"

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
