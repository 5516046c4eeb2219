#include <gtest/gtest.h>

#include "conditions/Designator.h"
#include "conditions/DesignatorValues.h"
#include "conditions/ValueTypes.h"
#include "conditions/WindowProperties.h"
#include "platform/MessageBuffer.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/WindowBuilder.h"

namespace {

using namespace win32;

// One window of every kind that has something to show, with style bits set.
class WindowPropertiesTest : public ProjectTest {
protected:
    void SetUp() override {
        CWindowKav* main = Add("Main", kWndMain, nullptr, WS_VISIBLE | WS_CAPTION, "Title");
        main->SetTag("t1");
        Add("Child", kWndChild, main, WS_SYSMENU);
        Add("Dlg", kWndDialogBox, main, WS_POPUP | WS_CHILD | DS_SYSMODAL);
        Add("Dlg2", kWndDialogBox, main, WS_CHILD | DS_CONTROL)->SetExStyle(WS_EX_CONTROLPARENT);
        Add("Menu", kWndMenu, main);
        Add("Label", kWndStaticText, main, WS_GROUP);
        As<CInputFieldKav>(Add("Name", kWndInputField, main, ES_READONLY | WS_DISABLED)).SetInitialValue("Bob");
        As<CGroupBoxKav>(Add("Radios", kWndGroupBox, main)).SetInitialValue("Left");
        Add("Ok", kWndPushButton, main, BS_DEFPUSHBUTTON | WS_TABSTOP);
        Add("Check", kWndCheckBox, main);
        Add("Radio", kWndRadioButton, main, BS_AUTORADIOBUTTON);
        As<CComboBoxKav>(Add("Combo", kWndComboBox, main, CBS_DROPDOWNLIST | CBS_SORT)).SetInitialValue("12");
        Add("List", kWndListBox, main, LBS_EXTENDEDSEL);
        Add("Silent", kWndListBox, main, LBS_NOSEL);
        auto& tabs = As<CTabControlKav>(Add("Tabs", kWndTabControl, main, TCS_FOCUSNEVER | TCS_FOCUSONBUTTONDOWN));
        tabs.SetSelectedPageTitle("Page 2");
        Add("Tools", kWndToolBar, main);
        Add("Rows", kWndListView, main, LVS_SORTDESCENDING | LVS_SINGLESEL);
        Add("Head", kWndHeader, main);
        Add("Tree", kWndTreeControl, main, TVS_EDITLABELS);
        Add("Table1", kWndTable, main);
        As<CLinkKav>(Add("Home", kWndLink, main)).SetInitialValue("https://example.org");
        Add("Logo", kWndImage, main, WS_GROUP | WS_TABSTOP);
        CWindowKav* menu = project.App().GetWindowList().FindByName("Menu", nullptr);
        CWindowKav* item = project.AddWindow("Item", nullptr, kWndMenuItem);
        item->SetStyle(MF_CHECKED | MF_GRAYED);
        menu->AddChild(item);
    }

    CWindowKav* Add(const std::string& name, int type, CWindowKav* parent, std::uint32_t style = 0,
                    const std::string& caption = {}) {
        if (type == kWndCheckBox) {
            // The check value is fixed when the box is made.
            auto* box = new CCheckBoxKav({.id = name, .style = BS_AUTO3STATE}, 2);
            box->SetFile(project.Main());
            project.App().GetWindowList().Add(box);
            parent->AddChild(box);
            return box;
        }
        return AddControl(project, name, type, parent, {}, caption, style);
    }

    // "type:value", or the message of a refusal.
    static std::string Value(const std::string& designator) {
        ClearGlobalMessage();
        std::string value = "unchanged";
        int type = -7;
        if (GetDesignatorValue(InitConditionContext(), designator, value, type) != 1)
            return "refused " + GetGlobalMessageBuffer();
        return std::to_string(type) + ":" + value;
    }
    static std::string Check(const std::string& designator) {
        ClearGlobalMessage();
        int type = -7;
        std::string action;
        if (CheckDesignator(InitConditionContext(), designator, type, action) != 1)
            return "refused " + GetGlobalMessageBuffer();
        return std::to_string(type) + "/" + action;
    }
};

TEST_F(WindowPropertiesTest, CurrentValuesComeFromTheModel) {
    const std::pair<std::string, std::string> cases[] = {
        {"Main:$Exist", "3:FALSE"},
        {"Main:$caption", "4:Title"},
        {"Main:$Visible", "3:TRUE"},
        {"Main:$Enabled", "3:TRUE"},
        {"Main:$Tag", "4:t1"},
        {"Main:$Titlebar", "3:TRUE"},
        {"Main:$SystemMenu", "3:FALSE"},
        {"Child:$SystemMenu", "3:TRUE"},
        {"Dlg:$Style", "4:Popup"},
        {"Dlg2:$Style", "4:Child"},
        {"Child:$Visible", "3:FALSE"},
        {"Dlg:$SystemModal", "3:TRUE"},
        {"Dlg2:$Control", "3:TRUE"},
        {"Dlg2:$ControlParent", "3:TRUE"},
        {"Dlg:$ControlParent", "3:FALSE"},
        {"Menu:$Caption", "4:"},
        {"Label:$Group", "3:TRUE"},
        {"Name", "7:Bob"},
        {"Name:$Enabled", "3:FALSE"},
        {"Name:$ReadOnly", "3:TRUE"},
        {"Name:$Multiline", "3:FALSE"},
        {"Radios", "9:Left"},
        {"Ok:$DefaultButton", "3:TRUE"},
        {"Ok:$Tabstop", "3:TRUE"},
        {"Check", "10:UNDETERMINED"},
        {"Check:$Auto", "3:TRUE"},
        {"Check:$TriState", "3:TRUE"},
        {"Radio:$Auto", "3:TRUE"},
        {"Combo", "8:12"},
        {"Combo:$BoxType", "4:Droplist"},
        {"Combo:$Sort", "3:TRUE"},
        {"List:$3", "12:"},
        {"List:$last", "12:"},
        {"List:$Selection", "4:Extended"},
        {"Tabs", "11:Page 2"},
        {"Tabs:$Focus", "4:Never"},
        {"Rows:$1", "12:"},
        {"Rows:$Sort", "4:Descending"},
        {"Rows:$SingleSelection", "3:TRUE"},
        {"Tree:$EditLabels", "3:TRUE"},
        {"Tree:$HasButtons", "3:FALSE"},
        {"Table1:$2,5", "15:"},
        {"Home:$URL", "4:https://example.org"},
        {"Logo:$Group", "3:TRUE"},
        {"Item:$Visible", "3:TRUE"},
        {"Item:$Enabled", "3:FALSE"},
        {"Item:$Checked", "3:TRUE"},
        {"Item:$Popup", "3:FALSE"},
    };
    for (const auto& [designator, expected] : cases) EXPECT_EQ(Value(designator), expected) << designator;
}

TEST_F(WindowPropertiesTest, WindowsWithoutValueAndUnknownProperties) {
    struct Case {
        std::string designator, check, value;
    };
    const Case cases[] = {
        {"Main", "main windows do not have a value! [W0149]", "main windows do not have a value! [W0150]"},
        {"Child", "child windows do not have a value! [W0153]", "child windows do not have a value! [W0151]"},
        {"Dlg", "dialog boxes do not have a value! [W0158]", "dialog boxes do not have a value! [W0159]"},
        {"Menu", "menus do not have a value! [W0192]", "menus do not have a value! [W0193]"},
        {"Label", "static text fields do not have a value! [W0162]", "static text fields do not have a value! [W0160]"},
        {"Ok", "push buttons do not have a value! [W0168]", "push buttons do not have a value! [W0169]"},
        {"Radio", "radio buttons do not have a value. Use the value of the group box instead! [W0171]",
         "radio buttons do not have a value. Use the value of the group box instead! [W0172]"},
        {"List", "row number has to be specified when accessing a list (e.g., #List:$3#)! [W0176]",
         "row number has to be specified when accessing a list (e.g., #List:$3#)! [W0178]"},
        {"Rows", "row number has to be specified when accessing a list (e.g., #List:$3#)! [W0177]",
         "row number has to be specified when accessing a list (e.g., #List:$3#)! [W0179]"},
        {"Tools", "toolbars do not have a value! [W0187]", "toolbars do not have a value! [W0188]"},
        {"Head", "headers do not have a value! [W0182]", "headers do not have a value! [W0180]"},
        {"Item", "menu items do not have a value! [W0196]", "menu items do not have a value! [W0197]"},
        {"Tree", "tree controls do not have a value! [W0183]", "tree controls do not have a value! [W0184]"},
        {"Table1", "row and column have to be specified when accessing a table (e.g., #Table1:$1,3#)! [W0191]",
         "row and column have to be specified when accessing a table (e.g., #Table1:$1,3#)! [W0189]"},
        {"Home", "links do not have a value! [W0730]", "links do not have a value! [W0731]"},
        {"Logo", "images do not have a value! [W0865]", "images do not have a value! [W0866]"},
        {"Dlg:$Group", "unknown window property $Group! [W0200]", "unknown window property $Group! [W0198]"},
        {"Item:$Foo", "unknown window property $Foo! [W0200]", "unknown window property $Foo! [W0198]"},
        {"Table1:$1", "unknown window property $1! [W0200]", "unknown window property $1! [W0198]"},
        {"Home:$Group", "unknown window property $Group! [W0200]", "unknown window property $Group! [W0198]"},
        {"Name:$", "unknown window property $! [W0200]", "unknown window property $! [W0198]"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Check(c.designator), "refused Invalid Designator: " + c.check) << c.designator;
        EXPECT_EQ(Value(c.designator), "refused Invalid Designator: " + c.value) << c.designator;
    }
}

TEST_F(WindowPropertiesTest, AListBoxWithoutSelectionHasNoSelectionText) {
    EXPECT_EQ(Check("Silent:$Selection"), "4/SetAttribute");
    SetGlobalMessage("earlier");
    std::string value;
    int type = 0;
    EXPECT_EQ(GetDesignatorValue(InitConditionContext(), "Silent:$Selection", value, type), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "earlier");
}

TEST_F(WindowPropertiesTest, ListViewRowsAreCheckedAsListViewRowsButReadAsListBoxRows) {
    EXPECT_EQ(Check("Rows:$last"), "13/SetListView");
    EXPECT_EQ(Value("Rows:$last"), "12:");
    EXPECT_EQ(Check("Table1:$1,3"), "15/SetTableCell");
}

TEST(WindowPropertiesOfUnknownTypes, OnlyTheCommonPropertiesAreKnown) {
    TestProject project;
    auto* odd = new CTypedWindowKav<kWindowTypeCount>({.id = "Odd", .caption = "odd"});
    odd->SetFile(project.Main());
    project.App().GetWindowList().Add(odd);
    std::string value;
    int type = 0;
    std::string action;
    ASSERT_EQ(GetDesignatorValue(InitConditionContext(), "Odd:$Caption", value, type), 1);
    EXPECT_EQ(value, "odd");
    EXPECT_EQ(CheckDesignator(InitConditionContext(), "Odd", type, action), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Fatal Error: Unknown window type! [F0018]");
    EXPECT_EQ(GetDesignatorValue(InitConditionContext(), "Odd:$Group", value, type), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Fatal Error: Unknown window type! [F0019]");
    EXPECT_EQ(BuildAttributeCatalogue(kWindowTypeCount).size(), 5u);
}

}  // namespace
