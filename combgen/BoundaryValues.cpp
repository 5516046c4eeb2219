#include "combgen/BoundaryValues.h"

#include "combgen/Configuration.h"

namespace {

void CollectInto(const CConditionTree* node, std::vector<const CConditionTree*>& comparisons) {
    if (!node) return;
    if (IsComparison(node->kind)) {
        comparisons.push_back(node);
    } else if (IsLogical(node->kind) || node->kind == kNot || node->kind == kBracket) {
        CollectInto(node->left.get(), comparisons);
        CollectInto(node->right.get(), comparisons);
    }
}

enum class Comparison { Differs, Equal, Incomparable };

// An empty map in the list counts as equal to every map; a map of the list naming a variable
// that the new one lacks cannot be compared.
Comparison CompareByName(const QZSolutionMap& existing, const QZSolutionMap& solution) {
    for (const auto& [name, value] : existing) {
        auto found = solution.find(name);
        if (found == solution.end()) {
            Fail("Variable %s missing in map!", name);
            return Comparison::Incomparable;
        }
        if (found->second != value) return Comparison::Differs;
    }
    return Comparison::Equal;
}

// Maps of one configuration hold the same names in the same order: walk them side by side and
// look names up only where they part.
Comparison CompareWith(const QZSolutionMap& existing, const QZSolutionMap& solution) {
    auto other = solution.begin();
    for (const auto& [name, value] : existing) {
        if (other == solution.end() || other->first != name) return CompareByName(existing, solution);
        if (other->second != value) return Comparison::Differs;
        ++other;
    }
    return Comparison::Equal;
}

}  // namespace

std::vector<const CConditionTree*> CollectComparisons(const CConditionTree& tree) {
    std::vector<const CConditionTree*> comparisons;
    CollectInto(&tree, comparisons);
    return comparisons;
}

AddResult AddUniqueSolution(QZSolutionMap&& solution, QZSolutionList& solutions) {
    for (const QZSolutionMap& existing : solutions) {
        const Comparison comparison = CompareWith(existing, solution);
        if (comparison == Comparison::Equal) return AddResult::Duplicate;
        if (comparison == Comparison::Incomparable) return AddResult::Failed;
    }
    solutions.push_back(std::move(solution));
    return AddResult::Added;
}

bool SolveConditionTree(const CConditionTree* tree, QZSolutionList* solutions) {
    if (!tree) return Fail("No constraints defined!");
    if (!solutions) return Fail("Parameter 'mapList' must be a valid pointer to 'CMapStringToPtr'!");
    switch (tree->kind) {
        case kOr: {
            QZSolutionList left, right;
            if (!SolveConditionTree(tree->left.get(), &left) || !SolveConditionTree(tree->right.get(), &right)) {
                return false;
            }
            for (QZSolutionList* part : {&left, &right}) {
                for (QZSolutionMap& solution : *part) {
                    if (AddUniqueSolution(std::move(solution), *solutions) == AddResult::Failed) return false;
                }
            }
            return true;
        }
        case kAnd:
        case kEqual:
        case kLessEqual:
            return SolveLP(*tree, *solutions);
        default:
            return Fail("Condition structure corrupted!");
    }
}
