#include "conversion/framework/RepositoryReader.h"

#include <map>
#include <stdexcept>
#include <string>

namespace {

std::map<int, RepositoryReader*>& InstalledReaders() {
    static std::map<int, RepositoryReader*> readers;
    return readers;
}

}  // namespace

void InstallRepositoryReader(int format, RepositoryReader* reader) {
    if (reader) InstalledReaders()[format] = reader;
    else InstalledReaders().erase(format);
}

RepositoryReader& GetRepositoryReader(int format) {
    const auto found = InstalledReaders().find(format);
    if (found == InstalledReaders().end())
        throw std::logic_error("no repository reader installed for output format " + std::to_string(format));
    return *found->second;
}
