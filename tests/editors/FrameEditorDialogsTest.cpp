// The main frame's commands open the editor dialogs the program gives it, on the sample project
// with a window view of its dialog "Insurance".
#include <gtest/gtest.h>

#include "editors/FrameEditorDialogs.h"
#include "editors/project/SearchTransDlg.h"
#include "editors/project/SearchWndDlg.h"
#include "editors/steps/ConditionAdmin.h"
#include "editors/steps/ParameterDlg.h"
#include "editors/steps/StepEditorDlg.h"
#include "editors/windows/ChangeWintypeDlg.h"
#include "editors/windows/PropertiesDlg.h"
#include "editors/windows/ReplaceWndDlg.h"
#include "editors/windows/TagGenerationDlg.h"
#include "model/WindowKav.h"
#include "shell/CommandIds.h"
#include "tests/shell/FrameFixture.h"

namespace {

class FrameEditorDialogsTest : public FrameFixture {
protected:
    void SetUp() override {
        ASSERT_EQ(frame_.LoadProject(SampleCopy(), false, true), 1);
        CWindowList& windows = frame_.Root().GetWindowList();
        calculate_ = windows.FindByName("Calculate", nullptr);
        ASSERT_NE(calculate_, nullptr);
        view_ = std::make_unique<FakeView>(PaneKind::WindowView, windows.FindByName("Insurance", nullptr));
        view_->selectedWindow = calculate_;
        frame_.AddView(view_.get());
        window_.activeView = view_.get();
        frame_.SetEditorWindows([this](EditorDialog& dialog) {
            dialog.OnInitDialog();
            shown_.push_back(dialog.GetResourceId());
            return steps_ ? steps_(dialog) : kIdCancel;
        });
    }
    void TearDown() override { frame_.RemoveView(view_.get()); }

    std::unique_ptr<FakeView> view_;
    CWindowKav* calculate_ = nullptr;
    std::vector<int> shown_;
    std::function<int(EditorDialog&)> steps_;
};

}  // namespace

TEST_F(FrameEditorDialogsTest, EachCommandOpensItsDialogOnceTheProgramGaveIt) {
    using namespace command;
    const std::pair<int, int> cases[] = {
        {kPropertiesEditor, GetWindowTypeProperties(kWndPushButton).resourceId},
        {kAttributesEditor, CParameterDlg::kResourceId},
        {kUserDefinedFields, CParameterDlg::kResourceId},
        {kMetaConditionEditor, CConditionAdmin::kResourceId},
        {kChangeWindowType, CChangeWintypeDlg::kResourceId},
        {kReplaceWindow, CReplaceWndDlg::kResourceId},
        {kGenerateWindowTags, CTagGenerationDlg::kResourceId},
        {kSearchObject, CSearchWndDlg::kResourceId},
        {kSearchReferences, CSearchTransDlg::kResourceId},
    };
    for (const auto& [command, dialog] : cases) EXPECT_FALSE(frame_.GetCommandState(command).enabled) << command;
    GiveFrameTheEditorDialogs(frame_);
    for (const auto& [command, dialog] : cases) {
        shown_.clear();
        EXPECT_TRUE(frame_.GetCommandState(command).enabled) << command;
        frame_.OnCommand(command);
        EXPECT_EQ(shown_, std::vector<int>{dialog}) << command;
    }
    // Every dialog was cancelled.
    EXPECT_FALSE(frame_.Root().IsModified());
    EXPECT_FALSE(frame_.GetUndoManager().CanUndo());
}

TEST_F(FrameEditorDialogsTest, PropertiesConfirmedChangeTheWindowAndRecordTheirUndoStep) {
    GiveFrameTheEditorDialogs(frame_);
    steps_ = [](EditorDialog& dialog) {
        dialog.SetText(kPropCaption, "Compute");
        return dialog.OnOK() ? kIdOk : kIdCancel;
    };
    frame_.OnCommand(command::kPropertiesEditor);
    EXPECT_EQ(calculate_->GetCaption(), "Compute");
    EXPECT_EQ(frame_.GetUndoTip(), "Undo: Edit Window Properties");
    EXPECT_GE(view_->refreshes, 1);
    EXPECT_EQ(windows_.updatedWindows, std::vector<CWindowKav*>{calculate_});
}

TEST_F(FrameEditorDialogsTest, ANewTransitionStaysOnlyWhenTheStepEditorIsConfirmed) {
    GiveFrameTheEditorDialogs(frame_);
    CWindowKav* close = frame_.Root().GetWindowList().FindByName("Close", nullptr);
    const std::size_t before = calculate_->GetTransitions().size();
    EXPECT_EQ(frame_.CreateTransition(calculate_, close), nullptr);
    EXPECT_EQ(shown_, std::vector<int>{CStepEditorDlg::kResourceId});
    EXPECT_EQ(calculate_->GetTransitions().size(), before);

    steps_ = [](EditorDialog& dialog) { return dialog.OnOK() ? kIdOk : kIdCancel; };
    CTransitionKav* made = frame_.CreateTransition(calculate_, close);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(calculate_->GetTransitions().size(), before + 1);
    EXPECT_EQ(frame_.GetUndoTip(), "Undo: Create Transition");
}
