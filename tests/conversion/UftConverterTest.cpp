// The UFT converter: the VBScript of each test case, the calls it makes of UFT's automation in
// their order and what it reports when one fails, the repository it exports, and a whole run on
// the file backend of the converter table.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <set>

#include "ConversionFixture.h"
#include "RecordingUftAutomation.h"
#include "SilkTestWindows.h"
#include "XmlLint.h"
#include "conversion/framework/OutputFormats.h"
#include "conversion/uft/QTP.h"
#include "conversion/uft/UftClassTable.h"
#include "conversion/xml/XMLConverter.h"
#include "model/ShellServices.h"
#include "model/TransitionKav.h"
#include "model/Win32Styles.h"
#include "model/XMLElement.h"
#include "platform/MessageBuffer.h"
#include "platform/Progress.h"
#include "platform/Registry.h"
#include "tests/support/Refusal.h"

namespace {

constexpr int kWeb = 995;
constexpr int kJava = 996;

void WriteSetting(const char* name, const std::string& value) {
    WriteRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), name, value, kRegistryText);
}

class UftConverterTest : public ConversionTest {
protected:
    void SetUp() override {
        ConversionTest::SetUp();
        InstallFixedClock();
        login_ = AddSpecWindow(project, "Login", nullptr,
                               {.type = kWndDialogBox, .caption = "Log in", .style = win32::WS_CAPTION});
        ok_ = AddSpecWindow(project, "OK", login_, {.caption = "OK", .className = "Button"});
        name_ = AddSpecWindow(project, "Name", login_, {.type = kWndInputField, .className = "Edit", .numId = 1001});
        items_ = AddSpecWindow(project, "Items", login_, {.type = kWndListBox, .numId = 1002});
        GenerateUftTags(*login_, 0);
        task_ = project.AddTask("SignIn", root_);
    }

    std::unique_ptr<CQTP> MakeConverter(int webTest = 0) {
        return std::make_unique<CQTP>(webTest, &progress_, std::make_unique<RecordingUftAutomation>(uft_));
    }

    int Init(CQTP& converter) {
        return converter.Init("Demo", Scripts().string(), "C:\\App\\app.exe", "C:\\App", "-v");
    }

    // The package "SignIn" of the task's test cases.
    int Convert(CQTP& converter, int& count) {
        std::vector<CTestCase*> found;
        app.CollectTestCases(nullptr, nullptr, task_, false, true, found);
        TestCaseList list(found.begin(), found.end());
        std::string path;
        return converter.Convert(list, "SignIn", count, path);
    }

    CTestStep* AddEventStep(CTestCase* testCase, const std::string& name, CWindowKav* window, const std::string& event,
                            const std::string& comment = {}, int delay = 0) {
        CTestStep* step = AddStep(testCase, name, window);
        step->SetEvent(event);
        step->SetComment(comment);
        step->SetDelay(delay);
        return step;
    }

    // The calls made of UFT, without the readings of its status.
    std::vector<std::string> Calls() const {
        std::vector<std::string> calls;
        for (const std::string& call : uft_->calls)
            if (call != "GetStatus") calls.push_back(call);
        return calls;
    }

    std::filesystem::path Repository() const { return ProjectFolder() / "_ObjectRepository" / "UFTRepository_Demo"; }

    std::shared_ptr<RecordingUftAutomation::State> uft_ = std::make_shared<RecordingUftAutomation::State>();
    Progress progress_;
    CWindowKav* login_ = nullptr;
    CWindowKav* ok_ = nullptr;
    CWindowKav* name_ = nullptr;
    CWindowKav* items_ = nullptr;
    CTaskKav* task_ = nullptr;
};

TEST_F(UftConverterTest, EachTestCaseBecomesAVbScriptWithItsSteps) {
    CTestCase* testCase = AddTaskTestCase(task_, 1, 0);
    AddEventStep(testCase, "Press", ok_, "Click", "press it", 2500);
    AddStep(testCase, "Own code", nullptr)->SetCommands("Foo\nBar");
    AddEventStep(testCase, "Nothing", name_, "\n", "", 300);
    AddEventStep(testCase, "Enter", name_, "Input(\"ann\")", "two\r\nlines");
    const std::unique_ptr<CQTP> converter = MakeConverter();
    ASSERT_EQ(Init(*converter), 1) << GetGlobalMessageBuffer();
    int count = 0;
    ASSERT_EQ(Convert(*converter, count), 1) << GetGlobalMessageBuffer();
    EXPECT_EQ(count, 1);
    ASSERT_EQ(uft_->scripts.size(), 1u);
    EXPECT_EQ(uft_->scripts[0],
              "' Test Case SignIn_001\n' Converted by KAVRO on 17.05.2024 at 09:30:00\n\n"
              "SystemUtil.Run \"C:\\App\\app.exe\", \"-v\", \"C:\\App\", \"open\"\n"
              "Dialog(\"Login\").WinButton(\"OK\").Click 1, 1, micLeftBtn\t\t' press it\n"
              "Wait 2, 500\t\t' Delay of press it\n"
              "'-- BEGIN User-defined code -----------\nFoo\nBar\n'-- END User-defined code -------------\n\t\t' \n"
              "Dialog(\"Login\").WinEdit(\"Name\").Set \"ann\"\t\t' two lines\n");
}

TEST_F(UftConverterTest, AWebTestStartsTheBrowserAtTheStartPage) {
    AddEventStep(AddTaskTestCase(task_, 1, 0), "Press", ok_, "Click");
    const std::pair<const char*, const char*> cases[] = {
        {"\"C:\\Program Files\\IE\\IEXPLORE.EXE\" %1", "SystemUtil.Run \"C:\\Program Files\\IE\\iexplore\", \"http://x\"\n"},
        {"", "SystemUtil.Run \"iexplore\", \"http://x\"\n"},
    };
    for (const auto& [command, expected] : cases) {
        WriteRegistryString(SettingsHive::LocalMachine, "SOFTWARE\\Classes\\Applications\\iexplore.exe\\shell\\open\\command",
                            "", command, kRegistryText);
        CQTP converter(1, nullptr, std::make_unique<UftFileAutomation>());
        ASSERT_EQ(converter.Init("Demo", Scripts().string(), "http://x", "", ""), 1) << GetGlobalMessageBuffer();
        std::string script;
        ASSERT_EQ(converter.WriteTestScript(*app.GetTestCases()[0], script), 1);
        EXPECT_NE(script.find("\n\n" + std::string(expected)), std::string::npos) << script;
    }
}

TEST_F(UftConverterTest, UftIsDrivenInAFixedOrder) {
    CWindowKav* page =
        AddSpecWindow(project, "Page", nullptr, {.type = kWndMain, .guiId = kWeb, .style = win32::WS_CAPTION});
    GenerateUftTags(*page, 0);
    CTestCase* testCase = AddTaskTestCase(task_, 1, 0);
    AddEventStep(testCase, "Press", ok_, "Click");
    AddEventStep(testCase, "Close", page, "Close");
    uft_->busyMs = 300;
    {
        const std::unique_ptr<CQTP> converter = MakeConverter();
        ASSERT_EQ(Init(*converter), 1) << GetGlobalMessageBuffer();
        int count = 0;
        ASSERT_EQ(Convert(*converter, count), 1) << GetGlobalMessageBuffer();
    }
    const std::string xml = Repository().string() + ".xml";
    const std::string tsr = Repository().string() + ".tsr";
    EXPECT_EQ(Calls(), (std::vector<std::string>{
                           "ConnectRepositoryUtil", "ConvertXmlToTsr " + xml + " " + tsr, "ConnectApplication",
                           "IsLaunched", "Launch", "IsLaunched", "SetVisible 0", "SetRunOption None", "NewTest",
                           "SetOnError Dialog", "AssociateEnvironments Web", "OpenAction Action1",
                           "CheckScriptSyntax", "ImportScript", "SaveTestAs " + (ProjectFolder() / "SignIn" / "SignIn_001").string(),
                           "AttachRepository " + tsr, "SaveTest"}));
    // Each call that makes UFT work is waited for: Launch, NewTest, ImportScript, SaveTestAs and SaveTest.
    EXPECT_EQ(uft_->waitedMs, 5 * 300);
    EXPECT_TRUE(std::filesystem::exists(xml));
    EXPECT_EQ(progress_.Log().Lines(),
              (std::vector<std::string>{"Creating directory structure", "Exporting object repository as XML",
                                        "Connecting to UFT Object Repository Utilities",
                                        "Converting object repository to TSR format", "Connecting to UFT Application",
                                        "Launching UFT", "Converting test package SignIn",
                                        "Converting test case SignIn_001", "Importing script into UFT",
                                        "Saving script"}));
}

TEST_F(UftConverterTest, ATestCaseThatCannotBeWrittenIsLeftOutAndTheOthersConverted) {
    AddEventStep(AddTaskTestCase(task_, 1, 0), "Bad", items_, "Check(\"x\", UNDETERMINED)");
    AddEventStep(AddTaskTestCase(task_, 2, 0), "Press", ok_, "Click");
    const std::unique_ptr<CQTP> converter = MakeConverter();
    ASSERT_EQ(Init(*converter), 1);
    int count = 0;
    EXPECT_EQ(Refusal([&] { return Convert(*converter, count); }),
              "Error while translating event of step 'Bad' in task 'SignIn':\n"
              "UNDETERMINED is not supported for list or tree items! [W1172]");
    EXPECT_EQ(count, 1);
    ASSERT_EQ(uft_->scripts.size(), 1u);
    EXPECT_TRUE(uft_->scripts[0].starts_with("' Test Case SignIn_002\n"));
}

// Each way UFT can fail stops the run with its message; where the failure comes from an error
// UFT raised, its description is part of it.
TEST_F(UftConverterTest, EachFailureOfUftStopsWithItsMessage) {
    using State = RecordingUftAutomation::State;
    const struct {
        const char* what;
        void (*fail)(State&);
        bool inInit;
        const char* expected;
    } cases[] = {
        {"no application", [](State& s) { s.connects = false; }, true, "valid license is available! [W1160]"},
        {"another UFT", [](State& s) { s.launchedBefore = true; }, true,
         "An open instance of UFT has been found.\nPlease close UFT and try again! [W1165]"},
        {"not launched", [](State& s) { s.launchSucceeds = false; }, true, "properly installed! [W1161]"},
        {"ready too late", [](State& s) { s.busyMs = 10100; }, true, "Timeout reached - UFT is not responding! [W1162]"},
        {"no utility", [](State& s) { s.repositoryUtilConnects = false; }, true, "properly installed! [W1164]"},
        {"error in Init", [](State& s) { s.failures["ConvertXmlToTsr"] = UftCall::Failed("no TSR"); }, true,
         "UFT interface COM error [W1166]:\nno TSR"},
        {"error of the launch", [](State& s) { s.failures["Launch"] = UftCall::Failed("boom"); }, true,
         "UFT interface COM error [W1166]:\nboom"},
        {"no new test", [](State& s) { s.failures["NewTest"] = UftCall::Failed("x"); }, false,
         "Failed to create new Test in UFT! [W1167]"},
        {"no action", [](State& s) { s.hasAction = false; }, false, "Failed to connect to Action1 in UFT! [W1168]"},
        {"syntax error", [](State& s) { s.syntaxError = "Expected 'End'"; }, false,
         "UFT detected the following error in test case 'SignIn_001' [W1180]:\nExpected 'End'"},
        {"not imported", [](State& s) { s.failures["ImportScript"] = UftCall::Failed(); }, false,
         "Test case 'SignIn_001' could not be imported into UFT.\nPlease check all steps with self-defined UFT code "
         "for syntactic correctness! [W1169]"},
        {"not saved", [](State& s) { s.failures["SaveTestAs"] = UftCall::Failed(); }, false,
         "Test case 'SignIn_001' could not be saved by UFT! [W1170]"},
        {"error in Convert", [](State& s) { s.failures["AttachRepository"] = UftCall::Failed("locked"); }, false,
         "UFT interface COM error [W1171]:\nlocked"},
    };
    AddEventStep(AddTaskTestCase(task_, 1, 0), "Press", ok_, "Click");
    for (const auto& [what, fail, inInit, expected] : cases) {
        uft_ = std::make_shared<State>();
        fail(*uft_);
        const std::unique_ptr<CQTP> converter = MakeConverter();
        std::string message = Refusal([&] { return Init(*converter); });
        if (!inInit) {
            ASSERT_EQ(message, "") << what;
            int count = -1;
            message = Refusal([&] { return Convert(*converter, count); });
            EXPECT_EQ(count, 0) << what;
        }
        EXPECT_TRUE(message.ends_with(expected)) << what << ": " << message;
    }
    // Ready just at the time-out is in time.
    uft_ = std::make_shared<State>();
    uft_->busyMs = 10000;
    EXPECT_EQ(Init(*MakeConverter()), 1) << GetGlobalMessageBuffer();
}

TEST_F(UftConverterTest, UftIsShownAndClosedAsTheSettingsSay) {
    const auto run = [&](const std::function<void(CQTP&)>& beforeEnd) {
        uft_ = std::make_shared<RecordingUftAutomation::State>();
        const std::unique_ptr<CQTP> converter = MakeConverter();
        EXPECT_EQ(Init(*converter), 1) << GetGlobalMessageBuffer();
        beforeEnd(*converter);
    };
    const auto has = [&](const std::string& call) {
        return std::find(uft_->calls.begin(), uft_->calls.end(), call) != uft_->calls.end();
    };
    run([](CQTP&) {});
    EXPECT_TRUE(has("SetVisible 0"));
    EXPECT_FALSE(has("Quit"));

    WriteSetting("TCC_QTP_SHOW", "1");
    WriteSetting("TCC_QTP_OPEN", "0");
    run([](CQTP&) {});
    EXPECT_TRUE(has("SetVisible 1"));
    EXPECT_TRUE(has("Quit"));

    WriteSetting("TCC_QTP_OPEN", "1");
    run([](CQTP& converter) { converter.CloseUftWhenDone(); });
    EXPECT_TRUE(has("Quit"));

    // An error at the end is shown at once.
    run([&](CQTP&) { uft_->failures["GetStatus"] = UftCall::Failed("gone"); });
    EXPECT_FALSE(has("Quit"));
    EXPECT_EQ(TestInteraction().Texts(), std::vector<std::string>{"UFT interface COM error [W1166]:\ngone"});
}

TEST_F(UftConverterTest, EnvironmentsComeFromTheGuiBuilderOrTheImportedClass) {
    const auto window = [&](const std::string& name, int guiId, const char* importedClass = nullptr) {
        CWindowKav* added = AddSpecWindow(project, name, login_, {.guiId = guiId});
        if (importedClass) {
            auto* description = new CXMLElement("qtpRep:Object");
            description->GetAttributes().Add(new CXMLAttribute("Class", importedClass));
            added->SetToolData(description);
            added->SetImportTool(kFormatUft);
        }
        return added;
    };
    CTestCase* testCase = AddTaskTestCase(task_, 1, 0);
    for (CWindowKav* step : {window("Web1", kWeb), window("Net", 990), window("Web2", kWeb), window("Plain", 999),
                             window("Java", kJava), window("Forms", 999, "SwfButton"), window("Std", 990, "WinButton"),
                             window("Unknown", kJava, "NoSuchClass"), window("Delphi", 997), window("Vb", 998),
                             window("Sap", 992), window("Wpf", 993), window("Oracle", 994)})
        AddEventStep(testCase, step->GetName(), step, "Click");
    AddStep(testCase, "No window", nullptr);
    std::vector<std::string> environments;
    EXPECT_EQ(MakeConverter()->CollectEnvironments(*testCase, environments), 9);
    EXPECT_EQ(environments, (std::vector<std::string>{"Web", ".NET", "Java", ".NET Windows Forms", "Delphi",
                                                      "Visual Basic", "SAP", "WPF", "Oracle"}));

    // A test case of standard windows only associates none.
    CTestCase* plain = AddTaskTestCase(project.AddTask("Plain", root_), 1, 0);
    AddEventStep(plain, "Press", ok_, "Click");
    EXPECT_EQ(MakeConverter()->CollectEnvironments(*plain, environments), 0);
    EXPECT_TRUE(environments.empty());
}

// The repository holds each window's description as an object, nested as the statements'
// object paths nest them.
TEST_F(UftConverterTest, TheRepositoryNestsTheDescriptionsAsObjectPathsDo) {
    CWindowKav* combo = AddSpecWindow(project, "Combo", login_, {.type = kWndComboBox, .style = win32::CBS_DROPDOWN});
    AddSpecWindow(project, "Drop", login_, {.type = kWndComboBox, .numId = 7, .style = win32::CBS_DROPDOWNLIST});
    CWindowKav* menu = AddSpecWindow(project, "Menu", login_, {.type = kWndMenu});
    CWindowKav* file = AddSpecWindow(project, "File", menu, {.type = kWndMenuItem, .caption = "File"});
    AddSpecWindow(project, "Open", file, {.type = kWndMenuItem, .caption = "Open"});
    CWindowKav* sapGroup = AddSpecWindow(project, "SapGroup", login_, {.type = kWndGroupBox, .guiId = 991});
    AddSpecWindow(project, "SapOK", sapGroup, {.guiId = 991, .className = "SAPGuiButton"});
    CWindowKav* shop = AddSpecWindow(project, "Shop", nullptr,
                                     {.type = kWndCustom, .caption = "Shop", .guiId = kWeb, .className = "html_frame"});
    AddSpecWindow(project, "Query", shop, {.type = kWndInputField, .caption = "q", .guiId = kWeb});
    CWindowKav* shared = project.AddWindow("Shared", nullptr, kWndDialogBox, project.Lib());
    shared->SetHasCaption(true);
    for (CWindowKav* window : {login_, shop, shared}) GenerateUftTags(*window, 1);
    ok_->GetToolData()->FindByName("qtpRep:Value")->SetValue("a]]>b");
    ok_->GetToolData()->GetAttributes().Add(new CXMLAttribute("Extra", ""));
    // An imported description may name properties it does not have.
    ok_->GetToolData()->FindChild("qtpRep:BasicIdentification")->GetChildren().Add(new CXMLElement("qtpRep:PropertyRef"));
    ok_->GetToolData()->FindChild("qtpRep:BasicIdentification")->GetChildren().back()->SetValue("missing");
    combo->GetToolData()->SetAttributeValue("Name", "Combo box");

    CXMLConverter exporter(XmlConverterMode::UftRepository);
    const std::filesystem::path path = folder_ / "repository.xml";
    ASSERT_EQ(exporter.ExportUftRepository(path), 1) << GetGlobalMessageBuffer();
    const std::string text = ReadBytes(path);
    EXPECT_TRUE(text.starts_with("<?xml version=\"1.0\" encoding=\"utf-8\" ?>\n<qtpRep:ObjectRepository "
                                 "xmlns:qtpRep=\"http://www.mercury.com/qtp/ObjectRepository\">\n<qtpRep:Objects>\n"))
        << text;
    EXPECT_TRUE(text.ends_with(
        "</qtpRep:Objects>\n<qtpRep:Parameters>\n"
        "<qtpRep:Parameter Name=\"param1\">\n<qtpRep:DefaultValue Parameter=\"No\"><![CDATA[default]]></qtpRep:DefaultValue>\n"
        "<qtpRep:Description/>\n</qtpRep:Parameter>\n"
        "<qtpRep:Parameter Name=\"param2\">\n<qtpRep:DefaultValue Parameter=\"No\"><![CDATA[default]]></qtpRep:DefaultValue>\n"
        "<qtpRep:Description/>\n</qtpRep:Parameter>\n"
        "<qtpRep:Parameter Name=\"param3\">\n<qtpRep:DefaultValue Parameter=\"No\"><![CDATA[default]]></qtpRep:DefaultValue>\n"
        "<qtpRep:Description/>\n</qtpRep:Parameter>\n</qtpRep:Parameters>\n<qtpRep:Metadata/>\n</qtpRep:ObjectRepository>\n"));
    const std::vector<std::string> fragments = {
        // Every attribute, an empty one too; "]]>" split across two sections; no reference to a
        // missing property.
        "<qtpRep:Object Class=\"WinButton\" Name=\"OK\" Extra=\"\">\r\n<qtpRep:Properties>\r\n"
        "<qtpRep:Property Name=\"nativeclass\" Type=\"STRING\" RegularExpression=\"-1\">\r\n"
        "<qtpRep:Value><![CDATA[a]]]]><![CDATA[>b]]></qtpRep:Value>\r\n</qtpRep:Property>\r\n",
        "<qtpRep:PropertyRef>text</qtpRep:PropertyRef>\r\n</qtpRep:BasicIdentification>\r\n</qtpRep:Object>\r\n",
        // An edit field is found by its native class alone.
        "<qtpRep:Object Class=\"WinEdit\" Name=\"Name\">\r\n<qtpRep:Properties>\r\n"
        "<qtpRep:Property Name=\"nativeclass\" Type=\"STRING\">\r\n<qtpRep:Value><![CDATA[Edit]]></qtpRep:Value>\r\n"
        "</qtpRep:Property>\r\n</qtpRep:Properties>\r\n<qtpRep:BasicIdentification>\r\n"
        "<qtpRep:PropertyRef>nativeclass</qtpRep:PropertyRef>\r\n</qtpRep:BasicIdentification>\r\n</qtpRep:Object>\r\n",
        // The edit field of a combo box, by the combo box's model name; a drop list has none.
        "<qtpRep:Object Class=\"WinComboBox\" Name=\"Combo box\">\r\n",
        "<qtpRep:ChildObjects>\r\n<qtpRep:Object Class=\"WinEdit\" Name=\"Combo\">\r\n",
        "<qtpRep:Object Class=\"WinComboBox\" Name=\"Drop\">\r\n<qtpRep:Properties>\r\n",
        // Menu items are no objects; the SAP button goes into the dialog.
        "<qtpRep:Object Class=\"WinMenu\" Name=\"Menu\">\r\n<qtpRep:Properties>\r\n",
        "</qtpRep:Object>\r\n<qtpRep:Object Class=\"SAPGuiButton\" Name=\"SapOK\">\r\n",
        // A browser holds its page, which is identified by its title.
        "<qtpRep:Object Class=\"Browser\" Name=\"Shop\">\r\n",
        "<qtpRep:ChildObjects>\r\n<qtpRep:Object Class=\"Page\" Name=\"Shop\">\r\n<qtpRep:Properties>\r\n"
        "<qtpRep:Property Name=\"title\" Type=\"STRING\" RegularExpression=\"-1\">\r\n",
        "<qtpRep:PropertyRef>title</qtpRep:PropertyRef>\r\n</qtpRep:BasicIdentification>\r\n<qtpRep:ChildObjects>\r\n"
        "<qtpRep:Object Class=\"WebEdit\" Name=\"Query\">\r\n",
        // A library's window is named with its library.
        "<qtpRep:Object Class=\"Dialog\" Name=\"^Lib:Shared\">\r\n",
    };
    for (const std::string& fragment : fragments) EXPECT_NE(text.find(fragment), std::string::npos) << fragment << "\n" << text;
    for (const char* absent : {"missing", "Name=\"File\"", "Name=\"Open\"", "Name=\"SapGroup\"", "Name=\"Drop\">\r\n<qtpRep:ChildObjects"})
        EXPECT_EQ(text.find(absent), std::string::npos) << absent;
    EXPECT_TRUE(PassesXmlLint(path));
    EXPECT_TRUE(PassesReader("python3 -c 'import sys, xml.etree.ElementTree as E\n"
                             "values = [e.text for e in E.parse(sys.argv[1]).iter() if e.tag.endswith(\"}Value\")]\n"
                             "sys.exit(0 if \"a]]>b\" in values else str(values))'",
                             path));
}

TEST_F(UftConverterTest, AWindowWithoutUsableDescriptionStopsTheRepository) {
    CXMLConverter exporter(XmlConverterMode::UftRepository);
    const std::filesystem::path path = folder_ / "repository.xml";
    std::ofstream(path) << "old";
    ok_->GetToolData()->SetAttributeValue("Class", "");
    EXPECT_EQ(Refusal([&] { return exporter.ExportUftRepository(path); }),
              "Window 'OK' cannot be matched to a UFT class! [W1195]");
    CWindowKav* loose = AddSpecWindow(project, "Loose", login_, {.caption = "x"});
    ok_->GetToolData()->SetAttributeValue("Class", "WinButton");
    EXPECT_EQ(Refusal([&] { return exporter.ExportUftRepository(path); }),
              "Window 'Loose' is missing imported XML information! [W1190]");
    EXPECT_EQ(ReadBytes(path), "old");
    loose->SetToolData(login_->GetToolData()->Clone());
    const std::filesystem::path blocked = folder_ / "missing" / "repository.xml";
    EXPECT_EQ(Refusal([&] { return exporter.ExportUftRepository(blocked); }),
              "Could not create file " + blocked.string() + "! [W1178]");
}

// The row of the converter table writes each test into its folder as UFT would: the action's
// script as Action1/Script.mts in UTF-16.
TEST_F(UftConverterTest, TheFileBackendWritesEachTestIntoAFolderOfItsOwn) {
    AddEventStep(AddTaskTestCase(task_, 1, 0), "Press", ok_, "Click");
    AddEventStep(AddTaskTestCase(task_, 2, 0), "Enter", name_, "Input(\"\u00e9t\u00e9\")");
    // A window named like the repository folder gets a folder of its own; test cases with one
    // display name get one each.
    CWindowKav* clash = AddSpecWindow(project, "_ObjectRepository", nullptr,
                                      {.type = kWndDialogBox, .caption = "Clash", .style = win32::WS_CAPTION});
    GenerateUftTags(*clash, 0);
    CTransitionKav* transition = project.AddTransition(clash, "Open_T1");
    for (int number : {1, 2}) AddEventStep(project.AddTestCase(number, kTestCaseGraphCoverage, nullptr, clash, transition),
                                           "Close", clash, "Close");
    // Only the folders the run writes are emptied.
    for (const char* stale : {"SignIn/old.txt", "_ObjectRepository/old.tsr", "Other/keep.txt", "keep.txt"}) {
        std::filesystem::create_directories((ProjectFolder() / stale).parent_path());
        std::ofstream(ProjectFolder() / stale) << "x";
    }
    ConvertInBatch(kFormatUft);
    EXPECT_EQ(TestInteraction().Texts(), std::vector<std::string>{});
    EXPECT_EQ(FilesBelow(ProjectFolder()),
              (std::vector<std::string>{"Other/keep.txt", "SignIn/SignIn_001/Action1/Script.mts",
                                        "SignIn/SignIn_002/Action1/Script.mts", "_ObjectRepository/UFTRepository_Demo.xml",
                                        "_ObjectRepository_2/Open_T1/Action1/Script.mts",
                                        "_ObjectRepository_2/Open_T1_2/Action1/Script.mts", "keep.txt"}));
    const std::string script = ReadUtf16(ProjectFolder() / "SignIn" / "SignIn_002" / "Action1" / "Script.mts");
    EXPECT_EQ(script, "' Test Case SignIn_002\n' Converted by KAVRO on 17.05.2024 at 09:30:00\n\n"
                      "Dialog(\"Login\").WinEdit(\"Name\").Set \"\u00e9t\u00e9\"\t\t' \n");
    std::vector<std::string> recorded;
    for (const CTestScript* record : app.GetTestScripts()) recorded.push_back(record->GetPath());
    EXPECT_EQ(recorded, (std::vector<std::string>{(ProjectFolder() / "_ObjectRepository_2").string(),
                                                  (ProjectFolder() / "SignIn").string()}));
    ExpectOutsideReaderAccepts("uft_tests.py", ProjectFolder());
}

TEST_F(UftConverterTest, AProjectWithoutDescriptionsConvertsNothing) {
    AddSpecWindow(project, "Untagged", nullptr, {.type = kWndDialogBox, .style = win32::WS_CAPTION});
    AddEventStep(AddTaskTestCase(task_, 1, 0), "Press", ok_, "Click");
    ConvertInBatch(kFormatUft);
    EXPECT_EQ(TestInteraction().Texts(),
              std::vector<std::string>{"Window 'Untagged' is missing imported XML information! [W1190]"});
    EXPECT_FALSE(std::filesystem::exists(ProjectFolder() / "SignIn"));
}

// A UFT run reports into its log, so the closing reports of the run go there too.
TEST_F(UftConverterTest, TheRunReportsItsCountIntoTheLog) {
    WriteSetting("TCC_OUTPUT_FORMAT", "7");
    CTestcaseConverterDlg empty;
    empty.progress = &progress_;
    EXPECT_EQ(empty.ConvertTestCases(nullptr, nullptr, false), 1);
    EXPECT_EQ(progress_.Log().Lines().back(), "You have to generate test cases before you can convert them! [W0516]");

    AddEventStep(AddTaskTestCase(task_, 1, 0), "Press", ok_, "Click");
    AddEventStep(AddTaskTestCase(task_, 2, 0), "Press", ok_, "Click");
    CTestcaseConverterDlg dialog;
    dialog.progress = &progress_;
    EXPECT_EQ(dialog.ConvertTestCases(nullptr, nullptr, false), 1);
    EXPECT_EQ(progress_.Log().Lines().back(), "2 Test Case(s) converted! [I0012]");
    EXPECT_EQ(TestInteraction().Texts(), std::vector<std::string>{});
}

TEST(UftClassTable, EveryKnownClassMapsToItsEnvironmentWindowTypeAndBuilder) {
    const std::vector<CQTPWndType>& table = GetUftClassTable();
    ASSERT_EQ(table.size(), 269u);
    std::map<int, int> perType;
    std::set<std::string> names;
    int topLevel = 0;
    for (const CQTPWndType& entry : table) {
        ++perType[entry.windowType];
        names.insert(entry.className);
        topLevel += entry.topLevel;
    }
    EXPECT_EQ(names.size(), table.size());
    EXPECT_EQ(topLevel, 28);
    EXPECT_EQ(perType, (std::map<int, int>{{0, 4}, {1, 3}, {2, 5}, {3, 85}, {4, 6}, {5, 8}, {6, 20}, {7, 4}, {8, 15},
                                          {9, 14}, {10, 10}, {11, 17}, {12, 12}, {13, 12}, {14, 12}, {15, 5}, {18, 13},
                                          {19, 15}, {20, 7}, {21, 2}}));
    const struct {
        const char* className;
        const char* environment;
        int windowType;
        int guiId;
    } samples[] = {
        {"Window", "Standard Windows", 3, 999}, {"WinObject", "Standard Windows", 3, 999},
        {"Dialog", "Standard Windows", 2, 999}, {"SwfButton", ".NET Windows Forms", 8, 990},
        {"JavaButton", "Java", 8, 996},         {"SAPGuiSession", "SAP Windows", 0, 991},
        {"WpfWindow", "Windows Presentation Foundation", 3, 993},
    };
    for (const auto& [className, environment, windowType, guiId] : samples) {
        const CQTPWndType* entry = FindClassEntry(className);
        ASSERT_NE(entry, nullptr) << className;
        EXPECT_EQ(entry->environment, environment);
        EXPECT_EQ(entry->windowType, windowType) << className;
        EXPECT_EQ(entry->guiId, guiId) << className;
    }
    EXPECT_EQ(FindClassEntry("window"), nullptr);
    const std::pair<const char*, const char*> names2[] = {
        {".NET Web Forms", ".NET"}, {".NET Windows Forms", ".NET"}, {"SAP Web", "SAP"}, {"SAP Windows", "SAP"},
        {"VisualAge", "VisualAge Smalltalk"}, {"Windows Presentation Foundation", "WPF"},
        {"Standard Windows", "Standard Windows"}, {"sap web", "sap web"},
    };
    for (const auto& [environment, expected] : names2) EXPECT_EQ(GetToolEnvironmentName(environment), expected);
}

}  // namespace
