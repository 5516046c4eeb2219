// The passes through which references follow a window that is renamed, replaced or deleted:
// the transitions of every window, the project's tasks, test cases and test scripts.
#include "model/ApplicationKav.h"
#include "model/TaskPass.h"
#include "model/WindowKav.h"
#include "model/windows/TabControlKav.h"

void CApplicationKav::RenameWindowReferences(const std::string& oldName, const std::string& newName) {
    RenameObjectReferences(oldName, newName);
    CTabControlKav* tabControl = nullptr;
    if (CTabPage* page = windows_.FindTabPage(oldName, tabControl)) page->SetPageWindowId(newName);
}

void CApplicationKav::ReplaceWindowInTasks(CWindowKav* newWindow, const CWindowKav* oldWindow) {
    RunTaskPass(
        tasks_,
        [&](CTaskKav& task, bool recursive) { task.ReplaceWindow(newWindow, oldWindow, recursive); },
        [&](CTaskStep& step) { step.ReplaceWindow(newWindow, oldWindow); });
}

void CApplicationKav::UpdateWindowReferencesInTasks(const CWindowKav* window) {
    if (!window) return;
    for (const CTransitionKav* transition : window->GetTransitions())
        RunTaskPass(
            tasks_,
            [&](CTaskKav& task, bool recursive) { task.RefreshStepWindows(transition, recursive); },
            [&](CTaskStep& step) { step.RefreshStepWindows(transition); });
}

void CApplicationKav::ReplaceWindowInTestCases(CWindowKav* newWindow, const CWindowKav* oldWindow) {
    for (CTestCase* testCase : testCases_) testCase->ReplaceWindow(newWindow, oldWindow);
}

void CApplicationKav::ReplaceWindowInTestScripts(CWindowKav* newWindow, const CWindowKav* oldWindow) {
    for (CTestScript* script : testScripts_)
        if (script->GetWindow() == oldWindow) script->SetWindow(newWindow);
}

void CApplicationKav::RemoveReferencesFromTasks(const CWindowKav* window, const CTransitionKav* transition,
                                                const CTaskKav* task, const CRequirement* requirement,
                                                const CDataSet* dataSet) {
    RunTaskPass(
        tasks_,
        [&](CTaskKav& each, bool recursive) {
            return each.RemoveReferences(window, transition, task, requirement, dataSet, recursive);
        },
        [&](CTaskStep& step) { step.RemoveReferences(window, transition, task, dataSet); },
        ChangedTasks::ProjectTasks);
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
    // A test case's step may be a task step or a window transition.
    const bool isTaskStep = transition && transition->GetStepType() == kStepTask;
    const auto* taskStep = isTaskStep ? static_cast<const CTaskStep*>(transition) : nullptr;
    const auto* windowTransition =
        transition && !isTaskStep ? static_cast<const CTransitionKav*>(transition) : nullptr;
    for (CTestCase* testCase : testCases_) testCase->RemoveReferences(window, taskStep, task, windowTransition);
    if (window)
        for (const CWindowKav* child : window->GetChildren()) RemoveReferencesFromTestCases(child, nullptr, nullptr, 0);
    if (task)
        for (const CTaskKav* child : task->GetChildren()) RemoveReferencesFromTestCases(nullptr, nullptr, child, 0);
}

void CApplicationKav::UpdateGuiBuildingBlockCalls(const CWindowKav* window) {
    if (window) UpdateGuiBuildingBlockCalls(WindowsByInternalId{{window->GetInternalID(), window}});
}

void CApplicationKav::UpdateGuiBuildingBlockCalls(const WindowsByInternalId& windows) {
    RunTaskPass(
        tasks_,
        [&](CTaskKav& task, bool recursive) { task.UpdateGuiBuildingBlockSteps(windows, recursive); },
        [&](CTaskStep& step) { step.UpdateGuiBuildingBlockStep(windows); });
}
