#include "XmlLint.h"

#include <cstdio>
#include <string>

::testing::AssertionResult PassesXmlLint(const std::filesystem::path& file) {
    return PassesReader("xmllint --noout", file);
}

::testing::AssertionResult PassesReader(const std::string& reader, const std::filesystem::path& file) {
    const std::string command = reader + " '" + file.string() + "' 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return ::testing::AssertionFailure() << "cannot run " << reader;
    std::string output;
    char buffer[512];
    while (const size_t read = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, read);
    const int status = ::pclose(pipe);
    if (status != 0 || !output.empty())
        return ::testing::AssertionFailure() << file << " (status " << status << "):\n" << output;
    return ::testing::AssertionSuccess();
}
