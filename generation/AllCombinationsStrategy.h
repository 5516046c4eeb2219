#pragma once
// All combinations: every choice of one class per field that fits the mode. Their number is
// the product of the fields' class counts.
#include "generation/EqCombinationStrategy.h"

class AllCombinationsStrategy : public EqCombinationStrategy {
protected:
    int AddCombinations(CDataSet& dataSet, int mode, EqCombinationList& combinations,
                        const Progress* progress) override;
};
