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
class CTaskStep;
class CTransitionKav;
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

    // The first step whose unique identifier equals the text exactly, or null.
    CTestStep* FindStepById(const std::string& id) const;

    // ---- Reference upkeep when windows, tasks and steps change or go

    // The old window gives way to the new one as the test case's window and as start and
    // destination of every step.
    void ReplaceWindow(CWindowKav* newWindow, const CWindowKav* oldWindow);
    // Before one of the objects is deleted (the caller gives one): a window is cleared as start
    // window (with the base step) and as destination; otherwise a base step equal to the task
    // step is cleared, or task and transition of a step that belongs to the task or was made
    // from the transition.
    void RemoveReferences(const CWindowKav* window, const CTaskStep* taskStep, const CTaskKav* task,
                          const CTransitionKav* transition);
    // After the task step's windows changed: a test case of that transition step starts from
    // its new start window, and the steps made from it take its windows.
    void UpdateFromTaskStep(const CTaskStep* taskStep);

    // A copy by the model's clone flags: number, kind and error case always; 1 the unique
    // identifier, 2 the owning file; 16 the reference texts (and file id) from the objects,
    // else 32 as they stand; 8 the references; then copies of the steps by the same flags.
    CTestCase* Clone(int flags) const;

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
