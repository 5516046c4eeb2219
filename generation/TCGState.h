#pragma once
// One entry of the backtracking stack of the transition search ("varState" in its log): the
// variable being brought to its required value, the state before, and how far the search for
// a suitable transition has come.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "generation/TCGNode.h"
#include "model/Combination.h"
#include "model/TestStep.h"
#include "platform/ObjectList.h"

class CWindowKav;

// How the variable is being brought to its value; the search tries them in this order.
enum TCGStateMode : int {
    kStateByEvent = 0,    // a transition of the control's window whose event sets the value
    kStateByInput = 1,    // entering the value into the control itself
    kStateByAction = 2,   // a transition whose actions set it
};

class CTCGState {
public:
    CTCGState() = default;
    CTCGState(const CTCGState&) = delete;
    CTCGState& operator=(const CTCGState&) = delete;
    virtual ~CTCGState() = default;

    // The nested search for a path to a transition that sets the variable, or null.
    std::unique_ptr<CTCGNode> node;
    std::string variable;
    CCombination combination;
    // Where the next candidate transition is searched (not owned); null until chosen.
    CWindowKav* window = nullptr;
    // The last candidate within window's transitions or the project's windows; none: start
    // from the beginning.
    std::optional<std::size_t> position;
    std::string value;
    int mode = kStateByEvent;
    OwningList<CTestStep> steps;
    // Test steps this entry added to the end of the result path: backtracking removes as many.
    int stepCount = 0;
};
