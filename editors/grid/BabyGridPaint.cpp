// The grid's geometry, its scroll bars and its paint.
#include <algorithm>

#include "editors/grid/BabyGrid.h"
#include "platform/TextUtil.h"

namespace {

// The stock grey beside and below the columns.
constexpr GridColour kGrey = 0x808080;
constexpr GridColour kBlack = 0x000000;

}  // namespace

std::string ColumnLetters(int column) {
    const int first = (column - 1) / 26;
    const int second = column - 26 * (column / 26);
    std::string letters;
    letters += first == 0 ? ' ' : static_cast<char>('A' + first - 1);
    letters += second == 0 ? 'Z' : static_cast<char>('A' + second - 1);
    return letters;
}

// ---- Geometry

int CBabyGrid::RowAt(int y) const {
    const GridState& s = state_;
    if (y <= s.titleHeight) return -1;
    if (y <= s.titleHeight + s.headerHeight) return 0;
    const int row = (y - s.headerHeight - s.titleHeight) / s.rowHeight + s.homeRow;
    return row > s.rows ? -1 : row;
}

int CBabyGrid::ColumnAt(int x) const {
    const GridState& s = state_;
    if (x <= s.widths[0]) return 0;
    int rest = x - s.widths[0];
    int column = s.homeColumn - 1;
    while (rest > 0 && column < kGridMaxColumns) rest -= s.widths[++column];
    if (rest > 0) ++column;  // beyond every column
    if (column > s.columns) return s.extendLast ? s.columns : -1;
    return column;
}

GridRect CBabyGrid::CellRect(int row, int column) const {
    const GridState& s = state_;
    GridRect rect;
    if (column > 0) {
        rect.left = s.widths[0];
        for (int c = s.homeColumn; c < column; ++c) rect.left += s.widths[c];
    }
    const int width = s.widths[std::clamp(column, 0, kGridMaxColumns)];
    rect.right = rect.left + width;
    if (s.extendLast && column > 0) {
        bool visibleFollows = false;
        for (int c = column + 1; c <= s.columns && !visibleFollows; ++c) visibleFollows = s.widths[c] > 0;
        const int clientWidth = Window().ClientWidth();
        if (!visibleFollows && clientWidth - rect.left > width) rect.right = clientWidth;
    }
    if (row == 0) {
        rect.top = s.titleHeight;
        rect.bottom = s.titleHeight + s.headerHeight;
    } else {
        rect.top = s.titleHeight + s.headerHeight + (row > s.homeRow ? s.rowHeight * (row - s.homeRow) : 0);
        rect.bottom = rect.top + s.rowHeight;
    }
    return rect;
}

GridVisibleRange CBabyGrid::VisibleRange() const {
    const GridState& s = state_;
    GridVisibleRange range;
    range.leftColumn = s.homeColumn;
    int rest = Window().ClientWidth() - s.widths[0];
    int column = s.homeColumn;
    while (rest >= 0 && column < s.columns) rest -= s.widths[column++];
    range.rightColumn = std::min(column, s.columns);
    range.topRow = s.homeRow;
    rest = Window().ClientHeight() - s.headerHeight;
    int row = s.homeRow;
    while (rest > 0 && row < s.rows) {
        rest -= s.rowHeight;
        ++row;
    }
    range.bottomRow = std::min(row, s.rows);
    return range;
}

int CBabyGrid::RowsPerPage() const {
    const GridState& s = state_;
    return (Window().ClientHeight() - s.headerHeight - s.titleHeight) / s.rowHeight;
}

int CBabyGrid::NextVisibleColumn(int column, int direction) const {
    const GridState& s = state_;
    int c = column + direction;
    while (c >= 1 && c <= s.columns && s.widths[c] == 0) c += direction;
    return c >= 1 && c <= s.columns && s.widths[c] > 0 ? c : 0;
}

int CBabyGrid::NthVisibleColumn(int n) const {
    int found = 0;
    for (int c = 1; c <= state_.columns; ++c)
        if (state_.widths[c] > 0 && ++found == n) return c;
    return n - 1;
}

int CBabyGrid::VisibleColumnCount() const {
    int count = 0;
    for (int c = 1; c <= state_.columns; ++c)
        if (state_.widths[c] > 0) ++count;
    return count;
}

bool CBabyGrid::ShowsCursorFrame() const {
    const GridState& s = state_;
    return (s.hasFocus || owner_.GridCursorAfterPaint()) && s.rows != 0 && s.cursorRow >= s.homeRow &&
           s.cursorColumn >= s.homeColumn;
}

// ---- Scroll bars

const GridScrollState& CBabyGrid::ScrollBar(GridScrollBar bar) const {
    return bar == GridScrollBar::Horizontal ? horizontal_ : vertical_;
}

void CBabyGrid::ApplyScrollBar(GridScrollBar bar, const GridScrollState& wanted) {
    GridScrollState& current = bar == GridScrollBar::Horizontal ? horizontal_ : vertical_;
    GridScrollState next = wanted;
    next.max = std::max(next.max, 1);
    next.position = std::clamp(next.position, 1, next.max);
    if (next.shown == current.shown && next.max == current.max && next.position == current.position &&
        next.page == current.page)
        return;
    current = next;
    Window().SetScrollBar(bar, current.shown, current.max, current.position, current.page);
}

void CBabyGrid::CheckScrollBars() {
    const GridState& s = state_;
    const int width = Window().ClientWidth();
    const int height = Window().ClientHeight();
    int total = 0;
    for (int c = 0; c <= s.columns; ++c) total += s.widths[c];
    GridScrollState h = horizontal_;
    h.shown = width - total < 0;
    h.max = VisibleColumnCount();
    ApplyScrollBar(GridScrollBar::Horizontal, h);

    const int fit = (height - s.headerHeight - s.titleHeight) / s.rowHeight;
    GridScrollState v = vertical_;
    v.shown = height - s.rows * s.rowHeight - s.headerHeight - s.titleHeight < 0;
    v.max = s.rows - fit + 1;
    v.page = std::max(fit, 1);
    ApplyScrollBar(GridScrollBar::Vertical, v);
}

void CBabyGrid::UpdateHorizontalRange() {
    GridScrollState h = horizontal_;
    h.max = VisibleColumnCount();
    ApplyScrollBar(GridScrollBar::Horizontal, h);
}

// ---- Paint

void CBabyGrid::Paint(GridCanvas& canvas) {
    const GridState& s = state_;
    const GridVisibleRange range = VisibleRange();
    const int width = Window().ClientWidth();
    if (s.titleHeight > 0) {
        const GridRect band{0, 0, width, s.titleHeight};
        canvas.EtchedEdge(band);
        canvas.Text(band, s.title, TitleFont(), s.textColour, kTextCenter | kTextWordBreak | kTextEndEllipsis);
    }
    PaintColumn(canvas, range, 0, 0);
    int x = s.widths[0];
    for (int column = range.leftColumn; column <= range.rightColumn; ++column) {
        PaintColumn(canvas, range, column, x);
        x += s.widths[column];
    }
    if (s.editing && s.cursorRow >= range.topRow && s.cursorRow <= range.bottomRow &&
        s.cursorColumn >= range.leftColumn && s.cursorColumn <= range.rightColumn) {
        GridRect box = CellRect(s.cursorRow, s.cursorColumn).Deflated(2, 2);
        canvas.EditBox(box);
        box = box.Deflated(2, 2);
        box.right -= 5;
        canvas.Text(box, EditText(), s.bodyFont, kBlack, kTextRight | kTextVCenter | kTextSingleLine);
    }
    if (ShowsCursorFrame()) {
        // Drawn as exclusive-or with the cell's background, so that it shows on any colour.
        state_.activeCell = CellRect(s.cursorRow, s.cursorColumn);
        canvas.Frame(state_.activeCell, s.cursorColour ^ CellBackground({s.cursorRow, s.cursorColumn}), 3);
    }
}

void CBabyGrid::PaintColumn(GridCanvas& canvas, const GridVisibleRange& range, int column, int x) {
    const GridState& s = state_;
    const int columnWidth = s.widths[column];
    if (columnWidth == 0) return;
    CheckScrollBars();
    const int clientWidth = Window().ClientWidth();
    const int clientHeight = Window().ClientHeight();
    const bool lastShown = column == range.rightColumn;
    const int right = lastShown && s.extendLast ? clientWidth : x + columnWidth;

    const GridRect header{x, s.titleHeight, right, s.titleHeight + s.headerHeight};
    if (!s.extendLast && lastShown) canvas.Fill({header.right, s.titleHeight, clientWidth, clientHeight}, kGrey);
    std::string title;
    if (column >= 1 && s.columnLetters) title = ColumnLetters(column);
    else if (const GridCellItem* item = cells_.Find({0, column})) title = item->text;
    canvas.EtchedEdge(header);
    canvas.Text(header, title, HeadingFont(), s.textColour, kTextCenter | kTextWordBreak | kTextEndEllipsis);

    int bottom = header.bottom;
    for (int row = range.topRow; row <= range.bottomRow; ++row) {
        const GridRect rect{x, s.titleHeight + s.headerHeight + s.rowHeight * (row - s.homeRow), right,
                            s.titleHeight + s.headerHeight + s.rowHeight * (row - s.homeRow + 1)};
        bottom = rect.bottom;
        if (column == 0) {
            std::string text;
            if (s.rowNumbers) text = std::to_string(row);
            else if (const GridCellItem* item = cells_.Find({row, 0})) text = item->text;
            canvas.EtchedEdge(rect);
            canvas.Text(rect, text, s.bodyFont, s.textColour,
                        kTextRight | kTextVCenter | kTextSingleLine | kTextEndEllipsis);
        } else {
            PaintDataCell(canvas, rect, {row, column});
        }
    }
    canvas.Fill({x, bottom, x + columnWidth, clientHeight}, kGrey);
}

GridColour CBabyGrid::CellBackground(GridCell cell) const {
    const GridState& s = state_;
    if (s.drawHighlight && s.hasFocus && cell.row == s.cursorRow) return s.highlightColour;
    const GridCellItem* item = cells_.Find(cell);
    return item && item->isProtected ? s.protectColour : s.unprotectColour;
}

void CBabyGrid::PaintDataCell(GridCanvas& canvas, const GridRect& rect, GridCell cell) {
    const GridState& s = state_;
    const GridCellItem* item = cells_.Find(cell);
    const bool highlighted = s.drawHighlight && s.hasFocus && cell.row == s.cursorRow;
    canvas.Cell(rect, CellBackground(cell), s.gridLineColour);
    if (!item) return;
    const GridColour textColour = highlighted ? s.highlightTextColour : kBlack;
    const GridRect textRect{rect.left + 2, rect.top, rect.right - 2, rect.bottom};
    switch (CellTypeOfLetter(item->type)) {
    case kCellNumber:
        canvas.Text(textRect, item->text, s.bodyFont, textColour,
                    kTextRight | kTextVCenter | kTextSingleLine | kTextEndEllipsis);
        break;
    case kCellTrue:
    case kCellFalse: {
        GridRect box = textRect.Deflated(0, 2);
        if (box.Height() > 24) {
            box.top += (box.Height() - 16) / 2;
            box.bottom = box.top + 16;
        }
        canvas.CheckBox(box, item->type == 'T');
        break;
    }
    case kCellGraphic:
        state_.drawItem = ParseLeadingInt(std::string_view(item->text).substr(1));
        owner_.OnGridNotify({s.controlId, GN_DRAWITEM, s.cursorRow, s.cursorColumn, textRect, &canvas});
        break;
    default:
        canvas.Text(textRect, item->text, s.bodyFont, textColour,
                    s.ellipsis ? kTextLeft | kTextVCenter | kTextSingleLine | kTextEndEllipsis : kTextWordBreak);
        break;
    }
}
