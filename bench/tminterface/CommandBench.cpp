// The commands' work on the user-interface thread: a CMD_DATA_KAVRO of 5,000 windows and 2,000
// tasks parsed, copied and installed as the project; and a test structure of 1,000 folders
// synchronised with a project of 2,000, deleting 1,000.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <optional>
#include <stdexcept>
#include <string>

#include "model/ShellServices.h"
#include "model/windows/WindowTypes.h"
#include "persistence/XMLDataManager.h"
#include "tests/tminterface/HostDouble.h"
#include "tests/tminterface/LoopbackPeer.h"
#include "tminterface/VornakIF.h"

namespace {

constexpr int kWindows = 5000;
constexpr int kTopWindows = 50;
constexpr int kTasks = 2000;
constexpr int kProjectFolders = 2000;
constexpr int kStructureFolders = 1000;

void Require(bool ok, const char* what) {
    if (!ok) throw std::runtime_error(what);
}

std::string Numbered(const char* prefix, int number) {
    std::string text = prefix;
    text += std::to_string(number);
    return text;
}

long PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

CTaskKav* AddTask(CApplicationKav& project, const std::string& name, const std::string& id, int type,
                  CTaskKav* parent) {
    CTaskKav* task = project.GetTasks().Add(new CTaskKav(name, type));
    task->SetID(id);
    task->SetFile(project.GetMainFile());
    task->SetFileId(project.GetMainFile()->GetID());
    if (parent) parent->AddChild(task);
    return task;
}

// VORNAK's project: dialogs with rows of controls, and plain tasks of one start step each.
std::string ProjectMessage() {
    CApplicationKav project;
    project.GetFiles().Add(new CFileKav("Bench"));
    project.SetId("P");
    project.SetName("Bench");
    std::vector<CWindowKav*> tops;
    for (int i = 0; i < kWindows; ++i) {
        const bool top = i < kTopWindows;
        WindowFields fields{.id = Numbered("W", i), .numId = 1000 + i, .guiId = 999, .caption = Numbered("Caption ", i)};
        CWindowKav* window = CreateWindowOfType(top ? kWndDialogBox : kWndPushButton, fields);
        window->SetFile(project.GetMainFile());
        Require(project.GetWindowList().Add(window), "window");
        if (top)
            tops.push_back(window);
        else
            tops[i % kTopWindows]->AddChild(window);
    }
    CTaskKav* root = AddTask(project, "Project Bench", "root", kTaskFolder, nullptr);
    project.SetRootTask(root);
    for (int t = 0; t < kTasks; ++t) {
        CTaskKav* task = AddTask(project, Numbered("Task", t), Numbered("t", t), kTaskPlain, root);
        auto* start = new CTaskStep("Start", "", "", "Pr\xC3\xBC" "fung", "", "", nullptr, nullptr, 0, nullptr, 2, "", 1);
        start->SetId(Numbered("s", t));
        task->GetSteps().Add(start);
        task->SetStartStep(start);
    }
    std::string text;
    CXMLDataManager writer;
    Require(writer.SaveProject(false, "", project, text) == 1, "write");
    return VornakMessage("<CMD_DATA_KAVRO><KAVRO_DATA Version=\"12.4\">" + text + "</KAVRO_DATA></CMD_DATA_KAVRO>");
}

// The interface connected to a peer, with VORNAK's test structure received.
class Connection {
public:
    Connection() {
        VornakMode = true;
        VornakSocketOptions options;
        options.localPort = 0;
        vornak.emplace(posts, options, &host);
        Require(vornak->StartThread(peer.Port()) == 1 && peer.Accept(), "connect");
        Require(peer.ReadMessage() && peer.ReadMessage(), "first commands");
        vornak->OwnProject().GetTasks().Add(new CTaskKav("Release", kTaskFolder))->SetID("R1");
    }

    HostDouble host;
    LoopbackPeer peer;
    VornakPostQueue posts;
    std::optional<CVornakIF> vornak;
};

void BM_ProjectDataTaken(benchmark::State& state) {
    const std::string message = ProjectMessage();
    Connection connection;
    for (auto _ : state) {
        connection.vornak->SetState(kVornakHasStructure);
        connection.vornak->OnCommandFromManager(message);
        Require(connection.peer.ReadMessage().has_value(), "acknowledgement");
        Require(connection.host.Project().GetTasks().size() == kTasks + 1, "installed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(message.size()));
    state.counters["peak_MB"] = static_cast<double>(PeakMegabytes());
}
BENCHMARK(BM_ProjectDataTaken)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_TestStructureSynchronised(benchmark::State& state) {
    VornakMode = true;
    for (auto _ : state) {
        state.PauseTiming();
        HostDouble host;
        CApplicationKav& project = host.Project();
        project.GetMainFile()->SetID("M");
        CTaskKav* root = AddTask(project, "Project Release", "root", kTaskFolder, nullptr);
        project.SetRootTask(root);
        CTaskKav* release = AddTask(project, "Release", "R1", kTaskFolder, root);
        release->SetQuVornakTask(1);
        VornakPostQueue posts;
        CVornakIF vornak(posts, {}, &host);
        CApplicationKav& own = vornak.OwnProject();
        AddTask(own, "Release", "R1", kTaskFolder, nullptr);
        for (int f = 0; f < kProjectFolders; ++f) {
            CTaskKav* folder = AddTask(project, Numbered("Folder", f), Numbered("f", f), kTaskFolder, release);
            folder->SetQuVornakTask(1);
            AddTask(project, Numbered("Case", f), Numbered("c", f), kTaskPlain, folder)->SetQuVornakTask(1);
            if (f % 2 == 0) AddTask(own, Numbered("Folder", f), Numbered("f", f), kTaskFolder, nullptr)->SetParentId("R1");
        }
        state.ResumeTiming();
        Require(vornak.SynchronizeTestStructure() == 1, "synchronised");
        state.PauseTiming();
        Require(project.GetTasks().size() == 2 + 2 * kStructureFolders, "deleted");
        state.ResumeTiming();
    }
    state.counters["peak_MB"] = static_cast<double>(PeakMegabytes());
}
BENCHMARK(BM_TestStructureSynchronised)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
