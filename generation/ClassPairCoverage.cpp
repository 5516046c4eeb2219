#include "generation/ClassPairCoverage.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "model/DataSet.h"

namespace {

// The bits both rows hold; with the processor's own count where it has one.
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__POPCNT__)
__attribute__((target_clones("popcnt", "default")))
#endif
long long CountCommon(const std::uint64_t* a, const std::uint64_t* b, std::size_t words) {
    long long count = 0;
    for (std::size_t w = 0; w < words; ++w) count += std::popcount(a[w] & b[w]);
    return count;
}

}  // namespace

ClassPairCoverage::ClassPairCoverage(const CDataSet& dataSet) : fieldCount_(dataSet.GetFields().size()) {
    const OwningList<CDataField>& fields = dataSet.GetFields();
    std::vector<long long> validCount(fieldCount_, 0);
    std::vector<long long> invalidCount(fieldCount_, 0);
    for (std::size_t f = 0; f < fieldCount_; ++f) {
        offsets_.push_back(classCount_);
        for (const CDataEqClass* eqClass : fields[f]->GetEqClasses()) {
            fieldOf_.push_back(f);
            valid_.push_back(eqClass->IsValid());
            ++(eqClass->IsValid() ? validCount : invalidCount)[f];
            ++classCount_;
        }
    }
    words_ = (classCount_ + 63) / 64;
    missing_.assign(classCount_ * words_, 0);
    for (std::size_t b = 0; b < classCount_; ++b) {
        for (std::size_t a = 0; a < offsets_[fieldOf_[b]]; ++a) missing_[b * words_ + a / 64] |= std::uint64_t{1} << (a % 64);
    }
    missingWithField_.assign(classCount_ * fieldCount_, 0);
    missingWithValidOfField_.assign(classCount_ * fieldCount_, 0);
    lastFieldMissing_.assign(classCount_, 0);
    lastFieldMissingValid_.assign(classCount_, 0);
    missingValidFrom_.assign(fieldCount_, 0);
    missingMixedFrom_.assign(fieldCount_, 0);
    for (std::size_t a = 0; a < classCount_; ++a) {
        lastFieldMissing_[a] = static_cast<int>(fieldOf_[a]);
        lastFieldMissingValid_[a] = static_cast<int>(fieldOf_[a]);
    }
    for (std::size_t f = 0; f < fieldCount_; ++f) {
        for (std::size_t later = f + 1; later < fieldCount_; ++later) {
            for (std::size_t a = offsets_[f]; a < offsets_[f] + fields[f]->GetEqClasses().size(); ++a) {
                missingWithField_[FieldPairIndex(a, later)] = static_cast<int>(validCount[later] + invalidCount[later]);
                missingWithValidOfField_[FieldPairIndex(a, later)] = static_cast<int>(validCount[later]);
                if (validCount[later] + invalidCount[later] > 0) lastFieldMissing_[a] = static_cast<int>(later);
                if (validCount[later] > 0) lastFieldMissingValid_[a] = static_cast<int>(later);
            }
            missingValidFrom_[f] += validCount[f] * validCount[later];
            missingMixedFrom_[f] += validCount[f] * invalidCount[later] + invalidCount[f] * validCount[later];
        }
    }
    // Each field's first class stands in until the walk chooses; a field without classes
    // never gets this far.
    path_.assign(fieldCount_, 0);
    pathPositions_.assign(fieldCount_, 0);
    maxLastAlong_.assign(fieldCount_ + 1, -1);
    maxLastValidAlong_.assign(fieldCount_ + 1, -1);
    lastValidFrom_ = lastAnyFrom_ = static_cast<int>(fieldCount_) - 1;
    SettleLastFrom();
    pathBits_.assign(words_, 0);
    for (std::size_t f = 0; f < fieldCount_; ++f) {
        path_[f] = offsets_[f];
        if (offsets_[f] < classCount_) pathBits_[offsets_[f] / 64] |= std::uint64_t{1} << (offsets_[f] % 64);
    }
    missingAmongPath_.assign(fieldCount_ + 1, 0);
}

void ClassPairCoverage::CountCovered(std::vector<int>& missingWith, std::vector<int>& lastField, std::size_t a,
                                     std::size_t first, std::size_t field, std::size_t fieldCount) {
    if (--missingWith[a * fieldCount + field] > 0 || lastField[a] != static_cast<int>(field)) return;
    std::size_t last = field;
    while (last > first && missingWith[a * fieldCount + last] == 0) --last;
    lastField[a] = static_cast<int>(last);
}

bool ClassPairCoverage::Cover(const ClassChoice& choice) {
    // The counts along the current choice hold for the part it shares with this one.
    std::size_t shared = 0;
    while (shared < pathLength_ && path_[shared] == IndexOf(choice, shared)) ++shared;
    pathLength_ = shared;
    maxKnown_ = std::min(maxKnown_, shared);
    std::vector<long long>& newAt = newAtPosition_;
    newAt.assign(fieldCount_, 0);
    bool added = false;
    // Along the shared part the counts tell which classes close a missing pair with an earlier
    // one; the walk offers a choice right after asking about all of it, so most are passed by.
    for (std::size_t j = 1; j < fieldCount_; ++j) {
        if (j < pathLength_ && missingAmongPath_[j + 1] == missingAmongPath_[j]) continue;
        const std::size_t b = IndexOf(choice, j);
        for (std::size_t i = 0; i < j; ++i) {
            const std::size_t a = IndexOf(choice, i);
            if (!IsMissing(a, b)) continue;
            missing_[b * words_ + a / 64] &= ~(std::uint64_t{1} << (a % 64));
            added = true;
            ++newAt[j];
            maxKnown_ = std::min(maxKnown_, i);
            CountCovered(missingWithField_, lastFieldMissing_, a, i, j, fieldCount_);
            if (valid_[b]) CountCovered(missingWithValidOfField_, lastFieldMissingValid_, a, i, j, fieldCount_);
            if (valid_[a] && valid_[b]) {
                --missingValidFrom_[i];
            } else if (valid_[a] || valid_[b]) {
                --missingMixedFrom_[i];
            }
        }
    }
    SettleLastFrom();
    long long newAmong = 0;
    for (std::size_t n = 1; n <= pathLength_; ++n) {
        newAmong += newAt[n - 1];
        missingAmongPath_[n] -= newAmong;
    }
    return added;
}

void ClassPairCoverage::SettleLastFrom() {
    while (lastValidFrom_ >= 0 && missingValidFrom_[lastValidFrom_] == 0) --lastValidFrom_;
    while (lastAnyFrom_ >= 0 && missingValidFrom_[lastAnyFrom_] == 0 && missingMixedFrom_[lastAnyFrom_] == 0)
        --lastAnyFrom_;
}

void ClassPairCoverage::FollowPrefix(const ClassChoice& prefix, std::size_t length) {
    // The walk mostly asks about a prefix that differs from the last one in its last class.
    const std::size_t limit = std::min(pathLength_, length);
    std::size_t shared = 0;
    if (limit > 0 &&
        std::memcmp(pathPositions_.data(), prefix.positions.data(), (limit - 1) * sizeof(std::size_t)) == 0)
        shared = limit - 1;
    while (shared < limit && pathPositions_[shared] == prefix.positions[shared]) ++shared;
    maxKnown_ = std::min(maxKnown_, shared);
    for (std::size_t n = shared; n < length; ++n) {
        const std::size_t b = IndexOf(prefix, n);
        pathPositions_[n] = prefix.positions[n];
        pathBits_[path_[n] / 64] &= ~(std::uint64_t{1} << (path_[n] % 64));
        pathBits_[b / 64] |= std::uint64_t{1} << (b % 64);
        path_[n] = b;
        // b's row holds classes of the earlier fields only, and the path one class of each.
        long long missing = missingAmongPath_[n];
        missing += CountCommon(&missing_[b * words_], pathBits_.data(), (offsets_[n] + 63) / 64);
        missingAmongPath_[n + 1] = missing;
    }
    pathLength_ = length;
}

bool ClassPairCoverage::MayBringNewPair(const ClassChoice& prefix, std::size_t length, bool validOnly) {
    FollowPrefix(prefix, length);
    // Pairs among the chosen classes.
    if (missingAmongPath_[length] > 0) return true;
    // Pairs among the later fields (two invalid classes never meet in one choice).
    if ((validOnly ? lastValidFrom_ : lastAnyFrom_) >= static_cast<int>(length)) return true;
    // Pairs of a chosen class with a class of a later field.
    for (std::size_t n = maxKnown_; n < length; ++n) {
        maxLastAlong_[n + 1] = std::max(maxLastAlong_[n], lastFieldMissing_[path_[n]]);
        maxLastValidAlong_[n + 1] = std::max(maxLastValidAlong_[n], lastFieldMissingValid_[path_[n]]);
    }
    maxKnown_ = std::max(maxKnown_, length);
    return (validOnly ? maxLastValidAlong_ : maxLastAlong_)[length] >= static_cast<int>(length);
}
