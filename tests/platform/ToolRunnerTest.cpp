#include <gtest/gtest.h>

#include "platform/ToolRunner.h"
#include "tests/support/ScratchFolder.h"

// Values that a command interpreter would take apart reach the program unchanged, and the
// output is appended to the file, which need not exist.
TEST(ToolRunner, ArgumentsReachTheProgramAsGivenAndItsOutputIsAppended) {
    ScratchFolder scratch;
    const std::string report = (scratch.Path() / "report.txt").string();
    SpawnToolRunner runner;
    const std::string hacked = (scratch.Path() / "hacked").string();
    const std::string quoted = "a\" ; touch " + hacked + "; echo \"b";
    const ToolCommand echo{"echo", {"-u", quoted, "$HOME", "x > y"}, report};
    EXPECT_EQ(runner.Run(echo), 0);
    EXPECT_EQ(runner.Run(echo), 0);
    const std::string line = "-u " + quoted + " $HOME x > y\n";
    EXPECT_EQ(ScratchFolder::Read(report), line + line);
    EXPECT_FALSE(std::filesystem::exists(hacked));
}

TEST(ToolRunner, TheExitCodeIsReportedAndAProgramThatCannotStartGivesNone) {
    ScratchFolder scratch;
    SpawnToolRunner runner;
    EXPECT_EQ(runner.Run({"false", {}, ""}), 1);
    EXPECT_EQ(runner.Run({"kavro-no-such-tool", {"-u", "x"}, ""}), std::nullopt);
    EXPECT_EQ(runner.Run({"true", {}, (scratch.Path() / "missing" / "report.txt").string()}), std::nullopt);
}

TEST(ToolRunner, TheRecordingRunnerStartsNothing) {
    RecordingToolRunner runner;
    runner.unstartable = {"tpimport"};
    runner.exitCode = 3;
    EXPECT_EQ(runner.Run({"tpimport", {"-u"}, "r.txt"}), std::nullopt);
    EXPECT_EQ(runner.Run({"tp", {}, ""}), 3);
    EXPECT_EQ(runner.commands, (std::vector<ToolCommand>{{"tpimport", {"-u"}, "r.txt"}, {"tp", {}, ""}}));
}
