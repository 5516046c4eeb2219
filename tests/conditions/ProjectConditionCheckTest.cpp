// The checks of conditions as a whole: every condition of a project parses, and a condition
// can be true at all.
#include <gtest/gtest.h>

#include <string>

#include "conditions/ConditionTree.h"
#include "conditions/ProjectConditionCheck.h"
#include "conditions/SatisfyingValueSearch.h"
#include "conditions/ValueTypes.h"
#include "platform/MessageBuffer.h"
#include "tests/support/FlowBuilder.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/Refusal.h"

namespace {

class ProjectConditionCheckTest : public ProjectTest {
protected:
    void SetUp() override {
        for (const char* name : {"N", "M", "K", "L", "P"}) project.AddAttribute(name);
        main = project.AddWindow("Main");
        dialog = project.AddWindow("Dlg");
    }

    CConditionKav* AddCondition(CStepKav& step, const std::string& text) {
        return step.GetConditions().Add(new CConditionKav("", text));
    }
    CTransitionKav* AddTransition(CWindowKav* from, const std::string& name, CWindowKav* to, const std::string& text) {
        CTransitionKav* transition = project.AddTransition(from, name);
        transition->SetDestWindow(to);
        AddCondition(*transition, text);
        return transition;
    }

    CWindowKav* main = nullptr;
    CWindowKav* dialog = nullptr;
};

TEST_F(ProjectConditionCheckTest, TheFirstFaultyTransitionIsNamedWithItsWindows) {
    CTransitionKav* good = AddTransition(main, "Main_T1", dialog, "#:N# = 1");
    AddTransition(main, "Main_T2", dialog, "#:N# = 2");
    AddCondition(*main->GetTransitions()[1], "#Foo# = 1");
    CTaskKav* task = project.AddTask("Order");
    AddCondition(*AddStep(*task, "S1"), "#Bar# = 1");

    EXPECT_EQ(Refusal([] { return CheckAllConditions(); }),
              "In Transition 'Main_T2' from 'Main' to 'Dlg':\nInvalid Designator: No window with name 'Foo' existing! "
              "[W0145] [W1129]");
    EXPECT_NE(good->GetConditions()[0]->GetCachedTree(), nullptr);
    EXPECT_NE(main->GetTransitions()[1]->GetConditions()[0]->GetCachedTree(), nullptr);
}

TEST_F(ProjectConditionCheckTest, WindowsOfALibraryAreNamedWithTheirPrefix) {
    CWindowKav* libraryWindow = project.AddWindow("Shared", nullptr, kWndMain, project.Lib());
    AddTransition(libraryWindow, "Shared_T1", main, "#:N# = ");
    EXPECT_EQ(Refusal([] { return CheckAllConditions(); }),
              "In Transition 'Shared_T1' from '^Lib:Shared' to 'Main':\nSyntax Error: Missing Operand! [W0118] "
              "[W1129]");
}

TEST_F(ProjectConditionCheckTest, TaskStepsAreCheckedAfterTheTransitions) {
    AddTransition(main, "Main_T1", dialog, "#:N# = 1");
    CTaskKav* task = project.AddTask("Order");
    AddCondition(*AddStep(*task, "S1"), "#:N# > 0");
    CTaskStep* second = AddStep(*task, "S2");
    AddCondition(*second, "TRUE");
    AddCondition(*second, "#Bar# = 1");
    EXPECT_EQ(Refusal([] { return CheckAllConditions(); }),
              "In Task 'Order' / TaskStep 'S2':\nInvalid Designator: No window with name 'Bar' existing! [W0145] "
              "[W1130]");
    second->GetConditions()[1]->SetText("#Main:$Enabled#");
    EXPECT_EQ(Refusal([] { return CheckAllConditions(); }), "");
}

TEST_F(ProjectConditionCheckTest, ConditionsThatCanNeverBeTrue) {
    SetSearchCandidateCount(3);
    const std::pair<std::string, std::string> cases[] = {
        {"TRUE", ""},
        {"#:N# = 5 AND #:M# > #:N#", ""},
        {"#:N# > 5 OR #:N# < 3", ""},
        {"#:N# + #:M# = 7 AND #:M# = 1", ""},
        {"FALSE", "Semantic contradiction: Condition can never be true! [W0134]"},
        {"#:N# > 5 AND #:N# < 3", "Semantic contradiction: Condition can never be true! [W0134]"},
        {"#:N# = 1 AND #:N# = 2", "Semantic contradiction: Condition can never be true! [W0134]"},
        {"5 + 3", "Type mismatch: Condition must return Bool value! [W0133]"},
        {"#:N#", "Type mismatch: Condition must return Bool value! [W0133]"},
        {"#:N# =", "Syntax Error: Missing Operand! [W0118]"},
        {"#:N# > 0 OR #ActiveWnd#", "Fatal Error: Variable ActiveWnd not found! [F0010]"},
    };
    for (const auto& [condition, message] : cases)
        EXPECT_EQ(Refusal([&] { return CheckSatisfiable(InitConditionContext(), condition); }), message) << condition;
    EXPECT_EQ(GetSearchCandidateCount(), 3);
    EXPECT_TRUE(TestInteraction().Texts().empty());
}

// Five designators shared out by four + nodes make 10^4 proposals for the sum, none of which
// gives N both values: far more than 100000 steps.
TEST_F(ProjectConditionCheckTest, ASearchThatIsTooLongIsAccepted) {
    EXPECT_EQ(Refusal([] {
                  return CheckSatisfiable(InitConditionContext(),
                                          "#:N# + #:M# + #:K# + #:L# + #:P# = 7 AND #:N# = 1 AND #:N# = 2");
              }),
              "");
    EXPECT_EQ(TestInteraction().Texts(),
              std::vector<std::string>{"The condition is syntactically correct.\nHowever, it cannot be checked for "
                                       "contradictions because it is too complex. [I0005]"});
    EXPECT_EQ(GetSearchCandidateCount(), 1);
}

TEST_F(ProjectConditionCheckTest, EffectConditionsSearchFieldsOfTheirDataSet) {
    CDataSet* customer = project.AddDataSet("Customer");
    customer->GetFields().Add(new CDataField("Age", kTypeNum, 0, 120, "18"));
    const CConditionContext effect = InitConditionContext(kEffectConditionMode, customer);
    EXPECT_EQ(Refusal([&] { return CheckSatisfiable(effect, "#Age# > 65"); }), "");
    EXPECT_EQ(Refusal([&] { return CheckSatisfiable(effect, "#Age# > 65 AND #Age# < 18"); }),
              "Semantic contradiction: Condition can never be true! [W0134]");
}

}  // namespace
