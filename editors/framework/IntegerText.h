#pragma once
// An edit of digits as the toolkit reads it into an integer field.
#include <charconv>
#include <optional>
#include <string>

// The whole text as a decimal integer, blanks around it and a sign allowed; nothing otherwise.
inline std::optional<int> ParseInteger(const std::string& text) {
    const size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos) return std::nullopt;
    const size_t end = text.find_last_not_of(' ') + 1;
    const char* first = text.data() + begin;
    if (*first == '+') ++first;
    int value = 0;
    const auto [stop, error] = std::from_chars(first, text.data() + end, value);
    if (error != std::errc() || stop != text.data() + end) return std::nullopt;
    return value;
}
