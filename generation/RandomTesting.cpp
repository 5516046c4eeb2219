#include "generation/RandomTesting.h"

#include <algorithm>

#include "conditions/ProjectConditionCheck.h"
#include "generation/GenerationSettings.h"
#include "generation/SimulationSupport.h"
#include "generation/TaskTestCases.h"
#include "model/ActionKav.h"
#include "model/ApplicationKav.h"
#include "model/DataSet.h"
#include "model/ShellServices.h"
#include "model/TaskKav.h"
#include "model/TransitionKav.h"
#include "model/WindowKav.h"
#include "platform/Clock.h"
#include "platform/Format.h"
#include "platform/MessageBuffer.h"
#include "platform/Progress.h"
#include "platform/Random.h"
#include "platform/TextUtil.h"

namespace {

constexpr char kGenerateUndoName[] = "Generate Test Cases";

// With this many candidates the sum of their weights might not fit.
constexpr std::size_t kMaxCandidates = 2147483;
constexpr int kMinPriority = 1;
constexpr int kMaxPriority = 999;

// Steps of lower priority are chosen more often, uncovered steps twice as often. Priorities
// are kept to the editors' range, so that no weight is zero or negative.
std::uint32_t Weight(const CTaskNode& node) {
    const auto base = static_cast<std::uint32_t>(1000 - std::clamp(node.step->GetPriority(), kMinPriority, kMaxPriority));
    return node.covered ? base : 2 * base;
}

}  // namespace

CTCRandomTesting::CTCRandomTesting(CApplicationKav& project, Progress& progress)
    : project_(project), progress_(progress) {}

CTCRandomTesting::~CTCRandomTesting() = default;

int CTCRandomTesting::Generate(const std::vector<CTaskKav*>& tasks, const RandomTestSettings& settings, int& count) {
    count = 0;
    if (tasks.empty()) {
        SetMessage(41136);
        return kGenerationFailed;
    }
    if (settings.percentage < 0 || settings.percentage > 100) {
        SetMessage(41138);
        return kGenerationFailed;
    }
    const int goal = settings.goal == 0 || (settings.goal & kGoalTestCases) ? kGoalTestCases : settings.goal;
    coverage_ = std::make_unique<CRandomCoverage>(goal, settings.percentage / 100.0, progress_);
    if (settings.maxTestCases >= 0) maxTestCases_ = settings.maxTestCases;
    if (settings.maxLength >= 0) length_ = settings.maxLength;
    if (settings.iterations >= 1) maxIdleIterations_ = settings.iterations;
    else if (settings.maxLength > 0) maxIdleIterations_ = settings.maxLength;
    if (settings.dfsDepth > 0) dfsDepth_ = settings.dfsDepth;
    strategy_ = settings.method;
    startTime_ = GetClock().TickCount();
    timeout_ = static_cast<std::uint32_t>(std::max(settings.timeout, 0)) * 1000u;

    CWindowKav* startWindow = project_.GetStartWindow();
    if (!startWindow) {
        SetMessage(45041);
        return kGenerationFailed;
    }
    if (CheckAllConditions() != 1) return kGenerationFailed;

    std::vector<CTaskKav*> scope = tasks;
    task_ = project_.GetRootTask();
    if (tasks.size() == 1 && !tasks[0]) {
        scope = {task_};
        progress_.AddLogText("Generating random test cases for whole project");
    } else if (tasks.size() == 1) {
        task_ = tasks[0];
        progress_.AddLogText(Fmt("Generating random test cases for %s", task_->GetName()));
    } else {
        progress_.AddLogText("Generating random test cases");
    }
    if (BuildTaskGraphs(scope) != 1) return kGenerationFailed;
    CollectStartNodes();
    if (startNodes_.empty()) {
        SetMessage(45054);
        return kGenerationFailed;
    }

    progress_.SetTotal(coverage_->ComputeTarget(maxTestCases_));
    CTCRandomWalk walk;
    if (walk.Init(startWindow, project_.GetDataSets().Snapshot()) != 1) return kGenerationFailed;
    for (;;) {
        const int generated = GenerateRandTCs(walk);
        if (generated < 0) return kGenerationFailed;
        if (generated != 1 || coverage_->IsGoalReached()) break;
        if (strategy_ != 0) {
            const int searched = ConstructiveSearch(walk);
            if (searched < 0) return kGenerationFailed;
            if (searched > 1) break;
            if (searched == 1) {
                if (coverage_->IsGoalReached()) break;
                continue;
            }
            if (!walk.IsEmpty() && static_cast<int>(walk.NodeCount()) < length_ && (strategy_ & kStrategyContinue))
                continue;
        }
        if (static_cast<int>(testCases_.size()) >= maxTestCases_ - 1) break;
        if (FinishWalk(walk) < 0) return kGenerationFailed;
        if (coverage_->IsGoalReached()) break;
    }

    AdvanceProgress(progress_, progress_.Counts().remaining);
    if (FinishWalk(walk) < 0) return kGenerationFailed;
    count = static_cast<int>(testCases_.size());
    if (!testCases_.empty()) {
        project_.ReplaceTestCases(testCases_, kTestCaseRandom, nullptr, nullptr, task_);
        // An undo step of its own, so that undoing the next change keeps the test cases.
        RecordUndoStep(kGenerateUndoName);
    }
    Report();
    return stopped_ ? kGenerationStopped : kGenerationSuccess;
}

void CTCRandomTesting::Report() const {
    const CRandomCoverage& c = *coverage_;
    progress_.AddLogText(Fmt("Covered Building Blocks %i of %i", c.GetCoveredBlocks(), c.GetTotalBlocks()));
    progress_.AddLogText(Fmt("Covered Steps: %i of %i", c.GetCoveredSteps(), c.GetTotalSteps()));
    progress_.AddLogText(Fmt("Covered Connections: %i of %i", c.GetCoveredConnections(), c.GetTotalConnections()));
    progress_.AddLogText(Fmt("Covered Building Block Pairs: %i of %i", c.GetCoveredPairs(), c.GetTotalPairs()));
    progress_.AddLogText(Fmt("Elapsed time: %i Milliseconds", static_cast<int>(GetClock().TickCount() - startTime_)));
    if (GetGenerationSettings().detailedLog) {
        progress_.AddLogText("Not covered steps:");
        for (const CTCGTask* graph : taskGraphs_) {
            std::string line = Fmt("In Task %s ", graph->GetRootTask()->GetName());
            for (const CTaskNode* node : graph->GetNodes())
                if (!node->covered && node != graph->GetStartNode()) line += node->step->GetName() + " ";
            progress_.AddLogText(line);
        }
    }
    if (stopped_) progress_.AddLogText("Manually aborted Random Test Case Generation.");
    if (timedOut_) progress_.AddLogText("Random Path Generation timed out");
}

int CTCRandomTesting::BuildTaskGraphs(const std::vector<CTaskKav*>& tasks) {
    for (CTaskKav* task : tasks) {
        if (!task) continue;
        if (task->GetType() == kTaskFolder) {
            const std::vector<CTaskKav*> children = task->GetChildren();
            if (const int built = BuildTaskGraphs(children); built != 1) return built;
            continue;
        }
        if (task->GetType() != kTaskBuildingBlock) continue;
        auto* graph = taskGraphs_.Add(new CTCGTask(project_, true));
        if (const int converted = graph->ConvertTask(task); converted != 1) return converted;
        if (!graph->GetStartNode()) {
            // A block without a start step has no way in.
            progress_.AddLogText(FormatMessageId(44031, task->GetName()));
            taskGraphs_.Delete(graph);
            continue;
        }
        graph->BuildConnections();
        coverage_->AddGraph(*graph);
    }
    return 1;
}

void CTCRandomTesting::CollectStartNodes() {
    for (const CTCGTask* graph : taskGraphs_)
        for (CTaskNode* node : graph->GetStartNode()->successors) {
            blockEntryNodes_.push_back(node);
            if (!IsStartNode(*node)) continue;
            startNodes_.push_back(node);
            Trace(Fmt("Step suitable at the beginning of a Test Case: %s", node->step->GetName()));
        }
}

bool CTCRandomTesting::IsStartNode(const CTaskNode& node) const {
    const CWindowKav* start = project_.GetStartWindow();
    if (!start) return false;
    if (const CWindowKav* window = node.step->GetStartWindow()) {
        const CWindowKav* top = window;
        for (const CWindowKav* w = window; w; w = w->GetParent()) {
            if (!w->IsVisible() || !w->IsEnabled()) return false;
            top = w;
        }
        if (!EqualsNoCase(PathText(top), PathText(start))) return false;
    }
    const CCombination none;
    return PreconditionsHold(*node.step, none) == 1;
}

const std::vector<CTaskNode*>& CTCRandomTesting::Successors(const CTaskNode& node) const {
    // After the end of a block, a walk goes on at the beginning of any block.
    return node.successors.empty() ? blockEntryNodes_ : node.successors;
}

int CTCRandomTesting::GenerateRandTCs(CTCRandomWalk& walk) {
    int idle = 0;
    while (idle < maxIdleIterations_ && static_cast<int>(testCases_.size()) < maxTestCases_ &&
           !coverage_->IsGoalReached()) {
        if (const int interrupted = Interrupted()) return interrupted;
        bool increase = false;
        if (!walk.IsEmpty()) {
            const int added = AddRandomNode(walk, Successors(*walk.LastNode()), increase);
            if (added < 0) return -1;
            if (added == 0) {
                if (FinishWalk(walk) < 0) return -1;
                ++idle;
                continue;
            }
        } else {
            walk.Clear();
            ChooseRecords(walk);
            const int added = AddRandomNode(walk, startNodes_, increase);
            if (added < 0) {
                walk.Clear();
                return -1;
            }
            if (added == 0) {
                SetMessage(41142);
                return -1;
            }
        }
        idle = increase ? 0 : idle + 1;
        if (static_cast<int>(walk.NodeCount()) >= length_ && FinishWalk(walk) < 0) return -1;
    }
    if (coverage_->IsGoalReached() && FinishWalk(walk) < 0) return -1;
    return 1;
}

int CTCRandomTesting::AddRandomNode(CTCRandomWalk& walk, const std::vector<CTaskNode*>& candidates, bool& increase) {
    increase = false;
    if (candidates.empty()) return 0;
    if (candidates.size() >= kMaxCandidates) {
        SetMessage(41143);
        return -1;
    }
    std::vector<std::uint32_t> weights;
    std::uint32_t total = 0;
    for (CTaskNode* candidate : candidates) {
        candidate->tried = false;
        weights.push_back(Weight(*candidate));
        total += weights.back();
    }
    for (std::size_t untried = candidates.size(); untried > 0; --untried) {
        const double threshold = GetRandomUnit() * total;
        std::uint64_t running = 0;
        std::size_t chosen = candidates.size();
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            if (candidates[i]->tried) continue;
            chosen = i;
            running += weights[i];
            if (static_cast<double>(running) >= threshold) break;
        }
        CTaskNode* node = candidates[chosen];
        const int simulated = SimulateStep(walk, node);
        if (simulated < 0) return -1;
        if (simulated == 1) {
            coverage_->AccountCoverage(walk.LastNode(), node, increase, false);
            walk.Append(node);
            return 1;
        }
        node->tried = true;
        total -= weights[chosen];
    }
    if (const CTaskNode* last = walk.LastNode())
        Trace(Fmt("Found no successor node for %s in task %s", last->step->GetName(), last->task->GetName()));
    return 0;
}

void CTCRandomTesting::ChooseRecords(CTCRandomWalk& walk) const {
    walk.Records().clear();
    for (CDataSet* dataSet : project_.GetDataSets()) {
        const auto& records = dataSet->GetRecords();
        if (!records.empty()) walk.Records()[dataSet] = records[RandomIndex(records.size())];
    }
}

int CTCRandomTesting::FinishWalk(CTCRandomWalk& walk) {
    if (walk.IsEmpty()) return 1;
    std::unique_ptr<CTestCase> testCase = ConvertWalkToTestCase(walk);
    if (!testCase) return -1;
    testCases_.Add(testCase.release());
    if (coverage_->GetGoal() & kGoalTestCases) AdvanceProgress(progress_, 1);
    walk.Clear();
    return 1;
}

std::unique_ptr<CTestCase> CTCRandomTesting::ConvertWalkToTestCase(CTCRandomWalk& walk) {
    // The actions are played again from the start, for the Verify steps that follow them.
    CCombination state;
    TaskPath path;
    OwningList<CTaskNode> verifyNodes;
    for (CTaskNode* copy : walk.NodeCopies()) {
        path.push_back(copy);
        CTaskStep& step = *copy->step;
        const CStepKav& source = step.GetTransition() ? static_cast<CStepKav&>(*step.GetTransition()) : step;
        for (const CActionKav* action : source.GetActions()) {
            ActionEffects effects;
            if (SimulateAction(*action, state, true, true, nullptr, effects) != 1) {
                SetGlobalMessage(Fmt("Fatal Error: Cannot simulate action: %s in Step %s in Task %s", action->GetName(),
                                     step.GetName(), copy->task->GetName()));
                return nullptr;
            }
            if (!effects.verifyStep) continue;
            CTaskNode* verify = verifyNodes.Add(new CTaskNode(
                copy->task, std::unique_ptr<CTaskStep>(static_cast<CTaskStep*>(effects.verifyStep.release())), nullptr));
            verify->level = copy->level;
            path.push_back(verify);
        }
    }
    CTCGTask& numbering = *taskGraphs_[0];
    numbering.GetBlockNumbers().Reset();
    auto testCase = std::make_unique<CTestCase>(0, kTestCaseRandom, nullptr, nullptr, task_, 0);
    for (CTaskNode* node : path) {
        std::unique_ptr<CTestStep> testStep = CreateTestStep(numbering, *node);
        if (!testStep) return nullptr;
        testCase->GetSteps().Add(testStep.release());
    }
    return testCase;
}

int CTCRandomTesting::Interrupted() {
    if (progress_.ShouldStop()) {
        stopped_ = true;
        return kGenerationStopped;
    }
    if (timeout_ != 0 && GetClock().TickCount() - startTime_ > timeout_) {
        timedOut_ = true;
        return kRandomTimedOut;
    }
    return 0;
}

void CTCRandomTesting::Trace(const std::string& line) const {
    if (GetGenerationSettings().detailedLog) progress_.AddLogText(line);
}

int CRandomTestGenerator::Generate(const GenerationRequest& request, Progress& progress, int& count) {
    CApplicationKav& project = request.project ? *request.project : *CurrentApplication;
    return CTCRandomTesting(project, progress).Generate({request.task}, request.random, count);
}
