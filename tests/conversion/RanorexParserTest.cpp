// The Ranorex event parser: the recording item of each event, the key sequences of Type
// events, and the tags it reads the windows' paths from.
#include <gtest/gtest.h>

#include <regex>

#include "SilkTestWindows.h"
#include "conversion/ranorex/RanorexEventParser.h"
#include "model/Win32Styles.h"
#include "tests/support/Refusal.h"

namespace {

class RanorexParserTest : public ProjectTest {
protected:
    void SetUp() override {
        parser_.InitRanorexKeyTable(0);
        login_ = Add("Login", nullptr, {.type = kWndDialogBox, .style = win32::WS_CAPTION}, "form");
        for (const auto& [name, type, capability] : std::vector<std::tuple<std::string, int, std::string>>{
                 {"OK", kWndPushButton, "button"}, {"Name", kWndInputField, "text"}, {"Items", kWndListBox, "list"},
                 {"ListView", kWndListView, "LIST"}, {"TableView", kWndListView, "table"},
                 {"Tree", kWndTreeControl, "tree"}, {"Grid", kWndTable, "table"}, {"Tools", kWndToolBar, "toolbar"},
                 {"Tabs", kWndTabControl, "tabpagelist"}, {"Box", kWndCheckBox, "checkbox"},
                 {"Static", kWndStaticText, "text"}})
            Add(name, login_, {.type = type}, capability);
        Add("Combo", login_, {.type = kWndComboBox, .style = 1}, "combobox");
        Add("TriBox", login_, {.type = kWndCheckBox, .style = win32::BS_AUTO3STATE}, "checkbox");
        Add("Group", login_, {.type = kWndGroupBox, .rect = {0, 0, 100, 100}}, "container");
        Add("Red", login_, {.type = kWndRadioButton, .rect = {10, 10, 50, 20}, .caption = "Red \"dark\""}, "radiobutton");
        CWindowKav* menu = Add("Menu", login_, {.type = kWndMenu}, "menubar");
        Add("Bold", menu, {.type = kWndMenuItem}, "menuitem");
        Add("Line", menu, {.type = kWndMenuItem, .style = win32::MF_SEPARATOR}, "menuitem");
    }

    // A window whose tag names the path "/<parent's path>/<name>" and the capability.
    CWindowKav* Add(const std::string& name, CWindowKav* parent, const WindowSpec& spec, const std::string& capability) {
        CWindowKav* window = AddSpecWindow(project, name, parent, spec);
        window->SetTag(Path(parent) + "/" + name + "\r\n" + capability + "\r\n" + capability + ",nativewindow");
        return windows_[name] = window;
    }

    static std::string Path(const CWindowKav* window) {
        std::string path, capability, list;
        if (window) CRanorexEventParser::SplitTag(window->GetTag(), path, capability, list);
        return path;
    }

    // The item with its item id as "<id>", or the message of the refusal.
    std::string Translate(const std::string& window, const std::string& event) {
        std::string out;
        const std::string message =
            Refusal([&] { return parser_.TranslateEventString(event, windows_.at(window), out); });
        return message.empty() ? std::regex_replace(out, kItemId, "id=\"<id>\"") : message;
    }

    // The item in short: the element with its own attributes, then each value it carries.
    std::string Summary(const std::string& window, const std::string& event) {
        const std::string item = Translate(window, event);
        if (item.starts_with("[W") || item.find("[W") != std::string::npos || item.empty()) return item;
        static const std::regex kCommon(" (enabled|optional|duration|movetime|sx|sy|presstime|actiontype)=\"[^\"]*\"");
        static const std::regex kValue("<(path|attrvalue|matchname|matchvalue)>([^<]*)<|<argument argname=\"(\\w+)\">\n"
                                       "<argvalue>\n<!\\[CDATA\\[([^\\]]*)\\]\\]>");
        std::string summary = std::regex_replace(item.substr(1, item.find('>') - 1), kCommon, "");
        for (auto match = std::sregex_iterator(item.begin(), item.end(), kValue); match != std::sregex_iterator();
             ++match)
            summary += " | " + ((*match)[1].matched ? (*match)[1].str() + "=" + (*match)[2].str()
                                                    : (*match)[3].str() + "=" + (*match)[4].str());
        return summary;
    }

    inline static const std::regex kItemId{"id=\"[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}\""};

    CRanorexEventParser parser_;
    CWindowKav* login_ = nullptr;
    std::map<std::string, CWindowKav*> windows_;
};

TEST_F(RanorexParserTest, EachKindOfItemIsWrittenLineByLine) {
    const std::pair<const char*, const char*> kinds[][2] = {
        {{"OK", "Click(R, 2)"},
         {"<mouseitem enabled=\"True\" optional=\"False\" duration=\"1000ms\" action=\"DoubleClick\" button=\"Right\" "
          "movetime=\"300ms\" sx=\"1\" sy=\"1\" loc=\"1;1\">\n<comment/>\n<bindings/>\n"
          "<info sourcename=\"Recorder\" id=\"<id>\">\n<path>/Login/OK</path>\n</info>\n</mouseitem>\n", ""}},
        {{"Items", "Check(last, TRUE)"},
         {"<userrecorditem enabled=\"True\" optional=\"False\" duration=\"1000ms\" methodname=\"CheckListItem\">\n"
          "<comment/>\n<bindings/>\n<arguments>\n"
          "<argument argname=\"path\">\n<argvalue>\n<![CDATA[/Login/Items]]>\n</argvalue>\n</argument>\n"
          "<argument argname=\"index\">\n<argvalue>\n<![CDATA[last]]>\n</argvalue>\n</argument>\n"
          "<argument argname=\"value\">\n<argvalue>\n<![CDATA[true]]>\n</argvalue>\n</argument>\n"
          "</arguments>\n</userrecorditem>\n", ""}},
        {{"Name", "Input(\"a\")"},
         {"<setvaluerecorditem enabled=\"True\" optional=\"False\" duration=\"1000ms\" attrname=\"Text\">\n<comment/>\n"
          "<bindings/>\n<info sourcename=\"Recorder\" id=\"<id>\">\n<path>/Login/Name</path>\n</info>\n"
          "<attrvalue>a</attrvalue>\n</setvaluerecorditem>\n", ""}},
        {{"Combo", "Type(\"<F1>\")"},
         {"<keysequenceitem enabled=\"True\" optional=\"False\" duration=\"1000ms\" sequence=\"{F1}\" "
          "presstime=\"100ms\">\n<comment/>\n<bindings/>\n<info sourcename=\"Recorder\" id=\"<id>\">\n"
          "<path>/Login/Combo</path>\n</info>\n</keysequenceitem>\n", ""}},
        {{"Login", "Position(Minimize)"},
         {"<invokeactionrecorditem enabled=\"True\" optional=\"False\" duration=\"1000ms\" action=\"Minimize\" "
          "actiontype=\"Adaptor\">\n<comment/>\n<bindings/>\n<info sourcename=\"Recorder\" id=\"<id>\">\n"
          "<path>/Login</path>\n</info>\n<arguments/>\n</invokeactionrecorditem>\n", ""}},
        {{"Login", "Close"},
         {"<closeapprecorditem enabled=\"True\" optional=\"False\" method=\"CloseWindow\" graceperiod=\"0ms\">\n"
          "<comment/>\n<bindings/>\n<info sourcename=\"Recorder\" id=\"<id>\">\n<path>/Login</path>\n</info>\n"
          "</closeapprecorditem>\n", ""}},
        {{"Combo", "Verify(Focus)"},
         {"<validationitem enabled=\"True\" optional=\"False\" duration=\"1000ms\" action=\"AttributeEqual\">\n"
          "<comment/>\n<bindings/>\n<info sourcename=\"Recorder\" id=\"<id>\">\n<path>/Login/Combo/text</path>\n"
          "</info>\n<matchname>HasFocus</matchname>\n<matchvalue>True</matchvalue>\n</validationitem>\n", ""}},
    };
    for (const auto& kind : kinds) EXPECT_EQ(Translate(kind[0].first, kind[0].second), kind[1].first) << kind[0].second;
}

TEST_F(RanorexParserTest, EachEventBecomesTheItemOfItsWindowType) {
    const std::pair<const char*, const char*> cases[][2] = {
        {{"Box", "Check(TRUE)"}, {"setvaluerecorditem attrname=\"Checked\" | path=/Login/Box | attrvalue=true", ""}},
        {{"TriBox", "Check(UNDETERMINED)"},
         {"setvaluerecorditem attrname=\"Checked\" | path=/Login/TriBox | attrvalue=null", ""}},
        {{"ListView", "Check(3, UNDETERMINED)"},
         {"userrecorditem methodname=\"CheckRow\" | path=/Login/ListView | index=3 | value=", ""}},
        {{"Tree", "Check(\"a|b\", FALSE)"},
         {"userrecorditem methodname=\"CheckTreeItem\" | path=/Login/Tree | index=a|b | value=false", ""}},
        {{"Bold", "Check(TRUE)"}, {"userrecorditem methodname=\"CheckMenuItem\" | path=/Login/Menu/Bold | value=true", ""}},
        {{"Tools", "Click(3)"},
         {"userrecorditem methodname=\"ClickToolbarButton\" | path=/Login/Tools | param1=3 | param2=Left", ""}},
        {{"Grid", "Click(2, 4, R, 2)"},
         {"userrecorditem methodname=\"ClickTableCell\" | path=/Login/Grid | param1=2 | param2=4 | param3=Right | "
          "param4=DoubleClick", ""}},
        {{"OK", "Click(L, 1, 5, 7)"}, {"mouseitem action=\"Click\" button=\"Left\" loc=\"5;7\" | path=/Login/OK", ""}},
        {{"Name", "Type(\"<ctrl>-a\")"},
         {"keysequenceitem sequence=\"{ControlKey Down}{aKey Down}{aKey Up}{ControlKey Up}\" | path=/Login/Name", ""}},
        {{"Combo", "Input(\"abc\")"},
         {"keysequenceitem sequence=\"{LControlKey down}{Delete}{LControlKey up}abc\" | path=/Login/Combo", ""}},
        {{"Grid", "Input(1, 2, \"x\")"}, {"", ""}},
        {{"Items", "Select(last, 2)"},
         {"userrecorditem methodname=\"SelectListItem\" | path=/Login/Items | param=last | click=DoubleClick", ""}},
        {{"Combo", "Select(4)"},
         {"userrecorditem methodname=\"SelectComboBoxItem\" | path=/Login/Combo | param=4 | click=Click", ""}},
        {{"ListView", "Select(\"row\")"},
         {"userrecorditem methodname=\"SelectListItem\" | path=/Login/ListView | param=row | click=Click", ""}},
        {{"TableView", "Select(\"row\")"},
         {"userrecorditem methodname=\"SelectRow\" | path=/Login/TableView | param=row | click=Click", ""}},
        {{"Tabs", "Select(\"Page\")"},
         {"userrecorditem methodname=\"SelectTabPage\" | path=/Login/Tabs | param=Page | click=Click", ""}},
        {{"Tree", "Select(\"a|b\", 2)"},
         {"userrecorditem methodname=\"SelectTreeItem\" | path=/Login/Tree | param=a|b | click=DoubleClick", ""}},
        {{"Group", "Select(\"Red \\\"dark\\\"\")"},
         {"mouseitem action=\"Click\" button=\"Left\" loc=\"1;1\" | path=/Login/Red", ""}},
        {{"Tree", "Expand(\"a|b\", 0)"},
         {"userrecorditem methodname=\"ExpandTree\" | path=/Login/Tree | itemPath=a|b | cmd=collapse", ""}},
        {{"Login", "Position(MOVE, 10, 20)"},
         {"userrecorditem methodname=\"MoveWnd\" | path=/Login | xPos=10 | yPos=20", ""}},
        {{"Login", "Position(Resize, 300, 200)"},
         {"userrecorditem methodname=\"ResizeWnd\" | path=/Login | xPos=300 | yPos=200", ""}},
        {{"Login", "Position(restore)"}, {"invokeactionrecorditem action=\"Restore\" | path=/Login", ""}},
        {{"Name", "Scroll(V, -3)"},
         {"userrecorditem methodname=\"ScrollWindow\" | path=/Login/Name | direction=vertical | numClicks=-3", ""}},
        {{"Login", "Scroll(H, 2)"},
         {"userrecorditem methodname=\"ScrollWindow\" | path=/Login | direction=horizontal | numClicks=2", ""}},
        {{"OK", "Verify(Enabled, TRUE)"},
         {"validationitem action=\"AttributeEqual\" | path=/Login/OK | matchname=Enabled | matchvalue=TRUE", ""}},
        {{"Login", "Verify(Caption, \"Log in\")"},
         {"validationitem action=\"AttributeEqual\" | path=/Login | matchname=Title | matchvalue=Log in", ""}},
        {{"Static", "Verify(Caption, \"x\")"},
         {"validationitem action=\"AttributeEqual\" | path=/Login/Static | matchname=Caption | matchvalue=x", ""}},
        {{"OK", "Verify(Caption, \"x\")"},
         {"validationitem action=\"AttributeEqual\" | path=/Login/OK | matchname=Text | matchvalue=x", ""}},
        {{"OK", "Verify(Exists)"},
         {"validationitem action=\"Exists\" | path=/Login/OK | matchname=(Choose) | matchvalue=", ""}},
        {{"Name", "Verify(Focus)"},
         {"validationitem action=\"AttributeEqual\" | path=/Login/Name | matchname=HasFocus | matchvalue=True", ""}},
        {{"Items", "Verify(Selection, \"s\")"},
         {"userrecorditem methodname=\"ValidateListSelection\" | path=/Login/Items | param1=s", ""}},
        {{"Combo", "Verify(Selection, \"s\")"},
         {"validationitem action=\"AttributeEqual\" | path=/Login/Combo | matchname=SelectedItemText | matchvalue=s",
          ""}},
        {{"Name", "Verify(Value, \"v\")"},
         {"validationitem action=\"AttributeEqual\" | path=/Login/Name | matchname=Text | matchvalue=v", ""}},
        {{"Group", "Verify(Value, \"Red \\\"dark\\\"\")"},
         {"validationitem action=\"AttributeEqual\" | path=/Login/Red | matchname=Checked | matchvalue=True", ""}},
        {{"Box", "Verify(Value, false)"},
         {"validationitem action=\"AttributeEqual\" | path=/Login/Box | matchname=CheckState | matchvalue=Unchecked",
          ""}},
        {{"TriBox", "Verify(Value, UNDETERMINED)"},
         {"validationitem action=\"AttributeEqual\" | path=/Login/TriBox | matchname=CheckState | "
          "matchvalue=Indeterminate", ""}},
        {{"Combo", "Verify(Value, \"t\")"},
         {"validationitem action=\"AttributeEqual\" | path=/Login/Combo | matchname=Text | matchvalue=t", ""}},
        {{"Combo", "Verify(Value, last, \"t\")"},
         {"userrecorditem methodname=\"ValidateComboBoxValue\" | path=/Login/Combo | param1=LAST | param2=t", ""}},
        {{"ListView", "Verify(Value, 2, \"z\")"},
         {"userrecorditem methodname=\"ValidateListValue\" | path=/Login/ListView | param1=2 | param2=z", ""}},
        {{"TableView", "Verify(Value, 2, \"z\")"},
         {"userrecorditem methodname=\"ValidateTableValue\" | path=/Login/TableView | param1=2 | param2=z | param3=", ""}},
        {{"Grid", "Verify(Value, 1, 2, \"c\")"},
         {"userrecorditem methodname=\"ValidateTableValue\" | path=/Login/Grid | param1=1 | param2=2 | param3=c", ""}},
        {{"Tabs", "Verify(Value, \"p\")"},
         {"userrecorditem methodname=\"ValidateTabValue\" | path=/Login/Tabs | param1=p", ""}},
        {{"OK", "Wait(2500, enabled, \"x\")"},
         {"userrecorditem methodname=\"WaitEnabled\" | path=/Login/OK | timeout=2500 | value=x", ""}},
        {{"Combo", "Wait(100, Value, \"a\")"},
         {"userrecorditem methodname=\"WaitComboBoxValue\" | path=/Login/Combo | timeout=100 | value=a", ""}},
        {{"Name", "Wait(100, Caption, \"a\")"},
         {"userrecorditem methodname=\"WaitTextValue\" | path=/Login/Name | timeout=100 | value=a", ""}},
    };
    for (const auto& c : cases) EXPECT_EQ(Summary(c[0].first, c[0].second), c[1].first) << c[0].first << " " << c[0].second;
}

// The selection of a list view follows its view style; its values follow its capability.
TEST_F(RanorexParserTest, AListViewIsAListOrATable) {
    CWindowKav* view = windows_["TableView"];
    const std::pair<std::uint32_t, const char*> styles[] = {{0, "ValidateListSelection"}, {2, "ValidateListSelection"},
                                                            {1, "ValidateTableSelection"}, {3, "ValidateTableSelection"}};
    for (const auto& [style, method] : styles) {
        view->SetStyle(style);
        EXPECT_NE(Translate("TableView", "Verify(Selection, \"s\")").find(std::string("methodname=\"") + method + "\""),
                  std::string::npos)
            << style;
    }
    // A tag of one line has no path; a missing third line leaves the capability.
    view->SetTag("/Login/View\r\nlist\r\n");
    EXPECT_NE(Translate("TableView", "Select(1)").find("methodname=\"SelectListItem\""), std::string::npos);
    view->SetTag("/Login/View");
    EXPECT_NE(Translate("TableView", "Select(1)").find("<![CDATA[]]>"), std::string::npos);
}

TEST_F(RanorexParserTest, TagsSplitIntoPathCapabilityAndList) {
    const struct {
        const char* tag;
        bool complete;
        const char* path;
        const char* capability;
        const char* list;
    } cases[] = {
        {"/a\r\nform\r\nform,nativewindow", true, "/a", "form", "form,nativewindow"},
        {"/a\r\nform\r\nx\r\ny", true, "/a", "form", "x\r\ny"},
        {"/a\r\nform", false, "/a", "", ""},
        {"/a\nform\nb", false, "", "", ""},
    };
    for (const auto& c : cases) {
        std::string path = "stale", capability = "stale", list = "stale";
        EXPECT_EQ(CRanorexEventParser::SplitTag(c.tag, path, capability, list), c.complete) << c.tag;
        EXPECT_EQ(path, c.path) << c.tag;
        EXPECT_EQ(capability, c.capability) << c.tag;
        EXPECT_EQ(list, c.list) << c.tag;
    }
}

// Names and values reach the item escaped for where they stand.
TEST_F(RanorexParserTest, TextsAreEscapedInAttributesElementsAndCdata) {
    windows_["Name"]->SetTag("/form[@title='a&b<c>']\r\ntext\r\ntext");
    const std::string set = Translate("Name", "Input(\"x]]>y & \\\"z\\\"\")");
    EXPECT_NE(set.find("<path>/form[@title='a&amp;b&lt;c&gt;']</path>"), std::string::npos) << set;
    EXPECT_NE(set.find("<attrvalue>x]]&gt;y &amp; \\\"z\\\"</attrvalue>"), std::string::npos) << set;
    const std::string call = Translate("Name", "Wait(1, Value, \"a]]>b]]c\")");
    EXPECT_NE(call.find("<![CDATA[a]]]]><![CDATA[>b]]c]]>"), std::string::npos) << call;
    const std::string keys = Translate("Name", "Type(\"\\\"\\<&>\")");
    EXPECT_NE(keys.find("sequence=\"&quot;&lt;&amp;&gt;\""), std::string::npos) << keys;
}

TEST_F(RanorexParserTest, WhatRanorexCannotDoIsRefused) {
    EXPECT_TRUE(Translate("Line", "Click").ends_with("[W0283]"));
    EXPECT_TRUE(Translate("Group", "Verify(Value, \"Blue\")").ends_with("[W0614]"));
    // The base accepts the group's radio buttons; the item's own lookup finds none once they go.
    windows_["Red"]->SetCaption("Blue");
    std::string out;
    EXPECT_EQ(Refusal([&] { return parser_.TranslateSelect(windows_["Group"], "\"Red\"", 1, 0, out); }),
              "Radio Button Red not found! [W1173]");
    EXPECT_EQ(Refusal([&] { return parser_.TranslateVerify(windows_["Group"], "Value", "\"\"Red\"\"", "", "", out); }),
              "Radio Button Red not found! [W1173]");
    for (const char* window : {"Line", "OK"})
        EXPECT_EQ(parser_.IsTagOptional(windows_[window], 1), std::string(window) == "Line") << window;
}

TEST_F(RanorexParserTest, KeysBecomeRanorexKeySequences) {
    const std::pair<const char*, const char*> cases[] = {
        {"abc", "abc"},
        {"a b", "a{Space}b"},
        {"", ""},
        {"\"ab\"", "ab"},
        {"<enter><ENTER><pgdn>", "{Return}{Return}{Next}"},
        // Names of two characters are braced like any other; one character stays bare.
        {"<F1><up>ü", "{F1}{Up}ü"},
        {"<KS^>", "{OEM5}"},
        {"<ctrl>-a", "{ControlKey Down}{aKey Down}{aKey Up}{ControlKey Up}"},
        {"<ctrl>-A", "{ControlKey Down}{AKey Down}{AKey Up}{ControlKey Up}"},
        {"<shift>-a", "{ShiftKey Down}a{ShiftKey Up}"},
        {"<ctrl>-<shift>-1", "{ControlKey Down}{ShiftKey Down}{D1 Down}{D1 Up}{ShiftKey Up}{ControlKey Up}"},
        {"<altgr>-q", "{LControlKey Down}{RMenu Down}{qKey Down}{qKey Up}{RMenu Up}{LControlKey Up}"},
        {"<altgr>q", "{LControlKey Down}{RMenu Down}{RMenu Up}{LControlKey Up}q"},
        {"<ctrl>a", "{ControlKey}a"},
        {"<win>-e", "{Win Down}e{Win Up}"},
        {"<enter>-x", "{Return Down}x{Return Up}"},
        {"<ctrl>-ö", "{ControlKey Down}{Oemtilde Down}{Oemtilde Up}{ControlKey Up}"},
        {"<alt>-Ü", "{Menu Down}{OEM1 Down}{OEM1 Up}{Menu Up}"},
        {"<ctrl>-α", "{ControlKey Down}{αKey Down}{αKey Up}{ControlKey Up}"},
        {"<ctrl>- ", "{ControlKey Down}{Space Down}{Space Up}{ControlKey Up}"},
        {"<ctrl>-a<ctrl>-b", "{ControlKey Down}{aKey Down}{aKey Up}{ControlKey Up}"
                             "{ControlKey Down}{bKey Down}{bKey Up}{ControlKey Up}"},
        {"a-b", "ab"},
        {"1\\-2", "1-2"},
        {"\\<", "<"},
        {"<e\\sc>", "{Escape}"},
        // A ">" outside a name is the key ">".
        {"<tab>>", "{Tab}>"},
        {">", ">"},
    };
    for (const auto& [keys, expected] : cases) {
        std::string out = "stale";
        EXPECT_EQ(Refusal([&] { return parser_.TranslateKeySequence(keys, out); }), "") << keys;
        EXPECT_EQ(out, expected) << keys;
    }
    const std::pair<const char*, const char*> refusals[] = {
        {"<ctrl>-!", "Unknown key name KS!! [W0362]"},
        {"<numlock>", "Unknown key name numlock! [W0362]"},
        {"<>", "Unknown key name ! [W0362]"},
        {"<ctrl", "Missing '>' after key name! [W1176]"},
        {"<ct<rl>", "Missing '>' after key name! [W1175]"},
    };
    for (const auto& [keys, message] : refusals) {
        std::string out = "kept";
        EXPECT_EQ(Refusal([&] { return parser_.TranslateKeySequence(keys, out); }), message) << keys;
        EXPECT_EQ(out, "kept") << keys;
    }
    // Without its table the parser knows no key name.
    CRanorexEventParser empty;
    std::string out;
    EXPECT_EQ(Refusal([&] { return empty.TranslateKeySequence("<enter>", out); }), "Unknown key name enter! [W0362]");
}

}  // namespace
