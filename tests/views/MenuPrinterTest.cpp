// The menu on paper: trees of drop-downs in columns and bands, rules, transition lists, pages.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/ApplicationKav.h"
#include "model/TransitionKav.h"
#include "model/windows/MenuWindows.h"
#include "tests/support/WindowBuilder.h"
#include "tests/views/CountingSurface.h"
#include "views/menu/MenuViewPrint.h"
#include "views/print/MenuPrinter.h"

namespace {

// Rows are 18 high on the counting surface (14 + 4), a menu box 22 wider than its longest caption.
class MenuPrinterTest : public ProjectTest {
protected:
    CWindowKav* dialog = AddControl(project, "Dialog1", kWndDialogBox, nullptr, {0, 0, 300, 200});
    CMenuKav& menu = As<CMenuKav>(AddControl(project, "Menu1", kWndMenu, dialog, {}));

    CMenuItemKav* Item(const std::string& name, CWindowKav* parent, std::uint32_t flags = 0) {
        if (parent->GetType() == kWndMenuItem) static_cast<CMenuItemKav*>(parent)->SetPopup(true);
        return static_cast<CMenuItemKav*>(AddControl(project, name, kWndMenuItem, parent, {}, name, flags));
    }
    // Prints the page (0 counts) on a page of that area.
    CTransitionPrinter::Position Print(CountingSurface& surface, int page, ViewRect area = {0, 0, 500, 700},
                                       int startY = 0) {
        CMenuPrinter printer(startY, 1, area, page, surface, app.GetMetaConditions());
        printer.PrintMenu(menu);
        return printer.GetPosition();
    }
    static std::vector<draw::Lines> Rules(const CountingSurface& surface, int left, int right) {
        std::vector<draw::Lines> rules;
        for (const DrawPrimitive& primitive : surface.drawn)
            if (const auto* lines = std::get_if<draw::Lines>(&primitive))
                if (lines->points.size() == 2 && lines->points[0].x == left && lines->points[1].x == right)
                    rules.push_back(*lines);
        return rules;
    }
    static std::vector<draw::Fill> Fills(const CountingSurface& surface) {
        std::vector<draw::Fill> fills;
        for (const DrawPrimitive& primitive : surface.drawn)
            if (const auto* fill = std::get_if<draw::Fill>(&primitive)) fills.push_back(*fill);
        return fills;
    }
};

}  // namespace

TEST_F(MenuPrinterTest, PlainItemsPrintNoTreesOneRuleEachAndTheirTransitionLists) {
    CMenuItemKav* open = Item("Open", &menu);
    Item("Close", &menu);
    open->GetTransitions().Add(
        new CTransitionKav("Opening", "Click", "", "", "", "", open, dialog, 0, nullptr, 0, "", 0));
    CountingSurface surface;
    Print(surface, 1);
    EXPECT_TRUE(Fills(surface).empty());
    const auto rules = Rules(surface, 0, 500);
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_EQ(rules[0].points[0].y, 10);
    EXPECT_EQ(rules[1].points[0].y, 30);
    const std::vector<std::string> texts = surface.Texts();
    const auto at = [&texts](const std::string& text) { return std::find(texts.begin(), texts.end(), text); };
    ASSERT_NE(at("Transitions:"), texts.end());
    EXPECT_LT(at("Open"), at("Transitions:"));
    EXPECT_LT(at("Transitions:"), at("Close"));
    EXPECT_EQ(at("No Transitions."), at("Close") + 1);
}

TEST_F(MenuPrinterTest, CountingDrawsNothingAndGivesThePagesThatPrintingFills) {
    for (int i = 0; i < 6; ++i) {
        CMenuItemKav* popup = Item("Popup" + std::to_string(i), &menu, win32::MF_POPUP);
        for (int j = 0; j < 8; ++j) Item("Entry" + std::to_string(i) + std::to_string(j), popup);
    }
    CountingSurface counting;
    const int pages = Print(counting, 0).page;
    EXPECT_TRUE(counting.drawn.empty());
    EXPECT_GT(pages, 1);
    CountingSurface last;
    EXPECT_EQ(Print(last, pages).page, pages);
    EXPECT_FALSE(last.drawn.empty());
    CountingSurface beyond;
    Print(beyond, pages + 1);
    EXPECT_TRUE(beyond.drawn.empty());
}

TEST_F(MenuPrinterTest, APopupBlockThatWouldCrossThePageStartsOnTheNext) {
    CMenuItemKav* popup = Item("File", &menu, win32::MF_POPUP);
    for (int j = 0; j < 5; ++j) Item("Entry" + std::to_string(j), popup);
    // Caption 18 and a box of 5 rows (90): the block needs 118 below its start.
    const ViewRect area{0, 0, 500, 200};
    CountingSurface surface;
    Print(surface, 2, area, 150);
    auto fills = Fills(surface);
    ASSERT_EQ(fills.size(), 2u);  // caption bar and box, on page 2
    EXPECT_EQ(fills[0].rect.top, 0);

    // At the top of a page nothing moves, even when the block is taller than the page.
    for (int j = 5; j < 15; ++j) Item("Entry" + std::to_string(j), popup);
    CountingSurface top;
    Print(top, 1, area, 0);
    fills = Fills(top);
    ASSERT_FALSE(fills.empty());
    EXPECT_EQ(fills[0].rect.top, 0);
}

TEST_F(MenuPrinterTest, SubMenusStandInTheNextColumnAndWideTreesWrapIntoBands) {
    // Each level one popup with a long caption: 4 columns of 22 + 16·6 = 118 do not fit in 300.
    CWindowKav* parent = &menu;
    for (int depth = 0; depth < 5; ++depth)
        parent = Item("Level" + std::to_string(depth) + "xxxxxxxxxx", parent, depth < 4 ? win32::MF_POPUP : 0);
    CountingSurface surface;
    Print(surface, 1, {0, 0, 300, 700});
    std::vector<ViewRect> boxes;
    for (const DrawPrimitive& primitive : surface.drawn)
        if (const auto* edge = std::get_if<draw::Edge3D>(&primitive))
            if (edge->topLeft == ViewColour::Rgb(240, 240, 240)) boxes.push_back(edge->rect);
    ASSERT_EQ(boxes.size(), 4u);  // the children of File, then of each sub-menu
    EXPECT_EQ(boxes[0].left, 0);
    EXPECT_EQ(boxes[1].left, boxes[0].right + 20);
    EXPECT_EQ(boxes[1].top, boxes[0].top);
    // The third column starts a new band, below the first and right of its margin.
    EXPECT_GT(boxes[2].top, boxes[0].bottom);
    EXPECT_EQ(boxes[2].left, 4 * 1 + 20);
    EXPECT_EQ(boxes[3].top, boxes[2].top);

    // The line to the wrapped sub-menu runs around the right margin, above the new band and
    // down its left margin; the line within a band goes straight across.
    std::vector<std::vector<ViewPoint>> joins;
    for (const DrawPrimitive& primitive : surface.drawn)
        if (const auto* lines = std::get_if<draw::Lines>(&primitive); lines && lines->points.size() > 2)
            joins.push_back(lines->points);
    ASSERT_EQ(joins.size(), 3u);
    const int entry = joins[1].front().y;
    EXPECT_EQ(joins[1], (std::vector<ViewPoint>{{boxes[1].right, entry},
                                                {299, entry},
                                                {299, boxes[2].top - 10},
                                                {4, boxes[2].top - 10},
                                                {4, boxes[2].top + 9},
                                                {boxes[2].left, boxes[2].top + 9}}));
    EXPECT_EQ(joins[2].back(), (ViewPoint{boxes[3].left, boxes[3].top + 9}));
}

TEST_F(MenuPrinterTest, ThePrintedPageHasItsNumberAtTheFoot) {
    Item("Open", &menu);
    CountingSurface surface;
    EXPECT_EQ(PrintMenuPage(menu, surface, {0, 0, 595, 842}, 1), 1);
    EXPECT_EQ(surface.Texts().back(), "Page 1");
}
