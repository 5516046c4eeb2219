#pragma once
// How the equivalence class method chooses one class per field for each record: each class
// once, each pair of classes once, or every combination. One small class per strategy.
#include <memory>
#include <vector>

#include "model/DataEqCombination.h"

class CDataSet;
class Progress;

using EqCombinationList = std::vector<std::unique_ptr<CDataEqCombination>>;

class EqCombinationStrategy {
public:
    virtual ~EqCombinationStrategy() = default;

    // Replaces the list by the combinations for records of the mode (EqClassValues.h), one
    // class per field in field order, each marked invalid when it holds an invalid class.
    // Afterwards every class's work value is the number of combinations that hold it. 1, or 0
    // with the message in the global message buffer. A stop requested on the progress ends
    // the enumeration and keeps what it found so far.
    int Combine(CDataSet& dataSet, int mode, EqCombinationList& combinations, const Progress* progress);

protected:
    // Appends the combinations to the empty list; every work value starts at 0.
    virtual int AddCombinations(CDataSet& dataSet, int mode, EqCombinationList& combinations,
                                const Progress* progress) = 0;
};

// The strategy of the setting (DataGenStrategy).
std::unique_ptr<EqCombinationStrategy> MakeEqCombinationStrategy(int strategy);

// A data set without fields has nothing to combine: FALSE with W0004.
bool CheckHasFields(const CDataSet& dataSet);
