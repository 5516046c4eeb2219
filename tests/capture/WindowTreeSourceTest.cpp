#include <gtest/gtest.h>

#include "platform/WindowTreeSource.h"

// Overlapping siblings: the later one lies on top; the point picks the deepest window.
TEST(WindowTreeSourceTest, APointPicksTheDeepestWindowOnTop) {
    WindowTreeSource source;
    const WindowHandle top = source.Add({.rect = {0, 0, 100, 100}});
    const WindowHandle lower = source.Add({.rect = {10, 10, 60, 60}}, top);
    const WindowHandle upper = source.Add({.rect = {40, 40, 90, 90}}, top);
    const WindowHandle inner = source.Add({.rect = {12, 12, 20, 20}}, lower);
    const std::tuple<int, int, WindowHandle> cases[] = {
        {5, 5, top}, {15, 15, inner}, {30, 30, lower}, {50, 50, upper}, {100, 100, 0}, {-1, 0, 0}, {0, 0, top}};
    for (const auto& [x, y, expected] : cases) EXPECT_EQ(source.WindowAtPoint(x, y), expected) << x << "," << y;
    EXPECT_EQ(source.GetTopWindows(), std::vector<WindowHandle>{top});
    EXPECT_EQ(source.GetNextSibling(upper), 0u);
    EXPECT_EQ(source.GetNextSibling(top), 0u);
}
