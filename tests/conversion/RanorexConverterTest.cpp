// The Ranorex converter: the solution's files as a conversion writes them, their ids, the
// templates they are made from, and what a conversion reports.
#include <gtest/gtest.h>

#include <fstream>

#include "ConversionFixture.h"
#include "SilkTestWindows.h"
#include "XmlLint.h"
#include "conversion/framework/OutputFormats.h"
#include "conversion/ranorex/Ranorex.h"
#include "conversion/ranorex/RanorexNames.h"
#include "model/TaskKav.h"
#include "model/Win32Styles.h"
#include "platform/MessageBuffer.h"
#include "platform/Registry.h"
#include "platform/TextUtil.h"

namespace {

constexpr const char* kProgramId = "50726f67-7261-6d2e-6373-000000000000";

class RanorexConverterTest : public ConversionTest {
protected:
    void SetUp() override {
        ConversionTest::SetUp();
        app.SetExePath("demo.exe");
        login_ = AddCaptionedWindow("Login");
        login_->SetCaption("Log in");
        ok_ = project.AddWindow("OK", login_, kWndPushButton);
        ok_->SetCaption("OK");
        name_ = project.AddWindow("Name", login_, kWndInputField);
        task_ = project.AddTask("SignIn", root_);
    }

    void GenerateTags() { ConversionTest::GenerateTags(kFormatRanorex); }

    std::filesystem::path RanorexFolder() const { return ProjectFolder() / "Demo"; }
    std::string Read(const std::string& file) const { return ReadBytes(RanorexFolder() / file); }

    // Every file below the project folder passes its outside reader, and ends its lines in CR LF.
    static void ExpectReadable(const std::filesystem::path& folder) {
        for (const std::string& file : FilesBelow(folder)) {
            const std::filesystem::path path = folder / file;
            const std::string extension = path.extension().string();
            if (extension == ".cs") {
                EXPECT_TRUE(PassesReader("mcs --parse", path));
            } else if (extension != ".rxsln") {
                EXPECT_TRUE(PassesXmlLint(path));
            }
            const std::string bytes = ReadBytes(path);
            for (size_t at = bytes.find_first_of("\r\n"); at != std::string::npos;
                 at = bytes.find_first_of("\r\n", at + 2))
                ASSERT_EQ(bytes.compare(at, 2, "\r\n"), 0) << file << " has a line end other than CR LF at " << at;
            EXPECT_TRUE(IsValidUtf8(bytes)) << file;
        }
    }

    CWindowKav* login_ = nullptr;
    CWindowKav* ok_ = nullptr;
    CWindowKav* name_ = nullptr;
    CTaskKav* task_ = nullptr;
};

TEST_F(RanorexConverterTest, TheSolutionHoldsAProjectWithASuitePerPackage) {
    CTestCase* testCase = AddTaskTestCase(task_, 1, 0);
    AddEventStep(testCase, "Press", ok_, "Click(R, 2)");
    AddTaskTestCase(project.AddTask("Empty", root_), 1, 0);
    GenerateTags();
    ConvertInBatch(kFormatRanorex);
    EXPECT_EQ(TestInteraction().Texts(), std::vector<std::string>{});

    EXPECT_EQ(FilesBelow(ProjectFolder()),
              (std::vector<std::string>{"Demo.rxsln", "Demo/Demo.csproj", "Demo/DemoRepository.rxrep",
                                        "Demo/Empty.rxtst", "Demo/Empty_001.UserCode.cs", "Demo/Empty_001.rxrec",
                                        "Demo/Program.cs", "Demo/SignIn.rxtst", "Demo/SignIn_001.UserCode.cs",
                                        "Demo/SignIn_001.rxrec"}));
    const std::string solution = ReadBytes(ProjectFolder() / "Demo.rxsln");
    EXPECT_TRUE(solution.starts_with("Microsoft Visual Studio Solution File, Format Version 10.00\r\nProject(\"{"));
    EXPECT_TRUE(solution.ends_with("\r\nEndGlobalSection\r\nEndGlobal"));
    EXPECT_EQ(std::count(solution.begin(), solution.end(), '\n'), 14);
    EXPECT_NE(solution.find("}\") = \"Demo\", \"Demo\\Demo.csproj\", \"{"), std::string::npos);

    EXPECT_TRUE(Read("SignIn.rxtst").starts_with("\xEF\xBB\xBF<testsuite name=\"SignIn\" "));
    const std::string recording = Read("SignIn_001.rxrec");
    EXPECT_TRUE(recording.starts_with("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<recordtable "));
    EXPECT_TRUE(recording.ends_with("</recordtable>"));
    EXPECT_NE(recording.find("<name>SignIn</name>\r\n"), std::string::npos);
    EXPECT_NE(recording.find("<codegen classname=\"CSignIn_001\" namespace=\"Demo\"/>"), std::string::npos);
    EXPECT_NE(recording.find("<runapprecorditem enabled=\"True\" optional=\"False\" maximized=\"False\">\r\n<comment/>\r\n"
                             "<bindings/>\r\n<filename>demo.exe</filename>\r\n"),
              std::string::npos);
    EXPECT_NE(recording.find("action=\"DoubleClick\" button=\"Right\""), std::string::npos);
    // Without steps a recording holds its start item only.
    const std::string empty = Read("Empty_001.rxrec");
    EXPECT_NE(empty.find("</runapprecorditem>\r\n</recorditems>\r\n"), std::string::npos);

    const std::string program = Read("Program.cs");
    EXPECT_NE(program.find("\r\nnamespace Demo\r\n{\r\n"), std::string::npos);
    EXPECT_EQ(program.find("${StandardNamespace}"), std::string::npos);
    const std::string project = Read("Demo.csproj");
    EXPECT_NE(project.find("<Compile Include=\"Program.cs\">\r\n<id>" + std::string(kProgramId) + "</id>"),
              std::string::npos);
    // Each entry goes right below the second item group: the last package's stand first, and a
    // package's suite above its recordings.
    const size_t places[] = {project.find("<Content Include=\"SignIn.rxtst\">"),
                             project.find("<None Include=\"SignIn_001.rxrec\">"),
                             project.find("<Content Include=\"Empty.rxtst\">"),
                             project.find("<None Include=\"DemoRepository.rxrep\">")};
    EXPECT_TRUE(std::is_sorted(std::begin(places), std::end(places)) && places[3] != std::string::npos) << project;
    ExpectReadable(ProjectFolder());
}

// A recording refers to its suite by name, to its user code by file and to the repository by
// id; the suite refers to the recording by its id.
TEST_F(RanorexConverterTest, TheFilesReferToEachOtherByIdsMadeFromNames) {
    CTestCase* testCase = AddTaskTestCase(task_, 7, 0);
    GenerateTags();
    ConvertInBatch(kFormatRanorex);
    const std::string recordingId = MakeRanorexId(testCase->GetUniqueId());
    const std::string repositoryId = MakeRanorexId("Demo");
    EXPECT_NE(Read("SignIn_007.rxrec").find("<recordtable rxversion=\"3.3.2.19144\" id=\"" + recordingId + "\""),
              std::string::npos);
    EXPECT_NE(Read("SignIn_007.rxrec").find("<repository name=\"DemoRepository\" id=\"" + repositoryId +
                                            "\" rxversion=\"3.3.2.19144\" relativepath=\"DemoRepository.rxrep\">\r\n"
                                            "\t<codegen classname=\"Demo_Repository\" namespace=\"Demo\"/>\r\n"
                                            "\t<rootfolder name=\"_rootdummy_\" id=\"" + repositoryId + "\"/>\r\n"
                                            "</repository>\r\n<usercodefile lang=\"CSharp\">SignIn_007.UserCode.cs"
                                            "</usercodefile>\r\n<references/>\r\n</recordtable>"),
              std::string::npos);
    const std::string suite = Read("SignIn.rxtst");
    EXPECT_NE(suite.find("\t\t<testcase name=\"SignIn\" id=\"" + MakeRanorexId("SignIn") + "\">\r\n\t\t\t<testmodule "
                         "name=\"CSignIn_007\" id=\"" + MakeRanorexId("mod" + testCase->GetUniqueId()) + "\" ref=\"" +
                         recordingId + "\" type=\"Recording\"/>\r\n\t\t</testcase>\r\n"),
              std::string::npos)
        << suite;
    EXPECT_NE(Read("DemoRepository.rxrep").find("<repository name=\"Demo_Repository\" id=\"" + repositoryId + "\""),
              std::string::npos);
    const std::string project = Read("Demo.csproj");
    EXPECT_NE(project.find("<Content Include=\"SignIn.rxtst\">\r\n<CopyToOutputDirectory>Always</CopyToOutputDirectory>"
                           "\r\n<id>" + MakeRanorexId("suiteSignIn") + "</id>\r\n</Content>\r\n"),
              std::string::npos);
    EXPECT_NE(project.find("<Compile Include=\"SignIn_007.UserCode.cs\">\r\n<DependentUpon>SignIn_007.rxrec"
                           "</DependentUpon>\r\n<UserCode>true</UserCode>\r\n<id>" +
                           MakeRanorexId("SignIn_007.UserCode.cs") + "</id>\r\n</Compile>\r\n"),
              std::string::npos);
}

TEST_F(RanorexConverterTest, IdsKeepApartTextsThatShareTheirEndsAndIdentifiersAreCSharp) {
    EXPECT_EQ(MakeRanorexId("Program.cs"), kProgramId);
    EXPECT_EQ(MakeRanorexId("Grüße"), MakeGuidText("Grüße"));
    const std::pair<const char*, const char*> apart[] = {
        {"TaskA_001.UserCode.cs", "TaskB_001.UserCode.cs"},
        {"suiteLogin_Customer_A", "suiteLogin_Customer_B"},
        {"kavro1234567890aBmore", "kavro1234567890aBless"},
        {"\u20AC", "\u00AC"},
    };
    for (const auto& [first, second] : apart) {
        EXPECT_NE(MakeRanorexId(first), MakeRanorexId(second)) << first;
        EXPECT_EQ(MakeRanorexId(first), MakeRanorexId(first)) << "the same text gives the same id";
        EXPECT_EQ(MakeRanorexId(first).size(), 36u);
        EXPECT_EQ(MakeRanorexId(first)[23], '-');
    }
    const std::pair<const char*, const char*> identifiers[] = {
        {"My Proj", "My_Proj"}, {"2nd", "_2nd"},   {"", "_"},           {"class", "_class"},
        {"Größe", "Größe"},     {"a-b.c", "a_b_c"}, {"x\u20ACy", "x_y"}, {"Class", "Class"},
    };
    for (const auto& [name, identifier] : identifiers) EXPECT_EQ(MakeCSharpIdentifier(name), identifier) << name;
}

TEST_F(RanorexConverterTest, StepsBecomeItemsAndTheMethodsTheyCallJoinTheUserCode) {
    CWindowKav* grid = project.AddWindow("Grid", login_, kWndTable);
    CWindowKav* items = project.AddWindow("Items", login_, kWndListBox);
    CTestCase* first = AddTaskTestCase(task_, 1, 0);
    AddEventStep(first, "Check", grid, "Verify(Value, 1, 2, \"c\")")->SetComment("reads <it> & more");
    AddStep(first, "No window")->SetEvent("Click");
    CTestStep* userCode = AddEventStep(first, "Code", nullptr, "");
    userCode->SetCommands("int a = 1;\r\nint b = a;");
    userCode->SetComment("first\r\ncode");
    AddEventStep(first, "Click", grid, "Click(1, 2)");
    AddEventStep(first, "More code", ok_, "Click")->SetCommands("Report.Info(\"x\");");
    CTestCase* second = AddTaskTestCase(task_, 2, 0);
    AddEventStep(second, "Tick", items, "Check(last, TRUE)");
    AddEventStep(second, "Again", items, "Check(1, FALSE)");
    AddEventStep(second, "Code", nullptr, "")->SetCommands("Delay.Seconds(1);");
    GenerateTags();
    ConvertInBatch(kFormatRanorex);
    EXPECT_EQ(TestInteraction().Texts(), std::vector<std::string>{});

    const std::string recording = Read("SignIn_001.rxrec");
    EXPECT_NE(recording.find("methodname=\"ValidateTableValue\">\r\n<comment>reads &lt;it&gt; &amp; more</comment>\r\n"),
              std::string::npos);
    EXPECT_NE(recording.find("<userrecorditem enabled=\"True\" optional=\"False\" duration=\"1000ms\" "
                             "methodname=\"UserMethod_1\">\r\n<comment>first\r\ncode</comment>\r\n<bindings/>\r\n"
                             "<arguments/>\r\n</userrecorditem>\r\n"),
              std::string::npos);
    EXPECT_NE(recording.find("methodname=\"ClickTableCell\""), std::string::npos);
    EXPECT_NE(recording.find("methodname=\"UserMethod_2\""), std::string::npos);
    EXPECT_EQ(recording.find("No window"), std::string::npos);

    // Methods in the order of their first call, each with the one it calls; then the helpers.
    const std::string code = Read("SignIn_001.UserCode.cs");
    std::vector<size_t> places;
    for (const char* method : {"void Init(", "void ValidateTableValue(", "void ClickTableCell(", "void UserMethod_1(",
                               "void UserMethod_2(", "T Find<T>("})
        places.push_back(code.find(method));
    EXPECT_TRUE(std::is_sorted(places.begin(), places.end()) && places.back() != std::string::npos) << code;
    EXPECT_EQ(code.find("void SelectRow("), std::string::npos);
    EXPECT_NE(code.find("\t\tpublic void UserMethod_1()\r\n\t\t{\r\n\t\t\tint a = 1;\r\n\t\t\tint b = a;\r\n\t\t}\r\n"),
              std::string::npos);
    EXPECT_TRUE(code.starts_with("using System;\r\nusing System.Collections.Generic;\r\n"));
    EXPECT_NE(code.find("using Ranorex.Core.Testing;\r\n\r\nnamespace Demo\r\n{\r\n\tpublic partial class CSignIn_001\r\n\t{\r\n"),
              std::string::npos);
    EXPECT_TRUE(code.ends_with("\t}\r\n}\r\n"));

    // Numbering starts again; a method called twice is written once.
    const std::string next = Read("SignIn_002.UserCode.cs");
    EXPECT_NE(next.find("public void UserMethod_1()\r\n\t\t{\r\n\t\t\tDelay.Seconds(1);"), std::string::npos);
    EXPECT_EQ(next.find("UserMethod_2"), std::string::npos);
    EXPECT_NE(next.find("void CheckListItem("), std::string::npos);
    EXPECT_EQ(next.find("void CheckListItem(", next.find("void CheckListItem(") + 1), std::string::npos);
    EXPECT_NE(next.find("void SelectListItem("), std::string::npos);
    ExpectReadable(ProjectFolder());
}

// A test case whose steps do not translate is left out; the others and the suite are written,
// and the run stops with the message of the step.
TEST_F(RanorexConverterTest, ATestCaseThatDoesNotTranslateIsLeftOut) {
    CWindowKav* menu = project.AddWindow("Menu", login_, kWndMenu);
    CWindowKav* line = CreateWindowOfType(kWndMenuItem, {.id = "Line", .style = win32::MF_SEPARATOR});
    line->SetFile(project.Main());
    app.GetWindowList().Add(line);
    menu->AddChild(line);
    CTestCase* broken = AddTaskTestCase(task_, 1, 0);
    AddEventStep(broken, "Separator", line, "Click");
    AddEventStep(AddTaskTestCase(task_, 2, 0), "Press", ok_, "Click");
    AddTaskTestCase(project.AddTask("Zeta", root_), 1, 0);
    GenerateTags();
    ConvertInBatch(kFormatRanorex);

    ASSERT_EQ(TestInteraction().Texts().size(), 1u);
    EXPECT_EQ(TestInteraction().Texts()[0], "Error while translating event of step 'Separator' in task 'SignIn':\n" +
                                                FormatMessageId(44283, "Line") + " [W1172]");
    EXPECT_EQ(FilesBelow(RanorexFolder()),
              (std::vector<std::string>{"Demo.csproj", "DemoRepository.rxrep", "Program.cs", "SignIn.rxtst",
                                        "SignIn_002.UserCode.cs", "SignIn_002.rxrec"}));
    const std::string suite = Read("SignIn.rxtst");
    EXPECT_EQ(suite.find("CSignIn_001"), std::string::npos);
    EXPECT_NE(suite.find("<testmodule name=\"CSignIn_002\""), std::string::npos);
    EXPECT_NE(Read("Demo.csproj").find("<Content Include=\"SignIn.rxtst\">"), std::string::npos);
    EXPECT_EQ(Read("Demo.csproj").find("SignIn_001"), std::string::npos);
    EXPECT_EQ(app.GetTestScripts().size(), 0u);
}

TEST_F(RanorexConverterTest, AWebTestOpensTheStartPage) {
    app.SetWebTest(1);
    app.SetExePath("http://shop/?a=1&b=2");
    AddTaskTestCase(task_, 1, 0);
    ConvertInBatch(kFormatRanorex);
    const std::string recording = Read("SignIn_001.rxrec");
    EXPECT_NE(recording.find("<recorditems>\r\n<openwebsiterecorditem enabled=\"True\" optional=\"False\" browser=\"IE\" "
                             "args=\"\" maximized=\"False\">\r\n<comment/>\r\n<bindings/>\r\n"
                             "<url>http://shop/?a=1&amp;b=2</url>\r\n<args/>\r\n</openwebsiterecorditem>\r\n"
                             "</recorditems>\r\n"),
              std::string::npos)
        << recording;
    EXPECT_TRUE(PassesXmlLint(RanorexFolder() / "SignIn_001.rxrec"));
}

// Names become file names that no other file of the run takes, are escaped in XML and made
// into C# identifiers in code.
TEST_F(RanorexConverterTest, AnyNameGivesReadableFilesOfItsOwn) {
    const std::string projectName = "My Proj & <ü> ]]>";
    app.SetName(projectName);
    AddEventStep(AddTaskTestCase(task_, 1, 0), "Press", ok_, "Click")->SetComment("]]> & <");
    AddTaskTestCase(task_, 1, 0);
    login_->SetCaption("Log's <in> & \"out\" ]]>");
    CTestCase* typed = AddTaskTestCase(task_, 2, 0);
    AddEventStep(typed, "Type", name_, "Type(\"<ctrl>-\\\" & ]]>\")");
    AddEventStep(typed, "Input", name_, "Input(\"]]> <x>\")");
    GenerateTags();
    ConvertInBatch(kFormatRanorex);
    EXPECT_EQ(TestInteraction().Texts(), std::vector<std::string>{});

    const std::filesystem::path folder = Scripts() / projectName / projectName;
    EXPECT_EQ(FilesBelow(folder),
              (std::vector<std::string>{projectName + ".csproj", projectName + "Repository.rxrep", "Program.cs",
                                        "SignIn.rxtst", "SignIn_001.UserCode.cs", "SignIn_001.rxrec",
                                        "SignIn_001_2.UserCode.cs", "SignIn_001_2.rxrec", "SignIn_002.UserCode.cs",
                                        "SignIn_002.rxrec"}));
    const std::string suite = ReadBytes(folder / "SignIn.rxtst");
    EXPECT_NE(suite.find("<testmodule name=\"CSignIn_001\""), std::string::npos);
    EXPECT_NE(suite.find("<testmodule name=\"CSignIn_001_2\""), std::string::npos);
    const std::string identifier = "My_Proj____ü_____";
    EXPECT_NE(ReadBytes(folder / "Program.cs").find("\r\nnamespace " + identifier + "\r\n"), std::string::npos);
    EXPECT_NE(ReadBytes(folder / "SignIn_001_2.UserCode.cs").find("public partial class CSignIn_001_2\r\n"),
              std::string::npos);
    const std::string recording = ReadBytes(folder / "SignIn_001_2.rxrec");
    EXPECT_NE(recording.find("<repository name=\"My Proj &amp; &lt;ü&gt; ]]&gt;Repository\""), std::string::npos);
    EXPECT_NE(recording.find("<codegen classname=\"" + identifier + "_Repository\" namespace=\"" + identifier + "\"/>"),
              std::string::npos);
    ExpectReadable(Scripts() / projectName);
}

// A file that cannot be written stops the run with its message; a folder of its name stands in
// the way here.
TEST_F(RanorexConverterTest, AFileThatCannotBeWrittenStopsTheRun) {
    AddTaskTestCase(task_, 1, 0);
    const std::pair<std::string, std::string> cases[] = {
        {"Demo.rxsln", "Could not create Ranorex solution file 'Demo.rxsln'! [W1198]"},
        {"Demo/DemoRepository.rxrep",
         "Could not create file " + (ProjectFolder() / "Demo" / "DemoRepository.rxrep").string() + "! [W1178]"},
        {"Demo/Demo.csproj", "Could not create Ranorex project file 'Demo.csproj'! [W1201]"},
        {"Demo/Program.cs", "Could not create Ranorex solution file 'Demo'! [W1198]"},
        {"Demo/SignIn_001.rxrec", "Could not create file for test case SignIn_001! [W1199]"},
        {"Demo/SignIn_001.UserCode.cs", "Could not open file SignIn_001.UserCode.cs for writing! [W1196]"},
        {"Demo/SignIn.rxtst", "Could not create file for test case SignIn! [W1199]"},
    };
    for (const auto& [obstacle, message] : cases) {
        std::filesystem::remove_all(Scripts());
        std::filesystem::create_directories(ProjectFolder() / obstacle);
        TestInteraction().messages.clear();
        ConvertInBatch(kFormatRanorex);
        EXPECT_EQ(TestInteraction().Texts(), std::vector<std::string>{message}) << obstacle;
    }
}

TEST_F(RanorexConverterTest, TheTemplatesComeFromTheInstallation) {
    const std::filesystem::path installation = folder_ / "installation";
    std::filesystem::create_directories(installation / "RanorexAddIn");
    WriteRegistryString(SettingsHive::LocalMachine, std::string(kProductKey), "InstallationDir", installation.string(),
                        kRegistryText);
    const auto convert = [&] {
        CRanorex converter;
        return converter.Init("Demo", Scripts().string(), "demo.exe", "", "") == 1 ? std::string()
                                                                                   : GetGlobalMessageBuffer();
    };
    const auto write = [&](const char* name, const std::string& text) {
        std::ofstream(installation / "RanorexAddIn" / name, std::ios::binary) << text;
    };
    EXPECT_EQ(convert(), "Could not find file " + (installation / "RanorexAddIn" / "csProjectTemp.txt").string() +
                             "! [W1197]");
    // An indented item group does not count: the project file takes no entries.
    write("csProjectTemp.txt", "<Project>\n<ItemGroup>\n</ItemGroup>\n  <ItemGroup>\n  </ItemGroup>\n</Project>\n");
    EXPECT_TRUE(convert().ends_with("Programmcs.txt! [W1197]"));
    EXPECT_EQ(Read("Demo.csproj"), "<Project>\r\n<ItemGroup>\r\n</ItemGroup>\r\n  <ItemGroup>\r\n  </ItemGroup>\r\n"
                                   "</Project>\r\n");
    write("Programmcs.txt", "// head\r\n  ${StandardNamespace}\r\n{ }\r\n");
    EXPECT_TRUE(convert().ends_with("UserCodeMethods.txt! [W1197]"));
    EXPECT_EQ(Read("Program.cs"), "// head\r\nnamespace Demo\r\n{ }\r\n");
    write("UserCodeMethods.txt", "dropped\nKAVRO_DEF Init\n\t\tvoid Init() {}\nKAVRO_DEF Private\nKAVRO_DEF\n\tlost\n");
    CRanorex converter;
    ASSERT_EQ(converter.Init("Demo", Scripts().string(), "demo.exe", "", ""), 1) << GetGlobalMessageBuffer();
    EXPECT_EQ(converter.GetUserMethods(),
              (std::map<std::string, std::string>{{"Init", "\t\tvoid Init() {}\n"}, {"Private", ""}}));
}

// Every method that an item can call, and every method those call, is in the installed
// template, and a user code file with all of them reads as C#.
TEST_F(RanorexConverterTest, TheInstalledTemplateDefinesEveryMethodThatAnItemCalls) {
    CRanorex converter;
    ASSERT_EQ(converter.Init("Demo", Scripts().string(), "demo.exe", "", ""), 1) << GetGlobalMessageBuffer();
    const std::map<std::string, std::string>& methods = converter.GetUserMethods();
    for (const char* method :
         {"CheckListItem", "CheckRow", "CheckMenuItem", "CheckTreeItem", "ClickToolbarButton", "ClickTableCell",
          "ExpandTree", "SelectComboBoxItem", "SelectListItem", "SelectRow", "SelectTreeItem", "SelectTabPage",
          "ResizeWnd", "MoveWnd", "ScrollWindow", "ValidateListSelection", "ValidateTableSelection",
          "ValidateComboBoxValue", "ValidateListValue", "ValidateTabValue", "ValidateTableValue", "WaitEnabled",
          "WaitTextValue", "WaitComboBoxValue", "GetTreeItem", "WaitForValue", "Init"}) {
        ASSERT_TRUE(methods.count(method)) << method;
        const std::string signature = " " + std::string(method) + (method == std::string("Init") ? "()" : "(string path");
        EXPECT_NE(methods.at(method).find(signature), std::string::npos) << method;
    }
    ASSERT_TRUE(methods.count("Private"));

    const struct {
        int type;
        std::vector<const char*> events;
    } windows[] = {
        {kWndListBox, {"Check(1, TRUE)", "Verify(Selection, \"a\")", "Verify(Value, 1, \"a\")", "Select(1)"}},
        {kWndListView, {"Check(1, TRUE)", "Verify(Selection, \"a\")", "Verify(Value, 1, \"a\")", "Select(1)"}},
        {kWndTreeControl, {"Check(1, TRUE)", "Expand(\"a\", 1)", "Select(\"a\")"}},
        {kWndToolBar, {"Click(1)"}},
        {kWndTable, {"Click(1, 1)", "Verify(Value, 1, 1, \"a\")"}},
        {kWndComboBox, {"Select(1)", "Verify(Value, 1, \"a\")", "Wait(1, Value, \"a\")"}},
        {kWndTabControl, {"Select(\"a\")", "Verify(Value, \"a\")"}},
        {kWndInputField, {"Wait(1, Enabled, \"a\")", "Wait(1, Caption, \"a\")"}},
        {kWndDialogBox, {"Position(Resize, 1, 1)", "Position(Move, 1, 1)", "Scroll(V, 1)"}},
    };
    CTestCase* all = AddTaskTestCase(task_, 1, 0);
    int n = 0;
    for (const auto& [type, events] : windows) {
        CWindowKav* window = type == kWndDialogBox ? AddCaptionedWindow("W" + std::to_string(++n), login_)
                                                   : project.AddWindow("W" + std::to_string(++n), login_, type);
        if (type == kWndListView) window->SetStyle(1);
        for (const char* event : events) AddEventStep(all, event, window, event);
    }
    CWindowKav* menu = project.AddWindow("Menu", login_, kWndMenu);
    AddEventStep(all, "Menu", project.AddWindow("Item", menu, kWndMenuItem), "Check(TRUE)");
    GenerateTags();
    ConvertInBatch(kFormatRanorex);
    EXPECT_EQ(TestInteraction().Texts(), std::vector<std::string>{});
    const std::string code = Read("SignIn_001.UserCode.cs");
    for (const auto& [method, text] : methods)
        EXPECT_NE(code.find(ReplaceSeparators(text, "\n", "\r\n")), std::string::npos) << method << " is not in the user code file";
    EXPECT_TRUE(PassesReader("mcs --parse", RanorexFolder() / "SignIn_001.UserCode.cs"));
}

TEST_F(RanorexConverterTest, TheRepositoryHoldsEveryWindowRanorexCanAddress) {
    CWindowKav* group = project.AddWindow("Group", login_, kWndGroupBox);
    CWindowKav* spin = project.AddWindow("Spin", group, kWndCustom);
    spin->SetInternalID("kavro1234567890");
    CWindowKav* menu = project.AddWindow("Menu", login_, kWndMenu);
    project.AddWindow("Open", menu, kWndMenuItem)->SetCaption("Open");
    CWindowKav* line = CreateWindowOfType(kWndMenuItem, {.id = "Line", .style = win32::MF_SEPARATOR});
    line->SetFile(project.Main());
    app.GetWindowList().Add(line);
    menu->AddChild(line);
    login_->SetCaption("Log <in> & out");
    GenerateTags();
    AddTaskTestCase(task_, 1, 0);
    // The up-down class is read when the repository is written, after the tags.
    CWindowKav* updown = CreateWindowOfType(kWndCustom, {.id = "Updown", .className = "msctls_updown32"});
    updown->SetFile(project.Main());
    app.GetWindowList().Add(updown);
    group->AddChild(updown);
    updown->SetTag(spin->GetTag());
    ConvertInBatch(kFormatRanorex);

    const std::string repository = Read("DemoRepository.rxrep");
    EXPECT_TRUE(repository.starts_with("<?xml version=\"1.0\" encoding=\"utf-8\" ?>\r\n<repository name=\"Demo_Repository\""));
    const std::string loginPath = "/form[@title='Log &lt;in&gt; &amp; out']";
    const std::string expected[] = {
        "<codegen classname=\"Demo_Repository\" namespace=\"Demo\" resourcebasedir=\"" + RanorexFolder().string() + "\"/>",
        "<appfolder name=\"Login\" id=\"" + MakeRanorexId(login_->GetInternalID()) +
            "\" searchtimeout=\"30000ms\" capname=\"form\" addcaps=\"form,nativewindow\" isrooted=\"True\" "
            "usecache=\"True\">",
        "<item name=\"OK\" id=\"" + MakeRanorexId(ok_->GetInternalID()) +
            "\" searchtimeout=\"30000ms\" capname=\"button\" addcaps=\"button,nativewindow\">button[@text='OK']</item>",
        "<item name=\"Name\" id=\"" + MakeRanorexId(name_->GetInternalID()) +
            "\" searchtimeout=\"30000ms\" capname=\"text\" addcaps=\"text,nativewindow\">text</item>",
        "<item name=\"Name_TextField\" id=\"" + MakeRanorexId(name_->GetInternalID() + "text") +
            "\" searchtimeout=\"30000ms\" capname=\"text\" addcaps=\"text,nativewindow\">text/text</item>",
        "<folder name=\"Group\" id=\"" + MakeRanorexId(group->GetInternalID()) +
            "\" searchtimeout=\"30000ms\" capname=\"container\" addcaps=\"container,accessible\" isrooted=\"True\" "
            "usecache=\"True\">",
        "<item name=\"Updown_More\" id=\"" + MakeRanorexId(updown->GetInternalID() + "Bmore") +
            "\" searchtimeout=\"30000ms\" capname=\"button\" addcaps=\"button,nativewindow\">"
            "element[@class='']/button[@accessiblename='More']</item>",
        "<item name=\"Updown_Less\" id=\"" + MakeRanorexId(updown->GetInternalID() + "Bless"),
        "<basepath>container[]</basepath>\r\n</folder>",
        "<item name=\"Open\"",
        "<basepath>" + loginPath + "</basepath>\r\n<icon>iVBORw0KGgo",
        "</appfolder>\r\n</rootfolder>\r\n<basepath/>\r\n<variables/>\r\n</repository>\r\n",
    };
    size_t at = 0;
    for (const std::string& text : expected) {
        const size_t found = repository.find(text, at);
        ASSERT_NE(found, std::string::npos) << "missing or out of order: " << text << "\n" << repository;
        at = found;
    }
    EXPECT_EQ(repository.find("name=\"Line\""), std::string::npos) << "a separator is no item";
    EXPECT_NE(MakeRanorexId(updown->GetInternalID() + "Bmore"), MakeRanorexId(updown->GetInternalID() + "Bless"));
    EXPECT_TRUE(PassesXmlLint(RanorexFolder() / "DemoRepository.rxrep"));
}

}  // namespace
