#pragma once
// What the tree benchmarks make their models and walks with: numbered names, and texts sorted
// as the trees sort their children.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/TextUtil.h"

// Appended piecewise: GCC 12 warns falsely on a literal plus std::to_string at -O2.
inline std::string Numbered(const char* prefix, int number) {
    std::string text = prefix;
    text += std::to_string(number);
    return text;
}

inline void SortTexts(std::vector<std::string>& texts) {
    std::stable_sort(texts.begin(), texts.end(),
                     [](const std::string& a, const std::string& b) { return CompareNoCase(a, b) < 0; });
}
