#include "combgen/LibraryText.h"

#include <clocale>
#include <cwctype>
#include <locale.h>

namespace {

// A byte that starts no valid sequence keeps its own identity, so unequal bytes stay unequal.
char32_t StrayByte(unsigned char byte) { return 0xDC00 + byte; }

char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
    const unsigned char lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) return lead;
    if (lead < 0xC0 || lead >= 0xF8) return StrayByte(lead);
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
    char32_t codePoint = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        if (pos >= text.size() || (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80) return StrayByte(lead);
        codePoint = (codePoint << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
    }
    return codePoint;
}

// The case mapping of the C.UTF-8 locale, whatever locale the calling program has set.
char32_t FoldCase(char32_t c) {
    static const locale_t caseLocale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    if (caseLocale) return static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), caseLocale));
    return c >= 'A' && c <= 'Z' ? c + 32 : c;
}

}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (FoldCase(NextCodePoint(a, i)) != FoldCase(NextCodePoint(b, j))) return false;
    }
    return i == a.size() && j == b.size();
}

std::size_t Utf16Units(std::string_view text) {
    std::size_t units = 0;
    for (std::size_t pos = 0; pos < text.size();) units += NextCodePoint(text, pos) >= 0x10000 ? 2 : 1;
    return units;
}

std::string_view CutToUtf16Units(std::string_view text, std::size_t maxUnits) {
    std::size_t units = 0, pos = 0;
    while (pos < text.size()) {
        std::size_t next = pos;
        units += NextCodePoint(text, next) >= 0x10000 ? 2 : 1;
        if (units > maxUnits) break;
        pos = next;
    }
    return text.substr(0, pos);
}

std::string FillPlaceholder(std::string_view pattern, std::string_view argument) {
    std::size_t at = pattern.find("%s");
    if (at == std::string_view::npos) at = pattern.find("%d");
    if (at == std::string_view::npos) return std::string(pattern);
    std::string text(pattern.substr(0, at));
    text.append(argument);
    text.append(pattern.substr(at + 2));
    return text;
}
