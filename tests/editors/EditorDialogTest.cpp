#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "editors/framework/EditorDialog.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/support/GlobalState.h"

namespace {

constexpr int kPlainEdit = 1001;
constexpr int kEditWithHelp = 1002;

// A dialog of resource 140 whose second edit has a help context of its own.
class SampleDlg : public EditorDialog {
public:
    explicit SampleDlg(EditorHost& host) : EditorDialog(host, 140) {
        AddControl(kPlainEdit);
        AddControl(kEditWithHelp);
    }
    bool Check() { return Refuse(44739, 47006, kEditWithHelp); }
    void Open(bool readOnly) { SetTitle("Sample", readOnly); }
    void Insert(const std::string& text) { ReplaceSelection(kPlainEdit, text); }

protected:
    int ControlHelpContext(int control) const override { return control == kEditWithHelp ? 0x808D01F4 : 0; }
};

}  // namespace

TEST(EditorDialog, F1ShowsTheDialogsTopicShiftF1TheControlsWhenItHasOne) {
    struct Case {
        bool shift;
        int focused;
        int topic;
    };
    const Case cases[] = {
        {false, kPlainEdit, 0x2008C},
        {false, kEditWithHelp, 0x2008C},
        {true, kPlainEdit, 0x2008C},
        {true, kEditWithHelp, static_cast<int>(0x808D01F4)},
        {true, 0, 0x2008C},
    };
    for (const Case& c : cases) {
        FakeEditorHost host;
        SampleDlg dialog(host);
        dialog.OnHelp(c.shift, c.focused);
        EXPECT_THAT(host.helpTopics, ::testing::ElementsAre(c.topic)) << c.shift << " " << c.focused;
    }
}

TEST(EditorDialog, ARefusalWarnsWithItsCaptionAndSelectsTheRefusedControl) {
    FakeEditorHost host;
    SampleDlg dialog(host);
    EXPECT_FALSE(dialog.Check());
    ASSERT_EQ(TestInteraction().messages.size(), 1u);
    const MessageRequest& shown = TestInteraction().messages[0];
    EXPECT_EQ(shown.text, "Please enter a valid name! [W0739]");
    EXPECT_EQ(shown.caption, "Invalid Name");
    EXPECT_EQ(shown.buttons, MessageButtons::Ok);
    EXPECT_EQ(shown.icon, MessageIcon::Warning);
    EXPECT_EQ(dialog.GetFocusRequest().control, kEditWithHelp);
    EXPECT_TRUE(dialog.GetFocusRequest().selectText);
}

TEST(EditorDialog, AReadOnlyRunSaysSoInTheTitle) {
    FakeEditorHost host;
    SampleDlg dialog(host);
    dialog.Open(true);
    EXPECT_EQ(dialog.GetTitle(), "Sample (Read-Only)");
    dialog.Open(false);
    EXPECT_EQ(dialog.GetTitle(), "Sample");
}

TEST(EditorDialog, InsertedTextTakesThePlaceOfTheSelectionAndLeavesTheCaretBehindIt) {
    struct Case {
        std::string text;
        size_t from, to;  // the selection the window handed over
        std::string result;
        size_t caret;
    };
    const Case cases[] = {
        {"abcd", 1, 3, "a#x#d", 4},
        {"abcd", 3, 1, "a#x#d", 4},    // given backwards
        {"ab", 9, 9, "ab#x#", 5},      // beyond the end: at the end
        {"\u00e4b", 2, 2, "\u00e4#x#b", 5},  // after a two-byte character
    };
    for (const Case& c : cases) {
        FakeEditorHost host;
        SampleDlg dialog(host);
        dialog.SetText(kPlainEdit, c.text);
        dialog.SetSelection(kPlainEdit, c.from, c.to);
        dialog.Insert("#x#");
        EXPECT_EQ(dialog.GetText(kPlainEdit), c.result) << c.text;
        EXPECT_EQ(dialog.Control(kPlainEdit).selectionFrom, c.caret) << c.text;
        EXPECT_EQ(dialog.Control(kPlainEdit).selectionTo, c.caret) << c.text;
    }
    FakeEditorHost host;
    SampleDlg dialog(host);
    dialog.SetText(kPlainEdit, "abc");  // a text given without a selection: the caret at its end
    dialog.Insert("!");
    EXPECT_EQ(dialog.GetText(kPlainEdit), "abc!");
}
