#include "MirvaneFixture.h"

#include "combgen/BoundaryValues.h"

#include <set>

namespace {

class BoundaryValuesTest : public MirvaneTest {
protected:
    // The boundary values of the condition, or the message on failure.
    static QZSolutionList Solve(const std::string& text) {
        auto tree = Normalized(text);
        EXPECT_NE(tree, nullptr) << text << ": " << Message();
        QZSolutionList solutions;
        EXPECT_TRUE(tree && SolveConditionTree(tree.get(), &solutions)) << text << ": " << Message();
        return solutions;
    }

    static QZSolutionList OnlyX(std::initializer_list<int> values) {
        QZSolutionList solutions;
        for (int value : values) solutions.push_back({{"x", value}});
        return solutions;
    }
};

TEST_F(BoundaryValuesTest, MinimiseAndMaximiseEachVariablePerConjunction) {
    const struct {
        int lower, upper;
        std::string condition;
        QZSolutionList expected;
    } cases[] = {
        {0, 10, "#x# <= 4", OnlyX({0, 4})},
        {0, 10, "#x# <= 2 OR #x# >= 8", OnlyX({0, 2, 8, 10})},
        {0, 10, "#x# >= 20", {}},
        {-10, 10, "#x# <= 4", OnlyX({-10, 4})},
        {-10, 10, "#x# != 0", OnlyX({-10, -1, 1, 10})},
        {-10, -5, "#x# * 3 >= -20", OnlyX({-6, -5})},
        {5, 5, "#x# = 5", OnlyX({5})},
    };
    for (const auto& c : cases) {
        Reset();
        AddVariables({"x"}, c.lower, c.upper);
        EXPECT_EQ(Solve(c.condition), c.expected) << c.condition << " in " << c.lower << ".." << c.upper;
    }
}

TEST_F(BoundaryValuesTest, AssignsEveryVariableAndKeepsEqualMapsOnce) {
    AddVariables({"x", "y"}, 0, 5);
    const QZSolutionList expected = {{{"x", 0}, {"y", 0}}, {{"x", 5}, {"y", 5}}};
    EXPECT_EQ(Solve("#x# = #y#"), expected);

    // A variable that the condition does not name is still assigned, within its borders.
    AddVariables({"z"}, -3, 3);
    const QZSolutionList solutions = Solve("#x# = #y#");
    std::set<int> zs;
    for (const auto& s : solutions) {
        ASSERT_EQ(s.size(), 3u);
        EXPECT_EQ(s.at("x"), s.at("y"));
        zs.insert(s.at("z"));
    }
    EXPECT_TRUE(zs.count(-3) && zs.count(3));
}

TEST_F(BoundaryValuesTest, XorHoldsForExactlyOneSide) {
    AddVariables({"x", "y"}, 0, 2);
    for (const std::string condition : {"#x# = 1 XOR #y# = 1", "#x# >= 0 AND (#x# = 1 XOR #y# = 1)"}) {
        const QZSolutionList solutions = Solve(condition);
        EXPECT_FALSE(solutions.empty()) << condition;
        for (const auto& s : solutions) EXPECT_NE(s.at("x") == 1, s.at("y") == 1) << condition;
    }
    for (const auto& s : Solve("NOT (#x# = 1 XOR #y# = 1)")) EXPECT_EQ(s.at("x") == 1, s.at("y") == 1);
}

TEST_F(BoundaryValuesTest, ReportsWhatTheSolverCannotTake) {
    AddVariables({"x"});
    auto tree = Normalized("#x# = 1");
    ASSERT_NE(tree, nullptr);
    GetConfiguration().variables.clear();
    QZSolutionList solutions;
    EXPECT_FALSE(SolveConditionTree(tree.get(), &solutions));
    EXPECT_EQ(Message(), "No variables defined when calling SolveLP!");

    EXPECT_FALSE(SolveConditionTree(nullptr, &solutions));
    EXPECT_EQ(Message(), "No constraints defined!");
    EXPECT_FALSE(SolveConditionTree(tree.get(), nullptr));
    EXPECT_EQ(Message(), "Parameter 'mapList' must be a valid pointer to 'CMapStringToPtr'!");

    tree->kind = kPlus;
    EXPECT_FALSE(SolveConditionTree(tree.get(), &solutions));
    EXPECT_EQ(Message(), "Condition structure corrupted!");
}

TEST_F(BoundaryValuesTest, NeverPassesOffASolutionThatBreaksARow) {
    // lp_solve reports an optimum with fractional integer columns for this system.
    AddVariables({"x", "y", "z"}, -1000000, 1000000);
    auto tree = Normalized("(-255 * #x#) + (772 * #y#) + (-988 * #z#) = 301366 AND "
                           "(18 * #x#) + (306 * #y#) + (562 * #z#) <= -155804");
    ASSERT_NE(tree, nullptr) << Message();
    QZSolutionList solutions;
    if (!SolveConditionTree(tree.get(), &solutions)) {
        EXPECT_EQ(Message(), "Call to linear program solver failed!");
        return;
    }
    for (const auto& s : solutions) {
        const long long x = s.at("x"), y = s.at("y"), z = s.at("z");
        EXPECT_EQ(-255 * x + 772 * y - 988 * z, 301366);
        EXPECT_LE(18 * x + 306 * y + 562 * z, -155804);
    }
}

TEST_F(BoundaryValuesTest, AddsOnlyMapsThatDiffer) {
    QZSolutionList solutions = {{{"x", 1}, {"y", 2}}};
    EXPECT_EQ(AddUniqueSolution({{"x", 1}, {"y", 2}}, solutions), AddResult::Duplicate);
    EXPECT_EQ(AddUniqueSolution({{"x", 1}, {"y", 3}}, solutions), AddResult::Added);
    EXPECT_EQ(solutions.size(), 2u);

    EXPECT_EQ(AddUniqueSolution({{"x", 1}}, solutions), AddResult::Failed);
    EXPECT_EQ(Message(), "Variable y missing in map!");

    QZSolutionList withEmpty = {{}};
    EXPECT_EQ(AddUniqueSolution({{"x", 5}}, withEmpty), AddResult::Duplicate);
}

}  // namespace
