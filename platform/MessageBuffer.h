#pragma once
// The one message buffer of the process: a failing operation writes its message here and
// returns its failure value; the caller shows the text.
#include <string>

#include "platform/Format.h"

std::string& GetGlobalMessageBuffer();
void SetGlobalMessage(std::string text);
void ClearGlobalMessage();

// The catalogue text of the id with its placeholders filled.
template <class... A>
std::string FormatMessageId(int id, const A&... args);

// Writes the catalogue text of the id, placeholders filled, into the global buffer.
template <class... A>
void SetMessage(int id, const A&... args) {
    SetGlobalMessage(FormatMessageId(id, args...));
}

// Writes the message and returns 0, the failure value of most operations.
template <class... A>
int Fail(int id, const A&... args) {
    SetMessage(id, args...);
    return 0;
}

std::string FormatMessageIdWith(int id, const std::vector<FormatArg>& args);

template <class... A>
std::string FormatMessageId(int id, const A&... args) {
    return FormatMessageIdWith(id, std::vector<FormatArg>{FormatArg(args)...});
}
