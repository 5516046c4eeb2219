#pragma once
// One equivalence class chosen per field of a data set, as record generation combines them,
// and whether the record it becomes is valid. The classes belong to their fields.
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
    // 1 while every class is valid; 0 once an invalid class is taken.
    int GetValid() const { return valid_; }
    void SetValid(int valid) { valid_ = valid; }

private:
    std::vector<CDataEqClass*> classes_;
    int valid_ = 1;
};
