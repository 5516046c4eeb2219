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

// The register as it was first written: one byte a cell, shifted cell by cell.
struct CellByCellRegister {
    std::vector<std::uint8_t> initial;
    std::vector<std::uint8_t> cells;
    std::vector<int> taps;
    bool towardCell0 = true;
    std::int32_t steps = 0;

    bool Step(std::uint8_t& out) {
        std::uint8_t feedback = 0;
        for (int t : taps) feedback ^= cells[t];
        ++steps;
        const size_t n = cells.size();
        if (towardCell0) {
            out = cells[0];
            for (size_t i = 0; i + 1 < n; ++i) cells[i] = cells[i + 1];
            cells[n - 1] = feedback;
        } else {
            out = cells[n - 1];
            for (size_t i = n - 1; i > 0; --i) cells[i] = cells[i - 1];
            cells[0] = feedback;
        }
        return cells == initial;
    }
    double Value() const {
        double value = 0;
        double bit = 1.0 / 16777216.0;
        for (std::uint8_t c : cells) {
            if (c) value += bit;
            bit *= 2;
        }
        return value;
    }
};

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

// Every step of the word-wide register matches the cell-by-cell one: out bit, return, value,
// cells and step count, in both directions, for repeated taps, short and full-width registers.
TEST(ShiftRegister, MatchesTheCellByCellRegister) {
    struct Case {
        int cells;
        std::vector<int> taps;
        std::uint32_t content;  // cell i in bit i
        bool towardCell0;
    };
    const Case cases[] = {
        {24, {0, 6, 14, 17}, 0x5A5A5Au, true},
        {24, {0, 6, 14, 17}, 0x000001u, false},
        {3, {0, 1}, 0b001u, true},  // period 3: returns to the start often
        {3, {0, 1}, 0b001u, false},
        {7, {2, 2, 5, 6}, 0b1011001u, true},  // a tap named twice
        {16, {0, 2, 3, 5}, 0xACE1u, false},
        {32, {0, 10, 30, 31}, 0x80000001u, true},
        {32, {0, 1, 21, 31}, 0xDEADBEEFu, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cells << " cells, content " << c.content << ", toward cell 0 "
                                        << c.towardCell0);
        std::vector<std::uint8_t> content(c.cells);
        for (int i = 0; i < c.cells; ++i) content[i] = c.content >> i & 1u;
        CShiftRegister reg;
        ASSERT_TRUE(reg.Init(c.cells, c.taps, content, c.towardCell0));
        CellByCellRegister reference{content, content, c.taps, c.towardCell0};
        for (int i = 0; i < 200000; ++i) {
            std::uint8_t out = 9;
            std::uint8_t expectedOut = 9;
            const bool back = reg.Step(out);
            ASSERT_EQ(back, reference.Step(expectedOut)) << i;
            ASSERT_EQ(out, expectedOut) << i;
            ASSERT_EQ(reg.GetValue(), reference.Value()) << i;
        }
        EXPECT_EQ(reg.GetCells(), reference.cells);
        EXPECT_EQ(reg.GetStepCount(), reference.steps);
    }
}

// Each draw is two steps of the seeded register and its value: the whole stream, for several
// seeds, against seeding and stepping the long way.
TEST(ShiftRegister, DrawsFollowTheSeededRegister) {
    for (const RandomSeed seed : {RandomSeed{123456, 4242}, RandomSeed{0, 0}, RandomSeed{99, 7},
                                  RandomSeed{0xFFFFFFFF, 4194303}}) {
        SCOPED_TRACE(testing::Message() << seed.tick << " " << seed.processId);
        const SteppedSeed stepped = SeedByStepping(seed.tick, seed.processId);
        std::vector<std::uint8_t> cells(24);
        for (int i = 0; i < 24; ++i) cells[i] = stepped.cells >> i & 1u;
        CellByCellRegister reference{cells, cells, {0, 6, 14, 17}, true};
        SeedRandomSource(seed);
        for (int i = 0; i < 50000; ++i) {
            std::uint8_t out;
            reference.Step(out);
            reference.Step(out);
            ASSERT_EQ(GetRandomUnit(), reference.Value()) << i;
        }
    }
    DeleteRandomSource();
}
