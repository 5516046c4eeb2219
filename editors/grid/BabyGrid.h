#pragma once
// The record grid without its window: a table of text cells under a header row, beside a
// row-header column, with a cursor cell, editing in place, check-box cells and column sizing.
// Its owner sends it messages (the methods below, one per message) and hears what happens
// through notifications; the window that shows it forwards paint, key, mouse, focus, scroll
// and size events and gives it the services of GridWindow.
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "editors/grid/GridCanvas.h"
#include "editors/grid/GridCellStore.h"
#include "editors/grid/GridTypes.h"
#include "editors/grid/GridWindow.h"

class HeadlessGridWindow;

// The grid's owner: hears the notifications and holds the flag that keeps the cursor frame
// drawn after each paint.
class GridOwner {
public:
    virtual ~GridOwner() = default;
    virtual void OnGridNotify(const GridNotice& notice) = 0;
    virtual bool GridCursorAfterPaint() const { return false; }
};

// Every value the grid keeps.
struct GridState {
    int controlId = 0;
    bool defaultProtect = false;
    std::string title;
    std::u32string editString;
    int rows = 100;
    int columns = 255;
    int homeRow = 1;
    int homeColumn = 1;
    int rowHeight = 21;
    int headerHeight = 21;
    int titleHeight = 0;
    int cursorRow = 1;
    int cursorColumn = 1;
    int drawItem = 0;
    int fontAscent = 0;

    GridColour cursorColour = 0xFFFFFF;
    GridColour protectColour = 0xFFFFFF;
    GridColour unprotectColour = 0xFFFFFF;
    GridColour textColour = 0x000000;
    GridColour highlightColour = 0x800000;
    GridColour gridLineColour = 0xDCDCDC;
    GridColour highlightTextColour = 0xFFFFFF;

    bool drawHighlight = true;
    bool cellProtected = false;
    bool hasFocus = false;
    bool autoRows = true;
    bool rowNumbers = true;
    bool columnLetters = true;
    bool editable = false;
    bool editing = false;
    bool extendLast = true;
    bool integralRows = true;
    bool ownResize = false;
    bool ellipsis = true;
    bool autoWidth = false;
    bool columnResize = false;

    // Where the cursor frame was drawn last.
    GridRect activeCell;

    GridFont bodyFont;
    std::optional<GridFont> headingFont;
    std::optional<GridFont> titleFont;

    // Column sizing with the mouse.
    bool sizing = false;
    int sizingColumn = 0;
    int sizingStartWidth = 0;
    int sizingStartX = 0;
    bool savedIntegralRows = true;
    GridMouseShape mouseShape = kMouseShapeNone;

    // Width 0 hides a column.
    std::array<int, kGridMaxColumns + 1> widths{};

    // The size a size event gave when the grid last fitted its height to whole rows.
    int requestedWidth = 0;
    int requestedHeight = 0;
};

// The scroll bars as the grid last set them.
struct GridScrollState {
    bool shown = false;
    int max = 1;
    int position = 1;
    int page = 1;
};

// A scroll request of a scroll bar: back is up or left.
enum class GridScrollRequest { LineBack, LineForward, PageBack, PageForward, Track, Other };

// The first and last row and column a paint shows.
struct GridVisibleRange {
    int leftColumn = 1;
    int rightColumn = 1;
    int topRow = 1;
    int bottomRow = 1;
};

// The header letters of a column: a blank or a first letter, then a second ("A" for 1,
// "AA" for 27, "IV" for 256).
std::string ColumnLetters(int column);

class CBabyGrid {
public:
    // Made with the window's name as its title and the fonts of a new control; without a
    // window until one is attached.
    CBabyGrid(int controlId, const std::string& windowName, GridOwner& owner);
    ~CBabyGrid();
    CBabyGrid(const CBabyGrid&) = delete;
    CBabyGrid& operator=(const CBabyGrid&) = delete;

    // The window that shows the grid and measures its texts; null for the headless stand-in.
    void Attach(GridWindow* window, GridTextMeasure* measure);

    const GridState& State() const { return state_; }
    const GridCellStore& Cells() const { return cells_; }

    // ---- Messages. Those that take a cell send GN_OUTOFRANGE and return -1 for a cell
    // outside rows 0..32000 and columns 0..256.

    int SetProtect(GridCell cell, bool isProtected);
    void SetDefaultProtect(bool isProtected) { state_.defaultProtect = isProtected; }
    // Stores the text with the default protection; header texts widen their column and
    // heighten the header row.
    int SetCell(GridCell cell, const std::string& text);
    // The cell's text, empty for a cell not stored.
    int GetCell(GridCell cell, std::string& text);
    void Clear();
    // The row count is clamped to 32000 (a negative count read as a large one), the column
    // count to 1..256.
    void SetSize(int rows, int columns);
    int DeleteCell(GridCell cell);
    // Moves the cursor there when it is a data cell; no notification.
    void SetCursor(int row, int column);
    void SetAutoRows(bool on) { state_.autoRows = on; }
    int GetDrawItem() const { return state_.drawItem; }
    // Ignored for a column outside 0..256 or a negative width.
    void SetColWidth(int column, int width);
    void SetHeaderHeight(int height);
    int GetCellType(GridCell cell);
    int GetProtect(GridCell cell);
    // Draws the cursor frame again.
    void DrawCursor();
    void SetRowHeight(int height);
    void SetCursorColor(GridColour colour);
    void SetProtectColor(GridColour colour) { StoreAndInvalidate(state_.protectColour, colour); }
    void SetUnprotectColor(GridColour colour) { StoreAndInvalidate(state_.unprotectColour, colour); }
    void SetRowNumbers(bool on) { StoreAndInvalidate(state_.rowNumbers, on); }
    void SetColLetters(bool on) { StoreAndInvalidate(state_.columnLetters, on); }
    void SetHighlight(bool on) { StoreAndRefresh(state_.drawHighlight, on); }
    int GetRows() const { return state_.rows; }
    int GetCols() const { return state_.columns; }
    // GN_ROWCHANGED or GN_COLCHANGED, then GN_CELLCHANGED.
    void NotifyRow();
    void NotifyCol();
    int GetCursorRow() const { return state_.cursorRow; }
    int GetCursorCol() const { return state_.cursorColumn; }
    void RepaintBeep();
    // -1 for a column outside 0..256.
    int GetColWidth(int column) const;
    int GetRowHeight() const { return state_.rowHeight; }
    int GetHeaderHeight() const { return state_.headerHeight; }
    void SetTitleHeight(int height);
    void SetHighlightColor(GridColour colour) { StoreAndInvalidate(state_.highlightColour, colour); }
    void SetHighlightTextColor(GridColour colour) { StoreAndInvalidate(state_.highlightTextColour, colour); }
    void SetEditable(bool on) { state_.editable = on; }
    void SetGridLineColor(GridColour colour);
    void SetExtendLast(bool on) { StoreAndRefresh(state_.extendLast, on); }
    void SetIntegralRows(bool on);
    void SetEllipsis(bool on) { StoreAndInvalidate(state_.ellipsis, on); }
    void SetAutoWidth(bool on) { state_.autoWidth = on; }
    void SetColResize(bool on) { state_.columnResize = on; }
    void SetTitleFont(const GridFont& font) { StoreAndInvalidate(state_.titleFont, std::optional(font)); }
    void SetHeadingFont(const GridFont& font) { StoreAndInvalidate(state_.headingFont, std::optional(font)); }

    // ---- Window messages and events

    // Places the grid in its parent.
    void Move(const GridRect& rect);
    // The title: at most 300 characters, else an error text.
    void SetText(const std::string& title);
    void SetFont(const GridFont& font);
    void OnEnable(bool enabled);
    void Paint(GridCanvas& canvas);
    void OnKeyDown(GridKey key, bool shift = false, char32_t character = 0);
    void OnMouseMove(int x, int y);
    void OnLeftDown(int x, int y);
    void OnLeftUp(int x, int y);
    void OnVScroll(GridScrollRequest request, int trackPosition = 0);
    void OnHScroll(GridScrollRequest request, int trackPosition = 0);
    // The client area's new size.
    void OnSize(int width, int height);
    void OnSetFocus();
    void OnKillFocus();

    // ---- Geometry, as paint and the mouse use it

    // -1 above the header row or below the last row, 0 on the header row.
    int RowAt(int y) const;
    // 0 on the row-header column; -1 right of the last column (the last column when the last
    // column extends).
    int ColumnAt(int x) const;
    GridRect CellRect(int row, int column) const;
    GridVisibleRange VisibleRange() const;
    int RowsPerPage() const;
    // The next column of width above 0 in the direction (+1, -1); 0 when none.
    int NextVisibleColumn(int column, int direction) const;
    const GridScrollState& ScrollBar(GridScrollBar bar) const;
    // Whether the paint draws the cursor frame: while the grid has the focus, or always when
    // the owner asks for it, and only with rows and the cursor cell at or after the home cell.
    bool ShowsCursorFrame() const;
    // What an edit in progress has typed.
    std::string EditText() const;

private:
    GridWindow& Window() const { return *window_; }
    GridTextMeasure& Measure() const { return *measure_; }
    const GridFont& HeadingFont() const { return state_.headingFont ? *state_.headingFont : state_.bodyFont; }
    const GridFont& TitleFont() const { return state_.titleFont ? *state_.titleFont : state_.bodyFont; }

    void Notify(int code);
    void NotifyWithoutCursor(int code);
    int OutOfRange();
    static bool InRange(GridCell cell);

    void Invalidate() { Window().Invalidate(false); }
    // A setting that only changes the looks.
    template <class T>
    void StoreAndInvalidate(T& field, T value) {
        field = std::move(value);
        Invalidate();
    }
    template <class T>
    void StoreAndRefresh(T& field, T value) {
        field = std::move(value);
        Refresh();
    }
    // Invalidates and, while an edit is in progress, shows the edit's caret again.
    void Refresh();
    // Sends the size event twice with the size last requested.
    void ReapplySize();
    void InvalidateCell(GridCell cell);
    void InvalidateCursorFrame();
    void MeasureCell(GridCell cell, const std::string& text);

    void UpdateProtectFlag();
    void ScrollRowIntoView(int row);
    void ScrollColumnIntoView(int column);
    void ScrollCursorIntoView();
    // Frame, protection flag, cursor into view, refresh: how moves of the cursor end.
    void FinishMove();
    void MoveToRow(int row);
    void MoveDownOnReturn();

    void BeginEditIfIdle();
    void AcceptEdit();
    void CancelEdit();
    void ShowEditCaret();
    void HandleCharacterKey(GridKey key, char32_t character);

    int VisibleColumnCount() const;
    int NthVisibleColumn(int n) const;
    void CheckScrollBars();
    void UpdateHorizontalRange();
    void ApplyScrollBar(GridScrollBar bar, const GridScrollState& wanted);
    void SetMouseShape(GridMouseShape shape);

    void PaintColumn(GridCanvas& canvas, const GridVisibleRange& range, int column, int x);
    void PaintDataCell(GridCanvas& canvas, const GridRect& rect, GridCell cell);
    // The highlight in the cursor row while the grid has the focus, else by protection.
    GridColour CellBackground(GridCell cell) const;

    GridOwner& owner_;
    GridState state_;
    GridCellStore cells_;
    GridScrollState horizontal_;
    GridScrollState vertical_;
    std::unique_ptr<HeadlessGridWindow> headless_;
    GridWindow* window_;
    GridTextMeasure* measure_;
};
