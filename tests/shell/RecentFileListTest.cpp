#include <gtest/gtest.h>

#include "shell/CommandIds.h"
#include "shell/RecentFileList.h"

TEST(RecentFileList, KeepsTheNewestFilesFirstAndNoFileTwice) {
    RecentFileList list(3);
    for (const char* path : {"/p/a.xml", "/p/b.xml", "/p/c.xml", "/p/a.xml", "/p/d.xml"}) list.Add(path);
    EXPECT_EQ(list.Size(), 3u);
    EXPECT_EQ(list.GetFileName(0), "/p/d.xml");
    EXPECT_EQ(list.GetFileName(1), "/p/a.xml");
    EXPECT_EQ(list.GetFileName(2), "/p/c.xml");
    EXPECT_EQ(list.GetFileName(3), "");
    list.Remove(1);
    // The next run reads what this one left.
    RecentFileList next(3);
    EXPECT_EQ(next.Size(), 2u);
    EXPECT_EQ(next.GetFileName(1), "/p/c.xml");
    EXPECT_EQ(next.GetDisplayName(0, 60), "&1 /p/d.xml");
    next.Add("/p/R&D.xml");
    EXPECT_EQ(next.GetDisplayName(0, 60), "&1 /p/R&&D.xml");
}

TEST(RecentFileList, LongPathsShowTheirTailBehindDots) {
    const struct {
        const char* path;
        std::size_t length;
        const char* shown;
    } cases[] = {
        {"/home/user/Projects/Insurance.xml", 40, "/home/user/Projects/Insurance.xml"},
        {"/home/user/Projects/Insurance.xml", 30, "/.../Projects/Insurance.xml"},
        {"/home/user/Projects/Insurance.xml", 20, "/.../Insurance.xml"},
        {"/home/user/Projects/Insurance.xml", 13, "Insurance.xml"},
        {"/home/user/Projects/Insurance.xml", 9, "Insurance"},
    };
    for (const auto& c : cases) EXPECT_EQ(AbbreviatePath(c.path, c.length), c.shown) << c.length;
}

TEST(CommandIds, EveryCommandGetsAToolkitIdBelow32767AndBack) {
    for (int command : {32771, 32849, 32982, 34001, 40003, 40005, 57601, 57616, 57621, 57664, 57670}) {
        const int id = CommandToWindowId(command);
        EXPECT_GT(id, 5999) << command;  // above the toolkit's stock ids
        EXPECT_LE(id, 32766) << command;
        EXPECT_EQ(WindowIdToCommand(id), command);
    }
    EXPECT_EQ(CommandToWindowId(1), 0);
    EXPECT_EQ(WindowIdToCommand(5000), 0);
}
