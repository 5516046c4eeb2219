#pragma once
// Where the installation's data files lie (Bin/Predefined_GUI_Builders.xml,
// Bin/DovaDriverData.xml, the machine hive of the settings): the installation folder is
// share/kavro beside the bin folder of the running program, or the build tree's share/kavro
// when the program runs from the build tree. The setting "InstallationDir" of the machine
// hive, when it is set, names the folder instead.
#include <filesystem>
#include <string_view>

// The setting when set; else the first of the two folders that holds a Bin folder; else the one
// beside the program, so that a message about a missing file names where it was looked for.
std::filesystem::path FindInstallationFolder();
// The search without the setting, from a given program path and build-tree folder.
std::filesystem::path FindInstallationFolder(const std::filesystem::path& executable,
                                             const std::filesystem::path& buildTreeFolder);
// The path of the running program; empty when the system does not tell it.
std::filesystem::path RunningProgram();
// The data file of that name in the installation's Bin folder.
std::filesystem::path GetInstallationDataFile(std::string_view fileName);
