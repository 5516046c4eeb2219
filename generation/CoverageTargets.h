#pragma once
// What one coverage method aims each test case at: the task's start (one test case), an
// uncovered step, an uncovered connection, or the start again for each data record. A target
// gives the node from which a path is searched backward and the one from which it goes on
// forward; a target that no valid path reaches is marked so that the next one comes.
#include <memory>
#include <string>

#include "generation/TaskNode.h"

class CDataSet;
class CTCGTask;
class CTaskKav;
class Progress;

class CoverageTarget {
public:
    virtual ~CoverageTarget() = default;

    // Moves to the first (next) target; false when there is none, with the reason logged.
    virtual bool First() = 0;
    virtual bool Next() = 0;

    // Logged as a target's work begins.
    virtual void Announce() {}
    virtual CTaskNode* From() const = 0;
    virtual CTaskNode* To() const = 0;
    // The forward half starts at the end of the backward half (one node) unless the two
    // differ, as for a connection.
    bool JoinsForwardStart() const { return From() != To(); }
    // No valid path reaches the target: it is marked so that it is not chosen again.
    virtual void MarkUnreachable() = 0;
    // Why the target has no test case, once no valid path reaches it.
    virtual std::string UnreachableMessage() const = 0;
    // What the test cases of the target are and which data set they walk themselves.
    virtual int TestCaseKind() const;
    virtual int ErrorCase() const { return 0; }
    virtual CDataSet* DataSetInUse() const { return nullptr; }
};

// The target of the method code (1, 2, 4, 8, 16 or 24) for the task, whose graph instance
// starts at entry; null for any other code.
std::unique_ptr<CoverageTarget> MakeCoverageTarget(int method, CTCGTask& graph, CTaskKav& task, CTaskNode& entry,
                                                   Progress& progress);
