#pragma once
// Records of the equivalence class method (origin 2) made from combinations: each field takes
// a value of its class in the combination. The records are appended to the data set, named
// "V%d" or "I%d" by their validity, counted from 1 per kind in each call (the run renumbers them).
#include "generation/EqCombinationStrategy.h"

struct DataGenSettings;

// One record per combination, in order.
void MakeRecordsOneValue(CDataSet& dataSet, const EqCombinationList& combinations, int valuesSetting);

// One record per combination, then more from the combinations whose classes appear in fewer
// combinations than they have help values, pass after pass, until every help value of the
// mode's classes is used (with all specified values and each class once: and every class of
// the mode is in a combination). A further record is kept only when one of its classes had an
// unused help value; the passes end after one that keeps none.
void MakeRecordsCovering(CDataSet& dataSet, const EqCombinationList& combinations, int mode,
                         const DataGenSettings& settings);
