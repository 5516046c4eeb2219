#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>

#include "editors/steps/TaskEditorDlg.h"
#include "editors/steps/TaskRequirementDlg.h"
#include "model/Requirement.h"
#include "platform/Interaction.h"
#include "shell/wx/WxInteraction.h"
#include "tests/editors/gui/EditorWindowTest.h"
#include "tests/support/ProjectBuilder.h"

using ::testing::ElementsAre;

namespace {

// The use case tasks T1 and T12, the data set Set1 and the requirements R1 and R2.
class TaskEditorDlgUiTest : public GuiTest {
protected:
    void SetUp() override {
        InstallInteraction(std::make_unique<WxInteraction>());
        task = project.AddTask("T1");
        project.AddTask("T12");
        project.AddDataSet("Set1");
        project.AddRequirement("R1");
        project.AddRequirement("R2");
    }

    int Run(const std::function<void(EditorDialogUi&)>& steps) {
        host.steps = steps;
        return dialog.EditTask(task);
    }

    TestProject project;
    WindowHost host;
    CTaskEditorDlg dialog{host, project.App()};
    CTaskKav* task;
};

}  // namespace

TEST_F(TaskEditorDlgUiTest, ATakenNameTakesTheFocusBackWithItsTextSelected) {
    Run([&](EditorDialogUi& window) {
        EXPECT_EQ(window.GetTitle(), "Properties of Task T1");
        auto* name = FindControl<wxTextCtrl>(&window, kTaskName);
        name->ChangeValue("");
        ASSERT_TRUE(TypeInto(name, "T12"));
        ASSERT_TRUE(PressButton(&window, wxID_OK));
        ASSERT_TRUE(WaitUntil([&] { return !dialogs_.Shown().empty(); }));
        EXPECT_EQ(dialogs_.Shown()[0].message, "A task with this name is already existing! [W0780]");
        EXPECT_EQ(dialogs_.Shown()[0].title, "Invalid Name");
        EXPECT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == name; }));
        long from = 0, to = 0;
        name->GetSelection(&from, &to);
        EXPECT_EQ(from, 0);
        EXPECT_EQ(to, 3);

        PressKey(WXK_F1);
        EXPECT_TRUE(WaitUntil([&] { return !host.helpTopics.empty(); }));
        EXPECT_THAT(host.helpTopics, ElementsAre(0x20116));
    });
    EXPECT_EQ(task->GetName(), "T1");
}

TEST_F(TaskEditorDlgUiTest, ChoicesAndComboBoxesReachTheTask) {
    const int result = Run([&](EditorDialogUi& window) {
        auto* type = FindControl<wxChoice>(&window, kTaskType);
        auto* dataSet = FindControl<wxChoice>(&window, kTaskDataSet);
        EXPECT_THAT(type->GetStrings(), ElementsAre("Building Block", "Folder", "Use Case Task"));
        EXPECT_EQ(type->GetStringSelection(), "Use Case Task");

        // Folder and back: the question never comes, the data set box follows the type.
        ChooseInChoice(type, "Folder");
        EXPECT_FALSE(dataSet->IsEnabled());
        EXPECT_FALSE(FindControl<wxButton>(&window, kTaskParameters)->IsEnabled());
        ChooseInChoice(type, "Use Case Task");
        EXPECT_TRUE(dataSet->IsEnabled());
        ChooseInChoice(dataSet, "~Set1");

        auto* level = FindControl<wxComboBox>(&window, kTaskTestLevel);
        EXPECT_EQ(level->GetCount(), 5u);
        ASSERT_TRUE(TypeInto(level, "Own Level"));
        EXPECT_TRUE(SaveScreenshot(&window, "task_editor"));
        ASSERT_TRUE(PressButton(&window, wxID_OK));
    });
    EXPECT_EQ(result, 1);
    EXPECT_TRUE(dialogs_.Shown().empty());
    EXPECT_EQ(task->GetTestLevel(), "Own Level");
    EXPECT_EQ(task->GetDataSet(), project.App().FindDataSet("Set1", false));
}

TEST_F(TaskEditorDlgUiTest, RequirementsMoveByClickAndSet) {
    bool moved = false;
    const int result = Run([&](EditorDialogUi& window) {
        if (dynamic_cast<CTaskRequirementDlg*>(&window.Dialog())) {
            auto* available = FindControl<wxListCtrl>(&window, kReqAvailable);
            auto* selected = FindControl<wxListView>(&window, kReqSelected);
            EXPECT_EQ(available->GetItemText(0), "R2");  // each went in at the top
            auto* set = FindControl<wxButton>(&window, kReqSet);
            EXPECT_FALSE(set->IsEnabled());
            ClickRow(available, 1);
            ASSERT_TRUE(WaitUntil([&] { return set->IsEnabled(); }));
            ASSERT_TRUE(PressButton(&window, kReqSet));
            EXPECT_EQ(selected->GetItemCount(), 1);
            EXPECT_EQ(selected->GetItemText(0), "R1");
            EXPECT_EQ(selected->GetFirstSelected(), 0);
            EXPECT_TRUE(SaveScreenshot(&window, "task_requirements"));
            PressKey(WXK_F1);
            EXPECT_TRUE(WaitUntil([&] { return !host.helpTopics.empty(); }));
            EXPECT_THAT(host.helpTopics, ElementsAre(0x20119));
            ASSERT_TRUE(PressButton(&window, wxID_OK));
            moved = true;
            return;
        }
        ClickWithMouse(FindControl<wxButton>(&window, kTaskRequirements));
        ASSERT_TRUE(WaitUntil([&] { return moved && window.IsActive(); }));
        ASSERT_TRUE(PressButton(&window, wxID_OK));
    });
    EXPECT_EQ(result, 1);
    ASSERT_EQ(task->GetRequirements().size(), 1u);
    EXPECT_EQ(task->GetRequirements()[0]->GetID(), "R1");
}
