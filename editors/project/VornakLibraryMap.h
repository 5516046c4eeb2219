#pragma once
// The libraries of the VORNAK database as the project administration reads them: names with
// their identifiers, in the order VORNAK sent them. The VORNAK interface fills it.
#include <optional>
#include <string>
#include <vector>

class VornakLibraryMap {
public:
    virtual ~VornakLibraryMap() = default;

    // The identifier of the library of that name (exact), or nothing.
    virtual std::optional<std::string> FindLibrary(const std::string& name) const = 0;
    virtual std::vector<std::string> LibraryNames() const = 0;
};
