// Tokens, attribute lookup and entity decoding of the scanner.
#include "persistence/XMLInterface.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool IsDelimiter(char c) {
    return c == '<' || c == '>' || c == '=' || c == '\\' || c == '/' || c == '?' || c == '!';
}

}  // namespace

bool CXMLInterface::NextToken(Token& token) const {
    const Pos length = static_cast<Pos>(document_.size());
    Pos at = token.next;
    while (at < length && IsBlank(document_[at])) ++at;
    if (at >= length) {
        token.next = length;
        return false;
    }
    if (document_[at] == '"') {
        token.quoted = true;
        token.start = at + 1;
        size_t close = document_.find('"', static_cast<size_t>(token.start));
        if (close == std::string::npos) {
            token.end = length - 1;
            token.next = length;
        } else {
            token.end = static_cast<Pos>(close) - 1;
            token.next = static_cast<Pos>(close) + 1;
        }
        return true;
    }
    token.quoted = false;
    token.start = at;
    if (IsDelimiter(document_[at])) {
        token.end = at;
        token.next = at + 1;
        return true;
    }
    Pos end = at;
    while (end < length && !IsBlank(document_[end]) && !IsDelimiter(document_[end])) ++end;
    token.end = end - 1;
    token.next = end;
    return true;
}

bool CXMLInterface::TokenIs(const Token& token, char c) const {
    return !token.quoted && token.start == token.end && document_[token.start] == c;
}

std::string_view CXMLInterface::TokenText(const Token& token) const {
    if (token.end < token.start) return {};
    return std::string_view(document_).substr(static_cast<size_t>(token.start),
                                              static_cast<size_t>(token.end - token.start + 1));
}

// With no name, stops on the next attribute name and leaves the cursor on it; with a name,
// stops on the double-quoted value that follows "name =". The end of the start tag leaves the
// cursor there, so asking again keeps answering "not found".
bool CXMLInterface::FindAttributeToken(AttributeCursor& cursor, std::string_view name) const {
    int sinceMatch = -1;  // 0: the asked name was just read, 1: and its '='
    while (NextToken(cursor.token)) {
        const Token& token = cursor.token;
        CursorMark mark = cursor.mark;
        cursor.mark = CursorMark::None;
        if (mark == CursorMark::TagName || (mark == CursorMark::ReturnedName && name.empty())) continue;
        if (token.quoted) {
            if (sinceMatch == 1) return true;
            sinceMatch = -1;
            continue;
        }
        if (TokenIs(token, '>') || TokenIs(token, '/')) {
            cursor.token.next = token.start;
            return false;
        }
        if (TokenIs(token, '=')) {
            sinceMatch = sinceMatch == 0 ? 1 : -1;
            continue;
        }
        if (name.empty()) {
            cursor.token.next = token.start;
            cursor.mark = CursorMark::ReturnedName;
            return true;
        }
        sinceMatch = TokenText(token) == name ? 0 : -1;
    }
    return false;
}

CXMLInterface::Pos CXMLInterface::SkipToChar(Pos position, char c) const {
    if (position < 0) position = 0;
    size_t found = document_.find(c, static_cast<size_t>(position));
    return found == std::string::npos ? -1 : static_cast<Pos>(found);
}

// Only the eight references the writer produces are decoded; any other '&' stays as it is.
std::string CXMLInterface::DecodeText(Pos first, Pos last) const {
    struct Reference {
        std::string_view tail;
        char character;
    };
    static constexpr Reference kReferences[] = {{"lt;", '<'},   {"amp;", '&'},   {"gt;", '>'},  {"apos;", '\''},
                                                {"quot;", '"'}, {"#xd;", '\r'}, {"#xa;", '\n'}, {"#x9;", '\t'}};
    std::string out;
    if (last < first) return out;
    out.reserve(static_cast<size_t>(last - first + 1));
    for (Pos i = first; i <= last; ++i) {
        char c = document_[i];
        if (c == '&') {
            for (const Reference& ref : kReferences) {
                Pos tailEnd = i + static_cast<Pos>(ref.tail.size());
                if (tailEnd <= last && document_.compare(static_cast<size_t>(i + 1), ref.tail.size(), ref.tail) == 0) {
                    c = ref.character;
                    i = tailEnd;
                    break;
                }
            }
        }
        out += c;
    }
    return out;
}
