#pragma once
// The receiving side of the protocol on bytes: the stream cut into messages at the end tag of
// the root element, and a message told apart by the command it carries. Both take whatever a
// peer sends; neither fails.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

class VornakFramer {
public:
    void Append(std::string_view bytes);
    // The next complete message: the bytes through the first end tag of the root element, white
    // space before the message's first "<" dropped. Bytes that do not yet complete a message
    // stay for the next call.
    std::optional<std::string> NextMessage();
    // The bytes received that belong to no message yet.
    std::size_t PendingSize() const { return buffer_.size() - begin_; }

private:
    std::string buffer_;
    std::size_t begin_ = 0;       // where the next message starts
    std::size_t searchFrom_ = 0;  // no end tag starts before this
};

// The name of the first element inside COMMAND, itself the first element inside the root
// element VORNAK_KAVRO_INTERFACE; "" when the message is not built that way. Declarations,
// comments and CDATA sections between the tags are passed over; only the tags up to that
// element are read.
std::string_view CommandElementOf(std::string_view message);

enum class VornakMessageKind { Ping, PingAnswer, Other };
VornakMessageKind ClassifyMessage(std::string_view message);
