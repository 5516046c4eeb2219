#include "generation/ClassPairCoverage.h"

#include <bit>

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
            CountCovered(missingWithField_, lastFieldMissing_, a, i, j, fieldCount_);
            if (valid_[b]) CountCovered(missingWithValidOfField_, lastFieldMissingValid_, a, i, j, fieldCount_);
            if (valid_[a] && valid_[b]) {
                --missingValidFrom_[i];
            } else if (valid_[a] || valid_[b]) {
                --missingMixedFrom_[i];
            }
        }
    }
    long long newAmong = 0;
    for (std::size_t n = 1; n <= pathLength_; ++n) {
        newAmong += newAt[n - 1];
        missingAmongPath_[n] -= newAmong;
    }
    return added;
}

void ClassPairCoverage::FollowPrefix(const ClassChoice& prefix, std::size_t length) {
    std::size_t shared = 0;
    while (shared < pathLength_ && shared < length && path_[shared] == IndexOf(prefix, shared)) ++shared;
    for (std::size_t n = shared; n < length; ++n) {
        const std::size_t b = IndexOf(prefix, n);
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
    for (std::size_t i = length; i < fieldCount_; ++i) {
        if (missingValidFrom_[i] > 0 || (!validOnly && missingMixedFrom_[i] > 0)) return true;
    }
    // Pairs of a chosen class with a class of a later field.
    const std::vector<int>& lastField = validOnly ? lastFieldMissingValid_ : lastFieldMissing_;
    for (std::size_t i = 0; i < length; ++i) {
        if (lastField[path_[i]] >= static_cast<int>(length)) return true;
    }
    return false;
}
