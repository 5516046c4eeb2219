#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "platform/InstallationData.h"
#include "platform/Registry.h"

namespace {

namespace fs = std::filesystem;

class InstallationFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        InstallSettings(std::make_unique<MemorySettings>());
        root_ = fs::temp_directory_path() / ("kavro_installation_" + std::to_string(::getpid()));
        fs::remove_all(root_);
    }
    void TearDown() override {
        InstallSettings(std::make_unique<MemorySettings>());
        fs::remove_all(root_);
    }

    // A folder holding the Bin folder of installation data.
    fs::path DataFolder(const fs::path& folder) const {
        fs::create_directories(root_ / folder / "Bin");
        return root_ / folder;
    }

    fs::path root_;
};

}  // namespace

TEST_F(InstallationFolderTest, TheFolderBesideTheProgramComesBeforeTheBuildTree) {
    const fs::path program = root_ / "usr" / "bin" / "kavro";
    const fs::path buildTree = DataFolder("build/share/kavro");
    EXPECT_EQ(FindInstallationFolder(program, buildTree), buildTree);
    const fs::path installed = DataFolder("usr/share/kavro");
    EXPECT_EQ(FindInstallationFolder(program, buildTree), installed);
}

// A message about a missing file then names the place where the installation belongs.
TEST_F(InstallationFolderTest, WithoutDataTheFolderBesideTheProgramIsNamed) {
    const fs::path program = root_ / "opt" / "bin" / "kavro";
    EXPECT_EQ(FindInstallationFolder(program, root_ / "nowhere"), root_ / "opt" / "share" / "kavro");
}

TEST_F(InstallationFolderTest, TheSettingNamesAnotherFolder) {
    ASSERT_EQ(WriteRegistryString(SettingsHive::LocalMachine, std::string(kProductKey), "InstallationDir",
                                  "/srv/kavro", kRegistryText),
              1);
    EXPECT_EQ(FindInstallationFolder(), fs::path("/srv/kavro"));
    EXPECT_EQ(GetInstallationDataFile("DovaDriverData.xml"), fs::path("/srv/kavro/Bin/DovaDriverData.xml"));
}

// The tests run from the build tree, which holds a copy of the installation data.
TEST_F(InstallationFolderTest, ProgramsOfTheBuildTreeFindItsCopyOfTheData) {
    EXPECT_TRUE(fs::exists(GetInstallationDataFile("Predefined_GUI_Builders.xml")));
    EXPECT_TRUE(fs::exists(GetInstallationDataFile("DovaDriverData.xml")));
}
