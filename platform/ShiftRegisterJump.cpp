#include "platform/ShiftRegisterJump.h"

#include <bit>
#include <iterator>

namespace {

constexpr RegisterLandmark kLandmarks[] = {
#include "RegisterLandmarks.inc"
};
static_assert(std::size(kLandmarks) == std::size_t{1} << (24 - kLandmarkBits));

constexpr std::uint64_t kFeedbackPolynomial = (1u << 24) | (1u << 17) | (1u << 14) | (1u << 6) | 1u;
constexpr std::uint32_t kOnesPerPeriod = 1u << 23;

// a * b modulo the feedback polynomial, both of degree below 24.
std::uint32_t MultiplyModFeedback(std::uint32_t a, std::uint32_t b) {
    std::uint64_t product = 0;
    for (int i = 0; i < 24; ++i)
        if (b >> i & 1u) product ^= std::uint64_t{a} << i;
    for (int bit = 46; bit >= 24; --bit)
        if (product >> bit & 1u) product ^= kFeedbackPolynomial << (bit - 24);
    return static_cast<std::uint32_t>(product);
}

// x^exponent modulo the feedback polynomial, by square and multiply.
std::uint32_t PowerOfX(std::uint64_t exponent) {
    std::uint32_t result = 1;
    for (std::uint32_t square = 2; exponent != 0; exponent >>= 1, square = MultiplyModFeedback(square, square))
        if (exponent & 1u) result = MultiplyModFeedback(result, square);
    return result;
}

// The state before the reference is a landmark too, so the walk to the next landmark never
// passes the reference.
static_assert((kLandmarkReference << 1 & kLandmarkMask) == 0 && StepRegisterWord(kLandmarkReference << 1) == kLandmarkReference);

// Where the state lies on the cycle, and the 1s of cell 0 before it: walked on to the next landmark.
RegisterLandmark Locate(std::uint32_t cells) {
    std::uint32_t steps = 0;
    std::uint32_t ones = 0;
    for (; cells & kLandmarkMask; ++steps) {
        ones += cells & 1u;
        cells = StepRegisterWord(cells);
    }
    const RegisterLandmark& landmark = kLandmarks[cells >> kLandmarkBits];
    return {landmark.position - steps, landmark.onesBefore - ones};
}

// The cells below each cell b, weighted 2^b: cell j counts in every b above it, 2^24 - 2^(j+1).
std::int64_t WeightedLowerCells(std::uint32_t cells) {
    return (std::int64_t{std::popcount(cells)} << 24) - 2 * std::int64_t{cells};
}

}  // namespace

std::uint32_t JumpRegisterWord(std::uint32_t cells, std::uint64_t steps) {
    const std::uint32_t polynomial = PowerOfX(steps % kRegisterPeriod);
    std::uint32_t state = 0;
    for (int i = 0; i < 24; ++i, cells = StepRegisterWord(cells))
        if (polynomial >> i & 1u) state ^= cells;
    return state;
}

// Cell b after step i holds what cell 0 holds after step i + b. So the sum is, over the cells b,
// 2^b times the 1s of cell 0 over steps 1 + b to n + b: those over steps 1 to n, plus those over
// steps n + 1 to n + b, which cells 0 to b - 1 show after step n + 1, minus those over steps 1
// to b, which the same cells show after step 1.
std::uint64_t SumOfRegisterWords(std::uint32_t cells, std::uint64_t steps) {
    if (cells == 0 || steps == 0) return 0;
    const std::uint32_t first = StepRegisterWord(cells);
    const std::uint32_t last = JumpRegisterWord(first, steps);
    const RegisterLandmark from = Locate(first);
    const RegisterLandmark to = Locate(last);
    std::int64_t ones = static_cast<std::int64_t>(steps / kRegisterPeriod * kOnesPerPeriod) +
                        std::int64_t{to.onesBefore} - std::int64_t{from.onesBefore};
    if (to.position < from.position) ones += kOnesPerPeriod;  // the stretch passed the reference
    return static_cast<std::uint64_t>(ones * kRegisterPeriod + WeightedLowerCells(last) - WeightedLowerCells(first));
}
