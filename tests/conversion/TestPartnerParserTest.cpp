// The TestPartner event parser: one Visual Basic statement per event on the window's class and
// attach name, keys pressed together, string literals, tree paths and TestPartner's classes.
#include <gtest/gtest.h>

#include "ToolParserFixture.h"
#include "conversion/testpartner/TestPartnerEventParser.h"
#include "model/Win32Styles.h"

namespace {

constexpr int kWeb = 995;
constexpr int kJava = 996;
constexpr int kUsLayout = 1;

// Every window's tag is its name, so that statements show which window they address.
class TestPartnerParserTest : public ToolParserTest<CTestPartnerEventParser> {
protected:
    void SetUp() override {
        parser_.FillKeyTable(kUsLayout);
        login_ = Add("Login", nullptr, {.type = kWndDialogBox, .style = win32::WS_CAPTION});
        const std::pair<const char*, int> controls[] = {
            {"OK", kWndPushButton}, {"Name", kWndInputField}, {"Items", kWndListBox}, {"View", kWndListView},
            {"Tree", kWndTreeControl}, {"Sheet", kWndTable}, {"Tools", kWndToolBar}, {"Tabs", kWndTabControl},
            {"Box", kWndCheckBox}, {"Link", kWndLink}};
        for (const auto& [name, type] : controls) Add(name, login_, {.type = type});
        Add("Grid", login_, {.type = kWndTable, .guiId = kJava});
        Add("Combo", login_, {.type = kWndComboBox, .style = win32::CBS_DROPDOWN});
        Add("Group", login_, {.type = kWndGroupBox, .rect = {0, 0, 100, 100}});
        Add("Red", login_, {.type = kWndRadioButton, .rect = {10, 10, 50, 20}, .caption = "Red"});
        CWindowKav* map = Add("Map", login_, {.type = kWndImage, .guiId = kWeb});
        Add("Area", map, {.type = kWndLink, .guiId = kWeb, .className = "html_area"});
        Add("WebBox", login_, {.type = kWndCheckBox, .guiId = kWeb});
        CWindowKav* menu = Add("Menu", login_, {.type = kWndMenu});
        CWindowKav* file = Add("File", menu, {.type = kWndMenuItem, .caption = "File", .style = win32::MF_POPUP});
        Add("FileOpen", file, {.type = kWndMenuItem, .caption = "Open"});
        Add("Recent", file, {.type = kWndMenuItem, .numId = 1234});
        Add("Line", file, {.type = kWndMenuItem, .style = win32::MF_SEPARATOR});
        CWindowKav* javaMenu = Add("JMenu", login_, {.type = kWndMenu, .guiId = kJava});
        CWindowKav* javaFile = Add("JFile", javaMenu, {.type = kWndMenuItem, .caption = "Edit", .guiId = kJava});
        Add("JCopy", javaFile, {.type = kWndMenuItem, .caption = "Copy", .guiId = kJava});
        for (auto& [name, window] : windows_) window->SetTag(name);
        windows_["FileOpen"]->SetTag("\"File~Open\"");
        windows_["Recent"]->SetTag("1234");
    }

    CWindowKav* login_ = nullptr;
};

std::string UserCheck(const std::string& name, const std::string& condition) {
    return "UserCheck \"" + name + "\", " + condition + ", \"\"";
}

TEST_F(TestPartnerParserTest, ActionsBecomeOneStatementOnTheClassAndAttachName) {
    ExpectStatements({
        {"OK", "Click", "Button(\"OK\").Click"},
        {"OK", "Click(R)", "Button(\"OK\").Click 1, 1, tpMouseRight Or tpMouseSingleClick"},
        {"OK", "Click(L, 2, 5, 7)", "Button(\"OK\").Click 5, 7, tpMouseLeft Or tpMouseDoubleClick"},
        // A window with a title bar is the attached window itself.
        {"Login", "Click", "Window.Click 1, 1"},
        {"Login", "Click(R, 2)", "Window.Click 1, 1, tpMouseRight Or tpMouseDoubleClick"},
        {"Tools", "Click(3, R)", "ToolBar(\"Tools\").SelectIndex 3, tpMouseRight Or tpMouseSingleClick"},
        {"FileOpen", "Click", "Window.MenuSelect \"File~Open\""},
        {"JCopy", "Click", "JavaMenu(\"Caption='Edit'\").Select JCopy"},
        {"Grid", "Click(2, 3)", "JavaTable(\"Grid\").SelectIndex 2, 3"},
        // An area is clicked in its image.
        {"Area", "Click", "HTMLImage(\"Map\").Click 1, 1, tpMouseLeft Or tpMouseSingleClick"},
        {"Link", "Click", "SysLink(\"Link\").Click"},
        {"Box", "Check(TRUE)", "SetCheckBoxState \"Box\", 1"},
        {"FileOpen", "Check(FALSE)", "SetMenuItemCheckByPath \"File~Open\", False"},
        {"Recent", "Check(TRUE)", "SetMenuItemCheckByID 1234, True"},
        {"Items", "Check(last, TRUE)", "ListBox(\"Items\").SelectIndex ListBox(\"Items\").Count"},
        {"Items", "Check(\"a\", FALSE)", "ListBox(\"Items\").Select \"a\""},
        {"View", "Check(2, TRUE)", "ListView(\"View\").SetCheckIndex 2, tpChecked"},
        {"View", "Check(last, FALSE)", "ListView(\"View\").SetCheckIndex ListView(\"View\").Count, tpUnChecked"},
        {"View", "Check(\"row\", FALSE)", "ListView(\"View\").SetCheck \"row\", tpUnChecked"},
        {"Tree", "Check(\"a|b\", TRUE)", "TreeView(\"Tree\").SelectItem \"\\a\\b\", , tpTreeIcon"},
        {"Name", "Type(\"<ctrl>-a\")", "Window.Type \"{Ctrl a}\""},
        // A typed quote is doubled in the string literal.
        {"Name", "Type(\"say \\\"hi\\\"\")", "Window.Type \"say \"\"hi\"\"\""},
        {"Name", "Input(\"a \\\"b\\\"\")", "EditBox(\"Name\").SetText \"a \"\"b\"\"\""},
        {"Combo", "Input(\"x\")", "ComboBox(\"Combo\").SetText \"x\""},
        {"Sheet", "Input(1, 2, \"c\")", ""},
        {"Group", "Select(\"Red\")", "RadioButton(\"Red\").Click"},
        {"Items", "Select(last)", "ListBox(\"Items\").SelectIndex ListBox(\"Items\").Count"},
        {"Combo", "Select(\"x\", 2)", "ComboBox(\"Combo\").Select \"x\", tpMouseDoubleClick"},
        {"View", "Select(3)", "ListView(\"View\").SelectIndex 3"},
        {"Tabs", "Select(\"Page 1\")", "TabControl(\"Tabs\").Select \"Page 1\""},
        {"Tree", "Select(\"Root|Sub\", 2)", "TreeView(\"Tree\").SelectItem \"\\Root\\Sub\", tpMouseDoubleClick"},
        {"Tree", "Expand(\"a|b\", 0)", "TreeView(\"Tree\").SelectItem \"\\a\\b\", , tpTreeButton"},
        {"Login", "Position(Minimize)", "Window.Minimize"},
        {"Login", "Position(restore)", "Window.Restore"},
        {"Login", "Position(Resize, 10, 20)", "Window.Size 10, 20"},
        {"Login", "Position(Move, 1, 2)", "Window.Move 1, 2"},
        {"Items", "Scroll(H, 3)", "ListBox(\"Items\").Scroll 3, tpScrollLine Or tpScrollHorizontal"},
        {"Login", "Scroll(v, -2)", "Window(\"Login\").Scroll -2, tpScrollLine Or tpScrollVertical"},
        {"Login", "Close", "Window.Close"},
        {"OK", "Wait(1500, Enabled, TRUE)", "WaitForEnabled \"OK\", 1500"},
        {"Name", "Wait(999, Value, \"a\")", "WaitForText \"Name\", \"a\", 999"},
        {"Name", "Wait(10, caption, \"x\")", "WaitForText \"Name\", \"x\", 10"},
        // What TestPartner reaches only through another window, and what the event check refuses.
        {"Menu", "Click", "[W0283]"},
        {"Line", "Click", "[W0283]"},
        {"FileOpen", "Check(UNDETERMINED)", "Menu Items can only be checked or unchecked, but not dimmed! [W0291]"},
        {"View", "Check(last, UNDETERMINED)",
         "Error Check(View): TestPartner doesn't support Tri-State 'UNDETERMINED' on checkable ListView Item! [W1043]"},
        {"Name", "Type(\"<numpad>\")", "Unknown key name numpad! [W1037]"},
    });

    Add("Lonely", nullptr, {.type = kWndLink, .className = "HTML_AREA"});
    EXPECT_EQ(Translate("Lonely", "Click"), "HTML AREA object 'Lonely' has no parent! [W1036]");
}

// Refusals that the event check leaves to the parser, and the group box's double click.
TEST_F(TestPartnerParserTest, TheParserRefusesWhatTestPartnerCannotDo) {
    std::string out;
    const std::pair<std::string, std::string> cases[] = {
        {Refusal([&] { return parser_.TranslateCheck(windows_["FileOpen"], 2, "", 0, out); }),
         "Error Check(FileOpen): TestPartner doesn't support Tri-State 'UNDETERMINED' on checkable Menu Item! "
         "[W1042]"},
        {Refusal([&] { return parser_.TranslateCheck(windows_["OK"], 1, "", 0, out); }),
         "Error Check(OK): Check not supported for this Window-Type! [W1044]"},
        {Refusal([&] { return parser_.TranslateInput(windows_["OK"], "x", 0, 0, out); }),
         "Error Input(OK): Input not supported for this Window-Type! [W1045]"},
        {Refusal([&] { return parser_.TranslateSelect(windows_["Group"], "\"Blue\"", 1, 0, out); }),
         "Radio Button 'Blue' not found! [W1046]"},
        {Refusal([&] { return parser_.TranslateSelect(windows_["OK"], "x", 1, 0, out); }),
         "Error Select(OK): Select not supported for this Window-Type! [W1047]"},
        {Refusal([&] { return parser_.TranslateVerify(windows_["Group"], "Value", "\"Blue\"", "", "", out); }),
         "Radio Button 'Blue' not found! [W1048]"},
    };
    for (const auto& [message, expected] : cases) EXPECT_EQ(message, expected);

    ASSERT_EQ(parser_.TranslateSelect(windows_["Group"], "\"Red\"", 2, 0, out), 1);
    EXPECT_EQ(out, "RadioButton(\"Red\").Click , , tpMouseDoubleClick");

    // A wait on the caption needs an attach name without it.
    const std::pair<const char*, const char*> waits[] = {
        {"ID='5' Caption='Save it' Index=2", "WaitForText \"ID='5'  Index=2\", \"s\", 20"},
        {"Caption='Save'",
         "Cannot convert Wait-Command on Caption for Window 'OK':\nWindow has no property to be identified by "
         "except its Caption! [W1049]"},
    };
    for (const auto& [tag, expected] : waits) {
        windows_["OK"]->SetTag(tag);
        EXPECT_EQ(Translate("OK", "Wait(20, Caption, \"s\")"), expected) << tag;
    }
}

TEST_F(TestPartnerParserTest, ChecksNameTheWindowAndTheirArguments) {
    ExpectStatements({
        {"Name", "Verify(Enabled, TRUE)", UserCheck("CHECK_Name_ENABLED_TRUE", "EditBox(\"Name\").Enabled = TRUE")},
        {"Login", "Verify(Exists)", UserCheck("CHECK_Login_EXISTS", "Window(\"Login\", tpAttachNoWait).Exists")},
        {"Name", "Verify(Caption, \"a\\\"b\")",
         UserCheck("CHECK_Name_CAPTION_A\"\"B", "EditBox(\"Name\").Caption = \"a\"\"b\"")},
        {"Combo", "Verify(Caption, \"x\")",
         UserCheck("CHECK_Combo_CAPTION_X", "ComboBox(\"Combo\") = Label(\"Label='x'\")")},
        {"Name", "Verify(Focus)", UserCheck("CHECK_Name_FOCUS", "EditBox(\"Name\").Focus")},
        {"Combo", "Verify(Focus)", UserCheck("CHECK_Combo_FOCUS", "ComboBox(\"Combo\").Children.Item(1).Focus")},
        {"WebBox", "Verify(Focus)", UserCheck("CHECK_WebBox_FOCUS", "")},
        {"Items", "Verify(Selection, \"a\")",
         UserCheck("CHECK_Items_SELECTION_A", "ListBox(\"Items\").IsSelected(ListBox(\"Items\").FindItem(\"a\"))")},
        {"Name", "Verify(Value, \"v\")", UserCheck("CHECK_Name_VALUE_V", "EditBox(\"Name\").Text = \"v\"")},
        {"Group", "Verify(Value, \"Red\")", UserCheck("CHECK_Group_VALUE_RED", "RadioButton(\"Red\").Checked")},
        {"Box", "Verify(Value, undetermined)", UserCheck("CHECK_Box_VALUE_UNDETERMINED", "CheckBox(\"Box\").Checked = 2")},
        {"Combo", "Verify(Value, \"t\")", UserCheck("CHECK_Combo_VALUE_T", "ComboBox(\"Combo\").Text = \"t\"")},
        {"Combo", "Verify(Value, 2, \"t\")",
         UserCheck("CHECK_Combo_VALUE_2_T", "ComboBox(\"Combo\").GetItem(2) = \"t\"")},
        {"Items", "Verify(Value, last, \"z\")",
         UserCheck("CHECK_Items_VALUE_LAST_Z", "ListBox(\"Items\").GetItem(ListBox(\"Items\").Count) = \"z\"")},
        {"Tabs", "Verify(Value, \"p\")",
         UserCheck("CHECK_Tabs_VALUE_P", "TabControl(\"Tabs\").IsSelected(TabControl(\"Tabs\").FindItem(\"p\"))")},
        {"Grid", "Verify(Value, 1, 2, \"c\")", UserCheck("CHECK_Grid_VALUE_1_2_C", "JavaTable(\"Grid\").Select(\"c\", 2)")},
        {"Sheet", "Verify(Value, 1, 2, \"c\")",
         UserCheck("CHECK_Sheet_VALUE_1_2_C", "(\"Sheet\").GetCellText(1, 2) = \"c\"")},
    });
}

TEST_F(TestPartnerParserTest, KeysJoinedByHyphensArePressedTogether) {
    ExpectKeySequences({
        {"\"<enter>\"", "{Enter}"},
        {"<ctrl>-a", "{Ctrl a}"},
        {"<ctrl>-<shift>-<F1>", "{Ctrl {Shift {F1}}}"},
        {"a-b", "{a b}"},
        {"<ctrl>a", "{Ctrl}a"},
        // A hyphen at either end joins nothing; an escaped one is typed.
        {"-a-", "a"},
        {"a\\-b", "a-b"},
        {"<alt>- ", "{Alt {' '}}"},
        {"{x}", "{'{'}x{'}'}"},
        {"<shift>-{", "{Shift {'{'}}"},
        // A ">" outside a key name is the key itself.
        {"a>", "a>"},
        {"<#5><altgr><win>", "{NUM5}{Alt}{005b:00:2}{005b:00}"},
        {"\\<b\\\\", "<b\\"},
        {"<ctrl", "Missing '>' after key name! [W1030]"},
        {"<ct<rl>", "Missing '>' after key name! [W1029]"},
        {"<>", "Unknown key name ! [W1037]"},
    });

    // User code keeps the names that are no keys.
    std::string code = "Type <Enter> then <numpad> and <{>";
    parser_.TranslateKeyNames(code);
    EXPECT_EQ(code, "Type {Enter} then <numpad> and {'{'}");

    // A layout without a table knows characters only.
    CTestPartnerEventParser bare;
    bare.FillKeyTable(2);
    std::string out;
    EXPECT_EQ(Refusal([&] { return bare.TranslateKeySequence("<enter>", out); }), "Unknown key name enter! [W1037]");
    EXPECT_EQ(bare.TranslateKeySequence("a-b", out), 1);
    EXPECT_EQ(out, "{a b}");
}

// Every key name of the notation has a text in both layouts; they differ in the German names.
TEST_F(TestPartnerParserTest, EachLayoutKnowsEveryKeyName) {
    ExpectEveryKeyName({{0,
                         {{"numlock", "{Num}"},
                          {"#5", "{N5}"},
                          {"#home", "{Pos1}"},
                          {"backspace", "{R\u00FCcktaste}"},
                          {"ctrlr", "{RStrg}"},
                          {"altgr", "{AltGr}"},
                          {"enter", "{Eingabe}"}}},
                        {1,
                         {{"numlock", "{NumLock}"},
                          {"#5", "{NUM5}"},
                          {"#home", "{Home}"},
                          {"backspace", "{Backspace}"},
                          {"ctrlr", "{RCtrl}"},
                          {"altgr", "{Alt}"},
                          {"enter", "{Enter}"}}}},
                       "{", [](CTestPartnerEventParser& parser, int layout) { parser.FillKeyTable(layout); });
}

TEST_F(TestPartnerParserTest, ValuesTreePathsAndAttachNamesInTestPartnersNotation) {
    const std::pair<const char*, const char*> values[] = {
        {"\"a\\\"b\"", "a\"\"b"}, {"\"a\\\\b\"", "a\\b"}, {"plain", "plain"}, {"\"a\"b\"", "a\"\"b"}, {"\"x\\\"", "x"},
    };
    for (const auto& [value, expected] : values) EXPECT_EQ(parser_.TranslateValue(login_, value), expected) << value;

    const std::pair<const char*, const char*> paths[] = {
        {"a|b\\|c", "\\a\\b\\|c"}, {"|a", "\\|a"}, {"a||b", "\\a\\\\b"}, {"", "\\"},
    };
    for (const auto& [path, expected] : paths) EXPECT_EQ(CTestPartnerEventParser::ToTreePath(path), expected) << path;

    const std::pair<const char*, const char*> names[] = {
        {"Caption='OK'", ""},
        {"ID='5' Caption='O K' Index=2", "ID='5'  Index=2"},
        {"Caption=OK ID='1'", " ID='1'"},
        {"Name='x'", "Name='x'"},
        {"X Caption='open", "X "},
    };
    for (const auto& [name, expected] : names)
        EXPECT_EQ(CTestPartnerEventParser::RemoveCaptionPart(name), expected) << name;
}

TEST_F(TestPartnerParserTest, TheClassDependsOnTheGuiBuilder) {
    const struct {
        WindowSpec spec;
        bool withParent;
        const char* expected;
    } cases[] = {
        {{.type = kWndDialogBox, .guiId = 999}, false, "Window"},
        {{.type = kWndDialogBox, .guiId = kJava}, false, "JavaWindow"},
        {{.type = kWndDialogBox, .guiId = kWeb}, false, ""},
        {{.type = kWndCustom, .guiId = kWeb, .className = "html_frame"}, false, "HTMLBrowser"},
        {{.type = kWndCustom, .guiId = kWeb, .className = "html_frame"}, true, "HTMLFrame"},
        {{.type = kWndCustom, .guiId = kWeb, .className = "html_textarea"}, true, "HTMLTextArea"},
        {{.type = kWndInputField, .guiId = kWeb, .className = "html_file"}, true, "HTMLInputFileEditBox"},
        {{.type = kWndInputField, .guiId = kWeb}, true, "HTMLEditBox"},
        {{.type = kWndCustom, .guiId = kJava, .style = win32::WS_CAPTION}, true, "JavaWindow"},
        {{.type = kWndCustom, .guiId = kJava}, true, "GUIObject"},
        {{.type = kWndCustom, .guiId = 999, .style = win32::WS_CAPTION}, true, "Window"},
        {{.type = kWndCustom, .guiId = 999}, true, "GUIObject"},
        // Up-down and track bar controls whatever their type.
        {{.type = kWndInputField, .guiId = 999, .className = "msctls_updown32"}, true, "UpDown"},
        {{.type = kWndStaticText, .guiId = 990, .className = "msctls_trackbar32"}, true, "TrackBar"},
        {{.type = kWndListView, .guiId = kWeb}, true, "ListView"},
        {{.type = kWndListView, .guiId = kJava}, true, ""},
        {{.type = kWndImage, .guiId = kJava}, true, "JavaLabel"},
        {{.type = kWndLink, .guiId = kWeb}, true, "HTMLAnchor"},
        {{.type = kWndLink, .guiId = 999}, true, "SysLink"},
        {{.type = kWndMenuItem, .guiId = 999}, true, ""},
        {{.type = kWndGroupBox, .guiId = 999}, true, "GUIObject"},
    };
    int number = 0;
    for (const auto& [spec, withParent, expected] : cases) {
        CWindowKav* window = Add("W" + std::to_string(++number), withParent ? login_ : nullptr, spec);
        EXPECT_EQ(CTestPartnerEventParser::GetTPClassName(*window), expected) << number;
    }
}

TEST_F(TestPartnerParserTest, MenuBarsAndSeparatorsNeedNoTagOfTheirOwn) {
    const std::pair<const char*, bool> cases[] = {
        {"Menu", true}, {"Line", true}, {"FileOpen", false}, {"Red", false}, {"Login", false},
    };
    for (const auto& [window, expected] : cases) {
        EXPECT_EQ(parser_.IsWindowUnsupported(windows_.at(window), 1), expected) << window;
        EXPECT_EQ(parser_.IsTagOptional(windows_.at(window), 1), expected) << window;
    }
}

}  // namespace
