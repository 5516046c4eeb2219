#include "generation/EqCombinationStrategy.h"

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

std::unique_ptr<EqCombinationStrategy> MakeEqCombinationStrategy(int strategy) {
    switch (strategy) {
        case kEachPairOnce: return std::make_unique<EachPairOnceStrategy>();
        case kAllCombinations: return std::make_unique<AllCombinationsStrategy>();
        default: return std::make_unique<EachClassOnceStrategy>();
    }
}

int EqCombinationStrategy::Combine(CDataSet& dataSet, int mode, EqCombinationList& combinations,
                                   const Progress* progress) {
    combinations.clear();
    ResetClassUseCounts(dataSet);
    return AddCombinations(dataSet, mode, combinations, progress);
}

bool CheckHasFields(const CDataSet& dataSet) {
    if (!dataSet.GetFields().empty()) return true;
    SetMessage(kNoFields);
    return false;
}
