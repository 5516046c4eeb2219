#pragma once
// What the builder and class editors' lists share: the "Y"/"N" cells and finding a row by the
// text of its first cell.
#include <string>

#include "editors/framework/EditorList.h"
#include "platform/TextUtil.h"

inline std::string YesNoCell(bool yes) { return yes ? "Y" : "N"; }

// The first row whose first cell equals the text without regard to case, -1 for none.
inline int FindRowByFirstText(const EditorList& list, const std::string& text) {
    for (int row = 0; row < list.RowCount(); ++row)
        if (EqualsNoCase(list.RowTexts(row).front(), text)) return row;
    return -1;
}
