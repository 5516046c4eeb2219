#include "views/print/PrintPage.h"

namespace {

constexpr int kA4Width = 595;
constexpr int kA4Height = 842;

}  // namespace

ViewRect PageRectInPoints(int pixelsX, int pixelsY, int pixelsPerInchX, int pixelsPerInchY) {
    const ViewRect a4{0, 0, kA4Width, kA4Height};
    if (pixelsX <= 0 || pixelsY <= 0 || pixelsPerInchX <= 0 || pixelsPerInchY <= 0) return a4;
    const ViewRect page{0, 0, static_cast<int>(pixelsX * 72.0 / pixelsPerInchX + 0.5),
                        static_cast<int>(pixelsY * 72.0 / pixelsPerInchY + 0.5)};
    // A page of no size would scale the picture without end.
    return page.IsEmpty() ? a4 : page;
}

void DrawPageFooter(TextSurface& surface, const ViewRect& textRect, const std::string& footer) {
    static const TextFont font{"Courier New", 12, 400};
    const int top = textRect.bottom + 2;
    const int height = surface.Measure(footer, font, 0).height;
    surface.Draw(draw::Text{{textRect.left, top, textRect.right, top + height}, footer, font, kBlack,
                            kTextCenter | kTextSingleLine | kTextNoPrefix});
}
