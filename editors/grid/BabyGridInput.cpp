// The grid's input: keys, editing in place, the mouse, scrolling, sizing and the focus.
#include <algorithm>

#include "editors/grid/BabyGrid.h"
#include "platform/TextUtil.h"

namespace {

// The most characters an edit keeps: typing goes on while it holds at most this many.
constexpr std::size_t kEditTypingLimit = 300;

bool IsBooleanType(int type) {
    return type == kCellTrue || type == kCellFalse;
}

std::string ToUtf8(const std::u32string& text) {
    std::u16string units;
    for (char32_t c : text) {
        if (c >= 0x10000) {
            units.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
            units.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else {
            units.push_back(static_cast<char16_t>(c));
        }
    }
    return Utf16ToUtf8(units);
}

}  // namespace

// ---- Keys

void CBabyGrid::OnKeyDown(GridKey key, bool shift, char32_t character) {
    GridState& s = state_;
    switch (key) {
    case GridKey::Escape:
        if (s.editing) CancelEdit();
        return;
    case GridKey::F1: case GridKey::F2: case GridKey::F3: case GridKey::F4:
    case GridKey::F5: case GridKey::F6: case GridKey::F7: case GridKey::F8:
    case GridKey::F9: case GridKey::F10: case GridKey::F11: case GridKey::F12:
        Notify(GridFunctionKeyCode(static_cast<int>(key) - static_cast<int>(GridKey::F1) + 1));
        return;
    case GridKey::PageDown:
        AcceptEdit();
        if (s.rows != 0 && s.cursorRow != s.rows) MoveToRow(std::min(s.cursorRow + RowsPerPage(), s.rows));
        return;
    case GridKey::PageUp:
        AcceptEdit();
        if (s.rows != 0 && s.cursorRow != 1) MoveToRow(std::max(s.cursorRow - RowsPerPage(), 1));
        return;
    case GridKey::Down:
        AcceptEdit();
        if (s.rows != 0 && s.cursorRow != s.rows) MoveToRow(s.cursorRow + 1);
        return;
    case GridKey::Up:
        AcceptEdit();
        if (s.rows != 0 && s.cursorRow != 1) MoveToRow(s.cursorRow - 1);
        return;
    case GridKey::Tab:
        if (!shift) {
            OnKeyDown(GridKey::Right);
            return;
        }
        [[fallthrough]];
    case GridKey::Left:
        AcceptEdit();
        if (const int previous = NextVisibleColumn(s.cursorColumn, -1)) {
            InvalidateCursorFrame();
            s.cursorColumn = previous;
            NotifyCol();
            InvalidateCursorFrame();
            UpdateProtectFlag();
            ScrollCursorIntoView();
        }
        return;
    case GridKey::Right:
        AcceptEdit();
        InvalidateCursorFrame();
        if (const int next = NextVisibleColumn(s.cursorColumn, +1)) {
            s.cursorColumn = next;
            NotifyCol();
        }
        FinishMove();
        return;
    case GridKey::Return:
    case GridKey::Back:
    case GridKey::Delete:
    case GridKey::Char:
        HandleCharacterKey(key, character);
        return;
    }
}

void CBabyGrid::HandleCharacterKey(GridKey key, char32_t character) {
    GridState& s = state_;
    UpdateProtectFlag();
    if (s.cellProtected || !s.editable) {
        if (key == GridKey::Return) MoveDownOnReturn();
        return;
    }
    if (s.rows < 1 || IsBooleanType(GetCellType({s.cursorRow, s.cursorColumn}))) return;
    ScrollRowIntoView(s.cursorRow);
    switch (key) {
    case GridKey::Back:
    case GridKey::Delete:
        BeginEditIfIdle();
        if (!s.editString.empty()) s.editString.pop_back();
        Refresh();
        return;
    case GridKey::Return:
        AcceptEdit();
        MoveDownOnReturn();
        s.editing = false;
        return;
    default:
        if (character < 0x20 || character == 0x7F) return;
        BeginEditIfIdle();
        if (s.editString.size() <= kEditTypingLimit) s.editString.push_back(character);
        else Window().Beep();
        Refresh();
        return;
    }
}

void CBabyGrid::MoveToRow(int row) {
    InvalidateCursorFrame();
    state_.cursorRow = row;
    NotifyRow();
    FinishMove();
}

void CBabyGrid::MoveDownOnReturn() {
    if (state_.cursorRow < state_.rows) {
        InvalidateCursorFrame();
        ++state_.cursorRow;
        NotifyRow();
    }
    InvalidateCursorFrame();
    UpdateProtectFlag();
    ScrollRowIntoView(state_.cursorRow);
    Refresh();
}

void CBabyGrid::FinishMove() {
    InvalidateCursorFrame();
    UpdateProtectFlag();
    ScrollCursorIntoView();
    Refresh();
}

// ---- Editing in place

void CBabyGrid::BeginEditIfIdle() {
    if (state_.editing) return;
    Notify(GN_EDITBEGIN);
    state_.editing = true;
}

void CBabyGrid::AcceptEdit() {
    if (!state_.editing) return;
    SetCell({state_.cursorRow, state_.cursorColumn}, ToUtf8(state_.editString));
    state_.editString.clear();
    Refresh();
    state_.editing = false;
    Window().HideCaret();
    Notify(GN_EDITEND);
}

void CBabyGrid::CancelEdit() {
    state_.editing = false;
    state_.editString.clear();
    Window().HideCaret();
    Refresh();
    Notify(GN_EDITEND);
}

void CBabyGrid::ShowEditCaret() {
    const GridVisibleRange range = VisibleRange();
    const GridState& s = state_;
    if (s.cursorRow < range.topRow || s.cursorRow > range.bottomRow || s.cursorColumn < range.leftColumn ||
        s.cursorColumn > range.rightColumn) {
        Window().HideCaret();
        return;
    }
    const GridRect cell = CellRect(s.cursorRow, s.cursorColumn);
    Window().ShowCaret(cell.right - 8, cell.top + 6 + s.rowHeight / 2 - s.fontAscent);
}

std::string CBabyGrid::EditText() const {
    return ToUtf8(state_.editString);
}

// ---- Mouse

void CBabyGrid::SetMouseShape(GridMouseShape shape) {
    if (state_.mouseShape == shape) return;
    state_.mouseShape = shape;
    Window().SetMouseShape(shape);
}

void CBabyGrid::OnMouseMove(int x, int y) {
    GridState& s = state_;
    if (s.sizing) SetColWidth(s.sizingColumn, std::max(s.sizingStartWidth - s.sizingStartX + x, 0));
    const int column = ColumnAt(x);
    const bool nearBorder = ColumnAt(x - 10) != column || ColumnAt(x + 10) != column;
    if (RowAt(y) == 0 && column >= -1 && nearBorder && !s.sizing) {
        if (s.columnResize) SetMouseShape(kMouseShapeSizeWE);
    } else if (!s.sizing) {
        SetMouseShape(kMouseShapeArrow);
    }
}

void CBabyGrid::OnLeftDown(int x, int y) {
    GridState& s = state_;
    if (s.mouseShape == kMouseShapeSizeWE) {
        const int column = ColumnAt(x);
        int sized = -1;
        if (ColumnAt(x + 10) != column) sized = column;
        // Right of a border the column left of it is sized: the one under the pointer a little
        // to the left, which skips hidden columns.
        if (ColumnAt(x - 10) != column) sized = column == -1 ? s.columns : ColumnAt(x - 10);
        if (sized >= 0 && sized <= kGridMaxColumns) {
            if (!s.sizing) s.savedIntegralRows = s.integralRows;
            s.sizing = true;
            s.integralRows = false;
            s.sizingStartX = x;
            s.sizingColumn = sized;
            s.sizingStartWidth = s.widths[sized];
        }
    }
    if (s.editing) AcceptEdit();
    else Window().TakeFocus();
    if (!Window().HasFocus()) {
        Window().TakeFocus();
        return;
    }
    InvalidateCursorFrame();
    const int row = RowAt(y);
    const int column = ColumnAt(x);
    if (row >= 1 && column >= 1) {
        const bool rowChanged = row != s.cursorRow;
        const bool columnChanged = column != s.cursorColumn;
        s.cursorRow = row;
        s.cursorColumn = column;
        Notify(GN_CLICK);
        if (rowChanged) NotifyRow();
        if (columnChanged) NotifyCol();
    }
    FinishMove();
}

void CBabyGrid::OnLeftUp(int, int) {
    GridState& s = state_;
    if (!s.sizing) return;
    s.sizing = false;
    SetMouseShape(kMouseShapeArrow);
    s.integralRows = s.savedIntegralRows;
    ReapplySize();
}

// ---- Scrolling

void CBabyGrid::OnVScroll(GridScrollRequest request, int trackPosition) {
    Window().TakeFocus();
    const int max = std::max(vertical_.max, 1);
    int position = vertical_.position;
    switch (request) {
    case GridScrollRequest::LineForward: position = std::min(position + 1, max); break;
    case GridScrollRequest::LineBack: position = std::max(position - 1, 1); break;
    case GridScrollRequest::PageForward: position = std::min(position + RowsPerPage(), max); break;
    case GridScrollRequest::PageBack: position = std::max(position - RowsPerPage(), 1); break;
    case GridScrollRequest::Track: position = std::clamp(trackPosition, 1, max); break;
    case GridScrollRequest::Other: Refresh(); return;
    }
    state_.homeRow = position;
    if (request != GridScrollRequest::Track) ScrollRowIntoView(position);
    GridScrollState wanted = vertical_;
    wanted.position = state_.homeRow;
    ApplyScrollBar(GridScrollBar::Vertical, wanted);
    Window().Invalidate(position == max);
    Refresh();
}

void CBabyGrid::OnHScroll(GridScrollRequest request, int trackPosition) {
    Window().TakeFocus();
    int position = horizontal_.position;
    switch (request) {
    case GridScrollRequest::LineForward:
    case GridScrollRequest::PageForward: ++position; break;
    case GridScrollRequest::LineBack:
    case GridScrollRequest::PageBack: --position; break;
    case GridScrollRequest::Track: position = trackPosition; break;
    case GridScrollRequest::Other: Refresh(); return;
    }
    position = std::clamp(position, 1, std::max(horizontal_.max, 1));
    state_.homeColumn = std::max(NthVisibleColumn(position), 1);
    GridScrollState wanted = horizontal_;
    wanted.position = position;
    ApplyScrollBar(GridScrollBar::Horizontal, wanted);
    Refresh();
}

void CBabyGrid::ScrollRowIntoView(int row) {
    GridState& s = state_;
    const int height = Window().ClientHeight();
    const int area = height - s.titleHeight - s.headerHeight;
    while (CellRect(row, s.cursorColumn).bottom > height && s.rowHeight < area) {
        ++s.homeRow;
        Window().Invalidate(row == s.rows);
    }
    while (row < s.homeRow && s.homeRow > 1) {
        --s.homeRow;
        Invalidate();
    }
    GridScrollState wanted = vertical_;
    wanted.position = s.homeRow;
    ApplyScrollBar(GridScrollBar::Vertical, wanted);
}

void CBabyGrid::ScrollColumnIntoView(int column) {
    GridState& s = state_;
    const int width = Window().ClientWidth();
    while (CellRect(s.cursorRow, column).right > width && column != s.homeColumn && s.homeColumn < s.columns) {
        ++s.homeColumn;
        Invalidate();
    }
    while (column < s.homeColumn && s.homeColumn > 1) {
        --s.homeColumn;
        Invalidate();
    }
    int shown = 0;
    for (int c = 1; c <= s.homeColumn && c <= kGridMaxColumns; ++c)
        if (s.widths[c] > 0) ++shown;
    GridScrollState wanted = horizontal_;
    wanted.position = shown;
    ApplyScrollBar(GridScrollBar::Horizontal, wanted);
}

void CBabyGrid::ScrollCursorIntoView() {
    ScrollRowIntoView(state_.cursorRow);
    ScrollColumnIntoView(state_.cursorColumn);
}

// ---- Size and focus

void CBabyGrid::OnSize(int width, int height) {
    GridState& s = state_;
    if (s.ownResize) {
        s.ownResize = false;
        return;
    }
    CheckScrollBars();
    if (!s.integralRows || !vertical_.shown) return;
    const int scrollBar = Window().ScrollBarSize();
    const int usable = height - s.titleHeight - s.headerHeight - (horizontal_.shown ? scrollBar : 0);
    int useWidth = width;
    if (Window().ClientWidth() + scrollBar < Window().ParentClientWidth()) useWidth += scrollBar;
    if (s.rowHeight >= usable) return;
    const int newHeight = height - usable % s.rowHeight + 4;
    s.requestedWidth = width;
    s.requestedHeight = height;
    s.ownResize = true;
    if (!Window().Resize(useWidth, newHeight)) s.ownResize = false;
}

void CBabyGrid::OnSetFocus() {
    GridState& s = state_;
    s.hasFocus = true;
    InvalidateCursorFrame();
    UpdateProtectFlag();
    ScrollCursorIntoView();
    NotifyWithoutCursor(GN_SETFOCUS);
    s.fontAscent = Measure().Ascent(s.bodyFont);
    Window().CreateCaret(3, s.fontAscent);
    Refresh();
}

void CBabyGrid::OnKillFocus() {
    Window().DestroyCaret();
    InvalidateCursorFrame();
    state_.hasFocus = false;
    NotifyWithoutCursor(GN_KILLFOCUS);
    Refresh();
}
