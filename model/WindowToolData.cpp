// The window's lookups in its tool data: named "smurfData" values and UFT repository properties.
#include "model/ApplicationKav.h"
#include "model/WindowKav.h"
#include "model/XMLElement.h"

namespace {

constexpr const char* kSmurfRoot = "smurfData";
constexpr const char* kQtpProperty = "qtpRep:Property";

}  // namespace

std::string CWindowKav::GetSmurfValue(const std::string& name) const {
    if (!toolData_ || toolData_->GetName() != kSmurfRoot) return {};
    const CXMLElement* element = toolData_->FindChild(name);
    return element ? element->GetValue() : std::string();
}

void CWindowKav::SetSmurfValue(const std::string& name, const std::string& value, CApplicationKav* application,
                               bool recursive) {
    if (!toolData_) toolData_ = new CXMLElement(kSmurfRoot);
    CXMLElement* element = toolData_->FindChild(name);
    if (!element) element = toolData_->GetChildren().Add(new CXMLElement(name));
    element->SetValue(value);
    if (application) application->UpdateGuiBuildingBlockCalls(this);
    if (recursive)
        for (CWindowKav* child : children_) child->SetSmurfValue(name, value, application, true);
}

std::string CWindowKav::GetQtpPropertyValue(const std::string& property) const {
    if (!toolData_) return {};
    const CXMLElement* element = toolData_->FindByAttribute(kQtpProperty, "name", property);
    if (!element) return {};
    const CXMLElement* value = element->FindChild("qtpRep:Value");
    if (!value) value = element->FindChild("qtpRep:Parameter");
    return value ? value->GetValue() : std::string();
}

void CWindowKav::RemoveQtpProperty(const std::string& property) {
    if (!toolData_) return;
    toolData_->RemoveByAttribute(kQtpProperty, "name", property);
    toolData_->RemoveByNameAndValue("qtpRep:PropertyRef", property);
}
