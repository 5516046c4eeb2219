#include <gtest/gtest.h>

#include "generation/DataGenSettings.h"
#include "platform/Registry.h"

namespace {

const std::string kKey(kProductKey);

void Store(const std::string& name, const std::string& text) {
    WriteRegistryString(SettingsHive::CurrentUser, kKey, name, text, kRegistryText);
}
std::string Stored(const std::string& name) { return ReadRegistryString(SettingsHive::CurrentUser, kKey, name); }

}  // namespace

TEST(DataGenSettingsTest, NothingStoredReadsAsTheDefaults) {
    const DataGenSettings settings = ReadDataGenSettings();
    EXPECT_TRUE(settings.valid);
    EXPECT_FALSE(settings.invalid);
    EXPECT_EQ(settings.strategy, kEachClassOnce);
    EXPECT_EQ(settings.testType, kEqClassMethod);
    EXPECT_EQ(settings.values, kOneRepresentative);
}

TEST(DataGenSettingsTest, StoredTextsReadWithCaseAndUnknownOnesFallBackPerValue) {
    struct Case {
        const char* name;
        const char* text;
        int DataGenSettings::*choice;
        int expected;
    };
    const Case cases[] = {
        {"DataGen_Strategy", "Once", &DataGenSettings::strategy, kEachClassOnce},
        {"DataGen_Strategy", "Pairs", &DataGenSettings::strategy, kEachPairOnce},
        {"DataGen_Strategy", "pairs", &DataGenSettings::strategy, kAllCombinations},
        {"DataGen_Strategy", "All", &DataGenSettings::strategy, kAllCombinations},
        {"DataGen_TestType", "Multi", &DataGenSettings::testType, kDeltraMethod},
        {"DataGen_TestType", "multi", &DataGenSettings::testType, kEqClassMethod},
        {"DataGen_TestType", "Simple", &DataGenSettings::testType, kEqClassMethod},
        {"DataGen_Values", "1", &DataGenSettings::values, kOneRepresentative},
        {"DataGen_Values", "Boundaries", &DataGenSettings::values, kBoundaryValues},
        {"DataGen_Values", "all", &DataGenSettings::values, kAllSpecifiedValues},
        {"DataGen_Values", "2", &DataGenSettings::values, kAllSpecifiedValues},
    };
    for (const Case& c : cases) {
        Store(c.name, c.text);
        EXPECT_EQ(ReadDataGenSettings().*c.choice, c.expected) << c.name << " = " << c.text;
    }
}

TEST(DataGenSettingsTest, TheFlagsReadAsStored) {
    struct Case {
        const char* text;
        bool valid, invalid;
    };
    const Case cases[] = {{"", true, false}, {"1", true, true}, {"0", false, false}, {"yes", false, false}};
    for (const Case& c : cases) {
        Store("DataGen_Valid", c.text);
        Store("DataGen_Invalid", c.text);
        const DataGenSettings settings = ReadDataGenSettings();
        EXPECT_EQ(settings.valid, c.valid) << '"' << c.text << '"';
        EXPECT_EQ(settings.invalid, c.invalid) << '"' << c.text << '"';
    }
}

TEST(DataGenSettingsTest, WritesTheStoredWordsAndReadsThemBack) {
    const char* strategies[] = {"Once", "Pairs", "All"};
    const char* testTypes[] = {"Simple", "Multi"};
    const char* values[] = {"1", "Boundaries", "All"};
    for (int choice = 0; choice < 3; ++choice) {
        const DataGenSettings settings{choice != 1, choice != 0, choice, choice % 2, 2 - choice};
        WriteDataGenSettings(settings);
        EXPECT_EQ(Stored("DataGen_Valid"), choice != 1 ? "1" : "0");
        EXPECT_EQ(Stored("DataGen_Invalid"), choice != 0 ? "1" : "0");
        EXPECT_EQ(Stored("DataGen_Strategy"), strategies[choice]);
        EXPECT_EQ(Stored("DataGen_TestType"), testTypes[choice % 2]);
        EXPECT_EQ(Stored("DataGen_Values"), values[2 - choice]);
        EXPECT_EQ(ReadDataGenSettings(), settings);
    }
}
