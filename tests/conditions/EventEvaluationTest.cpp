#include <gtest/gtest.h>

#include <string>

#include "conditions/EventParser.h"
#include "conditions/ValueTypes.h"
#include "model/Combination.h"
#include "model/DataSet.h"
#include "tests/conditions/EventWindows.h"
#include "tests/support/Refusal.h"

namespace {

// A data set Cust whose current record names Smith; its other fields have no values.
class EventEvaluationTest : public EventWindowsTest {
protected:
    void SetUp() override {
        EventWindowsTest::SetUp();
        CDataSet* customer = project.AddDataSet("Cust");
        CDataField* name = customer->GetFields().Add(new CDataField("Name", kTypeString));
        customer->GetFields().Add(new CDataField("Age", kTypeNum));
        customer->GetFields().Add(new CDataField("Member", kTypeBool));
        customer->GetFields().Add(new CDataField("Born", kTypeDate));
        CDataRecord* record = customer->GetRecords().Add(new CDataRecord("Rec_I01", 0, kOriginManual));
        record->GetValues().Set(name->GetId(), "Smith");
        customer->SetCurrentRecord(record);
    }

    // "out" with "*" when it is not constant, or the refusal's message. An argument that does
    // not evaluate leaves the condition language's message behind while the result is 1.
    std::string Evaluate(const std::string& event, const std::string& window = "Input") {
        ClearGlobalMessage();
        std::string out = "stale";
        bool constant = false;
        if (parser.EvaluateArguments(event, Window(window), none, out, constant) != 1) {
            EXPECT_EQ(out, "") << event;
            return GetGlobalMessageBuffer();
        }
        return constant ? out : out + " *";
    }

    // "attribute=value" for result 1, else the result and the message.
    std::string EventValue(const std::string& window, const std::string& event) {
        ClearGlobalMessage();
        std::string attribute = "stale";
        std::string value = "stale";
        const int result = parser.GetEventValue(event, Window(window), attribute, value, none);
        if (result != 1) return std::to_string(result) + " " + GetGlobalMessageBuffer();
        return attribute + "=" + value;
    }

    const CEventParser parser;
    const CCombination none;
};

TEST_F(EventEvaluationTest, ArgumentsBecomeTheirValues) {
    const std::pair<std::string, std::string> cases[] = {
        {"Input(#~Cust:Name#)", "input(\"Smith\") *"},
        {"INPUT(#~Cust:Name# & \" \\\"Jr\\\\\")", "input(\"Smith \\\"Jr\\\\\") *"},
        {R"(Input("a\"b"))", R"(input("a\"b"))"},
        {"Click(L, 2)", "click(L, 2)"},
        {"Click(L,2 , 3+4,-1)", "click(L, 2, 7, -1)"},
        {"Check(TRUE)", "check(TRUE)"},
        {"Close", "close"},
        {"Input(#~Cust:Age#, #~Cust:Member#, #~Cust:Born#)", "input(0, FALSE, 01.01.1900) *"},
        {"Select(last)", "select(last)"},  // kept as written: it does not evaluate
        {R"(Type("<Enter>" ))", R"(Type("<Enter>" ))"},  // key sequences are copied unchanged
        {"Input(\"a\"", "Missing ')'! [W0350]"},
        {"Input(a\\b)", "Misplaced '\\'! [W0351]"},
    };
    for (const auto& [event, expected] : cases) EXPECT_EQ(Evaluate(event), expected) << event;
}

TEST_F(EventEvaluationTest, ValuesComeFromTheCombinationFirst) {
    CCombination combination;
    combination.AddVariable(new CVariable("~Cust:Name", kTypeString, "Jones", "SetDataField"));
    std::string out;
    bool constant = true;
    ASSERT_EQ(parser.EvaluateArguments("Input(#~Cust:Name#)", Window("Input"), combination, out, constant), 1);
    EXPECT_EQ(out, "input(\"Jones\")");
    EXPECT_FALSE(constant);
}

TEST_F(EventEvaluationTest, ALongArgumentIsEvaluatedWhole) {
    const std::string text = "\"" + std::string(450, 'y') + "\"";
    EXPECT_EQ(Refusal([&] { return CEventParser().CheckEventString("Input(" + text + ")", Window("Input")); }), "");
    EXPECT_EQ(Evaluate("Input(" + text + ")"), "input(" + text + ")");
}

TEST_F(EventEvaluationTest, AMissingWindowIsTheCallersFault) {
    std::string out = "stale";
    bool constant = false;
    EXPECT_EQ(Refusal([&] { return parser.EvaluateArguments("Click", nullptr, none, out, constant); }),
              "Fatal Error: Missing window in function EvaluateArguments! [F0126]");
    EXPECT_EQ(out, "");
}

TEST_F(EventEvaluationTest, TheValueThatAnEventSets) {
    const std::pair<std::pair<const char*, const char*>, std::string> cases[] = {
        {{"Table", "Input(3, 4)"}, "$3,4=Text"},
        {{"Table", "Input(3,4,#~Cust:Name#)"}, "$3,4=Smith"},
        {{"Input", "Input(#~Cust:Name#)"}, "=Smith"},
        {{"Input", "Input"}, "=x"},
        {{"Combo", "Input(1+2)"}, "=3"},
        {{"Combo", "Select(\"Blue\")"}, "=Blue"},
        {{"Combo", "Select(2)"}, "0 "},
        {{"Box", "Check(TRUE)"}, "=TRUE"},
        {{"Group", "Select(\"Red\")"}, "=Red"},
        {{"Tab", "Select(\"Page 2\")"}, "=Page 2"},
        {{"Button", "Click"}, "0 "},
        {{"List", "Select(1)"}, "0 "},
        {{"Input", "Check(TRUE)"}, "0 "},
        {{"Input", "Input("}, "-1 Missing ')'! [W0349]"},
    };
    for (const auto& [at, expected] : cases) EXPECT_EQ(EventValue(at.first, at.second), expected) << at.second;

    const std::string value = EventValue("Input", "Input(#Nowhere#)");
    EXPECT_TRUE(value.starts_with("-1 ") && value.size() > 3) << value;
}

TEST_F(EventEvaluationTest, WhetherAnEventCanSetAValue) {
    struct Case {
        const char* window;
        const char* event;
        const char* attribute;
        const char* value;
        int expected;
    };
    const Case cases[] = {
        {"Group", "Select(\"Red\")", "", "red", 1},
        {"Group", "Select(\"Red\")", "", "blue", 0},
        {"Tab", "Select(\"Page \\\"2\\\"\")", "", "page \"2\"", 1},
        {"Table", "Input(3, 4)", "$3,4", "anything", 1},
        {"Table", "Input(3, 4)", "$3,5", "anything", 0},
        {"Table", "Input(3, 4, \"x\")", "$3,5", "x", 0},
        {"Input", "Input", "", "anything", 1},
        {"Input", "Click", "", "anything", 0},
        {"Button", "Input(\"a\")", "", "a", 0},
        {"Input", "Input(", "", "a", -1},
    };
    for (const Case& c : cases) {
        CCombination combination;
        EXPECT_EQ(parser.EventSetsValue(c.event, Window(c.window), c.attribute, c.value, combination), c.expected)
            << c.window << ": " << c.event << " " << c.value;
    }
}

TEST_F(EventEvaluationTest, TheSearchFindsTheValuesUnderWhichAnEventSetsAValue) {
    CCombination combination;
    combination.AddVariable(new CVariable("Old", kTypeNum, "1", "SetAttribute"));
    ASSERT_EQ(parser.EventSetsValue("Input(#~Cust:Name#)", Window("Input"), "", "Brown", combination), 1);
    EXPECT_EQ(combination.FindVariable("Old"), nullptr);  // emptied before the search
    ASSERT_NE(combination.FindVariable("~Cust:Name"), nullptr);
    EXPECT_EQ(combination.FindVariable("~Cust:Name")->GetValues(), "Brown");

    ASSERT_EQ(parser.EventSetsValue("Input(3, 4, #~Cust:Name#)", Window("Table"), "$3,4", "Grey", combination), 1);
    EXPECT_EQ(combination.FindVariable("~Cust:Name")->GetValues(), "Grey");

    ClearGlobalMessage();
    EXPECT_EQ(CEventParser::ExpressionCanTakeValue("1 +", "1", combination), -1);
    EXPECT_FALSE(GetGlobalMessageBuffer().empty());
}

}  // namespace
