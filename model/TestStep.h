#pragma once
// A step of a generated test case: the step texts, with the task step or transition and the
// task it was made from, and the building blocks it lies in.
#include <string>

#include "model/StepKav.h"
#include "model/StoreField.h"
#include "model/TCGParameters.h"
#include "model/TestStepBBInfo.h"
#include "platform/ObjectList.h"

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

    // Outermost building block first; owned.
    OwningList<CTestStepBBInfo>& GetBBInfos() { return bbInfos_; }
    const OwningList<CTestStepBBInfo>& GetBBInfos() const { return bbInfos_; }
    // What the transition search was looking for when it made the step.
    CTCGParameters& GetParameters() { return parameters_; }
    const CTCGParameters& GetParameters() const { return parameters_; }

    CTaskStep* GetBaseStep() const { return baseStep_; }
    // Takes the fields of a non-null step and stores it as base step; null only clears it.
    void SetSourceStep(CTaskStep* step);
    // Links the base step alone: a step read from a project file keeps its own fields.
    bool SetBaseStep(CTaskStep* step) { return StoreField(baseStep_, step); }
    CTaskKav* GetTask() const { return task_; }
    bool SetTask(CTaskKav* task) { return StoreField(task_, task); }
    CTransitionKav* GetTransition() const { return transition_; }
    bool SetTransition(CTransitionKav* transition) { return StoreField(transition_, transition); }
    std::string GetComment() const { return comment_; }
    bool SetComment(const std::string& comment) { return StoreField(comment_, comment); }
    // The step the test step was made from: the base step's identifier, else the transition's,
    // else "".
    std::string GetSourceStepId() const;

    // Identifier texts of base step (or transition) and task as read from a project file.
    std::string GetBaseStepId() const { return baseStepId_; }
    bool SetBaseStepId(const std::string& id) { return StoreField(baseStepId_, id); }
    std::string GetTaskId() const { return taskId_; }
    bool SetTaskId(const std::string& id) { return StoreField(taskId_, id); }

    // A copy by the model's clone flags: the texts, the drawing position, the search record,
    // the conditions, actions and field values (1 keeps identifiers); 16 writes the reference
    // texts from the objects, else 32 copies them; 8 keeps the references, the base step with
    // its fields taken again; last the building blocks.
    CTestStep* Clone(int flags) const;

private:
    OwningList<CTestStepBBInfo> bbInfos_;
    CTCGParameters parameters_;
    std::string baseStepId_;
    std::string taskId_;
    CTaskStep* baseStep_ = nullptr;
    CTaskKav* task_;
    CTransitionKav* transition_;
    std::string comment_;
};
