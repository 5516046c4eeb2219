// WinRunner's physical descriptions: generated from the window data through the converter
// table, as the tag generation asks for them, and converted from the model's old tags.
#include <gtest/gtest.h>

#include "SilkTestWindows.h"
#include "conversion/framework/ConverterTable.h"
#include "conversion/framework/OutputFormats.h"
#include "conversion/winrunner/WinRunner.h"
#include "model/Win32Styles.h"
#include "tests/support/GlobalState.h"
#include "tests/support/Refusal.h"

namespace {

constexpr int kWeb = 995;
constexpr int kJava = 996;

class WinRunnerTagsTest : public ProjectTest {
protected:
    void SetUp() override {
        dialog_ = Add("Login", nullptr, {.type = kWndDialogBox, .caption = "Log in", .style = win32::WS_CAPTION});
    }

    CWindowKav* Add(const std::string& name, CWindowKav* parent, const WindowSpec& spec) {
        return AddSpecWindow(project, name, parent, spec);
    }

    static void Generate(CWindowKav* window) {
        const ConverterEntry* entry = FindConverterEntry(StandardConverterTable(), kFormatWinRunner);
        ASSERT_TRUE(entry && entry->generateTags);
        EXPECT_EQ(entry->generateTags(*window, 0), 1);
    }

    CWindowKav* dialog_ = nullptr;
};

TEST_F(WinRunnerTagsTest, TheDescriptionNamesTheClassAndWhatFindsTheWindow) {
    const std::string longCaption(120, 'x');
    const struct {
        WindowSpec spec;
        std::string expected;
    } cases[] = {
        {{.caption = "&OK", .className = "Button"}, "{class: push_button, MSW_class: \"!Button\", label: \"!OK\"}"},
        {{.caption = longCaption}, "{class: push_button, label: \"!" + std::string(97, 'x') + ".*\"}"},
        {{.caption = "a\"b\\c!d*e&g", .className = "Afx*"},
         "{class: push_button, MSW_class: \"!Afx.*\", label: \"!a.b.c.d.*eg\"}"},
        // A control id counts where no caption names the window.
        {{.type = kWndInputField, .className = "Edit", .numId = 1001},
         "{class: edit, MSW_class: \"!Edit\", MSW_id: 1001}"},
        {{.type = kWndInputField, .guiId = 999, .numId = 65535}, "{class: edit}"},
        {{.type = kWndListBox, .caption = "Items", .numId = 7}, "{class: list, label: \"!Items\"}"},
        {{.type = kWndComboBox, .className = "ComboBox", .style = win32::CBS_DROPDOWN},
         "{class: list, MSW_class: \"!ComboBox\"}\r\n{class: edit, parent: \"W7_list\"}"},
        {{.type = kWndComboBox, .className = "ComboBox", .style = win32::CBS_DROPDOWNLIST},
         "{class: list, MSW_class: \"!ComboBox\"}"},
        {{.type = kWndComboBox, .guiId = kJava, .className = "JComboBox", .style = win32::CBS_DROPDOWNLIST},
         "{class: list}"},
        {{.type = kWndChild, .className = "msctls_statusbar32"},
         "{class: statusbar, MSW_class: \"!msctls_statusbar32\"}"},
        {{.type = kWndDialogBox, .caption = "Sub", .guiId = kJava, .className = "JDialog", .style = win32::WS_CAPTION},
         "{class: window, mic_if_handles_windows: 1, label: \"!Sub\"}"},
        {{.type = kWndInputField, .caption = "  Notes", .guiId = kWeb, .className = "html_textarea"},
         "{class: edit, MSW_class: \"html_edit\", html_name: \"!Notes\"}"},
        {{.type = kWndImage, .guiId = kWeb, .className = "html_img"}, "{class: object, MSW_class: \"html_img\"}"},
        {{.type = kWndImage}, "{class: static_text}"},
        {{.type = kWndMenu}, "{class: >ERROR: menu bar not supported}"},
    };
    int n = 0;
    for (const auto& [spec, expected] : cases) {
        CWindowKav* window = Add("W" + std::to_string(++n), dialog_, spec);
        Generate(window);
        EXPECT_EQ(window->GetTag(), expected) << n;
    }
}

TEST_F(WinRunnerTagsTest, MenuItemsNameTheMenuTheyLieIn) {
    CWindowKav* menu = Add("MainMenu", dialog_, {.type = kWndMenu});
    CWindowKav* file = Add("File", menu, {.type = kWndMenuItem, .caption = "&File", .numId = 5});
    CWindowKav* open = Add("FileOpen", file, {.type = kWndMenuItem, .caption = "&Open...", .numId = 6});
    Generate(menu);
    EXPECT_EQ(file->GetTag(), "{class: menu_item, label: \"!File\"}");
    EXPECT_EQ(open->GetTag(), "{class: menu_item, label: \"!Open...\", parent: File}");
}

// A static text or group box close to the top-left corner of a window without caption names
// it; the nearest one wins.
TEST_F(WinRunnerTagsTest, ANearLabelNamesAControlWithoutCaption) {
    const struct {
        WindowRect label;
        std::string expected;
    } cases[] = {
        {{50, 100, 80, 120}, "{class: edit, attached_text: \"!Name:\"}"},  // its top-right corner 20 away
        {{40, 100, 60, 120}, "{class: edit, MSW_id: 3}"},                  // 40 away
        {{100, 70, 200, 80}, "{class: edit, attached_text: \"!Name:\"}"},  // its bottom-left corner 20 away
    };
    int n = 0;
    for (const auto& [rect, expected] : cases) {
        const std::string suffix = std::to_string(++n);
        CWindowKav* dialog = Add("D" + suffix, nullptr, {.type = kWndDialogBox, .style = win32::WS_CAPTION});
        CWindowKav* field =
            Add("Field" + suffix, dialog, {.type = kWndInputField, .rect = {100, 100, 200, 120}, .numId = 3});
        Add("Far" + suffix, dialog, {.type = kWndGroupBox, .rect = {0, 0, 10, 10}, .caption = "Far"});
        Add("Label" + suffix, dialog, {.type = kWndStaticText, .rect = rect, .caption = "Name:"});
        Generate(field);
        EXPECT_EQ(field->GetTag(), expected) << n;
    }
}

// Windows below one captioned window whose descriptions are equal get their place among each
// other: in tab order where one is given, else top to bottom and then left to right.
TEST_F(WinRunnerTagsTest, EqualDescriptionsGetTheirPlaceAsLocation) {
    const struct {
        std::vector<std::pair<WindowRect, int>> windows;  // rectangle and tab number of each
        std::vector<int> locations;
    } cases[] = {
        {{{{0, 50, 10, 60}, 2}, {{0, 10, 10, 20}, 1}}, {1, 0}},
        {{{{0, 50, 10, 60}, 0}, {{0, 10, 10, 20}, 0}, {{40, 10, 50, 20}, 0}}, {2, 0, 1}},
    };
    int n = 0;
    for (const auto& [windows, locations] : cases) {
        const std::string suffix = std::to_string(++n);
        CWindowKav* dialog = Add("D" + suffix, nullptr, {.type = kWndDialogBox, .style = win32::WS_CAPTION});
        CWindowKav* pane = Add("Pane" + suffix, dialog, {.type = kWndChild, .rect = {100, 100, 300, 300}, .numId = 9});
        std::vector<CWindowKav*> fields;
        for (const auto& [rect, tabNr] : windows) {
            fields.push_back(Add("F" + suffix + "_" + std::to_string(fields.size()), pane,
                                 {.type = kWndInputField, .rect = rect, .className = "Edit"}));
            fields.back()->SetTabNr(tabNr);
        }
        CWindowKav* other = Add("Id" + suffix, pane, {.type = kWndInputField, .className = "Edit", .numId = 1002});
        Generate(dialog);
        for (size_t k = 0; k < fields.size(); ++k)
            EXPECT_EQ(fields[k]->GetTag(),
                      "{class: edit, MSW_class: \"!Edit\", location: " + std::to_string(locations[k]) + "}");
        EXPECT_EQ(other->GetTag(), "{class: edit, MSW_class: \"!Edit\", MSW_id: 1002}");
        EXPECT_EQ(pane->GetTag(), "{class: object, MSW_id: 9}");
    }
}

TEST_F(WinRunnerTagsTest, AWebRadioButtonIsNamedByItsGroupBox) {
    Add("Vehicle", dialog_, {.type = kWndGroupBox, .rect = {0, 0, 100, 100}, .caption = "Vehicle", .guiId = kWeb});
    CWindowKav* car = Add("Car", dialog_,
                          {.type = kWndRadioButton,
                           .rect = {10, 10, 50, 20},
                           .caption = "Car",
                           .guiId = kWeb,
                           .className = "html_radio_button"});
    CWindowKav* alone = Add("Alone", dialog_,
                            {.type = kWndRadioButton,
                             .rect = {300, 300, 350, 320},
                             .caption = "Alone",
                             .guiId = kWeb,
                             .className = "HTML_Radio_Button"});
    Generate(car);
    EXPECT_EQ(car->GetTag(),
              "{class: radio_button, MSW_class: \"html_radio_button\", html_name: \"Vehicle\", part_value: \"!Car\"}");
    TestInteraction().messages.clear();
    Generate(alone);
    EXPECT_EQ(alone->GetTag(), "{class: radio_button, MSW_class: \"HTML_Radio_Button\"}");
    EXPECT_EQ(TestInteraction().Texts(),
              std::vector<std::string>{"Radio Button Alone has no surrounding group box! [W0940]"});
}

// Old tags: "$" a control id, "#" an index, "@(x,y)" a position, anything else the text that
// names the window, to the end.
TEST_F(WinRunnerTagsTest, OldTagsBecomeDescriptions) {
    const struct {
        WindowSpec spec;
        std::string oldTag;
        std::string expected;
    } cases[] = {
        {{.type = kWndInputField, .caption = "Name"},
         "$1001, #2, Name",
         "{class: edit, MSW_id: 1001 , location: 2 , label: \"Name\"}"},
        {{.type = kWndInputField},
         "@(10,20), Name, first",
         "{class: edit, x: 10, y: 20 , attached_text: \"Name, first\"}"},
        {{.type = kWndInputField, .caption = "Go", .guiId = kWeb, .className = "html_text"},
         "$7,  Go",
         "{class: edit, MSW_class: \"html_text\", MSW_id: 7 , html_name: \"Go\"}"},
        {{.type = kWndMenuItem, .caption = "Open"}, "#3", "{class: menu_item, position: 3 }"},
        // A comma at the end belongs to the token.
        {{.type = kWndPushButton, .numId = 4}, "$4,", "{class: push_button, MSW_id: 4, }"},
        // Tags that say nothing usable: the description of the window's data.
        {{.type = kWndPushButton, .caption = "Go", .className = "Button"},
         "",
         "{class: push_button, MSW_class: \"!Button\", label: \"!Go\"}"},
        {{.type = kWndPushButton, .caption = "Go"}, "@(1)", "{class: push_button, label: \"!Go\"}"},
    };
    CWinRunner converter;
    int n = 0;
    for (const auto& [spec, oldTag, expected] : cases) {
        CWindowKav* window = Add("W" + std::to_string(++n), dialog_, spec);
        window->SetTag(oldTag);
        EXPECT_EQ(converter.ConvertOldTag(*window, 1), expected) << oldTag;
    }

    CWindowKav* alone =
        Add("Alone", dialog_,
            {.type = kWndRadioButton, .caption = "Alone", .guiId = kWeb, .className = "html_radio_button"});
    alone->SetTag("Alone");
    std::string converted;
    EXPECT_EQ(Refusal([&] { return converted = converter.ConvertOldTag(*alone, 1), false; }),
              "Radio Button Alone has no surrounding group box! [W0733]");
    EXPECT_EQ(converted, "{class: radio_button, MSW_class: \"html_radio_button\"}");
}

TEST_F(WinRunnerTagsTest, ConvertingOldTagsLeavesMenuBarsAndDescriptions) {
    CWindowKav* menu = Add("Menu", dialog_, {.type = kWndMenu});
    menu->SetTag("$1");
    CWindowKav* converted = Add("Field", dialog_, {.type = kWndInputField});
    converted->SetTag("{class: edit, MSW_id: 5}");
    CWindowKav* old = Add("Old", dialog_, {.type = kWndInputField});
    old->SetTag("$5");
    dialog_->SetTag("Log in");
    CWinRunner converter;
    EXPECT_EQ(converter.ConvertOldTags(app), 1);
    EXPECT_EQ(menu->GetTag(), "$1");
    EXPECT_EQ(converted->GetTag(), "{class: edit, MSW_id: 5}");
    EXPECT_EQ(old->GetTag(), "{class: edit, MSW_id: 5 }");
    EXPECT_EQ(dialog_->GetTag(), "{class: window, label: \"Log in\"}");
}

TEST_F(WinRunnerTagsTest, UntitledDescendantsStopAtWindowsWithTitleBar) {
    CWindowKav* pane = Add("Pane", dialog_, {.type = kWndChild});
    CWindowKav* inPane = Add("InPane", pane, {});
    CWindowKav* sub = Add("Sub", pane, {.type = kWndDialogBox, .style = win32::WS_CAPTION});
    Add("InSub", sub, {});
    CWindowKav* last = Add("Last", dialog_, {});
    std::vector<CWindowKav*> found;
    CWinRunner::CollectUntitledDescendants(dialog_, found);
    EXPECT_EQ(found, (std::vector<CWindowKav*>{pane, inPane, last}));
}

}  // namespace
