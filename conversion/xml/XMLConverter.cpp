#include "conversion/xml/XMLConverter.h"

#include "platform/TextUtil.h"

namespace {

bool IsNameStartChar(char32_t c) {
    return c == ':' || c == '_' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= 0xC0 && c <= 0xD6) ||
           (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) || (c >= 0x370 && c <= 0x37D) ||
           (c >= 0x37F && c <= 0x1FFF) || (c >= 0x200C && c <= 0x200D) || (c >= 0x2070 && c <= 0x218F) ||
           (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF) || (c >= 0xF900 && c <= 0xFDCF) ||
           (c >= 0xFDF0 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0xEFFFF);
}

bool IsNameChar(char32_t c) {
    return IsNameStartChar(c) || c == '-' || c == '.' || (c >= '0' && c <= '9') || c == 0xB7 ||
           (c >= 0x300 && c <= 0x36F) || (c >= 0x203F && c <= 0x2040);
}

}  // namespace

std::string CXMLConverter::ToXhtmlParagraphs(std::string_view text) {
    if (text.empty()) return {};
    const std::string escaped = CXMLInterface::EscapeText(text, false);
    return "<p>" + ReplaceSeparators(escaped, "\n", "</p>\n<p>") + "</p>\n";
}

std::string MakeXmlName(std::string_view name) {
    const std::u16string units = Utf8ToUtf16(name);
    std::u16string legal;
    legal.reserve(units.size() + 1);
    for (size_t i = 0; i < units.size(); ++i) {
        char32_t c = units[i];
        size_t length = 1;
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            length = 2;
        }
        if (legal.empty() && !IsNameStartChar(c)) {
            legal.push_back(u'_');
            if (!IsNameChar(c)) {
                i += length - 1;
                continue;
            }
        }
        if (IsNameChar(c)) legal.append(units, i, length);
        else legal.push_back(u'_');
        i += length - 1;
    }
    if (legal.empty()) legal.push_back(u'_');
    return Utf16ToUtf8(legal);
}
