#pragma once
// The method codes a run accepts, each with its family of generators and the lines the run
// logs around it.
#include "generation/TestCaseGenerator.h"

struct GenerationMethod {
    int code;
    GeneratorFamily family;
    const char* announcement;      // logged before the generator runs; null for none
    bool announcesTaskGraph;       // "Initializing task graph" as well in the old task mode
    const char* countFormat;       // "%d" the number of new test cases, after success
    const char* failureLine;       // logged before the generator's message; null for none
};

// The entry of the code, or null: a run with any other code generates nothing.
const GenerationMethod* FindGenerationMethod(int code);
