// The application root's test cases and test scripts: collecting, replacing and deleting them.
#include <algorithm>

#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/WindowKav.h"

void CApplicationKav::DeleteTestCase(CTestCase* testCase) {
    testCases_.Release(testCase);
    NotifyTestCaseDeleting(testCase);
    delete testCase;
}

void CApplicationKav::DeleteTestCases(const CWindowKav* window, const CStepKav* transition, const CTaskKav* task,
                                      int kind) {
    auto deleteWhere = [this](auto belongs) {
        for (CTestCase* testCase : testCases_.Snapshot())
            if (belongs(testCase)) DeleteTestCase(testCase);
    };
    const bool anyKind = kind == kTestCaseAnyKind;
    // Every branch honours the kind: replacing one kind of generated test cases under a task
    // must not delete the task's other test cases (manual ones among them).
    auto ofKind = [&](const CTestCase* tc) { return anyKind || tc->GetType() == kind; };
    if (task) {
        deleteWhere([&](const CTestCase* tc) { return tc->GetTask() == task && ofKind(tc); });
        for (const CTaskKav* child : task->GetChildren()) DeleteTestCases(nullptr, nullptr, child, kind);
    } else if (transition) {
        deleteWhere([&](const CTestCase* tc) { return tc->GetTransitionStep() == transition && ofKind(tc); });
    } else if (window) {
        deleteWhere([&](const CTestCase* tc) { return tc->GetWindow() == window && ofKind(tc); });
        for (const CWindowKav* child : window->GetChildren()) DeleteTestCases(child, nullptr, nullptr, kind);
    } else {
        deleteWhere(ofKind);
    }
}

bool CApplicationKav::ReplaceTestCases(OwningList<CTestCase>& newTestCases, int kind, const CWindowKav* window,
                                       const CStepKav* transition, const CTaskKav* task) {
    DeleteTestCases(window, transition, task, kind);
    for (CTestCase* testCase : newTestCases) {
        // A display name without the number (a transition's name) cannot be made unique by
        // counting: raise the number only while that changes the name.
        for (std::string name = testCase->GetDisplayName(); FindTestCase(name, false);) {
            const int number = testCase->GetNumber();
            testCase->SetNumber(number + 1);
            std::string raised = testCase->GetDisplayName();
            if (raised == name) {
                testCase->SetNumber(number);
                break;
            }
            name = raised;
        }
        testCase->SetFile(GetMainFile());
        testCases_.Add(testCase);
    }
    newTestCases.Pointers().clear();
    return true;
}

bool CApplicationKav::AddTestScript(CTestScript* script) {
    for (CTestScript* existing : testScripts_.Snapshot()) {
        bool matches = script->GetWindow() ? existing->GetWindow() == script->GetWindow()
                                           : script->GetTask() && existing->GetTask() == script->GetTask();
        if (matches) testScripts_.Delete(existing);
    }
    script->SetFile(GetMainFile());
    testScripts_.Add(script);
    return true;
}

void CApplicationKav::DeleteTestScripts(const CWindowKav* window, const CTaskKav* task) {
    for (CTestScript* script : testScripts_.Snapshot())
        if ((window && script->GetWindow() == window) || (task && script->GetTask() == task))
            testScripts_.Delete(script);
    if (window)
        for (const CWindowKav* child : window->GetChildren()) DeleteTestScripts(child, nullptr);
    if (task)
        for (const CTaskKav* child : task->GetChildren()) DeleteTestScripts(nullptr, child);
}

int CApplicationKav::CollectTestCases(const CWindowKav* window, const CStepKav* transition, const CTaskKav* task,
                                      bool allLevels, bool sort, std::vector<CTestCase*>& list) const {
    for (CTestCase* testCase : testCases_) {
        bool take;
        if (transition) take = testCase->GetTransitionStep() == transition;
        else if (!window && !task) take = true;
        else if (window) take = testCase->GetWindow() == window;
        else take = testCase->GetTask() == task;
        if (take) list.push_back(testCase);
    }
    // A transition names its test cases exactly: descending would take them once per child.
    if (!transition && window) {
        for (const CWindowKav* child : window->GetChildren())
            if (allLevels || !child->HasCaption()) CollectTestCases(child, nullptr, nullptr, allLevels, false, list);
    } else if (!transition && task && allLevels) {
        for (const CTaskKav* child : task->GetChildren())
            if (!(settings_.oldTaskMode && child->GetType() == kTaskPlain))
                CollectTestCases(nullptr, nullptr, child, allLevels, false, list);
    }
    // Stable, as the neighbour exchange it stands for.
    if (sort && list.size() >= 2)
        std::stable_sort(list.begin(), list.end(), [](const CTestCase* a, const CTestCase* b) {
            return a->GetDisplayName() < b->GetDisplayName();
        });
    return static_cast<int>(list.size());
}
