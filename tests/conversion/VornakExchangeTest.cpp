// The VORNAK exchange: test packages of windows and tasks, test items, the automation of their
// scripts, the package mode that writes back what the product keeps, and the exchange file.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <optional>

#include "ConversionFixture.h"
#include "XmlLint.h"
#include "conversion/framework/OutputFormats.h"
#include "conversion/vornak/VornakFragments.h"
#include "conversion/xml/XMLConverter.h"
#include "model/TestScript.h"
#include "model/XMLElement.h"
#include "platform/MessageBuffer.h"

namespace {

constexpr const char* kHeader =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE VORNAK_EXCHANGE SYSTEM \"teststructure.dtd\">\n"
    "<VORNAK_EXCHANGE>\n";
constexpr const char* kFooter = "</VORNAK_EXCHANGE>\n";

class VornakExchangeTest : public ConversionTest {
protected:
    void SetUp() override {
        ConversionTest::SetUp();
        root_->SetID("root");
    }

    // A test case of the task with one step, its unique ID given.
    CTestCase* TaskCase(CTaskKav* task, int number, const std::string& uid) {
        CTestCase* testCase = project.AddTestCase(number, kTestCaseGraphCoverage, task);
        testCase->SetUniqueId(uid);
        AddStep(testCase, "s", nullptr, "do", "done");
        return testCase;
    }
    // A transition test of the window, named after the transition.
    CTestCase* WindowCase(CWindowKav* window, const std::string& transition, const std::string& uid) {
        CTestCase* testCase =
            project.AddTestCase(1, kTestCaseTransition, nullptr, window, project.AddTransition(window, transition));
        testCase->SetUniqueId(uid);
        return testCase;
    }
    CTaskKav* Task(const std::string& name, CTaskKav* parent, int type = kTaskPlain) {
        CTaskKav* task = project.AddTask(name, parent, type);
        task->SetID(name);
        return task;
    }
    CWindowKav* Window(const std::string& name, CWindowKav* parent = nullptr, bool caption = true) {
        CWindowKav* window = project.AddWindow(name, parent, parent ? kWndDialogBox : kWndMain);
        window->SetInternalID(name);
        window->SetHasCaption(caption);
        return window;
    }
    void AddScript(CWindowKav* window, CTaskKav* task, int format, const std::string& path) {
        auto* script = new CTestScript;
        script->SetWindow(window);
        script->SetTask(task);
        script->SetFormat(format);
        script->SetPath(path);
        app.AddTestScript(script);
    }

    std::string Items(CWindowKav* window, CTaskKav* task, bool force = false, int expected = 1) {
        std::string out = "stale";
        EXPECT_EQ(converter.WriteVornakTestItems(window, task, false, force, nullptr, out), expected);
        return out;
    }
    // Packages and items of a fragment or an exchange file with their IDs, nested as written:
    // "TP:a{TC:kavrotc-1}".
    std::string Outline(const std::string& fragment) {
        CXMLConverter reader(XmlConverterMode::VornakExchange);
        const bool wholeFile = fragment.starts_with("<?xml");
        std::unique_ptr<CXMLElement> tree = reader.ParseElementTree(wholeFile ? fragment : "<all>" + fragment + "</all>");
        if (!tree) return "unreadable: " + fragment;
        return OutlineOf(*tree);
    }
    static std::string OutlineOf(const CXMLElement& element) {
        std::string outline;
        for (const CXMLElement* child : element.GetChildren()) {
            if (child->GetName() != "TP" && child->GetName() != "TC") continue;
            if (!outline.empty()) outline += ",";
            outline += child->GetName() + ":" + child->GetAttributeValue("user_defined_id");
            if (const std::string inner = OutlineOf(*child); !inner.empty()) outline += "{" + inner + "}";
        }
        return outline;
    }

    std::filesystem::path Output() const { return folder_ / "vornak.xml"; }
    std::string Export(CWindowKav* window = nullptr, CTaskKav* task = nullptr) {
        EXPECT_EQ(converter.ExportVornakExchange(Output(), window, task), 1) << GetGlobalMessageBuffer();
        EXPECT_TRUE(PassesXmlLint(Output()));
        return ReadBytes(Output());
    }

    CXMLConverter converter{XmlConverterMode::VornakExchange};
};

TEST_F(VornakExchangeTest, AProjectWithoutPlainTasksGivesOnlyTheFrame) {
    Window("Main");
    Task("Blocks", root_, kTaskBuildingBlock);
    EXPECT_EQ(Export(), std::string(kHeader) + kFooter);
}

TEST_F(VornakExchangeTest, TheRootFolderIsAPackageEvenWhenNothingInItHasTestCases) {
    Task("Idle", root_);
    root_->SetTestType("Regression");
    root_->SetDescription("All of it");
    EXPECT_EQ(Export(), std::string(kHeader) +
                            "<TP user_defined_id=\"root\" name=\"Root\" test_category=\"Regression\" document=\"\">\r\n"
                            "<DESCRIPTION>All of it</DESCRIPTION>\r\n<PRECONDITION/>\r\n<POSTCONDITION/>\r\n</TP>\r\n" +
                            kFooter);
}

TEST_F(VornakExchangeTest, ATestItemCarriesItsStepsFieldsAndSituation) {
    CTaskKav* task = Task("Login", root_);
    task->SetTestGoal("Logs in");
    task->SetPrecondition("logged out");
    CTestCase* testCase = project.AddTestCase(7, kTestCaseGraphCoverage, task);
    testCase->SetUniqueId("u7");
    testCase->SetErrorCase(1);
    CTestStep* typed = AddStep(testCase, "a", nullptr, "Type <name>", "accepted");
    typed->SetInput("bob & co");
    typed->GetAttributes().Add(new CAttributeKav("Tester", 0, "me"));
    typed->GetAttributes().Add(new CAttributeKav("Build", 0, ""));
    AddStep(testCase, "b")->SetCommands("Call=Login");
    AddStep(testCase, "c")->SetEvent("Click(OK)");

    EXPECT_EQ(Items(nullptr, task, true),
              "<TP user_defined_id=\"Login\" name=\"Login\" test_category=\"\" document=\"\">\r\n"
              "<DESCRIPTION/>\r\n<PRECONDITION>logged out</PRECONDITION>\r\n<POSTCONDITION/>\r\n"
              "<TC user_defined_id=\"kavrotc-u7\" name=\"Login_007\" situation=\"Error\" state=\"Ready\" "
              "inherit_requirements=\"true\" inherit_attributes=\"true\">\r\n"
              "<TESTGOAL>Logs in</TESTGOAL>\r\n<PRECONDITION>logged out</PRECONDITION>\r\n<POSTCONDITION/>\r\n"
              "<STEP>\r\n<INSTRUCTION>Type &lt;name&gt;</INSTRUCTION>\r\n<INPUT>bob &amp; co</INPUT>\r\n"
              "<EXPECTED>accepted</EXPECTED>\r\n"
              "<USR_FIELD name=\"Tester\">\r\n<VALUE>me</VALUE>\r\n</USR_FIELD>\r\n"
              "<USR_FIELD name=\"Build\">\r\n<VALUE/>\r\n</USR_FIELD>\r\n</STEP>\r\n"
              "<STEP>\r\n<INSTRUCTION/>\r\n<INPUT>Call=Login</INPUT>\r\n<EXPECTED/>\r\n</STEP>\r\n"
              "<STEP>\r\n<INSTRUCTION/>\r\n<INPUT>Click(OK)</INPUT>\r\n<EXPECTED/>\r\n</STEP>\r\n"
              "</TC>\r\n</TP>\r\n");
}

TEST_F(VornakExchangeTest, AWindowsTestItemNamesItsKindAndHasNoConditions) {
    CWindowKav* main = Window("Main");
    WindowCase(main, "Main_T1", "w1");
    const std::string text = Items(main, nullptr);
    EXPECT_NE(text.find("name=\"Main_T1\" situation=\"Regular\""), std::string::npos) << text;
    EXPECT_NE(text.find("<TESTGOAL>Transition Test</TESTGOAL>\r\n<PRECONDITION/>\r\n<POSTCONDITION/>\r\n</TC>"),
              std::string::npos)
        << text;
}

struct AutomationCase {
    int format;
    std::string path;
    std::optional<VornakAutomation> expected;
};

TEST(VornakAutomation, EachScriptFormatTellsItsToolWhereToRunTheTestCase) {
    const AutomationCase cases[] = {
        {kFormatSilkTest, "C:\\s\\x.inc", VornakAutomation{"SilkTest", "C:\\s\\x.t", ""}},
        {kFormatSilkTest, "C:\\s.d\\x", VornakAutomation{"SilkTest", "C:\\s.d\\x", ""}},
        {kFormatSilkTest, "/s/x.inc", VornakAutomation{"SilkTest", "/s/x.t", ""}},
        {kFormatTestPartner, "C:\\p", VornakAutomation{"TestPartner", "", "TC_001@Demo"}},
        {kFormatUniversalFile, "C:\\u", VornakAutomation{"UniversalFile", "C:\\app.exe", "C:\\u TC_001"}},
        {kFormatUft, "C:\\q", VornakAutomation{"QuickTestPro", "C:\\q\\TC_001", ""}},
        {kFormatUft, "/scripts/q", VornakAutomation{"QuickTestPro", "/scripts/q/TC_001", ""}},
        {kFormatWinRunner, "C:\\a\\b", VornakAutomation{"WinRunner", "C:\\a", ""}},
        {kFormatWinRunner, "flat", VornakAutomation{"WinRunner", "flat", ""}},
        {kFormatRanorex, "C:\\r", VornakAutomation{"Ranorex", "C:\\r", ""}},
        {kFormatPlainText, "C:\\x", std::nullopt},
        {kFormatEsaDovaXml, "C:\\x", std::nullopt},
        {kFormatVornakXml, "C:\\x", std::nullopt},
        {kFormatAlmSheet, "C:\\x", std::nullopt},
    };
    for (const AutomationCase& c : cases) {
        const auto automation = GetVornakAutomation(c.format, c.path, "TC_001", "Demo", "C:\\app.exe");
        ASSERT_EQ(automation.has_value(), c.expected.has_value()) << c.format << " " << c.path;
        if (!automation) continue;
        EXPECT_EQ(automation->tool, c.expected->tool);
        EXPECT_EQ(automation->file, c.expected->file) << c.format << " " << c.path;
        EXPECT_EQ(automation->data, c.expected->data) << c.format << " " << c.path;
    }
}

TEST_F(VornakExchangeTest, TestItemsOfAScriptedTaskSayHowToRunThem) {
    CTaskKav* silk = Task("Silk", root_);
    CTaskKav* plain = Task("Plain", root_);
    TaskCase(silk, 1, "s1");
    TaskCase(plain, 1, "p1");
    AddScript(nullptr, silk, kFormatSilkTest, "C:\\s\\Silk.inc");
    AddScript(nullptr, plain, kFormatPlainText, "C:\\p");
    EXPECT_NE(Items(nullptr, silk, true).find("<AUTOMATION tool=\"SilkTest\" file=\"C:\\s\\Silk.t\" data=\"\"/>\r\n</TC>"),
              std::string::npos);
    EXPECT_EQ(Items(nullptr, plain, true).find("AUTOMATION"), std::string::npos);
}

TEST_F(VornakExchangeTest, WindowsWithoutCaptionGiveTheirTestCasesToTheirCaptionedAncestor) {
    CWindowKav* main = Window("Main");
    CWindowKav* bare = Window("Bare", main, false);
    CWindowKav* dialog = Window("Dialog", main);
    WindowCase(main, "Main_T1", "m");
    WindowCase(bare, "Bare_T1", "b");
    WindowCase(dialog, "Dialog_T1", "d");
    EXPECT_EQ(Outline(Items(main, nullptr)), "TP:Main{TC:kavrotc-m,TC:kavrotc-b,TP:Dialog{TC:kavrotc-d}}");
    EXPECT_EQ(Items(bare, nullptr), "") << "a window without caption below another writes nothing of its own";

    // Without test cases of its own or of windows without caption, a window is left out with
    // everything below it.
    CWindowKav* empty = Window("Empty");
    WindowCase(Window("Inner", empty), "Inner_T1", "i");
    EXPECT_EQ(Items(empty, nullptr), "");
}

TEST_F(VornakExchangeTest, OnlyFoldersAndTheExportedTaskOpenPackages) {
    CTaskKav* folder = Task("Folder", root_, kTaskFolder);
    CTaskKav* b = Task("B", folder);
    CTaskKav* a = Task("A", folder);
    CTaskKav* inner = Task("Inner", folder, kTaskFolder);
    CTaskKav* deep = Task("Deep", inner);
    CTaskKav* blocks = Task("Blocks", folder, kTaskFolder);
    Task("Block", blocks, kTaskBuildingBlock);
    TaskCase(b, 1, "b1");
    TaskCase(a, 1, "a1");
    TaskCase(a, 2, "a2");
    TaskCase(deep, 1, "d1");
    TaskCase(folder, 1, "f1");

    // Children by name; a plain task's items stand in its folder's package; a folder without
    // plain tasks below another folder is left out.
    EXPECT_EQ(Outline(Export()),
              "TP:root{TP:Folder{TC:kavrotc-f1,TC:kavrotc-a1,TC:kavrotc-a2,TC:kavrotc-b1,TP:Inner{TC:kavrotc-d1}}}");
    EXPECT_EQ(Outline(Export(nullptr, a)), "TP:A{TC:kavrotc-a1,TC:kavrotc-a2}") << "a plain task exported alone";
    EXPECT_EQ(Outline(Export(nullptr, blocks)), "");
}

TEST_F(VornakExchangeTest, SubtasksWithItemsBelowATaskWithoutPackageStopTheExport) {
    CTaskKav* outer = Task("Outer", root_);
    CTaskKav* parent = Task("Parent", outer);
    TaskCase(Task("Child", parent), 1, "c1");
    const std::string before = "previous export";
    std::ofstream(Output(), std::ios::binary) << before;

    std::string out = "stale";
    EXPECT_EQ(converter.WriteVornakTestItems(nullptr, outer, false, true, nullptr, out), -1);
    EXPECT_EQ(out, "");
    EXPECT_EQ(converter.ExportVornakExchange(Output(), nullptr, outer), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Task Parent is not a folder, so the test packages and test items of its "
                                        "sub-task Child have no place in the VORNAK exchange file.");
    EXPECT_EQ(ReadBytes(Output()), before) << "the previous file stays";
}

TEST_F(VornakExchangeTest, AFileThatCannotBeWrittenIsNamedInTheMessage) {
    std::filesystem::create_directories(Output());
    EXPECT_EQ(converter.ExportVornakExchange(Output(), nullptr, nullptr), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Cannot open file " + Output().string() + " [W0791]");
}

// The product's exchange document with the package of task "pkg".
constexpr const char* kProductDocument = R"(<VORNAK_EXCHANGE>
  <TP user_defined_id="other" name="Other"><TC/></TP>
  <TP user_defined_id="top" name="Top">
    <TP user_defined_id="pkg" name="Old name" chapter="4.2" val_ver="3" state="released" situation="Regular"
        extra="dropped" priority="high" doc_name="spec.doc">
      <PRECONDITION>out of order: not carried</PRECONDITION>
      <DESCRIPTION>product &amp; description</DESCRIPTION>
      <POSTCONDITION>product post</POSTCONDITION>
      <ADD_TEST_LEVEL name="system" ignored="x"/>
      <USER_DEFINED_ATTRIBUTE name="Owner" value="QA" type="text"/>
      <REQUIREMENT id="R1">
        <DESCRIPTION>Req one</DESCRIPTION>
        <REQUIREMENTSTRUCTURE name="Spec" version="2"><DESCRIPTION>Structure</DESCRIPTION></REQUIREMENTSTRUCTURE>
      </REQUIREMENT>
      <REQUIREMENT id="R2"/>
      <TC user_defined_id="kavrotc-old"/>
    </TP>
  </TP>
</VORNAK_EXCHANGE>)";

TEST_F(VornakExchangeTest, PackageModeWritesBackWhatTheProductKeepsOfThePackage) {
    CTaskKav* package = Task("pkg", root_, kTaskFolder);
    package->SetDescription("model description");
    TaskCase(Task("Work", package), 1, "w1");
    CXMLInterface product;
    ASSERT_TRUE(product.SetDocument(kProductDocument));

    std::string out;
    ASSERT_EQ(converter.WriteVornakTestItems(nullptr, package, true, false, &product, out), 1);
    const size_t items = out.find("<TC ");
    ASSERT_NE(items, std::string::npos) << out;
    EXPECT_EQ(out.substr(0, items),
              "<TP user_defined_id=\"pkg\" name=\"pkg\" test_category=\"\" document=\"\" tp_type=\"taskpackage\" "
              "val_ver=\"3\" situation=\"Regular\" priority=\"high\" state=\"released\" doc_name=\"spec.doc\" "
              "chapter=\"4.2\" inherit_requirements=\"\" inherit_attributes=\"\">\r\n"
              "<DESCRIPTION>product &amp; description</DESCRIPTION>\r\n<PRECONDITION/>\r\n"
              "<POSTCONDITION>product post</POSTCONDITION>\r\n"
              "<ADD_TEST_LEVEL name=\"system\"/>\r\n"
              "<USER_DEFINED_ATTRIBUTE name=\"Owner\" value=\"QA\" type=\"text\"/>\r\n"
              "<REQUIREMENT id=\"R1\">\r\n<DESCRIPTION>Req one</DESCRIPTION>\r\n"
              "<REQUIREMENTSTRUCTURE name=\"Spec\" version=\"2\">\r\n<DESCRIPTION>Structure</DESCRIPTION>\r\n"
              "</REQUIREMENTSTRUCTURE>\r\n</REQUIREMENT>\r\n"
              "<REQUIREMENT id=\"R2\">\r\n<DESCRIPTION/>\r\n<REQUIREMENTSTRUCTURE name=\"\" version=\"\">\r\n"
              "<DESCRIPTION/>\r\n</REQUIREMENTSTRUCTURE>\r\n</REQUIREMENT>\r\n");
    EXPECT_EQ(Outline(out), "TP:pkg{TC:kavrotc-w1}");

    // A package the product does not know is marked as the task's and keeps the model's texts.
    CTaskKav* fresh = Task("fresh", root_, kTaskFolder);
    fresh->SetDescription("new & shiny");
    TaskCase(Task("Job", fresh), 1, "j1");
    ASSERT_EQ(converter.WriteVornakTestItems(nullptr, fresh, true, false, &product, out), 1);
    EXPECT_EQ(out.substr(0, out.find("<TC ")),
              "<TP user_defined_id=\"fresh\" name=\"fresh\" test_category=\"\" document=\"\" tp_type=\"taskpackage\">\r\n"
              "<DESCRIPTION>new &amp; shiny</DESCRIPTION>\r\n<PRECONDITION/>\r\n<POSTCONDITION/>\r\n");
}

TEST(FindTestPackage, MatchesOnlyPackagesWithContentsByTheirExactIdentifier) {
    CXMLInterface document;
    ASSERT_TRUE(document.SetDocument(
        "<X><TP user_defined_id=\"empty\"/><TP user_defined_id=\"a\"><TP user_defined_id=\"b\"><TC/></TP></TP></X>"));
    const std::pair<const char*, int> cases[] = {{"a", 1}, {"b", 1}, {"empty", 0}, {"A", 0}, {"c", 0}};
    for (const auto& [id, found] : cases) {
        document.ResetPosition();
        EXPECT_EQ(CXMLConverter::FindTestPackage(document, id), found) << id;
        if (found) {
            EXPECT_EQ(document.GetCurrentAttribute("user_defined_id"), id);
        }
    }
}

TEST(FindTestPackage, ADeeplyNestedDocumentIsSearchedWithoutExhaustingTheStack) {
    constexpr int kDepth = 200000;
    std::string text;
    for (int i = 0; i < kDepth; ++i) text += "<TP user_defined_id=\"x\">";
    text += "<TP user_defined_id=\"deep\"><TC/></TP>";
    for (int i = 0; i < kDepth; ++i) text += "</TP>";
    CXMLInterface document;
    ASSERT_TRUE(document.SetDocument(text));
    EXPECT_EQ(CXMLConverter::FindTestPackage(document, "deep"), 1);
    document.ResetPosition();
    EXPECT_EQ(CXMLConverter::FindTestPackage(document, "none"), 0);
}

TEST_F(VornakExchangeTest, BatchConversionInTheVornakFormatWritesTheExchangeFileAndSaysSo) {
    app.SetVornakPath(Output().string());
    TaskCase(Task("Job", root_), 1, "j1");
    ConvertInBatch(kFormatVornakXml);
    ASSERT_EQ(TestInteraction().messages.size(), 1u) << TestInteraction().Texts().front();
    EXPECT_EQ(TestInteraction().messages[0].text, "VORNAK export successful! [I0019]");
    EXPECT_EQ(TestInteraction().messages[0].caption, "VORNAK Export");
    EXPECT_EQ(Outline(ReadBytes(Output())), "TP:root{TC:kavrotc-j1}");
    EXPECT_TRUE(PassesXmlLint(Output()));
}

}  // namespace
