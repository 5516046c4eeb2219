#include "LoopbackPeer.h"

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

#include "tminterface/VornakFramer.h"
#include "tminterface/VornakSocket.h"

namespace {

int MillisecondsUntil(std::chrono::steady_clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

bool WaitFor(int descriptor, short events, std::chrono::steady_clock::time_point deadline) {
    pollfd wanted{descriptor, events, 0};
    for (;;) {
        const int ready = ::poll(&wanted, 1, MillisecondsUntil(deadline));
        if (ready > 0) return true;
        if (ready == 0 || errno != EINTR) return false;
    }
}

}  // namespace

LoopbackPeer::LoopbackPeer(std::uint16_t port, int backlog) {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int reuse = 1;
    ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
    sockaddr_in address = LoopbackAddress(port);
    socklen_t length = sizeof address;
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(listener_, backlog) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("the test peer cannot listen");
    port_ = ntohs(address.sin_port);
}

LoopbackPeer::~LoopbackPeer() {
    CloseConnection();
    ::close(listener_);
}

bool LoopbackPeer::Accept(std::chrono::milliseconds limit) {
    CloseConnection();
    buffer_.clear();
    closedByTool_ = false;
    if (!WaitFor(listener_, POLLIN, std::chrono::steady_clock::now() + limit)) return false;
    socklen_t length = sizeof toolAddress_;
    connection_ = ::accept4(listener_, reinterpret_cast<sockaddr*>(&toolAddress_), &length, SOCK_CLOEXEC);
    return connection_ >= 0;
}

bool LoopbackPeer::ReadSome(std::chrono::steady_clock::time_point deadline) {
    if (connection_ < 0 || closedByTool_ || !WaitFor(connection_, POLLIN, deadline)) return false;
    char piece[65536];
    const ssize_t received = ::recv(connection_, piece, sizeof piece, 0);
    if (received <= 0) {
        closedByTool_ = true;
        return false;
    }
    buffer_.append(piece, static_cast<size_t>(received));
    return true;
}

std::optional<std::string> LoopbackPeer::ReadThrough(std::string_view mark, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        if (const size_t at = buffer_.find(mark); at != std::string::npos) {
            std::string bytes = buffer_.substr(0, at + mark.size());
            buffer_.erase(0, at + mark.size());
            return bytes;
        }
        if (!ReadSome(deadline)) return std::nullopt;
    }
}

std::optional<std::string> LoopbackPeer::ReadMessage(std::chrono::milliseconds limit) {
    std::optional<std::string> message = ReadThrough("</VORNAK_KAVRO_INTERFACE>", limit);
    // The line feed after the end tag goes out in the same write.
    if (message && !buffer_.empty() && buffer_.front() == '\n') {
        *message += '\n';
        buffer_.erase(0, 1);
    }
    return message;
}

bool LoopbackPeer::WaitForClose(std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (ReadSome(deadline)) buffer_.clear();
    return closedByTool_;
}

bool LoopbackPeer::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::send(connection_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

void LoopbackPeer::CloseConnection(bool reset) {
    if (connection_ < 0) return;
    if (reset) {
        const linger abort{1, 0};
        ::setsockopt(connection_, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
    }
    ::close(connection_);
    connection_ = -1;
}

LoopbackClient::LoopbackClient(std::uint16_t port) : descriptor_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
    const sockaddr_in address = LoopbackAddress(port);
    if (::connect(descriptor_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        throw std::runtime_error("the test client cannot connect");
}

LoopbackClient::~LoopbackClient() { ::close(descriptor_); }

std::string VornakMessage(std::string_view commandElement, std::string_view processId) {
    std::string message = "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\n<VORNAK_KAVRO_INTERFACE ProcessID=\"";
    message += processId;
    message += "\">\n<COMMAND>\n";
    message += commandElement;
    message += "\n</COMMAND>\n</VORNAK_KAVRO_INTERFACE>";
    return message;
}

std::vector<std::string> Frame(const std::vector<std::string>& pieces) {
    VornakFramer framer;
    std::vector<std::string> messages;
    for (const std::string& piece : pieces) {
        framer.Append(piece);
        while (std::optional<std::string> message = framer.NextMessage()) messages.push_back(*message);
    }
    return messages;
}
