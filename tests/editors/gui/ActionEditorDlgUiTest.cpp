#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>

#include "editors/steps/ActionEditorDlg.h"
#include "shell/wx/WxInteraction.h"
#include "tests/editors/gui/EditorWindowTest.h"
#include "tests/support/ProjectBuilder.h"

using ::testing::ElementsAre;

namespace {

class ActionEditorDlgUiTest : public GuiTest {
protected:
    void SetUp() override {
        InstallInteraction(std::make_unique<WxInteraction>());
        CWindowKav* main = project.AddWindow("Main");
        project.AddWindow("Edit1", main, kWndInputField);
    }

    bool Run(const std::function<void(EditorDialogUi&)>& steps) {
        host.steps = steps;
        return dialog.EditActions(actions, nullptr, false);
    }

    TestProject project;
    WindowHost host;
    CActionEditorDlg dialog{host};
    OwningList<CActionKav> actions;
};

}  // namespace

TEST_F(ActionEditorDlgUiTest, ARefusedArgumentIsSelectedForTheUserToTypeOver) {
    Run([&](EditorDialogUi& window) {
        auto* available = FindControl<wxListBox>(&window, kActAvailable);
        EXPECT_EQ(available->GetString(0), "CloseApplication");
        ChooseEntry(available, "SetCheckBox");
        auto* value = FindControl<wxTextCtrl>(&window, kActValue);
        EXPECT_THAT(FindControl<wxListBox>(&window, kActArguments)->GetStrings(), ElementsAre("Name []", "Value []"));
        EXPECT_EQ(FindControl<wxTextCtrl>(&window, kActHelpLine)->GetValue(), "Name (Designator)");
        EXPECT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == value; }));

        ASSERT_TRUE(TypeInto(value, "#Edit1#"));
        PressKey(WXK_RETURN);  // Set Argument is the default button
        ASSERT_TRUE(WaitUntil([&] { return !dialogs_.Shown().empty(); }));
        EXPECT_EQ(dialogs_.Shown()[0].message,
                  "Action SetCheckBox cannot be used to set designator #Edit1#! Use SetInputField instead! [W0006]");
        EXPECT_EQ(dialogs_.Shown()[0].title, "Invalid Argument");
        EXPECT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == value; }));
        long from = 0, to = 0;
        value->GetSelection(&from, &to);
        EXPECT_EQ(from, 0);
        EXPECT_EQ(to, 7);

        PressKey(WXK_F1);
        EXPECT_TRUE(WaitUntil([&] { return !host.helpTopics.empty(); }));
        EXPECT_THAT(host.helpTopics, ElementsAre(0x20085));
        EXPECT_TRUE(SaveScreenshot(&window, "action_editor_refusal"));
    });
}

TEST_F(ActionEditorDlgUiTest, APlacedActionIsListedAndOKHandsItToTheStep) {
    EXPECT_TRUE(Run([&](EditorDialogUi& window) {
        ChooseEntry(FindControl<wxListBox>(&window, kActAvailable), "CloseApplication");
        EXPECT_EQ(window.GetDefaultItem(), FindControl<wxButton>(&window, kActSetAction));
        ASSERT_TRUE(PressButton(&window, kActSetAction));
        EXPECT_THAT(FindControl<wxListBox>(&window, kActSelected)->GetStrings(), ElementsAre("CloseApplication ()"));
        EXPECT_EQ(FindControl<wxListBox>(&window, kActAvailable)->GetSelection(), wxNOT_FOUND);
        ASSERT_TRUE(PressButton(&window, wxID_OK));
    }));
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(actions[0]->GetName(), "CloseApplication");
}
