#include "generation/BuildingBlockNumbers.h"

#include <algorithm>

void BuildingBlockNumbers::Reset() {
    numbers_.fill(1);
    depth_ = 0;
}

std::string BuildingBlockNumbers::GetBuildingBlockNumber(int level) {
    level = std::clamp(level, 1, kMaxLevel);
    if (depth_ >= level) {
        ++numbers_[level - 1];
        std::fill(numbers_.begin() + level, numbers_.end(), 1);
    }
    std::string text = std::to_string(numbers_[0]);
    for (int i = 1; i < level; ++i) text += "_" + std::to_string(numbers_[i]);
    depth_ = level;
    return text;
}
