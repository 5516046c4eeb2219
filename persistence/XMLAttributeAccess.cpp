// The attribute accessors of the element readers.
#include <cstdint>

#include "persistence/XMLDataManager.h"
#include "platform/TextUtil.h"

namespace {

// Case folding keeps ASCII and the rest apart: an ASCII name matches only a name of its own
// length that differs from it in the case of letters alone.
bool EqualsAsciiNoCase(std::string_view written, std::string_view asked) {
    if (written.size() != asked.size()) return false;
    // Names are nearly always written as the readers ask for them.
    if (written == asked) return true;
    for (std::size_t i = 0; i < asked.size(); ++i) {
        char a = written[i];
        char b = asked[i];
        if (a == b) continue;
        if (a >= 'A' && a <= 'Z') a = static_cast<char>(a + 32);
        if (b >= 'A' && b <= 'Z') b = static_cast<char>(b + 32);
        if (a != b) return false;
    }
    return true;
}

// One of 64 bits that names equal without regard to ASCII case share: the readers ask for many
// attributes an element does not have, and most of them are told by this bit alone.
unsigned NameSlot(std::string_view name) {
    const auto first = static_cast<unsigned>(static_cast<unsigned char>(name.front()) | 0x20);
    const auto last = static_cast<unsigned>(static_cast<unsigned char>(name.back()) | 0x20);
    return (name.size() * 7 + first * 3 + last) & 63;
}

}  // namespace

void CXMLDataManager::ListAttributes(const char** attributes, int count, XmlAttributeList& list) {
    list.clear();
    attributeNameBits_ = 0;
    unsigned char nameBytes = 0;
    for (int i = 0; i + 1 < count; i += 2) {
        const char* name = attributes[i];
        std::size_t length = 0;
        for (; name[length] != '\0'; ++length) nameBytes |= static_cast<unsigned char>(name[length]);
        list.push_back({std::string_view(name, length), attributes[i + 1]});
        // expat gives no empty name.
        const unsigned slot = NameSlot(list.back().name);
        if (!(attributeNameBits_ >> slot & 1)) {
            attributeNameBits_ |= std::uint64_t{1} << slot;
            firstAttributeOfSlot_[slot] = list.size() - 1;
        }
    }
    attributeNamesAscii_ = nameBytes < 0x80;
    indexedAttributes_ = &list;
}

void CXMLDataManager::SetCurrentAttributes(const XmlAttributeList* attributes) {
    currentAttributes_ = attributes;
    currentAttributesIndexed_ = attributes && attributes == indexedAttributes_;
}

std::string_view CXMLDataManager::AttributeValue(std::string_view name) const {
    if (!currentAttributes_ || name.empty()) return {};
    const XmlAttributeList& attributes = *currentAttributes_;
    // Folding keeps ASCII and the rest apart: among ASCII names the ASCII comparison decides for
    // any name asked, and a name with other letters matches none of them. A list the parse did
    // not index is searched name by name.
    if (!currentAttributesIndexed_ || (!attributeNamesAscii_ && !IsAscii(name))) {
        for (const XmlAttribute& attribute : attributes)
            if (EqualsNoCase(attribute.name, name)) return attribute.value;
        return {};
    }
    const unsigned slot = NameSlot(name);
    if (!(attributeNameBits_ >> slot & 1)) return {};
    // No attribute before the first of the name's bit can match.
    for (std::size_t at = firstAttributeOfSlot_[slot]; at < attributes.size(); ++at)
        if (EqualsAsciiNoCase(attributes[at].name, name)) return attributes[at].value;
    return {};
}

std::string CXMLDataManager::FindAttribute(std::string_view name) const { return std::string(AttributeValue(name)); }

std::string CXMLDataManager::GetAttribute(std::string_view name, std::string_view defaultValue) const {
    const std::string_view value = AttributeValue(name);
    return std::string(value.empty() ? defaultValue : value);
}

int CXMLDataManager::GetAttributeInt(std::string_view name, int defaultValue) const {
    const std::string_view value = AttributeValue(name);
    return value.empty() ? defaultValue : ParseLeadingInt(value);
}

int CXMLDataManager::GetAttributeBool(std::string_view name, int defaultValue) const {
    const std::string_view value = AttributeValue(name);
    if (value == "1") return 1;
    if (value == "0") return 0;
    return defaultValue;
}
