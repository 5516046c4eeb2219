#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "editors/framework/MergeEditedCopies.h"
#include "model/CloneFlags.h"

namespace {

std::vector<std::string> Names(const OwningList<CAttributeKav>& list) {
    std::vector<std::string> names;
    for (const CAttributeKav* attribute : list) names.push_back(attribute->GetName());
    return names;
}

}  // namespace

TEST(MergeEditedCopies, UnchangedEntriesKeepTheirIdentityEditedCopiesReplaceTheirs) {
    OwningList<CAttributeKav> list;
    list.Add(new CAttributeKav("A", 4, ""));
    CAttributeKav* b = list.Add(new CAttributeKav("B", 4, ""));
    CAttributeKav* c = list.Add(new CAttributeKav("C", 4, ""));

    OwningList<CAttributeKav> copies;
    copies.Add(c->Clone(kCloneKeepId | kCloneKeepFile));
    CAttributeKav* bEdited = copies.Add(b->Clone(kCloneKeepId | kCloneKeepFile));
    bEdited->SetName("B2");
    bEdited->SetEdited(true);
    CAttributeKav* d = copies.Add(new CAttributeKav("D", 4, ""));

    MergeEditedCopies(list, copies);  // AddressSanitizer watches A, B and the copy of C go
    EXPECT_THAT(Names(list), ::testing::ElementsAre("C", "B2", "D"));
    EXPECT_EQ(list[0], c);
    EXPECT_EQ(list[1], bEdited);
    EXPECT_EQ(list[2], d);
    EXPECT_TRUE(copies.empty());
}

TEST(MergeEditedCopies, AnEmptyUniqueIdMatchesNothing) {
    OwningList<CActionKav> list;
    list.Add(new CActionKav(1, "Old"));
    OwningList<CActionKav> copies;
    CActionKav* fresh = copies.Add(new CActionKav(1, "New"));
    MergeEditedCopies(list, copies);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0], fresh);
}
