#include <gtest/gtest.h>

#include <memory>

#include "model/CloneFlags.h"
#include "platform/MessageBuffer.h"
#include "tests/support/ProjectBuilder.h"

using Requirement = ProjectTest;

TEST_F(Requirement, IdRules) {
    CRequirement* requirement = project.AddRequirement("R1");
    EXPECT_TRUE(requirement->SetID(std::string(50, 'x')));
    EXPECT_FALSE(requirement->SetID(std::string(51, 'x')));
    EXPECT_EQ(GetGlobalMessageBuffer(), "The ID must not be longer than 50 characters! [W0794]");
    EXPECT_FALSE(requirement->SetID(""));
    EXPECT_EQ(GetGlobalMessageBuffer(), "Please enter a valid requirement ID! [W0793]");
    EXPECT_TRUE(requirement->SetID("any chars: ä-/"));
    EXPECT_EQ(requirement->GetID(), "any chars: ä-/");
}

TEST_F(Requirement, HierarchyRefusesCyclesAndDuplicates) {
    CRequirement* r1 = project.AddRequirement("R1");
    CRequirement* r2 = project.AddRequirement("R2", r1);
    CRequirement* r3 = project.AddRequirement("R3", r2);
    CRequirement* other = project.AddRequirement("R9");

    EXPECT_FALSE(r1->AddChild(r2));
    EXPECT_EQ(GetGlobalMessageBuffer(), "Requirement R2 is already a child of requirement R1! [W1058]");
    for (CRequirement* selfOrAncestor : {r3, r1}) {
        SetGlobalMessage("");
        EXPECT_FALSE(r3->AddChild(selfOrAncestor));
        EXPECT_EQ(GetGlobalMessageBuffer(),
                  "Illegal relationship: No cycles are allowed in the requirement hierarchy! [W0997]");
    }
    EXPECT_TRUE(other->AddChild(r3));
    EXPECT_TRUE(r2->GetChildren().empty());
    EXPECT_EQ(r3->GetParent(), other);
    EXPECT_FALSE(r2->RemoveChild(r3));
    EXPECT_EQ(GetGlobalMessageBuffer(),
              "Cannot delete relationship: Requirement R3 is not a child of requirement R2! [W0998]");
}

TEST_F(Requirement, EqualityIgnoresIdentityAndHierarchy) {
    CRequirement* a = project.AddRequirement("R1");
    CRequirement* b = project.AddRequirement("R1");
    project.AddRequirement("child", b);
    EXPECT_TRUE(a->IsEqual(b));
    b->SetTitle("T");
    EXPECT_FALSE(a->IsEqual(b));
    EXPECT_FALSE(a->IsEqual(project.AddTask("R1")));
}

TEST_F(Requirement, CloneCopiesTheSubtreeWithFlag4) {
    CRequirement* root = project.AddRequirement("R1");
    CRequirement* child = project.AddRequirement("R2", root);
    project.AddRequirement("R3", child);
    child->SetDescription("d");

    std::unique_ptr<CRequirement> flat(child->Clone(kCloneTextsFromObjects));
    EXPECT_NE(flat->GetUniqueId(), child->GetUniqueId());
    EXPECT_EQ(flat->GetParentId(), root->GetUniqueId());
    EXPECT_EQ(flat->GetParent(), nullptr);
    EXPECT_TRUE(flat->GetChildren().empty());
    EXPECT_TRUE(flat->IsEqual(child));

    std::unique_ptr<CRequirement> tree(root->Clone(kCloneKeepId | kCloneChildren));
    ASSERT_EQ(tree->GetChildren().size(), 1u);
    std::unique_ptr<CRequirement> childCopy(tree->GetChildren()[0]);
    ASSERT_EQ(childCopy->GetChildren().size(), 1u);
    std::unique_ptr<CRequirement> grandchildCopy(childCopy->GetChildren()[0]);
    EXPECT_EQ(childCopy->GetParent(), tree.get());
    EXPECT_EQ(grandchildCopy->GetParent(), childCopy.get());
    EXPECT_EQ(grandchildCopy->GetID(), "R3");
    EXPECT_EQ(childCopy->GetUniqueId(), child->GetUniqueId());
}
