// The project the frame holds: loading, closing, saving or sending, a new project, its
// properties, the command line's project and the recent files.
#include <filesystem>

#include "model/ApplicationKav.h"
#include "model/FileKav.h"
#include "model/ShellServices.h"
#include "model/TaskKav.h"
#include "persistence/XMLDataManager.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/Paths.h"
#include "platform/UniqueId.h"
#include "platform/UserFolders.h"
#include "resources/MessageCatalogue.h"
#include "shell/MainFrame.h"
#include "shell/MessageLogDlg.h"
#include "shell/ProjectSession.h"

namespace {

constexpr int kInternalFileListEmpty = 41150;  // [F0150]
constexpr int kSaveChangesQuestion = 43016;    // [Q0016]
constexpr int kSaveOverLoadErrors = 43034;     // [Q0034]
constexpr int kSendOrSaveQuestion = 43044;     // [Q0044]
constexpr int kSendOrSaveChoices = 49954;
constexpr int kChangesWillBeSaved = 44404;     // [W0404]
constexpr int kNoVornakInterface = 49953;
constexpr int kFatalErrorCaption = 47001;
constexpr int kConnectionErrorCaption = 47070;
constexpr int kSendOrSaveCaption = 47098;
constexpr int kConfirmChangesCaption = 47099;
constexpr int kSaveChangesCaption = 47100;
constexpr int kSaveFileTitle = 47116;
constexpr int kSaveErrorCaption = 47175;
constexpr int kRootTaskPrefix = 49190;  // "Project "
constexpr const char* kProjectFilter = "XML Files (*.xml)|*.xml|All files (*.*)|*.*||";
constexpr const char* kNewProjectName = "NewProject";

MessageAnswer Ask(const std::string& text, int captionId, MessageButtons buttons, MessageIcon icon,
                  MessageAnswer defaultAnswer) {
    return GetInteraction().ShowMessage({text, LoadMessage(captionId), buttons, icon, defaultAnswer});
}

void ShowGlobalMessage(int captionId, MessageIcon icon) {
    GetInteraction().ShowMessage(
        {GetGlobalMessageBuffer(), captionId ? LoadMessage(captionId) : std::string(), MessageButtons::Ok, icon});
}

// Saving drops the references that the load could not resolve: only Yes goes on.
bool ConfirmSaveOverLoadErrors() {
    return Ask(LoadMessage(kSaveOverLoadErrors), kSaveChangesCaption, MessageButtons::YesNoCancel,
               MessageIcon::Warning, MessageAnswer::No) == MessageAnswer::Yes;
}

// A project saved in one file takes the objects of its further files into the main file.
bool MergeFurtherFiles(CApplicationKav& root) {
    OwningList<CFileKav>& files = root.GetFiles();
    if (files.empty()) {
        SetMessage(kInternalFileListEmpty);
        ShowGlobalMessage(kFatalErrorCaption, MessageIcon::Error);
        return false;
    }
    if (root.GetSaveDistributed()) return true;
    CFileKav* main = files[0];
    while (files.size() > 1) {
        root.MoveObjectsToFile(files[1], main);
        files.Delete(files[1]);
    }
    main->UsedFileIds().clear();
    return true;
}

std::string ProposedProjectPath(const CApplicationKav& root) {
    const std::string name = "Project_" + MakeSafeFileName(root.GetName()) + ".xml";
    return (GetUserFolders().projects / name).string();
}

}  // namespace

int CMainFrame::LoadProject(const std::string& path, bool announceConversion, bool direct) {
    if (IsProjectOpen() && !VornakMode && !CloseProject(true)) return 0;
    int result;
    if (direct) {
        result = session_->LoadProject(path, announceConversion, nullptr);
    } else {
        result = session_->LoadProject(path, announceConversion, [this](const CProjectSession::ReadOperation& read) {
            CMessageLogDlg log(CMessageLogDlg::kLoadProject, [&read](MessageLog& lines) { return read(&lines); });
            return window_.RunMessageLog(log);
        });
    }
    return AfterProjectLoaded(path, result);
}

int CMainFrame::LoadProjectWithLog(const std::string& path, MessageLog& log) {
    if (IsProjectOpen() && !VornakMode && !CloseProject(true)) return 0;
    return AfterProjectLoaded(path, session_->LoadProject(path, true, &log));
}

int CMainFrame::AfterProjectLoaded(const std::string& path, int result) {
    if (result != 1) {
        AfterProjectClosed();
        return 0;
    }
    undo_.Reset();
    UpdateControlBars(PaneKind::TasksPage);
    if (HasLoadErrors()) ShowLoadErrors();
    if (!VornakMode) {
        ShowProjectTitle();
        recentFiles_.Add(path);
    }
    return 1;
}

void CMainFrame::ShowLoadErrors() {
    if (!HasLoadErrors()) return;
    std::vector<CTaskKav*> flagged;
    for (CTaskKav* task : Root().GetTasks())
        if (task->GetLoadErrors()) flagged.push_back(task);
    UpdateControlBars(PaneKind::TasksPage);
    if (tasksPage_) tasksPage_->MarkLoadErrorTasks(flagged);
}

int CMainFrame::CloseProject(bool ask) {
    CloseAllViews();
    if (ask) {
        const int saved = SaveOrSendProject(2);
        if (saved == 0 || saved == -1) return 0;
    }
    session_->CloseProject();
    AfterProjectClosed();
    return 1;
}

void CMainFrame::AfterProjectClosed() {
    for (WorkspacePage* page : Pages()) {
        page->RebuildTree();
        page->EnableTree(false);
    }
    window_.ShowTitle(kTitle);
    Root().SetModified(0);
    undo_.Clear();
    RefreshAll();
}

int CMainFrame::SaveOrSendProject(int questionMode, bool saveAs) {
    CApplicationKav& root = Root();
    if (VornakMode && !saveAs && vornak_ && !vornak_->IsConnectionLost()) {
        const MessageAnswer answer =
            Ask(LoadMessage(kSendOrSaveQuestion) + LoadMessage(kSendOrSaveChoices), kSendOrSaveCaption,
                MessageButtons::YesNoCancel, MessageIcon::Question, MessageAnswer::Yes);
        if (answer == MessageAnswer::Cancel) return 0;
        if (answer == MessageAnswer::Yes) {
            if (HasLoadErrors() && !ConfirmSaveOverLoadErrors()) return 0;
            window_.SetWaitCursor(true);
            ClearGlobalMessage();
            const int sent = vornak_->SendProject();
            window_.SetWaitCursor(false);
            if (sent == 1) return 1;
            ShowGlobalMessage(kConnectionErrorCaption, MessageIcon::Error);
            return -1;
        }
    }
    if (!saveAs && !root.IsModified() && !VornakMode) return 1;
    if (questionMode == 1 && Ask(LoadMessage(kChangesWillBeSaved), kConfirmChangesCaption, MessageButtons::OkCancel,
                                 MessageIcon::Warning, MessageAnswer::Ok) == MessageAnswer::Cancel)
        return 0;
    if (questionMode == 2) {
        const MessageAnswer answer =
            Ask(FormatMessageId(kSaveChangesQuestion, root.GetName()), kSaveChangesCaption,
                MessageButtons::YesNoCancel, MessageIcon::Warning, MessageAnswer::Yes);
        if (answer == MessageAnswer::Cancel) return 0;
        if (answer == MessageAnswer::No) return 2;
    }
    if (HasLoadErrors() && !ConfirmSaveOverLoadErrors()) return 0;
    if (!MergeFurtherFiles(root)) return -1;

    CFileKav& mainFile = *root.GetMainFile();
    if (saveAs || mainFile.GetFullPath().empty()) {
        FileDialogRequest request;
        request.kind = FileDialogRequest::Kind::Save;
        request.title = LoadMessage(kSaveFileTitle);
        request.filter = kProjectFilter;
        request.initialPath = ProposedProjectPath(root);
        std::optional<std::string> chosen = GetInteraction().AskForPath(request);
        if (!chosen) return 0;
        mainFile.SetPath(*chosen);
        std::error_code ignored;
        const std::filesystem::path absolute = std::filesystem::absolute(*chosen, ignored);
        mainFile.SetFullPath(absolute.empty() ? *chosen : absolute.string());
    }
    ClearGlobalMessage();
    std::string unused;
    const int saved = GetProjectReader().SaveProject(true, mainFile.GetFullPath(), root, unused);
    if (saved != 1 && saved != -1) {
        ShowGlobalMessage(kSaveErrorCaption, MessageIcon::Warning);
        return -1;
    }
    root.SetModified(0);
    ShowProjectTitle();
    recentFiles_.Add(mainFile.GetFullPath());
    return 1;
}

int CMainFrame::NewProject() {
    if (!projectDialog_) return 0;
    if (IsProjectOpen() && !CloseProject(true)) return 0;
    CApplicationKav& root = Root();
    root.SetName(kNewProjectName);
    root.SetId(MakeUniqueId());
    CFileKav* mainFile = root.GetFiles().Add(new CFileKav(root.GetName()));
    if (projectDialog_(root) != 1) {
        CloseProject(false);
        return 0;
    }
    mainFile = root.GetMainFile();
    mainFile->SetName(root.GetName());
    auto* rootTask = new CTaskKav(LoadMessage(kRootTaskPrefix) + root.GetName(), kTaskFolder);
    rootTask->SetFile(mainFile);
    rootTask->SetFileId(mainFile->GetID());
    root.GetTasks().Add(rootTask);
    root.SetRootTask(rootTask);
    root.SetModified(1);
    if (SaveOrSendProject(0) != 1) {
        CloseProject(false);
        return 0;
    }
    const std::string path = root.GetMainFilePath();
    // The load reads into an empty project.
    CloseProject(false);
    return LoadProject(path, true);
}

void CMainFrame::EditProjectProperties() {
    if (VornakMode) {
        if (!vornak_) return;
        window_.SetWaitCursor(true);
        vornak_->RequestLibraryList();
        return;
    }
    if (!projectDialog_ || SaveOrSendProject(1) != 1) return;
    CApplicationKav& root = Root();
    const std::string oldName = root.GetName();
    if (projectDialog_(root) != 1) return;
    if (root.GetName() != oldName && root.GetRootTask())
        root.GetRootTask()->SetName(LoadMessage(kRootTaskPrefix) + root.GetName());
    // The reload takes the settings from the file: they must reach it.
    root.SetModified(1);
    if (SaveOrSendProject(0) != 1) return;
    const std::string path = root.GetMainFilePath();
    CloseProject(false);
    LoadProject(path, true);
}

int CMainFrame::OpenProjectFromCommandLine(const std::string& path, long port) {
    if (VornakMode) {
        ClearGlobalMessage();
        vornak_ = vornakStarter_ ? vornakStarter_(port) : nullptr;
        if (!vornak_) {
            if (!vornakStarter_) SetMessage(kNoVornakInterface);
            ShowGlobalMessage(kConnectionErrorCaption, MessageIcon::Error);
            VornakMode = false;
            return 0;
        }
        // The place of the project that VORNAK will send.
        Root().GetFiles().Add(new CFileKav());
        return 1;
    }
    if (path.empty()) {
        OpenProject();
        return 1;
    }
    if (!CommandLineProjectExists(path)) return 0;
    LoadProject(path, true);
    return 1;
}

void CMainFrame::OpenProject() {
    if (IsProjectOpen() && !CloseProject(true)) return;
    if (std::optional<std::string> chosen = AskForProjectFile(recentFiles_.GetFileName(0))) LoadProject(*chosen, true);
}

void CMainFrame::OpenRecentFile(std::size_t index) {
    if (VornakMode || index >= recentFiles_.Size()) return;
    const std::string path = recentFiles_.GetFileName(index);
    // A user who cancelled the save question keeps the open project and the entry; only a file
    // that did not load leaves the list.
    if (LoadProject(path, true) == 1 || IsProjectOpen()) return;
    // Saving the old project may have moved the entries; the entry goes by its path.
    for (std::size_t i = 0; i < recentFiles_.Size(); ++i) {
        if (recentFiles_.GetFileName(i) != path) continue;
        recentFiles_.Remove(i);
        break;
    }
}

void CMainFrame::OpenDroppedFile(const std::string& path) {
    if (VornakMode) return;
    LoadProject(path, true);
}
