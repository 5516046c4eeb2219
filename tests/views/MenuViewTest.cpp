// The menu view: the layout of bar and drop-downs, the shapes of transitions, opening a chain
// from outside, and what clicks choose.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/TransitionKav.h"
#include "model/windows/MenuWindows.h"
#include "tests/support/GlobalState.h"
#include "tests/support/WindowBuilder.h"
#include "tests/views/CountingSurface.h"
#include "tests/views/FakeMenuViewHost.h"
#include "views/menu/MenuScrollView.h"

namespace {

// The counting surface measures 6 units a character and 14 a line: the bar is 21 high, a
// drop-down row 18.
class MenuViewTest : public ProjectTest {
protected:
    CWindowKav* dialog = AddControl(project, "Dialog1", kWndDialogBox, nullptr, {0, 0, 300, 200});
    CWindowKav* menu = AddControl(project, "Menu1", kWndMenu, dialog, {});

    CMenuItemKav* Item(const std::string& name, CWindowKav* parent, std::uint32_t flags = 0) {
        auto* item = static_cast<CMenuItemKav*>(AddControl(project, name, kWndMenuItem, parent, {}, name, flags));
        if (parent->GetType() == kWndMenuItem) static_cast<CMenuItemKav*>(parent)->SetPopup(true);
        return item;
    }
    CTransitionKav* Transition(CMenuItemKav* from, CWindowKav* to) {
        auto* transition = new CTransitionKav("T" + std::to_string(from->GetTransitions().size()), "Click", "", "",
                                              "", "", from, to, 0, nullptr, 0, "", 0);
        from->GetTransitions().Add(transition);
        return transition;
    }
    void Show(int flags = CMenuScrollView::kShowTransitions) {
        view.SetDisplayedWindow(&As<CMenuKav>(menu), flags);
        view.LayoutIfNeeded(surface);
    }
    static ViewPoint Centre(const WindowRect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
    void Click(ViewPoint at) {
        view.OnLeftButtonDown(at);
        view.OnLeftButtonUp(at);
    }
    // A point inside the arrow's hit region, near its head.
    static ViewPoint OnShaft(const CTransitionKav& transition) {
        const auto& points = transition.GetPolyline();
        const ArrowPoint start = points.front();
        return {start.x + 20, start.y};
    }

    CountingSurface surface;
    FakeMenuViewHost host;
    CMenuScrollView view{host};
};

}  // namespace

TEST_F(MenuViewTest, TheBarAndDropDownsAreLaidOutFromTheirTexts) {
    Show();
    EXPECT_EQ(As<CMenuKav>(menu).GetDrawRect(), (WindowRect{0, 0, 0, 21}));  // no items

    CMenuItemKav* file = Item("File", menu, win32::MF_POPUP);
    CMenuItemKav* open = Item("Open", file);
    Item("-", file, win32::MF_SEPARATOR);
    CMenuItemKav* recent = Item("Recent", file, win32::MF_POPUP);
    CMenuItemKav* help = Item("Help", menu, win32::MF_POPUP);
    Show();
    EXPECT_EQ(file->GetDrawRect(0), (WindowRect{0, 3, 52, 21}));  // "  File  ": 48 + 4
    EXPECT_EQ(help->GetDrawRect(0), (WindowRect{52, 3, 104, 21}));
    EXPECT_EQ(As<CMenuKav>(menu).GetDrawRect(), (WindowRect{0, 0, 104, 21}));
    EXPECT_EQ(file->GetDrawText(), "  Open\n\n  Recent   \n");
    // "  Recent   " is the widest line: 66 + 4; three rows of 18 below a border of 4.
    EXPECT_EQ(file->GetDrawRect(1), (WindowRect{0, 21, 70, 21 + 3 * 18 + 4}));
    EXPECT_EQ(open->GetDrawRect(0), (WindowRect{0, 25, 70, 43}));
    EXPECT_EQ(recent->GetDrawRect(0), (WindowRect{0, 61, 70, 79}));
    EXPECT_EQ(help->GetDrawRect(1), (WindowRect{52, 21, 52, 25}));  // no children: 0 by 4
    EXPECT_EQ(recent->GetDrawRect(1), (WindowRect{70, 61, 70, 65}));  // to the right of its row
}

TEST_F(MenuViewTest, ArrowsFanOutDownwardAndLoopsAreNeverNumbered) {
    CMenuItemKav* go = Item("Go", menu);  // (0, 3, 40, 21): h 18, centre (20, 12)
    CTransitionKav* first = Transition(go, dialog);
    CTransitionKav* loop = Transition(go, go);
    CTransitionKav* second = Transition(go, dialog);
    CMenuItemKav* edit = Item("Edit", menu, win32::MF_POPUP);
    CMenuItemKav* undo = Item("Undo", edit);
    CTransitionKav* innerLoop = Transition(undo, undo);
    Show();

    const auto endsAt = [](const CTransitionKav* t, ArrowPoint end) {
        const auto& points = t->GetPolyline();
        return std::find(points.begin(), points.end(), end) != points.end();
    };
    ASSERT_EQ(first->GetPolyline().size(), 6u);
    EXPECT_EQ(first->GetPolyline().front(), (ArrowPoint{20, 48}));
    EXPECT_TRUE(endsAt(first, {20 + 90, 48}));
    EXPECT_TRUE(endsAt(second, {20 + 90, 48 + 18}));
    EXPECT_EQ(second->GetLabelRect(), (WindowRect{110, 66 - 7, 110, 66 - 7}));
    EXPECT_EQ(loop->GetPolyline().size(), 8u);
    EXPECT_EQ(loop->GetHitRegion()->polygon.size(), 7u);
    EXPECT_EQ(innerLoop->GetPolyline().size(), 9u);
    EXPECT_EQ(innerLoop->GetHitRegion()->polygon.size(), 8u);
    EXPECT_EQ(first->GetHitRegion()->polygon.size(), 5u);
}

TEST_F(MenuViewTest, SelectingANestedItemOpensTheChainDownToIt) {
    CMenuItemKav* file = Item("File", menu, win32::MF_POPUP);
    Item("New", file);
    CMenuItemKav* recent = Item("Recent", file, win32::MF_POPUP);
    Item("Doc1", recent);
    CMenuItemKav* doc2 = Item("Doc2", recent);
    Show();
    view.SelectMenuItem(doc2);
    EXPECT_EQ(view.GetSelection(), doc2);
    EXPECT_EQ(view.GetState(), CMenuScrollView::kStateItem);
    EXPECT_EQ(OpenChildOf(menu), file);
    EXPECT_EQ(OpenChildOf(file), recent);
    EXPECT_EQ(OpenChildOf(recent), doc2);
    // The frame empties the selection before it deletes windows.
    view.SelectMenuItem(nullptr);
    EXPECT_EQ(view.GetSelection(), nullptr);
    EXPECT_EQ(view.GetState(), CMenuScrollView::kStateNone);
    EXPECT_TRUE(TestInteraction().messages.empty());
}

TEST_F(MenuViewTest, ABrokenParentChainIsAFatalError) {
    Show();
    auto orphan = MakeWindow("Orphan", kWndMenuItem);
    view.SelectMenuItem(orphan.get());
    auto misplaced = MakeWindow("Misplaced", kWndMenuItem);
    misplaced->SetParent(dialog);
    view.SelectMenuItem(misplaced.get());
    EXPECT_EQ(TestInteraction().Texts(),
              (std::vector<std::string>{"Fatal Error: New Menu Item has no parent! [F0042]",
                                        "Fatal Error: New Menu Item has invalid parent! [F0043]"}));
    EXPECT_EQ(TestInteraction().messages[0].caption, "Fatal Error");
}

TEST_F(MenuViewTest, AClickOnAPlainItemReportsItAndOpensItsArrowsForHits) {
    CMenuItemKav* go = Item("Go", menu);
    CTransitionKav* toDialog = Transition(go, dialog);
    Show();
    Click(Centre(go->GetDrawRect(0)));
    EXPECT_EQ(host.items, std::vector<CMenuItemKav*>{go});
    EXPECT_EQ(view.GetSelection(), go);
    EXPECT_EQ(OpenChildOf(menu), go);

    view.OnLeftButtonDown(OnShaft(*toDialog));
    EXPECT_EQ(view.GetCurrentTransition(), toDialog);
    EXPECT_EQ(view.GetState(), CMenuScrollView::kStateTransition);
    view.OnLeftButtonUp(OnShaft(*toDialog));
    view.OnDoubleClick();
    EXPECT_EQ(host.transitions, std::vector<CTransitionKav*>{toDialog});
}

TEST_F(MenuViewTest, WithBothDisplayFlagsOffNoArrowIsHit) {
    CMenuItemKav* go = Item("Go", menu);
    CTransitionKav* toDialog = Transition(go, dialog);
    Show(0);
    Click(Centre(go->GetDrawRect(0)));
    view.OnLeftButtonDown(OnShaft(*toDialog));
    EXPECT_EQ(view.GetCurrentTransition(), nullptr);
    EXPECT_EQ(OpenChildOf(menu), nullptr);  // the press outside closed the item
}

TEST_F(MenuViewTest, PressingAndDraggingOverTheBarOpensEachDropDownInTurn) {
    CMenuItemKav* file = Item("File", menu, win32::MF_POPUP);
    Item("Open", file);
    CMenuItemKav* help = Item("Help", menu, win32::MF_POPUP);
    Item("About", help);
    Show();
    view.OnLeftButtonDown(Centre(file->GetDrawRect(0)));
    EXPECT_EQ(OpenChildOf(menu), file);
    view.OnMouseMove(Centre(help->GetDrawRect(0)));
    EXPECT_EQ(OpenChildOf(menu), help);
    view.OnMouseMove({500, 500});  // leaving the chain with the button held keeps it open
    EXPECT_EQ(OpenChildOf(menu), help);
    view.OnLeftButtonUp({500, 500});
    EXPECT_EQ(OpenChildOf(menu), nullptr);
    EXPECT_EQ(view.GetSelection(), nullptr);
    EXPECT_TRUE(host.items.empty());
}

TEST_F(MenuViewTest, TheOpenItemShowsItsTransitionsWithTheirDestinationsNames) {
    CMenuItemKav* edit = Item("Edit", menu, win32::MF_POPUP);
    CMenuItemKav* undo = Item("Undo", edit);
    Transition(undo, dialog);
    Transition(undo, undo);
    Show();
    view.SelectMenuItem(undo);
    const auto texts = [this] {
        CountingSurface replayed;
        Replay(view.Draw(surface), replayed);
        return replayed.Texts();
    };
    EXPECT_EQ(texts(), (std::vector<std::string>{"  Edit  ", "  Edit  ", "  Undo", "Dialog1", "  Undo  "}));
    view.SetDisplayFlags(0);
    EXPECT_EQ(texts(), (std::vector<std::string>{"  Edit  ", "  Edit  ", "  Undo", "  Undo  "}));
}

TEST_F(MenuViewTest, RefreshAndRebindKeepTheMenuOrCloseTheView) {
    CMenuItemKav* go = Item("Go", menu);
    Show();
    view.SelectMenuItem(go);
    view.RefreshWindow(app.GetWindowList());
    EXPECT_EQ(host.title, "Menu Menu1");
    EXPECT_EQ(view.GetSelection(), nullptr);
    EXPECT_EQ(As<CMenuKav>(menu).GetDrawRect(), WindowRect{});  // laid out again at the next paint
    view.SelectMenuItem(go);
    view.RebindModel(app.GetWindowList());
    EXPECT_FALSE(host.closed);
    EXPECT_EQ(view.GetWindow(), menu);

    auto other = MakeWindow("Elsewhere", kWndMenu);
    view.SetDisplayedWindow(&As<CMenuKav>(other.get()), 0);
    view.RebindModel(app.GetWindowList());
    EXPECT_TRUE(host.closed);
}
