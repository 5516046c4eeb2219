#pragma once
// A generated test case: its test steps in execution order, the number within its run, its
// kind, and the window, transition and task it was generated from.
#include <string>

#include "model/KavroObj.h"
#include "model/StoreField.h"
#include "model/TestStep.h"
#include "platform/ObjectList.h"

class CStepKav;
class CTaskKav;
class CWindowKav;

// Kinds of test cases.
enum TestCaseKind : int {
    kTestCaseTransition = 0,
    kTestCaseGraphCoverage = 2,
    kTestCaseManual = 3,
    kTestCaseDataCoverage = 4,
    kTestCaseRandom = 5,
    kTestCaseAnyKind = 99,  // for deletions: every kind
};

class CTestCase : public CKavroObj {
public:
    CTestCase(int number, int type, CWindowKav* window, CStepKav* transitionStep, CTaskKav* task, int errorCase);

    OwningList<CTestStep>& GetSteps() { return steps_; }
    const OwningList<CTestStep>& GetSteps() const { return steps_; }

    // The name shown and looked up everywhere: the transition's name, else the task's name,
    // "_" and the number with at least three digits, else "".
    std::string GetDisplayName() const;

    std::string GetUniqueId() const { return id_; }
    bool SetUniqueId(const std::string& id) { return StoreField(id_, id); }
    int GetNumber() const { return number_; }
    bool SetNumber(int number) { return StoreField(number_, number); }
    int GetType() const { return type_; }
    int GetErrorCase() const { return errorCase_; }
    bool SetErrorCase(int errorCase) { return StoreField(errorCase_, errorCase); }
    CWindowKav* GetWindow() const { return window_; }
    bool SetWindow(CWindowKav* window) { return StoreField(window_, window); }
    CStepKav* GetTransitionStep() const { return transitionStep_; }
    bool SetTransitionStep(CStepKav* step) { return StoreField(transitionStep_, step); }
    CTaskKav* GetTask() const { return task_; }
    bool SetTask(CTaskKav* task) { return StoreField(task_, task); }

    // Identifiers of window, task and transition step as read from a project file.
    std::string GetWindowId() const { return windowId_; }
    bool SetWindowId(const std::string& id) { return StoreField(windowId_, id); }
    std::string GetTaskId() const { return taskId_; }
    bool SetTaskId(const std::string& id) { return StoreField(taskId_, id); }
    std::string GetStepId() const { return stepId_; }
    bool SetStepId(const std::string& id) { return StoreField(stepId_, id); }

private:
    OwningList<CTestStep> steps_;
    std::string id_;
    std::string windowId_;
    std::string taskId_;
    std::string stepId_;
    int number_;
    int type_;
    CWindowKav* window_;
    CStepKav* transitionStep_;
    CTaskKav* task_;
    int errorCase_;
};
