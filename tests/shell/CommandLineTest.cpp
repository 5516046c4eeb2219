#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "model/ShellServices.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/Registry.h"
#include "shell/CommandLine.h"

namespace {

class CommandLineTest : public ::testing::Test {
protected:
    void SetUp() override {
        InstallSettings(std::make_unique<MemorySettings>());
        auto interaction = std::make_unique<ScriptedInteraction>();
        interaction_ = interaction.get();
        InstallInteraction(std::move(interaction));
    }
    void TearDown() override {
        InstallSettings(std::make_unique<MemorySettings>());
        InstallInteraction(std::make_unique<ConsoleInteraction>());
        ResetCommandLineSettings();
        VornakMode = false;
        ClearGlobalMessage();
    }
    ScriptedInteraction* interaction_ = nullptr;
};

CommandLine Expect(const std::function<void(CommandLine&)>& edit) {
    CommandLine line;
    edit(line);
    return line;
}

}  // namespace

void PrintTo(const CommandLine& c, std::ostream* os) {
    *os << "{p='" << c.projectPath << "' port=" << c.port << " m=" << c.generationMethod << " w='" << c.startWindow
        << "' x='" << c.exportKeyword << "' pairs=" << c.pairs.size() << " g=" << c.generate << " c=" << c.convert
        << " q=" << c.quit << " malformed=" << c.malformed << " b=" << c.buildingBlockInfo << " vornak=" << c.vornakMode
        << " format=" << c.settings.outputFormat << " k=" << c.settings.keyboard
        << " log=" << c.settings.interfaceLogLevel
        << " e='" << c.settings.exePath << "' r='" << c.settings.rootPath << "' s='" << c.settings.scriptPath
        << "' xpath='" << c.settings.exportPath << "'}";
}

TEST(NextCommandLineToken, SplitsAtSpacesAndKeepsQuotedBlanks) {
    struct Case {
        std::string line;
        std::vector<std::string> tokens;
    };
    const Case cases[] = {
        {"\"a b\" c", {"a b", "c"}},
        {"\"abc", {"\"abc"}},
        {"  x   y", {"x", "y"}},
        {"\"\" z", {"", "z"}},
        {"\"a\"b c", {"a", "b", "c"}},
        {"", {}},
    };
    for (const Case& c : cases) {
        std::string_view rest = c.line;
        std::vector<std::string> tokens;
        while (!rest.empty()) tokens.push_back(NextCommandLineToken(rest));
        EXPECT_EQ(tokens, c.tokens) << c.line;
    }
}

TEST_F(CommandLineTest, ReadsOptionsUntilTheFirstMalformedOne) {
    struct Case {
        std::string line;
        CommandLine expected;
    };
    const Case cases[] = {
        {"", CommandLine{}},
        {"-p \"C:\\My Projects\\a.xml\" -g -c HP_UFT -q", Expect([](CommandLine& c) {
             c.projectPath = "C:\\My Projects\\a.xml";
             c.generate = c.convert = c.quit = true;
             c.settings.outputFormat = 7;
         })},
        {"-P a -G -Q", Expect([](CommandLine& c) {
             c.projectPath = "a";
             c.generate = c.quit = true;
         })},
        // Options that need a project before -p: nothing after them is read.
        {"-g -p a", Expect([](CommandLine& c) { c.malformed = true; })},
        {"-b", Expect([](CommandLine& c) { c.malformed = true; })},
        {"-p a -b -w Main", Expect([](CommandLine& c) {
             c.projectPath = "a";
             c.buildingBlockInfo = true;
             c.startWindow = "Main";
         })},
        // -c takes its keyword only when one follows.
        {"-p a -c", Expect([](CommandLine& c) {
             c.projectPath = "a";
             c.convert = true;
         })},
        {"-p a -c -g", Expect([](CommandLine& c) {
             c.projectPath = "a";
             c.convert = c.generate = true;
         })},
        {"-p a -c FOO -g", Expect([](CommandLine& c) {
             c.projectPath = "a";
             c.convert = c.generate = c.malformed = true;
         })},
        {"-p a -c silktest", Expect([](CommandLine& c) {
             c.projectPath = "a";
             c.convert = true;
             c.settings.outputFormat = 1;
         })},
        // Pairs.
        {"-p a -d N=a=b -d M=", Expect([](CommandLine& c) {
             c.projectPath = "a";
             c.pairs = {{"N", "a=b"}, {"M", ""}};
         })},
        {"-p a -d =v -g", Expect([](CommandLine& c) {
             c.projectPath = "a";
             c.malformed = true;
         })},
        {"-p a -d abc", Expect([](CommandLine& c) {
             c.projectPath = "a";
             c.malformed = true;
         })},
        {"-p a -d -g", Expect([](CommandLine& c) {
             c.projectPath = "a";
             c.malformed = true;
         })},
        // Methods and keyboards need no project.
        {"-m dv", Expect([](CommandLine& c) { c.generationMethod = 8; })},
        {"-m GS -m R", Expect([](CommandLine& c) { c.generationMethod = 64; })},
        {"-m GX -g", Expect([](CommandLine& c) { c.malformed = true; })},
        {"-k us", Expect([](CommandLine& c) { c.settings.keyboard = 1; })},
        {"-k GE", Expect([](CommandLine& c) { c.settings.keyboard = 0; })},
        {"-k fr", Expect([](CommandLine& c) { c.malformed = true; })},
        {"-e exe -r root -s \"my scripts\"", Expect([](CommandLine& c) {
             c.settings.exePath = "exe";
             c.settings.rootPath = "root";
             c.settings.scriptPath = "my scripts";
         })},
        // Export.
        {"-p a -x smurf /o", Expect([](CommandLine& c) {
             c.projectPath = "a";
             c.exportKeyword = "SMURF";
             c.settings.exportPath = "/o";
         })},
        {"-p a -x FOO /o", Expect([](CommandLine& c) {
             c.projectPath = "a";
             c.malformed = true;
         })},
        {"-p a -x SMURF", Expect([](CommandLine& c) {
             c.projectPath = "a";
             c.malformed = true;
         })},
        // Missing values, unknown options, stray tokens.
        {"-p", Expect([](CommandLine& c) { c.malformed = true; })},
        {"-p -g", Expect([](CommandLine& c) { c.malformed = true; })},
        {"-p a -q extra -g", Expect([](CommandLine& c) {
             c.projectPath = "a";
             c.quit = c.malformed = true;
         })},
        {"/p a", Expect([](CommandLine& c) { c.malformed = true; })},
        // VORNAK: -port only after -quvornak, and never 0.
        {"-quvornak -port 4711", Expect([](CommandLine& c) {
             c.vornakMode = true;
             c.port = 4711;
         })},
        {"-port 4711 -quvornak", Expect([](CommandLine& c) { c.malformed = true; })},
        {"-quvornak -port 0", Expect([](CommandLine& c) { c.vornakMode = c.malformed = true; })},
        {"-quvornak -port x", Expect([](CommandLine& c) { c.vornakMode = c.malformed = true; })},
        // Outside 1-65535 a port is malformed, not cut to 16 bits (70000 would reach 4464).
        {"-quvornak -port 70000", Expect([](CommandLine& c) { c.vornakMode = c.malformed = true; })},
        {"-quvornak -port -5", Expect([](CommandLine& c) { c.vornakMode = c.malformed = true; })},
        {"-quvornak -port 65535", Expect([](CommandLine& c) {
             c.vornakMode = true;
             c.port = 65535;
         })},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadCommandLine(c.line), c.expected) << c.line;
}

TEST_F(CommandLineTest, EveryFormatKeywordGivesItsCode) {
    const std::pair<const char*, int> formats[] = {
        {"ESA_EUD_ART_XML", 14}, {"ESA_DOVA_XML", 3}, {"EXCEL_BB_INFO", 13}, {"HP_ALM_EXCEL", 9}, {"HP_UFT", 7},
        {"HP_WINRUNNER", 8},     {"IBM_QM_XML", 12},  {"PLAINTEXT", 2},      {"RANOREX", 10},     {"SILKTEST", 1},
        {"VORNAK_XML", 4},       {"TESTPARTNER", 5},  {"UNIVERSALFILE", 6},
    };
    for (const auto& [keyword, code] : formats) {
        CommandLine line = ReadCommandLine(std::vector<std::string>{"-p", "a", "-c", keyword});
        EXPECT_EQ(line.settings.outputFormat, code) << keyword;
        EXPECT_FALSE(line.malformed) << keyword;
    }
    const std::pair<const char*, int> methods[] = {{"G1", 1}, {"GS", 2}, {"GC", 4}, {"DV", 8},
                                                   {"DI", 16}, {"DA", 24}, {"T", 32}, {"R", 64}};
    for (const auto& [keyword, code] : methods)
        EXPECT_EQ(ReadCommandLine(std::vector<std::string>{"-m", keyword}).generationMethod, code) << keyword;
}

TEST_F(CommandLineTest, ArgumentsArriveAsTokensWithBlanksKept) {
    CommandLine line = ReadCommandLine(std::vector<std::string>{"-p", "/home/u/My Projects/a b.xml", "-g"});
    EXPECT_EQ(line.projectPath, "/home/u/My Projects/a b.xml");
    EXPECT_TRUE(line.generate);
    EXPECT_FALSE(line.malformed);
}

TEST_F(CommandLineTest, TheInterfaceLogLevelComesFromLogSifSpelledExactly) {
    const std::pair<const char*, int> cases[] = {{"NORMAL", 1}, {"FINE", 2}, {"fine", 0}, {"Normal", 0}, {"", 0}};
    for (const auto& [value, level] : cases) {
        WriteRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), "LOG_SIF", value, kRegistryText);
        CommandLine line = ReadCommandLine("-quvornak -port 4711");
        EXPECT_EQ(line.settings.interfaceLogLevel, level) << value;
        EXPECT_TRUE(line.vornakMode);
    }
}

TEST_F(CommandLineTest, AMalformedLineShowsTheUsageOrEndsAVornakStart) {
    const std::string usage =
        "Invalid command line!\nUsage: kavro {-p projectname {-c {format}} {-d name=value}* {-g} {-q} {-w "
        "startwindow} {-x SMURF exportpath}} {-k (us|ge)} {-m (G1|GS|GC|DV|DI|DA|T|R)} {-b} {-s scriptpath} {-r "
        "rootpath} {-e exepath} [W0699]";
    struct Case {
        std::string line;
        bool goesOn;
        bool usageShown;
    };
    const Case cases[] = {
        {"-p a -g", true, false},
        {"-g -p a", true, true},
        {"-quvornak -port 4711", true, false},
        {"-quvornak", false, false},
        {"-quvornak -port 4711 -z", false, false},
    };
    for (const Case& c : cases) {
        interaction_->messages.clear();
        EXPECT_EQ(AcceptCommandLine(ReadCommandLine(c.line)), c.goesOn) << c.line;
        if (!c.usageShown) {
            EXPECT_TRUE(interaction_->messages.empty()) << c.line;
            continue;
        }
        ASSERT_EQ(interaction_->Texts(), std::vector<std::string>{usage}) << c.line;
        EXPECT_EQ(interaction_->messages[0].icon, MessageIcon::Warning);
        EXPECT_EQ(interaction_->messages[0].buttons, MessageButtons::Ok);
    }
}

TEST_F(CommandLineTest, StoringMakesTheProcessWideValuesCurrent) {
    WriteRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), "LOG_SIF", "NORMAL", kRegistryText);
    CommandLine line = ReadCommandLine("-quvornak -port 9 -p a -c RANOREX -k us -s scripts -x SMURF out");
    ASSERT_FALSE(line.malformed);
    StoreCommandLineSettings(line);
    EXPECT_TRUE(VornakMode);
    const CommandLineSettings& stored = GetCommandLineSettings();
    EXPECT_EQ(stored.outputFormat, 10);
    EXPECT_EQ(stored.interfaceLogLevel, 1);
    EXPECT_EQ(stored.keyboard, 1);
    EXPECT_EQ(stored.scriptPath, "scripts");
    EXPECT_EQ(stored.exportPath, "out");
    EXPECT_EQ(stored.rootPath, "");
}
