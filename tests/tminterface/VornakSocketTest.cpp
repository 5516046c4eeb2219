// The socket driven directly on the test's thread, its timers by the times the test hands it:
// the keep-alive ping, the answer time-out, refused commands and a peer that has gone.
#include <poll.h>

#include "InterfaceFixture.h"
#include "platform/MessageBuffer.h"
#include "tminterface/VornakCommands.h"
#include "tminterface/VornakSocket.h"

namespace {

using TimePoint = CVornakSocket::TimePoint;

class SocketTest : public ::testing::Test {
protected:
    // Connects with the intervals given and takes the first two commands at the peer; start is
    // the socket's time of connecting.
    void Connect(std::chrono::milliseconds pingInterval, std::chrono::milliseconds answerTimeout) {
        socket = std::make_unique<CVornakSocket>(peer.Port(), "4711", posts, TestOptions(pingInterval, answerTimeout),
                                                 InterfaceLog("VornakSocket.txt", kVornakLogOff));
        ASSERT_EQ(socket->Connect([](int descriptor) {
            pollfd writable{descriptor, POLLOUT, 0};
            return ::poll(&writable, 1, static_cast<int>(kPatience.count())) == 1;
        }),
                  kConnected);
        ASSERT_TRUE(peer.Accept());
        ASSERT_TRUE(peer.ReadMessage());
        ASSERT_TRUE(peer.ReadMessage());
        ASSERT_EQ(Posts(), std::vector<std::string>{"state 8"});
        start = *socket->NextDeadline() - pingInterval;
    }

    // Lets the socket read what has arrived, as the worker's loop does when the socket is readable.
    void Receive(TimePoint now) {
        pollfd readable{socket->GetDescriptor(), socket->GetPollEvents(), 0};
        ASSERT_EQ(::poll(&readable, 1, static_cast<int>(kPatience.count())), 1);
        socket->OnReady(readable.revents, now);
    }

    std::vector<std::string> Posts() {
        std::vector<std::string> described;
        while (const std::optional<VornakPost> post = posts.Take()) described.push_back(Describe(*post));
        return described;
    }

    LoopbackPeer peer;
    VornakPostQueue posts;
    std::unique_ptr<CVornakSocket> socket;
    TimePoint start;
};

const std::string kPingAnswer = BuildPingAnswer("4711");

}  // namespace

TEST_F(SocketTest, SilenceSendsAPingAndTheUnansweredRequestLosesTheConnection) {
    Connect(1000ms, 5000ms);
    // CMD_REQUEST_DATA went out at start: its answer is awaited until start + 5 s.
    socket->OnTimers(start + 1000ms);
    EXPECT_EQ(peer.ReadMessage(), BuildCommandMessage(kCmdPing, "4711", ""));
    socket->OnTimers(start + 4999ms);
    EXPECT_EQ(Posts(), std::vector<std::string>{});
    socket->OnTimers(start + 5001ms);
    EXPECT_EQ(Posts(), (std::vector<std::string>{"error 41108 code 0", "lost"}));
    // Lost: the timers are dead and sends are refused.
    EXPECT_EQ(socket->NextDeadline(), std::nullopt);
    EXPECT_EQ(socket->SendCommand(kCmdOk), 0);
    EXPECT_EQ(Posts(), std::vector<std::string>{});
}

TEST_F(SocketTest, AnArrivalThatIsOnlyAPingIsAnsweredAndStopsTheAnswerTimeOut) {
    Connect(1000ms, 5000ms);
    ASSERT_TRUE(peer.Write(VornakMessage("<CMD_PING/>")));
    Receive(start + 600ms);
    EXPECT_EQ(peer.ReadThrough("</VORNAK_KAVRO_INTERFACE>"), kPingAnswer);
    EXPECT_FALSE(socket->IsAnswerTimerRunning());
    // The arrival also put the next ping off by an interval.
    EXPECT_EQ(socket->NextDeadline(), start + 1600ms);
    socket->OnTimers(start + 1000ms);
    socket->OnTimers(start + 5001ms);
    EXPECT_EQ(Posts(), std::vector<std::string>{});
    // The ping that went out at 5001 awaits its answer.
    EXPECT_EQ(peer.ReadMessage(), BuildCommandMessage(kCmdPing, "4711", ""));
    EXPECT_TRUE(socket->IsAnswerTimerRunning());
}

TEST_F(SocketTest, ALongStreamOfArrivalsStillSendsAPingEveryInterval) {
    Connect(1000ms, 60000ms);
    const std::string part = "<VORNAK_KAVRO_INTERFACE ProcessID=\"4711\"><COMMAND><CMD_DATA_KAVRO>";
    for (int second = 0; second <= 2; ++second) {
        ASSERT_TRUE(peer.Write(part));
        Receive(start + std::chrono::milliseconds(second * 1000 + 500));
    }
    // Arrivals at 0.5 s, 1.5 s and 2.5 s: the timer never fired, the stream rule sent two pings.
    EXPECT_EQ(peer.ReadMessage(), BuildCommandMessage(kCmdPing, "4711", ""));
    EXPECT_EQ(peer.ReadMessage(), BuildCommandMessage(kCmdPing, "4711", ""));
    EXPECT_EQ(socket->NextDeadline(), start + 3500ms);
}

TEST_F(SocketTest, KilledTimersStayKilledWhateverArrives) {
    Connect(1000ms, 5000ms);
    socket->KillPingTimer();
    socket->KillAnswerTimer();
    ASSERT_TRUE(peer.Write(VornakMessage("<CMD_OK/>")));
    Receive(start + 500ms);
    EXPECT_EQ(socket->NextDeadline(), std::nullopt);
    EXPECT_EQ(Posts(), std::vector<std::string>{"message " + VornakMessage("<CMD_OK/>")});
}

TEST_F(SocketTest, ANumberTheToolDoesNotSendWritesNothingAndIsReported) {
    Connect(10000ms, 300000ms);
    EXPECT_EQ(socket->SendCommand(8), 0);
    EXPECT_EQ(Posts(), std::vector<std::string>{"error 45076 code 0"});
    EXPECT_EQ(FormatMessageId(45076), "KAVRO unable to send Command: Unknown Command! [W1076]");
    // What the peer reads next is the next command sent.
    EXPECT_EQ(socket->SendCommand(kCmdOk), 1);
    EXPECT_EQ(peer.ReadMessage(), BuildCommandMessage(kCmdOk, "4711", ""));
}

TEST_F(SocketTest, WritingToAPeerThatHasGoneLosesTheConnectionWithoutASignal) {
    Connect(10000ms, 300000ms);
    peer.CloseConnection();
    // The first writes still reach the system; once the peer's end has refused them, writing
    // fails (and would raise SIGPIPE, ending this test, were it not suppressed).
    int sent = 0;
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (socket->SendCommand(kCmdOk) == 1 && std::chrono::steady_clock::now() < deadline) ++sent;
    EXPECT_GE(sent, 1);
    EXPECT_EQ(Posts(), (std::vector<std::string>{"error 41107 code 0", "lost"}));
}
