#include "generation/EqCombinationStrategy.h"

#include <algorithm>

#include "generation/AllCombinationsStrategy.h"
#include "generation/DataGenSettings.h"
#include "generation/EachClassOnceStrategy.h"
#include "generation/EachPairOnceStrategy.h"
#include "model/DataSet.h"
#include "platform/MessageBuffer.h"

namespace {

constexpr int kNoFields = 44004;

void ResetClassUseCounts(CDataSet& dataSet) {
    for (CDataField* field : dataSet.GetFields()) {
        for (CDataEqClass* eqClass : field->GetEqClasses()) eqClass->SetWorkValue(0);
    }
}

}  // namespace

void EqCombinationList::Reset(const CDataSet& dataSet) {
    clear();
    fieldClasses_.clear();
    std::size_t largest = 0;
    for (const CDataField* field : dataSet.GetFields()) {
        const OwningList<CDataEqClass>& classes = field->GetEqClasses();
        fieldClasses_.emplace_back(classes.begin(), classes.end());
        largest = std::max(largest, classes.size());
    }
    width_ = largest <= 0x100 ? 1 : largest <= 0x10000 ? 2 : 4;
}

void EqCombinationList::clear() {
    positions_.clear();
    valid_.clear();
}

void EqCombinationList::Add(const std::vector<std::size_t>& positions, bool valid) {
    const std::size_t at = positions_.size();
    positions_.resize(at + fieldClasses_.size() * width_);
    unsigned char* out = positions_.data() + at;
    for (std::size_t field = 0; field < fieldClasses_.size(); ++field) {
        for (std::size_t byte = 0; byte < width_; ++byte)
            *out++ = static_cast<unsigned char>(positions[field] >> (8 * byte));
    }
    valid_.push_back(valid);
}

void EqCombinationList::Add(const std::vector<CDataEqClass*>& classes, bool valid) {
    std::vector<std::size_t> positions;
    for (std::size_t field = 0; field < fieldClasses_.size(); ++field) {
        const std::vector<CDataEqClass*>& of = fieldClasses_[field];
        positions.push_back(static_cast<std::size_t>(std::find(of.begin(), of.end(), classes[field]) - of.begin()));
    }
    Add(positions, valid);
}

CDataEqClass* EqCombinationList::ClassAt(std::size_t combination, std::size_t field) const {
    const unsigned char* at = &positions_[(combination * fieldClasses_.size() + field) * width_];
    std::size_t position = 0;
    for (std::size_t byte = 0; byte < width_; ++byte) position |= static_cast<std::size_t>(at[byte]) << (8 * byte);
    return fieldClasses_[field][position];
}

std::unique_ptr<CDataEqCombination> EqCombinationList::const_iterator::operator*() const {
    auto combination = std::make_unique<CDataEqCombination>();
    for (std::size_t field = 0; field < list_->FieldCount(); ++field)
        combination->GetClasses().push_back(list_->ClassAt(index_, field));
    combination->SetValid(list_->IsValid(index_) ? 1 : 0);
    return combination;
}

std::unique_ptr<EqCombinationStrategy> MakeEqCombinationStrategy(int strategy) {
    switch (strategy) {
        case kEachPairOnce: return std::make_unique<EachPairOnceStrategy>();
        case kAllCombinations: return std::make_unique<AllCombinationsStrategy>();
        default: return std::make_unique<EachClassOnceStrategy>();
    }
}

int EqCombinationStrategy::Combine(CDataSet& dataSet, int mode, EqCombinationList& combinations,
                                   const Progress* progress) {
    combinations.Reset(dataSet);
    ResetClassUseCounts(dataSet);
    return AddCombinations(dataSet, mode, combinations, progress);
}

bool CheckHasFields(const CDataSet& dataSet) {
    if (!dataSet.GetFields().empty()) return true;
    SetMessage(kNoFields);
    return false;
}
