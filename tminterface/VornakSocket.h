#pragma once
// The worker's end of the TCP connection to VORNAK on the local machine: connecting, sending
// the messages of commands, cutting the received stream into messages, answering pings, the
// keep-alive ping and the answer time-out. It lives on the worker thread only and reports to the
// main window through the sink. The socket never blocks: writes are queued and go out as the
// peer takes them, and the worker's poll loop drives reading, writing and the timers through
// GetPollEvents, OnReady, NextDeadline and OnTimers.
#include <netinet/in.h>

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "tminterface/InterfaceLog.h"
#include "tminterface/VornakFramer.h"
#include "tminterface/VornakMessages.h"

struct VornakSocketOptions {
    // The local port the socket is bound to; 0 takes any free one.
    std::uint16_t localPort = 60666;
    // No arrival for this long sends a ping.
    std::chrono::milliseconds pingInterval{10000};
    // No arrival for this long after a command that awaits an answer loses the connection, as
    // does a write that makes no progress for this long.
    std::chrono::milliseconds answerTimeout{300000};
};

enum VornakSocketState : int {
    kSocketOpen = 0,
    kSocketClosed = 1,            // sends are refused
    kSocketReceivingStopped = 2,  // arriving data is ignored
};

// 127.0.0.1 at the port.
sockaddr_in LoopbackAddress(std::uint16_t port);

// Results of CVornakSocket::Connect.
enum VornakConnectResult : int {
    kConnected = 1,
    kCreationFailed = 2,      // the socket could not be made or bound
    kConnectionFailed = 3,
    kFirstCommandFailed = 5,  // CMD_OK or CMD_REQUEST_DATA could not be sent
};

class CVornakSocket {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    // While connecting: waits until the socket can be written (connected or failed); false when
    // the worker must end instead.
    using ConnectWait = std::function<bool(int descriptor)>;

    // The log is "VornakSocket.txt".
    CVornakSocket(unsigned port, std::string processId, VornakSink& sink, VornakSocketOptions options, InterfaceLog log);
    ~CVornakSocket();
    CVornakSocket(const CVornakSocket&) = delete;
    CVornakSocket& operator=(const CVornakSocket&) = delete;

    // Connected: CMD_OK and CMD_REQUEST_DATA sent, state 8 posted. The system's error code of a
    // failure to create or connect is GetLastError.
    int Connect(const ConnectWait& wait);
    int GetLastError() const { return lastError_; }

    // Sends the message of the command (with the payload set before, which is used up): 1
    // written or queued for writing; 0 refused (state closed, [W1076] posted for a number the
    // tool does not send) or failed ([F0107] and the connection lost).
    int SendCommand(int command);
    void SetPayload(std::string payload) { payload_ = std::move(payload); }

    void StopReceiving() { state_ = kSocketReceivingStopped; }
    // Sends are refused from now on; what is queued goes out as far as the peer takes it at once,
    // then the socket is closed.
    void Close();
    void KillPingTimer() { pingDeadline_.reset(); }
    void KillAnswerTimer() { answerDeadline_.reset(); }
    // Timers killed, sends refused, what was queued dropped, the loss posted. Receiving goes on.
    void ShutDownAsLost();

    int GetState() const { return state_; }
    bool IsAnswerTimerRunning() const { return answerDeadline_.has_value(); }

    // For the poll loop: the descriptor (-1 when closed) and the events to wait for on it.
    int GetDescriptor() const { return descriptor_; }
    short GetPollEvents() const;
    void OnReady(short events, TimePoint now);
    std::optional<TimePoint> NextDeadline() const;
    void OnTimers(TimePoint now);

private:
    struct Outgoing {
        std::string bytes;
        std::size_t written = 0;
        bool awaitsAnswer = false;
        int failureMessage = 0;  // posted when the peer cannot be written to
    };

    int Send(int command, int failureMessage, TimePoint now);
    // Queues the bytes and writes what the peer takes; false after a write failed.
    bool Queue(std::string bytes, bool awaitsAnswer, int failureMessage, TimePoint now);
    bool Flush(TimePoint now, bool reportFailure);
    void OnReceive(TimePoint now);
    void OnArrival(TimePoint now);
    void ReceiveFailed();
    void HandleMessage(std::string message, TimePoint now);
    void CloseDescriptor();
    void PostError(int messageId, int code);

    unsigned port_;
    std::string processId_;
    VornakSink& sink_;
    VornakSocketOptions options_;
    InterfaceLog log_;

    int descriptor_ = -1;
    int state_ = kSocketClosed;
    int lastError_ = 0;
    std::string pingAnswer_;
    std::string payload_;
    VornakFramer framer_;
    std::deque<Outgoing> outgoing_;
    TimePoint lastWriteProgress_{};

    std::optional<TimePoint> pingDeadline_;
    std::optional<TimePoint> answerDeadline_;
    // When a ping last went out: a long stream of arrivals, which keeps the ping timer from
    // firing, still sends one every interval.
    TimePoint lastPing_{};
};
