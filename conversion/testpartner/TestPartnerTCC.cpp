// The TestPartner asset files: one per package with a script per test case, and TESTSUITE.xml
// with the shared module of custom functions and the main script.
#include "conversion/testpartner/TestPartnerTCC.h"

#include <fstream>
#include <iterator>

#include "conversion/framework/ConverterHelpers.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/TestCase.h"
#include "platform/Clock.h"
#include "platform/FolderContents.h"
#include "platform/Format.h"
#include "platform/InstallationData.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kAssetFileNotMade = 45031;
constexpr int kSuiteFileNotMade = 45038;
constexpr int kFunctionsFileMissing = 45050;

constexpr const char* kSuiteFile = "TESTSUITE";
constexpr const char* kFunctionsFile = "TpIncludes.vb";
constexpr const char* kCreator = "KAVRO-Converter";
// What TestPartner's asset schema calls the two kinds, the flags of every asset and the schema
// version that writes them.
constexpr int kScriptType = 3;
constexpr int kSharedModuleType = 22;
constexpr int kAssetFlags = 2;
constexpr int kCreatedBySchema = 84;

// The bytes of the file as text of the 8-bit code page; false when it cannot be read.
bool ReadLatin1File(const std::filesystem::path& path, std::string& text) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    if (file.bad()) return false;
    std::u16string units;
    for (const char byte : bytes) units.push_back(static_cast<unsigned char>(byte));
    text = Utf16ToUtf8(units);
    return true;
}

std::string AssetTime() {
    const DateTime now = GetClock().LocalNow();
    return Fmt("%04d-%02d-%02dT%02d:%02d:%02d", now.year, now.month, now.day, now.hour, now.minute, now.second);
}

}  // namespace

std::unique_ptr<CTestcaseConverter> CreateTestPartnerConverter(const ConverterSettings& settings) {
    return std::make_unique<CTestPartnerTCC>(settings.webTest);
}

CTestPartnerTCC::CTestPartnerTCC(int webTest) : webTest_(webTest) {
    if (CurrentApplication) parser_.FillKeyTable(CurrentApplication->GetKeyboard());
}

int CTestPartnerTCC::Init(std::string projectName, std::string scriptFolder, std::string exePath,
                          std::string workingFolder, std::string parameters) {
    if (!CTestcaseConverter::Init(std::move(projectName), std::move(scriptFolder), std::move(exePath),
                                  std::move(workingFolder), std::move(parameters)))
        return 0;
    scriptNames_.clear();
    suitePath_ = ClaimPackageFile(kSuiteFile, ".xml");
    return DeleteFolderContents(GetProjectFolder().string());
}

std::string CTestPartnerTCC::ModulePrefix() const { return ReplaceSeparators(GetProjectName(), " ", "_"); }

std::vector<std::filesystem::path> CTestPartnerTCC::PlannedFiles(const TestCaseList&, const std::string& name) const {
    return {PackageFilePath(name, ".xml")};
}

std::string CTestPartnerTCC::ScriptName(const std::string& displayName) {
    const size_t lastUnderscore = displayName.rfind('_');
    if (lastUnderscore == std::string::npos || Utf16Length(displayName.substr(0, lastUnderscore)) <= 27)
        return displayName;
    return Utf16Left(displayName, 27) + displayName.substr(lastUnderscore);
}

void CTestPartnerTCC::WriteAssetsHeader(CTPUnicodeFile& file) const {
    file.Write(
        "<?xml version=\"1.0\" encoding=\"Unicode\"?>\n"
        "<TestPartnerAssets version=\"6.1.0.251\" xmlns:dt=\"urn:schemas-microsoft-com:datatypes\">\n"
        "<Projects>\n"
        "<Project ProjectName=\"" +
        CXMLInterface::EscapeText(GetProjectName(), true) + "\">\n");
}

int CTestPartnerTCC::Convert(TestCaseList& list, std::string name, int& count, std::string& path) {
    count = 0;
    path.clear();
    packageName_ = std::move(name);
    CTPUnicodeFile file(ClaimPackageFile(packageName_, ".xml"));
    WriteAssetsHeader(file);
    file.Write("<Scripts>\n");
    std::string failure;
    std::vector<std::string> written;
    for (const CTestCase* testCase : list) {
        std::string text;
        // A test case that cannot be converted is left out; the message of the last one stays.
        if (!BuildTestCaseScript(*testCase, text)) {
            failure = GetGlobalMessageBuffer();
            continue;
        }
        written.push_back(ScriptName(testCase->GetDisplayName()));
        WriteAsset(file, AssetKind::Script, written.back(), text);
    }
    file.Write("</Scripts>\n</Project>\n</Projects>\n</TestPartnerAssets>\n");
    if (!file.Commit()) return Fail(kAssetFileNotMade, GetScriptFolder());
    count = static_cast<int>(written.size());
    scriptNames_.insert(scriptNames_.end(), written.begin(), written.end());
    path = GetScriptFolder();
    if (failure.empty()) return 1;
    SetGlobalMessage(failure);
    return 0;
}

int CTestPartnerTCC::Finish() {
    const std::filesystem::path functionsFile = GetInstallationDataFile(kFunctionsFile);
    std::string functions;
    if (!ReadLatin1File(functionsFile, functions)) return Fail(kFunctionsFileMissing, functionsFile.string());

    const std::string prefix = ModulePrefix();
    CTPUnicodeFile file(suitePath_);
    WriteAssetsHeader(file);
    file.Write("<SharedModules>\n");
    WriteAsset(file, AssetKind::SharedModule, prefix + "_INCLUDES", functions);
    file.Write("</SharedModules>\n<Scripts>\n");
    std::string main = "Sub Main ()\n \n\t'-- Include KAVRO Custom VB Functions --\n\tInclude \"" + prefix +
                       "_INCLUDES\"\n \n\t'-- Execute Testscripts --\n";
    for (const std::string& script : scriptNames_) main += "\tRun \"" + script + "\"\n";
    main += "\n \nEnd Sub";
    WriteAsset(file, AssetKind::Script, prefix + "_MAIN", main);
    file.Write("</Scripts>\n</Project>\n</Projects>\n</TestPartnerAssets>\n");
    return file.Commit() || Fail(kSuiteFileNotMade, GetScriptFolder());
}

void CTestPartnerTCC::WriteAsset(CTPUnicodeFile& file, AssetKind kind, const std::string& name,
                                 const std::string& text) {
    const bool script = kind == AssetKind::Script;
    document_.SetDocument();
    document_.AppendElement(script ? "Script" : "SharedModule", "");
    document_.SetAttribute("Name", name);
    document_.SetAttribute("ActiveVersion", "1");
    document_.SetAttribute("Version", "1");

    document_.AppendChildElement("CTPObject", "");
    document_.EnterChild();
    AppendObjectProperties(script ? kScriptType : kSharedModuleType, kAssetFlags, kCreatedBySchema);
    document_.LeaveElement();

    document_.AppendChildElement("CTPScript", "");
    document_.EnterChild();
    document_.AppendChildElement("ScriptParams", "");
    document_.EnterChild();
    for (const char* count : {"InputParameterCount", "OutputParameterCount"}) {
        document_.AppendChildElement(count, "0");
        document_.SetChildAttribute("dt:dt", "ui4");
    }
    document_.LeaveElement();
    document_.AppendChildElement("Text", base64_.Encode(text));
    document_.SetChildAttribute("dt:dt", "string");
    document_.SetChildAttribute("Encoding", "Base64");
    document_.AppendChildElement("References", "");
    document_.SetChildAttribute("dt:dt", "string");
    document_.SetChildAttribute("xml:space", "preserve");
    document_.LeaveElement();

    // The carriage returns inside the Base64 text stay.
    file.Write(ReplaceSeparators(document_.GetDocumentText(), "\n", "\n"));
    document_.SetDocument();
}

void CTestPartnerTCC::AppendObjectProperties(int type, int flags, int schema) {
    const std::string now = AssetTime();
    const struct {
        const char* name;
        std::string value;
        const char* dataType;
        bool preserveSpace;
    } properties[] = {
        {"CreatorName", kCreator, "string", true},
        {"CreationDate", now, "string", true},
        {"LastModifierName", kCreator, "string", true},
        {"LastModifiedDate", now, "string", true},
        {"Type", std::to_string(type), "i4", false},
        {"ProjectName", GetProjectName(), "string", true},
        {"Flags", std::to_string(flags), "i4", false},
        {"CreatedBySchema", std::to_string(schema), "i4", false},
        {"Description", "", "string", false},
    };
    for (const auto& [name, value, dataType, preserveSpace] : properties) {
        document_.AppendChildElement(name, value);
        document_.SetChildAttribute("dt:dt", dataType);
        if (preserveSpace) document_.SetChildAttribute("xml:space", "preserve");
    }
}

std::string CTPBase64::Encode(const std::string& text) const {
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    // Lines of 76 characters, then of 75: a carriage return goes in before each 76th character
    // of the text as it grows.
    constexpr size_t kLineLength = 76;
    const std::string bytes = Utf8ToUtf16LittleEndian(text);
    std::string encoded;
    const auto append = [&](char c) {
        if (!encoded.empty() && encoded.size() % kLineLength == 0) encoded += '\r';
        encoded += c;
    };
    for (size_t at = 0; at < bytes.size(); at += 3) {
        const size_t left = bytes.size() - at;
        const auto byte = [&](size_t k) { return k < left ? static_cast<unsigned char>(bytes[at + k]) : 0u; };
        const unsigned chunk = byte(0) << 16 | byte(1) << 8 | byte(2);
        append(kAlphabet[chunk >> 18 & 63]);
        append(kAlphabet[chunk >> 12 & 63]);
        append(left > 1 ? kAlphabet[chunk >> 6 & 63] : '=');
        append(left > 2 ? kAlphabet[chunk & 63] : '=');
    }
    return encoded;
}
