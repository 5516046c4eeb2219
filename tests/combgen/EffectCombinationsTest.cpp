#include "MirvaneFixture.h"

#include "combgen/EffectCombinations.h"

namespace {

using Names = std::vector<std::string>;

Names EffectNames(const CEffectCombination& combination) {
    Names names;
    for (const CEffect* effect : combination.effects) names.push_back(effect->name);
    return names;
}

std::vector<Names> EffectNames(const CombinationList& combinations) {
    std::vector<Names> names;
    for (const auto& combination : combinations) names.push_back(EffectNames(*combination));
    return names;
}

class EffectCombinationsTest : public MirvaneTest {
protected:
    void SetUp() override {
        MirvaneTest::SetUp();
        AddVariables({"age", "income", "debt"}, 0, 100);
        ASSERT_EQ(mirvane_.AddEffectVariable("Age", "class"), 1);
        ASSERT_EQ(mirvane_.AddEffectVariable("Income", "class"), 1);
    }

    void Add(const std::string& name, int valid, const std::string& condition, const std::string& variable) {
        ASSERT_EQ(mirvane_.AddEffect(name, valid, condition, variable, ""), 1) << name << ": " << Message();
    }

    void AddAgeAndIncome() {
        Add("A1", 1, "#age# < 18", "Age");
        Add("A2", 1, "#age# >= 18", "Age");
        Add("I1", 1, "#income# <= 50", "Income");
    }

    CExportQZ mirvane_;
};

TEST_F(EffectCombinationsTest, EnumeratesOneEffectPerVariableLastFastest) {
    AddAgeAndIncome();
    Add("X1", 0, "#debt# > 90", "");
    Add("X2", 0, "#debt# < 0 - 5", "");
    CombinationList candidates;
    ASSERT_TRUE(BuildCandidates(CombinationMode::Valid, candidates));
    EXPECT_EQ(EffectNames(candidates), (std::vector<Names>{{"A1", "I1"}, {"A2", "I1"}}));
    EXPECT_EQ(candidates[0]->valid, 1);

    ASSERT_TRUE(BuildCandidates(CombinationMode::Invalid, candidates));
    const std::vector<Names> expected = {
        {"X1", "A1", "I1"}, {"X1", "A2", "I1"}, {"X2", "A1", "I1"}, {"X2", "A2", "I1"}};
    EXPECT_EQ(EffectNames(candidates), expected);
    EXPECT_EQ(candidates[0]->valid, 0);
}

TEST_F(EffectCombinationsTest, DropsValidEffectsFromTheFirstThatSharesAVariableWithTheInvalidOne) {
    ASSERT_EQ(mirvane_.AddEffectVariable("Debt", "class"), 1);
    Add("A1", 1, "#age# < 18", "Age");
    Add("I1", 1, "#income# <= 50 AND #age# > 3", "Income");
    Add("D1", 1, "#debt# = 0", "Debt");
    Add("X1", 0, "#age# > 120 OR #age# < 0", "");
    CombinationList candidates;
    ASSERT_TRUE(BuildCandidates(CombinationMode::Invalid, candidates));
    // D1 does not name age, but goes with the effects before it.
    EXPECT_EQ(EffectNames(candidates), (std::vector<Names>{{"X1"}}));
}

TEST_F(EffectCombinationsTest, JoinsBracketedTextsAndExcludesTheOtherInvalidEffects) {
    Add("A1", 1, "#age# = 1 OR #age# = 2", "Age");
    Add("I1", 1, "#income# = 3", "Income");
    Add("X1", 0, "#debt# > 90", "");
    Add("X2", 0, "#debt# < 5", "");
    CombinationList candidates;
    ASSERT_TRUE(BuildCandidates(CombinationMode::Invalid, candidates));
    EXPECT_EQ(CombinedCondition(*candidates[0]), "((#debt# > 90) AND (#age# = 1 OR #age# = 2) AND (#income# = 3)) AND NOT(#debt# < 5)");
    ASSERT_TRUE(BuildCandidates(CombinationMode::Valid, candidates));
    EXPECT_EQ(CombinedCondition(*candidates[0]),
              "((#age# = 1 OR #age# = 2) AND (#income# = 3)) AND NOT(#debt# > 90) AND NOT(#debt# < 5)");
}

TEST_F(EffectCombinationsTest, KeepsTheCandidateThatCoversMostAndDropsThoseWithoutSolution) {
    Add("A1", 1, "#age# < 18", "Age");
    Add("A2", 1, "#age# >= 18", "Age");
    Add("I1", 1, "#income# > 200", "Income");  // beyond the border: never solvable
    Add("I2", 1, "#income# <= 50", "Income");
    CombinationList kept;
    ASSERT_TRUE(SelectCombinations(CombinationMode::Valid, kept)) << Message();
    EXPECT_EQ(EffectNames(kept), (std::vector<Names>{{"A1", "I2"}, {"A2", "I2"}}));
    for (const auto& combination : kept) EXPECT_FALSE(combination->solutions.empty());
    EXPECT_EQ(FindEffect("I1")->coverageCount, 0);
    EXPECT_EQ(FindEffect("I2")->coverageCount, 2);
}

TEST_F(EffectCombinationsTest, RefusesEffectsInTheWrongList) {
    Add("E", 1, "#age# = 1", "");
    CombinationList kept;
    EXPECT_FALSE(SelectCombinations(CombinationMode::Valid, kept));
    EXPECT_EQ(Message(), "Valid effect 'E' does not have a variable!");

    Reset();
    AddVariables({"age"});
    ASSERT_EQ(mirvane_.AddEffectVariable("Age", ""), 1);
    Add("X", 0, "#age# = 1", "Age");
    EXPECT_FALSE(SelectCombinations(CombinationMode::Invalid, kept));
    EXPECT_EQ(Message(), "Invalid effect 'X' does have a variable!");
}

TEST_F(EffectCombinationsTest, RemovesMapsWhoseEveryValueRepeatsElsewhere) {
    const struct {
        QZSolutionList solutions;
        QZSolutionList expected;
    } cases[] = {
        {{{{"x", 1}, {"y", 2}}, {{"x", 1}, {"y", 2}}}, {{{"x", 1}, {"y", 2}}}},
        {{{{"x", 1}, {"y", 5}}, {{"x", 3}, {"y", 2}}, {{"x", 1}, {"y", 2}}}, {{{"x", 1}, {"y", 5}}, {{"x", 3}, {"y", 2}}}},
        {{{}, {{"x", 1}}}, {{{"x", 1}}}},
        {{{{"x", 1}}, {{"x", 2}}}, {{{"x", 1}}, {{"x", 2}}}},
    };
    for (auto c : cases) {
        RemoveDuplicateSolutions(c.solutions);
        EXPECT_EQ(c.solutions, c.expected);
    }
}

}  // namespace
