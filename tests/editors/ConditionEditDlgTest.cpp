#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "editors/steps/ConditionAdmin.h"
#include "editors/steps/ConditionEditDlg.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/editors/Refusals.h"
#include "tests/editors/StepEditorModel.h"

using ::testing::ElementsAre;

namespace {

class ConditionEditDlgTest : public StepEditorModelTest {
protected:
    ConditionEditDlgTest() {
        project.AddMetaCondition("A", "#:N# > 1");
        project.AddMetaCondition("M1", "#:N# < 9");
        task = project.AddTask("T");
    }

    CConditionKav* Condition(const std::string& text) { return list.Add(new CConditionKav("", text)); }

    // Runs the editor; the steps act in it and say how it ends. A nested meta-condition
    // administration runs adminSteps.
    int Run(const std::function<int()>& steps, bool readOnly = false) {
        host.session = [&](EditorDialog& open) {
            if (auto* admin = dynamic_cast<CConditionAdmin*>(&open)) return adminSteps(*admin);
            return steps();
        };
        return dialog.EditConditions(list, task, readOnly);
    }

    void Type(const std::string& text) { dialog.SetText(kCondText, text); }
    Refused Set() {
        return Attempt(dialog, [&] { return dialog.SetCondition(); });
    }
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        const EditorList& shown = dialog.List(kCondList);
        for (int row = 0; row < shown.RowCount(); ++row) rows.push_back(shown.RowTexts(row)[0]);
        return rows;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const CConditionKav* condition : list) texts.push_back(condition->GetText());
        return texts;
    }

    FakeEditorHost host;
    CConditionEditDlg dialog{host, app};
    OwningList<CConditionKav> list;
    CTaskKav* task;
    std::function<int(CConditionAdmin&)> adminSteps = [](CConditionAdmin&) { return kIdCancel; };
};

const Refused kPassed{};

}  // namespace

TEST_F(ConditionEditDlgTest, SetChecksTheResolvedTextAndKeepsItAsTyped) {
    struct Case {
        std::string text;
        Refused refused;
    };
    const Case cases[] = {
        {"%Nope", {"One or more meta-IDs in the condition are invalid! [W0051]", "Invalid Condition", kCondText}},
        {"#:S# & \"y\"",
         {"Sorry, the string concatenation operator '&' is only allowed in events in this version! [W0697]",
          "Invalid Condition", kCondText}},
        {"#:S# = \"a\\\"&b\"", kPassed},
        {"", {"Error: Empty condition string! [W0087]", "Invalid Condition", kCondText}},
        {"%A AND #:N# < 1", {"Semantic contradiction: Condition can never be true! [W0134]", "Invalid Condition",
                             kCondText}},
        {"%A AND %M1", kPassed},
    };
    Run([&] {
        for (const Case& c : cases) {
            Type(c.text);
            EXPECT_EQ(Set(), c.refused) << c.text;
        }
        EXPECT_THAT(Rows(), ElementsAre("#:S# = \"a\\\"&b\"", "%A AND %M1"));
        return kIdCancel;
    });
}

TEST_F(ConditionEditDlgTest, ARowIsChosenChangedAndDeletedAfterAQuestion) {
    Condition("#:N# = 1");
    Condition("#:N# = 2");
    EXPECT_EQ(Run([&] {
                  EXPECT_EQ(dialog.GetTitle(), "Condition Editor");
                  EXPECT_EQ(dialog.GetDefaultButton(), kCondSet);
                  EXPECT_FALSE(dialog.IsEnabled(kCondDelete));
                  dialog.ChooseRow(kCondList, 1);
                  EXPECT_EQ(dialog.GetText(kCondText), "#:N# = 2");
                  EXPECT_TRUE(dialog.IsEnabled(kCondDelete));
                  Type("#:N# = 5");
                  EXPECT_EQ(Set(), kPassed);
                  EXPECT_EQ(dialog.GetText(kCondText), "");
                  EXPECT_EQ(dialog.List(kCondList).GetHighlighted(), -1);
                  EXPECT_FALSE(dialog.IsEnabled(kCondDelete));

                  dialog.ChooseRow(kCondList, 0);
                  TestInteraction().answers = {MessageAnswer::No, MessageAnswer::Yes};
                  dialog.OnDelete();
                  EXPECT_THAT(Rows(), ElementsAre("#:N# = 1", "#:N# = 5"));
                  dialog.OnDelete();
                  EXPECT_THAT(Rows(), ElementsAre("#:N# = 5"));
                  EXPECT_EQ(dialog.GetFocusRequest().control, kCondText);
                  return kIdOk;
              }),
              1);
    EXPECT_THAT(Texts(), ElementsAre("#:N# = 5"));
    ASSERT_EQ(TestInteraction().messages.size(), 2u);
    EXPECT_EQ(TestInteraction().messages[0].text, "Do you really want to delete this condition ? [Q0011]");
    EXPECT_EQ(TestInteraction().messages[0].caption, "Delete Condition");
    EXPECT_EQ(TestInteraction().messages[0].buttons, MessageButtons::YesNo);
}

TEST_F(ConditionEditDlgTest, TheListIsReplacedOnlyAfterAChangeAndOK) {
    CConditionKav* kept = Condition("#:N# = 1");
    CConditionKav* earlier = Condition("#:N# = 2");
    earlier->SetEdited(true);  // a working copy that an earlier run changed
    const std::string earlierId = earlier->GetUniqueId();
    Condition("#:N# = 3");

    EXPECT_EQ(Run([&] { return dialog.OnOK() ? kIdOk : 0; }), 0);
    EXPECT_EQ(Run([&] {
                  Type("#:N# = 4");
                  dialog.OnSet();
                  return kIdCancel;
              }),
              0);
    EXPECT_THAT(Texts(), ElementsAre("#:N# = 1", "#:N# = 2", "#:N# = 3"));

    EXPECT_EQ(Run([&] {
                  dialog.ChooseRow(kCondList, 2);
                  Type("#:N# = 7");
                  dialog.OnSet();
                  Type("%Nope");
                  EXPECT_FALSE(dialog.OnOK());  // an invalid text keeps the dialog open
                  Type("");
                  return dialog.OnOK() ? kIdOk : 0;  // an empty field closes it, keeping the Set
              }),
              1);
    EXPECT_THAT(Texts(), ElementsAre("#:N# = 1", "#:N# = 2", "#:N# = 7"));
    EXPECT_EQ(list[0], kept);
    EXPECT_TRUE(list[1]->IsEdited());  // the earlier change still reaches the step
    EXPECT_EQ(list[1]->GetUniqueId(), earlierId);
    EXPECT_TRUE(list[2]->IsEdited());

    EXPECT_EQ(Run([&] {
                  Type("#:N# = 8");
                  return dialog.OnOK() ? kIdOk : 0;  // OK applies a filled field
              }),
              1);
    EXPECT_THAT(Texts(), ElementsAre("#:N# = 1", "#:N# = 2", "#:N# = 7", "#:N# = 8"));
}

TEST_F(ConditionEditDlgTest, APickedMetaConditionIsAppendedToTheField) {
    struct Case {
        std::string field;
        std::string result;
    };
    const Case cases[] = {{"x", "x %M1"}, {"x ", "x %M1"}, {"", "%M1"}};
    for (const Case& c : cases) {
        adminSteps = [](CConditionAdmin& admin) {
            admin.DoubleClickRow(kMetaList, 1);
            return admin.TakeEndRequest();
        };
        Run([&] {
            Type(c.field);
            dialog.OnMetaConditions();
            EXPECT_EQ(dialog.GetText(kCondText), c.result) << "'" << c.field << "'";
            EXPECT_EQ(dialog.GetFocusRequest().control, kCondText);
            adminSteps = [](CConditionAdmin&) { return kIdCancel; };
            dialog.OnMetaConditions();
            EXPECT_EQ(dialog.GetText(kCondText), c.result);
            return kIdCancel;
        });
    }
    EXPECT_TRUE(host.undoSteps.empty());
}

TEST_F(ConditionEditDlgTest, ExpandShowsTheMetaConditionsResolvedAndImplodeGoesBack) {
    const int listAndFields[] = {kCondNew, kCondSet, kIdOk, kCondDelete, kCondList, kCondText, kCondMeta};
    Condition("%A");
    Condition("#:N# = 2");
    for (bool readOnly : {false, true}) {
        EXPECT_EQ(Run(
                      [&] {
                          if (!readOnly) {
                              Type("%Nope");
                              EXPECT_EQ(Attempt(dialog, [&] { dialog.OnExpandImplode(); }),
                                        (Refused{"One or more meta-IDs in the condition are invalid! [W0052]",
                                                 "Invalid Condition", kCondText}));
                              EXPECT_FALSE(dialog.IsExpanded());
                          }
                          dialog.ChooseRow(kCondList, 0);
                          dialog.OnExpandImplode();
                          EXPECT_THAT(Rows(), ElementsAre("#:N# > 1", "#:N# = 2"));
                          EXPECT_EQ(dialog.GetText(kCondExpand), ">> Implode Meta-IDs <<");
                          for (int control : listAndFields) EXPECT_FALSE(dialog.IsEnabled(control)) << control;
                          EXPECT_EQ(dialog.GetText(kCondText), "#:N# > 1");

                          dialog.OnExpandImplode();
                          EXPECT_THAT(Rows(), ElementsAre("%A", "#:N# = 2"));
                          EXPECT_EQ(dialog.GetText(kCondExpand), "<< Expand Meta-IDs >>");
                          for (int control : listAndFields)
                              EXPECT_EQ(dialog.IsEnabled(control), !readOnly || control == kIdOk || control == kCondList)
                                  << control << (readOnly ? " read-only" : "");
                          EXPECT_EQ(dialog.GetText(kCondText), "%A");
                          if (!readOnly) dialog.OnNew();
                          return dialog.OnOK() ? kIdOk : 0;
                      },
                      readOnly),
                  0)
            << readOnly;
    }
}

TEST_F(ConditionEditDlgTest, AReadOnlyRunOnlyShows) {
    Condition("#:N# = 1");
    EXPECT_EQ(Run(
                  [&] {
                      EXPECT_EQ(dialog.GetTitle(), "Condition Editor (Read-Only)");
                      for (int button : {kCondNew, kCondSet, kCondDelete, kCondBrowse, kCondMeta})
                          EXPECT_FALSE(dialog.IsShown(button)) << button;
                      EXPECT_FALSE(dialog.IsEnabled(kCondText));
                      EXPECT_EQ(dialog.GetDefaultButton(), kIdOk);
                      EXPECT_EQ(dialog.GetFocusRequest().control, kIdOk);
                      dialog.ChooseRow(kCondList, 0);
                      Type("#:N# = 2");
                      EXPECT_TRUE(dialog.OnOK());
                      return kIdOk;
                  },
                  true),
              0);
    EXPECT_THAT(Texts(), ElementsAre("#:N# = 1"));
}

TEST_F(ConditionEditDlgTest, BrowseDesignatorsOffersTheTasksParametersAndHelpHasTheDialogsTopic) {
    host.reference = "@T:p";
    Run([&] {
        Type("x = ");
        dialog.OnBrowseDesignators();
        EXPECT_EQ(dialog.GetText(kCondText), "x = #@T:p#");
        dialog.OnHelp(false, kCondText);
        return kIdCancel;
    });
    EXPECT_THAT(host.referenceRequests, ElementsAre(std::make_pair(23, task)));
    EXPECT_THAT(host.helpTopics, ElementsAre(0x20066));
}
