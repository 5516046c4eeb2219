#include "platform/Random.h"

#include <memory>

#include "platform/Clock.h"
#include "platform/ShiftRegisterJump.h"

namespace {

struct RandomSource {
    CShiftRegister shiftRegister;
    RandomSeed seed;
};

std::mutex& CreationLock() {
    static std::mutex lock;
    return lock;
}

std::unique_ptr<RandomSource>& Source() {
    static std::unique_ptr<RandomSource> source;
    return source;
}

RandomSource& EnsureSource() {
    std::lock_guard guard(CreationLock());
    if (!Source()) {
        auto source = std::make_unique<RandomSource>();
        source->seed = {GetClock().TickCount(), GetClock().ProcessId()};
        source->shiftRegister.Seed(source->seed.tick, source->seed.processId);
        Source() = std::move(source);
    }
    return *Source();
}

}  // namespace

void CShiftRegister::Reset() {
    initialCells_.clear();
    cells_.clear();
    taps_.clear();
    stepCount_ = 0;
    ready_ = false;
}

bool CShiftRegister::Init(int cellCount, const std::vector<int>& taps, const std::vector<std::uint8_t>& initialCells,
                          bool shiftTowardCell0) {
    Reset();
    if (cellCount < 3 || taps.size() < 2 || initialCells.size() != static_cast<size_t>(cellCount)) return false;
    for (std::uint8_t c : initialCells)
        if (c > 1) return false;
    for (int t : taps)
        if (t < 0 || t >= cellCount) return false;
    initialCells_ = initialCells;
    cells_ = initialCells;
    taps_ = taps;
    shiftTowardCell0_ = shiftTowardCell0;
    ready_ = true;
    return true;
}

bool CShiftRegister::Step(std::uint8_t& outBit) {
    if (!ready_) return false;
    std::uint8_t feedback = 0;
    for (int t : taps_) feedback ^= cells_[t];
    ++stepCount_;
    const size_t n = cells_.size();
    if (shiftTowardCell0_) {
        outBit = cells_[0];
        for (size_t i = 0; i + 1 < n; ++i) cells_[i] = cells_[i + 1];
        cells_[n - 1] = feedback;
    } else {
        outBit = cells_[n - 1];
        for (size_t i = n - 1; i > 0; --i) cells_[i] = cells_[i - 1];
        cells_[0] = feedback;
    }
    return cells_ == initialCells_;
}

double CShiftRegister::GetValue() const {
    double value = 0;
    double bit = 1.0 / 16777216.0;  // 2^-24
    for (std::uint8_t c : cells_) {
        if (c) value += bit;
        bit *= 2;
    }
    return value;
}

// n steps summing the cells' values, then as many steps as 13 times their mean, rounded: reached
// by jumping, as the steps would take seconds for a large process id. The sum is exact, as
// adding the values one by one in a double was while n stays below 2^29 (any Linux process id).
void CShiftRegister::Seed(std::uint32_t tick, std::uint32_t processId) {
    std::vector<std::uint8_t> cells;
    for (int i = 0; i < 12; ++i) {
        std::uint8_t bit = (tick >> i) & 1u;
        cells.push_back(bit);
        if (i % 3 == 0) cells.push_back(bit);
    }
    while (cells.size() < 24) cells.push_back(1);
    Init(24, {0, 6, 14, 17}, cells, true);

    std::uint64_t n = static_cast<std::uint64_t>(processId) + tick % 733;
    if (n == 0) n = tick % 55;
    if (n == 0) n = tick % 7;
    if (n == 0) n = 11;
    std::uint32_t word = 0;
    for (size_t i = 0; i < cells_.size(); ++i) word |= std::uint32_t{cells_[i]} << i;
    const double sum = static_cast<double>(SumOfRegisterWords(word, n)) / 16777216.0;  // 2^24
    auto m = static_cast<std::uint64_t>((sum / static_cast<double>(n)) * 13 + 0.5);
    word = JumpRegisterWord(word, n + m);
    for (size_t i = 0; i < cells_.size(); ++i) cells_[i] = (word >> i) & 1u;
    stepCount_ = static_cast<std::int32_t>(n + m);
}

double GetRandomUnit() {
    RandomSource& source = EnsureSource();
    std::lock_guard guard(source.shiftRegister.Lock());
    source.shiftRegister.Step();
    source.shiftRegister.Step();
    return source.shiftRegister.GetValue();
}

void DeleteRandomSource() {
    std::lock_guard guard(CreationLock());
    Source().reset();
}

void SeedRandomSource(RandomSeed seed) {
    auto source = std::make_unique<RandomSource>();
    source->seed = seed;
    source->shiftRegister.Seed(seed.tick, seed.processId);
    std::lock_guard guard(CreationLock());
    Source() = std::move(source);
}

RandomSeed GetRandomSeed() { return EnsureSource().seed; }
