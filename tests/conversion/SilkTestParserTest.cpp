// The SilkTest event parser: 4Test statements of each event on the identifiers of the
// declarations, key groups, string literals, and the windows SilkTest cannot address.
#include <gtest/gtest.h>

#include "ToolParserFixture.h"
#include "conversion/silktest/QapEventParser.h"
#include "model/Win32Styles.h"

namespace {

constexpr int kJava = 996;

class SilkTestParserTest : public ToolParserTest<CQapEventParser> {
protected:
    void SetUp() override {
        login_ = Add("Login", nullptr, {.type = kWndDialogBox, .style = win32::WS_CAPTION});
        for (const auto& [name, type] : std::vector<std::pair<std::string, int>>{
                 {"OK", kWndPushButton}, {"Name", kWndInputField}, {"Items", kWndListBox}, {"View", kWndListView},
                 {"Tree", kWndTreeControl}, {"Grid", kWndTable}, {"Tools", kWndToolBar}, {"Tabs", kWndTabControl},
                 {"Box", kWndCheckBox}, {"Static", kWndStaticText}})
            Add(name, login_, {.type = type});
        Add("Combo", login_, {.type = kWndComboBox, .style = 1});
        Add("TriBox", login_, {.type = kWndCheckBox, .style = win32::BS_AUTO3STATE});
        Add("Group", login_, {.type = kWndGroupBox, .rect = {0, 0, 100, 100}});
        Add("Red", login_, {.type = kWndRadioButton, .rect = {10, 10, 50, 20}, .caption = "Red"});
        CWindowKav* menu = Add("Menu", login_, {.type = kWndMenu});
        Add("FileOpen", menu, {.type = kWndMenuItem});
        Add("Line", menu, {.type = kWndMenuItem, .style = win32::MF_SEPARATOR});
        Add("JavaTree", login_, {.type = kWndTreeControl, .guiId = kJava});
    }

    CWindowKav* login_ = nullptr;
};

TEST_F(SilkTestParserTest, EachEventBecomesOneStatementOnTheDeclaredIdentifier) {
    ExpectStatements({
        {"OK", "Click(L)", "Login.OK.Click(1, 1, 1)"},
        {"OK", "Click(R, 2, 5, 7)", "Login.OK.DoubleClick(2, 5, 7)"},
        {"Grid", "Click(2, 3, R, 2)", "Login.Grid.ClickCell({2,3}, 2, 0, 0, 2)"},
        {"FileOpen", "Click", "Login.FileOpen.Pick()"},
        {"Name", "Type(\"<ctrl>-<shift>-s\")", "Login.Name.TypeKeys(\"<Ctrl-Shift-s>\")"},
        {"Name", "Input(\"say \\\"hi\\\"\")", "Login.Name.SetText(\"say \"\"hi\"\"\")"},
        {"Grid", "Input(1, 2, \"x\")", "Login.Grid.SetCellValue({1,2}, \"x\")"},
        {"Items", "Select(last)", "Login.Items.Select(Login.Items.GetItemCount())"},
        {"Items", "Select(3, 2)", "Login.Items.DoubleSelect(3)"},
        {"View", "Select(\"row\")", "Login.View.Select(\"row\")"},
        {"Combo", "Select(\"x\", 2)", "Login.Combo.Select(\"x\")"},
        {"Group", "Select(\"Red\")", "Login.Group.Select(\"Red\")"},
        {"Tabs", "Select(\"Page \\\"1\\\"\")", "Login.Tabs.Select(\"Page \"\"1\"\"\")"},
        {"Tree", "Select(\"a|b/c\")", "Login.Tree.Select(\"a/b?c\")"},
        {"Tree", "Expand(\"a|b\", 0)", "Login.Tree.Collapse(\"a/b\")"},
        {"JavaTree", "Expand(\"a|b|c\", 1)",
         "Login.JavaTree.Expand(\"a\")\n\t[ ] Login.JavaTree.Expand(\"a/b\")\n\t[ ] Login.JavaTree.Expand(\"a/b/c\")"},
        {"JavaTree", "Select(\"a|b\")", "Login.JavaTree.Expand(\"a\")\n\t[ ] Login.JavaTree.Select(\"a/b\")"},
        {"Box", "Check(TRUE)", "Login.Box.Check()"},
        {"Box", "Check(false)", "Login.Box.Uncheck()"},
        {"Login", "Position(Maximize)", "Login.Maximize()"},
        {"Login", "Position(Resize, 10, 20)", "Login.Size(10, 20)"},
        {"Login", "Position(Move, 1, 2)", "Login.Move(1, 2)"},
        {"Login", "Scroll(V, 3)", "// Scrolling is done automatically in SilkTest"},
        {"Login", "Close", "Login.Close()"},
        {"OK", "Wait(2500, enabled, \"x\")", "WaitForObjectProperty(Login.OK, 2.500, \"Text\", \"x\")"},
        {"Name", "Wait(100, Value, \"a\\\"b\")", "WaitForObjectProperty(Login.Name, 0.100, \"Value\", \"a\"\"b\")"},
        {"Name", "Verify(Enabled, TRUE)", "Login.Name.VerifyEnabled(TRUE)"},
        {"Name", "Verify(Caption, \"Hi\")", "Verify(Login.Name.GetCaption(), \"Hi\")"},
        {"Name", "Verify(Focus)", "Login.Name.VerifyFocus()"},
        {"Items", "Verify(Selection, \"a\")", "Login.Items.VerifyValue(\"a\")"},
        {"Name", "Verify(Value, \"v\")", "Login.Name.VerifyValue(\"v\")"},
        {"Box", "Verify(Value, TRUE)", "Login.Box.VerifyValue(TRUE)"},
        {"Combo", "Verify(Value, \"t\")", "Login.Combo.VerifyText(\"t\")"},
        {"Items", "Verify(Value, last, \"z\")", "Verify(Login.Items.GetItemText(Login.Items.GetItemCount()), \"z\")"},
        {"View", "Verify(Value, 2, \"z\")", "Verify(Login.View.GetItemText(2), \"z\")"},
        {"Grid", "Verify(Value, 1, 2, \"c\")", "Login.Grid.VerifyCellValue({1,2}, \"c\")"},
        {"Name", "Verify(Exists)", ""},
        {"Static", "Verify(Value, \"s\")", "[W0637]"},
        // What SilkTest cannot do.
        {"Tools", "Click(1)", "[W0667]"},
        {"TriBox", "Check(UNDETERMINED)", "[W0465]"},
        {"TriBox", "Verify(Value, UNDETERMINED)", "[W0466]"},
        {"Items", "Check(1, TRUE)", "[W0027]"},
        {"Red", "Click", "[W0283]"},
        {"Name", "Type(\"<ctrl>-\")", "[W0594]"},
    });
}

TEST_F(SilkTestParserTest, KeysAreWrittenInGroupsJoinedByMinus) {
    ExpectKeySequences({
        {"\"abc\"", "<a><b><c>"},
        {"<ctrl>-<shift>-s", "<Ctrl-Shift-s>"},
        {"<ctrl>a", "<Ctrl><a>"},
        {"a-b", "<a-b>"},
        {"\\-", "<Minus>"},
        {"<ctrl>-\\<", "<Ctrl-Less>"},
        {"a>\\\"", "<a><Greater><\"\">"},
        {"<ENTER><#7><#/><altgr>-q", "<Enter><#7><#Divide><RightAlt-q>"},
        // The Windows keys type nothing, also inside a combination.
        {"<win>-a", "<a>"},
        {"x<win>-a", "<x><a>"},
        {"a-<menu>", "<a>"},
        {"<winl>", ""},
        {"<ctrl>-", "[W0594]"},
        {"-a", "[W0592]"},
        {"<ctrl", "[W0593]"},
        {"<a<b>>", "[W0591]"},
        {"<numpad>", "[W0362]"},
    });
}

TEST_F(SilkTestParserTest, StringLiteralsDoubleQuotesAndTreesUseSlashBetweenLevels) {
    const struct {
        const char* window;
        const char* value;
        const char* expected;
    } cases[] = {
        {"Name", "\"a|b/c\"", "a|b/c"},
        {"Name", "\"x \\\\ \\q \"\"", "x \\ q \"\""},
        {"Tree", "\"a|b/c\"", "a/b?c"},
        {"Tree", "\"a\\|b\\/c\"", "a|b?c"},
    };
    for (const auto& [window, value, expected] : cases)
        EXPECT_EQ(parser_.TranslateValue(windows_.at(window), value), expected) << value;
}

TEST_F(SilkTestParserTest, UnsupportedWindowsAreAddressedThroughTheWindowAbove) {
    CWindowKav* javaGroup = Add("JGroup", login_, {.type = kWndGroupBox, .guiId = kJava});
    CWindowKav* javaRadioGroup = Add("JRadios", login_, {.type = kWndGroupBox, .guiId = kJava});
    Add("JRadio", javaRadioGroup, {.type = kWndRadioButton, .guiId = kJava});
    CWindowKav* panel = Add("Panel", login_, {.type = kWndCustom, .guiId = kJava, .className = "javax.swing.JPanel"});
    CWindowKav* inPanel = Add("InPanel", panel, {.type = kWndPushButton, .guiId = kJava});
    CWindowKav* plainPanel = Add("Plain", login_, {.type = kWndCustom, .className = "JPanel"});
    CWindowKav* sub = Add("Sub", login_, {.type = kWndDialogBox, .style = win32::WS_CAPTION});
    CWindowKav* pane = Add("Pane", sub, {.type = kWndChild});
    CWindowKav* deep = Add("Deep", pane, {.type = kWndPushButton});

    const std::pair<CWindowKav*, bool> unsupported[] = {
        {windows_["Red"], true}, {windows_["Menu"], true}, {windows_["Line"], true}, {windows_["FileOpen"], false},
        {javaGroup, true},       {javaRadioGroup, false},  {panel, true},          {plainPanel, false},
        {windows_["Group"], false},
    };
    for (const auto& [window, expected] : unsupported) {
        EXPECT_EQ(parser_.IsWindowUnsupported(window, 1), expected) << window->GetName();
        EXPECT_EQ(parser_.IsTagOptional(window, 1), expected) << window->GetName();
    }

    const std::pair<CWindowKav*, const char*> identifiers[] = {
        {login_, "Login"}, {sub, "Sub"}, {deep, "Sub.Deep"}, {pane, "Sub.Pane"},
        {windows_["Red"], "Login"}, {inPanel, "Login.InPanel"}, {panel, "Login"}, {nullptr, ""},
    };
    for (const auto& [window, expected] : identifiers)
        EXPECT_EQ(parser_.GetWindowIdentifier(window), expected) << (window ? window->GetName() : "none");
}

}  // namespace
