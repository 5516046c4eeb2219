// The window view on a dialog of 500 controls with 1,000 transitions: routing the arrows,
// ordering the controls for drawing, the whole drawing list, and counting the pages of its
// printed transition list. Texts are measured by a surface that gives every character the same
// width and draws nothing.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/windows/WindowTypes.h"
#include "views/drawing/TextLines.h"
#include "views/print/PrintPage.h"
#include "views/window/DialogView.h"
#include "views/window/DialogViewPrint.h"
#include "views/window/WindowDrawing.h"

namespace {

constexpr int kControls = 500;
constexpr int kColumns = 25;
constexpr int kOutsideWindows = 20;

class MeasuringSurface : public TextSurface {
public:
    ViewSize Measure(const std::string& text, const TextFont& font, int wrapWidth) const override {
        const auto width = [](const std::string& line) { return static_cast<int>(line.size()) * 6; };
        const auto lines = BreakIntoLines(text, wrapWidth, width);
        int widest = 0;
        for (const std::string& line : lines) widest = std::max(widest, width(line));
        return {widest, static_cast<int>(lines.size()) * font.height};
    }
    void Draw(const DrawPrimitive& primitive) override { benchmark::DoNotOptimize(&primitive); }
    void SetUnitsPerInch(int) override {}
};

class SilentHost : public DialogViewHost {
public:
    void ReportPicked(CWindowKav*) override {}
    void ReportTransition(CTransitionKav*) override {}
    void ReportNewWindow(CWindowKav*) override {}
    void ReportOpenWindow(CWindowKav*) override {}
    void SendCommand(int) override {}
    void RefreshAllViews() override {}
    void ResetWindowPalette() override {}
    int GetDrawingTool() const override { return CDialogView::kSelectTool; }
    void ShowTitle(const std::string&) override {}
    void SetScrollSizes(ViewSize) override {}
    void Redraw() override {}
    void CloseView() override {}
    WindowSizeLimits GetWindowSizeLimits() const override { return {}; }
};

// Appended piecewise: GCC 12 warns falsely on a literal plus std::to_string at -O2.
std::string Numbered(const char* prefix, int number) {
    std::string text = prefix;
    text += std::to_string(number);
    return text;
}

// A dialog with a grid of buttons, edits and check boxes; each control has two transitions:
// one to another control, one to a window outside, to itself, to the dialog or to a control.
struct LargeDialog {
    LargeDialog() {
        CFileKav* file = app.GetFiles().Add(new CFileKav("Bench", "Bench.xml", "/bench/Bench.xml"));
        CurrentApplication = &app;
        const auto add = [&](const std::string& name, int type, CWindowKav* parent, WindowRect rect) {
            CWindowKav* window = CreateWindowOfType(type, {.id = name, .caption = name});
            window->SetFile(file);
            window->SetRect(rect);
            app.GetWindowList().Add(window);
            if (parent) parent->AddChild(window);
            return window;
        };
        dialog = add("BenchDialog", kWndDialogBox, nullptr, {0, 0, 2000, 1500});
        std::vector<CWindowKav*> outside, controls;
        for (int i = 0; i < kOutsideWindows; ++i) outside.push_back(add(Numbered("Outside", i), kWndDialogBox, nullptr, {0, 0, 300, 200}));
        const int types[] = {kWndPushButton, kWndInputField, kWndCheckBox, kWndStaticText};
        for (int i = 0; i < kControls; ++i) {
            const int left = 10 + 78 * (i % kColumns), top = 10 + 70 * (i / kColumns);
            controls.push_back(add(Numbered("Control", i), types[i % 4], dialog, {left, top, left + 70, top + 30}));
        }
        for (int i = 0; i < kControls; ++i) {
            const auto connect = [&](int n, CWindowKav* to) {
                auto* transition = new CTransitionKav(Numbered("T", n), "{Click}", "", "", "", "", controls[i], to, 0,
                                                      nullptr, 2, "", 0);
                controls[i]->GetTransitions().Add(transition);
            };
            connect(2 * i, controls[(i * 7 + 1) % kControls]);
            switch (i % 10) {
                case 0: connect(2 * i + 1, outside[(i / 10) % kOutsideWindows]); break;
                case 1: connect(2 * i + 1, controls[i]); break;
                case 2: connect(2 * i + 1, dialog); break;
                default: connect(2 * i + 1, controls[(i * 13 + 5) % kControls]); break;
            }
        }
    }
    ~LargeDialog() { CurrentApplication = nullptr; }

    CApplicationKav app;
    CWindowKav* dialog = nullptr;
};

LargeDialog& Model() {
    static LargeDialog model;
    return model;
}

// A window view that shows the large dialog with its transitions.
struct ShownDialog {
    ShownDialog() { view.SetDisplayedWindow(Model().dialog, CDialogView::kShowTransitions); }

    SilentHost host;
    CDialogView view{host};
    MeasuringSurface surface;
};

void BM_RouteArrows(benchmark::State& state) {
    ShownDialog shown;
    for (auto _ : state) {
        shown.view.SetDisplayedWindow(Model().dialog, CDialogView::kShowTransitions);
        shown.view.RouteArrows();
        benchmark::DoNotOptimize(shown.view.Arrows().GetArrows().size());
    }
    state.counters["arrows"] = static_cast<double>(shown.view.Arrows().GetArrows().size());
}
BENCHMARK(BM_RouteArrows)->Unit(benchmark::kMillisecond);

void BM_OrderForDrawing(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(OrderForDrawing(*Model().dialog, {}, nullptr));
}
BENCHMARK(BM_OrderForDrawing)->Unit(benchmark::kMillisecond);

void BM_PaintWholeView(benchmark::State& state) {
    ShownDialog shown;
    shown.view.RouteArrows();
    std::size_t primitives = 0;
    for (auto _ : state) primitives = shown.view.Paint(shown.surface, false).size();
    state.counters["primitives"] = static_cast<double>(primitives);
}
BENCHMARK(BM_PaintWholeView)->Unit(benchmark::kMillisecond);

void BM_CountPrintedPages(benchmark::State& state) {
    ShownDialog shown;
    int pages = 0;
    for (auto _ : state) pages = PrintDialogPage(shown.view, shown.surface, PageRectInPoints(0, 0, 0, 0), 0);
    state.counters["pages"] = pages;
}
BENCHMARK(BM_CountPrintedPages)->Unit(benchmark::kMillisecond);

}  // namespace
