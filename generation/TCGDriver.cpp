#include "generation/TCGDriver.h"

#include "generation/GuiSimulation.h"
#include "generation/MethodCodes.h"
#include "generation/SimulationSupport.h"
#include "generation/TCGNode.h"
#include "generation/TCGState.h"
#include "generation/TCGTask.h"
#include "generation/TaskCoverage.h"
#include "model/ApplicationKav.h"
#include "model/DataSet.h"
#include "model/ShellServices.h"
#include "model/TaskKav.h"
#include "model/TransitionKav.h"
#include "model/WindowKav.h"
#include "platform/Format.h"
#include "platform/MessageBuffer.h"
#include "platform/Progress.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr char kGenerateUndoName[] = "Generate Test Cases";

constexpr int kTransitionFailed = 44487;
constexpr int kSingleTransitionFailed = 44486;
constexpr int kWindowAnnouncement = 42028;
constexpr int kTransitionAnnouncement = 42030;

// Every data set restarts its record choice at its first record.
void RestartRecords(CApplicationKav& project) {
    for (CDataSet* dataSet : project.GetDataSets())
        dataSet->SetCurrentRecord(dataSet->GetRecords().empty() ? nullptr : dataSet->GetRecords()[0]);
}

std::string DestinationPath(const CTransitionKav& transition) { return PathText(transition.GetDestWindow()); }

}  // namespace

CTCGDriver::CTCGDriver(CApplicationKav& project, Progress& progress) : project_(project), progress_(progress) {}

CTCGDriver::~CTCGDriver() = default;

void CTCGDriver::HandOver(int kind, const CWindowKav* window, const CTransitionKav* transition, const CTaskKav* task) {
    project_.ReplaceTestCases(newTestCases_, kind, window, transition, task);
    // An undo step of its own, so that undoing the next change keeps the test cases.
    RecordUndoStep(kGenerateUndoName);
}

// ---- Task-based methods

int CTCGDriver::GenerateTaskTestCases(CTaskKav* task, int method, int& count) {
    count = 0;
    if (!project_.CheckSubtaskRecursion()) return kGenerationFatal;
    CTaskKav* start = task ? task : project_.GetRootTask();
    if (!start) return kGenerationSuccess;
    progress_.AddLogText(task ? Fmt("Generating test cases for task '%s' and children", task->GetName())
                              : std::string("Generating task test cases for whole project"));
    progress_.SetTotal(start->CountTasks());

    taskGraph_ = std::make_unique<CTCGTask>(project_);
    const int result = GenerateForTask(start, method, count);
    taskGraph_.reset();
    if (result == kGenerationFatal) {
        newTestCases_.DeleteAll();
        return result;
    }
    const bool dataCoverage = method & (kMethodValidRecords | kMethodInvalidRecords);
    HandOver(dataCoverage ? kTestCaseDataCoverage : kTestCaseGraphCoverage, nullptr, nullptr, task);
    return result;
}

int CTCGDriver::GenerateForTask(CTaskKav* task, int method, int& count) {
    for (CTaskKav* child : task->GetChildren())
        if (const int result = GenerateForTask(child, method, count); result != kGenerationSuccess) return result;
    if (task->GetType() != kTaskPlain) return kGenerationSuccess;

    RestartRecords(project_);
    OwningList<CTestCase> made;
    const int result = CTaskCoverage(*taskGraph_, progress_).GenerateTestCases(*task, method, made);
    if (result == kGenerationFailed) {
        progress_.StepFailed();
        progress_.AddLogText(GetGlobalMessageBuffer());
        return kGenerationSuccess;
    }
    if (result == kGenerationSuccess) progress_.StepCompleted();
    count += static_cast<int>(made.size());
    while (!made.empty()) newTestCases_.Add(made.ReleaseAt(0));
    return result;
}

// ---- Transition tests

int CTCGDriver::GenerateTransitionTests(CWindowKav* window, CTransitionKav* transition, int& count) {
    count = 0;
    if (!window) {
        progress_.AddLogText("Generating transition test cases for whole project");
        progress_.SetTotal(project_.GetWindowList().CountAllTransitions());
        // Children are reached through their parents.
        for (CWindowKav* top : project_.GetWindowList().Snapshot()) {
            if (top->GetParent()) continue;
            const int result = GenerateForWindow(top, count);
            if (result == kGenerationFatal) {
                newTestCases_.DeleteAll();
                return result;
            }
            if (result == kGenerationStopped) {
                HandOver(kTestCaseTransition, nullptr, nullptr, nullptr);
                return result;
            }
        }
        HandOver(kTestCaseTransition, nullptr, nullptr, nullptr);
        return kGenerationSuccess;
    }
    if (transition) {
        progress_.SetTotal(1);
        CCombination combination;
        const int result = GenerateTC(window, transition, combination);
        if (result == kGenerationFatal) {
            newTestCases_.DeleteAll();
            return result;
        }
        if (result == kGenerationFailed) {
            progress_.StepFailed();
            progress_.AddLogText(FormatMessageId(kSingleTransitionFailed, DestinationPath(*transition)));
            return kGenerationSuccess;
        }
        if (result == kGenerationSuccess) {
            progress_.StepCompleted();
            transition->SetMark(1);
            ++count;
        }
        HandOver(kTestCaseTransition, window, transition, nullptr);
        return result;
    }
    progress_.AddLogText(FormatMessageId(kWindowAnnouncement, PathText(window)));
    progress_.SetTotal(window->CountTransitions());
    const int result = GenerateForWindow(window, count);
    if (result == kGenerationFatal) {
        newTestCases_.DeleteAll();
        return result;
    }
    HandOver(kTestCaseTransition, window, nullptr, nullptr);
    return result;
}

int CTCGDriver::GenerateForWindow(CWindowKav* window, int& count) {
    CCombination combination;
    for (CTransitionKav* transition : window->GetTransitions().Snapshot()) {
        const int result = GenerateTC(window, transition, combination);
        combination.RemoveAll();
        if (result == kGenerationFatal || result == kGenerationStopped) return result;
        if (result == kGenerationFailed) {
            progress_.StepFailed();
            progress_.AddLogText(FormatMessageId(kTransitionFailed, PathText(window), DestinationPath(*transition)));
            continue;
        }
        progress_.StepCompleted();
        transition->SetMark(1);
        ++count;
    }
    for (CWindowKav* child : window->GetChildren())
        if (const int result = GenerateForWindow(child, count); result != kGenerationSuccess) return result;
    return kGenerationSuccess;
}

int CTCGDriver::GenerateTC(CWindowKav* window, CTransitionKav* transition, CCombination& combination) {
    if (!transition) {
        SetMessage(41111);
        return kGenerationFatal;
    }
    progress_.AddLogText(FormatMessageId(kTransitionAnnouncement, transition->GetName(), DestinationPath(*transition)));
    CWindowKav* start = project_.GetStartWindow();
    if (!start) {
        SetMessage(44492);
        return kGenerationFatal;
    }
    if (start->GetParent()) {
        SetMessage(44495);
        return kGenerationFatal;
    }
    if (!start->IsVisible() || !start->IsEnabled()) {
        SetMessage(44496);
        return kGenerationFatal;
    }
    if (!AssignDesignator(PathText(start) + ":$Exist", "TRUE", combination) ||
        !AssignDesignator("ActiveWnd", PathText(start), combination))
        return kGenerationFatal;

    OwningList<CTestStep> path;
    OwningList<CTCGParameters> parameters;
    CTCGNode toTransition(&progress_);
    bool retry = false;
    bool deadlockLogged = false;
    for (;;) {
        const int found = toTransition.SearchPathToTrans(window, transition, "", kStateByAction, path, "", combination,
                                                         retry, 0, parameters);
        if (parameters.empty()) {
            SetMessage(41051);
            return kGenerationFatal;
        }
        parameters.Delete(parameters.front());
        if (found != kSearchFound) return found;
        const int ends = CTCGNode(&progress_).SearchPathToEnd(combination, path);
        if (ends == kSearchFound) break;
        if (ends != kSearchNotFound) return ends;
        if (!deadlockLogged) progress_.AddLogText(LoadMessage(44497));
        deadlockLogged = true;
        retry = true;
    }

    CCombination simulated;
    combination.CopyTo(simulated);
    bool closed = false;
    if (const int valid = SimulatePath(path, simulated, closed, false, true); valid != 1) return valid;
    auto* testCase = new CTestCase(1, kTestCaseTransition, window, transition, nullptr, transition->GetErrorCase());
    while (!path.empty()) testCase->GetSteps().Add(path.ReleaseAt(0));
    newTestCases_.Add(testCase);
    return kGenerationSuccess;
}

int CTCGDriverGenerator::Generate(const GenerationRequest& request, Progress& progress, int& count) {
    CApplicationKav& project = request.project ? *request.project : *CurrentApplication;
    CTCGDriver driver(project, progress);
    if (request.methodCode & kMethodTransitionTest)
        return driver.GenerateTransitionTests(request.window, request.transition, count);
    return driver.GenerateTaskTestCases(request.task, request.methodCode, count);
}
