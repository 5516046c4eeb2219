#pragma once
// The interface's worker thread: it owns the socket, connects, and then runs a poll loop over
// the socket and the queue of requests from the user-interface thread (an eventfd wakes it),
// with the socket's timers as the loop's deadlines. It touches neither the model nor the
// message buffer; what it has to say goes to the sink.
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "tminterface/VornakMessages.h"
#include "tminterface/VornakSocket.h"

class CVornakThread {
public:
    CVornakThread(unsigned port, std::string processId, VornakSink& sink, VornakSocketOptions options, int logLevel);
    // Posts the quit request and waits for the worker, which ends at once.
    ~CVornakThread();
    CVornakThread(const CVornakThread&) = delete;
    CVornakThread& operator=(const CVornakThread&) = delete;

    // Starts the worker; false when no thread could be made.
    bool Start();
    // The worker's thread id, once started.
    int GetThreadId() const { return threadId_; }
    // Hands the request to the worker; false when the worker is not running.
    bool Post(VornakRequest request);

private:
    void Run();
    // Connects; false ends the thread (the error posted).
    bool InitInstance();
    void ExitInstance();
    void Loop();
    // Carries out every queued request; false once the quit request came.
    bool ProcessRequests();
    // Waits while connecting: true when the socket can be written, false on the quit request.
    bool WaitForConnection(int descriptor);
    void DrainWakeUps();
    bool IsQuitRequested();

    VornakSink& sink_;
    // "VornakSocket.txt", which the worker shares with its socket.
    InterfaceLog log_;

    int wakeDescriptor_ = -1;
    std::mutex mutex_;
    std::deque<VornakRequest> requests_;
    bool running_ = false;
    int threadId_ = 0;
    std::thread thread_;

    // Made with the thread, used by the worker only; it opens nothing before InitInstance.
    std::unique_ptr<CVornakSocket> socket_;
};
