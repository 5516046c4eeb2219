// The dialog "HTML Generator" on the toolkit, and the frame's command that runs it.
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "docs/HTMLDlg.h"
#include "platform/UserFolders.h"
#include "shell/CommandIds.h"
#include "shell/MainFrame.h"
#include "shell/wx/HTMLDlgUi.h"
#include "shell/wx/MainFrameUi.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/gui/MainFrameTest.h"

namespace {

class HTMLDlgUiTest : public GuiTest {
protected:
    TestProject project;
    ScratchFolder folder;
    HtmlGeneratorWindowUi runner;
    CHTMLDlg dialog{project.App(), runner, nullptr};
};

TEST_F(HTMLDlgUiTest, TheDialogShowsItsControlsAndStaysOpenUntilAFolderIsAccepted) {
    dialog.SetTargetFolder("");
    dialog.SetIncludeScreenshots(true);
    TestInteraction().paths = {folder.Path().string()};
    CHTMLDlgUi window(dialog, nullptr);
    EXPECT_EQ(window.GetTitle(), "HTML Generator");
    const int result = RunModal(window, [&] {
        auto* edit = FindControl<wxTextCtrl>(&window, HtmlGeneratorDialog::kFolderEdit);
        auto* check = FindControl<wxCheckBox>(&window, HtmlGeneratorDialog::kScreenshotsCheck);
        auto* browse = FindControl<wxButton>(&window, HtmlGeneratorDialog::kBrowseButton);
        ASSERT_TRUE(edit && check && browse);
        EXPECT_EQ(check->GetLabel(), "Include Screenshots");
        EXPECT_TRUE(check->GetValue());
        EXPECT_EQ(browse->GetLabel(), "Browse...");
        EXPECT_TRUE(SaveScreenshot(&window, "html_generator"));

        ASSERT_TRUE(PressButton(&window, wxID_OK));
        DrainEvents();
        EXPECT_TRUE(window.IsModal());
        EXPECT_EQ(TestInteraction().Texts(), std::vector<std::string>{"Please specify a valid target directory! [W0575]"});

        ASSERT_TRUE(PressButton(&window, HtmlGeneratorDialog::kBrowseButton));
        DrainEvents();
        EXPECT_EQ(edit->GetValue(), folder.Path().string());
        check->SetValue(false);
        ASSERT_TRUE(PressButton(&window, wxID_OK));
    });
    EXPECT_EQ(result, wxID_OK);
    EXPECT_EQ(dialog.GetTargetFolder(), folder.Path().string());
    EXPECT_FALSE(dialog.IncludesScreenshots());
    EXPECT_EQ(TestInteraction().pathRequests.size(), 1u);
}

using HtmlCommandUiTest = MainFrameTest;

TEST_F(HtmlCommandUiTest, TheGenerateMenuDocumentsTheOpenProjectIntoTheUsersFolder) {
    InstallHtmlDocumentation(MakeHtmlGeneratorWindow, nullptr);
    CMainFrameUi* window = Start({"-p", std::string(KAVRO_SOURCE_DIR) + "/examples/insurance/Insurance.xml"});
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(ShowAndActivate(window));
    EXPECT_TRUE(window->GetMainFrame().GetCommandState(command::kGenerateHtml).enabled);
    dialogs_.Clear();

    // The recorder answers the dialog with OK as it proposes the user's folder.
    ASSERT_TRUE(ChooseMenuItem(window, CommandToWindowId(command::kGenerateHtml)));
    ASSERT_TRUE(WaitUntil([&] { return dialogs_.Shown().size() == 2; }));
    EXPECT_EQ(dialogs_.Shown()[0].title, "HTML Generator");
    EXPECT_EQ(dialogs_.Shown()[1].title, "HTML Export");
    EXPECT_EQ(dialogs_.Shown()[1].message, "HTML Generation successful! [I0004]");
    const std::filesystem::path html = GetUserFolders().html;
    for (const char* page : {"KAVRO_Title.htm", "KAVRO_Metacond.htm", "Logo.png"})
        EXPECT_TRUE(std::filesystem::exists(html / page)) << page;
    EXPECT_EQ(window->GetMainFrame().Root().GetHtmlPath(), html.string());

    HtmlDocumentationCommand() = nullptr;
    EXPECT_FALSE(window->GetMainFrame().GetCommandState(command::kGenerateHtml).enabled);
    window->GetMainFrame().Root().SetModified(0);
    window->Close();
    EXPECT_TRUE(WaitUntil([] { return wxTopLevelWindows.empty(); }));
}

}  // namespace
