#include "views/flow/FlowLayout.h"

#include <algorithm>
#include <cstddef>
#include <unordered_map>
#include <vector>

#include "model/TaskKav.h"

namespace {

constexpr int kNone = -1;
constexpr int kMargin = 10;
constexpr int kMinimumCells = 3;

// The task's flow with its steps as indexes into the step list. Successors outside the list
// are left out.
struct FlowGraph {
    explicit FlowGraph(const CTaskKav& task) : steps(task.GetSteps().begin(), task.GetSteps().end()) {
        std::unordered_map<const CTaskStep*, int> index;
        for (std::size_t i = 0; i < steps.size(); ++i) index.emplace(steps[i], static_cast<int>(i));
        successors.resize(steps.size());
        for (std::size_t i = 0; i < steps.size(); ++i)
            for (const CTaskStep* successor : steps[i]->GetSuccessors())
                if (auto found = index.find(successor); found != index.end()) successors[i].push_back(found->second);
        if (auto found = index.find(task.GetStartStep()); found != index.end()) start = found->second;
    }

    std::vector<CTaskStep*> steps;
    std::vector<std::vector<int>> successors;
    int start = kNone;
};

// The grid place of every step, and which step stands in each cell.
class FlowPlaces {
public:
    explicit FlowPlaces(const FlowGraph& graph)
        : graph_(graph), level_(graph.steps.size(), kNone), column_(graph.steps.size(), kNone) {}

    FlowGrid Place() {
        if (graph_.start != kNone) {
            AssignLevels();
            AssignColumns();
            Straighten();
        }
        PlaceUnreachable();
        return {levelCount_, columnCount_};
    }

    int Level(std::size_t step) const { return level_[step]; }
    int Column(std::size_t step) const { return column_[step]; }

private:
    // The longest path from the start step to each step it reaches, counted over the steps in
    // an order that puts every step after all its reached predecessors: each step is visited
    // once, however many paths lead to it (connections never form a cycle).
    void AssignLevels() {
        std::vector<int> reachedPredecessors(graph_.steps.size(), 0);
        std::vector<bool> reached(graph_.steps.size(), false);
        std::vector<int> pending{graph_.start};
        reached[static_cast<std::size_t>(graph_.start)] = true;
        while (!pending.empty()) {
            const int step = pending.back();
            pending.pop_back();
            for (const int successor : Successors(step)) {
                ++reachedPredecessors[static_cast<std::size_t>(successor)];
                if (!reached[static_cast<std::size_t>(successor)]) {
                    reached[static_cast<std::size_t>(successor)] = true;
                    pending.push_back(successor);
                }
            }
        }
        level_[static_cast<std::size_t>(graph_.start)] = 0;
        std::vector<int> ready{graph_.start};
        while (!ready.empty()) {
            const int step = ready.back();
            ready.pop_back();
            for (const int successor : Successors(step)) {
                int& level = level_[static_cast<std::size_t>(successor)];
                level = std::max(level, level_[static_cast<std::size_t>(step)] + 1);
                if (--reachedPredecessors[static_cast<std::size_t>(successor)] == 0) ready.push_back(successor);
            }
        }
    }

    // Level by level, the steps of a level take the next columns in the order in which the
    // steps of the level before, column by column, list them as successors.
    void AssignColumns() {
        std::vector<int> perLevel;
        for (const int level : level_) {
            if (level == kNone) continue;
            if (static_cast<std::size_t>(level) >= perLevel.size()) perLevel.resize(static_cast<std::size_t>(level) + 1);
            ++perLevel[static_cast<std::size_t>(level)];
        }
        cells_.assign(perLevel.size(), {});
        SetColumn(graph_.start, 0);
        columnCount_ = 1;
        levelCount_ = 1;
        for (std::size_t level = 1; level < perLevel.size() && perLevel[level] > 0; ++level) {
            columnCount_ = std::max(columnCount_, perLevel[level]);
            for (const int step : cells_[level - 1]) {
                if (step == kNone) continue;
                for (const int successor : Successors(step))
                    if (level_[static_cast<std::size_t>(successor)] == static_cast<int>(level) &&
                        column_[static_cast<std::size_t>(successor)] == kNone)
                        SetColumn(successor, static_cast<int>(cells_[level].size()));
            }
            levelCount_ = static_cast<int>(level) + 1;
        }
    }

    // A connection that skips levels within one column would run through the boxes between:
    // on each skipped level where a box stands in that column, the boxes from that column on
    // move one column to the right.
    void Straighten() {
        for (int column = 0; column < columnCount_; ++column) {
            for (int level = 0; level < levelCount_; ++level) {
                const int step = At(level, column);
                if (step == kNone) continue;
                for (const int successor : Successors(step)) {
                    const int successorLevel = level_[static_cast<std::size_t>(successor)];
                    if (column_[static_cast<std::size_t>(successor)] != column || successorLevel <= level + 1) continue;
                    for (int skipped = level + 1; skipped < successorLevel; ++skipped)
                        if (At(skipped, column) != kNone) ShiftRight(skipped, column);
                }
            }
        }
    }

    void ShiftRight(int level, int fromColumn) {
        const int last = columnCount_ - 1;
        for (int column = last; column >= fromColumn; --column) {
            const int step = At(level, column);
            if (step == kNone) continue;
            cells_[static_cast<std::size_t>(level)][static_cast<std::size_t>(column)] = kNone;
            SetColumn(step, column + 1);
            if (column == last) ++columnCount_;
        }
    }

    // Unreachable steps cannot be placed by the flow: one column after the others holds them,
    // at levels 0, 1, 2, ... in step-list order, where they can be seen and clicked.
    void PlaceUnreachable() {
        int next = 0;
        for (std::size_t step = 0; step < graph_.steps.size(); ++step) {
            if (column_[step] != kNone) continue;
            level_[step] = next++;
            column_[step] = columnCount_;
        }
        if (next > 0) ++columnCount_;
        levelCount_ = std::max(levelCount_, next);
    }

    const std::vector<int>& Successors(int step) const { return graph_.successors[static_cast<std::size_t>(step)]; }

    int At(int level, int column) const {
        const std::vector<int>& row = cells_[static_cast<std::size_t>(level)];
        return static_cast<std::size_t>(column) < row.size() ? row[static_cast<std::size_t>(column)] : kNone;
    }

    void SetColumn(int step, int column) {
        column_[static_cast<std::size_t>(step)] = column;
        std::vector<int>& row = cells_[static_cast<std::size_t>(level_[static_cast<std::size_t>(step)])];
        if (static_cast<std::size_t>(column) >= row.size()) row.resize(static_cast<std::size_t>(column) + 1, kNone);
        row[static_cast<std::size_t>(column)] = step;
    }

    const FlowGraph& graph_;
    std::vector<int> level_;
    std::vector<int> column_;
    // Per level, the step in each column (kNone where there is none).
    std::vector<std::vector<int>> cells_;
    int levelCount_ = 0;
    int columnCount_ = 0;
};

}  // namespace

FlowGrid LayOutFlow(CTaskKav& task, const FlowBoxes& boxes, bool topToBottom) {
    const FlowGraph graph(task);
    FlowPlaces places(graph);
    FlowGrid grid = places.Place();
    for (std::size_t i = 0; i < graph.steps.size(); ++i) {
        CTaskStep& step = *graph.steps[i];
        const int level = places.Level(i);
        const int column = places.Column(i);
        const int alongX = topToBottom ? column : level;
        const int alongY = topToBottom ? level : column;
        step.SetColumn(alongX);
        step.SetRow(alongY);
        step.SetX((boxes.width + boxes.gapX) * alongX + kMargin);
        step.SetY((boxes.height + boxes.gapY) * alongY + kMargin);
    }
    grid.levels = std::max(grid.levels, kMinimumCells);
    grid.columns = std::max(grid.columns, kMinimumCells);
    return grid;
}

ViewSize FlowContentSize(FlowGrid grid, const FlowBoxes& boxes, bool topToBottom) {
    const int alongX = topToBottom ? grid.columns : grid.levels;
    const int alongY = topToBottom ? grid.levels : grid.columns;
    return {(boxes.width + boxes.gapX) * alongX - boxes.gapX, (boxes.height + boxes.gapY) * alongY - boxes.gapY};
}
