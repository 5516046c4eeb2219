// The conversion driver: settings, the choice of converter, the walk over the scope, test
// scripts, reports and the undo step, with a converter that records what it is handed.
#include <gtest/gtest.h>

#include <fstream>

#include "ConversionFixture.h"
#include "conversion/framework/OutputFormats.h"
#include "model/ConditionKav.h"
#include "model/ShellServices.h"
#include "model/TransitionKav.h"
#include "model/WindowKav.h"
#include "platform/CommandLineSettings.h"
#include "platform/MessageBuffer.h"
#include "platform/Progress.h"
#include "platform/Registry.h"

namespace {

struct Call {
    std::string operation;  // "Init", "Check", "Convert", "Finish"
    std::string name;
    std::vector<std::string> testCases;
};

// Records every call; Convert "writes" each package and reports its result as set.
class RecordingConverter : public CTestcaseConverter {
public:
    explicit RecordingConverter(std::vector<Call>& calls) : calls_(calls) {}

    int Init(std::string projectName, std::string scriptFolder, std::string exePath, std::string workingFolder,
             std::string parameters) override {
        calls_.push_back({"Init", scriptFolder, {exePath, workingFolder, parameters}});
        return CTestcaseConverter::Init(projectName, scriptFolder, exePath, workingFolder, parameters);
    }
    int CheckTestCases(TestCaseList& list) override {
        calls_.push_back({"Check", "", Names(list)});
        return 1;
    }
    int Convert(TestCaseList& list, std::string name, int& count, std::string& path) override {
        calls_.push_back({"Convert", name, Names(list)});
        count = static_cast<int>(list.size());
        path = (GetProjectFolder() / name).string();
        if (failOn == name) {
            SetGlobalMessage("failed " + name);
            return failResult;
        }
        return 1;
    }
    int Finish() override {
        calls_.push_back({"Finish", "", {}});
        return 1;
    }
    int ExportFile(ExchangeExport& request) override {
        calls_.push_back({"Export", request.output.string(), {}});
        if (failOn == "export") {
            SetGlobalMessage("cannot export");
            return 0;
        }
        request.report = MessageRequest{"exported", "Export", MessageButtons::Ok, MessageIcon::Information};
        request.reportInBatch = false;
        return 1;
    }

    static inline std::string failOn;
    static inline int failResult = 0;

private:
    static std::vector<std::string> Names(const TestCaseList& list) {
        std::vector<std::string> names;
        for (const CTestCase* testCase : list) names.push_back(testCase->GetDisplayName());
        return names;
    }
    std::vector<Call>& calls_;
};

class DriverTest : public ConversionTest {
protected:
    void SetUp() override {
        ConversionTest::SetUp();
        RecordingConverter::failOn.clear();
        const auto create = [this](const ConverterSettings& settings) {
            made.push_back(settings.format);
            return std::make_unique<RecordingConverter>(calls);
        };
        table = {{{2, 6}, ConversionRoad::PerPackage, create},
                 {{13}, ConversionRoad::WholeScope, create},
                 {{4}, ConversionRoad::ExchangeFile, create}};
        app.SetOutputFormat(2);
        SetUndoStepHook([this](const std::string& name) { undoSteps.push_back(name); });
    }

    // 1 when the conversion ran through, 0 when it failed.
    int Convert(CWindowKav* window, CTaskKav* task, bool batch = false) {
        return CTestcaseConverterDlg(table).ConvertTestCases(window, task, batch);
    }

    // The calls of one kind, by the name or test cases they were given.
    std::vector<std::string> Converted() const {
        std::vector<std::string> names;
        for (const Call& call : calls)
            if (call.operation == "Convert") names.push_back(call.name);
        return names;
    }
    std::vector<std::string> Operations() const {
        std::vector<std::string> operations;
        for (const Call& call : calls) operations.push_back(call.operation);
        return operations;
    }
    static std::string StoredFormat() {
        return ReadRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), "TCC_OUTPUT_FORMAT");
    }
    static void StoreFormat(const std::string& value) {
        WriteRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), "TCC_OUTPUT_FORMAT", value,
                            kRegistryText);
    }

    ConverterTable table;
    std::vector<Call> calls;
    std::vector<int> made;
    std::vector<std::string> undoSteps;
};

TEST_F(DriverTest, StoredFormatChoiceFallsBackToTheProjectsAndIsWrittenBack) {
    AddTaskTestCase(project.AddTask("Login", root_), 1);
    const struct {
        const char* stored;
        int projectFormat;
        int used;
    } cases[] = {{"6", 2, 6}, {"abc", 2, 2}, {"15", 6, 6}, {"", 6, 6}, {"0", 2, 2}, {"13x", 2, 13}};
    for (const auto& c : cases) {
        StoreFormat(c.stored);
        app.SetOutputFormat(c.projectFormat);
        made.clear();
        Convert(nullptr, nullptr);
        EXPECT_EQ(made, std::vector<int>{c.used}) << c.stored;
        EXPECT_EQ(StoredFormat(), std::to_string(c.used)) << c.stored;
        EXPECT_EQ(app.GetOutputFormat(), c.projectFormat) << "the project's own choice stays";
    }
}

TEST_F(DriverTest, AFormatWithoutConverterConvertsNothingAndSaysSo) {
    AddTaskTestCase(project.AddTask("Login", root_), 1);
    for (const char* stored : {"11", "5"}) {
        StoreFormat(stored);
        TestInteraction().messages.clear();
        EXPECT_EQ(Convert(nullptr, nullptr), 0);
        EXPECT_TRUE(calls.empty()) << stored;
        EXPECT_EQ(StoredFormat(), stored);
        ASSERT_EQ(TestInteraction().messages.size(), 1u);
        EXPECT_NE(TestInteraction().messages[0].text.find("no test case was converted"), std::string::npos);
    }
    StoreFormat("");
    app.SetOutputFormat(15);
    Convert(nullptr, nullptr);
    EXPECT_TRUE(calls.empty());
    EXPECT_TRUE(undoSteps.empty());
}

TEST_F(DriverTest, NoTestCasesWarnsAndStillFinishes) {
    EXPECT_EQ(Convert(nullptr, nullptr, true), 1);
    EXPECT_EQ(Operations(), (std::vector<std::string>{"Init", "Finish"}));
    EXPECT_EQ(TestInteraction().Texts(),
              std::vector<std::string>{"There are no test cases for the selected object.\nYou have to generate test "
                                       "cases before you can convert them! [W0516]"});
    EXPECT_EQ(undoSteps, std::vector<std::string>{"Convert Test Cases"});
}

TEST_F(DriverTest, WindowsConvertCaptionedChildrenFirstAndUncaptionedOnesWithTheirAncestor) {
    CWindowKav* main = AddCaptionedWindow("Main", nullptr, kWndMain);
    CWindowKav* dialog = AddCaptionedWindow("Login", main);
    CWindowKav* panel = project.AddWindow("Panel", dialog, kWndChild);
    CWindowKav* ok = project.AddWindow("OK", panel, kWndPushButton);
    CTransitionKav* okClick = project.AddTransition(ok, "OK_Click");
    CTransitionKav* mainClose = project.AddTransition(main, "Main_Close");
    project.AddTestCase(1, kTestCaseTransition, nullptr, ok, okClick);
    project.AddTestCase(2, kTestCaseTransition, nullptr, main, mainClose);

    Convert(main, nullptr);
    EXPECT_EQ(Converted(), (std::vector<std::string>{"Login", "Main"}));
    EXPECT_EQ(calls[1].testCases, std::vector<std::string>{"OK_Click"}) << "the button's test case joins the dialog";
    ASSERT_EQ(app.GetTestScripts().size(), 2u);
    const CTestScript* script = app.GetTestScripts()[0];
    EXPECT_EQ(script->GetWindow(), dialog);
    EXPECT_EQ(script->GetFormat(), 2);
    EXPECT_EQ(script->GetSumTC(), 1);
    EXPECT_EQ(script->GetPath(), (ProjectFolder() / "Login").string());
    EXPECT_EQ(script->GetFile(), project.Main());

    Convert(dialog, nullptr);
    EXPECT_EQ(app.GetTestScripts().size(), 2u) << "a window converted again keeps one script";
    EXPECT_EQ(TestInteraction().Texts().back(), "1 Test Case(s) converted! [I0012]");
}

TEST_F(DriverTest, TasksAreSortedAndBuildingBlocksNeverConvertedAlone) {
    CTaskKav* folder = project.AddTask("Orders", root_, kTaskFolder);
    CTaskKav* zeta = project.AddTask("Zeta", folder);
    CTaskKav* alpha = project.AddTask("Alpha", folder);
    CTaskKav* block = project.AddTask("Block", folder, kTaskBuildingBlock);
    CTaskKav* inner = project.AddTask("Inner", block);
    for (CTaskKav* task : {zeta, alpha, block, inner}) AddTaskTestCase(task, 1);

    Convert(nullptr, folder);
    EXPECT_EQ(Converted(), (std::vector<std::string>{"Alpha", "Inner", "Zeta"}));
    EXPECT_EQ(folder->GetChildren(), (std::vector<CTaskKav*>{alpha, block, zeta})) << "the model is sorted";
}

TEST_F(DriverTest, TheWholeProjectReplacesEveryScriptAndConvertsWindowsThenTasks) {
    CWindowKav* main = AddCaptionedWindow("Main", nullptr, kWndMain);
    project.AddTestCase(1, kTestCaseTransition, nullptr, main, project.AddTransition(main, "Main_Close"));
    AddTaskTestCase(project.AddTask("Login", root_), 1);
    CTestScript* stale = app.GetTestScripts().Add(new CTestScript);
    stale->SetName("Gone");

    Convert(nullptr, nullptr, true);
    EXPECT_EQ(Converted(), (std::vector<std::string>{"Main", "Login"}));
    ASSERT_EQ(app.GetTestScripts().size(), 2u);
    EXPECT_EQ(app.GetTestScripts()[0]->GetName(), "Main");
    EXPECT_EQ(TestInteraction().messages.size(), 0u) << "batch mode does not report success";
}

TEST_F(DriverTest, AFailingPackageStopsTheRunWithItsIconAndKeepsEarlierScripts) {
    for (const char* name : {"A", "B", "C"}) AddTaskTestCase(project.AddTask(name, root_), 1);
    for (int result : {0, -1}) {
        calls.clear();
        TestInteraction().messages.clear();
        RecordingConverter::failOn = "B";
        RecordingConverter::failResult = result;
        EXPECT_EQ(Convert(nullptr, nullptr), 0);
        EXPECT_EQ(Converted(), (std::vector<std::string>{"A", "B"}));
        EXPECT_EQ(Operations().back(), "Convert") << "no Finish after a failure";
        ASSERT_EQ(TestInteraction().messages.size(), 1u);
        EXPECT_EQ(TestInteraction().messages[0].text, "failed B");
        EXPECT_EQ(TestInteraction().messages[0].icon, result == 0 ? MessageIcon::Warning : MessageIcon::Error);
        ASSERT_EQ(app.GetTestScripts().size(), 1u);
        EXPECT_EQ(app.GetTestScripts()[0]->GetName(), "A");
    }
    EXPECT_EQ(undoSteps.size(), 2u) << "a failed run still records its undo step";
}

TEST_F(DriverTest, AnInvalidConditionStopsBeforeAnyConverterIsMade) {
    CWindowKav* main = AddCaptionedWindow("Main", nullptr, kWndMain);
    project.AddTransition(main, "Main_T1")->GetConditions().Add(new CConditionKav("c1", "#Nowhere# = 1"));
    AddTaskTestCase(project.AddTask("Login", root_), 1);

    EXPECT_EQ(Convert(nullptr, nullptr, true), 0);
    EXPECT_TRUE(made.empty());
    ASSERT_EQ(TestInteraction().messages.size(), 1u);
    const MessageRequest& box = TestInteraction().messages[0];
    EXPECT_EQ(box.caption, "Invalid Condition");
    EXPECT_EQ(box.text.rfind("The following error has been detected while checking the consistency of the "
                             "conditions:\n\nIn Transition 'Main_T1'",
                             0),
              0u);
    EXPECT_EQ(box.text.substr(box.text.size() - 15), "[W1129] [W1118]");
}

TEST_F(DriverTest, AScriptFolderThatCannotBeMadeStopsWithItsMessage) {
    std::filesystem::create_directories(folder_);
    std::ofstream(folder_ / "blocked") << "a file";
    app.SetScriptPath((folder_ / "blocked" / "scripts").string());
    AddTaskTestCase(project.AddTask("Login", root_), 1);

    EXPECT_EQ(Convert(nullptr, nullptr), 0);
    EXPECT_EQ(Operations(), std::vector<std::string>{"Init"});
    EXPECT_EQ(TestInteraction().Texts(),
              std::vector<std::string>{"Cannot create directory " + (folder_ / "blocked" / "scripts").string() +
                                       "! [W0773]"});
}

TEST_F(DriverTest, CommandLineValuesServeOneConversion) {
    AddTaskTestCase(project.AddTask("Login", root_), 1);
    app.SetExePath("/usr/bin/app");
    CommandLineSettings& given = GetCommandLineSettings();
    given.keyboard = 1;
    given.rootPath = "/opt";
    given.exePath = "/bin/tool";
    given.scriptPath = (folder_ / "given").string();

    Convert(nullptr, nullptr, true);
    EXPECT_EQ(calls[0].name, (folder_ / "given").string());
    EXPECT_EQ(calls[0].testCases[0], "/opt/bin/tool");
    EXPECT_EQ(given.keyboard, CommandLineSettings::kKeyboardNotGiven);
    EXPECT_TRUE(given.rootPath.empty() && given.exePath.empty() && given.scriptPath.empty());
    EXPECT_EQ(app.GetKeyboard(), 1);
    EXPECT_EQ(app.GetScriptPath(), (folder_ / "given").string());

    calls.clear();
    Convert(nullptr, nullptr, true);
    EXPECT_EQ(calls[0].name, (folder_ / "given").string()) << "the project now holds the path";
    EXPECT_EQ(calls[0].testCases[0], "/opt/bin/tool");
}

TEST_F(DriverTest, TheDialogCanChangeTheSettingsOrCancel) {
    AddTaskTestCase(project.AddTask("Login", root_), 1);
    CTestcaseConverterDlg cancelled(table);
    cancelled.showDialog = [](CTestcaseConverterDlg& dialog) {
        EXPECT_EQ(dialog.Settings().scopeTitle, "Project Demo");
        return false;
    };
    EXPECT_EQ(cancelled.ConvertTestCases(nullptr, nullptr, false), 0);
    EXPECT_TRUE(made.empty());
    EXPECT_TRUE(undoSteps.empty());
    EXPECT_EQ(StoredFormat(), "");

    CTestcaseConverterDlg changed(table);
    changed.showDialog = [this](CTestcaseConverterDlg& dialog) {
        dialog.Settings().outputFormat = 6;
        dialog.Settings().outputPath = (folder_ / "chosen").string();
        return true;
    };
    changed.ConvertTestCases(nullptr, project.AddTask("Other", root_), false);
    EXPECT_EQ(made, std::vector<int>{6});
    EXPECT_EQ(app.GetScriptPath(), (folder_ / "chosen").string());
    EXPECT_EQ(StoredFormat(), "6");
}

TEST_F(DriverTest, TheBlockInformationSheetTakesTheWholeScopeAsOnePackage) {
    CTaskKav* folder = project.AddTask("Folder", root_, kTaskFolder);
    AddTaskTestCase(project.AddTask("B", folder), 1);
    AddTaskTestCase(project.AddTask("A", folder), 1);
    StoreFormat("13");
    Convert(project.AddWindow("Main"), nullptr);
    EXPECT_EQ(Operations(), (std::vector<std::string>{"Init", "Convert", "Finish"})) << "no replay check";
    EXPECT_EQ(calls[1].name, "Demo");
    EXPECT_EQ(calls[1].testCases, (std::vector<std::string>{"A_001", "B_001"}));
    EXPECT_TRUE(app.GetTestScripts().empty());
}

TEST_F(DriverTest, TheExchangeRoadWritesOneFileAndReportsOutsideBatchMode) {
    StoreFormat("4");
    app.SetVornakPath((folder_ / "exchange.xml").string());
    EXPECT_EQ(Convert(nullptr, nullptr, true), 1);
    EXPECT_EQ(Operations(), std::vector<std::string>{"Export"});
    EXPECT_EQ(calls[0].name, (folder_ / "exchange.xml").string());
    EXPECT_TRUE(TestInteraction().messages.empty());

    Convert(nullptr, nullptr, false);
    EXPECT_EQ(TestInteraction().Texts(), std::vector<std::string>{"exported"});

    RecordingConverter::failOn = "export";
    EXPECT_EQ(Convert(nullptr, nullptr, true), 0);
    EXPECT_EQ(TestInteraction().messages.back().caption, "Export Error");
    EXPECT_EQ(TestInteraction().messages.back().text, "cannot export");
    EXPECT_EQ(undoSteps.size(), 3u);
}

TEST_F(DriverTest, ARelativeOutputPathLiesBesideTheProjectFile) {
    project.Main()->SetFullPath((folder_ / "Proj.xml").string());
    app.SetScriptPath("out\\scripts");
    AddTaskTestCase(project.AddTask("Login", root_), 1);
    Convert(nullptr, nullptr, true);
    EXPECT_EQ(calls[0].name, (folder_ / "out" / "scripts").string());
}

}  // namespace

namespace {

TEST_F(DriverTest, TheProposedOutputPathFollowsTheFormat) {
    const std::string user = Scripts().string();
    const struct {
        int format;
        std::string scriptPath;
        std::string expected;
    } cases[] = {
        {3, "/s", "/s/DOVA_Demo.xml"},
        {3, "/s/EUD-ART_Old.xml", "/s/DOVA_Demo.xml"},
        {3, "C:\\s\\EUD-ART_Old.XML", "C:\\s\\DOVA_Demo.xml"},
        {3, "/s/mine.xml", "/s/mine.xml"},
        {3, "", user + "/DOVA_Demo.xml"},
        {14, "/s/DOVA_x.xml", "/s/EUD-ART_Demo.xml"},
        {14, "/s/EUD-ART_x.xml", "/s/EUD-ART_x.xml"},
        {2, "/s", "/s"},
        {2, "", user},
        {9, "/s/mine.xml", user},
    };
    for (const auto& c : cases) {
        app.SetScriptPath(c.scriptPath);
        CTestcaseConverterDlg dialog(table);
        dialog.Settings().outputFormat = c.format;
        EXPECT_EQ(dialog.GetDefaultOutputPath(), c.expected) << c.format << " " << c.scriptPath;
    }
}

TEST_F(DriverTest, TheVornakPathComesFromTheProjectOrBesideTheInstalledRuntime) {
    CTestcaseConverterDlg dialog(table);
    dialog.Settings().outputFormat = 4;
    EXPECT_EQ(dialog.GetDefaultOutputPath(), (Scripts() / "vornak.xml").string());
    WriteRegistryString(SettingsHive::LocalMachine, "SOFTWARE\\VORNAK\\6.1", "JREPath", "/opt/vornak/jre\\bin",
                        kRegistryText);
    EXPECT_EQ(dialog.GetDefaultOutputPath(), "/opt/vornak/jre/vornak.xml");
    app.SetVornakPath("/x/exchange.xml");
    EXPECT_EQ(dialog.GetDefaultOutputPath(), "/x/exchange.xml");
    GetCommandLineSettings().scriptPath = "/given";
    EXPECT_EQ(dialog.GetDefaultOutputPath(), "/given");
    EXPECT_EQ(dialog.GetDefaultOutputPath(), "/x/exchange.xml") << "the command line serves once";
}

}  // namespace

namespace {

TEST_F(DriverTest, AWebTestStartsTheBrowserAtItsStartPageOnly) {
    AddTaskTestCase(project.AddTask("Login", root_), 1);
    app.SetWebTest(1);
    app.SetExePath("http://demo/start");
    app.SetRootPath("/r");
    app.SetExeParams("-p");
    app.SetExeDir("/d");
    Convert(nullptr, nullptr, true);
    EXPECT_EQ(calls[0].testCases, (std::vector<std::string>{"http://demo/start", "", ""}));
    EXPECT_EQ(app.GetExePath(), "http://demo/start");
    EXPECT_EQ(app.GetRootPath(), "");
    EXPECT_EQ(app.GetExeParams(), "");
}

TEST_F(DriverTest, UftFlagsAreOnUnlessStoredOff) {
    const auto read = [](const char* name) {
        return ReadRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), name);
    };
    WriteRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), "TCC_QTP_OPEN", "0", kRegistryText);
    CTestcaseConverterDlg dialog(table);
    dialog.ConvertTestCases(nullptr, nullptr, true);
    EXPECT_EQ(dialog.Settings().showUft, 1);
    EXPECT_EQ(dialog.Settings().leaveUftOpen, 0);
    EXPECT_EQ(read("TCC_QTP_SHOW"), "1");
    EXPECT_EQ(read("TCC_QTP_OPEN"), "0");
}

TEST_F(DriverTest, TheRunShowsItsPackageAndStopsWhenAsked) {
    for (const char* name : {"A", "B"}) AddTaskTestCase(project.AddTask(name, root_), 1);
    struct Items : ProgressObserver {
        void OnCurrentItem(const std::string& item) override { seen.push_back(item); }
        std::vector<std::string> seen;
    } items;
    Progress progress;
    progress.AddObserver(&items);
    CTestcaseConverterDlg dialog(table);
    dialog.progress = &progress;
    dialog.ConvertTestCases(nullptr, nullptr, true);
    EXPECT_EQ(items.seen, (std::vector<std::string>{"A", "B"}));

    calls.clear();
    progress.RequestStop();
    dialog.ConvertTestCases(nullptr, nullptr, true);
    EXPECT_EQ(Operations(), std::vector<std::string>{"Init"}) << "nothing converted, no report";
    EXPECT_TRUE(TestInteraction().messages.empty());
    progress.RemoveObserver(&items);
}

}  // namespace
