#include <gtest/gtest.h>

#include <memory>

#include "model/FileKav.h"

TEST(FileKav, NewEntriesGetDistinctIdentifiers) {
    CFileKav a("Proj", "Proj.xml", "/p/Proj.xml"), b("Proj", "Proj.xml", "/p/Proj.xml");
    EXPECT_EQ(a.GetID().size(), 12u);
    EXPECT_NE(a.GetID(), b.GetID());
    EXPECT_EQ(a.GetFailed(), 0);
}

TEST(FileKav, CloneKeepsTheIdentifierOnlyWithFlag1) {
    CFileKav file("Lib", "lib/Lib.xml", "/p/lib/Lib.xml", true);
    file.UsedFileIds() = {"id1", "id2"};
    CFileKav other;
    file.SubFiles().push_back(&other);
    file.SetFailed(1);

    std::unique_ptr<CFileKav> fresh(file.Clone(0)), same(file.Clone(1));
    EXPECT_NE(fresh->GetID(), file.GetID());
    EXPECT_EQ(same->GetID(), file.GetID());
    for (const CFileKav* c : {fresh.get(), same.get()}) {
        EXPECT_EQ(c->GetName(), "Lib");
        EXPECT_EQ(c->GetPath(), "lib/Lib.xml");
        EXPECT_EQ(c->GetFullPath(), "/p/lib/Lib.xml");
        EXPECT_TRUE(c->IsReadOnly());
        EXPECT_EQ(c->GetFailed(), 1);
        EXPECT_EQ(c->UsedFileIds(), file.UsedFileIds());
        EXPECT_TRUE(c->SubFiles().empty());
    }
}

TEST(FileKav, UsesFileIsExactAndCaseSensitive) {
    CFileKav file;
    file.UsedFileIds() = {"AbC123"};
    EXPECT_TRUE(file.UsesFile("AbC123"));
    EXPECT_FALSE(file.UsesFile("abc123"));
    EXPECT_FALSE(file.UsesFile("AbC12"));
}
