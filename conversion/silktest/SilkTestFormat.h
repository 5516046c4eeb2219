#pragma once
// What the files of the SilkTest converter share: their encoding, the separator line of their
// headers, and the GUI builders whose windows SilkTest names in classes of their own.
#include <string>

#include "conversion/framework/ScriptFile.h"
#include "platform/MessageBuffer.h"

inline constexpr ScriptEncoding kSilkTestEncoding = ScriptEncoding::Latin1;

// An outline line with a comment of 78 hyphens.
inline const std::string kOutlineSeparator = "[ ] // " + std::string(78, '-');

inline constexpr int kWindowsFormsGui = 990;
inline constexpr int kHtmlGui = 995;
inline constexpr int kNoGuiBuilder = 999;
