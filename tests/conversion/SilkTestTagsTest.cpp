// SilkTest's recognition tags, as the tag generation asks the converter table for them.
#include <gtest/gtest.h>

#include "SilkTestWindows.h"
#include "conversion/framework/ConverterTable.h"
#include "conversion/framework/OutputFormats.h"
#include "conversion/silktest/QAP4.h"
#include "model/Win32Styles.h"

namespace {

constexpr int kJava = 996;

class SilkTestTagsTest : public ProjectTest {
protected:
    void SetUp() override {
        main_ = AddSpecWindow(project, "Main", nullptr, {.type = kWndMain, .caption = "Demo", .style = win32::WS_CAPTION});
        app.SetStartWindow(main_);
        dialog_ = AddSpecWindow(project, "Login", nullptr,
                                {.type = kWndDialogBox, .caption = "Log in", .style = win32::WS_CAPTION});
    }

    CWindowKav* Add(const std::string& name, CWindowKav* parent, const WindowSpec& spec) {
        return AddSpecWindow(project, name, parent, spec);
    }

    static void Generate(CWindowKav* window, int preferCaption = 0) {
        const ConverterEntry* entry = FindConverterEntry(StandardConverterTable(), kFormatSilkTest);
        ASSERT_TRUE(entry && entry->generateTags);
        EXPECT_EQ(entry->generateTags(*window, preferCaption), 1);
    }

    CWindowKav* main_ = nullptr;
    CWindowKav* dialog_ = nullptr;
};

TEST_F(SilkTestTagsTest, ControlsWithoutNameCountInReadingOrderAmongTheirKind) {
    CWindowKav* right = Add("Right", dialog_, {.rect = {100, 50, 180, 70}});
    CWindowKav* left = Add("Left", dialog_, {.rect = {10, 50, 90, 70}});
    CWindowKav* below = Add("Below", dialog_, {.rect = {0, 90, 80, 110}});
    CWindowKav* field = Add("Field", dialog_, {.type = kWndInputField, .rect = {0, 200, 50, 220}});
    // A control id counts as no id only for windows of no GUI builder.
    CWindowKav* unnamed = Add("Unnamed", dialog_, {.rect = {0, 300, 10, 310}, .guiId = 999, .numId = 65535});
    Generate(dialog_);
    EXPECT_EQ(left->GetTag(), "tag \"[PushButton]#1\"");
    EXPECT_EQ(right->GetTag(), "tag \"[PushButton]#2\"");
    EXPECT_EQ(below->GetTag(), "tag \"[PushButton]#3\"");
    EXPECT_EQ(field->GetTag(), "tag \"[TextField]#1\"");
    EXPECT_EQ(unnamed->GetTag(), "tag \"[PushButton]#4\"");
}

TEST_F(SilkTestTagsTest, TheTagPartIsTheControlIdTheCaptionOrTheNearestLabel) {
    const std::string longCaption(120, 'x');
    const struct {
        WindowSpec spec;
        int preferCaption;
        std::string expected;
    } cases[] = {
        {{.caption = "&Save [x]"}, 0, "tag \"[PushButton]Save ?x?\""},
        {{.caption = "a/b$c@d#e\"f\\g"}, 0, "tag \"[PushButton]a?b?c?d?e?f?g\""},
        {{.caption = longCaption}, 0, "tag \"[PushButton]" + std::string(99, 'x') + "*\""},
        {{.caption = "OK", .numId = 42}, 0, "tag \"[PushButton]$42\""},
        {{.caption = "OK", .numId = 42}, 1, "tag \"[PushButton]OK\""},
        {{.caption = "", .numId = 42}, 1, "tag \"[PushButton]$42\""},
        // Windows Forms names an edit control by its caption, a button by its text.
        {{.type = kWndInputField, .caption = "user", .guiId = 990}, 1, "tag \"[SwfTextField]$user\""},
        {{.caption = "OK", .guiId = 990}, 1, "tag \"[SwfPushButton]OK\""},
        {{.type = kWndCheckBox, .caption = "  agree", .guiId = 995}, 1, "tag \"[HtmlCheckBox]$agree\""},
    };
    int n = 0;
    for (const auto& [spec, preferCaption, expected] : cases) {
        CWindowKav* window = Add("W" + std::to_string(++n), dialog_, spec);
        Generate(window, preferCaption);
        EXPECT_EQ(window->GetTag(), expected) << spec.caption;
    }

    // Labels: the nearest one to the left or above, its text escaped.
    CWindowKav* name = Add("Name", dialog_, {.type = kWndInputField, .rect = {100, 400, 200, 420}});
    Add("NameLabel", dialog_, {.type = kWndStaticText, .rect = {10, 400, 90, 420}, .caption = "&Name:"});
    Add("FarLabel", dialog_, {.type = kWndStaticText, .rect = {0, 300, 50, 320}, .caption = "Far"});
    CWindowKav* notes = Add("Notes", dialog_, {.type = kWndInputField, .rect = {100, 500, 300, 600}});
    Add("NotesLabel", dialog_, {.type = kWndGroupBox, .rect = {100, 470, 300, 495}, .caption = "Notes [all]"});
    Generate(dialog_);
    EXPECT_EQ(name->GetTag(), "tag \"[TextField]Name:\"");
    EXPECT_EQ(notes->GetTag(), "tag \"[TextField]Notes ?all?\"");
}

TEST_F(SilkTestTagsTest, TopLevelAndCaptionedWindowsSayWhereTheyAreFound) {
    CWindowKav* sub = Add("Sub", main_, {.type = kWndDialogBox, .caption = "Options", .style = win32::WS_CAPTION});
    CWindowKav* pane = Add("Pane", sub, {.type = kWndChild});
    CWindowKav* deep = Add("Deep", pane, {.caption = "Go"});
    CWindowKav* custom = Add("Custom", pane, {.type = kWndCustom, .rect = {0, 50, 10, 60}, .caption = "Area"});
    Generate(main_);
    Generate(dialog_);
    EXPECT_EQ(main_->GetTag(), "tag \"[MainWin]Demo\"");
    EXPECT_EQ(dialog_->GetTag(), "tag \"~ActiveApp/[DialogBox]Log in\"");
    EXPECT_EQ(sub->GetTag(), "tag \"[DialogBox]Options\"\r\nparent Main");
    EXPECT_EQ(pane->GetTag(), "tag \"[ChildWin]#1\"");
    EXPECT_EQ(deep->GetTag(), "tag \"[ChildWin]#1/[PushButton]Go\"");
    EXPECT_EQ(custom->GetTag(), "tag \"[ChildWin]#1/Area\"");

    // A start page of the browser, and a Java applet in it.
    CWindowKav* page = Add("Page", nullptr, {.type = kWndCustom, .caption = "Shop", .guiId = 995, .style = win32::WS_CAPTION});
    app.SetStartWindow(page);
    Generate(page);
    EXPECT_EQ(page->GetTag(), "tag \"Shop\"\r\nparent Browser");
    CWindowKav* applet = Add("Applet", nullptr, {.type = kWndMain, .guiId = kJava, .style = win32::WS_CAPTION});
    app.SetStartWindow(applet);
    app.SetWebTest(1);
    Generate(applet);
    EXPECT_EQ(applet->GetTag(), "tag \"[JavaApplet]BEANSCONTROLWINDOW\"\r\nparent BrowserPage");
}

// Radio buttons, Java panels and Java group boxes without radio buttons get no tag; the windows
// inside a panel count among the panel's siblings, at their place in the dialog.
TEST_F(SilkTestTagsTest, WindowsSilkTestCannotAddressAreLeftOutOfThePaths) {
    CWindowKav* group = Add("Group", dialog_, {.type = kWndGroupBox, .rect = {0, 0, 100, 100}, .caption = "Vehicle"});
    CWindowKav* radio = Add("Car", dialog_, {.type = kWndRadioButton, .rect = {10, 10, 50, 20}, .caption = "Car"});
    radio->SetTag("kept");
    CWindowKav* java = Add("Java", nullptr, {.type = kWndDialogBox, .guiId = kJava, .style = win32::WS_CAPTION});
    CWindowKav* outside = Add("Outside", java, {.rect = {50, 0, 60, 10}, .guiId = kJava});
    CWindowKav* panel = Add("Panel", java, {.type = kWndCustom, .rect = {100, 0, 200, 50}, .guiId = kJava, .className = "JPanel"});
    CWindowKav* inside = Add("Inside", panel, {.rect = {0, 0, 10, 10}, .guiId = kJava});
    CWindowKav* emptyGroup = Add("Empty", java, {.type = kWndGroupBox, .rect = {0, 100, 10, 110}, .guiId = kJava});
    Generate(dialog_);
    Generate(java);
    EXPECT_EQ(group->GetTag(), "tag \"[RadioList]Vehicle\"");
    EXPECT_EQ(radio->GetTag(), "kept");
    EXPECT_EQ(outside->GetTag(), "tag \"[JavaJFCPushButton]#1\"");
    EXPECT_EQ(inside->GetTag(), "tag \"[JavaJFCPushButton]#2\"");
    EXPECT_EQ(panel->GetTag(), "");
    EXPECT_EQ(emptyGroup->GetTag(), "");
    EXPECT_EQ(java->GetTag(), "tag \"~ActiveApp/[JavaDialogBox]\"");
}

}  // namespace
