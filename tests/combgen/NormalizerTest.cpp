#include "MirvaneFixture.h"

#include "combgen/BoundaryValues.h"

namespace {

class NormalizerTest : public MirvaneTest {
protected:
    void SetUp() override {
        MirvaneTest::SetUp();
        AddVariables({"a", "b", "c"});
    }

    static LinearForm Form(std::map<std::string, int> coefficients, int constant) {
        return LinearForm{std::move(coefficients), constant};
    }
};

TEST_F(NormalizerTest, GivesEachComparisonItsLinearForm) {
    const struct {
        std::string text;
        LinearForm form;
        int kind;
    } cases[] = {
        {"#a# < 5", Form({{"a", 1}}, 4), kLessEqual},
        {"#a# > 5", Form({{"a", -1}}, -6), kLessEqual},
        {"#a# >= 5", Form({{"a", -1}}, -5), kLessEqual},
        {"2 * #a# + 3 <= #b#", Form({{"a", 2}, {"b", -1}}, -3), kLessEqual},
        {"#a# - #b# - #c# = 0", Form({{"a", 1}, {"b", -1}, {"c", 1}}, 0), kEqual},
        {"(#a# + 2) * 3 = 9", Form({{"a", 3}}, 3), kEqual},
        {"3 * (2 - #a#) = #b#", Form({{"a", -3}, {"b", -1}}, -6), kEqual},
        {"(6 * #a# - 3) / 3 = #b#", Form({{"a", 2}, {"b", -1}}, 1), kEqual},
        {"#a# = 7 / 2", Form({{"a", 1}}, 3), kEqual},
        {"-#a# = #b# * -2", Form({{"a", -1}, {"b", 2}}, 0), kEqual},
    };
    for (const auto& c : cases) {
        auto tree = Normalized(c.text);
        ASSERT_NE(tree, nullptr) << c.text << ": " << Message();
        EXPECT_EQ(tree->kind, c.kind) << c.text;
        EXPECT_EQ(tree->linearForm, c.form) << c.text;
    }
}

TEST_F(NormalizerTest, RefusesWhatIsNotLinear) {
    const struct {
        std::string text;
        std::string message;
    } cases[] = {
        {"#a# * #b# = 4", "An expression where 2 variables are multiplied is not allowed!"},
        {"(#a# + 1) * (#b# - #b#) = 4", "An expression where 2 variables are multiplied is not allowed!"},
        {"10 / #a# = 2", "An expression where a value is divided by a variable is not allowed!"},
        {"#a# / 0 = 1", "Division by zero error!"},
        {"#a# / (1 - 1) = 1", "Division by zero error!"},
        {"#a# / 2 = 1", "An expression where a variable coefficient cannot be divided exactly is not allowed!"},
        {"4 * #a# / 2 = 6", "An expression where a variable coefficient cannot be divided exactly is not allowed!"},
        {"#a# - #a# = 0", "At least 1 variable in each comparision must have a coefficient != 0!"},
        {"1 = 1", "At least 1 variable in each comparision must have a coefficient != 0!"},
        {"#a# = 1 OR 2 > 1", "At least 1 variable in each comparision must have a coefficient != 0!"},
        {"#a# * 2147483647 + #a# = 0", "Numeric Error: Overflow!"},
        {"#a# + 2147483647 < -1", "Numeric Error: Overflow!"},
        {"-(#a# * -2147483647 - #a#) = 0", "Numeric Error: Overflow!"},
    };
    for (const auto& c : cases) {
        ClearLibraryMessage();
        EXPECT_EQ(Normalized(c.text), nullptr) << c.text;
        EXPECT_EQ(Message(), c.message) << c.text;
    }
}

TEST_F(NormalizerTest, RewritesIntoDisjunctionsOfConjunctions) {
    const struct {
        std::string text;
        std::string written;
    } cases[] = {
        {"#a# < 3 OR #b# = 2", "((#a# <= (3 - 1)) OR (#b# = 2))"},
        {"NOT NOT (#a# <= 1)", "(#a# <= 1)"},
        {"NOT (#a# > 1 AND #b# = 2)", "((#a# <= 1) OR ((#b# <= (2 - 1)) OR (-(#b#) <= (-(2) - 1))))"},
        {"(#a# = 1 OR #a# = 2) AND #b# = 3", "(((#a# = 1) AND (#b# = 3)) OR ((#a# = 2) AND (#b# = 3)))"},
        {"#c# = 3 AND (#a# = 1 OR #a# = 2)", "(((#c# = 3) AND (#a# = 1)) OR ((#c# = 3) AND (#a# = 2)))"},
        {"#a# != 1 AND #b# = 0",
         "(((#a# <= (1 - 1)) AND (#b# = 0)) OR ((-(#a#) <= (-(1) - 1)) AND (#b# = 0)))"},
        // XOR is spelt out, so it can be negated and distributed like the other operators.
        {"#a# = 1 XOR #b# = 2",
         "((((#a# = 1) AND (#b# <= (2 - 1))) OR ((#a# = 1) AND (-(#b#) <= (-(2) - 1)))) OR "
         "(((#a# <= (1 - 1)) AND (#b# = 2)) OR ((-(#a#) <= (-(1) - 1)) AND (#b# = 2))))"},
    };
    for (const auto& c : cases) {
        auto tree = Normalized(c.text);
        ASSERT_NE(tree, nullptr) << c.text << ": " << Message();
        EXPECT_EQ(ConditionToString(tree.get()), c.written) << c.text;
    }
}

TEST_F(NormalizerTest, KeepsTheNormalFormBelowItsBudget) {
    // 25 inequalities make 2^25 conjunctions: refused instead of exhausting memory.
    std::string text = "#a# != 0";
    for (int i = 1; i < 25; ++i) text += " AND #a# != " + std::to_string(i);
    EXPECT_EQ(Normalized(text), nullptr);
    EXPECT_EQ(Message(), "Condition too complex!");

    std::string xors = "#a# = 0";
    for (int i = 1; i < 25; ++i) xors += " XOR #a# = " + std::to_string(i);
    EXPECT_EQ(Normalized(xors), nullptr);
    EXPECT_EQ(Message(), "Condition too complex!");
}

}  // namespace
