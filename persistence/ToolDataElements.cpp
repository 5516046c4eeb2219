// Tool data of windows: a generic element tree, carried unchanged as nested XML_ELEMENT and
// XML_ATT elements inside the window's WND.
#include <memory>

#include "model/WindowKav.h"
#include "model/XMLElement.h"
#include "persistence/XMLDataManager.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kMisplacedXmlAttribute = 45183;  // [W1183]
constexpr int kMisplacedXmlElement = 45185;    // [W1185]

// Tool data is walked recursively wherever it is used (saved, copied, compared, freed); nesting
// beyond this depth is no tool data but a damaged or hostile file.
constexpr size_t kMaxToolDataDepth = 1000;

}  // namespace

std::unique_ptr<CXMLElement> CXMLDataManager::ReadXmlElement() {
    auto element = std::make_unique<CXMLElement>(FindAttribute("Name"));
    element->SetValue(FindAttribute("Value"));
    return element;
}

std::unique_ptr<CXMLAttribute> CXMLDataManager::ReadXmlAttribute() {
    return std::make_unique<CXMLAttribute>(FindAttribute("Name"), FindAttribute("Value"));
}

bool CXMLDataManager::PlaceXmlElement(std::unique_ptr<CXMLElement> element, std::string_view parent,
                                      CWindowKav* window) {
    if (openXmlElements_.size() >= kMaxToolDataDepth) {
        SetMessage(kMisplacedXmlElement);
        return false;
    }
    CXMLElement* placed = nullptr;
    if (EqualsNoCase(parent, "WND")) {
        if (window) {
            // A window keeps one tree; a second one replaces the first.
            delete window->GetToolData();
            window->SetToolData(placed = element.release());
        }
    } else if (EqualsNoCase(parent, "XML_ELEMENT")) {
        if (!openXmlElements_.empty() && openXmlElements_.back())
            placed = openXmlElements_.back()->GetChildren().Add(element.release());
    } else {
        SetMessage(kMisplacedXmlElement);
        return false;
    }
    openXmlElements_.push_back(placed);
    return true;
}

bool CXMLDataManager::PlaceXmlAttribute(std::unique_ptr<CXMLAttribute> attribute, std::string_view parent) {
    if (!CheckParent(parent, "XML_ELEMENT", kMisplacedXmlAttribute)) return false;
    if (!openXmlElements_.empty() && openXmlElements_.back())
        openXmlElements_.back()->GetAttributes().Add(attribute.release());
    return true;
}

void CXMLDataManager::CloseXmlElement() {
    if (!openXmlElements_.empty()) openXmlElements_.pop_back();
}

int CXMLDataManager::WriteXmlElement(const CXMLElement& element) {
    CXMLInterface& xml = builder_;
    if (!EnterNewChild("XML_ELEMENT")) return 0;
    xml.SetStringAttribute("Name", element.GetName(), "");
    xml.SetStringAttribute("Value", element.GetValue(), "");
    for (const CXMLAttribute* attribute : element.GetAttributes()) WriteXmlAttribute(*attribute);
    for (const CXMLElement* child : element.GetChildren()) WriteXmlElement(*child);
    xml.LeaveElement();
    return 1;
}

int CXMLDataManager::WriteXmlAttribute(const CXMLAttribute& attribute) {
    CXMLInterface& xml = builder_;
    if (!EnterNewChild("XML_ATT")) return 0;
    xml.SetStringAttribute("Name", attribute.GetName(), "");
    xml.SetStringAttribute("Value", attribute.GetValue(), "");
    xml.LeaveElement();
    return 1;
}
