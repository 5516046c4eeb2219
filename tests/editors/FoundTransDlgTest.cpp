#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "editors/project/FoundTransDlg.h"
#include "model/ActionKav.h"
#include "model/ArgumentKav.h"
#include "model/TaskKav.h"
#include "model/TaskStep.h"
#include "model/TransitionKav.h"
#include "model/WindowKav.h"
#include "platform/MessageBuffer.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/support/FlowBuilder.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"

using ::testing::ElementsAre;

namespace {

// The frame as the references dialog reaches it: the step editor it opens on a transition, and
// the task flows it opens.
class ReferencesHost : public FakeEditorHost {
public:
    std::function<void(CStepKav*)> editStep = [](CStepKav*) {};
    std::vector<CStepKav*> editedSteps;
    std::vector<CTaskKav*> openedFlows;

    int EditStep(CStepKav* step, bool, CTaskKav*) override {
        editedSteps.push_back(step);
        editStep(step);
        return 1;
    }
    void OpenTaskFlow(CTaskKav* task) override { openedFlows.push_back(task); }
};

CConditionKav* AddCondition(CStepKav& step, const std::string& text) {
    return step.GetConditions().Add(new CConditionKav("", text));
}

void AddArgument(CStepKav& step, const std::string& value) {
    CActionKav* action = step.GetActions().Add(new CActionKav(1));
    action->GetArguments().Add(new CArgumentKav(1, "Window", 6, value));
}

// Win1 with the transitions A (to Win2, naming Win1) and B (naming Win2); Win2 with the
// transition C (naming Win1 by a meta-condition); the library window Win1 with the transition
// L (naming it with its library). The task T has the steps S1 (naming Win1 twice) and S2
// (naming nothing); the task U calls the building block Sub in the step Call and names Win1 in
// an action of the step Act.
class FoundTransDlgTest : public ProjectTest {
protected:
    FoundTransDlgTest() {
        win1 = project.AddWindow("Win1");
        win2 = project.AddWindow("Win2");
        CWindowKav* libWin1 = project.AddWindow("Win1", nullptr, kWndMain, project.Lib());
        project.AddMetaCondition("M", "#Win1:$Enabled# = TRUE");
        a = project.AddTransition(win1, "A");
        a->SetDestWindow(win2);
        AddCondition(*a, "#Win1:$Visible# = TRUE");
        b = project.AddTransition(win1, "B");
        AddCondition(*b, "#Win2# = \"x\"");
        c = project.AddTransition(win2, "C");
        AddCondition(*c, "%M");
        AddCondition(*project.AddTransition(libWin1, "L"), "#^Lib:Win1:$Enabled# = TRUE");

        t = project.AddTask("T");
        s1 = AddStep(*t, "S1");
        AddCondition(*s1, "#Win1# = \"a\" AND #win1:$Enabled# = TRUE");
        AddStep(*t, "S2");
        u = project.AddTask("U");
        sub = project.AddTask("Sub", nullptr, kTaskBuildingBlock);
        call = AddStep(*u, "Call");
        call->SetSubTask(sub);
        act = AddStep(*u, "Act");
        AddArgument(*act, "#Win1#");
    }

    int Refers(const std::string& condition, const std::string& searched, const std::string& argument = {}) {
        CTaskStep probe("P", "", "", "", "", "", nullptr, nullptr, 0, nullptr, 2, "", 1);
        if (!condition.empty()) AddCondition(probe, condition);
        if (!argument.empty()) AddArgument(probe, argument);
        ClearGlobalMessage();
        return dialog.StepRefersTo(probe, searched);
    }

    std::vector<std::vector<std::string>> Rows(int list) const {
        std::vector<std::vector<std::string>> rows;
        for (int row = 0; row < dialog.List(list).RowCount(); ++row) rows.push_back(dialog.List(list).RowTexts(row));
        return rows;
    }

    using Texts = std::vector<std::string>;

    ReferencesHost host;
    CFoundTransDlg dialog{host, app};
    CWindowKav* win1;
    CWindowKav* win2;
    CTransitionKav* a;
    CTransitionKav* b;
    CTransitionKav* c;
    CTaskKav* t;
    CTaskKav* u;
    CTaskKav* sub;
    CTaskStep* s1;
    CTaskStep* call;
    CTaskStep* act;
};

}  // namespace

TEST_F(FoundTransDlgTest, ADesignatorNamesTheWindowWithItsLibraryOrWithout) {
    struct Case {
        std::string condition;
        std::string searched;
        int result;
        std::string message;
    };
    const Case cases[] = {
        {"#Win1:$Enabled# = TRUE", "win1", 1, ""},
        {"#Win1# = \"a\"", "Win1", 1, ""},
        {"#Win12# = \"a\"", "Win1", 0, ""},
        {"#^Lib:Win1:$Enabled# = TRUE", "Win1", 0, ""},
        {"#^Lib:Win1:$Enabled# = TRUE", "^Lib:Win1", 1, ""},
        {"#Win1:$Enabled# = TRUE", "^Lib:Win1", 0, ""},
        {"%M", "Win1", 1, ""},
        {"#:N# = 1", "Win1", 0, ""},
        // A "#" inside a string constant is text, not a designator.
        {"#Ed1# = \"a#b\"", "Win1", 0, ""},
        {"\"#Win1#\" = \"x\"", "Win1", 0, ""},
        {"#Win1 = 1", "Win1", -1, "Found designator without '#' in condition Win1 = 1! [W0030]"},
        {"%Nope", "Win1", -1, "Meta-condition ID 'Nope' is not existing! [W0057]"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Refers(c.condition, c.searched), c.result) << c.condition << " / " << c.searched;
        EXPECT_EQ(GetGlobalMessageBuffer(), c.message) << c.condition;
    }
    EXPECT_EQ(Refers("", "Win1", "#Win1#"), 1);
    EXPECT_EQ(Refers("", "Win1", "\"#\""), 0);
    EXPECT_EQ(Refers("", "Win1", "#Win1"), -1);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Found designator without '#' in argument Win1! [W0033]");
}

TEST_F(FoundTransDlgTest, ListsEachReferringTransitionAndTaskStepOnce) {
    host.session = [&](EditorDialog&) {
        EXPECT_EQ(dialog.GetTitle(), "Objects referring to Win1");
        EXPECT_THAT(Rows(kFoundTransitions),
                    ElementsAre(Texts{"Win1", "Win2", "A"}, Texts{"Win2", "", "C"}));
        EXPECT_THAT(Rows(kFoundTaskSteps), ElementsAre(Texts{"T", "S1", ""}, Texts{"U", "Act", ""}));
        EXPECT_EQ(dialog.List(kFoundTransitions).Columns()[0].title, "Start State");
        EXPECT_EQ(dialog.List(kFoundTaskSteps).Columns()[1].title, "Task Step");
        EXPECT_FALSE(dialog.IsEnabled(kFoundEditTransition));
        EXPECT_FALSE(dialog.IsEnabled(kFoundChangeToFlow));
        EXPECT_EQ(dialog.GetText(kIdCancel), "Close");

        dialog.ChooseRow(kFoundTransitions, 1);
        EXPECT_TRUE(dialog.IsEnabled(kFoundEditTransition));
        EXPECT_FALSE(dialog.IsEnabled(kFoundChangeToFlow));
        dialog.ChooseRow(kFoundTaskSteps, 0);
        EXPECT_EQ(dialog.List(kFoundTransitions).GetHighlighted(), -1);
        EXPECT_FALSE(dialog.IsEnabled(kFoundEditTransition));
        EXPECT_TRUE(dialog.IsEnabled(kFoundChangeToFlow));
        dialog.ChooseRow(kFoundTaskSteps, -1);
        EXPECT_FALSE(dialog.IsEnabled(kFoundChangeToFlow));
        return kIdCancel;
    };
    dialog.ShowReferences("Win1");

    // A call of the searched task counts as well.
    ASSERT_TRUE(dialog.FindReferences("@sub"));
    ASSERT_EQ(dialog.FoundTaskSteps().size(), 1u);
    EXPECT_EQ(dialog.FoundTaskSteps()[0].first, call);
    EXPECT_EQ(dialog.FoundTaskSteps()[0].second, u);
}

TEST_F(FoundTransDlgTest, AMalformedTextStopsTheSearchWithoutAList) {
    AddCondition(*AddStep(*t, "Bad"), "#Win1 = 1");
    bool shown = false;
    host.session = [&](EditorDialog&) {
        shown = true;
        return kIdCancel;
    };
    dialog.ShowReferences("Win1");
    EXPECT_FALSE(shown);
    ASSERT_EQ(TestInteraction().messages.size(), 1u);
    EXPECT_EQ(TestInteraction().messages[0].text, "Found designator without '#' in condition Win1 = 1! [W0030]");
    EXPECT_EQ(TestInteraction().messages[0].caption, "Search Error");
    EXPECT_EQ(TestInteraction().messages[0].icon, MessageIcon::Error);
    EXPECT_TRUE(dialog.FoundTransitions().empty());
    EXPECT_TRUE(dialog.FoundTaskSteps().empty());
}

TEST_F(FoundTransDlgTest, AnEditedTransitionThatNoLongerRefersLeavesTheList) {
    host.editStep = [&](CStepKav* edited) {
        if (edited == a) edited->GetConditions()[0]->SetText("#Win2:$Visible# = TRUE");
    };
    host.session = [&](EditorDialog&) {
        dialog.ChooseRow(kFoundTransitions, 1);  // C still refers
        dialog.OnEditTransition();
        EXPECT_EQ(dialog.List(kFoundTransitions).RowCount(), 2);
        EXPECT_EQ(dialog.List(kFoundTransitions).GetHighlighted(), -1);
        EXPECT_FALSE(dialog.IsEnabled(kFoundEditTransition));

        dialog.DoubleClickRow(kFoundTransitions, 0);  // A, edited to name Win2 only
        EXPECT_THAT(Rows(kFoundTransitions), ElementsAre(Texts{"Win2", "", "C"}));
        EXPECT_EQ(dialog.FoundTransitions().size(), 1u);

        dialog.DoubleClickRow(kFoundTransitions, -1);  // beside the rows: nothing to edit
        return kIdCancel;
    };
    dialog.ShowReferences("Win1");
    EXPECT_THAT(host.editedSteps, ElementsAre(c, a));
    EXPECT_TRUE(dialog.FoundTransitions().empty());  // the records go with the run
}

TEST_F(FoundTransDlgTest, ChangeToTaskFlowEditorOpensTheStepsTaskAndCloses) {
    host.session = [&](EditorDialog&) {
        dialog.ChooseRow(kFoundTaskSteps, 1);
        dialog.OnChangeToTaskFlow();
        EXPECT_EQ(dialog.TakeEndRequest(), kIdCancel);
        return kIdCancel;
    };
    dialog.ShowReferences("Win1");
    EXPECT_THAT(host.openedFlows, ElementsAre(u));
}
