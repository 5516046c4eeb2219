#include "generation/DefaultGenerators.h"

#include "generation/TCGDriver.h"

GeneratorTable DefaultGeneratorTable() {
    GeneratorTable table;
    table.taskBased = [] { return std::make_unique<CTCGDriverGenerator>(); };
    table.transition = [] { return std::make_unique<CTCGDriverGenerator>(); };
    return table;
}
