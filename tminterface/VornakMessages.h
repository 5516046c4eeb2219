#pragma once
// What passes between the user-interface thread and the interface's worker thread, and nothing
// else does: requests to the worker (a queue it takes them from) and the worker's posts to the
// main window (a sink the window installs). Both carry their texts by value.
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <string>

// Requests to the worker; the values are those of the thread messages they stand for.
enum class VornakRequestKind : int {
    SendCommand = 0x52D,      // command number; the payload of 1, 2, 5, 7, 14
    StopReceive = 0x52E,      // arriving data is ignored from now on
    Close = 0x52F,            // sends refused, the socket closed
    KillPingTimer = 0x530,
    KillAnswerTimer = 0x531,
    Quit = 0x12,              // the worker ends
};

struct VornakRequest {
    VornakRequestKind kind = VornakRequestKind::Quit;
    int command = 0;
    std::string payload;

    static VornakRequest Send(int command, std::string payload) {
        return {VornakRequestKind::SendCommand, command, std::move(payload)};
    }
    static VornakRequest Of(VornakRequestKind kind) { return {kind, 0, {}}; }
};

// Posts of the worker to the main window; the values are those of the window messages.
enum class VornakPostKind : int {
    LostConnection = 0x55E,
    MessageFromSocket = 0x55F,  // text: one received message, UTF-8 as it arrived
    SetState = 0x560,           // value: the new interface state
    Error = 0x561,              // value: the catalogue id of the text; code: its one argument
};

struct VornakPost {
    VornakPostKind kind = VornakPostKind::LostConnection;
    int value = 0;
    int code = 0;
    std::string text;

    static VornakPost LostConnection() { return {VornakPostKind::LostConnection, 0, 0, {}}; }
    static VornakPost Message(std::string text) { return {VornakPostKind::MessageFromSocket, 0, 0, std::move(text)}; }
    static VornakPost State(int state) { return {VornakPostKind::SetState, state, 0, {}}; }
    static VornakPost Error(int messageId, int code) { return {VornakPostKind::Error, messageId, code, {}}; }

    bool operator==(const VornakPost&) const = default;
};

// Catalogue ids of the errors the worker posts.
enum VornakErrorMessage : int {
    kSocketCreationFailed = 41038,    // [F0038], with the system's error code
    kSocketConnectionFailed = 41039,  // [F0039], with the system's error code
    kCannotReceive = 41106,           // [F0106]
    kCannotSend = 41107,              // [F0107]
    kManagerNotResponding = 41108,    // [F0108]
    kCannotSendPing = 41109,          // [F0109]
    kCannotAnswerPing = 41110,        // [F0110]
    kUnknownCommandToSend = 45076,    // [W1076]
};

// Receives the worker's posts, on the worker's thread: an implementation hands each on to the
// user-interface thread and returns at once. It must outlive the interface that posts to it.
class VornakSink {
public:
    virtual ~VornakSink() = default;
    virtual void Post(VornakPost post) = 0;
};

// A sink that keeps the posts in order until the user-interface thread takes them.
class VornakPostQueue : public VornakSink {
public:
    void Post(VornakPost post) override;
    // The oldest post, waiting up to the limit for one; nothing when none came.
    std::optional<VornakPost> Take(std::chrono::milliseconds limit = std::chrono::milliseconds(0));

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<VornakPost> posts_;
};
