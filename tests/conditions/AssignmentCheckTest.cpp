// Assignments that generated tests bring about: which the model allows, and how they are
// recorded.
#include <gtest/gtest.h>

#include "conditions/AssignmentCheck.h"
#include "conditions/ValueTypes.h"
#include "model/Combination.h"
#include "model/DataSet.h"
#include "platform/MessageBuffer.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/WindowBuilder.h"

namespace {

using namespace win32;

// The combination's variables in order, each "name=value type action".
std::string Variables(const CCombination& combination) {
    std::string text;
    for (const CVariable* variable : combination.GetVariables()) {
        if (!text.empty()) text += "; ";
        text += variable->GetName() + "=" + variable->GetValues() + " " + std::to_string(variable->GetType()) + " " +
                variable->GetActionName();
    }
    return text;
}

// A main window with a control of every kind that takes an assignment, a tab control with
// three pages, a task with a parameter, a data set and a global attribute.
class AssignmentCheckTest : public ProjectTest {
protected:
    void SetUp() override {
        main = project.AddWindow("Main");
        main->GetAttributes().Add(new CAttributeKav("Owner", kTypeNum, "1"));
        name = Add("Name", kWndInputField);
        Add("Combo", kWndComboBox);
        Add("Box", kWndCheckBox, BS_AUTO3STATE);
        Add("Box2", kWndCheckBox, BS_AUTOCHECKBOX);
        Add("List", kWndListBox);
        Add("Rows", kWndListView);
        Add("Table1", kWndTable);
        Add("Ok", kWndPushButton)->SetMethod(1);
        Add("Home", kWndLink);
        Add("Group", kWndGroupBox, 0, {0, 0, 100, 100});
        Add("Red", kWndRadioButton, BS_AUTORADIOBUTTON, {10, 10, 90, 20}, "Red");
        Add("Blue", kWndRadioButton, BS_AUTORADIOBUTTON, {10, 30, 90, 40}, "Blue");
        dialog = Add("Dlg", kWndDialogBox);
        project.AddWindow("Label", dialog, kWndStaticText);
        CWindowKav* menu = Add("Menu", kWndMenu);
        project.AddWindow("Item", menu, kWndMenuItem);
        auto& tabs = As<CTabControlKav>(Add("Tab", kWndTabControl));
        for (const char* page : {"1", "2", "3"}) {
            tabs.GetPages().Add(new CTabPage(std::string("P") + page, std::string("W") + page));
            Add(std::string("W") + page, kWndChild);
        }
        project.AddWindow("Other");

        project.AddTask("Order")->GetParameters().Add(new CAttributeKav("Amount", kTypeNum, "3"));
        customer = project.AddDataSet("Customer");
        customer->GetFields().Add(new CDataField("Age", kTypeNum, 0, 120, "18"));
        customer->GetAttributes().Add(new CAttributeKav("Discount", kTypeNum, ""));
        customer->GetEffects().Add(new CDataEffect("Senior", customer));
        project.AddAttribute("Counter");
    }

    CWindowKav* Add(const std::string& id, int type, std::uint32_t style = 0, const WindowRect& rect = {},
                    const std::string& caption = {}) {
        return AddControl(project, id, type, main, rect, caption, style);
    }

    // "type action" of the one variable recorded, or the result and the message.
    std::string Assign(const std::string& designator, const std::string& value,
                       const CConditionContext& context = InitConditionContext()) {
        ClearGlobalMessage();
        CCombination combination;
        const int result = CheckDesignatorAssignment(context, designator, value, combination, nullptr);
        if (result != 1) return std::to_string(result) + " " + GetGlobalMessageBuffer();
        EXPECT_EQ(GetGlobalMessageBuffer(), "") << designator;
        if (combination.GetVariables().size() != 1) return "recorded: " + Variables(combination);
        const CVariable* variable = combination.GetVariables()[0];
        EXPECT_EQ(variable->GetName(), designator);
        EXPECT_EQ(variable->GetValues(), value);
        return std::to_string(variable->GetType()) + " " + variable->GetActionName();
    }

    CWindowKav* main = nullptr;
    CWindowKav* name = nullptr;
    CWindowKav* dialog = nullptr;
    CDataSet* customer = nullptr;
};

TEST_F(AssignmentCheckTest, TheActiveWindowMustBeAWindow) {
    EXPECT_EQ(Assign("ActiveWnd", "Main"), "6 OpenWindow");
    EXPECT_EQ(Assign("activeWND", "Name"), "6 OpenWindow");
    EXPECT_EQ(Assign("ActiveWnd", "@Order"), "0 Invalid Value for ActiveWnd: Window @Order not found! [W0204]");
    EXPECT_EQ(Assign("ActiveWnd", "Nowhere"), "0 Invalid Value for ActiveWnd: Window Nowhere not found! [W0204]");
}

TEST_F(AssignmentCheckTest, OwnValuesOfControls) {
    const std::pair<std::string, std::string> accepted[][2] = {
        {{"Name", ""}, {"7 SetInputField", ""}},
        {{"Combo", "any text"}, {"8 SetComboBox", ""}},
        {{"Group", "blue"}, {"9 SetRadioGroup", ""}},
        {{"Box", "undetermined"}, {"10 SetCheckBox", ""}},
        {{"Box", "2"}, {"10 SetCheckBox", ""}},
        {{"Box", "0"}, {"10 SetCheckBox", ""}},
        {{"Box", "1 and more"}, {"10 SetCheckBox", ""}},
        {{"Box2", "true"}, {"10 SetCheckBox", ""}},
        {{"List:$last", "x"}, {"12 SetListBox", ""}},
        {{"List:$-2", "x"}, {"12 SetListBox", ""}},
        {{"List:$ 3", "x"}, {"12 SetListBox", ""}},
        {{"Rows:$LAST", "x"}, {"13 SetListView", ""}},
        {{"Table1:$1,3", "x"}, {"15 SetTableCell", ""}},
    };
    for (const auto& c : accepted) EXPECT_EQ(Assign(c[0].first, c[0].second), c[1].first) << c[0].first;

    const std::string refused[][3] = {
        {"Box", "3", "0 Type Mismatch: Boolean Value or 'undetermined' required! [W0266]"},
        {"Box", "-1", "0 Type Mismatch: Boolean Value or 'undetermined' required! [W0266]"},
        {"Box", "maybe", "0 Type Mismatch: Boolean Value or 'undetermined' required! [W0265]"},
        {"Box", "00", "0 Type Mismatch: Boolean Value or 'undetermined' required! [W0265]"},
        {"Box2", "UNDETERMINED", "0 Type Mismatch: Boolean Value required for non tri-state checkbox! [W0267]"},
        {"Group", "Green", "0 Invalid Radio Group Value: Radio Button 'Green' is not a member of group 'Group'! [W0273]"},
        {"List", "x",
         "0 Invalid Designator: row number has to be specified when accessing a list (e.g., #List:$3#)! [W0174]"},
        {"Rows", "x",
         "0 Invalid Designator: row number has to be specified when accessing a list (e.g., #List:$3#)! [W0175]"},
        {"Table1", "x",
         "0 Invalid Designator: row and column have to be specified when accessing a table (e.g., #Table1:$1,3#)! "
         "[W0190]"},
        {"Table1:$1", "x", "0 Invalid Designator: unknown window property $1! [W0199]"},
        {"Main", "x", "0 Invalid Designator: main windows do not have a value! [W0148]"},
        {"Red", "x", "0 Invalid Designator: radio buttons do not have a value. Use the value of the group box instead! [W0173]"},
        {"Home", "x", "0 Invalid Designator: links do not have a value! [W0732]"},
    };
    for (const auto& c : refused) EXPECT_EQ(Assign(c[0], c[1]), c[2]) << c[0] << " = " << c[1];
}

TEST_F(AssignmentCheckTest, PropertiesOfWindows) {
    const std::string cases[][3] = {
        // Common to every type, before the type is looked at.
        {"Main:$Caption", "anything", "4 SetAttribute"},
        {"Item:$tag", "", "4 SetAttribute"},
        {"Main:$visible", "FALSE", "3 SetAttribute"},
        {"Main:$Visible", "maybe", "0 Type Mismatch: Boolean Value required! [W0206]"},
        {"Main:$Enabled", "yes", "0 Type Mismatch: Boolean Value required! [W0207]"},
        {"Main:$Exist", "yes", "0 Type Mismatch: Boolean Value required! [W0205]"},
        // The type's own, each with its own message.
        {"Main:$titlebar", "x", "0 Type Mismatch: Boolean Value required! [W0208]"},
        {"Main:$SystemMenu", "true", "3 SetAttribute"},
        {"Main:$Group", "true", "0 Invalid Designator: unknown window property $Group! [W0199]"},
        {"Dlg:$group", "x", "0 Type Mismatch: Boolean Value required! [W0217]"},
        {"Dlg:$tabstop", "TRUE", "3 SetAttribute"},
        {"Dlg:$Style", "POPUP", "4 SetAttribute"},
        {"Dlg:$style", "modal", "0 Invalid DialogBox Style: must be Overlapped, Popup or Child! [W0258]"},
        {"Combo:$BoxType", "droplist", "4 SetAttribute"},
        {"List:$selection", "many", "0 Invalid List Box Selection Type: must be Single, Multiple or Extended! [W0269]"},
        {"Rows:$sort", "Ascending", "4 SetAttribute"},
        {"Tab:$focus", "always", "0 Invalid Tab Control Focus Type: must be Default, OnButtonDown or Never! [W0272]"},
        {"Item:$tabstop", "TRUE", "0 Invalid Designator: unknown window property $tabstop! [W0199]"},
        {"Item:$checked", "x", "0 Type Mismatch: Boolean Value required! [W0256]"},
        {"Home:$URL", "not checked", "4 SetAttribute"},
        {"Ok:$DefaultButton", "x", "0 Type Mismatch: Boolean Value required! [W0227]"},
        // User attributes of a window are checked against their type.
        {"Main:owner", "12", "2 SetAttribute"},
        {"Main:Owner", "x", "0 Type Mismatch: attribute 'Owner' cannot be set to value 'x'! [W0274]"},
        {"Main:Nobody", "1", "0 Invalid Designator: Attribute Nobody not found! [W0203]"},
    };
    for (const auto& c : cases) EXPECT_EQ(Assign(c[0], c[1]), c[2]) << c[0] << " = " << c[1];
}

TEST_F(AssignmentCheckTest, AttributesParametersAndDataSets) {
    const std::string cases[][3] = {
        {":Counter", "5", "2 SetAttribute"},
        {":counter", "five", "0 Type Mismatch: attribute ':counter' cannot be set to value 'five'! [W0756]"},
        {"@Order:amount", "3", "2 SetAttribute"},
        {"@Order:Amount", "x", "0 Type Mismatch: parameter '@Order:Amount' cannot be set to value 'x'! [W0759]"},
        {"@Order:Count", "3", "0 Invalid Designator: Task 'Order' doesn't have a parameter 'Count'! [W0758]"},
        {"~Customer:$ID", "Rec_V01", "4 SetAttribute"},
        {"~Customer:$valid", "false", "3 SetAttribute"},
        {"~Customer:$valid", "maybe", "0 Type Mismatch: Boolean Value required! [W0143]"},
        {"~Customer:$name", "x", "0 Invalid Designator: unknown data set property $name! [W0438]"},
        // Effect variables, effects and fields take any value.
        {"~Customer:@Discount", "lots", "2 SetAttribute"},
        {"~Customer:@Rate", "1", "0 Invalid Designator: Data set 'Customer' doesn't have an effect variable 'Rate'! [W0982]"},
        {"~Customer:~senior", "no truth", "3 SetAttribute"},
        {"~Customer:~Old", "TRUE", "0 Invalid Designator: Data set 'Customer' doesn't have an effect 'Old'! [W0983]"},
        {"~Customer:Age", "abc", "2 SetAttribute"},
        {"~Customer", "1", "0 Invalid Designator: Data set 'Customer' doesn't have a field ''! [W0427]"},
        // The messages of the split and the resolution stay.
        {"Nowhere:$Caption", "x", "0 Invalid Designator: No window with name 'Nowhere' existing! [W0145]"},
        {"^Lib", "x", "0 Invalid Designator: ':' missing after library name '^Lib' [W1207]"},
    };
    for (const auto& c : cases) EXPECT_EQ(Assign(c[0], c[1]), c[2]) << c[0] << " = " << c[1];
}

TEST_F(AssignmentCheckTest, EffectConditionsNameFieldsOfTheirDataSet) {
    const CConditionContext effect = InitConditionContext(kEffectConditionMode, customer);
    EXPECT_EQ(Assign("age", "not a number", effect), "2 SetAttribute");
    EXPECT_EQ(Assign("Height", "1", effect),
              "0 Invalid Designator: Data set 'Customer' doesn't have a field 'Height'.\nPlease use the syntax "
              "#Fieldname#! [W0975]");
    const CConditionContext orphan = InitConditionContext(kEffectConditionMode, nullptr);
    EXPECT_EQ(Assign("Age", "1", orphan), "-1 Fatal Error: Data set missing while checking effect condition! [F0080]");
    EXPECT_EQ(Assign("Main:$Caption", "x", orphan),
              "-1 Fatal Error: Data set missing while checking effect condition! [F0080]");
    EXPECT_EQ(Assign("ActiveWnd", "Main", orphan), "6 OpenWindow");
}

TEST_F(AssignmentCheckTest, WindowsOfAnUnknownTypeTakeOnlyTheCommonProperties) {
    auto* odd = new CTypedWindowKav<kWindowTypeCount>({.id = "Odd"});
    odd->SetFile(project.Main());
    app.GetWindowList().Add(odd);
    EXPECT_EQ(Assign("Odd:$Caption", "x"), "4 SetAttribute");
    EXPECT_EQ(Assign("Odd", "x"), "0 Fatal Error: Unknown window type! [F0020]");
}

TEST_F(AssignmentCheckTest, ASearchDoesNotOverwriteWhatIsRecorded) {
    CCombination combination;
    const int node = 0;
    ASSERT_EQ(CheckDesignatorAssignment(InitConditionContext(), "Main:$Caption", "one", combination, nullptr), 1);
    ASSERT_EQ(CheckDesignatorAssignment(InitConditionContext(), "main:$caption", "two", combination, nullptr), 1);
    EXPECT_EQ(Variables(combination), "Main:$Caption=two 4 SetAttribute");
    ASSERT_EQ(CheckDesignatorAssignment(InitConditionContext(), "MAIN:$CAPTION", "three", combination, &node), 1);
    ASSERT_EQ(CheckDesignatorAssignment(InitConditionContext(), "Name", "Bob", combination, &node), 1);
    EXPECT_EQ(Variables(combination), "Main:$Caption=two 4 SetAttribute; Name=Bob 7 SetInputField");
    EXPECT_EQ(combination.GetVariables()[1]->GetSource(), &node);
}

TEST_F(AssignmentCheckTest, ExistenceOfWindowsAndTheirChildren) {
    CCombination combination;
    const int node = 0;
    ASSERT_EQ(CheckDesignatorAssignment(InitConditionContext(), "Dlg:$Exist", "TRUE", combination, &node), 1);
    EXPECT_EQ(Variables(combination), "Dlg:$Exist=TRUE 3 OpenWindow");

    // Without a source the children of method 0 follow, down the tree; Ok is of method 1.
    combination.RemoveAll();
    ASSERT_EQ(CheckDesignatorAssignment(InitConditionContext(), "Main:$exist", "true", combination, nullptr), 1);
    const std::string all = Variables(combination);
    EXPECT_NE(all.find("Main:$Exist=TRUE 3 OpenWindow; Name:$Exist=TRUE"), std::string::npos) << all;
    EXPECT_NE(all.find("Dlg:$Exist=TRUE 3 OpenWindow; Label:$Exist=TRUE 3 OpenWindow"), std::string::npos) << all;
    EXPECT_EQ(all.find("Ok:"), std::string::npos) << all;
    EXPECT_EQ(all.find("Other:"), std::string::npos) << all;

    // FALSE removes the variables of the window and of all its descendants.
    combination.RemoveAll();
    for (const char* designator : {"Main:$Caption", "Name", "label:$Visible", "Other:$Exist"})
        combination.AddVariable(new CVariable(designator, kTypeString, "x", "SetAttribute"));
    EXPECT_EQ(CheckDesignatorAssignment(InitConditionContext(), "Main:$Exist", "false", combination, nullptr), 1);
    EXPECT_EQ(Variables(combination), "Other:$Exist=x 4 SetAttribute");
}

// The chosen page's window is visible and the others' are not, whatever the source; with a
// search's source the chosen page used to stay recorded invisible.
TEST_F(AssignmentCheckTest, ATabPageShowsItsWindowAndHidesTheOthers) {
    const int node = 0;
    for (const void* source : {static_cast<const void*>(nullptr), static_cast<const void*>(&node)}) {
        CCombination combination;
        ASSERT_EQ(CheckDesignatorAssignment(InitConditionContext(), "Tab", "p2", combination, source), 1);
        EXPECT_EQ(Variables(combination),
                  "W1:$Visible=FALSE 3 SetAttribute; W3:$Visible=FALSE 3 SetAttribute; W2:$Visible=TRUE 3 SetAttribute; "
                  "Tab=p2 11 SetTabControl");
    }
    CCombination combination;
    combination.AddVariable(new CVariable("Name", kTypeInputValue, "Bob", "SetInputField"));
    EXPECT_EQ(CheckDesignatorAssignment(InitConditionContext(), "Tab", "P9", combination, nullptr), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Invalid Tab Page: Page 'P9' not existing! [W0271]");
    EXPECT_EQ(Variables(combination), "Name=Bob 7 SetInputField");
}

}  // namespace
