// The WinRunner converter: the test suite's folders, GUI maps and scripts as a conversion writes
// them, and what it reports.
#include <gtest/gtest.h>

#include <fstream>

#include "ConversionFixture.h"
#include "SilkTestWindows.h"
#include "conversion/framework/OutputFormats.h"
#include "conversion/winrunner/WinRunner.h"
#include "model/TaskKav.h"
#include "model/TestScript.h"
#include "model/Win32Styles.h"
#include "model/WindowList.h"
#include "platform/CommandLineSettings.h"
#include "platform/Progress.h"

namespace {

const std::string kBanner = "##" + std::string(68, '*') + "\r\n";
const std::string kSeparator = "##" + std::string(68, '-') + "\r\n";
const std::string kTestDatabase =
    "G track \"000000\" 0\r\nG sync \"000000\" 0\r\nG tlist \"000000\" 0\r\nG tests \"000000\" 0\r\n"
    "G x_product_name \"WinRunner\" 0\r\nG x_product_versn \"WR10\" 0\r\n";
const std::string kNow = "Fri May 17 09:30:00 2024";

class WinRunnerConverterTest : public ConversionTest {
protected:
    void SetUp() override {
        ConversionTest::SetUp();
        InstallFixedClock();
        main_ = AddCaptionedWindow("Main", nullptr, kWndMain);
        app.SetStartWindow(main_);
        find_ = project.AddWindow("Find", main_, kWndInputField);
        login_ = AddCaptionedWindow("Login");
        ok_ = project.AddWindow("OK", login_, kWndPushButton);
        ok_->SetCaption("OK");
        CWindowKav* pane = project.AddWindow("Pane", login_, kWndChild);
        deep_ = project.AddWindow("Deep", pane, kWndPushButton);
        red_ = project.AddWindow("Red", login_, kWndRadioButton);
        task_ = project.AddTask("SignIn", root_);
        app.SetTimeout(10);
    }

    void GenerateTags() {
        for (CWindowKav* window : app.GetWindowList().Snapshot())
            if (!window->GetParent()) GenerateWinRunnerTags(*window, 0);
    }

    CTestStep* AddEventStep(CTestCase* testCase, const std::string& name, CWindowKav* window, const std::string& event,
                            int delay = 0) {
        CTestStep* step = AddStep(testCase, name, window);
        step->SetEvent(event);
        step->SetDelay(delay);
        return step;
    }

    std::filesystem::path Package() const { return ProjectFolder() / "Test_Suite" / "TP_SignIn"; }
    std::string Library() const { return ReadBytes(Package() / "Func_Lib" / "script"); }
    std::string PackageMain() const { return ReadBytes(Package() / "TP_SignIn_Main" / "script"); }

    // The statements of the test case's function in the library.
    static std::string FunctionBody(const std::string& library, const std::string& name) {
        const std::string begin = "public function " + name + " ()\r\n{\r\n ";
        const size_t start = library.find(begin);
        if (start == std::string::npos) return "no function " + name;
        const size_t end = library.find("\treturn (rc);", start);
        return library.substr(start + begin.size(), end - start - begin.size());
    }

    CWindowKav* main_ = nullptr;
    CWindowKav* find_ = nullptr;
    CWindowKav* login_ = nullptr;
    CWindowKav* ok_ = nullptr;
    CWindowKav* deep_ = nullptr;
    CWindowKav* red_ = nullptr;
    CTaskKav* task_ = nullptr;
};

TEST_F(WinRunnerConverterTest, TheSuiteHoldsGuiMapsPackagesAndItsMainTest) {
    AddEventStep(AddTaskTestCase(task_, 1, 0), "Press", ok_, "Click");
    GenerateTags();
    ConvertInBatch(kFormatWinRunner);
    ASSERT_EQ(TestInteraction().Texts(), std::vector<std::string>{});

    std::vector<std::string> expected = {"Gui_Maps/Gui_Maps_All.txt", "Gui_Maps/Login.gui", "Gui_Maps/Main.gui"};
    for (const std::string test : {"Main", "Test_Suite/TP_SignIn/Func_Lib", "Test_Suite/TP_SignIn/TP_SignIn_Main"}) {
        for (const char* file : {"db/crvx.asc", "db/tm.asc", "script"}) expected.push_back(test + "/" + file);
        EXPECT_EQ(ReadBytes(ProjectFolder() / test / "db" / "crvx.asc"), kTestDatabase) << test;
        EXPECT_EQ(ReadBytes(ProjectFolder() / test / "db" / "tm.asc"), kTestDatabase) << test;
        EXPECT_TRUE(std::filesystem::is_directory(ProjectFolder() / test / "exp")) << test;
    }
    expected.push_back("Test_Suite/TP_SignIn/Func_Lib/header");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FilesBelow(ProjectFolder()), expected);
    EXPECT_EQ(ReadBytes(Package() / "Func_Lib" / "header"),
              "#! asci, 100 , 100 , Test Header , " + kNow + "\r\nTDDB_ID = 0\r\nTYPE = \"CM\"\r\n");

    std::string list = "#// All Included GUI-Map Files created for Demo\r\n#";
    for (const CWindowKav* window : app.GetWindowList().Snapshot())
        if (!window->GetParent()) list += window->GetName() + ".gui\r\n";
    EXPECT_EQ(ReadBytes(ProjectFolder() / "Gui_Maps" / "Gui_Maps_All.txt"), list);
    EXPECT_EQ(ReadBytes(ProjectFolder() / "Gui_Maps" / "Main.gui"),
              "\"Main\":\r\n\t{class: window}\r\n\r\n\t\"Main\".\"Find\":\r\n\t{class: edit}\r\n\r\n \r\n");

    const std::string suite = ReadBytes(ProjectFolder() / "Main" / "script");
    EXPECT_EQ(suite, kBanner + "## Project:\t\tDemo\r\n## Testpackage:\tTest_Suite\t\t Scriptname:\tMain\r\n" +
                         kBanner + "## Creation date:\t" + kNow + "\r\n## \r\n" + kBanner + "\r\n\r\n" +
                         " ## Paths of all generated test packages\r\n"
                         " tp_arr[1] = \"" +
                         Package().string() +
                         "/TP_SignIn_Main\";\r\n"
                         " tpAmount = 1;\t\t\r\n\r\n"
                         " m_report(\"Test-Suite-Main: START \",0, \"***** Testrun S T A R T *****\");\r\n"
                         " loopInd = 1;\r\n"
                         " mem_rc = E_OK;  ## 1 if at least one test case has failed\r\n\r\n"
                         " while ( loopInd <= tpAmount )\r\n"
                         " {\r\n"
                         "\t eval(\"tp_rc = call \\\"\"&tp_arr[loopInd]&\"\\\" ();\");\r\n"
                         "\t if (mem_rc == E_OK) mem_rc = tp_rc;\r\n"
                         "\t loopInd++;\r\n"
                         " }\r\n"
                         " m_report(\"Test_Suite-Main\", mem_rc, \"***** Testrun F I N I S H E D *****\");\t\r\n\r\n"
                         " treturn( mem_rc );\t\t\t\t\t\t\t\r\n"
                         "##********** End of Test_Suite-Main *********\r\n");
    ExpectOutsideReaderAccepts("latin1_crlf.py", ProjectFolder());
}

// Each top-level or captioned window has a map with an entry for every window below it that
// has no title bar of its own; windows that WinRunner finds through others have none.
TEST_F(WinRunnerConverterTest, AGuiMapListsTheWindowsBelowItsWindow) {
    CWindowKav* country =
        AddSpecWindow(project, "Country", login_, {.type = kWndComboBox, .style = win32::CBS_DROPDOWN});
    AddSpecWindow(project, "Region", login_, {.type = kWndComboBox, .style = win32::CBS_DROPDOWNLIST});
    CWindowKav* menu = AddSpecWindow(project, "Menu", login_, {.type = kWndMenu});
    CWindowKav* file = AddSpecWindow(project, "File", menu, {.type = kWndMenuItem, .caption = "File"});
    AddSpecWindow(project, "Line", file, {.type = kWndMenuItem, .style = win32::MF_SEPARATOR});
    CWindowKav* map = AddSpecWindow(project, "Map", login_, {.type = kWndImage});
    AddSpecWindow(project, "Area", map, {.type = kWndLink, .className = "HTML_AREA"});
    AddCaptionedWindow("Sub", login_);
    GenerateTags();
    // A tag edited with line feeds alone is written with the file's line ends.
    country->SetTag("{class: list}\n{class: edit, parent: \"Country_list\"}");
    ConvertInBatch(kFormatWinRunner);

    EXPECT_EQ(ReadBytes(ProjectFolder() / "Gui_Maps" / "Login.gui"),
              "\"Login\":\r\n\t{class: window}\r\n\r\n"
              "\t\"Login\".\"OK\":\r\n\t{class: push_button, label: \"!OK\"}\r\n\r\n"
              "\t\"Login\".\"Pane\":\r\n\t{class: object}\r\n\r\n"
              "\t\t\"Login\".\"Deep\":\r\n\t\t{class: push_button}\r\n\r\n"
              "\t\"Login\".\"Red\":\r\n\t{class: radio_button}\r\n\r\n"
              "\t\"Login\".\"Country_list\":\r\n\t{class: list}\r\n\r\n"
              "\t\"Login\".\"Country_edit\":\r\n\t{class: edit, parent: \"Country_list\"}\r\n\r\n"
              "\t\"Login\".\"Region_list\":\r\n\t{class: list}\r\n\r\n"
              "\t\"Login\".\"File\":\r\n\t{class: menu_item, label: \"!File\"}\r\n\r\n"
              "\t\"Login\".\"Map\":\r\n\t{class: static_text}\r\n\r\n"
              " \r\n");
    EXPECT_EQ(ReadBytes(ProjectFolder() / "Gui_Maps" / "Sub.gui"), "\"Sub\":\r\n\t{class: window}\r\n\r\n \r\n");
}

TEST_F(WinRunnerConverterTest, EachTestCaseIsAFunctionThatSwitchesWindowsAndWaits) {
    CTestCase* first = AddTaskTestCase(task_, 1, 0);
    first->SetErrorCase(1);
    AddEventStep(first, "Press", ok_, "Click", 2500);
    AddEventStep(first, "Search", find_, "Input(\"x\")");
    CTestStep* code = AddStep(first, "Own code", main_);
    code->SetCommands("Foo();\r\nBar(\"<enter>\");");
    code->SetComment("Check\r\nit");
    AddStep(first, "Nothing");
    AddEventStep(first, "Deep", deep_, "Click(R)", 1500);
    AddTaskTestCase(task_, 2, 0);
    AddEventStep(AddTaskTestCase(task_, 3, 0), "Press", ok_, "Click");
    app.SetWinRunnerVariables("");
    app.SetExeDir("C:\\App");

    const struct {
        int optimizeWait;
        std::string switchToMain;
    } cases[] = {
        {0, "\twait(2, 500);\r\n\r\n\tset_window(\"Main\", 10);\r\n"},
        {1, "\r\n\tset_window(\"Main\", 2.500);\r\n"},
    };
    for (const auto& [optimizeWait, switchToMain] : cases) {
        app.SetOptimizeWait(optimizeWait);
        ConvertInBatch(kFormatWinRunner);
        const std::string library = Library();
        EXPECT_EQ(FunctionBody(library, "SignIn_001"),
                  "\t## Type: Graph Coverage (Error Case)\r\n"
                  "\tauto rc = E_OK, help = 0;\r\n"
                  "\r\n\tset_window(\"Login\", 10);\r\n"
                  "\tbutton_press(\"OK\");\r\n" +
                      switchToMain +
                      "\tedit_set(\"Find\", \"x\");\r\n"
                      "\t# User-defined code\r\n\tFoo();\r\n\tBar(\"<kReturn>\");  # Check it\r\n"
                      "\r\n\tset_window(\"Login\", 10);\r\n"
                      "\tobj_mouse_click(\"Deep\", 1, 1, RIGHT);\r\n"
                      "\twait(1, 500);\r\n")
            << optimizeWait;
    }

    const std::string library = Library();
    EXPECT_TRUE(
        library.starts_with(kBanner + "## Project:\t\tDemo\r\n## Testpackage:\tTP_SignIn\t\t Scriptname:\tMain\r\n" +
                            kBanner + "## Creation date:\t" + kNow + "\r\n## \r\n" + kBanner + "\r\n" + kSeparator +
                            "## \r\n## Function : tp_all (out tc_arr[]);   \r\n## \r\n" + kSeparator +
                            "public function tp_all (out tc_arr[])\r\n{\r\n \ttc_arr[1]\t= \"SignIn_001\";\r\n"
                            "\ttc_arr[2]\t= \"SignIn_002\";\r\n\ttc_arr[3]\t= \"SignIn_003\";\r\n\r\n"
                            "\treturn ( 3 );\t\t\r\n}" +
                            std::string(14, '\t') + "\r\n"))
        << library;
    EXPECT_NE(library.find("public function SignIn_002 ()\r\n{\r\n \t## Type: Graph Coverage (Normal Case)\r\n"
                           "\tauto rc = E_OK, help = 0;\r\n\treturn (rc);\r\n}\r\n"
                           "#### * * * * * * * * * * * * *   End of function SignIn_002 \r\n\r\n"),
              std::string::npos);
    EXPECT_TRUE(library.ends_with(
        "public function tc_gui_load ()\r\n{\r\n \tGUI_load(\"..\\\\..\\\\Gui_Maps\\\\Login.gui\");\r\n"
        "\tGUI_load(\"..\\\\..\\\\Gui_Maps\\\\Main.gui\");\r\n\treturn ( 0 );\r\n}\r\n"
        "#### * * * * * * * * * * * * *   End of function tc_gui_load\r\n\r\n" +
        kSeparator + "## \r\n## Function : tc_gui_unload ();   \r\n## \r\n" + kSeparator +
        "public function tc_gui_unload ()\r\n{\r\n \tGUI_unload(\"..\\\\..\\\\Gui_Maps\\\\Login.gui\");\r\n"
        "\tGUI_unload(\"..\\\\..\\\\Gui_Maps\\\\Main.gui\");\r\n\treturn ( 0 );\r\n}\r\n"
        "#### * * * * * * * * * * * * *   End of function tc_gui_unload\r\n\r\n"
        "#### * * * * * * * * * * * * *   End of function_Lib \r\n\r\n"))
        << library;

    const std::string main = PackageMain();
    EXPECT_NE(main.find("## Testpackage:\tTP_SignIn\t\t Scriptname:\tTP_SignIn_Main\r\n"), std::string::npos);
    EXPECT_NE(main.find("  ## Path to the application\xB4s executable\r\n  work_dir \t= \"C:\\\\App\";\r\n"
                        "  aut_name \t= \"\";\r\n  aut_param \t= \"\";\r\n"),
              std::string::npos)
        << main;
    EXPECT_NE(main.find("  exp_Wnd_name \t= \"Main\";\r\n"), std::string::npos);
    EXPECT_NE(main.find("\t aut_rc = aut_launch(work_dir, aut_name, aut_param, exp_Wnd_name);\r\n"), std::string::npos);
    EXPECT_NE(main.find("\t\t m_cleanup(tc_rc, exp_Wnd_name);\r\n"), std::string::npos);
    EXPECT_TRUE(main.ends_with(
        " treturn(mem_rc);\r\n#### * * * * * * * * * * * * *   End of TP_SignIn-TP_SignIn_Main \r\n\r\n"));
    ExpectOutsideReaderAccepts("latin1_crlf.py", ProjectFolder());
}

// A web test starts the browser at the start page and needs no start window; any other test
// starts the application in its start window.
TEST_F(WinRunnerConverterTest, ThePackageStartsTheApplicationOrTheBrowser) {
    AddEventStep(AddTaskTestCase(task_, 1, 0), "Press", ok_, "Click");
    const struct {
        int webTest;
        int guiId;
        bool startWindow;
        std::vector<std::string> lines;  // in the package's main script, or the messages shown
    } cases[] = {
        {1,
         999,
         false,
         {"  ## URL of Start Page\r\n  start_page \t= \"http:\\\\\\\\shop\";\r\n\r\n",
          "\t aut_rc = web_browser_invoke(DEFAULT_BROWSER, start_page); ## Call the default browser (can be changed in "
          "kavrolib::m_init)\r\n",
          "\t\t m_cleanup(tc_rc, \"Browser Main Window\");\r\n"}},
        {0, 996, true, {"\t\t m_cleanup_java(tc_rc, exp_Wnd_name);\r\n"}},
        {0, 999, false, {"Please Specify a valid Start Window in the Application Editor! [W0494]"}},
    };
    for (const auto& [webTest, guiId, startWindow, lines] : cases) {
        app.SetWebTest(webTest);
        app.SetGuiId(guiId);
        app.SetExePath("http:\\\\shop");
        app.SetStartWindow(startWindow ? main_ : nullptr);
        TestInteraction().messages.clear();
        std::filesystem::remove_all(ProjectFolder());
        ConvertInBatch(kFormatWinRunner);
        const bool written = std::filesystem::exists(Package() / "TP_SignIn_Main" / "script");
        const std::string main = written ? PackageMain() : "";
        for (const std::string& line : lines) {
            if (line.ends_with("]")) EXPECT_EQ(TestInteraction().Texts(), std::vector<std::string>{line});
            else EXPECT_NE(main.find(line), std::string::npos) << line << "\n" << main;
        }
    }
}

TEST_F(WinRunnerConverterTest, AStepThatCannotBeTranslatedEndsTheLibraryAndStopsTheRun) {
    const struct {
        CWindowKav* window;
        std::string message;
        std::string lastLines;
    } cases[] = {
        {red_,
         "Error in Task 'SignIn' / Step 'Broken':\nThe type of window Red is not supported by the test tool! [W0283] "
         "[W1121]",
         "\t##[ 9] // ERROR: Couldn't translate Click\r\n"},
        {nullptr, "Specification Error: Window Bare is a top-level window but has no titlebar! [W0557]", ""},
    };
    for (const auto& [window, message, lastLines] : cases) {
        app.GetTestCases().DeleteAll();
        std::filesystem::remove_all(ProjectFolder());
        TestInteraction().messages.clear();
        CTestCase* testCase = AddTaskTestCase(task_, 1, 0);
        AddEventStep(testCase, "Press", ok_, "Click");
        AddEventStep(testCase, "Broken", window ? window : project.AddWindow("Bare", nullptr, kWndMain), "Click");
        AddEventStep(AddTaskTestCase(task_, 2, 0), "Never", ok_, "Click");
        ConvertInBatch(kFormatWinRunner);

        EXPECT_EQ(TestInteraction().Texts(), std::vector<std::string>{message});
        const std::string library = Library();
        EXPECT_TRUE(
            library.ends_with("\r\n\tbutton_press(\"OK\");\r\n" + lastLines + ">ERROR in conversion\r\n" + kBanner))
            << library;
        EXPECT_EQ(library.find("SignIn_002 ()"), std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(Package() / "TP_SignIn_Main"));
        EXPECT_FALSE(std::filesystem::exists(ProjectFolder() / "Main"));
    }
}

// The suite runs the main test of every WinRunner package the project records whose script is
// still there, as a path inside a string inside a string.
TEST_F(WinRunnerConverterTest, TheSuiteRunsThePackagesOfEarlierRunsWhoseScriptsRemain) {
    const std::filesystem::path earlier = folder_ / "C:\\T\\TP_Old\\TP_Old_Main\\script";
    std::ofstream(earlier) << "script";
    const struct {
        std::string name;
        int format;
        std::filesystem::path path;
    } recorded[] = {
        {"Old", kFormatWinRunner, earlier},
        {"Gone", kFormatWinRunner, folder_ / "gone" / "script"},
        {"Silk", kFormatSilkTest, earlier},
    };
    for (const auto& [name, format, path] : recorded) {
        auto* script = new CTestScript;
        script->SetName(name);
        script->SetFormat(format);
        script->SetPath(path.string());
        app.GetTestScripts().Add(script);
    }
    project.AddTestCase(1, kTestCaseGraphCoverage, project.AddTask("OnLogin", root_), login_);
    app.SetOutputFormat(kFormatWinRunner);
    CTestcaseConverterDlg dialog;
    ASSERT_EQ(dialog.ConvertTestCases(login_, nullptr, false), 1)
        << ::testing::PrintToString(TestInteraction().Texts());

    const std::string suite = ReadBytes(ProjectFolder() / "Main" / "script");
    EXPECT_NE(suite.find(" ## Paths of all generated test packages\r\n"
                         " tp_arr[1] = \"" +
                         folder_.string() +
                         "/C:\\\\\\\\T\\\\\\\\TP_Old\\\\\\\\TP_Old_Main\";\r\n"
                         " tp_arr[2] = \"" +
                         (ProjectFolder() / "Test_Suite" / "TP_Login").string() +
                         "/TP_Login_Main\";\r\n"
                         " tpAmount = 2;\t\t\r\n"),
              std::string::npos)
        << suite;
}

// A file or folder where the converter needs the other ends the run with the message of that
// place.
TEST_F(WinRunnerConverterTest, AnOccupiedPlaceStopsTheRun) {
    const struct {
        const char* path;
        bool folder;
        std::vector<std::string> messages;
    } cases[] = {
        {"Gui_Maps", false, {"Cannot change into directory Gui_Maps! [W0554]"}},
        {"Gui_Maps/Login.gui", true, {"Login.gui", ">ERROR while generating window declarations! [W0555]"}},
        {"Gui_Maps/Gui_Maps_All.txt", true, {"Cannot open file Gui_Maps_All.txt! [W0461]"}},
        {"Test_Suite", false, {"Could not change to directory Test_Suite! [W0543]"}},
        {"Test_Suite/TP_SignIn", false, {"Could not change into test package TP_SignIn [W0544]"}},
        {"Test_Suite/TP_SignIn/Func_Lib/db",
         false,
         {"Could not generate Func_lib script in test package TP_SignIn! [W0546]"}},
        {"Test_Suite/TP_SignIn/TP_SignIn_Main",
         false,
         {"Could not generate main script in test package :TP_SignIn [W0552]"}},
        {"Main", false, {"Cannot change into directory : Test_Suite ! [W0558]"}},
        {"Main/script", true, {"Cannot open main test script! [W0447]"}},
    };
    AddEventStep(AddTaskTestCase(task_, 1, 0), "Press", ok_, "Click");
    for (const auto& [path, folder, messages] : cases) {
        std::filesystem::remove_all(ProjectFolder());
        const std::filesystem::path occupied = ProjectFolder() / path;
        std::filesystem::create_directories(folder ? occupied : occupied.parent_path());
        if (!folder) std::ofstream(occupied) << "in the way";
        TestInteraction().messages.clear();
        ConvertInBatch(kFormatWinRunner);
        EXPECT_EQ(TestInteraction().Texts(), messages) << path;
    }
    std::filesystem::remove_all(Scripts());
    std::ofstream(Scripts()) << "in the way";
    TestInteraction().messages.clear();
    ConvertInBatch(kFormatWinRunner);
    EXPECT_EQ(TestInteraction().Texts(),
              std::vector<std::string>{"Cannot change into directory " + Scripts().string() + "! [W0783]"});
}

TEST_F(WinRunnerConverterTest, CharactersBeyondLatin1AreWrittenAsQuestionMarksAndCounted) {
    AddEventStep(AddTaskTestCase(task_, 1, 0), "Pay", ok_, "Click")->SetComment("5 € or 5 ¥");
    CTestcaseConverterDlg dialog;
    Progress progress;
    dialog.progress = &progress;
    GetCommandLineSettings().outputFormat = kFormatWinRunner;
    ASSERT_EQ(dialog.ConvertTestCases(nullptr, nullptr, true), 1);

    EXPECT_NE(Library().find("\tbutton_press(\"OK\");  # 5 ? or 5 \xA5\r\n"), std::string::npos);
    EXPECT_EQ(progress.Log().Lines(), std::vector<std::string>{"1 character(s) that the 8-bit file " +
                                                               (Package() / "Func_Lib" / "script").string() +
                                                               " cannot hold were written as \"?\"."});
}

TEST_F(WinRunnerConverterTest, ThePlannedFilesAreThoseAConversionWrites) {
    CWinRunner converter;
    ASSERT_EQ(converter.Init("Demo", Scripts().string(), "", "", ""), 1);
    TestCaseList none;
    const std::vector<std::filesystem::path> planned = converter.PlannedFiles(none, "a/b");
    int count = 0;
    std::string path;
    ASSERT_EQ(converter.Convert(none, "a/b", count, path), 1);
    EXPECT_EQ(path, (ProjectFolder() / "Test_Suite" / "TP_a_b" / "TP_a_b_Main" / "script").string());
    std::vector<std::string> written;
    for (const std::string& file : FilesBelow(ProjectFolder() / "Test_Suite")) written.push_back(file);
    std::vector<std::string> plannedNames;
    for (const std::filesystem::path& file : planned)
        plannedNames.push_back(file.lexically_relative(ProjectFolder() / "Test_Suite").string());
    std::sort(plannedNames.begin(), plannedNames.end());
    EXPECT_EQ(plannedNames, written);
    EXPECT_EQ(converter.PlannedFiles(none, "A_B")[0].parent_path().parent_path().filename(), "TP_A_B_2");
}

}  // namespace
