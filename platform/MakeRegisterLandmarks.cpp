// Writes the landmarks of the random register's cycle, as the initialiser of a table indexed by
// the landmark's cells above kLandmarkBits, walking the cycle once from the reference.
#include <fstream>
#include <vector>

#include "platform/ShiftRegisterJump.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    std::vector<RegisterLandmark> landmarks(std::size_t{1} << (24 - kLandmarkBits), RegisterLandmark{0, 0});
    std::uint32_t cells = kLandmarkReference;
    std::uint32_t ones = 0;
    for (std::uint32_t position = 0; position < kRegisterPeriod; ++position) {
        if ((cells & kLandmarkMask) == 0) landmarks[cells >> kLandmarkBits] = {position, ones};
        ones += cells & 1u;
        cells = StepRegisterWord(cells);
    }
    if (cells != kLandmarkReference || ones != 1u << 23) return 1;  // not the cycle the counting relies on
    std::ofstream out(argv[1]);
    for (const RegisterLandmark& landmark : landmarks) out << '{' << landmark.position << ", " << landmark.onesBefore << "},\n";
    out.close();
    return out ? 0 : 1;
}
