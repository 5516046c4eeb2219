// The WinRunner event parser: one TSL statement per event on the logical names of the GUI map,
// key texts of the two keyboard layouts, string literals, and the windows WinRunner reaches
// only through another one.
#include <gtest/gtest.h>

#include "ToolParserFixture.h"
#include "conversion/framework/ConverterTable.h"
#include "conversion/framework/OutputFormats.h"
#include "conversion/winrunner/WREventParser.h"
#include "model/Win32Styles.h"

namespace {

constexpr int kWeb = 995;
constexpr int kUsLayout = 1;

class WinRunnerParserTest : public ToolParserTest<CWREventParser> {
protected:
    void SetUp() override {
        parser_.LoadKeyboardLayout(kUsLayout);
        login_ = Add("Login", nullptr, {.type = kWndDialogBox, .style = win32::WS_CAPTION});
        const std::pair<const char*, int> controls[] = {
            {"OK", kWndPushButton}, {"Name", kWndInputField}, {"Items", kWndListBox}, {"View", kWndListView},
            {"Tree", kWndTreeControl}, {"Grid", kWndTable}, {"Tools", kWndToolBar}, {"Tabs", kWndTabControl},
            {"Box", kWndCheckBox}, {"Link", kWndLink}};
        for (const auto& [name, type] : controls)
            Add(name, login_, {.type = type});
        Add("Combo", login_, {.type = kWndComboBox, .style = win32::CBS_DROPDOWN});
        Add("Droplist", login_, {.type = kWndComboBox, .style = win32::CBS_DROPDOWNLIST});
        Add("Group", login_, {.type = kWndGroupBox, .rect = {0, 0, 100, 100}});
        Add("Red", login_, {.type = kWndRadioButton, .rect = {10, 10, 50, 20}, .caption = "Red"});
        Add("Status", login_, {.type = kWndChild, .className = "msctls_statusbar32"});
        Add("File", login_, {.type = kWndInputField, .className = "HTML_File"});
        Add("Spot", login_, {.type = kWndImage, .className = "html_rect"});
        CWindowKav* map = Add("Map", login_, {.type = kWndImage});
        Add("Area", map, {.type = kWndLink, .rect = {10, 20, 30, 40}, .className = "html_area"});
        Add("WebBox", login_, {.type = kWndCheckBox, .guiId = kWeb});
        CWindowKav* menu = Add("Menu", login_, {.type = kWndMenu});
        Add("FileOpen", menu, {.type = kWndMenuItem});
        Add("Line", menu, {.type = kWndMenuItem, .style = win32::MF_SEPARATOR});
    }

    CWindowKav* login_ = nullptr;
};

const std::string kLastItems = "list_get_info(\"Items\", \"count\", help);  # Determine number of list items \n\t";

TEST_F(WinRunnerParserTest, ActionsBecomeOneStatementOnTheLogicalName) {
    ExpectStatements({
        {"OK", "Click(L)", "button_press(\"OK\");"},
        // Only a single left click presses a button.
        {"OK", "Click(R)", "obj_mouse_click(\"OK\", 1, 1, RIGHT);"},
        {"OK", "Click(L, 2)", "obj_mouse_dbl_click(\"OK\", 1, 1, LEFT);"},
        {"Login", "Click(R, 1, 5, 7)", "win_mouse_click(\"Login\", 5, 7, RIGHT);"},
        {"Login", "Click(L, 2)", "win_mouse_dbl_click(\"Login\", 1, 1, LEFT);"},
        {"Combo", "Click", "obj_mouse_click(\"Combo_list\", 1, 1, LEFT);"},
        {"Tools", "Click(3, R)", "toolbar_button_press(\"Tools\", \"#3\", RIGHT);"},
        {"FileOpen", "Click", "menu_select_item(\"FileOpen\");"},
        {"Grid", "Click(2, 3)", "tbl_set_selected_cell(\"Grid\", \"#2\", \"#3\");"},
        {"Grid", "Click(2, 3, L, 2)", "tbl_activate_cell(\"Grid\", \"#2\", \"#3\");"},
        // An area is clicked in its image, at its middle moved by the position.
        {"Area", "Click(L, 1, 2, 3)", "web_image_click(\"Map\", 22, 33);"},
        {"Link", "Click", "web_link_click(\"Link\");"},
        {"Spot", "Click(L, 1, 4, 5)", "web_image_click(\"Spot\", 4, 5);"},
        {"Box", "Check(TRUE)", "button_set(\"Box\", ON);"},
        {"Items", "Check(2, false)", "list_set_item_state(\"Items\", \"#2\", OFF);"},
        {"View", "Check(\"row\", UNDETERMINED)", "list_set_item_state(\"View\", \"row\", DIMMED);"},
        {"Items", "Check(last, TRUE)", kLastItems + "list_set_item_state(\"Items\", \"#\"&(help-1), ON);"},
        {"FileOpen", "Check(FALSE)",
         "menu_get_info(\"FileOpen\", \"value\", rc);\n\tif (rc != 0) menu_select_item(\"FileOpen\");"},
        {"Name", "Type(\"<CTRL>c\")", "obj_type(\"Name\", \"<kCtrl_L>c\");"},
        {"Login", "Type(\"a\\\"\")", "win_type(\"Login\", \"a\\\"\");"},
        {"Combo", "Type(\"x\")", "obj_type(\"Combo_list\", \"x\");"},
        {"Name", "Input(\"say \\\"hi\\\"\")", "edit_set(\"Name\", \"say \\\"hi\\\"\");"},
        {"File", "Input(\"C:\\\\x\")", "web_file_set(\"File\", \"C:\\\\x\");"},
        {"Combo", "Input(\"x\")", "edit_set(\"Combo_edit\", \"x\");"},
        {"Grid", "Input(1, 2, \"c\")", "tbl_set_cell_data(\"Grid\", \"#1\", \"#2\", \"c\");"},
        {"Items", "Select(last)", kLastItems + "list_select_item(\"Items\", \"#\"&(help-1));"},
        {"Items", "Select(3, 2)", "list_activate_item(\"Items\", \"#3\");"},
        {"View", "Select(\"row\")", "list_select_item(\"View\", \"row\");"},
        {"Combo", "Select(\"x\")", "list_select_item(\"Combo_list\", \"x\");"},
        {"Group", "Select(\"red\")", "button_set(\"Red\", ON);"},
        {"Tabs", "Select(\"Page 1\")", "tab_select_item(\"Tabs\", \"Page 1\");"},
        {"Tree", "Select(\"Root|Sub;Item\", 2)", "list_activate_item(\"Tree\", \"Root;Sub.Item\");"},
        {"Tree", "Expand(\"a|b\", 1)", "list_expand_item(\"Tree\", \"a;b\");"},
        {"Tree", "Expand(\"a\", 0)", "list_collapse_item(\"Tree\", \"a\");"},
        {"Login", "Position(Minimize)", "win_min(\"Login\");"},
        {"Login", "Position(restore)", "win_restore(\"Login\");"},
        {"Login", "Position(Resize, 10, 20)", "win_resize(\"Login\", 10, 20);"},
        {"Login", "Position(Move, 1, 2)", "win_move(\"Login\", 1, 2);"},
        {"Items", "Scroll(H, 3)", "scroll_page(\"Items\", HSCROLL, 3);"},
        {"Login", "Scroll(v, -2)", "scroll_page(\"Login\", VSCROLL, -2);"},
        {"Login", "Close", "win_close(\"Login\");"},
        // What WinRunner reaches only through another window.
        {"Red", "Click", "[W0283]"},
        {"Line", "Click", "[W0283]"},
        {"Menu", "Click", "[W0283]"},
        {"Name", "Type(\"<numpad>\")", "[W0701]"},
    });
}

TEST_F(WinRunnerParserTest, ChecksAndWaitsNameTheClassAndPropertyOfTheWindow) {
    const auto verify = [](const std::string& className, const std::string& name, const std::string& property,
                           const std::string& expected) {
        return "if (m_verify(\"" + className + "\", \"" + name + "\", \"" + property + "\", \"" + expected +
               "\") != E_OK) rc = 1;";
    };
    ExpectStatements({
        {"Name", "Verify(Enabled, TRUE)", verify("edit", "Name", "enabled", "1")},
        {"OK", "Verify(enabled, false)", verify("button", "OK", "enabled", "0")},
        {"Name", "Verify(Caption, \"a\\\"b\")", verify("edit", "Name", "label", "a\\\"b")},
        {"Status", "Verify(Caption, \"Ready\")", verify("statusbar", "Status", "value", "Ready")},
        {"WebBox", "Verify(Caption, \"x\")", verify("web_obj", "WebBox", "value", "x")},
        {"Login", "Verify(Exists)", verify("window", "Login", "exists", "1")},
        {"Name", "Verify(Focus)", verify("edit", "Name", "focused", "1")},
        {"Combo", "Verify(Focus)", verify("edit", "Combo_edit", "focused", "1")},
        {"Droplist", "Verify(Focus)", verify("list", "Droplist_list", "focused", "1")},
        {"Items", "Verify(Selection, \"a\")", verify("list", "Items", "selection", "a")},
        {"Name", "Verify(Value, \"v\")", verify("edit", "Name", "value", "v")},
        {"Tabs", "Verify(Value, \"p\")", verify("tab", "Tabs", "value", "p")},
        {"Box", "Verify(Value, undetermined)", verify("button", "Box", "value", "2")},
        {"WebBox", "Verify(Value, TRUE)", verify("web_obj", "WebBox", "checked", "1")},
        {"Group", "Verify(Value, \"Red\")", verify("button", "Red", "value", "1")},
        {"Combo", "Verify(Value, \"t\")", verify("edit", "Combo_edit", "value", "t")},
        {"Combo", "Verify(Value, 2, \"t\")", verify("list", "Combo_list", "value", "2+t")},
        {"Items", "Verify(Value, last, \"z\")", verify("list", "Items", "value", "LAST+z")},
        {"Grid", "Verify(Value, 1, 2, \"c\")", verify("table", "Grid", "value", "1+2+c")},
        {"OK", "Wait(1500, Enabled, TRUE)", "button_wait_info(\"OK\", \"enabled\", \"1\", 1.500);"},
        {"Name", "Wait(999, Value, \"a\")", "edit_wait_info(\"Name\", \"value\", \"a\", 0.999);"},
        {"Combo", "Wait(2000, Caption, \"c\")", "list_wait_info(\"Combo_list\", \"label\", \"c\", 2.000);"},
        {"Login", "Wait(10, caption, \"x\")", "win_wait_info(\"Login\", \"label\", \"x\", 0.010);"},
        // The event check refuses the focus of a window with a title bar first.
        {"Login", "Verify(Focus)", "[W0011]"},
    });

    // The parser's own answer to it, and to captions that the event check lets through.
    std::string out = "stale";
    EXPECT_EQ(Refusal([&] { return parser_.TranslateVerify(login_, "Focus", "", "", "", out); }), "");
    EXPECT_EQ(out, "");
    const std::pair<std::string, const char*> refusals[] = {
        {Refusal([&] { return parser_.TranslateSelect(windows_["Group"], "\"Blue\"", 1, 0, out); }), "[W1119]"},
        {Refusal([&] { return parser_.TranslateVerify(windows_["Group"], "Value", "\"Blue\"", "", "", out); }),
         "[W0702]"},
    };
    for (const auto& [message, code] : refusals)
        EXPECT_EQ(message, std::string("Radio Button Blue not found! ") + code);

    Add("Lonely", nullptr, {.type = kWndLink, .className = "html_area"});
    EXPECT_EQ(Translate("Lonely", "Click"), "HTML AREA object 'Lonely' has no parent! [W0734]");
}

TEST_F(WinRunnerParserTest, KeysAreWrittenAsTheyAreTypedAndNamedKeysByTheLayout) {
    ExpectKeySequences({
        {"\"abc\"", "abc"},
        {"<CTRL>c", "<kCtrl_L>c"},
        {"a\\<b", "a\\<b"},
        // A ">" outside a key name is the key itself.
        {"a>", "a\\>"},
        {"<enter><#enter><#*>", "<kReturn><kReturn_E><kKP_Mult>"},
        {"\\\\\\\"", "\\\\\\\""},
        {"<f12><altgr>", "<kF12><kAlt_R>"},
        {"<ctrl", "Missing '>' after key name! [W0598]"},
        {"<ct<rl>", "Missing '>' after key name! [W0597]"},
        {"<>", "Unknown key name ! [W0701]"},
    });

    // User code keeps the names that are no keys.
    std::string code = "type <Enter> then <numpad> and <tab>";
    parser_.TranslateKeyNames(code);
    EXPECT_EQ(code, "type <kReturn> then <numpad> and <kTab>");
}

// Every key name of the notation has a text in both layouts; they differ in the German names.
TEST_F(WinRunnerParserTest, EachLayoutKnowsEveryKeyName) {
    ExpectEveryKeyName(
        {{0,
          {{"numlock", "<kNum>"},
           {"#*", "<kKP_Mul>"},
           {"home", "<kPos1_E>"},
           {"#pgdn", "<kBild_ab_E>"},
           {"prtscr", "<kDruck>"},
           {"altgr", "<kAlt_Gr>"},
           {"#.", "<kKP_Punkt>"}}},
         {1,
          {{"numlock", "<kNumLock>"},
           {"#*", "<kKP_Mult>"},
           {"home", "<kHome_E>"},
           {"#pgdn", "<kPgDn_E>"},
           {"prtscr", "<kPrSc>"},
           {"altgr", "<kAlt_R>"},
           {"#.", "<kKP_Dot>"}}}},
        "<k", [](CWREventParser& parser, int layout) { parser.LoadKeyboardLayout(layout); });

    // Other layouts, and the parsers that generation asks, know no names; characters still pass.
    CWREventParser five;
    five.LoadKeyboardLayout(5);
    CWREventParser none;
    none.LoadKeyboardLayout(99);
    std::unique_ptr<CEventParser> fresh =
        FindConverterEntry(StandardConverterTable(), kFormatWinRunner)->createParser();
    for (CEventParser* parser : {static_cast<CEventParser*>(&five), static_cast<CEventParser*>(&none), fresh.get()}) {
        std::string out;
        EXPECT_EQ(Refusal([&] { return parser->TranslateKeySequence("<enter>", out); }),
                  "Unknown key name enter! [W0701]");
        EXPECT_EQ(Refusal([&] { return parser->TranslateKeySequence("ab", out); }), "");
        EXPECT_EQ(out, "ab");
    }
}

TEST_F(WinRunnerParserTest, StringLiteralsEscapeQuotesAndTreesSeparateLevelsBySemicolons) {
    const struct {
        const char* window;
        const char* value;
        const char* expected;
    } cases[] = {
        {"Name", "\"a\"b\"", "a\\\"b"},     {"Name", "\"a\\\\b\"", "a\\\\b"},
        {"Name", "\"a|b;c\\q\"", "a|b;cq"}, {"Tree", "\"Root|Sub;Item\"", "Root;Sub.Item"},
        {"Tree", "\"A\\|B\\;C\"", "A|B.C"},
    };
    for (const auto& [window, value, expected] : cases)
        EXPECT_EQ(parser_.TranslateValue(windows_.at(window), value), expected) << value;
}

TEST_F(WinRunnerParserTest, RadioButtonsMenuBarsAndSeparatorsNeedNoTagOfTheirOwn) {
    const std::pair<const char*, bool> cases[] = {
        {"Red", true}, {"Menu", true}, {"Line", true}, {"FileOpen", false}, {"Group", false}, {"Login", false},
    };
    for (const auto& [window, expected] : cases) {
        EXPECT_EQ(parser_.IsWindowUnsupported(windows_.at(window), 1), expected) << window;
        EXPECT_EQ(parser_.IsTagOptional(windows_.at(window), 1), expected) << window;
    }
}

}  // namespace
