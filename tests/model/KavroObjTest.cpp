#include <gtest/gtest.h>

#include "model/ShellServices.h"
#include "tests/support/ProjectBuilder.h"

using KavroObj = ProjectTest;

TEST_F(KavroObj, EditableNeedsAWritableFile) {
    CAttributeKav loose("A", 2, "0");
    EXPECT_FALSE(loose.IsEditable(false));
    EXPECT_FALSE(loose.IsEditable(true));  // even with the task lock skipped

    CAttributeKav* attribute = project.AddAttribute("B");
    EXPECT_TRUE(attribute->IsEditable(false));
    project.Main()->SetReadOnly(true);
    EXPECT_FALSE(attribute->IsEditable(false));
    EXPECT_FALSE(attribute->IsEditable(true));
}

TEST_F(KavroObj, VornakTasksAreEditableOnlyInVornakModeUnlessTheLockIsSkipped) {
    CTaskKav* vornakTask = project.AddTask("Order");
    vornakTask->SetQuVornakTask(1);
    CTaskKav* plainTask = project.AddTask("Invoice");

    VornakMode = true;
    EXPECT_TRUE(vornakTask->IsEditable(false));
    VornakMode = false;
    EXPECT_FALSE(vornakTask->IsEditable(false));
    EXPECT_TRUE(vornakTask->IsEditable(true));
    EXPECT_TRUE(plainTask->IsEditable(false));
}

TEST_F(KavroObj, BaseEqualityComparesOnlyTheKind) {
    CAttributeKav a("A", 2, "1"), b("Other", 4, "x");
    CConditionKav c("A", "#X#");
    EXPECT_TRUE(a.IsEqual(&b));
    EXPECT_FALSE(a.IsEqual(&c));
    EXPECT_FALSE(a.IsEqual(nullptr));
}
