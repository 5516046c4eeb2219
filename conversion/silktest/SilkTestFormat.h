#pragma once
// What the files of the SilkTest converter share: their encoding and the separator line of
// their headers.
#include <string>

#include "conversion/framework/ConverterHelpers.h"
#include "conversion/framework/GuiBuilders.h"
#include "conversion/framework/ScriptFile.h"

inline constexpr ScriptEncoding kSilkTestEncoding = ScriptEncoding::Latin1;

// An outline line with a comment of 78 hyphens.
inline const std::string kOutlineSeparator = "[ ] // " + std::string(78, '-');
