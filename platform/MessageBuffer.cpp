#include "platform/MessageBuffer.h"

#include "resources/MessageCatalogue.h"

std::string& GetGlobalMessageBuffer() {
    static std::string buffer;
    return buffer;
}

void SetGlobalMessage(std::string text) { GetGlobalMessageBuffer() = std::move(text); }

void ClearGlobalMessage() { GetGlobalMessageBuffer().clear(); }

std::string FormatMessageIdWith(int id, const std::vector<FormatArg>& args) {
    return FormatText(LoadMessage(id), args);
}
