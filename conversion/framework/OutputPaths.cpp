// The output path proposed for each output format.
#include "conversion/framework/OutputFormats.h"
#include "conversion/framework/TestcaseConverterDlg.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "platform/CommandLineSettings.h"
#include "platform/Paths.h"
#include "platform/Registry.h"
#include "platform/TextUtil.h"
#include "platform/UserFolders.h"

namespace {

bool EndsWithXml(const std::string& path) {
    return path.size() >= 4 && EqualsNoCase(std::string_view(path).substr(path.size() - 4), ".xml");
}

// The ESA exchange file of the project: an ".xml" path stays, unless its name carries the
// other ESA format's prefix, which gives way to this one's; any other path is a folder.
std::string EsaExchangePath(const std::string& stored, const std::string& prefix, const std::string& otherPrefix) {
    const std::string fileName = MakeSafeFileName(prefix + CurrentApplication->GetName() + ".xml");
    if (!EndsWithXml(stored)) return (std::filesystem::path(stored) / fileName).string();
    const size_t slash = stored.find_last_of("/\\");
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    if (stored.compare(nameStart, otherPrefix.size(), otherPrefix) != 0) return stored;
    return stored.substr(0, nameStart) + fileName;
}

}  // namespace

std::string CTestcaseConverterDlg::GetDefaultOutputPath() {
    std::string& given = GetCommandLineSettings().scriptPath;
    if (!given.empty()) {
        std::string path;
        path.swap(given);
        return path;
    }
    const CApplicationKav& app = *CurrentApplication;
    const std::string userScripts = GetUserFolders().scripts.string();
    switch (settings_.outputFormat) {
        case kFormatEsaDovaXml:
        case kFormatEsaEudArtXml: {
            const std::string stored = app.GetScriptPath().empty() ? userScripts : app.GetScriptPath();
            return settings_.outputFormat == kFormatEsaDovaXml ? EsaExchangePath(stored, "DOVA_", "EUD-ART_")
                                                               : EsaExchangePath(stored, "EUD-ART_", "DOVA_");
        }
        case kFormatVornakXml:
            return app.GetVornakPath().empty() ? GetDefaultVornakPath() : app.GetVornakPath();
        default:
            return app.GetScriptPath().empty() || EndsWithXml(app.GetScriptPath()) ? userScripts
                                                                                   : app.GetScriptPath();
    }
}

std::string CTestcaseConverterDlg::GetDefaultVornakPath() const {
    const std::string jre = ReadRegistryString(SettingsHive::LocalMachine, "SOFTWARE\\VORNAK\\6.1", "JREPath");
    std::filesystem::path folder = GetUserFolders().scripts;
    if (!jre.empty()) {
        const size_t separator = jre.find_last_of("/\\");
        folder = separator == std::string::npos ? std::string() : jre.substr(0, separator);
    }
    return (folder / "vornak.xml").string();
}
