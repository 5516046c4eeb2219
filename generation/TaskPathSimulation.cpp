// Playing a path through a task graph on the simulated application: every node's texts get
// their current values, the building blocks it begins record their evaluated parameters, and
// a block with a loop count is repeated (or left out) along the path.
#include <algorithm>

#include "conditions/ConditionContext.h"
#include "conditions/ConditionEvaluator.h"
#include "conditions/DesignatorValues.h"
#include "conditions/EventParser.h"
#include "conditions/ValueTypes.h"
#include "generation/GuiSimulation.h"
#include "generation/SimulationSupport.h"
#include "model/ApplicationKav.h"
#include "model/DataSet.h"
#include "model/ShellServices.h"
#include "model/TaskKav.h"
#include "model/TransitionKav.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

const CEventParser& BaseEventParser() {
    static thread_local const CEventParser parser;
    return parser;
}

constexpr int kMaxLoopCount = 1000;

// "Error in task '%s'/step '%s':\n%s" under each code.
enum NodeErrorId : int {
    kNodeActionFailed = 45134,
    kBlockValueFailed = 45135,
    kBlockValueRefused = 45136,
    kEventFailed = 45137,
    kEventValueFailed = 45138,
    kCommandsFailed = 45139,
    kDescriptionFailed = 45140,
    kResultValueFailed = 45141,
    kExpectedResultFailed = 45142,
    kPreconditionFailed = 45143,
    kStepActionFailed = 45144,
};

int NodeError(int id, const CTaskNode& node) {
    const std::string cause = GetGlobalMessageBuffer();
    SetMessage(id, node.task->GetName(), node.step->GetName(), cause);
    return -1;
}

// The nesting level that decides how far a looping block reaches: that of the outermost block
// beginning at the node, else the node's own.
int BlockLevel(const CTaskNode& node) {
    return node.blockCalls.empty() ? node.level : node.blockCalls.front().record->GetDepth();
}

// Every other data set starts again at its first record.
void ResetOtherDataSets(const CDataSet* dataSetInUse) {
    if (!CurrentApplication) return;
    for (CDataSet* dataSet : CurrentApplication->GetDataSets()) {
        if (dataSet == dataSetInUse) continue;
        dataSet->SetCurrentRecord(nullptr);
        bool wrapped = false;
        dataSet->GetNextRecord(kRecordsAll, wrapped);
    }
}

class TaskPathWalk {
public:
    TaskPathWalk(TaskPath& path, CCombination& combination, CDataSet* dataSetInUse, bool verify, bool expandLoops)
        : path_(path), combination_(combination), dataSetInUse_(dataSetInUse), verify_(verify),
          expandLoops_(expandLoops) {}

    int Run(CTaskNode*& failingNode, bool& otherWayIn) {
        for (size_t index = 0; index < path_.size();) {
            CTaskNode* node = path_[index];
            if (!otherWayIn) otherWayIn = HasOtherWayIn(index);
            const int result = SimulateNode(index);
            if (result == 0) failingNode = node->GraphNode();
            if (result != 1) return result;
        }
        return 1;
    }

private:
    // What to do after a node's blocks were handled.
    enum class BlockOutcome { kGoOn, kSkipNode, kBlockRemoved };

    bool HasOtherWayIn(size_t index) const {
        const CTaskNode* before = index > 0 ? path_[index - 1]->GraphNode() : nullptr;
        return std::any_of(path_[index]->predecessors.begin(), path_[index]->predecessors.end(),
                           [&](const CTaskNode* p) { return p != before && !p->blocked; });
    }

    // Simulates the node at index and moves index on to the node to simulate next.
    int SimulateNode(size_t& index) {
        CTaskNode& node = *path_[index];
        for (const CActionKav* action : node.actions) {
            ActionEffects effects;
            if (SimulateAction(*action, combination_, false, true, dataSetInUse_, effects) != 1)
                return NodeError(kNodeActionFailed, node);
        }

        node.stepBlockInfos.DeleteAll();
        BlockOutcome outcome = BlockOutcome::kGoOn;
        // A removed block may have taken the node with it: the outcome is looked at first.
        for (size_t call = 0; outcome == BlockOutcome::kGoOn && call < node.blockCalls.size(); ++call) {
            if (const int result = EnterBlock(index, call, outcome); result != 1) return result;
        }
        if (outcome == BlockOutcome::kBlockRemoved) return 1;  // the node that followed the block is at index
        ++index;
        if (outcome == BlockOutcome::kSkipNode) return 1;

        CTaskStep& step = *node.step;
        CStepKav& source = step.GetTransition() ? static_cast<CStepKav&>(*step.GetTransition()) : step;
        if (const int result = FillTexts(node); result != 1) return result;
        const int holds = PreconditionsHold(source, combination_);
        if (holds < 0) return NodeError(kPreconditionFailed, node);
        if (holds == 0) return 0;
        for (const CActionKav* action : source.GetActions()) {
            ActionEffects effects;
            if (SimulateAction(*action, combination_, verify_, true, dataSetInUse_, effects) != 1)
                return NodeError(kStepActionFailed, node);
            if (!effects.verifyStep) continue;
            auto* verifyNode = new CTaskNode(
                node.task, std::unique_ptr<CTaskStep>(static_cast<CTaskStep*>(effects.verifyStep.release())),
                node.contextTask);
            verifyNode->level = node.level;
            path_.insert(path_.begin() + static_cast<std::ptrdiff_t>(index++), verifyNode);
        }
        return 1;
    }

    // The building block call of the node: its loop, then its evaluated record for the test step.
    int EnterBlock(size_t index, size_t callIndex, BlockOutcome& outcome) {
        CTaskNode& node = *path_[index];
        const BlockCall& call = node.blockCalls[callIndex];
        if (expandLoops_ && !call.record->GetNote().empty()) {
            int count = 0;
            if (const int result = EvaluateLoopCount(node, call, count); result != 1) return result;
            size_t end = index + 1;
            while (end < path_.size() && BlockLevel(*path_[end]) > call.record->GetDepth()) ++end;
            if (count == 0) {
                if (!verify_) {
                    outcome = BlockOutcome::kSkipNode;
                    return 1;
                }
                RemoveNodes(index, end);
                outcome = BlockOutcome::kBlockRemoved;
                return 1;
            }
            RepeatBlock(index, end, callIndex, count);
        }
        CTestStepBBInfo* record = node.stepBlockInfos.Add(call.record->Clone(0));
        return EvaluateBlockParameters(node, *record);
    }

    // The loop count of a block: a number from 0 to 1000, else W0840 naming the calling task.
    int EvaluateLoopCount(const CTaskNode& node, const BlockCall& call, int& count) {
        std::string value;
        bool constant = false;
        int type = 0;
        if (EvaluateConditionText(InitConditionContext(), call.record->GetNote(), value, constant, type,
                                  combination_) != 1)
            return NodeError(kBlockValueFailed, node);
        count = ParseLeadingInt(value);
        if (value.empty() || !IsValueOfType(value, kTypeNum) || count < 0 || count > kMaxLoopCount) {
            SetMessage(44840, call.callingTask ? call.callingTask->GetName() : node.task->GetName());
            return -1;
        }
        return 1;
    }

    // count - 1 further passes through path_[begin, end) after it. The copies of the node that
    // begins the block carry no loop count for this block nor for the blocks around it, which
    // were repeated already.
    void RepeatBlock(size_t begin, size_t end, size_t callIndex, int count) {
        TaskPath copies;
        for (int pass = 1; pass < count; ++pass)
            for (size_t i = begin; i < end; ++i) {
                CTaskNode* copy = path_[i]->MakeBlockCopy();
                if (i == begin)
                    for (size_t call = 0; call <= callIndex; ++call) copy->blockCalls[call].record->SetNote("");
                copies.push_back(copy);
            }
        path_.insert(path_.begin() + static_cast<std::ptrdiff_t>(end), copies.begin(), copies.end());
    }

    void RemoveNodes(size_t begin, size_t end) {
        for (size_t i = begin; i < end; ++i)
            if (path_[i]->IsTemporary()) delete path_[i];
        path_.erase(path_.begin() + static_cast<std::ptrdiff_t>(begin), path_.begin() + static_cast<std::ptrdiff_t>(end));
    }

    // Each parameter value of the block becomes its current value and is recorded under the
    // parameter's designator, so that the block's steps read it.
    int EvaluateBlockParameters(const CTaskNode& node, CTestStepBBInfo& record) {
        for (CAttributeKav* parameter : record.GetAttributes()) {
            std::string text = parameter->GetValue();
            if (parameter->GetType() == kTypeString && text.find('#') == std::string::npos &&
                (text.empty() || text.front() != '"'))
                text = "\"" + text + "\"";
            std::string value;
            bool constant = false;
            int type = 0;
            if (EvaluateConditionText(InitConditionContext(), text, value, constant, type, combination_) != 1)
                return NodeError(kBlockValueFailed, node);
            if (!AssignDesignator(parameter->GetName(), value, combination_)) return NodeError(kBlockValueRefused, node);
            parameter->SetValue(value);
        }
        return 1;
    }

    // The node's event and texts with their designators replaced, and the value its event sets.
    int FillTexts(CTaskNode& node) {
        const CTaskStep& step = *node.step;
        if (const CWindowKav* window = step.GetStartWindow()) {
            bool constant = true;
            if (parser_.EvaluateArguments(step.GetEvent(), window, combination_, node.event, constant) != 1)
                return NodeError(kEventFailed, node);
            const int set = AssignEventValue(parser_, node.event, *window, combination_);
            if (set < 0) return NodeError(kEventValueFailed, node);
            if (set == 0) return 0;
        }
        struct Text {
            std::string (CStepKav::*get)() const;
            std::string CTaskNode::*target;
            int error;
        };
        for (Text text : {Text{&CStepKav::GetCommands, &CTaskNode::commands, kCommandsFailed},
                          Text{&CStepKav::GetDescription, &CTaskNode::description, kDescriptionFailed},
                          Text{&CStepKav::GetInput, &CTaskNode::input, kDescriptionFailed},
                          Text{&CStepKav::GetResultValue, &CTaskNode::resultValue, kResultValueFailed},
                          Text{&CStepKav::GetExpectedResult, &CTaskNode::expectedResult, kExpectedResultFailed}})
            if (ExpandDesignators(InitConditionContext(), (step.*text.get)(), combination_, node.*text.target) != 1)
                return NodeError(text.error, node);
        return 1;
    }

    TaskPath& path_;
    CCombination& combination_;
    CDataSet* dataSetInUse_;
    bool verify_;
    bool expandLoops_;
    // Only the base key table, which never changes: built once per thread, not per walk,
    // since every path check walks.
    const CEventParser& parser_ = BaseEventParser();
};

}  // namespace

int SimulateTaskPath(TaskPath& path, CCombination& combination, CDataSet* dataSetInUse, bool verify,
                     CTaskNode*& failingNode, bool& otherWayIn, const TaskPathOptions& options) {
    failingNode = nullptr;
    otherWayIn = false;
    if (options.resetDataSets) ResetOtherDataSets(dataSetInUse);
    const int result = TaskPathWalk(path, combination, dataSetInUse, verify, options.expandBlockLoops)
                           .Run(failingNode, otherWayIn);
    if (result != 1) {
        combination.RemoveAll();
        RemoveTemporaryNodes(path);
    }
    return result;
}

void RemoveTemporaryNodes(TaskPath& path) {
    std::erase_if(path, [](CTaskNode* node) {
        if (!node->IsTemporary()) return false;
        delete node;
        return true;
    });
}
