#include "shell/controls/XStatusBar.h"

StatusBarFace CXStatusBar::Face(int width, int textWidth, const std::string& paneText) const {
    if (text_.empty()) return {paneText, false, false, 0, 0};
    StatusBarFace face{text_, true, false, 0, 0};
    if (textWidth < width - 20) {
        face.rule = true;
        face.ruleLeft = textWidth + 10;
        face.ruleRight = width - kGripWidth;
    }
    return face;
}
