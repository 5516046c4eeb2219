#include "conversion/plaintext/SheetRow.h"

#include "conversion/plaintext/PlainTextConverter.h"

std::string CPlainTextConverter::QuoteField(std::string_view text) {
    std::string quoted = "\"";
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') quoted += "\"\"";
        else if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        else quoted += text[i];
    }
    quoted += '"';
    return quoted;
}

SheetRow& SheetRow::Text(std::string_view text) {
    const bool breaksColumns = text.find_first_of("\t\"\r\n") != std::string_view::npos;
    fields_.push_back(breaksColumns ? CPlainTextConverter::QuoteField(text) : std::string(text));
    return *this;
}

SheetRow& SheetRow::Quoted(std::string_view text) {
    fields_.push_back(CPlainTextConverter::QuoteField(text));
    return *this;
}

SheetRow& SheetRow::Number(int value) {
    fields_.push_back(std::to_string(value));
    return *this;
}

SheetRow& SheetRow::Empty(int count) {
    fields_.insert(fields_.end(), static_cast<size_t>(count), std::string());
    return *this;
}

void SheetRow::WriteTo(ScriptFile& file) const {
    std::string line;
    for (size_t i = 0; i < fields_.size(); ++i) {
        if (i) line += '\t';
        line += fields_[i];
    }
    file.WriteLine(line);
}

void WriteSheetHeader(ScriptFile& file, const std::vector<std::string_view>& names) {
    SheetRow row;
    for (std::string_view name : names) row.Text(name);
    row.WriteTo(file);
}
