// Uses libmirvane.so as the main program does: its one header and its exported classes only.
#include <gtest/gtest.h>

#include <set>

#include "combgen/Mirvane.h"

namespace {

using Names = std::vector<std::string>;

class InterfaceTest : public ::testing::Test {
protected:
    void SetUp() override { mirvane_.ClearConfiguration(); }
    void TearDown() override { mirvane_.ClearConfiguration(); }

    void AddAgeAndIncome() {
        ASSERT_EQ(mirvane_.AddVariable("age", 0, 120), 1);
        ASSERT_EQ(mirvane_.AddVariable("income", 0, 100), 1);
        ASSERT_EQ(mirvane_.AddEffectVariable("Age", "class"), 1);
        ASSERT_EQ(mirvane_.AddEffectVariable("Income", "class"), 1);
        ASSERT_EQ(mirvane_.AddEffect("A1", 1, "#age# < 18", "Age", "young"), 1);
        ASSERT_EQ(mirvane_.AddEffect("A2", 1, "#age# >= 18", "Age", "adult"), 1);
        ASSERT_EQ(mirvane_.AddEffect("I1", 1, "#income# <= 50", "Income", "low"), 1);
    }

    CExportQZ mirvane_;
};

TEST_F(InterfaceTest, AddsVariablesOnceWithOrderedBorders) {
    EXPECT_EQ(mirvane_.AddVariable("x", 5, 3), -1);
    EXPECT_EQ(mirvane_.GetErrorMessage(), "Lower border must not be larger than upper border!");
    EXPECT_EQ(mirvane_.AddVariable("x", 3, 3), 1);  // nothing was added by the failure
    EXPECT_EQ(mirvane_.AddVariable("Size", -5, 5), 1);
    EXPECT_EQ(mirvane_.AddVariable("SIZE", 0, 1), -1);
    EXPECT_EQ(mirvane_.GetErrorMessage(), "Variable SIZE already existing!");
    EXPECT_EQ(mirvane_.AddVariable("\xC3\xA4rger", 0, 1), 1);
    EXPECT_EQ(mirvane_.AddVariable("\xC3\x84RGER", 0, 1), -1);  // case ignored beyond ASCII

    EXPECT_EQ(mirvane_.AddEffectVariable("Size", ""), 1);
    EXPECT_EQ(mirvane_.AddEffectVariable("size", ""), -1);
    EXPECT_EQ(mirvane_.GetErrorMessage(), "Effect variable size already existing!");

    EXPECT_EQ(mirvane_.AddEffect("Big", 1, "#size# > 2", "Size", "b"), 1);
    EXPECT_EQ(mirvane_.AddEffect("BIG", 1, "#size# > 3", "Size", "b"), -1);
    EXPECT_EQ(mirvane_.GetErrorMessage(), "Effect BIG already existing!");
}

TEST_F(InterfaceTest, AddEffectChecksTheEffectVariableFirstAndReturnsTheNormalisedCondition) {
    ASSERT_EQ(mirvane_.AddVariable("A", 0, 9), 1);
    ASSERT_EQ(mirvane_.AddVariable("B", 0, 9), 1);
    EXPECT_EQ(mirvane_.AddEffect("E", 1, "#A# <= 3", "V", "v"), -1);
    EXPECT_EQ(mirvane_.GetErrorMessage(), "Effect variable V is not existing!");
    EXPECT_EQ(mirvane_.AddEffect("E", 1, "not even parsed (", "V", "v"), -1);
    EXPECT_EQ(mirvane_.GetErrorMessage(), "Effect variable V is not existing!");

    EXPECT_EQ(mirvane_.AddEffect("E", 1, "#A# <= 3", "", ""), 1);
    EXPECT_EQ(mirvane_.GetErrorMessage(), "(#A# <= 3)");
    EXPECT_EQ(mirvane_.AddEffect("F", 0, "#A# < 3 OR #B# = 2", "", ""), 1);
    EXPECT_EQ(mirvane_.GetErrorMessage(), "((#A# <= (3 - 1)) OR (#B# = 2))");

    EXPECT_EQ(mirvane_.AddEffect("G", 0, "#A# = 1 AND", "", ""), -1);
    EXPECT_EQ(mirvane_.GetErrorMessage(), "Syntax Error: Missing Operand!");
    EXPECT_EQ(mirvane_.AddEffect("G", 0, "%E AND #B# > 1", "", ""), 1);  // the failure left no G behind
}

TEST_F(InterfaceTest, CutsMessagesToTheBuffer) {
    const std::string longName(20000, 'n');
    ASSERT_EQ(mirvane_.AddVariable(longName, 0, 1), 1);
    EXPECT_EQ(mirvane_.AddVariable(longName, 0, 1), -1);
    EXPECT_EQ(mirvane_.GetErrorMessage(), "Variable " + std::string(9990, 'n'));
}

TEST_F(InterfaceTest, GeneratesValidCombinationsInEnumerationOrder) {
    AddAgeAndIncome();
    QZResultList results;
    ASSERT_EQ(mirvane_.GenerateEffectCombinations(1, 0, &results), 1) << mirvane_.GetErrorMessage();
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[0]->EffectNames(), (Names{"A1", "I1"}));
    EXPECT_EQ(results[1]->EffectNames(), (Names{"A2", "I1"}));
    for (const auto& result : results) {
        EXPECT_EQ(result->GetValid(), 1);
        ASSERT_FALSE(result->Solutions().empty());
        const bool young = result->EffectNames()[0] == "A1";
        for (const QZSolutionMap& solution : result->Solutions()) {
            EXPECT_EQ(solution.at("age") < 18, young);
            EXPECT_LE(solution.at("income"), 50);
        }
    }
}

TEST_F(InterfaceTest, InvalidCombinationsHoldOneInvalidEffectAndExcludeTheOthers) {
    AddAgeAndIncome();
    ASSERT_EQ(mirvane_.AddEffect("X1", 0, "#income# > 90", "", ""), 1);
    ASSERT_EQ(mirvane_.AddEffect("X2", 0, "#age# > 100", "", ""), 1);
    QZResultList results;
    ASSERT_EQ(mirvane_.GenerateEffectCombinations(1, 1, &results), 1) << mirvane_.GetErrorMessage();
    std::vector<Names> names;
    for (const auto& result : results) names.push_back(result->EffectNames());
    // X1 shares income with I1, and X2 age with A1: from there on the valid effects go.
    const std::vector<Names> expected = {{"A1", "I1"}, {"A2", "I1"}, {"X1", "A1"}, {"X2"}};
    EXPECT_EQ(names, expected);
    for (const auto& result : results) {
        EXPECT_EQ(result->GetValid(), result->EffectNames()[0][0] == 'A' ? 1 : 0);
        for (const QZSolutionMap& solution : result->Solutions()) {
            const bool x1 = solution.at("income") > 90, x2 = solution.at("age") > 100;
            EXPECT_EQ(x1, result->EffectNames()[0] == "X1");
            EXPECT_EQ(x2, result->EffectNames()[0] == "X2");
        }
    }
}

TEST_F(InterfaceTest, JoinedTextsKeepTheirOwnGrouping) {
    ASSERT_EQ(mirvane_.AddVariable("x", 0, 5), 1);
    ASSERT_EQ(mirvane_.AddVariable("y", 0, 5), 1);
    ASSERT_EQ(mirvane_.AddEffectVariable("A", ""), 1);
    ASSERT_EQ(mirvane_.AddEffectVariable("I", ""), 1);
    ASSERT_EQ(mirvane_.AddEffect("A1", 1, "#x# = 1 OR #x# = 2", "A", ""), 1);
    ASSERT_EQ(mirvane_.AddEffect("I1", 1, "#y# = 3", "I", ""), 1);
    QZResultList results;
    ASSERT_EQ(mirvane_.GenerateEffectCombinations(1, 0, &results), 1) << mirvane_.GetErrorMessage();
    ASSERT_EQ(results.size(), 1u);
    ASSERT_FALSE(results[0]->Solutions().empty());
    for (const QZSolutionMap& solution : results[0]->Solutions()) {
        EXPECT_EQ(solution.at("y"), 3);
        EXPECT_TRUE(solution.at("x") == 1 || solution.at("x") == 2);
    }
}

TEST_F(InterfaceTest, CombinesEffectsWhoseJoinedNormalFormWouldBeTooLarge) {
    // Each effect alone has 16 conjunctions; joined they would have 4,096, of which 8 have a solution.
    const Names names = {"a", "b", "c"};
    for (const std::string& name : names) {
        ASSERT_EQ(mirvane_.AddVariable(name, 0, 30), 1);
        ASSERT_EQ(mirvane_.AddEffectVariable(name, ""), 1);
        const std::string v = "#" + name + "#";
        const std::string condition = v + " != 1 AND " + v + " != 2 AND " + v + " != 3 AND " + v + " != 4";
        ASSERT_EQ(mirvane_.AddEffect("Not" + name, 1, condition, name, ""), 1) << mirvane_.GetErrorMessage();
    }
    QZResultList results;
    ASSERT_EQ(mirvane_.GenerateEffectCombinations(1, 0, &results), 1) << mirvane_.GetErrorMessage();
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0]->EffectNames(), (Names{"Nota", "Notb", "Notc"}));
    for (const std::string& name : names) {
        std::set<int> values;
        for (const QZSolutionMap& solution : results[0]->Solutions()) values.insert(solution.at(name));
        // the boundaries of both parts, x <= 0 and x >= 5, and nothing between
        EXPECT_TRUE(values.count(0) && values.count(5) && values.count(30)) << name;
        EXPECT_EQ(values.lower_bound(1), values.lower_bound(5)) << name;
    }
}

TEST_F(InterfaceTest, GenerationFailuresLeaveTheirMessage) {
    QZResultList results;
    results.push_back(std::make_unique<CResultQZ>(1));
    EXPECT_EQ(mirvane_.GenerateEffectCombinations(0, 0, &results), -1);
    EXPECT_TRUE(results.empty());
    EXPECT_EQ(mirvane_.GetErrorMessage(), "Please specify if you wish valid or/and invalid effect combinations!");
    EXPECT_EQ(mirvane_.GenerateEffectCombinations(1, 0, nullptr), -1);
    EXPECT_EQ(mirvane_.GetErrorMessage(), "Parameter 'resultList' must be a valid pointer!");

    EXPECT_EQ(mirvane_.GenerateEffectCombinations(1, 0, &results), 1);  // nothing configured
    EXPECT_TRUE(results.empty());

    // The invalid run fails; the valid records stay.
    AddAgeAndIncome();
    EXPECT_EQ(mirvane_.GenerateEffectCombinations(1, 1, &results), -1);
    EXPECT_EQ(mirvane_.GetErrorMessage(),
              "It is impossible to generate invalid combinations because no invalid effects are defined!");
    EXPECT_EQ(results.size(), 2u);

    ASSERT_EQ(mirvane_.AddEffect("E", 1, "#age# = 1", "", ""), 1);
    EXPECT_EQ(mirvane_.GenerateEffectCombinations(1, 0, &results), -1);
    EXPECT_EQ(mirvane_.GetErrorMessage(), "Valid effect 'E' does not have a variable!");
    EXPECT_TRUE(results.empty());
}

TEST_F(InterfaceTest, BoundaryValuesOfOneEffect) {
    ASSERT_EQ(mirvane_.AddVariable("x", -10, 10), 1);
    ASSERT_EQ(mirvane_.AddEffect("Low", 0, "#x# <= 4", "", ""), 1);
    QZSolutionList maps = {{{"x", 4}}};
    ASSERT_EQ(mirvane_.GenerateBoundaryValues("LOW", &maps), 1);
    EXPECT_EQ(maps, (QZSolutionList{{{"x", 4}}, {{"x", -10}}}));  // the caller's map counts

    EXPECT_EQ(mirvane_.GenerateBoundaryValues("High", &maps), -1);
    EXPECT_EQ(mirvane_.GetErrorMessage(), "Effect High not existing!");
    EXPECT_EQ(mirvane_.GenerateBoundaryValues("Low", nullptr), -1);
    EXPECT_EQ(mirvane_.GetErrorMessage(), "Parameter 'mapList' must be a valid pointer to 'CMapStringToPtr'!");
}

}  // namespace
