// The imports of the frame (Java GUI descriptions, project data, UFT repositories, UML models)
// and the export of the ESA ART object maps. Each file import proposes the folder of the last
// import of its kind and remembers the chosen one; the Java GUI and UML imports are commands of
// their own that the frame only starts.
#include <filesystem>

#include "conversion/xml/XMLConverter.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "persistence/XMLDataManager.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/Registry.h"
#include "resources/MessageCatalogue.h"
#include "shell/MainFrame.h"
#include "shell/MessageLogDlg.h"

namespace {

namespace fs = std::filesystem;

constexpr int kProjectImportTitle = 47214;
constexpr int kProjectImportUndo = 48039;
constexpr int kSameProject = 44146;               // [W0146]
constexpr int kIncludedLibrary = 44147;           // [W0147]
constexpr int kInvalidSourceCaption = 47273;
constexpr int kOlderVersion = 44930;              // [W0930]
constexpr int kConvertingCaption = 47104;
constexpr int kConversionErrorCaption = 47034;
constexpr int kUftImportTitle = 47242;
constexpr int kUftImportUndo = 48187;
constexpr int kTargetFolderTitle = 47072;
constexpr int kMapsExported = 42029;              // [I0029]
constexpr int kExportSuccessfulCaption = 47267;
constexpr int kExportFailedCaption = 47268;

// The project data import's results.
constexpr int kImportedOlder = 2;
constexpr int kImportCancelled = 3;

constexpr const char* kXmlFilter = "XML Files (*.xml)|*.xml|All files (*.*)|*.*||";

std::string ReadUserValue(const char* name) {
    return ReadRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), name);
}

void WriteUserValue(const char* name, const std::string& value) {
    WriteRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), name, value, kRegistryText);
}

bool SameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return false;
    std::error_code error;
    return fs::weakly_canonical(a, error) == fs::weakly_canonical(b, error);
}

}  // namespace

std::optional<std::string> CMainFrame::AskForImportFile(const char* recentValue, const char* defaultName,
                                                        const char* filter, int titleId) {
    const std::string folder = ReadUserValue(recentValue);
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Open;
    request.title = LoadMessage(titleId);
    request.filter = filter;
    request.initialPath = defaultName ? (folder.empty() ? std::string(defaultName)
                                                        : (fs::path(folder) / defaultName).string())
                                      : folder;
    std::optional<std::string> chosen = GetInteraction().AskForPath(request);
    // The folder of the import is proposed the next time.
    if (chosen) WriteUserValue(recentValue, fs::path(*chosen).parent_path().string());
    return chosen;
}

int CMainFrame::RunImportInLog(int mode, const std::function<int(MessageLog&)>& import, int undoNameId) {
    CMessageLogDlg log(mode, import);
    const int result = window_.RunMessageLog(log);
    if (result == 1) {
        SetModified(LoadMessage(undoNameId));
        UpdateControlBars(PaneKind::WindowsPage);
    }
    return result;
}

bool CMainFrame::IsAllowedImportSource(const std::string& path) {
    const OwningList<CFileKav>& files = Root().GetFiles();
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!SameFile(path, files[i]->GetFullPath())) continue;
        ShowWarning(i == 0 ? kSameProject : kIncludedLibrary, kInvalidSourceCaption);
        return false;
    }
    return true;
}

void CMainFrame::ImportJavaGui() { services_.importers.javaGuiInfo(); }

void CMainFrame::ImportUftRepository() {
    const std::optional<std::string> path =
        AskForImportFile("RecentQTPImport", "MyRepository.tsr",
                         "UFT Object Repository Files (*.tsr)|*.tsr|All files (*.*)|*.*||", kUftImportTitle);
    if (!path) return;
    RunImportInLog(
        CMessageLogDlg::kUftImport,
        [this, &path](MessageLog& log) { return services_.importers.importUftRepository(*path, log); },
        kUftImportUndo);
}

void CMainFrame::ImportXmi() { services_.importers.xmiModelData(); }

void CMainFrame::ImportProjectData() {
    const std::optional<std::string> path =
        AskForImportFile("RecentPrjImport", nullptr, kXmlFilter, kProjectImportTitle);
    if (!path || !IsAllowedImportSource(*path)) return;
    CMessageLogDlg log(CMessageLogDlg::kImportProject,
                       [this, &path](MessageLog& lines) { return services_.importers.importProjectData(*path, lines); });
    int result = window_.RunMessageLog(log);
    if (result == kImportCancelled) return;
    if (result == kImportedOlder) {
        ShowWarning(kOlderVersion, kConvertingCaption);
        window_.SetWaitCursor(true);
        ClearGlobalMessage();
        result = GetProjectReader().CheckVersion();
        window_.SetWaitCursor(false);
        if (result != 1) ShowGlobalMessage(kConversionErrorCaption, MessageIcon::Warning);
    }
    if (result != 1) {
        // What a failed import changed goes: the project as it was before.
        undo_.Revert();
    } else {
        SetModified(LoadMessage(kProjectImportUndo));
        if (!VornakMode) SaveOrSendProject(0);
    }
    UpdateControlBars(PaneKind::TasksPage);
}

void CMainFrame::ExportEsaObjectMaps() {
    const char* recentValue = "RecentSMURFExport";
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Folder;
    request.title = LoadMessage(kTargetFolderTitle);
    request.filter = "Directories|.|";
    request.initialPath = ReadUserValue(recentValue);
    const std::optional<std::string> folder = GetInteraction().AskForPath(request);
    if (!folder) return;
    WriteUserValue(recentValue, *folder);
    CXMLConverter exporter(XmlConverterMode::SmurfObjectMaps);
    int count = 0;
    ClearGlobalMessage();
    if (exporter.ExportSmurfObjectMaps(*folder, count, "") != 1) {
        ShowGlobalMessage(kExportFailedCaption, MessageIcon::Warning);
        return;
    }
    GetInteraction().ShowMessage({FormatMessageId(kMapsExported, count), LoadMessage(kExportSuccessfulCaption),
                                  MessageButtons::Ok, MessageIcon::Information});
}
