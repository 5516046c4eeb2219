#pragma once
// One search of the transition tests: from a simulated state, a path of test steps to a state
// in which a transition can be used. It owns the values it wants, its working state and the
// stack of variables already brought to their values; each entry of that stack may own a
// nested node. The search itself is added with the transition tests.
#include "model/Combination.h"
#include "platform/ObjectList.h"

class CTCGState;
class CWindowKav;
class Progress;

class CTCGNode {
public:
    // progress: where the search logs and polls for Stop; may be null.
    explicit CTCGNode(Progress* progress);
    CTCGNode(const CTCGNode&) = delete;
    CTCGNode& operator=(const CTCGNode&) = delete;
    virtual ~CTCGNode();

    // The window that opening this one opens: the first on its parent chain, itself included,
    // whose open method is not "with its parent". Null with W0508 when the chain ends first.
    static CWindowKav* GetOpeningWindow(CWindowKav* window);
    // The first dialog box on the window's parent chain, itself included, that the combination
    // holds system-modal; null when none or when that cannot be read.
    static CWindowKav* FindSystemModalDialog(CWindowKav* window, const CCombination& combination);

    // The caller's state at which the search starts; not owned.
    CCombination* initialCombination = nullptr;
    // The values under which the transition's condition holds, in the order they are worked on.
    CCombination wantedValues;
    // The working state; after success, the state after the last step of the path.
    CCombination combination;
    // Newest at the end.
    OwningList<CTCGState> states;
    Progress* progress;
};
