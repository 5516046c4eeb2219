// The satisfying-value search, driven as a run drives it: call after call on one tree, the
// combination emptied between the calls and the next flag set from the second call on.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "conditions/ConditionParser.h"
#include "conditions/ConditionTree.h"
#include "conditions/SatisfyingValueSearch.h"
#include "conditions/ValueTypes.h"
#include "model/Combination.h"
#include "platform/MessageBuffer.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/WindowBuilder.h"

namespace {

using namespace win32;
using Calls = std::vector<std::string>;

// The variables of a proposal, "name=value" in the order they were set.
std::string Proposal(const CCombination& combination) {
    std::string text;
    for (const CVariable* variable : combination.GetVariables())
        text += (text.empty() ? "" : " ") + variable->GetName() + "=" + variable->GetValues();
    return text;
}

// Global attributes N, M (numbers), A, B (truth values), S, T (texts) and D (a date); group
// boxes G1 with the buttons Red, Blue, Green and G2 with Blue, Green, Black.
class SatisfyingValueSearchTest : public ProjectTest {
protected:
    void SetUp() override {
        for (const auto& [name, type] : {std::pair{"N", kTypeNum}, {"M", kTypeNum}, {"A", kTypeBool},
                                         {"B", kTypeBool}, {"S", kTypeString}, {"T", kTypeString}, {"D", kTypeDate}})
            app.GetAttributes().Add(new CAttributeKav(name, type, ""))->SetFile(project.Main());
        CWindowKav* main = project.AddWindow("Main");
        AddGroup(main, "G1", 0, {"Red", "Blue", "Green"});
        AddGroup(main, "G2", 200, {"Blue", "Green", "Black"});
    }

    void AddGroup(CWindowKav* main, const std::string& name, int left, const std::vector<std::string>& captions) {
        AddControl(project, name, kWndGroupBox, main, {left, 0, left + 100, 100});
        int top = 10;
        for (const std::string& caption : captions) {
            AddControl(project, name + caption, kWndRadioButton, main, {left + 10, top, left + 90, top + 5}, caption,
                       BS_AUTORADIOBUTTON);
            top += 10;
        }
    }

    // The proposals of a run on the condition sought TRUE, each "name=value ...", ended by the
    // result that stopped it ("0", or "-1" and the message); at most the given number of calls.
    static Calls Proposals(const std::string& condition, int candidates, int calls = 40) {
        const std::unique_ptr<CConditionTree> tree = ParseCondition(InitConditionContext(), condition);
        if (!tree) return {"parse: " + GetGlobalMessageBuffer()};
        SetSearchCandidateCount(candidates);
        Calls run;
        CCombination combination;
        int steps = 0;
        for (int call = 0; call < calls; ++call) {
            ClearGlobalMessage();
            const int result = tree->FindSatisfyingValues("TRUE", call > 0, combination, InitConditionContext(), steps);
            if (result != 1) {
                run.push_back(result == 0 ? "0" : "-1 " + GetGlobalMessageBuffer());
                break;
            }
            run.push_back(Proposal(combination));
            combination.RemoveAll();
        }
        return run;
    }
};

// #:N# < 5 sought TRUE: the designator is the left side and 5 the constant right bound, so
// the value must lie strictly below 5: 5 - 1 - up(i), with up(1..10) = 0, 1, 10, 100, 10000,
// 1000, 5, 91, 123456, 2, which gives 4, 3, -6, -96, -9996, -996, -1, -87, -123452, 2.
// The < node passes the caller's next flag on to its one designator side (for the candidate
// it stands on; a new candidate is asked without it). A designator has a single proposal, so
// each later call (next set) finds none on the current candidate and moves the node on to the
// next one; past the count the node has no proposal left.
TEST_F(SatisfyingValueSearchTest, AnUpperBoundProposesValuesBelowIt) {
    EXPECT_EQ(Proposals("#:N# < 5", 10), (Calls{":N=4", ":N=3", ":N=-6", ":N=-96", ":N=-9996", ":N=-996", ":N=-1",
                                              ":N=-87", ":N=-123452", ":N=2", "0"}));
    // With the count of generation (1), one candidate only.
    EXPECT_EQ(Proposals("#:N# < 5", 1), (Calls{":N=4", "0"}));
}

// Sought TRUE, > and >= want a value above the constant: strict from bound + 1 + up(i), with
// equality from bound + up(i); a constant on the left turns the side round. NOT seeks its
// operand FALSE, and < sought FALSE is >= . Dates step by days(i) = 1, 365, 7.
TEST_F(SatisfyingValueSearchTest, BoundsOnEitherSideStrictOrNot) {
    const std::pair<std::string, Calls> cases[] = {
        {"#:N# >= 5", {":N=5", ":N=6", ":N=15"}},
        {"#:N# <= 5", {":N=5", ":N=4", ":N=-5"}},
        {"5 < #:N#", {":N=6", ":N=7", ":N=16"}},
        {"5 >= #:N#", {":N=5", ":N=4", ":N=-5"}},
        {"NOT (#:N# < 5)", {":N=5", ":N=6", ":N=15"}},
        {"#:D# > 31.12.2018", {":D=01.01.2019", ":D=31.12.2019", ":D=07.01.2019"}},
        {"#:D# <= 01.03.2020", {":D=29.02.2020", ":D=02.03.2019", ":D=23.02.2020"}},
    };
    for (const auto& [condition, expected] : cases)
        EXPECT_EQ(Proposals(condition, 10, 3), expected) << condition;
}

// #:A# = #:B# with two truth values: candidate 1 is TRUE for both, candidate 2 FALSE for
// both, and there is no third. The second call asks the = node for its next pair: the right
// designator has no next proposal, so the left one is asked for its next, has none either,
// and the node moves on to candidate 2 within the same call.
TEST_F(SatisfyingValueSearchTest, EqualTruthValuesComeInTwoPairs) {
    EXPECT_EQ(Proposals("#:A# = #:B#", 10), (Calls{":A=TRUE :B=TRUE", ":A=FALSE :B=FALSE", "0"}));
    EXPECT_EQ(Proposals("#:N# = #:M#", 10, 4), (Calls{":N=1 :M=1", ":N=100 :M=100", ":N=25000 :M=25000", ":N=0 :M=0"}));
    EXPECT_EQ(Proposals("#:S# = #:T#", 10, 2), (Calls{":S=abc :T=abc", ":S=123 :T=123"}));
}

TEST_F(SatisfyingValueSearchTest, LogicalOperators) {
    const std::pair<std::string, Calls> cases[] = {
        {"FALSE OR #:N# = 1", {":N=1", "0"}},
        {"FALSE AND #:A#", {"0"}},
        {"#:A# AND #:B#", {":A=TRUE :B=TRUE", "0"}},
        {"#:A# OR #:B#", {":A=TRUE", ":B=TRUE", "0"}},
        {"NOT (#:A# AND #:B#)", {":A=FALSE", ":B=FALSE", "0"}},
        {"NOT (#:A# OR #:B#)", {":A=FALSE :B=FALSE", "0"}},
        {"#:A# XOR TRUE", {":A=FALSE", "0"}},
        {"#:A# XOR #:B#", {":A=TRUE :B=FALSE", ":A=FALSE :B=TRUE", "0"}},
        {"#:A# = TRUE AND #:N# > 3", {":A=TRUE :N=4", ":A=TRUE :N=5", ":A=TRUE :N=14"}},
    };
    for (const auto& [condition, expected] : cases)
        EXPECT_EQ(Proposals(condition, 10, 3), expected) << condition;
    EXPECT_EQ(Proposals("#:A# OR #:B#", 1), (Calls{":A=TRUE", "0"}));
    // Decided by a constant: success without a value, as often as asked.
    EXPECT_EQ(Proposals("TRUE OR #:N# = 1", 10, 2), (Calls{"", ""}));
    EXPECT_EQ(Proposals("#:N# * 0 = 0", 10, 2), (Calls{"", ""}));
}

// Arithmetic passes the wanted number down: a constant side is taken off it, two designators
// share it by the candidate offsets up(k) = 0, 1, 10 (+ and -), by the factors 1 and the
// number (*), or by multiples (/).
TEST_F(SatisfyingValueSearchTest, ArithmeticAndConcatenation) {
    const std::pair<std::string, Calls> cases[] = {
        {"#:N# + 3 = 10", {":N=7", "0"}},
        {"10 - #:N# = 4", {":N=6", "0"}},
        {"#:N# - 10 = 4", {":N=14", "0"}},
        {"#:N# * 4 = 12", {":N=3", "0"}},
        {"#:N# / 2 = 5", {":N=10", "0"}},
        {"12 / #:N# = 4", {":N=3", "0"}},
        {"-#:N# = 5", {":N=-5", "0"}},
        {"#:N# + #:M# = 10", {":N=10 :M=0", ":N=9 :M=1", ":N=0 :M=10", "0"}},
        {"#:N# - #:M# = 10", {":N=10 :M=0", ":N=11 :M=1", ":N=20 :M=10", "0"}},
        {"#:N# * #:M# = 6", {":N=6 :M=1", ":N=1 :M=6", "0"}},
        {"#:N# / #:M# = 3", {":N=3 :M=1", ":N=6 :M=2", ":N=9 :M=3", "0"}},
        {"#:S# & \"x\" = \"abx\"", {":S=ab", "0"}},
        {"\"ab\" & #:S# = \"abc\"", {":S=c", "0"}},
        {"\"zz\" & #:S# = \"abc\"", {"0"}},
        {"#:S# & #:T# = \"abc\"", {":S=a :T=bc", ":S=ab :T=c", ":S=abc :T=", "0"}},
        {"#:S# & #:T# = \"\"", {":S= :T=", "0"}},
    };
    for (const auto& [condition, expected] : cases) EXPECT_EQ(Proposals(condition, 3), expected) << condition;
}

TEST_F(SatisfyingValueSearchTest, ValuesThatDifferFromAConstantOrFromEachOther) {
    const std::pair<std::string, Calls> cases[] = {
        {"#:N# != 5", {":N=6", ":N=4", ":N=15", ":N=-5"}},
        {"NOT (#:N# = 5)", {":N=6", ":N=4", ":N=15", ":N=-5"}},
        {"#:S# != \"X\"", {":S=xyz", ":S=1", ":S=abc", ":S=ABC"}},
        {"#:D# != 01.04.2001", {":D=08.03.1994", ":D=09.11.1970", ":D=21.11.1915", ":D=30.09.1977"}},
        {"#:N# != #:M#", {":N=1 :M=2", ":N=0 :M=1", ":N=1 :M=0", ":N=100 :M=300"}},
        {"#:S# != #:T#", {":S=a :T=b", ":S=0 :T=1", ":S=abc :T=def", ":S=ABC :T=DEF"}},
        {"#:N# < #:M#", {":N=1 :M=2", ":N=0 :M=1", ":N=7 :M=14", ":N=100 :M=300"}},
        {"#:N# >= #:M#", {":N=2 :M=1", ":N=1 :M=0", ":N=1 :M=1", ":N=300 :M=100"}},
    };
    for (const auto& [condition, expected] : cases)
        EXPECT_EQ(Proposals(condition, 10, 4), expected) << condition;
}

TEST_F(SatisfyingValueSearchTest, RadioButtonCaptionsComeFromTheGroups) {
    EXPECT_EQ(Proposals("#G1# = #G2#", 10), (Calls{"G1=Blue G2=Blue", "G1=Green G2=Green", "0"}));
    EXPECT_EQ(Proposals("#G1# != \"red\"", 10), (Calls{"G1=Blue", "G1=Green", "0"}));
    EXPECT_EQ(Proposals("#G1# != #G2#", 10, 4),
              (Calls{"G1=Red G2=Blue", "G1=Red G2=Green", "G1=Red G2=Black", "G1=Blue G2=Green"}));
    EXPECT_EQ(Proposals("#G1# = #:S#", 10), (Calls{"-1 Fatal Error: Group Box :S not found! [F0072]"}));
    EXPECT_EQ(Proposals("#G1# = #Main:$Caption#", 10),
              (Calls{"-1 Fatal Error: Window Main:$Caption is not a Group Box! [F0073]"}));
}

// A designator that the assignment check refuses has no proposal: the node tries its next
// candidate in the same call. Every date below 01.01.0100 has a year below 100.
TEST_F(SatisfyingValueSearchTest, RefusedCandidatesAreSkippedWithinOneCall) {
    const std::unique_ptr<CConditionTree> tree = ParseCondition(InitConditionContext(), "#:D# < 01.01.0100");
    ASSERT_TRUE(tree);
    SetSearchCandidateCount(10);
    CCombination combination;
    int steps = 0;
    EXPECT_EQ(tree->FindSatisfyingValues("TRUE", false, combination, InitConditionContext(), steps), 0);
    EXPECT_EQ(steps, 11);  // the < node, then its designator once per candidate
    EXPECT_TRUE(combination.GetVariables().empty());
}

TEST_F(SatisfyingValueSearchTest, TheStepLimitEndsARunAtOnce) {
    const std::unique_ptr<CConditionTree> tree = ParseCondition(InitConditionContext(), "#:N# < 5");
    ASSERT_TRUE(tree);
    CCombination combination;
    // Two steps left: the < node and its designator.
    int steps = kSearchStepLimit - 1;
    EXPECT_EQ(tree->FindSatisfyingValues("TRUE", false, combination, InitConditionContext(), steps), 1);
    EXPECT_EQ(Proposal(combination), ":N=4");
    EXPECT_EQ(steps, kSearchStepLimit + 1);
    // Past the limit every call succeeds at once, without a proposal.
    combination.RemoveAll();
    for (int start : {kSearchStepLimit, kSearchStepLimit + 1}) {
        steps = start;
        EXPECT_EQ(tree->FindSatisfyingValues("TRUE", false, combination, InitConditionContext(), steps), 1);
        EXPECT_EQ(steps, kSearchStepLimit + 1);
        EXPECT_TRUE(combination.GetVariables().empty());
    }
}

TEST_F(SatisfyingValueSearchTest, AResetStartsTheSearchAnewAndTakesBackItsValues) {
    const std::unique_ptr<CConditionTree> tree = ParseCondition(InitConditionContext(), "#:N# + #:M# = 10");
    ASSERT_TRUE(tree);
    SetSearchCandidateCount(10);
    CCombination combination;
    combination.AddVariable(new CVariable(":n", kTypeNum, "1", "SetAttribute"));  // set by someone else
    int steps = 0;
    ASSERT_EQ(tree->FindSatisfyingValues("TRUE", false, combination, InitConditionContext(), steps), 1);
    combination.RemoveAll();
    ASSERT_EQ(tree->FindSatisfyingValues("TRUE", true, combination, InitConditionContext(), steps), 1);
    EXPECT_EQ(Proposal(combination), ":N=9 :M=1");
    EXPECT_GT(tree->GetLeft()->GetAlternative(), 1);

    combination.AddVariable(new CVariable(":S", kTypeString, "x", "SetAttribute"));
    EXPECT_TRUE(tree->ResetSearch(combination));
    EXPECT_EQ(Proposal(combination), ":S=x");
    EXPECT_EQ(tree->GetLeft()->GetAlternative(), 1);
    combination.RemoveAll();
    ASSERT_EQ(tree->FindSatisfyingValues("TRUE", false, combination, InitConditionContext(), steps), 1);
    EXPECT_EQ(Proposal(combination), ":N=10 :M=0");
}

// Trees that the parser does not make: operands that cannot meet, and unknown node kinds.
TEST_F(SatisfyingValueSearchTest, BrokenTreesAreErrors) {
    auto designator = [](const char* name, int type) {
        return std::make_unique<CConditionTree>(kNodeDesignator, name, type, false);
    };
    CCombination combination;
    int steps = 0;
    const std::pair<int, std::string> comparisons[] = {
        {kNodeEqual, "[W0467]"}, {kNodeNotEqual, "[W0468]"}, {kNodeLess, "[W0469]"},
        {kNodeGreaterEqual, "[W0470]"}, {kNodeGreater, "[W0471]"}, {kNodeLessEqual, "[W0472]"},
    };
    for (const auto& [kind, code] : comparisons) {
        CConditionTree node(kind, "", kTypeBool, false);
        node.SetLeft(designator(":N", kTypeNum));
        node.SetRight(designator(":S", kTypeBool));
        EXPECT_EQ(node.FindSatisfyingValues("TRUE", false, combination, InitConditionContext(), steps), -1);
        EXPECT_EQ(GetGlobalMessageBuffer(), "Incompatible Types encountered! " + code);
    }
    CConditionTree odd(99, "", kTypeBool, false);
    CConditionTree halfAnd(kNodeAnd, "", kTypeBool, false);
    halfAnd.SetLeft(designator(":A", kTypeBool));
    for (CConditionTree* node : {&odd, &halfAnd}) {
        ClearGlobalMessage();
        EXPECT_EQ(node->FindSatisfyingValues("TRUE", false, combination, InitConditionContext(), steps), -1);
        EXPECT_EQ(GetGlobalMessageBuffer(), "Fatal Error: Condition structure corrupted! [F0013]");
    }
}

}  // namespace
