#pragma once
// The sorted lists of the documentation: objects sorted by their name or identifier without
// regard to case; objects with equal keys keep their order. The lists own nothing.
#include <vector>

class CApplicationKav;
class CAttributeKav;
class CConditionKav;
class CDataSet;
class CRequirement;
class CTaskKav;
class CTaskStep;
class CTestCase;
class CTransitionKav;
class CWindowKav;

// A window with a page of its own: one without parent, or a child with both caption bits.
bool IsDocumentedWindow(const CWindowKav& window);
// A task with a page of its own: it has more steps than its start step.
bool HasTaskPage(const CTaskKav& task);

std::vector<CAttributeKav*> SortGlobalAttributes(CApplicationKav& project);
std::vector<CRequirement*> SortRequirements(CApplicationKav& project);
std::vector<CDataSet*> SortDataSets(CApplicationKav& project);
std::vector<CConditionKav*> SortMetaConditions(CApplicationKav& project);
// The documented windows of the window table, taken in the table's walk order.
std::vector<CWindowKav*> CollectDocumentedWindows(CApplicationKav& project);
std::vector<CWindowKav*> SortChildWindows(const CWindowKav& window);
std::vector<CTaskKav*> SortSubTasks(const CTaskKav& task);
// The window and what a page of it shows below it: every descendant but a child with both
// caption bits and what lies below that child (it has its own page).
std::vector<CWindowKav*> CollectWindowControls(CWindowKav& window);
std::vector<CTransitionKav*> SortTransitions(const CWindowKav& window);
// Every step but the start step.
std::vector<CTaskStep*> SortTaskSteps(const CTaskKav& task);
// The test cases of that kind, by display name.
std::vector<CTestCase*> SortTestCasesOfKind(CApplicationKav& project, int kind);
