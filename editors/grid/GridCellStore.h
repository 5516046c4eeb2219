#pragma once
// The cells of the record grid: one item per stored cell, kept in row-then-column order, with
// its protection, the type read from its text, and the text.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "editors/grid/GridTypes.h"

// The type letter of a text: "T" and "F" for the booleans (any case), "G" for a graphic
// ("~" first), "N" for a number, "A" for any other text.
char DetectCellType(std::string_view text);
// The type code of a stored cell's letter: "A" and unknown letters are text.
GridCellType CellTypeOfLetter(char letter);

struct GridCellItem {
    bool isProtected = false;
    char type = 'A';
    std::string text;
};

class GridCellStore {
public:
    // Null when the cell is not stored. The cell must be in range (rows 0..32000, columns
    // 0..256), as every caller checks first.
    const GridCellItem* Find(GridCell cell) const;
    // Stores the text with its detected type, replacing what the cell held.
    void Set(GridCell cell, std::string text, bool isProtected);
    // A cell not stored yet becomes an empty text.
    void SetProtection(GridCell cell, bool isProtected);
    // False when the cell was not stored.
    bool Remove(GridCell cell);
    void Clear() { cells_.clear(); }

    bool Empty() const { return cells_.empty(); }
    std::size_t Size() const { return cells_.size(); }
    // The row of the last cell in row-then-column order; 0 when none is stored.
    int LastRow() const;

private:
    static std::uint32_t Key(GridCell cell) {
        return static_cast<std::uint32_t>(cell.row) << 9 | static_cast<std::uint32_t>(cell.column);
    }

    std::map<std::uint32_t, GridCellItem> cells_;
};
