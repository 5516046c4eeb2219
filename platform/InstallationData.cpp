#include "platform/InstallationData.h"

#include <string>
#include <system_error>

#include "platform/Registry.h"

namespace {

bool HoldsBinFolder(const std::filesystem::path& folder) {
    std::error_code ignored;
    return !folder.empty() && std::filesystem::is_directory(folder / "Bin", ignored);
}

}  // namespace

std::filesystem::path RunningProgram() {
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : program;
}

std::filesystem::path FindInstallationFolder(const std::filesystem::path& executable,
                                             const std::filesystem::path& buildTreeFolder) {
    const std::filesystem::path besideProgram =
        executable.empty() ? std::filesystem::path() : executable.parent_path().parent_path() / "share" / "kavro";
    if (HoldsBinFolder(besideProgram)) return besideProgram;
    if (HoldsBinFolder(buildTreeFolder)) return buildTreeFolder;
    return besideProgram;
}

std::filesystem::path FindInstallationFolder() {
    const std::string configured =
        ReadRegistryString(SettingsHive::LocalMachine, std::string(kProductKey), "InstallationDir");
    if (!configured.empty()) return configured;
    return FindInstallationFolder(RunningProgram(), KAVRO_DATA_DIR);
}

std::filesystem::path GetInstallationDataFile(std::string_view fileName) {
    return FindInstallationFolder() / "Bin" / fileName;
}
