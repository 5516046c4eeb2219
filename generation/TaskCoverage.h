#pragma once
// Task-based test cases of one task by a coverage method: one test case (1), every step (2),
// every connection (4), every valid (8), invalid (16) or any (24) record of the task's data
// set. Each test case is a path from a beginning of the task graph to an end, built in two
// halves around a target (backward from it, then forward), checked by simulating the
// application along it, and kept when the simulation holds.
#include <string>

#include "generation/GuiSimulation.h"
#include "generation/TaskPathSearch.h"
#include "model/Combination.h"
#include "model/TestCase.h"
#include "platform/ObjectList.h"

class CoverageTarget;
class CTCGTask;
class CTaskKav;
class Progress;

class CTaskCoverage {
public:
    // progress: log lines, and polled for Stop.
    CTaskCoverage(CTCGTask& graph, Progress& progress);

    // Appends the task's new test cases to out. 1 done (also when everything was covered
    // already or a data-oriented method has no records: logged); 0 failed with the message in
    // the global message buffer, out emptied of its test cases, or no target reachable by a
    // valid path (the first one's message); 2 stopped by the user, what was made so far kept. Outside the old task mode the graph is the task's own, made here and
    // cleared at the end.
    int GenerateTestCases(CTaskKav& task, int method, OwningList<CTestCase>& out);

private:
    enum class TargetOutcome { kDone, kStopped, kFailed };

    // The node of the task's instance at which its coverage starts; null with a message.
    CTaskNode* FindEntry(CTaskKav& task);
    TargetOutcome CoverTarget(CTaskKav& task, CoverageTarget& target, OwningList<CTestCase>& out);
    // A simulation of the joined path without Verify steps: 1, or 0 with the failing node
    // penalised (and blocked unless the path has another way in), or -1.
    int CheckPath(CoverageTarget& target, int messageId, CTaskNode*& failing);
    TargetOutcome MakeTestCase(CTaskKav& task, CoverageTarget& target, OwningList<CTestCase>& out);
    void Trace(const std::string& line) const;

    CTCGTask& graph_;
    Progress& progress_;
    CTaskPathSearch search_;
    CCombination combination_;
    std::deque<CTaskNode*> backward_;
    std::deque<CTaskNode*> forward_;
    TaskPath joined_;
    int depthLimit_ = kNoDepthLimit;
    int number_ = 1;
    std::string firstUnreachable_;  // the message of the first target no valid path reached
};
