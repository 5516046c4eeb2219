#include "generation/ClassPairCoverage.h"

#include "model/DataSet.h"

ClassPairCoverage::ClassPairCoverage(const CDataSet& dataSet) : fieldCount_(dataSet.GetFields().size()) {
    const OwningList<CDataField>& fields = dataSet.GetFields();
    std::vector<long long> validCount(fieldCount_, 0);
    std::vector<long long> invalidCount(fieldCount_, 0);
    for (std::size_t f = 0; f < fieldCount_; ++f) {
        offsets_.push_back(classCount_);
        for (const CDataEqClass* eqClass : fields[f]->GetEqClasses()) {
            valid_.push_back(eqClass->IsValid());
            ++(eqClass->IsValid() ? validCount : invalidCount)[f];
            ++classCount_;
        }
    }
    covered_.assign(classCount_ * classCount_, false);
    missingWithField_.assign(classCount_ * fieldCount_, 0);
    missingWithValidOfField_.assign(classCount_ * fieldCount_, 0);
    missingValidFrom_.assign(fieldCount_, 0);
    missingMixedFrom_.assign(fieldCount_, 0);
    for (std::size_t f = 0; f < fieldCount_; ++f) {
        for (std::size_t later = f + 1; later < fieldCount_; ++later) {
            for (std::size_t a = offsets_[f]; a < offsets_[f] + fields[f]->GetEqClasses().size(); ++a) {
                missingWithField_[FieldPairIndex(a, later)] = static_cast<int>(validCount[later] + invalidCount[later]);
                missingWithValidOfField_[FieldPairIndex(a, later)] = static_cast<int>(validCount[later]);
            }
            missingValidFrom_[f] += validCount[f] * validCount[later];
            missingMixedFrom_[f] += validCount[f] * invalidCount[later] + invalidCount[f] * validCount[later];
        }
    }
}

bool ClassPairCoverage::Cover(const ClassChoice& choice) {
    bool added = false;
    for (std::size_t i = 0; i < fieldCount_; ++i) {
        const std::size_t a = IndexOf(choice, i);
        for (std::size_t j = i + 1; j < fieldCount_; ++j) {
            const std::size_t b = IndexOf(choice, j);
            if (covered_[PairIndex(a, b)]) continue;
            covered_[PairIndex(a, b)] = true;
            added = true;
            --missingWithField_[FieldPairIndex(a, j)];
            if (valid_[b]) --missingWithValidOfField_[FieldPairIndex(a, j)];
            if (valid_[a] && valid_[b]) {
                --missingValidFrom_[i];
            } else if (valid_[a] || valid_[b]) {
                --missingMixedFrom_[i];
            }
        }
    }
    return added;
}

bool ClassPairCoverage::MayBringNewPair(const ClassChoice& prefix, std::size_t length, bool validOnly) const {
    // Pairs among the later fields (two invalid classes never meet in one choice).
    for (std::size_t i = length; i < fieldCount_; ++i) {
        if (missingValidFrom_[i] > 0 || (!validOnly && missingMixedFrom_[i] > 0)) return true;
    }
    // Pairs of a chosen class with a class of a later field.
    const std::vector<int>& missingWith = validOnly ? missingWithValidOfField_ : missingWithField_;
    for (std::size_t i = 0; i < length; ++i) {
        const std::size_t a = IndexOf(prefix, i);
        for (std::size_t j = length; j < fieldCount_; ++j) {
            if (missingWith[FieldPairIndex(a, j)] > 0) return true;
        }
    }
    // Pairs among the chosen classes.
    for (std::size_t i = 0; i < length; ++i) {
        for (std::size_t j = i + 1; j < length; ++j) {
            if (!covered_[PairIndex(IndexOf(prefix, i), IndexOf(prefix, j))]) return true;
        }
    }
    return false;
}
