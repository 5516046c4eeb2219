#pragma once
// The walk of a generation run over the part of the model it covers: the task hierarchy for
// the task-based methods (each task's graph generates its test cases) and the windows with
// their transitions for transition tests (one test case per transition). Failures of single
// elements are counted and logged while the walk goes on; at the end the new test cases go to
// the project in place of its earlier ones of that kind and scope.
//
// Results: 1 success, 0 failure of one element, 2 stopped by the user (what was generated is
// handed over), -1 fatal (the new test cases are deleted; the message is in the global
// message buffer).
#include <memory>

#include "generation/TestCaseGenerator.h"
#include "model/Combination.h"
#include "model/TestCase.h"
#include "platform/ObjectList.h"

class CApplicationKav;
class CTCGTask;
class CTaskKav;
class CTransitionKav;
class CWindowKav;
class Progress;

class CTCGDriver {
public:
    CTCGDriver(CApplicationKav& project, Progress& progress);
    CTCGDriver(const CTCGDriver&) = delete;
    CTCGDriver& operator=(const CTCGDriver&) = delete;
    ~CTCGDriver();

    // The task and its sub-tasks (null: from the project's root task) by the method code;
    // count receives the number of new test cases.
    int GenerateTaskTestCases(CTaskKav* task, int method, int& count);
    // The transition of the window, the window and its children, or (no window) every window.
    int GenerateTransitionTests(CWindowKav* window, CTransitionKav* transition, int& count);
    // One test case for the transition: from the start window through a path to a state in
    // which it can be used, the transition, and on until the application is closed. 1 with
    // the test case among the new ones; 0 when there is no such path.
    int GenerateTC(CWindowKav* window, CTransitionKav* transition, CCombination& combination);

private:
    int GenerateForTask(CTaskKav* task, int method, int& count);
    int GenerateForWindow(CWindowKav* window, int& count);
    // The new test cases go to the project, replacing its earlier ones of the kind and scope.
    void HandOver(int kind, const CWindowKav* window, const CTransitionKav* transition, const CTaskKav* task);

    CApplicationKav& project_;
    Progress& progress_;
    std::unique_ptr<CTCGTask> taskGraph_;
    OwningList<CTestCase> newTestCases_;
};

// The task-based and transition families of the generator table: the driver over the
// request's element (none: the whole project).
class CTCGDriverGenerator : public TestCaseGenerator {
public:
    int Generate(const GenerationRequest& request, Progress& progress, int& count) override;
};
