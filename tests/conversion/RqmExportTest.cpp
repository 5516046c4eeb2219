// The IBM quality manager export: a test script per test case and a test case per window or
// task, their names, the steps they show, the sections of a task's description and where a
// description that lacks them is reported.
#include <gtest/gtest.h>

#include <fstream>

#include "ConversionFixture.h"
#include "XmlLint.h"
#include "conversion/ibmqm/RqmFiles.h"
#include "conversion/xml/XMLConverter.h"
#include "model/DataField.h"
#include "model/DataRecord.h"
#include "model/DataSet.h"
#include "model/WindowKav.h"
#include "platform/MessageBuffer.h"
#include "platform/Progress.h"

namespace {

class RqmExportTest : public ConversionTest {
protected:
    int Export(CWindowKav* window = nullptr, CTaskKav* task = nullptr) {
        CXMLConverter converter(XmlConverterMode::QualityManager);
        converter.SetLog(&progress_);
        return converter.ExportRqm(Scripts(), window, task);
    }
    std::string File(const std::string& name) const { return ReadBytes(ProjectFolder() / name); }
    void ExpectEveryFileReads() const {
        for (const std::string& file : FilesBelow(ProjectFolder())) EXPECT_TRUE(PassesXmlLint(ProjectFolder() / file));
    }

    Progress progress_;
};

TEST_F(RqmExportTest, FilesAreNamedAfterTestCasesWindowsAndTasksSafelyAndOnce) {
    CWindowKav* login = AddCaptionedWindow("Login");
    CWindowKav* ok = project.AddWindow("OK", login, kWndPushButton);
    CTransitionKav* press = project.AddTransition(ok, "Press/Go");
    project.AddTestCase(1, kTestCaseTransition, nullptr, ok, press);
    project.AddTestCase(2, kTestCaseTransition, nullptr, ok, press);
    CTaskKav* task = project.AddTask("Login", root_);
    AddTaskTestCase(task, 1);

    ASSERT_EQ(Export(), 1) << GetGlobalMessageBuffer();
    // The button has no caption: its test cases are the dialog's, and it has no file of its own.
    EXPECT_EQ(FilesBelow(ProjectFolder()),
              (std::vector<std::string>{"Login_001_TS.xml", "Login_TC.xml", "Login_TC_2.xml", "Press_Go_TS.xml",
                                        "Press_Go_TS_2.xml", "Root_TC.xml"}));
    const std::string window = File("Login_TC.xml");
    for (const char* script : {"Press_Go_TS.xml", "Press_Go_TS_2.xml"}) {
        const std::string placeholder = std::string("[RESOURCE FILE:") + script + "]";
        EXPECT_NE(window.find("<attachment href=\"https://qm.example.com:9443/qm/secure/service/"
                              "com.ibm.rqm.integration.service.IIntegrationService/resources/[PROJEKTNAME]/attachment/" +
                              placeholder + "\"/>"),
                  std::string::npos)
            << window;
        EXPECT_NE(window.find("<testscript href=\"https://qm.example.com:9443/qm/service/"
                              "com.ibm.rqm.integration.service.IIntegrationService/resources/[PROJEKTNAME]/testscript/" +
                              placeholder + "\"/>"),
                  std::string::npos)
            << window;
    }
    EXPECT_NE(File("Login_TC_2.xml").find("[RESOURCE FILE:Login_001_TS.xml]"), std::string::npos);
    EXPECT_NE(File("Press_Go_TS_2.xml").find("<dc:title>Press/Go</dc:title>"), std::string::npos);
    ExpectEveryFileReads();
}

TEST_F(RqmExportTest, TheScopeIsTheWindowOrTheTaskWithItsChildren) {
    CWindowKav* main = AddCaptionedWindow("Main");
    AddCaptionedWindow("Dialog", main);
    AddCaptionedWindow("Other");
    CTaskKav* folder = project.AddTask("Folder", root_, kTaskFolder);
    project.AddTask("Inner", folder);
    project.AddTask("Outside", root_);

    ASSERT_EQ(Export(main), 1);
    EXPECT_EQ(FilesBelow(ProjectFolder()), (std::vector<std::string>{"Dialog_TC.xml", "Main_TC.xml"}));
    std::filesystem::remove_all(ProjectFolder());
    ASSERT_EQ(Export(nullptr, folder), 1);
    EXPECT_EQ(FilesBelow(ProjectFolder()), (std::vector<std::string>{"Folder_TC.xml", "Inner_TC.xml"}));
}

TEST_F(RqmExportTest, StepsWithTextShowTheirParagraphsAndAttachedPicture) {
    const CTestStep step1("a", "", "", "Press <OK>\r\nonce", "shot \"1\" & co.png", "", nullptr, nullptr, 0, 2, "",
                          nullptr, nullptr, nullptr, "");
    const CTestStep silent("b", "", "", "", "ignored.png", "", nullptr, nullptr, 0, 2, "", nullptr, nullptr, nullptr, "");
    const CTestStep expected("c", "", "", "", "", "Done", nullptr, nullptr, 0, 2, "", nullptr, nullptr, nullptr, "");
    const std::string text = BuildRqmTestScript("T <1>", "", {&step1, &silent, &expected});

    const std::string url = "https://qm.example.com:9443/qm/secure/service/com.ibm.rqm.integration.service."
                            "IIntegrationService/resources/[PROJEKTNAME]/attachment/[RESOURCE FILE:shot &quot;1&quot; "
                            "&amp; co.png]";
    const std::string steps =
        "<steps xmlns=\"http://jazz.net/xmlns/alm/qm/v0.1/\">\n"
        "<step xmlns=\"http://jazz.net/xmlns/alm/qm/v0.1/testscript/v0.1/\" type=\"execution\">\n"
        "<description><div xmlns=\"http://www.w3.org/1999/xhtml\"><p>Press &lt;OK&gt;</p>\n<p>once</p>\n<p>\n"
        "<a href=\"" + url + "\" target=\"_blank\"><img src=\"" + url +
        "\" border=\"0\" id=\"[RESOURCE FILE:shot &quot;1&quot; &amp; co.png]\" "
        "alt=\"[RESOURCE FILE:shot &quot;1&quot; &amp; co.png]\"/></a>\n</p>\n</div></description>\n"
        "<expectedResult><div xmlns=\"http://www.w3.org/1999/xhtml\"></div></expectedResult>\n</step>\n"
        "<step xmlns=\"http://jazz.net/xmlns/alm/qm/v0.1/testscript/v0.1/\" type=\"execution\">\n"
        "<description><div xmlns=\"http://www.w3.org/1999/xhtml\"></div></description>\n"
        "<expectedResult><div xmlns=\"http://www.w3.org/1999/xhtml\"><p>Done</p>\n</div></expectedResult>\n</step>\n"
        "</steps>\n</testscript>\n";
    ASSERT_GE(text.size(), steps.size());
    EXPECT_EQ(text.substr(text.size() - steps.size()), steps);
    EXPECT_NE(text.find("<dc:title>T &lt;1&gt;</dc:title>\n<dc:creator"), std::string::npos) << "no description";
}

TEST(RqmDescription, EachSectionRunsToTheNextMarkerKeepingItsLines) {
    const struct {
        std::string text;
        bool complete;
        RqmSections expected;
    } cases[] = {
        {"§§§pre\nmore§§§what\r\nelse§§§result", true, {"pre\nmore", "what\r\nelse", "result"}},
        {"ignored§§§p§§§§§§r§§§ignored too", true, {"p", "", "r"}},
        {"§§§only pre\nline", false, {"only pre\nline", "", ""}},
        {"§§§p§§§d", false, {"p", "d", ""}},
        {"no markers at all", false, {}},
        {"", false, {}},
    };
    for (const auto& c : cases) {
        RqmSections sections{"stale", "stale", "stale"};
        EXPECT_EQ(SplitRqmDescription(c.text, sections), c.complete) << c.text;
        EXPECT_EQ(sections.preconditions, c.expected.preconditions) << c.text;
        EXPECT_EQ(sections.design, c.expected.design) << c.text;
        EXPECT_EQ(sections.expectedResults, c.expected.expectedResults) << c.text;
    }
}

TEST_F(RqmExportTest, ADescriptionWithoutSectionsIsLoggedAndTheExportGoesOn) {
    root_->SetDescription("§§§a§§§b§§§c");
    CTaskKav* task = project.AddTask("Plain", root_);
    task->SetDescription("Just text");
    SetGlobalMessage("before");

    ASSERT_EQ(Export(), 1);
    EXPECT_EQ(progress_.Log().Lines(),
              std::vector<std::string>{"Warning: Description of task 'Plain' doesn't have format "
                                       "'§§§Preconditions§§§Description§§§ExpectedResult'"});
    EXPECT_EQ(GetGlobalMessageBuffer(), "before");
    const std::string plain = File("Plain_TC.xml");
    EXPECT_NE(plain.find("extensionDisplayName=\"RQM-KEY-TC-DESIGN-TITLE\"><div xmlns=\"http://www.w3.org/1999/xhtml\">"
                         "</div>"),
              std::string::npos)
        << plain;
    EXPECT_NE(plain.find("extensionDisplayName=\"RQM-KEY-TC-PRE-COND-TITLE\"><div xmlns=\"http://www.w3.org/1999/xhtml\">"
                         "<p><b>Vorbedingungen</b></p>\n</div>"),
              std::string::npos)
        << plain;
    EXPECT_NE(File("Root_TC.xml").find("<p><b>Vorbedingungen</b></p>\n<p>a</p>\n</div>"), std::string::npos);
    ExpectEveryFileReads();
}

TEST_F(RqmExportTest, TheTaskDataSetDescribesItsTestCasesWhileItsRecordsLast) {
    CTaskKav* task = project.AddTask("Login", root_);
    CDataSet* cases = project.AddDataSet("Cases");
    CDataField* field = cases->GetFields().Add(new CDataField("TF_Beschreibung", 4));
    field->SetId("f1");
    for (const char* value : {"First & one", "Second"})
        cases->GetRecords().Add(new CDataRecord("R", 1, kOriginManual))->GetValues().Set("f1", value);
    task->SetDataSet(cases);
    for (int number = 1; number <= 3; ++number) AddTaskTestCase(task, number);

    ASSERT_EQ(Export(), 1);
    EXPECT_NE(File("Login_001_TS.xml").find("<dc:description>First &amp; one</dc:description>"), std::string::npos);
    EXPECT_NE(File("Login_002_TS.xml").find("<dc:description>Second</dc:description>"), std::string::npos);
    EXPECT_EQ(File("Login_003_TS.xml").find("dc:description"), std::string::npos);
}

TEST_F(RqmExportTest, FailuresNameTheFolderOrFileThatCouldNotBeWritten) {
    project.AddTask("Login", root_);
    std::filesystem::create_directories(ProjectFolder() / "Login_TC.xml");
    EXPECT_EQ(Export(), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Cannot open file " + (ProjectFolder() / "Login_TC.xml").string() + " [W0791]");

    std::filesystem::remove_all(Scripts());
    std::ofstream(Scripts()) << "a file";
    EXPECT_EQ(Export(), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Cannot change into directory " + Scripts().string() + "! [W0774]");
}

}  // namespace
