#pragma once
// The steps that the command line asks for once the project is open, each on the current
// application, in the order start-up runs them: -d, -w, -g, -c, -x. Their warnings go through
// Interaction; what the long steps log goes to the progress observer given.
#include <string>
#include <vector>

#include "conversion/framework/ConverterTable.h"
#include "generation/DefaultGenerators.h"
#include "generation/RandomTestSettings.h"
#include "shell/CommandLine.h"

class Progress;
class ProgressObserver;

// -d: each name is resolved as a designator, in order; an attribute gets the pair's value, any
// other object is left alone, and a name that resolves to nothing shows the resolver's message
// as a warning while the other pairs are still set.
void ApplyNameValuePairs(const std::vector<NameValuePair>& pairs);

// -w: the window of that name becomes the start window: 1. A window that does not exist, has a
// parent, or is not both visible and enabled is refused with [W0985], [W0986] or [W0987] as a
// warning, and the start window stays: 0.
int SetStartWindowFromCommandLine(const std::string& name);

// The random-test settings that batch generation runs with, in place of the dialog's stored ones.
inline constexpr RandomTestSettings kBatchRandomTestSettings{
    .goal = 1, .percentage = 100, .iterations = 70, .maxTestCases = 3, .maxLength = 100,
    .timeout = 0, .method = 1, .dfsDepth = 6};

// -g: generates for the whole project with the method code, closing by itself; the run's log
// lines reach the observer. 1 when the run succeeded, else 0 after its message as a warning.
int GenerateInBatch(int methodCode, ProgressObserver* observer, GeneratorTable generators = DefaultGeneratorTable());

// -c: converts every test case of the project with the batch rules for the output format and
// the command line's paths; the converter reports into progress (may be null). 1 when the
// conversion ran through, else 0 after its message.
int ConvertInBatch(Progress* progress, const ConverterTable& converters = StandardConverterTable());

// The steps the line asks for, in their order; generation's log lines reach the observer,
// conversion reports into progress (either may be null). False when -g or -c failed; the later
// steps ran all the same.
bool RunCommandLineSteps(const CommandLine& line, ProgressObserver* observer, Progress* progress);

// -x: exports the SMURF object maps into the folder; a failure shows the exporter's message as a
// warning. 1 exported, else 0.
int ExportSmurfInBatch(const std::string& exportPath);
