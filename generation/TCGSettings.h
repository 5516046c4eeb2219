#pragma once
// The choices of the generation dialog as they are kept between runs: "TCG_" text values of
// the user's settings under the product key.
#include <string>

#include "generation/RandomTestSettings.h"

struct StoredTCGSettings {
    int methodCode = 0;               // every bit the user chose
    std::string depth = "10";         // maximum recursion depth, as typed
    std::string traversals = "1";     // maximum traversals, as typed
    bool detailedLog = false;
    bool buildingBlockInfo = false;
    RandomTestSettings random;

    bool operator==(const StoredTCGSettings&) const = default;
};

// Missing values take their defaults: method 0, depth "10" and traversals "1" when empty,
// flags off unless stored as something other than "0", and each random number its default
// when it is missing or reads as 0 (goal 6, percentage 90, iterations 40, test cases 1,
// length 500, timeout 60, method 11, depth 6).
StoredTCGSettings ReadTCGSettings();
// Numbers in decimal, texts as typed, flags as "1" or "0".
void WriteTCGSettings(const StoredTCGSettings& settings);
