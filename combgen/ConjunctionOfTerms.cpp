#include "combgen/ConjunctionOfTerms.h"

#include <memory>
#include <vector>

#include "combgen/BoundaryValues.h"
#include "combgen/ConditionParser.h"
#include "combgen/Normalizer.h"

namespace {

using Node = std::unique_ptr<CConditionTree>;
using Comparisons = std::vector<const CConditionTree*>;

// The operands of the top-level AND chain, looking through brackets and through NOT, under which
// an OR is such a chain as well: NOT (A OR B) gives the terms NOT A and NOT B.
void SplitIntoTerms(Node node, bool negated, std::vector<Node>& terms) {
    if (node->kind == kBracket || node->kind == kNot) {
        SplitIntoTerms(std::move(node->left), negated != (node->kind == kNot), terms);
    } else if (node->kind == (negated ? kOr : kAnd)) {
        SplitIntoTerms(std::move(node->left), negated, terms);
        SplitIntoTerms(std::move(node->right), negated, terms);
    } else {
        terms.push_back(negated ? MakeNode(kNot, std::move(node)) : std::move(node));
    }
}

// The comparisons of each conjunction of a normalised term.
void CollectDisjuncts(const CConditionTree& term, std::vector<Comparisons>& disjuncts) {
    if (term.kind == kOr) {
        CollectDisjuncts(*term.left, disjuncts);
        CollectDisjuncts(*term.right, disjuncts);
    } else {
        disjuncts.push_back(CollectComparisons(term));
    }
}

bool NamesVariableOf(const CConditionTree& comparison, const CConditionTree& other) {
    const auto& names = other.linearForm.coefficients;
    for (const auto& term : comparison.linearForm.coefficients) {
        if (names.count(term.first)) return true;
    }
    return false;
}

// Whether a row from `added` on shares a variable with another row. Rows that share none can leave
// a conjunction without solution only each on its own (a bound beyond a border), which the final
// solve finds as well: checking them would cost a model for nothing.
bool AddedRowsInteract(const Comparisons& conjunction, std::size_t added) {
    for (std::size_t i = added; i < conjunction.size(); ++i) {
        for (std::size_t j = 0; j < conjunction.size(); ++j) {
            if (j != i && NamesVariableOf(*conjunction[i], *conjunction[j])) return true;
        }
    }
    return false;
}

// Depth first, the first term changing slowest: a conjunction keeps the order of the text.
class TermProduct {
public:
    TermProduct(const std::vector<std::vector<Comparisons>>& terms, QZSolutionList& solutions)
        : terms_(terms), solutions_(solutions) {}

    // The rows from `added` on came since the last branch.
    bool Solve(std::size_t term, Comparisons& conjunction, std::size_t added) {
        if (term == terms_.size()) return SolveComparisons(conjunction, solutions_);
        const std::vector<Comparisons>& disjuncts = terms_[term];
        // Checked where it would branch: there a conjunction without solution saves the most.
        if (disjuncts.size() > 1) {
            if (AddedRowsInteract(conjunction, added) && !MayHaveSolution(conjunction)) return true;
            added = conjunction.size();
        }
        for (const Comparisons& disjunct : disjuncts) {
            const std::size_t size = conjunction.size();
            conjunction.insert(conjunction.end(), disjunct.begin(), disjunct.end());
            if (!Solve(term + 1, conjunction, added)) return false;
            conjunction.resize(size);
        }
        return true;
    }

private:
    const std::vector<std::vector<Comparisons>>& terms_;
    QZSolutionList& solutions_;
};

}  // namespace

bool SolveConjunctionOfTerms(std::string_view condition, QZSolutionList& solutions) {
    Node tree = ParseCondition(condition);
    if (!tree) return false;
    std::vector<Node> terms;
    SplitIntoTerms(std::move(tree), false, terms);
    std::vector<std::vector<Comparisons>> disjuncts(terms.size());
    for (std::size_t i = 0; i < terms.size(); ++i) {
        if (!NormalizeCondition(terms[i])) return false;
        CollectDisjuncts(*terms[i], disjuncts[i]);
    }
    Comparisons conjunction;
    return TermProduct(disjuncts, solutions).Solve(0, conjunction, 0);
}
