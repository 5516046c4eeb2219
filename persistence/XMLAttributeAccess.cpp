// The attribute accessors of the element readers.
#include <algorithm>

#include "persistence/XMLDataManager.h"
#include "platform/TextUtil.h"

std::string CXMLDataManager::FindAttribute(std::string_view name) const {
    if (!currentAttributes_) return {};
    // Case folding keeps ASCII and the rest apart, so an ASCII name matches only its own length.
    const bool ascii =
        std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    for (const XmlAttribute& attribute : *currentAttributes_) {
        if (ascii && attribute.name.size() != name.size()) continue;
        if (EqualsNoCase(attribute.name, name)) return std::string(attribute.value);
    }
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
