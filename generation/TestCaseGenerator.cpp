#include "generation/TestCaseGenerator.h"

std::unique_ptr<TestCaseGenerator> GeneratorTable::Create(GeneratorFamily family) const {
    const GeneratorFactory& factory = family == GeneratorFamily::TaskBased    ? taskBased
                                      : family == GeneratorFamily::Transition ? transition
                                                                              : random;
    return factory ? factory() : nullptr;
}
