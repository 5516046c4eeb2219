#include <gtest/gtest.h>

#include "conditions/DesignatorValues.h"
#include "conditions/ValueTypes.h"
#include "model/Combination.h"
#include "platform/MessageBuffer.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/Refusal.h"
#include "tests/support/WindowBuilder.h"

namespace {

// "type:value", or the result and message of a refusal.
std::string ValueOf(const std::string& designator, const CConditionContext& context = InitConditionContext()) {
    ClearGlobalMessage();
    std::string value;
    int type = -7;
    const int result = GetDesignatorValue(context, designator, value, type);
    if (result != 1) return std::to_string(result) + " " + GetGlobalMessageBuffer();
    return std::to_string(type) + ":" + value;
}

// A data set Customer with fields, an effect variable and two effects, a task with a
// parameter, a global attribute and a window with an attribute.
class DesignatorValuesTest : public ProjectTest {
protected:
    void SetUp() override {
        customer = project.AddDataSet("Customer");
        age = customer->GetFields().Add(new CDataField("Age", kTypeNum, 0, 120, "18"));
        customer->GetFields().Add(new CDataField("Name", kTypeString, 0, 0, "Nobody"));
        customer->GetAttributes().Add(new CAttributeKav("Discount", kTypeNum, ""));
        senior = customer->GetEffects().Add(new CDataEffect("Senior", customer));
        senior->SetAttribute(new CAttributeKav("Discount", kTypeNum, "10"));
        customer->GetEffects().Add(new CDataEffect("Junior", customer));
        record = customer->GetRecords().Add(new CDataRecord("Rec_I01", 0, kOriginManual));
        record->GetValues().Set(age->GetId(), "70");
        record->GetEffectIds().push_back(senior->GetId());

        CTaskKav* order = project.AddTask("Order");
        order->GetParameters().Add(new CAttributeKav("Amount", kTypeNum, "3"));
        CAttributeKav* counter = project.AddAttribute("Counter");
        counter->SetValue("41");
        CWindowKav* main = project.AddWindow("Main");
        main->GetAttributes().Add(new CAttributeKav("Owner", kTypeString, "me"));
        As<CInputFieldKav>(project.AddWindow("Name", main, kWndInputField)).SetInitialValue("Bob");
    }

    CDataSet* customer = nullptr;
    CDataField* age = nullptr;
    CDataEffect* senior = nullptr;
    CDataRecord* record = nullptr;
};

TEST_F(DesignatorValuesTest, DataSetMembersReadTheCurrentRecord) {
    const std::pair<std::string, std::string> withoutRecord[] = {
        {"#~Customer:Age#", "2:18"},        {"#~Customer:$id#", "4:"},           {"#~Customer:$Valid#", "3:TRUE"},
        {"#~Customer:@discount#", "2:"},    {"#~Customer:~Senior#", "3:FALSE"},
    };
    for (const auto& [designator, value] : withoutRecord) EXPECT_EQ(ValueOf(designator), value) << designator;

    customer->SetCurrentRecord(record);
    const std::pair<std::string, std::string> withRecord[] = {
        {"#~Customer:Age#", "2:70"},          {"#~Customer:name#", "4:Nobody"},    {"#~Customer:$ID#", "4:Rec_I01"},
        {"#~Customer:$valid#", "3:FALSE"},    {"#~Customer:@Discount#", "2:10"},   {"#~Customer:~senior#", "3:TRUE"},
        {"#~Customer:~Junior#", "3:FALSE"},
        {"#~Customer:$name#", "0 Invalid Designator: unknown data set property $name! [W0142]"},
        {"#~Customer:@Rate#", "0 Invalid Designator: Data set 'Customer' doesn't have an effect variable 'Rate'! [W0980]"},
        {"#~Customer:~Old#", "0 Invalid Designator: Data set 'Customer' doesn't have an effect 'Old'! [W0981]"},
        {"#~Customer:Size#", "0 Invalid Designator: Data set 'Customer' doesn't have a field 'Size'! [W0433]"},
    };
    for (const auto& [designator, value] : withRecord) EXPECT_EQ(ValueOf(designator), value) << designator;
}

TEST_F(DesignatorValuesTest, AttributesParametersAndWindows) {
    const std::pair<std::string, std::string> cases[] = {
        {":counter", "2:41"},
        {"#@Order:Amount#", "2:3"},
        {"#Main:Owner#", "4:me"},
        {"#Name#", "7:Bob"},
        {"ActiveWnd", "0 Fatal Error: Variable 'ActiveWnd' undefined! [F0021]"},
        {"#@Order:Count#", "0 Invalid Designator: Task 'Order' doesn't have a parameter 'Count'! [W0754]"},
        {"#Main:Nobody#", "0 Invalid Designator: Attribute Nobody not found! [W0202]"},
        {"#:Nothing#", "0 Invalid Designator: No attribute with name 'Nothing' existing! [W0749]"},
    };
    for (const auto& [designator, value] : cases) EXPECT_EQ(ValueOf(designator), value) << designator;
}

TEST_F(DesignatorValuesTest, EffectConditionsReadFieldsOfTheirDataSet) {
    const CConditionContext effect = InitConditionContext(kEffectConditionMode, customer);
    EXPECT_EQ(ValueOf("Age", effect), "2:18");
    EXPECT_EQ(ValueOf("#Name#", effect), "4:Nobody");  // the value operation takes any field type
    EXPECT_EQ(ValueOf("Height", effect),
              "0 Invalid Designator: Data set 'Customer' doesn't have a field 'Height'.\nPlease use the syntax "
              "#Fieldname#! [W0974]");
    EXPECT_EQ(ValueOf("Age", InitConditionContext(kEffectConditionMode, nullptr)),
              "-1 Fatal Error: Data set missing while checking effect condition! [F0065]");
}

TEST_F(DesignatorValuesTest, TheCombinationComesFirst) {
    CCombination combination;
    combination.AddVariable(new CVariable("name", kTypeInputValue, "Al\nice", "SetInputField"));
    std::string value;
    int type = 0;
    ASSERT_EQ(GetVariableValue(InitConditionContext(), "Name", combination, value, type), 1);
    EXPECT_EQ(value, "Alice");
    ASSERT_EQ(GetVariableValue(InitConditionContext(), "#Main:Owner#", combination, value, type), 1);
    EXPECT_EQ(value, "me");
    EXPECT_EQ(GetVariableValue(InitConditionContext(kEffectConditionMode, nullptr), "Age", combination, value, type), 0);
}

TEST_F(DesignatorValuesTest, ExpandsWhatCanBeRead) {
    CCombination combination;
    const std::pair<std::string, std::string> cases[] = {
        {"a # b #Name#", "a # b Bob"},
        {"x #Name", "x #Name"},
        {"#Name##Name#", "BobBob"},
        {"#:Nope# and #Name# (#@Order:Amount#)", "#:Nope# and Bob (3)"},
        {"no designators", "no designators"},
        {"", ""},
        {"#", "#"},
    };
    for (const auto& [text, expected] : cases) {
        std::string expanded = "stale";
        EXPECT_EQ(ExpandDesignators(InitConditionContext(), text, combination, expanded), 1);
        EXPECT_EQ(expanded, expected) << text;
    }
}

TEST(RecordDesignatorVariable, AddsOrUpdatesUnlessASearchSetIt) {
    CCombination combination;
    int node = 0;
    EXPECT_EQ(RecordDesignatorVariable("Name", kTypeInputValue, "a", combination, "SetInputField", nullptr), 1);
    EXPECT_EQ(RecordDesignatorVariable("NAME", kTypeString, "b", combination, "SetAttribute", nullptr), 1);
    ASSERT_EQ(combination.GetVariables().size(), 1u);
    const CVariable* name = combination.GetVariables()[0];
    EXPECT_EQ(name->GetValues(), "b");
    EXPECT_EQ(name->GetType(), kTypeInputValue);
    EXPECT_EQ(name->GetActionName(), "SetInputField");

    RecordDesignatorVariable("Searched", kTypeNum, "1", combination, "SetAttribute", &node);
    EXPECT_EQ(RecordDesignatorVariable("searched", kTypeNum, "2", combination, "SetAttribute", &node), 1);
    EXPECT_EQ(combination.FindVariable("Searched")->GetValues(), "1");
    EXPECT_EQ(combination.FindVariable("Searched")->GetSource(), &node);
}

class WindowVariables : public ProjectTest {};

TEST_F(WindowVariables, ExistenceIsRecordedForChildrenOpenedWithTheirParent) {
    CWindowKav* lib = project.AddWindow("Win", nullptr, kWndMain, project.Lib());
    CWindowKav* child = project.AddWindow("Part", lib, kWndChild, project.Lib());
    project.AddWindow("Deep", child, kWndInputField, project.Lib());
    project.AddWindow("Later", lib, kWndDialogBox, project.Lib())->SetMethod(2);
    CCombination combination;

    ASSERT_EQ(RecordWindowExists(*lib, combination, nullptr), 1);
    std::string names;
    for (const CVariable* v : combination.GetVariables()) names += v->GetName() + "=" + v->GetValues() + " ";
    EXPECT_EQ(names, "^Lib:Win:$Exist=TRUE ^Lib:Part:$Exist=TRUE ^Lib:Deep:$Exist=TRUE ");
    EXPECT_EQ(combination.GetVariables()[0]->GetActionName(), "OpenWindow");

    CCombination searched;
    int node = 0;
    ASSERT_EQ(RecordWindowExists(*lib, searched, &node), 1);
    EXPECT_EQ(searched.GetVariables().size(), 1u);  // a search records the window alone
}

TEST_F(WindowVariables, RemovingAWindowsVariablesSparesTheSameNameElsewhere) {
    CWindowKav* lib = project.AddWindow("Win", nullptr, kWndMain, project.Lib());
    CWindowKav* child = project.AddWindow("Part", lib, kWndChild, project.Lib());
    CCombination combination;
    for (const char* name : {"^Lib:Win:$Exist", "^lib:win", "Win:$Exist", "^Lib:Part:$Caption", "^Lib:Partner",
                             ":Win", "@Win:x", "ActiveWnd"})
        combination.AddVariable(new CVariable(name, kTypeBool, "TRUE", "SetAttribute"));

    ASSERT_EQ(RemoveWindowVariables(*lib, combination), 1);
    std::string left;
    for (const CVariable* v : combination.GetVariables()) left += v->GetName() + " ";
    EXPECT_EQ(left, "Win:$Exist ^Lib:Partner :Win @Win:x ActiveWnd ");

    // A name that is no designator stops the removal before anything is removed.
    combination.AddVariable(new CVariable("^Broken", kTypeBool, "TRUE", "SetAttribute"));
    EXPECT_EQ(Refusal([&] { return combination.RemoveVariablesOfWindow("Win"); }),
              "Invalid Designator: ':' missing after library name '^Broken' [W1207]");
    EXPECT_EQ(combination.GetVariables().size(), 6u);
    (void)child;
}

}  // namespace
