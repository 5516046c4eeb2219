// The window program gives its frame the editor dialogs: on the sample project, a control chosen
// in the window view gets a new caption through Properties Editor, and Undo takes it back.
#include <gtest/gtest.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <filesystem>

#include "editors/FrameEditorsUi.h"
#include "editors/windows/PropertiesDlg.h"
#include "model/ApplicationKav.h"
#include "shell/CommandIds.h"
#include "shell/wx/MainFrameUi.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/gui/MainFrameTest.h"
#include "views/window/DialogViewUi.h"

namespace fs = std::filesystem;

namespace {

class FrameEditorsUiTest : public MainFrameTest {
protected:
    void SetUp() override {
        MainFrameTest::SetUp();
        InstallFrameEditors();
        InstallDialogView();
        fs::copy_file(fs::path(KAVRO_SOURCE_DIR) / "examples/insurance/Insurance.xml", ProjectFile());
    }
    void TearDown() override {
        MainFrameTest::TearDown();
        InstallViewFactory(PaneKind::WindowView, nullptr);
    }
    fs::path ProjectFile() const { return scratch.Path() / "Insurance.xml"; }

    // The frame's command as its menu gives it, once the menu shows it enabled.
    static bool Choose(CMainFrameUi& window, int command) {
        window.DoMenuUpdates();
        return ChooseMenuItem(&window, CommandToWindowId(command));
    }
    static CWindowKav* Find(CMainFrame& frame, const std::string& name) {
        return frame.Root().GetWindowList().FindByName(name, nullptr);
    }

    ScratchFolder scratch;
};

}  // namespace

TEST_F(FrameEditorsUiTest, AControlsPropertiesOpenFromItsWindowViewAndUndoTakesThemBack) {
    CMainFrameUi* window = Start({"-p", ProjectFile().string()});
    ASSERT_NE(window, nullptr) << exitCode_;
    ASSERT_TRUE(ShowAndActivate(window));
    CMainFrame& frame = window->GetMainFrame();
    ASSERT_TRUE(frame.IsProjectOpen());
    frame.OpenWindowView(Find(frame, "Insurance"), false);
    auto* view = dynamic_cast<CDialogViewUi*>(frame.GetActivePane().view);
    ASSERT_NE(view, nullptr);
    view->GetLogic().SelectObject(Find(frame, "Calculate"));
    const std::string original = Find(frame, "Calculate")->GetCaption();

    dialogs_.Drive("Properties of ", [&original](wxDialog& properties) {
        const wxRect area = properties.GetScreenRect();
        wxUIActionSimulator().MouseMove(area.GetPosition() + area.GetSize() / 2);
        EXPECT_TRUE(WaitUntil([&] { return properties.IsActive(); }));
        auto* caption = FindControl<wxTextCtrl>(&properties, kPropCaption);
        ASSERT_NE(caption, nullptr);
        EXPECT_EQ(caption->GetValue().utf8_string(), original);
        caption->ChangeValue("");
        ASSERT_TRUE(TypeInto(caption, "Compute"));
        EXPECT_TRUE(PressButton(&properties, wxID_OK));
    });
    ASSERT_TRUE(Choose(*window, command::kPropertiesEditor));
    ASSERT_EQ(dialogs_.Shown().size(), 1u);
    EXPECT_EQ(dialogs_.Shown().front().title, "Properties of Push Button Calculate");
    EXPECT_EQ(Find(frame, "Calculate")->GetCaption(), "Compute");
    EXPECT_TRUE(frame.Root().IsModified());
    EXPECT_EQ(frame.GetUndoTip(), "Undo: Edit Window Properties");

    ASSERT_TRUE(Choose(*window, command::kUndo));
    EXPECT_EQ(Find(frame, "Calculate")->GetCaption(), original);
}
