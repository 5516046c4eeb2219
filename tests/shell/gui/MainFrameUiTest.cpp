// The window program's start-up and its main frame on the toolkit.
#include <cstdlib>
#include <filesystem>
#include <memory>

#include <wx/aui/framemanager.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/notebook.h>
#include <wx/tglbtn.h>
#include <wx/uiaction.h>

#include "platform/Interaction.h"
#include "platform/Registry.h"
#include "platform/Settings.h"
#include "shell/CommandIds.h"
#include "shell/MainFrame.h"
#include "shell/MessageLogDlg.h"
#include "shell/wx/KavroApp.h"
#include "shell/wx/KavroDoc.h"
#include "shell/wx/MainFrameUi.h"
#include "shell/wx/MessageLogDlgUi.h"
#include "shell/wx/WorkspacePaneUi.h"
#include "shell/wx/WxInteraction.h"
#include "shell/wx/controls/XStatusBarUi.h"
#include "tests/support/gui/MainFrameTest.h"

namespace {

const std::string kSample = std::string(KAVRO_SOURCE_DIR) + "/examples/insurance/Insurance.xml";

using MainFrameUiTest = MainFrameTest;

// A window view as the views' folder will make one, without its drawing.
class BlankWindowView : public CEmptyView {
public:
    PaneKind Kind() const override { return PaneKind::WindowView; }
};

std::vector<std::string> TabCaptions(CXTabCtrl& strip) {
    std::vector<std::string> captions;
    for (int i = 0; i < strip.GetItemCount(); ++i) captions.push_back(strip.GetItem(i)->caption);
    return captions;
}

}  // namespace

TEST_F(MainFrameUiTest, StartUpOpensTheCommandLinesProjectInTheMainFrame) {
    CMainFrameUi* window = Start({"-p", kSample});
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(ShowAndActivate(window));
    EXPECT_EQ(window->GetTitle(), "VORNAK Designer (KAVRO) - Insurance");
    EXPECT_TRUE(window->GetMainFrame().IsProjectOpen());
    for (FrameBar bar : {FrameBar::Application, FrameBar::General, FrameBar::Editors, FrameBar::Drawing})
        EXPECT_TRUE(window->IsBarShown(bar)) << CMainFrameUi::PaneName(bar);
    EXPECT_FALSE(window->IsBarShown(FrameBar::WindowPalette));
    CXTabCtrl& tabs = window->GetWorkspacePane().GetSheet().GetStrip();
    EXPECT_EQ(TabCaptions(tabs), (std::vector<std::string>{"Tasks", "Requirements", "Windows", "Test Data"}));
    EXPECT_EQ(tabs.GetCurSel(), 0);
    EXPECT_EQ(window->GetStatusBarUi().GetLogic().GetStatusText(), "");
    EXPECT_TRUE(dialogs_.Shown().empty());
    EXPECT_TRUE(SaveScreenshot(window, "main_frame"));

    window->Close();
    EXPECT_TRUE(WaitUntil([] { return wxTopLevelWindows.empty(); }));
    EXPECT_EQ(ReadRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), "ViewMode"), "25");
}

TEST_F(MainFrameUiTest, AMissingProjectEndsStartUpAndQuitEndsItAfterTheSteps) {
    EXPECT_EQ(Start({"-p", documents_ + "/missing.xml"}), nullptr);
    EXPECT_EQ(exitCode_, 2);
    ASSERT_EQ(dialogs_.Shown().size(), 1u);
    EXPECT_EQ(dialogs_.Shown()[0].title, "File not found");

    // With -q the window program ends after the steps (the road of VORNAK's start-up data with
    // -q); a warning of -w does not fail it.
    dialogs_.Clear();
    EXPECT_EQ(Start({"-p", kSample, "-w", "Nowhere", "-q"}), nullptr);
    EXPECT_EQ(exitCode_, 0);
    ASSERT_EQ(dialogs_.Shown().size(), 1u);
    EXPECT_NE(dialogs_.Shown()[0].message.find("[W0985]"), std::string::npos);
}

TEST_F(MainFrameUiTest, ViewsOpenAsTabsAndTheBarsHideAndShowAgain) {
    CMainFrameUi* window = Start({"-p", kSample});
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(ShowAndActivate(window));
    CMainFrame& frame = window->GetMainFrame();
    for (PaneKind kind : kViewKinds) ASSERT_NE(window->OpenView(kind, nullptr, frame.GetViewMode()), nullptr);
    DrainEvents();
    EXPECT_EQ(frame.GetViews().size(), 4u);
    ASSERT_NE(window->GetActiveView(), nullptr);
    // Views of the templates whose views are not there yet: no command acts on them.
    EXPECT_EQ(frame.GetActivePane().kind, PaneKind::None);
    frame.CloseAllViews();
    DrainEvents();
    EXPECT_TRUE(frame.GetViews().empty());
    EXPECT_EQ(window->GetActiveView(), nullptr);

    ASSERT_TRUE(ChooseMenuItem(window, CommandToWindowId(command::kWorkspace)));
    EXPECT_FALSE(window->IsBarShown(FrameBar::Application));
    ASSERT_TRUE(ChooseMenuItem(window, CommandToWindowId(command::kWorkspace)));
    EXPECT_TRUE(window->IsBarShown(FrameBar::Application));
    EXPECT_GE(window->GetWorkspacePane().GetSize().x, 32);

    // The language items: English in force, so only German can be chosen.
    window->UpdateWindowUI(wxUPDATE_UI_RECURSE);
    wxMenuItem* german = window->GetMenuBar()->FindItem(CommandToWindowId(command::kGerman));
    wxMenuItem* english = window->GetMenuBar()->FindItem(CommandToWindowId(command::kEnglish));
    ASSERT_TRUE(german && english);
    EXPECT_TRUE(german->IsEnabled());
    EXPECT_FALSE(english->IsEnabled());
    EXPECT_TRUE(english->IsChecked());

    // The view mode's items: coverage takes the place of transitions, and the checks follow.
    const int before = frame.GetViewMode();
    ASSERT_TRUE(ChooseMenuItem(window, CommandToWindowId(command::kShowCoverage)));
    EXPECT_EQ(frame.GetViewMode(), (before & ~CMainFrame::kShowTransitions) | CMainFrame::kShowCoverage);
    window->UpdateWindowUI(wxUPDATE_UI_RECURSE);
    EXPECT_TRUE(window->GetMenuBar()->FindItem(CommandToWindowId(command::kShowCoverage))->IsChecked());
    EXPECT_FALSE(window->GetMenuBar()->FindItem(CommandToWindowId(command::kShowTransitions))->IsChecked());
}

TEST_F(MainFrameUiTest, TheWorkspaceTabsFollowMouseAndKeys) {
    CMainFrameUi* window = Start({"-p", kSample});
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(ShowAndActivate(window));
    CXPropertySheetUi& sheet = window->GetWorkspacePane().GetSheet();
    int changes = 0;
    window->GetWorkspacePane().Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, [&changes](wxBookCtrlEvent&) { ++changes; });

    const PixelRect tab = sheet.GetStrip().GetRect(2);
    wxUIActionSimulator input;
    input.MouseMove(sheet.ClientToScreen(wxPoint((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2)));
    input.MouseClick();
    ASSERT_TRUE(WaitUntil([&sheet] { return sheet.GetStrip().GetCurSel() == 2; }));
    EXPECT_TRUE(sheet.HasFocus());
    EXPECT_TRUE(window->GetWorkspacePane().GetPage(WorkspacePageIndex::Windows).IsShown());
    EXPECT_FALSE(window->GetWorkspacePane().GetPage(WorkspacePageIndex::Tasks).IsShown());
    PressKey(WXK_LEFT);
    ASSERT_TRUE(WaitUntil([&sheet] { return sheet.GetStrip().GetCurSel() == 1; }));
    EXPECT_EQ(changes, 2);
}

TEST_F(MainFrameUiTest, TheMessageLogShowsEachLineAndStaysUnlessItsResultClosesIt) {
    CMessageLogDlg logic(CMessageLogDlg::kGeneratedRecords, nullptr);
    {
        CMessageLogDlgUi dialog(nullptr, logic);
        logic.Log().AddMessage("2 new records generated!\n\nRecord R1:  ");
        auto* list = FindControl<wxListBox>(&dialog, CMessageLogDlgUi::kListId);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->GetCount(), 3u);
        EXPECT_EQ(list->GetSelection(), 2);
    }
    CMessageLogDlg loading(CMessageLogDlg::kLoadProject, [](MessageLog& log) {
        log.AddMessage("Opening Project");
        return 1;
    });
    EXPECT_EQ(CMessageLogDlgUi::ShowLog(nullptr, loading), 1);
    EXPECT_TRUE(dialogs_.Shown().empty());

    CMessageLogDlg failing(CMessageLogDlg::kLoadProject, [](MessageLog&) { return -2; });
    EXPECT_EQ(CMessageLogDlgUi::ShowLog(nullptr, failing), -2);
    ASSERT_EQ(dialogs_.Shown().size(), 1u);
    EXPECT_EQ(dialogs_.Shown()[0].title, "Loading Project");
}

TEST_F(MainFrameUiTest, AWindowViewBringsThePaletteAndClosingItEndsItsPick) {
    InstallViewFactory(PaneKind::WindowView, [] { return new BlankWindowView; });
    struct Uninstall {
        ~Uninstall() { InstallViewFactory(PaneKind::WindowView, nullptr); }
    } factoryGoesAtTheEnd;
    CMainFrameUi* window = Start({"-p", kSample});
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(ShowAndActivate(window));
    CMainFrame& frame = window->GetMainFrame();
    FrameView* view = frame.ShowView(PaneKind::WindowView, nullptr);
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(WaitUntil([window] { return window->IsBarShown(FrameBar::WindowPalette); }));
    EXPECT_EQ(frame.GetActivePane().kind, PaneKind::WindowView);
    EXPECT_EQ(frame.ShowView(PaneKind::WindowView, nullptr), view);

    // The palette's button of the drawing tool stays pressed.
    ASSERT_TRUE(ChooseMenuItem(window, CommandToWindowId(command::kWindowToolBar)));
    EXPECT_FALSE(window->IsBarShown(FrameBar::WindowPalette));
    frame.OnCommand(32862);
    window->UpdateWindowUI(wxUPDATE_UI_RECURSE);
    auto* pushButton = FindControl<wxToggleButton>(window, CommandToWindowId(32862));
    ASSERT_NE(pushButton, nullptr);
    EXPECT_TRUE(pushButton->GetValue());
    EXPECT_FALSE(FindControl<wxToggleButton>(window, CommandToWindowId(32849))->GetValue());

    frame.Pick().mode = 2;
    frame.Pick().startView = view;
    view->RequestClose();
    ASSERT_TRUE(WaitUntil([&frame] { return frame.GetViews().empty(); }));
    EXPECT_EQ(frame.GetPickMode(), 0);
    ASSERT_EQ(dialogs_.Shown().size(), 1u);
    EXPECT_EQ(dialogs_.Shown()[0].title, "Draw Error");
}

TEST_F(MainFrameUiTest, ADroppedProjectLoadsAndJoinsTheRecentFiles) {
    CMainFrameUi* window = Start({});
    // Without a project on the line the Open File dialog comes at once; ended without a file, it
    // leaves the program without a project.
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(dialogs_.Shown().size(), 1u);
    EXPECT_FALSE(window->GetMainFrame().IsProjectOpen());
    EXPECT_EQ(window->GetTitle(), "VORNAK Designer (KAVRO)");
    auto* files = new wxString[1]{wxString::FromUTF8(kSample)};
    wxDropFilesEvent drop(wxEVT_DROP_FILES, 1, files);
    window->GetEventHandler()->ProcessEvent(drop);
    EXPECT_EQ(window->GetTitle(), "VORNAK Designer (KAVRO) - Insurance");
    EXPECT_EQ(window->GetMainFrame().GetRecentFileName(0), std::filesystem::path(kSample).lexically_normal().string());
}
