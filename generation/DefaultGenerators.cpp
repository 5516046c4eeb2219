#include "generation/DefaultGenerators.h"

#include "generation/RandomTesting.h"
#include "generation/TCGDriver.h"

GeneratorTable DefaultGeneratorTable() {
    GeneratorTable table;
    table.taskBased = [] { return std::make_unique<CTCGDriverGenerator>(); };
    table.transition = [] { return std::make_unique<CTCGDriverGenerator>(); };
    table.random = [] { return std::make_unique<CRandomTestGenerator>(); };
    return table;
}
