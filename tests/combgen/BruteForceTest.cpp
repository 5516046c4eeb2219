// Cross-checks the boundary values against every integer point of small random systems.
#include "MirvaneFixture.h"

#include <random>
#include <set>

#include "combgen/BoundaryValues.h"

namespace {

enum class Op { Equal, Less, Greater, LessEqual, GreaterEqual };

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

class BruteForceTest : public MirvaneTest {
protected:
    std::mt19937 random_{20240611};

    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    Constraint RandomConstraint(const Limits& limits) {
        Constraint c{std::vector<int>(limits.variables), static_cast<Op>(Uniform(0, 4)), 0};
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

    // The maps of a disjunction of conjunctions, checked against the points that satisfy each.
    void CrossCheck(const std::vector<Conjunction>& disjunction, const Limits& limits) {
        Reset();
        std::vector<std::pair<int, int>> borders;
        for (int j = 0; j < limits.variables; ++j) {
            const int lower = Uniform(limits.lowest, limits.lowest + limits.width);
            borders.emplace_back(lower, lower + Uniform(0, limits.width));
            ASSERT_EQ(CExportQZ().AddVariable(VariableName(j), borders.back().first, borders.back().second), 1);
        }
        std::string text;
        for (const Conjunction& conjunction : disjunction) text += (text.empty() ? "(" : " OR (") + Text(conjunction) + ")";
        SCOPED_TRACE(text);

        auto tree = Normalized(text);
        ASSERT_NE(tree, nullptr) << Message();
        QZSolutionList solutions;
        ASSERT_TRUE(SolveConditionTree(tree.get(), &solutions)) << Message();

        std::vector<Point> found;
        for (const QZSolutionMap& solution : solutions) {
            ASSERT_EQ(solution.size(), borders.size());
            Point point;
            for (int j = 0; j < limits.variables; ++j) point.push_back(solution.at(VariableName(j)));
            found.push_back(point);
            EXPECT_TRUE(std::any_of(disjunction.begin(), disjunction.end(),
                                    [&](const Conjunction& c) { return Holds(c, point); }))
                << "unsatisfied map";
            for (int j = 0; j < limits.variables; ++j) {
                EXPECT_GE(point[j], borders[j].first);
                EXPECT_LE(point[j], borders[j].second);
            }
        }
        EXPECT_EQ(std::set<Point>(found.begin(), found.end()).size(), found.size()) << "repeated map";

        const std::vector<Point> points = AllPoints(borders);
        for (const Conjunction& conjunction : disjunction) {
            for (int j = 0; j < limits.variables; ++j) {
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

    Conjunction RandomConjunction(const Limits& limits) {
        Conjunction conjunction;
        const int count = Uniform(1, limits.constraints);
        for (int i = 0; i < count; ++i) conjunction.push_back(RandomConstraint(limits));
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

}  // namespace
