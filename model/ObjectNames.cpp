#include "model/ObjectNames.h"

#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

std::u32string CodePoints(std::string_view text) {
    std::u16string wide = Utf8ToUtf16(text);
    std::u32string points;
    for (size_t i = 0; i < wide.size(); ++i) {
        char32_t c = wide[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
            ++i;
        }
        points += c;
    }
    return points;
}

// The wide-character white-space test of the runtime.
bool IsWhiteSpace(char32_t c) {
    return c == ' ' || (c >= 0x09 && c <= 0x0D) || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
           c == 0x3000;
}

long Showable(char32_t c) { return c > 0xFFFF ? 0xFFFD : static_cast<long>(c); }

}  // namespace

bool IsIdentifierChar(char32_t c) {
    return c == '_' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

long FindNonIdentifierChar(std::string_view text) {
    // Names are nearly always ASCII: answer those without decoding; up to the first byte >= 0x80
    // the decoded code points are the bytes themselves.
    size_t ascii = 0;
    for (; ascii < text.size() && static_cast<unsigned char>(text[ascii]) < 0x80; ++ascii)
        if (!IsIdentifierChar(static_cast<unsigned char>(text[ascii]))) return static_cast<unsigned char>(text[ascii]);
    if (ascii == text.size()) return -1;
    for (char32_t c : CodePoints(text))
        if (!IsIdentifierChar(c)) return Showable(c);
    return -1;
}

bool CheckIdentifier(std::string_view text) {
    if (text.empty()) {
        SetMessage(44958);
        return false;
    }
    char32_t first = CodePoints(text).front();
    if (first >= '0' && first <= '9') {
        SetMessage(44959);
        return false;
    }
    if (IsWhiteSpace(first)) {
        SetMessage(44960);
        return false;
    }
    if (long bad = FindNonIdentifierChar(text); bad >= 0) {
        SetMessage(44961, bad);
        return false;
    }
    return true;
}

bool CheckName(std::string_view name, const NameRule& rule) {
    if (name.empty()) {
        SetMessage(rule.emptyMessage);
        return false;
    }
    if (Utf16Length(name) > rule.maxLength) {
        SetMessage(rule.tooLongMessage);
        return false;
    }
    if (rule.badCharMessage) {
        if (long bad = FindNonIdentifierChar(name); bad >= 0) {
            SetMessage(rule.badCharMessage, bad);
            return false;
        }
    }
    return true;
}
