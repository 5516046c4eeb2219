#pragma once
// The generators that a run uses, one per family of methods.
#include "generation/TestCaseGenerator.h"

GeneratorTable DefaultGeneratorTable();
