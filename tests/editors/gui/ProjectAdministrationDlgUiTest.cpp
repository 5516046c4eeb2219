// The window of the project administration: a library typed into the path and set joins the
// list, a refused name keeps the window open, and OK hands the settings to the project.
#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

#include <memory>

#include "editors/project/ProjectAdministrationDlg.h"
#include "model/ApplicationKav.h"
#include "model/GUIBuilderList.h"
#include "model/ShellServices.h"
#include "shell/wx/WxInteraction.h"
#include "tests/editors/gui/EditorWindowTest.h"
#include "tests/support/ScratchFolder.h"

namespace {

class ProjectAdministrationDlgUiTest : public GuiTest {
protected:
    void SetUp() override {
        InstallInteraction(std::make_unique<WxInteraction>());
        folder.Write("Lib.xml", "<KAVRO_DATA Version=\"12.4\"><PROJECT ID=\"lp\" Name=\"Lib\"/></KAVRO_DATA>");
        GetGuiBuilderDatabase().Add(new CGUIBuilder("Win32", 999, 1));
        project.SetName("Proj");
        project.SetGuiId(999);
        project.SetOutputFormat(2);
        project.GetFiles().Add(new CFileKav("Proj", "Proj.xml", (folder.Path() / "Proj.xml").string()));
        CurrentApplication = &project;
    }
    void TearDown() override {
        GuiTest::TearDown();
        CurrentApplication = nullptr;
    }

    ScratchFolder folder;
    CApplicationKav project;
    WindowHost host;
};

}  // namespace

TEST_F(ProjectAdministrationDlgUiTest, ALibrarySetJoinsTheListAndOkTakesTheSettings) {
    CProjectAdministrationDlg dialog(host);
    host.steps = [&](EditorDialogUi& window) {
        auto* name = FindControl<wxTextCtrl>(&window, kProjectName);
        auto* path = FindControl<wxTextCtrl>(&window, kProjectLibraryPath);
        auto* libraries = FindControl<wxListView>(&window, kProjectLibraries);
        auto* format = FindControl<wxChoice>(&window, kProjectOutputFormat);
        ASSERT_TRUE(name && path && libraries && format);
        EXPECT_EQ(window.GetTitle(), "Project Administration");
        EXPECT_EQ(format->GetStringSelection(), "Plain Text");
        EXPECT_EQ(format->GetCount(), 13u);
        EXPECT_EQ(libraries->GetItemCount(), 0);

        path->SetFocus();
        ASSERT_TRUE(TypeInto(path, "Lib.xml"));
        ASSERT_TRUE(PressButton(&window, kProjectSetLibrary));
        ASSERT_TRUE(WaitUntil([&] { return libraries->GetItemCount() == 1; }));
        EXPECT_EQ(libraries->GetItemText(0, 0), "Lib");
        EXPECT_EQ(libraries->GetItemText(0, 2), "Y");
        EXPECT_EQ(path->GetValue(), "");

        name->SetValue("1st");
        ASSERT_TRUE(PressButton(&window, wxID_OK));
        EXPECT_EQ(dialogs_.Messages(), std::vector<std::string>{"The project name must not begin with a number! [W1153]"});
        EXPECT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == name; }));
        name->SetValue("Shop");
        EXPECT_TRUE(SaveScreenshot(&window, "project_administration_dialog"));
        EXPECT_TRUE(PressButton(&window, wxID_OK));
    };
    EXPECT_EQ(dialog.EditProject(project, false), 1);
    EXPECT_EQ(project.GetName(), "Shop");
    ASSERT_EQ(project.GetFiles().size(), 2u);
    EXPECT_EQ(project.GetFiles()[1]->GetName(), "Lib");
    EXPECT_EQ(project.GetMasterFile(), project.GetFiles()[1]);
    EXPECT_EQ(host.undoSteps, std::vector<std::string>{"Edit Project Properties"});
}
