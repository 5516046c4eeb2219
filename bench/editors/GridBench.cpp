// The record grid's model with the data record dialog's load: 10,000 records of 50 fields,
// 550,000 cells with the five columns before the fields, against putting the same texts into
// a std::map; and one paint of a screen of it. The grid measures with its headless stand-in and
// paints on a canvas that draws nothing.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "editors/grid/BabyGrid.h"

namespace {

constexpr int kRecords = 10000;
constexpr int kFields = 50;
constexpr int kColumns = kFields + 5;

// Appended piecewise: GCC 12 warns falsely on a literal plus std::to_string at -O2.
std::string Numbered(const char* prefix, int number) {
    std::string text = prefix;
    text += std::to_string(number);
    return text;
}

// The texts by row, column: an ID, an origin, effects, effect variables, the valid flag, then
// field values that alternate between numbers and words.
const std::vector<std::string>& CellTexts() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> made;
        made.reserve(static_cast<std::size_t>(kRecords) * kColumns);
        for (int row = 1; row <= kRecords; ++row) {
            made.push_back(Numbered("Rec_V", row));
            made.push_back("Equivalence Class Method");
            made.push_back(row % 3 == 0 ? "Senior" : "");
            made.push_back(row % 3 == 0 ? "Surcharge: 1" : "");
            made.push_back(row % 7 == 0 ? "FALSE" : "TRUE");
            for (int field = 0; field < kFields; ++field)
                made.push_back(field % 2 ? std::to_string(row * 31 + field) : Numbered("Value_", field + row % 10));
        }
        return made;
    }();
    return texts;
}

class SilentOwner : public GridOwner {
public:
    void OnGridNotify(const GridNotice&) override {}
};

class NullCanvas : public GridCanvas {
public:
    void Fill(const GridRect&, GridColour) override {}
    void EtchedEdge(const GridRect&) override {}
    void Cell(const GridRect&, GridColour, GridColour) override {}
    void Text(const GridRect& rect, const std::string& text, const GridFont&, GridColour, unsigned) override {
        benchmark::DoNotOptimize(rect);
        benchmark::DoNotOptimize(text.data());
    }
    void CheckBox(const GridRect&, bool) override {}
    void Frame(const GridRect&, GridColour, int) override {}
    void EditBox(const GridRect&) override {}
};

// As the record dialog fills it: placed, sized, then every cell in row order.
void FillGrid(CBabyGrid& grid) {
    grid.Move({7, 7, 7 + 688, 7 + 320});
    grid.SetSize(kRecords, kColumns);
    const std::vector<std::string>& texts = CellTexts();
    std::size_t next = 0;
    for (int row = 1; row <= kRecords; ++row)
        for (int column = 1; column <= kColumns; ++column) grid.SetCell({row, column}, texts[next++]);
}

void BM_GridFill(benchmark::State& state) {
    SilentOwner owner;
    CellTexts();  // made before the clock runs
    for (auto _ : state) {
        auto* grid = new CBabyGrid(500, "Data Record Grid", owner);
        FillGrid(*grid);
        benchmark::DoNotOptimize(grid->Cells().Size());
        state.PauseTiming();
        delete grid;
        state.ResumeTiming();
    }
    state.counters["cells"] = static_cast<double>(CellTexts().size());
}

void BM_MapFillOfTheSameTexts(benchmark::State& state) {
    CellTexts();
    for (auto _ : state) {
        auto* cells = new std::map<std::pair<int, int>, std::string>;
        const std::vector<std::string>& texts = CellTexts();
        std::size_t next = 0;
        for (int row = 1; row <= kRecords; ++row)
            for (int column = 1; column <= kColumns; ++column) cells->emplace(std::pair{row, column}, texts[next++]);
        benchmark::DoNotOptimize(cells->size());
        state.PauseTiming();
        delete cells;
        state.ResumeTiming();
    }
    state.counters["cells"] = static_cast<double>(CellTexts().size());
}

// One screen: 688 by 320 pixels, the cursor row highlighted, scrolled to the middle.
void BM_GridPaintOneScreen(benchmark::State& state) {
    SilentOwner owner;
    CBabyGrid grid(500, "Data Record Grid", owner);
    FillGrid(grid);
    grid.SetTitleHeight(0);
    grid.SetCursor(kRecords / 2, 6);
    NullCanvas canvas;
    for (auto _ : state) grid.Paint(canvas);
    const GridVisibleRange range = grid.VisibleRange();
    state.counters["cells_shown"] =
        static_cast<double>((range.bottomRow - range.topRow + 1) * (range.rightColumn - range.leftColumn + 1));
}

BENCHMARK(BM_GridFill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MapFillOfTheSameTexts)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridPaintOneScreen)->Unit(benchmark::kMicrosecond);

}  // namespace
