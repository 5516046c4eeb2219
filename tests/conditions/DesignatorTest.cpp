#include <gtest/gtest.h>

#include "conditions/Designator.h"
#include "conditions/ValueTypes.h"
#include "conditions/WindowProperties.h"
#include "platform/MessageBuffer.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/Refusal.h"
#include "tests/support/WindowBuilder.h"

namespace {

const CConditionContext kProject = InitConditionContext(kProjectMode, nullptr);

TEST(SplitDesignator, SplitsIntoLibraryWindowAndAttribute) {
    struct Case {
        std::string text, library, window, attribute;
    };
    const Case cases[] = {
        {"#:Counter#", "", "", "Counter"},
        {"#^Lib:Main#", "Lib", "Main", ""},
        {"#Main:$Caption:x#", "", "Main", "$Caption:x"},
        {"Main:$Enabled", "", "Main", "$Enabled"},
        {"#Main:$Enabled", "", "Main", "$Enable"},  // the last character goes, whatever it is
        {"#@Order:Amount#", "", "@Order", "Amount"},
        {"#^Common:~Customer:$id#", "Common", "~Customer", "$id"},
        {"#^Lib:#", "Lib", "", ""},
        {" Name ", "", " Name ", ""},
    };
    for (const Case& c : cases) {
        DesignatorParts parts{"stale", "stale", "stale"};
        ASSERT_EQ(SplitDesignator(c.text, parts), 1) << c.text;
        EXPECT_EQ(parts.library, c.library) << c.text;
        EXPECT_EQ(parts.window, c.window) << c.text;
        EXPECT_EQ(parts.attribute, c.attribute) << c.text;
    }
}

TEST(SplitDesignator, RefusesALibraryWithoutColonAndAnEmptyTextSilently) {
    DesignatorParts parts;
    EXPECT_EQ(Refusal([&] { return SplitDesignator("#^Lib#", parts); }),
              "Invalid Designator: ':' missing after library name '^Lib' [W1207]");
    SetGlobalMessage("earlier");
    EXPECT_EQ(SplitDesignator("", parts), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "earlier");
}

class DesignatorResolution : public ProjectTest {};

TEST_F(DesignatorResolution, UnqualifiedNamesReachTheMainFileOnly) {
    CWindowKav* mainWindow = project.AddWindow("Main");
    CWindowKav* libraryWindow = project.AddWindow("Main", nullptr, kWndMain, project.Lib());
    CWindowKav* onlyInLibrary = project.AddWindow("Shared", nullptr, kWndMain, project.Lib());

    EXPECT_EQ(ResolveDesignatorObject("#Main#"), mainWindow);
    EXPECT_EQ(ResolveDesignatorObject("#main:$Caption#"), mainWindow);
    EXPECT_EQ(ResolveDesignatorObject("#^Lib:Main#"), libraryWindow);
    EXPECT_EQ(ResolveDesignatorObject("^lib:shared"), onlyInLibrary);
    EXPECT_EQ(Refusal([] { return ResolveDesignatorObject("#Shared#"); }),
              "Invalid Designator: No window with name 'Shared' existing! [W0145]");
    EXPECT_EQ(Refusal([] { return ResolveDesignatorObject("#^Nope:Main#"); }),
              "Invalid Designator: library 'Nope' is not existing! [W1208]");
    EXPECT_EQ(Refusal([] { return ResolveDesignatorObject("#Foo#"); }),
              "Invalid Designator: No window with name 'Foo' existing! [W0145]");
}

TEST_F(DesignatorResolution, AttributesTasksAndDataSets) {
    CAttributeKav* counter = project.AddAttribute("Counter");
    CTaskKav* order = project.AddTask("Order");
    CDataSet* customer = project.AddDataSet("Customer");
    CDataSet* libraryCustomer = project.AddDataSet("Customer", project.Lib());

    EXPECT_EQ(ResolveDesignatorObject("#:counter#"), counter);
    EXPECT_EQ(ResolveDesignatorObject("#@Order:Amount#"), order);
    EXPECT_EQ(ResolveDesignatorObject("#~Customer:Age#"), customer);
    EXPECT_EQ(ResolveDesignatorObject("#^Lib:~Customer:Age#"), libraryCustomer);
    EXPECT_EQ(Refusal([] { return ResolveDesignatorObject("#:Missing#"); }),
              "Invalid Designator: No attribute with name 'Missing' existing! [W0749]");
    EXPECT_EQ(Refusal([] { return ResolveDesignatorObject("#@Nobody:x#"); }),
              "Invalid Designator: No task with name 'Nobody' existing! [W0750]");
    EXPECT_EQ(Refusal([] { return ResolveDesignatorObject("#~Nothing:x#"); }),
              "Invalid Designator: No data set with name 'Nothing' existing! [W0430]");
}

TEST(DesignatorResolutionWithoutProject, NamesNothing) {
    EXPECT_EQ(Refusal([] { return ResolveDesignatorObject("#Main#"); }),
              "Invalid Designator: No window with name 'Main' existing! [W0145]");
    EXPECT_EQ(Refusal([] { return ResolveDesignatorObject("#^Lib:Main#"); }),
              "Invalid Designator: library 'Lib' is not existing! [W1208]");
}

class CheckDesignatorTest : public ProjectTest {
protected:
    // "type/action", or the message of a refusal.
    std::string Check(const std::string& designator, const CConditionContext& context = kProject) {
        ClearGlobalMessage();
        int type = -7;
        std::string action = "unchanged";
        const int result = CheckDesignator(context, designator, type, action);
        if (result != 1) return std::to_string(result) + " " + GetGlobalMessageBuffer();
        return std::to_string(type) + "/" + action;
    }
};

TEST_F(CheckDesignatorTest, TypesAndActionsOfWhatDesignatorsName) {
    CWindowKav* main = project.AddWindow("Main");
    project.AddWindow("Name", main, kWndInputField);
    project.AddWindow("Radios", main, kWndGroupBox);
    project.AddWindow("Check", main, kWndCheckBox);
    project.AddWindow("List", main, kWndListBox);
    project.AddWindow("Rows", main, kWndListView);
    project.AddWindow("Table1", main, kWndTable);
    project.AddWindow("Menu", main, kWndMenu);
    main->GetAttributes().Add(new CAttributeKav("Owner", kTypeString, "me"));
    project.AddAttribute("Counter");
    CTaskKav* order = project.AddTask("Order");
    order->GetParameters().Add(new CAttributeKav("Amount", kTypeNum, "3"));
    CDataSet* customer = project.AddDataSet("Customer");
    customer->GetFields().Add(new CDataField("Born", kTypeDate));
    customer->GetAttributes().Add(new CAttributeKav("Discount", kTypeNum, ""));
    customer->GetEffects().Add(new CDataEffect("Senior", customer));

    const std::pair<std::string, std::string> cases[] = {
        {"activewnd", "3/OpenWindow"},
        {"#ActiveWnd#", "3/OpenWindow"},
        {"#Name#", "7/SetInputField"},
        {"#Radios#", "9/SetRadioGroup"},
        {"#Check#", "10/SetCheckBox"},
        {"#List:$3#", "12/SetListBox"},
        {"#List:$LAST#", "12/SetListBox"},
        {"#Rows:$2#", "13/SetListView"},
        {"#Table1:$1,3#", "15/SetTableCell"},
        {"#Main:$Caption#", "4/SetAttribute"},
        {"#Main:$ENABLED#", "3/SetAttribute"},
        {"#Menu:$Caption#", "4/SetAttribute"},
        {"#Main:owner#", "4/SetAttribute"},
        {"#:Counter#", "2/SetAttribute"},
        {"#@Order:amount#", "2/SetAttribute"},
        {"#~Customer:$ID#", "4/SetAttribute"},
        {"#~Customer:$valid#", "3/SetAttribute"},
        {"#~Customer:@Discount#", "2/SetAttribute"},
        {"#~Customer:~senior#", "3/SetAttribute"},
        {"#~Customer:Born#", "14/SetAttribute"},
        {"#Table1:$1#", "0 Invalid Designator: unknown window property $1! [W0200]"},
        {"#List#", "0 Invalid Designator: row number has to be specified when accessing a list (e.g., #List:$3#)! "
                   "[W0176]"},
        {"#Main:Nobody#", "0 Invalid Designator: Attribute Nobody not found! [W0201]"},
        {"#@Order:Count#", "0 Invalid Designator: Task 'Order' doesn't have a parameter 'Count'! [W0751]"},
        {"#~Customer:$name#", "0 Invalid Designator: unknown data set property $name! [W0029]"},
        {"#~Customer:@Rate#", "0 Invalid Designator: Data set 'Customer' doesn't have an effect variable 'Rate'! "
                              "[W0978]"},
        {"#~Customer:~Junior#", "0 Invalid Designator: Data set 'Customer' doesn't have an effect 'Junior'! [W0979]"},
        {"#~Customer:Age#", "0 Invalid Designator: Data set 'Customer' doesn't have a field 'Age'! [W0431]"},
        {"#Ghost#", "0 Invalid Designator: No window with name 'Ghost' existing! [W0145]"},
        {"#^Lib#", "0 Invalid Designator: ':' missing after library name '^Lib' [W1207]"},
    };
    for (const auto& [designator, expected] : cases) EXPECT_EQ(Check(designator), expected) << designator;
}

TEST_F(CheckDesignatorTest, EffectConditionsNameNumericFieldsOfTheirDataSet) {
    CDataSet* set = project.AddDataSet("Set");
    set->GetFields().Add(new CDataField("Amount", kTypeNum));
    set->GetFields().Add(new CDataField("Label", kTypeString));
    const CConditionContext effect = InitConditionContext(kEffectConditionMode, set);

    EXPECT_EQ(Check("#amount#", effect), "2/SetAttribute");
    EXPECT_EQ(Check("Label", effect), "0 Only numeric fields are allowed in effect conditions! [W0973]");
    EXPECT_EQ(Check("ActiveWnd", effect), "3/OpenWindow");
    EXPECT_EQ(Check("~Set:Amount", effect),
              "0 Invalid Designator: Data set 'Set' doesn't have a field '~Set:Amount'.\nPlease use the syntax "
              "#Fieldname#! [W0972]");
    EXPECT_EQ(Check("Price", effect),
              "0 Invalid Designator: Data set 'Set' doesn't have a field 'Price'.\nPlease use the syntax "
              "#Fieldname#! [W0972]");
    EXPECT_EQ(Check("Amount", InitConditionContext(kEffectConditionMode, nullptr)),
              "-1 Fatal Error: Data set missing while checking effect condition! [F0098]");
}

TEST(ListAndTableDesignators, RowsAndCellsAreReadAsNumbers) {
    std::string row, column;
    const std::pair<std::string, std::string> rows[] = {{"$007", "7"}, {"$3x", "3"}, {"$ -2", "-2"}, {"$+4", "4"}};
    for (const auto& [text, expected] : rows) {
        ASSERT_EQ(ParseListRowDesignator(text, row), 1) << text;
        EXPECT_EQ(row, expected);
    }
    for (const char* text : {"x", "$", "$last", "3", "$ x"})
        EXPECT_EQ(Refusal([&] { return ParseListRowDesignator(text, row); }), "Invalid syntax in posInWnd! [W0275]")
            << text;

    ASSERT_EQ(ParseTableCellDesignator("$1, 03", row, column), 1);
    EXPECT_EQ(row, "1");
    EXPECT_EQ(column, "3");
    for (const char* text : {"$3", "$1,", "$1;3", "$1 ,3", ",1,3"})
        EXPECT_EQ(Refusal([&] { return ParseTableCellDesignator(text, row, column); }),
                  "Invalid syntax in posInWnd! [W0276]")
            << text;
}

TEST(AttributeCatalogue, OffersTheCommonAndTheTypesOwnProperties) {
    auto names = [](int type) {
        std::string joined;
        for (const CAttributeKav* a : BuildAttributeCatalogue(type))
            joined += a->GetName() + "(" + std::to_string(a->GetType()) + a->GetValue() + ") ";
        return joined;
    };
    EXPECT_EQ(names(kWndPushButton),
              "$Exist(3) $Caption(4) $Enabled(3) $Tag(4) $Visible(3) $DefaultButton(3) $Group(3) $Tabstop(3) ");
    EXPECT_EQ(names(kWndMenu), "");
    EXPECT_EQ(names(kWndMenuItem), "$Exist(3) $Caption(4) $Enabled(3) $Tag(4) $Separator(3) $Checked(3) $Popup(3) ");
    EXPECT_EQ(names(kWndDialogBox), "$Exist(3) $Caption(4) $Enabled(3) $Tag(4) $Visible(3) $Style(4) $Titlebar(3) "
                                    "$SystemMenu(3) $SystemModal(3) $Control(3) $ControlParent(3) ");
    EXPECT_EQ(names(kWndListView), "$Exist(3) $Caption(4) $Enabled(3) $Tag(4) $Visible(3) $SingleSelection(3) "
                                   "$Sort(4) $Group(3) $Tabstop(3) ");
    EXPECT_EQ(names(kWndLink), "$Exist(3) $Caption(4) $Enabled(3) $Tag(4) $Visible(3) $URL(4) ");
}

}  // namespace
