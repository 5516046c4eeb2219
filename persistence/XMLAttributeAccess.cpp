// The attribute accessors of the element readers.
#include <climits>

#include "persistence/XMLDataManager.h"
#include "platform/TextUtil.h"

namespace {

bool IsLeadingBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// The number at the start of the text, saturated at the int range: a stored value too large for
// an int reads as the nearest int, never as a wrapped one.
int LeadingDecimal(std::string_view text) {
    size_t at = 0;
    while (at < text.size() && IsLeadingBlank(text[at])) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = value * 10 + (text[at] - '0');
        if (value >= limit) {
            value = limit;
            break;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

}  // namespace

std::string CXMLDataManager::FindAttribute(std::string_view name) const {
    if (!currentAttributes_) return {};
    for (const XmlAttribute& attribute : *currentAttributes_)
        if (EqualsNoCase(attribute.name, name)) return attribute.value;
    return {};
}

std::string CXMLDataManager::GetAttribute(std::string_view name, std::string_view defaultValue) const {
    std::string value = FindAttribute(name);
    return value.empty() ? std::string(defaultValue) : value;
}

int CXMLDataManager::GetAttributeInt(std::string_view name, int defaultValue) const {
    std::string value = FindAttribute(name);
    return value.empty() ? defaultValue : LeadingDecimal(value);
}

int CXMLDataManager::GetAttributeBool(std::string_view name, int defaultValue) const {
    std::string value = FindAttribute(name);
    if (value == "1") return 1;
    if (value == "0") return 0;
    return defaultValue;
}
