#pragma once
// The sample project that ships in examples/insurance: a model of the insurance premium demo as
// a test designer makes it. Its dialog with every control and what using them does, an error
// box for the refused calculations, a data set of clients with classes, effects and records, a
// main task that loops over the valid clients through a building block, a task for a refused
// client, and the requirements they cover. Every identifier is fixed, so that the saved file is
// the same each time.
#include <memory>
#include <string>

class CApplicationKav;

// The project, its main file at the given path.
std::unique_ptr<CApplicationKav> BuildInsuranceSample(const std::string& mainFilePath);
