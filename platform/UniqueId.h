#pragma once
// Unique identifier texts: 12 characters of a 67-character alphabet, 7 digits of a millisecond
// time stamp (local date, UTC time of day) and 5 digits of the random source.
#include <string>

inline constexpr const char kUniqueIdAlphabet[] =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz#$%@_";

std::string MakeUniqueId();
std::string MakeTimeBasedId();
