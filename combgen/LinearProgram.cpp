// The only file that sees lp_solve: its header defines TRUE, FALSE, LE, GE and EQ as macros.
#include <cmath>
#include <memory>
#include <vector>

#include "combgen/BoundaryValues.h"
#include "combgen/Configuration.h"

#include <lpsolve/lp_lib.h>

namespace {

constexpr const char* kSolverFailed = "Call to linear program solver failed!";
constexpr int kSolverVerbosity = 3;

struct ModelDeleter {
    void operator()(lprec* model) const { delete_lp(model); }
};
using Model = std::unique_ptr<lprec, ModelDeleter>;

// Only equations and less-or-equal comparisons become rows.
void KeepRows(std::vector<const CConditionTree*>& comparisons) {
    std::erase_if(comparisons, [](const CConditionTree* c) { return c->kind != kEqual && c->kind != kLessEqual; });
}

// Columns in the order of the variables, integer, bounded by the borders; one row per comparison.
Model BuildModel(const std::vector<std::unique_ptr<CVariable>>& variables,
                 const std::vector<const CConditionTree*>& comparisons) {
    const int count = static_cast<int>(variables.size());
    Model model(make_lp(0, count));
    if (!model) return nullptr;
    set_verbose(model.get(), kSolverVerbosity);
    set_add_rowmode(model.get(), TRUE);
    std::vector<int> columns(count);
    std::vector<REAL> row(count);
    for (int j = 0; j < count; ++j) {
        columns[j] = j + 1;
        // Without explicit bounds lp_solve keeps every column at 0 or above.
        if (!set_int(model.get(), j + 1, TRUE) ||
            !set_bounds(model.get(), j + 1, variables[j]->lowerBorder, variables[j]->upperBorder)) {
            return nullptr;
        }
    }
    for (const CConditionTree* comparison : comparisons) {
        const auto& coefficients = comparison->linearForm.coefficients;
        for (int j = 0; j < count; ++j) {
            auto found = coefficients.find(variables[j]->name);
            row[j] = found == coefficients.end() ? 0 : found->second;
        }
        if (!add_constraintex(model.get(), count, row.data(), columns.data(), comparison->kind == kEqual ? EQ : LE,
                              comparison->linearForm.constant)) {
            return nullptr;
        }
    }
    set_add_rowmode(model.get(), FALSE);
    return model;
}

// With large coefficients lp_solve can report an optimum whose integer columns are not integral;
// a rounded value that breaks a row must not pass for a boundary value.
bool Satisfies(const QZSolutionMap& solution, const std::vector<const CConditionTree*>& comparisons) {
    for (const CConditionTree* comparison : comparisons) {
        long long sum = 0;
        for (const auto& [name, coefficient] : comparison->linearForm.coefficients) {
            sum += static_cast<long long>(coefficient) * solution.at(name);
        }
        const long long constant = comparison->linearForm.constant;
        if (comparison->kind == kEqual ? sum != constant : sum > constant) return false;
    }
    return true;
}

}  // namespace

bool SolveLP(const CConditionTree& conjunction, QZSolutionList& solutions) {
    return SolveComparisons(CollectComparisons(conjunction), solutions);
}

bool SolveComparisons(std::vector<const CConditionTree*> comparisons, QZSolutionList& solutions) {
    const auto& variables = GetConfiguration().variables;
    const int count = static_cast<int>(variables.size());
    if (count == 0) return Fail("No variables defined when calling SolveLP!");
    KeepRows(comparisons);
    Model model = BuildModel(variables, comparisons);
    if (!model) return Fail(kSolverFailed);

    std::vector<int> columns(count);
    for (int j = 0; j < count; ++j) columns[j] = j + 1;
    std::vector<REAL> objective(count), values(count);
    // Each variable in turn is minimised (maximising its negation), then maximised.
    for (int step = 0; step < 2 * count; ++step) {
        std::fill(objective.begin(), objective.end(), 0.0);
        objective[step / 2] = step % 2 == 0 ? -1 : 1;
        if (!set_obj_fnex(model.get(), count, objective.data(), columns.data())) return Fail(kSolverFailed);
        set_maxim(model.get());
        const int result = solve(model.get());
        if (result == INFEASIBLE) return true;  // the rows are the same for every objective
        if (result != OPTIMAL && result != SUBOPTIMAL) return Fail(kSolverFailed);
        if (!get_variables(model.get(), values.data())) return Fail(kSolverFailed);
        QZSolutionMap solution;
        for (int j = 0; j < count; ++j) solution[variables[j]->name] = static_cast<int>(std::lround(values[j]));
        if (!Satisfies(solution, comparisons)) return Fail(kSolverFailed);
        if (AddUniqueSolution(std::move(solution), solutions) == AddResult::Failed) return false;
    }
    return true;
}

bool MayHaveSolution(std::vector<const CConditionTree*> comparisons) {
    const auto& variables = GetConfiguration().variables;
    if (variables.empty()) return true;
    KeepRows(comparisons);
    Model model = BuildModel(variables, comparisons);
    return !model || solve(model.get()) != INFEASIBLE;
}
