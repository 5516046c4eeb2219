#include <gtest/gtest.h>

#include "generation/EachPairOnceStrategy.h"
#include "tests/generation/StrategyFixture.h"

namespace {
using EachPairOnceTest = StrategyTest<EachPairOnceStrategy>;
}

TEST_F(EachPairOnceTest, KeepsTheCombinationsThatBringANewPairInOdometerOrder) {
    AddField("A", {{"A1"}, {"A2"}});
    AddField("B", {{"B1"}, {"B2"}});
    AddField("C", {{"C1"}, {"C2"}});
    ASSERT_EQ(Combine(kValidMode), 1);
    // A2 B2 C2 comes last and brings no pair that an earlier one lacked.
    EXPECT_EQ(Combinations(), (Rows{{"A1", "B1", "C1"},
                                    {"A1", "B1", "C2"},
                                    {"A1", "B2", "C1"},
                                    {"A1", "B2", "C2"},
                                    {"A2", "B1", "C1"},
                                    {"A2", "B1", "C2"},
                                    {"A2", "B2", "C1"}}));
    EXPECT_EQ(UseCounts(), (std::vector<int>{4, 3, 4, 3, 4, 3}));
}

TEST_F(EachPairOnceTest, InvalidRecordsHoldExactlyOneInvalidClass) {
    AddField("A", {{"A1"}, Invalid("I1")});
    AddField("B", {{"B1"}, Invalid("J1")});
    ASSERT_EQ(Combine(kInvalidMode), 1);
    EXPECT_EQ(Combinations(), (Rows{{"A1", "J1", "!"}, {"I1", "B1", "!"}}));
}

TEST_F(EachPairOnceTest, ASingleFieldHasNoPairs) {
    AddField("A", {{"A1"}, {"A2"}});
    EXPECT_EQ(Combine(kValidMode), 1);
    EXPECT_TRUE(combinations.empty());
}

TEST_F(EachPairOnceTest, AFieldWithoutClassesFails) {
    AddField("A", {{"A1"}});
    AddField("Bare", {});
    EXPECT_EQ(Combine(kValidMode), 0);
    EXPECT_EQ(Message(), "There are no valid equivalence classes defined for field 'Bare'! [W0442]");
}

TEST_F(EachPairOnceTest, LeavesOutOnlyChoicesThatWouldNotBeKept) { ExpectReferenceCombinations(300, 6, true); }
