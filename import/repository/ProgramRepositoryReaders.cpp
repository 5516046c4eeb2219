// Part of the program kavro itself: its repository readers are in place before anything runs.
#include "import/repository/RepositoryReaders.h"

namespace {

[[maybe_unused]] const bool kReadersInstalled = [] {
    InstallRepositoryReaders();
    return true;
}();

}  // namespace
