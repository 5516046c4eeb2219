// The exchange with VORNAK as a connected peer drives it: each command checked against the
// state, answered, and its data taken into the project through the frame's host.
#include <unistd.h>

#include "ExchangeFixture.h"
#include "model/TestCase.h"
#include "platform/MessageBuffer.h"
#include "tminterface/VornakCommands.h"
#include "tests/support/ProjectBuilder.h"

namespace {

const std::string kUnexpectedDataKavro = "KAVRO received an unexpected command: 'CMD_DATA_KAVRO'! [W1074]";

// The message the tool sends for a command with its payload.
std::string SentWithPayload(int command, const std::string& payload) {
    return *BuildCommandMessage(command, std::to_string(::getpid()), payload);
}

}  // namespace

TEST_F(ExchangeTest, FromTheTestStructureThroughVornakModeToTheExit) {
    ReceiveStructure();
    Receive(ProjectData([](TestProject& project, CTaskKav* useCase) {
        project.App().SetDescription("Pr\xC3\xBC""fung");
        project.AddTestCase(1, kTestCaseGraphCoverage, useCase)->SetUniqueId("tc1");
    }));
    EXPECT_EQ(vornak->GetState(), kVornakHasStructure);
    EXPECT_EQ(NextSent(), OwnMessage("<CMD_OK/>"));
    EXPECT_EQ(host.calls, std::vector<std::string>{"replace"});

    Receive("<CMD_SHOW_TASK TaskID=\"uc\"/>");
    EXPECT_EQ(NextSent(), OwnMessage("<CMD_OK/>"));
    EXPECT_EQ(vornak->GetState(), kVornakIdle);
    EXPECT_EQ(host.title, "VORNAK Designer (KAVRO) - VORNAK-Mode");
    EXPECT_TRUE(host.projectOpen);
    // The use case shown took its folder's name from the test structure.
    EXPECT_EQ(host.calls, (std::vector<std::string>{"replace", "undo reset", "select Folder", "flow Folder"}));
    EXPECT_TRUE(Boxes().Texts().empty()) << Boxes().Texts().front();

    // The user changed the use case and sends the project.
    vornak->AddChangedTask(host.Project().FindTask("uc", true));
    ASSERT_EQ(vornak->SendProjectData(), 1);
    EXPECT_EQ(vornak->GetState(), kVornakAwaitingDataOk);
    const std::string data = NextSent();
    EXPECT_NE(data.find("<CMD_DATA_KAVRO>"), std::string::npos);
    EXPECT_NE(data.find("Pr\xC3\xBC""fung"), std::string::npos);

    Receive("<CMD_OK/>");
    EXPECT_EQ(vornak->GetState(), kVornakAwaitingTaskListOk);
    EXPECT_EQ(NextSent(), SentWithPayload(kCmdChangedTaskList,
                                          "<CMD_CHANGED_TASKLIST>\r\n<TASK_ID>f1</TASK_ID>\r\n</CMD_CHANGED_TASKLIST>\r\n"));
    Receive("<CMD_OK/>");
    EXPECT_EQ(vornak->GetState(), kVornakAwaitingStructureOk);
    EXPECT_TRUE(vornak->ChangedTaskIds().empty());
    const std::string structure = NextSent();
    EXPECT_TRUE(structure.starts_with("<?xml version=\"1.0\" encoding=\"utf-8\" ?>\n<VORNAK_KAVRO_INTERFACE ProcessID=\"4711\">"))
        << structure;
    EXPECT_NE(structure.find("user_defined_id=\"kavrotc-tc1\""), std::string::npos) << structure;
    Receive("<CMD_OK/>");
    EXPECT_EQ(vornak->GetState(), kVornakAwaitingExit);

    Receive("<CMD_EXIT/>");
    EXPECT_EQ(NextSent(), OwnMessage("<CMD_OK/>"));
    EXPECT_EQ(vornak->GetState(), kVornakEnded);
    EXPECT_EQ(host.calls.back(), "close");
    EXPECT_TRUE(Boxes().Texts().empty());
}

TEST_F(ExchangeTest, VornakEndingTheExchangeWhileTheUserWorksLosesTheConnection) {
    vornak->SetState(kVornakIdle);
    Receive("<CMD_EXIT/>");
    EXPECT_EQ(NextSent(), OwnMessage("<CMD_OK/>"));
    EXPECT_EQ(vornak->GetState(), kVornakLost);
    EXPECT_EQ(Boxes().Texts(),
              std::vector<std::string>{"Connection was closed by VORNAK Test Manager!\r\nYou can save data as XML and "
                                       "restore it in next session [W1111]"});
}

TEST_F(ExchangeTest, AnUnexpectedCommandIsRefusedWithItsReason) {
    vornak->SetState(kVornakIdle);
    Receive(ProjectData());
    EXPECT_EQ(NextSent(), SentWithPayload(kCmdFail, "<CMD_FAIL ErrorCode=\"1\" ErrorMessage=\"KAVRO received an unexpected "
                                                    "command: &apos;CMD_DATA_KAVRO&apos;! [W1074]\"/>\r\n"));
    ASSERT_EQ(Boxes().messages.size(), 1u);
    EXPECT_EQ(Boxes().messages[0].text, kUnexpectedDataKavro);
    EXPECT_EQ(Boxes().messages[0].icon, MessageIcon::Error);
    // Nothing of the refused data is taken, and the next message starts clean.
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(vornak->GetState(), kVornakIdle);
    EXPECT_EQ(vornak->GetErrorCode(), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "");
}

TEST_F(ExchangeTest, ARefusedLibraryAsksForTheLibraryListAgain) {
    vornak->SetCurrentLibrary(host.Project().GetFiles().Add(new CFileKav("Lib", "Lib.xml", "/projects/Lib.xml")));
    vornak->AddLibrary("Lib", "L1");
    vornak->SetState(kVornakAwaitingLibrary);
    Receive("<CMD_FAIL ErrorCode=\"8\" ErrorMessage=\"deleted\"/>");
    EXPECT_EQ(NextSent(), OwnMessage("<CMD_OK/>"));
    EXPECT_EQ(NextSent(), OwnMessage("<CMD_REQUEST_LIBLIST/>"));
    EXPECT_EQ(vornak->GetState(), kVornakCheckingLibraries);
    EXPECT_TRUE(vornak->GetLibraries().empty());
    EXPECT_EQ(Boxes().Texts(),
              std::vector<std::string>{
                  "The included library '/projects/Lib.xml' was deleted from the VORNAK database! [W1155]"});
}

TEST_F(ExchangeTest, VornakRefusingWhatWasSentOffersToSendItAgain) {
    struct Case {
        int state;
        MessageAnswer answer;
        int stateAfter;
        std::vector<std::string> texts;
        bool resent;
    };
    const std::string refusal = "Received Error No.[3] from VORNAK bad [W1127]";
    const Case cases[] = {
        {kVornakAwaitingTaskListOk, MessageAnswer::Retry, kVornakAwaitingTaskListOk,
         {refusal, "VORNAK Test Manager couldn't correctly process the list of changed tasks  - retry sending? [Q0047]"},
         true},
        {kVornakAwaitingDataOk, MessageAnswer::Cancel, kVornakIdle,
         {refusal, "VORNAK Test Manager didn't correctly receive the data - retry sending? [Q0048}"}, false},
        {kVornakAwaitingStructureOk, MessageAnswer::Retry, kVornakIdle, {refusal}, false},
    };
    for (const Case& c : cases) {
        Boxes().messages.clear();
        // The refusal's box, then the question.
        Boxes().answers = {MessageAnswer::Ok, c.answer};
        vornak->SetState(c.state);
        Receive("<CMD_FAIL ErrorCode=\"3\" ErrorMessage=\"bad\"/>");
        EXPECT_EQ(vornak->GetState(), c.stateAfter) << c.state;
        EXPECT_EQ(Boxes().Texts(), c.texts) << c.state;
        if (c.resent) {
            EXPECT_NE(NextSent().find("<CMD_CHANGED_TASKLIST/>"), std::string::npos);
        }
    }
    // Nothing else went out: no CMD_FAIL back.
    EXPECT_EQ(peer.ReadMessage(200ms), std::nullopt);
}

TEST_F(ExchangeTest, TheTaskToShowIsATaskOfVornakOrATestCase) {
    struct Case {
        std::string taskId;
        std::vector<std::string> shown;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"f1", {"expand Folder"}, {}},
        {"uc", {"select Folder", "flow Folder"}, {}},
        {"KAVROtc-tc1", {"select Folder", "flow Folder"}, {}},
        {"tc2", {}, {"The Test case in Command <Show Task> doesn't belong to a task! [W1094]"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.taskId);
        Reconnect();
        ReceiveStructure();
        Receive(ProjectData([](TestProject& project, CTaskKav* useCase) {
            project.AddTestCase(1, kTestCaseGraphCoverage, useCase)->SetUniqueId("tc1");
            project.AddTestCase(2, kTestCaseGraphCoverage, nullptr)->SetUniqueId("tc2");
        }));
        NextSent();
        host.calls.clear();
        Receive("<CMD_SHOW_TASK TaskID=\"" + c.taskId + "\"/>");
        NextSent();
        std::vector<std::string> shown;
        for (const std::string& call : host.calls)
            if (call != "undo reset") shown.push_back(call);
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(Boxes().Texts(), c.texts);
    }
}

TEST_F(ExchangeTest, ATextOfOneCharacterIsSkippedAndAMessageDuringABoxWaitsForItsPass) {
    vornak->SetState(kVornakIdle);
    vornak->OnCommandFromManager("x");
    EXPECT_TRUE(Boxes().Texts().empty());
    EXPECT_EQ(vornak->QueuedMessages(), 0u);

    // While the box of the refused data is open, VORNAK ends the exchange: that message is
    // handled after the box, by the pass that showed it.
    std::size_t queuedDuringBox = 99;
    ArriveDuringBox([&] {
        vornak->OnCommandFromManager(VornakMessage("<CMD_EXIT/>"));
        queuedDuringBox = vornak->QueuedMessages();
    });
    Receive(ProjectData());
    EXPECT_EQ(queuedDuringBox, 1u);
    EXPECT_NE(NextSent().find("<CMD_FAIL ErrorCode=\"1\""), std::string::npos);
    EXPECT_EQ(NextSent(), OwnMessage("<CMD_OK/>"));
    const std::vector<std::string> texts = Boxes().Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], kUnexpectedDataKavro);
    EXPECT_TRUE(texts[1].ends_with("[W1111]"));
    EXPECT_EQ(vornak->GetState(), kVornakLost);
}

// VORNAK took the project but the next send of the chain cannot go out: nothing waits for an
// answer any more, so the user works on and may send again.
TEST_F(ExchangeTest, ASendThatFailsInsideTheChainLeavesTheUserWorking) {
    // The test structure never arrived: CMD_DATA_TS has nothing to be built from.
    vornak->SetState(kVornakIdle);
    ASSERT_EQ(vornak->SendProjectData(), 1);
    EXPECT_NE(NextSent().find("<CMD_DATA_KAVRO>"), std::string::npos);
    Receive("<CMD_OK/>");
    EXPECT_NE(NextSent().find("<CMD_CHANGED_TASKLIST/>"), std::string::npos);
    EXPECT_EQ(vornak->GetState(), kVornakAwaitingTaskListOk);
    Receive("<CMD_OK/>");
    EXPECT_EQ(vornak->GetState(), kVornakIdle);
    EXPECT_EQ(Boxes().Texts(), std::vector<std::string>{"Error while building VORNAK test stucture! [W1075]"});
    // Neither an acknowledgement nor a refusal goes back.
    EXPECT_EQ(peer.ReadMessage(200ms), std::nullopt);
    ASSERT_EQ(vornak->SendProjectData(), 1);
    EXPECT_EQ(vornak->GetState(), kVornakAwaitingDataOk);
    EXPECT_NE(NextSent().find("<CMD_DATA_KAVRO>"), std::string::npos);

    // A worker that does not run takes no CMD_CHANGED_TASKLIST.
    vornak.reset();
    vornak = std::make_unique<CVornakIF>(posts, TestOptions(), &host);
    Boxes().messages.clear();
    vornak->SetState(kVornakAwaitingDataOk);
    Receive("<CMD_OK/>");
    EXPECT_EQ(vornak->GetState(), kVornakIdle);
    EXPECT_TRUE(Boxes().Texts().empty()) << Boxes().Texts().front();
    EXPECT_EQ(vornak->SendProjectData(), 0);
    EXPECT_EQ(vornak->GetState(), kVornakIdle);
}

TEST_F(ExchangeTest, WithoutAMainFileVornakModeIsNotEntered) {
    ReceiveStructure();
    host.Project().GetFiles().DeleteAll();
    Receive("<CMD_SHOW_TASK TaskID=\"f1\"/>");
    // The command was taken; what it asked for could not be done.
    EXPECT_EQ(NextSent(), OwnMessage("<CMD_OK/>"));
    ASSERT_EQ(Boxes().messages.size(), 1u);
    EXPECT_EQ(Boxes().messages[0].text, "Error while parsing KAVRO-VORNAK Protocol File: Loading stopped! [W1103]");
    EXPECT_EQ(Boxes().messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(host.calls, std::vector<std::string>{"revert"});
    EXPECT_TRUE(host.title.empty());
    EXPECT_FALSE(host.projectOpen);
    EXPECT_EQ(vornak->GetState(), kVornakIdle);
    EXPECT_EQ(peer.ReadMessage(200ms), std::nullopt);
}

// The frame reports a loss for the loss itself and again for the socket's error.
TEST_F(ExchangeTest, ALostConnectionOffersToSaveOnlyWhileTheUserWorks) {
    const std::string question =
        "Connection to VORNAK Test Manager lost - Save data as XML file and import in next session? [Q0043]";
    struct Case {
        int state;
        MessageAnswer answer;
        bool asked;
        bool saved;
    };
    const Case cases[] = {
        {kVornakIdle, MessageAnswer::Yes, true, true},
        {kVornakIdle, MessageAnswer::No, true, false},
        {kVornakAwaitingDataOk, MessageAnswer::Yes, false, false},
        {kVornakConnected, MessageAnswer::Yes, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        Boxes().messages.clear();
        Boxes().answers = {c.answer};
        host.calls.clear();
        vornak->SetState(c.state);
        vornak->OnConnectionLost();
        vornak->OnConnectionLost();
        EXPECT_EQ(vornak->GetState(), kVornakLost);
        EXPECT_TRUE(vornak->IsConnectionLost());
        if (c.asked) {
            ASSERT_EQ(Boxes().messages.size(), 1u);
            EXPECT_EQ(Boxes().messages[0].text, question);
            EXPECT_EQ(Boxes().messages[0].buttons, MessageButtons::YesNo);
            EXPECT_EQ(Boxes().messages[0].defaultAnswer, MessageAnswer::Yes);
        } else {
            EXPECT_TRUE(Boxes().messages.empty());
        }
        EXPECT_EQ(host.calls, c.saved ? std::vector<std::string>{"save as xml"} : std::vector<std::string>{});
    }
}
