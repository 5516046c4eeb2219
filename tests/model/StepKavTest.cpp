#include <gtest/gtest.h>

#include "model/CloneFlags.h"
#include "tests/support/FlowBuilder.h"
#include "tests/support/ProjectBuilder.h"

using StepKav = ProjectTest;

TEST_F(StepKav, ANewStepHasAFreshIdAndNoWindowIdTexts) {
    std::unique_ptr<CTaskStep> a(MakeStep("a")), b(MakeStep("b"));
    EXPECT_EQ(a->GetId().size(), 12u);
    EXPECT_NE(a->GetId(), b->GetId());
    EXPECT_EQ(a->GetStartWndId(), "");
    EXPECT_EQ(a->GetDestWndId(), "");
    EXPECT_EQ(a->GetStepType(), kStepTask);
    EXPECT_EQ(a->GetLoopCount(), "1");
}

TEST_F(StepKav, ClearEmptiesEverythingButIdentity) {
    CWindowKav* window = project.AddWindow("Main");
    CTransitionKav step("n", "e", "c", "d", "i", "r", window, window, 50, nullptr, 4, "v", 1);
    step.SetStartWndId("W1");
    step.GetConditions().Add(new CConditionKav("C", "1"));
    step.GetAttributes().Add(new CAttributeKav("F", 4, "x"));
    const std::string id = step.GetId();
    step.Clear();
    EXPECT_EQ(step.GetName() + step.GetEvent() + step.GetCommands() + step.GetDescription() + step.GetInput() +
                  step.GetExpectedResult() + step.GetResultValue(),
              "");
    EXPECT_EQ(step.GetStartWindow(), nullptr);
    EXPECT_EQ(step.GetDestWindow(), nullptr);
    EXPECT_EQ(step.GetDelay(), 0);
    EXPECT_EQ(step.GetCriticality(), 2);
    EXPECT_TRUE(step.GetConditions().empty());
    EXPECT_TRUE(step.GetAttributes().empty());
    EXPECT_EQ(step.GetId(), id);
    EXPECT_EQ(step.GetStartWndId(), "W1");
}

TEST_F(StepKav, CopyFieldsLeavesListsAndIdentity) {
    CWindowKav* window = project.AddWindow("Main");
    CTransitionKav source("n", "e", "c", "d", "i", "r", window, nullptr, 50, nullptr, 4, "v", 0);
    source.GetConditions().Add(new CConditionKav("C", "1"));
    std::unique_ptr<CTaskStep> step(MakeStep("old"));
    const std::string id = step->GetId();
    step->CopyFieldsFrom(nullptr);
    EXPECT_EQ(step->GetName(), "old");
    step->CopyFieldsFrom(&source);
    EXPECT_EQ(step->GetName(), "n");
    EXPECT_EQ(step->GetStartWindow(), window);
    EXPECT_EQ(step->GetCriticality(), 4);
    EXPECT_EQ(step->GetResultValue(), "v");
    EXPECT_TRUE(step->GetConditions().empty());
    EXPECT_EQ(step->GetId(), id);
}

TEST_F(StepKav, StepFieldsFollowTheirDefinitionsByUniqueId) {
    auto& definitions = app.GetStepFields();
    CAttributeKav* fieldA = definitions.Add(new CAttributeKav("A", 4, "a"));
    CAttributeKav* fieldB = definitions.Add(new CAttributeKav("B", 4, "x"));
    std::unique_ptr<CTaskStep> step(MakeStep("s"));
    step->UpdateStepFields(definitions);
    step->FindAttribute("a", false)->SetValue("1");
    step->FindAttribute(fieldB->GetId(), true)->SetValue("2");

    fieldB->SetName("Renamed");
    definitions.Delete(fieldA);
    definitions.Add(new CAttributeKav("C", 4, "y"));
    step->UpdateStepFields(definitions);
    ASSERT_EQ(step->GetAttributes().size(), 2u);
    EXPECT_EQ(step->GetAttributes()[0]->GetName(), "Renamed");
    EXPECT_EQ(step->GetAttributes()[0]->GetValue(), "2");
    EXPECT_EQ(step->GetAttributes()[0]->GetId(), fieldB->GetId());
    EXPECT_EQ(step->GetAttributes()[1]->GetName(), "C");
    EXPECT_EQ(step->GetAttributes()[1]->GetValue(), "y");
}

TEST_F(StepKav, ACopyThatKeepsIdentifiersKeepsItsStepFieldValues) {
    auto& definitions = app.GetStepFields();
    definitions.Add(new CAttributeKav("A", 4, "default"));
    std::unique_ptr<CTaskStep> step(MakeStep("s"));
    step->UpdateStepFields(definitions);
    step->GetAttributes()[0]->SetValue("typed");
    std::unique_ptr<CTaskStep> copy(step->Clone(kCloneKeepId));
    copy->UpdateStepFields(definitions);
    EXPECT_EQ(copy->GetAttributes()[0]->GetValue(), "typed");
}

TEST_F(StepKav, ASubTaskCallKeepsItsParameters) {
    CTaskKav* called = project.AddTask("Called");
    app.GetStepFields().Add(new CAttributeKav("A", 4, "a"));
    std::unique_ptr<CTaskStep> step(MakeStep("s"));
    step->SetSubTask(called);
    step->GetAttributes().Add(new CAttributeKav("P", 4, "v"));
    step->UpdateStepFields(app.GetStepFields());
    ASSERT_EQ(step->GetAttributes().size(), 1u);
    EXPECT_EQ(step->GetAttributes()[0]->GetName(), "P");
}

TEST_F(StepKav, EqualityComparesReferencesWithReadIdTexts) {
    CWindowKav* window = project.AddWindow("Main");
    auto make = [&](CWindowKav* start) {
        return std::make_unique<CTransitionKav>("n", "e", "", "", "", "", start, nullptr, 0, nullptr, 2, "", 0);
    };
    auto live = make(window), read = make(nullptr), plain = make(nullptr);
    EXPECT_FALSE(live->IsEqual(read.get()));  // the read step names no start window
    EXPECT_TRUE(read->IsEqual(live.get()));   // not symmetric: neither has a window nor a text
    read->SetStartWndId(window->GetInternalID());
    EXPECT_TRUE(live->IsEqual(read.get()));
    EXPECT_TRUE(plain->IsEqual(make(nullptr).get()));

    struct Change {
        const char* what;
        std::function<void(CStepKav&)> apply;
    };
    const Change changes[] = {
        {"name case", [](CStepKav& s) { s.SetName("N"); }},
        {"commands", [](CStepKav& s) { s.SetCommands("x"); }},
        {"delay", [](CStepKav& s) { s.SetDelay(1); }},
        {"result value", [](CStepKav& s) { s.SetResultValue("x"); }},
        {"condition text", [](CStepKav& s) { s.GetConditions().Add(new CConditionKav("C", "1")); }},
        {"action", [](CStepKav& s) { s.GetActions().Add(new CActionKav(1)); }},
        {"attribute", [](CStepKav& s) { s.GetAttributes().Add(new CAttributeKav("F", 4, "")); }},
    };
    for (const Change& change : changes) {
        auto changed = make(nullptr);
        change.apply(*changed);
        EXPECT_FALSE(plain->IsEqual(changed.get())) << change.what;
    }
}

TEST_F(StepKav, EventWithoutLineFeeds) {
    std::unique_ptr<CTaskStep> step(MakeStep("s"));
    step->SetEvent("a\nb\r\n");
    EXPECT_EQ(step->GetEventWithoutLineFeeds(), "ab\r");
}
