// Where the window view puts the shown window and its controls, what it draws in which order,
// and which control a click finds.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/WindowBuilder.h"
#include "tests/views/CountingSurface.h"
#include "tests/views/FakeDialogViewHost.h"
#include "views/window/DialogView.h"
#include "views/window/WindowDrawing.h"

namespace {

class DialogViewLayoutTest : public ProjectTest {
protected:
    CWindowKav* dialog = AddControl(project, "Dialog1", kWndDialogBox, nullptr, {0, 0, 200, 100});

    CDialogView& Show(CWindowKav* window, int flags = 1) {
        view.SetDisplayedWindow(window, flags);
        return view;
    }
    // The names of the windows in the order their first primitive is drawn.
    std::vector<std::string> DrawnOrder(const std::vector<CWindowKav*>& windows) {
        const DrawList list = view.Paint(surface, false);
        std::vector<std::pair<std::size_t, std::string>> firsts;
        for (CWindowKav* window : windows) {
            const ViewRect rect = view.GetViewRect(window);
            for (std::size_t i = 0; i < list.size(); ++i)
                if (const auto* fill = std::get_if<draw::Fill>(&list[i]); fill && fill->rect == rect) {
                    firsts.emplace_back(i, window->GetName());
                    break;
                }
        }
        std::sort(firsts.begin(), firsts.end());
        std::vector<std::string> names;
        for (const auto& [index, name] : firsts) names.push_back(name);
        return names;
    }

    FakeDialogViewHost host;
    CDialogView view{host};
    CountingSurface surface;
};

}  // namespace

TEST_F(DialogViewLayoutTest, TheWindowSitsAtTheMarginsBelowItsTitle) {
    Show(dialog);
    EXPECT_EQ(view.GetViewRect(dialog), (ViewRect{30, 60, 230, 160}));
    EXPECT_EQ(view.Layout().GetTitleRect(), (ViewRect{30, 30, 230, 45}));
    EXPECT_EQ(view.Layout().GetBoxAnchor(), (ViewRect{215, 175, 230, 190}));
    EXPECT_EQ(host.scrollSize, (ViewSize{260, 190}));
    EXPECT_EQ(host.title, "Dialog Box Dialog1");
    EXPECT_FALSE(view.IsReadOnly());

    // A control inside a group: moved by the group's corner too.
    CWindowKav* group = AddControl(project, "Group1", kWndGroupBox, dialog, {10, 20, 110, 90});
    CWindowKav* check = AddControl(project, "Checkbox1", kWndCheckBox, group, {5, 15, 60, 30});
    EXPECT_EQ(view.GetViewRect(check), (ViewRect{45, 95, 100, 110}));

    project.Main()->SetReadOnly(true);
    Show(dialog);
    EXPECT_EQ(host.title, "Dialog Box Dialog1 (Read-Only)");
    EXPECT_TRUE(view.IsReadOnly());

    Show(nullptr);
    EXPECT_EQ(host.title, "Draw a New Window");
    EXPECT_EQ(host.scrollSize, (ViewSize{0, 0}));
    EXPECT_TRUE(view.Paint(surface, false).empty());
}

TEST_F(DialogViewLayoutTest, ContainersComeFirstTheLargerOfTwoOverlapsThenSelectedAndPicked) {
    struct Case {
        const char* what;
        std::vector<std::pair<std::string, WindowRect>> controls;  // in the order of the children
        std::vector<std::string> selected;
        std::string picked;
        std::vector<std::string> order;
    };
    const Case cases[] = {
        {"a container before what it holds", {{"B", {20, 20, 50, 40}}, {"G", {10, 10, 100, 90}}}, {}, "", {"G", "B"}},
        {"of two overlapping the larger first", {{"S", {10, 10, 40, 40}}, {"L", {30, 30, 100, 90}}}, {}, "", {"L", "S"}},
        {"apart: in the order of the children", {{"P", {10, 10, 40, 40}}, {"Q", {50, 50, 90, 90}}}, {}, "", {"P", "Q"}},
        {"selected after unselected, whatever the size",
         {{"S", {10, 10, 40, 40}}, {"L", {30, 30, 100, 90}}}, {"L"}, "", {"S", "L"}},
        {"the picked object last", {{"S", {10, 10, 40, 40}}, {"L", {30, 30, 100, 90}}}, {}, "L", {"S", "L"}},
    };
    for (const Case& c : cases) {
        TestProject fresh;
        CWindowKav* shown = AddControl(fresh, "Dialog1", kWndDialogBox, nullptr, {0, 0, 200, 100});
        std::vector<CWindowKav*> controls, selection;
        for (const auto& [name, rect] : c.controls)
            controls.push_back(AddControl(fresh, name, kWndInputField, shown, rect));
        for (const std::string& name : c.selected) selection.push_back(fresh.App().GetWindowList().FindByName(name, nullptr));
        CWindowKav* picked = c.picked.empty() ? nullptr : fresh.App().GetWindowList().FindByName(c.picked, nullptr);
        std::vector<std::string> names;
        for (const CWindowKav* window : OrderForDrawing(*shown, selection, picked)) names.push_back(window->GetName());
        EXPECT_EQ(names, c.order) << c.what;
    }

    // The same order in the view's drawing.
    AddControl(project, "Small", kWndInputField, dialog, {10, 10, 40, 40});
    AddControl(project, "Large", kWndInputField, dialog, {30, 30, 100, 90});
    Show(dialog);
    EXPECT_EQ(DrawnOrder(dialog->GetChildren()), (std::vector<std::string>{"Large", "Small"}));
}

TEST_F(DialogViewLayoutTest, AClickFindsTheControlWhoseCornerIsNearestTheLaterOfEqualOnes) {
    CWindowKav* first = AddControl(project, "First", kWndPushButton, dialog, {10, 10, 60, 30});
    CWindowKav* second = AddControl(project, "Second", kWndPushButton, dialog, {10, 10, 80, 40});
    CWindowKav* group = AddControl(project, "Group", kWndGroupBox, dialog, {100, 10, 190, 90});
    CWindowKav* inner = AddControl(project, "Inner", kWndCheckBox, group, {10, 20, 80, 40});
    Show(dialog, 1);
    EXPECT_EQ(view.HitTest({45, 75}), second);  // both at the same distance
    EXPECT_EQ(view.HitTest({100, 95}), second);  // only the second holds it
    EXPECT_EQ(view.HitTest({150, 95}), group);   // grandchildren not shown
    EXPECT_EQ(view.HitTest({200, 140}), group);
    EXPECT_EQ(view.HitTest({20, 50}), nullptr);  // outside the window
    EXPECT_EQ(view.HitTest({220, 150}), nullptr) << "inside the window, on no control";
    (void)first;
    Show(dialog, 1 | 8);
    EXPECT_EQ(view.HitTest({150, 95}), inner);
    EXPECT_EQ(view.HitTest({200, 140}), group);
}

TEST_F(DialogViewLayoutTest, EachTypeDrawsItsParts) {
    CWindowKav* table = AddControl(project, "Table1", kWndTable, dialog, {10, 10, 110, 54});
    CWindowKav* combo = AddControl(project, "Combobox1", kWndComboBox, dialog, {120, 10, 190, 30});
    AddControl(project, "Button1", kWndPushButton, dialog, {120, 40, 190, 60}, "&OK");
    Show(dialog);
    const WindowRect comboRect = combo->GetRect();
    const DrawList list = view.Paint(surface, false);

    // A table 44 high: the column line and rows at 15 and 30 below its top (70 in the view).
    std::vector<int> rows;
    bool column = false;
    const ViewRect t = view.GetViewRect(table);
    for (const DrawPrimitive& primitive : list)
        if (const auto* lines = std::get_if<draw::Lines>(&primitive); lines && lines->points.size() == 2) {
            const ViewPoint a = lines->points[0], b = lines->points[1];
            if (a.y == b.y && a.x == t.left + 2 && b.x == t.right - 1) rows.push_back(a.y - t.top);
            if (a.x == b.x && a.x == (t.left + t.right) / 2 && a.y == t.top + 2) column = true;
        }
    EXPECT_EQ(rows, (std::vector<int>{15, 30}));
    EXPECT_TRUE(column);

    // Real controls with their captions; a button is clipped to its rectangle.
    std::vector<std::pair<ControlKind, std::string>> controls;
    for (const DrawPrimitive& primitive : list)
        if (const auto* control = std::get_if<draw::Control>(&primitive)) controls.emplace_back(control->kind, control->label);
    EXPECT_EQ(controls, (std::vector<std::pair<ControlKind, std::string>>{
                            {ControlKind::BorderFrame, ""}, {ControlKind::ComboBox, ""}, {ControlKind::PushButton, "&OK"}}));
    EXPECT_EQ(surface.Texts(), std::vector<std::string>{}) << "painting draws nothing itself";
    const std::vector<std::string> texts = [&] {
        std::vector<std::string> all;
        for (const DrawPrimitive& primitive : list)
            if (const auto* text = std::get_if<draw::Text>(&primitive)) all.push_back(text->text);
        return all;
    }();
    EXPECT_EQ(texts, (std::vector<std::string>{"Dialog1", "Dialog1", "Table1", "Combobox1"}));

    // Painting never changes the model: a combo box keeps the height it has.
    EXPECT_EQ(combo->GetRect(), comboRect);
}

TEST_F(DialogViewLayoutTest, NamesBesideTheBoxesOfOutsideWindowsWidenTheScrollSize) {
    for (const char* name : {"Outside1", "Outside2", "Outside3"})
        project.AddTransition(dialog, std::string("T_") + name)->SetDestWindow(project.AddWindow(name));
    Show(dialog);
    view.Paint(surface, false);
    // The last box ends at 250; each name is 8 characters of 6 units, from 5 right of its box.
    EXPECT_EQ(view.GetScrollExtent(), (ViewSize{230 + 5 + 48, 250}));
    EXPECT_EQ(host.scrollSize, view.GetScrollExtent());

    // Without transitions or coverage shown the boxes are not drawn.
    Show(dialog, 8);
    view.Paint(surface, false);
    EXPECT_EQ(view.GetScrollExtent(), (ViewSize{260, 190}));
}

TEST_F(DialogViewLayoutTest, ArrowsAreBlueOrShowTheirCoverage) {
    CWindowKav* button = AddControl(project, "Button1", kWndPushButton, dialog, {10, 20, 60, 40});
    CWindowKav* other = AddControl(project, "Button2", kWndPushButton, dialog, {100, 20, 150, 40});
    project.AddTransition(button, "Covered")->SetDestWindow(other);
    project.AddTransition(other, "Open")->SetDestWindow(button);
    button->GetTransitions()[0]->SetMark(1);
    struct Case {
        int flags;
        std::vector<ViewColour> colours;  // of the arrows in list order
    };
    const ViewColour blue = ViewColour::Rgb(0, 0, 175), green = ViewColour::Rgb(0, 160, 0),
                     grey = ViewColour::Rgb(115, 115, 115);
    const Case cases[] = {{1, {blue, blue}}, {4, {green, grey}}, {1 | 4, {blue, blue}}, {8, {}}};
    for (const Case& c : cases) {
        Show(dialog, c.flags);
        std::vector<ViewColour> colours;
        for (const DrawPrimitive& primitive : view.Paint(surface, false))
            if (const auto* lines = std::get_if<draw::Lines>(&primitive); lines && lines->points.size() == 6)
                colours.push_back(lines->pen.colour);
        EXPECT_EQ(colours, c.colours) << c.flags;
    }
}
