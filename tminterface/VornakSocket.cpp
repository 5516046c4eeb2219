#include "tminterface/VornakSocket.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/Format.h"
#include "tminterface/VornakCommands.h"

namespace {

// The most one read takes; the buffer keeps a byte for a terminating zero.
constexpr std::size_t kReadPiece = 0x3FFFF;
// The state the interface waits in once connected: the test structure is next.
constexpr int kWaitingForTestStructure = 8;

bool WouldBlock(int error) { return error == EAGAIN || error == EWOULDBLOCK; }

}  // namespace

sockaddr_in LoopbackAddress(std::uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

CVornakSocket::CVornakSocket(unsigned port, std::string processId, VornakSink& sink, VornakSocketOptions options,
                             InterfaceLog log)
    : port_(port),
      processId_(std::move(processId)),
      sink_(sink),
      options_(options),
      log_(std::move(log)) {}

CVornakSocket::~CVornakSocket() { CloseDescriptor(); }

int CVornakSocket::Connect(const ConnectWait& wait) {
    CloseDescriptor();
    outgoing_.clear();
    framer_ = VornakFramer();
    pingAnswer_ = BuildPingAnswer(processId_);

    descriptor_ = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    const int reuse = 1;
    const sockaddr_in local = LoopbackAddress(options_.localPort);
    if (descriptor_ < 0 || ::setsockopt(descriptor_, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse) != 0 ||
        ::bind(descriptor_, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
        lastError_ = errno;
        CloseDescriptor();
        return kCreationFailed;
    }
    log_.WriteBanner("Socket created");

    if (port_ == 0 || port_ > 0xFFFF) {
        lastError_ = EINVAL;
        return kConnectionFailed;
    }
    const sockaddr_in peer = LoopbackAddress(static_cast<std::uint16_t>(port_));
    if (::connect(descriptor_, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) != 0) {
        lastError_ = errno;
        if (lastError_ != EINPROGRESS) return kConnectionFailed;
        if (!wait(descriptor_)) {
            lastError_ = ECANCELED;
            return kConnectionFailed;
        }
        socklen_t length = sizeof lastError_;
        if (::getsockopt(descriptor_, SOL_SOCKET, SO_ERROR, &lastError_, &length) != 0) lastError_ = errno;
        if (lastError_ != 0) return kConnectionFailed;
    }
    lastError_ = 0;
    log_.WriteBanner("Socket connected");
    log_.Write(Fmt("Main process ID: %s\nSocket process ID: %d\n", processId_, static_cast<int>(::gettid())));

    const TimePoint now = std::chrono::steady_clock::now();
    state_ = kSocketOpen;
    if (Send(kCmdOk, kCannotSend, now) == 0) return kFirstCommandFailed;
    pingDeadline_ = now + options_.pingInterval;
    lastPing_ = now;
    if (Send(kCmdRequestData, kCannotSend, now) == 0) return kFirstCommandFailed;
    sink_.Post(VornakPost::State(kWaitingForTestStructure));
    return kConnected;
}

int CVornakSocket::SendCommand(int command) { return Send(command, kCannotSend, std::chrono::steady_clock::now()); }

int CVornakSocket::Send(int command, int failureMessage, TimePoint now) {
    if (state_ == kSocketClosed || descriptor_ < 0) return 0;
    std::optional<std::string> message = BuildCommandMessage(command, processId_, payload_);
    payload_.clear();
    if (!message) {
        PostError(kUnknownCommandToSend, 0);
        return 0;
    }
    if (log_.GetLevel() == kVornakLogFine) {
        log_.WriteBanner("NEW COMMAND from KAVRO", kVornakLogFine);
        log_.Write(*message, kVornakLogFine);
    } else {
        log_.WriteBanner("NEW COMMAND from KAVRO");
        log_.Write("Switch logging to FINE to see details");
    }
    return Queue(std::move(*message), VornakCommandAwaitsAnswer(command), failureMessage, now) ? 1 : 0;
}

bool CVornakSocket::Queue(std::string bytes, bool awaitsAnswer, int failureMessage, TimePoint now) {
    if (outgoing_.empty()) lastWriteProgress_ = now;
    outgoing_.push_back({std::move(bytes), 0, awaitsAnswer, failureMessage});
    return Flush(now, true);
}

bool CVornakSocket::Flush(TimePoint now, bool reportFailure) {
    while (!outgoing_.empty() && descriptor_ >= 0) {
        Outgoing& front = outgoing_.front();
        const ssize_t written = ::send(descriptor_, front.bytes.data() + front.written,
                                       front.bytes.size() - front.written, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (written < 0) {
            if (errno == EINTR) continue;
            if (WouldBlock(errno)) return true;
            if (reportFailure) {
                PostError(front.failureMessage, 0);
                ShutDownAsLost();
            }
            return false;
        }
        front.written += static_cast<std::size_t>(written);
        lastWriteProgress_ = now;
        if (front.written < front.bytes.size()) continue;
        // The answer is awaited from the moment the whole command has gone out.
        if (front.awaitsAnswer && !answerDeadline_) answerDeadline_ = now + options_.answerTimeout;
        outgoing_.pop_front();
    }
    return true;
}

void CVornakSocket::Close() {
    state_ = kSocketClosed;
    KillPingTimer();
    KillAnswerTimer();
    Flush(std::chrono::steady_clock::now(), false);
    outgoing_.clear();
    CloseDescriptor();
}

void CVornakSocket::ShutDownAsLost() {
    KillPingTimer();
    KillAnswerTimer();
    state_ = kSocketClosed;
    outgoing_.clear();
    sink_.Post(VornakPost::LostConnection());
}

short CVornakSocket::GetPollEvents() const {
    short events = 0;
    if (state_ != kSocketReceivingStopped) events |= POLLIN;
    if (!outgoing_.empty()) events |= POLLOUT;
    return events;
}

void CVornakSocket::OnReady(short events, TimePoint now) {
    if ((events & POLLOUT) != 0) Flush(now, true);
    if (descriptor_ < 0 || (events & (POLLIN | POLLHUP | POLLERR)) == 0) return;
    if (state_ != kSocketReceivingStopped) {
        OnReceive(now);
    } else if ((events & (POLLHUP | POLLERR)) != 0) {
        // Nobody listens any more, and the peer is gone.
        CloseDescriptor();
    }
}

void CVornakSocket::OnReceive(TimePoint now) {
    log_.WriteBanner("OnReceive Called");
    int available = 0;
    if (::ioctl(descriptor_, FIONREAD, &available) != 0) {
        ReceiveFailed();
        return;
    }
    // Readable with nothing to read: the peer has ended the stream, or the connection failed.
    std::size_t remaining = available > 0 ? static_cast<std::size_t>(available) : 1;
    bool arrived = false;
    std::string piece;
    while (remaining > 0 && descriptor_ >= 0) {
        piece.resize(std::min(remaining, kReadPiece));
        const ssize_t received = ::recv(descriptor_, piece.data(), piece.size(), MSG_DONTWAIT);
        if (received < 0 && errno == EINTR) continue;
        if (received < 0 && WouldBlock(errno)) return;
        if (received <= 0) {
            ReceiveFailed();
            return;
        }
        if (!arrived) OnArrival(now);
        arrived = true;
        remaining -= std::min(remaining, static_cast<std::size_t>(received));
        log_.Write(Fmt("OnReceive read %d bytes\n", static_cast<int>(received)));
        framer_.Append(std::string_view(piece.data(), static_cast<std::size_t>(received)));
        while (std::optional<std::string> message = framer_.NextMessage()) HandleMessage(std::move(*message), now);
        if (pingDeadline_ && state_ == kSocketOpen && now - lastPing_ >= options_.pingInterval) {
            lastPing_ = now;
            Send(kCmdPing, kCannotSendPing, now);
        }
    }
}

void CVornakSocket::OnArrival(TimePoint now) {
    // Any arrival counts as the answer.
    KillAnswerTimer();
    if (pingDeadline_ && state_ == kSocketOpen) pingDeadline_ = now + options_.pingInterval;
}

void CVornakSocket::ReceiveFailed() {
    // Once the loss has been reported, the end of the stream only ends the reading.
    if (state_ != kSocketClosed) {
        PostError(kCannotReceive, 0);
        ShutDownAsLost();
    }
    CloseDescriptor();
}

void CVornakSocket::HandleMessage(std::string message, TimePoint now) {
    if (log_.GetLevel() == kVornakLogFine) {
        log_.WriteBanner("NEW COMMAND from VORNAK", kVornakLogFine);
        log_.Write(Fmt("Length of m_receivedCmd: %d\n", static_cast<int>(message.size())), kVornakLogFine);
        log_.Write(message, kVornakLogFine);
    } else {
        log_.WriteBanner("NEW COMMAND from VORNAK");
        log_.Write("Switch logging to FINE to see details");
    }
    switch (ClassifyMessage(message)) {
        case VornakMessageKind::Ping:
            log_.Write("CMD_PING from VORNAK");
            if (state_ == kSocketClosed || descriptor_ < 0) return;
            log_.Write("sending CMD_PING_OK to VORNAK");
            Queue(pingAnswer_, false, kCannotAnswerPing, now);
            return;
        case VornakMessageKind::PingAnswer:
            return;
        case VornakMessageKind::Other:
            sink_.Post(VornakPost::Message(std::move(message)));
            return;
    }
}

std::optional<CVornakSocket::TimePoint> CVornakSocket::NextDeadline() const {
    std::optional<TimePoint> next = pingDeadline_;
    const auto earlier = [&next](TimePoint deadline) {
        if (!next || deadline < *next) next = deadline;
    };
    if (answerDeadline_) earlier(*answerDeadline_);
    if (!outgoing_.empty()) earlier(lastWriteProgress_ + options_.answerTimeout);
    return next;
}

void CVornakSocket::OnTimers(TimePoint now) {
    if (!outgoing_.empty() && now >= lastWriteProgress_ + options_.answerTimeout) {
        PostError(outgoing_.front().failureMessage, 0);
        ShutDownAsLost();
        return;
    }
    if (answerDeadline_ && now >= *answerDeadline_) {
        PostError(kManagerNotResponding, 0);
        ShutDownAsLost();
        return;
    }
    if (pingDeadline_ && now >= *pingDeadline_) {
        pingDeadline_ = now + options_.pingInterval;
        lastPing_ = now;
        Send(kCmdPing, kCannotSendPing, now);
    }
}

void CVornakSocket::CloseDescriptor() {
    if (descriptor_ >= 0) ::close(descriptor_);
    descriptor_ = -1;
}

void CVornakSocket::PostError(int messageId, int code) { sink_.Post(VornakPost::Error(messageId, code)); }
