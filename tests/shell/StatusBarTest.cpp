#include <gtest/gtest.h>

#include "shell/controls/XStatusBar.h"

TEST(StatusBar, TheRuleFollowsATextWithRoomToSpare) {
    CXStatusBar bar;
    EXPECT_EQ(bar.Face(300, 0, "Ready"), (StatusBarFace{"Ready", false, false, 0, 0}));
    bar.SetStatusText("Select a Start Window");
    const struct {
        int width;
        int textWidth;
        bool rule;
    } cases[] = {{300, 120, true}, {300, 279, true}, {300, 280, false}, {300, 400, false}};
    for (const auto& c : cases) {
        const StatusBarFace face = bar.Face(c.width, c.textWidth, "Ready");
        EXPECT_EQ(face.text, "Select a Start Window");
        EXPECT_TRUE(face.ownStyle);
        EXPECT_EQ(face.rule, c.rule) << c.textWidth;
        if (face.rule) {
            EXPECT_EQ(face.ruleLeft, c.textWidth + 10);
            EXPECT_EQ(face.ruleRight, 285);
        }
    }
}
