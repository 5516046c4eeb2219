#include <gtest/gtest.h>

#include <memory>

#include "model/CloneFlags.h"
#include "tests/support/ProjectBuilder.h"

using AttributeKav = ProjectTest;

TEST_F(AttributeKav, CloneFollowsTheFlags) {
    CAttributeKav* source = project.AddAttribute("Counter");
    source->SetValue("5");
    source->SetNote("kept");
    source->SetLink(source);
    source->SetFileId("stored-id");
    source->SetNameAtOpen("Old");
    source->SetEdited(true);
    const std::string fileId = project.Main()->GetID();

    struct Case {
        int flags;
        bool sameId;
        CFileKav* file;
        std::string fileId;
    };
    const Case cases[] = {
        {0, false, nullptr, ""},
        {kCloneKeepId, true, nullptr, ""},
        {kCloneKeepFile, false, project.Main(), ""},
        {kCloneTextsFromObjects, false, nullptr, fileId},
        {kCloneTextsAsStored, false, nullptr, "stored-id"},
        {kCloneTextsFromObjects | kCloneTextsAsStored, false, nullptr, fileId},
    };
    for (const Case& c : cases) {
        std::unique_ptr<CAttributeKav> copy(source->Clone(c.flags));
        EXPECT_EQ(copy->GetId() == source->GetId(), c.sameId) << c.flags;
        EXPECT_EQ(copy->GetFile(), c.file) << c.flags;
        EXPECT_EQ(copy->GetFileId(), c.fileId) << c.flags;
        EXPECT_EQ(copy->GetName(), "Counter");
        EXPECT_EQ(copy->GetType(), 2);
        EXPECT_EQ(copy->GetValue(), "5");
        EXPECT_EQ(copy->GetNote(), "kept");
        EXPECT_EQ(copy->GetLink(), nullptr);
        EXPECT_EQ(copy->GetNameAtOpen(), "");
        EXPECT_FALSE(copy->IsEdited());
    }
}

TEST_F(AttributeKav, WithoutAnOwningFileFlag16LeavesTheFileIdEmptyEvenWith32) {
    CAttributeKav loose("Free", 4, "x");
    loose.SetFileId("stored-id");
    std::unique_ptr<CAttributeKav> copy(loose.Clone(kCloneTextsFromObjects | kCloneTextsAsStored));
    EXPECT_EQ(copy->GetFileId(), "");
    EXPECT_NE(copy->GetId(), loose.GetId());
    EXPECT_EQ(copy->GetId().size(), 12u);
}
