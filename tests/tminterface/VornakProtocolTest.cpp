// The protocol on bytes: the messages the tool writes, the stream cut into messages, and a
// message told apart by the command inside it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LoopbackPeer.h"
#include "tminterface/VornakCommands.h"
#include "tminterface/VornakFramer.h"
#include "tminterface/VornakIF.h"

namespace {

const std::string kHeader =
    "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\n"
    "<VORNAK_KAVRO_INTERFACE InterfaceVersion=\"3.0\" Tool=\"KAVRO\" ToolVersion=\"16.7\" ProcessID=\"77\" "
    "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xsi:noNamespaceSchemaLocation=\"Protocol.xsd\">\n";
const std::string kFooter = "</COMMAND>\n</VORNAK_KAVRO_INTERFACE>\n";

}  // namespace

TEST(VornakCommands, EachNumberGoesOutInItsOwnMessageAndOtherNumbersAreRefused) {
    struct Case {
        int command;
        std::optional<std::string> message;
    };
    const Case cases[] = {
        {kCmdOk, kHeader + "<COMMAND>\n<CMD_OK/>\n" + kFooter},
        {kCmdExit, kHeader + "<COMMAND>\n<CMD_EXIT/>\n" + kFooter},
        {kCmdRequestLibList, kHeader + "<COMMAND>\n<CMD_REQUEST_LIBLIST/>\n" + kFooter},
        {kCmdUnlock, kHeader + "<COMMAND>\n<CMD_UNLOCK/>\n" + kFooter},
        // The payload is the body; the test structure is the whole message.
        {kCmdFail, kHeader + "<COMMAND>\n<payload/>\n" + kFooter},
        {kCmdRequestLib, kHeader + "<COMMAND>\n<payload/>\n" + kFooter},
        {kCmdDataTs, "<payload/>\n"},
        // Commands only VORNAK sends have nothing inside COMMAND.
        {kCmdDataLib, kHeader + "<COMMAND>\n" + kFooter},
        {kCmdShowTask, kHeader + "<COMMAND>\n" + kFooter},
        {kCmdNone, std::nullopt},
        {8, std::nullopt},
        {18, std::nullopt},
        {-1, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BuildCommandMessage(c.command, "77", "<payload/>\n"), c.message) << c.command;
}

TEST(VornakCommands, ThePingAnswerIsIndentedAndEndsWithoutLineFeed) {
    EXPECT_EQ(BuildPingAnswer("77"),
              kHeader + "\t<COMMAND>\n\t\t<CMD_PING_OK/>\n\t</COMMAND>\n</VORNAK_KAVRO_INTERFACE>");
}

TEST(VornakCommands, NamesAndTheAnswersAwaitedFollowTheTable) {
    EXPECT_EQ(CVornakIF::GetCommandName(kCmdChangedTaskList), "CMD_CHANGED_TASKLIST");
    EXPECT_EQ(CVornakIF::GetCommandName(kCmdShowTask), "CMD_SHOW_TASK");
    EXPECT_EQ(CVornakIF::GetCommandName(8), "Error: Unknown command");
    EXPECT_EQ(CVornakIF::GetCommandName(99), "Error: Unknown command");
    std::string awaiting;
    for (int command = -1; command <= 18; ++command)
        if (VornakCommandAwaitsAnswer(command)) awaiting += std::to_string(command) + " ";
    EXPECT_EQ(awaiting, "1 2 5 6 9 11 13 14 15 17 ");
}

TEST(VornakFramer, TheStreamIsCutAtEachEndTagWhereverThePiecesEnd) {
    const std::string a = "<VORNAK_KAVRO_INTERFACE><COMMAND><CMD_OK/></COMMAND></VORNAK_KAVRO_INTERFACE>";
    const std::string b = "<?xml version=\"1.0\"?><VORNAK_KAVRO_INTERFACE>b</VORNAK_KAVRO_INTERFACE>";
    struct Case {
        const char* what;
        std::vector<std::string> pieces;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"two in one piece", {a + b}, {a, b}},
        {"one in three pieces", {a.substr(0, 10), a.substr(10, 40), a.substr(50)}, {a}},
        {"the end tag split", {a.substr(0, a.size() - 7), a.substr(a.size() - 7)}, {a}},
        {"byte by byte", {}, {a}},
        // White space between messages is dropped; other text before a message is part of it.
        {"line feeds between", {a + "\r\n\n\t " + b + "\n"}, {a, b}},
        {"line feeds before", {"\n\n" + a, "\n" + b}, {a, b}},
        {"text before", {"junk" + a}, {"junk" + a}},
        {"no end tag", {"<VORNAK_KAVRO_INTERFACE><COMMAND><CMD_OK/></COMMAND></VORNAK_KAVRO_INTERFA"}, {}},
        {"only white space", {"\n\n"}, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> pieces = c.pieces;
        if (pieces.empty())
            for (char byte : a) pieces.emplace_back(1, byte);
        EXPECT_EQ(Frame(pieces), c.messages) << c.what;
    }
}

TEST(VornakFramer, TakingManySmallMessagesLeavesNothingBehind) {
    const std::string ok = "<VORNAK_KAVRO_INTERFACE/>x</VORNAK_KAVRO_INTERFACE>";
    VornakFramer framer;
    size_t taken = 0;
    for (int round = 0; round < 1000; ++round) {
        framer.Append(ok + ok + ok.substr(0, 20));
        framer.Append(ok.substr(20));
        while (framer.NextMessage()) ++taken;
    }
    EXPECT_EQ(taken, 3000u);
    EXPECT_EQ(framer.PendingSize(), 0u);
}

TEST(VornakFramer, AMessageIsToldByTheElementInsideCommand) {
    const std::string root = "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\n<VORNAK_KAVRO_INTERFACE ProcessID=\"5\">\n";
    struct Case {
        const char* what;
        std::string message;
        std::string command;
        VornakMessageKind kind;
    };
    const Case cases[] = {
        {"ping", root + "<COMMAND><CMD_PING/></COMMAND></VORNAK_KAVRO_INTERFACE>", "CMD_PING", VornakMessageKind::Ping},
        {"ping answer", root + "\t<COMMAND>\n\t\t<CMD_PING_OK/>\n\t</COMMAND>\n</VORNAK_KAVRO_INTERFACE>",
         "CMD_PING_OK", VornakMessageKind::PingAnswer},
        {"ping with content", root + "<COMMAND><CMD_PING x='1'></CMD_PING></COMMAND></VORNAK_KAVRO_INTERFACE>",
         "CMD_PING", VornakMessageKind::Ping},
        // Names inside the data do not count.
        {"project named like a ping",
         root + "<COMMAND><CMD_DATA_KAVRO><KAVRO_DATA><PROJECT Name=\"CMD_PING\"/></KAVRO_DATA></CMD_DATA_KAVRO>"
                "</COMMAND></VORNAK_KAVRO_INTERFACE>",
         "CMD_DATA_KAVRO", VornakMessageKind::Other},
        {"ping answer inside an attribute",
         root + "<COMMAND><CMD_FAIL ErrorMessage=\"<CMD_PING_OK/> > <CMD_PING/>\"/></COMMAND></VORNAK_KAVRO_INTERFACE>",
         "CMD_FAIL", VornakMessageKind::Other},
        {"comments and CDATA before the command",
         root + "<!-- <CMD_OK/> --><COMMAND><![CDATA[<CMD_OK/>]]><?pi <x>?>\n<CMD_PING/></COMMAND>"
                "</VORNAK_KAVRO_INTERFACE>",
         "CMD_PING", VornakMessageKind::Ping},
        {"no command inside", root + "<COMMAND></COMMAND></VORNAK_KAVRO_INTERFACE>", "", VornakMessageKind::Other},
        {"empty COMMAND", root + "<COMMAND/></VORNAK_KAVRO_INTERFACE>", "", VornakMessageKind::Other},
        {"another root", "<OTHER><COMMAND><CMD_PING/></COMMAND></OTHER>", "", VornakMessageKind::Other},
        {"COMMAND not first", root + "<X/><COMMAND><CMD_PING/></COMMAND></VORNAK_KAVRO_INTERFACE>", "",
         VornakMessageKind::Other},
        {"cut inside a tag", root + "<COMMAND><CMD_PING", "", VornakMessageKind::Other},
        {"unclosed comment", root + "<!-- <COMMAND><CMD_PING/>", "", VornakMessageKind::Other},
        {"nothing", "", "", VornakMessageKind::Other},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CommandElementOf(c.message), c.command) << c.what;
        EXPECT_EQ(ClassifyMessage(c.message), c.kind) << c.what;
    }
}
