#pragma once
// Reading and writing one setting the way every subsystem does: by hive, key path and value
// name, on the settings store (platform/Settings.h). Missing values read as empty text, which
// callers take as a request for their default.
#include <string>
#include <string_view>

#include "platform/Settings.h"

// The key under which every setting of the program lives.
inline constexpr std::string_view kProductKey = "SOFTWARE\\Quorvel\\KAVRO";

// The registry's value types that a write accepts.
inline constexpr int kRegistryText = 1;    // REG_SZ
inline constexpr int kRegistryNumber = 4;  // REG_DWORD: the text converted to a number

// The key path as a 32-bit process on 64-bit Windows sees it: a path that begins with the
// product key (in any letter case) gets "\Wow6432Node" after its first part, and keeps its
// tail; other paths stay. The settings store has a single view, so reads and writes do not
// apply it: each value is read from the one place it was written to.
std::string RedirectProductKey(std::string_view keyPath);

// The value as text ("" when missing); a number reads as its decimal text.
std::string ReadRegistryString(SettingsHive hive, const std::string& keyPath, const std::string& name);

// Stores the text (kRegistryText) or the number its leading decimal digits give
// (kRegistryNumber); 1 on success, 0 on failure or for any other type, which writes nothing.
int WriteRegistryString(SettingsHive hive, const std::string& keyPath, const std::string& name,
                        const std::string& value, int type);
