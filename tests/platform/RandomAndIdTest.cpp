#include <gtest/gtest.h>

#include <set>

#include "platform/Clock.h"
#include "platform/Random.h"
#include "platform/ShiftRegisterJump.h"
#include "platform/UniqueId.h"

namespace {

std::vector<std::uint8_t> OneThenZeros(int n) {
    std::vector<std::uint8_t> cells(n, 0);
    cells[0] = 1;
    return cells;
}

class FixedClockTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto clock = std::make_unique<FixedClock>();
        clock->local = {2020, 1, 1, 13, 34, 56, 789};
        clock->utc = {2020, 1, 1, 12, 34, 56, 789};
        clock->tick = 123456;
        clock->processId = 4242;
        clock_ = clock.get();
        InstallClock(std::move(clock));
        DeleteRandomSource();
    }
    void TearDown() override {
        InstallClock(nullptr);
        DeleteRandomSource();
    }
    FixedClock* clock_ = nullptr;
};

bool InAlphabet(const std::string& id) {
    return id.size() == 12 && id.find_first_not_of(kUniqueIdAlphabet) == std::string::npos;
}

// Seeding done the long way, one step at a time: n steps summing the cells' values, then the
// rounded mean times 13 steps more. The cells are one word here, cell i in bit i.
struct SteppedSeed {
    std::uint32_t cells = 0;
    std::uint64_t steps = 0;
};
SteppedSeed SeedByStepping(std::uint32_t tick, std::uint32_t processId) {
    SteppedSeed seed;
    int filled = 0;
    for (int i = 0; i < 12; ++i) {
        const std::uint32_t bit = (tick >> i) & 1u;
        seed.cells |= bit << filled++;
        if (i % 3 == 0) seed.cells |= bit << filled++;
    }
    while (filled < 24) seed.cells |= 1u << filled++;
    auto step = [&seed] {
        const std::uint32_t feedback = (seed.cells ^ seed.cells >> 6 ^ seed.cells >> 14 ^ seed.cells >> 17) & 1u;
        seed.cells = seed.cells >> 1 | feedback << 23;
        ++seed.steps;
    };
    std::uint64_t n = std::uint64_t{processId} + tick % 733;
    if (n == 0) n = tick % 55;
    if (n == 0) n = tick % 7;
    if (n == 0) n = 11;
    double sum = 0;
    for (std::uint64_t i = 0; i < n; ++i) {
        step();
        sum += seed.cells / 16777216.0;
    }
    const auto more = static_cast<std::uint64_t>(sum / static_cast<double>(n) * 13 + 0.5);
    for (std::uint64_t i = 0; i < more; ++i) step();
    return seed;
}

std::uint32_t CellsAsWord(const CShiftRegister& reg) {
    std::uint32_t word = 0;
    for (size_t i = 0; i < reg.GetCells().size(); ++i) word |= std::uint32_t{reg.GetCells()[i]} << i;
    return word;
}

}  // namespace

TEST(ShiftRegister, FullPeriodOfTheProgramsTaps) {
    CShiftRegister reg;
    ASSERT_TRUE(reg.Init(24, {0, 6, 14, 17}, OneThenZeros(24), true));
    long steps = 1;
    while (!reg.Step()) ++steps;
    EXPECT_EQ(steps, 16777215);
}

TEST(ShiftRegister, InitRefusesBadShapes) {
    struct Case {
        const char* what;
        int cells;
        std::vector<int> taps;
        std::vector<std::uint8_t> content;
    };
    const Case cases[] = {
        {"two cells", 2, {0, 1}, OneThenZeros(2)},
        {"one tap", 24, {0}, OneThenZeros(24)},
        {"tap equal to the cell count", 24, {0, 24}, OneThenZeros(24)},
        {"cell value 2", 24, {0, 6}, [] { auto c = OneThenZeros(24); c[3] = 2; return c; }()},
        {"content size differs", 24, {0, 6}, OneThenZeros(23)},
    };
    for (const auto& c : cases) {
        CShiftRegister reg;
        EXPECT_FALSE(reg.Init(c.cells, c.taps, c.content, true)) << c.what;
        EXPECT_FALSE(reg.IsReady()) << c.what;
        EXPECT_FALSE(reg.Step()) << c.what;
    }
}

TEST(ShiftRegister, ShiftsInBothDirections) {
    CShiftRegister reg;
    ASSERT_TRUE(reg.Init(3, {0, 1}, {1, 0, 0}, true));
    std::uint8_t out = 9;
    reg.Step(out);
    EXPECT_EQ(out, 1);
    EXPECT_EQ(reg.GetCells(), (std::vector<std::uint8_t>{0, 0, 1}));  // feedback 1^0 into the last cell

    ASSERT_TRUE(reg.Init(3, {0, 1}, {1, 0, 0}, false));
    reg.Step(out);
    EXPECT_EQ(out, 0);
    EXPECT_EQ(reg.GetCells(), (std::vector<std::uint8_t>{1, 1, 0}));
}

// Seeding reaches the state that stepping reaches, for process ids of any size: the largest on
// Linux, a whole period of the register, and more.
TEST(ShiftRegister, SeedingReachesTheStateOfStepping) {
    const RandomSeed seeds[] = {
        {123456, 4242},
        {0, 0},            // no steps from the process id and tick: 11
        {733, 0},          // 733 % 55 steps
        {5, 4194303},      // the largest process id of Linux
        {0, 16777215},     // one period exactly
        {1000, 16777315},  // past a period
        {0xFFFFFFFF, 7},
    };
    for (const RandomSeed& seed : seeds) {
        SCOPED_TRACE(testing::Message() << seed.tick << " " << seed.processId);
        const SteppedSeed stepped = SeedByStepping(seed.tick, seed.processId);
        CShiftRegister reg;
        reg.Seed(seed.tick, seed.processId);
        ASSERT_TRUE(reg.IsReady());
        EXPECT_EQ(CellsAsWord(reg), stepped.cells);
        EXPECT_EQ(reg.GetStepCount(), static_cast<std::int32_t>(stepped.steps));
    }
}

// Stretches that begin just before the state the counting starts from, and run past it.
TEST(ShiftRegister, JumpAndSumAroundTheReferenceOfTheCycle) {
    for (std::uint32_t before : {1u, 2u, 700u}) {
        const std::uint32_t start = JumpRegisterWord(kLandmarkReference, kRegisterPeriod - before);
        std::uint32_t cells = start;
        for (std::uint32_t i = 0; i < before; ++i) cells = StepRegisterWord(cells);
        ASSERT_EQ(cells, kLandmarkReference);
        for (std::uint64_t steps : {0u, 1u, 2u, 25u, 1500u}) {
            SCOPED_TRACE(testing::Message() << before << " before, " << steps << " steps");
            cells = start;
            std::uint64_t sum = 0;
            for (std::uint64_t i = 0; i < steps; ++i) sum += cells = StepRegisterWord(cells);
            EXPECT_EQ(JumpRegisterWord(start, steps), cells);
            EXPECT_EQ(SumOfRegisterWords(start, steps), sum);
        }
    }
}

TEST_F(FixedClockTest, RandomUnitIsInRangeAndReproducible) {
    std::vector<double> first;
    for (int i = 0; i < 100; ++i) {
        double v = GetRandomUnit();
        ASSERT_GE(v, 0.0);
        ASSERT_LT(v, 1.0);
        first.push_back(v);
    }
    DeleteRandomSource();
    for (int i = 0; i < 100; ++i) EXPECT_EQ(GetRandomUnit(), first[i]);
    EXPECT_EQ(GetRandomSeed().tick, 123456u);
    EXPECT_EQ(GetRandomSeed().processId, 4242u);
}

TEST_F(FixedClockTest, SeedRandomSourceReplaysARun) {
    SeedRandomSource({99, 7});
    double a = GetRandomUnit();
    SeedRandomSource({99, 7});
    EXPECT_EQ(GetRandomUnit(), a);
}

// Time part: 2020-01-01 is automation day 43831, so D = 6831 and
// T = 6831 * 86400000 + 12:34:56.789 = 590243696789, which in base 67 is 6 Z B v m t p.
// The random part comes from the register seeded with tick 123456 and process id 4242.
TEST_F(FixedClockTest, IdsFromAFixedClock) {
    EXPECT_EQ(MakeUniqueId(), "6ZBvmtp7HnMW");
    EXPECT_EQ(MakeUniqueId(), "6ZBvmtpd2My3");
    EXPECT_EQ(MakeUniqueId(), "6ZBvmtpMB3iL");
}

// An object whose identifier a file gives makes none, but draws as a made one would: the ids
// that follow are the same.
TEST_F(FixedClockTest, FileGivenIdsKeepTheRandomStream) {
    {
        const FileGivenIds fromFile;
        EXPECT_EQ(MakeUniqueId(), "");
        {
            const FileGivenIds nested;
            EXPECT_EQ(MakeUniqueId(), "");
        }
    }
    // The third of the sequence above.
    EXPECT_EQ(MakeUniqueId(), "6ZBvmtpMB3iL");
}

TEST_F(FixedClockTest, IdsInTheSameMillisecondDiffer) {
    std::set<std::string> ids;
    for (int i = 0; i < 1000; ++i) {
        std::string id = MakeUniqueId();
        EXPECT_TRUE(InAlphabet(id)) << id;
        ids.insert(id);
    }
    EXPECT_EQ(ids.size(), 1000u);
}

TEST_F(FixedClockTest, ClocksOutsideTheRangeAreClamped) {
    clock_->local = {1990, 5, 5};
    std::string early = MakeUniqueId();
    EXPECT_TRUE(InAlphabet(early)) << early;
    EXPECT_EQ(early.substr(0, 7), "0000000");
    clock_->local = {2400, 1, 1};
    std::string late = MakeUniqueId();
    EXPECT_TRUE(InAlphabet(late)) << late;
    EXPECT_EQ(late.substr(0, 7), "_______");
}

TEST_F(FixedClockTest, ANewSourceAfterDeletion) {
    MakeUniqueId();
    DeleteRandomSource();
    clock_->tick = 5;
    EXPECT_TRUE(InAlphabet(MakeUniqueId()));
    EXPECT_EQ(GetRandomSeed().tick, 5u);
}
