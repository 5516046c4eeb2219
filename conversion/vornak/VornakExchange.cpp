// The exchange file of output format 4: the test structure for the test-management product
// VORNAK, written whole or not at all.
#include <system_error>

#include "conversion/framework/ScriptFile.h"
#include "conversion/vornak/VornakExchangeConverter.h"
#include "conversion/xml/XMLConverter.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/TaskKav.h"
#include "model/WindowKav.h"
#include "platform/MessageBuffer.h"

namespace {

constexpr int kCannotOpenFile = 44791;  // [W0791]
constexpr int kExportSuccessful = 42019;  // [I0019]

constexpr const char* kHeader =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<!DOCTYPE VORNAK_EXCHANGE SYSTEM \"teststructure.dtd\">\n"
    "<VORNAK_EXCHANGE>\n";
constexpr const char* kFooter = "</VORNAK_EXCHANGE>\n";

class CVornakExchangeConverter : public CXMLConverter {
public:
    CVornakExchangeConverter() : CXMLConverter(XmlConverterMode::VornakExchange) {}

    int ExportFile(ExchangeExport& request) override {
        const int result = ExportVornakExchange(request.output, request.window, request.task);
        if (result == 1) {
            request.report = MessageRequest{FormatMessageId(kExportSuccessful), "VORNAK Export", MessageButtons::Ok,
                                            MessageIcon::Information};
            request.reportInBatch = true;
        }
        return result;
    }
};

}  // namespace

std::unique_ptr<CTestcaseConverter> CreateVornakExchangeConverter(const ConverterSettings&) {
    return std::make_unique<CVornakExchangeConverter>();
}

int CXMLConverter::ExportVornakExchange(const std::filesystem::path& path, CWindowKav* window, CTaskKav* task) {
    if (!CurrentApplication) return 0;
    ScriptFile file(path, ScriptEncoding::Utf8, LineEnd::Lf);
    file.Write(kHeader);
    const auto write = [&](CWindowKav* w, CTaskKav* t, bool force) {
        std::string fragment;
        const int result = WriteVornakTestItems(w, t, false, force, nullptr, fragment);
        file.Write(fragment);
        return result == 1;
    };
    bool written;
    if (window) {
        written = write(window, nullptr, false);
    } else if (task) {
        written = write(nullptr, task, task->GetType() == kTaskPlain);
    } else {
        written = true;
        for (CWindowKav* topWindow : CurrentApplication->GetWindowList().Snapshot())
            if (!topWindow->GetParent() && !(written = write(topWindow, nullptr, false))) break;
        CTaskKav* root = CurrentApplication->GetRootTask();
        if (written && root) written = write(nullptr, root, false);
    }
    // The file stays as it was.
    if (!written) return 0;
    file.Write(kFooter);
    // The proposed path lies in the user's script folder, which no conversion may have made yet.
    std::error_code ignored;
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ignored);
    if (!file.Commit()) {
        SetMessage(kCannotOpenFile, path.string());
        return 0;
    }
    return 1;
}
