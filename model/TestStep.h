#pragma once
// A step of a generated test case: the step texts, with the task step or transition and the
// task it was made from.
#include <string>

#include "model/StepKav.h"
#include "model/StoreField.h"

class CTaskKav;
class CTaskStep;
class CTransitionKav;

class CTestStep : public CStepKav {
public:
    // With a base step, the texts, windows, delay, criticality and result value are taken from
    // it (its lists are not copied); then base step, task and transition are stored.
    CTestStep(std::string name, std::string event, std::string commands, std::string description, std::string input,
              std::string expectedResult, CWindowKav* startWindow, CWindowKav* destWindow, int delay,
              int criticality, std::string resultValue, CTaskStep* baseStep, CTaskKav* task,
              CTransitionKav* transition, std::string comment);

    CTaskStep* GetBaseStep() const { return baseStep_; }
    // Takes the fields of a non-null step and stores it as base step; null only clears it.
    void SetSourceStep(CTaskStep* step);
    CTaskKav* GetTask() const { return task_; }
    bool SetTask(CTaskKav* task) { return StoreField(task_, task); }
    CTransitionKav* GetTransition() const { return transition_; }
    bool SetTransition(CTransitionKav* transition) { return StoreField(transition_, transition); }
    std::string GetComment() const { return comment_; }
    bool SetComment(const std::string& comment) { return StoreField(comment_, comment); }

    // Identifier texts of base step (or transition) and task as read from a project file.
    std::string GetBaseStepId() const { return baseStepId_; }
    bool SetBaseStepId(const std::string& id) { return StoreField(baseStepId_, id); }
    std::string GetTaskId() const { return taskId_; }
    bool SetTaskId(const std::string& id) { return StoreField(taskId_, id); }

private:
    std::string baseStepId_;
    std::string taskId_;
    CTaskStep* baseStep_ = nullptr;
    CTaskKav* task_;
    CTransitionKav* transition_;
    std::string comment_;
};
