#include "CaptureFixture.h"
#include "model/windows/MenuWindows.h"

namespace {

constexpr std::uint32_t kCaption = 0x00C00000;

std::vector<std::string> Captions(const CWindowKav& window) {
    std::vector<std::string> captions;
    for (const CWindowKav* child : window.GetChildren()) captions.push_back(child->GetCaption());
    return captions;
}

}  // namespace

TEST_F(CaptureTest, ATreeKeepsPlacesRectanglesAndIdentifyingData) {
    const WindowHandle top = source_.Add(
        {.className = "#32770", .text = "Main\tDialog", .rect = {100, 20, 500, 320}, .controlId = 7, .style = kCaption | 0x10000000});
    source_.Add({.className = "Button", .text = "OK", .rect = {110, 35, 354, 69}, .controlId = 1, .style = 1}, top);
    source_.Add({.className = "Foo", .role = 12}, top);
    const WindowHandle combo =
        source_.Add({.className = "ComboBox", .text = "Pick", .rect = {100, 100, 200, 120}, .style = 0x00800000}, top);
    source_.Add({.className = "Edit", .text = "in the combo"}, combo);
    source_.Add({.className = "Edit", .text = "Name", .rect = {100, 20, 100, 20}, .style = kCaption}, top);

    const CapturedTree tree = Capture(top);
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->GetType(), kWndDialogBox);
    EXPECT_EQ(tree->GetCaption(), "Main Dialog");
    EXPECT_EQ(tree->GetRect(), (WindowRect{0, 0, 400, 300}));
    EXPECT_EQ(tree->GetNumID(), 7);
    EXPECT_EQ(tree->GetGuiID(), 999);
    EXPECT_EQ(tree->GetClass(), "#32770");
    EXPECT_EQ(tree->GetTabNr(), 0);
    EXPECT_EQ(tree->GetMethod(), 1);
    EXPECT_EQ(tree->GetName(), "");
    EXPECT_EQ(tree->GetParent(), nullptr);

    // The menu item in place 1 is refused and left out; the others keep their places.
    ASSERT_EQ(Captions(*tree), (std::vector<std::string>{"OK", "Pick", "Name"}));
    const CWindowKav* ok = tree->GetChildren()[0];
    EXPECT_EQ(ok->GetType(), kWndPushButton);
    EXPECT_EQ(ok->GetRect(), (WindowRect{10, 15, 254, 49}));
    EXPECT_EQ(ok->GetNumID(), 1);
    EXPECT_EQ(ok->GetStyle(), 1u);
    EXPECT_EQ(ok->GetMethod(), 0);
    EXPECT_EQ(ok->GetParent(), tree.get());
    const CWindowKav* comboBox = tree->GetChildren()[1];
    EXPECT_EQ(comboBox->GetType(), kWndComboBox);
    EXPECT_EQ(comboBox->GetTabNr(), 2);
    EXPECT_EQ(comboBox->GetMethod(), 0);  // one caption bit alone is no caption bar
    EXPECT_TRUE(comboBox->GetChildren().empty());
    EXPECT_EQ(tree->GetChildren()[2]->GetTabNr(), 3);
    EXPECT_EQ(tree->GetChildren()[2]->GetMethod(), 1);
    EXPECT_EQ(tree->GetChildren()[2]->GetRect(), (WindowRect{}));

    EXPECT_EQ(TestInteraction().Texts(), (std::vector<std::string>{"Recording Error: Illegal Window Class! [W0368]"}));
    EXPECT_EQ(TestInteraction().messages[0].caption, "Recording Error");
    EXPECT_EQ(TestInteraction().messages[0].icon, MessageIcon::Warning);
}

// Texts come through a buffer of 999 characters: 998 UTF-16 code units, no pair split.
TEST_F(CaptureTest, LongCaptionsAndClassNamesAreCut) {
    const std::string longText(1200, 'x');
    const std::string emoji = "\xF0\x9F\x98\x80";
    const WindowHandle top = source_.Add({.className = longText, .text = longText});
    source_.Add({.className = "Static", .text = std::string(997, 'a') + emoji}, top);
    const CapturedTree tree = Capture(top);
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->GetCaption(), std::string(998, 'x'));
    EXPECT_EQ(tree->GetClass(), std::string(998, 'x'));
    EXPECT_EQ(tree->GetChildren()[0]->GetCaption(), std::string(997, 'a'));
}

TEST_F(CaptureTest, AMenuWindowIsRefusedAsAWhole) {
    for (const int role : {11, 12}) {
        const WindowHandle top = source_.Add({.className = "Foo", .role = role});
        source_.Add({.className = "Button"}, top);
        EXPECT_EQ(Capture(top), nullptr);
    }
    EXPECT_EQ(Capture(0), nullptr);
    ASSERT_EQ(TestInteraction().messages.size(), 2u);
    EXPECT_EQ(TestInteraction().messages[1].text, "Recording Error: Illegal Window Class! [W0368]");
    EXPECT_EQ(TestInteraction().messages[1].caption, "Recording Error");
}

TEST_F(CaptureTest, ARefusedAttachmentShowsTheModelsMessageAndDropsTheSubtree) {
    CMenuKav menuBar("", 0, 999, "");
    const WindowHandle window = source_.Add({.className = "Button", .text = "Go"});
    source_.Add({.className = "Static"}, window);
    EXPECT_EQ(spy_.CaptureWindowTree(window, &menuBar, 0), nullptr);
    EXPECT_TRUE(menuBar.GetChildren().empty());
    ASSERT_EQ(TestInteraction().messages.size(), 1u);
    EXPECT_EQ(TestInteraction().messages[0].text, "Menus can only have menu items as children! [W0529]");
    EXPECT_EQ(TestInteraction().messages[0].caption, "Recording Error");
}

TEST_F(CaptureTest, ATopWindowBringsItsMenuBarLast) {
    const MenuHandle file = source_.AddMenu({{.text = "&Open", .state = 0x8, .id = 101},
                                             {.text = "", .state = 0x800, .id = 0},
                                             {.text = "E&xit", .state = 0x1, .id = 102}});
    const MenuHandle bar = source_.AddMenu({{.text = "&File", .state = 0x10, .subMenu = file},
                                            {.text = "&Help", .state = 0, .id = 201}});
    const WindowHandle top = source_.Add({.className = "#32770", .text = "Editor", .menu = bar});
    const WindowHandle child = source_.Add({.className = "#32770", .text = "Inner", .menu = bar}, top);
    source_.Add({.className = "Button", .text = "OK"}, child);

    const CapturedTree tree = Capture(top);
    ASSERT_NE(tree, nullptr);
    ASSERT_EQ(Captions(*tree), (std::vector<std::string>{"Inner", ""}));
    EXPECT_EQ(Captions(*tree->GetChildren()[0]), (std::vector<std::string>{"OK"}));
    const CWindowKav* menuBar = tree->GetChildren()[1];
    EXPECT_EQ(menuBar->GetType(), kWndMenu);
    EXPECT_EQ(tree->FindMenu(), menuBar);
    ASSERT_EQ(Captions(*menuBar), (std::vector<std::string>{"&File", "&Help"}));

    struct ItemCase {
        const CWindowKav* item;
        int numId;
        std::uint32_t style;
        int tabNr;
    };
    const CWindowKav* fileItem = menuBar->GetChildren()[0];
    ASSERT_EQ(Captions(*fileItem), (std::vector<std::string>{"&Open", "Separator", "E&xit"}));
    const ItemCase items[] = {
        {fileItem, 0, 0x10, 1},
        {fileItem->GetChildren()[0], 101, 0x8, 1},
        {fileItem->GetChildren()[1], 0, 0x800, 2},
        {fileItem->GetChildren()[2], 102, 0x1, 3},
        {menuBar->GetChildren()[1], 201, 0, 2},
    };
    for (const ItemCase& c : items) {
        EXPECT_EQ(c.item->GetType(), kWndMenuItem) << c.item->GetCaption();
        EXPECT_EQ(c.item->GetNumID(), c.numId) << c.item->GetCaption();
        EXPECT_EQ(c.item->GetStyle(), c.style) << c.item->GetCaption();
        EXPECT_EQ(c.item->GetTabNr(), c.tabNr) << c.item->GetCaption();
        EXPECT_EQ(c.item->GetGuiID(), 999);
    }
    EXPECT_TRUE(TestInteraction().messages.empty());
}

TEST_F(CaptureTest, AMenuThatCannotBeReadFailsTheWholeCapture) {
    const WindowHandle top = source_.Add({.className = "#32770", .menu = 42});
    source_.Add({.className = "Button"}, top);
    EXPECT_EQ(Capture(top), nullptr);

    // A popup whose sub-menu cannot be read stays an empty popup.
    const MenuHandle bar = source_.AddMenu({{.text = "File", .state = 0x10, .subMenu = 42}});
    const WindowHandle other = source_.Add({.className = "#32770", .menu = bar});
    const CapturedTree tree = Capture(other);
    ASSERT_NE(tree, nullptr);
    EXPECT_TRUE(tree->FindMenu()->GetChildren()[0]->GetChildren().empty());
}

TEST_F(CaptureTest, FormsControlsHaveNoNumbers) {
    const WindowHandle top = source_.Add({.className = "WindowsForms10.Window.8.app.0.1", .controlId = 5});
    source_.Add({.className = "WindowsForms10.Foo.app.0.1", .controlId = 6}, top);
    const CapturedTree tree = Capture(top);
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->GetNumID(), 0);
    EXPECT_EQ(tree->GetGuiID(), 990);
    EXPECT_EQ(tree->GetChildren()[0]->GetNumID(), 0);
    EXPECT_EQ(tree->GetChildren()[0]->GetClass(), "WindowsForms*.Foo.*");
}
