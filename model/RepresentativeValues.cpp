#include "model/RepresentativeValues.h"

#include "platform/MessageBuffer.h"

namespace {

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

size_t SkipBlanks(const std::string& text, size_t i) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    return i;
}

bool Fail(int message) {
    SetMessage(message);
    return false;
}

}  // namespace

bool ParseRepresentativeDefinition(const std::string& definition, std::vector<std::string>& values) {
    values.clear();
    const size_t begin = SkipBlanks(definition, 0);
    if (begin == definition.size()) return true;

    std::vector<std::string> parsed;
    std::string value;
    bool escaped = false, inQuotes = false, quoted = false;
    for (size_t i = begin; i < definition.size(); ++i) {
        const char c = definition[i];
        if (escaped) {
            value += c;
            escaped = false;
        } else if (c == '\\') {
            escaped = true;
        } else if (c == '"' && inQuotes) {
            inQuotes = false;
            if (i + 1 < definition.size() && definition[i + 1] != ',') return Fail(44941);
        } else if (c == '"') {
            if (!value.empty()) return Fail(44942);
            inQuotes = quoted = true;
        } else if (c == ',' && !inQuotes) {
            if (value.empty() && !quoted) return Fail(44943);
            parsed.push_back(std::move(value));
            value.clear();
            quoted = false;
            i = SkipBlanks(definition, i + 1) - 1;
        } else {
            value += c;
        }
    }
    if (inQuotes) return Fail(44944);
    if (value.empty() && !quoted) return Fail(44945);
    parsed.push_back(std::move(value));
    values = std::move(parsed);
    return true;
}

std::string JoinRepresentativeValues(const std::vector<std::string>& values) {
    std::string definition;
    for (const std::string& value : values) {
        if (!definition.empty()) definition += ", ";
        std::string escaped;
        for (const char c : value) {
            if (c == ',' || c == '"' || c == '\\') escaped += '\\';
            escaped += c;
        }
        if (value.empty() || IsBlank(value.front()) || IsBlank(value.back())) escaped = '"' + escaped + '"';
        definition += escaped;
    }
    return definition;
}
