// The 22 window types: what their style bits mean, radio buttons in group boxes, tab pages.
#include <gtest/gtest.h>

#include "model/CloneFlags.h"
#include "model/DisplayTexts.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/WindowBuilder.h"

TEST(WindowTypes, EveryTypeCodeMakesItsOwnClass) {
    for (int type = 0; type < kWindowTypeCount; ++type) {
        std::unique_ptr<CWindowKav> window(CreateWindowOfType(type, {.id = "W", .caption = "C", .style = 0x3}));
        ASSERT_NE(window, nullptr) << type;
        EXPECT_EQ(window->GetType(), type);
        EXPECT_NE(GetWindowTypeName(type), "");
    }
    EXPECT_EQ(CreateWindowOfType(kWindowTypeCount, {}), nullptr);
    EXPECT_EQ(CreateWindowOfType(-1, {}), nullptr);

    // A menu bar keeps only its identity; a menu item its flags.
    std::unique_ptr<CWindowKav> menu(CreateWindowOfType(kWndMenu, {.id = "M", .className = "x", .caption = "C"}));
    EXPECT_EQ(menu->GetCaption(), "");
    EXPECT_EQ(menu->GetClass(), "");
    EXPECT_EQ(menu->GetStyle(), win32::WS_VISIBLE);
    std::unique_ptr<CWindowKav> item(CreateWindowOfType(kWndMenuItem, {.id = "I", .caption = "Save", .style = 0x3}));
    EXPECT_EQ(item->GetCaption(), "Save");
    EXPECT_EQ(item->GetStyle(), 0x3u);
}

namespace {

// What the getters of each type read from a style word, as one number.
int BoxType(CWindowKav* w) { return As<CComboBoxKav>(w).GetBoxType(); }
int ComboSorted(CWindowKav* w) { return As<CComboBoxKav>(w).IsSorted(); }
int DialogKind(CWindowKav* w) { return As<CDialogBoxKav>(w).GetStyleKind(); }
int DialogFlags(CWindowKav* w) {
    auto& d = As<CDialogBoxKav>(w);
    return d.IsControl() * 4 + d.IsControlParent() * 2 + d.IsSystemModal();
}
int CheckFlags(CWindowKav* w) { return As<CCheckBoxKav>(w).IsAuto() * 2 + As<CCheckBoxKav>(w).IsTriState(); }
int RadioAuto(CWindowKav* w) { return As<CRadioButtonKav>(w).IsAuto(); }
int DefaultButton(CWindowKav* w) { return As<CPushButtonKav>(w).IsDefaultButton(); }
int SelectionMode(CWindowKav* w) { return As<CListBoxKav>(w).GetSelectionMode(); }
int SortOrder(CWindowKav* w) { return As<CListViewKav>(w).GetSortOrder(); }
int FocusMode(CWindowKav* w) { return As<CTabControlKav>(w).GetFocusMode(); }
int EditFlags(CWindowKav* w) {
    auto& f = As<CInputFieldKav>(w);
    return f.IsMultiLine() * 4 + f.IsNumber() * 2 + f.IsWantReturn();
}
int TreeButtons(CWindowKav* w) { return As<CTreeControlKav>(w).HasButtons(); }

}  // namespace

TEST(WindowTypes, StyleWordsReadAsTheirTypeMeansThem) {
    struct Case {
        int type;
        std::uint32_t style;
        std::uint32_t exStyle;
        int (*read)(CWindowKav*);
        int expected;
        const char* what;
    };
    const Case cases[] = {
        {kWndComboBox, 0x0, 0, BoxType, 1, "box type of 0"},
        {kWndComboBox, 0x1, 0, BoxType, 0, "simple"},
        {kWndComboBox, 0x3, 0, BoxType, 2, "drop list"},
        {kWndComboBox, 0x7, 0, BoxType, 1, "unknown kind"},
        {kWndComboBox, 0x100, 0, ComboSorted, 1, "sorted"},
        {kWndDialogBox, 0xC0000000, 0, DialogKind, 1, "popup wins over child"},
        {kWndDialogBox, 0x40000000, 0, DialogKind, 2, "child"},
        {kWndDialogBox, 0x0, 0, DialogKind, 0, "overlapped"},
        {kWndDialogBox, 0x402, 0, DialogFlags, 5, "control, system modal"},
        {kWndDialogBox, 0x0, 0x10000, DialogFlags, 2, "control parent"},
        {kWndCheckBox, 0x3, 0, CheckFlags, 2, "auto"},
        {kWndCheckBox, 0x5, 0, CheckFlags, 1, "three states"},
        {kWndCheckBox, 0x6, 0, CheckFlags, 3, "auto three states"},
        {kWndRadioButton, 0x9, 0, RadioAuto, 1, "auto radio"},
        {kWndRadioButton, 0x19, 0, RadioAuto, 1, "low bits only"},
        {kWndPushButton, 0x50010001, 0, DefaultButton, 1, "default button"},
        {kWndListBox, 0x808, 0, SelectionMode, 1, "multiple wins"},
        {kWndListBox, 0x4800, 0, SelectionMode, 2, "extended"},
        {kWndListBox, 0x4000, 0, SelectionMode, 3, "no selection"},
        {kWndListView, 0x30, 0, SortOrder, 1, "ascending wins"},
        {kWndListView, 0x20, 0, SortOrder, 2, "descending"},
        {kWndTabControl, 0x9000, 0, FocusMode, 2, "never wins"},
        {kWndTabControl, 0x1000, 0, FocusMode, 1, "on button down"},
        {kWndInputField, 0x3004, 0, EditFlags, 7, "edit bits"},
        {kWndTreeControl, 0x1, 0, TreeButtons, 1, "buttons"},
    };
    for (const Case& c : cases) {
        std::unique_ptr<CWindowKav> window(
            CreateWindowOfType(c.type, {.id = "W", .style = c.style, .exStyle = c.exStyle}));
        EXPECT_EQ(c.read(window.get()), c.expected) << c.what;
    }
}

TEST(WindowTypes, StyleSettersChangeOnlyTheirBits) {
    CListBoxKav list({.id = "L", .style = 0x8 | win32::WS_VISIBLE});
    list.SetSelectionMode(2);
    EXPECT_EQ(list.GetStyle(), 0x800 | win32::WS_VISIBLE);
    list.SetSelectionMode(7);
    EXPECT_EQ(list.GetStyle(), 0x800 | win32::WS_VISIBLE);
    list.SetSelectionMode(0);
    EXPECT_EQ(list.GetStyle(), win32::WS_VISIBLE);

    CComboBoxKav combo({.id = "C", .style = 0x103});
    combo.SetBoxType(0);
    EXPECT_EQ(combo.GetStyle(), 0x101u);
    combo.SetBoxType(5);
    EXPECT_EQ(combo.GetStyle(), 0x100u);

    CPushButtonKav button({.id = "B", .style = 0x50010007});
    button.SetDefaultButton(true);
    EXPECT_EQ(button.GetStyle(), 0x50010001u);
    button.SetDefaultButton(false);
    EXPECT_EQ(button.GetStyle(), 0x50010000u);

    CTabControlKav tabs({.id = "T", .style = 0x9200});
    tabs.SetFocusMode(1);
    EXPECT_EQ(tabs.GetStyle(), 0x1200u);
    tabs.SetFocusMode(2);
    EXPECT_EQ(tabs.GetStyle(), 0x8200u);
    tabs.SetFocusMode(3);
    EXPECT_EQ(tabs.GetStyle(), 0x8200u);
    tabs.SetFocusMode(0);
    EXPECT_EQ(tabs.GetStyle(), 0x200u);

    CListViewKav view({.id = "V", .style = 0x14});
    view.SetSortOrder(2);
    EXPECT_EQ(view.GetStyle(), 0x24u);
    view.SetSortOrder(3);
    EXPECT_EQ(view.GetStyle(), 0x24u);
    view.SetSortOrder(1);
    EXPECT_EQ(view.GetStyle(), 0x14u);

    CDialogBoxKav dialog({.id = "D", .style = 0x40000002});
    dialog.SetStyleKind(1);
    EXPECT_EQ(dialog.GetStyle(), 0x80000002u);
    dialog.SetStyleKind(0);
    EXPECT_EQ(dialog.GetStyle(), 0x2u);
    dialog.SetStyleKind(2);
    dialog.SetStyleKind(-1);
    EXPECT_EQ(dialog.GetStyle(), 0x40000002u);

    CMenuItemKav item("I", 0, 0, "", "Item", 0, 0, 0);
    item.SetChecked(true);
    item.SetSeparator(true);
    EXPECT_EQ(item.GetStyle(), 0x808u);
    EXPECT_TRUE(item.IsChecked() && item.IsSeparator() && !item.IsPopup());
}

TEST(WindowTypes, CheckBoxButtonTypeFollowsAutoAndTriState) {
    struct Case {
        std::uint32_t before;
        bool automatic;
        bool triState;
        std::uint32_t after;
    };
    // A push button's type counts as neither.
    const Case cases[] = {
        {0x1, false, false, 0x2}, {0x6, true, false, 0x3}, {0x2, false, true, 0x5}, {0x1, true, true, 0x6},
        {0x5, true, false, 0x3},  {0x3, false, true, 0x5}, {0x6, false, false, 0x2},
    };
    for (const Case& c : cases) {
        CCheckBoxKav box({.id = "B", .style = 0x50010000 | c.before});
        box.SetAuto(c.automatic);
        box.SetTriState(c.triState);
        EXPECT_EQ(box.GetStyle(), 0x50010000 | c.after) << c.before << c.automatic << c.triState;
    }
}

TEST(WindowTypes, MenuItemFlagsThreeAreVisibleButNotEnabled) {
    CMenuItemKav item("I", 0, 0, "", "Item", 0x3, 0, 0);
    EXPECT_TRUE(item.IsVisible());
    EXPECT_FALSE(item.IsEnabled());
}

using RadioGroups = ProjectTest;

TEST_F(RadioGroups, ARadioButtonBelongsToTheNearestGroupBoxAroundIt) {
    CWindowKav* dialog = project.AddWindow("Dlg", nullptr, kWndDialogBox);
    CWindowKav* g1 = AddControl(project, "G1", kWndGroupBox, dialog, {0, 0, 200, 200});
    CWindowKav* g2 = AddControl(project, "G2", kWndGroupBox, dialog, {50, 50, 300, 300});
    CWindowKav* inBoth = AddControl(project, "R1", kWndRadioButton, dialog, {60, 60, 100, 70}, "Yes");
    CWindowKav* onEdge = AddControl(project, "R2", kWndRadioButton, dialog, {200, 10, 240, 20}, "No");
    CWindowKav* outside = AddControl(project, "R3", kWndRadioButton, dialog, {300, 300, 340, 310});

    EXPECT_EQ(As<CRadioButtonKav>(inBoth).FindGroupBox(), g2);
    EXPECT_EQ(As<CRadioButtonKav>(onEdge).FindGroupBox(), nullptr);  // right edge is outside G1
    EXPECT_EQ(As<CRadioButtonKav>(outside).FindGroupBox(), nullptr);
    onEdge->SetRect({199, 10, 240, 20});
    EXPECT_EQ(As<CRadioButtonKav>(onEdge).FindGroupBox(), g1);

    EXPECT_EQ(As<CGroupBoxKav>(g2).GetRadioButtons(), std::vector<CRadioButtonKav*>{&As<CRadioButtonKav>(inBoth)});
    EXPECT_EQ(As<CGroupBoxKav>(g2).FindRadioButton("YES"), inBoth);
    EXPECT_EQ(As<CGroupBoxKav>(g2).FindRadioButton("No"), nullptr);
    EXPECT_EQ(As<CGroupBoxKav>(g1).FindRadioButton("no"), onEdge);
}

TEST_F(RadioGroups, RecordedJavaWindowsAreChildrenOfTheirGroupBox) {
    CWindowKav* dialog = project.AddWindow("Dlg", nullptr, kWndDialogBox);
    auto* group = new CGroupBoxKav({.id = "G", .guiId = kJavaGuiBuilderId});
    group->SetRect({0, 0, 200, 200});
    app.GetWindowList().Add(group);
    dialog->AddChild(group);
    auto* inside = new CRadioButtonKav({.id = "R1", .guiId = kJavaGuiBuilderId});
    auto* beside = new CRadioButtonKav({.id = "R2", .guiId = kJavaGuiBuilderId});
    beside->SetRect({10, 10, 50, 20});  // inside the rectangle, but a child of the dialog
    for (CRadioButtonKav* button : {inside, beside}) app.GetWindowList().Add(button);
    group->AddChild(inside);
    dialog->AddChild(beside);

    EXPECT_EQ(inside->FindGroupBox(), group);
    EXPECT_EQ(beside->FindGroupBox(), nullptr);
    EXPECT_EQ(group->GetRadioButtons(), std::vector<CRadioButtonKav*>{inside});
}

TEST(TabPages, TitlesAreCutAndPagesFoundWithoutCase) {
    const std::string fifty(50, 't');
    CTabPage page(fifty + "x", "Page1");
    EXPECT_EQ(page.GetTitle(), std::string(49, 't') + "*");
    page.SetTitle(fifty);
    EXPECT_EQ(page.GetTitle(), fifty);
    page.SetTitle("\xC3\xA4" + fifty);  // counted in UTF-16 units, not bytes
    EXPECT_EQ(page.GetTitle(), "\xC3\xA4" + std::string(48, 't') + "*");
    EXPECT_EQ(page.GetUniqueId().size(), 12u);

    CTabControlKav tabs({.id = "Tabs"}, fifty + "y");
    EXPECT_EQ(tabs.GetSelectedPageTitle(), std::string(49, 't') + "*");
    CTabPage* general = tabs.GetPages().Add(new CTabPage("General", "GeneralPage"));
    CTabPage* extra = tabs.GetPages().Add(new CTabPage("Extra", "ExtraPage"));
    EXPECT_EQ(tabs.FindTabPage("GENERAL"), general);
    EXPECT_EQ(tabs.FindTabPageByWindowId("extrapage"), extra);
    EXPECT_EQ(tabs.FindTabPage("Missing"), nullptr);
}

TEST(TabPages, TabControlsAreEqualPageByPageInOrder) {
    CTabControlKav a({.id = "Tabs"}, "General"), b({.id = "Tabs"}, "General");
    for (CTabControlKav* tabs : {&a, &b}) {
        tabs->GetPages().Add(new CTabPage("General", "GeneralPage"));
        tabs->GetPages().Add(new CTabPage("Extra", "ExtraPage"));
    }
    EXPECT_TRUE(a.IsEqual(&b));
    std::swap(b.GetPages().Pointers()[0], b.GetPages().Pointers()[1]);
    EXPECT_FALSE(a.IsEqual(&b));
    std::swap(b.GetPages().Pointers()[0], b.GetPages().Pointers()[1]);
    b.GetPages()[1]->SetPageWindowId("extrapage");
    EXPECT_FALSE(a.IsEqual(&b));
    b.GetPages()[1]->SetPageWindowId("ExtraPage");
    b.SetSelectedPageTitle("Extra");
    EXPECT_FALSE(a.IsEqual(&b));
}

using TabCopies = ProjectTest;

TEST_F(TabCopies, ACopyResolvesOrCopiesThePageWindows) {
    CWindowKav* general = project.AddWindow("GeneralPage", nullptr, kWndChild);
    CWindowKav* shared = project.AddWindow("SharedPage", nullptr, kWndChild, project.Lib());
    auto* tabs = static_cast<CTabControlKav*>(project.AddWindow("Tabs", nullptr, kWndTabControl));
    tabs->SetSelectedPageTitle("Shared");
    tabs->GetPages().Add(new CTabPage("General", "GeneralPage"));
    tabs->GetPages().Add(new CTabPage("Shared", "^Lib:SharedPage"));
    tabs->GetPages().Add(new CTabPage("Gone", "NoSuchPage"));
    tabs->GetPages()[1]->SetPageWindowRef(shared->GetInternalID());
    tabs->SetSelectedPageId("stored");

    std::unique_ptr<CWindowKav> resolved(tabs->Clone(kCloneKeepId | kCloneTextsFromObjects));
    auto& copy = As<CTabControlKav>(resolved.get());
    ASSERT_EQ(copy.GetPages().size(), 3u);
    EXPECT_EQ(copy.GetPages()[0]->GetPageWindowRef(), general->GetInternalID());
    EXPECT_EQ(copy.GetPages()[1]->GetPageWindowRef(), shared->GetInternalID());
    EXPECT_EQ(copy.GetPages()[2]->GetPageWindowRef(), "");
    EXPECT_EQ(copy.GetPages()[0]->GetUniqueId(), tabs->GetPages()[0]->GetUniqueId());
    EXPECT_EQ(copy.GetSelectedPageId(), shared->GetInternalID());
    EXPECT_TRUE(tabs->IsEqual(resolved.get()));

    std::unique_ptr<CWindowKav> stored(tabs->Clone(kCloneTextsAsStored));
    auto& storedCopy = As<CTabControlKav>(stored.get());
    EXPECT_EQ(storedCopy.GetSelectedPageId(), "stored");
    EXPECT_EQ(storedCopy.GetPages()[1]->GetPageWindowRef(), shared->GetInternalID());
    EXPECT_EQ(storedCopy.GetPages()[0]->GetPageWindowRef(), "");
    EXPECT_NE(storedCopy.GetPages()[0]->GetUniqueId(), tabs->GetPages()[0]->GetUniqueId());
}
