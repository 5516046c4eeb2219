// The Windows page: the fill and look of its tree, the sort orders, dropping and renaming windows,
// its keys, picks and context menu, and what the frame asks of it.
#include "model/DisplayTexts.h"
#include "model/ShellServices.h"
#include "platform/Registry.h"
#include "tests/support/GlobalState.h"
#include "tests/support/WindowBuilder.h"
#include "tests/views/FakeTreePageHost.h"
#include "tests/views/RecordingTreeObserver.h"
#include "shell/CommandIds.h"
#include "views/trees/TreeLook.h"
#include "views/trees/WindowDlg.h"

namespace {

void ChooseSortOrder(const std::string& order) {
    WriteRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), kSortOrderValue, order, kRegistryText);
}

// A window whose UFT description names the class.
CWindowKav* WithUftClass(CWindowKav* window, const std::string& uftClass) {
    window->SetToolData(MakeElement("qtpRep:Object", "", {{"Class", uftClass}}));
    return window;
}

class WindowPageTest : public ProjectTest {
protected:
    CWindowKav* Window(const std::string& name, CWindowKav* parent = nullptr, int type = kWndDialogBox,
                       CFileKav* file = nullptr) {
        return project.AddWindow(name, parent, type, file);
    }
    CWindowTree& Tree() { return page.Tree(); }
    int ItemOf(const CWindowKav* window) { return Tree().ItemOf(window); }
    const TreeNode& Node(const CWindowKav* window) {
        const TreeNode* node = Tree().Find(ItemOf(window));
        EXPECT_NE(node, nullptr);
        static const TreeNode none;
        return node ? *node : none;
    }
    void Drag(const CWindowKav* window, int target) {
        ASSERT_TRUE(Tree().StartDrag(ItemOf(window)));
        Tree().EndDrag(CItemTree::Key(target));
    }
    void Rename(const CWindowKav* window, const std::string& text) {
        const int item = ItemOf(window);
        ASSERT_TRUE(page.BeginLabelEdit(item));
        page.EndLabelEdit(item, false, text);
    }
    std::vector<std::string> Messages() const { return TestInteraction().Texts(); }
    std::string Caption() const {
        return TestInteraction().messages.empty() ? std::string() : TestInteraction().messages.back().caption;
    }

    FakeTreePageHost host;
    CWindowDlg page{host};
};

}  // namespace

TEST_F(WindowPageTest, TheProjectComesFirstThenTheNamedLibrariesEachWithItsWindows) {
    CFileKav* locked = app.GetFiles().Add(new CFileKav("Alpha", "Alpha.xml", "/projects/Alpha.xml", true));
    app.GetFiles().Add(new CFileKav("", "Nameless.xml", "/projects/Nameless.xml"));
    CWindowKav* main = Window("Main", nullptr, kWndMain);
    Window("ok", main, kWndPushButton);
    Window("Cancel", main, kWndPushButton);
    Window("About");
    CWindowKav* shared = Window("Shared", nullptr, kWndDialogBox, locked);
    Window("Inner", shared, kWndPushButton, locked);
    Window("Lib", nullptr, kWndDialogBox, project.Lib());
    app.SetStartWindow(main);
    page.Fill();

    EXPECT_EQ(Tree().Outline(), (std::vector<std::string>{"Project Proj", "  About", "  Main", "    Cancel", "    ok",
                                                           "Library Alpha", "  Shared (READ-ONLY)", "    Inner",
                                                           "Library Lib", "  Lib"}));
    const std::vector<int>& roots = Tree().Children(kNoItem);
    EXPECT_EQ(roots.front(), Tree().GetProjectItem());
    EXPECT_EQ(Tree().Find(roots[0])->image, CWindowTree::kImageProject);
    EXPECT_EQ(Tree().Find(roots[1])->image, CWindowTree::kImageLibrary);
    EXPECT_TRUE(Node(main).bold) << "the start window";
    EXPECT_FALSE(Node(shared).bold);
    EXPECT_EQ(Node(main).image, kWndMain + 2);
    EXPECT_EQ(Node(shared).image, kWndDialogBox + 2);

    Tree().SetCaret(roots[1]);
    EXPECT_EQ(page.GetSelectedWindow(), nullptr);
    EXPECT_EQ(page.GetSelectedApplication(), locked);
    EXPECT_EQ(page.GetSelectedFile(), locked);
    Tree().SetCaret(ItemOf(main));
    EXPECT_EQ(page.GetSelectedWindow(), main);
    EXPECT_EQ(page.GetSelectedApplication(), nullptr);
}

TEST_F(WindowPageTest, AWindowsColourTellsWhetherItMayBeChangedAndWhetherItsSubtreeHasTransitions) {
    CFileKav* locked = app.GetFiles().Add(new CFileKav("Locked", "Locked.xml", "/projects/Locked.xml", true));
    CWindowKav* plain = Window("Plain");
    CWindowKav* withTransition = Window("WithTransition");
    CWindowKav* button = Window("Button", withTransition, kWndPushButton);
    project.AddTransition(button, "Button_T1");
    CWindowKav* readOnly = Window("ReadOnly", nullptr, kWndDialogBox, locked);
    project.AddTransition(readOnly, "ReadOnly_T1");
    page.Fill();
    EXPECT_EQ(Node(plain).colours, PlainItemColours(kTreeTextBlack));
    EXPECT_EQ(Node(withTransition).colours, PlainItemColours(kTreeTextBlue));
    EXPECT_EQ(Node(button).colours, PlainItemColours(kTreeTextBlue));
    EXPECT_EQ(Node(readOnly).colours, PlainItemColours(kTreeTextGrey));

    page.SetCurrentWindow(readOnly);
    EXPECT_EQ(Node(readOnly).colours, (ItemColours{0xFFFFFF, 0x0A8205, 0x0A8205}));
    page.SetCurrentWindow(nullptr);
    EXPECT_EQ(Node(readOnly).colours, PlainItemColours(kTreeTextGrey));
}

// ---- Sorting

TEST(CompareWindows, TheSortOrdersKeyDecidesThenTheNameWithoutCase) {
    TestProject project;
    CWindowKav* alpha = WithUftClass(project.AddWindow("alpha", nullptr, kWndPushButton), "WinButton");
    CWindowKav* beta = WithUftClass(project.AddWindow("Beta", nullptr, kWndDialogBox), "Dialog");
    CWindowKav* gamma = WithUftClass(project.AddWindow("gamma", nullptr, kWndPushButton), "winbutton");
    CWindowKav* delta = project.AddWindow("Delta", nullptr, kWndCheckBox);
    const struct {
        const char* order;
        const CWindowKav* first;
        const CWindowKav* second;
        int sign;
    } cases[] = {
        {"Name", alpha, beta, -1},
        {"Name", beta, alpha, 1},
        {"", gamma, delta, 1},
        {"Name", alpha, alpha, 0},
        // Types: "Push Button" after "Dialog Box"; equal types go by name.
        {"Type", alpha, beta, 1},
        {"Type", alpha, gamma, -1},
        {"Type", delta, beta, -1},
        // UFT classes: "Dialog" before "WinButton"; none before any.
        {"QTP", alpha, beta, 1},
        {"QTP", delta, beta, -1},
        // Keys that differ only in case are not equal: they compare as keys, equal without case.
        {"QTP", gamma, alpha, 0},
        {"Name", nullptr, alpha, -1},
        {"Name", alpha, nullptr, 1},
    };
    for (const auto& c : cases) {
        const int result = CompareWindows(c.first, c.second, c.order);
        EXPECT_EQ((result > 0) - (result < 0), c.sign)
            << c.order << ": " << (c.first ? c.first->GetName() : "none") << " / "
            << (c.second ? c.second->GetName() : "none");
    }
}

TEST_F(WindowPageTest, EveryLevelIsSortedByTheChosenOrder) {
    CWindowKav* dialog = Window("Dialog");
    WithUftClass(Window("zeta", dialog, kWndPushButton), "WinButton");
    WithUftClass(Window("Alpha", dialog, kWndCheckBox), "WinCheckBox");
    WithUftClass(Window("mid", dialog, kWndInputField), "WinEdit");
    const struct {
        const char* order;
        std::vector<std::string> children;
    } cases[] = {
        {"Name", {"Alpha", "mid", "zeta"}},
        {"Type", {"Alpha", "mid", "zeta"}},  // Check Box, Input Field, Push Button
        {"QTP", {"zeta", "Alpha", "mid"}},   // WinButton, WinCheckBox, WinEdit
    };
    for (const auto& sorted : cases) {
        ChooseSortOrder(sorted.order);
        page.RebuildTree();
        EXPECT_EQ(Tree().GetSortOrder(), sorted.order);
        EXPECT_EQ(Tree().Outline(ItemOf(dialog)), sorted.children) << sorted.order;
    }
    EXPECT_EQ(GetWindowTypeName(kWndCheckBox), "Check Box");
}

TEST_F(WindowPageTest, ANewSortOrderSortsTheShownTreeAgainKeepingItsState) {
    CWindowKav* dialog = Window("Dialog");
    CWindowKav* zeta = WithUftClass(Window("zeta", dialog, kWndPushButton), "WinButton");
    WithUftClass(Window("Alpha", dialog, kWndCheckBox), "WinCheckBox");
    Window("Inner", zeta, kWndPushButton);
    ChooseSortOrder("Name");
    page.Fill();
    Tree().Expand(ItemOf(dialog));
    page.SelectWindow(zeta);

    ChooseSortOrder("QTP");
    page.SortTree();
    EXPECT_EQ(Tree().GetSortOrder(), "QTP");
    EXPECT_EQ(Tree().Outline(ItemOf(dialog)), (std::vector<std::string>{"zeta", "  Inner", "Alpha"}));
    EXPECT_EQ(page.GetSelectedWindow(), zeta);
    EXPECT_TRUE(Node(dialog).expanded);
}

TEST_F(WindowPageTest, TheMenuChecksTheOrderInForceAndUftOnlyForUftProjects) {
    const struct {
        const char* order;
        int format;
        int checked;
    } cases[] = {
        {"Name", 2, command::kSortByName},       {"Type", 2, command::kSortByType},
        {"QTP", 7, command::kSortByUftClass},    {"QTP", 2, command::kSortByName},
        {"", 2, command::kSortByName},
    };
    for (const auto& c : cases) {
        ChooseSortOrder(c.order);
        app.SetOutputFormat(c.format);
        std::vector<int> checked;
        for (const TreeMenuEntry& entry : page.ContextMenu())
            if (entry.checked) checked.push_back(entry.command);
        EXPECT_EQ(checked, std::vector<int>{c.checked}) << c.order << " " << c.format;
    }
    std::vector<int> commands;
    for (const TreeMenuEntry& entry : page.ContextMenu()) commands.push_back(entry.command);
    EXPECT_EQ(commands, (std::vector<int>{32781, 32777, 32771, 32778, 0, 40003, 32913, 32944, 32903, 32892, 0, 32968,
                                          32969, 32970, 0, 32801, 32802, 32829, 32893, 0, 32930, 32931}));
}

// ---- Dropping

TEST_F(WindowPageTest, ADroppedWindowMovesToTheOriginOfItsNewParentWhichGrowsToHoldIt) {
    CWindowKav* dialog = Window("Dialog");
    dialog->SetRect({10, 10, 110, 60});
    CWindowKav* group = Window("Group", dialog, kWndGroupBox);
    group->SetRect({5, 5, 45, 25});
    CWindowKav* other = Window("Other");
    CWindowKav* moved = Window("Moved", other, kWndListBox);
    moved->SetRect({200, 300, 280, 390});
    CWindowKav* item = Window("Entry", moved, kWndStaticText);
    page.Fill();
    Drag(moved, ItemOf(group));

    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(moved->GetParent(), group);
    EXPECT_EQ(moved->GetRect(), (WindowRect{0, 0, 80, 90}));
    EXPECT_EQ(group->GetRect(), (WindowRect{5, 5, 85, 95}));
    EXPECT_EQ(dialog->GetRect(), (WindowRect{10, 10, 110, 105}));
    EXPECT_EQ(Tree().Outline(ItemOf(dialog)), (std::vector<std::string>{"Group", "  Moved", "    Entry"}));
    EXPECT_EQ(Tree().GetParent(ItemOf(item)), ItemOf(moved));
    EXPECT_EQ(host.viewRefreshes, 1);
    EXPECT_EQ(host.undoSteps, std::vector<std::string>{"Drag Window"});

    // Onto the project's item it becomes a window of its own, where it stays.
    Drag(moved, Tree().GetProjectItem());
    EXPECT_EQ(moved->GetParent(), nullptr);
    EXPECT_EQ(Tree().GetParent(ItemOf(moved)), Tree().GetProjectItem());
    EXPECT_EQ(host.undoSteps.size(), 2u);
    Drag(moved, Tree().GetProjectItem());
    EXPECT_EQ(host.undoSteps.size(), 2u);
}

TEST_F(WindowPageTest, RefusedDropsChangeNothing) {
    CFileKav* locked = app.GetFiles().Add(new CFileKav("Locked", "Locked.xml", "/projects/Locked.xml", true));
    CWindowKav* dialog = Window("Dialog");
    CWindowKav* button = Window("Button", dialog, kWndPushButton);
    button->SetRect({1, 2, 3, 4});
    CWindowKav* lockedWindow = Window("LockedWindow", nullptr, kWndDialogBox, locked);
    CWindowKav* menu = Window("Menu", dialog, kWndMenu);
    page.Fill();
    const std::vector<std::string> before = Tree().Outline();
    const struct {
        int target;
        const char* message;  // empty: the model's own
        const char* caption;
    } cases[] = {
        {ItemOf(lockedWindow), "Items cannot be dropped on a read-only window! [W0359]", "Target Window is Read-Only"},
        {Tree().Children(kNoItem)[1], "Items cannot be dropped on a library! [W0426]", "Target Folder is Read-Only"},
        {ItemOf(menu), "", "Invalid Relationship"},
        {ItemOf(dialog), nullptr, nullptr},  // its parent already
    };
    for (const auto& drop : cases) {
        TestInteraction().messages.clear();
        Drag(button, drop.target);
        if (!drop.caption) {
            EXPECT_TRUE(Messages().empty());
        } else {
            ASSERT_EQ(Messages().size(), 1u) << drop.caption;
            if (*drop.message) EXPECT_EQ(Messages().front(), drop.message);
            else EXPECT_NE(Messages().front().find("[W05"), std::string::npos) << Messages().front();
            EXPECT_EQ(Caption(), drop.caption);
        }
        EXPECT_EQ(button->GetParent(), dialog);
    }
    EXPECT_EQ(button->GetRect(), (WindowRect{1, 2, 3, 4}));
    EXPECT_EQ(Tree().Outline(), before);
    EXPECT_TRUE(host.undoSteps.empty());
    EXPECT_EQ(host.viewRefreshes, 0);
    EXPECT_FALSE(Tree().StartDrag(ItemOf(lockedWindow)));
    EXPECT_FALSE(Tree().StartDrag(Tree().GetProjectItem()));
}

// ---- Renaming

TEST_F(WindowPageTest, ARenameGoesThroughTheWindowListWithItsRefusals) {
    CWindowKav* dialog = Window("Dialog");
    CWindowKav* ok = Window("OK", dialog, kWndPushButton);
    Window("Cancel", dialog, kWndPushButton);
    page.Fill();
    for (const char* refused : {"Cancel", "1st"}) {
        TestInteraction().messages.clear();
        Rename(ok, refused);
        ASSERT_EQ(Messages().size(), 1u) << refused;
        EXPECT_EQ(Caption(), "Cannot change Window ID");
        EXPECT_EQ(ok->GetName(), "OK");
    }
    EXPECT_TRUE(host.undoSteps.empty());

    Rename(ok, "ok");
    EXPECT_EQ(ok->GetName(), "OK") << "a change of case alone is ignored";
    EXPECT_TRUE(host.undoSteps.empty());

    Rename(ok, "Apply");
    EXPECT_EQ(ok->GetName(), "Apply");
    EXPECT_EQ(Tree().Outline(ItemOf(dialog)), (std::vector<std::string>{"Apply", "Cancel"}));
    EXPECT_EQ(host.renamedWindows, std::vector<CWindowKav*>{ok});
    EXPECT_EQ(host.undoSteps, std::vector<std::string>{"Edit Window ID"});
    EXPECT_FALSE(page.IsEditingLabel());
}

TEST_F(WindowPageTest, FileItemsAndReadOnlyWindowsKeepTheirNames) {
    CWindowKav* shared = Window("Shared", nullptr, kWndDialogBox, project.Lib());
    project.Lib()->SetReadOnly(true);
    page.Fill();
    EXPECT_FALSE(page.BeginLabelEdit(Tree().GetProjectItem()));
    EXPECT_FALSE(page.BeginLabelEdit(ItemOf(shared)));
}

// ---- Keys, picks and the frame's operations

TEST_F(WindowPageTest, EnterOpensTheMenuEditorForMenusAndTheWindowEditorForTheRest) {
    CWindowKav* dialog = Window("Dialog");
    CWindowKav* menu = Window("Menu", dialog, kWndMenu);
    CWindowKav* menuItem = Window("File", menu, kWndMenuItem);
    page.Fill();
    for (int item : {ItemOf(menu), ItemOf(menuItem), ItemOf(dialog), Tree().GetProjectItem()}) {
        Tree().Select(item);
        EXPECT_EQ(page.OnKey(TreeKey::Enter, false), TreeKeyResult::Handled);
    }
    page.OnDoubleClick();
    EXPECT_EQ(host.commands, (std::vector<int>{32777, 32777, 32781, 32781, 32781}));
    page.OnKey(TreeKey::F1, false);
    EXPECT_EQ(host.helpContexts, std::vector<int>{35000});
}

TEST_F(WindowPageTest, InPickModeAClickReportsTheWindow) {
    CWindowKav* dialog = Window("Dialog");
    page.Fill();
    EXPECT_FALSE(page.OnItemClick(ItemOf(dialog), true)) << "Ctrl alone picks nothing here";
    page.SetPickMode(true);
    EXPECT_FALSE(page.OnItemClick(Tree().GetProjectItem(), false));
    EXPECT_TRUE(page.OnItemClick(ItemOf(dialog), false));
    EXPECT_EQ(host.pickedWindows, std::vector<CWindowKav*>{dialog});
}

TEST_F(WindowPageTest, TheFramesOperationsKeepTheTreeInStep) {
    CWindowKav* dialog = Window("Dialog");
    CWindowKav* other = Window("Other");
    page.Fill();

    // A window view added a control with a child.
    CWindowKav* added = Window("Added", dialog, kWndGroupBox);
    Window("Inside", added, kWndPushButton);
    project.AddTransition(added, "Added_T1");
    page.InsertWindow(added);
    EXPECT_EQ(Tree().Outline(ItemOf(dialog)), (std::vector<std::string>{"Added", "  Inside"}));
    EXPECT_EQ(Node(dialog).colours, PlainItemColours(kTreeTextBlue));

    // A new start window.
    app.SetStartWindow(other);
    page.MoveBoldMark(nullptr, other);
    EXPECT_TRUE(Node(other).bold);
    app.SetStartWindow(dialog);
    page.MoveBoldMark(other, dialog);
    EXPECT_FALSE(Node(other).bold);
    EXPECT_TRUE(Node(dialog).bold);

    // Marked search results end with the next click.
    page.MarkWindows({added, other});
    EXPECT_TRUE(Node(added).marked);
    page.OnItemClick(kNoItem, false);
    EXPECT_FALSE(Node(added).marked);
    EXPECT_TRUE(page.MarkedWindows().empty());

    // A window took another's place: the item stands for the new one.
    void* item = added->GetTreeItem();
    CWindowKav* replacement = Window("Replacement", nullptr, kWndPushButton);
    page.SetItemData(item, replacement);
    EXPECT_EQ(page.Tree().WindowOf(CItemTree::ItemOfKey(item)), replacement);
    EXPECT_EQ(Node(replacement).image, kWndPushButton + 2);

    // The item goes; its former parent loses its blue.
    page.DeleteWindowItem(item);
    EXPECT_EQ(Tree().Outline(ItemOf(dialog)), std::vector<std::string>{});
    project.App().GetWindowList().DeleteWindow("Added", project.Main());
    page.RefreshWindowItem(dialog, true);
    EXPECT_EQ(Node(dialog).colours, PlainItemColours(kTreeTextBlack));
}

TEST_F(WindowPageTest, ACutWindowLooksCutUntilThePickEnds) {
    CWindowKav* dialog = Window("Dialog");
    CWindowKav* other = Window("Other");
    page.Fill();
    page.ShowCutWindow(dialog);
    EXPECT_TRUE(Node(dialog).cut);
    page.ShowCutWindow(other);
    EXPECT_FALSE(Node(dialog).cut) << "one item waits at a time";
    EXPECT_TRUE(Node(other).cut);
    page.EndPickOperation();
    EXPECT_FALSE(Node(other).cut);
}

TEST_F(WindowPageTest, TheFramesClipboardCommandsGoToALabelBeingEditedAndTheFocusComesBack) {
    RecordingTreeObserver observer;
    Tree().SetObserver(&observer);
    CWindowKav* dialog = Window("Dialog");
    page.Fill();
    EXPECT_FALSE(page.PassToLabelEdit(command::kCut)) << "no label is being edited";

    ASSERT_TRUE(page.BeginLabelEdit(ItemOf(dialog)));
    EXPECT_TRUE(page.PassToLabelEdit(command::kCut));
    EXPECT_TRUE(page.PassToLabelEdit(command::kCopy));
    EXPECT_TRUE(page.PassToLabelEdit(command::kPaste));
    EXPECT_FALSE(page.PassToLabelEdit(command::kDelete));
    EXPECT_EQ(observer.labelCommands,
              (std::vector<LabelClipboard>{LabelClipboard::Cut, LabelClipboard::Copy, LabelClipboard::Paste}));
    page.EndLabelEdit(ItemOf(dialog), true, "");
    EXPECT_FALSE(page.PassToLabelEdit(command::kPaste));

    page.TakeFocus();
    EXPECT_EQ(observer.focusWanted, 1);
    Tree().SetObserver(nullptr);
}

TEST_F(WindowPageTest, AfterTheProjectWasReplacedTheSameWindowIsSelectedAgain) {
    CWindowKav* dialog = Window("Dialog");
    page.Fill();
    page.SelectWindow(dialog);
    {
        TestProject restored;
        restored.AddWindow("Before");
        CWindowKav* again = restored.AddWindow("Dialog");
        again->SetInternalID(dialog->GetInternalID());
        page.RebuildTree();
        EXPECT_EQ(page.GetSelectedWindow(), again);
    }
    CurrentApplication = &app;
    page.Fill();
}

TEST_F(WindowPageTest, ARefillAfterTheProjectWasFreedFindsTheSelectionByItsId) {
    std::string id;
    {
        TestProject closed;
        CWindowKav* dialog = closed.AddWindow("Dialog");
        id = dialog->GetInternalID();
        page.Fill();
        page.SelectWindow(dialog);
    }
    CurrentApplication = &app;
    CWindowKav* again = Window("Dialog");
    again->SetInternalID(id);
    page.RebuildTree();
    EXPECT_EQ(page.GetSelectedWindow(), again);
}
