#pragma once
// VORNAK's end of the connection for the tests: a listening socket on 127.0.0.1 that accepts the
// tool's connection, reads what it sends and writes what a test scripts. Every wait has a
// limit, so a test that fails does not hang. Beside it, the messages and framing the tests share.
#include <netinet/in.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Long enough for a loaded machine running the sanitizers; reached only when a test fails.
inline constexpr std::chrono::milliseconds kPatience{60000};

class LoopbackPeer {
public:
    // Listens on the port (0 takes a free one) with room for backlog connections not accepted yet.
    explicit LoopbackPeer(std::uint16_t port = 0, int backlog = 4);
    ~LoopbackPeer();
    LoopbackPeer(const LoopbackPeer&) = delete;
    LoopbackPeer& operator=(const LoopbackPeer&) = delete;

    std::uint16_t Port() const { return port_; }
    // Takes the next connection in place of the one before.
    bool Accept(std::chrono::milliseconds limit = kPatience);
    // The address the tool connected from.
    const sockaddr_in& ToolAddress() const { return toolAddress_; }

    // The bytes up to and including the mark, the rest kept for the next read; nothing when the
    // mark did not come within the limit or the tool closed first.
    std::optional<std::string> ReadThrough(std::string_view mark, std::chrono::milliseconds limit = kPatience);
    // One message of the tool: through the end tag and the line feed after it, if one follows.
    std::optional<std::string> ReadMessage(std::chrono::milliseconds limit = kPatience);
    // Reads until the tool closes the connection or the limit passes; true when it closed.
    bool WaitForClose(std::chrono::milliseconds limit = kPatience);

    bool Write(std::string_view bytes);
    // Ends the connection: with reset the tool sees the connection reset, else an orderly end.
    void CloseConnection(bool reset = false);

private:
    // Reads what is there, waiting up to the deadline; false on the tool's end or the deadline.
    bool ReadSome(std::chrono::steady_clock::time_point deadline);

    std::uint16_t port_ = 0;
    int listener_ = -1;
    int connection_ = -1;
    sockaddr_in toolAddress_{};
    std::string buffer_;
    bool closedByTool_ = false;
};

// A plain connection to a port, held while the object lives.
class LoopbackClient {
public:
    explicit LoopbackClient(std::uint16_t port);
    ~LoopbackClient();
    LoopbackClient(const LoopbackClient&) = delete;
    LoopbackClient& operator=(const LoopbackClient&) = delete;

private:
    int descriptor_;
};

// The messages the framer makes of the pieces of a stream, in order.
std::vector<std::string> Frame(const std::vector<std::string>& pieces);

// A message of VORNAK with the command inside COMMAND (the element's text, "<CMD_OK/>" say).
std::string VornakMessage(std::string_view commandElement, std::string_view processId = "4711");
