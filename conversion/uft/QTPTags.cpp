// UFT descriptions of windows: the identification properties of each window, and ordinal
// identifiers for windows that they do not tell apart.
#include <cmath>

#include "conversion/framework/GuiBuilders.h"
#include "conversion/framework/OutputFormats.h"
#include "conversion/uft/QTP.h"
#include "conversion/uft/UftDescription.h"
#include "model/XMLElement.h"
#include "model/windows/WindowTypes.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kInvalidUftProperties = 41146;
constexpr int kNumberValue = 2;
constexpr int kBoolValue = 3;
constexpr int kStringValue = 4;
// The farthest a label may lie from the window's corner to be its attached text.
constexpr double kAttachedTextDistance = 35.0;


void ReportInvalidUftProperties() {
    GetInteraction().Inform(FormatMessageId(kInvalidUftProperties), MessageIcon::Warning);
}

// A string property's value as the regular expression UFT matches: a value with ".*" (a wildcard
// class) is one already, in any other the characters with a meaning get a backslash.
std::string RegularExpression(const std::string& value) {
    if (value.find(".*") != std::string::npos) return value;
    std::string expression;
    for (const char c : value) {
        if (std::string_view("$()*+.[]?\\/^{}|").find(c) != std::string_view::npos) expression += '\\';
        expression += c;
    }
    return expression;
}

const char* TypeText(int valueType) {
    switch (valueType) {
        case kNumberValue: return "NUMBER";
        case kBoolValue: return "BOOL";
        default: return "STRING";
    }
}

CXMLElement* AddChild(CXMLElement& parent, const std::string& name, const std::string& value = {}) {
    auto* child = new CXMLElement(name);
    child->SetValue(value);
    parent.GetChildren().Add(child);
    return child;
}

void AddAttribute(CXMLElement& element, const std::string& name, const std::string& value) {
    element.GetAttributes().Add(new CXMLAttribute(name, value));
}

std::vector<const CXMLElement*> PropertiesOf(const CXMLElement& properties) {
    std::vector<const CXMLElement*> list;
    for (const CXMLElement* child : properties.GetChildren())
        if (EqualsNoCase(child->GetName(), uft::kProperty)) list.push_back(child);
    return list;
}

double Distance(int x1, int y1, int x2, int y2) { return std::hypot(x2 - x1, y2 - y1); }

// Left to right, and top to bottom at equal left edges.
void SortByLocation(std::vector<CWindowKav*>& group) {
    for (size_t i = 0; i + 1 < group.size(); ++i)
        for (size_t j = i + 1; j < group.size(); ++j) {
            const WindowRect a = group[i]->GetAbsoluteRect();
            const WindowRect b = group[j]->GetAbsoluteRect();
            if (a.left > b.left || (a.left == b.left && a.top >= b.top)) std::swap(group[i], group[j]);
        }
}

// Writes the ordinal into the window's description; false when the description cannot hold one.
bool SetOrdinal(CWindowKav& window, const std::string& type, int ordinal) {
    CXMLElement* description = window.GetToolData();
    CXMLElement* identification = description ? description->FindChild(uft::kBasicIdentification) : nullptr;
    if (!identification) return false;
    CXMLElement* identifier = identification->FindChild(uft::kOrdinalIdentifier);
    if (!identifier) {
        identifier = AddChild(*identification, uft::kOrdinalIdentifier);
        AddAttribute(*identifier, "Type", type);
        AddChild(*identifier, uft::kValue, std::to_string(ordinal));
        return true;
    }
    CXMLElement* value = identifier->FindChild(uft::kValue);
    if (!value) return false;
    if (!identifier->SetAttributeValue("Type", type)) AddAttribute(*identifier, "Type", type);
    value->SetValue(std::to_string(ordinal));
    return true;
}

}  // namespace

int GenerateUftTags(CWindowKav& window, int preferCaption) {
    CQTP converter(0, nullptr);
    return converter.GenerateTags(&window, preferCaption);
}

int CQTP::GenerateTags(CWindowKav* window, int preferCaption) {
    if (window->GetImportTool() != kFormatUft && !parser_.IsWindowUnsupported(window, 1)) {
        CXMLElement* description = MakeDescription(CQTPEventParser::GetQtpClass(window), window->GetName(),
                                                   CollectProperties(*window, preferCaption));
        delete window->GetToolData();
        window->SetTag("");
        window->SetToolData(description);
    }
    for (CWindowKav* child : std::vector<CWindowKav*>(window->GetChildren())) GenerateTags(child, preferCaption);
    if (window->HasCaption()) AssignOrdinalIdentifiers(window);
    return 1;
}

std::vector<CQTP::IdentificationProperty> CQTP::CollectProperties(const CWindowKav& window, int preferCaption) const {
    std::vector<IdentificationProperty> properties;
    const auto add = [&](const std::string& name, const std::string& value, int type = kStringValue) {
        properties.push_back({name, type, value});
    };
    const std::string className = ReplaceSeparators(window.GetClass(), "*", ".*");
    const std::string caption = window.GetCaption();
    const int type = window.GetType();
    const int numericId = window.GetNumID() == kNoControlId ? 0 : window.GetNumID();

    if (window.GetGuiID() == kHtmlGui) {
        const std::string webName = window.GetHtmlText();
        add(webName.empty() ? "name" : webName, caption);
        if (type == kWndLink) add("href", static_cast<const CLinkKav&>(window).GetInitialValue());
    } else if (window.GetGuiID() == kJavaGuiBuilderId) {
        const std::string developerName = window.GetJavaText();
        if (!className.empty()) add("toolkit class", className);
        if (!developerName.empty() && !window.HasCaption()) add("developer name", developerName);
        if (!caption.empty()) add("label", caption);
        else if (developerName.empty())
            if (const std::string label = FindAttachedText(&window); !label.empty()) add("attached text", label);
    } else if (type == kWndMenu) {
        add("menuobjtype", "2", kNumberValue);
    } else {
        if (!className.empty()) add("nativeclass", className);
        if ((caption.empty() || preferCaption == 0) && numericId != 0 && !window.HasCaption() && type != kWndMenuItem)
            add("window id", std::to_string(numericId), kNumberValue);
        else if (!caption.empty())
            add("text", caption);
        else if (const std::string label = FindAttachedText(&window); !label.empty())
            add("attached text", label);
    }
    return properties;
}

CXMLElement* CQTP::MakeDescription(const std::string& className, const std::string& name,
                                   const std::vector<IdentificationProperty>& properties) {
    auto* object = new CXMLElement(uft::kObject);
    AddAttribute(*object, "Class", className);
    AddAttribute(*object, "Name", name);
    CXMLElement* list = AddChild(*object, uft::kProperties);
    CXMLElement* identification = AddChild(*object, uft::kBasicIdentification);
    for (const IdentificationProperty& property : properties) {
        const bool text = property.type == kStringValue;
        CXMLElement* element = AddChild(*list, uft::kProperty);
        AddAttribute(*element, "Name", property.name);
        AddAttribute(*element, "Type", TypeText(property.type));
        if (text) AddAttribute(*element, "RegularExpression", "-1");
        AddChild(*element, uft::kValue, text ? RegularExpression(property.value) : property.value);
        AddChild(*identification, uft::kPropertyRef, property.name);
    }
    return object;
}

void CQTP::CollectDescendants(const CWindowKav* window, std::vector<CWindowKav*>& list) {
    for (CWindowKav* child : window->GetChildren()) {
        if (child->HasCaption() || parser_.IsWindowUnsupported(child, 1)) continue;
        list.push_back(child);
        CollectDescendants(child, list);
    }
}

int CQTP::AssignOrdinalIdentifiers(CWindowKav* window) {
    std::vector<CWindowKav*> candidates;
    CollectDescendants(window, candidates);
    const std::string type = window->GetGuiID() == kJavaGuiBuilderId ? "Index" : "Location";
    while (!candidates.empty()) {
        std::vector<CWindowKav*> group{candidates.front()};
        std::vector<CWindowKav*> rest;
        for (size_t i = 1; i < candidates.size(); ++i)
            (HaveSameDescription(group.front(), candidates[i]) ? group : rest).push_back(candidates[i]);
        candidates.swap(rest);
        if (group.size() < 2) continue;
        if (type == "Location") SortByLocation(group);
        for (size_t ordinal = 0; ordinal < group.size(); ++ordinal) {
            if (!SetOrdinal(*group[ordinal], type, static_cast<int>(ordinal))) {
                ReportInvalidUftProperties();
                return 0;
            }
        }
    }
    return 1;
}

bool CQTP::HaveSameDescription(const CWindowKav* a, const CWindowKav* b) {
    const CXMLElement* first = a->GetToolData() ? a->GetToolData()->FindChild(uft::kProperties) : nullptr;
    const CXMLElement* second = b->GetToolData() ? b->GetToolData()->FindChild(uft::kProperties) : nullptr;
    if (!first || !second) {
        ReportInvalidUftProperties();
        return false;
    }
    const std::vector<const CXMLElement*> properties = PropertiesOf(*first);
    if (properties.size() != PropertiesOf(*second).size()) return false;
    for (const CXMLElement* property : properties) {
        const std::string name = property->GetAttributeValue("Name");
        if (a->GetQtpPropertyValue(name) != b->GetQtpPropertyValue(name)) return false;
    }
    return true;
}

std::string CQTP::FindAttachedText(const CWindowKav* window) {
    if (!window || window->GetType() == kWndMenu || window->GetType() == kWndMenuItem || !window->GetParent())
        return {};
    const WindowRect& own = window->GetRect();
    double best = kAttachedTextDistance;
    std::string text;
    for (const CWindowKav* label : window->GetParent()->GetChildren()) {
        if (label->GetType() != kWndStaticText && label->GetType() != kWndGroupBox) continue;
        const WindowRect& rect = label->GetRect();
        const double toTopRight = Distance(own.left, own.top, rect.right, rect.top);
        const double toBottomLeft = Distance(own.left, own.top, rect.left, rect.bottom);
        if (toTopRight < best) {
            best = toTopRight;
            text = label->GetCaption();
        }
        if (toBottomLeft < best) {
            best = toBottomLeft;
            text = label->GetCaption();
        }
    }
    return text;
}
