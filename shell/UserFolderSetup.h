#pragma once
// The user's working folders: "Kavro" in the documents folder with "Projects", "HTML",
// "Scripts" and "Logs" below it, made at start-up.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// An environment variable's value, or nothing when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(const std::string& name)>;
std::optional<std::string> ProcessEnvironment(const std::string& name);

// The folder that holds the user's Kavro folders: "Kavro" in the XDG documents folder, which
// is $XDG_DOCUMENTS_DIR, else the one that user-dirs.dirs in the configuration folder names,
// else "Documents" in the home folder ($HOME, else the account's); "/Kavro" when there is no
// home at all. Variables ($NAME, ${NAME}) in a configured path are expanded; a path that is
// still relative is not used.
std::filesystem::path FindUserBaseFolder(const EnvironmentLookup& environment = ProcessEnvironment);

// Makes the base folder and then Projects, HTML, Scripts and Logs, in that order, and makes
// them the user folders (platform/UserFolders.h): 1. A folder that cannot be made ends it with
// "Cannot create directory %s! [W0782]" in the global message buffer; the folders after it are
// not made: 0.
int SetUpUserFolders(const std::filesystem::path& base);
int SetUpUserFolders();
