#include <gtest/gtest.h>

#include "generation/TCGState.h"
#include "model/Combination.h"

namespace {

std::vector<std::string> Names(const CCombination& combination) {
    std::vector<std::string> names;
    for (const CVariable* v : combination.GetVariables()) names.push_back(v->GetName() + "=" + v->GetValues());
    return names;
}

}  // namespace

TEST(VariableState, CopyToReplacesTheTargetWithIndependentCopies) {
    CCombination source;
    int origin = 0;
    source.AddVariable(new CVariable("Main:$Exist", 3, "TRUE", "OpenWindow", &origin));
    source.AddVariable(new CVariable("ActiveWnd", 4, "Main", ""));
    CCombination target;
    target.AddVariable(new CVariable("Old:$Exist", 3, "FALSE", "CloseWindow"));

    source.CopyTo(target);
    EXPECT_EQ(Names(target), (std::vector<std::string>{"Main:$Exist=TRUE", "ActiveWnd=Main"}));
    const CVariable* copy = target.GetVariables()[0];
    EXPECT_NE(copy, source.GetVariables()[0]);
    EXPECT_EQ(copy->GetType(), 3);
    EXPECT_EQ(copy->GetActionName(), "OpenWindow");
    EXPECT_EQ(copy->GetSource(), &origin);

    source.FindVariable("main:$exist")->SetValues("FALSE");
    target.RemoveVariable("ActiveWnd");
    EXPECT_EQ(Names(source), (std::vector<std::string>{"Main:$Exist=FALSE", "ActiveWnd=Main"}));
    EXPECT_EQ(Names(target), std::vector<std::string>{"Main:$Exist=TRUE"});

    source.CopyTo(source);  // onto itself: unchanged
    EXPECT_EQ(Names(source).size(), 2u);
}

TEST(VariableState, AStateOwnsItsNestedSearchAndSteps) {
    // The sanitizer build reports anything that a state or node leaves behind.
    auto state = std::make_unique<CTCGState>();
    EXPECT_EQ(state->node, nullptr);
    EXPECT_EQ(state->window, nullptr);
    EXPECT_FALSE(state->position);
    EXPECT_EQ(state->mode, kStateByEvent);
    state->combination.AddVariable(new CVariable("Edit:$Value", 4, "x", "SetInputField"));
    state->steps.Add(new CTestStep("Type", "Input(\"x\")", "", "", "", "", nullptr, nullptr, 0, 2, "", nullptr,
                                   nullptr, nullptr, ""));
    state->node = std::make_unique<CTCGNode>(nullptr);
    CTCGState* nested = state->node->states.Add(new CTCGState);
    nested->node = std::make_unique<CTCGNode>(nullptr);
    nested->node->wantedValues.AddVariable(new CVariable("Main:$Enabled", 3, "TRUE", "SetAttribute"));
    state.reset();

    CTCGState alone;  // no nested search: only its own members go
    alone.combination.AddVariable(new CVariable("A", 2, "1", ""));
}
