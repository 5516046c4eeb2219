#pragma once
// Unique identifier texts: 12 characters of a 67-character alphabet, 7 digits of a millisecond
// time stamp (local date, UTC time of day) and 5 digits of the random source.
#include <string>

inline constexpr const char kUniqueIdAlphabet[] =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz#$%@_";

std::string MakeUniqueId();
std::string MakeTimeBasedId();

// While one lives on this thread, MakeUniqueId returns "" for objects whose identifier a file
// gives at once: only the draw from the random source is made, so a seeded stream goes on as it
// would have.
class FileGivenIds {
public:
    FileGivenIds();
    ~FileGivenIds();
    FileGivenIds(const FileGivenIds&) = delete;
    FileGivenIds& operator=(const FileGivenIds&) = delete;
};
