// Cross-checks the boundary values against every integer point of small random systems.
#include "MirvaneFixture.h"

#include <random>
#include <set>

#include "combgen/BoundaryValues.h"
#include "combgen/ConjunctionOfTerms.h"

namespace {

enum class Op { Equal, Less, Greater, LessEqual, GreaterEqual, NotEqual };

struct Constraint {
    std::vector<int> coefficients;  // one per variable
    Op op;
    int constant;
};
using Conjunction = std::vector<Constraint>;
using Point = std::vector<int>;

struct Limits {
    int variables, constraints, coefficient, constant, lowest, width;
};

const char* OpText(Op op, bool mirrored) {
    switch (op) {
        case Op::Equal: return "=";
        case Op::Less: return mirrored ? ">" : "<";
        case Op::Greater: return mirrored ? "<" : ">";
        case Op::LessEqual: return mirrored ? ">=" : "<=";
        case Op::GreaterEqual: return mirrored ? "<=" : ">=";
        case Op::NotEqual: return "!=";
    }
    return "";
}

bool Holds(const Constraint& c, const Point& point) {
    long sum = 0;
    for (std::size_t j = 0; j < point.size(); ++j) sum += long{c.coefficients[j]} * point[j];
    switch (c.op) {
        case Op::Equal: return sum == c.constant;
        case Op::Less: return sum < c.constant;
        case Op::Greater: return sum > c.constant;
        case Op::LessEqual: return sum <= c.constant;
        case Op::GreaterEqual: return sum >= c.constant;
        case Op::NotEqual: return sum != c.constant;
    }
    return false;
}

bool Holds(const Conjunction& conjunction, const Point& point) {
    for (const Constraint& c : conjunction) {
        if (!Holds(c, point)) return false;
    }
    return true;
}

std::string VariableName(std::size_t j) { return "v" + std::to_string(j); }

// A term of a conjunction of terms: a disjunction of conjunctions, maybe negated.
struct Term {
    std::vector<Conjunction> disjunction;
    bool negated;
};

std::vector<Conjunction> Product(const std::vector<Conjunction>& left, const std::vector<Conjunction>& right) {
    std::vector<Conjunction> product;
    for (const Conjunction& a : left) {
        for (const Conjunction& b : right) {
            product.push_back(a);
            product.back().insert(product.back().end(), b.begin(), b.end());
        }
    }
    return product;
}

// The comparisons that may stand for the constraint, or for its negation, in a normal form
// without != (which becomes < or >).
std::vector<Conjunction> Alternatives(const Constraint& c, bool negated) {
    std::vector<Op> ops = {c.op};
    if (negated) {
        switch (c.op) {
            case Op::NotEqual: ops = {Op::Equal}; break;
            case Op::Less: ops = {Op::GreaterEqual}; break;
            case Op::Greater: ops = {Op::LessEqual}; break;
            case Op::LessEqual: ops = {Op::Greater}; break;
            case Op::GreaterEqual: ops = {Op::Less}; break;
            case Op::Equal: ops = {Op::NotEqual}; break;
        }
    }
    if (ops.front() == Op::NotEqual) ops = {Op::Less, Op::Greater};
    std::vector<Conjunction> alternatives;
    for (Op op : ops) alternatives.push_back({Constraint{c.coefficients, op, c.constant}});
    return alternatives;
}

std::vector<Conjunction> NormalForm(const Term& term) {
    std::vector<Conjunction> form;
    if (!term.negated) {
        for (const Conjunction& conjunction : term.disjunction) {
            std::vector<Conjunction> part(1);
            for (const Constraint& c : conjunction) part = Product(part, Alternatives(c, false));
            form.insert(form.end(), part.begin(), part.end());
        }
        return form;
    }
    // NOT of a disjunction: of each conjunction, one of the negated comparisons.
    form.resize(1);
    for (const Conjunction& conjunction : term.disjunction) {
        std::vector<Conjunction> any;
        for (const Constraint& c : conjunction) {
            const std::vector<Conjunction> alternatives = Alternatives(c, true);
            any.insert(any.end(), alternatives.begin(), alternatives.end());
        }
        form = Product(form, any);
    }
    return form;
}

class BruteForceTest : public MirvaneTest {
protected:
    std::mt19937 random_{20240611};

    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    Constraint RandomConstraint(const Limits& limits, bool notEqual = false) {
        Constraint c{std::vector<int>(limits.variables), static_cast<Op>(Uniform(0, notEqual ? 5 : 4)), 0};
        while (std::all_of(c.coefficients.begin(), c.coefficients.end(), [](int k) { return k == 0; })) {
            for (int& k : c.coefficients) k = Uniform(-limits.coefficient, limits.coefficient);
        }
        c.constant = Uniform(-limits.constant, limits.constant);
        return c;
    }

    // Terms in brackets, since a chain of minus signs groups to the right; sides swapped at random.
    std::string Text(const Constraint& c) {
        std::string terms;
        for (std::size_t j = 0; j < c.coefficients.size(); ++j) {
            if (c.coefficients[j] == 0) continue;
            if (!terms.empty()) terms += " + ";
            terms += "(" + std::to_string(c.coefficients[j]) + " * #" + VariableName(j) + "#)";
        }
        const std::string constant = std::to_string(c.constant);
        if (Uniform(0, 1)) return constant + " " + OpText(c.op, true) + " " + terms;
        return terms + " " + OpText(c.op, false) + " " + constant;
    }

    std::string Text(const Conjunction& conjunction) {
        std::string text;
        for (const Constraint& c : conjunction) text += (text.empty() ? "(" : " AND (") + Text(c) + ")";
        return text;
    }

    std::vector<Point> AllPoints(const std::vector<std::pair<int, int>>& borders) {
        std::vector<Point> points(1);
        for (const auto& [lower, upper] : borders) {
            std::vector<Point> longer;
            for (const Point& p : points) {
                for (int value = lower; value <= upper; ++value) {
                    longer.push_back(p);
                    longer.back().push_back(value);
                }
            }
            points = std::move(longer);
        }
        return points;
    }

    std::string Text(const std::vector<Conjunction>& disjunction) {
        std::string text;
        for (const Conjunction& conjunction : disjunction) text += (text.empty() ? "(" : " OR (") + Text(conjunction) + ")";
        return text;
    }

    std::vector<std::pair<int, int>> AddRandomVariables(const Limits& limits) {
        Reset();
        std::vector<std::pair<int, int>> borders;
        for (int j = 0; j < limits.variables; ++j) {
            const int lower = Uniform(limits.lowest, limits.lowest + limits.width);
            borders.emplace_back(lower, lower + Uniform(0, limits.width));
            EXPECT_EQ(CExportQZ().AddVariable(VariableName(j), borders.back().first, borders.back().second), 1);
        }
        return borders;
    }

    static QZSolutionList SolveAsOneNormalForm(const std::string& text) {
        auto tree = Normalized(text);
        EXPECT_NE(tree, nullptr) << Message();
        QZSolutionList solutions;
        EXPECT_TRUE(tree && SolveConditionTree(tree.get(), &solutions)) << Message();
        return solutions;
    }

    // The maps of a disjunction of conjunctions without !=, checked against the points that satisfy each.
    void CheckBoundaryValues(const QZSolutionList& solutions, const std::vector<Conjunction>& disjunction,
                             const std::vector<std::pair<int, int>>& borders) {
        const int variables = static_cast<int>(borders.size());
        std::vector<Point> found;
        for (const QZSolutionMap& solution : solutions) {
            ASSERT_EQ(solution.size(), borders.size());
            Point point;
            for (int j = 0; j < variables; ++j) point.push_back(solution.at(VariableName(j)));
            found.push_back(point);
            EXPECT_TRUE(std::any_of(disjunction.begin(), disjunction.end(),
                                    [&](const Conjunction& c) { return Holds(c, point); }))
                << "unsatisfied map";
            for (int j = 0; j < variables; ++j) {
                EXPECT_GE(point[j], borders[j].first);
                EXPECT_LE(point[j], borders[j].second);
            }
        }
        EXPECT_EQ(std::set<Point>(found.begin(), found.end()).size(), found.size()) << "repeated map";

        const std::vector<Point> points = AllPoints(borders);
        for (const Conjunction& conjunction : disjunction) {
            for (int j = 0; j < variables; ++j) {
                std::optional<int> lowest, highest;
                for (const Point& p : points) {
                    if (!Holds(conjunction, p)) continue;
                    lowest = std::min(lowest.value_or(p[j]), p[j]);
                    highest = std::max(highest.value_or(p[j]), p[j]);
                }
                if (!lowest) continue;
                auto reaches = [&](int value) {
                    return std::any_of(found.begin(), found.end(),
                                       [&](const Point& p) { return p[j] == value && Holds(conjunction, p); });
                };
                EXPECT_TRUE(reaches(*lowest)) << VariableName(j) << " minimum " << *lowest;
                EXPECT_TRUE(reaches(*highest)) << VariableName(j) << " maximum " << *highest;
            }
        }
        const bool anyFeasible = std::any_of(points.begin(), points.end(), [&](const Point& p) {
            return std::any_of(disjunction.begin(), disjunction.end(), [&](const Conjunction& c) { return Holds(c, p); });
        });
        if (!anyFeasible) {
            EXPECT_TRUE(solutions.empty());
        }
    }

    void CrossCheck(const std::vector<Conjunction>& disjunction, const Limits& limits) {
        const auto borders = AddRandomVariables(limits);
        const std::string text = Text(disjunction);
        SCOPED_TRACE(text);
        CheckBoundaryValues(SolveAsOneNormalForm(text), disjunction, borders);
    }

    // Term by term, the maps are those of the one normal form, in any order. Random terms are
    // joined while the text stays within the parser's 99 nodes.
    void CrossCheckTerms(const Limits& limits) {
        const auto borders = AddRandomVariables(limits);
        std::string text;
        std::vector<Conjunction> form(1);
        for (int terms = 0; terms < 3; ++terms) {
            Term term{{}, Uniform(0, 3) == 0};
            for (int i = Uniform(1, 3); i > 0; --i) term.disjunction.push_back(RandomConjunction(limits, true));
            const std::string longer =
                text + (text.empty() ? "" : " AND ") + (term.negated ? "NOT(" : "(") + Text(term.disjunction) + ")";
            if (!ParseCondition(longer)) break;
            text = longer;
            form = Product(form, NormalForm(term));
        }
        SCOPED_TRACE(text);
        QZSolutionList solutions;
        ASSERT_TRUE(SolveConjunctionOfTerms(text, solutions)) << Message();
        CheckBoundaryValues(solutions, form, borders);
        const QZSolutionList joined = SolveAsOneNormalForm(text);
        EXPECT_EQ(std::set<QZSolutionMap>(solutions.begin(), solutions.end()),
                  std::set<QZSolutionMap>(joined.begin(), joined.end()));
    }

    Conjunction RandomConjunction(const Limits& limits, bool notEqual = false) {
        Conjunction conjunction;
        const int count = Uniform(1, limits.constraints);
        for (int i = 0; i < count; ++i) conjunction.push_back(RandomConstraint(limits, notEqual));
        return conjunction;
    }
};

TEST_F(BruteForceTest, ConjunctionsOfSmallSystems) {
    const Limits limits{3, 3, 3, 8, -6, 6};
    for (int round = 0; round < 150; ++round) {
        Limits these = limits;
        these.variables = Uniform(1, limits.variables);
        CrossCheck({RandomConjunction(these)}, these);
    }
}

TEST_F(BruteForceTest, ConjunctionsWithLargeCoefficients) {
    const Limits limits{2, 2, 97, 900, -50, 50};
    for (int round = 0; round < 40; ++round) CrossCheck({RandomConjunction(limits)}, limits);
}

TEST_F(BruteForceTest, DisjunctionsOfConjunctions) {
    const Limits limits{3, 2, 3, 8, -5, 5};
    for (int round = 0; round < 60; ++round) {
        CrossCheck({RandomConjunction(limits), RandomConjunction(limits)}, limits);
    }
}

TEST_F(BruteForceTest, ConjunctionsOfTermsWithNotEqualAndNegation) {
    const Limits limits{2, 2, 3, 8, -5, 5};
    for (int round = 0; round < 120; ++round) {
        Limits these = limits;
        these.variables = Uniform(1, limits.variables);
        CrossCheckTerms(these);
    }
}

}  // namespace
