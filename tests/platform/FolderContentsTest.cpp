#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/FolderContents.h"

namespace fs = std::filesystem;

namespace {

class FolderContentsTest : public ::testing::Test {
protected:
    void SetUp() override { MakeTree(); }
    void TearDown() override { fs::remove_all(root_); }

    void MakeTree() {
        root_ = fs::temp_directory_path() / ("kavro_folder_contents_" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "out" / "sub" / "deeper");
        fs::create_directories(root_ / "elsewhere");
        std::ofstream(root_ / "out" / "a.txt") << "a";
        std::ofstream(root_ / "out" / "sub" / "b.txt") << "b";
        std::ofstream(root_ / "out" / "sub" / "deeper" / "c.txt") << "c";
        std::ofstream(root_ / "elsewhere" / "keep.txt") << "keep";
        fs::create_directory_symlink(root_ / "elsewhere", root_ / "out" / "link");
    }
    fs::path root_;
};

}  // namespace

TEST_F(FolderContentsTest, EmptiesTheFolderButKeepsItAndWhatLinksPointTo) {
    for (const std::string suffix : {"", "/", "//", "\\"}) {
        MakeTree();
        EXPECT_EQ(DeleteFolderContents((root_ / "out").string() + suffix), 1);
        EXPECT_TRUE(fs::is_directory(root_ / "out")) << suffix;
        EXPECT_TRUE(fs::is_empty(root_ / "out")) << suffix;
        EXPECT_TRUE(fs::exists(root_ / "elsewhere" / "keep.txt")) << suffix;
    }
}

TEST_F(FolderContentsTest, AMissingEmptyOrRelativeFolderDeletesNothing) {
    EXPECT_EQ(DeleteFolderContents((root_ / "missing").string()), 1);
    // Run from inside the tree, so that a fault would show as lost files rather than harm.
    fs::path previous = fs::current_path();
    fs::current_path(root_ / "out");
    for (const char* folder : {"", "sub", "."}) EXPECT_EQ(DeleteFolderContents(folder), 1) << folder;
    fs::current_path(previous);
    EXPECT_TRUE(fs::exists(root_ / "out" / "a.txt"));
    EXPECT_TRUE(fs::exists(root_ / "out" / "sub" / "deeper" / "c.txt"));
}
