#include "conversion/framework/InternetExplorer.h"

#include <algorithm>
#include <cctype>

#include "platform/Registry.h"

namespace {

constexpr const char* kOpenCommandKey = "SOFTWARE\\Classes\\Applications\\iexplore.exe\\shell\\open\\command";

bool SameLetter(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

}  // namespace

std::string InternetExplorerFolder() {
    // The key's default value has no name.
    std::string command = ReadRegistryString(SettingsHive::LocalMachine, kOpenCommandKey, "");
    constexpr std::string_view kProgram = "iexplore";
    const auto found = std::search(command.begin(), command.end(), kProgram.begin(), kProgram.end(), SameLetter);
    command.erase(found, command.end());
    command.erase(0, command.find_first_not_of('"'));
    return command;
}
