#pragma once
// The pairs of classes (of two different fields) that the kept combinations of the pairs
// strategy hold, with counts of the pairs still missing, so that the walk can leave out every
// run of choices that would bring no new pair. Without that the walk visits every choice, a
// number that grows as classes^fields.
#include <cstddef>
#include <vector>

#include "generation/ClassOdometer.h"

class ClassPairCoverage {
public:
    explicit ClassPairCoverage(const CDataSet& dataSet);

    // Marks every pair of the whole choice as covered; true when one of them was new.
    bool Cover(const ClassChoice& choice);
    // Some choice that begins with the first `length` classes of the prefix may hold a pair
    // that is not covered yet. With validOnly the later fields offer their valid classes only.
    bool MayBringNewPair(const ClassChoice& prefix, std::size_t length, bool validOnly) const;

private:
    std::size_t IndexOf(const ClassChoice& choice, std::size_t field) const {
        return offsets_[field] + choice.positions[field];
    }
    std::size_t PairIndex(std::size_t a, std::size_t b) const { return a * classCount_ + b; }
    std::size_t FieldPairIndex(std::size_t a, std::size_t field) const { return a * fieldCount_ + field; }

    std::size_t fieldCount_;
    std::size_t classCount_ = 0;
    std::vector<std::size_t> offsets_;  // the index of each field's first class
    std::vector<bool> valid_;           // by class index
    std::vector<bool> covered_;         // by pair of class indices, the earlier field first
    // Missing pairs of each class with the classes of each later field: all, and valid ones.
    std::vector<int> missingWithField_;
    std::vector<int> missingWithValidOfField_;
    // Missing pairs of each field's classes with those of later fields: both valid, and one of
    // them invalid.
    std::vector<long long> missingValidFrom_;
    std::vector<long long> missingMixedFrom_;
};
