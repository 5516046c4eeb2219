#pragma once
// The rows of a report-style list control as an editor dialog shows them: the columns, one row
// of texts per object, and the highlighted row. The window rebuilds its control from it.
#include <string>
#include <vector>

struct EditorListColumn {
    std::string title;
    int width;  // pixels
};

class EditorList {
public:
    void SetColumns(std::vector<EditorListColumn> columns);
    const std::vector<EditorListColumn>& Columns() const { return columns_; }

    // Sorted, a row goes in after the rows whose first text sorts before it or equal to it
    // without regard to case; unsorted, it goes at the end. A row's texts changed later leave
    // it where it is.
    void SetSorted(bool sorted) { sorted_ = sorted; }
    // The row's index.
    int AddRow(std::vector<std::string> texts, void* item);
    // The row goes in at the index (kept within the rows), sorted or not; returns the index.
    int InsertRow(int row, std::vector<std::string> texts, void* item);
    void SetRowTexts(int row, std::vector<std::string> texts);
    void RemoveRow(int row);
    void Clear();

    int RowCount() const { return static_cast<int>(rows_.size()); }
    const std::vector<std::string>& RowTexts(int row) const { return rows_.at(row).texts; }
    // The object the row stands for; null for -1.
    template <class T>
    T* ItemAt(int row) const {
        return row < 0 ? nullptr : static_cast<T*>(rows_.at(row).item);
    }
    int FindItem(const void* item) const;

    // -1: no row.
    int GetHighlighted() const { return highlighted_; }
    void Highlight(int row) { highlighted_ = row; }

    // Grows with every change of the columns or rows, so that the window rebuilds only then.
    int Revision() const { return revision_; }

private:
    struct Row {
        std::vector<std::string> texts;
        void* item;
    };

    std::vector<EditorListColumn> columns_;
    std::vector<Row> rows_;
    bool sorted_ = false;
    int highlighted_ = -1;
    int revision_ = 0;
};
