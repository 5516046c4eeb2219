#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "editors/steps/ActionEditorDlg.h"
#include "model/ActionCatalogue.h"
#include "model/windows/TabControlKav.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/editors/Refusals.h"
#include "tests/editors/StepEditorModel.h"

using ::testing::ElementsAre;

namespace {

class ActionEditorDlgTest : public StepEditorModelTest {
protected:
    ActionEditorDlgTest() {
        auto* tabs = AddControl(project, "Tabs1", kWndTabControl, mainWindow, {0, 300, 200, 400});
        static_cast<CTabControlKav*>(tabs)->GetPages().Add(new CTabPage("General", "Page1"));
        task = project.AddTask("T");
    }

    // An action of the step with its argument values.
    CActionKav* Action(const std::string& name, const std::vector<std::string>& values = {}) {
        CActionKav* action = actions.Add(FindPredefinedActionByName(GetActionCatalogue(), name)->Clone(0));
        for (size_t i = 0; i < values.size(); ++i) action->GetArguments()[i]->SetValue(values[i]);
        return action;
    }

    bool Run(const std::function<int()>& steps, bool readOnly = false) {
        host.session = [&steps](EditorDialog&) { return steps(); };
        return dialog.EditActions(actions, task, readOnly);
    }

    static int RowOf(const EditorList& list, const std::string& text) {
        for (int row = 0; row < list.RowCount(); ++row)
            if (list.RowTexts(row)[0] == text) return row;
        ADD_FAILURE() << "no row " << text;
        return -1;
    }
    void ChooseAvailable(const std::string& name) {
        dialog.ChooseRow(kActAvailable, RowOf(dialog.List(kActAvailable), name));
    }
    void ChooseArgument(int row) { dialog.ChooseRow(kActArguments, row); }
    Refused SetArgument(const std::string& value) {
        dialog.SetText(kActValue, value);
        return Attempt(dialog, [&] { dialog.OnSetArgument(); });
    }
    std::vector<std::string> Texts(int list) const {
        std::vector<std::string> texts;
        const EditorList& rows = dialog.List(list);
        for (int row = 0; row < rows.RowCount(); ++row) texts.push_back(rows.RowTexts(row)[0]);
        return texts;
    }
    void ExpectEnabled(std::initializer_list<int> enabled, std::initializer_list<int> disabled) const {
        for (int control : enabled) EXPECT_TRUE(dialog.IsEnabled(control)) << control;
        for (int control : disabled) EXPECT_FALSE(dialog.IsEnabled(control)) << control;
    }

    FakeEditorHost host;
    CActionEditorDlg dialog{host};
    OwningList<CActionKav> actions;
    CTaskKav* task;
};

const Refused kPassed{};
// A refusal with the condition language's own message.
const Refused kInvalid{"*", "Invalid Argument", kActValue};

}  // namespace

TEST_F(ActionEditorDlgTest, ActionsArePutTogetherArgumentByArgument) {
    Run([&] {
        EXPECT_EQ(dialog.GetTitle(), "Action Editor");
        EXPECT_EQ(Texts(kActAvailable).size(), 16u);
        EXPECT_EQ(Texts(kActAvailable).front(), "CloseApplication");
        EXPECT_EQ(Texts(kActAvailable).back(), "SetTableCell");
        ExpectEnabled({kActAvailable}, {kActArguments, kActValue, kActBrowse, kActSetArgument, kActSetAction, kActDelete});
        EXPECT_EQ(dialog.GetDefaultButton(), kIdOk);

        ChooseAvailable("CloseApplication");
        ExpectEnabled({kActSetAction}, {kActArguments, kActValue, kActSetArgument, kActDelete});
        EXPECT_EQ(dialog.GetDefaultButton(), kActSetAction);
        dialog.OnSetAction();

        ChooseAvailable("SetInputField");
        EXPECT_THAT(Texts(kActArguments), ElementsAre("Name []", "Value []"));
        EXPECT_EQ(dialog.List(kActArguments).GetHighlighted(), 0);
        EXPECT_EQ(dialog.GetText(kActHelpLine), "Name (Designator)");
        ExpectEnabled({kActArguments, kActValue, kActSetArgument, kActBrowse, kActSetAction}, {kActDelete});
        EXPECT_EQ(dialog.GetDefaultButton(), kActSetArgument);
        EXPECT_EQ(dialog.GetFocusRequest().control, kActValue);

        EXPECT_EQ(SetArgument("#Edit1#"), kPassed);
        EXPECT_THAT(Texts(kActArguments), ElementsAre("Name [#Edit1#]", "Value []"));
        EXPECT_EQ(dialog.List(kActArguments).GetHighlighted(), 1);
        EXPECT_EQ(dialog.GetText(kActHelpLine), "Value (String, Num, or Date)");
        EXPECT_EQ(SetArgument("\"abc\""), kPassed);
        EXPECT_EQ(dialog.List(kActArguments).GetHighlighted(), -1);
        ExpectEnabled({kActArguments, kActSetAction}, {kActValue, kActSetArgument, kActBrowse});
        EXPECT_EQ(dialog.GetDefaultButton(), kActSetAction);
        dialog.OnSetAction();

        EXPECT_THAT(Texts(kActSelected), ElementsAre("CloseApplication ()", "SetInputField (#Edit1#, \"abc\")"));
        EXPECT_EQ(dialog.GetCurrentAction(), nullptr);
        ExpectEnabled({}, {kActArguments, kActValue, kActSetAction, kActDelete});
        EXPECT_EQ(dialog.GetDefaultButton(), kIdOk);
        EXPECT_EQ(dialog.GetFocusRequest().control, kActAvailable);
        return kIdCancel;
    });
}

TEST_F(ActionEditorDlgTest, ArgumentValuesAreCheckedByTheirTypeAndAgainstTheModel) {
    struct Case {
        std::string action;
        std::vector<std::string> before;  // values of the arguments set first
        std::string value;
        Refused refused;
    };
    const Case cases[] = {
        {"OpenWindow", {}, "Dlg1", {"Please enter '#WindowID#'! [W0001]", "Missing '#'", kActValue}},
        {"OpenWindow", {}, "#Nope#", {"Window 'Nope' not existing! [W0002]", "Invalid Argument", kActValue}},
        {"OpenModalDialog", {}, "#OK#", {"OpenModalDialog is only allowed for dialog boxes! [W0003]", "Invalid Argument",
                                         kActValue}},
        {"OpenWindow", {}, "#OK#", kPassed},
        {"OpenModalDialog", {}, "#Dlg1#", kPassed},
        {"SetCheckBox", {}, "Edit1", {"Please enter '#Designator#'! [W0005]", "Missing '#'", kActValue}},
        {"SetCheckBox", {}, "#Edit1#",
         {"Action SetCheckBox cannot be used to set designator #Edit1#! Use SetInputField instead! [W0006]",
          "Invalid Argument", kActValue}},
        {"SetInputField", {}, "#Nope#",
         {"Invalid Designator: No window with name 'Nope' existing! [W0145]", "Invalid Argument", kActValue}},
        {"SetAttribute", {}, "#:N#", kPassed},
        {"SetAttribute", {"#:N#"}, "#:N# + 1", kPassed},
        {"SetInputField", {"#Edit1#"}, "3 +", kInvalid},
        {"SetInputField", {"#Edit1#"}, "1 < 2", {"Argument must have the specified type! [W0021]", "Type Mismatch",
                                                  kActValue}},
        {"SetCheckBox", {}, "#Edit1#:$x", kInvalid},
        {"NextDataRecord", {}, "#Set1#", {"Please enter '#~DataSetName#'! [W0037]", "Invalid Argument", kActValue}},
        {"NextDataRecord", {}, "#~Nope#", {"Data Set not existing! [W0038]", "Invalid Argument", kActValue}},
        {"NextDataRecord", {"#~Set1#"}, "x", {"Please enter V, I or A! [W0053]", "Invalid Argument", kActValue}},
        {"NextDataRecord", {"#~Set1#"}, "v", kPassed},
        {"ResetDataRecord", {"#~Set1#"}, "I", kPassed},
        {"GotoDataRecord", {"#~Set1#"}, "\"r7\"", kPassed},
        {"SetTabControl", {"#Tabs1#"}, "\"general\"", kPassed},
        {"SetTabControl", {"#Tabs1#"}, "\"Other\"", {"The tab control does not contain a page with this title! [W0025]",
                                                     "Invalid Argument", kActValue}},
    };
    Run([&] {
        for (const Case& c : cases) {
            ChooseAvailable(c.action);
            for (const std::string& value : c.before) EXPECT_EQ(SetArgument(value), kPassed) << value;
            ChooseArgument(static_cast<int>(c.before.size()));
            Refused refused = SetArgument(c.value);
            if (c.refused.text == "*" && !refused.text.empty()) refused.text = "*";
            EXPECT_EQ(refused, c.refused) << c.action << " " << c.value;
        }
        return kIdCancel;
    });
}

TEST_F(ActionEditorDlgTest, ACaptionNeedsTheGroupBoxOrTabControlNamedInTheSameChoice) {
    Action("SetRadioGroup", {"#Group1#", "\"YES\""});
    const Refused groupBoxFirst{"Please specify the ID of the group box first! [W0022]", "Invalid Argument", kActValue};
    Run([&] {
        ChooseAvailable("SetRadioGroup");
        ChooseArgument(1);
        EXPECT_EQ(SetArgument("\"Yes\""), groupBoxFirst);
        ChooseArgument(0);
        EXPECT_EQ(SetArgument("#Group1#"), kPassed);
        EXPECT_EQ(SetArgument("\"Maybe\""),
                  (Refused{"The group box does not contain a radio button with this caption! [W0023]",
                           "Invalid Argument", kActValue}));
        EXPECT_EQ(SetArgument("\"Yes\""), kPassed);  // quotes dropped, case ignored

        ChooseAvailable("SetRadioGroup");  // another choice forgets the group box
        ChooseArgument(1);
        EXPECT_EQ(SetArgument("\"Yes\""), groupBoxFirst);
        dialog.ChooseRow(kActSelected, 0);  // so does the choice of a placed action
        ChooseArgument(1);
        EXPECT_EQ(SetArgument("\"Yes\""), groupBoxFirst);

        ChooseAvailable("SetTabControl");
        ChooseArgument(1);
        EXPECT_EQ(SetArgument("\"General\""),
                  (Refused{"Please specify the ID of the tab control first! [W0024]", "Invalid Argument", kActValue}));
        return kIdCancel;
    });
}

TEST_F(ActionEditorDlgTest, AnActionWithAnEmptyArgumentIsNotPlaced) {
    const Refused missing{"Please enter legal values for all arguments! [W0026]", "Missing Argument", kActValue};
    EXPECT_TRUE(Run([&] {
        ChooseAvailable("OpenWindow");
        EXPECT_EQ(Attempt(dialog, [&] { return dialog.ApplyAction(); }), missing);
        EXPECT_EQ(Attempt(dialog, [&] { return dialog.OnOK(); }), missing);
        EXPECT_EQ(SetArgument("#Dlg1#"), kPassed);
        return dialog.OnOK() ? kIdOk : 0;  // OK places the pending action
    }));
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(CActionEditorDlg::FormatAction(*actions[0]), "OpenWindow (#Dlg1#)");
    EXPECT_TRUE(actions[0]->IsEdited());
}

TEST_F(ActionEditorDlgTest, AChosenActionIsReplacedInPlaceOrDeletedAfterAQuestion) {
    Action("OpenWindow", {"#Dlg1#"});
    CActionKav* kept = Action("CloseApplication");
    Action("CloseWindow", {"#Dlg1#"});
    EXPECT_TRUE(Run([&] {
        dialog.ChooseRow(kActSelected, 0);
        EXPECT_EQ(Texts(kActAvailable)[static_cast<size_t>(dialog.List(kActAvailable).GetHighlighted())], "OpenWindow");
        ExpectEnabled({kActSetAction, kActDelete, kActValue}, {});
        EXPECT_EQ(dialog.GetText(kActValue), "#Dlg1#");
        EXPECT_EQ(SetArgument("#Main#"), kPassed);
        dialog.OnSetAction();
        EXPECT_THAT(Texts(kActSelected), ElementsAre("OpenWindow (#Main#)", "CloseApplication ()", "CloseWindow (#Dlg1#)"));

        dialog.OnDeleteAction();  // no row chosen: nothing to ask
        dialog.ChooseRow(kActSelected, 2);
        TestInteraction().answers = {MessageAnswer::No, MessageAnswer::Yes};
        dialog.OnDeleteAction();
        EXPECT_EQ(Texts(kActSelected).size(), 3u);
        dialog.OnDeleteAction();
        EXPECT_THAT(Texts(kActSelected), ElementsAre("OpenWindow (#Main#)", "CloseApplication ()"));
        EXPECT_EQ(dialog.GetCurrentAction(), nullptr);
        return kIdOk;
    }));
    ASSERT_EQ(TestInteraction().messages.size(), 2u);
    EXPECT_EQ(TestInteraction().messages[0].text, "Do you really want to delete this action ? [Q0008]");
    EXPECT_EQ(TestInteraction().messages[0].caption, "Delete Action");
    EXPECT_EQ(TestInteraction().messages[0].buttons, MessageButtons::YesNo);
    ASSERT_EQ(actions.size(), 2u);
    EXPECT_EQ(actions[0]->GetArguments()[0]->GetValue(), "#Main#");
    EXPECT_EQ(actions[1], kept);  // not changed: the very object it was
}

TEST_F(ActionEditorDlgTest, TheRunnerReplacesTheListOnlyAfterAChangeAndOK) {
    CActionKav* only = Action("CloseApplication");
    only->SetEdited(true);  // changed by an earlier run
    EXPECT_FALSE(Run([&] { return dialog.OnOK() ? kIdOk : 0; }));
    EXPECT_FALSE(Run([&] {
        dialog.ChooseRow(kActSelected, 0);
        dialog.OnSetAction();
        return kIdCancel;
    }));
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(actions[0], only);

    EXPECT_TRUE(Run([&] {
        ChooseAvailable("OpenWindow");
        SetArgument("#Dlg1#");
        dialog.OnSetAction();
        return kIdOk;
    }));
    ASSERT_EQ(actions.size(), 2u);
    EXPECT_TRUE(actions[0]->IsEdited());  // the earlier change still reaches the step

    EXPECT_TRUE(Run([&] {
        for (int i = 0; i < 2; ++i) {
            dialog.ChooseRow(kActSelected, 0);
            dialog.OnDeleteAction();
        }
        return dialog.OnOK() ? kIdOk : 0;
    }));
    EXPECT_TRUE(actions.empty());
}

TEST_F(ActionEditorDlgTest, AReadOnlyRunShowsTheActionsAndTheirArgumentsOnly) {
    Action("SetInputField", {"#Edit1#", "\"abc\""});
    EXPECT_FALSE(Run(
        [&] {
            EXPECT_EQ(dialog.GetTitle(), "Action Editor (Read-Only)");
            for (int button : {kActBrowse, kActSetArgument, kActSetAction, kActDelete})
                EXPECT_FALSE(dialog.IsShown(button)) << button;
            EXPECT_FALSE(dialog.IsEnabled(kActAvailable));
            EXPECT_EQ(dialog.GetFocusRequest().control, kIdOk);
            dialog.ChooseRow(kActSelected, 0);
            ChooseArgument(1);
            EXPECT_EQ(dialog.GetText(kActValue), "\"abc\"");
            ExpectEnabled({kActArguments}, {kActValue});
            EXPECT_EQ(dialog.GetDefaultButton(), kIdOk);
            return dialog.OnOK() ? kIdOk : 0;
        },
        true));
    EXPECT_EQ(actions[0]->GetArguments()[1]->GetValue(), "\"abc\"");
}

TEST_F(ActionEditorDlgTest, BrowseDesignatorsOffersTheTasksParametersAndHelpHasTheDialogsTopic) {
    host.reference = "Edit1";
    Run([&] {
        ChooseAvailable("SetInputField");
        dialog.OnBrowseDesignators();
        EXPECT_EQ(dialog.GetText(kActValue), "#Edit1#");
        EXPECT_EQ(dialog.GetFocusRequest().control, kActValue);
        dialog.OnHelp(false, kActValue);
        return kIdCancel;
    });
    EXPECT_THAT(host.referenceRequests, ElementsAre(std::make_pair(23, task)));
    EXPECT_THAT(host.helpTopics, ElementsAre(0x20085));
}
