// The UFT event parser: VBScript statements on the object path of each window, UFT's test-object
// classes, key sequences as UFT key arguments and values as string literals.
#include <gtest/gtest.h>

#include "ToolParserFixture.h"
#include "conversion/framework/ConverterTable.h"
#include "conversion/framework/OutputFormats.h"
#include "conversion/uft/QTPEventParser.h"
#include "model/Win32Styles.h"
#include "model/XMLElement.h"

namespace {

constexpr int kSap = 991;
constexpr int kWeb = 995;
constexpr int kJava = 996;

// The UFT description that names the window by its own name, with the class of its type.
void Describe(CWindowKav* window) {
    auto* description = new CXMLElement("qtpRep:Object");
    description->GetAttributes().Add(new CXMLAttribute("Class", CQTPEventParser::GetQtpClass(window)));
    description->GetAttributes().Add(new CXMLAttribute("Name", window->GetName()));
    window->SetToolData(description);
}

// Every window is described with its own name, so that statements show which window they address.
class UftParserTest : public ToolParserTest<CQTPEventParser> {
protected:
    void SetUp() override {
        parser_.InitQtpKeyTable(1);
        CWindowKav* main = Add("Main", nullptr, {.type = kWndMain, .style = win32::WS_CAPTION});
        CWindowKav* menu = Add("Menu", main, {.type = kWndMenu});
        CWindowKav* file = Add("File", menu, {.type = kWndMenuItem, .caption = "File", .style = win32::MF_POPUP});
        Add("Open", file, {.type = kWndMenuItem, .caption = "Open"});

        CWindowKav* login = Add("Login", nullptr, {.type = kWndDialogBox, .style = win32::WS_CAPTION});
        const std::pair<const char*, int> controls[] = {
            {"OK", kWndPushButton}, {"Name", kWndInputField}, {"Items", kWndListBox}, {"View", kWndListView},
            {"Tree", kWndTreeControl}, {"Sheet", kWndTable}, {"Tools", kWndToolBar}, {"Tabs", kWndTabControl}};
        for (const auto& [name, type] : controls) Add(name, login, {.type = type});
        Add("Notes", login, {.type = kWndInputField, .style = win32::ES_MULTILINE});
        Add("Box", login, {.type = kWndCheckBox, .style = win32::BS_AUTO3STATE});
        Add("Combo", login, {.type = kWndComboBox, .style = win32::CBS_DROPDOWN});
        Add("Group", login, {.type = kWndGroupBox, .rect = {0, 0, 100, 100}});
        Add("Red", login, {.type = kWndRadioButton, .rect = {10, 10, 50, 20}, .caption = "Red"});
        Add("SapOK", login, {.type = kWndPushButton, .guiId = kSap, .className = "SAPGuiButton"});
        Add("JavaOK", login, {.type = kWndPushButton, .guiId = kJava});

        CWindowKav* shop = Add("Shop", nullptr, {.type = kWndCustom, .guiId = kWeb, .className = "html_frame"});
        Add("Choice", shop, {.type = kWndGroupBox, .rect = {0, 0, 100, 100}, .guiId = kWeb});
        Add("Yes", shop, {.type = kWndRadioButton, .rect = {10, 10, 50, 20}, .caption = "Yes", .guiId = kWeb});
        Add("Query", shop, {.type = kWndInputField, .guiId = kWeb});

        CWindowKav* frame = Add("Frame", nullptr, {.type = kWndMain, .guiId = kJava, .style = win32::WS_CAPTION});
        CWindowKav* javaMenu = Add("JMenu", frame, {.type = kWndMenu, .guiId = kJava});
        CWindowKav* edit = Add("JEdit", javaMenu, {.type = kWndMenuItem, .caption = "Edit", .guiId = kJava});
        Add("JCopy", edit, {.type = kWndMenuItem, .caption = "Copy", .guiId = kJava});

        for (auto& [name, window] : windows_) Describe(window);
        Add("Loose", login, {.type = kWndPushButton});
    }
};

TEST_F(UftParserTest, ActionsBecomeStatementsOnTheObjectPath) {
    const std::string ok = "Dialog(\"Login\").WinButton(\"OK\")";
    const std::string items = "Dialog(\"Login\").WinList(\"Items\")";
    const std::string count = "helpLong = " + items + ".GetItemsCount  ' Determine number of list items \n";
    ExpectStatements({
        {"OK", "Click(L)", ok + ".Click 1, 1, micLeftBtn"},
        {"OK", "Click(R, 2, 10, 20)", ok + ".DblClick 10, 20, micRightBtn"},
        {"SapOK", "Click(R, 2)", "Dialog(\"Login\").SAPGuiButton(\"SapOK\").DblClick"},
        {"JavaOK", "Click(R)", "Dialog(\"Login\").JavaButton(\"JavaOK\").Click micRightBtn"},
        {"JavaOK", "Click(L, 2)", "Dialog(\"Login\").JavaButton(\"JavaOK\").DblClick 1, 1, micLeftBtn"},
        // A Windows menu item is no test object: the menu bar selects it by its path.
        {"Open", "Click", "Window(\"Main\").WinMenu(\"Menu\").Select \"File;Open\""},
        {"Open", "Check(TRUE)", "Window(\"Main\").WinMenu(\"Menu\").Select \"File;Open\""},
        // A Java menu item is one, and its top-level menu is no step of the path.
        {"JCopy", "Click", "JavaWindow(\"Frame\").JavaMenu(\"JEdit\").JavaMenu(\"JCopy\").Select \"Copy\""},
        {"Tools", "Click(3)", "Dialog(\"Login\").WinToolBar(\"Tools\").Press 3, micLeftBtn"},
        {"Tools", "Click(4, R)", "Dialog(\"Login\").WinToolBar(\"Tools\").Press 4, micRightBtn"},
        {"Sheet", "Click(2, 3)", "Dialog(\"Login\").WinTable(\"Sheet\").SelectCell 2, 3"},
        {"Sheet", "Click(2, 3, L, 2)", "Dialog(\"Login\").WinTable(\"Sheet\").ActivateCell 2, 3"},
        {"Items", "Select(last)", count + items + ".Select helpLong-1"},
        {"Items", "Select(3)", items + ".Select 3"},
        {"Items", "Select(\"abc\", 2)", items + ".Activate \"abc\""},
        {"Tree", "Select(\"Root|Child\")", "Dialog(\"Login\").WinTreeView(\"Tree\").Select \"Root;Child\""},
        {"Tree", "Select(\"Root\\|Child\", 2)", "Dialog(\"Login\").WinTreeView(\"Tree\").Activate \"Root|Child\""},
        {"Tabs", "Select(\"Page 1\")", "Dialog(\"Login\").WinTab(\"Tabs\").Select \"Page 1\""},
        {"Tree", "Expand(\"a|b\", 0)", "Dialog(\"Login\").WinTreeView(\"Tree\").Collapse \"a;b\""},
        {"Tree", "Expand(\"a\", 1)", "Dialog(\"Login\").WinTreeView(\"Tree\").Expand \"a\""},
        {"Group", "Select(\"Red\")", "Dialog(\"Login\").WinRadioButton(\"Red\").Set"},
        // A web group selects its button itself; web radio buttons are no test objects.
        {"Choice", "Select(\"Yes\")", "Browser(\"Shop\").Page(\"Shop\").WebRadioGroup(\"Choice\").Select \"Yes\""},
        {"Box", "Check(UNDETERMINED)", "Dialog(\"Login\").WinCheckBox(\"Box\").Set \"DIMMED\""},
        {"Box", "Check(false)", "Dialog(\"Login\").WinCheckBox(\"Box\").Set \"OFF\""},
        {"Items", "Check(last, TRUE)", count + items + ".SetItemState helpLong-1, micChecked"},
        {"View", "Check(2, FALSE)", "Dialog(\"Login\").WinListView(\"View\").SetItemState 2, micUnchecked"},
        {"Tree", "Check(\"a|b\", TRUE)", "Dialog(\"Login\").WinTreeView(\"Tree\").SetItemState \"a;b\", micChecked"},
        {"Name", "Input(\"a\\\"b\")", "Dialog(\"Login\").WinEdit(\"Name\").Set \"a\"\"b\""},
        {"Combo", "Input(\"x\")", "Dialog(\"Login\").WinComboBox(\"Combo\").WinEdit(\"Combo\").Set \"x\""},
        {"Sheet", "Input(1, 2, \"c\")", "Dialog(\"Login\").WinTable(\"Sheet\").SetCellData 1, 2, \"c\""},
        {"Notes", "Input(\"x<enter>\")",
         "Dialog(\"Login\").WinEditor(\"Notes\").SetCaretPos 0, 0\n"
         "Dialog(\"Login\").WinEditor(\"Notes\").Type micShiftDwn + micCtrlDwn + micEnd + micCtrlUp + micShiftUp\n"
         "Dialog(\"Login\").WinEditor(\"Notes\").Type \"x\" + micReturn"},
        // Quotes and backslashes of the value are typed once.
        {"Notes", "Input(\"a\\\"b\\\\c\")",
         "Dialog(\"Login\").WinEditor(\"Notes\").SetCaretPos 0, 0\n"
         "Dialog(\"Login\").WinEditor(\"Notes\").Type micShiftDwn + micCtrlDwn + micEnd + micCtrlUp + micShiftUp\n"
         "Dialog(\"Login\").WinEditor(\"Notes\").Type \"a\"\"b\\c\""},
        {"Notes", "Input(\"\\\"q\\\"\")",
         "Dialog(\"Login\").WinEditor(\"Notes\").SetCaretPos 0, 0\n"
         "Dialog(\"Login\").WinEditor(\"Notes\").Type micShiftDwn + micCtrlDwn + micEnd + micCtrlUp + micShiftUp\n"
         "Dialog(\"Login\").WinEditor(\"Notes\").Type \"\"\"q\"\"\""},
        {"Notes", "Input(\"<x\")", "Missing '>' after key name! [W1176]"},
        {"Name", "Type(\"Hello<enter>\")", "Dialog(\"Login\").WinEdit(\"Name\").Type \"Hello\" + micReturn"},
        {"Query", "Input(\"shoes\")", "Browser(\"Shop\").Page(\"Shop\").WebEdit(\"Query\").Set \"shoes\""},
        {"Login", "Position(Minimize)", "Dialog(\"Login\").Minimize"},
        {"Login", "Position(maximize)", "Dialog(\"Login\").Maximize"},
        {"Login", "Position(Restore)", "Dialog(\"Login\").Restore"},
        {"Login", "Position(Resize, 300, 200)", "Dialog(\"Login\").Resize 300, 200"},
        {"Login", "Position(Move, 5, 6)", "Dialog(\"Login\").Move 5, 6"},
        {"Login", "Close", "Dialog(\"Login\").Close"},
        {"Items", "Scroll(V, 3)", ""},
        // A window on the path without a description.
        {"Loose", "Click", "ERROR.Click 1, 1, micLeftBtn"},
        // What UFT reaches only through another window.
        {"JMenu", "Click", "[W0283]"},
        {"Yes", "Click", "[W0283]"},
        {"Items", "Check(\"x\", UNDETERMINED)", "UNDETERMINED is not supported for list or tree items!"},
    });
}

TEST_F(UftParserTest, ChecksAndWaitsReportThroughUft) {
    const std::string name = "Dialog(\"Login\").WinEdit(\"Name\")";
    const std::string combo = "Dialog(\"Login\").WinComboBox(\"Combo\")";
    const std::string view = "Dialog(\"Login\").WinListView(\"View\")";
    ExpectStatements({
        {"Name", "Verify(Enabled, true)", name + ".CheckProperty \"enabled\", True"},
        {"Name", "Verify(enabled, FALSE)", name + ".CheckProperty \"enabled\", False"},
        {"Name", "Verify(Caption, \"a\\\"b\")", name + ".CheckProperty \"text\", \"a\"\"b\""},
        {"Login", "Verify(Exists)",
         "If Not Dialog(\"Login\").Exist(3) Then\nReporter.ReportEvent micFail, \"Verify(Exists) failed\", "
         "\"Window 'Login' not existing\"\nEnd If"},
        {"Name", "Verify(Focus)", name + ".CheckProperty \"focused\", True"},
        {"View", "Verify(Selection, \"a\")", view + ".CheckProperty \"selection\", \"a\""},
        {"Name", "Verify(Value, \"v\")", name + ".CheckProperty \"text\", \"v\""},
        {"Query", "Verify(Value, \"v\")", "Browser(\"Shop\").Page(\"Shop\").WebEdit(\"Query\").CheckProperty \"value\", \"v\""},
        {"Group", "Verify(Value, \"Red\")", "Dialog(\"Login\").WinRadioButton(\"Red\").CheckProperty \"checked\", \"ON\""},
        {"Box", "Verify(Value, TRUE)", "Dialog(\"Login\").WinCheckBox(\"Box\").CheckProperty \"checked\", \"ON\""},
        {"Box", "Verify(Value, UNDETERMINED)", "Dialog(\"Login\").WinCheckBox(\"Box\").CheckProperty \"checked\", \"DIMMED\""},
        {"Combo", "Verify(Value, \"t\")", combo + ".WinEdit(\"Combo\").CheckProperty \"text\", \"t\""},
        {"Combo", "Verify(Value, last, \"t\")",
         "helpLong = " + combo + ".GetItemsCount  ' Determine number of list items \nIf " + combo +
             ".GetItem(helpLong-1) <> \"t\" Then\nReporter.ReportEvent micFail, \"Verify(Value) failed\", \"Last item "
             "of combobox 'Combo' doesn't have expected value\"\nEnd If"},
        {"Combo", "Verify(Value, 2, \"t\")",
         "If " + combo + ".GetItem(2) <> \"t\" Then\nReporter.ReportEvent micFail, \"Verify(Value) failed\", \"Item 2 "
                         "of combobox 'Combo' doesn't have expected value\"\nEnd If"},
        {"View", "Verify(Value, 4, \"z\")", view + ".CheckItemProperty 4, \"text\", \"z\""},
        {"Items", "Verify(Value, last, \"z\")",
         "helpLong = Dialog(\"Login\").WinList(\"Items\").GetItemsCount  ' Determine number of list items \n"
         "Dialog(\"Login\").WinList(\"Items\").CheckItemProperty helpLong-1, \"text\", \"z\""},
        {"Tabs", "Verify(Value, \"p\")", "Dialog(\"Login\").WinTab(\"Tabs\").CheckProperty \"selection\", \"p\""},
        {"Sheet", "Verify(Value, 1, 2, \"c\")",
         "If Dialog(\"Login\").WinTable(\"Sheet\").GetCellData(1, 2) <> \"c\" Then\nReporter.ReportEvent micFail, "
         "\"Verify(Value) failed\", \"Cell of table 'Sheet' doesn't have expected value\"\nEnd If"},
        {"OK", "Wait(1500, Enabled, TRUE)", "Dialog(\"Login\").WinButton(\"OK\").WaitProperty(\"enabled\", True, 1500)"},
        {"Name", "Wait(10, Value, \"a\\\"b\")", name + ".WaitProperty(\"text\", \"a\"\"b\", 10)"},
        {"Name", "Wait(20, caption, \"x\")", name + ".WaitProperty(\"text\", \"x\", 20)"},
    });

    // Radio buttons that the event check would have refused.
    std::string out;
    EXPECT_EQ(Refusal([&] { return parser_.TranslateSelect(windows_["Group"], "\"Blue\"", 1, 0, out); }),
              "Radio Button Blue not found! [W1173]");
    EXPECT_EQ(Refusal([&] { return parser_.TranslateVerify(windows_["Group"], "Value", "\"Blue\"", "", "", out); }),
              "Radio Button Blue not found! [W1174]");
}

TEST_F(UftParserTest, KeysBecomeRunsOfCharactersAndKeyConstants) {
    ExpectKeySequences({
        {"\"Hello<enter>\"", "\"Hello\" + micReturn"},
        {"<ctrl>-a", "micCtrlDwn + \"a\" + micCtrlUp"},
        {"<ctrl>a", "micCtrlDwn + micCtrlUp + \"a\""},
        {"<ctrl>-<shift>-x", "micCtrlDwn + micShiftDwn + \"x\" + micShiftUp + micCtrlUp"},
        {"<ctrl>-a-b", "micCtrlDwn + \"ab\" + micCtrlUp"},
        {"<#5>", "\"5\""},
        {"<altgr>-<F4>", "micRAltDwn + micF4 + micRAltUp"},
        {"say \\\"hi\\\"", "\"say \"\"hi\"\"\""},
        {"a\\-b\\<c\\\\", "\"a-b<c\\\""},
        // A ">" outside a key name is the key itself.
        {"a>b", "\"a>b\""},
        {"", ""},
        {"<foo>", "Unknown key name foo! [W1177]"},
        {"<>", "Unknown key name ! [W1177]"},
        {"<ctrl", "Missing '>' after key name! [W1176]"},
        {"<ct<rl>", "Missing '>' after key name! [W1175]"},
    });

    // Without InitQtpKeyTable the parser knows characters only.
    CQTPEventParser bare;
    std::string out;
    EXPECT_EQ(Refusal([&] { return bare.TranslateKeySequence("<enter>", out); }), "Unknown key name enter! [W1177]");
    EXPECT_EQ(bare.TranslateKeySequence("ab", out), 1);
    EXPECT_EQ(out, "\"ab\"");
}

TEST_F(UftParserTest, TheKeyTableKnowsEveryKeyName) {
    ExpectEveryKeyName({{0, {{"pgdn", "micPageDwn"}, {"#pgdn", "micPgDwn"}, {"#/", "/"}, {"altgr", "$micRAltDwn"}}},
                        {1, {{"numlock", "micNumLockOn"}, {"menu", "micAppKey"}, {"win", "$micWinLogoDwn"}}}},
                       "", [](CQTPEventParser& parser, int layout) { parser.InitQtpKeyTable(layout); });
}

TEST_F(UftParserTest, ValuesAreTheTextOfStringLiterals) {
    const struct {
        const char* window;
        const char* value;
        const char* expected;
    } cases[] = {
        {"Name", "\"a\\\"b\"", "a\"\"b"}, {"Name", "\"a\\\\b\"", "a\\b"},   {"Name", "plain", "plain"},
        {"Name", "\"a|b\"", "a|b"},       {"Tree", "\"a|b\\|c\"", "a;b|c"}, {"Tree", "\"x\\\"", "x"},
    };
    for (const auto& [window, value, expected] : cases)
        EXPECT_EQ(parser_.TranslateValue(windows_.at(window), value), expected) << window << " " << value;
}

TEST_F(UftParserTest, ObjectPathsNameLibrariesAndLeaveOutWhatUftReachesThroughOthers) {
    CWindowKav* shared = project.AddWindow("Shared", nullptr, kWndDialogBox, project.Lib());
    shared->SetHasCaption(true);
    Describe(shared);
    EXPECT_EQ(parser_.GetObjectPath(shared), "Dialog(\"^Lib:Shared\")");

    // A SAP group box is no step of the paths inside it.
    CWindowKav* sapGroup = Add("SapGroup", windows_["Login"], {.type = kWndGroupBox, .guiId = kSap});
    CWindowKav* sapRadio = Add("SapRadio", sapGroup, {.type = kWndRadioButton, .guiId = kSap});
    Describe(sapGroup);
    Describe(sapRadio);
    EXPECT_EQ(parser_.GetObjectPath(sapRadio), "Dialog(\"Login\").SAPGuiElement(\"SapRadio\")");

    // The description's name and class count, not the model's.
    windows_["OK"]->GetToolData()->SetAttributeValue("Name", "Okay");
    windows_["OK"]->GetToolData()->SetAttributeValue("Class", "SwfButton");
    EXPECT_EQ(parser_.GetObjectPath(windows_["OK"]), "Dialog(\"Login\").SwfButton(\"Okay\")");
    // A browser UFT described itself is addressed without a page.
    windows_["Shop"]->SetImportTool(kFormatUft);
    EXPECT_EQ(parser_.GetObjectPath(windows_["Query"]), "Browser(\"Shop\").WebEdit(\"Query\")");
}

TEST_F(UftParserTest, TheClassDependsOnTypeGuiBuilderAndWindowClass) {
    const struct {
        WindowSpec spec;
        bool withParent;
        const char* expected;
    } cases[] = {
        {{.type = kWndDialogBox}, false, "Dialog"},
        {{.type = kWndCustom, .style = win32::WS_CAPTION}, false, "Window"},
        {{.type = kWndCustom}, true, "WinObject"},
        {{.type = kWndInputField, .className = "msctls_updown32"}, true, "WinSpin"},
        {{.type = kWndStaticText, .className = "msctls_statusbar32"}, true, "WinStatusBar"},
        {{.type = kWndCustom, .className = "ScrollBar"}, true, "WinScrollBar"},
        {{.type = kWndInputField, .className = "scrollbar"}, true, "WinEdit"},
        {{.type = kWndImage}, true, "Static"},
        {{.type = kWndHeader, .guiId = 990}, true, "WinObject"},
        {{.type = kWndMenuItem}, true, ""},
        {{.type = kWndPushButton, .guiId = kSap}, true, "SAPGuiElement"},
        {{.type = kWndPushButton, .guiId = 992}, true, "SAPCalendar"},
        {{.type = kWndPushButton, .guiId = 993}, true, "WpfObject"},
        {{.type = kWndPushButton, .guiId = 994, .className = "OracleButton"}, true, "OracleButton"},
        {{.type = kWndPushButton, .guiId = 994}, true, "OracleCalendar"},
        {{.type = kWndMain, .guiId = kWeb}, false, "Page"},
        {{.type = kWndCustom, .guiId = kWeb, .className = "html_frame"}, true, "Frame"},
        {{.type = kWndCustom, .guiId = kWeb, .className = "div"}, true, "WebElement"},
        {{.type = kWndInputField, .guiId = kWeb, .className = "html_file"}, true, "WebFile"},
        {{.type = kWndLink, .guiId = kWeb, .className = "html_area"}, true, "WebArea"},
        {{.type = kWndLink, .guiId = kWeb}, true, "Link"},
        {{.type = kWndMenu, .guiId = kWeb}, true, ""},
        {{.type = kWndRadioButton, .guiId = kWeb}, true, ""},
        {{.type = kWndImage, .guiId = kWeb}, true, "Image"},
        {{.type = kWndCustom, .guiId = kJava, .style = win32::WS_CAPTION}, true, "JavaWindow"},
        {{.type = kWndCustom, .guiId = kJava}, true, "JavaObject"},
        {{.type = kWndMenu, .guiId = kJava}, true, ""},
        {{.type = kWndToolBar, .guiId = kJava}, true, "JavaToolbar"},
        {{.type = kWndLink, .guiId = kJava}, true, "JavaLink"},
    };
    int number = 0;
    for (const auto& [spec, withParent, expected] : cases) {
        CWindowKav* window = Add("W" + std::to_string(++number), withParent ? windows_["Login"] : nullptr, spec);
        EXPECT_EQ(CQTPEventParser::GetQtpClass(window), expected) << number;
    }
    EXPECT_EQ(CQTPEventParser::GetMenuPath(windows_["Open"]), "File;Open");
    EXPECT_EQ(CQTPEventParser::GetMenuPath(windows_["JCopy"]), "Copy");
    EXPECT_EQ(CQTPEventParser::GetMenuPath(windows_["OK"]), "");
}

TEST_F(UftParserTest, UnsupportedWindowsNeedNoDescriptionOfTheirOwn) {
    Add("SapGroup", windows_["Login"], {.type = kWndGroupBox, .guiId = kSap});
    CWindowKav* area = Add("Area", windows_["Shop"], {.type = kWndLink, .guiId = kWeb});
    Add("Spot", area, {.type = kWndLink, .guiId = kWeb});
    const struct {
        const char* window;
        bool target;     // context 0
        bool hierarchy;  // context 1
    } cases[] = {
        {"Open", false, true},   {"File", false, true},  {"Menu", false, false}, {"SapGroup", false, true},
        {"Yes", true, true},     {"Area", true, true},   {"Spot", false, false}, {"JMenu", true, true},
        {"JCopy", false, false}, {"Group", false, false}, {"OK", false, false},
    };
    for (const auto& [window, target, hierarchy] : cases) {
        EXPECT_EQ(parser_.IsWindowUnsupported(windows_.at(window), 0), target) << window;
        EXPECT_EQ(parser_.IsWindowUnsupported(windows_.at(window), 1), hierarchy) << window;
        EXPECT_EQ(parser_.IsTagOptional(windows_.at(window), 1), hierarchy) << window;
    }

    // The converter table hands out the same parser.
    const std::unique_ptr<CEventParser> fromTable =
        FindConverterEntry(StandardConverterTable(), kFormatUft)->createParser();
    EXPECT_TRUE(fromTable->IsWindowUnsupported(windows_["Open"], 1));
}

}  // namespace
