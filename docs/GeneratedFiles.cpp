#include "docs/GeneratedFiles.h"

#include <system_error>
#include <vector>

bool IsGeneratedFileName(std::string_view name) {
    if (name == "Logo.png") return true;
    if (name.starts_with("KAVRO_")) return name.ends_with(".htm");
    for (std::string_view prefix : {"WND_", "TASK_", "TC_"})
        if (name.starts_with(prefix)) return name.ends_with(".htm") || name.ends_with(".png");
    return false;
}

void DeleteGeneratedFiles(const std::filesystem::path& folder) {
    std::error_code error;
    std::vector<std::filesystem::path> doomed;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        const std::filesystem::file_status status = entry->symlink_status(error);
        if (error) {
            error.clear();
            continue;
        }
        const bool fileOrLink = std::filesystem::is_regular_file(status) || std::filesystem::is_symlink(status);
        if (fileOrLink && IsGeneratedFileName(entry->path().filename().string())) doomed.push_back(entry->path());
    }
    for (const std::filesystem::path& file : doomed) std::filesystem::remove(file, error);
}
