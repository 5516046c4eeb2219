// Importing object repositories of 10,000 objects into an empty project: UFT's XML form and a
// Ranorex repository, each read, completed and added to the window table. Each repository holds
// 100 windows of 9 panels of 10 controls each. With argument 1 the panels' and controls' names
// repeat from window to window, as they do in real repositories, and the import numbers them
// apart; with 0 every name is unique.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "bench/import/EmptyProjectImports.h"
#include "conversion/ranorex/Ranorex.h"
#include "conversion/uft/QTP.h"
#include "import/repository/RepositoryReaders.h"
#include "model/WindowList.h"
#include "platform/Progress.h"

namespace {

constexpr int kWindows = 100;
constexpr int kPanels = 9;
constexpr int kControls = 10;

std::string N(int number) { return std::to_string(number); }

std::string UftProperty(const std::string& name, const std::string& type, const std::string& value) {
    return "<qtpRep:Property Name=\"" + name + "\" Hidden=\"0\" ReadOnly=\"0\" Type=\"" + type +
           "\">\n<qtpRep:Value RegularExpression=\"0\">" + value + "</qtpRep:Value>\n</qtpRep:Property>\n";
}

std::string UftObject(const std::string& className, const std::string& name, const std::string& text, int x, int y,
                      int width, int height, const std::string& children) {
    return "<qtpRep:Object Class=\"" + className + "\" Name=\"" + name + "\">\n<qtpRep:Properties>\n" +
           UftProperty("text", "STRING", text) + UftProperty("nativeclass", "STRING", className) +
           UftProperty("x", "NUMBER", N(x)) + UftProperty("y", "NUMBER", N(y)) +
           UftProperty("width", "NUMBER", N(width)) + UftProperty("height", "NUMBER", N(height)) +
           "</qtpRep:Properties>\n<qtpRep:BasicIdentification>\n<qtpRep:PropertyRef>text</qtpRep:PropertyRef>\n"
           "<qtpRep:PropertyRef>nativeclass</qtpRep:PropertyRef>\n</qtpRep:BasicIdentification>\n"
           "<qtpRep:SmartIdentification Algorithm=\"Mercury.TolerantPriority\" Active=\"1\"/>\n<qtpRep:Comments/>\n"
           "<qtpRep:ChildObjects>\n" + children + "</qtpRep:ChildObjects>\n</qtpRep:Object>\n";
}

// The name of a panel or control in window w.
std::string Named(const std::string& name, int w, bool repeatNames) {
    return repeatNames ? name : name + " of " + N(w);
}

std::string UftRepository(bool repeatNames) {
    std::string objects;
    for (int w = 0; w < kWindows; ++w) {
        std::string panels;
        for (int p = 0; p < kPanels; ++p) {
            std::string controls;
            for (int c = 0; c < kControls; ++c) {
                const std::string name = Named("Button " + N(c) + " " + N(p), w, repeatNames);
                controls += UftObject("WinButton", name, "Button " + N(c), 10 + 30 * c, 5, 25, 20, "");
            }
            panels += UftObject("WinObject", Named("Panel " + N(p), w, repeatNames), "", 10, 10 + 40 * p, 320, 35,
                                controls);
        }
        objects += UftObject("Dialog", "Dialog " + N(w), "Dialog " + N(w), 0, 0, 340, 380, panels);
    }
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<qtpRep:ObjectRepository xmlns:qtpRep=\"http://www.mercury.com/qtp/ObjectRepository\">\n"
           "<qtpRep:Objects>\n" + objects + "</qtpRep:Objects>\n<qtpRep:Parameters/>\n</qtpRep:ObjectRepository>\n";
}

std::string RanorexPath(const std::string& step, const std::string& attribute, const std::string& value, int x, int y,
                        int width, int height) {
    return step + "[@" + attribute + "='" + value + "' and @x='" + N(x) + "' and @y='" + N(y) + "' and @width='" +
           N(width) + "' and @height='" + N(height) + "']";
}

std::string RanorexRepository(bool repeatNames) {
    std::string folders;
    for (int w = 0; w < kWindows; ++w) {
        folders += "<appfolder name=\"Dialog" + N(w) + "\" capname=\"form\" addcaps=\"form,nativewindow\">\n";
        for (int p = 0; p < kPanels; ++p) {
            folders += "<folder name=\"" + Named("Panel " + N(p), w, repeatNames) +
                       "\" capname=\"container\" addcaps=\"container,nativewindow\">\n";
            for (int c = 0; c < kControls; ++c)
                folders += "<item name=\"" + Named("Button " + N(c) + " " + N(p), w, repeatNames) +
                           "\" capname=\"button\" addcaps=\"button,nativewindow\">" +
                           RanorexPath("button", "text", "Button " + N(c), 20 + 30 * c, 15 + 40 * p, 25, 20) + "</item>\n";
            folders += "<basepath>" + RanorexPath("container", "caption", "Panel " + N(p), 10, 10 + 40 * p, 320, 35) +
                       "</basepath>\n</folder>\n";
        }
        folders += "<basepath>" + RanorexPath("/form", "title", "Dialog " + N(w), 100, 100, 340, 380) +
                   "</basepath>\n</appfolder>\n";
    }
    return "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\n<repository name=\"Bench\" id=\"1\">\n"
           "<rootfolder name=\"Root\" capname=\"unknown\">\n" + folders + "</rootfolder>\n</repository>\n";
}

std::string WriteOnce(const std::string& name, const std::string& text) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}

template <class Import>
void RunImports(benchmark::State& state, Import import) {
    InstallRepositoryReaders();
    RunImportsIntoEmptyProject(state, 10000, [&] { return import() == 1; });
}

void BM_UftRepositoryImport(benchmark::State& state) {
    const bool repeatNames = state.range(0) != 0;
    const std::string path = WriteOnce("kavro_bench_uft_repository" + N(repeatNames) + ".xml", UftRepository(repeatNames));
    RunImports(state, [&] {
        Progress progress;
        CQTP converter(0, &progress);
        return converter.ImportRepository(path);
    });
}
BENCHMARK(BM_UftRepositoryImport)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_RanorexRepositoryImport(benchmark::State& state) {
    const bool repeatNames = state.range(0) != 0;
    const std::string path =
        WriteOnce("kavro_bench_ranorex_repository" + N(repeatNames) + ".rxrep", RanorexRepository(repeatNames));
    RunImports(state, [&] {
        MessageLog log;
        CRanorex converter(0, &log);
        return converter.ImportRepository(path);
    });
}
BENCHMARK(BM_RanorexRepositoryImport)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
