#include <gtest/gtest.h>

#include "model/FileKav.h"
#include "persistence/XMLDataManager.h"
#include "PersistenceFixture.h"
#include "tests/support/RecordingInterface.h"

namespace {

class VornakExchangeTest : public PersistenceTest {
protected:
    void SetUp() override {
        PersistenceTest::SetUp();
        vornak_.project.GetFiles().Add(new CFileKav("Own", "", ""));
        InstallVornakInterface(&vornak_);
    }
    void TearDown() override {
        InstallVornakInterface(nullptr);
        PersistenceTest::TearDown();
    }

    // A test structure: the packages inside one test set of the exchange project.
    bool ParseStructure(const std::string& packages) {
        return Parse("<CMD_DATA_TS><VORNAK_EXCHANGE><PROJECT><TS>" + packages +
                     "</TS></PROJECT></VORNAK_EXCHANGE></CMD_DATA_TS>");
    }

    bool Parse(const std::string& commands) {
        return reader_.ParseVornakFile(
            "<VORNAK_KAVRO_INTERFACE ProcessID=\"42\"><COMMAND>" + commands + "</COMMAND></VORNAK_KAVRO_INTERFACE>",
            parsed_);
    }

    CTaskKav* Task(const std::string& id) { return vornak_.project.FindTask(id, true); }

    RecordingInterface vornak_;
    CXMLDataManager reader_;
    std::unique_ptr<CApplicationKav> parsed_;
};

}  // namespace

TEST_F(VornakExchangeTest, EachTestPackageBecomesAFolderTaskUnderItsPackage) {
    ASSERT_TRUE(ParseStructure("<TP name=\"Release tests\" user_defined_id=\"p1\" document=\"plan.doc\" "
                               "test_category=\"Regression Test\"><TC/>"
                               "<TP name=\"Premium - cars\" user_defined_id=\"p2\"/></TP>"
                               "<TP name=\"Second\" user_defined_id=\"p3\"/>"))
        << Message();
    EXPECT_EQ(vornak_.exchangeProjects, std::vector<std::string>{"KAVRO_Tasks"});
    ASSERT_EQ(vornak_.project.GetTasks().size(), 3u);
    CTaskKav* outer = Task("p1");
    EXPECT_EQ(outer->GetName(), "Release tests");
    EXPECT_EQ(outer->GetType(), kTaskFolder);
    EXPECT_EQ(outer->GetDocPath(), "plan.doc");
    EXPECT_EQ(outer->GetTestType(), "Regression Test");
    EXPECT_EQ(outer->GetParentId(), "");
    EXPECT_TRUE(outer->IsQuVornakTask());
    EXPECT_EQ(outer->GetFile(), vornak_.project.GetMainFile());
    EXPECT_EQ(outer->GetFileId(), vornak_.project.GetMainFile()->GetID());
    // A package names the package it stands in; the one after it stands in the test set again.
    EXPECT_EQ(Task("p2")->GetParentId(), "p1");
    EXPECT_EQ(Task("p3")->GetParentId(), "");
    EXPECT_EQ(Task("p2")->GetTestType(), "");
    EXPECT_TRUE(reader_.ExchangeTaskIds().empty());
}

TEST_F(VornakExchangeTest, ThePackagesProjectDataAndLibrariesArriveInTheirCommands) {
    ASSERT_TRUE(Parse("<CMD_DATA_KAVRO><KAVRO_DATA Version=\"12.4\"><PROJECT ID=\"p\" Name=\"Sent\"/>"
                      "<TASK ID=\"t1\" Name=\"T\"/></KAVRO_DATA></CMD_DATA_KAVRO>"))
        << Message();
    ASSERT_TRUE(parsed_);
    EXPECT_EQ(parsed_->GetName(), "Sent");
    ASSERT_EQ(parsed_->GetTasks().size(), 1u);
    EXPECT_EQ(parsed_->GetTasks().front()->GetFileId(), parsed_->GetMainFile()->GetID());
    EXPECT_EQ(reader_.GetVersionText(), "12.4");
    EXPECT_EQ(vornak_.commands, std::vector<int>{2});
}

TEST_F(VornakExchangeTest, MisplacedAndIllegalPackagesEndTheRead) {
    struct Case {
        std::string commands, message;
        int readError;
    };
    const Case cases[] = {
        {"<CMD_DATA_TS><VORNAK_EXCHANGE><TP name=\"P\"/></VORNAK_EXCHANGE></CMD_DATA_TS>",
         "Invalid file structure: 'TP' tag detected at invalid position! [W1100]", 2},
        {"<CMD_DATA_TS><VORNAK_EXCHANGE><PROJECT><TS><TP user_defined_id=\"p\"/></TS></PROJECT></VORNAK_EXCHANGE>"
         "</CMD_DATA_TS>",
         "Task  has illegal ID:\nThe task name must not be empty! [W0583] [W1122]", 5},
    };
    for (const Case& c : cases) {
        vornak_.readError = 0;
        EXPECT_FALSE(Parse(c.commands)) << c.commands;
        EXPECT_EQ(Message(), c.message);
        EXPECT_EQ(vornak_.readError, c.readError);
        EXPECT_TRUE(vornak_.project.GetTasks().empty());
    }
}

TEST_F(VornakExchangeTest, AMalformedTextIsReportedWithItsLine) {
    EXPECT_FALSE(reader_.ParseVornakFile("<VORNAK_KAVRO_INTERFACE>\n<COMMAND></VORNAK_KAVRO_INTERFACE>", parsed_));
    EXPECT_EQ(Message(), "Error while parsing XML-Vornak File in line 2: mismatched tag [W0889]");
    EXPECT_TRUE(parsed_);
}

// Once the test structure has arrived, a message belongs to the interface's first task.
TEST_F(VornakExchangeTest, AfterTheTestStructureAMessageNeedsTheFirstTask) {
    vornak_.state = 4;
    EXPECT_FALSE(Parse("<CMD_OK/>"));
    EXPECT_TRUE(vornak_.commands.empty());

    vornak_.project.GetTasks().Add(new CTaskKav("Root", kTaskFolder))->SetID("first");
    ASSERT_TRUE(Parse("<CMD_OK/>")) << Message();
    EXPECT_EQ(parsed_->GetMainFile()->GetID(), "first");
}

TEST_F(VornakExchangeTest, WithoutTheInterfaceAPackageIsAnUnknownElement) {
    InstallVornakInterface(nullptr);
    CApplicationKav project;
    reader_.SetCurrentProject(&project);
    const std::string path = WriteFile("exchange.xml", "<KAVRO_DATA Version=\"12.4\"><TP name=\"P\"/></KAVRO_DATA>");
    CFileKav file("", path, path);
    EXPECT_FALSE(reader_.ParseFile(&file, "UTF-8", CXMLDataManager::StandardHandlers()));
    EXPECT_EQ(Message(), "Invalid tag 'TP' detected in file " + path + "! [W0910]");
}
