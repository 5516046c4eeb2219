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
    WindowsByInternalId changed;
    std::vector<CWindowKav*> pending{this};
    while (!pending.empty()) {
        CWindowKav* window = pending.back();
        pending.pop_back();
        if (!window->toolData_) window->toolData_ = new CXMLElement(kSmurfRoot);
        CXMLElement* element = window->toolData_->FindChild(name);
        if (!element) element = window->toolData_->GetChildren().Add(new CXMLElement(name));
        element->SetValue(value);
        changed.emplace(window->GetInternalID(), window);
        if (recursive) pending.insert(pending.end(), window->children_.begin(), window->children_.end());
    }
    if (application) application->UpdateGuiBuildingBlockCalls(changed);
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
