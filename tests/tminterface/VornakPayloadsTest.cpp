// The payloads of the commands the tool sends: failure, library request, changed tasks, the
// project, and the test structure given back to VORNAK.
#include "InterfaceFixture.h"
#include "model/FileKav.h"
#include "model/TaskKav.h"
#include "model/TestCase.h"
#include "persistence/XMLDataManager.h"
#include "platform/MessageBuffer.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/RecordingInterface.h"
#include "tminterface/VornakCommands.h"

namespace {

// VORNAK's test structure: what lies around its packages goes back byte for byte.
const std::string kBeforePackages =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<VORNAK_KAVRO_INTERFACE ProcessID=\"42\" Tool=\"VORNAK\">"
    "<COMMAND><CMD_DATA_TS RestoreFromFile=\"0\"><VORNAK_EXCHANGE><PROJECT name=\"R\xC3\xA4lease\"><TS>\n  ";
const std::string kPackages =
    "<TP name=\"Folder\" user_defined_id=\"f1\"><DESCRIPTION>kept by VORNAK</DESCRIPTION>"
    "<TP name=\"Old\" user_defined_id=\"gone\"/></TP>";
const std::string kAfterPackages =
    "\n  <!-- </TS> --></TS></PROJECT></VORNAK_EXCHANGE></CMD_DATA_TS></COMMAND></VORNAK_KAVRO_INTERFACE>";

class PayloadTest : public ::testing::Test {
protected:
    VornakPostQueue posts;
    CVornakIF vornak{posts, TestOptions()};
};

class ProjectPayloadTest : public PayloadTest {
protected:
    void SetUp() override {
        project.App().SetId("P1");
        root = project.AddTask("Root", nullptr, kTaskFolder);
        project.App().SetRootTask(root);
        root->SetID("root");
    }
    // The project's VORNAK folder f1 with a use case that has a test case.
    CTaskKav* AddVornakFolder() {
        CTaskKav* folder = project.AddTask("Folder", root, kTaskFolder);
        folder->SetID("f1");
        folder->SetQuVornakTask(1);
        CTaskKav* useCase = project.AddTask("Use case", folder);
        useCase->SetID("u1");
        project.AddTestCase(1, kTestCaseGraphCoverage, useCase)->SetUniqueId("tc1");
        return folder;
    }

    TestProject project;
    CTaskKav* root = nullptr;
};

}  // namespace

TEST_F(PayloadTest, AFailureCarriesTheCodeAndTheMessageOnlyWhenThereAreAny) {
    struct Case {
        int code;
        std::string message;
        std::string payload;
    };
    const Case cases[] = {
        {0, "", "<CMD_FAIL/>\r\n"},
        {1, "", "<CMD_FAIL ErrorCode=\"1\"/>\r\n"},
        {0, "a <b> & \"c\"\n", "<CMD_FAIL ErrorMessage=\"a &lt;b&gt; &amp; &quot;c&quot;&#xa;\"/>\r\n"},
        {8, "gone", "<CMD_FAIL ErrorCode=\"8\" ErrorMessage=\"gone\"/>\r\n"},
    };
    for (const Case& c : cases) {
        vornak.SetErrorCode(c.code);
        SetGlobalMessage(c.message);
        EXPECT_EQ(vornak.WriteCmdFail(), c.payload) << c.code << c.message;
    }
}

TEST_F(PayloadTest, ALibraryRequestNeedsTheLibraryBeingRequested) {
    EXPECT_EQ(vornak.WriteCmdRequestLib(), "");
    EXPECT_EQ(GetGlobalMessageBuffer(),
              "Fatal Error: m_currentLib is not set while calling WriteCmdRequestLib! [F0059]");
    CFileKav library("Lib", "Lib.xml", "/projects/Lib.xml");
    library.SetID("L&1");
    vornak.SetCurrentLibrary(&library);
    EXPECT_EQ(vornak.WriteCmdRequestLib(), "<CMD_REQUEST_LIB FileID=\"L&amp;1\"/>\r\n");
}

TEST_F(PayloadTest, TheChangedTaskListNamesEachTaskInItsOrder) {
    EXPECT_EQ(vornak.WriteCmdChangedTaskList(), "<CMD_CHANGED_TASKLIST/>\r\n");
    vornak.ChangedTaskIds() = {"b", "a<"};
    EXPECT_EQ(vornak.WriteCmdChangedTaskList(),
              "<CMD_CHANGED_TASKLIST>\r\n<TASK_ID>b</TASK_ID>\r\n<TASK_ID>a&lt;</TASK_ID>\r\n</CMD_CHANGED_TASKLIST>\r\n");
}

TEST_F(ProjectPayloadTest, TheProjectGoesOutWholeAndReadsBackWithItsText) {
    CTaskKav* task = project.AddTask("Check", root);
    task->SetID("t1");
    task->SetDescription("Pr\xC3\xBC""fung & <mehr>");
    const std::string payload = vornak.WriteCmdDataKavro();
    ASSERT_TRUE(payload.starts_with("<CMD_DATA_KAVRO>\n<KAVRO_DATA Version=\"12.4\">\n")) << payload.substr(0, 80);
    ASSERT_TRUE(payload.ends_with("</KAVRO_DATA>\n</CMD_DATA_KAVRO>\n"));

    RecordingInterface recording;
    InstallVornakInterface(&recording);
    std::unique_ptr<CApplicationKav> received;
    CXMLDataManager reader;
    const bool parsed = reader.ParseVornakFile(*BuildCommandMessage(kCmdDataKavro, "42", payload), received);
    InstallVornakInterface(nullptr);
    ASSERT_TRUE(parsed) << GetGlobalMessageBuffer();
    ASSERT_TRUE(received);
    const CTaskKav* back = received->FindTask("t1", true);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->GetDescription(), "Pr\xC3\xBC""fung & <mehr>");
    EXPECT_EQ(recording.commands, std::vector<int>{kCmdDataKavro});
}

TEST_F(ProjectPayloadTest, TheTestStructureGoesBackWithTheFolderAsItIsNow) {
    AddVornakFolder();
    vornak.SetTestStructureMessage(kBeforePackages + kPackages + kAfterPackages);
    const std::string payload = vornak.WriteCmdDataTS();
    ASSERT_TRUE(payload.starts_with(kBeforePackages)) << payload;
    ASSERT_TRUE(payload.ends_with(kAfterPackages)) << payload;
    const std::string packages =
        payload.substr(kBeforePackages.size(), payload.size() - kBeforePackages.size() - kAfterPackages.size());
    // The folder keeps what VORNAK keeps of it; its use case's test case is the item.
    EXPECT_TRUE(packages.starts_with("<TP user_defined_id=\"f1\" name=\"Folder\"")) << packages;
    EXPECT_NE(packages.find("<DESCRIPTION>kept by VORNAK</DESCRIPTION>"), std::string::npos) << packages;
    EXPECT_NE(packages.find("user_defined_id=\"kavrotc-tc1\""), std::string::npos) << packages;
    EXPECT_EQ(packages.find("gone"), std::string::npos) << packages;
    EXPECT_TRUE(TestInteraction().messages.empty());
}

TEST_F(ProjectPayloadTest, NoTestStructureWithoutItsPackagesOrWithAVornakTaskThatIsNoFolder) {
    struct Case {
        const char* what;
        std::string received;
        bool plainVornakTask;
    };
    const Case cases[] = {
        {"no package", kBeforePackages + kAfterPackages, false},
        {"an end before the first start", kBeforePackages + "</TP><TP name=\"x\">" + kAfterPackages, false},
        {"nothing received", "", false},
        {"VORNAK's task is no folder", kBeforePackages + kPackages + kAfterPackages, true},
    };
    for (const Case& c : cases) {
        TestProject other;
        CTaskKav* otherRoot = other.AddTask("Root", nullptr, kTaskFolder);
        other.App().SetRootTask(otherRoot);
        if (c.plainVornakTask) other.AddTask("Plain", otherRoot)->SetQuVornakTask(1);
        TestInteraction().messages.clear();
        vornak.SetTestStructureMessage(c.received);
        EXPECT_EQ(vornak.WriteCmdDataTS(), "") << c.what;
        EXPECT_EQ(TestInteraction().Texts(), std::vector<std::string>{"Error while building VORNAK test stucture! [W1075]"})
            << c.what;
    }
}

// Commands whose payload comes out empty are not handed to the worker at all: the peer's next
// message is the next command.
TEST_F(InterfaceTest, ACommandWithAnEmptyPayloadIsNotSent) {
    Connect();
    // No project, no test structure, no library requested.
    EXPECT_EQ(vornak->SendCommand(kCmdDataKavro), 0);
    EXPECT_EQ(vornak->SendCommand(kCmdDataTs), 0);
    EXPECT_EQ(vornak->SendCommand(kCmdRequestLib), 0);
    ASSERT_EQ(vornak->SendCommand(kCmdOk), 1);
    EXPECT_EQ(peer.ReadMessage(), OwnMessage("<CMD_OK/>"));
    EXPECT_EQ(PostsSoFar(), std::vector<std::string>{});
}
