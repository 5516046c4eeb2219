// The generation status dialog over a run of stub generators: what it shows before, during and
// after the run, Stop from inside the run's polls, closing, and saving the log.
#include <gtest/gtest.h>

#include "editors/generation/TCGStatusDlg.h"
#include "platform/Clock.h"
#include "platform/UserFolders.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/ScratchFolder.h"

namespace {

// Sets a total, completes one step, then polls until a stop is requested (or gives up).
class PollingGenerator : public TestCaseGenerator {
public:
    explicit PollingGenerator(int total) : total_(total) {}
    int Generate(const GenerationRequest&, Progress& progress, int& count) override {
        progress.SetTotal(total_);
        progress.StepCompleted();
        count = 1;
        for (int poll = 0; poll < 1000; ++poll)
            if (progress.ShouldStop()) return kGenerationStopped;
        return kGenerationSuccess;
    }

private:
    int total_;
};

class TCGStatusDlgTest : public ProjectTest {
protected:
    void SetUp() override {
        auto owned = std::make_unique<FixedClock>();
        owned->tickStep = 10;  // every poll takes 10 ms: the window's events are handled every tenth
        InstallClock(std::move(owned));
    }
    std::unique_ptr<CTCGRun> MakeRun(int total, bool autoClose = false) {
        GeneratorFactory stub = [total] { return std::make_unique<PollingGenerator>(total); };
        auto run = std::make_unique<CTCGRun>(GeneratorTable{stub, stub, stub}, [] { return 1; });
        run->SetParameters({&app, nullptr, nullptr, nullptr, 2, {}}, autoClose);
        return run;
    }

    FakeEditorHost host;
};

}  // namespace

TEST_F(TCGStatusDlgTest, StopInsideTheRunEndsItAndOnlyThenOKAndSavingAreOffered) {
    auto run = MakeRun(70000);
    CTCGStatusDlg dialog(host, *run);
    dialog.OnInitDialog();
    for (int counter : {kStatusTotal, kStatusCompleted, kStatusFailures, kStatusRemaining})
        EXPECT_EQ(dialog.GetText(counter), "0");
    EXPECT_FALSE(dialog.IsEnabled(kIdOk));
    EXPECT_FALSE(dialog.IsEnabled(kStatusSaveLog));
    EXPECT_TRUE(dialog.IsEnabled(kStatusStop));
    EXPECT_FALSE(dialog.OnCloseRequest()) << "Escape and the close box do nothing yet";
    EXPECT_FALSE(dialog.OnOK());

    int pumps = 0;
    dialog.SetEventPump([&] {
        ++pumps;
        // What the window shows while the run goes on.
        EXPECT_EQ(dialog.GetText(kStatusTotal), "70000");
        EXPECT_EQ(dialog.GetText(kStatusRemaining), "69999");
        EXPECT_EQ(dialog.GetBarRange(), 70000) << "not cut to 16 bits";
        EXPECT_EQ(dialog.GetBarPosition(), 1);
        EXPECT_FALSE(dialog.IsEnabled(kIdOk));
        if (pumps == 1) {
            EXPECT_FALSE(dialog.OnCloseRequest());
        } else {
            dialog.OnStop();  // clicked while the events are handled
        }
    });
    dialog.OnTimer();
    EXPECT_EQ(pumps, 2);
    EXPECT_EQ(dialog.LogLines(), (std::vector<std::string>{"Step coverage selected", "1 TASK Test Case(s) Generated!",
                                                           "Generation Stopped by User"}));
    EXPECT_TRUE(dialog.IsEnabled(kIdOk));
    EXPECT_TRUE(dialog.IsEnabled(kStatusSaveLog));
    EXPECT_FALSE(dialog.IsEnabled(kStatusStop));
    EXPECT_EQ(dialog.TakeEndRequest(), 0) << "the window stays for the user to read";
    EXPECT_TRUE(dialog.OnCloseRequest());
    EXPECT_TRUE(dialog.OnOK());

    dialog.OnTimer();
    EXPECT_EQ(dialog.LogLines().size(), 3u) << "a run happens once";
}

TEST_F(TCGStatusDlgTest, ClosingAfterStopWaitsForTheRunsEndAndAnAutoClosingRunEndsByItself) {
    auto run = MakeRun(3);
    CTCGStatusDlg stopped(host, *run);
    stopped.OnInitDialog();
    stopped.SetEventPump([&] {
        stopped.OnStop();
        EXPECT_FALSE(stopped.OnCloseRequest()) << "Escape after Stop, while the run still ends";
    });
    stopped.OnTimer();
    EXPECT_EQ(stopped.TakeEndRequest(), kIdCancel);

    auto completing = MakeRun(3, true);
    CTCGStatusDlg automatic(host, *completing);
    automatic.OnInitDialog();
    automatic.OnTimer();
    EXPECT_EQ(automatic.LogLines().back(), "Generation Completed");
    EXPECT_EQ(automatic.TakeEndRequest(), kIdOk);
}

TEST_F(TCGStatusDlgTest, SavingTheLogAppendsItToTheLogFileAndSaysWhere) {
    ScratchFolder scratch;
    SetUserFolders({{}, {}, {}, scratch.Path()});
    auto run = MakeRun(3);
    CTCGStatusDlg dialog(host, *run);
    dialog.OnInitDialog();
    dialog.OnTimer();
    dialog.OnSaveLog();
    const std::string path = (scratch.Path() / "Logfile.txt").string();
    ASSERT_EQ(TestInteraction().messages.size(), 1u);
    EXPECT_EQ(TestInteraction().messages[0].text, "Log saved to " + path + "! [I0010]");
    EXPECT_EQ(TestInteraction().messages[0].caption, "Logfile saved");
    EXPECT_EQ(TestInteraction().messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(std::filesystem::exists(path));
}
