#include "tminterface/VornakCommands.h"

#include <array>

namespace {

// What a send request of the command puts inside COMMAND.
enum class Body {
    Refused,       // the tool never sends it
    EmptyElement,  // the command's element, empty, on a line of its own
    Payload,       // the payload text of the request
    Nothing,       // an empty COMMAND
    WholeMessage,  // the payload is the whole message
};

struct CommandEntry {
    std::string_view name;
    Body body;
    bool awaitsAnswer;
};

// Indexed by number; 8 has no command.
constexpr std::array<CommandEntry, 18> kCommands = {{
    {"CMD_NONE", Body::Refused, false},
    {"CMD_CHANGED_TASKLIST", Body::Payload, true},
    {"CMD_DATA_KAVRO", Body::Payload, true},
    {"CMD_DATA_LIB", Body::Nothing, false},
    {"CMD_DATA_LIBLIST", Body::Nothing, false},
    {"CMD_DATA_TS", Body::WholeMessage, true},
    {"CMD_EXIT", Body::EmptyElement, true},
    {"CMD_FAIL", Body::Payload, false},
    {{}, Body::Refused, false},
    {"CMD_LOCK", Body::EmptyElement, true},
    {"CMD_OK", Body::EmptyElement, false},
    {"CMD_PING", Body::EmptyElement, true},
    {"CMD_PING_OK", Body::EmptyElement, false},
    {"CMD_REQUEST_DATA", Body::EmptyElement, true},
    {"CMD_REQUEST_LIB", Body::Payload, true},
    {"CMD_REQUEST_LIBLIST", Body::EmptyElement, true},
    {"CMD_SHOW_TASK", Body::Nothing, false},
    {"CMD_UNLOCK", Body::EmptyElement, true},
}};

const CommandEntry* FindCommand(int command) {
    if (command < 0 || command >= static_cast<int>(kCommands.size())) return nullptr;
    const CommandEntry& entry = kCommands[static_cast<size_t>(command)];
    return entry.name.empty() ? nullptr : &entry;
}

}  // namespace

std::string_view VornakCommandName(int command) {
    const CommandEntry* entry = FindCommand(command);
    return entry ? entry->name : std::string_view("Error: Unknown command");
}

bool VornakCommandAwaitsAnswer(int command) {
    const CommandEntry* entry = FindCommand(command);
    return entry && entry->awaitsAnswer;
}

bool VornakCommandHasPayload(int command) {
    const CommandEntry* entry = FindCommand(command);
    return entry && (entry->body == Body::Payload || entry->body == Body::WholeMessage);
}

std::string BuildEnvelopeHeader(std::string_view processId) {
    std::string header = "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\n<VORNAK_KAVRO_INTERFACE InterfaceVersion=\"3.0\" "
                         "Tool=\"KAVRO\" ToolVersion=\"16.7\" ProcessID=\"";
    header += processId;
    header += "\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
              "xsi:noNamespaceSchemaLocation=\"Protocol.xsd\">\n";
    return header;
}

std::optional<std::string> BuildCommandMessage(int command, std::string_view processId, std::string_view payload) {
    const CommandEntry* entry = FindCommand(command);
    if (!entry || entry->body == Body::Refused) return std::nullopt;
    if (entry->body == Body::WholeMessage) return std::string(payload);
    std::string message = BuildEnvelopeHeader(processId);
    message += "<COMMAND>\n";
    if (entry->body == Body::EmptyElement) {
        message += '<';
        message += entry->name;
        message += "/>\n";
    } else if (entry->body == Body::Payload) {
        message += payload;
    }
    message += "</COMMAND>\n";
    message += kVornakEndTag;
    message += '\n';
    return message;
}

std::string BuildPingAnswer(std::string_view processId) {
    std::string answer = BuildEnvelopeHeader(processId);
    answer += "\t<COMMAND>\n\t\t<CMD_PING_OK/>\n\t</COMMAND>\n";
    answer += kVornakEndTag;
    return answer;
}
