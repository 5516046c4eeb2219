// The Ranorex solution's skeleton: the solution file, the project file, Program.cs, the
// repository, and the user-code methods of the template.
#include "conversion/ranorex/Ranorex.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "conversion/framework/ScriptFile.h"
#include "conversion/ranorex/RanorexNames.h"
#include "conversion/xml/XMLConverter.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "platform/InstallationData.h"
#include "platform/MessageBuffer.h"
#include "platform/Paths.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kCannotCreateFolder = 44773;
constexpr int kTemplateMissing = 45197;
constexpr int kSolutionFileFailed = 45198;
constexpr int kProjectFileFailed = 45201;

constexpr const char* kTemplateFolder = "RanorexAddIn";
constexpr const char* kProjectTemplate = "csProjectTemp.txt";
constexpr const char* kProgramTemplate = "Programmcs.txt";
constexpr const char* kMethodsTemplate = "UserCodeMethods.txt";
constexpr std::string_view kNamespacePlaceholder = "${StandardNamespace}";
constexpr std::string_view kMethodMarker = "KAVRO_DEF";

}  // namespace

std::unique_ptr<CTestcaseConverter> CreateRanorexConverter(const ConverterSettings& settings) {
    return std::make_unique<CRanorex>(settings.webTest);
}

CRanorex::CRanorex(int webTest, MessageLog* log) : webTest_(webTest), log_(log) {
    parser_.InitRanorexKeyTable(CurrentApplication ? CurrentApplication->GetKeyboard() : 0);
}

std::filesystem::path CRanorex::RanorexFolder() const { return GetProjectFolder() / FileStem(); }

std::string CRanorex::FileStem() const { return MakeSafeFileName(GetProjectName()); }

std::string CRanorex::Namespace() const { return MakeCSharpIdentifier(GetProjectName()); }

int CRanorex::Init(std::string projectName, std::string scriptFolder, std::string exePath, std::string workingFolder,
                   std::string parameters) {
    if (!CTestcaseConverter::Init(std::move(projectName), std::move(scriptFolder), std::move(exePath),
                                  std::move(workingFolder), std::move(parameters)))
        return 0;
    classNames_.clear();
    std::error_code error;
    std::filesystem::create_directory(RanorexFolder(), error);
    if (!std::filesystem::is_directory(RanorexFolder(), error)) return Fail(kCannotCreateFolder, GetProjectName());

    const std::string stem = FileStem();
    CXMLConverter repository(XmlConverterMode::RanorexRepository);
    if (repository.ExportRanorexRepository(RanorexFolder() / (stem + "Repository.rxrep"), RanorexFolder(),
                                           GetProjectName()) != 1)
        return 0;
    if (!WriteSolutionFile(stem)) return Fail(kSolutionFileFailed, stem + ".rxsln");

    std::vector<std::string> lines;
    if (!ReadTemplate(kProjectTemplate, lines)) return 0;
    projectFile_.Start(RanorexFolder() / (stem + ".csproj"), lines);
    projectFile_.Insert("<None Include=\"" + CXMLInterface::EscapeText(stem, true) + "Repository.rxrep\">\n<id>" +
                        MakeRanorexId(GetProjectName()) + "</id>\n" +
                        "<projectdefaultrepository>true</projectdefaultrepository>\n</None>\n"
                        "<Compile Include=\"Program.cs\">\n<id>" + MakeRanorexId("Program.cs") + "</id>\n</Compile>\n");
    if (!projectFile_.Commit()) return Fail(kProjectFileFailed, stem + ".csproj");
    return WriteProgramFile() && ReadUserMethods();
}

int CRanorex::ReadTemplate(const std::string& fileName, std::vector<std::string>& lines) {
    lines.clear();
    const std::filesystem::path path = FindInstallationFolder() / kTemplateFolder / fileName;
    std::ifstream in(path, std::ios::binary);
    if (!in) return Fail(kTemplateMissing, path.string());
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return Fail(kTemplateMissing, path.string());
    for (bool last = text.empty(); !last;) lines.push_back(SplitFirstLine(text, last));
    // A final line feed ends the last line; it opens no empty one.
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    return 1;
}

int CRanorex::WriteSolutionFile(const std::string& fileStem) const {
    const std::string project = MakeRanorexId(GetProjectName() + ".csproj");
    ScriptFile file(GetProjectFolder() / (fileStem + ".rxsln"), ScriptEncoding::Utf8, LineEnd::CrLf);
    file.WriteLine("Microsoft Visual Studio Solution File, Format Version 10.00");
    file.WriteLine("Project(\"{" + MakeRanorexId(GetProjectName() + ".rxsln") + "}\") = \"" + GetProjectName() +
                   "\", \"" + fileStem + "\\" + fileStem + ".csproj\", \"{" + project + "}\"");
    file.WriteLine("EndProject");
    file.WriteLine("Global");
    file.WriteLine("GlobalSection(SolutionConfigurationPlatforms) = preSolution");
    file.WriteLine("Debug|x86 = Debug|x86");
    file.WriteLine("Release|x86 = Release|x86");
    file.WriteLine("EndGlobalSection");
    file.WriteLine("GlobalSection(ProjectConfigurationPlatforms) = postSolution");
    file.WriteLine("{" + project + "}.Debug|x86.Build.0 = Debug|x86");
    file.WriteLine("{" + project + "}.Debug|x86.ActiveCfg = Debug|x86");
    file.WriteLine("{" + project + "}.Release|x86.Build.0 = Release|x86");
    file.WriteLine("{" + project + "}.Release|x86.ActiveCfg = Release|x86");
    file.WriteLine("EndGlobalSection");
    file.Write("EndGlobal");
    return file.Commit();
}

int CRanorex::WriteProgramFile() const {
    std::vector<std::string> lines;
    if (!ReadTemplate(kProgramTemplate, lines)) return 0;
    ScriptFile file(RanorexFolder() / "Program.cs", ScriptEncoding::Utf8, LineEnd::CrLf);
    for (const std::string& line : lines)
        file.WriteLine(line.ends_with(kNamespacePlaceholder) ? "namespace " + Namespace() : line);
    return file.Commit() || Fail(kSolutionFileFailed, GetProjectName());
}

// Entries start at a line "KAVRO_DEF <name>" and hold the lines up to the next one.
int CRanorex::ReadUserMethods() {
    std::vector<std::string> lines;
    if (!ReadTemplate(kMethodsTemplate, lines)) return 0;
    userMethods_.clear();
    std::string name;
    std::string text;
    const auto store = [&] {
        if (!name.empty()) userMethods_[name] = text;
    };
    for (const std::string& line : lines) {
        if (!line.starts_with(kMethodMarker)) {
            text += line + "\n";
            continue;
        }
        store();
        name = line.size() > kMethodMarker.size() + 1 ? line.substr(kMethodMarker.size() + 1) : std::string();
        text.clear();
    }
    store();
    return 1;
}
