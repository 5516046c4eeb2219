// The Windows page's tree of 5,000 windows (100 dialogs of 49 controls each, in the window
// table's order) filled and sorted at every level, by each sort order: by name, by window type,
// by UFT class.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/XMLElement.h"
#include "model/windows/WindowTypes.h"
#include "platform/Registry.h"
#include "platform/Settings.h"
#include "views/trees/WindowDlg.h"

namespace {

constexpr int kDialogs = 100;
constexpr int kControlsPerDialog = 49;
constexpr int kControlTypes[] = {kWndPushButton, kWndInputField, kWndStaticText, kWndCheckBox, kWndRadioButton,
                                 kWndComboBox,   kWndListBox,    kWndGroupBox};
const char* const kUftClasses[] = {"WinButton", "WinEdit", "Static", "WinCheckBox", "WinRadioButton",
                                   "WinComboBox", "WinList", "WinObject"};

class SilentHost : public TreePageHost {
public:
    void ReportPickedWindow(CWindowKav*) override {}
    void ReportPickedTask(CTaskKav*, bool) override {}
    void ReportTaskChanged(CTaskKav*) override {}
    void ReportWindowRenamed(CWindowKav*) override {}
    void OpenTaskFlow(CTaskKav*) override {}
    void SendCommand(int) override {}
    void RefreshAllViews() override {}
    void SetModified(const std::string&) override {}
    void ShowHelp(int) override {}
};

// Appended piecewise: GCC 12 warns falsely on a literal plus std::to_string at -O2.
std::string Numbered(const char* prefix, int number) {
    std::string text = prefix;
    text += std::to_string(number);
    return text;
}

// Names in no order of their own: the number's digits reversed lead.
std::string Scrambled(const char* prefix, int number) {
    std::string digits = std::to_string(number * 7919 % 100003);
    return Numbered(prefix, number).insert(0, std::string(digits.rbegin(), digits.rend()) + "_");
}

std::unique_ptr<CApplicationKav> MakeProject() {
    auto project = std::make_unique<CApplicationKav>();
    CFileKav* file = project->GetFiles().Add(new CFileKav("Bench", "Bench.xml", "/bench/Bench.xml"));
    CurrentApplication = project.get();
    const auto add = [&](const std::string& name, int type, CWindowKav* parent, int classIndex) {
        CWindowKav* window = CreateWindowOfType(type, {.id = name});
        window->SetFile(file);
        auto* description = new CXMLElement("qtpRep:Object");
        description->SetAttributeValue("Class", kUftClasses[classIndex]);
        window->SetToolData(description);
        project->GetWindowList().Add(window);
        if (parent) parent->AddChild(window);
        return window;
    };
    int counter = 0;
    for (int d = 0; d < kDialogs; ++d) {
        CWindowKav* dialog = add(Scrambled("D", d), kWndDialogBox, nullptr, 7);
        for (int c = 0; c < kControlsPerDialog; ++c, ++counter) {
            const int kind = counter * 5 % 8;
            add(Scrambled("C", counter), kControlTypes[kind], dialog, kind);
        }
    }
    return project;
}

void BM_FillWindowTree(benchmark::State& state, const char* order) {
    InstallSettings(std::make_unique<MemorySettings>());
    WriteRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), kSortOrderValue, order, kRegistryText);
    const std::unique_ptr<CApplicationKav> project = MakeProject();
    SilentHost host;
    CWindowDlg page(host);
    for (auto _ : state) {
        page.Fill();
        benchmark::DoNotOptimize(page.Tree().Children(kNoItem).data());
    }
    state.counters["windows"] = static_cast<double>(project->GetWindowList().GetCount());
    CurrentApplication = nullptr;
}

BENCHMARK_CAPTURE(BM_FillWindowTree, ByName, "Name")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FillWindowTree, ByType, "Type")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FillWindowTree, ByUftClass, "QTP")->Unit(benchmark::kMillisecond);

}  // namespace
