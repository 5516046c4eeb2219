#include "generation/TCGTask.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "model/ActionCatalogue.h"
#include "model/ApplicationKav.h"
#include "model/DataSet.h"
#include "model/TaskKav.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kMaxLoopCount = 1000;

constexpr int kActionNextDataRecord = 14;
constexpr int kActionResetDataRecord = 15;

bool LoopsOverRecords(const CTaskStep& step) {
    return (step.GetLoopMode() & (kLoopValidRecords | kLoopInvalidRecords)) && step.GetLoopDataSet();
}

// How many nodes the step gets; -1 with W0840 for a loop count outside 0..1000.
int CopyCount(const CTaskStep& step, const CTaskKav& task) {
    int count = 1;
    if (step.GetLoopMode() == kLoopByCount) {
        count = ParseLeadingInt(step.GetLoopCount());
        if (count < 0 || count > kMaxLoopCount) {
            SetMessage(44840, task.GetName());
            return -1;
        }
    } else if (LoopsOverRecords(step)) {
        const CDataSet& dataSet = *step.GetLoopDataSet();
        count = 0;
        if (step.GetLoopMode() & kLoopValidRecords) count += dataSet.CountRecords(kRecordsValid);
        if (step.GetLoopMode() & kLoopInvalidRecords) count += dataSet.CountRecords(kRecordsInvalid);
    }
    return count == 0 ? 1 : count;
}

// Whether the task's sub-task calls come back to a task on the chain of calls; W0579 then. The
// expansion of such a call would never end.
bool CallsItself(const CTaskKav* task, std::unordered_set<const CTaskKav*>& chain,
                 std::unordered_set<const CTaskKav*>& cleared) {
    if (cleared.contains(task)) return false;
    chain.insert(task);
    for (const CTaskStep* step : task->GetSteps()) {
        const CTaskKav* called = step->GetSubTask();
        if (!called) continue;
        if (chain.contains(called)) {
            SetMessage(44579, called->GetName(), task->GetName());
            return true;
        }
        if (CallsItself(called, chain, cleared)) return true;
    }
    chain.erase(task);
    cleared.insert(task);
    return false;
}

// The record of a building block for the test steps made inside it.
BlockCall MakeBlockCall(const CApplicationKav& project, const CTaskNode& call, const CTaskKav& subTask) {
    auto record = std::make_unique<CTestStepBBInfo>("", subTask.GetID(), subTask.GetTestGoal(),
                                                    subTask.GetConfiguration(), subTask.GetPrecondition(),
                                                    subTask.GetDescription(), subTask.GetPostcondition(), call.level,
                                                    project.GetObjectPathText(&subTask));
    if (call.step->GetLoopMode() == kLoopBlockByCount) record->SetNote(call.step->GetLoopCount());
    const std::string prefix = project.GetObjectPathText(&subTask) + ":";
    for (const CAttributeKav* parameter : call.step->GetAttributes())
        record->GetAttributes().Add(
            new CAttributeKav(prefix + parameter->GetName(), parameter->GetType(), parameter->GetValue()));
    return {std::move(record), call.task};
}

// The record action that starts (first copy) or advances a loop over data records.
CActionKav* MakeRecordAction(const CApplicationKav& project, const CTaskNode& call) {
    const CTaskStep& step = *call.step;
    const CActionKav* entry =
        FindPredefinedAction(GetActionCatalogue(), call.firstCopy ? kActionResetDataRecord : kActionNextDataRecord);
    CActionKav* action = entry->Clone(0);
    const int mode = step.GetLoopMode() & (kLoopValidRecords | kLoopInvalidRecords);
    action->GetArguments()[0]->SetValue("#" + project.GetObjectPathText(step.GetLoopDataSet()) + "#");
    action->GetArguments()[1]->SetValue(mode == kLoopValidRecords ? "v" : mode == kLoopInvalidRecords ? "i" : "a");
    return action;
}

}  // namespace

CTCGTask::CTCGTask(CApplicationKav& project, bool ownTaskOnly) : project_(project) {
    if (ownTaskOnly || !project_.GetOldTaskMode()) return;
    if (ConvertTask(project_.GetRootTask()) != 1) {
        GetInteraction().ShowMessage(
            {GetGlobalMessageBuffer(), "", MessageButtons::Ok, MessageIcon::Error, MessageAnswer::Ok});
        Clear();
    }
    BuildConnections();
}

CTCGTask::~CTCGTask() { Clear(); }

void CTCGTask::Clear() {
    edgeIndex_.clear();
    connections_.DeleteAll();
    nodes_.DeleteAll();
    startNode_ = nullptr;
}

void CTCGTask::BuildConnections() {
    edgeIndex_.clear();
    connections_.DeleteAll();
    for (CTaskNode* node : nodes_)
        for (CTaskNode* successor : node->successors)
            edgeIndex_[{node, successor}] = connections_.Add(new CTaskNodeConnect{node, successor});
}

int CTCGTask::BuildTaskNodes(CTaskKav* task, CTaskKav* contextTask, int contextNumber, CTaskNode*& start,
                             std::vector<CTaskNode*>& nodes) {
    start = nullptr;
    nodes.clear();
    if (!task->GetStartStep()) return 1;

    std::unordered_map<const CTaskStep*, CTaskNode*> firstCopies;
    std::vector<CTaskNode*> lastCopies;
    for (CTaskStep* step : task->GetSteps()) {
        const int count = CopyCount(*step, *task);
        if (count < 0) {
            for (CTaskNode* node : nodes) delete node;
            nodes.clear();
            return -1;
        }
        CTaskNode* previous = nullptr;
        for (int i = 0; i < count; ++i) {
            auto* node = new CTaskNode(task, step, contextTask, contextNumber);
            nodes.push_back(node);
            if (previous) LinkNodes(*previous, *node);
            node->firstCopy = i == 0;
            node->lastCopy = i == count - 1;
            if (node->firstCopy) firstCopies[step] = node;
            if (node->lastCopy) lastCopies.push_back(node);
            if (step == task->GetStartStep()) start = node;
            previous = node;
        }
    }
    for (CTaskNode* last : lastCopies)
        for (const CTaskStep* successor : last->step->GetSuccessors())
            if (auto first = firstCopies.find(successor); first != firstCopies.end()) LinkNodes(*last, *first->second);
    return 1;
}

int CTCGTask::ConvertTask(CTaskKav* task) {
    Clear();
    rootTask_ = task;
    if (!task) return 1;
    std::unordered_set<const CTaskKav*> chain, cleared;
    if (CallsItself(task, chain, cleared)) return -1;

    std::vector<CTaskNode*> built;
    if (BuildTaskNodes(task, task, 0, startNode_, built) != 1) return -1;
    for (CTaskNode* node : built) {
        node->level = 1;
        nodes_.Add(node);
    }

    CTaskKav* contextTask = task;
    int contextNumber = 0;
    int instances = 0;
    // Nodes appended by an expansion are walked too, so calls inside sub-tasks expand as well.
    for (size_t i = 0; i < nodes_.size();) {
        CTaskNode* node = nodes_[i];
        if (!node->step->GetSubTask()) {
            ++i;
            continue;
        }
        if (ExpandSubTaskCall(node, contextTask, contextNumber, instances) != 1) return -1;
    }
    return RemoveBlankNodes();
}

int CTCGTask::ExpandSubTaskCall(CTaskNode* call, CTaskKav*& contextTask, int& contextNumber, int& instances) {
    CTaskKav* subTask = call->step->GetSubTask();
    switch (subTask->GetType()) {
        case kTaskPlain:
            contextTask = subTask;
            contextNumber = ++instances;
            break;
        case kTaskBuildingBlock:
            contextTask = call->contextTask;
            contextNumber = call->contextNumber;
            break;
        case kTaskFolder: SetMessage(44936, subTask->GetName(), call->task->GetName()); return -1;
        default: break;
    }

    CTaskNode* subStart = nullptr;
    std::vector<CTaskNode*> subNodes;
    if (BuildTaskNodes(subTask, subTask, 0, subStart, subNodes) != 1) return -1;
    for (CTaskNode* node : subNodes) {
        node->contextTask = contextTask;
        node->contextNumber = contextNumber;
        node->level = call->level + 1;
        nodes_.Add(node);
    }

    for (CTaskNode* predecessor : call->predecessors) {
        if (!RemoveNodeFrom(predecessor->successors, call)) {
            SetMessage(41032);
            return -1;
        }
        // A sub-task without steps leaves the call bridged.
        if (subStart) LinkNodes(*predecessor, *subStart);
        else for (CTaskNode* successor : call->successors) LinkNodes(*predecessor, *successor);
    }
    std::vector<CTaskNode*> subEnds;
    for (CTaskNode* node : subNodes)
        if (node->successors.empty()) subEnds.push_back(node);
    for (CTaskNode* successor : call->successors) {
        RemoveNodeFrom(successor->predecessors, call);
        for (CTaskNode* end : subEnds) LinkNodes(*end, *successor);
    }

    if (subStart) {
        // Blocks and record actions that began at the call begin at the sub-task's start now,
        // outside the ones of the sub-task itself.
        std::vector<BlockCall> calls = std::move(call->blockCalls);
        calls.push_back(MakeBlockCall(project_, *call, *subTask));
        subStart->blockCalls = std::move(calls);
        while (!call->actions.empty()) subStart->actions.Add(call->actions.ReleaseAt(0));
        if (LoopsOverRecords(*call->step)) subStart->actions.Add(MakeRecordAction(project_, *call));
    }
    if (call == startNode_) startNode_ = subStart;
    nodes_.Delete(call);
    return 1;
}

int CTCGTask::RemoveBlankNodes() {
    for (CTaskNode* node : nodes_.Snapshot()) {
        if (node->step->IsDefined() || node == startNode_) continue;
        for (CTaskNode* successor : node->successors) {
            if (successor->level < node->level) continue;
            std::vector<BlockCall> calls;
            for (const BlockCall& call : node->blockCalls) calls.push_back(call.Clone());
            for (BlockCall& call : successor->blockCalls) calls.push_back(std::move(call));
            successor->blockCalls = std::move(calls);
        }
        if (!node->actions.empty()) continue;

        for (CTaskNode* predecessor : node->predecessors)
            if (!RemoveNodeFrom(predecessor->successors, node)) {
                SetMessage(41040);
                return -1;
            }
        for (CTaskNode* successor : node->successors) {
            if (!RemoveNodeFrom(successor->predecessors, node)) {
                SetMessage(41061);
                return -1;
            }
            for (CTaskNode* predecessor : node->predecessors) LinkNodes(*predecessor, *successor);
        }
        nodes_.Delete(node);
    }
    return 1;
}
