#include "MirvaneFixture.h"

namespace {

class ConditionParserTest : public MirvaneTest {
protected:
    void SetUp() override {
        MirvaneTest::SetUp();
        AddVariables({"a", "b", "c", "Age", "Ag#e"});
    }

    // count comparisons joined by AND: count * 4 - 1 nodes.
    static std::string ChainOfComparisons(int count) {
        std::string text = "#a# = 1";
        for (int i = 1; i < count; ++i) text += " AND #a# = 1";
        return text;
    }
};

TEST_F(ConditionParserTest, RefusesMalformedTextsWithTheirMessage) {
    const struct {
        std::string text;
        std::string message;
    } cases[] = {
        {"", "Error: Empty condition string!"},
        {"   \t\r\n", "Error: Empty condition string!"},
        {"()", "Error: Empty condition string!"},
        {"(())", "Error: Empty condition string!"},
        {"#a# = 1 AND", "Syntax Error: Missing Operand!"},
        {"AND #a# = 1", "Syntax Error: Missing Operand!"},
        {"NOT", "Syntax Error: Missing Operand!"},
        {"#a# 1", "Syntax Error: Missing Operator!"},
        {"()()", "Syntax Error: Missing Operator!"},
        {"(#a# = 1) (#b# = 2)", "Syntax Error: Missing Operator!"},
        {"(#a# = 1) NOT (#b# = 2)", "Syntax Error: Missing Operator!"},
        {"#a# = () -1", "Syntax Error: Missing Operator!"},
        {"(#a# = 1", "Syntax Error: Missing ')' Bracket!"},
        {"#a# = ()", "Syntax Error: Missing ')' Bracket!"},
        {"#a# = 1)", "Syntax Error: Missing '(' Bracket!"},
        {"#a# AND 1", "Type mismatch: Bool Operand required!"},
        {"NOT #a#", "Type mismatch: Bool Operand required!"},
        {"NOT #a# = 1", "Type mismatch: Bool Operand required!"},
        {"#a# + (#b# = 1) = 1", "Type mismatch: Numeric operand required!"},
        {"-(#a# = 1) = 1", "Type mismatch: Numeric Operand required!"},
        {"1 / 0 = 0", "Numeric Error: Division by Zero!"},
        {"#a# = 2147483648", "Numeric Error: Overflow!"},
        {"#a# = 2147483647 + 1", "Numeric Error: Overflow!"},
        {"#a# = 65536 * 65536", "Numeric Error: Overflow!"},
        {"#a# = -(2147483647) - 2 ", "Numeric Error: Overflow!"},
        {"#zz# = 1", "Variable 'zz' not existing!"},
        {"#a = 1", "Syntax Error: Variablename missing '#'!"},
        {"#a# = 1 ORDER", "Syntax Error!"},
        {"#a# = 1 AN", "Syntax Error!"},
        {"#a# ! 1", "Syntax Error!"},
        {"#a# = 1 & #b# = 1", "Syntax Error!"},
        {"#a# = 1.5", "Syntax Error!"},
    };
    for (const auto& c : cases) {
        ClearLibraryMessage();
        EXPECT_EQ(ParseCondition(c.text), nullptr) << c.text;
        EXPECT_EQ(Message(), c.message) << c.text;
    }
}

TEST_F(ConditionParserTest, GroupsAndWritesTrees) {
    const struct {
        std::string text;
        std::string written;
    } cases[] = {
        {"#a# - #b# - #c# = 0", "((#a# - (#b# - #c#)) = 0)"},
        {"#a# * #b# / #c# = 0", "((#a# * (#b# / #c#)) = 0)"},
        {"#a# - #b# + #c# = 0", "(((#a# - #b#) + #c#) = 0)"},
        {"-3 < #a#", "(-(3) < #a#)"},
        {"#a# -3 < 0", "((#a# - 3) < 0)"},
        {"(#a# + 1) - 2 = 0", "((((#a# + 1)) - 2) = 0)"},
        {"#a# = 1 or #b# = 2 and not (#c# >= 3)", "((#a# = 1) OR ((#b# = 2) AND NOT (((#c# >= 3)))))"},
        {"#a# = 1 XOR #b# = 2 OR #c# != 3", "(((#a# = 1) XOR (#b# = 2)) OR (#c# != 3))"},
        {"#AGE# > 17", "(#Age# > 17)"},
        {"#Ag\\#e# <= 2", "(#Ag#e# <= 2)"},
        {"#a#=1AND#b#=2", "((#a# = 1) AND (#b# = 2))"},
    };
    for (const auto& c : cases) {
        auto tree = ParseCondition(c.text);
        ASSERT_NE(tree, nullptr) << c.text << ": " << Message();
        EXPECT_EQ(ConditionToString(tree.get()), c.written) << c.text;
    }
}

TEST_F(ConditionParserTest, FoldsConstantSubtrees) {
    auto tree = ParseCondition("2 * 3 = 6");
    ASSERT_NE(tree, nullptr);
    EXPECT_TRUE(tree->constant);
    EXPECT_EQ(tree->type, kTypeBoolean);
    EXPECT_EQ(tree->value, 1);

    tree = ParseCondition("#a# = -7 / 2");
    ASSERT_NE(tree, nullptr);
    EXPECT_FALSE(tree->constant);
    EXPECT_EQ(tree->right->value, -3);  // truncated toward zero

    tree = ParseCondition("#a# + 1 = 2");
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->left->type, kTypeNumeric);
    EXPECT_FALSE(tree->left->constant);
}

TEST_F(ConditionParserTest, LimitsNodesAndLength) {
    const std::string ninetyNine = ChainOfComparisons(25);  // 25 * 4 - 1
    EXPECT_NE(ParseCondition(ninetyNine), nullptr) << Message();
    EXPECT_EQ(ParseCondition(ninetyNine + " AND"), nullptr);
    EXPECT_EQ(Message(), "Condition too complex!");

    std::string longest = "#a# = 1" + std::string(kMaxConditionLength - 7, ' ');
    EXPECT_NE(ParseCondition(longest), nullptr) << Message();
    EXPECT_EQ(ParseCondition(longest + " "), nullptr);
    EXPECT_EQ(Message(), "Error: Condition string is longer than 4096 characters!");

    // Characters, not bytes: 3000 two-byte letters inside a name stay within the limit.
    std::string wide = "#a# = 1 OR #";
    for (int i = 0; i < 3000; ++i) wide += "\xC3\xA4";
    EXPECT_EQ(ParseCondition(wide + "# = 1"), nullptr);
    EXPECT_EQ(Message(), "Variable '" + wide.substr(12) + "' not existing!");
}

TEST_F(ConditionParserTest, ExpandsEffectReferencesWithoutBrackets) {
    CExportQZ mirvane;
    ASSERT_EQ(mirvane.AddEffect("Adult", 0, "#a# >= 18 OR #b# = 1", "", ""), 1);
    ASSERT_EQ(mirvane.AddEffect("Both", 0, "%Adult AND #c# > 0", "", ""), 1);

    std::string expanded;
    ASSERT_TRUE(ExpandEffectReferences("%adult AND #c# > 0", expanded));
    EXPECT_EQ(expanded, "#a# >= 18 OR #b# = 1 AND #c# > 0");
    // Read as the main program reads it: AND binds tighter than OR.
    auto tree = ParseCondition(expanded);
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(ConditionToString(tree.get()), "((#a# >= 18) OR ((#b# = 1) AND (#c# > 0)))");
    ASSERT_TRUE(ExpandEffectReferences("%Both OR #c# = 5", expanded));
    EXPECT_EQ(expanded, "#a# >= 18 OR #b# = 1 AND #c# > 0 OR #c# = 5");

    // Inside hash marks or quotes, and after a backslash, a percent sign is kept.
    ASSERT_TRUE(ExpandEffectReferences("#x%Adult# \"%Adult\" \\%Adult", expanded));
    EXPECT_EQ(expanded, "#x%Adult# \"%Adult\" \\%Adult");

    EXPECT_FALSE(ExpandEffectReferences("%Unknown AND #a# = 1", expanded));
    EXPECT_EQ(Message(), "Reference to unknown effect 'Unknown'!");
    EXPECT_FALSE(ExpandEffectReferences("#a# = 5%", expanded));
    EXPECT_EQ(Message(), "Reference to unknown effect ''!");
}

}  // namespace
