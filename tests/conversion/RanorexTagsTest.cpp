// RanoreXPath tags, as the tag generation asks the converter table for them: path, capability
// and capability list of each window, made from its type and identifying data.
#include <gtest/gtest.h>

#include "SilkTestWindows.h"
#include "conversion/framework/ConverterTable.h"
#include "conversion/framework/OutputFormats.h"
#include "conversion/ranorex/Ranorex.h"
#include "model/Win32Styles.h"
#include "model/XMLElement.h"

namespace {

class RanorexTagsTest : public ProjectTest {
protected:
    void SetUp() override {
        form_ = Add("Editor", nullptr, {.type = kWndMain, .caption = "Editor - [Doc1]", .style = win32::WS_CAPTION});
    }

    CWindowKav* Add(const std::string& name, CWindowKav* parent, const WindowSpec& spec) {
        return AddSpecWindow(project, name, parent, spec);
    }

    static void Generate(CWindowKav* window) {
        const ConverterEntry* entry = FindConverterEntry(StandardConverterTable(), kFormatRanorex);
        ASSERT_TRUE(entry && entry->generateTags);
        EXPECT_EQ(entry->generateTags(*window, 0), 1);
    }

    CWindowKav* form_ = nullptr;
};

constexpr const char* kForm = "/form[@title='Editor - \\[Doc1\\]']";

TEST_F(RanorexTagsTest, EachWindowTypeAppendsItsStep) {
    const struct {
        WindowSpec spec;
        std::string tag;  // below the form's path and "/"
    } cases[] = {
        {{.type = kWndPushButton, .caption = "OK", .numId = 1},
         "button[@controlid='1' and @text='OK']\r\nbutton\r\nbutton,nativewindow"},
        {{.type = kWndPushButton}, "button[]\r\nbutton\r\nbutton,nativewindow"},
        {{.type = kWndCheckBox, .caption = "Bob's (x)"}, "checkbox[@text='Bob''s \\(x\\)']\r\ncheckbox\r\ncheckbox,nativewindow"},
        {{.type = kWndRadioButton, .numId = 7}, "radiobutton[@controlid='7']\r\nradiobutton\r\nradiobutton,nativewindow"},
        {{.type = kWndStaticText, .caption = "a.b"}, "text[@text='a\\.b']\r\ntext\r\ntext,nativewindow"},
        {{.type = kWndInputField, .numId = 1040}, "text[@controlid='1040']\r\ntext\r\ntext,nativewindow"},
        {{.type = kWndInputField}, "text\r\ntext\r\ntext,nativewindow"},
        {{.type = kWndGroupBox, .caption = "Vehicle"}, "container[@caption='Vehicle']\r\ncontainer\r\ncontainer,accessible"},
        {{.type = kWndGroupBox}, "container[]\r\ncontainer\r\ncontainer,accessible"},
        {{.type = kWndComboBox, .numId = 3}, "combobox[@controlid='3']\r\ncombobox\r\ncombobox,nativewindow"},
        {{.type = kWndListBox}, "list\r\nlist\r\nlist,nativewindow"},
        {{.type = kWndTabControl, .numId = 4}, "tabpagelist[@controlid='4']\r\ntabpagelist\r\ntabpagelist,nativewindow"},
        {{.type = kWndToolBar, .numId = 4}, "toolbar\r\nToolbarWindow32\r\nToolbarWindow32,nativewindow"},
        {{.type = kWndListView, .numId = 5, .style = 1}, "table[@controlid='5']\r\ntable\r\ntable,nativewindow"},
        {{.type = kWndListView, .numId = 5, .style = 0x13}, "table[@controlid='5']\r\ntable\r\ntable,nativewindow"},
        {{.type = kWndListView, .numId = 5, .style = 2}, "list[@controlid='5']\r\nlist\r\nlist,nativewindow"},
        {{.type = kWndListView, .className = "SysListView32"}, "\r\nSysListView32\r\nSysListView32,nativewindow"},
        {{.type = kWndTreeControl, .numId = 6}, "tree[@controlid='6']\r\ntree\r\ntree,nativewindow"},
        {{.type = kWndTable, .numId = 8}, "table[@controlid='8']\r\ntable\r\ntable,nativewindow"},
        {{.type = kWndTable, .className = "Grid"}, "\r\nGrid\r\nGrid,nativewindow"},
        {{.type = kWndHeader, .className = "SysHeader32"}, "\r\nSysHeader32\r\nSysHeader32,nativewindow"},
        {{.type = kWndMenu}, "menubar[@accessiblename='Application']\r\nmenubar\r\nmenubar,accessible"},
        {{.type = kWndDialogBox, .caption = "Find", .style = win32::WS_CAPTION},
         "form[@title='Find']\r\nform\r\nform,nativewindow"},
        {{.type = kWndChild, .className = "Pane", .numId = 9}, "container[@controlid='9']\r\ncontainer\r\ncontainer,nativewindow"},
        {{.type = kWndChild, .className = "Pane"}, "container[@class='Pane']\r\ncontainer\r\ncontainer,nativewindow"},
        {{.type = kWndChild, .caption = "Pane"}, "container[@caption='Pane']\r\ncontainer\r\ncontainer,nativewindow"},
    };
    int n = 0;
    for (const auto& [spec, tag] : cases) {
        CWindowKav* window = Add("W" + std::to_string(++n), form_, spec);
        Generate(form_);
        EXPECT_EQ(window->GetTag(), std::string(kForm) + "/" + tag) << n;
    }
    EXPECT_EQ(form_->GetTag(), std::string(kForm) + "\r\nform\r\nform,nativewindow");
}

TEST_F(RanorexTagsTest, CustomWindowsAreTakenByTheirClass) {
    const struct {
        WindowSpec spec;
        int tabNr;
        std::string tag;
    } cases[] = {
        {{.type = kWndCustom, .className = "ScrollBar"}, 2, "scrollbar[2]\r\nscrollbar\r\nscrollbar"},
        {{.type = kWndCustom, .className = "MSCTLS_TRACKBAR32", .numId = 3}, 0,
         "slider[@controlid='3']\r\nslider\r\nslider,nativewindow"},
        {{.type = kWndCustom, .className = "msctls_progress32"}, 0, "progressbar\r\nprogressbar\r\nprogressbar,nativewindow"},
        {{.type = kWndCustom, .className = "SysIPAddress32"}, 0,
         "text[@accessiblerole='IpAddress']\r\ntext\r\ntext,accessible"},
        {{.type = kWndCustom, .caption = "a.b", .className = "msctls_updown32"}, 0,
         "container[@caption='a.b']\r\ncontainer\r\ncontainer,accessible"},
        {{.type = kWndCustom, .className = "msctls_statusbar32", .numId = 2}, 0,
         "statusbar[@controlid='2']\r\nstatusbar\r\nstatusbar,nativewindow"},
        {{.type = kWndCustom, .className = "msctls_hotkey32"}, 0,
         "text[@accessiblerole='HotkeyField']\r\ntext\r\ntext,nativewindow"},
        {{.type = kWndCustom, .caption = "c", .className = "MDIClient", .numId = 2}, 0,
         "container[@controlid='2']\r\ncontainer\r\ncontainer,nativewindow"},
        {{.type = kWndCustom, .caption = "c", .className = "ReBarWindow32"}, 0,
         "container[@caption='c']\r\ncontainer\r\ncontainer,nativewindow"},
        {{.type = kWndCustom, .className = "SHELLDLL_DefView"}, 0, "container\r\ncontainer\r\ncontainer,nativewindow"},
        {{.type = kWndCustom, .caption = "c", .className = "Container", .numId = 2}, 0,
         "container[@caption='c']\r\ncontainer\r\ncontainer,nativewindow"},
        {{.type = kWndCustom, .caption = "T(1)", .className = "Afx:400000", .numId = 2}, 0,
         "form[@title='T\\(1\\)']\r\nform\r\nform,nativewindow"},
        {{.type = kWndCustom, .caption = "T", .className = "Afx:4.0"}, 0,
         "element[@class~'^Afx:4.0']\r\nelement\r\nelement,nativewindow"},
        {{.type = kWndCustom, .className = "AFX:12"}, 0, "element[@class='AFX:12']\r\nunknown\r\nunknown,nativewindow"},
        {{.type = kWndCustom, .className = "Odd", .numId = 5}, 0, "element[@controlid='5']\r\nunknown\r\nunknown,nativewindow"},
    };
    int n = 0;
    for (const auto& [spec, tabNr, tag] : cases) {
        CWindowKav* window = Add("C" + std::to_string(++n), form_, spec);
        window->SetTabNr(tabNr);
        Generate(form_);
        EXPECT_EQ(window->GetTag(), std::string(kForm) + "/" + tag) << n;
    }
}

// A submenu item is found in a context menu of its own, climbing back above the top-level
// window from its parent item.
TEST_F(RanorexTagsTest, MenuItemsFindSubmenusInContextMenus) {
    CWindowKav* menu = Add("Menu", form_, {.type = kWndMenu});
    CWindowKav* file = Add("File", menu, {.type = kWndMenuItem, .caption = "&File"});
    CWindowKav* open = Add("Open", file, {.type = kWndMenuItem, .caption = "&Open  Ctrl+O"});
    CWindowKav* recent = Add("Recent", file, {.type = kWndMenuItem, .caption = "Bob's"});
    CWindowKav* last = Add("Last", recent, {.type = kWndMenuItem, .caption = "Last"});
    Generate(form_);
    const std::string bar = std::string(kForm) + "/menubar[@accessiblename='Application']";
    const std::string filePath = bar + "/menuitem[@accessiblename='File']";
    EXPECT_EQ(file->GetTag(), filePath + "\r\nmenuitem\r\nmenuitem,accessible");
    EXPECT_EQ(open->GetTag(), filePath + "/../../../contextmenu/contextmenu/menuitem[@accessiblename='OpenCtrl+O']"
                                         "\r\nmenuitem\r\nmenuitem,accessible");
    const std::string recentPath = filePath + "/../../../contextmenu/contextmenu/menuitem[@accessiblename='Bob''s']";
    EXPECT_EQ(recent->GetTag(), recentPath + "\r\nmenuitem\r\nmenuitem,accessible");
    EXPECT_EQ(last->GetTag(),
              recentPath + "/../../../contextmenu/contextmenu/menuitem[@accessiblename='Last']\r\nmenuitem\r\nmenuitem,accessible");
}

TEST_F(RanorexTagsTest, MenuCaptionsLoseTheBlanksBeforeTheirShortcut) {
    const std::pair<const char*, const char*> cases[] = {
        {"Open  Ctrl+O", "OpenCtrl+O"}, {"Ctrl+Q", "Ctrl+Q"},   {"Close\tAlt+F4", "Close\tAlt+F4"},
        {"Save   F12", "SaveF12"},      {"Größe STRG+G", "GrößeSTRG+G"}, {"Esc", "Esc"},
        {"Quit", "Quit"},               {"F1 Help  Del", "F1 HelpDel"},
    };
    for (const auto& [caption, expected] : cases) EXPECT_EQ(CRanorex::TrimMenuCaption(caption), expected) << caption;
    EXPECT_EQ(CRanorex::EscapeRegex("a.$|*+?^()[]\\b"), "a\\.\\$\\|\\*\\+\\?\\^\\(\\)\\[\\]\\b");
}

// A window read from a Ranorex repository keeps the path it came with; the tool data of other
// tools is no path.
TEST_F(RanorexTagsTest, ToolDataOfARepositoryGivesThePath) {
    const auto toolData = [](const char* element, const char* value, const char* basePath) {
        auto* data = new CXMLElement(element);
        data->SetValue(value);
        data->GetAttributes().Add(new CXMLAttribute("capname", "button"));
        if (basePath) data->GetChildren().Add(new CXMLElement("basepath"))->SetValue(basePath);
        return data;
    };
    CWindowKav* item = Add("Item", form_, {.type = kWndPushButton});
    item->SetToolData(toolData("item", "/dlg/button[@text='X']", nullptr));
    CWindowKav* folder = Add("Folder", form_, {.type = kWndGroupBox});
    folder->SetToolData(toolData("folder", "ignored", "/dlg/container"));
    CWindowKav* bare = Add("Bare", form_, {.type = kWndGroupBox});
    bare->SetToolData(toolData("appfolder", "ignored", nullptr));
    for (CWindowKav* imported : {item, folder, bare}) imported->SetImportTool(kFormatRanorex);
    CWindowKav* below = Add("Below", folder, {.type = kWndPushButton, .caption = "B"});
    CWindowKav* other = Add("Other", form_, {.type = kWndPushButton, .caption = "O"});
    other->SetToolData(toolData("smurfData", "", nullptr));
    Generate(form_);
    EXPECT_EQ(other->GetTag(), std::string(kForm) + "/button[@text='O']\r\nbutton\r\nbutton,nativewindow");
    EXPECT_EQ(item->GetTag(), "/dlg/button[@text='X']\r\nbutton\r\n");
    EXPECT_EQ(folder->GetTag(), "/dlg/container\r\nbutton\r\n");
    EXPECT_EQ(bare->GetTag(), std::string(kForm) + "/\r\nbutton\r\n");
    EXPECT_EQ(below->GetTag(), "/dlg/container/button[@text='B']\r\nbutton\r\nbutton,nativewindow");
    // Tagging a window alone starts from its parent's path.
    below->SetCaption("C");
    Generate(below);
    EXPECT_EQ(below->GetTag(), "/dlg/container/button[@text='C']\r\nbutton\r\nbutton,nativewindow");
}

}  // namespace
