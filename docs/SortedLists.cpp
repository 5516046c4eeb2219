#include "docs/SortedLists.h"

#include <algorithm>

#include "model/ApplicationKav.h"
#include "model/WindowKav.h"
#include "platform/TextUtil.h"

namespace {

// Inserting each object in front of the first one whose key is greater leaves objects of equal
// keys in their source order: a stable sort.
template <class T, class Source, class Key>
std::vector<T*> SortedBy(const Source& source, Key key) {
    std::vector<T*> list(source.begin(), source.end());
    std::stable_sort(list.begin(), list.end(), [&](const T* a, const T* b) { return CompareNoCase(key(*a), key(*b)) < 0; });
    return list;
}

const auto kByName = [](const auto& object) { return object.GetName(); };

}  // namespace

bool IsDocumentedWindow(const CWindowKav& window) { return !window.GetParent() || window.HasCaption(); }

bool HasTaskPage(const CTaskKav& task) { return task.GetSteps().size() > 1; }

std::vector<CAttributeKav*> SortGlobalAttributes(CApplicationKav& project) {
    return SortedBy<CAttributeKav>(project.GetAttributes(), kByName);
}

std::vector<CRequirement*> SortRequirements(CApplicationKav& project) {
    return SortedBy<CRequirement>(project.GetRequirements(),
                                  [](const CRequirement& requirement) { return requirement.GetID(); });
}

std::vector<CDataSet*> SortDataSets(CApplicationKav& project) {
    return SortedBy<CDataSet>(project.GetDataSets(), kByName);
}

std::vector<CConditionKav*> SortMetaConditions(CApplicationKav& project) {
    return SortedBy<CConditionKav>(project.GetMetaConditions(),
                                   [](const CConditionKav& condition) { return condition.GetId(); });
}

std::vector<CWindowKav*> CollectDocumentedWindows(CApplicationKav& project) {
    std::vector<CWindowKav*> documented;
    for (CWindowKav* window : project.GetWindowList().Snapshot())
        if (IsDocumentedWindow(*window)) documented.push_back(window);
    return SortedBy<CWindowKav>(documented, kByName);
}

std::vector<CWindowKav*> SortChildWindows(const CWindowKav& window) {
    return SortedBy<CWindowKav>(window.GetChildren(), kByName);
}

std::vector<CTaskKav*> SortSubTasks(const CTaskKav& task) { return SortedBy<CTaskKav>(task.GetChildren(), kByName); }

namespace {

void AddWindowAndControls(CWindowKav& window, std::vector<CWindowKav*>& list) {
    list.push_back(&window);
    for (CWindowKav* child : window.GetChildren())
        if (!child->HasCaption()) AddWindowAndControls(*child, list);
}

}  // namespace

std::vector<CWindowKav*> CollectWindowControls(CWindowKav& window) {
    std::vector<CWindowKav*> list;
    AddWindowAndControls(window, list);
    return SortedBy<CWindowKav>(list, kByName);
}

std::vector<CTransitionKav*> SortTransitions(const CWindowKav& window) {
    return SortedBy<CTransitionKav>(window.GetTransitions(), kByName);
}

std::vector<CTaskStep*> SortTaskSteps(const CTaskKav& task) {
    std::vector<CTaskStep*> steps;
    for (CTaskStep* step : task.GetSteps())
        if (step != task.GetStartStep()) steps.push_back(step);
    return SortedBy<CTaskStep>(steps, kByName);
}

std::vector<CTestCase*> SortTestCasesOfKind(CApplicationKav& project, int kind) {
    std::vector<CTestCase*> ofKind;
    for (CTestCase* testCase : project.GetTestCases())
        if (testCase->GetType() == kind) ofKind.push_back(testCase);
    return SortedBy<CTestCase>(ofKind, [](const CTestCase& testCase) { return testCase.GetDisplayName(); });
}
