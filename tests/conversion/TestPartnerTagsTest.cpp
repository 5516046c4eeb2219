// TestPartner's attach names, generated through the converter table as the tag generation asks
// for them: by caption, control id, web name or Java component name, and numbered in reading
// order where they repeat below a captioned window.
#include <gtest/gtest.h>

#include "SilkTestWindows.h"
#include "conversion/framework/ConverterTable.h"
#include "conversion/framework/OutputFormats.h"
#include "model/Win32Styles.h"
#include "tests/support/GlobalState.h"

namespace {

constexpr int kWeb = 995;
constexpr int kJava = 996;
constexpr int kNone = 999;

class TestPartnerTagsTest : public ProjectTest {
protected:
    CWindowKav* Add(const std::string& name, CWindowKav* parent, const WindowSpec& spec) {
        return AddSpecWindow(project, name, parent, spec);
    }

    static int Generate(CWindowKav* window) {
        const ConverterEntry* entry = FindConverterEntry(StandardConverterTable(), kFormatTestPartner);
        EXPECT_TRUE(entry && entry->generateTags);
        return entry ? entry->generateTags(*window, 0) : -1;
    }
};

TEST_F(TestPartnerTagsTest, TheAttachNameFollowsTheTypeAndGuiBuilder) {
    const struct {
        WindowSpec spec;
        std::string javaText;
        std::string expected;
    } cases[] = {
        {{.type = kWndDialogBox, .caption = "a\"b?c~d'e|f", .guiId = kNone}, "", "Caption='a_b_c_d_e_f'"},
        {{.type = kWndCustom, .guiId = kNone, .numId = 12}, "", "ID='12'"},
        {{.type = kWndCustom, .caption = "Pane", .guiId = kNone}, "", "Caption='Pane'"},
        {{.type = kWndCustom, .guiId = kNone}, "", "Caption = ''"},
        {{.type = kWndInputField, .caption = "Name", .guiId = kNone, .numId = 1001}, "", "ID='1001'"},
        {{.type = kWndInputField, .caption = "Name", .guiId = kNone}, "", "Caption='Name'"},
        {{.type = kWndPushButton, .caption = "OK", .guiId = kNone, .numId = 1}, "", "Caption='OK' ID='1'"},
        {{.type = kWndRadioButton, .caption = "Yes", .guiId = kNone}, "", "Caption='Yes'"},
        {{.type = kWndLink, .caption = "Home", .guiId = kNone, .numId = 3}, "", "ID='3'"},
        {{.type = kWndImage, .caption = "Logo", .guiId = kNone}, "", "Caption = ''"},
        {{.type = kWndMenu, .guiId = kNone}, "", "ID='0'"},
        {{.type = kWndInputField, .caption = "q", .guiId = kWeb}, "", "Name='q'"},
        {{.type = kWndCheckBox, .caption = "Agree", .guiId = kWeb}, "", "Name='Agree'"},
        {{.type = kWndRadioButton, .caption = "Yes", .guiId = kWeb}, "", "Value='Yes'"},
        {{.type = kWndLink, .caption = "Home", .guiId = kWeb}, "", "Caption='Home'"},
        {{.type = kWndImage, .caption = "img/Logo.PNG", .guiId = kWeb}, "", "ImageURL='*img/Logo.PNG'"},
        {{.type = kWndImage, .caption = ".png", .guiId = kWeb}, "", "Caption='.png'"},
        {{.type = kWndPushButton, .caption = "Say &quot;hi&quot; &amp; &lt;go&gt;", .guiId = kWeb}, "",
         "Caption='Say \"\"hi\"\" & <go>'"},
        {{.type = kWndCustom, .caption = "Frame", .guiId = kWeb, .className = "html_frame"}, "", "Name='Frame'"},
        {{.type = kWndCustom, .caption = "Div", .guiId = kWeb, .className = "html_div"}, "", "Caption = ''"},
        {{.type = kWndPushButton, .caption = "OK", .guiId = kJava}, "okButton", "Name='okButton'"},
        {{.type = kWndPushButton, .caption = "OK", .guiId = kJava}, "", "Caption='OK'"},
        {{.type = kWndCustom, .caption = "Panel", .guiId = kJava}, "panel", "Name='panel'"},
        {{.type = kWndCustom, .caption = "Panel", .guiId = kJava, .style = win32::WS_CAPTION}, "panel",
         "Caption='Panel'"},
        {{.type = kWndLink, .caption = "More", .guiId = kJava, .numId = 4}, "moreLink", "ID='4'"},
    };
    int number = 0;
    for (const auto& [spec, javaText, expected] : cases) {
        // Each in a dialog of its own, so that no two tags repeat below one captioned window.
        const std::string dialogName = "D" + std::to_string(++number);
        CWindowKav* dialog = Add(dialogName, nullptr, {.type = kWndDialogBox, .style = win32::WS_CAPTION});
        CWindowKav* window = Add("W" + std::to_string(number), dialog, spec);
        window->SetJavaText(javaText);
        EXPECT_EQ(Generate(dialog), 1);
        EXPECT_EQ(window->GetTag(), expected) << number;
        EXPECT_EQ(dialog->GetTag(), "Caption=''") << number;
    }

    // A web browser, and menu items without id by their menu path.
    CWindowKav* browser = Add("Browser", nullptr,
                              {.type = kWndCustom, .caption = "Shop", .guiId = kWeb, .className = "HTML_Frame"});
    CWindowKav* menu = Add("Menu", browser, {.type = kWndMenu});
    CWindowKav* file = Add("File", menu, {.type = kWndMenuItem, .caption = "&File", .style = win32::MF_POPUP});
    CWindowKav* recent = Add("Recent", file, {.type = kWndMenuItem, .caption = "Re&cent", .style = win32::MF_POPUP});
    CWindowKav* first = Add("First", recent, {.type = kWndMenuItem, .caption = "1 a.txt"});
    CWindowKav* save = Add("Save", file, {.type = kWndMenuItem, .caption = "&Save", .numId = 57601});
    EXPECT_EQ(Generate(browser), 1);
    EXPECT_EQ(browser->GetTag(), "Caption='*Shop - Microsoft Internet Explorer*'");
    EXPECT_EQ(file->GetTag(), "\"File\"");
    EXPECT_EQ(first->GetTag(), "\"File~Recent~1 a.txt\"");
    EXPECT_EQ(save->GetTag(), "57601");
}

// A header finds itself through the control id of the list view that holds it.
TEST_F(TestPartnerTagsTest, AHeaderNamesItsParentsControlId) {
    CWindowKav* dialog = Add("Dialog", nullptr, {.type = kWndDialogBox, .style = win32::WS_CAPTION});
    CWindowKav* list = Add("List", dialog, {.type = kWndListView, .numId = 7});
    CWindowKav* header = Add("Header", list, {.type = kWndHeader});
    CWindowKav* unnamedList = Add("Unnamed", dialog, {.type = kWndListView, .caption = "Files"});
    CWindowKav* unnamedHeader = Add("UnnamedHeader", unnamedList, {.type = kWndHeader});
    EXPECT_EQ(Generate(dialog), 1);
    EXPECT_EQ(header->GetTag(), "Parent.ID='7'");
    EXPECT_EQ(unnamedHeader->GetTag(), "Caption = ''");

    // Without a parent it keeps its tag, and so do the windows below it.
    CWindowKav* lonely = Add("Lonely", nullptr, {.type = kWndHeader});
    CWindowKav* below = Add("Below", lonely, {.type = kWndPushButton, .caption = "x"});
    lonely->SetTag("kept");
    below->SetTag("kept too");
    EXPECT_EQ(Generate(lonely), 0);
    EXPECT_EQ(lonely->GetTag(), "kept");
    EXPECT_EQ(below->GetTag(), "kept too");
}

// Equal attach names of one class below a captioned window, windows with a title bar of their
// own not counted, are numbered from the second on in reading order: left to right on a line
// (tops at most 8 apart), lines from top to bottom.
TEST_F(TestPartnerTagsTest, RepeatedAttachNamesAreNumberedInReadingOrder) {
    CWindowKav* dialog = Add("Dialog", nullptr, {.type = kWndDialogBox, .rect = {0, 0, 400, 300},
                                                 .style = win32::WS_CAPTION});
    CWindowKav* pane = Add("Pane", dialog, {.type = kWndChild, .rect = {0, 100, 400, 200}});
    CWindowKav* right = Add("Right", dialog, {.rect = {100, 10, 150, 30}, .caption = "OK"});
    CWindowKav* left = Add("Left", dialog, {.rect = {10, 16, 60, 36}, .caption = "OK"});
    // In the pane, so below both whatever its own top.
    CWindowKav* lower = Add("Lower", pane, {.rect = {0, 0, 50, 20}, .caption = "OK"});
    CWindowKav* box = Add("Box", dialog, {.type = kWndCheckBox, .rect = {0, 0, 50, 20}, .caption = "OK"});
    CWindowKav* sub = Add("Sub", dialog, {.type = kWndDialogBox, .caption = "Sub", .style = win32::WS_CAPTION});
    CWindowKav* subOk = Add("SubOk", sub, {.rect = {0, 0, 50, 20}, .caption = "OK"});
    EXPECT_EQ(Generate(dialog), 1);

    EXPECT_EQ(left->GetTag(), "Caption='OK'");
    EXPECT_EQ(right->GetTag(), "Caption='OK' Index=2");
    EXPECT_EQ(lower->GetTag(), "Caption='OK' Index=3");
    EXPECT_EQ(box->GetTag(), "Caption='OK'") << "another class";
    EXPECT_EQ(subOk->GetTag(), "Caption='OK'") << "below a window with a title bar of its own";
}

}  // namespace
