#include "views/flow/StepNameWrap.h"

#include <cctype>
#include <cstddef>

namespace {

// The highest index from 1 to width - 1 where a piece may start.
std::size_t CutIndex(const std::string& rest, std::size_t width) {
    for (std::size_t i = width - 1; i >= 1; --i)
        if (rest[i] == '_') return i;
    for (std::size_t i = width - 1; i >= 1; --i)
        if (std::isupper(static_cast<unsigned char>(rest[i]))) return i;
    return width - 1;
}

}  // namespace

std::string WrapStepName(const std::string& name, int width) {
    if (width < 2 || name.size() <= static_cast<std::size_t>(width)) return name;
    const std::size_t n = static_cast<std::size_t>(width);
    std::string wrapped;
    std::string rest = name;
    while (rest.size() > n) {
        const std::size_t cut = CutIndex(rest, n);
        wrapped += rest.substr(0, cut) + ' ';
        rest.erase(0, cut);
    }
    return wrapped + rest;
}
