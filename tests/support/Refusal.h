#pragma once
// Checks of operations that report a refusal through the global message buffer.
#include <gtest/gtest.h>

#include <string>

#include "platform/MessageBuffer.h"

// Runs the operation and returns the message it left ("" when it accepted); the result must
// agree with the message.
template <class Operation>
std::string Refusal(Operation operation) {
    ClearGlobalMessage();
    bool ok = static_cast<bool>(operation());
    std::string message = GetGlobalMessageBuffer();
    EXPECT_EQ(ok, message.empty()) << message;
    return message;
}
