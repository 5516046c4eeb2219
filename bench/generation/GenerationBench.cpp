// Connection coverage of one task on four flow shapes with a fixed successor order: a ladder,
// a chain of diamonds, a uniform random flow and a long narrow one. Besides the time, each run
// reports the total number of steps in the generated test cases and its ratio to the optimum:
// the least total length of start-to-end paths that together pass every connection, found by
// a min-cost flow with a lower bound of 1 on each connection.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <queue>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "generation/MethodCodes.h"
#include "generation/TCGTask.h"
#include "generation/TaskCoverage.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/TaskKav.h"
#include "platform/Progress.h"

namespace {

// A flow of steps 0 (the start) to steps - 1 (the end); connections in successor order.
struct Flow {
    int steps = 0;
    std::vector<std::pair<int, int>> connections;
};

// Two rails of steps with a rung from each left step to the right step beside it.
Flow Ladder(int rungs) {
    Flow flow{2 * rungs + 2, {}};
    auto left = [](int i) { return 1 + 2 * i; };
    auto right = [](int i) { return 2 + 2 * i; };
    flow.connections = {{0, left(0)}, {0, right(0)}};
    for (int i = 0; i < rungs; ++i) {
        const bool last = i + 1 == rungs;
        flow.connections.emplace_back(left(i), last ? flow.steps - 1 : left(i + 1));
        flow.connections.emplace_back(left(i), right(i));
        flow.connections.emplace_back(right(i), last ? flow.steps - 1 : right(i + 1));
    }
    return flow;
}

// Each diamond: its top leads to two steps that join at the next diamond's top.
Flow Diamonds(int count) {
    Flow flow{3 * count + 1, {}};
    for (int i = 0; i < count; ++i) {
        const int top = 3 * i;
        for (int side : {top + 1, top + 2}) {
            flow.connections.emplace_back(top, side);
            flow.connections.emplace_back(side, top + 3);
        }
    }
    std::sort(flow.connections.begin(), flow.connections.end());
    return flow;
}

// Connections from lower to higher steps, no more than span apart (0: any distance). Every step
// is entered from an earlier one and leads to a later one; the rest are drawn at random.
Flow RandomFlow(int steps, int connections, int span, std::uint32_t seed) {
    std::mt19937 random(seed);
    auto draw = [&](int low, int high) { return low + static_cast<int>(random() % static_cast<unsigned>(high - low + 1)); };
    auto within = [&](int from) { return span ? std::min(steps - 1, from + span) : steps - 1; };
    std::set<std::pair<int, int>> chosen;
    std::vector<bool> leads(steps, false);
    for (int to = 1; to < steps; ++to) {
        const int from = draw(span ? std::max(0, to - span) : 0, to - 1);
        chosen.emplace(from, to);
        leads[from] = true;
    }
    for (int from = 0; from + 1 < steps; ++from)
        if (!leads[from]) chosen.emplace(from, draw(from + 1, within(from)));
    while (static_cast<int>(chosen.size()) < connections) {
        const int from = draw(0, steps - 2);
        chosen.emplace(from, draw(from + 1, within(from)));
    }
    return {steps, {chosen.begin(), chosen.end()}};
}

// Successive shortest paths with potentials on a graph of non-negative costs.
class MinCostFlow {
public:
    explicit MinCostFlow(int nodes) : edges_(static_cast<size_t>(nodes)) {}

    void AddEdge(int from, int to, long long capacity, long long cost) {
        edges_[from].push_back({to, static_cast<int>(edges_[to].size()), capacity, cost});
        edges_[to].push_back({from, static_cast<int>(edges_[from].size()) - 1, 0, -cost});
    }

    // The cost of sending amount from source to sink; throws when the graph cannot carry it.
    long long Run(int source, int sink, long long amount) {
        const size_t n = edges_.size();
        std::vector<long long> potential(n, 0);
        long long cost = 0;
        while (amount > 0) {
            std::vector<long long> distance(n, kInfinite);
            std::vector<std::pair<int, int>> via(n, {-1, -1});
            using Item = std::pair<long long, int>;
            std::priority_queue<Item, std::vector<Item>, std::greater<>> queue;
            distance[source] = 0;
            queue.emplace(0, source);
            while (!queue.empty()) {
                auto [d, node] = queue.top();
                queue.pop();
                if (d > distance[node]) continue;
                for (size_t i = 0; i < edges_[node].size(); ++i) {
                    const Edge& edge = edges_[node][i];
                    const long long next = d + edge.cost + potential[node] - potential[edge.to];
                    if (edge.capacity > 0 && next < distance[edge.to]) {
                        distance[edge.to] = next;
                        via[edge.to] = {node, static_cast<int>(i)};
                        queue.emplace(next, edge.to);
                    }
                }
            }
            if (distance[sink] == kInfinite) throw std::runtime_error("the flow cannot pass every connection");
            for (size_t v = 0; v < n; ++v)
                if (distance[v] < kInfinite) potential[v] += distance[v];
            long long push = amount;
            for (int v = sink; v != source; v = via[v].first)
                push = std::min(push, edges_[via[v].first][via[v].second].capacity);
            for (int v = sink; v != source; v = via[v].first) {
                Edge& edge = edges_[via[v].first][via[v].second];
                edge.capacity -= push;
                edges_[v][edge.reverse].capacity += push;
                cost += push * edge.cost;
            }
            amount -= push;
        }
        return cost;
    }

private:
    struct Edge {
        int to;
        int reverse;
        long long capacity;
        long long cost;
    };
    static constexpr long long kInfinite = std::numeric_limits<long long>::max() / 4;
    std::vector<std::vector<Edge>> edges_;
};

// The least number of steps (connections passed, the start not counted) of start-to-end paths
// that pass every connection: each connection carries one unit by force and more at cost 1;
// the paths return from the end to the start for free.
long long OptimalCoverLength(const Flow& flow) {
    const int source = flow.steps;
    const int sink = flow.steps + 1;
    MinCostFlow network(flow.steps + 2);
    std::vector<long long> excess(static_cast<size_t>(flow.steps), 0);
    constexpr long long kUnbounded = 1LL << 40;
    for (auto [from, to] : flow.connections) {
        network.AddEdge(from, to, kUnbounded, 1);
        --excess[from];
        ++excess[to];
    }
    network.AddEdge(flow.steps - 1, 0, kUnbounded, 0);
    long long amount = 0;
    for (int step = 0; step < flow.steps; ++step) {
        if (excess[step] > 0) {
            network.AddEdge(source, step, excess[step], 0);
            amount += excess[step];
        } else if (excess[step] < 0) {
            network.AddEdge(step, sink, -excess[step], 0);
        }
    }
    return static_cast<long long>(flow.connections.size()) + network.Run(source, sink, amount);
}

// The flow as a task of a project that is current while it lives.
class FlowProject {
public:
    explicit FlowProject(const Flow& flow) : app_(std::make_unique<CApplicationKav>()) {
        app_->GetFiles().Add(new CFileKav("Bench", "Bench.xml", "/bench/Bench.xml"));
        CurrentApplication = app_.get();
        task_ = app_->GetTasks().Add(new CTaskKav("Flow", kTaskPlain));
        std::vector<CTaskStep*> steps;
        for (int i = 0; i < flow.steps; ++i) {
            const std::string name = i == 0 ? "Start" : "S" + std::to_string(i);
            // Every step but the start does something, or it would be bridged.
            steps.push_back(task_->GetSteps().Add(new CTaskStep(name, "", "", i == 0 ? "" : "Do " + name, "", "",
                                                                nullptr, nullptr, 0, nullptr, 2, "", 1)));
        }
        task_->SetStartStep(steps.front());
        for (auto [from, to] : flow.connections)
            if (task_->ConnectSteps(steps[from], steps[to]) != 1) throw std::runtime_error("a cycle in the flow");
    }
    ~FlowProject() { CurrentApplication = nullptr; }

    CApplicationKav& App() { return *app_; }
    CTaskKav& Task() { return *task_; }

private:
    std::unique_ptr<CApplicationKav> app_;
    CTaskKav* task_;
};

void CheckOptimum() {
    // One diamond: two paths of two connections; a ladder of one rung: the rung's path has three.
    if (OptimalCoverLength(Diamonds(1)) != 4 || OptimalCoverLength(Ladder(1)) != 2 + 2 + 3)
        throw std::runtime_error("the optimum of the small shapes is wrong");
}

void ConnectionCoverage(benchmark::State& state, const Flow& flow) {
    CheckOptimum();
    const long long optimum = OptimalCoverLength(flow);
    FlowProject project(flow);
    long long steps = 0;
    long long allSteps = 0;
    size_t testCases = 0;
    for (auto _ : state) {
        Progress progress;
        CTCGTask graph(project.App());
        CTaskCoverage coverage(graph, progress);
        OwningList<CTestCase> made;
        if (coverage.GenerateTestCases(project.Task(), kMethodConnectionCoverage, made) != 1)
            throw std::runtime_error("connection coverage failed");
        steps = 0;
        for (const CTestCase* testCase : made) steps += static_cast<long long>(testCase->GetSteps().size());
        testCases = made.size();
        allSteps += steps;
    }
    state.counters["connections"] = static_cast<double>(flow.connections.size());
    state.counters["testCases"] = static_cast<double>(testCases);
    state.counters["steps"] = static_cast<double>(steps);
    state.counters["stepsPerSecond"] = benchmark::Counter(static_cast<double>(allSteps), benchmark::Counter::kIsRate);
    state.counters["optimum"] = static_cast<double>(optimum);
    state.counters["ratio"] = static_cast<double>(steps) / static_cast<double>(optimum);
}

BENCHMARK_CAPTURE(ConnectionCoverage, Ladder500, Ladder(500))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ConnectionCoverage, Diamonds500, Diamonds(500))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ConnectionCoverage, UniformRandom2000x4000, RandomFlow(2000, 4000, 0, 2024))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ConnectionCoverage, Narrow2000x4000Span4, RandomFlow(2000, 4000, 4, 2024))
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
