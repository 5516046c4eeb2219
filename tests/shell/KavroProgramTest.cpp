// The program kavro run from its command line: the batch road without a display, its exit
// codes, what it prints where, and what it leaves on disk.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <regex>

#include "conversion/framework/ConverterTable.h"
#include "conversion/framework/OutputFormats.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/WindowKav.h"
#include "persistence/XMLDataManager.h"
#include "platform/MessageLog.h"
#include "platform/Registry.h"
#include "platform/Settings.h"
#include "ProgramRun.h"
#include "tests/support/ScratchFolder.h"

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
    // Converted after generating: the new test case is in the scripts.
    const std::string script = ScratchFolder::Read(folder_.Path() / "scripts" / "Insurance" / "RefuseYoungClient.txt");
    std::string testCase;
    for (char c : std::string("RefuseYoungClient_001")) testCase += std::string{c, '\0'};
    EXPECT_NE(script.find(testCase), std::string::npos);
}

namespace {

// The files below the folder, by their path inside it, with their bytes.
std::map<std::string, std::string> FilesBelow(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[std::filesystem::relative(entry.path(), folder).string()] = ScratchFolder::Read(entry.path());
    return files;
}

bool PassesCommand(const std::string& command, const std::filesystem::path& file) {
    return std::system((command + " '" + file.string() + "' >/dev/null 2>&1").c_str()) == 0;
}

// Test case identifiers are made from the clock; everything else of a run is the same.
std::string WithoutTestCaseIds(const std::string& text) {
    return std::regex_replace(text, std::regex("kavrotc-[^\"]{12}\""), "kavrotc-<id>\"");
}

}  // namespace

TEST_F(KavroProgramTest, TheSampleProjectGivesReadableScriptsAndTheSameFilesEachRun) {
    const std::string before = ScratchFolder::Read(kSample);
    auto convert = [&](const std::string& format, const std::string& output) {
        const ProgramRun run = program_.Run({"-p", kSample, "-g", "-c", format, "-s", output, "-q"});
        EXPECT_EQ(run.exitCode, 0) << format << "\n" << run.out << run.err;
        EXPECT_NE(run.out.find("4 TASK Test Case(s) Generated!\nGeneration Completed"), std::string::npos) << run.out;
    };

    convert("PLAINTEXT", "plain");
    const std::map<std::string, std::string> plain = FilesBelow(folder_.Path() / "plain");
    // Step coverage: one test case for each task, each in the package of its task.
    std::vector<std::string> packages;
    for (const auto& entry : plain) packages.push_back(entry.first);
    EXPECT_EQ(packages, (std::vector<std::string>{"Insurance/CalculateOnePremium.txt", "Insurance/CalculatePremiums.txt",
                                                  "Insurance/RefuseInvalidClients.txt",
                                                  "Insurance/RefuseYoungClient.txt"}));
    // UTF-16 with its byte-order mark, every line ended by CR LF.
    const std::string utf16Lines =
        "python3 -c \"import sys; t = open(sys.argv[1], 'rb').read().decode('utf-16'); "
        "r = t.replace('\\r\\n', ''); sys.exit('\\r' in r or '\\n' in r)\"";
    for (const auto& [name, bytes] : plain) {
        EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE") << name;
        EXPECT_TRUE(PassesCommand(utf16Lines, folder_.Path() / "plain" / name)) << name;
    }

    convert("UNIVERSALFILE", "first");
    convert("UNIVERSALFILE", "second");
    EXPECT_EQ(FilesBelow(folder_.Path() / "first"), FilesBelow(folder_.Path() / "second"));

    convert("VORNAK_XML", "first.xml");
    convert("VORNAK_XML", "second.xml");
    for (const char* name : {"first.xml", "second.xml"})
        EXPECT_TRUE(PassesCommand("xmllint --noout", folder_.Path() / name)) << name;
    const std::string first = ScratchFolder::Read(folder_.Path() / "first.xml");
    EXPECT_NE(first.find("kavrotc-"), std::string::npos);
    EXPECT_EQ(WithoutTestCaseIds(first), WithoutTestCaseIds(ScratchFolder::Read(folder_.Path() / "second.xml")));

    EXPECT_EQ(ScratchFolder::Read(kSample), before);
}

// The toolkit belongs to the window program alone: a batch run loads none of its libraries. The
// dynamic linker names every library it loads, so the C library shows that the list is there.
TEST_F(KavroProgramTest, ABatchRunLoadsNoLibraryOfTheWindowToolkit) {
    const ProgramRun run =
        program_.RunWith({"LD_DEBUG=libs"}, {"-p", kSample, "-g", "-c", "PLAINTEXT", "-s", "plain", "-q"});
    EXPECT_EQ(run.exitCode, 0) << run.out;
    EXPECT_NE(run.err.find("libc.so"), std::string::npos) << run.err;
    for (const char* toolkit : {"libwx_", "libgtk", "libX11"})
        EXPECT_EQ(run.err.find(toolkit), std::string::npos) << toolkit;
}

namespace {

// The text of a UTF-16LE file as UTF-8, for the ASCII texts looked for here.
std::string AsciiOfUtf16(const std::string& bytes) {
    std::string text;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) text += bytes[i];
    return text;
}

}  // namespace

// The age rules refuse every invalid client, each in its own branch of the building block, and
// the loops walk the clients' records in their order.
TEST_F(KavroProgramTest, TheSampleCoversEveryTransitionThroughItsTasks) {
    const ProgramRun run = program_.Run({"-p", kSample, "-g", "-c", "PLAINTEXT", "-s", "plain", "-q"});
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    const std::filesystem::path package = folder_.Path() / "plain" / "Insurance";
    const std::string premiums = AsciiOfUtf16(ScratchFolder::Read(package / "CalculatePremiums.txt"));
    const std::string refusals = AsciiOfUtf16(ScratchFolder::Read(package / "RefuseInvalidClients.txt"));
    std::vector<std::string> expected = {"client V1", "client V2", "client V3", "client V4", "Closes the dialog"};
    size_t at = 0;
    for (const std::string& text : expected) {
        at = premiums.find(text, at);
        ASSERT_NE(at, std::string::npos) << text << "\n" << premiums;
    }
    EXPECT_EQ(premiums.find("refused"), std::string::npos);
    expected = {"client I1", "Client too young!", "Closes the message box", "client I2",
                "Client too young for driving a van!", "client I3", "Client too old!", "Closes the dialog"};
    at = 0;
    for (const std::string& text : expected) {
        at = refusals.find(text, at);
        ASSERT_NE(at, std::string::npos) << text << "\n" << refusals;
    }
}

TEST_F(KavroProgramTest, EveryTransitionOfTheSampleGetsATransitionTest) {
    const ProgramRun run = program_.Run({"-p", kSample, "-m", "T", "-g", "-q"});
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("6 TRANSITION Test Case(s) Generated!\nGeneration Completed"), std::string::npos) << run.out;
}

// Radio buttons that are children of their group box, as only the Java builder has them: the
// radio group has no member, so no client can be entered. Every task that enters clients gets
// no test case; each is logged with its first unreachable step and the run fails, while the
// other task's test case is still converted.
TEST_F(KavroProgramTest, ATaskThatGetsNoTestCaseIsLoggedAndFailsTheRun) {
    std::string text = ScratchFolder::Read(kSample);
    for (const std::string radio : {"W_Motorcycle", "W_Car", "W_Van"}) {
        const std::string parent = "ID=\"" + radio + "\" ParentID=\"W_Insurance\"";
        const size_t at = text.find(parent);
        ASSERT_NE(at, std::string::npos) << radio;
        text.replace(at, parent.size(), "ID=\"" + radio + "\" ParentID=\"W_Vehicle\"");
    }
    const std::string project = folder_.Write("Nested.xml", text);
    const ProgramRun run = program_.Run({"-p", project, "-g", "-c", "PLAINTEXT", "-s", "plain", "-q"});
    EXPECT_EQ(run.exitCode, 2);
    for (const char* task : {"CalculatePremiums", "RefuseInvalidClients", "CalculateOnePremium"}) {
        EXPECT_NE(run.out.find("Generating test cases for task '" + std::string(task) +
                               "'\nCannot generate a valid path containing task '" + task + "'/step "),
                  std::string::npos)
            << task << "\n" << run.out;
    }
    EXPECT_NE(run.out.find("1 TASK Test Case(s) Generated!"), std::string::npos) << run.out;
    EXPECT_TRUE(std::filesystem::exists(folder_.Path() / "plain" / "Insurance" / "RefuseYoungClient.txt"));
}

namespace {

// Readers that know nothing of the program, one per kind of file it writes; each takes the
// files to read as its arguments.
enum class OutsideReader { Xml, Sheet, Utf16Text, Latin1Text, CSharp, SilkTestOutline, Latin1CrLf, TestPartnerAssets,
                           RanorexSolution, UftTests };

std::string ReaderCommand(OutsideReader reader) {
    const auto python = [](const std::string& perFile) {
        return "python3 -c \"import csv, sys\nfor name in sys.argv[1:]:\n    " + perFile + "\"";
    };
    switch (reader) {
        case OutsideReader::Xml: return "xmllint --noout";
        // Strict quoting; no row wider than the header.
        case OutsideReader::Sheet:
            return python(
                "rows = list(csv.reader(open(name, encoding='utf-16', newline=''), delimiter='\\t', strict=True))\n"
                "    if not rows or max(len(r) for r in rows) != len(rows[0]): sys.exit(name + ': ragged rows')");
        case OutsideReader::Utf16Text: return python("open(name, 'rb').read().decode('utf-16')");
        case OutsideReader::Latin1Text: return python("open(name, 'rb').read().decode('latin-1')");
        case OutsideReader::CSharp: return "mcs --parse";
        case OutsideReader::SilkTestOutline:
            return "python3 '" + std::string(KAVRO_SOURCE_DIR) + "/tests/support/readers/silktest_outline.py'";
        case OutsideReader::Latin1CrLf:
            return "python3 '" + std::string(KAVRO_SOURCE_DIR) + "/tests/support/readers/latin1_crlf.py'";
        // xmllint, and each script's Base64 text decoded as UTF-16LE.
        case OutsideReader::TestPartnerAssets:
            return "python3 '" + std::string(KAVRO_SOURCE_DIR) + "/tests/support/readers/testpartner_assets.py'";
        case OutsideReader::RanorexSolution:
            return "python3 '" + std::string(KAVRO_SOURCE_DIR) + "/tests/support/readers/ranorex_solution.py'";
        // xmllint and the repository's structure; each action script decoded as UTF-16.
        case OutsideReader::UftTests:
            return "python3 '" + std::string(KAVRO_SOURCE_DIR) + "/tests/support/readers/uft_tests.py'";
    }
    return "false";
}

// Whether the command reads all the files without complaint; its output tells why not.
::testing::AssertionResult ReadsAll(const std::string& command, const std::map<std::string, std::string>& files,
                                    const std::filesystem::path& folder) {
    std::string line = command;
    for (const auto& entry : files) line += " '" + (folder / entry.first).string() + "'";
    FILE* pipe = ::popen((line + " 2>&1").c_str(), "r");
    if (!pipe) return ::testing::AssertionFailure() << "cannot run " << command;
    std::string output;
    char buffer[512];
    while (const size_t read = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, read);
    if (::pclose(pipe) != 0) return ::testing::AssertionFailure() << output;
    return ::testing::AssertionSuccess();
}

// The sample with its tasks in one folder below the root, as ESA test designs want them, and
// SMURF data on its dialog.
std::string SampleWithFolderAndSmurfData() {
    std::string text = ScratchFolder::Read(kSample);
    const std::string root = "<TASK ID=\"K_Root\" Name=\"Project Insurance\"/>";
    text.replace(text.find(root), root.size(),
                 "<TASK ID=\"K_Root\" Name=\"Project Insurance\" Type=\"2\"/>\n"
                 "<TASK ID=\"K_Design\" ParentID=\"K_Root\" Name=\"Premiums\" Type=\"2\"/>");
    for (size_t at; (at = text.find("ParentID=\"K_Root\" StartID")) != std::string::npos;)
        text.replace(at, 17, "ParentID=\"K_Design\"");
    const std::string dialogEnd = "Style=\"-1865940864\" PosR=\"330\" PosB=\"250\"/>";
    text.replace(text.find(dialogEnd), dialogEnd.size(),
                 "Style=\"-1865940864\" PosR=\"330\" PosB=\"250\">\n<XML_ELEMENT Name=\"smurfData\">\n"
                 "<XML_ELEMENT Name=\"application\" Value=\"Insurance\"/>\n</XML_ELEMENT>\n</WND>");
    return text;
}

}  // namespace

// Each format the program writes, in batch on the sample, is read by an outside reader: every
// file it wrote passes. A new converter adds its row.
TEST_F(KavroProgramTest, OutsideReadersReadEveryFileOfEveryFormat) {
    const std::string project = folder_.Write("Sample.xml", SampleWithFolderAndSmurfData());
    const struct {
        std::vector<std::string> options;
        const char* folder;
        OutsideReader reader;
    } formats[] = {
        {{"-c", "PLAINTEXT", "-s", "plain"}, "plain", OutsideReader::Utf16Text},
        {{"-c", "UNIVERSALFILE", "-s", "universal"}, "universal", OutsideReader::Utf16Text},
        {{"-c", "HP_ALM_EXCEL", "-s", "alm"}, "alm", OutsideReader::Sheet},
        {{"-c", "EXCEL_BB_INFO", "-s", "blocks"}, "blocks", OutsideReader::Sheet},
        {{"-c", "VORNAK_XML", "-s", "vornak/exchange.xml"}, "vornak", OutsideReader::Xml},
        {{"-c", "ESA_DOVA_XML", "-s", "dova/items.xml"}, "dova", OutsideReader::Xml},
        {{"-c", "ESA_EUD_ART_XML", "-s", "eudart/items.xml"}, "eudart", OutsideReader::Xml},
        {{"-c", "IBM_QM_XML", "-s", "ibm"}, "ibm", OutsideReader::Xml},
        {{"-c", "SILKTEST", "-s", "silk"}, "silk", OutsideReader::SilkTestOutline},
        {{"-c", "HP_WINRUNNER", "-s", "winrunner"}, "winrunner", OutsideReader::Latin1CrLf},
        {{"-c", "TESTPARTNER", "-s", "testpartner"}, "testpartner", OutsideReader::TestPartnerAssets},
        {{"-x", "SMURF", "smurf"}, "smurf", OutsideReader::Xml},
        {{"-c", "RANOREX", "-s", "ranorex"}, "ranorex", OutsideReader::RanorexSolution},
    };
    for (const auto& format : formats) {
        std::vector<std::string> line = {"-p", project, "-b", "-g"};
        line.insert(line.end(), format.options.begin(), format.options.end());
        line.push_back("-q");
        const ProgramRun run = program_.Run(line);
        EXPECT_EQ(run.exitCode, 0) << format.folder << "\n" << run.out << run.err;
        const std::map<std::string, std::string> files = FilesBelow(folder_.Path() / format.folder);
        EXPECT_FALSE(files.empty()) << format.folder;
        EXPECT_TRUE(ReadsAll(ReaderCommand(format.reader), files, folder_.Path() / format.folder)) << format.folder;
    }
}

// The sample keeps its tasks right below the root: no test design, so the item is empty; in one
// folder they make one test design with every test case.
TEST_F(KavroProgramTest, EsaTestItemsHoldTheTestCasesOfTheFoldersBelowTheRoot) {
    const auto convert = [&](const std::string& project, const std::string& output) {
        const ProgramRun run = program_.Run({"-p", project, "-g", "-c", "ESA_DOVA_XML", "-s", output, "-q"});
        EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
        EXPECT_EQ(run.err, "") << "no box in batch mode";
        return ScratchFolder::Read(folder_.Path() / output);
    };
    const std::string empty = convert(kSample, "sample.xml");
    EXPECT_EQ(empty.substr(empty.find('\n', empty.find("<TESTITEM"))), "\n</TESTITEM>\n");

    const std::string items = convert(folder_.Write("Sample.xml", SampleWithFolderAndSmurfData()), "folder.xml");
    EXPECT_NE(items.find("<TESTDESIGN name=\"Premiums\">"), std::string::npos) << items;
    std::vector<std::string> testCases;
    for (size_t at = 0; (at = items.find("<TESTCASE name=\"", at)) != std::string::npos; at += 16)
        testCases.push_back(items.substr(at + 16, items.find('"', at + 16) - at - 16));
    EXPECT_EQ(testCases, (std::vector<std::string>{"CalculateOnePremium_001", "CalculatePremiums_001",
                                                   "RefuseInvalidClients_001", "RefuseYoungClient_001"}));
}

// The quality manager's export reports in batch mode too; a task description without its
// sections is a warning in the log.
TEST_F(KavroProgramTest, TheQualityManagerExportReportsAndLogsItsWarnings) {
    const ProgramRun run = program_.Run({"-p", kSample, "-g", "-c", "IBM_QM_XML", "-s", "ibm", "-q"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.err.find("IBM Quality Manager export successful! [I0018] "), std::string::npos) << run.err;
    EXPECT_NE(run.out.find("Warning: Description of task 'RefuseYoungClient' doesn't have format "
                           "'§§§Preconditions§§§Description§§§ExpectedResult'\n"),
              std::string::npos)
        << run.out;
    EXPECT_TRUE(std::filesystem::exists(folder_.Path() / "ibm" / "Insurance" / "RefuseYoungClient_001_TS.xml"));
}

TEST_F(KavroProgramTest, TheSampleConvertsIntoASilkTestProjectWithEveryPackage) {
    const ProgramRun run = program_.Run({"-p", kSample, "-g", "-c", "SILKTEST", "-s", "silk", "-q"});
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    const std::filesystem::path project = folder_.Path() / "silk" / "Insurance";
    std::vector<std::string> files;
    for (const auto& entry : FilesBelow(project)) files.push_back(entry.first);
    EXPECT_EQ(files, (std::vector<std::string>{
                         "Includes/Error.inc", "Includes/Incl.inc", "Includes/Kavrolib.inc", "Includes/MainWin.inc",
                         "Test_Suite/Main.pln", "Test_Suite/TP_CalculateOnePremium.pln", "Test_Suite/TP_CalculateOnePremium.t",
                         "Test_Suite/TP_CalculatePremiums.pln", "Test_Suite/TP_CalculatePremiums.t",
                         "Test_Suite/TP_RefuseInvalidClients.pln", "Test_Suite/TP_RefuseInvalidClients.t",
                         "Test_Suite/TP_RefuseYoungClient.pln", "Test_Suite/TP_RefuseYoungClient.t"}));
    const std::string mainPlan = ScratchFolder::Read(project / "Test_Suite" / "Main.pln");
    for (const char* package : {"CalculateOnePremium", "CalculatePremiums", "RefuseInvalidClients", "RefuseYoungClient"})
        EXPECT_NE(mainPlan.find("\t[-] " + std::string(package) + "\r\n\t\t[ ] include: " +
                                (project / "Test_Suite" / ("TP_" + std::string(package) + ".pln")).string() + "\r\n"),
                  std::string::npos)
            << package << "\n" << mainPlan;
}

TEST_F(KavroProgramTest, TheSampleConvertsIntoAWinRunnerSuiteWithEveryPackage) {
    const ProgramRun run = program_.Run({"-p", kSample, "-g", "-c", "HP_WINRUNNER", "-s", "wr", "-q"});
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    const std::filesystem::path project = folder_.Path() / "wr" / "Insurance";
    std::vector<std::string> scripts;
    for (const auto& entry : FilesBelow(project))
        if (entry.first.ends_with("/script")) scripts.push_back(entry.first);
    EXPECT_EQ(scripts, (std::vector<std::string>{
                           "Main/script", "Test_Suite/TP_CalculateOnePremium/Func_Lib/script",
                           "Test_Suite/TP_CalculateOnePremium/TP_CalculateOnePremium_Main/script",
                           "Test_Suite/TP_CalculatePremiums/Func_Lib/script",
                           "Test_Suite/TP_CalculatePremiums/TP_CalculatePremiums_Main/script",
                           "Test_Suite/TP_RefuseInvalidClients/Func_Lib/script",
                           "Test_Suite/TP_RefuseInvalidClients/TP_RefuseInvalidClients_Main/script",
                           "Test_Suite/TP_RefuseYoungClient/Func_Lib/script",
                           "Test_Suite/TP_RefuseYoungClient/TP_RefuseYoungClient_Main/script"}));
    const std::string suite = ScratchFolder::Read(project / "Main" / "script");
    EXPECT_NE(suite.find(" tpAmount = 4;"), std::string::npos) << suite;
}

TEST_F(KavroProgramTest, TheSampleConvertsIntoTestPartnerAssetsWithEveryPackage) {
    const ProgramRun run = program_.Run({"-p", kSample, "-g", "-c", "TESTPARTNER", "-s", "tp", "-q"});
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    const std::filesystem::path project = folder_.Path() / "tp" / "Insurance";
    const std::map<std::string, std::string> files = FilesBelow(project);
    std::vector<std::string> names;
    for (const auto& entry : files) names.push_back(entry.first);
    EXPECT_EQ(names, (std::vector<std::string>{"CalculateOnePremium.xml", "CalculatePremiums.xml",
                                               "RefuseInvalidClients.xml", "RefuseYoungClient.xml", "TESTSUITE.xml"}));
    EXPECT_TRUE(ReadsAll(ReaderCommand(OutsideReader::TestPartnerAssets), files, project));
}

namespace {

// The sample with the UFT description that the tag generation gives each of its windows.
void SaveSampleDescribedForUft(const std::filesystem::path& path) {
    CApplicationKav sample;
    CurrentApplication = &sample;
    MessageLog log;
    ASSERT_EQ(CXMLDataManager().LoadProject(kSample, &log), 1);
    const ConverterEntry* uft = FindConverterEntry(StandardConverterTable(), kFormatUft);
    for (CWindowKav* window : sample.GetWindowList().Snapshot())
        if (!window->GetParent()) uft->generateTags(*window, 0);
    std::string unused;
    EXPECT_EQ(CXMLDataManager().SaveProject(true, path.string(), sample, unused), 1);
    CurrentApplication = nullptr;
}

}  // namespace

// UFT finds windows by their descriptions: without them nothing is converted; once the tag
// generation described them, each test case becomes a UFT test of its own.
TEST_F(KavroProgramTest, TheSampleConvertsIntoUftTestsOnceItsWindowsAreDescribed) {
    const ProgramRun bare = program_.Run({"-p", kSample, "-g", "-c", "HP_UFT", "-s", "uft", "-q"});
    EXPECT_EQ(bare.exitCode, 2);
    EXPECT_NE(bare.err.find("is missing imported XML information! [W1190]"), std::string::npos) << bare.err;

    const std::filesystem::path described = folder_.Path() / "Described.xml";
    SaveSampleDescribedForUft(described);
    const ProgramRun run = program_.Run({"-p", described.string(), "-g", "-c", "HP_UFT", "-s", "uft", "-q"});
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    const std::filesystem::path project = folder_.Path() / "uft" / "Insurance";
    const std::map<std::string, std::string> files = FilesBelow(project);
    std::vector<std::string> names;
    for (const auto& entry : files) names.push_back(entry.first);
    EXPECT_EQ(names, (std::vector<std::string>{"CalculateOnePremium/CalculateOnePremium_001/Action1/Script.mts",
                                               "CalculatePremiums/CalculatePremiums_001/Action1/Script.mts",
                                               "RefuseInvalidClients/RefuseInvalidClients_001/Action1/Script.mts",
                                               "RefuseYoungClient/RefuseYoungClient_001/Action1/Script.mts",
                                               "_ObjectRepository/UFTRepository_Insurance.xml"}));
    EXPECT_TRUE(ReadsAll(ReaderCommand(OutsideReader::UftTests), files, project));
}

// Projects of version 11.2 or older kept no SilkTest tags: loading one generates them.
TEST_F(KavroProgramTest, LoadingAnOldSilkTestProjectGeneratesItsTags) {
    const std::string project = folder_.Write("Old.xml", R"xml(<?xml version="1.0" encoding="utf-8" ?>
<KAVRO_DATA Version="11.2">
<PROJECT ID="P1" Name="Old" OutputFormat="1" MainWndID="w_main"/>
<WND ID="w_main" Name="Main" Type="0" Caption="Demo" Style="12582912"/>
<WND ID="w_name" ParentID="w_main" Name="UserName" Type="6"/>
<TASK ID="t1" StartID="s1" Name="SignIn" Type="0">
  <TASKSTEP ID="s1" StartWndID="w_name" Name="Enter name" Event="Input(&quot;ann&quot;)"/>
</TASK>
<TC ID="tc1" TaskID="t1" TC_No="1" Type="2">
  <TESTSTEP ID="ts1" StartWndID="w_name" DestWndID="w_name" TaskID="t1" BaseStepID="s1" Name="Enter" Event="Input(&quot;ann&quot;)"/>
</TC>
</KAVRO_DATA>
)xml");
    const ProgramRun run = program_.Run({"-p", project, "-c", "SILKTEST", "-s", "silk", "-q"});
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    const std::string frame = ScratchFolder::Read(folder_.Path() / "silk" / "Old" / "Includes" / "MainWin.inc");
    EXPECT_NE(frame.find("[+] window MainWin Main\r\n\t[ ] tag \"[MainWin]Demo\"\r\n"), std::string::npos) << frame;
    EXPECT_NE(frame.find("\t[ ] TextField UserName\r\n\t\t[ ] tag \"[TextField]#1\"\r\n"), std::string::npos) << frame;
}
