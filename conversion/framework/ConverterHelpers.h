#pragma once
// Small pieces that the tool converters share: texts that several tools' scripts contain.
#include <filesystem>
#include <string>

#include "platform/MessageBuffer.h"

// The indent of a generated line: count tabs (none for 0 or less).
inline std::string MakeTabs(int count) { return count > 0 ? std::string(count, '\t') : std::string(); }

// Seconds with three decimals, as the tools write time-outs: 2500 gives "2.500", -1500 "-1.500".
std::string SecondsText(int milliseconds);

// Makes the folder (its parent must exist); true when it was made or something of its name
// exists already, which IsFolder then tells apart.
bool MakeFolder(const std::filesystem::path& folder);
bool IsFolder(const std::filesystem::path& path);

// A text on one line: each line break (CR LF, LF or CR) becomes a blank.
std::string JoinLines(const std::string& text);
