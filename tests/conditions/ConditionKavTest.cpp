#include <gtest/gtest.h>

#include "conditions/ConditionTree.h"
#include "model/ConditionKav.h"
#include "model/windows/TabControlKav.h"
#include "platform/MessageBuffer.h"
#include "tests/conditions/ConditionOutcome.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/Refusal.h"

namespace {

class ConditionKavParse : public ProjectTest {};

TEST_F(ConditionKavParse, ParsesWithMetaConditionsExpandedAndCachesTheTree) {
    project.AddWindow("X");
    project.AddWindow("Y");
    project.AddWindow("Z");
    project.AddMetaCondition("A", "#X:$Exist# OR #Y:$Exist#");
    CConditionKav condition("C", "%A AND #Z:$Exist#");

    CConditionTree* tree = condition.Parse();
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(condition.GetCachedTree(), tree);
    // Inserted without brackets: the AND takes the second operand of the OR.
    EXPECT_EQ(Shape(tree), "100(X:$Exist,102(Y:$Exist,Z:$Exist))");

    condition.SetText("#X:$Exist#");
    EXPECT_EQ(condition.GetCachedTree(), nullptr);
    ASSERT_NE(condition.Parse(), nullptr);
    EXPECT_EQ(Shape(condition.GetCachedTree()), "X:$Exist");
}

TEST_F(ConditionKavParse, AFailedParseLeavesNoTree) {
    project.AddWindow("X");
    CConditionKav condition("C", "#X:$Exist#");
    ASSERT_NE(condition.Parse(), nullptr);

    condition.SetText("%Missing AND TRUE");
    EXPECT_EQ(Refusal([&] { return condition.Parse(); }),
              "One or more meta-IDs in condition '%Missing AND TRUE' are invalid! [W0055]");
    EXPECT_EQ(condition.GetCachedTree(), nullptr);

    condition.SetText("#X:$Exist# AND");
    EXPECT_EQ(Refusal([&] { return condition.Parse(); }), "Syntax Error: Missing Operand! [W0117]");
    EXPECT_EQ(condition.GetCachedTree(), nullptr);
}

class TabPageClone : public ProjectTest {};

TEST_F(TabPageClone, TakesTheReferenceOfTheWindowThePageNames) {
    CWindowKav* page = project.AddWindow("Page", nullptr, kWndDialogBox, project.Lib());
    page->SetInternalID("P1");
    project.AddTask("Page");

    const std::pair<std::string, std::string> cases[] = {
        {"^Lib:Page", "P1"}, {"Page", ""}, {"@Page", ""}, {"^Nope:Page", ""}, {"", ""},
    };
    for (const auto& [windowId, reference] : cases) {
        CTabPage original("Title", windowId);
        original.SetPageWindowRef("old");
        std::unique_ptr<CTabPage> copy(original.Clone(16));
        EXPECT_EQ(copy->GetPageWindowRef(), reference) << windowId;
    }
}

}  // namespace
