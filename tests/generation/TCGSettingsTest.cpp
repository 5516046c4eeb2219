#include <gtest/gtest.h>

#include "generation/TCGSettings.h"
#include "platform/Registry.h"

namespace {

const std::string kKey(kProductKey);

void Store(const std::string& name, const std::string& text) {
    WriteRegistryString(SettingsHive::CurrentUser, kKey, name, text, kRegistryText);
}

std::string Stored(const std::string& name) { return ReadRegistryString(SettingsHive::CurrentUser, kKey, name); }

const RandomTestSettings kRandomDefaults{6, 90, 40, 1, 500, 60, 11, 6};

}  // namespace

TEST(TCGSettings, AnEmptyStoreGivesTheDefaults) {
    StoredTCGSettings settings = ReadTCGSettings();
    EXPECT_EQ(settings.methodCode, 0);
    EXPECT_EQ(settings.depth, "10");
    EXPECT_EQ(settings.traversals, "1");
    EXPECT_FALSE(settings.detailedLog);
    EXPECT_FALSE(settings.buildingBlockInfo);
    EXPECT_EQ(settings.random, kRandomDefaults);
}

TEST(TCGSettings, StoredZerosOfTheRandomNumbersReadAsTheirDefaults) {
    for (const char* name : {"TCG_Random_Goal", "TCG_Random_Percentage", "TCG_Random_IWCI", "TCG_Random_Max_TC",
                             "TCG_Random_Max_TC_Length", "TCG_Random_Timeout", "TCG_Random_Method",
                             "TCG_Random_DFS_Depth"})
        Store(name, "0");
    Store("TCG_RecDepth", "0");  // texts: only an empty one takes the default
    Store("TCG_Traversals", "");
    Store("TCG_DetailedLog", "0");
    Store("TCG_BB_Info", "yes");

    StoredTCGSettings settings = ReadTCGSettings();
    EXPECT_EQ(settings.random, kRandomDefaults);
    EXPECT_EQ(settings.depth, "0");
    EXPECT_EQ(settings.traversals, "1");
    EXPECT_FALSE(settings.detailedLog);
    EXPECT_TRUE(settings.buildingBlockInfo);
}

TEST(TCGSettings, WrittenValuesAreTextsThatReadBackUnchanged) {
    StoredTCGSettings settings;
    settings.methodCode = 73;
    settings.depth = "12 ";
    settings.traversals = "3";
    settings.detailedLog = true;
    settings.random = {1, 100, 70, 3, 100, 5, 1, 7};
    WriteTCGSettings(settings);

    EXPECT_EQ(Stored("TCG_Method"), "73");
    EXPECT_EQ(Stored("TCG_RecDepth"), "12 ");
    EXPECT_EQ(Stored("TCG_DetailedLog"), "1");
    EXPECT_EQ(Stored("TCG_BB_Info"), "0");
    EXPECT_EQ(Stored("TCG_Random_Max_TC_Length"), "100");
    EXPECT_EQ(GetSettings().Read(SettingsHive::CurrentUser, kKey, "TCG_Random_Timeout")->type,
              SettingsValueType::Text);
    EXPECT_EQ(ReadTCGSettings(), settings);
}
