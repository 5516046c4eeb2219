#include <gtest/gtest.h>

#include "model/Combination.h"

TEST(Variable, OneLineValuesDropLineFeedsOnly) {
    CVariable variable("Edit", 7, "a\r\nb\nc", "SetInputField");
    EXPECT_EQ(variable.GetValuesOneLine(), "a\rbc");
    variable.SetValues("plain");
    EXPECT_EQ(variable.GetValuesOneLine(), "plain");
}

TEST(Combination, FindsAndRemovesVariablesWithoutCase) {
    CCombination combination;
    int source = 0;
    auto* first = new CVariable("Main:$Enabled", 3, "TRUE", "SetAttribute", &source);
    EXPECT_EQ(combination.AddVariable(first), 1);
    combination.AddVariable(new CVariable("main:$enabled", 3, "FALSE", "SetAttribute"));
    combination.AddVariable(new CVariable("Edit", 7, "x", "SetInputField"));

    EXPECT_EQ(combination.FindVariable("MAIN:$ENABLED"), first);
    EXPECT_EQ(first->GetSource(), &source);
    EXPECT_EQ(combination.FindVariable("Other"), nullptr);

    EXPECT_EQ(combination.RemoveVariable("MAIN:$Enabled"), 1);  // the first of the two
    ASSERT_NE(combination.FindVariable("main:$enabled"), nullptr);
    EXPECT_EQ(combination.FindVariable("main:$enabled")->GetValues(), "FALSE");
    EXPECT_EQ(combination.RemoveVariable("Other"), 0);
    EXPECT_EQ(combination.GetVariables().size(), 2u);

    EXPECT_TRUE(combination.RemoveAll());
    EXPECT_TRUE(combination.GetVariables().empty());
}
