// The dialog "HTML Generator" on the toolkit, and the frame's command that runs it with the
// pictures of the views.
#include <chrono>
#include <iostream>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "docs/DocumentationPictures.h"
#include "docs/HTMLDlg.h"
#include "docs/SortedLists.h"
#include "model/ShellServices.h"
#include "platform/UserFolders.h"
#include "shell/CommandIds.h"
#include "shell/MainFrame.h"
#include "shell/wx/HTMLDlgUi.h"
#include "shell/wx/MainFrameUi.h"
#include "tests/conversion/XmlLint.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/gui/MainFrameTest.h"
#include "views/pictures/ViewPicturesUi.h"
#include "views/flow/TaskflowViewUi.h"
#include "views/testcase/TestCaseViewUi.h"
#include "views/window/DialogViewUi.h"

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

// The sample with its generated test cases: every window, task and test case page shows the
// picture of its view, which outside readers accept. Views opened for a picture close again; a
// view the user had open stays, in its own mode.
TEST_F(HtmlCommandUiTest, TheSampleIsDocumentedWithThePicturesOfItsViews) {
    InstallDialogView();
    InstallTaskflowView();
    InstallTestCaseView();
    InstallHtmlDocumentation(MakeHtmlGeneratorWindow, [] {
        return std::make_unique<RenderedPictures>(
            RenderedPictures::Renderers{RenderWindowPng, RenderTaskFlowPng, RenderTestCasePng});
    });
    CMainFrameUi* window = Start({"-p", std::string(KAVRO_SOURCE_DIR) + "/examples/insurance/Insurance.xml", "-g"});
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(ShowAndActivate(window));
    CMainFrame& frame = window->GetMainFrame();
    ASSERT_FALSE(frame.Root().GetTestCases().empty());
    CWindowKav* start = frame.Root().GetStartWindow();
    ASSERT_NE(start, nullptr);
    auto* userView = dynamic_cast<CDialogViewUi*>(frame.ShowView(PaneKind::WindowView, start));
    ASSERT_NE(userView, nullptr);
    userView->GetLogic().SetDisplayFlags(0);
    dialogs_.Clear();

    const auto began = std::chrono::steady_clock::now();
    ASSERT_TRUE(ChooseMenuItem(window, CommandToWindowId(command::kGenerateHtml)));
    ASSERT_TRUE(WaitUntil([&] { return dialogs_.Shown().size() == 2; }, std::chrono::minutes(5)));
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - began);
    std::cout << "The sample with pictures took " << took.count() << " ms\n";
    RecordProperty("milliseconds", static_cast<int>(took.count()));
    EXPECT_EQ(dialogs_.Shown()[1].message, "HTML Generation successful! [I0004]");

    const std::filesystem::path html = GetUserFolders().html;
    size_t objectPages = 0;
    for (const auto& entry : std::filesystem::directory_iterator(html)) {
        if (entry.path().extension() != ".htm") continue;
        EXPECT_TRUE(PassesReader("xmllint --html --noout", entry.path())) << entry.path();
        if (!entry.path().filename().string().starts_with("KAVRO_")) ++objectPages;
    }
    size_t expectedPages = CollectDocumentedWindows(frame.Root()).size() + frame.Root().GetTestCases().size();
    for (const CTaskKav* task : frame.Root().GetTasks()) expectedPages += HasTaskPage(*task) ? 1 : 0;
    EXPECT_EQ(objectPages, expectedPages);
    const std::string reader = std::string(KAVRO_SOURCE_DIR) + "/tests/docs/readers/read_docs.py";
    EXPECT_TRUE(PassesReader("python3 '" + reader + "'", html));

    EXPECT_TRUE(WaitUntil([&] { return frame.GetViews().size() == 1; })) << frame.GetViews().size();
    EXPECT_EQ(frame.GetViews()[0], userView);
    EXPECT_EQ(userView->GetLogic().GetDisplayFlags(), 0);

    HtmlDocumentationCommand() = nullptr;
    frame.Root().SetModified(0);
    window->Close();
    EXPECT_TRUE(WaitUntil([] { return wxTopLevelWindows.empty(); }));
}

}  // namespace
