#pragma once
// Boundary values of a normalised condition: per conjunction, each variable in turn at its
// smallest and at its largest value that the conjunction allows.
#include <vector>

#include "combgen/ConditionTree.h"
#include "combgen/Mirvane.h"

// Appends new maps to the list; false with the message. A conjunction without solution adds none.
bool SolveConditionTree(const CConditionTree* tree, QZSolutionList* solutions);

// One conjunction, as one integer linear program (LinearProgram.cpp).
bool SolveLP(const CConditionTree& conjunction, QZSolutionList& solutions);
// The same for a conjunction given by its comparisons.
bool SolveComparisons(std::vector<const CConditionTree*> comparisons, QZSolutionList& solutions);
// False only when the solver finds that the comparisons have no common solution within the borders.
bool MayHaveSolution(std::vector<const CConditionTree*> comparisons);

// The comparisons below the logical nodes, left to right.
std::vector<const CConditionTree*> CollectComparisons(const CConditionTree& tree);

enum class AddResult { Added, Duplicate, Failed };
// The map is kept only when no map of the list equals it.
AddResult AddUniqueSolution(QZSolutionMap&& solution, QZSolutionList& solutions);
