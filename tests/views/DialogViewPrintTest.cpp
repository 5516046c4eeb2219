// The window view on paper and in a bitmap.
#include <gtest/gtest.h>

#include "tests/support/WindowBuilder.h"
#include "tests/views/CountingSurface.h"
#include "tests/views/FakeDialogViewHost.h"
#include "views/print/PrintPage.h"
#include "views/window/DialogView.h"
#include "views/window/DialogViewPrint.h"

namespace {

class DialogViewPrintTest : public ProjectTest {
protected:
    CWindowKav* dialog = AddControl(project, "Dialog1", kWndDialogBox, nullptr, {0, 0, 200, 100});
    const ViewRect a4 = PageRectInPoints(0, 0, 0, 0);

    void Show() { view.SetDisplayedWindow(dialog, CDialogView::kShowTransitions); }
    int Print(int page, CountingSurface& on) { return PrintDialogPage(view, on, a4, page); }

    FakeDialogViewHost host;
    CDialogView view{host};
};

}  // namespace

TEST_F(DialogViewPrintTest, AViewWithoutTransitionsPrintsTheHeadingOnOnePage) {
    Show();
    CountingSurface counting, printing;
    EXPECT_EQ(Print(0, counting), 1);
    EXPECT_TRUE(counting.drawn.empty());
    EXPECT_EQ(Print(1, printing), 1);
    const std::vector<std::string> texts = printing.Texts();
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[texts.size() - 2], "Transitions:");
    EXPECT_EQ(texts.back(), "Page 1");
    // The picture at its own size (72 units per inch), the separator at its height (190).
    EXPECT_EQ(printing.unitsPerInchSet, (std::vector<int>{72, 72}));
}

TEST_F(DialogViewPrintTest, TheCountingPassAndEachPageAgree) {
    CWindowKav* button = AddControl(project, "Button1", kWndPushButton, dialog, {10, 20, 60, 40});
    for (int i = 0; i < 40; ++i) project.AddTransition(button, "T" + std::to_string(i))->SetDestWindow(dialog);
    Show();
    CountingSurface counting;
    const int pages = Print(0, counting);
    ASSERT_GT(pages, 1);
    std::vector<std::string> blocks;
    for (int page = 1; page <= pages; ++page) {
        CountingSurface printing;
        EXPECT_EQ(Print(page, printing), pages) << page;
        for (const std::string& text : printing.Texts())
            if (text.find(" -> ") != std::string::npos) blocks.push_back(text);
        EXPECT_EQ(printing.Texts().back(), "Page " + std::to_string(page));
    }
    EXPECT_EQ(blocks.size(), 40u) << "each block printed on exactly one page";
}

TEST_F(DialogViewPrintTest, AWindowWiderThanThePageShrinksToItsWidth) {
    dialog->SetRect({0, 0, 1130, 300});  // the view is 1190 wide: twice the page's 595
    Show();
    CountingSurface printing;
    Print(1, printing);
    EXPECT_EQ(printing.unitsPerInchSet, (std::vector<int>{144, 72}));
    // The picture is 390 high at its size, 195 on paper: the separator, and the list 10 below.
    const auto* separator = [&]() -> const draw::Lines* {
        for (const DrawPrimitive& primitive : printing.drawn)
            if (const auto* lines = std::get_if<draw::Lines>(&primitive); lines && lines->points.front().x == 0 &&
                                                                           lines->points.back().x == 595)
                return lines;
        return nullptr;
    }();
    ASSERT_NE(separator, nullptr);
    EXPECT_EQ(separator->points.front().y, 195);
    for (const DrawPrimitive& primitive : printing.drawn) {
        const auto* text = std::get_if<draw::Text>(&primitive);
        if (text && text->text == "Transitions:") {
            EXPECT_EQ(text->rect.top, 205);
        }
    }
}

TEST_F(DialogViewPrintTest, LoopLabelsMoveOutwardUntilTheyCoverNoEarlierLabel) {
    // Three loops over the button's right end, their top segments at 70 (85 to 105), 67 (82 to
    // 108) and 73 (88 to 102); a label is 6 x 10 in the counting surface.
    CWindowKav* button = AddControl(project, "Button1", kWndPushButton, dialog, {10, 20, 60, 40});
    for (int i = 0; i < 3; ++i) project.AddTransition(button, "Loop" + std::to_string(i))->SetDestWindow(button);
    Show();
    view.RouteArrows();
    CountingSurface labels;
    DrawTransitionLabels(view, labels);
    std::vector<ViewPoint> centres;
    for (const DrawPrimitive& primitive : labels.drawn)
        if (const auto* box = std::get_if<draw::Box>(&primitive))
            centres.push_back({(box->rect.left + box->rect.right) / 2, (box->rect.top + box->rect.bottom) / 2});
    EXPECT_EQ(labels.Texts(), (std::vector<std::string>{"1", "2", "3"}));
    // The first in the middle; the second 10 to the right, clear of it; the third finds no free
    // place on its short segment and stays at the last one tried, its left end.
    EXPECT_EQ(centres, (std::vector<ViewPoint>{{95, 70}, {105, 67}, {88, 73}}));
}

TEST_F(DialogViewPrintTest, ABitmapIsMadeUpTo16384AndRoundedToFour) {
    struct Case {
        int width, height;  // of the window; the view adds 60 and 90
        std::optional<ViewSize> bitmap;
    };
    const Case cases[] = {
        {200, 100, ViewSize{260, 190}},
        {201, 100, ViewSize{264, 190}},
        {16324, 100, ViewSize{16384, 190}},
        {16325, 100, std::nullopt},
        {200, 16294, ViewSize{260, 16384}},
        {200, 16295, std::nullopt},
    };
    for (const Case& c : cases) {
        dialog->SetRect({0, 0, c.width, c.height});
        Show();
        EXPECT_EQ(view.GetBitmapSize(), c.bitmap) << c.width << " x " << c.height;
    }
}

TEST(PrintPage, APrinterPageInPointsOrA4WithoutAPrinter) {
    EXPECT_EQ(PageRectInPoints(4960, 7015, 600, 600), (ViewRect{0, 0, 595, 842}));
    EXPECT_EQ(PageRectInPoints(850, 1100, 100, 100), (ViewRect{0, 0, 612, 792}));
    EXPECT_EQ(PageRectInPoints(0, 0, 0, 0), (ViewRect{0, 0, 595, 842}));
    EXPECT_EQ(PageRectInPoints(1, 1100, 600, 100), (ViewRect{0, 0, 595, 842}));
}
