#pragma once
// A step of a task flow: it describes an action itself, performs a window transition, or
// calls another task with parameters.
#include <string>
#include <vector>

#include "model/StepKav.h"
#include "model/StoreField.h"
#include "model/WindowsByInternalId.h"

class CDataSet;
class CTaskKav;
class CTransitionKav;

// How a step that calls a task repeats the call: by its loop count (as a plain repetition, or as
// a block), or once for each valid, invalid or any record of its loop data set.
enum TaskLoopMode : int {
    kLoopByCount = 1,
    kLoopValidRecords = 2,
    kLoopInvalidRecords = 4,
    kLoopAllRecords = kLoopValidRecords | kLoopInvalidRecords,
    kLoopBlockByCount = 8,
};

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
    // A transition (not null) first replaces the step's fields: the step is cleared and takes
    // the transition's texts, windows, delay, criticality and result value.
    bool SetTransition(CTransitionKav* transition);
    CTaskKav* GetSubTask() const { return subTask_; }
    bool SetSubTask(CTaskKav* task) { return StoreField(subTask_, task); }
    int GetPriority() const { return priority_; }
    bool SetPriority(int priority) { return StoreField(priority_, priority); }
    int GetLoopMode() const { return loopMode_; }
    bool SetLoopMode(int loopMode) { return StoreField(loopMode_, loopMode); }
    // An expression; "1" for a new step.
    std::string GetLoopCount() const { return loopCount_; }
    const std::string& GetLoopCountRef() const { return loopCount_; }
    bool SetLoopCount(const std::string& count) { return StoreField(loopCount_, count); }
    CDataSet* GetLoopDataSet() const { return loopDataSet_; }
    bool SetLoopDataSet(CDataSet* dataSet) { return StoreField(loopDataSet_, dataSet); }

    // FALSE only for a blank step: no sub-task call, no start window or no event, no commands,
    // no description, no conditions and no actions.
    bool IsDefined() const;

    // A copy by the model's clone flags (1 identifiers, 8 references, 16 or 32 reference
    // texts). The connections are never copied; a task copy rebuilds them.
    CTaskStep* Clone(int flags) const;

    // The task-step part of the step equality: priority, loop mode and count, and the
    // transition, sub-task, loop data set and successors against the other's ID texts.
    bool HasEqualFlowFields(const CTaskStep& other) const;

    // ---- Sub-task calls and reference upkeep

    // The step calls a sub-task that is a GUI building block.
    bool HasGuiBuildingBlock() const;
    // The step's "S_TestObject", "S_Application" or "S_Description" parameter when it calls a
    // GUI building block, else null.
    CAttributeKav* GetTestObjectAttribute() const;
    CAttributeKav* GetApplicationAttribute() const;
    CAttributeKav* GetDescriptionAttribute() const;
    // For a GUI building block call with an "S_TestObject" parameter: the project's window of
    // that internal ID (null when none); for any other step its start window.
    CWindowKav* GetTestObjectWindow() const;
    // A GUI building block call on the window (its "S_TestObject" is the window's internal ID,
    // with case) takes the window's tool-data "application" and "description" values into its
    // "S_Application" and "S_Description" parameters; TRUE when it did.
    bool UpdateGuiBuildingBlockStep(const CWindowKav* window);
    // The same for the window of the call's "S_TestObject" among these.
    bool UpdateGuiBuildingBlockStep(const WindowsByInternalId& windows);
    // A GUI building block call takes the window as its test object: its internal ID, the
    // tool-data "application" value of the window or of its nearest ancestor that has one, and
    // the window's "description" value. Nothing for another step.
    void AimGuiBuildingBlock(const CWindowKav& window);

    // For a step calling the task: one parameter per parameter of the task, in the task's
    // order, keeping the call's value (and id) of a parameter found by name, or else by the
    // parameter's former name (its note); new parameters take the task's default. FALSE when
    // the step does not call the task.
    bool UpdateSubtaskParameters(const CTaskKav* task);
    // A step calling the old task calls the new one, takes its name (when there is one) and
    // its parameters; TRUE when replaced.
    bool ReplaceSubtask(CTaskKav* newTask, const CTaskKav* oldTask);
    // A step that calls the task takes the task's current name; TRUE when the name changed.
    bool RenameSubtaskCall(const CTaskKav* task);
    // The old window becomes the new one: in the "S_TestObject" value of a GUI building block
    // call (by internal ID, without case), else in the start and destination window. TRUE when
    // anything was replaced.
    bool ReplaceWindow(CWindowKav* newWindow, const CWindowKav* oldWindow);
    // A step performing the transition takes its current start and destination window.
    bool RefreshStepWindows(const CTransitionKav* transition);
    // Forgets one deleted object (the first one given): a window (with the transition when it
    // was the start window), the transition, the sub-task (the step gets the project's step
    // fields in place of the parameters) or the loop data set. TRUE when anything changed.
    bool RemoveReferences(const CWindowKav* window, const CTransitionKav* transition, const CTaskKav* subTask,
                          const CDataSet* dataSet);

private:
    // The call's "S_Application" and "S_Description" take the window's SMURF values.
    void TakeSmurfValues(const CWindowKav& window);

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
