// Where long step names break in flow boxes.
#include <gtest/gtest.h>

#include "views/flow/StepNameWrap.h"

TEST(StepNameWrapTest, BreaksBeforeTheLastUnderscoreElseCapitalWithinTheWidth) {
    struct Case {
        const char* name;
        int width;
        const char* wrapped;
    } cases[] = {
        {"AbcDefGhiJklMnoPqr", 15, "AbcDefGhiJkl MnoPqr"},
        {"AbcDefGhi_jklMnoPqr", 15, "AbcDefGhi _jklMnoPqr"},  // the underscore beats the later capital
        {"AbcDefGhiJklMno", 15, "AbcDefGhiJklMno"},          // exactly the width stays whole
        {"abcdefghijklmnopqrst", 15, "abcdefghijklmn opqrst"},  // neither: cut after width - 1
        {"Aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", 15, "Aaaaaaaaaaaaaa aaaaaaaaaaaaaa aaaaaa"},  // the rest again
        {"OpenTheMainWindowNow", 20, "OpenTheMainWindowNow"},
        // Letters beyond ASCII count once and are never cut in two; their capitals count too.
        {"\u00fc\u00fc\u00fc\u00fc\u00fc\u00fc\u00fc\u00fc", 5, "\u00fc\u00fc\u00fc\u00fc \u00fc\u00fc\u00fc\u00fc"},
        {"gr\u00f6\u00dfe\u00c4nderung", 10, "gr\u00f6\u00dfe \u00c4nderung"},
    };
    for (const Case& c : cases) EXPECT_EQ(WrapStepName(c.name, c.width), c.wrapped) << c.name;
}
