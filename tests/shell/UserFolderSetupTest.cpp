#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "platform/MessageBuffer.h"
#include "platform/UserFolders.h"
#include "shell/UserFolderSetup.h"

namespace fs = std::filesystem;

namespace {

class UserFolderSetupTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("kavro_user_folders_" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_);
    }
    void TearDown() override {
        SetUserFolders({});
        ClearGlobalMessage();
        fs::remove_all(root_);
    }
    fs::path root_;
};

EnvironmentLookup Environment(std::map<std::string, std::string> values) {
    return [values = std::move(values)](const std::string& name) -> std::optional<std::string> {
        auto it = values.find(name);
        if (it == values.end()) return std::nullopt;
        return it->second;
    };
}

}  // namespace

TEST_F(UserFolderSetupTest, TheBaseFolderIsKavroInTheDocumentsFolder) {
    fs::create_directories(root_ / "config");
    std::ofstream(root_ / "config" / "user-dirs.dirs") << "# written by xdg-user-dirs-update\n"
                                                         << "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                                                         << "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n";
    const std::string config = (root_ / "config").string();
    struct Case {
        std::map<std::string, std::string> environment;
        std::string base;
    };
    const Case cases[] = {
        {{{"XDG_DOCUMENTS_DIR", "/docs"}, {"HOME", "/home/u"}}, "/docs/Kavro"},
        {{{"XDG_DOCUMENTS_DIR", "$HOME/Papers"}, {"HOME", "/home/u"}}, "/home/u/Papers/Kavro"},
        {{{"XDG_DOCUMENTS_DIR", "${DATA}/d"}, {"DATA", "/srv"}}, "/srv/d/Kavro"},
        {{{"XDG_DOCUMENTS_DIR", "relative"}, {"HOME", "/home/u"}}, "/home/u/Documents/Kavro"},
        {{{"XDG_DOCUMENTS_DIR", "$UNSET/d"}, {"HOME", "/home/u"}}, "/home/u/Documents/Kavro"},
        {{{"XDG_CONFIG_HOME", config}, {"HOME", "/home/u"}}, "/home/u/Dokumente/Kavro"},
        {{{"XDG_CONFIG_HOME", config}, {"XDG_DOCUMENTS_DIR", ""}, {"HOME", "/home/v"}}, "/home/v/Dokumente/Kavro"},
        {{{"HOME", (root_ / "nohome").string()}}, (root_ / "nohome" / "Documents" / "Kavro").string()},
    };
    for (const Case& c : cases) EXPECT_EQ(FindUserBaseFolder(Environment(c.environment)), fs::path(c.base)) << c.base;
}

TEST_F(UserFolderSetupTest, MakesTheFourFoldersAndKeepsThem) {
    const fs::path base = root_ / "Documents" / "Kavro";
    for (int run = 0; run < 2; ++run) {  // folders that exist already are fine
        ASSERT_EQ(SetUpUserFolders(base), 1) << GetGlobalMessageBuffer();
        const UserFolders& folders = GetUserFolders();
        EXPECT_EQ(folders.projects, base / "Projects");
        EXPECT_EQ(folders.html, base / "HTML");
        EXPECT_EQ(folders.scripts, base / "Scripts");
        EXPECT_EQ(folders.logs, base / "Logs");
        for (const fs::path& f : {folders.projects, folders.html, folders.scripts, folders.logs})
            EXPECT_TRUE(fs::is_directory(f)) << f;
    }
}

TEST_F(UserFolderSetupTest, AFolderThatCannotBeMadeStopsTheSetUp) {
    const fs::path base = root_ / "Kavro";
    fs::create_directories(base);
    std::ofstream(base / "HTML") << "a file in the way";
    EXPECT_EQ(SetUpUserFolders(base), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Cannot create directory " + (base / "HTML").string() + "! [W0782]");
    EXPECT_TRUE(fs::is_directory(base / "Projects"));
    EXPECT_FALSE(fs::exists(base / "Scripts"));
    EXPECT_FALSE(fs::exists(base / "Logs"));
    EXPECT_TRUE(GetUserFolders().logs.empty());

    std::ofstream(root_ / "Documents") << "a file where the documents folder should be";
    EXPECT_EQ(SetUpUserFolders(root_ / "Documents" / "Kavro"), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(),
              "Cannot create directory " + (root_ / "Documents" / "Kavro").string() + "! [W0782]");
}

TEST_F(UserFolderSetupTest, StartUpUsesTheProcessEnvironment) {
    const char* previous = std::getenv("XDG_DOCUMENTS_DIR");
    std::optional<std::string> saved = previous ? std::optional<std::string>(previous) : std::nullopt;
    ::setenv("XDG_DOCUMENTS_DIR", root_.c_str(), 1);
    EXPECT_EQ(SetUpUserFolders(), 1);
    if (saved) ::setenv("XDG_DOCUMENTS_DIR", saved->c_str(), 1);
    else ::unsetenv("XDG_DOCUMENTS_DIR");
    EXPECT_EQ(GetUserFolders().logs, root_ / "Kavro" / "Logs");
    EXPECT_TRUE(fs::is_directory(root_ / "Kavro" / "Logs"));
}
