// Saving and loading a large project (5,000 windows, 500 tasks of 20 steps, 50 data sets), beside
// the floors they build on: a bare expat parse of the same file, and one write of its bytes.
#include <benchmark/benchmark.h>
#include <expat.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "model/GUIBuilderList.h"
#include "model/ShellServices.h"
#include "model/windows/WindowTypes.h"
#include "platform/AtomicFile.h"
#include "BenchLoading.h"

namespace {

constexpr int kWindows = 5000;
constexpr int kTopWindows = 50;
constexpr int kTasks = 500;
constexpr int kStepsPerTask = 20;
constexpr int kDataSets = 50;
constexpr int kFieldsPerSet = 10;
constexpr int kRecordsPerSet = 20;

std::string Numbered(const char* prefix, int number) {
    std::string text = prefix;
    text += std::to_string(number);
    return text;
}

// Appended piecewise: GCC 12 warns falsely on a literal plus a string at -O2.
std::string Wrapped(const char* before, const std::string& text, const char* after) {
    std::string wrapped = before;
    wrapped += text;
    wrapped += after;
    return wrapped;
}

// Top windows with a row of controls each; every window has a transition to its parent (or to
// the next top window), with a condition and an action.
void AddWindows(CApplicationKav& project, CFileKav* file) {
    static constexpr int kControlTypes[] = {kWndInputField, kWndPushButton, kWndCheckBox, kWndComboBox,
                                            kWndListBox,    kWndStaticText, kWndRadioButton};
    std::vector<CWindowKav*> windows;
    for (int i = 0; i < kWindows; ++i) {
        const bool top = i < kTopWindows;
        const int type = top ? kWndDialogBox : kControlTypes[i % std::size(kControlTypes)];
        WindowFields fields{.id = Numbered("W", i), .numId = 1000 + i, .guiId = 999, .caption = Numbered("Caption ", i)};
        CWindowKav* window = CreateWindowOfType(type, fields);
        window->SetInternalID(Numbered("w", i));
        window->SetRect({i % 100, i % 70, i % 100 + 80, i % 70 + 20});
        window->SetFile(file);
        Require(project.GetWindowList().Add(window), "window");
        if (!top) windows[i % kTopWindows]->AddChild(window);
        windows.push_back(window);
    }
    for (int i = 0; i < kWindows; ++i) {
        CWindowKav* window = windows[i];
        CWindowKav* destination = window->GetParent() ? window->GetParent() : windows[(i + 1) % kTopWindows];
        auto* transition = window->GetTransitions().Add(new CTransitionKav(
            Numbered("T", i), Wrapped("Click(", window->GetName(), ")"), "", "goes back", "", "", window, destination, 0,
            nullptr, 2, "0", 0));
        transition->SetId(Numbered("tr", i));
        transition->GetConditions().Add(new CConditionKav("", Wrapped("#", window->GetName(), ":$Enabled# = TRUE")));
        CActionKav* action = transition->GetActions().Add(new CActionKav(6, "OpenWindow"));
        action->SetId(Numbered("a", i));
        action->GetArguments().Add(new CArgumentKav(0, destination->GetName()));
    }
}

// A root folder with plain tasks of a chain of steps each; every fifth step performs a transition.
void AddTasks(CApplicationKav& project, CFileKav* file) {
    CTaskKav* root = project.GetTasks().Add(new CTaskKav("Project Bench", kTaskFolder));
    root->SetID("t_root");
    root->SetFile(file);
    for (int t = 0; t < kTasks; ++t) {
        CTaskKav* task = project.GetTasks().Add(new CTaskKav(Numbered("Task", t), kTaskPlain));
        task->SetID(Numbered("t", t));
        task->SetFile(file);
        root->AddChild(task);
        CTaskStep* previous = nullptr;
        for (int s = 0; s < kStepsPerTask; ++s) {
            const int w = (t * kStepsPerTask + s) % kWindows;
            CWindowKav* window = project.GetWindowList().FindByID(Numbered("w", w));
            auto* step = new CTaskStep(Numbered("Step", s), Wrapped("Click(", window->GetName(), ")"), "", "", "", "",
                                       window, window, 0, nullptr, 2, "0", 1);
            step->SetId(Numbered("s", t * kStepsPerTask + s));
            if (s % 5 == 4) step->SetTransition(window->GetTransitions()[0]);
            task->GetSteps().Add(step);
            if (previous)
                Require(task->ConnectSteps(previous, step) == 1, "connection");
            else
                task->SetStartStep(step);
            previous = step;
        }
    }
}

void AddDataSets(CApplicationKav& project, CFileKav* file) {
    for (int d = 0; d < kDataSets; ++d) {
        CDataSet* dataSet = project.GetDataSets().Add(new CDataSet(Numbered("Set", d)));
        dataSet->SetId(Numbered("d", d));
        dataSet->SetFile(file);
        for (int f = 0; f < kFieldsPerSet; ++f)
            dataSet->GetFields().Add(new CDataField(Numbered("Field", f), 2, 0, 1000))->SetId(Numbered("f", d * 100 + f));
        for (int r = 0; r < kRecordsPerSet; ++r) {
            CDataRecord* record = dataSet->GetRecords().Add(new CDataRecord(Numbered("V", r), 1, 1));
            record->SetId(Numbered("r", d * 100 + r));
            for (const CDataField* field : dataSet->GetFields()) record->GetValues().Set(field->GetId(), std::to_string(r));
        }
    }
}

// As the loader reads a file.
std::string ReadWhole(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    Require(fd >= 0, "open");
    struct stat info {};
    Require(::fstat(fd, &info) == 0, "fstat");
    std::string text(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::read(fd, text.data() + done, text.size() - done);
        Require(n > 0, "read");
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return text;
}

class Fixture {
public:
    Fixture() : folder_(std::filesystem::temp_directory_path() / ("kavro_bench_persistence_" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(folder_);
        path_ = (folder_ / "Bench.xml").string();
        source_.GetFiles().Add(new CFileKav("Bench", path_, path_));
        source_.SetId("P1");
        source_.SetName("Bench");
        AddWindows(source_, source_.GetMainFile());
        AddTasks(source_, source_.GetMainFile());
        AddDataSets(source_, source_.GetMainFile());
        CurrentApplication = &source_;
        Require(Save() == 1, "save");
        bytes_ = ReadWhole(path_);
    }
    ~Fixture() {
        CurrentApplication = nullptr;
        std::filesystem::remove_all(folder_);
    }

    int Save() {
        std::string unused;
        return writer_.SaveProject(true, path_, source_, unused);
    }
    const std::string& Path() const { return path_; }
    const std::string& Bytes() const { return bytes_; }

private:
    std::filesystem::path folder_;
    std::string path_;
    CApplicationKav source_;
    CXMLDataManager writer_;
    std::string bytes_;
};

Fixture& GetFixture() {
    static Fixture fixture;
    return fixture;
}

void BM_SaveProject(benchmark::State& state) {
    Fixture& fixture = GetFixture();
    for (auto _ : state) Require(fixture.Save() == 1, "save");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(fixture.Bytes().size()));
}

// Reading and linking, as the loader does for a project without libraries.
void BM_LoadProject(benchmark::State& state) {
    Fixture& fixture = GetFixture();
    for (auto _ : state) LoadOnce(state, fixture.Path(), 1);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(fixture.Bytes().size()));
}

// The floor of loading: the file read as the loader reads it (open, fstat, one reserved string)
// and expat over it with empty handlers.
void BM_RawExpatParse(benchmark::State& state) {
    Fixture& fixture = GetFixture();
    for (auto _ : state) {
        const std::string text = ReadWhole(fixture.Path());
        XML_Parser parser = XML_ParserCreate("UTF-8");
        XML_SetElementHandler(parser, [](void*, const char*, const char**) {}, [](void*, const char*) {});
        XML_SetCharacterDataHandler(parser, [](void*, const char*, int) {});
        Require(XML_Parse(parser, text.data(), static_cast<int>(text.size()), XML_TRUE) == XML_STATUS_OK, "expat");
        XML_ParserFree(parser);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(fixture.Bytes().size()));
}

// The floor of saving: the project's bytes in one fwrite to a file of their own.
void BM_RawWrite(benchmark::State& state) {
    Fixture& fixture = GetFixture();
    const std::string path = fixture.Path() + ".raw";
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        Require(file != nullptr, "open");
        Require(std::fwrite(fixture.Bytes().data(), 1, fixture.Bytes().size(), file) == fixture.Bytes().size(), "write");
        Require(std::fclose(file) == 0, "close");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(fixture.Bytes().size()));
}

// The same bytes through the atomic replacement every save uses.
void BM_AtomicWrite(benchmark::State& state) {
    Fixture& fixture = GetFixture();
    const std::string path = fixture.Path() + ".atomic";
    for (auto _ : state) Require(WriteFileAtomically(path, fixture.Bytes()).ok, "atomic write");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(fixture.Bytes().size()));
}

}  // namespace

// Each warms up first, so that none pays the fresh heap's first touch for the others; compare
// LoadProject with RawExpatParse and SaveProject with RawWrite and AtomicWrite.
BENCHMARK(BM_RawExpatParse)->MinWarmUpTime(0.5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadProject)->MinWarmUpTime(0.5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawWrite)->MinWarmUpTime(0.5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AtomicWrite)->MinWarmUpTime(0.5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveProject)->MinWarmUpTime(0.5)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
