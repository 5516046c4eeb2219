// The main job's batch run of the bundled sample, in-process and without the process start and
// exit: the road `kavro -p <sample> -q` takes (settings, user folders, installation data, the
// load), alone and then with generation and conversion into plain text scripts
// (`-g -c PLAINTEXT`), so that the two can be compared.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "shell/BatchRoad.h"
#include "shell/CommandLine.h"
#include "shell/StartUp.h"

namespace {

// The run's own settings and user folders, as the main job gives it.
class Scratch {
public:
    Scratch()
        : folder_(std::filesystem::temp_directory_path() / ("kavro-bench-batch-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(folder_);
        ::setenv("XDG_CONFIG_HOME", (folder_ / "config").c_str(), 1);
        ::setenv("XDG_DOCUMENTS_DIR", (folder_ / "Documents").c_str(), 1);
        InstallProgramSettings();
    }
    ~Scratch() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    const std::filesystem::path& Folder() const { return folder_; }

private:
    std::filesystem::path folder_;
};

void SampleRun(benchmark::State& state, bool generateAndConvert) {
    const Scratch scratch;
    std::vector<std::string> tokens{"-p", KAVRO_SAMPLE_PROJECT};
    if (generateAndConvert)
        tokens.insert(tokens.end(), {"-g", "-c", "PLAINTEXT", "-s", (scratch.Folder() / "scripts").string()});
    tokens.push_back("-q");
    std::ostringstream log;
    for (auto _ : state) {
        CommandLine line = ReadCommandLine(tokens);
        MakeCommandLinePathsAbsolute(line);
        log.str({});
        if (RunBatchRoad(line, ProgramFolder(), log) != kExitSucceeded)
            throw std::runtime_error("the batch run failed:\n" + log.str());
    }
}

BENCHMARK_CAPTURE(SampleRun, LoadOnly, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SampleRun, GenerateAndConvertPlainText, true)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
