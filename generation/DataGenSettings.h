#pragma once
// The choices of the record generator as they are kept between runs: "DataGen_" text values of
// the user's settings under the product key.

// Which classes or effects a run combines.
enum DataGenStrategy : int { kEachClassOnce = 0, kEachPairOnce = 1, kAllCombinations = 2 };
enum DataGenTestType : int { kEqClassMethod = 0, kDeltraMethod = 1 };
// Which values of an equivalence class records take.
enum DataGenValues : int { kOneRepresentative = 0, kBoundaryValues = 1, kAllSpecifiedValues = 2 };

struct DataGenSettings {
    bool valid = true;
    bool invalid = false;
    int strategy = kEachClassOnce;
    int testType = kEqClassMethod;
    int values = kOneRepresentative;

    bool operator==(const DataGenSettings&) const = default;
};

// Texts compare with case. Valid is on unless stored as something other than "1", invalid only
// when stored as "1"; a missing or empty choice is the first one, an unknown text the last for
// the strategy and the values but the first for the test type.
DataGenSettings ReadDataGenSettings();
// Flags as "1" or "0"; "Once"/"Pairs"/"All", "Simple"/"Multi", "1"/"Boundaries"/"All".
void WriteDataGenSettings(const DataGenSettings& settings);
