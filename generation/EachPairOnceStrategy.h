#pragma once
// Each pair once: of all combinations in odometer order, those that bring a pair of classes
// (of two different fields) that no earlier one held. A single field has no pairs and gives
// no combination.
#include "generation/EqCombinationStrategy.h"

class EachPairOnceStrategy : public EqCombinationStrategy {
protected:
    int AddCombinations(CDataSet& dataSet, int mode, EqCombinationList& combinations,
                        const Progress* progress) override;
};
