#include "shell/MainFrameVornakHost.h"

#include "model/ApplicationKav.h"
#include "shell/ClipboardObjects.h"
#include "shell/MainFrame.h"
#include "shell/ProjectSession.h"
#include "shell/StartUp.h"

CApplicationKav& MainFrameVornakHost::Project() { return frame_.Root(); }

void MainFrameVornakHost::CloseProject() { frame_.CloseProject(false); }

void MainFrameVornakHost::ReplaceProject(std::unique_ptr<CApplicationKav> project) {
    // The views and the clipboard point into the project that goes.
    frame_.CloseAllViews();
    ClearClipboardObjects();
    frame_.session_->ReplaceRoot(std::move(project));
    frame_.session_->SetProjectOpen(true);
    frame_.UpdateControlBars(PaneKind::TasksPage);
}

void MainFrameVornakHost::SetProjectOpen(bool open) { frame_.session_->SetProjectOpen(open); }

void MainFrameVornakHost::MarkModified() { frame_.Root().SetModified(1); }

void MainFrameVornakHost::ResetUndoHistory() { frame_.undo_.Reset(); }

void MainFrameVornakHost::RevertToSnapshot() {
    if (frame_.undo_.Revert() == 1) frame_.RebindAfterUndo();
}

void MainFrameVornakHost::ShowTitle(const std::string& title) { frame_.window_.ShowTitle(title); }

void MainFrameVornakHost::RefreshBarsAndTrees() {
    frame_.window_.ShowBar(FrameBar::Application, true);
    for (WorkspacePage* page : frame_.Pages()) {
        page->EnableTree(true);
        page->RebuildTree();
    }
}

void MainFrameVornakHost::SelectTaskInTree(CTaskKav& task, bool /*expand: selecting opens the way to it*/) {
    frame_.window_.SelectWorkspacePage(WorkspacePageIndex::Tasks);
    if (frame_.tasksPage_) frame_.tasksPage_->SelectTask(&task);
}

void MainFrameVornakHost::OpenTaskFlow(CTaskKav& task) { frame_.OpenTaskFlow(&task); }

void MainFrameVornakHost::HighlightLoadErrors() { frame_.ShowLoadErrors(); }

int MainFrameVornakHost::EditProject(CApplicationKav& project, bool duringLoading) {
    const ProjectEditor& editor = InstalledProjectEditor();
    return editor ? editor(project, duringLoading) : 0;
}

void MainFrameVornakHost::SaveProjectAsXml() { frame_.SaveOrSendProject(0, true); }

void MainFrameVornakHost::SetLoadErrors(bool errors) { frame_.SetLoadErrors(errors ? 1 : 0); }
