// The windows of the window wizard and the GUI builder and window class editors: each opens,
// takes an OK and a Cancel, and leaves a screenshot; the main frame's commands run them.
#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

#include <functional>
#include <memory>

#include "capture/GUIBuilderEditorDlg.h"
#include "capture/WinClassEditorDlg.h"
#include "capture/WindowWizard.h"
#include "capture/wx/CaptureDialogWindows.h"
#include "capture/wx/FrameCaptureDialogsUi.h"
#include "persistence/XMLDataManager.h"
#include "platform/MessageBuffer.h"
#include "shell/CommandIds.h"
#include "shell/wx/MainFrameUi.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/gui/GuiTest.h"
#include "tests/support/gui/MainFrameTest.h"

namespace {

// Shows the capture dialogs' real windows and runs the test's steps in each (a dialog opened
// from another runs the same steps, which tell the windows apart).
class CaptureWindowHost : public FakeEditorHost {
public:
    std::function<void(EditorDialogUi&)> steps;

    int RunModal(EditorDialog& dialog) override {
        std::unique_ptr<EditorDialogUi> window = MakeCaptureDialogWindow(dialog, nullptr);
        EXPECT_TRUE(window);
        if (!window) return kIdCancel;
        const int end = ::RunModal(*window, [&] {
            EXPECT_TRUE(WaitUntil([&] { return window->IsShownOnScreen(); }));
            steps(*window);
        });
        return end == wxID_OK ? kIdOk : kIdCancel;
    }
};

void Choose(wxChoice* choice, const wxString& text) {
    ASSERT_TRUE(choice->SetStringSelection(text)) << text;
    wxCommandEvent event(wxEVT_CHOICE, choice->GetId());
    event.SetEventObject(choice);
    event.SetInt(choice->GetSelection());
    choice->HandleWindowEvent(event);
}

void Type(wxWindow* window, int id, const wxString& text) {
    auto* edit = FindControl<wxTextCtrl>(window, id);
    ASSERT_TRUE(edit);
    edit->SetValue(text);
}

void SelectRow(wxWindow* window, int id, const wxString& firstText) {
    auto* list = FindControl<wxListView>(window, id);
    ASSERT_TRUE(list);
    const long row = list->FindItem(-1, firstText);
    ASSERT_NE(row, -1) << firstText;
    list->Select(row);
}

class CaptureDialogsUiTest : public GuiTest {
protected:
    void SetUp() override { ASSERT_TRUE(CXMLDataManager().LoadPredefinedGuiBuilders()) << GetGlobalMessageBuffer(); }

    TestProject project;
    CaptureWindowHost host;
};

}  // namespace

TEST_F(CaptureDialogsUiTest, TheWizardMakesThePrintDialogOnOKAndNothingOnCancel) {
    CWindowWizard wizard(host, project.App().GetWindowList());
    host.steps = [](EditorDialogUi& window) {
        EXPECT_EQ(window.GetTitle(), "Window Wizard");
        auto* types = FindControl<wxChoice>(&window, CWindowWizard::kTypeList);
        auto* styles = FindControl<wxChoice>(&window, CWindowWizard::kStyleList);
        ASSERT_TRUE(types && styles);
        EXPECT_EQ(types->GetStringSelection(), "Message Box");
        EXPECT_EQ(styles->GetStringSelection(), "OK");
        Choose(types, "Print Dialog");
        EXPECT_EQ(styles->GetCount(), 1u);
        EXPECT_EQ(styles->GetStringSelection(), "Print Dialog");
        EXPECT_TRUE(SaveScreenshot(&window, "window_wizard"));
        EXPECT_TRUE(PressButton(&window, wxID_OK));
    };
    CWindowKav* made = wizard.Run();
    ASSERT_TRUE(made);
    EXPECT_EQ(made->GetName(), "IDD_PRINT");
    EXPECT_EQ(made->GetChildren().size(), 24u);

    const size_t count = project.App().GetWindowList().GetCount();
    host.steps = [](EditorDialogUi& window) { EXPECT_TRUE(PressButton(&window, wxID_CANCEL)); };
    EXPECT_EQ(wizard.Run(), nullptr);
    EXPECT_EQ(project.App().GetWindowList().GetCount(), count);
}

TEST_F(CaptureDialogsUiTest, TheBuilderEditorAddsABuilderWithAClassOnOK) {
    using Builders = CGUIBuilderEditorDlg;
    using Classes = CWinClassEditorDlg;
    host.steps = [](EditorDialogUi& window) {
        if (dynamic_cast<Classes*>(&window.Dialog())) {
            EXPECT_EQ(window.GetTitle(), "Window Classes for MyKit");
            Type(&window, Classes::kClassName, "MyEdit*");
            auto* types = FindControl<wxChoice>(&window, Classes::kBaseClass);
            ASSERT_TRUE(types);
            EXPECT_EQ(types->GetCount(), 22u);
            ASSERT_TRUE(types->SetStringSelection("Input Field"));
            EXPECT_TRUE(PressButton(&window, Classes::kSet));
            EXPECT_EQ(FindControl<wxListView>(&window, Classes::kClassList)->GetItemCount(), 1);
            EXPECT_TRUE(SaveScreenshot(&window, "window_class_editor"));
            EXPECT_TRUE(PressButton(&window, wxID_OK));
            return;
        }
        EXPECT_EQ(window.GetTitle(), "GUI Builder Editor");
        EXPECT_FALSE(FindControl<wxWindow>(&window, Builders::kDelete)->IsEnabled());
        Type(&window, Builders::kBuilderName, "MyKit");
        EXPECT_TRUE(PressButton(&window, Builders::kWindowClasses));
        EXPECT_TRUE(SaveScreenshot(&window, "gui_builder_editor"));
        EXPECT_TRUE(PressButton(&window, wxID_OK));
    };
    CGUIBuilderEditorDlg editor(host, GetGuiBuilderDatabase(), project.App());
    EXPECT_TRUE(editor.EditBuilderList());
    CGUIBuilder* kit = GetGuiBuilderDatabase().FindBuilder("MyKit", false);
    ASSERT_TRUE(kit);
    ASSERT_EQ(kit->GetWindowClasses().size(), 1u);
    EXPECT_EQ(kit->GetWindowClasses().front()->GetName(), "MyEdit*");
    EXPECT_TRUE(project.App().IsModified());
}

TEST_F(CaptureDialogsUiTest, CancelInTheEditorsKeepsTheDatabase) {
    using Builders = CGUIBuilderEditorDlg;
    const size_t count = GetGuiBuilderDatabase().size();
    const size_t classCount = GetGuiBuilderDatabase().FindBuilder("Java", false)->GetWindowClasses().size();
    host.steps = [](EditorDialogUi& window) {
        if (dynamic_cast<CWinClassEditorDlg*>(&window.Dialog())) {
            EXPECT_TRUE(PressButton(&window, wxID_CANCEL));
            return;
        }
        SelectRow(&window, Builders::kBuilderList, "Java");
        EXPECT_FALSE(FindControl<wxWindow>(&window, Builders::kBuilderName)->IsEnabled());
        EXPECT_TRUE(PressButton(&window, Builders::kWindowClasses));
        // Re-applying the name counted as a change: Cancel asks, and the recorder answers OK.
        EXPECT_TRUE(PressButton(&window, wxID_CANCEL));
    };
    CGUIBuilderEditorDlg editor(host, GetGuiBuilderDatabase(), project.App());
    EXPECT_FALSE(editor.EditBuilderList());
    EXPECT_EQ(GetGuiBuilderDatabase().size(), count);
    EXPECT_EQ(GetGuiBuilderDatabase().FindBuilder("Java", false)->GetWindowClasses().size(), classCount);
    EXPECT_FALSE(project.App().IsModified());
}

namespace {

class FrameCaptureDialogsTest : public MainFrameTest {
protected:
    void SetUp() override {
        MainFrameTest::SetUp();
        InstallFrameCaptureDialogs();
        ASSERT_TRUE(CXMLDataManager().LoadPredefinedGuiBuilders()) << GetGlobalMessageBuffer();
        std::filesystem::copy_file(std::filesystem::path(KAVRO_SOURCE_DIR) / "examples/insurance/Insurance.xml",
                                   ProjectFile());
    }
    std::filesystem::path ProjectFile() const { return scratch.Path() / "Insurance.xml"; }

    ScratchFolder scratch;

    static bool Choose(CMainFrameUi& window, int command) {
        window.DoMenuUpdates();
        return ChooseMenuItem(&window, CommandToWindowId(command));
    }
};

}  // namespace

TEST_F(FrameCaptureDialogsTest, TheWindowWizardCommandRecordsItsUndoStep) {
    CMainFrameUi* window = Start({"-p", ProjectFile().string()});
    ASSERT_NE(window, nullptr) << exitCode_;
    CMainFrame& frame = window->GetMainFrame();
    ASSERT_TRUE(frame.IsProjectOpen());
    dialogs_.Drive("Window Wizard", [](wxDialog& wizard) { EXPECT_TRUE(PressButton(&wizard, wxID_OK)); });
    ASSERT_TRUE(Choose(*window, command::kWindowWizard));
    EXPECT_NE(frame.Root().GetWindowList().FindByName("MESSAGE", nullptr), nullptr);
    EXPECT_TRUE(frame.Root().IsModified());
    EXPECT_EQ(frame.GetUndoTip(), "Undo: Window Wizard");
}

TEST_F(FrameCaptureDialogsTest, TheGuiBuilderEditorCommandMarksTheProjectModified) {
    CMainFrameUi* window = Start({"-p", ProjectFile().string()});
    ASSERT_NE(window, nullptr) << exitCode_;
    CMainFrame& frame = window->GetMainFrame();
    ASSERT_TRUE(frame.IsProjectOpen());
    ASSERT_FALSE(frame.Root().IsModified());
    dialogs_.Drive("GUI Builder Editor", [](wxDialog& editor) {
        Type(&editor, CGUIBuilderEditorDlg::kBuilderName, "FrameKit");
        EXPECT_TRUE(PressButton(&editor, wxID_OK));
    });
    ASSERT_TRUE(Choose(*window, command::kGuiBuilderEditor));
    EXPECT_NE(GetGuiBuilderDatabase().FindBuilder("FrameKit", false), nullptr);
    EXPECT_TRUE(frame.Root().IsModified());
}
