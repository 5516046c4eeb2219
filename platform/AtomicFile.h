#pragma once
// Replacing a file so that a failure never leaves it half written: the bytes go to a temporary
// file in the same folder, which is renamed over the target only after every write and the
// close succeeded. On failure the old file is untouched and the temporary file is removed.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

struct FileWriteResult {
    bool ok = false;
    std::string error;  // what failed, for the log; empty on success
};

FileWriteResult WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// Test hook: called before each step of a write ("open", "write", "sync", "close", "rename");
// returning false makes that step fail as an I/O error would. Null removes the hook.
using FileFaultInjector = std::function<bool(std::string_view step, const std::filesystem::path& target)>;
void SetFileFaultInjector(FileFaultInjector injector);
