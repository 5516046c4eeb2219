// The windows of the change window type, string selection, replace window, tag generation and
// missing tag dialogs on a small project.
#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include <memory>

#include "conditions/EventParser.h"
#include "editors/windows/ChangeWintypeDlg.h"
#include "editors/windows/ReplaceWndDlg.h"
#include "editors/windows/StringSelectDlg.h"
#include "editors/windows/TagGenerationDlg.h"
#include "editors/windows/TagMissingDlg.h"
#include "shell/wx/WxInteraction.h"
#include "tests/editors/gui/EditorWindowTest.h"
#include "tests/support/ProjectBuilder.h"

namespace {

constexpr int kWinRunner = 8;

class WindowDialogsUiTest : public GuiTest {
protected:
    void SetUp() override {
        InstallInteraction(std::make_unique<WxInteraction>());
        app.SetOutputFormat(kWinRunner);
        table = {{{kWinRunner}, ConversionRoad::PerPackage, nullptr, [] { return std::make_unique<CEventParser>(); },
                  [](CWindowKav& window, int preferCaption) {
                      window.SetTag(preferCaption ? "by caption" : "by id");
                      return 1;
                  }}};
    }

    TestProject project;
    CApplicationKav& app = project.App();
    CWindowKav* login = project.AddWindow("Login");
    CWindowKav* button = project.AddWindow("OK", login, kWndPushButton);
    ConverterTable table;
    WindowHost host;
};

}  // namespace

TEST_F(WindowDialogsUiTest, TheTypeWindowHandsBackTheChosenType) {
    CChangeWintypeDlg dialog(host);
    host.steps = [&](EditorDialogUi& window) {
        auto* types = FindControl<wxChoice>(&window, kWintypeList);
        ASSERT_TRUE(types);
        EXPECT_EQ(window.GetTitle(), "Change Type of OK");
        EXPECT_EQ(types->GetCount(), 20u);
        EXPECT_EQ(types->GetStringSelection(), "Push Button");
        ASSERT_TRUE(types->SetStringSelection("Check Box"));
        EXPECT_TRUE(SaveScreenshot(&window, "change_window_type_dialog"));
        EXPECT_TRUE(PressButton(&window, wxID_OK));
    };
    EXPECT_EQ(dialog.SelectWindowType(*button), kWndCheckBox);
}

TEST_F(WindowDialogsUiTest, ADoubleClickedTextIsChosen) {
    CStringSelectDlg dialog(host);
    const std::vector<std::string> texts{"Beta", "Alpha"};
    host.steps = [&](EditorDialogUi& window) {
        auto* list = FindControl<wxListBox>(&window, kStringList);
        ASSERT_TRUE(list);
        EXPECT_EQ(list->GetString(0), "Alpha");
        ChooseEntry(list, "Beta");
        wxCommandEvent doubleClick(wxEVT_LISTBOX_DCLICK, list->GetId());
        doubleClick.SetEventObject(list);
        doubleClick.SetInt(list->GetSelection());
        list->HandleWindowEvent(doubleClick);
    };
    std::string chosen;
    EXPECT_EQ(dialog.SelectString(&texts, "Library Selection", chosen), 1);
    EXPECT_EQ(chosen, "Beta");
}

TEST_F(WindowDialogsUiTest, TheReplaceWindowRefusesTheSameWindowAndTakesAnother) {
    CReplaceWndDlg dialog(host);
    host.reference = "OK";
    host.steps = [&](EditorDialogUi& window) {
        auto* replaced = FindControl<wxTextCtrl>(&window, kReplaceOldWindow);
        auto* replacement = FindControl<wxTextCtrl>(&window, kReplaceNewWindow);
        ASSERT_TRUE(replaced && replacement);
        EXPECT_EQ(replaced->GetValue(), "Login");
        replacement->SetFocus();
        ASSERT_TRUE(TypeInto(replacement, "LOGIN"));
        ASSERT_TRUE(PressButton(&window, wxID_OK));
        EXPECT_EQ(dialogs_.Messages(),
                  std::vector<std::string>{"The new window must not be the same as the replaced one! [W0887]"});
        ASSERT_TRUE(PressButton(&window, kReplaceBrowseNew));
        EXPECT_EQ(replacement->GetValue(), "OK");
        EXPECT_TRUE(PressButton(&window, wxID_OK));
    };
    CWindowKav* oldWindow = login;
    CWindowKav* newWindow = nullptr;
    EXPECT_EQ(dialog.SelectWindows(oldWindow, newWindow), 1);
    EXPECT_EQ(newWindow, button);
}

TEST_F(WindowDialogsUiTest, TagGenerationByCaptionThenTheMissingTagsOfAnotherWindow) {
    CTagGenerationDlg generation(host, app, table);
    host.steps = [&](EditorDialogUi& window) {
        auto* tool = FindControl<wxChoice>(&window, kTagTool);
        auto* caption = FindControl<wxRadioButton>(&window, kTagPreferCaption);
        ASSERT_TRUE(tool && caption);
        EXPECT_EQ(tool->GetStringSelection(), "HP WinRunner");
        ClickWithMouse(caption);
        ASSERT_TRUE(WaitUntil([&] { return caption->GetValue(); }));
        EXPECT_TRUE(PressButton(&window, wxID_OK));
    };
    EXPECT_EQ(generation.Execute(login), 1);
    EXPECT_EQ(login->GetTag(), "by caption");
    EXPECT_EQ(dialogs_.Messages(), std::vector<std::string>{"Tag Generation successful! [I0011]"});

    button->SetTag("tagged");
    CWindowKav* about = project.AddWindow("About");
    CTagMissingDlg missing(host, app, table);
    host.steps = [&](EditorDialogUi& window) {
        auto* list = FindControl<wxListBox>(&window, kMissingWindows);
        auto* tag = FindControl<wxTextCtrl>(&window, kMissingTag);
        ASSERT_TRUE(list && tag);
        EXPECT_EQ(list->GetCount(), 1u);
        EXPECT_FALSE(tag->IsEnabled());
        EXPECT_EQ(window.FindWindow(wxID_CANCEL), nullptr);
        ChooseEntry(list, "About");
        ASSERT_TRUE(WaitUntil([&] { return tag->IsEnabled() && wxWindow::FindFocus() == tag; }));
        ASSERT_TRUE(TypeInto(tag, "{class: window}"));
        ASSERT_TRUE(PressButton(&window, kMissingSetTag));
        EXPECT_EQ(list->GetCount(), 0u);
        EXPECT_TRUE(SaveScreenshot(&window, "missing_tags_dialog"));
        EXPECT_TRUE(PressButton(&window, wxID_OK));
    };
    missing.CheckMissingTags();
    EXPECT_EQ(about->GetTag(), "{class: window}");
    EXPECT_EQ(host.undoSteps, std::vector<std::string>{"Edit Window Tag"});
}
