#include "tests/support/GoldenFiles.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "platform/TextUtil.h"

namespace {

std::set<std::string> FilesBelow(const std::filesystem::path& folder) {
    std::set<std::string> files;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, ignored))
        if (entry.is_regular_file()) files.insert(entry.path().lexically_relative(folder).string());
    return files;
}

// diff -u of the two texts, through files in the temporary folder.
std::string Diff(const std::string& expected, const std::string& actual) {
    const std::filesystem::path base =
        std::filesystem::temp_directory_path() / ("kavro_golden_" + std::to_string(::getpid()));
    std::ofstream(base.string() + ".expected", std::ios::binary) << expected;
    std::ofstream(base.string() + ".actual", std::ios::binary) << actual;
    const std::string command = "diff -u '" + base.string() + ".expected' '" + base.string() + ".actual' 2>&1";
    std::string output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
        ::pclose(pipe);
    }
    std::filesystem::remove(base.string() + ".expected");
    std::filesystem::remove(base.string() + ".actual");
    return output;
}

bool Refreshing() {
    const char* value = std::getenv("KAVRO_REFRESH_GOLDEN");
    return value && std::string(value) == "1";
}

}  // namespace

std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string ReadableText(const std::string& bytes) {
    if (bytes.size() < 2 || bytes.compare(0, 2, "\xFF\xFE") != 0) return bytes;
    std::u16string units;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2)
        units.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                              static_cast<unsigned char>(bytes[i + 1]) << 8));
    return Utf16ToUtf8(units);
}

void ExpectFolderMatchesGolden(const std::filesystem::path& actual, const std::filesystem::path& expected) {
    if (Refreshing()) {
        std::filesystem::remove_all(expected);
        std::filesystem::create_directories(expected);
        std::filesystem::copy(actual, expected, std::filesystem::copy_options::recursive);
        return;
    }
    const std::set<std::string> actualFiles = FilesBelow(actual);
    const std::set<std::string> expectedFiles = FilesBelow(expected);
    for (const std::string& file : expectedFiles)
        if (!actualFiles.count(file)) ADD_FAILURE() << "missing output file " << file;
    for (const std::string& file : actualFiles) {
        if (!expectedFiles.count(file)) {
            ADD_FAILURE() << "unexpected output file " << file;
            continue;
        }
        const std::string want = ReadFileBytes(expected / file);
        const std::string got = ReadFileBytes(actual / file);
        if (want != got)
            ADD_FAILURE() << file << " differs from " << (expected / file).string() << ":\n"
                          << Diff(ReadableText(want), ReadableText(got));
    }
}
