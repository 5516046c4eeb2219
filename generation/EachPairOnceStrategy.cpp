#include "generation/EachPairOnceStrategy.h"

#include "generation/ClassPairCoverage.h"
#include "generation/EqClassValues.h"

namespace {
constexpr int kFieldWithoutClasses = 44442;
}

int EachPairOnceStrategy::AddCombinations(CDataSet& dataSet, int mode, EqCombinationList& combinations,
                                          const Progress* progress) {
    ClassPairCoverage coverage(dataSet);
    ClassWalk walk;
    // The later fields of a valid record, or of an invalid one that has its invalid class,
    // offer valid classes only.
    walk.mayKeep = [&](const ClassChoice& prefix, std::size_t length, bool prefixHasInvalid) {
        return coverage.MayBringNewPair(prefix, length, mode == kValidMode || prefixHasInvalid);
    };
    walk.offer = [&](const ClassChoice& choice) {
        if (coverage.Cover(choice)) TakeChoice(choice, combinations);
    };
    return WalkClassChoices(dataSet, mode, kFieldWithoutClasses, progress, walk);
}
