#include "platform/TextUtil.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one code point at pos; advances pos; returns kReplacement for an invalid sequence.
char32_t DecodeUtf8(std::string_view s, size_t& pos, bool& valid) {
    auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    unsigned char b0 = byte(pos);
    if (b0 < 0x80) {
        ++pos;
        return b0;
    }
    int extra;
    char32_t cp;
    char32_t min;
    if ((b0 & 0xE0) == 0xC0) extra = 1, cp = b0 & 0x1F, min = 0x80;
    else if ((b0 & 0xF0) == 0xE0) extra = 2, cp = b0 & 0x0F, min = 0x800;
    else if ((b0 & 0xF8) == 0xF0) extra = 3, cp = b0 & 0x07, min = 0x10000;
    else {
        ++pos;
        valid = false;
        return kReplacement;
    }
    size_t i = pos + 1;
    for (int k = 0; k < extra; ++k, ++i) {
        if (i >= s.size() || (byte(i) & 0xC0) != 0x80) {
            pos = i;
            valid = false;
            return kReplacement;
        }
        cp = (cp << 6) | (byte(i) & 0x3F);
    }
    pos = i;
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        valid = false;
        return kReplacement;
    }
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char16_t UpperCase(char16_t c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 32;
    if (c == 0xFF) return 0x178;
    if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 && c != 0x17F) {
        bool oddPairs = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (oddPairs ? (c % 2 == 0) : (c % 2 == 1)) return c - 1;
        return c;
    }
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return c - 32;
    if (c >= 0x430 && c <= 0x44F) return c - 32;
    if (c >= 0x450 && c <= 0x45F) return c - 80;
    return c;
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view text, bool* ok) {
    std::u16string out;
    out.reserve(text.size());
    bool valid = true;
    for (size_t pos = 0; pos < text.size();) {
        char32_t cp = DecodeUtf8(text, pos, valid);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    if (ok) *ok = valid;
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text, bool* ok) {
    std::string out;
    out.reserve(text.size());
    bool valid = true;
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacement;
            valid = false;
        }
        AppendUtf8(out, c);
    }
    if (ok) *ok = valid;
    return out;
}

std::string Utf8ToUtf16LittleEndian(std::string_view text) {
    const std::u16string units = Utf8ToUtf16(text);
    std::string bytes;
    bytes.reserve(2 * units.size());
    for (char16_t unit : units) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

bool IsAscii(std::string_view text) {
    unsigned char bits = 0;
    for (const char c : text) bits |= static_cast<unsigned char>(c);
    return bits < 0x80;
}

bool IsValidUtf8(std::string_view text) {
    bool valid = true;
    for (size_t pos = 0; pos < text.size() && valid;) DecodeUtf8(text, pos, valid);
    return valid;
}

std::string SanitizeUtf8(std::string_view text) {
    if (IsValidUtf8(text)) return std::string(text);
    std::string out;
    bool valid = true;
    for (size_t pos = 0; pos < text.size();) AppendUtf8(out, DecodeUtf8(text, pos, valid));
    return out;
}

size_t Utf16Length(std::string_view text) {
    if (IsAscii(text)) return text.size();
    size_t n = 0;
    bool valid = true;
    for (size_t pos = 0; pos < text.size();) n += DecodeUtf8(text, pos, valid) >= 0x10000 ? 2 : 1;
    return n;
}

std::string Utf16Left(std::string_view text, size_t count) {
    size_t units = 0;
    bool valid = true;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t start = pos;
        size_t width = DecodeUtf8(text, pos, valid) >= 0x10000 ? 2 : 1;
        if (units + width > count) {
            pos = start;
            break;
        }
        units += width;
    }
    return std::string(text.substr(0, pos));
}

char16_t FoldCase(char16_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c < 0x80) return c;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    if (c == 0x178) return 0xFF;
    if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 && c != 0x17F) {
        bool oddPairs = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (oddPairs ? (c % 2 == 1) : (c % 2 == 0)) return c + 1;
        return c;
    }
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return c + 32;
    if (c >= 0x410 && c <= 0x42F) return c + 32;
    if (c >= 0x400 && c <= 0x40F) return c + 80;
    return c;
}

std::string ToLowerText(std::string_view text) {
    std::u16string wide = Utf8ToUtf16(text);
    for (char16_t& c : wide) c = FoldCase(c);
    return Utf16ToUtf8(wide);
}

std::string ToUpperText(std::string_view text) {
    // Names and keywords are nearly always ASCII, where the round trip through UTF-16 changes
    // nothing but a..z.
    if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        std::string upper(text);
        for (char& c : upper)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
        return upper;
    }
    std::u16string wide = Utf8ToUtf16(text);
    for (char16_t& c : wide) c = UpperCase(c);
    return Utf16ToUtf8(wide);
}

int CompareNoCase(std::string_view a, std::string_view b) {
    // ASCII fast path: most names are plain identifiers
    size_t n = a.size() < b.size() ? a.size() : b.size();
    bool ascii = true;
    for (size_t i = 0; i < n && ascii; ++i) {
        unsigned char x = a[i], y = b[i];
        if (x >= 0x80 || y >= 0x80) {
            ascii = false;
            break;
        }
        if (x >= 'A' && x <= 'Z') x += 32;
        if (y >= 'A' && y <= 'Z') y += 32;
        if (x != y) return x < y ? -1 : 1;
    }
    if (ascii) {
        bool restAscii = true;
        for (size_t i = n; i < a.size(); ++i) restAscii = restAscii && static_cast<unsigned char>(a[i]) < 0x80;
        for (size_t i = n; i < b.size(); ++i) restAscii = restAscii && static_cast<unsigned char>(b[i]) < 0x80;
        if (restAscii) return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
    }
    std::u16string wa = Utf8ToUtf16(a), wb = Utf8ToUtf16(b);
    size_t m = wa.size() < wb.size() ? wa.size() : wb.size();
    for (size_t i = 0; i < m; ++i) {
        char16_t x = FoldCase(wa[i]), y = FoldCase(wb[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return wa.size() == wb.size() ? 0 : (wa.size() < wb.size() ? -1 : 1);
}

bool EqualsNoCase(std::string_view a, std::string_view b) { return CompareNoCase(a, b) == 0; }

int ParseLeadingInt(std::string_view text, size_t* end) {
    size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r'))) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    const long long limit = negative ? -static_cast<long long>(INT32_MIN) : INT32_MAX;
    const size_t firstDigit = at;
    long long value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) value = std::min(value * 10 + (text[at] - '0'), limit);
    if (end) *end = at > firstDigit ? at : 0;
    return static_cast<int>(negative ? -value : value);
}

bool ReplaceNoCase(std::string_view text, std::string& result, std::string_view oldText, std::string_view newText) {
    // A text without the first character of the old text cannot hold it; reference passes meet
    // this case for nearly every text and need not convert it. Only letters have other cases.
    if (!oldText.empty()) {
        const auto first = static_cast<unsigned char>(oldText.front());
        const bool letter = (first | 0x20) >= 'a' && (first | 0x20) <= 'z';
        if (first < 0x80 && !letter && text.find(oldText.front()) == std::string_view::npos) {
            result = std::string(text);
            return false;
        }
    }
    std::u16string wide = Utf8ToUtf16(text);
    std::u16string needle = Utf8ToUtf16(oldText);
    if (needle.empty()) {
        result = std::string(text);
        return false;
    }
    std::u16string folded = wide;
    for (char16_t& c : folded) c = FoldCase(c);
    for (char16_t& c : needle) c = FoldCase(c);

    std::u16string replacement = Utf8ToUtf16(newText);
    std::u16string out;
    bool replaced = false;
    size_t from = 0;
    for (size_t hit = folded.find(needle); hit != std::u16string::npos; hit = folded.find(needle, from)) {
        out.append(wide, from, hit - from);
        out += replacement;
        from = hit + needle.size();
        replaced = true;
    }
    if (!replaced) {
        result = std::string(text);
        return false;
    }
    out.append(wide, from, std::u16string::npos);
    result = Utf16ToUtf8(out);
    return true;
}

std::string MakeGuidText(std::string_view text) {
    std::u16string wide = Utf8ToUtf16(text);
    std::string digits;
    for (size_t i = 0; i < wide.size() && i < 16; ++i) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "%02x", static_cast<unsigned>(wide[i]));
        digits.append(hex, 2);
    }
    digits.resize(32, '0');
    return digits.substr(0, 8) + "-" + digits.substr(8, 4) + "-" + digits.substr(12, 4) + "-" +
           digits.substr(16, 4) + "-" + digits.substr(20, 12);
}

std::string SplitFirstLine(std::string& text, bool& lastLine) {
    size_t lf = text.find('\n');
    if (lf == std::string::npos) {
        std::string line = std::move(text);
        text.clear();
        lastLine = true;
        return line;
    }
    lastLine = false;
    size_t end = (lf > 0 && text[lf - 1] == '\r') ? lf - 1 : lf;
    std::string line = text.substr(0, end);
    text.erase(0, lf + 1);
    return line;
}

bool IsWordSeparator(char c) {
    static constexpr std::string_view kSeparators = " \t,;:_-/\\=+*&<>|";
    return kSeparators.find(c) != std::string_view::npos;
}

std::string WrapText(std::string_view text, size_t width) {
    std::string rest(text);
    std::string result;
    if (width == 0) width = 1;
    for (;;) {
        bool last = false;
        std::u16string line = Utf8ToUtf16(SplitFirstLine(rest, last));
        while (line.size() > width) {
            size_t cut = width;
            for (size_t i = width; i-- > 0;) {
                if (line[i] < 0x80 && IsWordSeparator(static_cast<char>(line[i]))) {
                    cut = i + 1;
                    break;
                }
            }
            result += Utf16ToUtf8(line.substr(0, cut));
            result += "\r\n";
            line.erase(0, cut);
        }
        result += Utf16ToUtf8(line);
        if (last) return result;
        result += "\r\n";
    }
}

std::string ReplaceSeparators(std::string_view text, std::string_view separators, std::string_view replacement) {
    std::u32string set;
    bool valid = true;
    for (size_t pos = 0; pos < separators.size();) set += DecodeUtf8(separators, pos, valid);
    std::string out;
    bool copiedCarriageReturn = false;
    for (size_t pos = 0; pos < text.size();) {
        size_t start = pos;
        char32_t c = DecodeUtf8(text, pos, valid);
        if (set.find(c) == std::u32string::npos) {
            out.append(text.substr(start, pos - start));
            copiedCarriageReturn = c == '\r';
            continue;
        }
        if (c == '\n' && copiedCarriageReturn) out.pop_back();
        out.append(replacement);
        copiedCarriageReturn = false;
    }
    return out;
}

namespace {

// The code point of a decimal character reference's digits, or 0 when they name no character.
char32_t DecimalReferenceCode(std::string_view digits) {
    if (digits.empty() || digits.size() > 7) return 0;
    char32_t code = 0;
    for (char d : digits) code = code * 10 + static_cast<char32_t>(d - '0');
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return code;
}

}  // namespace

std::string ExtractHtmlBody(std::string_view html) {
    std::string_view body = html;
    if (size_t open = body.find("<body>"); open != std::string_view::npos) {
        body = body.substr(open + 5);  // from the tag's ">", which ends a tag
    }
    if (size_t close = body.find("</body>"); close != std::string_view::npos) body = body.substr(0, close);

    std::string out;
    bool inTag = false;
    bool inReference = false;
    std::string digits;
    // A "&#" that does not end as a reference to a character is kept as written.
    auto keepReferenceAsWritten = [&] {
        out += "&#";
        out += digits;
        inReference = false;
    };
    bool valid = true;
    size_t index = 0;
    for (size_t pos = 0; pos < body.size(); ++index) {
        size_t start = pos;
        char32_t c = DecodeUtf8(body, pos, valid);
        if (inReference) {
            if (c >= '0' && c <= '9' && digits.size() < 7) {
                digits += static_cast<char>(c);
                continue;
            }
            if (c == ';' && DecimalReferenceCode(digits) != 0) {
                AppendUtf8(out, DecimalReferenceCode(digits));
                inReference = false;
                continue;
            }
            keepReferenceAsWritten();
        }
        if (c == '<') {
            inTag = true;
            if (index >= 3 && body.substr(pos, 2) == "p>") out += "\r\n";
        } else if (c == '>') {
            inTag = false;
        } else if (inTag) {
            continue;
        } else if (c == '&' && pos < body.size() && body[pos] == '#') {
            inReference = true;
            digits.clear();
            ++pos;
            ++index;
        } else {
            out.append(body.substr(start, pos - start));
        }
    }
    if (inReference) keepReferenceAsWritten();
    return out;
}

std::string MakeToolTipText(std::string_view text) { return Utf16Left(text, 1000); }
