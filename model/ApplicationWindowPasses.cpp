// The passes through which references follow a window that is renamed, replaced or deleted:
// the transitions of every window, the project's tasks, test cases and test scripts.
#include <utility>

#include "model/ApplicationKav.h"
#include "model/WindowKav.h"
#include "model/windows/TabControlKav.h"
#include "platform/TextUtil.h"

namespace {

void ReplaceStepWindows(CStepKav* step, CWindowKav* newWindow, const CWindowKav* oldWindow) {
    if (step->GetStartWindow() == oldWindow) step->SetStartWindow(newWindow);
    if (step->GetDestWindow() == oldWindow) step->SetDestWindow(newWindow);
}

}  // namespace

void CApplicationKav::RenameWindowReferences(const std::string& oldName, const std::string& newName) {
    const std::pair<std::string, std::string> replacements[] = {{"#" + oldName + "#", "#" + newName + "#"},
                                                                {"#" + oldName + ":", "#" + newName + ":"}};
    for (const auto& [from, to] : replacements) {
        for (CWindowKav* window : windows_.Snapshot())
            for (CTransitionKav* transition : window->GetTransitions()) ReplaceTextInStep(transition, from, to);
        for (CTaskKav* task : tasks_)
            for (CTaskStep* step : task->GetSteps()) ReplaceTextInStep(step, from, to);
        for (CConditionKav* condition : metaConditions_) {
            std::string result;
            if (ReplaceNoCase(condition->GetText(), result, from, to)) condition->SetText(result);
        }
    }
    CTabControlKav* tabControl = nullptr;
    if (CTabPage* page = windows_.FindTabPage(oldName, tabControl)) page->SetPageWindowId(newName);
}

void CApplicationKav::ReplaceWindowInTasks(CWindowKav* newWindow, const CWindowKav* oldWindow) {
    for (CTaskKav* task : tasks_) task->ReplaceWindow(newWindow, oldWindow, false);
}

void CApplicationKav::ReplaceWindowInTestCases(CWindowKav* newWindow, const CWindowKav* oldWindow) {
    for (CTestCase* testCase : testCases_) {
        if (testCase->GetWindow() == oldWindow) testCase->SetWindow(newWindow);
        for (CTestStep* step : testCase->GetSteps()) ReplaceStepWindows(step, newWindow, oldWindow);
    }
}

void CApplicationKav::ReplaceWindowInTestScripts(CWindowKav* newWindow, const CWindowKav* oldWindow) {
    for (CTestScript* script : testScripts_)
        if (script->GetWindow() == oldWindow) script->SetWindow(newWindow);
}

void CApplicationKav::RemoveReferencesFromTasks(const CWindowKav* window, const CTransitionKav* transition,
                                                const CTaskKav* task, const CRequirement* requirement,
                                                const CDataSet* dataSet) {
    for (CTaskKav* each : tasks_) each->RemoveReferences(window, transition, task, requirement, dataSet, false);
    if (window)
        for (const CWindowKav* child : window->GetChildren())
            RemoveReferencesFromTasks(child, nullptr, nullptr, nullptr, nullptr);
    if (task)
        for (const CTaskKav* child : task->GetChildren())
            RemoveReferencesFromTasks(nullptr, nullptr, child, nullptr, nullptr);
    if (requirement)
        for (const CRequirement* child : requirement->GetChildren())
            RemoveReferencesFromTasks(nullptr, nullptr, nullptr, child, nullptr);
}

void CApplicationKav::RemoveReferencesFromTestCases(const CWindowKav* window, const CStepKav* transition,
                                                    const CTaskKav* task, int /*flag*/) {
    for (CTestCase* testCase : testCases_.Snapshot()) {
        const bool belongs = (window && testCase->GetWindow() == window) ||
                             (transition && testCase->GetTransitionStep() == transition) ||
                             (task && testCase->GetTask() == task);
        if (belongs) DeleteTestCase(testCase);
    }
    for (CTestCase* testCase : testCases_) {
        for (CTestStep* step : testCase->GetSteps()) {
            if (window) {
                if (step->GetStartWindow() == window) step->SetStartWindow(nullptr);
                if (step->GetDestWindow() == window) step->SetDestWindow(nullptr);
            } else if (transition && step->GetTransition() == transition) {
                step->SetTransition(nullptr);
            } else if (task && step->GetTask() == task) {
                step->SetTask(nullptr);
            }
        }
    }
    if (window)
        for (const CWindowKav* child : window->GetChildren()) RemoveReferencesFromTestCases(child, nullptr, nullptr, 0);
    if (task)
        for (const CTaskKav* child : task->GetChildren()) RemoveReferencesFromTestCases(nullptr, nullptr, child, 0);
}

void CApplicationKav::UpdateGuiBuildingBlockCalls(const CWindowKav* window) {
    for (CTaskKav* task : tasks_) task->UpdateGuiBuildingBlockSteps(window, false);
}
