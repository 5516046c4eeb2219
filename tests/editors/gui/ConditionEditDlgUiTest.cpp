#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>

#include "editors/steps/ConditionAdmin.h"
#include "editors/steps/ConditionEditDlg.h"
#include "model/AttributeKav.h"
#include "shell/wx/WxInteraction.h"
#include "tests/editors/gui/EditorWindowTest.h"
#include "tests/support/ProjectBuilder.h"

using ::testing::ElementsAre;

namespace {

class ConditionEditDlgUiTest : public GuiTest {
protected:
    void SetUp() override {
        InstallInteraction(std::make_unique<WxInteraction>());
        project.AddAttribute("N");
        project.App().GetAttributes().Add(new CAttributeKav("S", 4, ""))->SetFile(project.Main());
        project.AddMetaCondition("M1", "#:N# > 1");
        conditions.Add(new CConditionKav("", "%M1"));
    }

    int Run(const std::function<void(EditorDialogUi&)>& steps) {
        host.steps = steps;
        return dialog.EditConditions(conditions, nullptr, false);
    }

    static long Caret(wxTextCtrl* field) {
        long from = 0, to = 0;
        field->GetSelection(&from, &to);
        return from == to ? from : -1;
    }

    TestProject project;
    WindowHost host;
    CConditionEditDlg dialog{host, project.App()};
    OwningList<CConditionKav> conditions;
};

}  // namespace

TEST_F(ConditionEditDlgUiTest, ARefusedConditionIsSelectedForTheUserToTypeOver) {
    Run([&](EditorDialogUi& window) {
        auto* field = FindControl<wxTextCtrl>(&window, kCondText);
        ASSERT_TRUE(TypeInto(field, "#:S# & \"y\""));
        PressKey(WXK_RETURN);  // Set is the default button
        ASSERT_TRUE(WaitUntil([&] { return !dialogs_.Shown().empty(); }));
        EXPECT_EQ(dialogs_.Shown()[0].message,
                  "Sorry, the string concatenation operator '&' is only allowed in events in this version! [W0697]");
        EXPECT_EQ(dialogs_.Shown()[0].title, "Invalid Condition");
        EXPECT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == field; }));
        long from = 0, to = 0;
        field->GetSelection(&from, &to);
        EXPECT_EQ(from, 0);
        EXPECT_EQ(to, field->GetLastPosition());

        PressKey(WXK_F1);
        EXPECT_TRUE(WaitUntil([&] { return !host.helpTopics.empty(); }));
        EXPECT_THAT(host.helpTopics, ElementsAre(0x20066));
    });
}

TEST_F(ConditionEditDlgUiTest, PickedAndBrowsedReferencesGoWhereTheCaretIs) {
    host.reference = ":N";
    Run([&](EditorDialogUi& window) {
        if (dynamic_cast<CConditionAdmin*>(&window.Dialog())) {
            ClickRow(FindControl<wxListCtrl>(&window, kMetaList), 0, true);
            EXPECT_TRUE(WaitUntil([&] { return !window.IsModal(); }));
            return;
        }
        auto* field = FindControl<wxTextCtrl>(&window, kCondText);
        ASSERT_TRUE(TypeInto(field, "x"));
        ClickWithMouse(FindControl<wxButton>(&window, kCondMeta));
        ASSERT_TRUE(WaitUntil([&] { return field->GetValue() == "x %M1"; }));
        EXPECT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == field; }));
        EXPECT_EQ(Caret(field), 5);  // not the whole text selected

        field->SetInsertionPoint(1);
        ClickWithMouse(FindControl<wxButton>(&window, kCondBrowse));
        ASSERT_TRUE(WaitUntil([&] { return field->GetValue() == "x#:N# %M1"; }));
        EXPECT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == field; }));
        EXPECT_EQ(Caret(field), 5);
    });
}

TEST_F(ConditionEditDlgUiTest, ExpandShowsTheRowsResolvedAndRelabelsItsButton) {
    Run([&](EditorDialogUi& window) {
        auto* rows = FindControl<wxListBox>(&window, kCondList);
        auto* expand = FindControl<wxButton>(&window, kCondExpand);
        // The list opens with the focus, and without a row chosen.
        EXPECT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == rows; }));
        DrainEvents();
        EXPECT_EQ(rows->GetSelection(), wxNOT_FOUND);
        EXPECT_TRUE(FindControl<wxTextCtrl>(&window, kCondText)->IsEmpty());
        EXPECT_EQ(expand->GetLabel(), "<< Expand Meta-IDs >>");
        ASSERT_TRUE(PressButton(&window, kCondExpand));
        EXPECT_EQ(rows->GetString(0), "#:N# > 1");
        EXPECT_EQ(expand->GetLabel(), ">> Implode Meta-IDs <<");
        EXPECT_FALSE(rows->IsEnabled());
        EXPECT_FALSE(FindControl<wxButton>(&window, wxID_OK)->IsEnabled());
        EXPECT_TRUE(SaveScreenshot(&window, "condition_editor_expanded"));
        ASSERT_TRUE(PressButton(&window, kCondExpand));
        EXPECT_EQ(rows->GetString(0), "%M1");
        EXPECT_TRUE(rows->IsEnabled());
    });
}
