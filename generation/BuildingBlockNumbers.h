#pragma once
// The numbering of building-block instances within one generated test case: on each nesting
// level the current instance number, so that the steps of the second call of a block inside
// the first call of its parent are numbered "1_2".
#include <array>
#include <string>

class BuildingBlockNumbers {
public:
    static constexpr int kMaxLevel = 100;

    BuildingBlockNumbers() { Reset(); }
    // Every level back to 1, no number handed out yet.
    void Reset();
    // A request for a level not deeper than the previous request starts the next instance on
    // that level and restarts the deeper ones. The text holds one number per level, the
    // outermost first ("2_1_3"). Levels are kept to 1..kMaxLevel.
    std::string GetBuildingBlockNumber(int level);

private:
    std::array<int, kMaxLevel> numbers_{};
    int depth_ = 0;
};
