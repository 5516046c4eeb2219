#include <gtest/gtest.h>

#include <sstream>
#include <thread>

#include "platform/Clock.h"
#include "platform/Progress.h"

namespace {

// Records everything it is told, as a status window would show it.
struct RecordingObserver : ProgressObserver {
    void OnCountsChanged(const ProgressCounts& c) override { counts.push_back(c); }
    void OnCurrentItem(const std::string& item) override { items.push_back(item); }
    void OnLogLine(const std::string& line) override { lines.push_back(line); }
    std::vector<ProgressCounts> counts;
    std::vector<std::string> items;
    std::vector<std::string> lines;
};

}  // namespace

TEST(Progress, CountsFollowTheStepsAndANewTotalKeepsTheTallies) {
    Progress progress;
    RecordingObserver observer;
    progress.AddObserver(&observer);

    progress.SetTotal(3);
    progress.StepCompleted();
    progress.StepFailed();
    EXPECT_EQ(progress.Counts(), (ProgressCounts{3, 1, 1, 1, 2}));
    progress.SetTotal(2);  // the next part of the job
    progress.StepCompleted();
    EXPECT_EQ(progress.Counts(), (ProgressCounts{2, 2, 1, 1, 1}));

    ASSERT_EQ(observer.counts.size(), 5u);  // one notice per change
    EXPECT_EQ(observer.counts[0], (ProgressCounts{3, 0, 0, 3, 0}));
    EXPECT_EQ(observer.counts.back(), progress.Counts());
}

TEST(Progress, LogLinesReachEveryObserverWhicheverWayTheyAreAdded) {
    Progress progress;
    RecordingObserver first, second;
    progress.AddObserver(&first);
    progress.AddObserver(&second);
    progress.AddObserver(&first);  // registered once only

    progress.AddLogText("one\ntwo");
    progress.Log().AddMessage("three");  // an operation that writes to a message log
    progress.SetCurrentItem("Proj.xml");
    progress.RemoveObserver(&second);
    progress.AddLogText("four");

    const std::vector<std::string> all = {"one", "two", "three", "four"};
    EXPECT_EQ(progress.Log().Lines(), all);
    EXPECT_EQ(first.lines, all);
    EXPECT_EQ(second.lines, (std::vector<std::string>{"one", "two", "three"}));
    EXPECT_EQ(first.items, std::vector<std::string>{"Proj.xml"});
    EXPECT_EQ(progress.CurrentItem(), "Proj.xml");
}

TEST(Progress, AStopRequestedFromAnotherThreadIsSeenAtTheNextPoll) {
    Progress progress;
    EXPECT_FALSE(progress.ShouldStop());
    std::thread window([&] { progress.RequestStop(); });
    window.join();
    EXPECT_TRUE(progress.ShouldStop());
}

TEST(Progress, TheBatchConsoleWritesEachLineAsItComes) {
    std::ostringstream console;
    ConsoleProgressObserver observer(console);
    Progress progress;
    progress.AddObserver(&observer);
    progress.SetTotal(1);
    progress.AddLogText("Generating\nGeneration Completed");
    EXPECT_EQ(console.str(), "Generating\nGeneration Completed\n");
}

TEST(Progress, ThePollHookRunsAtMostOncePerIntervalAndCanRequestTheStop) {
    auto owned = std::make_unique<FixedClock>();
    FixedClock& clock = *owned;
    InstallClock(std::move(owned));
    Progress progress;
    int polls = 0;
    progress.SetPollHook([&] {
        ++polls;
        progress.ShouldStop();  // a poll from inside the hook does not run it again
        if (polls == 2) progress.RequestStop();  // the window's Stop, clicked while events are handled
    });

    struct Step {
        std::uint32_t advance;
        int polls;
        bool stop;
    };
    const Step steps[] = {{0, 0, false}, {99, 0, false}, {1, 1, false}, {50, 1, false}, {100, 2, true}};
    for (const Step& step : steps) {
        clock.Advance(step.advance);
        EXPECT_EQ(progress.ShouldStop(), step.stop) << step.advance;
        EXPECT_EQ(polls, step.polls) << step.advance;
    }
    progress.SetPollHook(nullptr);
    clock.Advance(1000);
    progress.ShouldStop();
    EXPECT_EQ(polls, 2);
    InstallClock(nullptr);
}
