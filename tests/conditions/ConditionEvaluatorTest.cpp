#include <gtest/gtest.h>

#include "conditions/ConditionEvaluator.h"
#include "conditions/DesignatorValues.h"
#include "conditions/ValueTypes.h"
#include "tests/conditions/ConditionOutcome.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/Refusal.h"
#include "tests/support/WindowBuilder.h"

namespace {

TEST(ConditionValues, OperatorsOnConstants) {
    const std::pair<std::string, std::string> cases[] = {
        {"10 - 3 - 2", "2:9"},
        {"2 * 3 / 2", "2:2"},
        {"7 / 2", "2:3"},
        {"-7 / 2", "2:-3"},
        {"3 -5", "2:-2"},
        {"3 * -5", "2:-15"},
        {"(10 - 3) - 2", "2:5"},
        {"2147483647 + 1", "2:-2147483648"},
        {"(-2147483647 - 1) / -1", "2:-2147483648"},
        {"-(-2147483647 - 1)", "2:-2147483648"},
        {"65536 * 65536 + 5", "2:5"},
        {"99999999999 = 2147483647", "3:TRUE"},  // a literal reads as the nearest int
        {"TRUE AND UNDETERMINED", "3:FALSE"},
        {"TRUE OR UNDETERMINED", "3:TRUE"},
        {"NOT UNDETERMINED", "3:FALSE"},
        {"FALSE XOR UNDETERMINED", "3:TRUE"},
        {"UNDETERMINED XOR UNDETERMINED", "3:FALSE"},
        {"UNDETERMINED", "3:UNDETERMINED"},
        {"\"abc\" = \"ABC\"", "3:FALSE"},
        {"\"abc\" != \"ABC\"", "3:TRUE"},
        {"TRUE = true", "3:TRUE"},
        {"01.02.2020 < 02.01.2020", "3:FALSE"},
        {"01.02.2020 > 02.01.2020", "3:TRUE"},
        {"01.02.2020 = 01.02.2020", "3:TRUE"},
        {"01.02.2020 <= 01.02.2020", "3:TRUE"},
        {"\"a\" & 1 & TRUE", "4:a1TRUE"},
        {"1 < 2 = TRUE", "3:TRUE"},
        {"3 >= 4", "3:FALSE"},
        {"03 = 3", "3:TRUE"},
        {"\"\" = \"\"", "3:TRUE"},
        {"(\"x\")", "4:x"},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(Outcome(text), value) << text;
}

TEST(ConditionValues, TruthTables) {
    const char* values[] = {"TRUE", "FALSE", "UNDETERMINED"};
    // Rows: left operand; columns: right operand; T F U.
    const char* expected[3][3][3] = {
        {{"TRUE", "FALSE", "FALSE"}, {"FALSE", "FALSE", "FALSE"}, {"FALSE", "FALSE", "FALSE"}},  // AND
        {{"TRUE", "TRUE", "TRUE"}, {"TRUE", "FALSE", "FALSE"}, {"TRUE", "FALSE", "FALSE"}},      // OR
        {{"FALSE", "TRUE", "TRUE"}, {"TRUE", "FALSE", "TRUE"}, {"TRUE", "TRUE", "FALSE"}},      // XOR
    };
    const char* operators[] = {"AND", "OR", "XOR"};
    for (int op = 0; op < 3; ++op)
        for (int l = 0; l < 3; ++l)
            for (int r = 0; r < 3; ++r) {
                const std::string text = std::string(values[l]) + " " + operators[op] + " " + values[r];
                EXPECT_EQ(Outcome(text), std::string("3:") + expected[op][l][r]) << text;
            }
    EXPECT_EQ(Outcome("NOT TRUE"), "3:FALSE");
    EXPECT_EQ(Outcome("NOT FALSE"), "3:TRUE");
}

// Values of the model read by designators, and their type faults that only evaluation finds.
class ConditionEvaluation : public ProjectTest {
protected:
    void Attribute(const std::string& name, int type, const std::string& value) {
        CAttributeKav* attribute = project.AddAttribute(name);
        attribute->SetType(type);
        attribute->SetValue(value);
    }
    CCombination combination;
};

TEST_F(ConditionEvaluation, DesignatorValuesMeetTheOperators) {
    Attribute("Empty", kTypeNum, "");
    Attribute("Any", kTypeUndetermined, "12abc");
    Attribute("Word", kTypeUndetermined, "maybe");
    Attribute("D1", kTypeDate, "02.01.2020");
    Attribute("D2", kTypeDate, "01.01.2020");
    Attribute("NoDate", kTypeDate, "");
    CWindowKav* main = project.AddWindow("Main");
    As<CInputFieldKav>(project.AddWindow("A", main, kWndInputField)).SetInitialValue("a");
    As<CInputFieldKav>(project.AddWindow("B", main, kWndInputField)).SetInitialValue("b");
    As<CInputFieldKav>(project.AddWindow("Three", main, kWndInputField)).SetInitialValue("3");
    As<CInputFieldKav>(project.AddWindow("Ten", main, kWndInputField)).SetInitialValue("10");

    const std::pair<std::string, std::string> cases[] = {
        {"#:Empty# = \"\"", "3:TRUE"},
        {"#:Empty# = 0", "3:TRUE"},
        {"#:Any# + 1", "2:13"},
        {"#Three# < #Ten#", "3:TRUE"},  // input field values that are numbers compare as numbers
        {"#A# = #a#", "3:TRUE"},
        {"#A# < #B#", "Type mismatch: Invalid type for < ! [W0074]"},
        {"#A# >= #B#", "Type mismatch: Invalid type for >= ! [W0077]"},
        {"#:D1# > #:D2#", "3:TRUE"},
        {"#:NoDate# < #:D2#", "3:FALSE"},
        {"#:D1# - #:D2# > 2", "Type mismatch: Numeric operands required for - ! [W0079]"},
        {"#:Word# XOR TRUE", "Type mismatch: Bool operands required for XOR! [W0060]"},
        {"#:Word# AND TRUE", "3:FALSE"},
        {"#:Word# + 1", "2:1"},
        {"#:Word# = TRUE", "Type mismatch: Can't compare different types! [W0061]"},
        {"#:Word# != 1", "Type mismatch: Can't compare different types! [W0066]"},
        {"#:Word# < 1", "Type mismatch: Can't compare different types! [W0062]"},
        {"#:Word# <= 1", "Type mismatch: Can't compare different types! [W0064]"},
        {"NOT #:D1#", "Type mismatch: Bool Operand required! [W0127]"},
        {"#ActiveWnd#", "Fatal Error: Variable ActiveWnd not found! [F0010]"},
        {"#Three# / (#Three# - 3)", "Numeric Error: Division by Zero! [W0082]"},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(Outcome(text), value) << text;
}

TEST_F(ConditionEvaluation, ValuesOfAnotherTypeThanTheParserSawAreRefusedAtEvaluation) {
    Attribute("Text", kTypeUndetermined, "1");
    combination.AddVariable(new CVariable(":Text", kTypeString, "x", "SetAttribute"));
    const std::pair<std::string, std::string> cases[] = {
        {"#:Text# + 2", "Type mismatch: Numeric operands required for + ! [W0078]"},
        {"#:Text# * 2", "Type mismatch: Numeric operands required for * ! [W0080]"},
        {"2 / #:Text#", "Type mismatch: Numeric operands required for / ! [W0081]"},
        {"-#:Text#", "Type mismatch: Numeric operand required for negation! [W0084]"},
        {"NOT #:Text#", "Type mismatch: Bool operand required for NOT! [W0083]"},
        {"#:Text# AND TRUE", "Type mismatch: Bool operands required for AND! [W0058]"},
        {"FALSE OR #:Text#", "Type mismatch: Bool operands required for OR! [W0059]"},
        {"#:Text# XOR TRUE", "Type mismatch: Bool operands required for XOR! [W0060]"},
        {"#:Text# = 1", "Type mismatch: Can't compare different types! [W0061]"},
        {"#:Text# > 1", "Type mismatch: Can't compare different types! [W0063]"},
        {"#:Text# >= 1", "Type mismatch: Can't compare different types! [W0065]"},
        {"#:Text# & 1", "4:x1"},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(Outcome(text, &combination), value) << text;
    EXPECT_EQ(Outcome("#:Text# + 2"), "2:3");
}

TEST_F(ConditionEvaluation, ValuesOfTheCombinationOverrideTheModel) {
    CWindowKav* main = project.AddWindow("Main");
    CWindowKav* panel = project.AddWindow("Panel", main, kWndChild);
    CWindowKav* field = project.AddWindow("Field", panel, kWndInputField);
    CWindowKav* popup = project.AddWindow("Popup", main, kWndDialogBox);
    popup->SetMethod(1);
    auto tree = ParseCondition(InitConditionContext(), "#Main:$Exist# AND #Field:$Exist#");
    ASSERT_TRUE(tree);

    EXPECT_EQ(EvaluateToBool(InitConditionContext(), tree.get(), combination), 0);
    EXPECT_EQ(Outcome("#Main:$Exist#", &combination), "3:FALSE");
    ASSERT_EQ(RecordWindowExists(*main, combination, nullptr), 1);
    EXPECT_EQ(EvaluateToBool(InitConditionContext(), tree.get(), combination), 1);
    EXPECT_EQ(tree->GetValue(), "TRUE");  // the last evaluation stays in the node
    EXPECT_EQ(Outcome("#Popup:$Exist#", &combination), "3:FALSE");  // method 1: not opened with its parent
    EXPECT_NE(combination.FindVariable("Panel:$Exist"), nullptr);

    combination.AddVariable(new CVariable("Field", kTypeInputValue, "4\n2", "SetInputField"));
    EXPECT_EQ(Outcome("#Field# + 1", &combination), "2:43");
    (void)field;
}

TEST_F(ConditionEvaluation, BoolResultsTypesAndTexts) {
    EXPECT_EQ(Refusal([&] { return EvaluateToBool(InitConditionContext(), nullptr, combination) == 1; }),
              "Fatal Error: Invalid Condition! [F0016]");
    auto number = ParseCondition(InitConditionContext(), "1 + 1");
    EXPECT_EQ(EvaluateToBool(InitConditionContext(), number.get(), combination), -1);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Type mismatch: Condition must return Bool value! [W0132]");
    auto undetermined = ParseCondition(InitConditionContext(), "UNDETERMINED");
    EXPECT_EQ(EvaluateToBool(InitConditionContext(), undetermined.get(), combination), 0);

    Attribute("N", kTypeNum, "5");
    const std::pair<std::string, int> types[] = {
        {"1 + 2", kTypeNum}, {"\"a\" & 1", kTypeString}, {"01.01.2020", kTypeDate}, {"#:N# > 1", kTypeBool},
        {"1/0", 0},          {"", 0},
    };
    for (const auto& [text, type] : types) EXPECT_EQ(GetExpressionType(InitConditionContext(), text), type) << text;

    std::string value = "stale";
    bool constant = false;
    int type = 0;
    ASSERT_EQ(EvaluateConditionText(InitConditionContext(), "#:N# * 2", value, constant, type, combination), 1);
    EXPECT_EQ(value, "10");
    EXPECT_FALSE(constant);
    EXPECT_EQ(type, kTypeNum);
    ASSERT_EQ(EvaluateConditionText(InitConditionContext(), "\"x\"", value, constant, type, combination), 1);
    EXPECT_TRUE(constant);
    EXPECT_EQ(EvaluateConditionText(InitConditionContext(), "#:Nope#", value, constant, type, combination), 0);
    EXPECT_EQ(value, "");
    EXPECT_EQ(type, 0);
}

TEST(ConditionTreeEvaluation, RefusesNodesOutsideTheLanguage) {
    CCombination none;
    int type = 0;
    std::string value;
    CConditionTree odd(99, "", kTypeBool, false);
    EXPECT_EQ(Refusal([&] { return odd.Evaluate(type, value, none, InitConditionContext()); }),
              "Fatal Error: Condition structure corrupted! [F0011]");
    CConditionTree lonely(kNodeAnd, "", kTypeBool, false);
    lonely.SetLeft(std::make_unique<CConditionTree>(kNodeConstant, "TRUE", kTypeBool, true));
    EXPECT_EQ(Refusal([&] { return lonely.Evaluate(type, value, none, InitConditionContext()); }),
              "Fatal Error: Condition structure corrupted! [F0011]");
}

}  // namespace
