#include "platform/Progress.h"

#include <algorithm>
#include <ostream>

#include "platform/Clock.h"

Progress::Progress() {
    log_.SetLineListener([this](const std::string& line) {
        for (ProgressObserver* observer : observers_) observer->OnLogLine(line);
    });
}

void Progress::SetTotal(int n) {
    counts_.total = n;
    counts_.remaining = n;
    counts_.position = 0;
    CountsChanged();
}

void Progress::StepCompleted() {
    ++counts_.completed;
    --counts_.remaining;
    ++counts_.position;
    CountsChanged();
}

void Progress::StepFailed() {
    ++counts_.failures;
    --counts_.remaining;
    ++counts_.position;
    CountsChanged();
}

void Progress::SetCurrentItem(std::string item) {
    currentItem_ = std::move(item);
    for (ProgressObserver* observer : observers_) observer->OnCurrentItem(currentItem_);
}

bool Progress::ShouldStop() const {
    // The hook may handle a click that polls again; that poll does not run it twice.
    if (pollHook_ && !polling_) {
        const std::uint32_t now = GetClock().TickCount();
        if (now - lastPoll_ >= pollInterval_) {
            polling_ = true;
            pollHook_();
            polling_ = false;
            lastPoll_ = GetClock().TickCount();
        }
    }
    return stopRequested_.load();
}

void Progress::SetPollHook(std::function<void()> hook, std::uint32_t intervalMs) {
    pollHook_ = std::move(hook);
    pollInterval_ = intervalMs;
    lastPoll_ = GetClock().TickCount();
}

void Progress::AddLogText(std::string_view text) { log_.AddMessage(text); }

void Progress::AddObserver(ProgressObserver* observer) {
    if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void Progress::RemoveObserver(ProgressObserver* observer) { std::erase(observers_, observer); }

void Progress::CountsChanged() {
    for (ProgressObserver* observer : observers_) observer->OnCountsChanged(counts_);
}

void ConsoleProgressObserver::OnLogLine(const std::string& line) { out_ << line << std::endl; }
