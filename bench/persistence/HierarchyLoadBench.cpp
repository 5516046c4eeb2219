// Loading projects whose size lies in their trees: many tasks beside each other, task folders
// nested one in the next, and requirements chained one under the next. Every identifier is
// checked against those read before it, and every link against the ancestors of its parent, so
// these show whether loading grows with the number of objects or with its square.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "BenchLoading.h"

namespace {

// The files of the run, removed at its end.
class ScratchFolder {
public:
    ScratchFolder()
        : path_(std::filesystem::temp_directory_path() / ("kavro_bench_hierarchy_" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() { std::filesystem::remove_all(path_); }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The project file for n objects, each element made from its number; written once per size.
std::string ProjectFile(const char* kind, int n, const std::function<std::string(int)>& element) {
    static const ScratchFolder folder;
    const std::string path = (folder.Path() / (std::string(kind) + std::to_string(n) + ".xml")).string();
    if (std::filesystem::exists(path)) return path;
    std::ofstream out(path, std::ios::binary);
    out << "<KAVRO_DATA Version=\"12.4\"><PROJECT ID=\"p\" Name=\"Bench\"/>\n<TASK ID=\"t0\" Name=\"Root\"/>\n";
    for (int i = 1; i <= n; ++i) out << element(i) << '\n';
    out << "</KAVRO_DATA>\n";
    Require(out.good(), "project file");
    return path;
}

std::string Id(char prefix, int number) { return prefix + std::to_string(number); }

// Folders under the root task.
std::string SiblingTask(int i) {
    return "<TASK ID=\"" + Id('t', i) + "\" ParentID=\"t0\" Name=\"" + Id('T', i) + "\"/>";
}

// Each folder in the one before it.
std::string NestedTask(int i) {
    return "<TASK ID=\"" + Id('t', i) + "\" ParentID=\"" + Id('t', i - 1) + "\" Name=\"" + Id('T', i) + "\"/>";
}

// Each requirement under the one before it; the first at the top.
std::string ChainedRequirement(int i) {
    const std::string parent = i == 1 ? std::string() : " ParentID=\"" + Id('r', i - 1) + "\"";
    return "<REQ ID=\"" + Id('r', i) + "\"" + parent + " Name=\"" + Id('R', i) + "\"/>";
}

void BM_LoadSiblingTasks(benchmark::State& state) {
    const std::string path = ProjectFile("siblings", static_cast<int>(state.range(0)), SiblingTask);
    for (auto _ : state) LoadOnce(state, path, 1);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_LoadNestedTaskFolders(benchmark::State& state) {
    const std::string path = ProjectFile("nested", static_cast<int>(state.range(0)), NestedTask);
    for (auto _ : state) LoadOnce(state, path, 1);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_LoadChainedRequirements(benchmark::State& state) {
    const std::string path = ProjectFile("requirements", static_cast<int>(state.range(0)), ChainedRequirement);
    for (auto _ : state) LoadOnce(state, path, 1);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

// The warm-up keeps the first touch of fresh memory, which costs as much as the load itself on
// some machines, out of the figures.
BENCHMARK(BM_LoadSiblingTasks)->Arg(12500)->Arg(50000)->MinWarmUpTime(0.5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadNestedTaskFolders)->Arg(12500)->Arg(50000)->MinWarmUpTime(0.5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadChainedRequirements)->Arg(25000)->Arg(100000)->MinWarmUpTime(0.5)->Unit(benchmark::kMillisecond);
