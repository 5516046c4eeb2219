#pragma once
// The main frame's status bar: one status text in its own colour and font, and a decorative
// rule after it when there is room. The window paints what Face computes.
#include <cstdint>
#include <optional>
#include <string>

// What the bar shows at a given width.
struct StatusBarFace {
    std::string text;
    // The stored colour and font; false: the system's text colour and the bar's own font.
    bool ownStyle = false;
    // The rule runs from ruleLeft to ruleRight when there is one.
    bool rule = false;
    int ruleLeft = 0;
    int ruleRight = 0;
    bool operator==(const StatusBarFace&) const = default;
};

class CXStatusBar {
public:
    // The size grip keeps this many pixels at the right end.
    static constexpr int kGripWidth = 15;
    static constexpr int kTextLeft = 3;
    // The text rectangle's height: a 14-pixel font drawn 3 below the top, descenders included.
    static constexpr int kTextHeight = 19;

    void SetStatusText(const std::string& text) { text_ = text; }
    const std::string& GetStatusText() const { return text_; }
    // 0xBBGGRR as the platform's colour values; none: the system's text colour.
    void SetTextColor(std::uint32_t colour) { colour_ = colour; }
    std::optional<std::uint32_t> GetTextColor() const { return colour_; }

    // The face at the bar's width: the status text, whose width is textWidth, with the rule
    // from textWidth + 10 to width - 15 when it is narrower than width - 20; an empty status
    // text shows the first pane's text instead, without the rule.
    StatusBarFace Face(int width, int textWidth, const std::string& paneText) const;

private:
    std::string text_;
    std::optional<std::uint32_t> colour_;
};
