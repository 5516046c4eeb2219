// The SilkTest converter: the project's include files, scripts and test plans as a conversion
// writes them, and what it reports.
#include <gtest/gtest.h>

#include <fstream>

#include "ConversionFixture.h"
#include "SilkTestWindows.h"
#include "conversion/framework/OutputFormats.h"
#include "conversion/silktest/QAP4.h"
#include "model/TaskKav.h"
#include "model/TestScript.h"
#include "model/Win32Styles.h"
#include "model/WindowList.h"
#include "platform/CommandLineSettings.h"
#include "platform/Progress.h"

namespace {

const std::string kSeparator = "[ ] // " + std::string(78, '-') + "\r\n";

class SilkTestConverterTest : public ConversionTest {
protected:
    void SetUp() override {
        ConversionTest::SetUp();
        main_ = AddCaptionedWindow("Main", nullptr, kWndMain);
        main_->SetCaption("Demo");
        app.SetStartWindow(main_);
        login_ = AddCaptionedWindow("Login");
        login_->SetCaption("Log in");
        ok_ = project.AddWindow("OK", login_, kWndPushButton);
        ok_->SetCaption("OK");
        name_ = project.AddWindow("Name", login_, kWndInputField);
        red_ = project.AddWindow("Red", login_, kWndRadioButton);
        task_ = project.AddTask("SignIn", root_);
    }

    void GenerateTags() { ConversionTest::GenerateTags(kFormatSilkTest); }

    std::string Suite(const std::string& file) const { return ReadBytes(ProjectFolder() / "Test_Suite" / file); }
    std::string Include(const std::string& file) const { return ReadBytes(ProjectFolder() / "Includes" / file); }

    CWindowKav* main_ = nullptr;
    CWindowKav* login_ = nullptr;
    CWindowKav* ok_ = nullptr;
    CWindowKav* name_ = nullptr;
    CWindowKav* red_ = nullptr;
    CTaskKav* task_ = nullptr;
};

TEST_F(SilkTestConverterTest, IncludesTestFrameAndLibraryLieInIncludesAndTheLibraryIsWrittenOnce) {
    // Window includes give way to the converter's own files.
    AddCaptionedWindow("mainwin")->SetCaption("Frame?");
    AddCaptionedWindow("Sub", main_)->SetCaption("Options");
    AddTaskTestCase(task_, 1);
    GenerateTags();
    ConvertInBatch(kFormatSilkTest);

    std::vector<std::string> windowIncludes;
    for (const CWindowKav* window : app.GetWindowList().Snapshot())
        if (window != main_ && (!window->GetParent() || window->HasCaption()))
            windowIncludes.push_back(window->GetName() == "mainwin" ? "mainwin_2.inc" : window->GetName() + ".inc");
    std::vector<std::string> expectedFiles = {"Test_Suite/Main.pln", "Test_Suite/TP_SignIn.pln", "Test_Suite/TP_SignIn.t",
                                              "Includes/Incl.inc", "Includes/Kavrolib.inc", "Includes/MainWin.inc"};
    std::string list = "[ ] // All Include Files created for Demo\r\n[ ]\r\n[ ] use \"MainWin.inc\"\r\n";
    for (const std::string& file : windowIncludes) {
        expectedFiles.push_back("Includes/" + file);
        list += "[ ] use \"" + file + "\"\r\n";
    }
    std::sort(expectedFiles.begin(), expectedFiles.end());
    EXPECT_EQ(FilesBelow(ProjectFolder()), expectedFiles);
    EXPECT_EQ(Include("Incl.inc"), list + "[ ] use \"kavrolib.inc\"\r\n");
    EXPECT_NE(Include("mainwin_2.inc").find("[+] window DialogBox mainwin\r\n\t[ ] tag \"~ActiveApp/[DialogBox]Frame?\"\r\n"),
              std::string::npos);
    EXPECT_NE(Include("Sub.inc").find("[+] window DialogBox Sub\r\n\t[ ] tag \"[DialogBox]Options\"\r\n\t[ ] parent Main\r\n"),
              std::string::npos);

    const std::string library = Include("Kavrolib.inc");
    EXPECT_TRUE(library.starts_with("[ ] // Wait until the specified property of win reaches a certain value\r\n"
                                    "[-] public WaitForObjectProperty(WINDOW win, REAL timeout, STRING prop, ANYTYPE value)\r\n"));
    EXPECT_TRUE(library.ends_with("\t[ ] TimerDestroy(timer)\r\n\r\n\r\n[ ] // Add project-specific functions for setting "
                                  "the application\xB4s base-state and recovery from errors here"));

    // A second run keeps the user's library and writes everything else again.
    std::ofstream(ProjectFolder() / "Includes" / "Kavrolib.inc", std::ios::binary) << "[ ] // mine";
    std::ofstream(ProjectFolder() / "Includes" / "Incl.inc", std::ios::binary) << "stale";
    ConvertInBatch(kFormatSilkTest);
    EXPECT_EQ(Include("Kavrolib.inc"), "[ ] // mine");
    EXPECT_EQ(Include("Incl.inc"), list + "[ ] use \"kavrolib.inc\"\r\n");
    ExpectOutsideReaderAccepts("silktest_outline.py", ProjectFolder());
}

// The test frame starts a web page in the browser, a Java applet in its page, and any other
// application from its command line.
TEST_F(SilkTestConverterTest, TheTestFrameSaysHowTheApplicationStarts) {
    const struct {
        WindowSpec start;
        int webTest;
        std::string tag;
        std::string expected;
    } cases[] = {
        {{.type = kWndCustom, .guiId = 995, .style = win32::WS_CAPTION}, 1, "tag \"Shop\"\r\nparent Browser",
         "[ ] const wMainWindow = Start\r\n[ ]\r\n[+] window BrowserChild Start\r\n\t[ ] tag \"Shop\"\r\n"
         "\t[ ] parent Browser\r\n\t[ ]\r\n\t[ ] // the URL of the start page\r\n"
         "\t[ ] const sLocation = \"http://shop\"\r\n\t[ ] \r\n\t[ ]\r\n"},
        {{.type = kWndMain, .guiId = 996, .style = win32::WS_CAPTION}, 1,
         "tag \"[JavaApplet]BEANSCONTROLWINDOW\"\r\nparent BrowserPage",
         "[+] window MainWin Start\r\n\t[ ] tag \"[JavaApplet]BEANSCONTROLWINDOW\"\r\n\t[ ] parent BrowserPage\r\n"
         "\t[ ] \r\n\t[ ]\r\n"},
        {{.type = kWndDialogBox, .style = win32::WS_CAPTION}, 0, "[DialogBox]Program Manager",
         "[+] window MainWin Start\r\n\t[ ] [DialogBox]Program Manager\r\n\t[ ]\r\n"
         "\t[ ] // The working directory of the application, when it is invoked\r\n\t[ ] const sDir = \"/work\"\r\n"
         "\t[ ] \r\n\t[ ] // The command line used to invoke the application\r\n"
         "\t[ ] const sCmdLine = \"http://shop -x\"\r\n\t[ ] \r\n"
         "\t[ ] // The first window to appear when the application is invoked\r\n\t[ ] // const wStartup = ?\r\n"
         "\t[ ] \r\n\t[ ] // The list of windows the recovery system is to leave open\r\n"
         "\t[ ] const lwLeaveOpen = {Taskbar}\r\n\t[ ] \r\n\t[ ]\r\n"},
    };
    int n = 0;
    for (const auto& [spec, webTest, tag, expected] : cases) {
        CWindowKav* start = AddSpecWindow(project, "Start", nullptr, spec);
        start->SetTag(tag);
        app.SetStartWindow(start);
        app.SetWebTest(webTest);
        app.SetExePath("http://shop");
        app.SetExeParams("-x");
        app.SetExeDir("/work");
        ConvertInBatch(kFormatSilkTest);
        const std::string frame = Include("MainWin.inc");
        EXPECT_TRUE(frame.ends_with(expected)) << ++n << "\n" << frame;
        app.GetWindowList().DeleteWindow("Start", project.Main());
    }
}

TEST_F(SilkTestConverterTest, AnUntranslatableStepEndsItsTestCaseAndFailsThePackage) {
    CTestCase* first = AddTaskTestCase(task_, 1, 0);
    AddEventStep(first, "Press", ok_, "Click", "Press OK\r\nonce")->SetDelay(1500);
    AddStep(first, "Own code")->SetCommands("Foo()\r\nBar()");
    AddStep(first, "No window");
    CTestCase* second = AddTaskTestCase(task_, 2, 0);
    second->SetErrorCase(1);
    AddEventStep(second, "Pick red", red_, "Click");
    AddEventStep(second, "Never", ok_, "Click");
    CTestCase* third = AddTaskTestCase(task_, 3, 0);
    AddEventStep(third, "Type", name_, "Input(\"ann\")");
    GenerateTags();
    ConvertInBatch(kFormatSilkTest);

    EXPECT_EQ(TestInteraction().Texts(),
              (std::vector<std::string>{
                  "Error in Task 'SignIn' /  Step 'Pick red':\nThe type of window Red is not supported by the test "
                  "tool! [W0283] [W1116]",
                  "One or more errors occured while converting test cases. Look for string 'ERROR' in generated "
                  "files. [W0454]"}));
    const std::string script = Suite("TP_SignIn.t");
    const std::string header = kSeparator + kSeparator + "[ ] // Scriptname:   TP_SignIn.t\r\n" + kSeparator +
                               "[ ] // generated for project:   Demo\r\n" + kSeparator +
                               "\r\n[ ] use \"..\\Includes\\Incl.inc\" // global include\r\n[ ] \r\n";
    EXPECT_EQ(script, header + kSeparator +
                          "[-] testcase SignIn_001 ()\r\n"
                          "\t[ ] // Type: Graph Coverage (Normal Case)\r\n"
                          "\t[ ] Login.OK.Click(1, 1, 1)  // Press OK once\r\n"
                          "\t[ ] Sleep(1.500)\r\n"
                          "\t[ ] // User-defined code\r\n"
                          "\t[ ] Foo()\r\n"
                          "\t[ ] Bar()\r\n"
                          "\r\n" +
                          kSeparator +
                          "[-] testcase SignIn_002 ()\r\n"
                          "\t[ ] // Type: Graph Coverage (Error Case)\r\n"
                          "\t[ ] // ERROR: Couldn't translate Click for window Red!\r\n"
                          " ERROR in conversion\r\n"
                          "Continuing with next testcase\r\n"
                          "// " + std::string(78, '-') + "\r\n" +
                          kSeparator +
                          "[-] testcase SignIn_003 ()\r\n"
                          "\t[ ] // Type: Graph Coverage (Normal Case)\r\n"
                          "\t[ ] Login.Name.SetText(\"ann\")\r\n"
                          "\r\n");
    // The test plan lists every test case, also the failed one.
    const std::string plan = Suite("TP_SignIn.pln");
    EXPECT_TRUE(plan.ends_with("\r\n[ ] \r\n[-] TP_SignIn\r\n"
                               "\t[-] SignIn_001\r\n\t\t[ ] script: TP_SignIn.t\r\n\t\t[ ] testcase: SignIn_001\r\n"
                               "\t[-] SignIn_002\r\n\t\t[ ] script: TP_SignIn.t\r\n\t\t[ ] testcase: SignIn_002\r\n"
                               "\t[-] SignIn_003\r\n\t\t[ ] script: TP_SignIn.t\r\n\t\t[ ] testcase: SignIn_003\r\n"
                               "\t[ ]\r\n"))
        << plan;
    ExpectOutsideReaderAccepts("silktest_outline.py", ProjectFolder());
}

TEST_F(SilkTestConverterTest, TheMainTestPlanListsTheSilkTestScriptsOfEarlierRuns) {
    CWindowKav* other = AddCaptionedWindow("Other");
    project.AddTestCase(1, kTestCaseGraphCoverage, project.AddTask("OnLogin", root_), login_);
    project.AddTestCase(1, kTestCaseGraphCoverage, project.AddTask("OnOther", root_), other);
    auto* plainText = new CTestScript;
    plainText->SetName("Elsewhere");
    plainText->SetFormat(kFormatPlainText);
    app.GetTestScripts().Add(plainText);
    app.SetOutputFormat(kFormatSilkTest);
    for (CWindowKav* window : {login_, other}) {
        CTestcaseConverterDlg dialog;
        ASSERT_EQ(dialog.ConvertTestCases(window, nullptr, false), 1) << TestInteraction().Texts().back();
    }

    const std::string suite = (ProjectFolder() / "Test_Suite").string();
    EXPECT_TRUE(Suite("Main.pln").ends_with("\r\n\r\n[-] Demo\r\n"
                                            "\t[-] Login\r\n\t\t[ ] include: " + suite + "/TP_Login.pln\r\n\t[ ]\r\n"
                                            "\t[-] Other\r\n\t\t[ ] include: " + suite + "/TP_Other.pln\r\n\t[ ]\r\n"))
        << Suite("Main.pln");
}

TEST_F(SilkTestConverterTest, AProjectWithoutStartWindowWritesNoTestFrame) {
    app.SetStartWindow(nullptr);
    AddTaskTestCase(task_, 1);
    ConvertInBatch(kFormatSilkTest);
    EXPECT_EQ(TestInteraction().Texts(),
              (std::vector<std::string>{"Please Specify a valid Start Window in the Application Editor! [W0491]",
                                        "Cannot generate test frame! [W0458]"}));
    EXPECT_EQ(FilesBelow(ProjectFolder() / "Includes"), std::vector<std::string>{});
}

// A file where a folder of the project belongs ends the run with the folder's message.
TEST_F(SilkTestConverterTest, AFileInPlaceOfAFolderStopsTheRun) {
    const struct {
        const char* file;
        bool withTestCase;
        std::vector<std::string> messages;
    } cases[] = {
        {"Includes", true, {"Cannot change into directory 'Includes'! [W0457]"}},
        {"Test_Suite", true, {"Cannot change into directory 'Test_Suite'! [W0444]"}},
        {"Test_Suite", false,
         {"There are no test cases for the selected object.\nYou have to generate test cases before you can convert "
          "them! [W0516]",
          "Cannot change into suite directory! [W0445]"}},
    };
    for (const auto& [file, withTestCase, messages] : cases) {
        std::filesystem::remove_all(ProjectFolder());
        std::filesystem::create_directories(ProjectFolder());
        std::ofstream(ProjectFolder() / file) << "not a folder";
        app.GetTestCases().DeleteAll();
        if (withTestCase) AddTaskTestCase(task_, 1);
        TestInteraction().messages.clear();
        ConvertInBatch(kFormatSilkTest);
        EXPECT_EQ(TestInteraction().Texts(), messages) << file;
    }
}

TEST_F(SilkTestConverterTest, CharactersBeyondLatin1AreWrittenAsQuestionMarksAndCounted) {
    CTestCase* testCase = AddTaskTestCase(task_, 1, 0);
    AddEventStep(testCase, "Pay", ok_, "Click", "Pay 5 € or 5 ¥");
    CTestcaseConverterDlg dialog;
    Progress progress;
    dialog.progress = &progress;
    GetCommandLineSettings().outputFormat = kFormatSilkTest;
    ASSERT_EQ(dialog.ConvertTestCases(nullptr, nullptr, true), 1);

    EXPECT_NE(Suite("TP_SignIn.t").find("Login.OK.Click(1, 1, 1)  // Pay 5 ? or 5 \xA5\r\n"), std::string::npos);
    const std::string script = (ProjectFolder() / "Test_Suite" / "TP_SignIn.t").string();
    EXPECT_EQ(progress.Log().Lines(),
              std::vector<std::string>{"1 character(s) that the 8-bit file " + script + " cannot hold were written as \"?\"."});
}

TEST_F(SilkTestConverterTest, ThePlannedFilesAreThoseAConversionWrites) {
    CQAP4 converter;
    ASSERT_EQ(converter.Init("Demo", Scripts().string(), "", "", ""), 1);
    TestCaseList none;
    const std::filesystem::path suite = ProjectFolder() / "Test_Suite";
    EXPECT_EQ(converter.PlannedFiles(none, "a/b"), (std::vector<std::filesystem::path>{suite / "TP_a_b.t", suite / "TP_a_b.pln"}));
    int count = 0;
    std::string path;
    ASSERT_EQ(converter.Convert(none, "a/b", count, path), 1);
    EXPECT_EQ(path, (suite / "TP_a_b.pln").string());
    EXPECT_EQ(converter.PlannedFiles(none, "A_B"), (std::vector<std::filesystem::path>{suite / "TP_A_B_2.t", suite / "TP_A_B_2.pln"}));
}

}  // namespace
