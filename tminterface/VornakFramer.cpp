#include "tminterface/VornakFramer.h"

#include <algorithm>

#include "tminterface/VornakCommands.h"

namespace {

constexpr std::string_view kWhiteSpace = " \t\r\n";

// One tag of a message, as far as telling the command needs it.
struct Tag {
    enum class Kind { Start, Empty, End, Other } kind = Kind::Other;
    std::string_view name;
    std::size_t next = std::string_view::npos;  // just past the tag
};

// The end of an attribute-bearing tag: the first '>' outside quotes.
std::size_t TagEnd(std::string_view text, std::size_t from) {
    char quote = 0;
    for (std::size_t i = from; i < text.size(); ++i) {
        const char c = text[i];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return i;
        }
    }
    return std::string_view::npos;
}

std::size_t PastMark(std::string_view text, std::size_t from, std::string_view mark) {
    const std::size_t at = text.find(mark, from);
    return at == std::string_view::npos ? at : at + mark.size();
}

// The tag at or after from; next is npos when the text holds no further complete tag.
Tag NextTag(std::string_view text, std::size_t from) {
    Tag tag;
    const std::size_t open = text.find('<', from);
    if (open == std::string_view::npos) return tag;
    const std::string_view rest = text.substr(open);
    if (rest.starts_with("<?")) {
        tag.next = PastMark(text, open + 2, "?>");
    } else if (rest.starts_with("<!--")) {
        tag.next = PastMark(text, open + 4, "-->");
    } else if (rest.starts_with("<![CDATA[")) {
        tag.next = PastMark(text, open + 9, "]]>");
    } else if (rest.starts_with("<!")) {
        tag.next = PastMark(text, open + 2, ">");
    } else {
        const bool end = rest.starts_with("</");
        const std::size_t nameStart = open + (end ? 2 : 1);
        const std::size_t close = TagEnd(text, nameStart);
        if (close == std::string_view::npos) return tag;
        const std::size_t nameEnd = std::min(text.find_first_of(" \t\r\n/>", nameStart), close);
        tag.name = text.substr(nameStart, nameEnd - nameStart);
        tag.kind = end ? Tag::Kind::End : text[close - 1] == '/' ? Tag::Kind::Empty : Tag::Kind::Start;
        tag.next = close + 1;
    }
    return tag;
}

// The next element tag (start, empty or end), passing over everything else.
Tag NextElementTag(std::string_view text, std::size_t from) {
    for (;;) {
        Tag tag = NextTag(text, from);
        if (tag.next == std::string_view::npos || tag.kind != Tag::Kind::Other) return tag;
        from = tag.next;
    }
}

}  // namespace

void VornakFramer::Append(std::string_view bytes) {
    // Messages already taken are dropped once they make up half the buffer, so that taking many
    // small messages out of a long stream stays linear.
    if (begin_ > 0 && begin_ >= buffer_.size() / 2) {
        buffer_.erase(0, begin_);
        searchFrom_ -= begin_;
        begin_ = 0;
    }
    buffer_.append(bytes);
}

std::optional<std::string> VornakFramer::NextMessage() {
    const std::size_t endTag = buffer_.find(kVornakEndTag, searchFrom_);
    if (endTag == std::string::npos) {
        // The end tag may have begun in the last bytes; search those again next time.
        const std::size_t overlap = kVornakEndTag.size() - 1;
        searchFrom_ = std::max(begin_, buffer_.size() > overlap ? buffer_.size() - overlap : 0);
        return std::nullopt;
    }
    const std::size_t end = endTag + kVornakEndTag.size();
    const std::size_t start = buffer_.find_first_not_of(kWhiteSpace, begin_);
    std::string message;
    if (end == buffer_.size()) {
        // The usual case, and the one that matters for a long message: it is all there is.
        message = std::move(buffer_);
        buffer_.clear();
        message.erase(0, start);
        begin_ = 0;
    } else {
        message = buffer_.substr(start, end - start);
        begin_ = end;
    }
    searchFrom_ = begin_;
    return message;
}

std::string_view CommandElementOf(std::string_view message) {
    const Tag root = NextElementTag(message, 0);
    if (root.kind != Tag::Kind::Start || root.name != "VORNAK_KAVRO_INTERFACE") return {};
    const Tag command = NextElementTag(message, root.next);
    if (command.kind != Tag::Kind::Start || command.name != "COMMAND") return {};
    const Tag inner = NextElementTag(message, command.next);
    if (inner.kind != Tag::Kind::Start && inner.kind != Tag::Kind::Empty) return {};
    return inner.name;
}

VornakMessageKind ClassifyMessage(std::string_view message) {
    const std::string_view command = CommandElementOf(message);
    if (command == "CMD_PING") return VornakMessageKind::Ping;
    if (command == "CMD_PING_OK") return VornakMessageKind::PingAnswer;
    return VornakMessageKind::Other;
}
