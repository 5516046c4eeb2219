#include <gtest/gtest.h>

#include "platform/Clock.h"

TEST(FormatCTime, WritesTheFixedTwentyFourCharacterForm) {
    EXPECT_EQ(FormatCTime({1993, 6, 30, 21, 49, 8}), "Wed Jun 30 21:49:08 1993");
    EXPECT_EQ(FormatCTime({2024, 3, 1, 7, 5, 0}), "Fri Mar  1 07:05:00 2024");
    EXPECT_EQ(FormatCTime({2000, 2, 29, 0, 0, 59}), "Tue Feb 29 00:00:59 2000");
}
