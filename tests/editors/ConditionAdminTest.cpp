#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "editors/steps/ConditionAdmin.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/editors/Refusals.h"
#include "tests/editors/StepEditorModel.h"

using ::testing::ElementsAre;

namespace {

class ConditionAdminTest : public StepEditorModelTest {
protected:
    ConditionAdminTest() {
        m1 = project.AddMetaCondition("M1", "#:N# > 1");
        m2 = project.AddMetaCondition("M2", "#:N# < 9");
    }

    // Runs the administration; the steps act in the open dialog and say how it ends.
    int Run(const std::function<int()>& steps) {
        host.session = [&steps](EditorDialog&) { return steps(); };
        return dialog.EditMetaConditions(chosenId);
    }

    void Fill(const std::string& id, const std::string& text) {
        dialog.SetText(kMetaId, id);
        dialog.SetText(kMetaText, text);
    }
    int RowOf(const std::string& id) const {
        const EditorList& rows = dialog.List(kMetaList);
        for (int row = 0; row < rows.RowCount(); ++row)
            if (rows.RowTexts(row)[0] == id) return row;
        return -1;
    }
    void Choose(const std::string& id) { dialog.ChooseRow(kMetaList, RowOf(id)); }
    Refused Set() {
        return Attempt(dialog, [&] { return dialog.SetMetaCondition(); });
    }
    std::vector<std::string> Ids() const {
        std::vector<std::string> ids;
        for (const CConditionKav* meta : app.GetMetaConditions()) ids.push_back(meta->GetId());
        return ids;
    }

    FakeEditorHost host;
    CConditionAdmin dialog{host, app};
    std::string chosenId = "unset";
    CConditionKav* m1;
    CConditionKav* m2;
};

const Refused kPassed{};

}  // namespace

TEST_F(ConditionAdminTest, IdsAreShortIdentifiersUniqueWithoutRegardToCase) {
    struct Case {
        std::string row;  // the row chosen first; "" for a new entry
        std::string id;
        Refused refused;
    };
    const Refused tooLong{"The ID must not have more than 30 characters! [W0736]", "Invalid ID", kMetaId};
    const Refused invalid{"Please enter a valid meta-condition ID! [W0047]", "Invalid ID", kMetaId};
    const std::string exists = "Meta-condition ID already existing! Please enter a unique ID! ";
    const Case cases[] = {
        {"", std::string(31, 'm'), tooLong},
        {"", "1abc", invalid},
        {"", "", invalid},
        {"", "a b", invalid},
        {"", "m1", {exists + "[W0049]", "Invalid ID", kMetaId}},
        {"M2", "m1", {exists + "[W0048]", "Invalid ID", kMetaId}},
        {"M1", "m1", kPassed},  // its own ID in other letter case
        {"", std::string(30, 'm'), kPassed},
    };
    Run([&] {
        for (const Case& c : cases) {
            if (c.row.empty()) dialog.OnNew();
            else Choose(c.row);
            Fill(c.id, "#:N# > 1");
            EXPECT_EQ(Set(), c.refused) << "row '" << c.row << "' id '" << c.id << "'";
        }
        return kIdCancel;
    });
}

TEST_F(ConditionAdminTest, TextsMustResolveKeepOutOfConcatenationAndBeAbleToBeTrue) {
    struct Case {
        std::string id;  // an existing ID is changed, another is new
        std::string text;
        Refused refused;
    };
    const Refused invalidMetaIds{"One or more meta-IDs in the condition are invalid! [W0050]", "Invalid Condition",
                                 kMetaText};
    const Case cases[] = {
        {"A", "#:N# > 1", kPassed},
        {"B", "%A AND #:N# < 9", kPassed},
        {"A", "%B", invalidMetaIds},  // A would refer to itself through B
        {"C", "%C", invalidMetaIds},
        {"C", "%Nope", invalidMetaIds},
        {"C", "#:S# & \"y\"",
         {"Sorry, the string concatenation operator '&' is only allowed in events in this version! [W0698]",
          "Invalid Condition", kMetaText}},
        {"C", "#:S# = \"a\\\"&b\"", kPassed},  // the escaped quote does not end the string
        {"D", "#:N# > 5 AND #:N# < 3",
         {"Semantic contradiction: Condition can never be true! [W0134]", "Invalid Condition", kMetaText}},
        {"D", "", {"Error: Empty condition string! [W0087]", "Invalid Condition", kMetaText}},
    };
    Run([&] {
        for (const Case& c : cases) {
            if (RowOf(c.id) >= 0) Choose(c.id);
            else dialog.OnNew();
            Fill(c.id, c.text);
            EXPECT_EQ(Set(), c.refused) << c.id << ": " << c.text;
        }
        return kIdCancel;
    });
}

TEST_F(ConditionAdminTest, SetAddsSortedRowsAndChangesTheChosenOne) {
    Run([&] {
        EXPECT_EQ(dialog.GetTitle(), "Meta-Condition Editor");
        std::vector<std::string> columns;
        for (const EditorListColumn& column : dialog.List(kMetaList).Columns()) columns.push_back(column.title);
        EXPECT_THAT(columns, ElementsAre("ID", "Meta-Condition"));
        EXPECT_EQ(dialog.GetDefaultButton(), kMetaSet);
        EXPECT_FALSE(dialog.IsEnabled(kMetaDelete));

        Fill("a0", "#:N# = 3");
        EXPECT_EQ(Set(), kPassed);
        EXPECT_EQ(dialog.GetText(kMetaId), "");
        EXPECT_EQ(dialog.GetFocusRequest().control, kMetaId);
        Choose("M2");
        EXPECT_EQ(dialog.GetText(kMetaText), "#:N# < 9");
        EXPECT_TRUE(dialog.IsEnabled(kMetaDelete));
        Fill("Z", "#:N# < 8");
        EXPECT_EQ(Set(), kPassed);
        const EditorList& rows = dialog.List(kMetaList);
        std::vector<std::string> shown;
        for (int row = 0; row < rows.RowCount(); ++row) shown.push_back(rows.RowTexts(row)[0] + " " + rows.RowTexts(row)[1]);
        // A changed row stays where it was.
        EXPECT_THAT(shown, ElementsAre("a0 #:N# = 3", "M1 #:N# > 1", "Z #:N# < 8"));
        EXPECT_EQ(dialog.List(kMetaList).GetHighlighted(), -1);
        return kIdCancel;
    });
}

TEST_F(ConditionAdminTest, TheRunnerWritesBackOnlyAChangeAndKeepsWhatWasNotChanged) {
    // A double click picks at once; typed fields are not applied.
    EXPECT_EQ(Run([&] {
                  Fill("M9", "#:N# = 1");
                  dialog.DoubleClickRow(kMetaList, RowOf("M1"));
                  return dialog.TakeEndRequest();
              }),
              0);
    EXPECT_EQ(chosenId, "M1");
    EXPECT_THAT(Ids(), ElementsAre("M1", "M2"));

    EXPECT_EQ(Run([&] {
                  Fill("M3", "#:N# = 4");
                  dialog.OnSet();
                  return kIdCancel;
              }),
              0);
    EXPECT_EQ(chosenId, "");
    EXPECT_TRUE(host.undoSteps.empty());

    const std::string m2UniqueId = m2->GetUniqueId();
    EXPECT_EQ(Run([&] {
                  Choose("M2");
                  Fill("M2", "#:N# < 7");
                  dialog.OnSet();
                  Fill("M3", "#:N# = 4");
                  return dialog.OnOK() ? kIdOk : 0;  // OK applies the filled fields
              }),
              1);
    EXPECT_THAT(host.undoSteps, ElementsAre("Edit Meta-Conditions"));
    EXPECT_EQ(chosenId, "");
    const CConditionList& metas = app.GetMetaConditions();
    ASSERT_THAT(Ids(), ElementsAre("M1", "M2", "M3"));
    EXPECT_EQ(metas[0], m1);
    EXPECT_NE(metas[1], m2);  // changed: the edited copy took its place
    EXPECT_EQ(metas[1]->GetUniqueId(), m2UniqueId);
    EXPECT_EQ(metas[1]->GetText(), "#:N# < 7");
    EXPECT_EQ(metas[2]->GetFile(), project.Main());
    EXPECT_EQ(metas[2]->GetFileId(), project.Main()->GetID());

    // Chosen and OK: the row's fields are applied, and its ID reaches the caller.
    host.undoSteps.clear();
    EXPECT_EQ(Run([&] {
                  Choose("M1");
                  return dialog.OnOK() ? kIdOk : 0;
              }),
              1);
    EXPECT_EQ(chosenId, "M1");
    EXPECT_EQ(host.undoSteps.size(), 1u);
}

TEST_F(ConditionAdminTest, AMetaConditionOfAReadOnlyLibraryIsOnlyShown) {
    project.Lib()->SetReadOnly(true);
    CConditionKav* lib = project.AddMetaCondition("L1", "#:N# = 5", project.Lib());
    EXPECT_EQ(Run([&] {
                  Choose("L1");
                  for (int control : {kMetaId, kMetaText, kMetaBrowse, kMetaSet, kMetaDelete})
                      EXPECT_FALSE(dialog.IsEnabled(control)) << control;
                  EXPECT_EQ(dialog.GetDefaultButton(), kIdOk);
                  EXPECT_TRUE(dialog.OnOK());
                  return kIdOk;
              }),
              0);
    EXPECT_EQ(chosenId, "L1");
    EXPECT_EQ(app.GetMetaConditions()[2], lib);
    EXPECT_TRUE(host.undoSteps.empty());
}

TEST_F(ConditionAdminTest, DeleteAsksAndRemovesTheRowsOwnMetaCondition) {
    // The same ID in the library: the chosen row's meta-condition goes, not the first of its ID.
    CConditionKav* lib = project.AddMetaCondition("m1", "#:N# = 5", project.Lib());
    EXPECT_EQ(Run([&] {
                  dialog.OnDelete();  // no row: nothing to ask
                  EXPECT_TRUE(TestInteraction().messages.empty());
                  dialog.ChooseRow(kMetaList, dialog.List(kMetaList).FindItem(dialog.WorkingList()[2]));
                  TestInteraction().answers = {MessageAnswer::No, MessageAnswer::Yes};
                  dialog.OnDelete();
                  EXPECT_EQ(dialog.List(kMetaList).RowCount(), 3);
                  dialog.OnDelete();
                  EXPECT_EQ(dialog.List(kMetaList).RowCount(), 2);
                  EXPECT_EQ(dialog.GetText(kMetaId), "");
                  return kIdOk;
              }),
              1);
    ASSERT_EQ(TestInteraction().messages.size(), 2u);
    const MessageRequest& question = TestInteraction().messages[0];
    EXPECT_EQ(question.text, "Do you really want to delete this meta-condition ? [Q0010]");
    EXPECT_EQ(question.caption, "Delete Meta-Condition");
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.icon, MessageIcon::Warning);
    EXPECT_THAT(Ids(), ElementsAre("M1", "M2"));
    EXPECT_FALSE(app.GetMetaConditions().Contains(lib));
}

TEST_F(ConditionAdminTest, BrowseDesignatorsPutsTheReferenceInPlaceOfTheSelection) {
    host.reference = ":N";
    Run([&] {
        dialog.SetText(kMetaText, "x = 1 AND y");
        dialog.SetSelection(kMetaText, 10, 11);
        dialog.OnBrowseDesignators();
        EXPECT_EQ(dialog.GetText(kMetaText), "x = 1 AND #:N#");
        EXPECT_EQ(dialog.GetFocusRequest().control, kMetaText);
        dialog.SetSelection(kMetaText, 0, 0);
        dialog.OnBrowseDesignators();
        EXPECT_EQ(dialog.GetText(kMetaText), "#:N#x = 1 AND #:N#");
        host.reference = "";  // Cancel in the browser
        dialog.OnBrowseDesignators();
        EXPECT_EQ(dialog.GetText(kMetaText), "#:N#x = 1 AND #:N#");
        return kIdCancel;
    });
    ASSERT_EQ(host.referenceRequests.size(), 3u);
    EXPECT_EQ(host.referenceRequests[0], std::make_pair(23, static_cast<CTaskKav*>(nullptr)));
}
