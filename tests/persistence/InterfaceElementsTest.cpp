#include <gtest/gtest.h>

#include "ElementTest.h"
#include "tests/support/RecordingInterface.h"

namespace {

class InterfaceTest : public ElementTest {
protected:
    void SetUp() override {
        ElementTest::SetUp();
        InstallVornakInterface(&vornak_);
    }
    void TearDown() override {
        InstallVornakInterface(nullptr);
        ElementTest::TearDown();
    }

    bool ReadMessage(const std::string& commands, int processId = 42) {
        return ReadDocument("<VORNAK_KAVRO_INTERFACE ProcessID=\"" + std::to_string(processId) + "\"><COMMAND>" +
                            commands + "</COMMAND></VORNAK_KAVRO_INTERFACE>");
    }

    RecordingInterface vornak_;
};

}  // namespace

TEST_F(InterfaceTest, TheFirstMessageRecordsTheProcessAndLaterOnesMustAgree) {
    ASSERT_TRUE(ReadMessage("<CMD_PING/>")) << Message();
    EXPECT_EQ(vornak_.processId, 42);
    EXPECT_FALSE(ReadMessage("<CMD_PING/>", 43));
    EXPECT_EQ(Message(),
              "Invalid Process-ID: Process-ID 43 of the KAVRO-VORNAK exchange protocol doesn't match the current ID"
              " (42)! [W1099]");
    EXPECT_EQ(vornak_.commands, std::vector<int>{11});
}

TEST_F(InterfaceTest, CommandsAreRecordedWithWhatTheyCarry) {
    ASSERT_TRUE(ReadMessage("<CMD_DATA_LIB FileID=\"f1\" Name=\"Lib\"/><CMD_DATA_TS RestoreFromFile=\"1\"/>"
                            "<CMD_SHOW_TASK TaskID=\"t9\"/><CMD_DATA_LIBLIST><KAVRO_LIB FileID=\"f2\" Name=\"B\"/>"
                            "</CMD_DATA_LIBLIST><CMD_LATER/><CMD_EXIT/>"))
        << Message();
    EXPECT_EQ(vornak_.commands, (std::vector<int>{3, 5, 16, 4, 6}));
    EXPECT_EQ(vornak_.receivedLibrary, "f1 Lib");
    EXPECT_TRUE(vornak_.restoreFromFile);
    EXPECT_EQ(vornak_.taskToShow, "t9");
    EXPECT_EQ(vornak_.libraries, std::vector<std::string>{"B=f2"});
    EXPECT_EQ(vornak_.readError, 0);
}

// The one message that does not end the read.
TEST_F(InterfaceTest, AFailureReportedByVornakLeavesItsMessageAndTheReadGoesOn) {
    ASSERT_TRUE(ReadMessage("<CMD_FAIL ErrorCode=\"17\" ErrorMessage=\"no licence\"/><CMD_OK/>"));
    EXPECT_EQ(Message(), "Received Error No.[17] from VORNAK no licence [W1127]");
    EXPECT_EQ(vornak_.readError, 17);
    EXPECT_EQ(vornak_.commands, (std::vector<int>{7, 10}));
}

TEST_F(InterfaceTest, MisplacedPartsOfAMessageAreStructureErrors) {
    struct Case {
        std::string document, message;
    };
    const Case cases[] = {
        {"<COMMAND/>", "Invalid protocol structure: 'COMMAND' tag detected at invalid position! [W1079]"},
        {"<VORNAK_KAVRO_INTERFACE><CMD_OK/></VORNAK_KAVRO_INTERFACE>",
         "Invalid protocol structure: 'CMD_OK' tag detected at invalid position! [W1079]"},
        {"<VORNAK_KAVRO_INTERFACE><COMMAND><KAVRO_LIB/></COMMAND></VORNAK_KAVRO_INTERFACE>",
         "Invalid protocol structure: 'KAVRO_LIB' tag detected at invalid position! [W1079]"},
        {"<VORNAK_KAVRO_INTERFACE><COMMAND><VORNAK_EXCHANGE/></COMMAND></VORNAK_KAVRO_INTERFACE>",
         "Invalid protocol structure: 'VORNAK_EXCHANGE' tag detected at invalid position! [W1079]"},
        {"<KAVRO_DATA><VORNAK_KAVRO_INTERFACE/></KAVRO_DATA>",
         "XML protocol does not appear to be a valid KAVRO-VORNAK exchange protocol. The top-level tag must be"
         " 'VORNAK_KAVRO_INTERFACE'! [W1098]"},
        {"<KAVRO_DATA><KAVRO_DATA/></KAVRO_DATA>", ""},
        {"<KAVRO_DATA><BAR/></KAVRO_DATA>", ""},
        {"<KAVRO_DATA><REQ ID=\"r\"><TASKREQ ReqID=\"r\"/></REQ></KAVRO_DATA>",
         "Invalid file structure: 'TASKREQ' tag detected at invalid position! [W0901]"},
        {"<KAVRO_DATA><REQ ID=\"r\"><PROJECT ID=\"p\"/></REQ></KAVRO_DATA>",
         "Invalid file structure: 'PROJECT' tag detected at invalid position! [W0897]"},
    };
    for (const Case& c : cases) {
        vornak_.readError = 0;
        EXPECT_FALSE(ReadDocument(c.document)) << c.document;
        if (!c.message.empty()) {
            EXPECT_EQ(Message(), c.message);
        }
        EXPECT_EQ(vornak_.readError, 2) << c.document;
    }
}

TEST_F(InterfaceTest, ProjectDataArrivesInsideItsCommand) {
    ASSERT_TRUE(ReadMessage("<CMD_DATA_KAVRO><KAVRO_DATA Version=\"12.4\"><PROJECT ID=\"p\" Name=\"Sent\"/>"
                            "<TASK ID=\"t1\" Name=\"T\"/></KAVRO_DATA></CMD_DATA_KAVRO>"))
        << Message();
    EXPECT_EQ(loaded_.GetName(), "Sent");
    EXPECT_EQ(loaded_.GetTasks().size(), 1u);
}

// Exchange data names its project and describes each package in HTML.
TEST_F(InterfaceTest, ExchangeTextsGoToTheTaskOfTheInnermostPackage) {
    ASSERT_TRUE(ReadDocument(
        "<VORNAK_KAVRO_INTERFACE ProcessID=\"42\"><COMMAND><CMD_DATA_TS><VORNAK_EXCHANGE>"
        "<PROJECT name=\"Release 2\"><TS><TP name=\"Outer\" user_defined_id=\"p1\">"
        "<DESCRIPTION>&lt;html&gt;&lt;body&gt;Outer package&lt;/body&gt;&lt;/html&gt;</DESCRIPTION>"
        "<TP name=\"Inner\" user_defined_id=\"p2\"><PRECONDITION>Logged in</PRECONDITION>"
        "<DESCRIPTION>Inner</DESCRIPTION><TC><CONTENT>ignored</CONTENT></TC></TP>"
        "<POSTCONDITION>Logged out</POSTCONDITION></TP></TS></PROJECT>"
        "<PROJECT/></VORNAK_EXCHANGE></CMD_DATA_TS></COMMAND></VORNAK_KAVRO_INTERFACE>"))
        << Message();
    EXPECT_EQ(vornak_.exchangeProjects, (std::vector<std::string>{"Release2", "KAVRO_Tasks"}));
    CTaskKav* outer = vornak_.project.FindTask("p1", true);
    CTaskKav* inner = vornak_.project.FindTask("p2", true);
    ASSERT_TRUE(outer && inner);
    EXPECT_EQ(outer->GetDescription(), "Outer package");
    EXPECT_EQ(outer->GetPostcondition(), "Logged out");
    EXPECT_EQ(inner->GetDescription(), "Inner");
    EXPECT_EQ(inner->GetPrecondition(), "Logged in");
}
