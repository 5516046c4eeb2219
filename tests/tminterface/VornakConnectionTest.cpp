// The interface with its worker thread against a peer on the loopback: connecting, the
// messages arriving as the window gets them, pings, losing the connection and closing.
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "InterfaceFixture.h"
#include "platform/MessageBuffer.h"
#include "tminterface/VornakCommands.h"

namespace {

std::string Received(const std::string& message) { return "message " + message; }

// A message of nearly 16 MiB.
std::string LargeMessage() {
    std::string message = "<VORNAK_KAVRO_INTERFACE ProcessID=\"4711\"><COMMAND><CMD_DATA_KAVRO><KAVRO_DATA>";
    const std::string task = "<TASK ID=\"t\" Name=\"a task with a name\" Description=\"Pr\xC3\xBC""fung\"/>\n";
    while (message.size() + task.size() < (16u << 20) - 100) message += task;
    return message + "</KAVRO_DATA></CMD_DATA_KAVRO></COMMAND></VORNAK_KAVRO_INTERFACE>";
}

}  // namespace

TEST_F(InterfaceTest, ConnectingSendsOkThenRequestsDataFromTheLoopback) {
    Connect();
    EXPECT_EQ(peer.ToolAddress().sin_addr.s_addr, htonl(INADDR_LOOPBACK));
}

TEST_F(InterfaceTest, AFailedConnectionIsLostAndSaysWhy) {
    // A port that nobody listens on, and a local port that a listener holds.
    LoopbackPeer holder;
    const std::uint16_t unused = LoopbackPeer().Port();
    VornakSocketOptions held = TestOptions();
    held.localPort = holder.Port();
    struct Case {
        const char* what;
        std::uint16_t port;
        VornakSocketOptions options;
        std::vector<std::string> posts;
        std::string text;
    };
    const Case cases[] = {
        {"no listener", unused, TestOptions(), {"lost", "error 41039 code " + std::to_string(ECONNREFUSED)},
         "Fatal error: Socket connection failed, error code: " + std::to_string(ECONNREFUSED) + ". [F0039]"},
        {"local port held", peer.Port(), held, {"lost", "error 41038 code " + std::to_string(EADDRINUSE)},
         "Fatal error: Socket creation failed, error code: " + std::to_string(EADDRINUSE) + ". [F0038]"},
    };
    for (const Case& c : cases) {
        CVornakIF failing(posts, c.options);
        ASSERT_EQ(failing.StartThread(c.port), 1);
        std::vector<VornakPost> taken;
        for (size_t i = 0; i < c.posts.size(); ++i)
            if (std::optional<VornakPost> post = posts.Take(kPatience)) taken.push_back(*post);
        std::vector<std::string> described;
        for (const VornakPost& post : taken) described.push_back(Describe(post));
        EXPECT_EQ(described, c.posts) << c.what;
        if (taken.size() == 2) {
            EXPECT_EQ(FormatMessageId(taken[1].value, taken[1].code), c.text) << c.what;
        }
    }
}

TEST_F(InterfaceTest, MessagesReachTheWindowOneByOneWhateverTheWritesAre) {
    Connect();
    const std::string a = VornakMessage("<CMD_DATA_TS RestoreFromFile=\"0\"/>");
    const std::string b = VornakMessage("<CMD_SHOW_TASK TaskID=\"t1\"/>");
    // Two in one write, the line feed after an end tag dropped.
    ASSERT_TRUE(peer.Write(a + "\n" + b + "\r\n"));
    EXPECT_EQ(TakePosts(2), (std::vector<std::string>{Received(a), Received(b)}));
    // One in three writes 50 ms apart.
    for (size_t from = 0; from < a.size(); from += a.size() / 3 + 1) {
        ASSERT_TRUE(peer.Write(a.substr(from, a.size() / 3 + 1)));
        std::this_thread::sleep_for(50ms);
    }
    EXPECT_EQ(TakePosts(1), std::vector<std::string>{Received(a)});
    // Nearly 16 MiB in pieces of 64 KiB.
    const std::string large = LargeMessage();
    for (size_t from = 0; from < large.size(); from += 65536) ASSERT_TRUE(peer.Write(large.substr(from, 65536)));
    const std::optional<VornakPost> post = posts.Take(kPatience);
    ASSERT_TRUE(post);
    EXPECT_TRUE(post->text == large) << post->text.size() << " of " << large.size() << " bytes";
    EXPECT_EQ(PostsSoFar(), std::vector<std::string>{});
}

TEST_F(InterfaceTest, PingsAreAnsweredAtOnceAndNeverReachTheWindow) {
    Connect();
    // A project that mentions the ping is a project, not a ping.
    const std::string project =
        VornakMessage("<CMD_DATA_KAVRO><KAVRO_DATA><PROJECT Name=\"CMD_PING\"/></KAVRO_DATA></CMD_DATA_KAVRO>");
    ASSERT_TRUE(peer.Write(VornakMessage("<CMD_PING/>") + VornakMessage("<CMD_PING_OK/>") + project));
    EXPECT_EQ(peer.ReadThrough("</VORNAK_KAVRO_INTERFACE>"),
              OwnHeader() + "\t<COMMAND>\n\t\t<CMD_PING_OK/>\n\t</COMMAND>\n</VORNAK_KAVRO_INTERFACE>");
    EXPECT_EQ(TakePosts(1), std::vector<std::string>{Received(project)});
    // Nothing else was written: the next bytes are the next command.
    ASSERT_EQ(vornak->SendCommand(kCmdOk), 1);
    EXPECT_EQ(peer.ReadMessage(), OwnMessage("<CMD_OK/>"));
}

TEST_F(InterfaceTest, SilenceBringsAPingAndNoAnswerLosesTheConnection) {
    Connect(TestOptions(100ms, 300000ms));
    EXPECT_EQ(peer.ReadMessage(), OwnMessage("<CMD_PING/>"));
    vornak.reset();
    Connect(TestOptions(300000ms, 200ms));
    EXPECT_EQ(TakePosts(2), (std::vector<std::string>{"error 41108 code 0", "lost"}));
    EXPECT_EQ(FormatMessageId(41108), "Fatal Error: Socket connection lost - VORNAK Test Manager not responding! [F0108]");
}

TEST_F(InterfaceTest, AStreamThatEndsOrBreaksBeforeItsEndTagLosesTheConnection) {
    const std::string half = VornakMessage("<CMD_DATA_TS/>").substr(0, 60);
    struct Case {
        const char* what;
        std::string bytes;
        bool reset;
    };
    const Case cases[] = {
        {"garbage, then closed", "\x01\xFFgarbage<<<>>\0\n", false},
        {"closed mid-message", half, false},
        {"reset mid-message", half, true},
    };
    for (const Case& c : cases) {
        Connect();
        ASSERT_TRUE(peer.Write(c.bytes));
        peer.CloseConnection(c.reset);
        EXPECT_EQ(TakePosts(2), (std::vector<std::string>{"error 41106 code 0", "lost"})) << c.what;
        vornak.reset();
        EXPECT_EQ(PostsSoFar(), std::vector<std::string>{}) << c.what;
    }
}

TEST_F(InterfaceTest, APeerThatStopsReadingLosesTheConnectionOnceTheWriteIsStuck) {
    Connect(TestOptions(300000ms, 500ms));
    // The answer to the request for data stops its time-out.
    ASSERT_TRUE(peer.Write(VornakMessage("<CMD_DATA_TS/>")));
    ASSERT_EQ(TakePosts(1).size(), 1u);
    // A failure whose message is 16 MiB long.
    SetGlobalMessage(std::string(16u << 20, 'x'));
    ASSERT_EQ(vornak->SendCommand(kCmdFail), 1);
    EXPECT_EQ(TakePosts(2), (std::vector<std::string>{"error 41107 code 0", "lost"}));
    // Sends are refused from then on; the window is told nothing more.
    ASSERT_EQ(vornak->SendCommand(kCmdOk), 1);
    peer.CloseConnection(true);
    vornak.reset();
    EXPECT_EQ(PostsSoFar(), std::vector<std::string>{});
}

TEST_F(InterfaceTest, ClosingEndsTheWorkerAtOnceEvenWhileConnecting) {
    Connect();
    ASSERT_EQ(vornak->CloseConnection(), 1);
    EXPECT_TRUE(peer.WaitForClose());
    const auto closing = std::chrono::steady_clock::now();
    vornak.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - closing, 1s);

    // A listener whose queue is full leaves the connection hanging.
    LoopbackPeer full(0, 0);
    LoopbackClient queued(full.Port());
    vornak = std::make_unique<CVornakIF>(posts, TestOptions());
    ASSERT_EQ(vornak->StartThread(full.Port()), 1);
    std::this_thread::sleep_for(100ms);
    const auto quitting = std::chrono::steady_clock::now();
    vornak.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - quitting, 1s);
    EXPECT_EQ(PostsSoFar(), std::vector<std::string>{});
}
