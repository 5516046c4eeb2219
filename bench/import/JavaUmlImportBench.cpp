// A recorded Java GUI description of 20,000 windows read into an empty project: 200 dialogs of
// 99 controls whose captions repeat from dialog to dialog, so that each new name is checked
// against the window table. And a UML model of about 5 MB in XMI form through the three XSLT
// passes into a project file: 26 packages of 25 use cases, each with an activity of 20
// actions joined by decision and merge nodes.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "bench/import/EmptyProjectImports.h"
#include "import/java/JavaGuiImport.h"
#include "import/uml/XmiTransformer.h"
#include "platform/UserFolders.h"

namespace {

namespace fs = std::filesystem;

constexpr int kDialogs = 200;
constexpr int kControlsPerDialog = 99;
constexpr int kPackages = 26;
constexpr int kUseCasesPerPackage = 25;
constexpr int kActionsPerActivity = 20;

std::string N(int number) { return std::to_string(number); }

std::string WriteTemporary(const std::string& name, const std::string& bytes) {
    const fs::path path = fs::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

std::string KvjLine(const std::string& keyword, const std::string& caption, int depth, int top, const char* extra) {
    const std::string separator = "\xB6";
    return std::string(static_cast<size_t>(depth), '\t') + keyword + separator + separator + "javax.swing.J" + keyword +
           separator + caption + separator + "10" + separator + N(top) + separator + "200" + separator +
           N(top + 20) + separator + "1" + separator + "1" + extra + "\r\n";
}

std::string JavaGuiDescription() {
    std::string text = "KAVRO Java GUI Spy\r\n";
    for (int d = 0; d < kDialogs; ++d) {
        text += KvjLine("dialogbox", "Dialog " + N(d), 0, 0, "\xB6" "0");
        for (int c = 0; c < kControlsPerDialog; ++c)
            text += c % 3 == 0 ? KvjLine("pushbutton", "Button " + N(c), 1, 25 * c, "\xB6" "0")
                               : KvjLine(c % 3 == 1 ? "checkbox" : "radiobutton", "Option " + N(c), 1, 25 * c, "");
    }
    return text;
}

void BM_JavaGuiImport(benchmark::State& state) {
    const std::string path = WriteTemporary("bench_java_gui.kvj", JavaGuiDescription());
    RunImportsIntoEmptyProject(state, 20000, [&] { return ImportJavaGuiFile(path); });
    fs::remove(path);
}
BENCHMARK(BM_JavaGuiImport)->Unit(benchmark::kMillisecond);

std::string Element(const std::string& tag, const std::string& type, const std::string& id, const std::string& rest) {
    return "<" + tag + " xmi:type=\"uml:" + type + "\" xmi:id=\"" + id + "\"" + rest + "/>\n";
}

std::string Flow(const std::string& id, const std::string& source, const std::string& target) {
    return Element("edge", "ControlFlow", id, " source=\"" + source + "\" target=\"" + target + "\"");
}

// initial -> a0 -> decision -> a1 | merge; a1 -> merge -> a2 ... -> final.
std::string Activity(const std::string& prefix) {
    std::string nodes = Element("node", "InitialNode", prefix + "i", "");
    std::string flows = Flow(prefix + "f", prefix + "i", prefix + "a0");
    for (int a = 0; a < kActionsPerActivity; ++a) {
        const std::string action = prefix + "a" + N(a);
        nodes += Element("node", "OpaqueAction", action, " name=\"Step " + N(a) + " of the use case\"");
        if (a % 2 == 0) {
            nodes += Element("node", "DecisionNode", action + "d", "") + Element("node", "MergeNode", action + "m", "");
            flows += Flow(action + "e1", action, action + "d") + Flow(action + "e2", action + "d", prefix + "a" + N(a + 1)) +
                     Flow(action + "e3", action + "d", action + "m") +
                     Flow(action + "e4", prefix + "a" + N(a + 1), action + "m");
        } else {
            flows += Flow(action + "e5", prefix + "a" + N(a - 1) + "m", prefix + "a" + N(a + 1));
        }
    }
    nodes += Element("node", "ActivityFinalNode", prefix + "a" + N(kActionsPerActivity), "");
    return nodes + flows;
}

std::string UmlModel() {
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xmi:XMI xmi:version=\"2.1\" "
                       "xmlns:xmi=\"http://schema.omg.org/spec/XMI/2.1\" xmlns:uml=\"http://schema.omg.org/spec/UML/2.1\">\n"
                       "<uml:Model xmi:type=\"uml:Model\" xmi:id=\"model\" name=\"Bench\">\n";
    for (int p = 0; p < kPackages; ++p) {
        text += "<packagedElement xmi:type=\"uml:Package\" xmi:id=\"p" + N(p) + "\" name=\"Package " + N(p) + "\">\n";
        for (int u = 0; u < kUseCasesPerPackage; ++u) {
            const std::string id = "p" + N(p) + "u" + N(u);
            text += "<packagedElement xmi:type=\"uml:UseCase\" xmi:id=\"" + id + "\" name=\"Use case " + N(u) + "\">\n" +
                    Element("ownedComment", "Comment", id + "c", " body=\"What use case " + N(u) + " does.\"") +
                    "<ownedBehavior xmi:type=\"uml:Activity\" xmi:id=\"" + id + "act\">\n" + Activity(id) +
                    "</ownedBehavior>\n</packagedElement>\n";
        }
        text += "</packagedElement>\n";
    }
    return text + "</uml:Model>\n</xmi:XMI>\n";
}

void BM_XmiPasses(benchmark::State& state) {
    const std::string model = UmlModel();
    const std::string input = WriteTemporary("bench_model.xmi", model);
    const fs::path folder = fs::temp_directory_path() / "kavro_bench_xmi";
    fs::create_directories(folder);
    UserFolders folders;
    folders.projects = folder;
    SetUserFolders(folders);
    for (auto _ : state) {
        CXmiTransformer transformer;
        if (!transformer.ConvertUml(input, (folder / "project.xml").string())) state.SkipWithError("passes failed");
    }
    state.counters["bytes"] = static_cast<double>(model.size());
    fs::remove(input);
    fs::remove_all(folder);
}
BENCHMARK(BM_XmiPasses)->Unit(benchmark::kMillisecond);

}  // namespace
