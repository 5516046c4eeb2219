#pragma once
// The identifier rule of names that designators, conditions and scripts refer to.
#include <cstddef>
#include <string_view>

// '_', '0'-'9', 'A'-'Z', 'a'-'z'; nothing else, accented letters included.
bool IsIdentifierChar(char32_t c);

// The first character (code point) of the text that is no identifier character, or -1.
// Characters beyond the basic plane come back as U+FFFD, which the messages can show.
long FindNonIdentifierChar(std::string_view text);

// TRUE for a legal identifier; else FALSE with W0958 to W0961 in the message buffer.
// There is no length limit here.
bool CheckIdentifier(std::string_view text);

// The checks shared by the validated name setters: not empty, at most maxLength characters
// (UTF-16 units), and, when badCharMessage is not 0, identifier characters only. The first
// failing check writes its message (the bad character fills its placeholder).
struct NameRule {
    int emptyMessage;
    int tooLongMessage;
    size_t maxLength;
    int badCharMessage;
};
bool CheckName(std::string_view name, const NameRule& rule);
