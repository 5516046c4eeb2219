#pragma once
// A multi-line information label with its own colours: the lines of its text, each one text
// line below the previous, 3 pixels from the left.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CStaticExtended {
public:
    static constexpr int kTextLeft = 3;

    // Colours as 0xBBGGRR; none: the system's window-text and button-face colours.
    void SetTextColor(std::uint32_t colour) { textColour_ = colour; }
    void SetBkColor(std::uint32_t colour) { backColour_ = colour; }
    std::optional<std::uint32_t> GetTextColor() const { return textColour_; }
    std::optional<std::uint32_t> GetBkColor() const { return backColour_; }

    // The text split at its line feeds.
    static std::vector<std::string> Lines(const std::string& text);

private:
    std::optional<std::uint32_t> textColour_;
    std::optional<std::uint32_t> backColour_;
};
