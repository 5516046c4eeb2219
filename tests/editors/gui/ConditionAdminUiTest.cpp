#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>

#include "editors/steps/ConditionAdmin.h"
#include "model/AttributeKav.h"
#include "shell/wx/WxInteraction.h"
#include "tests/editors/gui/EditorWindowTest.h"
#include "tests/support/ProjectBuilder.h"

using ::testing::ElementsAre;

namespace {

class ConditionAdminUiTest : public GuiTest {
protected:
    void SetUp() override {
        InstallInteraction(std::make_unique<WxInteraction>());
        project.AddAttribute("N");
        project.AddMetaCondition("m2", "#:N# < 9");
        project.AddMetaCondition("M1", "#:N# > 1");
    }

    int Run(const std::function<void(EditorDialogUi&)>& steps) {
        host.steps = steps;
        return dialog.EditMetaConditions(chosenId);
    }

    TestProject project;
    WindowHost host;
    CConditionAdmin dialog{host, project.App()};
    std::string chosenId;
};

}  // namespace

TEST_F(ConditionAdminUiTest, ARefusedIdIsSelectedForTheUserToTypeOver) {
    Run([&](EditorDialogUi& window) {
        auto* id = FindControl<wxTextCtrl>(&window, kMetaId);
        EXPECT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == id; }));
        ASSERT_TRUE(TypeInto(FindControl<wxTextCtrl>(&window, kMetaText), "#:N# = 2"));
        ASSERT_TRUE(TypeInto(id, "1abc"));
        PressKey(WXK_RETURN);  // Set is the default button
        ASSERT_TRUE(WaitUntil([&] { return !dialogs_.Shown().empty(); }));
        EXPECT_EQ(dialogs_.Shown()[0].message, "Please enter a valid meta-condition ID! [W0047]");
        EXPECT_EQ(dialogs_.Shown()[0].title, "Invalid ID");
        EXPECT_EQ(dialogs_.Shown()[0].style & wxICON_MASK, wxICON_EXCLAMATION);
        EXPECT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == id; }));
        long from = 0, to = 0;
        id->GetSelection(&from, &to);
        EXPECT_EQ(from, 0);
        EXPECT_EQ(to, 4);

        PressKey(WXK_F1);
        EXPECT_TRUE(WaitUntil([&] { return !host.helpTopics.empty(); }));
        EXPECT_THAT(host.helpTopics, ElementsAre(0x2009F));
        EXPECT_TRUE(SaveScreenshot(&window, "meta_condition_editor_refusal"));
    });
}

TEST_F(ConditionAdminUiTest, ADoubleClickOnARowPicksItsIdAtOnce) {
    const int result = Run([&](EditorDialogUi& window) {
        auto* rows = FindControl<wxListCtrl>(&window, kMetaList);
        ASSERT_EQ(rows->GetItemCount(), 2);
        EXPECT_EQ(rows->GetItemText(0), "M1");  // sorted by ID
        EXPECT_EQ(rows->GetItemText(1, 1), "#:N# < 9");
        ClickRow(rows, 1, true);
        EXPECT_TRUE(WaitUntil([&] { return !window.IsModal(); }));
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(chosenId, "m2");
}
