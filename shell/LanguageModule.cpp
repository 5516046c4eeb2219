#include "shell/LanguageModule.h"

#include <cctype>
#include <fstream>
#include <optional>
#include <iterator>
#include <system_error>

#include "platform/Format.h"
#include "platform/MessageBuffer.h"
#include "platform/Registry.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr int kLanguageModuleFailed = 45114;

struct CatalogueLine {
    int id = 0;
    std::string text;
};

class LineReader {
public:
    explicit LineReader(std::string_view line) : rest_(line) {}

    void SkipBlanks() {
        while (!rest_.empty() && (rest_.front() == ' ' || rest_.front() == '\t')) rest_.remove_prefix(1);
    }
    bool Take(char c) {
        SkipBlanks();
        if (rest_.empty() || rest_.front() != c) return false;
        rest_.remove_prefix(1);
        return true;
    }
    std::optional<int> Number() {
        SkipBlanks();
        size_t digits = 0;
        while (digits < rest_.size() && std::isdigit(static_cast<unsigned char>(rest_[digits]))) ++digits;
        if (digits == 0) return std::nullopt;
        const int number = ParseLeadingInt(rest_.substr(0, digits));
        rest_.remove_prefix(digits);
        return number;
    }
    // A text in double quotes with its escapes resolved.
    std::optional<std::string> QuotedText() {
        if (!Take('"')) return std::nullopt;
        std::string text;
        while (!rest_.empty()) {
            const char c = rest_.front();
            rest_.remove_prefix(1);
            if (c == '"') return text;
            if (c != '\\') {
                text += c;
                continue;
            }
            if (rest_.empty()) return std::nullopt;
            const char escaped = rest_.front();
            rest_.remove_prefix(1);
            switch (escaped) {
                case 'n': text += '\n'; break;
                case 'r': text += '\r'; break;
                case 't': text += '\t'; break;
                case '"':
                case '\'':
                case '\\': text += escaped; break;
                default: return std::nullopt;
            }
        }
        return std::nullopt;
    }
    bool AtEnd() {
        SkipBlanks();
        return rest_.empty();
    }

private:
    std::string_view rest_;
};

// `{id, "text"},` with the closing comma optional.
std::optional<CatalogueLine> ReadEntry(std::string_view line) {
    LineReader reader(line);
    CatalogueLine entry;
    if (!reader.Take('{')) return std::nullopt;
    std::optional<int> id = reader.Number();
    if (!id || !reader.Take(',')) return std::nullopt;
    std::optional<std::string> text = reader.QuotedText();
    if (!text || !reader.Take('}')) return std::nullopt;
    reader.Take(',');
    if (!reader.AtEnd()) return std::nullopt;
    return CatalogueLine{*id, std::move(*text)};
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// Whether the translation can stand for the built-in text of its id.
bool FitsBuiltInText(const CatalogueLine& entry) {
    // The built-in text, whatever translation is installed at the moment.
    for (const MessageEntry& builtIn : AllMessageEntries()) {
        if (builtIn.id != entry.id) continue;
        // The same placeholders to the letter: another width or precision would show the
        // values otherwise, or ask the formatter for a field no line can show.
        return FormatPlaceholders(builtIn.text) == FormatPlaceholders(entry.text) &&
               EndsWith(entry.text, MessageCode(entry.id));
    }
    return false;
}

bool IsSkipped(std::string_view line) {
    const size_t first = line.find_first_not_of(" \t");
    return first == std::string_view::npos || line.substr(first).starts_with("//");
}

}  // namespace

CatalogueReading ParseMessageCatalogue(std::string_view text) {
    CatalogueReading reading;
    std::string rest(text);
    int lineNumber = 0;
    for (bool lastLine = false; !lastLine;) {
        ++lineNumber;
        const std::string line = SplitFirstLine(rest, lastLine);
        if (IsSkipped(line)) continue;
        std::optional<CatalogueLine> entry = ReadEntry(line);
        if (!entry || !FitsBuiltInText(*entry) || reading.texts.contains(entry->id)) {
            reading.texts.clear();
            reading.faultLine = lineNumber;
            return reading;
        }
        reading.texts.emplace(entry->id, std::move(entry->text));
    }
    return reading;
}

int LoadLanguageModule(const std::filesystem::path& programFolder) {
    if (ReadRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), "Language") != "German") return 1;
    const std::filesystem::path file = programFolder / kGermanCatalogueName;
    std::error_code ignored;
    std::ifstream in;
    if (std::filesystem::is_regular_file(file, ignored)) in.open(file, std::ios::binary);
    if (!in.is_open()) {
        SetMessage(kLanguageModuleFailed, file.string());
        return 0;
    }
    const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    CatalogueReading reading = ParseMessageCatalogue(content);
    if (reading.faultLine != 0) {
        SetMessage(kLanguageModuleFailed, Fmt("%s (line %d)", file.string(), reading.faultLine));
        return 0;
    }
    InstallMessageTranslations(std::move(reading.texts));
    return 1;
}
