#include <gtest/gtest.h>

#include "generation/DataGenSettings.h"
#include "generation/EqClassRecords.h"
#include "tests/generation/StrategyFixture.h"

namespace {

class EqClassRecordsTest : public DataSetTest {
protected:
    // Combines by the strategy and makes the records the way the values setting asks for.
    void Generate(int mode, int strategy, int values) {
        const DataGenSettings settings{true, true, strategy, kEqClassMethod, values};
        BuildHelpValues(dataSet, values);
        EqCombinationList combinations;
        ASSERT_EQ(MakeEqCombinationStrategy(strategy)->Combine(dataSet, mode, combinations, nullptr), 1)
            << GetGlobalMessageBuffer();
        if (values == kOneRepresentative) {
            MakeRecordsOneValue(dataSet, combinations, values);
        } else {
            MakeRecordsCovering(dataSet, combinations, mode, settings);
        }
    }
};

}  // namespace

TEST_F(EqClassRecordsTest, OneValueRecordsAreNamedPerKindAndKeepTheCombinationsValidity) {
    AddField("F1", {{"V1"}, Invalid("I1"), Invalid("I2")});
    AddField("F2", {{"W1"}, {"W2"}});
    Generate(kInvalidMode, kEachClassOnce, kOneRepresentative);
    Generate(kValidMode, kEachClassOnce, kOneRepresentative);
    EXPECT_EQ(AllValues(), (Rows{{"I1", "W1"}, {"I2", "W2"}, {"V1", "W1"}, {"V1", "W2"}}));
    EXPECT_EQ(Names(), (Texts{"I1", "I2", "V1", "V2"}));
    for (const CDataRecord* record : dataSet.GetRecords()) {
        EXPECT_EQ(record->IsValid(), record->GetName()[0] == 'V');
        EXPECT_EQ(record->GetOrigin(), kOriginEqClassMethod);
    }
}

TEST_F(EqClassRecordsTest, EveryValueOfAClassInOneCombinationGetsARecord) {
    AddField("Text", {{"Word", true, {"a", "b"}, "1", "9"}});
    AddField("Other", {{"X", true, {"x"}}});
    Generate(kValidMode, kEachClassOnce, kAllSpecifiedValues);
    EXPECT_EQ(AllValues(), (Rows{{"a", "x"}, {"1", "x"}, {"9", "x"}, {"b", "x"}}));
    EXPECT_EQ(Names(), (Texts{"V1", "V2", "V3", "V4"}));
}

TEST_F(EqClassRecordsTest, RepeatedCombinationsCoverTheBoundariesOfEveryClass) {
    AddField("Amount",
             {{"Low", true, {"5"}, "1", "9"}, {"High", true, {"50"}, "10", "99"}, {"Bad", false, {"-1"}, "-9", "0"}});
    AddField("Kind", {{"K"}});
    Generate(kValidMode, kAllCombinations, kBoundaryValues);
    EXPECT_EQ(AllValues(), (Rows{{"1", "K"}, {"10", "K"}, {"9", "K"}, {"99", "K"}}));
    Generate(kInvalidMode, kAllCombinations, kBoundaryValues);
    EXPECT_EQ(AllValues().size(), 6u);
    EXPECT_EQ(Values(*dataSet.GetRecords()[4]), (Texts{"-9", "K"}));
    EXPECT_EQ(Values(*dataSet.GetRecords()[5]), (Texts{"0", "K"}));
}

TEST_F(EqClassRecordsTest, PassesEndWhenNoCombinationCanCoverTheMode) {
    AddField("Single", {{"Low", true, {}, "1", "9"}});
    Generate(kValidMode, kEachPairOnce, kBoundaryValues);  // no pairs: no combination at all
    EXPECT_TRUE(dataSet.GetRecords().empty());
}
