#pragma once
// One record of the personnel demo; the form of its dialog holds the same eight values.
#include <string>

struct CPerson {
    static constexpr int kFemale = 0;
    static constexpr int kMale = 1;
    static constexpr int kSingle = 0;
    static constexpr int kMarried = 1;
    static constexpr int kDivorced = 2;
    static constexpr int kWidowed = 3;

    virtual ~CPerson() = default;

    int sex = kFemale;
    int maritalStatus = kSingle;
    std::string name;  // the key of the store
    std::string maidenName;
    std::string profession;
    std::string age;  // as entered
    int mba = 0;
    int phd = 0;

    bool operator==(const CPerson&) const = default;
};
