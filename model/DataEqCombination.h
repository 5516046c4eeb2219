#pragma once
// One equivalence class chosen per field of a data set, as record generation combines them.
// The classes belong to their fields.
#include <vector>

class CDataEqClass;

class CDataEqCombination {
public:
    CDataEqCombination() = default;
    CDataEqCombination(const CDataEqCombination&) = delete;
    CDataEqCombination& operator=(const CDataEqCombination&) = delete;
    virtual ~CDataEqCombination() = default;

    std::vector<CDataEqClass*>& GetClasses() { return classes_; }
    const std::vector<CDataEqClass*>& GetClasses() const { return classes_; }

private:
    std::vector<CDataEqClass*> classes_;
};
