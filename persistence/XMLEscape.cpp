// Text that goes into XML: escaped, and reduced to what XML 1.0 can carry.
#include <array>
#include <string>

#include "persistence/XMLInterface.h"
#include "platform/TextUtil.h"

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

size_t CountOf(std::string_view text, std::string_view piece) {
    size_t count = 0;
    for (size_t at = text.find(piece); at != std::string_view::npos; at = text.find(piece, at + piece.size())) ++count;
    return count;
}

// CDATA sections back to back and nothing else (a text holding "]]>" needs two): safe to copy,
// since each section ends at its own end marker.
bool IsCompleteCdataSection(std::string_view text) {
    constexpr std::string_view open = "<![CDATA[", close = "]]>";
    do {
        if (!text.starts_with(open)) return false;
        const size_t end = text.find(close, open.size());
        if (end == std::string_view::npos) return false;
        text.remove_prefix(end + close.size());
    } while (!text.empty());
    return true;
}

const char* EntityFor(char c, bool forAttribute) {
    switch (c) {
        case '<': return "&lt;";
        case '&': return "&amp;";
        case '>': return "&gt;";
        default: break;
    }
    if (!forAttribute) return nullptr;
    switch (c) {
        case '\'': return "&apos;";
        case '"': return "&quot;";
        case '\r': return "&#xd;";
        case '\n': return "&#xa;";
        case '\t': return "&#x9;";
        default: return nullptr;
    }
}

// Bytes that need a closer look, per kind of text: most bytes need none, and the runs between
// them are copied whole. Text without any such byte and without non-ASCII ones (which need their
// UTF-8 checked) goes in as it is.
enum : unsigned char { kInText = 1, kInAttribute = 2, kInCdata = 4, kNonAscii = 8 };
constexpr std::array<unsigned char, 256> kNeedsLook = [] {
    std::array<unsigned char, 256> table{};
    for (int c = 0x80; c < 0x100; ++c) table[c] = kNonAscii;
    for (int c = 0; c < 0x20; ++c) table[c] = kInText | kInAttribute | kInCdata;
    table['\t'] = table['\n'] = table['\r'] = kInAttribute;
    table['<'] = table['&'] = table['>'] = kInText | kInAttribute;
    table['\''] = table['"'] = kInAttribute;
    table[0xEF] |= kInText | kInAttribute | kInCdata;  // may start U+FFFE or U+FFFF
    return table;
}();

// C0 controls other than TAB, LF and CR, and the non-characters U+FFFE and U+FFFF.
size_t ForbiddenLength(std::string_view text, size_t at) {
    unsigned char c = static_cast<unsigned char>(text[at]);
    if (c < 0x20) return c == '\t' || c == '\n' || c == '\r' ? 0 : 1;
    if (c == 0xEF && text.compare(at, 2, "\xEF\xBF") == 0 && at + 2 < text.size() &&
        (text[at + 2] == '\xBE' || text[at + 2] == '\xBF'))
        return 3;
    return 0;
}

}  // namespace

bool CXMLInterface::NeedsNoEscape(std::string_view text, bool forAttribute) {
    const unsigned char look = (forAttribute ? kInAttribute : kInText) | kNonAscii;
    for (const char c : text)
        if (kNeedsLook[static_cast<unsigned char>(c)] & look) return false;
    return true;
}

std::string CXMLInterface::EscapeText(std::string_view text, bool forAttribute, int* replaced) {
    std::string out;
    AppendEscaped(out, text, forAttribute, replaced);
    return out;
}

void CXMLInterface::AppendEscaped(std::string& out, std::string_view text, bool forAttribute, int* replaced) {
    std::string sanitized;
    if (!IsAscii(text) && !IsValidUtf8(text)) {
        sanitized = SanitizeUtf8(text);
        if (replaced)
            *replaced += static_cast<int>(CountOf(sanitized, kReplacementCharacter) - CountOf(text, kReplacementCharacter));
        text = sanitized;
    }
    const bool verbatim = !forAttribute && IsCompleteCdataSection(text);
    const unsigned char kind = verbatim ? kInCdata : forAttribute ? kInAttribute : kInText;

    size_t copied = 0;
    for (size_t at = 0; at < text.size();) {
        if (!(kNeedsLook[static_cast<unsigned char>(text[at])] & kind)) {
            ++at;
            continue;
        }
        const size_t forbidden = ForbiddenLength(text, at);
        const char* entity = forbidden || verbatim ? nullptr : EntityFor(text[at], forAttribute);
        if (!forbidden && !entity) {
            ++at;
            continue;
        }
        out.append(text.substr(copied, at - copied));
        if (forbidden) {
            out += ' ';
            if (replaced) ++*replaced;
            at += forbidden;
        } else {
            out += entity;
            ++at;
        }
        copied = at;
    }
    out.append(text.substr(copied));
}
