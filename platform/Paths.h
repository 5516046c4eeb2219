#pragma once
// File names made from model names, and paths stored in project files.
#include <filesystem>
#include <string>
#include <string_view>

// The one mapping from a model name to a file or folder name: "/", "\", NUL and control
// characters become "_"; "", "." and ".." become "_". Nothing made from a name can leave
// the folder it is placed in.
std::string MakeSafeFileName(std::string_view name);

// A stored path (either separator, as written) resolved against the folder of the file that
// names it; an absolute path stays as it is. The working directory is never consulted.
std::filesystem::path ResolveStoredPath(std::string_view storedPath, const std::filesystem::path& namingFile);
