#include "tminterface/VornakThread.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <future>
#include <system_error>

#include "tminterface/VornakCommands.h"

namespace {

// Milliseconds to wait for the deadline, rounded up so that it has passed on waking; -1 without one.
int PollTimeout(const std::optional<CVornakSocket::TimePoint>& deadline) {
    if (!deadline) return -1;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(*deadline - std::chrono::steady_clock::now());
    return static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(left.count(), 0, INT_MAX));
}

}  // namespace

CVornakThread::CVornakThread(unsigned port, std::string processId, VornakSink& sink, VornakSocketOptions options,
                             int logLevel)
    : sink_(sink),
      log_("VornakSocket.txt", logLevel),
      wakeDescriptor_(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)),
      socket_(std::make_unique<CVornakSocket>(port, std::move(processId), sink, options, log_)) {}

CVornakThread::~CVornakThread() {
    if (thread_.joinable()) {
        Post(VornakRequest::Of(VornakRequestKind::Quit));
        thread_.join();
    }
    if (wakeDescriptor_ >= 0) ::close(wakeDescriptor_);
}

bool CVornakThread::Start() {
    if (wakeDescriptor_ < 0 || thread_.joinable()) return false;
    {
        std::lock_guard lock(mutex_);
        running_ = true;
    }
    std::promise<int> started;
    std::future<int> threadId = started.get_future();
    try {
        thread_ = std::thread([this, started = std::move(started)]() mutable {
            started.set_value(static_cast<int>(::gettid()));
            Run();
        });
    } catch (const std::system_error&) {
        std::lock_guard lock(mutex_);
        running_ = false;
        return false;
    }
    threadId_ = threadId.get();
    return true;
}

bool CVornakThread::Post(VornakRequest request) {
    {
        std::lock_guard lock(mutex_);
        if (!running_) return false;
        requests_.push_back(std::move(request));
    }
    const std::uint64_t one = 1;
    return ::write(wakeDescriptor_, &one, sizeof one) == static_cast<ssize_t>(sizeof one);
}

void CVornakThread::Run() {
    if (InitInstance()) Loop();
    ExitInstance();
    std::lock_guard lock(mutex_);
    running_ = false;
    requests_.clear();
}

bool CVornakThread::InitInstance() {
    const int result = socket_->Connect([this](int descriptor) { return WaitForConnection(descriptor); });
    if (result == kConnected) return true;
    // Closing while connecting ends the worker without a word.
    if (IsQuitRequested()) return false;
    // A first command that could not be sent has reported the loss itself.
    if (result == kFirstCommandFailed) return false;
    socket_->ShutDownAsLost();
    const int message = result == kCreationFailed ? kSocketCreationFailed : kSocketConnectionFailed;
    sink_.Post(VornakPost::Error(message, socket_->GetLastError()));
    return false;
}

void CVornakThread::ExitInstance() {
    log_.WriteBanner("ExitInstance has been called");
    socket_.reset();
}

void CVornakThread::Loop() {
    while (ProcessRequests()) {
        pollfd descriptors[2] = {{wakeDescriptor_, POLLIN, 0}, {socket_->GetDescriptor(), socket_->GetPollEvents(), 0}};
        const nfds_t count = descriptors[1].fd >= 0 ? 2 : 1;
        if (::poll(descriptors, count, PollTimeout(socket_->NextDeadline())) < 0 && errno != EINTR) break;
        if ((descriptors[0].revents & POLLIN) != 0) DrainWakeUps();
        const auto now = std::chrono::steady_clock::now();
        if (count == 2 && descriptors[1].revents != 0 && socket_->GetDescriptor() == descriptors[1].fd)
            socket_->OnReady(descriptors[1].revents, now);
        socket_->OnTimers(now);
    }
}

bool CVornakThread::ProcessRequests() {
    for (;;) {
        VornakRequest request;
        {
            std::lock_guard lock(mutex_);
            if (requests_.empty()) return true;
            request = std::move(requests_.front());
            requests_.pop_front();
        }
        switch (request.kind) {
            case VornakRequestKind::SendCommand:
                if (VornakCommandHasPayload(request.command)) socket_->SetPayload(std::move(request.payload));
                socket_->SendCommand(request.command);
                break;
            case VornakRequestKind::StopReceive: socket_->StopReceiving(); break;
            case VornakRequestKind::Close: socket_->Close(); break;
            case VornakRequestKind::KillPingTimer: socket_->KillPingTimer(); break;
            case VornakRequestKind::KillAnswerTimer: socket_->KillAnswerTimer(); break;
            case VornakRequestKind::Quit: return false;
        }
    }
}

bool CVornakThread::WaitForConnection(int descriptor) {
    for (;;) {
        pollfd descriptors[2] = {{wakeDescriptor_, POLLIN, 0}, {descriptor, POLLOUT, 0}};
        if (::poll(descriptors, 2, -1) < 0 && errno != EINTR) return true;
        if ((descriptors[0].revents & POLLIN) != 0) {
            DrainWakeUps();
            if (IsQuitRequested()) return false;
        }
        if (descriptors[1].revents != 0) return true;
    }
}

void CVornakThread::DrainWakeUps() {
    std::uint64_t count = 0;
    while (::read(wakeDescriptor_, &count, sizeof count) > 0) {
    }
}

bool CVornakThread::IsQuitRequested() {
    std::lock_guard lock(mutex_);
    return std::any_of(requests_.begin(), requests_.end(),
                       [](const VornakRequest& request) { return request.kind == VornakRequestKind::Quit; });
}
