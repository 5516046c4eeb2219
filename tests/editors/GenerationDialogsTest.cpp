// The controls of the generation settings, random options and record generator dialogs over
// their plain classes, and the generation command through the views the frame is given.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "editors/generation/DataRecordGenDlgControls.h"
#include "editors/generation/GenerationViews.h"
#include "editors/generation/TCGDlgControls.h"
#include "editors/generation/TCGRandomDlgControls.h"
#include "editors/generation/TCGStatusDlg.h"
#include "editors/generation/TestCaseAdminDlgControls.h"
#include "model/DataSet.h"
#include "platform/Registry.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/editors/Refusals.h"
#include "tests/support/FlowBuilder.h"
#include "tests/support/ProjectBuilder.h"

namespace {

class TCGDlgControlsTest : public ProjectTest {
protected:
    // The dialog as the command opens it with the stored settings.
    TCGDlgControls& Open(CTaskKav* task) {
        dialog_ = std::make_unique<CTCGDlg>(app, nullptr, nullptr, task);
        dialog_->Load(ReadTCGSettings());
        controls_ = std::make_unique<TCGDlgControls>(host, *dialog_);
        controls_->OnInitDialog();
        return *controls_;
    }
    // A click on the radio button of the group.
    static void Click(TCGDlgControls& controls, const std::vector<int>& group, int id) {
        for (int button : group) controls.SetChecked(button, button == id);
    }

    FakeEditorHost host;
    std::unique_ptr<CTCGDlg> dialog_;
    std::unique_ptr<TCGDlgControls> controls_;
};

}  // namespace

TEST_F(TCGDlgControlsTest, ATaskWithoutDataSetOffersNeitherDataNorTransitionTests) {
    TCGDlgControls& controls = Open(project.AddTask("Login"));
    EXPECT_EQ(controls.GetTitle(), "Test Case Generation - Task Login");
    EXPECT_TRUE(controls.IsChecked(kTcgKindGraph));
    EXPECT_TRUE(controls.IsChecked(kTcgScopeElement));
    EXPECT_EQ(controls.GetText(kTcgDepth), "10");
    struct Expected {
        int control;
        bool enabled;
    };
    const Expected opened[] = {{kTcgKindGraph, true},   {kTcgKindData, false},          {kTcgKindRandom, true},
                               {kTcgKindTransition, false}, {kTcgCoverSteps, true},    {kTcgValidRecords, false},
                               {kTcgRandomOptionsButton, false}, {kTcgDepth, false},    {kTcgScopeElement, true}};
    for (const Expected& e : opened) EXPECT_EQ(controls.IsEnabled(e.control), e.enabled) << e.control;

    Click(controls, TCGDlgControls::kKinds, kTcgKindRandom);
    controls.OnKindOrScope();
    EXPECT_TRUE(controls.IsEnabled(kTcgRandomOptionsButton));
    EXPECT_FALSE(controls.IsEnabled(kTcgCoverSteps));

    // The whole project offers every kind; back to the task, a transition test is not for it.
    Click(controls, TCGDlgControls::kScopes, kTcgScopeProject);
    controls.OnKindOrScope();
    Click(controls, TCGDlgControls::kKinds, kTcgKindTransition);
    controls.OnKindOrScope();
    EXPECT_TRUE(controls.IsEnabled(kTcgDepth));
    Click(controls, TCGDlgControls::kScopes, kTcgScopeElement);
    controls.OnKindOrScope();
    EXPECT_TRUE(controls.IsChecked(kTcgKindGraph));
    EXPECT_FALSE(controls.IsChecked(kTcgKindTransition));
}

TEST_F(TCGDlgControlsTest, OKRefusesALimitOutOfRangeWithTheFocusOnIt) {
    TCGDlgControls& controls = Open(nullptr);
    struct Case {
        const char* depth;
        const char* traversals;
        Refused refused;
    };
    const Case cases[] = {
        {"31", "1", {"The Recursion Depth must be a value between 1 and 30! [W0737]", "Invalid Depth", kTcgDepth}},
        {"x", "1", {"The Recursion Depth must be a value between 1 and 30! [W0737]", "Invalid Depth", kTcgDepth}},
        {"30", "11",
         {"The number of Traversals must be a value between 1 and 10! [W0738]", "Invalid Traversals", kTcgTraversals}},
        {"30", "10", {}},
    };
    for (const Case& c : cases) {
        controls.SetText(kTcgDepth, c.depth);
        controls.SetText(kTcgTraversals, c.traversals);
        EXPECT_EQ(Attempt(controls, [&] { return controls.OnOK(); }), c.refused) << c.depth << " " << c.traversals;
    }
}

TEST_F(TCGDlgControlsTest, RandomOptionsAreEditedInTheirOwnDialogAndKeptOnlyOnOK) {
    TCGDlgControls& controls = Open(nullptr);
    Click(controls, TCGDlgControls::kKinds, kTcgKindRandom);
    std::vector<Refused> refusals;
    host.session = [&](EditorDialog& dialog) {
        auto& options = dynamic_cast<TCGRandomDlgControls&>(dialog);
        EXPECT_EQ(options.GetTitle(), "Random Test Options");
        EXPECT_EQ(options.GetText(kRandomMaxTestCases), "1");
        EXPECT_TRUE(options.IsChecked(kRandomGoalSteps));
        EXPECT_FALSE(options.IsChecked(kRandomGoalBlocks));
        options.SetText(kRandomMaxTestCases, "1001");
        refusals.push_back(Attempt(options, [&] { return options.OnOK(); }));
        options.SetText(kRandomMaxTestCases, "5");
        options.SetChecked(kRandomGoalBlocks, true);
        refusals.push_back(Attempt(options, [&] { return options.OnOK(); }));
        return kIdOk;
    };
    controls.OnRandomOptions();
    EXPECT_THAT(refusals, ::testing::ElementsAre(Refused{"The number for the limit of randomized Test Cases must be "
                                                         "at least 1! [W1064]",
                                                         "Invalid Test Case Number", kRandomMaxTestCases},
                                                 Refused{}));
    EXPECT_EQ(dialog_->Choices().random.maxTestCases, 5);
    EXPECT_EQ(dialog_->Choices().random.goal, 1 | 6);
    EXPECT_TRUE(controls.IsChecked(kTcgKindRandom)) << "the kind clicked before stays";

    host.session = [](EditorDialog& dialog) {
        dialog.SetText(kRandomMaxTestCases, "7");
        return kIdCancel;
    };
    controls.OnRandomOptions();
    EXPECT_EQ(dialog_->Choices().random.maxTestCases, 5);
}

// The command as the frame runs it: the settings, then the run in its status window.
TEST_F(TCGDlgControlsTest, TheGenerationViewsShowTheSettingsThenTheRun) {
    CTaskKav* task = project.AddTask("T");
    AddStepAfter(*task, "Work", {AddStep(*task, "Start")})->SetDescription("Work");
    std::vector<std::string> shown;
    host.session = [&](EditorDialog& dialog) {
        shown.push_back(dialog.GetTitle());
        if (auto* status = dynamic_cast<CTCGStatusDlg*>(&dialog)) {
            status->OnTimer();
            EXPECT_EQ(status->LogLines().back(), "Generation Completed");
            return kIdOk;
        }
        dialog.SetChecked(kTcgCoverSingle, false);
        dialog.SetChecked(kTcgCoverSteps, true);
        return dialog.OnOK() ? kIdOk : kIdCancel;
    };
    CTCGDlg::Run(app, nullptr, nullptr, task, MakeGenerationViews(host));
    EXPECT_THAT(shown, ::testing::ElementsAre("Test Case Generation - Task T", "Test Case Generation Status"));
    EXPECT_EQ(app.GetTestCases().size(), 1u);
    EXPECT_EQ(ReadRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), "TCG_Method"), "26");

    shown.clear();
    host.session = [&](EditorDialog& dialog) {
        shown.push_back(dialog.GetTitle());
        return kIdCancel;
    };
    CTCGDlg::Run(app, nullptr, nullptr, task, MakeGenerationViews(host));
    EXPECT_EQ(shown.size(), 1u) << "Cancel starts no run";
}

TEST(DataRecordGenDlgControls, TheDeltraMethodGreysOutTheOtherChoicesAndTakesEachEffectOnce) {
    CDataSet dataSet("Records");
    FakeEditorHost host;
    CDataRecordGenDlg plain(dataSet, nullptr);
    plain.Choices() = {true, false, kAllCombinations, kEqClassMethod, kBoundaryValues};
    DataRecordGenDlgControls controls(host, plain);
    controls.OnInitDialog();
    EXPECT_EQ(controls.GetTitle(), "Record Generator");
    EXPECT_TRUE(controls.IsChecked(kGenAllCombinations));
    EXPECT_TRUE(controls.IsChecked(kGenBoundaryValues));

    const int methodChoices[] = {kGenOneValue, kGenBoundaryValues, kGenAllValues, kGenEachPairOnce,
                                 kGenAllCombinations};
    controls.SetChecked(kGenEqClassMethod, false);
    controls.SetChecked(kGenDeltraMethod, true);
    controls.OnDeltraMethod();
    for (int id : methodChoices) EXPECT_FALSE(controls.IsEnabled(id)) << id;
    EXPECT_TRUE(controls.IsEnabled(kGenEachClassOnce));
    EXPECT_TRUE(controls.IsChecked(kGenEachClassOnce));
    EXPECT_FALSE(controls.IsChecked(kGenAllCombinations));

    controls.SetChecked(kGenDeltraMethod, false);
    controls.SetChecked(kGenEqClassMethod, true);
    controls.OnEqClassMethod();
    for (int id : methodChoices) EXPECT_TRUE(controls.IsEnabled(id)) << id;
    EXPECT_TRUE(controls.IsChecked(kGenBoundaryValues));
    EXPECT_TRUE(controls.IsChecked(kGenEachClassOnce));

    controls.SetChecked(kGenValidRecords, false);
    EXPECT_FALSE(controls.OnOK());
    EXPECT_EQ(TestInteraction().Texts(), std::vector<std::string>{"Please specify if you want to generate valid "
                                                                  "and/or invalid records! [W0439]"});
    EXPECT_EQ(TestInteraction().messages[0].caption, "Value type missing");
    EXPECT_EQ(controls.GetFocusRequest().control, kGenValidRecords);
    EXPECT_TRUE(controls.OKTakesLong());
}

TEST_F(TCGDlgControlsTest, TestCaseSelectionViewsTheChosenRowsTestCase) {
    CWindowKav* login = project.AddWindow("Login");
    CTaskKav* task = project.AddTask("Login");
    const std::vector<CTestCase*> testCases = {project.AddTestCase(10, 2, task), project.AddTestCase(2, 2, task)};
    host.session = [&](EditorDialog& dialog) {
        EXPECT_EQ(dialog.GetTitle(), "Test Case Selection");
        EXPECT_EQ(dialog.GetText(kAdminHeading), "Test Cases for Window Login");
        const EditorList& rows = dialog.List(kAdminList);
        EXPECT_EQ(rows.RowCount(), 2);
        EXPECT_EQ(rows.RowTexts(0)[0], "Login_002");
        EXPECT_EQ(rows.GetHighlighted(), -1);
        EXPECT_FALSE(dialog.IsEnabled(kAdminView));
        dialog.ChooseRow(kAdminList, 1);
        EXPECT_TRUE(dialog.IsEnabled(kAdminView));
        dialog.ChooseRow(kAdminList, -1);
        EXPECT_FALSE(dialog.IsEnabled(kAdminView));
        dynamic_cast<TestCaseAdminDlgControls&>(dialog).OnView();
        EXPECT_TRUE(host.openedTestCases.empty());
        dialog.DoubleClickRow(kAdminList, 1);
        return dialog.TakeEndRequest();
    };
    SelectTestCaseToView(host, app, login, nullptr, nullptr, testCases);
    EXPECT_EQ(host.openedTestCases, std::vector<CTestCase*>{testCases[0]});
}
