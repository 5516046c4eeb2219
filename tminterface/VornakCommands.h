#pragma once
// The commands of the message protocol between KAVRO and VORNAK and the texts of the messages
// the tool sends. Messages are UTF-8 without byte-order mark; the end tag of the root element
// is the only frame mark on the stream.
#include <optional>
#include <string>
#include <string_view>

// Command numbers: the received-command field of the interface and the number of a send request.
enum VornakCommand : int {
    kCmdNone = 0,
    kCmdChangedTaskList = 1,
    kCmdDataKavro = 2,
    kCmdDataLib = 3,
    kCmdDataLibList = 4,
    kCmdDataTs = 5,
    kCmdExit = 6,
    kCmdFail = 7,
    kCmdLock = 9,
    kCmdOk = 10,
    kCmdPing = 11,
    kCmdPingOk = 12,
    kCmdRequestData = 13,
    kCmdRequestLib = 14,
    kCmdRequestLibList = 15,
    kCmdShowTask = 16,
    kCmdUnlock = 17,
};

inline constexpr std::string_view kVornakEndTag = "</VORNAK_KAVRO_INTERFACE>";

// The element name of the command; "Error: Unknown command" for a number not in the table.
std::string_view VornakCommandName(int command);
// Whether the tool waits for VORNAK's answer after sending the command.
bool VornakCommandAwaitsAnswer(int command);
// Whether a send request of the command carries a payload text (1, 2, 5, 7, 14).
bool VornakCommandHasPayload(int command);

// The declaration line and the root start tag, each ended by a line feed.
std::string BuildEnvelopeHeader(std::string_view processId);
// The message of a send request; nothing for a number the tool does not send. The payload is
// the body of 1, 2, 7 and 14; for 5 it is the whole message, sent as it is.
std::optional<std::string> BuildCommandMessage(int command, std::string_view processId, std::string_view payload);
// The ready-made answer to VORNAK's ping: tab-indented, no line feed after the end tag.
std::string BuildPingAnswer(std::string_view processId);
