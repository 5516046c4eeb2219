#pragma once
// Each class once: as few records as make every class of the mode appear in one of them.
// Each record takes, per field, the valid class used least so far; for invalid records the
// first field that still has an unused invalid class takes it, and the fields before it their
// first valid class.
#include "generation/EqCombinationStrategy.h"

class EachClassOnceStrategy : public EqCombinationStrategy {
protected:
    int AddCombinations(CDataSet& dataSet, int mode, EqCombinationList& combinations,
                        const Progress* progress) override;
};
