#include "shell/UserFolderSetup.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <system_error>

#include "platform/MessageBuffer.h"
#include "platform/UserFolders.h"

namespace {

constexpr int kCannotCreateDirectory = 44782;

bool IsNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// $NAME and ${NAME} replaced by their values; unknown variables stay as written.
std::string ExpandVariables(const std::string& text, const EnvironmentLookup& environment) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        if (text[i] != '$') {
            out += text[i++];
            continue;
        }
        bool braced = i + 1 < text.size() && text[i + 1] == '{';
        size_t nameStart = i + (braced ? 2 : 1);
        size_t nameEnd = nameStart;
        while (nameEnd < text.size() && IsNameCharacter(text[nameEnd])) ++nameEnd;
        size_t end = nameEnd;
        if (braced) {
            if (nameEnd >= text.size() || text[nameEnd] != '}') {
                out += text[i++];
                continue;
            }
            ++end;
        }
        std::optional<std::string> value =
            nameEnd > nameStart ? environment(text.substr(nameStart, nameEnd - nameStart)) : std::nullopt;
        out += value ? *value : text.substr(i, end - i);
        i = end;
    }
    return out;
}

// XDG_DOCUMENTS_DIR="..." from user-dirs.dirs, unexpanded.
std::optional<std::string> ConfiguredDocumentsFolder(const EnvironmentLookup& environment) {
    std::optional<std::string> config = environment("XDG_CONFIG_HOME");
    std::filesystem::path folder;
    if (config && !config->empty()) folder = *config;
    else if (std::optional<std::string> home = environment("HOME"); home && !home->empty()) folder = *home + "/.config";
    else return std::nullopt;

    std::ifstream in(folder / "user-dirs.dirs");
    const std::string prefix = "XDG_DOCUMENTS_DIR=\"";
    for (std::string line; std::getline(in, line);) {
        if (line.compare(0, prefix.size(), prefix) != 0 || line.size() <= prefix.size() || line.back() != '"')
            continue;
        return line.substr(prefix.size(), line.size() - prefix.size() - 1);
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> UsableFolder(const std::optional<std::string>& configured,
                                                  const EnvironmentLookup& environment) {
    if (!configured || configured->empty()) return std::nullopt;
    std::filesystem::path folder = ExpandVariables(*configured, environment);
    if (!folder.is_absolute()) return std::nullopt;
    return folder;
}

std::optional<std::string> HomeFolder(const EnvironmentLookup& environment) {
    if (std::optional<std::string> home = environment("HOME"); home && !home->empty()) return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir && *entry->pw_dir) return entry->pw_dir;
    return std::nullopt;
}

bool MakeFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return std::filesystem::is_directory(folder, ec);
}

}  // namespace

std::optional<std::string> ProcessEnvironment(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    if (!value) return std::nullopt;
    return std::string(value);
}

std::filesystem::path FindUserBaseFolder(const EnvironmentLookup& environment) {
    std::optional<std::filesystem::path> documents = UsableFolder(environment("XDG_DOCUMENTS_DIR"), environment);
    if (!documents) documents = UsableFolder(ConfiguredDocumentsFolder(environment), environment);
    if (!documents) {
        std::optional<std::string> home = HomeFolder(environment);
        if (!home) return "/Kavro";
        documents = std::filesystem::path(*home) / "Documents";
    }
    return *documents / "Kavro";
}

int SetUpUserFolders(const std::filesystem::path& base) {
    UserFolders folders{base / "Projects", base / "HTML", base / "Scripts", base / "Logs"};
    for (const std::filesystem::path& folder : {base, folders.projects, folders.html, folders.scripts, folders.logs}) {
        if (!MakeFolder(folder)) {
            SetMessage(kCannotCreateDirectory, folder.string());
            return 0;
        }
    }
    SetUserFolders(std::move(folders));
    return 1;
}

int SetUpUserFolders() { return SetUpUserFolders(FindUserBaseFolder()); }
