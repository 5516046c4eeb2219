// The program kavro run from its command line: the batch road without a display, its exit
// codes, what it prints where, and what it leaves on disk.
#include <gtest/gtest.h>

#include "platform/Registry.h"
#include "platform/Settings.h"
#include "ProgramRun.h"
#include "ScratchFolder.h"

namespace {

const std::string kSample = std::string(KAVRO_SOURCE_DIR) + "/examples/insurance/Insurance.xml";

class KavroProgramTest : public ::testing::Test {
protected:
    // The sample project with a global attribute A, in the working folder as f.xml.
    std::string WriteProject() const {
        std::string text = ScratchFolder::Read(kSample);
        const size_t projectEnd = text.find("/>", text.find("<PROJECT "));
        text.replace(projectEnd, 2, "><ATT ID=\"A_Global\" Name=\"A\" Type=\"2\" Value=\"0\"/></PROJECT>");
        return folder_.Write("f.xml", text);
    }

    bool HasScripts() const {
        const std::filesystem::path scripts = program_.UserFolder() / "Scripts";
        return std::filesystem::exists(scripts) && !std::filesystem::is_empty(scripts);
    }

    ScratchFolder folder_;
    KavroProgram program_{folder_.Path()};
};

}  // namespace

TEST_F(KavroProgramTest, AMissingProjectIsReportedAndNothingRuns) {
    const ProgramRun run = program_.Run({"-p", "missing.xml", "-g", "-q"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "Invalid command line parameter: Project file 'missing.xml' not found! [W0874]\n");
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(HasScripts());
}

// The load's own message goes to standard error; nothing after the load runs.
TEST_F(KavroProgramTest, AProjectThatDoesNotLoadRunsNoStep) {
    folder_.Write("broken.xml", "<KAVRO_DATA Version=\"12.4\"><PROJECT ID=\"p\" Name=\"P\"/><WND ID=\"w\"");
    const ProgramRun run = program_.Run({"-p", "broken.xml", "-g", "-c", "PLAINTEXT", "-q"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("[W1110]"), std::string::npos) << run.err;
    EXPECT_EQ(run.out.find("Generat"), std::string::npos) << run.out;
    EXPECT_FALSE(HasScripts());
}

TEST_F(KavroProgramTest, AMalformedLineShowsTheUsageAndRunsNoStep) {
    const std::string project = WriteProject();
    const std::vector<std::string> lines[] = {
        {"-p", project, "-g", "-c", "NOFORMAT", "-q"},
        {"-g", "-p", project, "-q"},
        {"-p", project, "-g", "-w"},
    };
    for (const auto& line : lines) {
        const ProgramRun run = program_.Run(line);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err.rfind("Invalid command line!\nUsage: kavro {-p projectname", 0), 0u) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(HasScripts());
}

TEST_F(KavroProgramTest, VornakStartUpDataWithoutAPortEndsSilently) {
    for (const std::vector<std::string>& line :
         {std::vector<std::string>{"-quvornak"}, std::vector<std::string>{"-quvornak", "-p", "f.xml", "-q"}}) {
        const ProgramRun run = program_.Run(line);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "");
    }
}

TEST_F(KavroProgramTest, WithoutQuitAndWithoutADisplayThereIsNothingToShow) {
    const ProgramRun run = program_.Run({"-p", WriteProject()});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "Interactive use needs a display: use -q to run the command line as a batch job.\n");
}

TEST_F(KavroProgramTest, GermanTextsComeFromTheCatalogueBesideTheProgram) {
    FileSettings(program_.SettingsFile(), {})
        .WriteText(SettingsHive::CurrentUser, std::string(kProductKey), "Language", "German");
    const ProgramRun run = program_.Run({"-p", "missing.xml", "-q"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "Ungültiger Befehlszeilenparameter: Die Projektdatei 'missing.xml' wurde nicht gefunden! [W0874]\n");
}

// Warnings of -d and -w do not stop the run; the steps come in their fixed order whatever the
// order of the line, and the project file is never written.
TEST_F(KavroProgramTest, TheStepsRunInTheirOrderAndLeaveTheProjectFileAlone) {
    const std::string project = WriteProject();
    const std::string before = ScratchFolder::Read(project);
    const ProgramRun run =
        program_.RunMerged({"-p", "f.xml", "-x", "SMURF", "maps", "-g", "-d", ":A=1", "-d", ":Nope=2", "-w", "Nope",
                            "-s", "scripts", "-c", "PLAINTEXT", "-q"});
    EXPECT_EQ(run.exitCode, 0) << run.out;
    const std::vector<std::string> order = {
        "Opening Project ",
        "Invalid Designator: No attribute with name 'Nope' existing! [W0749]",
        "The start window 'Nope' specified with the -w option is not existing! [W0985]",
        "Generation Completed",
    };
    size_t at = 0;
    for (const std::string& expected : order) {
        const size_t found = run.out.find(expected, at);
        ASSERT_NE(found, std::string::npos) << "missing or out of order: " << expected << "\n" << run.out;
        at = found;
    }
    EXPECT_EQ(ScratchFolder::Read(project), before);
    EXPECT_TRUE(std::filesystem::exists(folder_.Path() / "scripts"));
}
