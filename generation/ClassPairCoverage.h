#pragma once
// The pairs of classes (of two different fields) that the kept combinations of the pairs
// strategy hold, with counts of the pairs still missing, so that the walk can leave out every
// run of choices that would bring no new pair. Without that the walk visits every choice, a
// number that grows as classes^fields.
//
// The walk asks about each prefix right after the one it grows from, so the missing pairs among
// the chosen classes are kept per prefix length along the current choice and only the pairs of
// the newest class are counted (its row of missing pairs against the chosen classes, a word of
// bits at a time); a question about another prefix counts afresh from where it differs. What
// the later fields may still bring is kept as the last field with a missing pair, so that a
// question costs about the same at any length.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "generation/ClassOdometer.h"

class ClassPairCoverage {
public:
    explicit ClassPairCoverage(const CDataSet& dataSet);

    // Marks every pair of the whole choice as covered; true when one of them was new.
    bool Cover(const ClassChoice& choice);
    // Some choice that begins with the first `length` classes of the prefix may hold a pair
    // that is not covered yet. With validOnly the later fields offer their valid classes only.
    bool MayBringNewPair(const ClassChoice& prefix, std::size_t length, bool validOnly);

private:
    std::size_t IndexOf(const ClassChoice& choice, std::size_t field) const {
        return offsets_[field] + choice.positions[field];
    }
    // The pair's bit in the row of its later class.
    bool IsMissing(std::size_t a, std::size_t b) const {
        return (missing_[b * words_ + a / 64] >> (a % 64)) & 1u;
    }
    std::size_t FieldPairIndex(std::size_t a, std::size_t field) const { return a * fieldCount_ + field; }
    // Brings the counts along the current choice up to the prefix's first `length` classes.
    void FollowPrefix(const ClassChoice& prefix, std::size_t length);
    void SettleLastFrom();
    // One missing pair of a with a class of the later field fewer; the last such field of a
    // moves down when none is left.
    static void CountCovered(std::vector<int>& missingWith, std::vector<int>& lastField, std::size_t a,
                             std::size_t first, std::size_t field, std::size_t fieldCount);

    std::size_t fieldCount_;
    std::size_t classCount_ = 0;
    std::vector<std::size_t> offsets_;  // the index of each field's first class
    std::vector<std::size_t> fieldOf_;  // by class index
    std::vector<bool> valid_;           // by class index
    // Per class, a row of bits over the classes of the earlier fields: the pairs still missing.
    std::size_t words_ = 0;
    std::vector<std::uint64_t> missing_;
    // Missing pairs of each class with the classes of each later field: all, and valid ones;
    // and the last field with such a pair (the class's own field when none is left).
    std::vector<int> missingWithField_;
    std::vector<int> missingWithValidOfField_;
    std::vector<int> lastFieldMissing_;
    std::vector<int> lastFieldMissingValid_;
    // Missing pairs of each field's classes with those of later fields: both valid, and one of
    // them invalid.
    std::vector<long long> missingValidFrom_;
    std::vector<long long> missingMixedFrom_;
    // The last field with such pairs both valid, and with any (-1 when none is left).
    int lastValidFrom_ = -1;
    int lastAnyFrom_ = -1;
    // Along the current choice: its class indices (also as bits, one class of each field), how
    // many of them the counts follow, and the missing pairs among its first n classes at n.
    std::vector<std::size_t> path_;
    std::vector<std::size_t> pathPositions_;
    std::vector<std::uint64_t> pathBits_;
    // The largest last field with a missing pair (all, and valid ones) among the current
    // choice's first n classes at n; known up to maxKnown_.
    std::vector<int> maxLastAlong_;
    std::vector<int> maxLastValidAlong_;
    std::size_t maxKnown_ = 0;
    std::size_t pathLength_ = 0;
    std::vector<long long> missingAmongPath_;
    // What one Cover found: new pairs by the position of their later class.
    std::vector<long long> newAtPosition_;
};
