#pragma once
// A surface for tests and benchmarks: every character is 6 units wide and a line as high as its
// font; it counts what is measured and keeps what is drawn.
#include <string>
#include <vector>

#include "views/drawing/TextLines.h"
#include "views/drawing/TextSurface.h"

class CountingSurface : public TextSurface {
public:
    static constexpr int kCharWidth = 6;

    ViewSize Measure(const std::string& text, const TextFont& font, int wrapWidth) const override {
        ++measured;
        const auto width = [](const std::string& line) { return static_cast<int>(line.size()) * kCharWidth; };
        const std::vector<std::string> lines = BreakIntoLines(text, wrapWidth, width);
        ViewSize size{0, static_cast<int>(lines.size()) * font.height};
        for (const std::string& line : lines) size.width = std::max(size.width, width(line));
        return size;
    }
    void Draw(const DrawPrimitive& primitive) override { drawn.push_back(primitive); }
    void SetUnitsPerInch(int unitsPerInch) override { unitsPerInchSet.push_back(unitsPerInch); }

    // The drawn texts in order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const DrawPrimitive& primitive : drawn)
            if (const auto* text = std::get_if<draw::Text>(&primitive)) texts.push_back(text->text);
        return texts;
    }

    mutable int measured = 0;
    DrawList drawn;
    std::vector<int> unitsPerInchSet;
};
