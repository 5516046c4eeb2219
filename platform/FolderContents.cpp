#include "platform/FolderContents.h"

#include <filesystem>
#include <system_error>
#include <vector>

int DeleteFolderContents(std::string_view folder) {
    while (!folder.empty() && (folder.back() == '/' || folder.back() == '\\')) folder.remove_suffix(1);
    std::filesystem::path path(folder);
    if (folder.empty() || !path.is_absolute()) return 1;

    std::error_code ec;
    std::vector<std::filesystem::path> entries;
    for (std::filesystem::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec))
        entries.push_back(it->path());
    for (const auto& entry : entries) std::filesystem::remove_all(entry, ec);
    return 1;
}
