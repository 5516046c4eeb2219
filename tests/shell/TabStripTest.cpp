// The tab strip and the property sheet, with captions 6 pixels per character.
#include <gtest/gtest.h>

#include "shell/controls/XPropertySheet.h"

namespace {

int SixPerCharacter(const std::string& text) { return 6 * static_cast<int>(text.size()); }

class RecordingParent : public TabNotifications {
public:
    void SelectionChanging() override { events.push_back("changing"); }
    void SelectionChanged() override { events.push_back("changed"); }
    void Clicked() override { events.push_back("click"); }
    void KeyDown(TabKey) override { events.push_back("key"); }
    std::vector<std::string> events;
};

class RecordingPage : public CXPropertyPage {
public:
    using CXPropertyPage::CXPropertyPage;
    void ShowPage(bool shown) override { visible = shown; }
    void PlacePage(const PixelRect& rect) override { placed = rect; }
    bool visible = false;
    PixelRect placed;
};

CXTabCtrl& Strip(CXTabCtrl& strip, int width, const std::vector<std::string>& captions, RecordingParent* parent) {
    strip.SetTextMeasure(SixPerCharacter);
    strip.SetParent(parent);
    strip.SetClientSize(width, 100);
    for (const std::string& caption : captions) strip.AddItem(caption, 0, false);
    return strip;
}

std::vector<int> Widths(const CXTabCtrl& strip) {
    std::vector<int> widths;
    for (int i = 0; i < strip.GetItemCount(); ++i) widths.push_back(strip.GetItem(i)->width);
    return widths;
}

}  // namespace

TEST(TabStrip, ATabIsAsWideAsItsIconAndCaptionWithMarginsAndTheStripFitsItsTabs) {
    CXTabCtrl strip;
    Strip(strip, 400, {"", "Tasks"}, nullptr);
    strip.AddItem("Tasks", 7, true);
    // max(11, icon part + 6 + text): no text, a caption of 30, the same with the icon part 19.
    EXPECT_EQ(Widths(strip), (std::vector<int>{11, 36, 55}));
    EXPECT_EQ(strip.GetItem(1)->x, 12);
    EXPECT_EQ(strip.GetItemWidth(-1), 102);

    CXTabCtrl narrow;
    Strip(narrow, 200, {"Requirements", "Requirements", "Requirements"}, nullptr);
    EXPECT_EQ(Widths(narrow), (std::vector<int>{66, 66, 68}));
    EXPECT_EQ(narrow.GetItem(2)->x, 133);
    narrow.SetClientSize(400, 100);
    EXPECT_EQ(Widths(narrow), (std::vector<int>{78, 78, 78}));
    EXPECT_EQ(narrow.DeleteItem(3), 0);
    EXPECT_EQ(narrow.DeleteItem(0), 1);
    EXPECT_EQ(narrow.GetItem(0)->x, 1);
}

TEST(TabStrip, RectanglesFollowTheTabEdge) {
    CXTabCtrl top;
    Strip(top, 300, {"Tasks", "Windows"}, nullptr);
    EXPECT_EQ(top.GetRect(1), (PixelRect{37, 0, 85, 22}));
    EXPECT_EQ(top.GetPageRect(), (PixelRect{2, 24, 298, 98}));
    EXPECT_EQ(top.HitTest(40, 5), 1);
    EXPECT_EQ(top.HitTest(200, 5), -1);
    EXPECT_EQ(top.HitTest(40, 22), -1);

    CXTabCtrl bottom(CXTabCtrl::kTabsBottom);
    Strip(bottom, 300, {"Tasks"}, nullptr);
    EXPECT_EQ(bottom.GetItemHeight(), 24);
    EXPECT_EQ(bottom.GetRect(0), (PixelRect{1, 75, 37, 99}));
    EXPECT_EQ(bottom.GetPageRect(), (PixelRect{2, 2, 298, 74}));
    // An unselected tab's caption sits 2 lower.
    bottom.SetCurSel(0);
    EXPECT_EQ(bottom.GetTextRect(0), (PixelRect{4, 75, 34, 99}));
    EXPECT_EQ(CXTabCtrl(0).GetStyle(), CXTabCtrl::kTabsTop);
}

TEST(TabStrip, ACaptionTooWideIsShortenedWithDots) {
    CXTabCtrl strip;
    strip.SetTextMeasure(SixPerCharacter);
    const struct {
        int width;
        const char* shown;
    } cases[] = {{72, "Requirements"}, {71, "Requirem..."}, {59, "Requir..."}, {24, "R..."}, {23, "R.."}, {5, ""}};
    for (const auto& c : cases) EXPECT_EQ(strip.FitCaption("Requirements", c.width), c.shown) << c.width;
    EXPECT_EQ(strip.GetIconRect({0, 0, 16, 22}), PixelRect{});
    EXPECT_EQ(strip.GetIconRect({4, 0, 40, 22}), (PixelRect{4, 3, 20, 19}));
}

TEST(TabStrip, EveryChangeOfTheSelectionIsAnnouncedBeforeAndAfter) {
    RecordingParent parent;
    CXTabCtrl strip;
    Strip(strip, 300, {"Tasks", "Windows", "Test Data"}, &parent);
    strip.SetCurSel(1);
    strip.SetCurSel(1);
    strip.SetCurSel(3);
    EXPECT_EQ(parent.events, (std::vector<std::string>{"changing", "changed", "changing", "changed"}));
    EXPECT_EQ(strip.GetCurSel(), 1);

    parent.events.clear();
    strip.OnLeftButtonDown(5, 5);
    strip.OnLeftButtonDown(290, 5);  // beside the tabs
    EXPECT_EQ(parent.events, (std::vector<std::string>{"changing", "changed", "click"}));
    EXPECT_EQ(strip.GetCurSel(), 0);

    CXTabCtrl alone;
    Strip(alone, 300, {"Tasks"}, nullptr);
    alone.SetCurSel(0);
    EXPECT_EQ(alone.GetCurSel(), 0);
}

TEST(TabStrip, KeysWalkTheTabsRoundAndMoveTheFocus) {
    RecordingParent parent;
    CXTabCtrl strip;
    Strip(strip, 300, {"Tasks", "Requirements", "Windows"}, &parent);
    strip.SetCurSel(0);
    const struct {
        TabKey key;
        bool ctrl;
        bool shift;
        TabKeyEffect effect;
        int selected;
    } steps[] = {
        {TabKey::Left, false, false, TabKeyEffect::Selection, 2},
        {TabKey::Right, false, false, TabKeyEffect::Selection, 0},
        {TabKey::Tab, true, true, TabKeyEffect::Selection, 2},
        {TabKey::Tab, true, false, TabKeyEffect::Selection, 0},
        {TabKey::End, false, false, TabKeyEffect::Selection, 2},
        {TabKey::Home, false, false, TabKeyEffect::Selection, 0},
        {TabKey::Tab, false, false, TabKeyEffect::FocusNextStop, 0},
        {TabKey::Tab, false, true, TabKeyEffect::FocusPreviousStop, 0},
        {TabKey::Down, false, false, TabKeyEffect::FocusFirstChild, 0},
        {TabKey::Left, true, false, TabKeyEffect::None, 0},
    };
    for (const auto& step : steps) {
        EXPECT_EQ(strip.OnKey(step.key, step.ctrl, step.shift), step.effect) << static_cast<int>(step.key);
        EXPECT_EQ(strip.GetCurSel(), step.selected) << static_cast<int>(step.key);
    }

    CXTabCtrl empty;
    Strip(empty, 300, {}, &parent);
    parent.events.clear();
    EXPECT_EQ(empty.OnKey(TabKey::Right, false, false), TabKeyEffect::None);
    EXPECT_TRUE(parent.events.empty());
}

TEST(PropertySheet, PagesComeWithTheirTabsAndShowWhileSelected) {
    RecordingParent parent;
    CXPropertySheet sheet;
    Strip(sheet, 200, {}, &parent);
    EXPECT_EQ(sheet.AddItem("Loose", 0, false), -1);
    EXPECT_EQ(sheet.GetItemCount(), 0);

    RecordingPage tasks("Tasks"), windows("Windows");
    const CXTabCtrl::CTabItem* tab = sheet.AddPage(&tasks, true, 279);
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(tab->caption, "Tasks");
    EXPECT_EQ(tab->data, 279u);
    sheet.AddPage(&windows, true, 276);
    EXPECT_EQ(sheet.GetCurSel(), 1);
    EXPECT_FALSE(tasks.visible);
    EXPECT_TRUE(windows.visible);
    EXPECT_EQ(sheet.GetPage(1), &windows);
    EXPECT_EQ(sheet.GetPage(2), nullptr);

    sheet.SetCurSel(0);
    EXPECT_TRUE(tasks.visible);
    EXPECT_FALSE(windows.visible);
    sheet.OnSize(300, 400);
    EXPECT_EQ(tasks.placed, (PixelRect{2, 24, 298, 398}));
    EXPECT_EQ(windows.placed, tasks.placed);
}
