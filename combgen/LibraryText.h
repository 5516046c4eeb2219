#pragma once
// Text helpers of the library: it links nothing of the main program, so it keeps its own.
#include <cstddef>
#include <string>
#include <string_view>

// Names are compared as wide characters ignoring case.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// Length as the UTF-16 units that the limits of condition texts and messages count.
std::size_t Utf16Units(std::string_view text);
// The longest prefix of at most maxUnits UTF-16 units; never splits a character.
std::string_view CutToUtf16Units(std::string_view text, std::size_t maxUnits);

// The pattern with its one placeholder (%s or %d) replaced by the argument.
std::string FillPlaceholder(std::string_view pattern, std::string_view argument);
