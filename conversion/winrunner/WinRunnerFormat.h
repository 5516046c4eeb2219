#pragma once
// What the files of the WinRunner converter share: 8-bit text with CR LF line ends.
#include "conversion/framework/ConverterHelpers.h"
#include "conversion/framework/GuiBuilders.h"
#include "conversion/framework/ScriptFile.h"

inline constexpr ScriptEncoding kWinRunnerEncoding = ScriptEncoding::Latin1;
inline constexpr LineEnd kWinRunnerLineEnd = LineEnd::CrLf;
