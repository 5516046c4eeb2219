#pragma once
// The converter of output format 4 for the converter table: the exchange-file road writes the
// VORNAK exchange file of the scope and reports its success.
#include <memory>

#include "conversion/framework/ConverterTable.h"

std::unique_ptr<CTestcaseConverter> CreateVornakExchangeConverter(const ConverterSettings& settings);
