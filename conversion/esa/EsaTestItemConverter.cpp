#include "conversion/esa/EsaTestItemConverter.h"

#include "conversion/framework/OutputFormats.h"
#include "conversion/xml/XMLConverter.h"
#include "platform/MessageBuffer.h"

namespace {

constexpr int kTestCasesConverted = 42020;  // [I0020]
constexpr int kNoValidTestCases = 44926;    // [W0926]

class CEsaTestItemConverter : public CXMLConverter {
public:
    explicit CEsaTestItemConverter(XmlConverterMode mode) : CXMLConverter(mode) {}

    // The whole project, whatever the scope: the file holds every test design.
    int ExportFile(ExchangeExport& request) override {
        int count = 0;
        const int result = GetMode() == XmlConverterMode::EsaEudArt ? ExportTestItems(request.output, count)
                                                                      : ExportTestItemsWithSteps(request.output, count);
        if (result != 1) return result;
        request.report = count == 0 ? MessageRequest{FormatMessageId(kNoValidTestCases), "Export Error",
                                                     MessageButtons::Ok, MessageIcon::Warning}
                                    : MessageRequest{FormatMessageId(kTestCasesConverted, count), "Export Successful",
                                                     MessageButtons::Ok, MessageIcon::Information};
        request.reportInBatch = false;
        return 1;
    }
};

}  // namespace

std::unique_ptr<CTestcaseConverter> CreateEsaTestItemConverter(const ConverterSettings& settings) {
    return std::make_unique<CEsaTestItemConverter>(settings.format == kFormatEsaEudArtXml ? XmlConverterMode::EsaEudArt
                                                                                           : XmlConverterMode::EsaDova);
}
