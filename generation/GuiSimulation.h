#pragma once
// Playing a candidate test case against the simulated application: a combination holds the
// simulated values of window attributes ("<window>:$Exist", ":$Visible", ":$Enabled",
// ":$SystemModal", the values that events and Set actions give, and "ActiveWnd"); anything it
// does not hold reads as the model's value. A path whose simulation fails is rejected; one
// that passes leaves the combination in the state after its last step. The same walk fills in
// the test steps: designators in their texts become current values, and a Verify step can
// follow each action that sets a value.
//
// Results: 1 the simulation holds, 0 it does not (the path is invalid), -1 an error with its
// message in the global message buffer. The path operations empty the combination on 0 and -1.
#include <memory>
#include <string>
#include <string_view>

#include "generation/TaskNode.h"
#include "model/Combination.h"
#include "model/TestStep.h"
#include "platform/ObjectList.h"

class CActionKav;
class CArgumentKav;
class CDataSet;
class CWindowKav;

// Whether a test can use the window now: its opening window exists, and it and every window
// above it are visible and (unless existAndVisibleOnly) enabled. 1, 0, or -1.
int IsWindowUsable(const CWindowKav& window, const CCombination& combination, bool existAndVisibleOnly);

// The argument's value on the combination, when it evaluates to a value of the argument's
// type. 1, or 0 with a message.
int CheckArgumentType(const CArgumentKav& argument, const CCombination& combination, std::string& value);

// What an action's simulation reports besides its result.
struct ActionEffects {
    bool applicationClosed = false;
    // The Verify step of a Set action when asked for: a CTaskStep for task steps, else a
    // CTestStep. Null when the action needs none.
    std::unique_ptr<CStepKav> verifyStep;
};

// Plays the action on the combination. dataSetInUse: the data set whose records a
// data-oriented generation walks itself (record actions on it are refused). 1, or 0 with a
// message; the combination keeps what the action did so far.
int SimulateAction(const CActionKav& action, CCombination& combination, bool verify, bool taskStep,
                   const CDataSet* dataSetInUse, ActionEffects& effects);

// The Verify step that checks what a Set action gave the designator, for the test tool of the
// project's output format. 1 (step null when the tool or the window needs none), 0 when the
// designator does not split, -1 with a message.
int CreateVerifyStep(std::string_view designator, const std::string& value, int actionCode,
                     const CCombination& combination, bool taskStep, std::unique_ptr<CStepKav>& step);

// Plays the test steps in order. Verify steps of actions are inserted after their step;
// expandTexts replaces the designators of the steps' texts by current values.
int SimulatePath(OwningList<CTestStep>& steps, CCombination& combination, bool& applicationClosed, bool verify,
                 bool expandTexts);

// A path of task-graph nodes, from its beginning towards its end; the nodes are not owned, but
// the simulation may insert temporary ones (RemoveTemporaryNodes deletes them).
using TaskPath = std::vector<CTaskNode*>;

// Plays the path's nodes in order, filling their texts and building-block records. Loops over
// building blocks insert temporary copies of the block, and with verify the Verify steps of
// actions become temporary nodes (a failed simulation takes them out again). On 0, failingNode
// is the graph node at which the path failed. otherWayIn is set when a node of the path has an
// unblocked predecessor other than the node before it.
//
// Random walks choose every data set's record themselves and play the steps of a looping
// building block once each: they switch the reset of the data sets and the loops off.
struct TaskPathOptions {
    bool resetDataSets = true;
    bool expandBlockLoops = true;
};
int SimulateTaskPath(TaskPath& path, CCombination& combination, CDataSet* dataSetInUse, bool verify,
                     CTaskNode*& failingNode, bool& otherWayIn, const TaskPathOptions& options = {});

// Takes the temporary nodes out of the path and deletes them (a Verify step's node with its
// step).
void RemoveTemporaryNodes(TaskPath& path);
