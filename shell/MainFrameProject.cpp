// The project the frame holds: loading, closing, saving, the command line's project and the
// recent files.
#include "model/ApplicationKav.h"
#include "model/FileKav.h"
#include "model/ShellServices.h"
#include "persistence/XMLDataManager.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "resources/MessageCatalogue.h"
#include "shell/MainFrame.h"
#include "shell/ProjectSession.h"

namespace {

constexpr int kSaveChangesQuestion = 43016;   // [Q0016]
constexpr int kSaveOverLoadErrors = 43034;    // [Q0034]
constexpr int kNoVornakInterface = 49953;
constexpr int kConnectionErrorCaption = 47070;
constexpr int kSaveChangesCaption = 47100;
constexpr int kSaveErrorCaption = 47175;

MessageAnswer Ask(const std::string& text, int captionId, MessageIcon icon, MessageAnswer defaultAnswer) {
    return GetInteraction().ShowMessage(
        {text, LoadMessage(captionId), MessageButtons::YesNoCancel, icon, defaultAnswer});
}

}  // namespace

int CMainFrame::LoadProject(const std::string& path, bool announceConversion) {
    if (IsProjectOpen() && !VornakMode && !CloseProject(true)) return 0;
    if (session_->LoadProject(path, announceConversion, nullptr) != 1) {
        AfterProjectClosed();
        return 0;
    }
    UpdateControlBars(PaneKind::TasksPage);
    if (!VornakMode) {
        ShowProjectTitle();
        recentFiles_.Add(path);
    }
    return 1;
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
    RefreshAll();
}

int CMainFrame::SaveOrSendProject(int questionMode) {
    CApplicationKav& root = Root();
    if (!root.IsModified() && !VornakMode) return 1;
    if (questionMode == 2) {
        const MessageAnswer answer = Ask(FormatMessageId(kSaveChangesQuestion, root.GetName()), kSaveChangesCaption,
                                         MessageIcon::Warning, MessageAnswer::Yes);
        if (answer == MessageAnswer::Cancel) return 0;
        if (answer == MessageAnswer::No) return 2;
    }
    // Saving drops the references that the load could not resolve.
    if (HasLoadErrors() && Ask(LoadMessage(kSaveOverLoadErrors), kSaveChangesCaption, MessageIcon::Warning,
                               MessageAnswer::No) != MessageAnswer::Yes)
        return 0;
    ClearGlobalMessage();
    std::string unused;
    if (GetProjectReader().SaveProject(true, root.GetMainFilePath(), root, unused) != 1) {
        GetInteraction().ShowMessage({GetGlobalMessageBuffer(), LoadMessage(kSaveErrorCaption), MessageButtons::Ok,
                                      MessageIcon::Warning});
        return -1;
    }
    root.SetModified(0);
    ShowProjectTitle();
    recentFiles_.Add(root.GetMainFilePath());
    return 1;
}

int CMainFrame::OpenProjectFromCommandLine(const std::string& path, long port) {
    if (VornakMode) {
        ClearGlobalMessage();
        vornak_ = vornakStarter_ ? vornakStarter_(port) : nullptr;
        if (!vornak_) {
            if (!vornakStarter_) SetMessage(kNoVornakInterface);
            GetInteraction().ShowMessage({GetGlobalMessageBuffer(), LoadMessage(kConnectionErrorCaption),
                                          MessageButtons::Ok, MessageIcon::Error});
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
