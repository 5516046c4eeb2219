#pragma once
// The process-wide random source: a 24-cell linear feedback shift register seeded from the
// tick count and the process id, guarded by a mutex.
#include <cstdint>
#include <mutex>
#include <vector>

class CShiftRegister {
public:
    // FALSE, with the register reset, when cellCount < 3, fewer than 2 taps, the initial cells
    // differ from cellCount in number or hold a value other than 0 or 1, or a tap >= cellCount.
    bool Init(int cellCount, const std::vector<int>& taps, const std::vector<std::uint8_t>& initialCells,
              bool shiftTowardCell0);
    // One shift; TRUE when the register is back at its initial content; FALSE doing nothing
    // when the register is not ready.
    bool Step(std::uint8_t& outBit);
    bool Step() {
        std::uint8_t unused;
        return Step(unused);
    }
    // The cells as a number (cell i is bit i) times 2^-24.
    double GetValue() const;
    // Builds, initialises and warms up the register from a tick count and a process id.
    void Seed(std::uint32_t tick, std::uint32_t processId);

    bool IsReady() const { return ready_; }
    std::int32_t GetStepCount() const { return stepCount_; }
    const std::vector<std::uint8_t>& GetCells() const { return cells_; }
    std::mutex& Lock() { return lock_; }

private:
    void Reset();

    std::vector<std::uint8_t> initialCells_;
    std::vector<std::uint8_t> cells_;
    std::vector<int> taps_;
    std::int32_t stepCount_ = 0;
    bool shiftTowardCell0_ = true;
    bool ready_ = false;
    std::mutex lock_;
};

struct RandomSeed {
    std::uint32_t tick = 0;
    std::uint32_t processId = 0;
};

// A number in [0, 1) with 24 random bits; seeds the source from the clock on first use.
double GetRandomUnit();
// Deletes the source; the next GetRandomUnit seeds a new one.
void DeleteRandomSource();
// Seeds the source with the given values (tests, benchmarks, a replayed run).
void SeedRandomSource(RandomSeed seed);
// The seed of the current source (seeding it from the clock if none exists), for reports.
RandomSeed GetRandomSeed();
