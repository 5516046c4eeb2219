#include <gtest/gtest.h>

#include <optional>

#include "generation/GenerationSettings.h"
#include "generation/TCGDlg.h"
#include "model/DataSet.h"
#include "platform/Registry.h"
#include "tests/support/ProjectBuilder.h"

namespace {

const std::string kKey(kProductKey);

std::string Stored(const std::string& name) { return ReadRegistryString(SettingsHive::CurrentUser, kKey, name); }

class TCGDlgTest : public ProjectTest {
protected:
    CTaskKav* PlainTask() { return project.AddTask("Plain"); }
    CTaskKav* DataTask() {
        CTaskKav* task = project.AddTask("Data");
        task->SetDataSet(project.AddDataSet("Records"));
        return task;
    }
    StoredTCGSettings WithCode(int code) {
        StoredTCGSettings stored;
        stored.methodCode = code;
        return stored;
    }
};

}  // namespace

TEST_F(TCGDlgTest, TheStoredMethodCodeChoosesKindCoverageAndDataBoxes) {
    enum Element { kNone, kPlainTask, kDataTask, kWindow };
    struct Case {
        int code;
        Element element;
        int kind;
        int coverage;
        bool valid;
        bool invalid;
    };
    const Case cases[] = {
        {0, kNone, kTestKindGraph, kCoverSingle, true, true},
        {72, kNone, kTestKindRandom, kCoverSingle, true, false},
        {32 | 2, kNone, kTestKindTransition, kCoverSteps, true, true},
        {4 | 16, kNone, kTestKindGraph, kCoverConnections, false, true},
        {2 | 4 | 24, kNone, kTestKindGraph, kCoverSteps, true, true},
        {0, kDataTask, kTestKindData, kCoverSingle, true, true},
        {8, kPlainTask, kTestKindGraph, kCoverSingle, true, false},   // never data without a data set
        {32, kPlainTask, kTestKindGraph, kCoverSingle, true, true},   // transition tests are not for tasks
        {32, kDataTask, kTestKindData, kCoverSingle, true, true},
        {64, kWindow, kTestKindTransition, kCoverSingle, true, true},  // windows only have transition tests
    };
    for (const Case& c : cases) {
        CWindowKav* window = c.element == kWindow ? project.AddWindow("W" + std::to_string(c.code)) : nullptr;
        CTaskKav* task = c.element == kPlainTask ? PlainTask() : c.element == kDataTask ? DataTask() : nullptr;
        CTCGDlg dialog(app, window, nullptr, task);
        dialog.Load(WithCode(c.code));
        const TCGChoices& choices = dialog.Choices();
        SCOPED_TRACE(testing::Message() << "code " << c.code << " element " << c.element);
        EXPECT_EQ(choices.kind, c.kind);
        EXPECT_EQ(choices.coverage, c.coverage);
        EXPECT_EQ(choices.validRecords, c.valid);
        EXPECT_EQ(choices.invalidRecords, c.invalid);
        EXPECT_EQ(choices.scope, c.element == kNone ? kScopeProject : kScopeElement);
    }
}

TEST_F(TCGDlgTest, RandomWithValidRecordsRunsAsRandomAndIsStoredWithEveryChosenBit) {
    CTCGDlg dialog(app, nullptr, nullptr, nullptr);
    dialog.Load(WithCode(72));
    EXPECT_EQ(dialog.GetRunMethodCode(), 64);
    EXPECT_EQ(dialog.GetStoredMethodCode(), 73);  // the coverage bit is always stored

    struct Case {
        int kind, coverage;
        bool valid, invalid;
        int stored, run;
    };
    const Case cases[] = {
        {kTestKindGraph, kCoverConnections, true, true, 4 | 8 | 16, 4},
        {kTestKindData, kCoverSteps, false, true, 2 | 16, 16},
        {kTestKindData, kCoverSingle, true, true, 1 | 24, 24},
        {kTestKindTransition, kCoverSingle, false, false, 1 | 32, 32},
    };
    for (const Case& c : cases) {
        TCGChoices& choices = dialog.Choices();
        choices.kind = c.kind;
        choices.coverage = c.coverage;
        choices.validRecords = c.valid;
        choices.invalidRecords = c.invalid;
        EXPECT_EQ(dialog.GetStoredMethodCode(), c.stored) << c.kind;
        EXPECT_EQ(dialog.GetRunMethodCode(), c.run) << c.kind;
    }
}

TEST_F(TCGDlgTest, EnablingFollowsTheElementTheScopeAndTheKind) {
    CTCGDlg whole(app, nullptr, nullptr, nullptr);
    whole.Load(WithCode(0));
    TCGEnabling enabling = whole.UpdateEnabling();
    EXPECT_FALSE(enabling.elementScope);
    for (bool kind : enabling.kinds) EXPECT_TRUE(kind);
    EXPECT_TRUE(enabling.coverage);
    EXPECT_FALSE(enabling.dataRecords || enabling.randomOptions || enabling.depthAndTraversals);

    CTCGDlg window(app, project.AddWindow("Main"), nullptr, nullptr);
    window.Load(WithCode(2));
    enabling = window.UpdateEnabling();
    EXPECT_TRUE(enabling.elementScope);
    EXPECT_FALSE(enabling.kinds[kTestKindGraph] || enabling.kinds[kTestKindData] || enabling.kinds[kTestKindRandom]);
    EXPECT_TRUE(enabling.depthAndTraversals);
    EXPECT_FALSE(enabling.coverage);
    window.Choices().scope = kScopeProject;  // the whole project offers every kind again
    window.Choices().kind = kTestKindRandom;
    enabling = window.UpdateEnabling();
    for (bool kind : enabling.kinds) EXPECT_TRUE(kind);
    EXPECT_TRUE(enabling.randomOptions);
    EXPECT_EQ(window.Choices().kind, kTestKindRandom);

    CTCGDlg plain(app, nullptr, nullptr, PlainTask());
    plain.Load(WithCode(0));
    plain.Choices().kind = kTestKindData;
    enabling = plain.UpdateEnabling();
    EXPECT_EQ(plain.Choices().kind, kTestKindGraph);
    EXPECT_TRUE(enabling.kinds[kTestKindGraph] && enabling.kinds[kTestKindRandom]);
    EXPECT_FALSE(enabling.kinds[kTestKindData] || enabling.kinds[kTestKindTransition]);

    CTCGDlg folder(app, nullptr, nullptr, project.AddTask("Folder", nullptr, kTaskFolder));
    folder.Load(WithCode(0));
    folder.Choices().kind = kTestKindTransition;
    enabling = folder.UpdateEnabling();
    EXPECT_EQ(folder.Choices().kind, kTestKindData);
    EXPECT_TRUE(enabling.kinds[kTestKindData]);
    EXPECT_TRUE(enabling.dataRecords);
}

TEST_F(TCGDlgTest, TheTitleNamesTheElement) {
    CWindowKav* main = project.AddWindow("Main");
    CWindowKav* dialog = project.AddWindow("Options", nullptr, 2);
    CTransitionKav* open = project.AddTransition(main, "OpenOptions");
    open->SetDestWindow(dialog);
    CTaskKav* task = PlainTask();
    CTaskKav* folder = project.AddTask("My Folder", nullptr, kTaskFolder);

    EXPECT_EQ(CTCGDlg(app, main, open, nullptr).GetTitle(), "Test Case Generation - Transition from Main to Options");
    EXPECT_EQ(CTCGDlg(app, dialog, nullptr, nullptr).GetTitle(), "Test Case Generation - Dialog Box Options");
    EXPECT_EQ(CTCGDlg(app, nullptr, nullptr, task).GetTitle(), "Test Case Generation - Task Plain");
    EXPECT_EQ(CTCGDlg(app, nullptr, nullptr, folder).GetTitle(), "Test Case Generation - Folder My Folder");
    EXPECT_EQ(CTCGDlg(app, nullptr, nullptr, nullptr).GetTitle(), "Test Case Generation - Project Proj");
}

TEST_F(TCGDlgTest, OkChecksDepthTraversalsAndDataChoicesInThisOrder) {
    struct Case {
        const char* depth;
        const char* traversals;
        int kind;
        bool valid, invalid, oldTaskMode;
        std::optional<DialogCheckFailure> expected;
    };
    const DialogCheckFailure badDepth{44737, "Invalid Depth", kTcgDepth};
    const DialogCheckFailure badTraversals{44738, "Invalid Traversals", kTcgTraversals};
    const Case cases[] = {
        {"30", "10", kTestKindGraph, false, false, true, std::nullopt},  // data checks only for data tests
        {"1", "1", kTestKindTransition, true, true, false, std::nullopt},
        {"31", "11", kTestKindTransition, true, true, false, badDepth},
        {"0", "1", kTestKindGraph, true, true, false, badDepth},
        {"ten", "1", kTestKindGraph, true, true, false, badDepth},  // not a number counts as 0
        {"10", "11", kTestKindRandom, true, true, false, badTraversals},
        {"10", "", kTestKindGraph, true, true, false, badTraversals},
        {"10", "1", kTestKindData, false, false, true, DialogCheckFailure{44510, "Data-oriented Testing", kTcgValidRecords}},
        {"10", "1", kTestKindData, false, true, true, DialogCheckFailure{44511, "Ancient Project", 0}},
        {"10", "1", kTestKindData, true, false, false, std::nullopt},
    };
    for (const Case& c : cases) {
        app.SetOldTaskMode(c.oldTaskMode);
        CTCGDlg dialog(app, nullptr, nullptr, nullptr);
        TCGChoices& choices = dialog.Choices();
        choices.depth = c.depth;
        choices.traversals = c.traversals;
        choices.kind = c.kind;
        choices.validRecords = c.valid;
        choices.invalidRecords = c.invalid;
        EXPECT_EQ(dialog.CheckOK(), c.expected) << c.depth << " " << c.traversals << " " << c.kind;
    }
}

TEST_F(TCGDlgTest, RunStoresTheChoicesSetsTheLimitsAndStartsTheRunOnOkOnly) {
    WriteRegistryString(SettingsHive::CurrentUser, kKey, "TCG_Method", "72", kRegistryText);
    WriteRegistryString(SettingsHive::CurrentUser, kKey, "TCG_RecDepth", "7", kRegistryText);
    CTaskKav* task = PlainTask();

    std::optional<GenerationRequest> started;
    CTCGDlg::Views cancel{[](CTCGDlg&) { return false; }, [&](const GenerationRequest& r) { started = r; }};
    CTCGDlg::Run(app, nullptr, nullptr, task, cancel);
    EXPECT_FALSE(started);
    EXPECT_EQ(Stored("TCG_Method"), "72");
    EXPECT_EQ(Stored("TCG_Traversals"), "");  // nothing was written
    EXPECT_EQ(GetGenerationSettings(), GenerationSettings());

    CTCGDlg::Views ok{[](CTCGDlg& dialog) {
                          EXPECT_EQ(dialog.Choices().kind, kTestKindRandom);
                          dialog.Choices().detailedLog = true;
                          dialog.Choices().traversals = "4";
                          return !dialog.CheckOK();
                      },
                      [&](const GenerationRequest& r) { started = r; }};
    CTCGDlg::Run(app, nullptr, nullptr, task, ok);
    ASSERT_TRUE(started);
    EXPECT_EQ(started->project, &app);
    EXPECT_EQ(started->task, task);
    EXPECT_EQ(started->methodCode, 64);
    EXPECT_EQ(started->random, (RandomTestSettings{6, 90, 40, 1, 500, 60, 11, 6}));
    EXPECT_EQ(Stored("TCG_Method"), "73");
    EXPECT_EQ(Stored("TCG_Traversals"), "4");
    EXPECT_EQ(Stored("TCG_Random_Timeout"), "60");
    EXPECT_EQ(GetGenerationSettings(), (GenerationSettings{true, false, 7, 4}));

    // For the whole project the run gets no element.
    CTCGDlg::Views whole{[](CTCGDlg& dialog) {
                             dialog.Choices().scope = kScopeProject;
                             dialog.UpdateEnabling();
                             return true;
                         },
                         [&](const GenerationRequest& r) { started = r; }};
    CTCGDlg::Run(app, project.AddWindow("Main"), nullptr, nullptr, whole);
    EXPECT_EQ(started->window, nullptr);
    EXPECT_EQ(started->methodCode, 32);  // the window's kind stays
}
