#pragma once
// The task-based family of the generator table: graph coverage (methods 1, 2, 4) and data
// coverage (8, 16, 24) of the request's task, or of the project's root task when the request
// names none. The test cases go to the project in place of its earlier ones of that kind and
// scope. Tasks below the one given are the walk of the generation driver, which serves this
// family in its place once it exists.
#include "generation/TestCaseGenerator.h"

class CTaskCoverageGenerator : public TestCaseGenerator {
public:
    int Generate(const GenerationRequest& request, Progress& progress, int& count) override;
};
