#pragma once
// The walk of the pairs and all-combinations strategies: every choice of one class per field in
// odometer order (the last field turns fastest). Their number is the product of the class
// counts, so the walk leaves out every run of choices that cannot fit the mode, lets the
// strategy leave out runs it would not keep, and polls for a stop.
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "generation/EqCombinationStrategy.h"

// The classes chosen for the first fields, and the position of each in its field's classes.
struct ClassChoice {
    std::vector<CDataEqClass*> classes;
    std::vector<std::size_t> positions;
};

struct ClassWalk {
    // Whether some choice that begins with the first `length` classes of the prefix may be
    // kept; false leaves all of them out. Null: every choice may be.
    std::function<bool(const ClassChoice& prefix, std::size_t length, bool prefixHasInvalid)> mayKeep;
    // Called with each whole choice that fits the mode.
    std::function<void(const ClassChoice& choice)> offer;
};

// Offers each choice that fits the mode (no invalid class for valid records, exactly one for
// invalid records), in odometer order. A field without classes fails with the message id,
// naming the field; a data set without fields with W0004. 1, or 0 with the message. A stop
// requested on the progress ends the walk with 1.
int WalkClassChoices(const CDataSet& dataSet, int mode, int noClassMessageId, const Progress* progress,
                     const ClassWalk& walk);

// Adds the combination of the classes, invalid when it holds an invalid class; each class's
// work value rises by one.
void TakeChoice(const ClassChoice& choice, EqCombinationList& combinations);
