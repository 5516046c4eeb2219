// The dialog "HTML Generator" and the command around it.
#include "docs/HTMLDlg.h"

#include <unistd.h>

#include <system_error>

#include "docs/DocumentationPictures.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "platform/Interaction.h"
#include "platform/Paths.h"
#include "platform/Progress.h"
#include "platform/UserFolders.h"
#include "resources/MessageCatalogue.h"
#include "shell/Help.h"

namespace {

constexpr int kGenerationSuccessful = 42004;  // [I0004]
constexpr int kEmptyFolder = 44575;           // [W0575]
constexpr int kFolderNotMade = 44576;         // [W0576]
constexpr int kFolderNotEntered = 44577;      // [W0577]
constexpr int kSelectTargetTitle = 47072;
constexpr int kChangeHtmlDirectory = 48011;
constexpr const char* kInvalidDirectoryCaption = "Invalid Directory";
constexpr const char* kDirectoryErrorCaption = "Directory Error";
constexpr const char* kHtmlExportCaption = "HTML Export";

void Warn(int messageId, const char* caption) {
    GetInteraction().ShowMessage({LoadMessage(messageId), caption, MessageButtons::Ok, MessageIcon::Warning});
}

}  // namespace

CHTMLDlg::CHTMLDlg(CApplicationKav& project, HtmlGeneratorWindow& window, DocumentationPictures* pictures)
    : project_(project), window_(window), pictures_(pictures) {}

void CHTMLDlg::Generate() {
    targetFolder_ = project_.GetHtmlPath();
    if (targetFolder_.empty()) targetFolder_ = GetUserFolders().html.string();
    includeScreenshots_ = true;
    if (!window_.ShowModal(*this)) return;
    if (targetFolder_ != project_.GetHtmlPath()) {
        project_.SetHtmlPath(targetFolder_);
        RecordUndoStep(LoadMessage(kChangeHtmlDirectory));
    }
    Progress progress;
    bool completed = false;
    window_.RunWithProgress(progress, [&] { completed = GenerateDocumentation(progress); });
    // A run the user stopped is no success; what it wrote stays.
    if (completed)
        GetInteraction().ShowMessage(
            {LoadMessage(kGenerationSuccessful), kHtmlExportCaption, MessageButtons::Ok, MessageIcon::Information});
}

std::filesystem::path CHTMLDlg::TargetPath() const {
    const CFileKav* mainFile = project_.GetMainFile();
    return ResolveStoredPath(targetFolder_, mainFile ? mainFile->GetFullPath() : std::string());
}

bool CHTMLDlg::OnOK() {
    if (targetFolder_.empty()) {
        Warn(kEmptyFolder, kInvalidDirectoryCaption);
        return false;
    }
    const std::filesystem::path folder = TargetPath();
    std::error_code error;
    std::filesystem::create_directory(folder, error);
    if (!std::filesystem::is_directory(folder, error)) {
        Warn(kFolderNotMade, kInvalidDirectoryCaption);
        return false;
    }
    // The pages are written into the folder by their full paths, so it must let us in and write.
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        Warn(kFolderNotEntered, kDirectoryErrorCaption);
        return false;
    }
    return true;
}

void CHTMLDlg::OnBrowse() {
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Folder;
    request.title = LoadMessage(kSelectTargetTitle);
    request.initialPath = targetFolder_;
    const std::optional<std::string> chosen = GetInteraction().AskForPath(request);
    if (!chosen || chosen->empty()) return;
    // A file chosen stands for the folder it lies in.
    std::error_code error;
    const std::filesystem::path path(*chosen);
    const bool isFile = std::filesystem::exists(path, error) && !std::filesystem::is_directory(path, error);
    targetFolder_ = isFile ? path.parent_path().string() : *chosen;
}

void CHTMLDlg::OnHelpRequest(int contextId) {
    if (shiftF1_ && contextId) {
        ShowHelp(contextId);
        return;
    }
    ShowHelp(kHelpTopic);
    shiftF1_ = true;
}

void InstallHtmlDocumentation(std::function<std::unique_ptr<HtmlGeneratorWindow>()> makeWindow,
                              std::function<std::unique_ptr<DocumentationPictures>()> makePictures) {
    HtmlDocumentationCommand() = [makeWindow = std::move(makeWindow), makePictures = std::move(makePictures)] {
        const std::unique_ptr<HtmlGeneratorWindow> window = makeWindow();
        const std::unique_ptr<DocumentationPictures> pictures = makePictures ? makePictures() : nullptr;
        CHTMLDlg dialog(*CurrentApplication, *window, pictures.get());
        dialog.Generate();
    };
}
