#pragma once
// A report list whose current row shows highlighted and is reported to the parent window on
// every click and arrow key. The window keeps the rows; this class decides which row is current
// and what the parent hears.
#include <cstdint>
#include <string>

// The rows as the window holds them.
class ListRows {
public:
    virtual ~ListRows() = default;
    virtual int GetRowCount() const = 0;
    virtual std::uintptr_t GetRowData(int row) const = 0;
    virtual std::string GetRowText(int row, int column) const = 0;
};

// The messages the parent receives, with the row's item data (0 beside the rows).
inline constexpr int kListRowClicked = 1204;
inline constexpr int kListRowDoubleClicked = 1205;

class ListParent {
public:
    virtual ~ListParent() = default;
    virtual void OnListMessage(int message, std::uintptr_t data) = 0;
};

enum class ListKey { PageUp, Home, PageDown, End, Up, Down };

class CListCtrlExtended {
public:
    explicit CListCtrlExtended(const ListRows& rows) : rows_(rows) {}

    void SetParent(ListParent* parent) { parent_ = parent; }
    // A click on this row highlights it without telling the parent (-1: none).
    void SetSilentRow(int row) { silentRow_ = row; }

    // The row becomes current and alone highlighted (-1: none).
    void HighlightItem(int row) { current_ = highlighted_ = row; }
    // The first row whose item data is the value becomes current and alone highlighted. When no
    // row matches, no row is highlighted and the current row stays.
    void HighlightItemByData(std::uintptr_t value);
    int GetCurrentRow() const { return current_; }
    int GetHighlightedRow() const { return highlighted_; }
    // The first row whose text in the column equals the text without regard to case, or -1.
    int FindItemText(const std::string& text, int column) const;

    // A click (double or not) on the row under the point, -1 beside the rows.
    void OnClick(int row, bool doubleClick);
    // Page Up and Home go to the first row, Page Down and End to the last, Up and Down one row;
    // nothing at the ends. A move tells the parent.
    void OnKey(ListKey key);

private:
    void Tell(int message, int row);

    const ListRows& rows_;
    ListParent* parent_ = nullptr;
    int current_ = -1;
    int highlighted_ = -1;
    int silentRow_ = -1;
};
