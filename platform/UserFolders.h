#pragma once
// The user's working folders, which start-up creates under the documents folder: projects,
// HTML documentation, scripts and logs. Empty until start-up sets them.
#include <filesystem>

struct UserFolders {
    std::filesystem::path projects;
    std::filesystem::path html;
    std::filesystem::path scripts;
    std::filesystem::path logs;
};

const UserFolders& GetUserFolders();
// Start-up sets them once; tests reset them with an empty value.
void SetUserFolders(UserFolders folders);
