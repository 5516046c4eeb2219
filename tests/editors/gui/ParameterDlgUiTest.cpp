#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "editors/steps/ParameterDlg.h"
#include "platform/Interaction.h"
#include "shell/wx/WxInteraction.h"
#include "tests/editors/gui/EditorWindowTest.h"
#include "tests/support/ProjectBuilder.h"

using ::testing::ElementsAre;

namespace {

class ParameterDlgUiTest : public GuiTest {
protected:
    void SetUp() override { InstallInteraction(std::make_unique<WxInteraction>()); }

    CAttributeKav* Param(const std::string& name, int type, const std::string& value) {
        auto* parameter = list.Add(new CAttributeKav(name, type, value));
        parameter->SetFile(project.Main());
        return parameter;
    }

    int Run(ParameterListKind kind, bool readOnly, const std::function<void(EditorDialogUi&)>& steps) {
        host.steps = steps;
        return dialog.EditParameters(list, kind, readOnly, "Attributes of Main Window Main");
    }

    static wxTextCtrl* Edit(wxWindow* window, int id) { return FindControl<wxTextCtrl>(window, id); }

    TestProject project;
    WindowHost host;
    CParameterDlg dialog{host, project.App()};
    OwningList<CAttributeKav> list;
};

}  // namespace

TEST_F(ParameterDlgUiTest, ARefusedNameIsSelectedForTheUserToTypeOver) {
    Run(TaskParameters, false, [&](EditorDialogUi& window) {
        wxTextCtrl* name = Edit(&window, kParamName);
        ASSERT_TRUE(PressButton(&window, kParamSet));
        ASSERT_EQ(dialogs_.Shown().size(), 1u);
        EXPECT_EQ(dialogs_.Shown()[0].message, "Please enter a valid name! [W0739]");
        EXPECT_EQ(dialogs_.Shown()[0].title, "Invalid Name");
        EXPECT_EQ(dialogs_.Shown()[0].style & (wxICON_MASK | wxOK | wxYES_NO), wxICON_EXCLAMATION | wxOK);
        EXPECT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == name; }));

        ASSERT_TRUE(TypeInto(name, "1a"));
        ASSERT_TRUE(PressButton(&window, kParamSet));
        EXPECT_EQ(dialogs_.Messages().back(), "The ID must not begin with a digit! [W0959]");
        EXPECT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == name; }));
        long from = 0, to = 0;
        name->GetSelection(&from, &to);
        EXPECT_EQ(from, 0);
        EXPECT_EQ(to, 2);

        PressKey(WXK_F1);
        EXPECT_TRUE(WaitUntil([&] { return !host.helpTopics.empty(); }));
        EXPECT_THAT(host.helpTopics, ElementsAre(0x20088));
        EXPECT_TRUE(SaveScreenshot(&window, "parameter_dialog_refusal"));
    });
}

TEST_F(ParameterDlgUiTest, EnterSetsANewRowAClickLoadsOneAndOKWritesTheList) {
    Param("a", 2, "5");
    const int result = Run(WindowAttributes, false, [&](EditorDialogUi& window) {
        auto* rows = FindControl<wxListCtrl>(&window, kParamList);
        auto* type = FindControl<wxChoice>(&window, kParamType);
        ASSERT_EQ(rows->GetColumnCount(), 3);
        wxListItem header;
        rows->GetColumn(2, header);
        EXPECT_EQ(header.GetText(), "Default Value");
        EXPECT_THAT(type->GetStrings(), ElementsAre("Bool", "Date", "Num", "String"));
        EXPECT_EQ(type->GetStringSelection(), "String");

        ASSERT_TRUE(TypeInto(Edit(&window, kParamName), "Ab"));
        PressKey(WXK_RETURN);  // Set is the default button
        ASSERT_TRUE(WaitUntil([&] { return rows->GetItemCount() == 2; }));
        EXPECT_EQ(rows->GetItemText(0), "a");
        EXPECT_EQ(rows->GetItemText(1), "Ab");
        EXPECT_TRUE(Edit(&window, kParamName)->IsEmpty());

        ClickRow(rows, 1);
        ASSERT_TRUE(WaitUntil([&] { return Edit(&window, kParamName)->GetValue() == "Ab"; }));
        ClickWithMouse(rows);  // beside the rows: a new entry again
        ASSERT_TRUE(WaitUntil([&] { return Edit(&window, kParamName)->IsEmpty(); }));
        EXPECT_EQ(rows->GetSelectedItemCount(), 0);

        ClickRow(rows, 0);
        ASSERT_TRUE(WaitUntil([&] { return Edit(&window, kParamName)->GetValue() == "a"; }));
        EXPECT_EQ(type->GetStringSelection(), "Num");
        EXPECT_TRUE(FindControl<wxButton>(&window, kParamDelete)->IsEnabled());
        Edit(&window, kParamValue)->SetInsertionPointEnd();
        ASSERT_TRUE(TypeInto(Edit(&window, kParamValue), "6"));
        ASSERT_TRUE(PressButton(&window, wxID_OK));  // applies the loaded row
        EXPECT_TRUE(dialogs_.Shown().empty());
    });
    EXPECT_EQ(result, 1);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0]->GetValue(), "56");
    EXPECT_EQ(list[1]->GetName(), "Ab");
}

TEST_F(ParameterDlgUiTest, AReadOnlyRunHidesTheButtonsThatChange) {
    Param("a", 4, "x");
    Run(WindowAttributes, true, [&](EditorDialogUi& window) {
        EXPECT_EQ(window.GetTitle(), "Attributes of Main Window Main (Read-Only)");
        for (int button : {kParamNew, kParamSet, kParamDelete})
            EXPECT_FALSE(FindControl<wxButton>(&window, button)->IsShown()) << button;
        EXPECT_FALSE(Edit(&window, kParamName)->IsEnabled());
        EXPECT_EQ(window.GetDefaultItem(), FindControl<wxButton>(&window, wxID_OK));
        EXPECT_TRUE(SaveScreenshot(&window, "parameter_dialog_read_only"));
    });
}
