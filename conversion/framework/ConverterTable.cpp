#include "conversion/framework/ConverterTable.h"

#include <algorithm>

#include "conversion/framework/OutputFormats.h"
#include "conversion/plaintext/PlainTextConverter.h"
#include "conversion/silktest/QAP4.h"
#include "conversion/vornak/VornakExchangeConverter.h"
#include "conversion/esa/EsaTestItemConverter.h"
#include "conversion/ibmqm/RqmConverter.h"
#include "conversion/winrunner/WinRunner.h"
#include "conversion/testpartner/TestPartnerTCC.h"
#include "conversion/ranorex/Ranorex.h"
#include "conversion/uft/QTP.h"

const ConverterTable& StandardConverterTable() {
    static const ConverterTable table = {
        {{kFormatPlainText, kFormatUniversalFile, kFormatAlmSheet}, ConversionRoad::PerPackage,
         CreatePlainTextConverter},
        {{kFormatBlockInfoSheet}, ConversionRoad::WholeScope, CreatePlainTextConverter},
        {{kFormatVornakXml}, ConversionRoad::ExchangeFile, CreateVornakExchangeConverter},
        {{kFormatEsaDovaXml}, ConversionRoad::ExchangeFile, CreateEsaTestItemConverter},
        {{kFormatEsaEudArtXml}, ConversionRoad::ExchangeFile, CreateEsaTestItemConverter},
        {{kFormatIbmQmXml}, ConversionRoad::ExchangeFile, CreateRqmConverter},
        {{kFormatSilkTest}, ConversionRoad::PerPackage, CreateSilkTestConverter, CreateSilkTestEventParser,
         GenerateSilkTestTags},
        {{kFormatWinRunner}, ConversionRoad::PerPackage, CreateWinRunnerConverter, CreateWinRunnerEventParser,
         GenerateWinRunnerTags},
        {{kFormatTestPartner}, ConversionRoad::PerPackage, CreateTestPartnerConverter, CreateTestPartnerEventParser,
         GenerateTestPartnerTags},
        {{kFormatRanorex}, ConversionRoad::PerPackage, CreateRanorexConverter, CreateRanorexEventParser,
         GenerateRanorexTags},
        {{kFormatUft}, ConversionRoad::PerPackage, CreateUftConverter, CreateUftEventParser, GenerateUftTags, true},
    };
    return table;
}

const ConverterEntry* FindConverterEntry(const ConverterTable& table, int format) {
    for (const ConverterEntry& entry : table)
        if (std::find(entry.formats.begin(), entry.formats.end(), format) != entry.formats.end()) return &entry;
    return nullptr;
}
