// The converter base: the folders of a run and the names of the files written into them.
#include <gtest/gtest.h>

#include <fstream>

#include "ConversionFixture.h"
#include "platform/MessageBuffer.h"

namespace {

// Opens the base's file naming to the test.
class NamingConverter : public CTestcaseConverter {
public:
    using CTestcaseConverter::ClaimPackageFile;
    using CTestcaseConverter::PackageFilePath;
};

using ConverterBaseTest = ConversionTest;

TEST_F(ConverterBaseTest, InitMakesTheProjectFolderInsideTheScriptFolder) {
    NamingConverter converter;
    const std::filesystem::path scripts = folder_ / "a" / "b";
    ASSERT_EQ(converter.Init("Demo", scripts.string(), "exe", "dir", "-p"), 1);
    EXPECT_TRUE(std::filesystem::is_directory(scripts / "Demo"));
    EXPECT_EQ(converter.GetProjectFolder(), scripts / "Demo");
    EXPECT_EQ(converter.Init("Demo", scripts.string(), "exe", "dir", "-p"), 1) << "existing folders are taken";
}

TEST_F(ConverterBaseTest, FoldersThatCannotBeMadeOrEnteredAreRefused) {
    std::ofstream(folder_ / "file") << "x";
    std::filesystem::create_directories(folder_ / "scripts" / "Blocked");
    std::ofstream(folder_ / "scripts" / "Plain") << "x";
    const struct {
        std::filesystem::path scripts;
        std::string project;
        std::string message;
    } cases[] = {
        {folder_ / "file" / "sub", "Demo", "Cannot create directory " + (folder_ / "file" / "sub").string() + "! [W0773]"},
        {folder_ / "file", "Demo", "Cannot change into directory " + (folder_ / "file").string() + "! [W0774]"},
        {folder_ / "scripts", "Plain", "Cannot change into directory Plain! [W0776]"},
    };
    for (const auto& c : cases) {
        NamingConverter converter;
        EXPECT_EQ(converter.Init(c.project, c.scripts.string(), "", "", ""), 0) << c.message;
        EXPECT_EQ(GetGlobalMessageBuffer(), c.message);
        EXPECT_TRUE(converter.GetProjectFolder().empty());
    }
    if (::geteuid() != 0) {
        std::filesystem::permissions(folder_ / "scripts", std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
        NamingConverter converter;
        EXPECT_EQ(converter.Init("New", (folder_ / "scripts").string(), "", "", ""), 0);
        EXPECT_EQ(GetGlobalMessageBuffer(), "Cannot change into directory " + (folder_ / "scripts").string() +
                                                "! [W0774]");
    }
}

TEST_F(ConverterBaseTest, PackageFilesStayInTheProjectFolderAndNeverShareAName) {
    NamingConverter converter;
    ASSERT_EQ(converter.Init("../Demo", Scripts().string(), "", "", ""), 1);
    const std::filesystem::path project = Scripts() / ".._Demo";
    EXPECT_EQ(converter.GetProjectFolder(), project);

    EXPECT_EQ(converter.PackageFilePath("../../etc/passwd", ".txt"), project / ".._.._etc_passwd.txt");
    EXPECT_EQ(converter.PackageFilePath("..", ".txt"), project / "_.txt");
    EXPECT_EQ(converter.ClaimPackageFile("Login", ".txt"), project / "Login.txt");
    EXPECT_EQ(converter.PackageFilePath("Login", ".txt"), project / "Login_2.txt") << "the next package";
    EXPECT_EQ(converter.ClaimPackageFile("LOGIN", ".txt"), project / "LOGIN_2.txt");
    EXPECT_EQ(converter.ClaimPackageFile("Login_2", ".txt"), project / "Login_2_2.txt");
    EXPECT_EQ(converter.ClaimPackageFile("Login", ".csv"), project / "Login.csv");

    ASSERT_EQ(converter.Init("../Demo", Scripts().string(), "", "", ""), 1);
    EXPECT_EQ(converter.PackageFilePath("Login", ".txt"), project / "Login.txt") << "a new run starts afresh";
}

}  // namespace
