#pragma once
// The files of a documentation folder that the generator writes: "KAVRO_*.htm", "Logo.png",
// and "WND_", "TASK_" and "TC_" pages and pictures. Only these go before a new run; the
// user's own files in the folder stay.
#include <filesystem>
#include <string_view>

bool IsGeneratedFileName(std::string_view name);

// Deletes the generated files (and links of such names) directly in the folder; failures are
// ignored.
void DeleteGeneratedFiles(const std::filesystem::path& folder);
