// The conversion dialog's pickers of the output path, the root folder, the executable and its
// working folder. They never change the working directory.
#include "conversion/framework/OutputFormats.h"
#include "conversion/framework/TestcaseConverterDlg.h"
#include "platform/Interaction.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr const char* kFolderFilter = "Directories|.|";
constexpr const char* kXmlFilter = "XML files (*.xml) |*.xml|All files (*.*)|*.*||";
constexpr const char* kExecutableFilter = "Executable files (*.exe) |*.exe|All files (*.*)|*.*||";
constexpr int kFileNotBelowRoot = 44872;
constexpr int kFolderNotBelowRoot = 44873;

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

std::string WithoutTrailingSeparator(std::string path) {
    while (path.size() > 1 && IsSeparator(path.back())) path.pop_back();
    return path;
}

// The folder part of a path, its last separator included ("" without one).
std::string FolderPart(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// What follows the root folder in a path below it; whole parts are compared, so that
// "/opt/application/run" does not count as below "/opt/app". Nothing when it is not below.
std::optional<std::string> PartBelowRoot(const std::string& root, const std::string& path) {
    if (path == WithoutTrailingSeparator(root)) return std::string();
    if (!path.starts_with(root)) return std::nullopt;
    if (!IsSeparator(root.back()) && path.size() > root.size() && !IsSeparator(path[root.size()])) return std::nullopt;
    return path.substr(root.size());
}

// The path relative to the root folder when it lies below it; else, after the warning, whole.
std::string RelativeToRoot(const std::string& root, const std::string& path, int warningId) {
    if (root.empty()) return path;
    if (std::optional<std::string> below = PartBelowRoot(root, path)) return *below;
    GetInteraction().ShowMessage({LoadMessage(warningId), "Warning", MessageButtons::Ok, MessageIcon::Warning});
    return path;
}

// The chosen path; nothing after Cancel or when no path came back.
std::optional<std::string> AskFor(FileDialogRequest::Kind kind, const std::string& title, const char* filter,
                                  const std::string& start) {
    std::optional<std::string> path = GetInteraction().AskForPath({kind, title, filter, start});
    if (path && path->empty()) return std::nullopt;
    return path;
}

std::optional<std::string> AskForFolder(const std::string& title, const std::string& start) {
    return AskFor(FileDialogRequest::Kind::Folder, title, kFolderFilter, start);
}

}  // namespace

void CTestcaseConverterDlg::OnBrowseScriptDir() {
    const int format = settings_.outputFormat;
    if (format == kFormatEsaDovaXml || format == kFormatVornakXml || format == kFormatEsaEudArtXml) {
        const std::optional<std::string> file =
            AskFor(FileDialogRequest::Kind::Save, "Select Target File", kXmlFilter, settings_.outputPath);
        if (file) settings_.outputPath = *file;
        return;
    }
    if (std::optional<std::string> folder = AskForFolder("Select a Test Script Directory", settings_.outputPath))
        settings_.outputPath = WithoutTrailingSeparator(*folder);
}

void CTestcaseConverterDlg::OnBrowseRootDir() {
    std::optional<std::string> folder = AskForFolder("Select a Root Directory", settings_.rootFolder);
    if (!folder) return;
    // Joined to the other paths as they stand, the root keeps its separator.
    if (!IsSeparator(folder->back())) *folder += '/';
    settings_.rootFolder = *folder;
}

void CTestcaseConverterDlg::OnBrowseExecutable() {
    const std::optional<std::string> file =
        AskFor(FileDialogRequest::Kind::Open, "Select Application\u00B4s Executable", kExecutableFilter,
               settings_.rootFolder + settings_.exePath);
    if (!file) return;
    settings_.exePath = RelativeToRoot(settings_.rootFolder, *file, kFileNotBelowRoot);
    if (settings_.workingFolder.empty()) settings_.workingFolder = FolderPart(settings_.exePath);
}

void CTestcaseConverterDlg::OnBrowseWorkingDir() {
    const std::optional<std::string> folder =
        AskForFolder("Select Working Directory", settings_.rootFolder + settings_.workingFolder);
    if (!folder) return;
    settings_.workingFolder =
        RelativeToRoot(settings_.rootFolder, WithoutTrailingSeparator(*folder), kFolderNotBelowRoot);
}
