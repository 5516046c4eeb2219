#pragma once
// The project file of a Ranorex solution, held in memory while a run adds its entries and
// written once after the run's beginning and after each package, not per test case.
#include <filesystem>
#include <string>
#include <vector>

class RanorexProjectFile {
public:
    // The template's lines; entries go below the second line that starts with "<ItemGroup>".
    void Start(const std::filesystem::path& path, const std::vector<std::string>& templateLines);
    // Later entries stand above earlier ones. A template without two item groups takes none.
    void Insert(const std::string& entry);
    // Replaces the file; false when it cannot be written.
    bool Commit() const;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
    std::string head_;  // up to the second item group's first line
    std::vector<std::string> entries_;
    std::string tail_;
    bool takesEntries_ = false;
};
