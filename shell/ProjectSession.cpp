#include "shell/ProjectSession.h"

#include <filesystem>
#include <system_error>

#include "model/ApplicationKav.h"
#include "model/GUIBuilderList.h"
#include "model/ShellServices.h"
#include "persistence/XMLDataManager.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "resources/MessageCatalogue.h"
#include "shell/ClipboardObjects.h"

namespace {

// Results of the data manager's load.
constexpr int kLoaded = 1;
constexpr int kLoadedOlder = 2;
constexpr int kLoadedWithErrors = -1;

constexpr int kOlderVersion = 44860;         // [W0860]
constexpr int kProjectFileMissing = 44874;   // [W0874]
constexpr int kConvertingCaption = 47095;    // "Converting Old Project"
constexpr int kConversionErrorCaption = 47034;
constexpr int kFileNotFoundCaption = 47071;
constexpr int kOpenFileTitle = 47213;
constexpr const char* kProjectFilter = "XML Files (*.xml)|*.xml|All files (*.*)|*.*||";

void ShowBufferedMessage(int captionId, MessageIcon icon) {
    if (GetGlobalMessageBuffer().empty()) return;
    GetInteraction().ShowMessage(
        {GetGlobalMessageBuffer(), captionId ? LoadMessage(captionId) : std::string(), MessageButtons::Ok, icon});
}

}  // namespace

CProjectSession::CProjectSession() : root_(std::make_unique<CApplicationKav>()) { CurrentApplication = root_.get(); }

CProjectSession::~CProjectSession() {
    if (CurrentApplication == root_.get()) CurrentApplication = nullptr;
}

int CProjectSession::LoadProject(const std::string& path, bool announceConversion, MessageLog* log) {
    return LoadProject(path, announceConversion, [log](const ReadOperation& read) { return read(log); });
}

int CProjectSession::LoadProject(const std::string& path, bool announceConversion, const ReadRunner& runRead) {
    loadErrors_ = false;
    if (projectOpen_ && !VornakMode) {
        if (confirmClose && !confirmClose()) return 0;
        CloseProject();
    }
    // The loader reads into the current application, which must be empty, and brings the
    // project's own GUI builders.
    GetGuiBuilderDatabase().RemoveUserDefined();
    ClearGlobalMessage();
    CXMLDataManager& reader = GetProjectReader();
    const int result = runRead([&reader, &path](MessageLog* log) { return reader.LoadProject(path, log); });
    if (result == kLoadedWithErrors) {
        loadErrors_ = true;
    } else if (result == kLoadedOlder) {
        if (announceConversion)
            GetInteraction().ShowMessage({LoadMessage(kOlderVersion), LoadMessage(kConvertingCaption),
                                          MessageButtons::Ok, MessageIcon::Information});
        if (reader.CheckVersion() != 1) {
            ShowBufferedMessage(kConversionErrorCaption, MessageIcon::Warning);
            CloseProject();
            return 0;
        }
        root_->SetModified(1);
    } else if (result != kLoaded) {
        if (!reader.IsLoadFailureShown()) ShowBufferedMessage(0, MessageIcon::Warning);
        CloseProject();
        return 0;
    }
    projectOpen_ = true;
    return 1;
}

void CProjectSession::CloseProject() {
    ClearClipboardObjects();
    ReplaceRoot(std::make_unique<CApplicationKav>()).reset();
    GetGuiBuilderDatabase().RemoveUserDefined();
    projectOpen_ = false;
}

std::unique_ptr<CApplicationKav> CProjectSession::ReplaceRoot(std::unique_ptr<CApplicationKav> root) {
    CurrentApplication = root.get();
    root_.swap(root);
    return root;
}

int CProjectSession::OpenProjectFromCommandLine(const std::string& path, MessageLog* log) {
    if (path.empty()) {
        if (std::optional<std::string> chosen = AskForProjectFile("")) LoadProject(*chosen, true, log);
        return 1;
    }
    if (!CommandLineProjectExists(path)) return 0;
    LoadProject(path, true, log);
    return 1;
}

std::optional<std::string> AskForProjectFile(const std::string& proposedPath) {
    FileDialogRequest request;
    request.title = LoadMessage(kOpenFileTitle);
    request.filter = kProjectFilter;
    request.initialPath = proposedPath;
    return GetInteraction().AskForPath(request);
}

bool CommandLineProjectExists(const std::string& path) {
    std::error_code ignored;
    if (std::filesystem::is_regular_file(path, ignored)) return true;
    SetMessage(kProjectFileMissing, path);
    ShowBufferedMessage(kFileNotFoundCaption, MessageIcon::Warning);
    return false;
}
