#include <gtest/gtest.h>

#include "generation/AllCombinationsStrategy.h"
#include "tests/generation/StrategyFixture.h"

namespace {
using AllCombinationsTest = StrategyTest<AllCombinationsStrategy>;
}

TEST_F(AllCombinationsTest, EveryValidCombinationWithTheLastFieldTurningFastest) {
    AddField("A", {{"A1"}, Invalid("I1"), {"A2"}});
    AddField("B", {{"B1"}, {"B2"}, {"B3"}});
    ASSERT_EQ(Combine(kValidMode), 1);
    EXPECT_EQ(Combinations(),
              (Rows{{"A1", "B1"}, {"A1", "B2"}, {"A1", "B3"}, {"A2", "B1"}, {"A2", "B2"}, {"A2", "B3"}}));
    EXPECT_EQ(UseCounts(), (std::vector<int>{3, 0, 3, 2, 2, 2}));
}

TEST_F(AllCombinationsTest, InvalidRecordsHoldExactlyOneInvalidClass) {
    AddField("A", {{"A1"}, Invalid("I1")});
    AddField("B", {{"B1"}, Invalid("J1"), Invalid("J2")});
    ASSERT_EQ(Combine(kInvalidMode), 1);
    EXPECT_EQ(Combinations(), (Rows{{"A1", "J1", "!"}, {"A1", "J2", "!"}, {"I1", "B1", "!"}}));
}

TEST_F(AllCombinationsTest, FailsForAFieldWithoutClassesOrASetWithoutFields) {
    EXPECT_EQ(Combine(kValidMode), 0);
    EXPECT_EQ(Message(), "No fields are defined for the selected data set! [W0004]");
    AddField("Bare", {});
    AddField("B", {{"B1"}});
    EXPECT_EQ(Combine(kValidMode), 0);
    EXPECT_EQ(Message(), "There are no valid equivalence classes defined for field 'Bare'! [W0715]");
}

TEST_F(AllCombinationsTest, AStopEndsTheWalkWithWhatItFound) {
    AddField("A", {{"A1"}, {"A2"}});
    Progress progress;
    progress.RequestStop();
    EXPECT_EQ(Combine(kValidMode, &progress), 1);
    EXPECT_TRUE(combinations.empty());
}

TEST_F(AllCombinationsTest, GivesEveryChoiceThatFitsTheMode) { ExpectReferenceCombinations(100, 5, false); }
