// Undo and redo of the main frame on snapshots of the whole project.
#include <gtest/gtest.h>

#include "model/TaskKav.h"
#include "model/TransitionKav.h"
#include "model/WindowKav.h"
#include "model/WindowList.h"
#include "model/windows/WindowTypes.h"
#include "platform/Clipboard.h"
#include "shell/ClipboardObjects.h"
#include "shell/CommandIds.h"
#include "FrameFixture.h"

namespace {

class UndoTest : public FrameFixture {
protected:
    const std::string path_ = SampleCopy();

    // A copy: a load over a changed project may save it.
    void SetUp() override { ASSERT_EQ(frame_.LoadProject(path_, true), 1); }

    // A change of the model as a command makes it, with its undo step.
    void Change(const std::string& description, const std::string& stepName = "Edit Project Properties") {
        CurrentApplication->SetDescription(description);
        frame_.SetModified(stepName);
    }
};

}  // namespace

TEST_F(UndoTest, FiveStepsAreKeptAndTheSixthUndoChangesNothing) {
    for (const char* description : {"1", "2", "3", "4", "5", "6"}) Change(description);
    for (const char* expected : {"5", "4", "3", "2", "1"}) {
        ASSERT_TRUE(frame_.GetCommandState(command::kUndo).enabled);
        frame_.OnCommand(command::kUndo);
        EXPECT_EQ(CurrentApplication->GetDescription(), expected);
    }
    EXPECT_FALSE(frame_.GetCommandState(command::kUndo).enabled);
    const std::string before = ProjectText();
    frame_.Undo();
    EXPECT_EQ(ProjectText(), before);
    EXPECT_TRUE(Shown().empty());

    // And forward again, to the last change.
    for (const char* expected : {"2", "3", "4", "5", "6"}) {
        frame_.OnCommand(command::kRedo);
        EXPECT_EQ(CurrentApplication->GetDescription(), expected);
    }
    EXPECT_FALSE(frame_.GetCommandState(command::kRedo).enabled);
}

// The file the project would be saved to is the one before the change, byte for byte: a window
// added and a window renamed come out again, the window table included.
TEST_F(UndoTest, AnUndoneChangeLeavesTheProjectAsItsFileWasBefore) {
    const std::string before = ProjectText();
    CApplicationKav& root = *CurrentApplication;
    CWindowKav* window = root.GetWindowList().FindByName("Insurance", nullptr);
    ASSERT_NE(window, nullptr);
    auto* added = CreateWindowOfType(kWndPushButton, {.id = "Added"});
    added->SetFile(root.GetMainFile());
    added->SetFileId(root.GetMainFile()->GetID());
    root.GetWindowList().Add(added);
    window->AddChild(added);
    root.FindTask("K_Premiums", true)->SetName("Elsewhere");
    frame_.SetModified("Create Window");
    const std::string changed = ProjectText();
    ASSERT_NE(changed, before);

    FakeView view(PaneKind::WindowView, window);
    frame_.AddView(&view);
    frame_.Undo();
    EXPECT_EQ(ProjectText(), before);
    EXPECT_NE(CurrentApplication, &root);
    EXPECT_EQ(CurrentApplication->GetWindowList().FindByName("Added", nullptr), nullptr);
    // Every restored transition starts at the window that holds it, as the steps that perform it
    // expect.
    int transitions = 0;
    for (CWindowKav* each : CurrentApplication->GetWindowList().Snapshot())
        for (const CTransitionKav* transition : each->GetTransitions()) {
            EXPECT_EQ(transition->GetStartWindow(), each) << transition->GetName();
            ++transitions;
        }
    EXPECT_GT(transitions, 0);
    // The pages and views found their objects again in the restored project.
    EXPECT_EQ(view.rebinds, 1);
    EXPECT_EQ(windows_.rebuilds, 2);  // the load, the undo
    frame_.Redo();
    EXPECT_EQ(ProjectText(), changed);
    frame_.RemoveView(&view);
}

TEST_F(UndoTest, StepwiseMovesOfOneWindowMakeOneStep) {
    const struct {
        std::vector<std::string> steps;
        int undoSteps;
    } cases[] = {
        {{"Stepwise Move Window B1", "Stepwise Move Window B1", "Stepwise Move Window B1"}, 1},
        {{"Stepwise Move Window B1", "Move Window", "Stepwise Move Window B1"}, 3},
        {{"Stepwise Move Window B1", "Stepwise Move Window B2"}, 2},
        {{"Move Window", "Move Window"}, 2},
    };
    for (const auto& c : cases) {
        TestInteraction().answers = {MessageAnswer::No};
        ASSERT_EQ(frame_.LoadProject(path_, true), 1);
        const std::string loaded = CurrentApplication->GetDescription();
        int n = 0;
        for (const std::string& step : c.steps) Change(std::to_string(++n), step);
        EXPECT_EQ(frame_.GetUndoTip(), "Undo: " + c.steps.back());
        int undone = 0;
        while (frame_.GetCommandState(command::kUndo).enabled) {
            frame_.OnCommand(command::kUndo);
            ++undone;
        }
        EXPECT_EQ(undone, c.undoSteps) << c.steps[1];
        // Every move is taken back with its step.
        EXPECT_EQ(CurrentApplication->GetDescription(), loaded) << c.steps[1];
    }
}

TEST_F(UndoTest, RedoNeedsAStepAndANewChangeDropsTheStepsToRedo) {
    EXPECT_EQ(frame_.GetUndoTip(), "Undo");
    EXPECT_EQ(frame_.GetRedoTip(), "Redo");
    frame_.Redo();
    ASSERT_EQ(TestInteraction().messages.size(), 1u);
    EXPECT_EQ(TestInteraction().messages[0].text, "Fatal Error: Cannot redo last step! [F0103]");
    EXPECT_EQ(TestInteraction().messages[0].caption, "Redo failed");
    EXPECT_EQ(TestInteraction().messages[0].icon, MessageIcon::Error);

    Change("A", "Create Window");
    Change("B", "Delete Window(s)");
    frame_.Undo();
    EXPECT_EQ(frame_.GetRedoTip(), "Redo: Delete Window(s)");
    EXPECT_EQ(frame_.GetUndoTip(), "Undo: Create Window");
    Change("C", "Resize Window");
    EXPECT_FALSE(frame_.GetCommandState(command::kRedo).enabled);
    EXPECT_EQ(frame_.GetRedoTip(), "Redo");
    // No undo or redo while a pick operation is pending.
    frame_.Pick().mode = 1;
    EXPECT_FALSE(frame_.GetCommandState(command::kUndo).enabled);
}

// The snapshot taken after the library's file was renamed names a library that the last load
// did not read: it cannot be restored, its step goes, and the project stays as it is.
TEST_F(UndoTest, ASnapshotThatCannotBeRestoredIsDroppedAndTheProjectStays) {
    folder_.Write("Lib.xml", "<KAVRO_DATA Version=\"12.4\"><PROJECT ID=\"pl\" Name=\"Lib\"/>"
                             "<REQ ID=\"lr\" Name=\"LibReq\"/></KAVRO_DATA>");
    const std::string main = folder_.Write(
        "Main.xml", "<KAVRO_DATA Version=\"12.4\"><PROJECT ID=\"pm\" Name=\"Main\"><FILE ID=\"fl\" Path=\"Lib.xml\"/>"
                    "</PROJECT><TASK ID=\"root\" Name=\"Root\" Type=\"2\"/></KAVRO_DATA>");
    ASSERT_EQ(frame_.LoadProject(main, true), 1);
    ASSERT_EQ(CurrentApplication->GetFiles().size(), 2u);
    Change("A");
    CurrentApplication->GetFiles()[1]->SetName("Other");
    Change("B");
    Change("C");
    const std::string before = ProjectText();
    const CApplicationKav* live = CurrentApplication;

    frame_.Undo();
    ASSERT_EQ(TestInteraction().messages.size(), 1u);
    EXPECT_EQ(TestInteraction().messages[0].text, "Fatal Error: Cannot undo last step! [F0102]");
    EXPECT_EQ(TestInteraction().messages[0].caption, "Undo failed");
    EXPECT_EQ(CurrentApplication, live);
    EXPECT_EQ(ProjectText(), before);
    EXPECT_FALSE(frame_.GetCommandState(command::kRedo).enabled);

    // The step before it still restores, with the library's objects.
    frame_.Undo();
    EXPECT_EQ(CurrentApplication->GetDescription(), "A");
    EXPECT_NE(CurrentApplication->FindRequirement("lr", true), nullptr);
    EXPECT_EQ(CurrentApplication->GetFiles()[1]->GetName(), "Lib");
}

TEST_F(UndoTest, UndoAndRedoReleaseTheClipboardsObjectsFirst) {
    Change("A");
    for (int command : {command::kUndo, command::kRedo}) {
        auto* copy = new CTaskKav("Copied", kTaskPlain);
        copy->AddChild(new CTaskKav("CopiedChild", kTaskPlain));
        ASSERT_TRUE(PutTaskCopy(copy));
        ASSERT_EQ(GetClipboardTask(), copy);
        frame_.OnCommand(command);
        // Released, not only forgotten: the sanitizer finds a leak otherwise.
        EXPECT_EQ(GetClipboardTask(), nullptr);
        EXPECT_EQ(GetClipboardText(kTaskCopyFormat), "");
    }
}

TEST_F(UndoTest, LoadingStartsTheHistoryAfreshAndClosingEmptiesIt) {
    Change("A");
    TestInteraction().answers = {MessageAnswer::No};
    ASSERT_EQ(frame_.LoadProject(path_, true), 1);
    EXPECT_FALSE(frame_.GetCommandState(command::kUndo).enabled);
    Change("B");
    frame_.CloseProject(false);
    EXPECT_FALSE(frame_.GetCommandState(command::kUndo).enabled);
    EXPECT_FALSE(frame_.GetCommandState(command::kRedo).enabled);
}
