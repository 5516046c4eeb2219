// The naming and hierarchy rules of the model objects that the application root builds on.
#include <gtest/gtest.h>

#include "tests/support/ProjectBuilder.h"
#include "tests/support/Refusal.h"

TEST(ModelObjectRules, NamesAreCheckedByTheirOwnSetters) {
    CTaskKav task("Order", kTaskPlain);
    CTaskKav folder("Folder", kTaskFolder);
    CMainWinKav window({.id = "Main"});
    CDataSet dataSet("Customer");
    CRequirement requirement("R1");
    const std::string hundred(100, 't'), fifty(50, 'w'), thirty(30, 'd');

    EXPECT_EQ(Refusal([&] { return task.SetName(""); }), "The task name must not be empty! [W0583]");
    EXPECT_EQ(Refusal([&] { return task.SetName(hundred); }), "");
    EXPECT_EQ(Refusal([&] { return task.SetName(hundred + "t"); }),
              "The task name must not be longer than 100 characters! [W0584]");
    EXPECT_EQ(Refusal([&] { return task.SetName("Or der"); }), "Illegal character ' ' in task name! [W0009]");
    EXPECT_EQ(task.GetName(), hundred);
    EXPECT_EQ(Refusal([&] { return folder.SetName("My folder"); }), "");

    EXPECT_EQ(Refusal([&] { return window.SetName(fifty); }), "");
    EXPECT_EQ(Refusal([&] { return window.SetName(fifty + "w"); }),
              "The window ID must not be longer than 50 characters! [W0525]");
    EXPECT_EQ(Refusal([&] { return window.SetName("a-b"); }), "Illegal character '-' in window ID! [W0526]");
    EXPECT_EQ(Refusal([&] { return window.SetName("1st"); }), "");

    EXPECT_EQ(Refusal([&] { return dataSet.SetName(thirty); }), "");
    EXPECT_EQ(Refusal([&] { return dataSet.SetName(thirty + "d"); }),
              "The name must not be longer than 30 characters! [W0464]");
    EXPECT_EQ(Refusal([&] { return dataSet.SetName("1a"); }), "The name must not begin with a number! [W0485]");
    EXPECT_EQ(Refusal([&] { return dataSet.SetName("a-b"); }), "Illegal character '-' in name! [W0475]");

    EXPECT_EQ(Refusal([&] { return requirement.SetID(""); }), "Please enter a valid requirement ID! [W0793]");
    EXPECT_EQ(Refusal([&] { return requirement.SetID(fifty + "r"); }),
              "The ID must not be longer than 50 characters! [W0794]");
    EXPECT_EQ(Refusal([&] { return requirement.SetID("Any text: 1.2"); }), "");

    CMainWinKav captioned({.id = "W", .caption = "a\tb\nc"});
    EXPECT_EQ(captioned.GetCaption(), "a b c");
}

TEST(ModelObjectRules, HierarchiesRefuseCyclesAndDuplicatesAndMoveChildren) {
    CTaskKav a("A", kTaskPlain), b("B", kTaskPlain), c("C", kTaskPlain);
    ASSERT_TRUE(a.AddChild(&b));
    ASSERT_TRUE(b.AddChild(&c));
    EXPECT_EQ(b.GetParentId(), a.GetID());
    EXPECT_EQ(Refusal([&] { return c.AddChild(&a); }),
              "Illegal relationship: No cycles are allowed in the task hierarchy! [W0586]");
    EXPECT_EQ(Refusal([&] { return a.AddChild(&a); }),
              "Illegal relationship: No cycles are allowed in the task hierarchy! [W0586]");
    EXPECT_EQ(Refusal([&] { return b.AddChild(&c); }), "Task C is already a child of task B! [W0585]");
    EXPECT_EQ(Refusal([&] { return a.AddChild(&c); }), "");
    EXPECT_TRUE(b.GetChildren().empty());
    EXPECT_EQ(Refusal([&] { return b.RemoveChild(&c); }),
              "Cannot delete relationship: Task C is not a child of task B! [W0587]");

    CRequirement r1("R1"), r2("R2");
    ASSERT_TRUE(r1.AddChild(&r2));
    EXPECT_EQ(Refusal([&] { return r2.AddChild(&r1); }),
              "Illegal relationship: No cycles are allowed in the requirement hierarchy! [W0997]");
    EXPECT_EQ(Refusal([&] { return r1.AddChild(&r2); }), "Requirement R2 is already a child of requirement R1! [W1058]");
    EXPECT_EQ(Refusal([&] { return r2.RemoveChild(&r1); }),
              "Cannot delete relationship: Requirement R1 is not a child of requirement R2! [W0998]");
}

TEST(ModelObjectRules, WindowsKeepTheMenuRules) {
    CDialogBoxKav dialog({.id = "Dlg"});
    CPushButtonKav button({.id = "OK"});
    CMenuKav menu("Menu", 0, 0, "");
    CMenuItemKav item("File", 0, 0, "", "", 0, 0, 0), sub("Open", 0, 0, "", "", 0, 0, 0);
    CMenuItemKav separator("Sep", 0, 0, "", "", 0, 0, 0);
    separator.SetStyle(win32::MF_SEPARATOR);

    EXPECT_EQ(Refusal([&] { return button.AddChild(&item); }),
              "Menu items can only be children of menus or other menu items! [W0534]");
    EXPECT_EQ(Refusal([&] { return menu.AddChild(&button); }), "Menus can only have menu items as children! [W0529]");
    EXPECT_EQ(Refusal([&] { return item.AddChild(&button); }),
              "Menu items can only have other menu items as children! [W0530]");
    EXPECT_EQ(Refusal([&] { return separator.AddChild(&sub); }), "Separator Menu items cannot have children! [W0531]");
    EXPECT_EQ(Refusal([&] { return dialog.AddChild(&dialog); }),
              "Illegal relationship: No cycles are allowed in the window hierarchy! [W0527]");

    ASSERT_TRUE(menu.AddChild(&item));
    ASSERT_TRUE(item.AddChild(&sub));
    EXPECT_TRUE(item.GetStyle() & win32::MF_POPUP);
    CMenuItemKav other("Edit", 0, 0, "", "", 0, 0, 0);
    ASSERT_TRUE(menu.AddChild(&other));
    ASSERT_TRUE(other.AddChild(&sub));  // moves: the former parent loses its popup flag
    EXPECT_FALSE(item.GetStyle() & win32::MF_POPUP);
    EXPECT_EQ(sub.GetParent(), &other);
    other.GetTransitions().Add(new CTransitionKav("T", "", "", "", "", "", &other, nullptr, 0, nullptr, 2, "", 0));
    EXPECT_EQ(Refusal([&] { return other.AddChild(&item); }), "Menu items with transitions cannot have children! [W0532]");
}

using WindowTable = ProjectTest;

TEST_F(WindowTable, NamesAreUniquePerFileWithoutCase) {
    CWindowList& table = app.GetWindowList();
    EXPECT_EQ(CWindowList::HashName("Login"), CWindowList::HashName("LOGIN"));
    CWindowKav* login = project.AddWindow("Login");
    CMainWinKav refused({.id = "LOGIN"});
    EXPECT_EQ(Refusal([&] { return table.Add(&refused); }),
              "A window with ID LOGIN is already existing! [W0536]");
    auto* inLib = new CMainWinKav({.id = "LOGIN"});
    inLib->SetFile(project.Lib());
    EXPECT_TRUE(table.Add(inLib));
    EXPECT_EQ(table.FindByName("login", project.Lib()), inLib);
    EXPECT_EQ(table.FindByName("login", nullptr), login);
    EXPECT_EQ(table.MakeUniqueName("Login"), "Login1");
    EXPECT_TRUE(table.Remove(inLib));
    delete inLib;
    EXPECT_EQ(table.GetCount(), 1u);
}

TEST_F(WindowTable, TheWalkVisitsBucketsInOrderAndFindMovesIt) {
    CWindowList& table = app.GetWindowList();
    // Buckets: "a" 97 % 30 = 7, "01" 48 + 49 = 97 -> 7, "b" 8, "A_" 97 + 95 = 192 -> 12.
    for (const char* name : {"A_", "b", "a", "01"}) project.AddWindow(name);
    std::vector<std::string> walked;
    for (CWindowKav* w = table.GetFirst(); w; w = table.GetNext()) walked.push_back(w->GetName());
    EXPECT_EQ(walked, (std::vector<std::string>{"a", "01", "b", "A_"}));
    EXPECT_EQ(table.GetNext(), nullptr);
    EXPECT_EQ(table.GetNext(), nullptr);

    table.GetFirst();
    ASSERT_NE(table.FindByName("B", nullptr), nullptr);
    EXPECT_EQ(table.GetNext()->GetName(), "A_");  // the walk goes on behind the found window
}
