// The grid's messages: its cells, its size and what the owner sets.
#include "editors/grid/BabyGrid.h"

#include <algorithm>

#include "editors/grid/HeadlessGridWindow.h"
#include "platform/TextUtil.h"

namespace {

const char kTextTooLong[] = "ERROR: TEXT TOO LONG";

// The fonts of a new control: the GUI font at 14 pixels, bold for the column headings, 16
// pixels bold for the title.
const GridFont kBodyFont{"", 14, 400};
const GridFont kHeadingFont{"", 14, 700};
const GridFont kTitleFont{"", 16, 700};

}  // namespace

CBabyGrid::CBabyGrid(int controlId, const std::string& windowName, GridOwner& owner)
    : owner_(owner), headless_(std::make_unique<HeadlessGridWindow>(*this)) {
    window_ = headless_.get();
    measure_ = headless_.get();
    state_.controlId = controlId;
    state_.widths.fill(50);
    state_.widths[kGridMaxColumns] = 0;
    state_.bodyFont = kBodyFont;
    state_.headingFont = kHeadingFont;
    state_.titleFont = kTitleFont;
    SetText(windowName);
}

CBabyGrid::~CBabyGrid() = default;

void CBabyGrid::Attach(GridWindow* window, GridTextMeasure* measure) {
    window_ = window ? window : headless_.get();
    measure_ = measure ? measure : headless_.get();
}

// ---- Notifications and ranges

void CBabyGrid::Notify(int code) {
    owner_.OnGridNotify({state_.controlId, code, state_.cursorRow, state_.cursorColumn, {}, nullptr});
}

void CBabyGrid::NotifyWithoutCursor(int code) {
    owner_.OnGridNotify({state_.controlId, code, 0, 0, {}, nullptr});
}

int CBabyGrid::OutOfRange() {
    NotifyWithoutCursor(GN_OUTOFRANGE);
    return -1;
}

bool CBabyGrid::InRange(GridCell cell) {
    return cell.row >= 0 && cell.row <= kGridMaxRows && cell.column >= 0 && cell.column <= kGridMaxColumns;
}

// ---- Cells

int CBabyGrid::SetProtect(GridCell cell, bool isProtected) {
    if (!InRange(cell)) return OutOfRange();
    cells_.SetProtection(cell, isProtected);
    return 0;
}

int CBabyGrid::SetCell(GridCell cell, const std::string& text) {
    if (!InRange(cell)) return OutOfRange();
    // Bytes bound the UTF-16 length from above: only a long text needs counting.
    const bool tooLong = text.size() > kGridMaxCellText && Utf16Length(text) > kGridMaxCellText;
    cells_.Set(cell, tooLong ? std::string(kTextTooLong) : text, state_.defaultProtect);
    InvalidateCell(cell);
    if (state_.autoRows) {
        const int lastRow = cells_.LastRow();
        if (lastRow > state_.rows) SetSize(lastRow, state_.columns);
    }
    if (state_.autoWidth || cell.row == 0) MeasureCell(cell, tooLong ? kTextTooLong : text);
    return 0;
}

int CBabyGrid::GetCell(GridCell cell, std::string& text) {
    text.clear();
    if (!InRange(cell)) return OutOfRange();
    if (const GridCellItem* item = cells_.Find(cell)) text = item->text;
    return 0;
}

int CBabyGrid::DeleteCell(GridCell cell) {
    if (!InRange(cell)) return OutOfRange();
    if (cells_.Remove(cell)) Notify(GN_EDITEND);
    return 0;
}

int CBabyGrid::GetCellType(GridCell cell) {
    if (!InRange(cell)) return OutOfRange();
    const GridCellItem* item = cells_.Find(cell);
    return item ? CellTypeOfLetter(item->type) : kCellNone;
}

int CBabyGrid::GetProtect(GridCell cell) {
    if (!InRange(cell)) return OutOfRange();
    const GridCellItem* item = cells_.Find(cell);
    return item && item->isProtected ? 1 : 0;
}

void CBabyGrid::MeasureCell(GridCell cell, const std::string& text) {
    const GridFont& font = cell.row == 0 ? HeadingFont() : state_.bodyFont;
    int widest = 0;
    int lines = 0;
    std::string rest = text;
    for (bool last = false; !last; ++lines)
        widest = std::max(widest, Measure().TextWidth(SplitFirstLine(rest, last), font));
    if (state_.ellipsis && cell.row != 0) lines = 1;
    const int width = widest + 5;
    const int height = lines * Measure().LineHeight(font) + 5;
    if (cell.row == 0) {
        if (height > state_.headerHeight) SetHeaderHeight(height);
    } else if (height > state_.rowHeight) {
        SetRowHeight(height);
    }
    if (width > state_.widths[cell.column]) SetColWidth(cell.column, width);
}

// ---- Size, cursor and looks

void CBabyGrid::Clear() {
    cells_.Clear();
    state_.rows = 0;
    state_.cursorRow = 1;
    state_.homeRow = 1;
    state_.homeColumn = 1;
    Window().Invalidate(true);
}

void CBabyGrid::SetSize(int rows, int columns) {
    state_.rows = static_cast<unsigned>(rows) > kGridMaxRows ? kGridMaxRows : rows;
    state_.columns = std::clamp(columns, 1, kGridMaxColumns);
    Window().Invalidate(true);
    UpdateHorizontalRange();
}

void CBabyGrid::SetCursor(int row, int column) {
    if (row >= 1 && row <= state_.rows && column >= 1 && column <= state_.columns) {
        InvalidateCursorFrame();
        state_.cursorRow = row;
        state_.cursorColumn = column;
        ScrollCursorIntoView();
        InvalidateCursorFrame();
        Refresh();
    } else {
        InvalidateCursorFrame();
    }
}

void CBabyGrid::SetColWidth(int column, int width) {
    if (static_cast<unsigned>(column) > kGridMaxColumns || width < 0) return;
    state_.widths[column] = width;
    Invalidate();
    UpdateHorizontalRange();
}

int CBabyGrid::GetColWidth(int column) const {
    return static_cast<unsigned>(column) > kGridMaxColumns ? -1 : state_.widths[column];
}

void CBabyGrid::SetHeaderHeight(int height) {
    state_.headerHeight = height;
    ReapplySize();
    Invalidate();
}

void CBabyGrid::SetRowHeight(int height) {
    // Rows are counted by dividing by the height.
    state_.rowHeight = std::max(height, 1);
    ScrollCursorIntoView();
    ReapplySize();
    Invalidate();
}

void CBabyGrid::SetTitleHeight(int height) {
    state_.titleHeight = height;
    ScrollCursorIntoView();
    Invalidate();
}

void CBabyGrid::DrawCursor() {
    InvalidateCursorFrame();
}

void CBabyGrid::SetCursorColor(GridColour colour) {
    state_.cursorColour = colour;
    InvalidateCursorFrame();
    Refresh();
}

void CBabyGrid::SetGridLineColor(GridColour colour) {
    state_.gridLineColour = colour;
    InvalidateCursorFrame();
    Refresh();
}

void CBabyGrid::SetIntegralRows(bool on) {
    state_.integralRows = on;
    ReapplySize();
    Refresh();
}

void CBabyGrid::NotifyRow() {
    Notify(GN_ROWCHANGED);
    Notify(GN_CELLCHANGED);
}

void CBabyGrid::NotifyCol() {
    Notify(GN_COLCHANGED);
    Notify(GN_CELLCHANGED);
}

void CBabyGrid::RepaintBeep() {
    Window().RepaintNow();
    Window().Beep();
}

// ---- Window messages that set looks

void CBabyGrid::Move(const GridRect& rect) {
    Window().MoveTo(rect);
}

void CBabyGrid::SetText(const std::string& title) {
    state_.title = Utf16Length(title) <= 300 ? title : "Title too long (300 chars max)";
    if (state_.title.empty()) {
        state_.titleHeight = 0;
    } else {
        const int lines = static_cast<int>(std::count(state_.title.begin(), state_.title.end(), '\n')) + 1;
        state_.titleHeight = static_cast<int>(Measure().LineHeight(TitleFont()) * 1.2 * lines);
    }
    Refresh();
    ReapplySize();
}

void CBabyGrid::SetFont(const GridFont& font) {
    state_.bodyFont = font;
    if (!state_.headingFont) state_.headingFont = font;
    if (!state_.titleFont) state_.titleFont = font;
    Refresh();
}

void CBabyGrid::OnEnable(bool enabled) {
    state_.textColour = enabled ? 0x000000 : 0x787878;
    Invalidate();
}

// ---- Repainting

void CBabyGrid::Refresh() {
    Invalidate();
    if (state_.editing) ShowEditCaret();
}

void CBabyGrid::ReapplySize() {
    OnSize(state_.requestedWidth, state_.requestedHeight);
    OnSize(state_.requestedWidth, state_.requestedHeight);
}

void CBabyGrid::InvalidateCell(GridCell cell) {
    // Cells below the client area need no paint; most cells of a long fill lie there.
    const GridState& s = state_;
    const int top = s.titleHeight + s.headerHeight + s.rowHeight * std::max(cell.row - s.homeRow, 0);
    if (cell.row > 0 && top >= Window().ClientHeight()) return;
    Window().InvalidateRect(CellRect(cell.row, cell.column), false);
}

void CBabyGrid::InvalidateCursorFrame() {
    // The frame is painted from the state: both where it was and where it goes are redrawn.
    Window().InvalidateRect(state_.activeCell.Deflated(-2, -2), false);
    Window().InvalidateRect(CellRect(state_.cursorRow, state_.cursorColumn).Deflated(-2, -2), false);
}

void CBabyGrid::UpdateProtectFlag() {
    const GridCellItem* item = InRange({state_.cursorRow, state_.cursorColumn})
                                   ? cells_.Find({state_.cursorRow, state_.cursorColumn})
                                   : nullptr;
    state_.cellProtected = item && item->isProtected;
}
