// The AUTOMATION entry of a test item: which tool runs it, from which file, with which data.
// Stored script paths may use either separator; the one the path uses is kept.
#include "conversion/framework/OutputFormats.h"
#include "conversion/vornak/VornakFragments.h"

namespace {

size_t LastSeparator(const std::string& path) { return path.find_last_of("\\/"); }

// The script file of a SilkTest include: the extension after the file name's last "." becomes
// "t"; a name without extension stays.
std::string SilkTestScriptFile(const std::string& path) {
    const size_t dot = path.find_last_of('.');
    const size_t separator = LastSeparator(path);
    if (dot == std::string::npos || (separator != std::string::npos && dot < separator)) return path;
    return path.substr(0, dot + 1) + "t";
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    const size_t separator = LastSeparator(folder);
    const char join = separator != std::string::npos && folder[separator] == '/' ? '/' : '\\';
    return folder + join + name;
}

std::string ParentFolder(const std::string& path) {
    const size_t separator = LastSeparator(path);
    return separator == std::string::npos ? path : path.substr(0, separator);
}

}  // namespace

std::optional<VornakAutomation> GetVornakAutomation(int scriptFormat, const std::string& scriptPath,
                                                    const std::string& testCaseName, const std::string& projectName,
                                                    const std::string& exePath) {
    switch (scriptFormat) {
        case kFormatSilkTest: return VornakAutomation{"SilkTest", SilkTestScriptFile(scriptPath), ""};
        case kFormatTestPartner: return VornakAutomation{"TestPartner", "", testCaseName + "@" + projectName};
        case kFormatUniversalFile: return VornakAutomation{"UniversalFile", exePath, scriptPath + " " + testCaseName};
        case kFormatUft: return VornakAutomation{"QuickTestPro", JoinPath(scriptPath, testCaseName), ""};
        case kFormatWinRunner: return VornakAutomation{"WinRunner", ParentFolder(scriptPath), ""};
        case kFormatRanorex: return VornakAutomation{"Ranorex", scriptPath, ""};
        default: return std::nullopt;
    }
}
