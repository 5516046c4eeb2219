#include "conversion/ibmqm/RqmConverter.h"

#include "conversion/xml/XMLConverter.h"
#include "platform/MessageBuffer.h"

namespace {

constexpr int kExportSuccessful = 42018;  // [I0018]

class CRqmConverter : public CXMLConverter {
public:
    explicit CRqmConverter(Progress* log) : CXMLConverter(XmlConverterMode::QualityManager) { SetLog(log); }

    int ExportFile(ExchangeExport& request) override {
        const int result = ExportRqm(request.output, request.window, request.task);
        if (result == 1) {
            request.report = MessageRequest{FormatMessageId(kExportSuccessful), "IBM Quality Manager Export",
                                            MessageButtons::Ok, MessageIcon::Information};
            request.reportInBatch = true;
        }
        return result;
    }
};

}  // namespace

std::unique_ptr<CTestcaseConverter> CreateRqmConverter(const ConverterSettings& settings) {
    return std::make_unique<CRqmConverter>(settings.progress);
}
