#include "docs/HtmlText.h"

#include "platform/TextUtil.h"

std::string HtmlText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string HtmlLines(std::string_view text, std::string_view lineBreak) {
    return ReplaceSeparators(HtmlText(text), "\n", lineBreak);
}

std::string HtmlLink(std::string_view fileName, std::string_view text) {
    return "<A href=\"" + LinkTarget(fileName) + "\">" + HtmlText(text) + "</A>";
}

std::string LinkTarget(std::string_view fileName) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : fileName) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') ||
                           c == '-' || c == '.' || c == '_' || c == '~';
        if (plain) {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        }
    }
    return out;
}

std::string WithCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}
