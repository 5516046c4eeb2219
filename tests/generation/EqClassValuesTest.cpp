#include <gtest/gtest.h>

#include "generation/DataGenSettings.h"
#include "generation/EqClassValues.h"
#include "tests/generation/DataSetFixture.h"

namespace {

class EqClassValuesTest : public DataSetTest {
protected:
    Texts HelpValues(const CDataEqClass& eqClass) const {
        Texts texts;
        for (const CDataHelpValue* value : eqClass.GetHelpValues()) texts.push_back(value->GetValue());
        return texts;
    }
    std::vector<int> UseCounts(const CDataEqClass& eqClass) const {
        std::vector<int> counts;
        for (const CDataHelpValue* value : eqClass.GetHelpValues()) counts.push_back(value->GetUseCount());
        return counts;
    }
};

}  // namespace

TEST_F(EqClassValuesTest, HelpValuesFollowTheValuesSetting) {
    AddField("F", {{"Both", true, {"a", "b"}, "1", "9"},
                   {"Borders", true, {}, "1", "9"},
                   {"Plain", true, {"a", "b"}},
                   {"Lower", false, {"a", "b"}, "1"},
                   {"Empty", true, {}}});
    struct Case {
        int setting;
        std::vector<Texts> expected;  // by class
    };
    const Case cases[] = {
        {kOneRepresentative, {{"a"}, {"1", "9"}, {"a"}, {"a"}, {}}},
        {kBoundaryValues, {{"1", "9"}, {"1", "9"}, {"a"}, {"1"}, {}}},
        {kAllSpecifiedValues, {{"a", "1", "9", "b"}, {"1", "9"}, {"a", "b"}, {"a", "1", "b"}, {}}},
    };
    for (const Case& c : cases) {
        BuildHelpValues(dataSet, c.setting);  // replaces what the case before built
        for (std::size_t i = 0; i < c.expected.size(); ++i) {
            EXPECT_EQ(HelpValues(*Class(0, i)), c.expected[i]) << "setting " << c.setting << ", class " << i;
            EXPECT_EQ(UseCounts(*Class(0, i)), std::vector<int>(c.expected[i].size(), 0));
        }
    }
}

TEST_F(EqClassValuesTest, TakesTheLeastUsedValueAndThenRaisesEveryValueOfTheSameText) {
    AddField("F", {{"All", true, {"a", "b"}, "1", "9"}, {"Point", true, {}, "5", "5"}});
    BuildHelpValues(dataSet, kAllSpecifiedValues);
    CDataEqClass& all = *Class(0, 0);
    Texts taken;
    for (int i = 0; i < 6; ++i) taken.push_back(TakeClassValue(all, kAllSpecifiedValues));
    EXPECT_EQ(taken, (Texts{"a", "1", "9", "b", "a", "1"}));
    EXPECT_EQ(UseCounts(all), (std::vector<int>{2, 2, 1, 1}));

    // Two help values of one text: each is used once first, then both count together.
    CDataEqClass& point = *Class(0, 1);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(TakeClassValue(point, kAllSpecifiedValues), "5");
    EXPECT_EQ(UseCounts(point), (std::vector<int>{2, 2}));
}

TEST_F(EqClassValuesTest, AClassWithoutHelpValuesGivesItsLastRepresentativeOnlyForBoundaryValues) {
    AddField("F", {{"C", true, {"a", "z"}}});
    EXPECT_EQ(TakeClassValue(*Class(0, 0), kBoundaryValues), "z");
    EXPECT_EQ(TakeClassValue(*Class(0, 0), kOneRepresentative), "");
}
