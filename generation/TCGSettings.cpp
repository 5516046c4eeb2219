#include "generation/TCGSettings.h"

#include "platform/Registry.h"
#include "platform/TextUtil.h"

namespace {

const std::string kKey(kProductKey);

struct RandomValue {
    const char* name;
    int RandomTestSettings::*field;
    int fallback;
};

constexpr RandomValue kRandomValues[] = {
    {"TCG_Random_Goal", &RandomTestSettings::goal, 6},
    {"TCG_Random_Percentage", &RandomTestSettings::percentage, 90},
    {"TCG_Random_IWCI", &RandomTestSettings::iterations, 40},
    {"TCG_Random_Max_TC", &RandomTestSettings::maxTestCases, 1},
    {"TCG_Random_Max_TC_Length", &RandomTestSettings::maxLength, 500},
    {"TCG_Random_Timeout", &RandomTestSettings::timeout, 60},
    {"TCG_Random_Method", &RandomTestSettings::method, 11},
    {"TCG_Random_DFS_Depth", &RandomTestSettings::dfsDepth, 6},
};

std::string Read(const char* name) { return ReadRegistryString(SettingsHive::CurrentUser, kKey, name); }

void Write(const char* name, const std::string& text) {
    WriteRegistryString(SettingsHive::CurrentUser, kKey, name, text, kRegistryText);
}

std::string ReadText(const char* name, const char* fallback) {
    std::string text = Read(name);
    return text.empty() ? fallback : text;
}

bool ReadFlag(const char* name) {
    std::string text = Read(name);
    return !text.empty() && text != "0";
}

}  // namespace

StoredTCGSettings ReadTCGSettings() {
    StoredTCGSettings settings;
    settings.methodCode = ParseLeadingInt(Read("TCG_Method"));
    settings.depth = ReadText("TCG_RecDepth", "10");
    settings.traversals = ReadText("TCG_Traversals", "1");
    settings.detailedLog = ReadFlag("TCG_DetailedLog");
    settings.buildingBlockInfo = ReadFlag("TCG_BB_Info");
    for (const RandomValue& value : kRandomValues) {
        int number = ParseLeadingInt(Read(value.name));
        settings.random.*value.field = number != 0 ? number : value.fallback;
    }
    return settings;
}

void WriteTCGSettings(const StoredTCGSettings& settings) {
    Write("TCG_Method", std::to_string(settings.methodCode));
    Write("TCG_RecDepth", settings.depth);
    Write("TCG_Traversals", settings.traversals);
    Write("TCG_DetailedLog", settings.detailedLog ? "1" : "0");
    Write("TCG_BB_Info", settings.buildingBlockInfo ? "1" : "0");
    for (const RandomValue& value : kRandomValues) Write(value.name, std::to_string(settings.random.*value.field));
}
