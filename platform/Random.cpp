#include "platform/Random.h"

#include <memory>
#include <mutex>

#include "platform/Clock.h"
#include "platform/ShiftRegisterJump.h"

namespace {

struct RandomSource {
    CShiftRegister shiftRegister;
    RandomSeed seed;
};

// Guards the source and its register: one lock per draw.
std::mutex& SourceLock() {
    static std::mutex lock;
    return lock;
}

std::unique_ptr<RandomSource>& Source() {
    static std::unique_ptr<RandomSource> source;
    return source;
}

// The caller holds SourceLock.
RandomSource& EnsureSource() {
    if (!Source()) {
        auto source = std::make_unique<RandomSource>();
        source->seed = {GetClock().TickCount(), GetClock().ProcessId()};
        source->shiftRegister.Seed(source->seed.tick, source->seed.processId);
        Source() = std::move(source);
    }
    return *Source();
}

constexpr std::uint32_t kSeedTaps = 1u << 0 | 1u << 6 | 1u << 14 | 1u << 17;

}  // namespace

void CShiftRegister::Start(int cellCount, std::uint32_t tapMask, std::uint32_t cells, bool shiftTowardCell0) {
    cellCount_ = cellCount;
    tapMask_ = tapMask;
    cells_ = initialCells_ = cells;
    shiftTowardCell0_ = shiftTowardCell0;
    stepCount_ = 0;
    ready_ = true;
}

bool CShiftRegister::Init(int cellCount, const std::vector<int>& taps, const std::vector<std::uint8_t>& initialCells,
                          bool shiftTowardCell0) {
    *this = CShiftRegister();
    if (cellCount < 3 || cellCount > kMaxCells || taps.size() < 2 ||
        initialCells.size() != static_cast<size_t>(cellCount))
        return false;
    std::uint32_t cells = 0;
    for (int i = 0; i < cellCount; ++i) {
        if (initialCells[i] > 1) return false;
        cells |= std::uint32_t{initialCells[i]} << i;
    }
    std::uint32_t tapMask = 0;
    for (int t : taps) {
        if (t < 0 || t >= cellCount) return false;
        tapMask ^= 1u << t;
    }
    Start(cellCount, tapMask, cells, shiftTowardCell0);
    return true;
}

std::vector<std::uint8_t> CShiftRegister::GetCells() const {
    std::vector<std::uint8_t> cells(cellCount_);
    for (int i = 0; i < cellCount_; ++i) cells[i] = cells_ >> i & 1u;
    return cells;
}

// n steps summing the cells' values, then as many steps as 13 times their mean, rounded: reached
// by jumping, as the steps would take seconds for a large process id. The sum is exact, as
// adding the values one by one in a double was while n stays below 2^29 (any Linux process id).
void CShiftRegister::Seed(std::uint32_t tick, std::uint32_t processId) {
    std::uint32_t cells = 0;
    int filled = 0;
    for (int i = 0; i < 12; ++i) {
        const std::uint32_t bit = (tick >> i) & 1u;
        cells |= bit << filled++;
        if (i % 3 == 0) cells |= bit << filled++;
    }
    while (filled < 24) cells |= 1u << filled++;
    Start(24, kSeedTaps, cells, true);

    std::uint64_t n = static_cast<std::uint64_t>(processId) + tick % 733;
    if (n == 0) n = tick % 55;
    if (n == 0) n = tick % 7;
    if (n == 0) n = 11;
    const double sum = static_cast<double>(SumOfRegisterWords(cells, n)) / 16777216.0;  // 2^24
    auto m = static_cast<std::uint64_t>((sum / static_cast<double>(n)) * 13 + 0.5);
    cells_ = JumpRegisterWord(cells, n + m);
    stepCount_ = static_cast<std::int32_t>(n + m);
}

double GetRandomUnit() {
    std::lock_guard guard(SourceLock());
    CShiftRegister& shiftRegister = EnsureSource().shiftRegister;
    shiftRegister.Step();
    shiftRegister.Step();
    return shiftRegister.GetValue();
}

void DeleteRandomSource() {
    std::lock_guard guard(SourceLock());
    Source().reset();
}

void SeedRandomSource(RandomSeed seed) {
    auto source = std::make_unique<RandomSource>();
    source->seed = seed;
    source->shiftRegister.Seed(seed.tick, seed.processId);
    std::lock_guard guard(SourceLock());
    Source() = std::move(source);
}

RandomSeed GetRandomSeed() {
    std::lock_guard guard(SourceLock());
    return EnsureSource().seed;
}
