#include "editors/grid/GridCellStore.h"

#include <type_traits>

#include "platform/TextUtil.h"

namespace {

// The wide-character letter test as far as a cell's type needs it: ASCII and Latin-1 letters,
// and above them everything but punctuation, symbols and surrogate halves.
bool IsLetter(char16_t c) {
    if (c < 0x80) return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (c < 0x100) return c == 0xAA || c == 0xB5 || c == 0xBA || (c >= 0xC0 && c != 0xD7 && c != 0xF7);
    return !(c >= 0x2000 && c <= 0x2BFF) && !(c >= 0x3000 && c <= 0x303F) && !(c >= 0xD800 && c <= 0xDFFF);
}

bool IsWhiteSpace(char16_t c) {
    return c == ' ' || (c >= 0x09 && c <= 0x0D) || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

template <class Text>
char ScanForNumber(const Text& text) {
    bool alphabetic = false;
    bool digit = false;
    bool space = false;
    int points = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<char16_t>(static_cast<std::make_unsigned_t<typename Text::value_type>>(text[i]));
        if (IsLetter(c)) alphabetic = true;
        else if (c >= '0' && c <= '9') digit = true;
        else if (IsWhiteSpace(c)) space = true;
        else if (c == '.') ++points;
        else if ((c == '+' || c == '-') && i > 0) alphabetic = true;
    }
    return alphabetic || space || !digit || points >= 2 ? 'A' : 'N';
}

}  // namespace

char DetectCellType(std::string_view text) {
    if (text.size() <= 10) {
        if (EqualsNoCase(text, "TRUE")) return 'T';
        if (EqualsNoCase(text, "FALSE")) return 'F';
    }
    if (text.empty()) return 'A';
    if (text[0] == '~') return 'G';
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return ScanForNumber(Utf8ToUtf16(text));
    return ScanForNumber(text);
}

GridCellType CellTypeOfLetter(char letter) {
    switch (letter) {
    case 'N': return kCellNumber;
    case 'T': return kCellTrue;
    case 'F': return kCellFalse;
    case 'G': return kCellGraphic;
    default: return kCellText;
    }
}

const GridCellItem* GridCellStore::Find(GridCell cell) const {
    auto it = cells_.find(Key(cell));
    return it == cells_.end() ? nullptr : &it->second;
}

void GridCellStore::Set(GridCell cell, std::string text, bool isProtected) {
    const char type = DetectCellType(text);
    cells_.insert_or_assign(Key(cell), GridCellItem{isProtected, type, std::move(text)});
}

void GridCellStore::SetProtection(GridCell cell, bool isProtected) {
    auto [it, added] = cells_.try_emplace(Key(cell));
    it->second.isProtected = isProtected;
}

bool GridCellStore::Remove(GridCell cell) {
    return cells_.erase(Key(cell)) > 0;
}

int GridCellStore::LastRow() const {
    return cells_.empty() ? 0 : static_cast<int>(cells_.rbegin()->first >> 9);
}
