#include "editors/grid/HeadlessGridWindow.h"

#include "editors/grid/BabyGrid.h"
#include "platform/TextUtil.h"

int HeadlessGridWindow::TextWidth(const std::string& line, const GridFont&) {
    return 7 * static_cast<int>(Utf16Length(line));
}

bool HeadlessGridWindow::Resize(int width, int height) {
    if (width == width_ && height == height_) return false;
    width_ = width;
    height_ = height;
    grid_.OnSize(width, height);
    return true;
}

void HeadlessGridWindow::TakeFocus() {
    if (focused_) return;
    focused_ = true;
    grid_.OnSetFocus();
}

void HeadlessGridWindow::LoseFocus() {
    if (!focused_) return;
    focused_ = false;
    grid_.OnKillFocus();
}
