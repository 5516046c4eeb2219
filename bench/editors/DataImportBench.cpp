// Test data import of a file of 50,000 records of 20 fields (about 7 MB, one name per field in
// the header) into an empty data set, against reading the same file and splitting it into its
// lines and values.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "editors/data/DataImportDlg.h"
#include "model/ApplicationKav.h"
#include "model/DataSet.h"
#include "model/FileKav.h"
#include "model/ShellServices.h"

namespace {

constexpr int kRecords = 50000;
constexpr int kFields = 20;
constexpr char kSeparator[] = ";";

// Appended piecewise: GCC 12 warns falsely on a literal plus std::to_string at -O2.
std::string Numbered(const char* prefix, int number) {
    std::string text = prefix;
    text += std::to_string(number);
    return text;
}

// The file, written once: numbers, words and an empty value now and then.
const std::string& DataFile() {
    static const std::string path = [] {
        const std::filesystem::path file = std::filesystem::temp_directory_path() / "kavro_bench_import.csv";
        std::ofstream out(file, std::ios::binary);
        for (int field = 0; field < kFields; ++field) out << (field ? kSeparator : "") << Numbered("Field ", field);
        out << "\r\n";
        for (int record = 0; record < kRecords; ++record) {
            for (int field = 0; field < kFields; ++field) {
                if (field) out << kSeparator;
                if (field % 3 == 0) out << record * 31 + field;
                else if (field % 7 != 6 || record % 5) out << Numbered(field % 2 ? "Value_" : "City ", record % 977);
            }
            out << "\r\n";
        }
        return file.string();
    }();
    return path;
}

void BM_DataImport(benchmark::State& state) {
    CApplicationKav project;
    CFileKav* mainFile = project.GetFiles().Add(new CFileKav("Proj"));
    CurrentApplication = &project;
    const std::string& path = DataFile();
    for (auto _ : state) {
        state.PauseTiming();
        auto dataSet = std::make_unique<CDataSet>("Imported");
        dataSet->SetFile(mainFile);
        state.ResumeTiming();
        if (CDataImportDlg::ImportFile(path, kSeparator, *dataSet) != 1) state.SkipWithError("import failed");
        benchmark::DoNotOptimize(dataSet->GetRecords().size());
        state.PauseTiming();
        dataSet.reset();
        state.ResumeTiming();
    }
    CurrentApplication = nullptr;
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_DataImport)->Unit(benchmark::kMillisecond);

// What every reader of the file does at least: its bytes read whole, then each line cut off
// and its values copied out; with store, each line's values also go into a map by a key of 12
// characters per column, as a record keeps them, and the maps stay until the file is read.
template <bool store>
void ReadAndSplit(benchmark::State& state) {
    const std::string& path = DataFile();
    std::vector<std::string> keys;
    for (int field = 0; field < kFields; ++field) keys.push_back(Numbered("FieldKey_", 100 + field));
    std::vector<std::string> values;
    std::vector<std::map<std::string, std::string>> stored;
    for (auto _ : state) {
        stored.clear();
        std::string bytes;
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
        char chunk[1 << 16];
        while (const size_t read = std::fread(chunk, 1, sizeof chunk, file.get())) bytes.append(chunk, read);
        const std::string_view text(bytes);
        size_t count = 0;
        for (size_t start = 0; start < text.size();) {
            size_t end = text.find('\n', start);
            if (end == std::string_view::npos) end = text.size();
            std::string_view line = text.substr(start, end - start);
            if (line.ends_with('\r')) line.remove_suffix(1);
            start = end + 1;
            values.clear();
            for (size_t from = 0;;) {
                const size_t at = line.find(kSeparator, from);
                values.emplace_back(line.substr(from, at == std::string_view::npos ? at : at - from));
                if (at == std::string_view::npos) break;
                from = at + 1;
            }
            count += values.size();
            if constexpr (store) {
                auto& map = stored.emplace_back();
                for (size_t column = 0; column < values.size() && column < keys.size(); ++column)
                    map.insert_or_assign(map.end(), keys[column], std::move(values[column]));
            }
        }
        benchmark::DoNotOptimize(count);
        state.PauseTiming();
        stored.clear();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}

void BM_ReadAndSplit(benchmark::State& state) { ReadAndSplit<false>(state); }
BENCHMARK(BM_ReadAndSplit)->Unit(benchmark::kMillisecond);

void BM_ReadSplitAndStore(benchmark::State& state) { ReadAndSplit<true>(state); }
BENCHMARK(BM_ReadSplitAndStore)->Unit(benchmark::kMillisecond);

}  // namespace
