#pragma once
// A step of a task flow: it describes an action itself, performs a window transition, or
// calls another task with parameters.
#include <string>
#include <vector>

#include "model/StepKav.h"
#include "model/StoreField.h"

class CDataSet;
class CTaskKav;
class CTransitionKav;

class CTaskStep : public CStepKav {
public:
    CTaskStep(std::string name, std::string event, std::string commands, std::string description, std::string input,
              std::string expectedResult, CWindowKav* startWindow, CWindowKav* destWindow, int delay,
              const OwningList<CAttributeKav>* attributeSource, int criticality, std::string resultValue,
              int priority);

    // The connections of the flow; not owned. B is in A's successors exactly when A is in
    // B's predecessors.
    std::vector<CTaskStep*>& GetPredecessors() { return predecessors_; }
    const std::vector<CTaskStep*>& GetPredecessors() const { return predecessors_; }
    std::vector<CTaskStep*>& GetSuccessors() { return successors_; }
    const std::vector<CTaskStep*>& GetSuccessors() const { return successors_; }
    // Successor step IDs as read from a project file, until the references are resolved.
    std::vector<std::string>& GetSuccessorIds() { return successorIds_; }
    const std::vector<std::string>& GetSuccessorIds() const { return successorIds_; }

    std::string GetTransitionId() const { return transitionId_; }
    bool SetTransitionId(const std::string& id) { return StoreField(transitionId_, id); }
    std::string GetSubTaskId() const { return subTaskId_; }
    bool SetSubTaskId(const std::string& id) { return StoreField(subTaskId_, id); }
    std::string GetLoopSetId() const { return loopSetId_; }
    bool SetLoopSetId(const std::string& id) { return StoreField(loopSetId_, id); }

    CTransitionKav* GetTransition() const { return transition_; }
    CTaskKav* GetSubTask() const { return subTask_; }
    bool SetSubTask(CTaskKav* task) { return StoreField(subTask_, task); }
    int GetPriority() const { return priority_; }
    bool SetPriority(int priority) { return StoreField(priority_, priority); }
    int GetLoopMode() const { return loopMode_; }
    bool SetLoopMode(int loopMode) { return StoreField(loopMode_, loopMode); }
    // An expression; "1" for a new step.
    std::string GetLoopCount() const { return loopCount_; }
    bool SetLoopCount(const std::string& count) { return StoreField(loopCount_, count); }
    CDataSet* GetLoopDataSet() const { return loopDataSet_; }
    bool SetLoopDataSet(CDataSet* dataSet) { return StoreField(loopDataSet_, dataSet); }

    // A step that calls the task takes the task's current name; TRUE when the name changed.
    bool RenameSubtaskCall(const CTaskKav* task);

private:
    std::vector<CTaskStep*> predecessors_;
    std::vector<CTaskStep*> successors_;
    std::vector<std::string> successorIds_;
    std::string transitionId_;
    std::string subTaskId_;
    std::string loopSetId_;
    CTransitionKav* transition_ = nullptr;
    CTaskKav* subTask_ = nullptr;
    int priority_;
    int loopMode_ = 0;
    std::string loopCount_ = "1";
    CDataSet* loopDataSet_ = nullptr;
};
