#pragma once
// One family of generation methods: task-based (graph and data coverage), transition tests,
// random tests. The run picks the family by the method code (GenerationMethods.h) and asks
// the table for a fresh generator of it.
#include <functional>
#include <memory>

#include "generation/GenerationRequest.h"

class Progress;

// Generation results, shared by every generator and the run.
enum GenerationResult : int {
    kGenerationFatal = -1,    // the run ends; its new test cases are deleted
    kGenerationFailed = 0,    // reported; a generator's walk goes on with the next element
    kGenerationSuccess = 1,
    kGenerationStopped = 2,   // by the user; what was generated so far is kept
};

class TestCaseGenerator {
public:
    virtual ~TestCaseGenerator() = default;
    // Generates for the request and hands the new test cases to the project. count receives
    // their number. Polls progress.ShouldStop() inside every long loop and returns
    // kGenerationStopped when it is set. On kGenerationFailed and kGenerationFatal the message
    // is in the global message buffer.
    virtual int Generate(const GenerationRequest& request, Progress& progress, int& count) = 0;
};

enum class GeneratorFamily { TaskBased, Transition, Random };

using GeneratorFactory = std::function<std::unique_ptr<TestCaseGenerator>()>;

// Which generator serves each family.
struct GeneratorTable {
    GeneratorFactory taskBased;
    GeneratorFactory transition;
    GeneratorFactory random;

    // A fresh generator, or null when the family has none.
    std::unique_ptr<TestCaseGenerator> Create(GeneratorFamily family) const;
};
