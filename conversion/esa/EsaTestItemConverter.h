#pragma once
// The converter of output formats 3 (ESA Test Commander) and 14 (ESA EUD-ART) for the
// converter table: the exchange-file road writes the TESTITEM file of the project and reports
// how many test cases it holds, outside batch mode only.
#include <memory>

#include "conversion/framework/ConverterTable.h"

std::unique_ptr<CTestcaseConverter> CreateEsaTestItemConverter(const ConverterSettings& settings);
