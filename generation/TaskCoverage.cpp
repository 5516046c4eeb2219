#include "generation/TaskCoverage.h"

#include <algorithm>

#include "generation/CoverageTargets.h"
#include "generation/GenerationSettings.h"
#include "generation/TCGTask.h"
#include "generation/TaskTestCases.h"
#include "generation/TestCaseGenerator.h"
#include "model/ApplicationKav.h"
#include "model/TaskKav.h"
#include "platform/Format.h"
#include "platform/MessageBuffer.h"
#include "platform/Progress.h"

namespace {

constexpr int kFirstPathFailed = 44514;
constexpr int kSecondPathFailed = 44548;

void MarkExhausted(const std::deque<CTaskNode*>& path) {
    for (CTaskNode* node : path) node->exhausted = true;
}

}  // namespace

CTaskCoverage::CTaskCoverage(CTCGTask& graph, Progress& progress)
    : graph_(graph), progress_(progress), search_(graph, &progress) {}

int CTaskCoverage::GenerateTestCases(CTaskKav& task, int method, OwningList<CTestCase>& out) {
    progress_.AddLogText(Fmt("Generating test cases for task '%s'", task.GetName()));
    if (task.GetSteps().size() < 2) {
        SetMessage(44031, task.GetName());
        return kGenerationFailed;
    }
    const bool projectWide = graph_.GetProject().GetOldTaskMode();
    CTaskNode* entry = FindEntry(task);
    int result = kGenerationFailed;
    if (entry) {
        std::unique_ptr<CoverageTarget> target = MakeCoverageTarget(method, graph_, task, *entry, progress_);
        result = kGenerationSuccess;
        number_ = 1;
        firstUnreachable_.clear();
        const size_t earlier = out.size();
        for (bool more = target && target->First(); more; more = target->Next()) {
            const TargetOutcome outcome = CoverTarget(task, *target, out);
            if (outcome == TargetOutcome::kStopped) {
                result = kGenerationStopped;
                break;
            }
            if (outcome == TargetOutcome::kFailed) {
                out.DeleteAll();
                result = kGenerationFailed;
                break;
            }
        }
        // Targets that no valid path reaches are passed by silently while others get test
        // cases; a task none of whose targets has one failed, and says which target failed first.
        if (result == kGenerationSuccess && out.size() == earlier && !firstUnreachable_.empty()) {
            SetGlobalMessage(firstUnreachable_);
            result = kGenerationFailed;
        }
    }
    if (!projectWide) graph_.Clear();
    return result;
}

CTaskNode* CTaskCoverage::FindEntry(CTaskKav& task) {
    if (graph_.GetProject().GetOldTaskMode()) {
        // The shallowest instance of the task in the project's graph.
        CTaskNode* entry = nullptr;
        for (CTaskNode* node : graph_.GetNodes())
            if (node->contextTask == &task && (!entry || node->level < entry->level)) entry = node;
        if (!entry) SetMessage(44032, task.GetName());
        return entry;
    }
    graph_.Clear();
    if (graph_.ConvertTask(&task) != 1) return nullptr;
    graph_.BuildConnections();
    // A task whose start step is not among its steps converts to nothing.
    if (!graph_.GetStartNode()) SetMessage(44031, task.GetName());
    return graph_.GetStartNode();
}

CTaskCoverage::TargetOutcome CTaskCoverage::CoverTarget(CTaskKav& task, CoverageTarget& target,
                                                        OwningList<CTestCase>& out) {
    backward_.clear();
    forward_.clear();
    joined_.clear();
    depthLimit_ = kNoDepthLimit;
    target.Announce();
    for (;;) {
        // The backward half: from the target to a beginning of the graph.
        const int backwardResult = search_.CreatePathFromNode(target.From(), true, backward_, depthLimit_);
        if (backwardResult == kPathStopped) return TargetOutcome::kStopped;
        if (backwardResult == kNoFurtherPath) {
            target.MarkUnreachable();
            const std::string why = target.UnreachableMessage();
            Trace(why);
            if (firstUnreachable_.empty()) firstUnreachable_ = why;
            return TargetOutcome::kDone;
        }
        if (backwardResult == kPathDeadEnd) {
            MarkExhausted(backward_);
            continue;
        }
        joined_.assign(backward_.begin(), backward_.end());
        CTaskNode* failing = nullptr;
        const int backwardCheck = CheckPath(target, kFirstPathFailed, failing);
        if (backwardCheck < 0) return TargetOutcome::kFailed;
        if (backwardCheck == 0) {
            depthLimit_ = std::min(depthLimit_, failing->position);
            continue;
        }

        // The forward half: from the target to an end of the graph, backtracking past the
        // node at which the joined path failed.
        forward_.clear();
        for (;;) {
            const int forwardResult = search_.CreatePathFromNode(target.To(), false, forward_, -1);
            if (forwardResult == kPathStopped) return TargetOutcome::kStopped;
            if (forwardResult != kPathComplete) {
                MarkExhausted(backward_);
                break;
            }
            const size_t backwardLength = joined_.size();
            joined_.insert(joined_.end(), forward_.begin() + (target.JoinsForwardStart() ? 0 : 1), forward_.end());
            const int joinedCheck = CheckPath(target, kSecondPathFailed, failing);
            if (joinedCheck < 0) return TargetOutcome::kFailed;
            if (joinedCheck == 1) return MakeTestCase(task, target, out);
            joined_.resize(backwardLength);
            auto failed = std::find(forward_.begin(), forward_.end(), failing);
            // Failing inside the backward half, as a repeated block can: that half must change.
            if (failed == forward_.end()) break;
            forward_.erase(failed + 1, forward_.end());
        }
    }
}

int CTaskCoverage::CheckPath(CoverageTarget& target, int messageId, CTaskNode*& failing) {
    combination_.RemoveAll();
    bool otherWayIn = false;
    const int result = SimulateTaskPath(joined_, combination_, target.DataSetInUse(), false, failing, otherWayIn);
    RemoveTemporaryNodes(joined_);
    if (result != 0) return result;
    Trace(FormatMessageId(messageId, failing->task->GetName(), failing->step->GetName()));
    failing->penalised = true;
    if (!otherWayIn) graph_.BlockNode(failing);
    return 0;
}

CTaskCoverage::TargetOutcome CTaskCoverage::MakeTestCase(CTaskKav& task, CoverageTarget& target,
                                                         OwningList<CTestCase>& out) {
    combination_.RemoveAll();
    ClearGlobalMessage();
    // The path as searched: the simulation below takes a block that loops zero times out of
    // joined_, yet its steps and connections count as covered, or each would become a target
    // of its own and yield this same path again.
    const TaskPath searched = joined_;
    CTaskNode* failing = nullptr;
    bool otherWayIn = false;
    if (SimulateTaskPath(joined_, combination_, target.DataSetInUse(), true, failing, otherWayIn) != 1)
        return TargetOutcome::kFailed;
    std::unique_ptr<CTestCase> testCase = CreateTestCase(graph_, task, number_, target.TestCaseKind(), joined_);
    RemoveTemporaryNodes(joined_);
    if (!testCase) return TargetOutcome::kFailed;
    testCase->SetErrorCase(target.ErrorCase());
    progress_.AddLogText(Fmt("Test case '%s' generated", testCase->GetDisplayName()));
    out.Add(testCase.release());
    ++number_;
    for (size_t i = 1; i < searched.size(); ++i) graph_.SetCovered(searched[i - 1], searched[i]);
    return TargetOutcome::kDone;
}

void CTaskCoverage::Trace(const std::string& line) const {
    if (GetGenerationSettings().detailedLog) progress_.AddLogText(line);
}
