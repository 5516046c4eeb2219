#include <gtest/gtest.h>

#include "platform/Registry.h"

namespace {

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { InstallSettings(std::make_unique<MemorySettings>()); }
    void TearDown() override { InstallSettings(std::make_unique<MemorySettings>()); }
    const std::string key_{kProductKey};
};

}  // namespace

TEST(RedirectProductKey, InsertsWow6432NodeOnlyUnderTheProductKey) {
    const std::pair<std::string, std::string> cases[] = {
        {"SOFTWARE\\Quorvel\\KAVRO", "SOFTWARE\\Wow6432Node\\Quorvel\\KAVRO"},
        {"software\\quorvel\\kavro\\Sub", "software\\Wow6432Node\\quorvel\\kavro\\Sub"},
        {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
         "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders"},
        {"SOFTWARE\\Quorvel", "SOFTWARE\\Quorvel"},
        {"", ""},
    };
    for (const auto& [key, redirected] : cases) EXPECT_EQ(RedirectProductKey(key), redirected) << key;
}

TEST_F(RegistryTest, ValuesReadBackFromWhereTheyWereWritten) {
    EXPECT_EQ(WriteRegistryString(SettingsHive::CurrentUser, key_, "Language", "German", kRegistryText), 1);
    EXPECT_EQ(ReadRegistryString(SettingsHive::CurrentUser, "software\\quorvel\\kavro", "language"), "German");
    EXPECT_EQ(ReadRegistryString(SettingsHive::LocalMachine, key_, "Language"), "");  // other hive
    EXPECT_EQ(ReadRegistryString(SettingsHive::CurrentUser, key_, "Missing"), "");

    // A long value is not cut off or lost.
    const std::string path(300, 'p');
    ASSERT_EQ(WriteRegistryString(SettingsHive::CurrentUser, key_, "LastImportFolder", path, kRegistryText), 1);
    EXPECT_EQ(ReadRegistryString(SettingsHive::CurrentUser, key_, "LastImportFolder"), path);
}

TEST_F(RegistryTest, NumbersAreStoredAsNumbersAndReadAsText) {
    const std::pair<std::string, std::string> cases[] = {
        {"25", "25"}, {"-1", "-1"}, {"12abc", "12"}, {"abc", "0"}, {"99999999999", "2147483647"},
    };
    for (const auto& [text, read] : cases) {
        ASSERT_EQ(WriteRegistryString(SettingsHive::CurrentUser, key_, "ViewMode", text, kRegistryNumber), 1);
        EXPECT_EQ(ReadRegistryString(SettingsHive::CurrentUser, key_, "ViewMode"), read) << text;
    }
    EXPECT_EQ(GetSettings().ReadNumber(SettingsHive::CurrentUser, key_, "ViewMode"), 2147483647u);
}

TEST_F(RegistryTest, OtherValueTypesWriteNothing) {
    for (int type : {0, 2, 3, 7}) {
        EXPECT_EQ(WriteRegistryString(SettingsHive::CurrentUser, key_, "Binary", "x", type), 0) << type;
        EXPECT_FALSE(GetSettings().Read(SettingsHive::CurrentUser, key_, "Binary")) << type;
    }
}
