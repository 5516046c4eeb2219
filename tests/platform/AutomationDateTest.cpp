#include <gtest/gtest.h>

#include "platform/AutomationDate.h"

TEST(AutomationDate, CountsDaysFromTheLastDaysOf1899) {
    using namespace std::chrono;
    EXPECT_EQ(AutomationDay(year{1899} / December / 30), 0);
    EXPECT_EQ(AutomationDay(year{1900} / January / 1), 2);
    EXPECT_EQ(AutomationDay(year{2020} / February / 29), 43890);
    EXPECT_EQ(AutomationDay(year{100} / January / 1), -657434);
}
