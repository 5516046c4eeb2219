#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>

#include "editors/steps/ConditionEditDlg.h"
#include "editors/steps/StepEditorDlg.h"
#include "model/TransitionKav.h"
#include "platform/Interaction.h"
#include "shell/wx/WxInteraction.h"
#include "tests/editors/gui/EditorWindowTest.h"
#include "tests/support/ProjectBuilder.h"

using ::testing::ElementsAre;

namespace {

// The transition T1 from the main window Main to itself; the global attribute N.
class StepEditorDlgUiTest : public GuiTest {
protected:
    void SetUp() override {
        InstallInteraction(std::make_unique<WxInteraction>());
        project.AddAttribute("N");
        CWindowKav* main = project.AddWindow("Main");
        transition = project.AddTransition(main, "T1");
        transition->SetDestWindow(main);
    }

    int Run(const std::function<void(EditorDialogUi&)>& steps) {
        host.steps = steps;
        return dialog.EditStep(transition, false, nullptr);
    }

    static wxTextCtrl* Edit(wxWindow* window, int id) { return FindControl<wxTextCtrl>(window, id); }

    TestProject project;
    WindowHost host;
    CStepEditorDlg dialog{host, project.App()};
    CTransitionKav* transition;
};

}  // namespace

TEST_F(StepEditorDlgUiTest, ARefusedFieldTakesTheFocusWithItsTextSelected) {
    Run([&](EditorDialogUi& window) {
        EXPECT_EQ(window.GetTitle(), "Transition T1");
        EXPECT_FALSE(Edit(&window, kStepPriority)->IsShown());
        wxTextCtrl* delay = Edit(&window, kStepDelay);
        delay->ChangeValue("");
        ASSERT_TRUE(TypeInto(delay, "-5"));
        ASSERT_TRUE(PressButton(&window, wxID_OK));
        ASSERT_TRUE(WaitUntil([&] { return !dialogs_.Shown().empty(); }));
        EXPECT_EQ(dialogs_.Shown()[0].message, "Please enter a delay between 0 and 3.600.000 milliseconds! [W0710]");
        EXPECT_EQ(dialogs_.Shown()[0].title, "Invalid Delay");
        EXPECT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == delay; }));
        long from = 0, to = 0;
        delay->GetSelection(&from, &to);
        EXPECT_EQ(from, 0);
        EXPECT_EQ(to, 2);

        PressKey(WXK_F1);
        EXPECT_TRUE(WaitUntil([&] { return !host.helpTopics.empty(); }));
        EXPECT_THAT(host.helpTopics, ElementsAre(0x2010E));
        EXPECT_TRUE(SaveScreenshot(&window, "step_editor_refusal"));
    });
    EXPECT_EQ(transition->GetDelay(), 0);  // nothing written
}

TEST_F(StepEditorDlgUiTest, BrowseDesignatorsFillsTheFieldTheUserLastLeft) {
    host.reference = ":N";
    Run([&](EditorDialogUi& window) {
        wxTextCtrl* event = Edit(&window, kStepEvent);
        ASSERT_TRUE(TypeInto(event, "Input("));
        ClickWithMouse(FindControl<wxButton>(&window, kStepBrowse));
        ASSERT_TRUE(WaitUntil([&] { return event->GetValue() == "Input(#:N#"; }));
        EXPECT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == event; }));
        EXPECT_THAT(host.referenceRequests, ElementsAre(std::pair<int, CTaskKav*>(23, nullptr)));
    });
}

TEST_F(StepEditorDlgUiTest, CancelAfterAChangedListAsksAndOkWritesTheCheckBox) {
    bool conditionSet = false;
    const int result = Run([&](EditorDialogUi& window) {
        if (dynamic_cast<CConditionEditDlg*>(&window.Dialog())) {
            ASSERT_TRUE(TypeInto(Edit(&window, kCondText), "#:N# = 1"));
            ASSERT_TRUE(PressButton(&window, kCondSet));
            ASSERT_TRUE(PressButton(&window, wxID_OK));
            conditionSet = true;
            return;
        }
        ClickWithMouse(FindControl<wxButton>(&window, kStepConditions));
        ASSERT_TRUE(WaitUntil([&] { return conditionSet && window.IsActive(); }));
        // Esc asks; the recorder's answer is not Yes, so the window stays.
        PressKey(WXK_ESCAPE);
        ASSERT_TRUE(WaitUntil([&] { return !dialogs_.Shown().empty(); }));
        EXPECT_EQ(dialogs_.Shown()[0].message, "Are you sure you want to close the window and lose all changes? [Q0028]");
        EXPECT_EQ(dialogs_.Shown()[0].style & (wxICON_MASK | wxYES_NO), wxICON_EXCLAMATION | wxYES_NO);
        DrainEvents();
        EXPECT_TRUE(window.IsModal());

        auto* errorCase = FindControl<wxCheckBox>(&window, kStepErrorCase);
        ClickWithMouse(errorCase);
        ASSERT_TRUE(WaitUntil([&] { return errorCase->GetValue(); }));
        ASSERT_TRUE(PressButton(&window, wxID_OK));
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(transition->GetErrorCase(), 1);
    ASSERT_EQ(transition->GetConditions().size(), 1u);
    EXPECT_EQ(transition->GetConditions()[0]->GetText(), "#:N# = 1");
}
