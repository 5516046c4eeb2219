#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include "editors/steps/StepApiEditorDlg.h"
#include "editors/steps/StepSubtaskEditorDlg.h"
#include "model/DovaTemplate.h"
#include "model/TaskKav.h"
#include "model/TaskStep.h"
#include "platform/Interaction.h"
#include "shell/wx/WxInteraction.h"
#include "tests/editors/gui/EditorWindowTest.h"
#include "tests/support/FlowBuilder.h"
#include "tests/support/ProjectBuilder.h"

using ::testing::ElementsAre;

namespace {

// The building block Sub with the numeric parameter n, called by the step Call of the task T
// that passes n = 1; the step S of T; the API-step template T with the parameters P1 and P2.
class StepCallEditorsUiTest : public GuiTest {
protected:
    void SetUp() override {
        InstallInteraction(std::make_unique<WxInteraction>());
        CTaskKav* sub = project.AddTask("Sub", nullptr, kTaskBuildingBlock);
        sub->GetParameters().Add(new CAttributeKav("n", 2, "1"))->SetFile(project.Main());
        sub->GetParameters().Add(new CAttributeKav("m", 2, "2"))->SetFile(project.Main());
        task = project.AddTask("T");
        call = AddStep(*task, "Call");
        call->SetPriority(1);
        call->SetSubTask(sub);
        call->UpdateSubtaskParameters(sub);
        step = AddStep(*task, "S");
        step->SetPriority(1);
        CDovaTemplate* dovaTemplate = GetDovaTemplateList().Add(new CDovaTemplate("T", "I", false, "Help of T"));
        dovaTemplate->GetParameters().Add(new CDovaParameter("P1", "d1", false, false, "Help of P1"));
        dovaTemplate->GetParameters().Add(new CDovaParameter("P2", "d2", true, false, ""));
    }

    static wxTextCtrl* Edit(wxWindow* window, int id) { return FindControl<wxTextCtrl>(window, id); }

    // After the refusal shown, the field has the focus with its whole text selected.
    void ExpectRefusedField(wxTextCtrl* field, const std::string& message) {
        ASSERT_TRUE(WaitUntil([&] { return !dialogs_.Shown().empty(); }));
        EXPECT_EQ(dialogs_.Shown()[0].message, message);
        EXPECT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == field; }));
        long from = 0, to = 0;
        field->GetSelection(&from, &to);
        EXPECT_EQ(from, 0);
        EXPECT_EQ(to, field->GetLastPosition());
    }

    TestProject project;
    WindowHost host;
    CTaskKav* task;
    CTaskStep* call;
    CTaskStep* step;
};

}  // namespace

TEST_F(StepCallEditorsUiTest, TheSubtaskEditorSetsValuesRowByRowAndRefocusesARefusedLoopCount) {
    CStepSubtaskEditorDlg dialog{host, project.App()};
    host.steps = [&](EditorDialogUi& window) {
        EXPECT_EQ(window.GetTitle(), "Sub Task Call");
        auto* rows = FindControl<wxListView>(&window, kSubParameters);
        wxTextCtrl* value = Edit(&window, kSubValue);
        ASSERT_EQ(rows->GetItemCount(), 2);
        EXPECT_EQ(rows->GetItemText(0, 2), "1");
        EXPECT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == value; }));
        value->ChangeValue("");
        ASSERT_TRUE(TypeInto(value, "5"));
        ASSERT_TRUE(PressButton(&window, kSubSetValue));
        EXPECT_TRUE(WaitUntil([&] { return rows->GetItemText(0, 2) == "5" && rows->GetFirstSelected() == 1; }));

        // Data Set locks the loop count; Execute opens it again.
        ClickWithMouse(FindControl<wxRadioButton>(&window, kSubDataSetMode));
        wxTextCtrl* count = Edit(&window, kSubLoopCount);
        EXPECT_TRUE(WaitUntil([&] { return !count->IsEnabled(); }));
        ClickWithMouse(FindControl<wxRadioButton>(&window, kSubExecute));
        EXPECT_TRUE(WaitUntil([&] { return count->IsEnabled(); }));
        count->ChangeValue("");
        ASSERT_TRUE(TypeInto(count, "101"));
        ASSERT_TRUE(PressButton(&window, wxID_OK));
        ExpectRefusedField(count, "Please enter a loop number between 1 and 100 or an numeric expression! [W0951]");
        EXPECT_EQ(dialogs_.Shown()[0].title, "Invalid Number of Loops");

        PressKey(WXK_F1);
        EXPECT_TRUE(WaitUntil([&] { return !host.helpTopics.empty(); }));
        EXPECT_THAT(host.helpTopics, ElementsAre(0x20115));
        EXPECT_TRUE(SaveScreenshot(&window, "subtask_step_editor"));

        count->ChangeValue("3");
        ASSERT_TRUE(PressButton(&window, wxID_OK));
    };
    EXPECT_EQ(dialog.EditSubtaskStep(call, task), 1);
    EXPECT_EQ(call->GetLoopMode(), kLoopCount);
    EXPECT_EQ(call->GetLoopCount(), "3");
    EXPECT_EQ(call->GetAttributes()[0]->GetValue(), "5");
}

TEST_F(StepCallEditorsUiTest, TheApiEditorFillsTheRowsOfAChosenTemplateAndRefocusesARefusedName) {
    CStepApiEditorDlg dialog{host, project.App()};
    host.steps = [&](EditorDialogUi& window) {
        EXPECT_EQ(window.GetTitle(), "Task Step S");
        auto* rows = FindControl<wxListCtrl>(&window, kApiParameters);
        EXPECT_EQ(rows->GetItemCount(), 0);
        ChooseInChoice(FindControl<wxChoice>(&window, kApiTemplate), "T");
        ASSERT_TRUE(WaitUntil([&] { return rows->GetItemCount() == 2; }));
        EXPECT_EQ(rows->GetItemText(1, 1), "d2");
        EXPECT_EQ(Edit(&window, kApiInstruction)->GetValue(), "I");
        wxTextCtrl* value = Edit(&window, kApiParameterValue);
        EXPECT_EQ(value->GetValue(), "d1");
        EXPECT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == value; }));
        EXPECT_FALSE(FindControl<wxButton>(&window, kApiNewParameter)->IsEnabled());

        wxTextCtrl* name = Edit(&window, kApiName);
        name->ChangeValue("");
        ASSERT_TRUE(TypeInto(name, "Step 1"));
        ASSERT_TRUE(PressButton(&window, wxID_OK));
        ExpectRefusedField(name, "Illegal character ' ' in step name! [W0920]");
        EXPECT_EQ(dialogs_.Shown()[0].title, "Invalid Name");

        PressKey(WXK_F1);
        EXPECT_TRUE(WaitUntil([&] { return !host.helpTopics.empty(); }));
        EXPECT_THAT(host.helpTopics, ElementsAre(0x2011D));
        EXPECT_TRUE(SaveScreenshot(&window, "api_step_editor"));

        name->ChangeValue("Step1");
        ASSERT_TRUE(PressButton(&window, wxID_OK));
    };
    EXPECT_EQ(dialog.EditApiStep(step, task), 1);
    EXPECT_EQ(step->GetName(), "Step1");
    EXPECT_EQ(step->GetCommands(), "T\r\nI\r\nP1=d1\r\nP2=d2");
}
