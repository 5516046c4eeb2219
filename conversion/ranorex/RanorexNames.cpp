#include "conversion/ranorex/RanorexNames.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "platform/TextUtil.h"

namespace {

constexpr size_t kReadableIdLength = 16;

__extension__ typedef unsigned __int128 Hash128;

// FNV-1a over the UTF-16 little-endian bytes of the text.
Hash128 Fnv1a128(const std::u16string& units) {
    const Hash128 prime = (static_cast<Hash128>(1) << 88) + 0x13B;
    Hash128 hash = (static_cast<Hash128>(0x6c62272e07bb0142ULL) << 64) + 0x62b821756295c58dULL;
    for (const char16_t unit : units) {
        for (const unsigned byte : {unit & 0xFFu, static_cast<unsigned>(unit) >> 8u}) {
            hash ^= byte;
            hash *= prime;
        }
    }
    return hash;
}

std::string GuidForm(Hash128 hash) {
    char digits[33];
    std::snprintf(digits, sizeof digits, "%016llx%016llx", static_cast<unsigned long long>(hash >> 64),
                  static_cast<unsigned long long>(hash));
    const std::string text(digits, 32);
    return text.substr(0, 8) + "-" + text.substr(8, 4) + "-" + text.substr(12, 4) + "-" + text.substr(16, 4) + "-" +
           text.substr(20);
}

bool IsIdentifierLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_' || c == 0xAA || c == 0xB5 ||
           c == 0xBA || (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7);
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

constexpr std::array<std::string_view, 77> kKeywords = {
    "abstract", "as",       "base",      "bool",     "break",     "byte",     "case",     "catch",     "char",
    "checked",  "class",    "const",     "continue", "decimal",   "default",  "delegate", "do",        "double",
    "else",     "enum",     "event",     "explicit", "extern",    "false",    "finally",  "fixed",     "float",
    "for",      "foreach",  "goto",      "if",       "implicit",  "in",       "int",      "interface", "internal",
    "is",       "lock",     "long",      "namespace", "new",      "null",     "object",   "operator",  "out",
    "override", "params",   "private",   "protected", "public",   "readonly", "ref",      "return",    "sbyte",
    "sealed",   "short",    "sizeof",    "stackalloc", "static",  "string",   "struct",   "switch",    "this",
    "throw",    "true",     "try",       "typeof",   "uint",      "ulong",    "unchecked", "unsafe",   "ushort",
    "using",    "virtual",  "void",      "volatile", "while"};

}  // namespace

std::string MakeRanorexId(std::string_view text) {
    const std::u16string units = Utf8ToUtf16(text);
    const bool readable = units.size() <= kReadableIdLength &&
                          std::all_of(units.begin(), units.end(), [](char16_t c) { return c <= 0xFF; });
    return readable ? MakeGuidText(text) : GuidForm(Fnv1a128(units));
}

std::string MakeCSharpIdentifier(std::string_view name) {
    std::u16string identifier;
    for (const char16_t c : Utf8ToUtf16(name)) identifier.push_back(IsIdentifierLetter(c) || IsDigit(c) ? c : u'_');
    if (identifier.empty() || IsDigit(identifier.front())) identifier.insert(identifier.begin(), u'_');
    std::string text = Utf16ToUtf8(identifier);
    if (std::find(kKeywords.begin(), kKeywords.end(), text) != kKeywords.end()) text.insert(0, "_");
    return text;
}
