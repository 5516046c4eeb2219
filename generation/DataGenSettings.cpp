#include "generation/DataGenSettings.h"

#include <algorithm>
#include <span>
#include <string>

#include "platform/Registry.h"

namespace {

const std::string kKey(kProductKey);

// The stored word of each choice, by its number.
constexpr const char* kStrategyWords[] = {"Once", "Pairs", "All"};
constexpr const char* kTestTypeWords[] = {"Simple", "Multi"};
constexpr const char* kValuesWords[] = {"1", "Boundaries", "All"};

std::string Read(const char* name) { return ReadRegistryString(SettingsHive::CurrentUser, kKey, name); }

void Write(const char* name, const std::string& text) {
    WriteRegistryString(SettingsHive::CurrentUser, kKey, name, text, kRegistryText);
}

// The number of the stored word; an empty text is the first choice, an unknown one the fallback.
int ReadChoice(const char* name, std::span<const char* const> words, int fallback) {
    const std::string text = Read(name);
    if (text.empty()) return 0;
    auto found = std::find(words.begin(), words.end(), text);
    return found == words.end() ? fallback : static_cast<int>(found - words.begin());
}

void WriteChoice(const char* name, std::span<const char* const> words, int choice) {
    Write(name, words[std::clamp<std::size_t>(choice, 0, words.size() - 1)]);
}

}  // namespace

DataGenSettings ReadDataGenSettings() {
    DataGenSettings settings;
    const std::string valid = Read("DataGen_Valid");
    settings.valid = valid.empty() || valid == "1";
    settings.invalid = Read("DataGen_Invalid") == "1";
    settings.strategy = ReadChoice("DataGen_Strategy", kStrategyWords, kAllCombinations);
    settings.testType = ReadChoice("DataGen_TestType", kTestTypeWords, kEqClassMethod);
    settings.values = ReadChoice("DataGen_Values", kValuesWords, kAllSpecifiedValues);
    return settings;
}

void WriteDataGenSettings(const DataGenSettings& settings) {
    Write("DataGen_Valid", settings.valid ? "1" : "0");
    Write("DataGen_Invalid", settings.invalid ? "1" : "0");
    WriteChoice("DataGen_Strategy", kStrategyWords, settings.strategy);
    WriteChoice("DataGen_TestType", kTestTypeWords, settings.testType);
    WriteChoice("DataGen_Values", kValuesWords, settings.values);
}
