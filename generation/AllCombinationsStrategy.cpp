#include "generation/AllCombinationsStrategy.h"

#include "generation/ClassOdometer.h"

namespace {
constexpr int kFieldWithoutClasses = 44715;
}

int AllCombinationsStrategy::AddCombinations(CDataSet& dataSet, int mode, EqCombinationList& combinations,
                                             const Progress* progress) {
    ClassWalk walk;
    walk.offer = [&](const ClassChoice& choice) { TakeChoice(choice, combinations); };
    return WalkClassChoices(dataSet, mode, kFieldWithoutClasses, progress, walk);
}
