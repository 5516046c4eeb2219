#include <gtest/gtest.h>

#include "conditions/ConditionParser.h"
#include "conditions/ValueTypes.h"
#include "tests/conditions/ConditionOutcome.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/WindowBuilder.h"

namespace {

// Global attributes N (number), S (string), B (truth value) and D1, D2 (dates) to name.
class ConditionParserTest : public ProjectTest {
protected:
    void SetUp() override {
        Attribute("N", kTypeNum, "4");
        Attribute("S", kTypeString, "s");
        Attribute("B", kTypeBool, "TRUE");
        Attribute("D1", kTypeDate, "02.01.2020");
        Attribute("D2", kTypeDate, "01.01.2020");
    }
    void Attribute(const std::string& name, int type, const std::string& value) {
        CAttributeKav* attribute = project.AddAttribute(name);
        attribute->SetType(type);
        attribute->SetValue(value);
    }
    static std::string Message(const std::string& text) {
        ClearGlobalMessage();
        EXPECT_EQ(ParseCondition(InitConditionContext(), text), nullptr) << text;
        return GetGlobalMessageBuffer();
    }
    static std::string ShapeOf(const std::string& text) {
        auto tree = ParseCondition(InitConditionContext(), text);
        return tree ? Shape(tree.get()) : GetGlobalMessageBuffer();
    }
};

TEST_F(ConditionParserTest, RefusesMalformedTexts) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "Error: Empty condition string! [W0087]"},
        {" \t\r\n ", "Error: Empty condition string! [W0114]"},
        {"(#:N# = 1", "Syntax Error: Missing ')' Bracket! [W0115]"},
        {"#:N# = 1)", "Syntax Error: Missing '(' Bracket! [W0112]"},
        {")(", "Syntax Error: Missing '(' Bracket! [W0112]"},
        {"()", "Syntax Error: Missing ')' Bracket! [W0116]"},
        {"1.2.2020", "Syntax Error! [W0096]"},
        {"3.5", "Syntax Error! [W0096]"},
        {"31.02.2020 > 01.01.2020", "Invalid date! [W0073]"},
        {"1 = 1 = TRUE", "Type mismatch: Can't compare different types! [W0067]"},
        {"1/0", "Numeric Error: Division by Zero! [W0082]"},
        {"5 / (3 - 3) = 1", "Numeric Error: Division by Zero! [W0082]"},
        {"a", "Syntax Error! [W0097]"},
        {"#:B# an", "Syntax Error! [W0097]"},
        {"ANY", "Syntax Error! [W0089]"},
        {"ANDY", "Syntax Error! [W0096]"},
        {"#:B# O", "Syntax Error! [W0099]"},
        {"#:B# OX", "Syntax Error! [W0098]"},
        {"X", "Syntax Error! [W0101]"},
        {"XAR", "Syntax Error! [W0100]"},
        {"NO", "Syntax Error! [W0103]"},
        {"NOR", "Syntax Error! [W0102]"},
        {"TRU", "Syntax Error! [W0091]"},
        {"TRUX", "Syntax Error! [W0090]"},
        {"FALS", "Syntax Error! [W0093]"},
        {"FALSY", "Syntax Error! [W0092]"},
        {"UNDETERMINE", "Syntax Error! [W0095]"},
        {"UNDETERMINDE", "Syntax Error! [W0094]"},
        {"1 !", "Syntax Error! [W0107]"},
        {"1 ! 2", "Syntax Error! [W0106]"},
        {"1 <> 2", "Syntax Error: Missing Operand! [W0119]"},
        {"\"open", "Syntax Error: String constant missing (in double quotes)! [W0110]"},
        {"\"ends in a backslash\\", "Syntax Error: String constant missing (in double quotes)! [W0110]"},
        {"#:N = 1", "Syntax Error: Variablename missing '#'! [W0108]"},
        {"#Ghost# = 1", "Invalid Designator: No window with name 'Ghost' existing! [W0145]"},
        {"OR TRUE", "Syntax Error: Missing Operand! [W0117]"},
        {"= 1", "Syntax Error: Missing Operand! [W0118]"},
        {"1 <", "Syntax Error: Missing Operand! [W0119]"},
        {"1 -", "Syntax Error: Missing Operand! [W0119]"},
        {"* 2", "Syntax Error: Missing Operand! [W0120]"},
        {"& 1", "Syntax Error: Missing Operand! [W0121]"},
        {"NOT", "Syntax Error: Missing Operand! [W0122]"},
        {"2 * -", "Syntax Error: Missing Operand! [W0123]"},
        {"1 AND TRUE", "Type mismatch: Bool Operand required! [W0125]"},
        {"\"a\" < \"b\"", "Type mismatch: Numeric Operand or Date required! [W0126]"},
        {"#:D1# + 1", "Type mismatch: Numeric Operand or Date required! [W0126]"},
        {"NOT 1", "Type mismatch: Bool Operand required! [W0127]"},
        {"-TRUE", "Type mismatch: Numeric Operand required! [W0128]"},
        {"TRUE * 2", "Type mismatch: Numeric Operand required! [W0129]"},
        {"#:S# = 1", "Type mismatch: Can't compare different types! [W0067]"},
        // Ranges that hold tokens no operator takes.
        {"1 2", "Syntax Error: Missing Operator! [W0131]"},
        {"()()", "Syntax Error: Missing Operator! [W0131]"},
        {"()((1))", "Syntax Error: Missing Operator! [W0131]"},
        {"(1) (2)", "Syntax Error: Missing Operator! [W0131]"},
        {"#:S# & NOT #:B#", "Syntax Error: Missing Operator! [W0131]"},
        {"#:N# & -1", "Syntax Error: Missing Operator! [W0131]"},
    };
    for (const auto& [text, message] : cases) EXPECT_EQ(Message(text), message) << text;
    EXPECT_EQ(Message(std::string(4097, ' ')), "Error: Condition string is longer than 4096 characters! [W0088]");
}

TEST_F(ConditionParserTest, AcceptsNinetyNineTokensAndNoMore) {
    std::string text = "1";
    for (int tokens = 1; tokens < 99; tokens += 2) text += " + 1";
    EXPECT_EQ(Outcome(text), "2:50");
    EXPECT_EQ(Message(text + " +"), "Condition too complex! [W0113]");
    // Brackets count when they open, not when they close.
    EXPECT_EQ(Message("(" + text + ")"), "Condition too complex! [W0113]");
}

TEST_F(ConditionParserTest, CountsTheLengthInCharacters) {
    std::string letters;
    for (int i = 0; i < 4094; ++i) letters += "\xC3\xA9";  // two bytes, one character each
    EXPECT_EQ(Outcome("\"" + letters + "\"").substr(0, 4), "4:\xC3\xA9");
    EXPECT_EQ(Message("\"" + letters + "\xC3\xA9\""), "Error: Condition string is longer than 4096 characters! [W0088]");
}

TEST_F(ConditionParserTest, GroupsByKindCodeAndChainsToTheRight) {
    const std::pair<std::string, std::string> cases[] = {
        {"10 - 3 - 2", "110(10,110(3,2))"},
        {"2 * 3 / 2", "111(2,112(3,2))"},
        {"1 - 2 + 3", "109(110(1,2),3)"},
        {"#:B# OR #:B# AND #:B#", "100(:B,102(:B,:B))"},
        {"#:B# XOR #:B# OR #:B#", "100(101(:B,:B),:B)"},
        {"#:B# = #:B# != #:B#", "103(:B,104(:B,:B))"},
        {"NOT #:B# = #:B#", "103(113(:B),:B)"},
        {"NOT #:S# & #:S# = \"x\"", "Type mismatch: Bool Operand required! [W0127]"},
        {"-5", "114(5)"},
        {"3 -5", "110(3,5)"},
        {"3 * -5", "111(3,114(5))"},
        {"(1) -2", "110(118(1),2)"},
        {"#:B#AND#:B#", "102(:B,:B)"},
        {"tRuE aNd NoT fAlSe", "102(TRUE,113(FALSE))"},
        {"01.02.2020 < #:D1#", "105(01.02.2020,:D1)"},
        {"\"a\\\"b\\\\\" & \"\"", "115(a\"b\\,)"},
    };
    for (const auto& [text, shape] : cases) EXPECT_EQ(ShapeOf(text), shape) << text;
}

TEST_F(ConditionParserTest, FoldsConstantSubtreesAndKeepsThem) {
    auto tree = ParseCondition(InitConditionContext(), "TRUE AND NOT FALSE");
    ASSERT_TRUE(tree);
    EXPECT_TRUE(tree->IsConstant());
    EXPECT_EQ(tree->GetValue(), "TRUE");
    EXPECT_EQ(tree->GetRight()->GetValue(), "TRUE");

    tree = ParseCondition(InitConditionContext(), "(1 + 2) * #:N#");
    ASSERT_TRUE(tree);
    EXPECT_FALSE(tree->IsConstant());
    EXPECT_EQ(tree->GetValue(), "");  // not evaluated yet
    EXPECT_TRUE(tree->GetLeft()->IsConstant());
    EXPECT_EQ(tree->GetLeft()->GetValue(), "3");
    EXPECT_EQ(tree->GetLeft()->GetType(), kTypeNum);
    EXPECT_EQ(Shape(tree->GetLeft()), "118(109(1,2))");
    EXPECT_EQ(tree->GetRight()->GetType(), kTypeNum);
    EXPECT_FALSE(tree->GetRight()->IsConstant());
}

TEST_F(ConditionParserTest, DesignatorsTakeTheTypeTheirCheckGives) {
    CWindowKav* main = project.AddWindow("Main");
    project.AddWindow("Name", main, kWndInputField);
    auto tree = ParseCondition(InitConditionContext(), "#Name# = 3 AND #Main:$Exist#");
    ASSERT_TRUE(tree);
    EXPECT_EQ(tree->GetLeft()->GetLeft()->GetType(), kTypeInputValue);
    EXPECT_EQ(tree->GetRight()->GetType(), kTypeBool);
    // The empty text may stand for a number or a date, and only as a constant.
    EXPECT_EQ(ShapeOf("#:N# = \"\""), "103(:N,)");
    EXPECT_EQ(ShapeOf("\"\" != #:D1#"), "104(,:D1)");
    EXPECT_EQ(Message("#:N# = #:S#"), "Type mismatch: Can't compare different types! [W0067]");
}

}  // namespace
