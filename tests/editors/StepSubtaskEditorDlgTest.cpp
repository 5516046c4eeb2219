#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "editors/steps/StepSubtaskEditorDlg.h"
#include "model/TaskKav.h"
#include "model/TaskStep.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/editors/Refusals.h"
#include "tests/editors/StepEditorModel.h"
#include "tests/support/FlowBuilder.h"

using ::testing::ElementsAre;

namespace {

// The building block Sub with the parameters n (Num), s (String) and b (Bool); the task T whose
// step Call (priority 3) calls it and passes n = 1, s = "x", b = TRUE.
class StepSubtaskEditorDlgTest : public StepEditorModelTest {
protected:
    StepSubtaskEditorDlgTest() {
        sub = project.AddTask("Sub", nullptr, kTaskBuildingBlock);
        for (auto [name, type, value] : {std::tuple{"n", 2, "1"}, {"s", 4, "\"x\""}, {"b", 3, "TRUE"}})
            sub->GetParameters().Add(new CAttributeKav(name, type, value))->SetFile(project.Main());
        task = project.AddTask("T");
        call = AddStep(*task, "Call");
        call->SetSubTask(sub);
        call->UpdateSubtaskParameters(sub);
        call->SetPriority(3);
        set1 = app.GetDataSets()[0];
    }

    int Run(const std::function<int()>& steps, CTaskKav* inTask = nullptr) {
        host.session = [&](EditorDialog&) { return steps(); };
        return dialog.EditSubtaskStep(call, inTask ? inTask : task);
    }

    // What OK refuses after the edits, and how the step reads afterwards.
    Refused CheckOk(const std::map<int, std::string>& edits, bool byDataSet = false,
                    std::pair<bool, bool> records = {false, false}) {
        Refused refused;
        Run([&] {
            for (const auto& [control, text] : edits) dialog.SetText(control, text);
            dialog.SetChecked(kSubExecute, !byDataSet);
            dialog.SetChecked(kSubDataSetMode, byDataSet);
            dialog.SetChecked(kSubValidRecords, records.first);
            dialog.SetChecked(kSubInvalidRecords, records.second);
            refused = Attempt(dialog, [&] { return dialog.OnOK(); });
            return refused.text.empty() ? kIdOk : kIdCancel;
        });
        return refused;
    }

    std::vector<std::string> Row(int row) const { return dialog.List(kSubParameters).RowTexts(row); }

    FakeEditorHost host;
    CStepSubtaskEditorDlg dialog{host, app};
    CTaskKav* sub;
    CTaskKav* task;
    CTaskStep* call;
    CDataSet* set1;
};

const Refused kPassed{};

}  // namespace

TEST_F(StepSubtaskEditorDlgTest, OpensWithTheCallsValuesAndTheFirstParameterReadyForTyping) {
    call->SetLoopMode(kLoopInvalidRecords);
    call->SetLoopDataSet(set1);
    call->SetLoopCount("7");
    Run([&] {
        EXPECT_EQ(dialog.GetTitle(), "Sub Task Call");
        EXPECT_EQ(dialog.GetText(kSubName), "Call");
        EXPECT_TRUE(dialog.IsReadOnly(kSubName));
        EXPECT_EQ(dialog.GetText(kSubPriority), "3");
        EXPECT_EQ(dialog.GetText(kSubLoopCount), "7");
        EXPECT_TRUE(dialog.IsChecked(kSubDataSetMode));
        EXPECT_FALSE(dialog.IsChecked(kSubExecute));
        EXPECT_FALSE(dialog.IsEnabled(kSubLoopCount));
        EXPECT_TRUE(dialog.IsEnabled(kSubDataSet));
        EXPECT_EQ(dialog.GetText(kSubDataSet), "~Set1");
        EXPECT_THAT(dialog.Control(kSubDataSet).items, ElementsAre("", "~Set1"));
        EXPECT_FALSE(dialog.IsChecked(kSubValidRecords));
        EXPECT_TRUE(dialog.IsChecked(kSubInvalidRecords));

        EXPECT_EQ(dialog.List(kSubParameters).RowCount(), 3);
        EXPECT_THAT(Row(0), ElementsAre("n", "Num", "1"));
        EXPECT_THAT(Row(1), ElementsAre("s", "String", "\"x\""));
        EXPECT_EQ(dialog.List(kSubParameters).GetHighlighted(), 0);
        EXPECT_EQ(dialog.GetText(kSubValue), "1");
        EXPECT_EQ(dialog.GetDefaultButton(), kSubSetValue);
        EXPECT_EQ(dialog.GetFocusRequest().control, kSubValue);

        dialog.OnExecute();
        EXPECT_TRUE(dialog.IsEnabled(kSubLoopCount));
        EXPECT_FALSE(dialog.IsEnabled(kSubDataSet));
        EXPECT_FALSE(dialog.IsEnabled(kSubInvalidRecords));
        return kIdCancel;
    });

    call->GetAttributes().DeleteAll();
    call->SetLoopMode(kLoopExpression);
    Run([&] {
        EXPECT_TRUE(dialog.IsChecked(kSubExecute));
        EXPECT_EQ(dialog.GetText(kSubDataSet), "");
        EXPECT_FALSE(dialog.IsEnabled(kSubValidRecords));
        EXPECT_EQ(dialog.List(kSubParameters).GetHighlighted(), -1);
        EXPECT_FALSE(dialog.IsEnabled(kSubValue));
        EXPECT_FALSE(dialog.IsEnabled(kSubSetValue));
        EXPECT_FALSE(dialog.IsEnabled(kSubBrowseValue));
        EXPECT_EQ(dialog.GetDefaultButton(), kIdOk);
        return kIdCancel;
    });
}

TEST_F(StepSubtaskEditorDlgTest, OkChecksPriorityAndLoopAndStoresTheLoopMode) {
    const Refused badLoops{"Please enter a loop number between 1 and 100 or an numeric expression! [W0951]",
                           "Invalid Number of Loops", kSubLoopCount};
    struct Case {
        std::string count;
        Refused refused;
        int mode;
    };
    const Case cases[] = {
        {"1", kPassed, kLoopOnce},
        {"2", kPassed, kLoopCount},
        {"100", kPassed, kLoopCount},
        {"+5", kPassed, kLoopCount},
        {" 4 ", kPassed, kLoopCount},
        {"101", badLoops, -1},
        {"0", badLoops, -1},
        {"", badLoops, -1},
        {"-3", badLoops, -1},
        {"2 * 3", kPassed, kLoopExpression},
        {"#@Sub:n# + 1", kPassed, kLoopExpression},
        {"TRUE", {"The loop expression must have type NUM! [W0432]", "Type Mismatch", kSubLoopCount}, -1},
        {"2 +", {"Syntax Error: Missing Operand! [W0119]", "Invalid Loop Expression", kSubLoopCount}, -1},
    };
    for (const Case& c : cases) {
        call->SetLoopMode(kLoopValidRecords);
        call->SetLoopDataSet(set1);
        const Refused refused = CheckOk({{kSubLoopCount, c.count}});
        EXPECT_EQ(refused, c.refused) << c.count;
        if (c.refused.text.empty()) {
            EXPECT_EQ(call->GetLoopMode(), c.mode) << c.count;
            EXPECT_EQ(call->GetLoopDataSet(), nullptr);
        }
    }
    EXPECT_EQ(CheckOk({{kSubLoopCount, "+5"}}), kPassed);
    EXPECT_EQ(call->GetLoopCount(), "+5");

    EXPECT_EQ(CheckOk({{kSubPriority, "0"}}),
              (Refused{"Please enter a priority between 1 (highest) and 999 (lowest)! [W0779]", "Invalid Priority",
                       kSubPriority}));
    EXPECT_EQ(CheckOk({{kSubPriority, "999"}, {kSubLoopCount, "1"}}), kPassed);
    EXPECT_EQ(call->GetPriority(), 999);
}

TEST_F(StepSubtaskEditorDlgTest, ADataSetLoopNeedsTheSetAndAKindOfRecords) {
    EXPECT_EQ(CheckOk({{kSubDataSet, ""}}, true, {true, false}),
              (Refused{"Please select a data set! [W0952]", "Missing Data Set", kSubDataSet}));
    EXPECT_EQ(CheckOk({{kSubDataSet, "~Set1"}}, true, {false, false}),
              (Refused{"Please select if you want to cover valid and/or invalid data records! [W0953]",
                       "Missing Data Set Type", kSubValidRecords}));
    const std::pair<std::pair<bool, bool>, int> kinds[] = {
        {{true, false}, kLoopValidRecords},
        {{false, true}, kLoopInvalidRecords},
        {{true, true}, kLoopValidRecords | kLoopInvalidRecords},
    };
    for (const auto& [records, mode] : kinds) {
        // The count stays as typed, though it is not checked here.
        EXPECT_EQ(CheckOk({{kSubDataSet, "~Set1"}, {kSubLoopCount, "abc"}}, true, records), kPassed);
        EXPECT_EQ(call->GetLoopMode(), mode);
        EXPECT_EQ(call->GetLoopDataSet(), set1);
        EXPECT_EQ(call->GetLoopCount(), "abc");
    }
}

TEST_F(StepSubtaskEditorDlgTest, SetValueChecksTheValueAgainstTheParametersType) {
    struct Case {
        int row;
        std::string value;
        Refused refused;
    };
    const Case cases[] = {
        {0, "", {"Please enter a  value! [W0777]", "Missing Value", kSubValue}},
        {0, "\"x\"", {"Value must have the specified type! [W0778]", "Type Mismatch", kSubValue}},
        {0, "2 +", {"Syntax Error: Missing Operand! [W0119]", "Invalid Value", kSubValue}},
        {0, "#:N# * 2", kPassed},
        {1, "abc", kPassed},
        {1, "", kPassed},
        {1, "#:N#", {"Value must have the specified type! [W0778]", "Type Mismatch", kSubValue}},
        {2, "\"abc\"", {"Value must have the specified type! [W0778]", "Type Mismatch", kSubValue}},
        {2, "FALSE", kPassed},
    };
    for (const Case& c : cases) {
        Run([&] {
            dialog.ChooseRow(kSubParameters, c.row);
            dialog.SetText(kSubValue, c.value);
            const Refused refused = Attempt(dialog, [&] { return dialog.OnSetValue(); });
            EXPECT_EQ(refused, c.refused) << c.row << " " << c.value;
            if (c.refused.text.empty()) {
                EXPECT_EQ(Row(c.row)[2], c.value);
            }
            return kIdCancel;
        });
    }
    EXPECT_EQ(call->GetAttributes()[1]->GetValue(), "\"x\"");  // cancelled: nothing written
}

TEST_F(StepSubtaskEditorDlgTest, SetValueMovesOnAndOkWritesOnlyChangedValues) {
    CAttributeKav* n = call->GetAttributes()[0];
    CAttributeKav* s = call->GetAttributes()[1];
    CAttributeKav* b = call->GetAttributes()[2];
    const std::string sId = s->GetId();
    EXPECT_EQ(Run([&] {
                  EXPECT_TRUE(dialog.OnSetValue());  // n unchanged
                  EXPECT_EQ(dialog.List(kSubParameters).GetHighlighted(), 1);
                  EXPECT_EQ(dialog.GetText(kSubValue), "\"x\"");
                  EXPECT_EQ(dialog.GetFocusRequest().control, kSubValue);
                  dialog.SetText(kSubValue, "\"x\"");
                  EXPECT_TRUE(dialog.OnSetValue());
                  EXPECT_TRUE(dialog.OnSetValue());  // b: the last row
                  EXPECT_EQ(dialog.List(kSubParameters).GetHighlighted(), -1);
                  EXPECT_EQ(dialog.GetText(kSubValue), "");
                  EXPECT_FALSE(dialog.IsEnabled(kSubValue));
                  EXPECT_FALSE(dialog.IsEnabled(kSubSetValue));
                  EXPECT_EQ(dialog.GetDefaultButton(), kIdOk);
                  EXPECT_EQ(dialog.GetFocusRequest().control, kIdOk);
                  return dialog.OnOK() ? kIdOk : kIdCancel;
              }),
              1);
    // The same values again: the step keeps its very attributes.
    EXPECT_THAT(call->GetAttributes().Pointers(), ElementsAre(n, s, b));
    EXPECT_THAT(host.undoSteps, ElementsAre("Edit Step"));

    // OK applies the chosen row's value first; a refused one keeps the dialog open.
    EXPECT_EQ(Run([&] {
                  dialog.ChooseRow(kSubParameters, 1);
                  dialog.SetText(kSubValue, "plain");
                  return dialog.OnOK() ? kIdOk : kIdCancel;
              }),
              1);
    ASSERT_EQ(call->GetAttributes().size(), 3u);
    EXPECT_EQ(call->GetAttributes()[0], n);
    EXPECT_EQ(call->GetAttributes()[1]->GetValue(), "plain");  // the edited copy, under s's unique id
    EXPECT_EQ(call->GetAttributes()[1]->GetId(), sId);
    EXPECT_EQ(call->GetAttributes()[2], b);

    Run([&] {
        dialog.SetText(kSubValue, "");
        EXPECT_FALSE(Attempt(dialog, [&] { return dialog.OnOK(); }).text.empty());
        return kIdCancel;
    });
    EXPECT_EQ(n->GetValue(), "1");
}

TEST_F(StepSubtaskEditorDlgTest, ACallInATaskThatMayNotChangeOpensLockedAndWritesNothing) {
    CTaskKav* locked = project.AddTask("L", nullptr, kTaskPlain, project.Lib());
    project.Lib()->SetReadOnly(true);
    EXPECT_EQ(Run(
                  [&] {
                      EXPECT_EQ(dialog.GetTitle(), "Sub Task Call (Read-Only)");
                      EXPECT_TRUE(dialog.IsReadOnly(kSubValue));
                      for (int control : {kSubPriority, kSubExecute, kSubDataSetMode, kSubLoopCount, kSubDataSet,
                                          kSubValidRecords, kSubInvalidRecords, kSubParameters})
                          EXPECT_FALSE(dialog.IsEnabled(control)) << control;
                      EXPECT_FALSE(dialog.IsShown(kSubSetValue));
                      EXPECT_FALSE(dialog.IsShown(kSubBrowseValue));
                      EXPECT_EQ(dialog.GetDefaultButton(), kIdOk);
                      EXPECT_EQ(dialog.GetFocusRequest().control, kIdOk);
                      dialog.SetText(kSubPriority, "0");
                      return dialog.OnOK() ? kIdOk : kIdCancel;
                  },
                  locked),
              0);
    EXPECT_EQ(call->GetPriority(), 3);
    EXPECT_TRUE(host.undoSteps.empty());
}

TEST_F(StepSubtaskEditorDlgTest, BrowseDesignatorsFillsTheFieldBesideTheButton) {
    host.reference = "@Sub:n";
    Run([&] {
        dialog.SetText(kSubLoopCount, "2 * ");
        dialog.OnBrowseDesignators(kSubBrowseLoop);
        EXPECT_EQ(dialog.GetText(kSubLoopCount), "2 * #@Sub:n#");
        dialog.SetText(kSubValue, "");
        dialog.OnBrowseDesignators(kSubBrowseValue);
        EXPECT_EQ(dialog.GetText(kSubValue), "#@Sub:n#");
        EXPECT_EQ(dialog.GetFocusRequest().control, kSubValue);
        return kIdCancel;
    });
    EXPECT_THAT(host.referenceRequests, ElementsAre(std::pair<int, CTaskKav*>(23, task), std::pair<int, CTaskKav*>(23, task)));
}
