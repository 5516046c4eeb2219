#include "conversion/framework/ConverterTable.h"

#include <algorithm>

const ConverterTable& StandardConverterTable() {
    static const ConverterTable table = {};
    return table;
}

const ConverterEntry* FindConverterEntry(const ConverterTable& table, int format) {
    for (const ConverterEntry& entry : table)
        if (std::find(entry.formats.begin(), entry.formats.end(), format) != entry.formats.end()) return &entry;
    return nullptr;
}
