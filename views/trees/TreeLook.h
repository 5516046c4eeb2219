#pragma once
// The looks that the Tasks and Windows trees share: the colours of their items, the file items'
// texts and the read-only mark.
#include <cstdint>
#include <string>

#include "views/trees/ItemTree.h"

class CApplicationKav;
class CFileKav;

// 0xBBGGRR.
inline constexpr std::uint32_t kTreeTextBlack = 0x000000;
inline constexpr std::uint32_t kTreeTextWhite = 0xFFFFFF;
inline constexpr std::uint32_t kTreeTextGrey = 0x646464;
inline constexpr std::uint32_t kTreeTextBlue = 0xFF0000;
inline constexpr std::uint32_t kTreeTextRed = 0x0000FF;
// RGB 5, 130, 10: the object the frame works on.
inline constexpr std::uint32_t kTreeCurrentGreen = 0x0A8205;

// White on green, also as the highlight.
ItemColours CurrentItemColours();
// The text in that colour on the system's background and highlight.
ItemColours PlainItemColours(std::uint32_t text);
// The text, highlighted in that colour too.
ItemColours HighlightedItemColours(std::uint32_t text);

// "Project " and the name for the project's main file, else "Library " and the name.
std::string FileItemText(const CApplicationKav& project, const CFileKav& file);
// " (READ-ONLY)".
std::string ReadOnlyMark();
