// The windows of test case generation (settings, status) and of record generation, driven with
// real input.
#include <gtest/gtest.h>

#include <chrono>

#include <wx/gauge.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include "editors/generation/GenerationViews.h"
#include "editors/generation/TCGStatusDlg.h"
#include "editors/generation/TestCaseAdminDlgControls.h"
#include "model/DataSet.h"
#include "platform/UserFolders.h"
#include "shell/wx/WxInteraction.h"
#include "tests/editors/gui/EditorWindowTest.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/ScratchFolder.h"

namespace {

class GenerationDialogsUiTest : public GuiTest {
protected:
    void SetUp() override { InstallInteraction(std::make_unique<WxInteraction>()); }

    template <class Control>
    static Control* Find(wxWindow* window, int id) {
        return FindControl<Control>(window, id);
    }

    TestProject project;
    WindowHost host;
};

// Sets the total of the bar, then runs the test's steps inside the run and polls until Stop.
class SteppedGenerator : public TestCaseGenerator {
public:
    explicit SteppedGenerator(std::function<void(Progress&)> steps) : steps_(std::move(steps)) {}
    int Generate(const GenerationRequest&, Progress& progress, int& count) override {
        progress.SetTotal(70000);
        progress.StepCompleted();
        count = 1;
        steps_(progress);
        const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (std::chrono::steady_clock::now() < limit) {
            if (progress.ShouldStop()) return kGenerationStopped;
            wxMilliSleep(1);
        }
        return kGenerationSuccess;
    }

private:
    std::function<void(Progress&)> steps_;
};

// Polls the progress as a generator does, so the window handles its events, until the
// condition holds or the time is up.
bool PollUntil(Progress& progress, const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        progress.ShouldStop();
        wxMilliSleep(1);
    }
    return true;
}

}  // namespace

TEST_F(GenerationDialogsUiTest, ATaskOffersNeitherDataNorTransitionTestsAndADepthOutOfRangeIsRefused) {
    CTaskKav* task = project.AddTask("Login");
    bool statusShown = false;
    host.steps = [&](EditorDialogUi& window) {
        if (dynamic_cast<CTCGStatusDlg*>(&window.Dialog())) {
            statusShown = true;
            return;
        }
        EXPECT_EQ(window.GetTitle(), "Test Case Generation - Task Login");
        EXPECT_FALSE(Find<wxRadioButton>(&window, kTcgKindData)->IsEnabled());
        EXPECT_FALSE(Find<wxRadioButton>(&window, kTcgKindTransition)->IsEnabled());
        EXPECT_TRUE(Find<wxRadioButton>(&window, kTcgKindGraph)->GetValue());
        EXPECT_TRUE(SaveScreenshot(&window, "generation_settings_task"));

        // For the whole project the transition test, and with it the depth, are offered.
        ClickWithMouse(Find<wxRadioButton>(&window, kTcgScopeProject));
        auto* transition = Find<wxRadioButton>(&window, kTcgKindTransition);
        ASSERT_TRUE(WaitUntil([&] { return transition->IsEnabled(); }));
        ClickWithMouse(transition);
        auto* depth = Find<wxTextCtrl>(&window, kTcgDepth);
        ASSERT_TRUE(WaitUntil([&] { return depth->IsEnabled(); }));
        depth->Clear();
        ASSERT_TRUE(TypeInto(depth, "31"));
        ASSERT_TRUE(PressButton(&window, wxID_OK));
        ASSERT_EQ(dialogs_.Shown().size(), 1u);
        EXPECT_EQ(dialogs_.Shown()[0].message, "The Recursion Depth must be a value between 1 and 30! [W0737]");
        EXPECT_EQ(dialogs_.Shown()[0].title, "Invalid Depth");
        EXPECT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == depth; }));
        ASSERT_TRUE(PressButton(&window, wxID_CANCEL));
    };
    CTCGDlg::Run(project.App(), nullptr, nullptr, task, MakeGenerationViews(host));
    EXPECT_FALSE(statusShown);
}

TEST_F(GenerationDialogsUiTest, TheStatusWindowRunsFromItsTimerAndStopEndsTheRun) {
    ScratchFolder scratch;
    SetUserFolders({{}, {}, {}, scratch.Path()});
    bool closedWhileRunning = false;
    // Inside the run, which the window's timer starts, perhaps before the window is on screen.
    const GeneratorFactory stub = [&] {
        return std::make_unique<SteppedGenerator>([&](Progress& progress) {
            auto* shown = dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(wxWindow::FindWindowById(kStatusStop)));
            ASSERT_NE(shown, nullptr);
            ASSERT_TRUE(PollUntil(progress, [&] { return shown->IsShownOnScreen(); }, std::chrono::seconds(20)));
            // The display has no window manager: the window under the pointer gets the keys.
            const wxRect area = shown->GetScreenRect();
            wxUIActionSimulator().MouseMove(area.GetPosition() + area.GetSize() / 2);
            ASSERT_TRUE(PollUntil(progress, [&] { return shown->IsActive(); }, std::chrono::seconds(20)));
            EXPECT_FALSE(Find<wxButton>(shown, wxID_OK)->IsEnabled());
            EXPECT_FALSE(Find<wxButton>(shown, kStatusSaveLog)->IsEnabled());
            // Escape and the close box do nothing while the run goes on.
            PressKey(WXK_ESCAPE);
            shown->Close();
            PollUntil(progress, [] { return false; }, std::chrono::milliseconds(500));
            closedWhileRunning = !shown->IsShown();
            ClickWithMouse(Find<wxButton>(shown, kStatusStop));
        });
    };
    CTCGRun run(GeneratorTable{stub, stub, stub}, [] { return 1; });
    run.SetParameters({&project.App(), nullptr, nullptr, nullptr, 2, {}}, false);
    CTCGStatusDlg dialog(host, run);
    // Once the run has ended.
    host.steps = [&](EditorDialogUi& window) {
        auto* log = Find<wxListBox>(&window, kStatusLog);
        ASSERT_EQ(log->GetCount(), 3u);
        EXPECT_EQ(log->GetString(2), "Generation Stopped by User");
        EXPECT_EQ(Find<wxGauge>(&window, kStatusProgressBar)->GetRange(), 70000);
        EXPECT_EQ(FromWx(Find<wxWindow>(&window, kStatusTotal)->GetLabel()), "70000");
        EXPECT_TRUE(Find<wxButton>(&window, wxID_OK)->IsEnabled());
        EXPECT_FALSE(Find<wxButton>(&window, kStatusStop)->IsEnabled());
        EXPECT_TRUE(SaveScreenshot(&window, "generation_status_stopped"));

        ASSERT_TRUE(PressButton(&window, kStatusSaveLog));
        ASSERT_EQ(dialogs_.Shown().size(), 1u);
        EXPECT_EQ(dialogs_.Shown()[0].message,
                  "Log saved to " + (scratch.Path() / "Logfile.txt").string() + "! [I0010]");
        EXPECT_EQ(dialogs_.Shown()[0].title, "Logfile saved");
        ASSERT_TRUE(PressButton(&window, wxID_OK));
    };
    EXPECT_EQ(host.RunModal(dialog), kIdOk);
    EXPECT_FALSE(closedWhileRunning);
}

TEST_F(GenerationDialogsUiTest, TheDeltraMethodGreysOutTheOtherChoicesAndOKNeedsAKindOfRecords) {
    CDataSet* dataSet = project.AddDataSet("Records");
    host.steps = [&](EditorDialogUi& window) {
        EXPECT_EQ(window.GetTitle(), "Record Generator");
        ClickWithMouse(Find<wxRadioButton>(&window, kGenDeltraMethod));
        ASSERT_TRUE(WaitUntil([&] { return !Find<wxRadioButton>(&window, kGenOneValue)->IsEnabled(); }));
        for (int id : {kGenBoundaryValues, kGenAllValues, kGenEachPairOnce, kGenAllCombinations})
            EXPECT_FALSE(Find<wxRadioButton>(&window, id)->IsEnabled()) << id;
        EXPECT_TRUE(Find<wxRadioButton>(&window, kGenEachClassOnce)->GetValue());
        EXPECT_TRUE(SaveScreenshot(&window, "record_generator_deltra"));

        auto* valid = Find<wxCheckBox>(&window, kGenValidRecords);
        ClickWithMouse(valid);
        ASSERT_TRUE(WaitUntil([&] { return !valid->GetValue(); }));
        ASSERT_TRUE(PressButton(&window, wxID_OK));
        ASSERT_EQ(dialogs_.Shown().size(), 1u);
        EXPECT_EQ(dialogs_.Shown()[0].message,
                  "Please specify if you want to generate valid and/or invalid records! [W0439]");
        EXPECT_EQ(dialogs_.Shown()[0].title, "Value type missing");
        EXPECT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == valid; }));
        ASSERT_TRUE(PressButton(&window, wxID_CANCEL));
    };
    EXPECT_EQ(CDataRecordGenDlg::Execute(*dataSet, MakeDataRecordGenViews(host, nullptr)), 0);
}

TEST_F(GenerationDialogsUiTest, TestCaseSelectionListsSortedAndADoubleClickViewsTheRow) {
    CTaskKav* task = project.AddTask("Login");
    CTaskKav* lower = project.AddTask("login");
    const std::vector<CTestCase*> testCases = {project.AddTestCase(1, 2, lower), project.AddTestCase(10, 2, task),
                                               project.AddTestCase(2, 1, task)};
    host.steps = [&](EditorDialogUi& window) {
        auto* rows = Find<wxListCtrl>(&window, kAdminList);
        ASSERT_EQ(rows->GetItemCount(), 3);
        EXPECT_EQ(rows->GetItemText(0), "Login_002");
        EXPECT_EQ(rows->GetItemText(0, 1), "");
        EXPECT_EQ(rows->GetItemText(1), "Login_010");
        EXPECT_EQ(rows->GetItemText(2), "login_001");
        EXPECT_EQ(FromWx(Find<wxWindow>(&window, kAdminHeading)->GetLabel()), "Test Cases for Task Login");
        EXPECT_FALSE(Find<wxButton>(&window, kAdminView)->IsEnabled());
        ClickRow(rows, 1);
        ASSERT_TRUE(WaitUntil([&] { return Find<wxButton>(&window, kAdminView)->IsEnabled(); }));
        EXPECT_TRUE(SaveScreenshot(&window, "test_case_selection"));
        ClickRow(rows, 2, true);
        ASSERT_TRUE(WaitUntil([&] { return !window.IsModal(); }));
    };
    SelectTestCaseToView(host, project.App(), nullptr, nullptr, task, testCases);
    EXPECT_EQ(host.openedTestCases, std::vector<CTestCase*>{testCases[0]});
}
