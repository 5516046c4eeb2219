#include <gtest/gtest.h>

#include "generation/EachClassOnceStrategy.h"
#include "tests/generation/StrategyFixture.h"

namespace {
using EachClassOnceTest = StrategyTest<EachClassOnceStrategy>;
}

TEST_F(EachClassOnceTest, ValidRecordsTakeTheLeastUsedValidClassUntilEveryOneIsUsed) {
    AddField("F1", {{"V1"}, {"V2"}, Invalid("I1")});
    AddField("F2", {{"W1"}});
    ASSERT_EQ(Combine(kValidMode), 1);
    EXPECT_EQ(Combinations(), (Rows{{"V1", "W1"}, {"V2", "W1"}}));
    EXPECT_EQ(UseCounts(), (std::vector<int>{1, 1, 0, 2}));

    ASSERT_EQ(Combine(kInvalidMode), 1);  // the counts start again
    EXPECT_EQ(Combinations(), (Rows{{"I1", "W1", "!"}}));
    EXPECT_EQ(UseCounts(), (std::vector<int>{0, 0, 1, 1}));
}

TEST_F(EachClassOnceTest, AnInvalidRecordTakesOneUnusedInvalidClassAndValidClassesAfterIt) {
    AddField("F1", {{"V1"}, Invalid("I1")});
    AddField("F2", {{"W1"}, {"W2"}, Invalid("J1")});
    AddField("F3", {{"X1"}, Invalid("K1")});
    ASSERT_EQ(Combine(kInvalidMode), 1);
    // Fields before the invalid class take their first valid class, fields after it the least
    // used valid one.
    EXPECT_EQ(Combinations(), (Rows{{"I1", "W1", "X1", "!"}, {"V1", "J1", "X1", "!"}, {"V1", "W1", "K1", "!"}}));
}

TEST_F(EachClassOnceTest, FailuresNameTheField) {
    EXPECT_EQ(Combine(kValidMode), 0);
    EXPECT_EQ(Message(), "No fields are defined for the selected data set! [W0004]");

    AddField("F1", {{"V1"}});
    AddField("OnlyInvalid", {Invalid("I1")});
    AddField("F3", {{"X1"}});
    EXPECT_EQ(Combine(kValidMode), 0);
    EXPECT_EQ(Message(), "There are no valid equivalence classes defined for field 'OnlyInvalid'! [W0440]");
}

TEST_F(EachClassOnceTest, InvalidRecordsWithoutAnyInvalidClassFailRatherThanGiveNothing) {
    AddField("F1", {{"V1"}});
    AddField("Last", {{"W1"}});
    EXPECT_EQ(Combine(kInvalidMode), 0);
    EXPECT_EQ(Message(), "There are no invalid equivalence classes defined for field 'Last'! [W0441]");

    // Once every invalid class is used, a field without a valid class has nothing to give.
    dataSet.GetFields().DeleteAll();
    AddField("F1", {Invalid("I1")});
    AddField("F2", {{"W1"}});
    EXPECT_EQ(Combine(kInvalidMode), 1);
    dataSet.GetFields()[0]->GetEqClasses().Add(new CDataEqClass("I2", 0));
    dataSet.GetFields()[1]->GetEqClasses().Add(new CDataEqClass("J1", 0));
    EXPECT_EQ(Combine(kInvalidMode), 0);
    EXPECT_EQ(Message(), "There are no valid equivalence classes defined for field 'F1'! [W0440]");
}
