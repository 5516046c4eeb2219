#pragma once
// Keeps the global message buffer as it was across model calls whose checks write into it:
// what a file holds loads as it stands, and a check's message must not linger to be taken for
// the reason of a later failure.
#include <string>

#include "platform/MessageBuffer.h"

class KeptMessage {
public:
    KeptMessage() : saved_(GetGlobalMessageBuffer()) {}
    ~KeptMessage() { SetGlobalMessage(saved_); }
    KeptMessage(const KeptMessage&) = delete;
    KeptMessage& operator=(const KeptMessage&) = delete;

private:
    std::string saved_;
};
