#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "conditions/SatisfyingValueSearch.h"
#include "conditions/ValueTypes.h"
#include "editors/data/DataEffectDlg.h"
#include "editors/steps/ParameterDlg.h"
#include "model/DataSet.h"
#include "model/FileKav.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/editors/Refusals.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"

using ::testing::ElementsAre;

namespace {

// The set Input with the number field Age, the effect variables Rate (Num), Label (String) and
// Since (Date), and the effects Ef1 (valid, Rate = 1 when Age > 65) and E2 (invalid, Age < 18).
class DataEffectDlgTest : public ProjectTest {
protected:
    DataEffectDlgTest() {
        SetSearchCandidateCount(10);  // as the program searches
        set->GetFields().Add(new CDataField("Age", kTypeNum))->SetFile(set->GetFile());
        Variable("Rate", kTypeNum, "0");
        Variable("Label", kTypeString, "");
        Variable("Since", kTypeDate, "01.01.2000");
        Effect("Ef1", true, "Rate", "1", "#Age# > 65");
        Effect("E2", false, "", "", "#Age# < 18");
    }

    CAttributeKav* Variable(const std::string& name, int type, const std::string& value) {
        auto* variable = set->GetAttributes().Add(new CAttributeKav(name, type, value));
        variable->SetFile(set->GetFile());
        return variable;
    }
    CDataEffect* Effect(const std::string& name, bool valid, const std::string& variable, const std::string& value,
                        const std::string& cause) {
        auto* effect = set->GetEffects().Add(new CDataEffect(name, set, valid ? 1 : 0));
        effect->SetFile(set->GetFile());
        effect->SetCondition(new CConditionKav("", cause));
        if (!variable.empty()) {
            CAttributeKav* copy = set->FindAttribute(variable)->Clone(0);
            copy->SetValue(value);
            effect->SetAttribute(copy);
        }
        return effect;
    }

    // Runs the dialog; the steps act in the open dialog and say how it ends. The parameter
    // dialog that "Effect Variables..." opens runs parameterSteps.
    int Run(const std::function<int()>& steps) {
        host.session = [this, &steps](EditorDialog& open) {
            if (&open == &dialog) return steps();
            return parameterSteps ? parameterSteps(dynamic_cast<CParameterDlg&>(open)) : kIdCancel;
        };
        return dialog.EditEffects(*set);
    }

    void Fill(const std::string& name, bool valid, const std::string& variable, const std::string& value,
              const std::string& condition) {
        dialog.SetText(kEffectName, name);
        dialog.SetChecked(kEffectValid, valid);
        dialog.OnValidClicked();
        dialog.SetText(kEffectVariable, variable);
        dialog.SetText(kEffectValue, value);
        dialog.SetText(kEffectCondition, condition);
    }
    void Choose(const std::string& name) {
        const EditorList& rows = dialog.List(kEffectList);
        for (int row = 0; row < rows.RowCount(); ++row)
            if (rows.RowTexts(row)[0] == name) return dialog.ChooseRow(kEffectList, row);
        ADD_FAILURE() << "no row " << name;
    }
    Refused Set() {
        return Attempt(dialog, [&] { return dialog.SetEffect(); });
    }
    // Each row's texts joined by "|".
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        const EditorList& list = dialog.List(kEffectList);
        for (int row = 0; row < list.RowCount(); ++row) {
            std::string joined;
            for (const std::string& text : list.RowTexts(row)) joined += (joined.empty() ? "" : "|") + text;
            rows.push_back(joined);
        }
        return rows;
    }
    std::vector<std::string> SetEffects() const {
        std::vector<std::string> names;
        for (const CDataEffect* effect : set->GetEffects()) names.push_back(effect->GetName());
        return names;
    }

    CDataSet* set = project.AddDataSet("Input");
    FakeEditorHost host;
    CDataEffectDlg dialog{host, app};
    std::function<int(CParameterDlg&)> parameterSteps;
};

}  // namespace

TEST_F(DataEffectDlgTest, OpensWithTheEffectsInARowAndANewEntry) {
    Run([&] {
        EXPECT_EQ(dialog.GetTitle(), "Effects of Data Set Input");
        std::vector<std::string> columns;
        for (const EditorListColumn& column : dialog.List(kEffectList).Columns())
            columns.push_back(column.title + " " + std::to_string(column.width));
        EXPECT_THAT(columns, ElementsAre("Name 100", "Valid 40", "Variable 100", "Value 100", "Condition 300"));
        EXPECT_THAT(Rows(), ElementsAre("Ef1|Y|Rate|1|#Age# > 65", "E2|N|||#Age# < 18"));
        EXPECT_THAT(dialog.Control(kEffectVariable).items, ElementsAre(" ", "Label", "Rate", "Since"));
        EXPECT_EQ(dialog.GetText(kEffectVariable), " ");
        for (int id : {kEffectVariable, kEffectVariablesButton, kEffectValue, kEffectDelete})
            EXPECT_FALSE(dialog.IsEnabled(id)) << id;
        EXPECT_EQ(dialog.GetFocusRequest().control, kEffectName);
        EXPECT_EQ(dialog.GetDefaultButton(), kEffectSet);
        EXPECT_TRUE(dialog.IsNewEntry());

        Choose("Ef1");
        EXPECT_FALSE(dialog.IsNewEntry());
        EXPECT_TRUE(dialog.IsChecked(kEffectValid));
        EXPECT_EQ(dialog.GetText(kEffectVariable), "Rate");
        EXPECT_EQ(dialog.GetText(kEffectValue), "1");
        EXPECT_EQ(dialog.GetText(kEffectCondition), "#Age# > 65");
        for (int id : {kEffectVariable, kEffectVariablesButton, kEffectValue, kEffectDelete})
            EXPECT_TRUE(dialog.IsEnabled(id)) << id;
        Choose("E2");
        EXPECT_EQ(dialog.GetText(kEffectVariable), " ");
        EXPECT_EQ(dialog.GetText(kEffectValue), "");
        EXPECT_FALSE(dialog.IsEnabled(kEffectVariable));
        dialog.ChooseRow(kEffectList, -1);
        EXPECT_TRUE(dialog.IsNewEntry());
        EXPECT_EQ(dialog.GetText(kEffectCondition), "");
        return kIdCancel;
    });
}

TEST_F(DataEffectDlgTest, ANewEffectIsCheckedBeforeItIsAdded) {
    struct Case {
        std::string name;
        bool valid;
        std::string variable, value, condition;
        Refused refused;
    };
    const Case cases[] = {
        {"", false, " ", "", "#Age# > 1", {"Please enter a valid name! [W0729]", "Invalid Name", kEffectName}},
        {"N", true, " ", "", "#Age# > 1", {"Please select an effect variable! [W0792]", "Missing Variable", kEffectVariable}},
        {"N", true, "", "", "#Age# > 1", {"Please select an effect variable! [W0792]", "Missing Variable", kEffectVariable}},
        {"N", true, "Rate", "", "#Age# > 1", {"Please enter a value! [W0963]", "Missing Value", kEffectValue}},
        {"N", true, "Rate", "1,5", "#Age# > 1",
         {"The value must correspond to the selected type! [W0965]", "Type Mismatch", kEffectValue}},
        {"N", true, "Since", "31.02.2000", "#Age# > 1",
         {"The value must have the format DD.MM.YYYY! [W0964]", "Invalid Date Format", kEffectValue}},
        {"N", false, " ", "", "%Nope",
         {"Effect ID 'Nope' is not existing! [W0971]", "Invalid Condition", kEffectCondition}},
        {"N", false, " ", "", "%n", {"Recursive use of effect ID 'n'! [W0970]", "Invalid Condition", kEffectCondition}},
        {"N", false, " ", "", "", {"Error: Empty condition string! [W0087]", "Invalid Condition", kEffectCondition}},
        {"N", false, " ", "", "#Age# > 65 AND #Age# < 18",
         {"Semantic contradiction: Condition can never be true! [W0134]", "Invalid Condition", kEffectCondition}},
        {"ef1", false, " ", "", "#Age# > 1",
         {"An item with this name is already existing! [W0966]", "Invalid Name", kEffectName}},
        {"1abc", false, " ", "", "#Age# > 1",
         {"The name must not begin with a number! [W0485]", "Invalid Name", kEffectName}},
        {"Labelled", true, "Label", "", "#Age# = 3", {}},  // a text variable may stay empty
        {"Dated", true, "Since", "29.02.2000", "%E2 AND #Age# > 10", {}},
    };
    Run([&] {
        size_t effects = 2;
        for (const Case& c : cases) {
            Fill(c.name, c.valid, c.variable, c.value, c.condition);
            EXPECT_EQ(Set(), c.refused) << c.name << " " << c.variable << " " << c.value << " " << c.condition;
            if (c.refused.text.empty()) ++effects;
            EXPECT_EQ(dialog.WorkingList().size(), effects) << c.name;
        }
        EXPECT_TRUE(dialog.IsNewEntry());
        return kIdOk;
    });
    ASSERT_THAT(SetEffects(), ElementsAre("Ef1", "E2", "Labelled", "Dated"));
    const CDataEffect* dated = set->GetEffects()[3];
    // The cause is kept as typed; only the check saw it expanded.
    EXPECT_EQ(dated->GetCondition()->GetText(), "%E2 AND #Age# > 10");
    EXPECT_EQ(dated->GetAttribute()->GetName(), "Since");
    EXPECT_EQ(dated->GetAttribute()->GetValue(), "29.02.2000");
    EXPECT_NE(dated->GetAttribute()->GetId(), set->FindAttribute("Since")->GetId());  // a copy of its own
    EXPECT_EQ(dated->GetDataSet(), set);
    EXPECT_EQ(dated->GetFile(), set->GetFile());
}

TEST_F(DataEffectDlgTest, AValidEffectNeedsAnEffectVariableFirst) {
    set->GetAttributes().DeleteAll();
    Run([&] {
        Fill("N", true, " ", "", "#Age# > 1");
        EXPECT_EQ(Set(), (Refused{"You have to create at least 1 effect variable before defining a valid effect.\n"
                                  "Please use the corresponding button! [W0741]",
                                  "No variables defined", kEffectVariablesButton}));
        return kIdCancel;
    });
}

TEST_F(DataEffectDlgTest, AChosenEffectIsChangedInPlace) {
    Run([&] {
        Choose("E2");
        Fill("EF1", false, " ", "", "#Age# < 18");
        EXPECT_EQ(Set(), (Refused{"An item with this name is already existing! [W0967]", "Invalid Name", kEffectName}));
        Fill("E2", false, " ", "", "%Ef1");  // refused expansions leave the effect as it was
        dialog.SetText(kEffectName, "Ef1x");
        dialog.SetText(kEffectCondition, "%Ef1x");
        EXPECT_EQ(Set().text, "Recursive use of effect ID 'Ef1x'! [W0970]");
        EXPECT_EQ(dialog.WorkingList()[1]->GetName(), "E2");

        Choose("Ef1");
        Fill("EF1", true, "Rate", "2", "#Age# > 70");  // only the case of the name changes
        EXPECT_EQ(Set(), Refused{});
        EXPECT_TRUE(dialog.IsNewEntry());
        Choose("E2");
        Fill("E2", true, "Label", "young", "#Age# < 18");
        EXPECT_EQ(Set(), Refused{});
        EXPECT_THAT(Rows(), ElementsAre("E2|Y|Label|young|#Age# < 18", "EF1|Y|Rate|2|#Age# > 70"));
        // Valid cleared: the effect loses its variable, whatever the list still shows.
        Choose("EF1");
        dialog.SetChecked(kEffectValid, false);
        dialog.OnValidClicked();
        EXPECT_FALSE(dialog.IsEnabled(kEffectVariable));
        EXPECT_EQ(dialog.GetText(kEffectVariable), "Rate");
        EXPECT_EQ(Set(), Refused{});
        return kIdOk;
    });
    ASSERT_THAT(SetEffects(), ElementsAre("EF1", "E2"));
    const CDataEffect* ef1 = set->GetEffects()[0];
    EXPECT_FALSE(ef1->IsValid());
    EXPECT_EQ(ef1->GetAttribute(), nullptr);
    EXPECT_EQ(ef1->GetCondition()->GetText(), "#Age# > 70");
    const CDataEffect* e2 = set->GetEffects()[1];
    EXPECT_EQ(e2->GetAttribute()->GetName(), "Label");
    EXPECT_EQ(e2->GetAttribute()->GetValue(), "young");
}

TEST_F(DataEffectDlgTest, AnEffectReadWithoutCauseGetsOneOnSet) {
    set->GetEffects()[1]->SetCondition(nullptr);
    Run([&] {
        Choose("E2");
        EXPECT_EQ(dialog.GetText(kEffectCondition), "");
        dialog.SetText(kEffectCondition, "#Age# = 5");
        EXPECT_EQ(Set(), Refused{});
        return kIdOk;
    });
    EXPECT_EQ(set->GetEffects()[1]->GetCondition()->GetText(), "#Age# = 5");
}

TEST_F(DataEffectDlgTest, RowsGoValidFirstThenByVariableWithCaseThenByName) {
    Variable("a", kTypeString, "");
    Variable("B", kTypeString, "");
    Effect("Small", true, "a", "", "#Age# > 1");
    Effect("Big", true, "B", "", "#Age# > 1");
    Effect("b1", true, "Rate", "1", "#Age# > 1");
    Effect("A2", true, "Rate", "1", "#Age# > 1");
    Effect("Zero", false, "", "", "#Age# > 1");
    Run([&] {
        std::vector<std::string> names;
        for (int row = 0; row < dialog.List(kEffectList).RowCount(); ++row)
            names.push_back(dialog.List(kEffectList).RowTexts(row)[0]);
        EXPECT_THAT(names, ElementsAre("Big", "A2", "b1", "Ef1", "Small", "E2", "Zero"));
        return kIdCancel;
    });
}

TEST_F(DataEffectDlgTest, RenamedEffectVariablesReachTheEffectsAtOnce) {
    parameterSteps = [](CParameterDlg& parameters) {
        const EditorList& rows = parameters.List(kParamList);
        for (int row = 0; row < rows.RowCount(); ++row)
            if (rows.RowTexts(row)[0] == "Rate") parameters.ChooseRow(kParamList, row);
        parameters.SetText(kParamName, "Pay");
        EXPECT_TRUE(parameters.SetParameter());
        EXPECT_EQ(parameters.GetTitle(), "Effect Variables of Data Set Input");
        return kIdOk;
    };
    EXPECT_EQ(Run([&] {
                  Choose("Ef1");
                  dialog.OnEffectVariables();
                  EXPECT_EQ(host.undoSteps, std::vector<std::string>{"Edit Effect Variables"});
                  EXPECT_THAT(dialog.Control(kEffectVariable).items, ElementsAre(" ", "Label", "Pay", "Since"));
                  EXPECT_EQ(dialog.GetText(kEffectVariable), "Pay");  // the same variable, by its id
                  EXPECT_THAT(Rows(), ElementsAre("Ef1|Y|Pay|1|#Age# > 65", "E2|N|||#Age# < 18"));
                  EXPECT_EQ(dialog.List(kEffectList).GetHighlighted(), 0);
                  return kIdCancel;
              }),
              0);
    // The variables keep the change; the effects, cancelled, keep theirs.
    EXPECT_NE(set->FindAttribute("Pay"), nullptr);
    EXPECT_EQ(set->FindAttribute("Rate"), nullptr);
    EXPECT_EQ(set->GetEffects()[0]->GetAttribute()->GetName(), "Rate");

    // Nothing changed in the parameter dialog: no undo step.
    host.undoSteps.clear();
    parameterSteps = [](CParameterDlg&) { return kIdOk; };
    Run([&] {
        dialog.OnEffectVariables();
        return kIdCancel;
    });
    EXPECT_TRUE(host.undoSteps.empty());
}

TEST_F(DataEffectDlgTest, ExpandIdsShowsTheCauseExpandedUntilImploded) {
    Run([&] {
        Fill("New", false, " ", "", "%Nope");
        EXPECT_EQ(Attempt(dialog, [&] { dialog.OnExpandIds(); }).text, "Effect ID 'Nope' is not existing! [W0971]");
        EXPECT_FALSE(dialog.IsExpanded());

        dialog.SetText(kEffectCondition, "%Ef1 OR %e2");
        dialog.OnExpandIds();
        EXPECT_TRUE(dialog.IsExpanded());
        EXPECT_EQ(dialog.GetText(kEffectCondition), "#Age# > 65 OR #Age# < 18");
        EXPECT_EQ(dialog.GetText(kEffectExpand), ">> Implode IDs <<");
        EXPECT_TRUE(dialog.IsReadOnly(kEffectCondition));
        for (int id : {int{kEffectList}, int{kEffectNew}, int{kEffectSet}, int{kIdOk}, int{kEffectName}, int{kEffectBrowse}})
            EXPECT_FALSE(dialog.IsEnabled(id)) << id;

        dialog.OnExpandIds();
        EXPECT_EQ(dialog.GetText(kEffectCondition), "%Ef1 OR %e2");
        EXPECT_EQ(dialog.GetText(kEffectExpand), "<< Expand IDs >>");
        EXPECT_FALSE(dialog.IsReadOnly(kEffectCondition));
        for (int id : {int{kEffectList}, int{kEffectNew}, int{kEffectSet}, int{kIdOk}, int{kEffectName}, int{kEffectBrowse}})
            EXPECT_TRUE(dialog.IsEnabled(id)) << id;
        EXPECT_FALSE(dialog.IsEnabled(kEffectDelete));  // still a new entry
        EXPECT_FALSE(dialog.IsEnabled(kEffectVariable));  // as Valid says
        return kIdCancel;
    });
}

TEST_F(DataEffectDlgTest, ExpansionThatOutgrowsAnyConditionIsRefused) {
    // Each link uses the next twice: the expanded text doubles 30 times, from 2,000 characters.
    for (int link = 0; link < 30; ++link) {
        const std::string next = "L" + std::to_string(link + 1);
        Effect("L" + std::to_string(link), false, "", "", "%" + next + " OR %" + next);
    }
    Effect("L30", false, "", "", "#Age# > 1 OR \"" + std::string(2000, 'x') + "\" = \"\"");
    Run([&] {
        Fill("Top", false, " ", "", "%L0");
        EXPECT_EQ(Set(), (Refused{"Condition too complex! [W0113]", "Invalid Condition", kEffectCondition}));
        return kIdCancel;
    });
}

TEST_F(DataEffectDlgTest, BrowseDesignatorsInsertsEffectsBareAndFieldsBetweenHashes) {
    Run([&] {
        dialog.SetText(kEffectCondition, "X");
        dialog.SetSelection(kEffectCondition, 0, 0);
        host.reference = "%Ef1";
        dialog.OnBrowseDesignators();
        EXPECT_EQ(dialog.GetText(kEffectCondition), "%Ef1X");
        host.reference = "Age";
        dialog.OnBrowseDesignators();
        EXPECT_EQ(dialog.GetText(kEffectCondition), "%Ef1#Age#X");
        EXPECT_EQ(dialog.GetFocusRequest().control, kEffectCondition);
        host.reference = "";
        dialog.OnBrowseDesignators();
        EXPECT_EQ(dialog.GetText(kEffectCondition), "%Ef1#Age#X");
        return kIdCancel;
    });
    ASSERT_EQ(host.referenceRequests.size(), 3u);
    EXPECT_EQ(host.referenceRequests[0].first, 8);
}

TEST_F(DataEffectDlgTest, DeleteAsksAndRemovesTheChosenEffect) {
    TestInteraction().answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_EQ(Run([&] {
                  dialog.OnDelete();  // no row chosen: nothing
                  EXPECT_TRUE(TestInteraction().messages.empty());
                  Choose("Ef1");
                  dialog.OnDelete();
                  EXPECT_EQ(dialog.WorkingList().size(), 2u);
                  dialog.OnDelete();
                  EXPECT_THAT(Rows(), ElementsAre("E2|N|||#Age# < 18"));
                  EXPECT_TRUE(dialog.IsNewEntry());
                  return kIdOk;
              }),
              1);
    ASSERT_EQ(TestInteraction().messages.size(), 2u);
    EXPECT_EQ(TestInteraction().messages[0].text, "Do you really want to delete this effect? [Q0041]");
    EXPECT_EQ(TestInteraction().messages[0].caption, "Delete Effect");
    EXPECT_EQ(TestInteraction().messages[0].buttons, MessageButtons::YesNo);
    EXPECT_THAT(SetEffects(), ElementsAre("E2"));
}

TEST_F(DataEffectDlgTest, OkAppliesAPendingEntryAndHandsBackOnlyAChange) {
    const CDataEffect* stored = set->GetEffects()[0];
    const std::string storedId = stored->GetId();
    EXPECT_EQ(Run([&] { return dialog.OnOK() ? kIdOk : kIdCancel; }), 0);
    EXPECT_EQ(set->GetEffects()[0], stored);  // untouched

    EXPECT_EQ(Run([&] {
                  Fill("", false, " ", "", "#Age# > 2");  // no name: closes, the entry is lost
                  return dialog.OnOK() ? kIdOk : kIdCancel;
              }),
              0);
    EXPECT_EQ(Run([&] {
                  Fill("E3", false, " ", "", "#Age# > 2");
                  EXPECT_EQ(Set(), Refused{});
                  return kIdCancel;
              }),
              0);
    EXPECT_EQ(set->GetEffects().size(), 2u);

    EXPECT_EQ(Run([&] {
                  Fill("E3", true, "Rate", "x", "#Age# > 2");
                  EXPECT_FALSE(Attempt(dialog, [&] { return dialog.OnOK(); }).text.empty());
                  dialog.SetText(kEffectValue, "3");
                  EXPECT_TRUE(dialog.OnOK());
                  return kIdOk;
              }),
              1);
    EXPECT_THAT(SetEffects(), ElementsAre("Ef1", "E2", "E3"));
    EXPECT_EQ(set->GetEffects()[0]->GetId(), storedId);  // copies keep the unique ids
}

TEST_F(DataEffectDlgTest, AReadOnlySetOnlyShowsTheEffects) {
    set->SetFile(project.Lib());
    project.Lib()->SetReadOnly(true);
    EXPECT_EQ(Run([&] {
                  EXPECT_EQ(dialog.GetTitle(), "Effects of Data Set Input (Read-Only)");
                  for (int id : {kEffectNew, kEffectSet, kEffectDelete, kEffectVariablesButton, kEffectBrowse})
                      EXPECT_FALSE(dialog.IsShown(id)) << id;
                  for (int id : {kEffectName, kEffectValue, kEffectCondition}) EXPECT_TRUE(dialog.IsReadOnly(id)) << id;
                  for (int id : {kEffectValid, kEffectVariable}) EXPECT_FALSE(dialog.IsEnabled(id)) << id;
                  EXPECT_EQ(dialog.GetDefaultButton(), kIdOk);
                  Choose("Ef1");
                  EXPECT_EQ(dialog.GetText(kEffectValue), "1");
                  dialog.SetText(kEffectName, "Changed");
                  EXPECT_TRUE(dialog.SetEffect());
                  EXPECT_TRUE(dialog.OnOK());
                  return kIdOk;
              }),
              0);
    EXPECT_THAT(SetEffects(), ElementsAre("Ef1", "E2"));
}
