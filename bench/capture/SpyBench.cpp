// The GUI spy's own work: a complete web page captured, and a large capture put into the window
// table.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "capture/GuiSpyDlg.h"
#include "capture/HtmlCapture.h"
#include "model/ApplicationKav.h"
#include "model/GUIBuilderList.h"
#include "model/windows/WindowTypes.h"
#include "platform/HtmlTreeSource.h"

namespace {

constexpr std::uint64_t kTopWindow = 1;

// A page of 10,000 elements below its body: 100 sections, each with a group of 10 radio buttons,
// 20 fields, 20 buttons, 20 links holding a SPAN each and 9 lists.
std::unique_ptr<HtmlTreeSource> MakePage() {
    auto pages = std::make_unique<HtmlTreeSource>();
    const HtmlDocument page = pages->AddDocument("Bench", "http://bench/");
    const HtmlElement body = pages->Add(page, {.tag = "BODY", .offsets = {0, 0, 4000, 40000}});
    for (int section = 0; section < 100; ++section) {
        const int top = section * 400;
        const HtmlElement div = pages->Add(page, {.tag = "DIV", .offsets = {0, top, 4000, 400}}, body);
        const auto add = [&](TreeElement element, int index) {
            element.offsets.left = 10 + (index % 20) * 150;
            element.offsets.top = top + 10 + (index / 20) * 40;
            return pages->Add(page, std::move(element), div);
        };
        const std::string group = "group" + std::to_string(section);
        int index = 0;
        for (int i = 0; i < 10; ++i) {
            add({.tag = "INPUT", .offsets = {0, 0, 13, 13}, .value = "choice" + std::to_string(i), .name = group,
                 .inputType = "radio"},
                index++);
        }
        for (int i = 0; i < 20; ++i) {
            add({.tag = "INPUT", .offsets = {0, 0, 120, 20}, .name = "field" + std::to_string(i), .inputType = "text"}, index++);
        }
        for (int i = 0; i < 20; ++i) add({.tag = "BUTTON", .offsets = {0, 0, 60, 24}, .innerText = "Press"}, index++);
        for (int i = 0; i < 20; ++i) {
            const HtmlElement link =
                add({.tag = "A", .offsets = {0, 0, 80, 18}, .innerText = "Link", .href = "http://bench/next"}, index++);
            pages->Add(page, {.tag = "SPAN", .offsets = {0, 0, 40, 16}, .innerText = "Link"}, link);
        }
        for (int i = 0; i < 9; ++i) add({.tag = "SELECT", .offsets = {0, 0, 100, 24 + i * 4}, .name = "list"}, index++);
    }
    pages->SetBrowser(kTopWindow, page);
    return pages;
}

void BM_CaptureCompletePage(benchmark::State& state) {
    const std::unique_ptr<HtmlTreeSource> pages = MakePage();
    CHtmlCapture capture(*pages, nullptr);
    capture.InitBrowserInterface();
    std::size_t windows = 0;
    for (auto _ : state) {
        CWindowKav* page = nullptr;
        WindowRect rect;
        if (capture.CaptureAt(0, 0, true, true, {.topWindow = kTopWindow}, page, rect) != 1) {
            state.SkipWithError("the page was not captured");
            return;
        }
        state.PauseTiming();
        windows = page->GetChildren().size();
        CGuiSpyDlg::DeleteWindowTree(page);
        state.ResumeTiming();
    }
    state.counters["windows"] = static_cast<double>(windows);
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_CaptureCompletePage)->Unit(benchmark::kMillisecond);

class NoWindow : public GuiSpyHost {
public:
    void ShowMainWindow(bool) override {}
    int RunModal() override { return CGuiSpyDlg::kOk; }
    void CaptureMouse() override {}
    void ReleaseMouse() override {}
    void SetCursor(SpyCursor) override {}
    void ShowHighlight(const ScreenRect&) override {}
    void RemoveHighlight() override {}
    void ShowInformation(const std::vector<std::string>&) override {}
};

class NoDesktop : public WindowLocator {
public:
    PointedWindow WindowAt(int, int) override { return {}; }
    void Forget() override {}
};

CWindowKav* NewWindow(int type, const std::string& caption, const WindowRect& rect, CWindowKav* parent) {
    CWindowKav* window = CreateWindowOfType(type, {.caption = caption});
    window->SetRect(rect);
    if (parent) parent->AddChild(window);
    return window;
}

// A dialog of 20 group boxes, each with 33 labels, 33 fields named after them and 33 buttons all
// captioned "OK": 2,000 windows.
CWindowKav* MakeCapture() {
    CWindowKav* dialog = NewWindow(kWndDialogBox, "Bench", {0, 0, 2000, 2000}, nullptr);
    for (int group = 0; group < 20; ++group) {
        CWindowKav* box = NewWindow(kWndGroupBox, "Group " + std::to_string(group), {0, group * 100, 2000, group * 100 + 90}, dialog);
        for (int i = 0; i < 33; ++i) {
            NewWindow(kWndStaticText, "Label " + std::to_string(i), {i * 60, 10, i * 60 + 30, 22}, box);
            NewWindow(kWndInputField, "", {i * 60, 30, i * 60 + 50, 44}, box);
            NewWindow(kWndPushButton, "OK", {i * 60, 50, i * 60 + 50, 70}, box);
        }
    }
    return dialog;
}

void BM_InsertCaptureOfTwoThousandWindows(benchmark::State& state) {
    NoWindow host;
    NoDesktop desktop;
    HtmlTreeSource pages;
    CGUIBuilderList builders;
    for (auto _ : state) {
        state.PauseTiming();
        auto project = std::make_unique<CApplicationKav>();
        project->GetFiles().Add(new CFileKav("Bench", "Bench.xml", "/bench/Bench.xml"));
        CGuiSpyDlg spy(host, desktop, pages, *project, builders);
        CWindowKav* capture = MakeCapture();
        state.ResumeTiming();
        if (!spy.InsertCapture(capture)) {
            state.SkipWithError("the capture was refused");
            return;
        }
        state.PauseTiming();
        project.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * 2000);
}
BENCHMARK(BM_InsertCaptureOfTwoThousandWindows)->Unit(benchmark::kMillisecond);

}  // namespace
