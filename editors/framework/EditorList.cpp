#include "editors/framework/EditorList.h"

#include <algorithm>

#include "platform/TextUtil.h"

void EditorList::SetColumns(std::vector<EditorListColumn> columns) {
    columns_ = std::move(columns);
    ++revision_;
}

int EditorList::AddRow(std::vector<std::string> texts, void* item) {
    auto at = rows_.end();
    if (sorted_) {
        const std::string first = texts.empty() ? std::string() : texts.front();
        at = rows_.begin();
        while (at != rows_.end() && CompareNoCase(at->texts.empty() ? std::string() : at->texts.front(), first) <= 0)
            ++at;
    }
    return InsertRow(static_cast<int>(at - rows_.begin()), std::move(texts), item);
}

int EditorList::InsertRow(int row, std::vector<std::string> texts, void* item) {
    row = std::clamp(row, 0, RowCount());
    rows_.insert(rows_.begin() + row, Row{std::move(texts), item});
    if (highlighted_ >= row) ++highlighted_;
    ++revision_;
    return row;
}

void EditorList::SetRowTexts(int row, std::vector<std::string> texts) {
    rows_.at(row).texts = std::move(texts);
    ++revision_;
}

void EditorList::RemoveRow(int row) {
    if (row < 0 || row >= RowCount()) return;
    rows_.erase(rows_.begin() + row);
    if (highlighted_ == row) highlighted_ = -1;
    else if (highlighted_ > row) --highlighted_;
    ++revision_;
}

void EditorList::Clear() {
    rows_.clear();
    highlighted_ = -1;
    ++revision_;
}

int EditorList::FindItem(const void* item) const {
    for (size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].item == item) return static_cast<int>(i);
    return -1;
}
