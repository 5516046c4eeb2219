#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "tests/editors/GridTestSupport.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class BabyGridTest : public ::testing::Test {
protected:
    BabyGridTest() { grid.Attach(&window, &window); }

    // The client area, without its fitting to whole rows.
    void Place(int width, int height) {
        grid.SetIntegralRows(false);
        grid.Move({0, 0, width, height});
    }

    void Type(const std::string& text) {
        for (char c : text) grid.OnKeyDown(GridKey::Char, false, static_cast<char32_t>(c));
    }

    std::string Cell(int row, int column) {
        std::string text;
        grid.GetCell({row, column}, text);
        return text;
    }

    RecordingGridOwner owner;
    CBabyGrid grid{500, "", owner};
    RecordingGridWindow window{grid};
};

}  // namespace

TEST_F(BabyGridTest, TheTypeOfACellFollowsItsText) {
    struct Case {
        std::string text;
        int type;
    };
    const Case cases[] = {
        {"true", kCellTrue}, {"False", kCellFalse}, {"TRUE", kCellTrue},  {"-5", kCellNumber},
        {"+3.5", kCellNumber}, {"1,5", kCellNumber}, {"3-5", kCellText},  {"1.2.3", kCellText},
        {"12 a", kCellText},  {"", kCellText},      {"~7", kCellGraphic}, {"12\xC3\xA9", kCellText},
        {"7\xE2\x82\xAC", kCellNumber},  // a currency sign is no letter
    };
    int row = 1;
    for (const Case& c : cases) {
        ASSERT_EQ(grid.SetCell({row, 1}, c.text), 0);
        EXPECT_EQ(grid.GetCellType({row, 1}), c.type) << c.text;
        ++row;
    }
    EXPECT_EQ(grid.GetCellType({row, 1}), kCellNone);
}

TEST_F(BabyGridTest, CellsOutsideTheLimitsAreRefusedWithNotification3) {
    const std::vector<std::pair<std::string, std::function<int(GridCell)>>> messages{
        {"SetCell", [&](GridCell c) { return grid.SetCell(c, "x"); }},
        {"GetCell", [&](GridCell c) { std::string t; return grid.GetCell(c, t); }},
        {"DeleteCell", [&](GridCell c) { return grid.DeleteCell(c); }},
        {"SetProtect", [&](GridCell c) { return grid.SetProtect(c, true); }},
        {"GetProtect", [&](GridCell c) { return grid.GetProtect(c); }},
        {"GetCellType", [&](GridCell c) { return grid.GetCellType(c); }},
    };
    for (const auto& [name, message] : messages) {
        for (GridCell outside : {GridCell{32001, 1}, GridCell{1, 257}, GridCell{-1, 1}, GridCell{1, -1}}) {
            owner.notices.clear();
            EXPECT_EQ(message(outside), -1) << name << " " << outside.row << "," << outside.column;
            ASSERT_EQ(owner.notices.size(), 1u) << name;
            EXPECT_EQ(owner.notices[0].code, GN_OUTOFRANGE);
            EXPECT_EQ(owner.notices[0].row, 0);
        }
    }
    EXPECT_EQ(grid.SetCell({32000, 256}, "corner"), 0);
    EXPECT_EQ(Cell(32000, 256), "corner");
    EXPECT_EQ(grid.GetRows(), 32000);
}

TEST_F(BabyGridTest, SizesAndWidthsAreKeptWithinTheirLimits) {
    struct Case {
        int rows, columns, wantRows, wantColumns;
    };
    for (const Case& c :
         {Case{40000, 300, 32000, 256}, Case{5, 0, 5, 1}, Case{-1, 10, 32000, 10}, Case{0, 256, 0, 256}}) {
        grid.SetSize(c.rows, c.columns);
        EXPECT_EQ(grid.GetRows(), c.wantRows) << c.rows;
        EXPECT_EQ(grid.GetCols(), c.wantColumns) << c.columns;
    }
    // Widths outside the columns are neither read nor written.
    EXPECT_EQ(grid.GetColWidth(-1), -1);
    EXPECT_EQ(grid.GetColWidth(257), -1);
    EXPECT_EQ(grid.GetColWidth(256), 0);
    grid.SetColWidth(257, 80);
    grid.SetColWidth(3, -1);
    EXPECT_EQ(grid.GetColWidth(3), 50);
}

TEST_F(BabyGridTest, StoringATextKeepsItsLengthRowsAndProtectionRules) {
    grid.SetSize(5, 3);
    grid.SetCell({1, 1}, std::string(10000, 'x'));
    grid.SetCell({1, 2}, std::string(10001, 'x'));
    grid.SetCell({1, 3}, [] {
        std::string accented;
        for (int i = 0; i < 10000; ++i) accented += "\xC3\xA9";  // two bytes, one character
        return accented;
    }());
    EXPECT_EQ(Cell(1, 1).size(), 10000u);
    EXPECT_EQ(Cell(1, 2), "ERROR: TEXT TOO LONG");
    EXPECT_EQ(Cell(1, 3).size(), 20000u);

    grid.SetCell({9, 1}, "below");
    EXPECT_EQ(grid.GetRows(), 9);
    grid.SetAutoRows(false);
    grid.SetCell({12, 1}, "further");
    EXPECT_EQ(grid.GetRows(), 9);

    // A protected cell set anew takes the default protection.
    grid.SetProtect({2, 2}, true);
    EXPECT_EQ(grid.GetProtect({2, 2}), 1);
    EXPECT_EQ(grid.GetCellType({2, 2}), kCellText);
    grid.SetCell({2, 2}, "x");
    EXPECT_EQ(grid.GetProtect({2, 2}), 0);
    grid.SetDefaultProtect(true);
    grid.SetCell({2, 2}, "y");
    EXPECT_EQ(grid.GetProtect({2, 2}), 1);

    owner.notices.clear();
    EXPECT_EQ(grid.DeleteCell({3, 3}), 0);
    EXPECT_THAT(owner.Codes(), IsEmpty());
    EXPECT_EQ(grid.DeleteCell({2, 2}), 0);
    EXPECT_THAT(owner.Codes(), ElementsAre(GN_EDITEND));
    EXPECT_EQ(grid.GetCellType({2, 2}), kCellNone);
}

TEST_F(BabyGridTest, HeaderTextsWidenTheirColumnAndHeightenTheHeader) {
    // The stand-in measures 7 pixels a character and 16 a line.
    grid.SetCell({0, 2}, "A title of 20 chars.");
    EXPECT_EQ(grid.GetColWidth(2), 145);
    EXPECT_EQ(grid.GetHeaderHeight(), 21);
    grid.SetCell({0, 3}, "two\nlines");
    EXPECT_EQ(grid.GetHeaderHeight(), 37);
    grid.SetCell({0, 2}, "short");
    EXPECT_EQ(grid.GetColWidth(2), 145);  // only ever grows

    // Data cells are measured only with automatic widths, as one line while ellipsis is on.
    grid.SetCell({1, 4}, std::string(30, 'w'));
    EXPECT_EQ(grid.GetColWidth(4), 50);
    grid.SetAutoWidth(true);
    grid.SetCell({1, 4}, std::string(30, 'w') + "\nw");
    EXPECT_EQ(grid.GetColWidth(4), 215);
    EXPECT_EQ(grid.GetRowHeight(), 21);
    grid.SetEllipsis(false);
    grid.SetCell({1, 4}, "a\nb");
    EXPECT_EQ(grid.GetRowHeight(), 37);
}

TEST_F(BabyGridTest, ColumnLettersAndTitles) {
    const std::pair<int, std::string> letters[] = {{1, " A"},  {26, " Z"}, {27, "AA"},
                                                   {52, "AZ"}, {53, "BA"}, {256, "IV"}};
    for (const auto& [column, text] : letters) EXPECT_EQ(ColumnLetters(column), text) << column;

    grid.SetText(std::string(300, 't'));
    EXPECT_EQ(grid.State().title.size(), 300u);
    grid.SetText(std::string(301, 't'));
    EXPECT_EQ(grid.State().title, "Title too long (300 chars max)");
    EXPECT_EQ(grid.State().titleHeight, 19);  // 16 x 1.2
    grid.SetText("two\nlines");
    EXPECT_EQ(grid.State().titleHeight, 38);
    grid.SetText("");
    EXPECT_EQ(grid.State().titleHeight, 0);
}

TEST_F(BabyGridTest, PixelsFallOnRowsAndColumns) {
    Place(688, 320);
    grid.SetColWidth(0, 0);
    const std::pair<int, int> columns[] = {{0, 0}, {50, 1}, {51, 2}, {100, 2}, {101, 3}};
    for (const auto& [x, column] : columns) EXPECT_EQ(grid.ColumnAt(x), column) << x;
    const std::pair<int, int> rows[] = {{21, 0}, {22, 1}, {42, 2}, {70, 3}};
    for (const auto& [y, row] : rows) EXPECT_EQ(grid.RowAt(y), row) << y;

    grid.SetSize(3, 4);
    EXPECT_EQ(grid.RowAt(21 + 3 * 21 + 1), -1);
    EXPECT_EQ(grid.ColumnAt(201), 4);  // the last column extends
    grid.SetExtendLast(false);
    EXPECT_EQ(grid.ColumnAt(201), -1);
    EXPECT_EQ(grid.CellRect(2, 2), (GridRect{50, 42, 100, 63}));
}

TEST_F(BabyGridTest, AClickMovesTheCursorAndNotifiesInOrder) {
    Place(688, 320);
    grid.SetColWidth(0, 0);
    window.TakeFocus();
    EXPECT_THAT(owner.Codes(), ElementsAre(GN_SETFOCUS));
    owner.notices.clear();

    grid.OnLeftDown(100, 70);
    EXPECT_EQ(grid.GetCursorRow(), 3);
    EXPECT_EQ(grid.GetCursorCol(), 2);
    EXPECT_THAT(owner.Codes(), ElementsAre(GN_CLICK, GN_ROWCHANGED, GN_CELLCHANGED, GN_COLCHANGED, GN_CELLCHANGED));
    for (const GridNotice& notice : owner.notices) EXPECT_EQ(notice.row * 100 + notice.column, 302);

    // The header row and the row-header column move nothing.
    for (auto [x, y] : {std::pair{0, 70}, std::pair{100, 10}}) {
        owner.notices.clear();
        grid.OnLeftDown(x, y);
        EXPECT_THAT(owner.Codes(), IsEmpty()) << x << "," << y;
        EXPECT_EQ(grid.GetCursorRow(), 3);
    }
    // Without the focus the first click takes it and then moves the cursor.
    window.LoseFocus();
    owner.notices.clear();
    grid.OnLeftDown(30, 30);
    EXPECT_THAT(owner.Codes(), ElementsAre(GN_SETFOCUS, GN_CLICK, GN_ROWCHANGED, GN_CELLCHANGED, GN_COLCHANGED,
                                           GN_CELLCHANGED));
}

TEST_F(BabyGridTest, SidewaysKeysSkipHiddenColumns) {
    Place(688, 320);
    grid.SetColWidth(3, 0);
    grid.SetColWidth(4, 0);
    struct Case {
        GridKey key;
        bool shift;
        int from;
        int to;
    };
    const Case cases[] = {
        {GridKey::Right, false, 2, 5}, {GridKey::Tab, false, 2, 5}, {GridKey::Left, false, 5, 2},
        {GridKey::Tab, true, 5, 2},    {GridKey::Left, false, 1, 1},
    };
    for (const Case& c : cases) {
        grid.SetCursor(1, c.from);
        owner.notices.clear();
        grid.OnKeyDown(c.key, c.shift);
        EXPECT_EQ(grid.GetCursorCol(), c.to) << static_cast<int>(c.key) << " from " << c.from;
        if (c.to != c.from) EXPECT_THAT(owner.Codes(), ElementsAre(GN_COLCHANGED, GN_CELLCHANGED));
        else EXPECT_THAT(owner.Codes(), IsEmpty());
    }
    grid.SetCursor(1, 255);
    grid.OnKeyDown(GridKey::Right);
    EXPECT_EQ(grid.GetCursorCol(), 255);
}

TEST_F(BabyGridTest, PageKeysMoveByAScreenAndStopAtTheEnds) {
    Place(300, 21 + 10 * 21);
    grid.SetSize(30, 5);
    ASSERT_EQ(grid.RowsPerPage(), 10);
    struct Case {
        GridKey key;
        int from;
        int to;
    };
    const Case cases[] = {
        {GridKey::PageDown, 25, 30}, {GridKey::PageDown, 30, 30}, {GridKey::PageUp, 5, 1},
        {GridKey::PageUp, 1, 1},     {GridKey::Down, 29, 30},     {GridKey::Up, 1, 1},
    };
    for (const Case& c : cases) {
        grid.SetCursor(c.from, 1);
        owner.notices.clear();
        grid.OnKeyDown(c.key);
        EXPECT_EQ(grid.GetCursorRow(), c.to) << static_cast<int>(c.key) << " from " << c.from;
        if (c.to != c.from) EXPECT_THAT(owner.Codes(), ElementsAre(GN_ROWCHANGED, GN_CELLCHANGED));
        else EXPECT_THAT(owner.Codes(), IsEmpty());
    }
    // F-keys are passed on; F1 is 11.
    owner.notices.clear();
    grid.OnKeyDown(GridKey::F1);
    grid.OnKeyDown(GridKey::F12);
    EXPECT_THAT(owner.Codes(), ElementsAre(11, 22));
}

TEST_F(BabyGridTest, MovingTheCursorScrollsItIntoView) {
    Place(300, 21 + 10 * 21);
    grid.SetSize(30, 5);
    RecordingCanvas paint;  // the bars are fitted to the rows when the grid paints
    grid.Paint(paint);
    for (int i = 0; i < 12; ++i) grid.OnKeyDown(GridKey::Down);
    EXPECT_EQ(grid.GetCursorRow(), 13);
    EXPECT_EQ(grid.State().homeRow, 4);
    EXPECT_TRUE(grid.ScrollBar(GridScrollBar::Vertical).shown);
    EXPECT_EQ(grid.ScrollBar(GridScrollBar::Vertical).max, 21);
    EXPECT_EQ(grid.ScrollBar(GridScrollBar::Vertical).position, 4);
    grid.OnKeyDown(GridKey::PageUp);
    EXPECT_EQ(grid.GetCursorRow(), 3);
    EXPECT_EQ(grid.State().homeRow, 3);

    grid.OnVScroll(GridScrollRequest::Track, 20);
    EXPECT_EQ(grid.State().homeRow, 20);
    grid.OnVScroll(GridScrollRequest::LineForward);
    EXPECT_EQ(grid.State().homeRow, 21);
    grid.OnVScroll(GridScrollRequest::LineForward);
    EXPECT_EQ(grid.State().homeRow, 21);

    // Columns: the home column follows the cursor to the right and back.
    grid.SetSize(30, 20);
    grid.SetCursor(3, 12);
    EXPECT_EQ(grid.State().homeColumn, 8);
    EXPECT_EQ(grid.ScrollBar(GridScrollBar::Horizontal).position, 8);
    grid.SetCursor(3, 2);
    EXPECT_EQ(grid.State().homeColumn, 2);
    grid.OnHScroll(GridScrollRequest::LineForward);
    EXPECT_EQ(grid.State().homeColumn, 3);
}

TEST_F(BabyGridTest, IntegralRowsFitTheHeightToWholeRows) {
    // Every column shown: both bars; the usable height is 10 rows and 7 pixels.
    const int height = 21 + 16 + 10 * 21 + 7;
    window.parentWidth = 0;
    grid.Move({0, 0, 300, height});
    ASSERT_FALSE(window.resizes.empty());
    EXPECT_EQ(window.resizes.back(), (GridRect{0, 0, 300, height - 7 + 4}));
    EXPECT_EQ(window.ClientHeight() - 21 - 16, 10 * 21 + 4);
    EXPECT_FALSE(grid.State().ownResize);

    // A parent with room takes the vertical bar's width as well.
    window.parentWidth = 1000;
    window.resizes.clear();
    grid.Move({0, 0, 400, height});
    EXPECT_EQ(window.resizes.back(), (GridRect{0, 0, 416, height - 7 + 4}));

    // Without the vertical bar nothing changes.
    window.resizes.clear();
    grid.SetSize(2, 3);
    grid.Move({0, 0, 300, height + 1});
    EXPECT_EQ(window.resizes.size(), 1u);  // only the move itself
}

TEST_F(BabyGridTest, EditingInPlaceKeepsAtMost301CharactersAndStoresOnReturn) {
    Place(688, 320);
    grid.SetEditable(true);
    grid.SetCell({1, 1}, "old");
    window.TakeFocus();
    grid.SetCursor(1, 1);
    owner.notices.clear();

    Type("a");
    EXPECT_THAT(owner.Codes(), ElementsAre(GN_EDITBEGIN));
    EXPECT_TRUE(grid.State().editing);
    Type(std::string(301, 'b'));
    EXPECT_EQ(grid.EditText().size(), 301u);
    EXPECT_EQ(window.beeps, 1);
    grid.OnKeyDown(GridKey::Back);
    EXPECT_EQ(grid.EditText().size(), 300u);
    owner.notices.clear();
    grid.OnKeyDown(GridKey::Return);
    EXPECT_EQ(Cell(1, 1), "a" + std::string(299, 'b'));
    EXPECT_THAT(owner.Codes(), ElementsAre(GN_EDITEND, GN_ROWCHANGED, GN_CELLCHANGED));
    EXPECT_EQ(grid.GetCursorRow(), 2);
    EXPECT_FALSE(grid.State().editing);

    // Escape keeps the old text; a navigation key stores.
    grid.SetCell({2, 1}, "kept");
    Type("x");
    owner.notices.clear();
    grid.OnKeyDown(GridKey::Escape);
    EXPECT_EQ(Cell(2, 1), "kept");
    EXPECT_THAT(owner.Codes(), ElementsAre(GN_EDITEND));
    Type("y");
    grid.OnKeyDown(GridKey::Right);
    EXPECT_EQ(Cell(2, 1), "y");
    // Return without an edit in progress moves on and leaves the text.
    grid.SetCursor(2, 1);
    grid.OnKeyDown(GridKey::Return);
    EXPECT_EQ(Cell(2, 1), "y");
    EXPECT_EQ(grid.GetCursorRow(), 3);

    // Booleans and protected cells take no typing; Return still moves down from a protected one.
    grid.SetCell({3, 1}, "TRUE");
    grid.SetProtect({4, 1}, true);
    for (int row : {3, 4}) {
        grid.SetCursor(row, 1);
        owner.notices.clear();
        Type("z");
        EXPECT_THAT(owner.Codes(), IsEmpty()) << row;
        EXPECT_FALSE(grid.State().editing);
    }
    grid.OnKeyDown(GridKey::Return);
    EXPECT_EQ(grid.GetCursorRow(), 5);
    EXPECT_THAT(owner.Codes(), ElementsAre(GN_ROWCHANGED, GN_CELLCHANGED));

    // Not editable: Return moves down, typing does nothing, a Return without an edit stores nothing.
    grid.SetEditable(false);
    grid.SetCell({5, 1}, "stays");
    Type("q");
    EXPECT_FALSE(grid.State().editing);
    grid.OnKeyDown(GridKey::Return);
    EXPECT_EQ(grid.GetCursorRow(), 6);
    EXPECT_EQ(Cell(5, 1), "stays");
}

TEST_F(BabyGridTest, PaintDrawsEachCellByItsType) {
    Place(688, 320);
    grid.SetSize(2, 4);
    grid.SetColLetters(false);
    grid.SetCell({0, 2}, "Name");
    grid.SetCell({1, 1}, "TRUE");
    grid.SetCell({1, 2}, "12");
    grid.SetCell({1, 3}, "abc");
    grid.SetCell({1, 4}, "~7");
    grid.SetHighlightColor(0x640000);

    RecordingCanvas unfocused;
    grid.Paint(unfocused);
    EXPECT_THAT(unfocused.Of("frame"), IsEmpty());
    EXPECT_THAT(unfocused.Of("check"), ElementsAre(::testing::Field(&DrawnItem::text, "checked")));
    const GridRect header{0, 0, 688, 21};
    EXPECT_THAT(unfocused.TextsIn(header), ElementsAre("", "", "Name", "", ""));
    const GridRect rowHeaders{0, 21, 50, 63};
    EXPECT_THAT(unfocused.TextsIn(rowHeaders), ElementsAre("1", "2"));
    for (const DrawnItem& text : unfocused.Of("text")) {
        const unsigned alignment = text.format & (kTextRight | kTextCenter);
        if (text.text == "12") {
            EXPECT_EQ(alignment, kTextRight);
        } else if (text.text == "abc") {
            EXPECT_EQ(alignment, kTextLeft);
            EXPECT_EQ(text.format & kTextEndEllipsis, kTextEndEllipsis);
        }
    }
    ASSERT_EQ(owner.notices.back().code, GN_DRAWITEM);
    EXPECT_EQ(grid.GetDrawItem(), 7);
    EXPECT_EQ(owner.notices.back().itemRect, grid.CellRect(1, 4).Deflated(2, 0));

    // With the focus the cursor row is highlighted and framed; the owner's flag frames it without.
    window.TakeFocus();
    RecordingCanvas focused;
    grid.Paint(focused);
    ASSERT_EQ(focused.Of("frame").size(), 1u);
    EXPECT_EQ(focused.Of("frame")[0].rect, grid.CellRect(1, 1));
    // The frame shows on any background: its colour is the cursor colour in exclusive-or with it.
    EXPECT_EQ(focused.Of("frame")[0].colour, 0xFFFFFFu ^ 0x640000u);
    EXPECT_EQ(focused.Of("cell")[0].colour, 0x640000u);
    window.LoseFocus();
    owner.cursorAfterPaint = true;
    RecordingCanvas flagged;
    grid.Paint(flagged);
    EXPECT_EQ(flagged.Of("frame").size(), 1u);
    EXPECT_NE(flagged.Of("cell")[0].colour, 0x640000u);

    // Letters in place of the stored titles.
    grid.SetColLetters(true);
    RecordingCanvas lettered;
    grid.Paint(lettered);
    EXPECT_THAT(lettered.TextsIn(header), ElementsAre("", " A", " B", " C", " D"));
}

TEST_F(BabyGridTest, ColumnBordersCanBeDraggedWhenAllowed) {
    Place(688, 320);
    struct Case {
        int grabX;
        int sizedColumn;
    };
    // Columns 1 and 2 meet at x 100: grabbed left or right of it, column 1 is sized.
    for (const Case& c : {Case{98, 1}, Case{103, 1}, Case{148, 2}}) {
        grid.SetColWidth(1, 50);
        grid.SetColWidth(2, 50);
        grid.SetIntegralRows(true);
        grid.OnMouseMove(c.grabX, 100);
        grid.SetColResize(false);
        grid.OnMouseMove(c.grabX, 10);
        EXPECT_EQ(window.shape, kMouseShapeArrow);
        grid.SetColResize(true);
        grid.OnMouseMove(c.grabX, 10);
        EXPECT_EQ(window.shape, kMouseShapeSizeWE) << c.grabX;
        grid.OnLeftDown(c.grabX, 10);
        EXPECT_FALSE(grid.State().integralRows);
        grid.OnMouseMove(c.grabX + 30, 10);
        EXPECT_EQ(grid.GetColWidth(c.sizedColumn), 80) << c.grabX;
        grid.OnLeftUp(c.grabX + 30, 10);
        EXPECT_EQ(window.shape, kMouseShapeArrow);
        EXPECT_TRUE(grid.State().integralRows);
    }
    // Away from the header the pointer stays an arrow.
    grid.OnMouseMove(98, 100);
    EXPECT_EQ(window.shape, kMouseShapeArrow);
}
