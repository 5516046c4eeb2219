// The interface's two log files: UTF-16 lines with the time, appended one by one, at the level
// the command line set.
#include <regex>

#include "InterfaceFixture.h"
#include "platform/Clock.h"
#include "platform/CommandLineSettings.h"
#include "platform/TextUtil.h"
#include "platform/UserFolders.h"
#include "tests/support/ScratchFolder.h"
#include "tminterface/InterfaceLog.h"
#include "tminterface/VornakCommands.h"

namespace {

void UseLogsFolder(const std::filesystem::path& logs) {
    UserFolders folders;
    folders.logs = logs;
    SetUserFolders(folders);
}

// The text of a UTF-16LE file after its byte-order mark; "no mark" when it has none.
std::string ReadLog(const std::filesystem::path& file) {
    const std::string bytes = ScratchFolder::Read(file);
    if (!bytes.starts_with("\xFF\xFE")) return "no mark";
    std::u16string units;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2)
        units += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8);
    return Utf16ToUtf8(units);
}

// Whether the log has an entry that begins with the text, after its time.
bool HasEntry(const std::string& log, const std::string& text) {
    static const std::regex time("\\d\\d:\\d\\d:\\d\\d ");
    for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1))
        if (at >= 9 && (at == 9 || log.compare(at - 11, 2, "\r\n") == 0) && std::regex_match(log.substr(at - 9, 9), time))
            return true;
    return false;
}

}  // namespace

TEST(InterfaceLog, EachLineIsAppendedWithItsTimeAndCrLf) {
    ScratchFolder scratch;
    UseLogsFolder(scratch.Path());
    auto clock = std::make_unique<FixedClock>();
    clock->local.hour = 9;
    clock->local.minute = 5;
    clock->local.second = 3;
    InstallClock(std::move(clock));

    const InterfaceLog normal("VornakIF.txt", kVornakLogNormal);
    normal.Write("two\nlines");
    normal.Write("only when fine", kVornakLogFine);
    normal.WriteBanner("Socket created");
    // A second writer appends to what is there, without a second mark.
    InterfaceLog("VornakIF.txt", kVornakLogFine).WriteCommand("NEW COMMAND from KAVRO", kCmdOk);
    EXPECT_EQ(ReadLog(scratch.Path() / "VornakIF.txt"),
              "09:05:03 two\r\nlines\r\n"
              "09:05:03 ********************* Socket created ********************\r\n"
              "09:05:03 ***************** NEW COMMAND from KAVRO ****************\r\n"
              "09:05:03 Command: CMD_OK\r\n");

    // Level 0 writes nothing; a log that cannot be written is skipped.
    InterfaceLog("VornakSocket.txt", kVornakLogOff).Write("nothing");
    EXPECT_FALSE(std::filesystem::exists(scratch.Path() / "VornakSocket.txt"));
    UseLogsFolder(scratch.Path() / "VornakIF.txt");
    InterfaceLog("VornakSocket.txt", kVornakLogFine).Write("nowhere");
    UseLogsFolder({});
    InterfaceLog("VornakSocket.txt", kVornakLogFine).Write("nowhere");
}

TEST_F(InterfaceTest, TheInterfaceAndTheSocketLogTheExchangeAtTheLevelSet) {
    ScratchFolder scratch;
    UseLogsFolder(scratch.Path());
    for (const int level : {kVornakLogOff, kVornakLogNormal}) {
        GetCommandLineSettings().interfaceLogLevel = level;
        Connect();
        ASSERT_EQ(vornak->SendCommand(kCmdOk), 1);
        ASSERT_TRUE(peer.ReadMessage());
        ASSERT_TRUE(peer.Write(VornakMessage("<CMD_PING/>")));
        ASSERT_TRUE(peer.ReadThrough("</VORNAK_KAVRO_INTERFACE>"));
        vornak.reset();
    }
    const std::string socketLog = ReadLog(scratch.Path() / "VornakSocket.txt");
    const std::string interfaceLog = ReadLog(scratch.Path() / "VornakIF.txt");
    // Only the run at level NORMAL wrote: each entry with its time, each line ending in CR LF.
    for (const std::string* log : {&socketLog, &interfaceLog})
        EXPECT_EQ(std::regex_search(*log, std::regex("[^\r]\n")), false) << *log;
    for (const char* text : {"********************* Socket created ********************\r\n",
                             "********************* Socket connected ********************\r\n",
                             "Main process ID: ", "CMD_PING from VORNAK\r\n", "sending CMD_PING_OK to VORNAK\r\n",
                             "********************* NEW COMMAND from KAVRO ********************\r\n",
                             "Switch logging to FINE to see details\r\n",
                             "********************* ExitInstance has been called ********************\r\n"})
        EXPECT_TRUE(HasEntry(socketLog, text)) << text << socketLog;
    for (const char* text :
         {"********************* Thread created ********************\r\n", "Thread process ID: ",
          "***************** NEW COMMAND from KAVRO ****************\r\n", "Command: CMD_OK\r\n"})
        EXPECT_TRUE(HasEntry(interfaceLog, text)) << text << interfaceLog;
    EXPECT_EQ(socketLog.find("Socket created"), socketLog.rfind("Socket created")) << "one run wrote";
}
