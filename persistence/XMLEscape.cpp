// Text that goes into XML: escaped, and reduced to what XML 1.0 can carry.
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

std::string CXMLInterface::EscapeText(std::string_view text, bool forAttribute, int* replaced) {
    std::string sanitized;
    if (!IsValidUtf8(text)) {
        sanitized = SanitizeUtf8(text);
        if (replaced)
            *replaced += static_cast<int>(CountOf(sanitized, kReplacementCharacter) - CountOf(text, kReplacementCharacter));
        text = sanitized;
    }
    const bool verbatim = !forAttribute && IsCompleteCdataSection(text);

    std::string out;
    out.reserve(text.size() + text.size() / 10 + 7);
    for (size_t at = 0; at < text.size();) {
        if (size_t forbidden = ForbiddenLength(text, at)) {
            out += ' ';
            if (replaced) ++*replaced;
            at += forbidden;
            continue;
        }
        const char* entity = verbatim ? nullptr : EntityFor(text[at], forAttribute);
        if (entity)
            out += entity;
        else
            out += text[at];
        ++at;
    }
    return out;
}
