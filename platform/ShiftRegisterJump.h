#pragma once
// The random source's register (24 cells, taps 0, 6, 14 and 17, shifting toward cell 0) as one
// word, cell i in bit i, and what seeding needs of it at any number of steps, in microseconds:
// the state after the steps, and the sum of the cells' values along them.
//
// The register is linear: n steps are x^n modulo its feedback polynomial x^24 + x^17 + x^14 +
// x^6 + 1, applied to the register. Its states form one cycle of 2^24 - 1. Landmarks on the
// cycle, the states whose cells 0 to 9 are 0, are found once at build time with the number of
// 1s that cell 0 held before them; from them the 1s of any stretch of steps are counted.
#include <cstdint>

inline constexpr std::uint32_t kRegisterPeriod = (1u << 24) - 1;

constexpr std::uint32_t StepRegisterWord(std::uint32_t cells) {
    const std::uint32_t feedback = (cells ^ cells >> 6 ^ cells >> 14 ^ cells >> 17) & 1u;
    return cells >> 1 | feedback << 23;
}

// The state `steps` steps on.
std::uint32_t JumpRegisterWord(std::uint32_t cells, std::uint64_t steps);
// The sum of the cells as a number after each of the next `steps` steps.
std::uint64_t SumOfRegisterWords(std::uint32_t cells, std::uint64_t steps);

// ---- The landmarks, for the program that finds them

inline constexpr int kLandmarkBits = 10;
inline constexpr std::uint32_t kLandmarkMask = (1u << kLandmarkBits) - 1;
// Position 0 of the cycle.
inline constexpr std::uint32_t kLandmarkReference = 1u << kLandmarkBits;

// Indexed by the landmark's cells above kLandmarkBits.
struct RegisterLandmark {
    std::uint32_t position;    // steps from the reference
    std::uint32_t onesBefore;  // 1s in cell 0 over the states from the reference up to the landmark
};
