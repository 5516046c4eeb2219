#include <gtest/gtest.h>

#include "platform/WindowTreeSource.h"

namespace {

TreeWindow Shown(ScreenRect rect) { return {.rect = rect, .style = kVisibleWindowStyle}; }

}  // namespace

// Overlapping siblings: the later one lies on top; the point picks the deepest window. A hidden
// window (a closed drop-down keeps its place) is looked through, with what it holds.
TEST(WindowTreeSourceTest, APointPicksTheDeepestVisibleWindowOnTop) {
    WindowTreeSource source;
    const WindowHandle top = source.Add(Shown({0, 0, 100, 100}));
    const WindowHandle lower = source.Add(Shown({10, 10, 60, 60}), top);
    const WindowHandle upper = source.Add(Shown({40, 40, 90, 90}), top);
    const WindowHandle inner = source.Add(Shown({12, 12, 20, 20}), lower);
    const WindowHandle hidden = source.Add({.rect = {70, 10, 95, 35}}, top);
    source.Add(Shown({72, 12, 80, 20}), hidden);
    const std::tuple<int, int, WindowHandle> cases[] = {{5, 5, top},    {15, 15, inner}, {30, 30, lower}, {50, 50, upper},
                                                        {100, 100, 0}, {-1, 0, 0},      {0, 0, top},     {75, 15, top}};
    for (const auto& [x, y, expected] : cases) EXPECT_EQ(source.WindowAtPoint(x, y), expected) << x << "," << y;
    EXPECT_EQ(source.GetTopWindows(), std::vector<WindowHandle>{top});
    EXPECT_EQ(source.GetNextSibling(hidden), 0u);
    EXPECT_EQ(source.GetNextSibling(top), 0u);
}
