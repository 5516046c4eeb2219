#pragma once
// Golden files: a test writes its output into a folder and compares it, file by file, with
// the expected folder under tests/golden/<area>/<case>/. A mismatch fails with a diff (UTF-16
// files shown as text). With KAVRO_REFRESH_GOLDEN=1 in the environment the expected folder is
// replaced by the output instead (scripts/refresh-golden.sh), for a deliberate change.
#include <filesystem>
#include <string>

std::string ReadFileBytes(const std::filesystem::path& path);
// The text of a file's bytes: UTF-16 little endian after its byte-order mark as UTF-8 (the
// mark dropped); other bytes as they are.
std::string ReadableText(const std::string& bytes);

// Same files, same bytes; reports every difference as a test failure.
void ExpectFolderMatchesGolden(const std::filesystem::path& actual, const std::filesystem::path& expected);
