#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "editors/steps/TaskRequirementDlg.h"
#include "model/Requirement.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"

using ::testing::ElementsAre;

namespace {

// Requirements R1 to R3, each titled "Title of" its ID; the task T covers R2.
class TaskRequirementDlgTest : public ProjectTest {
protected:
    TaskRequirementDlgTest() {
        for (CRequirement*& requirement : r) {
            const std::string id = "R" + std::to_string(&requirement - r + 1);
            requirement = project.AddRequirement(id);
            requirement->SetTitle("Title of " + id);
        }
        r[0]->SetDescription("First");
        r[0]->SetDocPath("r1.pdf");
        task = project.AddTask("T");
        linked = {r[1]};
    }

    int Run(const std::function<int()>& steps) {
        host.session = [&steps](EditorDialog&) { return steps(); };
        return dialog.EditRequirements(linked, task);
    }

    std::vector<std::string> Ids(int list) const {
        std::vector<std::string> ids;
        const EditorList& rows = dialog.List(list);
        for (int row = 0; row < rows.RowCount(); ++row) ids.push_back(rows.RowTexts(row)[0]);
        return ids;
    }
    int RowOf(int list, const std::string& id) const {
        const std::vector<std::string> ids = Ids(list);
        return static_cast<int>(std::find(ids.begin(), ids.end(), id) - ids.begin());
    }
    void Move(const std::string& id, bool toSelected) {
        dialog.ChooseRow(toSelected ? kReqAvailable : kReqSelected, RowOf(toSelected ? kReqAvailable : kReqSelected, id));
        if (toSelected) dialog.OnSet();
        else dialog.OnDelete();
    }

    FakeEditorHost host;
    CTaskRequirementDlg dialog{host, app};
    CRequirement* r[3];
    CTaskKav* task;
    std::vector<CRequirement*> linked;
};

}  // namespace

TEST_F(TaskRequirementDlgTest, OpensWithTheOthersAvailableAndTheTasksSelected) {
    EXPECT_EQ(Run([&] {
                  EXPECT_EQ(dialog.GetTitle(), "Requirements associated with Task T");
                  EXPECT_THAT(Ids(kReqAvailable), ElementsAre("R3", "R1"));  // each went in at the top
                  EXPECT_THAT(Ids(kReqSelected), ElementsAre("R2"));
                  EXPECT_EQ(dialog.List(kReqSelected).RowTexts(0)[1], "Title of R2");
                  EXPECT_EQ(dialog.List(kReqAvailable).Columns()[0].title, "ID");
                  EXPECT_EQ(dialog.List(kReqAvailable).Columns()[1].title, "Title");
                  EXPECT_EQ(dialog.List(kReqAvailable).GetHighlighted(), -1);
                  EXPECT_FALSE(dialog.IsEnabled(kReqSet));
                  EXPECT_FALSE(dialog.IsEnabled(kReqDelete));
                  return kIdOk;
              }),
              0);
    EXPECT_THAT(linked, ElementsAre(r[1]));
}

TEST_F(TaskRequirementDlgTest, AChosenRowShowsItsRequirementAndEnablesTheButtonThatMovesIt) {
    Run([&] {
        dialog.ChooseRow(kReqAvailable, 1);
        EXPECT_EQ(dialog.GetText(kReqTitle), "Title of R1");
        EXPECT_EQ(dialog.GetText(kReqDescription), "First");
        EXPECT_EQ(dialog.GetText(kReqDocPath), "r1.pdf");
        EXPECT_TRUE(dialog.IsEnabled(kReqSet));
        EXPECT_FALSE(dialog.IsEnabled(kReqDelete));

        dialog.ChooseRow(kReqSelected, 0);
        EXPECT_EQ(dialog.GetText(kReqTitle), "Title of R2");
        EXPECT_FALSE(dialog.IsEnabled(kReqSet));
        EXPECT_TRUE(dialog.IsEnabled(kReqDelete));
        EXPECT_EQ(dialog.List(kReqAvailable).GetHighlighted(), -1);

        dialog.ChooseRow(kReqAvailable, 0);
        EXPECT_EQ(dialog.List(kReqSelected).GetHighlighted(), -1);
        dialog.ChooseRow(kReqAvailable, -1);  // beside the rows
        EXPECT_EQ(dialog.GetText(kReqTitle), "");
        EXPECT_FALSE(dialog.IsEnabled(kReqSet));
        EXPECT_FALSE(dialog.IsEnabled(kReqDelete));
        return kIdCancel;
    });
}

TEST_F(TaskRequirementDlgTest, MovesReachTheTaskOnlyAfterOk) {
    EXPECT_EQ(Run([&] {
                  Move("R3", true);
                  EXPECT_THAT(Ids(kReqSelected), ElementsAre("R3", "R2"));
                  EXPECT_EQ(dialog.List(kReqSelected).GetHighlighted(), 0);
                  EXPECT_FALSE(dialog.IsEnabled(kReqSet));
                  EXPECT_TRUE(dialog.IsEnabled(kReqDelete));
                  Move("R1", true);
                  return kIdCancel;
              }),
              0);
    EXPECT_THAT(linked, ElementsAre(r[1]));

    EXPECT_EQ(Run([&] {
                  Move("R1", true);
                  Move("R1", false);
                  EXPECT_THAT(Ids(kReqAvailable), ElementsAre("R1", "R3"));
                  EXPECT_EQ(dialog.List(kReqAvailable).GetHighlighted(), 0);
                  EXPECT_FALSE(dialog.IsEnabled(kReqSet));
                  return kIdOk;
              }),
              1);  // moved there and back: still a change
    EXPECT_THAT(linked, ElementsAre(r[1]));

    EXPECT_EQ(Run([&] {
                  Move("R3", true);
                  Move("R1", true);
                  return kIdOk;
              }),
              1);
    EXPECT_THAT(linked, ElementsAre(r[1], r[2], r[0]));
    EXPECT_TRUE(TestInteraction().messages.empty());
}

TEST_F(TaskRequirementDlgTest, AReadOnlyTaskShowsItsRequirementsWithoutTheButtons) {
    project.Main()->SetReadOnly(true);
    EXPECT_EQ(Run([&] {
                  EXPECT_EQ(dialog.GetTitle(), "Requirements associated with Task T (Read-Only)");
                  EXPECT_FALSE(dialog.IsShown(kReqSet));
                  EXPECT_FALSE(dialog.IsShown(kReqDelete));
                  return kIdOk;
              }),
              0);
}
