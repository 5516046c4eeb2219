#pragma once
// The process-wide random source: a 24-cell linear feedback shift register seeded from the
// tick count and the process id, guarded by a mutex.
#include <bit>
#include <cstdint>
#include <vector>

// The cells are kept as one word, cell i in bit i: a step is a shift and a parity, not a walk
// over the cells.
class CShiftRegister {
public:
    static constexpr int kMaxCells = 32;

    // FALSE, with the register reset, when cellCount < 3 or > kMaxCells, fewer than 2 taps, the
    // initial cells differ from cellCount in number or hold a value other than 0 or 1, or a
    // tap >= cellCount.
    bool Init(int cellCount, const std::vector<int>& taps, const std::vector<std::uint8_t>& initialCells,
              bool shiftTowardCell0);
    // One shift; TRUE when the register is back at its initial content; FALSE doing nothing
    // when the register is not ready. Defined here so that a draw's steps are inlined.
    bool Step(std::uint8_t& outBit) {
        if (!ready_) return false;
        const std::uint32_t feedback = std::popcount(cells_ & tapMask_) & 1u;
        const int last = cellCount_ - 1;
        ++stepCount_;
        if (shiftTowardCell0_) {
            outBit = cells_ & 1u;
            cells_ = cells_ >> 1 | feedback << last;
        } else {
            outBit = cells_ >> last & 1u;
            cells_ = (cells_ & ~(1u << last)) << 1 | feedback;
        }
        return cells_ == initialCells_;
    }
    bool Step() {
        std::uint8_t unused;
        return Step(unused);
    }
    // The cells as a number (cell i is bit i) times 2^-24.
    double GetValue() const { return cells_ * (1.0 / 16777216.0); }
    // Builds, initialises and warms up the register from a tick count and a process id.
    void Seed(std::uint32_t tick, std::uint32_t processId);

    bool IsReady() const { return ready_; }
    std::int32_t GetStepCount() const { return stepCount_; }
    std::vector<std::uint8_t> GetCells() const;

private:
    void Start(int cellCount, std::uint32_t tapMask, std::uint32_t cells, bool shiftTowardCell0);

    std::uint32_t cells_ = 0;
    std::uint32_t initialCells_ = 0;
    // A tap named twice cancels itself, as its cell did in the feedback's exclusive or.
    std::uint32_t tapMask_ = 0;
    int cellCount_ = 0;
    std::int32_t stepCount_ = 0;
    bool shiftTowardCell0_ = true;
    bool ready_ = false;
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
