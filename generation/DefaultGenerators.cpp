#include "generation/DefaultGenerators.h"

#include "generation/TaskCoverageGenerator.h"

GeneratorTable DefaultGeneratorTable() {
    GeneratorTable table;
    table.taskBased = [] { return std::make_unique<CTaskCoverageGenerator>(); };
    return table;
}
