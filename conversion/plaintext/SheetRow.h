#pragma once
// One row of a tab-separated sheet, field by field.
#include <string>
#include <string_view>
#include <vector>

#include "conversion/framework/ScriptFile.h"

class SheetRow {
public:
    // A field written as it is, unless a tab, quote or line break in it would break the columns;
    // then it is quoted.
    SheetRow& Text(std::string_view text);
    // A field always quoted (texts that users write over several lines).
    SheetRow& Quoted(std::string_view text);
    SheetRow& Number(int value);
    SheetRow& Empty(int count = 1);

    // The fields joined by tabs, as one line of the file.
    void WriteTo(ScriptFile& file) const;

private:
    std::vector<std::string> fields_;
};

// A fixed row of field names.
void WriteSheetHeader(ScriptFile& file, const std::vector<std::string_view>& names);
