#include <gtest/gtest.h>

#include <filesystem>

#include "shell/BatchRoad.h"
#include "tests/support/GlobalState.h"

namespace {

constexpr int kUsage = 44699;
constexpr int kDisplayNeeded = 49951;

StartDecision Decide(const std::vector<std::string>& tokens, bool display) {
    return DecideStartRoad(ReadCommandLine(tokens), tokens, display);
}

}  // namespace

TEST(StartRoad, FollowsTheLineTheDisplayAndVornakMode) {
    const struct {
        std::vector<std::string> tokens;
        bool display;
        StartDecision expected;
    } cases[] = {
        {{"-p", "f.xml", "-g", "-q"}, false, {StartRoad::Batch, kExitSucceeded, 0}},
        {{"-p", "f.xml", "-Q"}, true, {StartRoad::Batch, kExitSucceeded, 0}},
        {{"-p", "f.xml", "-g"}, true, {StartRoad::Interactive, kExitSucceeded, 0}},
        {{}, true, {StartRoad::Interactive, kExitSucceeded, 0}},
        {{"-p", "f.xml", "-g"}, false, {StartRoad::End, kExitFailed, kDisplayNeeded}},
        // Malformed: -q anywhere, also after the fault or before -p, keeps the usage on the console.
        {{"-g", "-p", "f.xml", "-q"}, true, {StartRoad::End, kExitMalformed, kUsage}},
        {{"-p", "f.xml", "-c", "NOFORMAT", "-q"}, true, {StartRoad::End, kExitMalformed, kUsage}},
        {{"-p", "f.xml", "-unknown", "-q"}, true, {StartRoad::End, kExitMalformed, kUsage}},
        {{"-p", "f.xml", "-unknown"}, false, {StartRoad::End, kExitMalformed, kUsage}},
        {{"-p", "f.xml", "-unknown"}, true, {StartRoad::Interactive, kExitMalformed, 0}},
        // VORNAK mode: no port, or a malformed line, ends silently; batch mode is not for it.
        {{"-quvornak"}, true, {StartRoad::End, kExitMalformed, 0}},
        {{"-quvornak", "-port", "0"}, false, {StartRoad::End, kExitMalformed, 0}},
        {{"-quvornak", "-port", "4711", "-x"}, true, {StartRoad::End, kExitMalformed, 0}},
        {{"-quvornak", "-port", "4711", "-p", "f.xml", "-q"}, true, {StartRoad::Interactive, kExitSucceeded, 0}},
    };
    for (const auto& c : cases) {
        std::string line;
        for (const std::string& token : c.tokens) line += token + " ";
        EXPECT_EQ(Decide(c.tokens, c.display), c.expected) << line << (c.display ? "(display)" : "(no display)");
    }
}

TEST(StartRoad, TheScriptAndExportFoldersBecomeAbsoluteAndTheProjectStaysAsWritten) {
    CommandLine line = ReadCommandLine(std::vector<std::string>{"-p", "f.xml", "-x", "SMURF", "maps", "-s", "../out/./scripts", "-q"});
    MakeCommandLinePathsAbsolute(line);
    const std::filesystem::path here = std::filesystem::current_path();
    EXPECT_EQ(line.projectPath, "f.xml");
    EXPECT_EQ(line.settings.exportPath, (here / "maps").string());
    EXPECT_EQ(line.settings.scriptPath, (here.parent_path() / "out" / "scripts").string());

    CommandLine absolute = ReadCommandLine(std::vector<std::string>{"-s", "/tmp/s"});
    MakeCommandLinePathsAbsolute(absolute);
    EXPECT_EQ(absolute.settings.scriptPath, "/tmp/s");
    EXPECT_EQ(absolute.settings.exportPath, "");
}
