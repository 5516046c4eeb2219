// The ESA TESTITEM files of Test Commander (format 3) and EUD-ART (format 14): the test item
// and its test designs, the steps with their parameters, the nesting of building blocks, the
// object maps of the steps' applications, and what the driver reports.
#include <gtest/gtest.h>

#include <fstream>

#include "ConversionFixture.h"
#include "XmlLint.h"
#include "conversion/framework/OutputFormats.h"
#include "conversion/xml/XMLConverter.h"
#include "model/AttributeKav.h"
#include "model/Requirement.h"
#include "model/WindowKav.h"
#include "model/XMLElement.h"
#include "platform/CommandLineSettings.h"
#include "platform/MessageBuffer.h"
#include "platform/Registry.h"

namespace {

constexpr const char* kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n";

class EsaTestItemsTest : public ConversionTest {
protected:
    void SetUp() override {
        ConversionTest::SetUp();
        design_ = project.AddTask("Accounts", root_, kTaskFolder);
        task_ = project.AddTask("SignIn", design_);
    }

    std::filesystem::path Output() const { return folder_ / "out" / "items.xml"; }

    // The file of the format, written with the expected result; count -1 when it fails.
    std::string Export(bool eudArt, int expected = 1) {
        CXMLConverter converter(eudArt ? XmlConverterMode::EsaEudArt : XmlConverterMode::EsaDova);
        count_ = -1;
        const int result = eudArt ? converter.ExportTestItems(Output(), count_) : converter.ExportTestItemsWithSteps(Output(), count_);
        EXPECT_EQ(result, expected) << GetGlobalMessageBuffer();
        if (result != 1) return {};
        EXPECT_TRUE(PassesXmlLint(Output()));
        return ReadBytes(Output());
    }

    CTestStep* Step(CTestCase* testCase, const std::string& name, const std::string& commands, int delay = 0,
                    CWindowKav* window = nullptr) {
        CTestStep* step = AddStep(testCase, name, window);
        step->SetCommands(commands);
        step->SetDelay(delay);
        step->SetId("id_" + name);
        return step;
    }

    // A top-level window of the application with one child of the same application.
    CWindowKav* ApplicationWindow(const std::string& name, const std::string& application) {
        CWindowKav* window = AddCaptionedWindow(name);
        window->SetInternalID(name);
        window->SetSmurfValue("application", application, nullptr, false);
        return window;
    }

    // The TESTDESIGN, TESTCASE and STEP elements as nested outline: "D:Accounts{C:SignIn_001{S:1}}".
    static std::string Outline(const std::string& text) {
        CXMLConverter reader(XmlConverterMode::EsaDova);
        std::unique_ptr<CXMLElement> tree = reader.ParseElementTree(text);
        return tree ? OutlineOf(*tree) : "unreadable";
    }
    static std::string OutlineOf(const CXMLElement& element) {
        std::string outline;
        for (const CXMLElement* child : element.GetChildren()) {
            const std::string& kind = child->GetName();
            std::string label;
            if (kind == "TESTDESIGN") label = "D:" + child->GetAttributeValue("name");
            else if (kind == "TESTCASE") label = "C:" + child->GetAttributeValue("name");
            else if (kind == "STEP") label = "S:" + child->GetAttributeValue("step_id");
            else continue;
            if (!outline.empty()) outline += ",";
            outline += label;
            if (const std::string inner = OutlineOf(*child); !inner.empty()) outline += "{" + inner + "}";
        }
        return outline;
    }

    CTaskKav* design_ = nullptr;
    CTaskKav* task_ = nullptr;
    int count_ = -1;
};

TEST_F(EsaTestItemsTest, TheTestItemNamesTheProjectAndTheSchemaOfItsFormat) {
    const struct {
        bool eudArt;
        std::string description;
        std::string startTag;
    } cases[] = {
        {false, "a<b & \"c\"\r\nd",
         "<TESTITEM name=\"Demo\" description=\"a&lt;b &amp; &quot;c&quot;&#xd;&#xa;d\" version=\"1.0\" "
         "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
         "xsi:noNamespaceSchemaLocation=\"TestExecutionSpecification.xsd\">\n"},
        {true, "",
         "<TESTITEM name=\"Demo\" version=\"1.0\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
         "xsi:noNamespaceSchemaLocation=\"TestExecutionSpecification_EUD-ART.xsd\">\n"},
    };
    for (const auto& c : cases) {
        app.SetDescription(c.description);
        // No test case: the item stays empty.
        EXPECT_EQ(Export(c.eudArt), kDeclaration + c.startTag + "</TESTITEM>\n");
        EXPECT_EQ(count_, 0);
    }
}

TEST_F(EsaTestItemsTest, OnlyTopLevelFoldersWithTasksAndTestCasesAreTestDesigns) {
    CTaskKav* nested = project.AddTask("Sessions", design_, kTaskFolder);
    CTaskKav* deep = project.AddTask("Logout", nested);
    CTaskKav* blocks = project.AddTask("Blocks", root_, kTaskFolder);
    CTaskKav* block = project.AddTask("Confirm", blocks, kTaskBuildingBlock);
    CTaskKav* idle = project.AddTask("Idle", root_, kTaskFolder);
    project.AddTask("Nothing", idle);
    CTaskKav* loose = project.AddTask("Loose", root_);
    for (CTaskKav* task : {task_, deep, block, loose}) AddTaskTestCase(task, 1);
    design_->GetRequirements().push_back(project.AddRequirement("REQ-1"));

    const std::string text = Export(false);
    EXPECT_EQ(Outline(text), "D:Accounts{C:Logout_001{S:},C:SignIn_001{S:}}");
    EXPECT_EQ(count_, 2);
    EXPECT_NE(text.find("<TESTDESIGN name=\"Accounts\">\r\n<REQUIREMENT id=\"REQ-1\"/>\r\n<TESTCASE name=\"Logout_001\""),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("<TESTCASE name=\"SignIn_001\""), std::string::npos);
    for (const char* absent : {"Confirm_001", "Loose_001", "Idle", "Blocks"})
        EXPECT_EQ(text.find(absent), std::string::npos) << absent;
}

TEST_F(EsaTestItemsTest, CommanderStepsCarryTheirTextsTimeoutAndParameters) {
    task_->SetDescription("Signs in");
    const struct {
        int delay;
        std::string commands;
        int criticality;
        std::string step;
    } cases[] = {
        {-1, "Press\r\nEnter it\r\nfield=Name\r\nvalue=a=b\r\nskipped", 3,
         "<STEP name=\"s\" instruction=\"Press\" criticality=\"CRITICAL\" expected_result_value=\"7\">\r\n"
         "<PARAMETER name=\"field\" value=\"Name\"/>\r\n<PARAMETER name=\"value\" value=\"a=b\"/>\r\n</STEP>\r\n"},
        {0, "Close", 0,
         "<STEP name=\"s\" instruction=\"Close\" criticality=\"NEGLIGIBLE\" timeout=\"0\" expected_result_value=\"7\"/>\r\n"},
        {250, "", 2, "<STEP name=\"s\" criticality=\"MAJOR\" timeout=\"250\" expected_result_value=\"7\"/>\r\n"},
    };
    for (const auto& c : cases) {
        app.GetTestCases().DeleteAll();
        CTestStep* step = Step(AddTaskTestCase(task_, 1, 0), "s", c.commands, c.delay);
        step->SetCriticality(c.criticality);
        step->SetResultValue("7");
        const std::string text = Export(false);
        EXPECT_NE(text.find("<TESTCASE name=\"SignIn_001\" type=\"Graph Coverage\" description=\"Signs in\">\r\n" + c.step +
                            "</TESTCASE>"),
                  std::string::npos)
            << text;
    }
}

TEST_F(EsaTestItemsTest, EachApplicationTheStepsNameGetsOneObjectMapBesideTheFile) {
    CWindowKav* main = ApplicationWindow("Main", "app1");
    CWindowKav* field = project.AddWindow("Field", main, kWndInputField);
    field->SetInternalID("Field");
    field->SetSmurfValue("application", "app1", nullptr, false);
    ApplicationWindow("Tool", "app2");
    ApplicationWindow("Unused", "app3");
    CTestCase* testCase = AddTaskTestCase(task_, 1, 0);
    Step(testCase, "a", "", 0, field);
    Step(testCase, "b", "", 0, main);
    Step(testCase, "c", "Start\r\n\r\napplication=--APPLICATION=app2\r\nApplication=app3");

    Export(false);
    EXPECT_EQ(FilesBelow(Output().parent_path()),
              (std::vector<std::string>{"app1/TestObjects.xml", "app2/TestObjects.xml", "items.xml"}));
    const std::string map = ReadBytes(Output().parent_path() / "app1" / "TestObjects.xml");
    for (const char* window : {"<symbolicName>Main</symbolicName>", "<symbolicName>Field</symbolicName>"}) {
        const size_t at = map.find(window);
        EXPECT_NE(at, std::string::npos) << window;
        EXPECT_EQ(map.find(window, at + 1), std::string::npos) << window << " twice";
    }
}

TEST_F(EsaTestItemsTest, FailuresNameWhatCouldNotBeWritten) {
    ApplicationWindow("Main", "app1");
    Step(AddTaskTestCase(task_, 1, 0), "a", "Go\r\n\r\napplication=app1");

    std::filesystem::create_directories(Output());
    Export(false, 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Could not create file " + Output().string() + "! [W0927]");
    std::filesystem::remove(Output());

    // The test items are written before the maps.
    std::ofstream(Output().parent_path() / "app1") << "in the way";
    Export(false, 0);
    EXPECT_EQ(GetGlobalMessageBuffer(),
              "Could not create directory " + (Output().parent_path() / "app1").string() + "! [W0695]");
    EXPECT_TRUE(PassesXmlLint(Output()));
}

// Generation records the blocks a step lies in, outermost first, then the step's own place.
TEST_F(EsaTestItemsTest, EudArtNestsTheBuildingBlocksOfEachStepByDepth) {
    task_->SetTestType("Functional");
    task_->SetConfiguration("Linux");
    CTaskKav* libraryTask = project.AddTask("InLibrary", design_, kTaskPlain, project.Lib());
    CTestCase* testCase = AddTaskTestCase(task_, 1, 0);
    const auto record = [](CTestStep* step, const std::string& id, const std::string& block, int depth,
                           const std::string& hierarchy) {
        return step->GetBBInfos().Add(new CTestStepBBInfo(id, block, "", "", "pre " + id, "", "post " + id, depth, hierarchy));
    };
    CTestStep* first = Step(testCase, "first", "Click\r\nPress\r\nbutton=OK");
    record(first, "1", "t_outer", 1, "@Outer")->GetAttributes().Add(new CAttributeKav("User", 0, "ann"));
    record(first, "1.1", "t_inner", 2, "^Lib:@Inner");
    record(first, "1.1.1", "", 3, "^Lib:@Inner:Press OK");
    record(Step(testCase, "second", "Click"), "1.1.2", "", 3, "^Lib:@Inner:Press OK");
    record(Step(testCase, "third", ""), "2", "", 1, "@SignIn:Done");
    CTestStep* plain = Step(testCase, "fourth", "", -1);
    plain->SetTask(libraryTask);

    const std::string text = Export(true);
    EXPECT_EQ(Outline(text), "D:Accounts{C:SignIn_001{S:1{S:1.1{S:1.1.1,S:1.1.2}},S:2,S:4}}");
    EXPECT_NE(text.find("<TESTCASE name=\"SignIn_001\" type=\"Graph Coverage\" category=\"Functional\" "
                        "configuration=\"Linux\" criticality=\"MAJOR\">\r\n"
                        "<STEP name=\"Outer\" is_executable=\"0\" step_id=\"1\" depth=\"1\" library=\"Demo\" "
                        "description=\"pre 1\" expected_result_text=\"post 1\" internal_id=\"t_outer\">\r\n"
                        "<PARAMETER name=\"User\" value=\"ann\"/>\r\n"
                        "<STEP name=\"Inner\" is_executable=\"0\" step_id=\"1.1\" depth=\"2\" library=\"Lib\" "
                        "description=\"pre 1.1\" expected_result_text=\"post 1.1\" internal_id=\"t_inner\">\r\n"
                        "<STEP name=\"Press OK\" is_executable=\"1\" step_id=\"1.1.1\" depth=\"3\" library=\"Lib\" "
                        "test_oracle=\"COMPARE_INTEGER\" instruction=\"Click\" criticality=\"MAJOR\" timeout=\"0\" "
                        "internal_id=\"id_first\">\r\n"
                        "<PARAMETER name=\"button\" value=\"OK\"/>\r\n</STEP>\r\n"),
              std::string::npos)
        << text;
    // A step without records is an executable step of its own, in the file of its task.
    EXPECT_NE(text.find("<STEP name=\"fourth\" is_executable=\"1\" step_id=\"4\" depth=\"1\" library=\"Lib.xml\" "
                        "test_oracle=\"COMPARE_INTEGER\" criticality=\"MAJOR\" internal_id=\"id_fourth\"/>\r\n</TESTCASE>"),
              std::string::npos)
        << text;
}

TEST_F(EsaTestItemsTest, AReferenceThatDoesNotSplitEndsTheExportAndKeepsTheOldFile) {
    std::filesystem::create_directories(Output().parent_path());
    std::ofstream(Output()) << "old";
    CTestStep* step = Step(AddTaskTestCase(task_, 1, 0), "s", "");
    step->GetBBInfos().Add(new CTestStepBBInfo("1", "", "", "", "", "", "", 1, "^NoColon"));
    Export(true, 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Invalid Designator: ':' missing after library name '^NoColon' [W1207]");
    EXPECT_EQ(ReadBytes(Output()), "old");
}

// The whole road: the proposed file, and reports only outside batch mode.
TEST_F(EsaTestItemsTest, TheDriverReportsTheCountOrThatThereWasNothingToConvert) {
    app.SetScriptPath(Scripts().string());
    const struct {
        int format;
        bool batch;
        int testCases;
        std::vector<std::string> texts;
        const char* file;
    } cases[] = {
        {kFormatEsaDovaXml, false, 0, {FormatMessageId(44926)}, "DOVA_Demo.xml"},
        {kFormatEsaDovaXml, true, 0, {}, "DOVA_Demo.xml"},
        {kFormatEsaEudArtXml, false, 2, {"2 Test Case(s) converted! [I0020]"}, "EUD-ART_Demo.xml"},
        {kFormatEsaEudArtXml, true, 2, {}, "EUD-ART_Demo.xml"},
    };
    for (const auto& c : cases) {
        app.GetTestCases().DeleteAll();
        for (int i = 1; i <= c.testCases; ++i) AddTaskTestCase(task_, i);
        GetCommandLineSettings().outputFormat = c.format;
        WriteRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), "TCC_OUTPUT_FORMAT",
                            std::to_string(c.format), kRegistryText);
        TestInteraction().messages.clear();
        EXPECT_EQ(CTestcaseConverterDlg().ConvertTestCases(nullptr, nullptr, c.batch), 1);
        EXPECT_EQ(TestInteraction().Texts(), c.texts) << c.format << " " << c.batch;
        if (!TestInteraction().messages.empty()) {
            EXPECT_EQ(TestInteraction().messages[0].caption, c.testCases ? "Export Successful" : "Export Error");
        }
        EXPECT_TRUE(std::filesystem::exists(Scripts() / c.file)) << c.file;
    }
}

}  // namespace
