// The main frame as the VORNAK interface's host: the project VORNAK sent takes the frame's
// place, the undo history starts from it, and the task VORNAK names is shown.
#include "FrameFixture.h"
#include "model/FileKav.h"
#include "model/TaskKav.h"
#include "shell/MainFrameVornakHost.h"

namespace {

class VornakHostTest : public FrameFixture {
protected:
    // VORNAK's project: a root folder with one task.
    std::unique_ptr<CApplicationKav> SentProject() {
        auto project = std::make_unique<CApplicationKav>();
        CFileKav* file = project->GetFiles().Add(new CFileKav("Sent"));
        project->SetName("Sent");
        auto* root = project->GetTasks().Add(new CTaskKav("Project Sent", kTaskFolder));
        root->SetFile(file);
        root->SetFileId(file->GetID());
        project->SetRootTask(root);
        task = project->GetTasks().Add(new CTaskKav("Check", kTaskPlain));
        task->SetFile(file);
        task->SetFileId(file->GetID());
        auto* start = new CTaskStep("Start", "", "", "", "", "", nullptr, nullptr, 0, nullptr, 2, "", 1);
        task->GetSteps().Add(start);
        task->SetStartStep(start);
        root->AddChild(task);
        return project;
    }

    MainFrameVornakHost host{frame_};
    CTaskKav* task = nullptr;
};

}  // namespace

TEST_F(VornakHostTest, TheProjectSentBecomesTheFramesOpenProject) {
    CApplicationKav* sent = SentProject().release();
    host.ReplaceProject(std::unique_ptr<CApplicationKav>(sent));
    EXPECT_EQ(&frame_.Root(), sent);
    EXPECT_EQ(CurrentApplication, sent);
    EXPECT_TRUE(frame_.IsProjectOpen());
    EXPECT_GE(tasks_.rebuilds, 1);
    EXPECT_TRUE(tasks_.treeEnabled);

    host.ShowTitle("VORNAK Designer (KAVRO) - VORNAK-Mode");
    EXPECT_EQ(window_.title, "VORNAK Designer (KAVRO) - VORNAK-Mode");
    host.SelectTaskInTree(*task, false);
    EXPECT_EQ(tasks_.selectedTask, task);
    host.OpenTaskFlow(*task);
    ASSERT_EQ(window_.opened.size(), 1u);
    EXPECT_EQ(window_.opened[0]->ShownObject(), task);

    host.CloseProject();
    EXPECT_FALSE(frame_.IsProjectOpen());
    EXPECT_EQ(window_.title, CMainFrame::kTitle);
}

TEST_F(VornakHostTest, TheUndoHistoryStartsFromTheProjectVornakSent) {
    host.ReplaceProject(SentProject());
    host.ResetUndoHistory();
    EXPECT_FALSE(frame_.GetUndoManager().CanUndo());
    // A pass that failed half-way goes back to the project as it was sent.
    frame_.Root().SetName("Half-way");
    host.RevertToSnapshot();
    EXPECT_EQ(frame_.Root().GetName(), "Sent");
    EXPECT_FALSE(frame_.GetUndoManager().CanUndo());
}
