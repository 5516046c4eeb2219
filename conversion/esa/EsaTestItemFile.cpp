// The TESTITEM files of the ESA test tools, Test Commander (format 3) and EUD-ART (format 14):
// a TESTDESIGN per test design with test cases, written whole or not at all, and the SMURF
// object maps of the applications the steps name in the file's folder.
#include <system_error>

#include "conversion/esa/TestItemDesign.h"
#include "conversion/framework/EsaTestDesigns.h"
#include "conversion/framework/ScriptFile.h"
#include "conversion/xml/XMLConverter.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "platform/MessageBuffer.h"

namespace {

constexpr int kCannotCreateFile = 44927;  // [W0927]

std::string TestItemStartTag(const CApplicationKav& app, bool eudArt) {
    std::string tag = "<TESTITEM name=\"" + CXMLInterface::EscapeText(app.GetName(), true) + "\"";
    if (!app.GetDescription().empty())
        tag += " description=\"" + CXMLInterface::EscapeText(app.GetDescription(), true) + "\"";
    tag += " version=\"1.0\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xsi:noNamespaceSchemaLocation=\"";
    tag += eudArt ? "TestExecutionSpecification_EUD-ART.xsd" : "TestExecutionSpecification.xsd";
    return tag + "\">\n";
}

}  // namespace

int CXMLConverter::ExportTestItemsWithSteps(const std::filesystem::path& path, int& count) {
    return ExportTestItemFile(path, count, false);
}

int CXMLConverter::ExportTestItems(const std::filesystem::path& path, int& count) {
    return ExportTestItemFile(path, count, true);
}

int CXMLConverter::ExportTestItemFile(const std::filesystem::path& path, int& count, bool eudArt) {
    count = 0;
    if (!CurrentApplication) return 0;
    CApplicationKav& app = *CurrentApplication;
    ScriptFile file(path, ScriptEncoding::Utf8, LineEnd::Lf);
    file.Write("<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n");
    file.Write(TestItemStartTag(app, eudArt));
    TestItemDesignWriter writer(*this, document_, eudArt, app.GetName());
    for (CTaskKav* design : GetEsaTestDesigns(app)) {
        std::vector<CTestCase*> testCases;
        if (app.CollectTestCases(nullptr, nullptr, design, true, true, testCases) == 0) continue;
        std::string text;
        if (!writer.Write(*design, testCases, text)) {
            count = 0;
            return 0;
        }
        file.Write(text);
        count += static_cast<int>(testCases.size());
    }
    file.Write("</TESTITEM>\n");
    // The proposed path lies in the user's script folder, which no conversion may have made yet.
    std::error_code ignored;
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ignored);
    if (!file.Commit()) {
        count = 0;
        SetMessage(kCannotCreateFile, path.string());
        return 0;
    }
    for (const std::string& application : writer.Applications()) {
        int objects = 0;
        if (const int result = ExportSmurfObjectMaps(path.parent_path(), objects, application); result != 1)
            return result;
    }
    return 1;
}
