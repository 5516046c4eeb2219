#pragma once
// What a long job (loading, generation, conversion, data generation, documentation) reports
// while it runs, and how it learns that the user wants it to stop. The job writes counts, the
// item it works on and log lines here and polls ShouldStop between its steps; the status
// dialog and the batch console observe it. The job never pumps GUI messages itself.
#include <atomic>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "platform/MessageLog.h"

struct ProgressCounts {
    int total = 0;
    int completed = 0;
    int failures = 0;
    int remaining = 0;
    // Steps since the last SetTotal: the position of a progress bar that runs from 0 to total.
    int position = 0;

    bool operator==(const ProgressCounts&) const = default;
};

// Called on the job's thread, right after each change. A window that runs the job on another
// thread passes the news on to its own.
class ProgressObserver {
public:
    virtual ~ProgressObserver() = default;
    virtual void OnCountsChanged(const ProgressCounts& /*counts*/) {}
    virtual void OnCurrentItem(const std::string& /*item*/) {}
    virtual void OnLogLine(const std::string& /*line*/) {}
};

class Progress {
public:
    Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    // Total and remaining become n and the position 0; completed and failures stay, so a job
    // that sets a new total per part keeps its tallies.
    void SetTotal(int n);
    void StepCompleted();
    void StepFailed();
    const ProgressCounts& Counts() const { return counts_; }

    void SetCurrentItem(std::string item);
    const std::string& CurrentItem() const { return currentItem_; }

    // One log line per line of the text. Operations that take a MessageLog get Log(): what
    // they add reaches the observers as well (its line listener belongs to this object).
    void AddLogText(std::string_view text);
    MessageLog& Log() { return log_; }
    const MessageLog& Log() const { return log_; }

    // Safe from any thread and from a signal handler; the job sees it at its next poll.
    void RequestStop() { stopRequested_.store(true); }
    // Runs the poll hook when one is due, then tells whether a stop was requested.
    bool ShouldStop() const;

    // A window that runs the job on its own thread handles its events in the hook, so that
    // its Stop button works while the job runs: ShouldStop calls it on the job's thread, at
    // most once per interval of the clock's ticks. Null removes it.
    void SetPollHook(std::function<void()> hook, std::uint32_t intervalMs = 100);

    // Observers are not owned and must outlive their registration.
    void AddObserver(ProgressObserver* observer);
    void RemoveObserver(ProgressObserver* observer);

private:
    void CountsChanged();

    ProgressCounts counts_;
    std::string currentItem_;
    MessageLog log_;
    std::atomic<bool> stopRequested_{false};
    std::function<void()> pollHook_;
    std::uint32_t pollInterval_ = 0;
    mutable std::uint32_t lastPoll_ = 0;
    mutable bool polling_ = false;
    std::vector<ProgressObserver*> observers_;
};

// The batch console: every log line, as it comes, on the stream (standard error in batch mode).
class ConsoleProgressObserver : public ProgressObserver {
public:
    explicit ConsoleProgressObserver(std::ostream& out) : out_(out) {}
    void OnLogLine(const std::string& line) override;

private:
    std::ostream& out_;
};
