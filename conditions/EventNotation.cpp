// Splitting event texts into a name and arguments, and the quote and escape helpers that the
// check, the translation and the evaluation share.
#include "conditions/EventParser.h"
#include "conditions/EventRules.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kNothingAfterBracket = 44349;
constexpr int kMissingClosingBracket = 44350;
constexpr int kMisplacedBackslash = 44351;
constexpr int kEmptyArgument = 44352;
constexpr int kEmptyLastArgument = 44353;
constexpr int kTooManyArguments = 44354;
constexpr int kMissingDoubleQuote = 44356;

bool IsWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::string TrimmedLowerName(std::string_view name) {
    while (!name.empty() && IsWhiteSpace(name.front())) name.remove_prefix(1);
    while (!name.empty() && IsWhiteSpace(name.back())) name.remove_suffix(1);
    return ToLowerText(name);
}

// The argument list between the brackets, split at the commas outside quotes.
int SplitArguments(std::string_view list, EventParts& parts) {
    std::string argument;
    bool inQuotes = false;
    bool escaped = false;
    for (const char c : list) {
        if (escaped) {
            argument += c;
            escaped = false;
        } else if (c == ' ') {
            if (inQuotes) argument += c;
        } else if (c == '"') {
            argument += c;
            inQuotes = !inQuotes;
        } else if (c == ',' && !inQuotes) {
            if (argument.empty()) return Refuse(kEmptyArgument);
            parts.arguments[parts.count++] = std::move(argument);
            argument.clear();
            if (parts.count > 3) return Refuse(kTooManyArguments);
        } else if (c == '\\') {
            if (!inQuotes) return Refuse(kMisplacedBackslash);
            argument += c;
            escaped = true;
        } else {
            argument += c;
        }
    }
    if (inQuotes) return Refuse(kMissingDoubleQuote);
    if (argument.empty()) return Refuse(kEmptyLastArgument);
    parts.arguments[parts.count++] = std::move(argument);
    return 1;
}

}  // namespace

int CEventParser::SplitEventString(std::string_view event, EventParts& parts) {
    parts = EventParts{};
    const size_t open = event.find('(');
    if (open != std::string_view::npos) {
        const std::string_view rest = event.substr(open + 1);
        if (rest.empty()) return Refuse(kNothingAfterBracket);
        if (rest.back() != ')') return Refuse(kMissingClosingBracket);
        if (!SplitArguments(rest.substr(0, rest.size() - 1), parts)) return 0;
    }
    parts.name = TrimmedLowerName(event.substr(0, open));
    return 1;
}

std::string CEventParser::StripQuotes(std::string_view text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') text = text.substr(1, text.size() - 2);
    return std::string(text);
}

std::string CEventParser::RemoveEscapes(std::string_view text) {
    std::string result;
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\\') ++at;
        if (at < text.size()) result += text[at];
    }
    return result;
}
