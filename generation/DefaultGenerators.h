#pragma once
// The generators that a run uses, one per family of methods; a family without one yet has
// none (a run of its methods then fails with a message).
#include "generation/TestCaseGenerator.h"

GeneratorTable DefaultGeneratorTable();
