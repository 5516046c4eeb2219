#include "views/flow/StepNameWrap.h"

#include <cstddef>

#include "platform/TextUtil.h"

namespace {

bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }
bool IsCapital(char16_t c) { return FoldCase(c) != c; }

// The highest index from 1 to width - 1 where a piece may start; never inside a surrogate pair.
std::size_t CutIndex(const std::u16string& rest, std::size_t width) {
    for (std::size_t i = width - 1; i >= 1; --i)
        if (rest[i] == u'_') return i;
    for (std::size_t i = width - 1; i >= 1; --i)
        if (IsCapital(rest[i])) return i;
    std::size_t cut = width - 1;
    if (IsLowSurrogate(rest[cut]) && cut > 1) --cut;
    return cut;
}

}  // namespace

// Widths count characters as the name's UTF-16 form does, so a letter beyond ASCII is never cut
// in two.
std::string WrapStepName(const std::string& name, int width) {
    std::u16string rest = Utf8ToUtf16(name);
    if (width < 2 || rest.size() <= static_cast<std::size_t>(width)) return name;
    const std::size_t n = static_cast<std::size_t>(width);
    std::u16string wrapped;
    while (rest.size() > n) {
        const std::size_t cut = CutIndex(rest, n);
        wrapped += rest.substr(0, cut) + u' ';
        rest.erase(0, cut);
    }
    return Utf16ToUtf8(wrapped + rest);
}
