// The attribute accessors of the element readers.
#include "persistence/XMLDataManager.h"
#include "platform/TextUtil.h"

std::string CXMLDataManager::FindAttribute(std::string_view name) const {
    if (!currentAttributes_) return {};
    for (const XmlAttribute& attribute : *currentAttributes_)
        if (EqualsNoCase(attribute.name, name)) return std::string(attribute.value);
    return {};
}

std::string CXMLDataManager::GetAttribute(std::string_view name, std::string_view defaultValue) const {
    std::string value = FindAttribute(name);
    return value.empty() ? std::string(defaultValue) : value;
}

int CXMLDataManager::GetAttributeInt(std::string_view name, int defaultValue) const {
    std::string value = FindAttribute(name);
    return value.empty() ? defaultValue : ParseLeadingInt(value);
}

int CXMLDataManager::GetAttributeBool(std::string_view name, int defaultValue) const {
    std::string value = FindAttribute(name);
    if (value == "1") return 1;
    if (value == "0") return 0;
    return defaultValue;
}
