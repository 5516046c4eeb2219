#pragma once
// The interface connected to a test peer, with the worker's posts collected in a queue.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "LoopbackPeer.h"
#include "tests/support/GlobalState.h"
#include "tminterface/VornakIF.h"
#include "tminterface/VornakMessages.h"

using namespace std::chrono_literals;

// Any free local port; the intervals as given.
VornakSocketOptions TestOptions(std::chrono::milliseconds pingInterval = 10000ms,
                                std::chrono::milliseconds answerTimeout = 300000ms);

// "lost", "state 8", "error 41039 code 111", "message <text>".
std::string Describe(const VornakPost& post);
void PrintTo(const VornakPost& post, std::ostream* out);

// The envelope header the tool writes, with this process's id.
std::string OwnHeader();
// The message the tool sends for an empty command element: "<CMD_OK/>" say.
std::string OwnMessage(std::string_view commandElement);

class InterfaceTest : public ::testing::Test {
protected:
    // Starts the interface toward the peer and takes CMD_OK and CMD_REQUEST_DATA; state 8 is
    // posted.
    void Connect(VornakSocketOptions options = TestOptions());
    // The described posts, waiting for each up to the limit; fewer when they did not come.
    std::vector<std::string> TakePosts(size_t count, std::chrono::milliseconds limit = kPatience);
    // Whatever has been posted so far.
    std::vector<std::string> PostsSoFar();

    LoopbackPeer peer;
    VornakPostQueue posts;
    // The frame's part, when a test stands in for it; it must outlive the interface.
    VornakHost* interfaceHost = nullptr;
    std::unique_ptr<CVornakIF> vornak;
};
