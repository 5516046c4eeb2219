#pragma once
// Which converter serves an output format code, and how the driver runs it. Batch mode and the
// conversion dialog pick converters from the same table; a new target is one folder and one
// line in StandardConverterTable, never a branch in the driver. A code that no line serves
// converts nothing.
#include <functional>
#include <memory>
#include <vector>

#include "conversion/framework/TestcaseConverter.h"

class CEventParser;
class CWindowKav;
class Progress;

enum class ConversionRoad {
    // One package per window and per task, each replay-checked and recorded as a test script.
    PerPackage,
    // One package with every test case of the scope; no replay check, no test script.
    WholeScope,
    // One exchange file at the output path (CTestcaseConverter::ExportFile).
    ExchangeFile,
};

// What a converter is made with.
struct ConverterSettings {
    int format = 0;
    int webTest = 0;
    // Where a converter that reports into the message log writes; may be null.
    Progress* progress = nullptr;
};

using ConverterFactory = std::function<std::unique_ptr<CTestcaseConverter>(const ConverterSettings&)>;
// The event parser of the format's tool, for those who ask which windows the tool can address.
using EventParserFactory = std::function<std::unique_ptr<CEventParser>()>;
// Computes the recognition tags of the window and of every window below it and stores them in
// the model; preferCaption is the tag generation's preference (0 numeric id, 1 caption). 1, or
// another value with the message in the global buffer.
using ToolTagGenerator = std::function<int(CWindowKav& window, int preferCaption)>;

struct ConverterEntry {
    std::vector<int> formats;  // the output format codes served
    ConversionRoad road;
    ConverterFactory create;
    // Empty for a format that writes for no outside tool.
    EventParserFactory createParser = nullptr;
    ToolTagGenerator generateTags = nullptr;
    // The run reports into the log as it goes, so the driver's closing reports (no test case,
    // how many converted) go there too rather than into message boxes.
    bool reportsIntoLog = false;
};

using ConverterTable = std::vector<ConverterEntry>;

// The converters of the program.
const ConverterTable& StandardConverterTable();
// The line that serves the code, or null.
const ConverterEntry* FindConverterEntry(const ConverterTable& table, int format);
