#include "platform/Progress.h"

#include <algorithm>
#include <ostream>

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
