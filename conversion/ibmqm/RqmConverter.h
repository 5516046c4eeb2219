#pragma once
// The converter of output format 12 (IBM quality manager) for the converter table: the
// exchange-file road writes the resource files of the scope and reports its success, in batch
// mode too; warnings that do not stop it go to the run's log.
#include <memory>

#include "conversion/framework/ConverterTable.h"

std::unique_ptr<CTestcaseConverter> CreateRqmConverter(const ConverterSettings& settings);
