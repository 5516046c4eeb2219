#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include "editors/project/FoundTransDlg.h"
#include "editors/project/SearchTaskDlg.h"
#include "editors/project/SearchTransDlg.h"
#include "editors/project/SearchWndDlg.h"
#include "model/DisplayTexts.h"
#include "model/TaskKav.h"
#include "model/TaskStep.h"
#include "model/TransitionKav.h"
#include "model/WindowKav.h"
#include "platform/Interaction.h"
#include "shell/wx/WxInteraction.h"
#include "tests/editors/gui/EditorWindowTest.h"
#include "tests/support/FlowBuilder.h"
#include "tests/support/ProjectBuilder.h"

using ::testing::ElementsAre;

namespace {

// The frame of the found references, which also opens task flows.
class ReferencesWindowHost : public WindowHost {
public:
    std::vector<CTaskKav*> openedFlows;
    void OpenTaskFlow(CTaskKav* task) override { openedFlows.push_back(task); }
};

// The window Main with the push button Ok and its transition Go, which names Ok; the task
// Login with the step Press, which names Ok too.
class SearchDialogsUiTest : public GuiTest {
protected:
    void SetUp() override {
        InstallInteraction(std::make_unique<WxInteraction>());
        mainWindow = project.AddWindow("Main");
        ok = project.AddWindow("Ok", mainWindow, kWndPushButton);
        CTransitionKav* go = project.AddTransition(ok, "Go");
        go->SetDestWindow(mainWindow);
        go->GetConditions().Add(new CConditionKav("", "#Ok:$Enabled# = TRUE"));
        login = project.AddTask("Login");
        AddStep(*login, "Press")->GetConditions().Add(new CConditionKav("", "#Ok:$Visible# = TRUE"));
    }

    // Presses OK on an empty field: the refusal's message, its caption, and the field back in
    // focus with its text selected. Then F1 asks for the topic.
    void ExpectRefusalAndHelp(EditorDialogUi& window, int field, const std::string& message, const std::string& caption,
                              int topic) {
        auto* edit = FindControl<wxTextCtrl>(&window, field);
        ASSERT_TRUE(PressButton(&window, wxID_OK));
        ASSERT_TRUE(WaitUntil([&] { return !dialogs_.Shown().empty(); }));
        EXPECT_EQ(dialogs_.Shown()[0].message, message);
        EXPECT_EQ(dialogs_.Shown()[0].title, caption);
        EXPECT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == edit; }));
        EXPECT_TRUE(window.IsModal());
        PressKey(WXK_F1);
        EXPECT_TRUE(WaitUntil([&] { return !host.helpTopics.empty(); }));
        EXPECT_THAT(host.helpTopics, ElementsAre(topic));
        host.helpTopics.clear();
        dialogs_.Clear();
    }

    TestProject project;
    ReferencesWindowHost host;
    CWindowKav* mainWindow;
    CWindowKav* ok;
    CTaskKav* login;
};

}  // namespace

TEST_F(SearchDialogsUiTest, TheTaskSearchNeedsANameAndSearchesTheChosenScope) {
    CSearchTaskDlg dialog{host, project.App()};
    host.steps = [&](EditorDialogUi& window) {
        EXPECT_EQ(FindControl<wxRadioButton>(&window, kSearchTaskSelected)->GetLabel(), "Task 'Login'");
        ExpectRefusalAndHelp(window, kSearchTaskName, "Please specify a task name! [W0595]", "Missing Search Criteria",
                             0x20114);
        ASSERT_TRUE(TypeInto(FindControl<wxTextCtrl>(&window, kSearchTaskName), "GIN"));
        ASSERT_TRUE(PressButton(&window, wxID_OK));
    };
    const auto found = dialog.Search(login, nullptr);
    ASSERT_TRUE(found.has_value());
    EXPECT_THAT(*found, ElementsAre(login));
}

TEST_F(SearchDialogsUiTest, TheWindowSearchNeedsACriterionAndTakesTheChosenType) {
    CSearchWndDlg dialog{host, project.App()};
    host.steps = [&](EditorDialogUi& window) {
        auto* whole = FindControl<wxRadioButton>(&window, kSearchWndWhole);
        EXPECT_TRUE(whole->GetValue());
        EXPECT_FALSE(FindControl<wxRadioButton>(&window, kSearchWndSelected)->IsEnabled());
        ExpectRefusalAndHelp(window, kSearchWndId, "Please specify one or more search criteria! [W0562]",
                             "Missing Search Criteria", 0x20104);
        ChooseInChoice(FindControl<wxChoice>(&window, kSearchWndType), GetWindowTypeName(kWndPushButton));
        ASSERT_TRUE(PressButton(&window, wxID_OK));
    };
    const auto found = dialog.Search(nullptr, nullptr);
    ASSERT_TRUE(found.has_value());
    EXPECT_THAT(*found, ElementsAre(ok));
}

TEST_F(SearchDialogsUiTest, TheReferencePromptNeedsAWindowWhichBrowseWindowsCanChoose) {
    CSearchTransDlg dialog{host, project.App()};
    host.reference = "Ok";
    host.steps = [&](EditorDialogUi& window) {
        ExpectRefusalAndHelp(window, kSearchTransWindow, "Please enter a window ID! [W0582]", "Missing Window ID",
                             0x2010C);
        ClickWithMouse(FindControl<wxButton>(&window, kSearchTransBrowse));
        auto* field = FindControl<wxTextCtrl>(&window, kSearchTransWindow);
        ASSERT_TRUE(WaitUntil([&] { return field->GetValue() == "Ok"; }));
        ASSERT_TRUE(PressButton(&window, wxID_OK));
    };
    EXPECT_EQ(dialog.AskWindowId(nullptr), "Ok");
}

TEST_F(SearchDialogsUiTest, TheFoundReferencesListBothKindsAndADoubleClickedStepOpensItsTaskFlow) {
    CFoundTransDlg dialog{host, project.App()};
    bool shown = false;
    host.steps = [&](EditorDialogUi& window) {
        shown = true;
        EXPECT_EQ(window.GetTitle(), "Objects referring to Ok");
        auto* transitions = FindControl<wxListCtrl>(&window, kFoundTransitions);
        auto* steps = FindControl<wxListCtrl>(&window, kFoundTaskSteps);
        ASSERT_EQ(transitions->GetItemCount(), 1);
        EXPECT_EQ(transitions->GetItemText(0, 1), "Main");
        EXPECT_EQ(transitions->GetItemText(0, 2), "Go");
        ASSERT_EQ(steps->GetItemCount(), 1);
        EXPECT_EQ(steps->GetItemText(0, 1), "Press");
        EXPECT_FALSE(FindControl<wxButton>(&window, kFoundEditTransition)->IsEnabled());

        PressKey(WXK_F1);
        EXPECT_TRUE(WaitUntil([&] { return !host.helpTopics.empty(); }));
        EXPECT_THAT(host.helpTopics, ElementsAre(0x2010D));
        ClickRow(transitions, 0);
        EXPECT_TRUE(WaitUntil([&] { return FindControl<wxButton>(&window, kFoundEditTransition)->IsEnabled(); }));
        EXPECT_TRUE(SaveScreenshot(&window, "found_references"));
        ClickRow(steps, 0, true);
        EXPECT_TRUE(WaitUntil([&] { return !window.IsModal(); }));
    };
    dialog.ShowReferences("Ok");
    EXPECT_TRUE(shown);
    EXPECT_THAT(host.openedFlows, ElementsAre(login));
}
