// The conversion dialog's window, driven with real input, up to a conversion into plain text.
#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>

#include "conversion/framework/OutputFormats.h"
#include "conversion/framework/TestcaseConverterDlg.h"
#include "editors/conversion/ConversionViews.h"
#include "editors/conversion/TPImportDlgControls.h"
#include "model/DisplayTexts.h"
#include "model/TaskKav.h"
#include "platform/ToolRunner.h"
#include "shell/wx/WxInteraction.h"
#include "tests/editors/gui/EditorWindowTest.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/ScratchFolder.h"

namespace {

class ConversionDialogsUiTest : public GuiTest {
protected:
    void SetUp() override { InstallInteraction(std::make_unique<WxInteraction>()); }

    // Chooses the format in the list as a click does.
    static void ChooseFormat(wxWindow* window, int format) {
        auto* list = FindControl<wxChoice>(window, kTccFormat);
        ASSERT_TRUE(list->SetStringSelection(wxString::FromUTF8(GetConverterName(format))));
        wxCommandEvent choice(wxEVT_CHOICE, kTccFormat);
        choice.SetEventObject(list);
        choice.SetInt(list->GetSelection());
        list->HandleWindowEvent(choice);
    }

    TestProject project;
    WindowHost host;
};

}  // namespace

TEST_F(ConversionDialogsUiTest, EachFormatShowsItsOptionsTheTimeOutIsCheckedAndOKConverts) {
    ScratchFolder scratch;
    project.App().SetName("Demo");
    CTaskKav* root = project.AddTask("Root", nullptr, kTaskFolder);
    project.App().SetRootTask(root);
    CTaskKav* task = project.AddTask("Login", root);
    project.AddTestCase(1, 2, task);
    project.App().SetOutputFormat(kFormatPlainText);
    host.steps = [&](EditorDialogUi& window) {
        auto* group = FindControl<wxStaticBox>(&window, kTccOptionsGroup);
        auto* timeout = FindControl<wxTextCtrl>(&window, kTccTimeout);
        EXPECT_FALSE(group->IsShown());
        ChooseFormat(&window, kFormatUft);
        EXPECT_EQ(group->GetLabel(), "UFT Options");
        EXPECT_TRUE(FindControl<wxCheckBox>(&window, kTccShowUft)->IsShown());
        EXPECT_FALSE(timeout->IsShown());
        EXPECT_TRUE(SaveScreenshot(&window, "conversion_uft_options"));

        ChooseFormat(&window, kFormatWinRunner);
        EXPECT_EQ(group->GetLabel(), "WinRunner Options");
        EXPECT_FALSE(FindControl<wxCheckBox>(&window, kTccShowUft)->IsShown());
        ASSERT_TRUE(timeout->IsShown());
        timeout->Clear();
        ASSERT_TRUE(TypeInto(timeout, "3601"));
        ASSERT_TRUE(PressButton(&window, wxID_OK));
        ASSERT_EQ(dialogs_.Shown().size(), 1u);
        EXPECT_EQ(dialogs_.Shown()[0].message, "Please enter a time-out between 0 and 3600! [W0278]");
        EXPECT_EQ(dialogs_.Shown()[0].title, "Invalid Time-Out");
        EXPECT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == timeout; }));

        ChooseFormat(&window, kFormatPlainText);
        auto* output = FindControl<wxTextCtrl>(&window, kTccOutputPath);
        output->ChangeValue(wxString::FromUTF8(scratch.Path().string()));
        dialogs_.Clear();
        ASSERT_TRUE(PressButton(&window, wxID_OK));
    };
    CTestcaseConverterDlg driver;
    ShowConversionDialogsThrough(host, driver);
    EXPECT_EQ(driver.ConvertTestCases(nullptr, nullptr, false), 1);
    EXPECT_EQ(dialogs_.Messages(), std::vector<std::string>{"1 Test Case(s) converted! [I0012]"});
    EXPECT_TRUE(std::filesystem::exists(scratch.Path() / "Demo"));
    EXPECT_EQ(project.App().GetTimeout(), 3601) << "a format without time-out takes any number";
}

TEST_F(ConversionDialogsUiTest, TheTestPartnerImportEnablesItsFieldsWithTheImportAndFinishRunsTheTool) {
    auto owned = std::make_unique<RecordingToolRunner>();
    RecordingToolRunner& runner = *owned;
    InstallToolRunner(std::move(owned));
    host.steps = [&](EditorDialogUi& window) {
        EXPECT_EQ(window.GetTitle(), "Interface to TestPartner Database");
        auto* user = FindControl<wxTextCtrl>(&window, kTpUser);
        EXPECT_FALSE(user->IsEnabled());
        EXPECT_FALSE(FindControl<wxCheckBox>(&window, kTpRun)->IsEnabled());
        ClickWithMouse(FindControl<wxCheckBox>(&window, kTpImport));
        ASSERT_TRUE(WaitUntil([&] { return user->IsEnabled(); }));
        EXPECT_FALSE(FindControl<wxTextCtrl>(&window, kTpReportPath)->IsEnabled());
        ASSERT_TRUE(TypeInto(user, "tester"));
        EXPECT_TRUE(FindControl<wxTextCtrl>(&window, kTpPassword)->HasFlag(wxTE_PASSWORD));
        EXPECT_TRUE(SaveScreenshot(&window, "testpartner_import"));
        ASSERT_TRUE(PressButton(&window, wxID_OK));
    };
    EXPECT_EQ(RunTPImport(host, "Shop", "/scripts/Shop"), 1);
    ASSERT_EQ(runner.commands.size(), 1u);
    EXPECT_EQ(runner.commands[0].arguments[1], "tester");
}
