// The window table's lookups and its changes of a window as a whole: renaming, changing the
// type, deleting, redirecting.
#include <gtest/gtest.h>

#include "model/TestStep.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/Refusal.h"
#include "tests/support/WindowBuilder.h"

namespace {

class WindowTableChanges : public ProjectTest {
protected:
    CWindowList& table = app.GetWindowList();

    CTaskStep* AddTaskStep(CTaskKav* task, CWindowKav* start, CWindowKav* dest, const std::string& event = {}) {
        return task->GetSteps().Add(new CTaskStep("S", event, "", "", "", "", start, dest, 0, nullptr, 2, "", 0));
    }
    CTestStep* AddTestStep(CTestCase* testCase, CWindowKav* start, CWindowKav* dest, CTransitionKav* transition) {
        return testCase->GetSteps().Add(
            new CTestStep("S", "", "", "", "", "", start, dest, 0, 2, "", nullptr, nullptr, transition, ""));
    }
    std::vector<std::string> Walk() {
        std::vector<std::string> names;
        for (CWindowKav* w = table.GetFirst(); w; w = table.GetNext()) names.push_back(w->GetName());
        return names;
    }
};

}  // namespace

TEST_F(WindowTableChanges, LookupsByIdWalkAndTabPageLookupsKeepTheCursor) {
    // Buckets: "a" 97 % 30 = 7, "b" 8, "c" 9.
    CWindowKav* a = project.AddWindow("a");
    CWindowKav* b = project.AddWindow("b");
    auto* c = static_cast<CTabControlKav*>(project.AddWindow("c", nullptr, kWndTabControl));
    CTabPage* page = c->GetPages().Add(new CTabPage("First", "A"));
    CTransitionKav* transition = project.AddTransition(b, "b_T1");

    EXPECT_EQ(table.FindByID(b->GetInternalID()), b);
    EXPECT_EQ(table.GetNext(), c);  // the lookup walked with the cursor
    EXPECT_EQ(table.FindByID("unknown"), nullptr);
    EXPECT_EQ(table.FindTransitionByID(transition->GetId()), transition);

    EXPECT_EQ(table.GetFirst(), a);
    CTabControlKav* found = nullptr;
    EXPECT_EQ(table.FindTabPage("a", found), page);
    EXPECT_EQ(found, c);
    EXPECT_EQ(table.GetNext(), b);  // restored
    EXPECT_EQ(table.FindTabPage("b", found), nullptr);
    EXPECT_EQ(found, nullptr);

    EXPECT_EQ(table.Snapshot(), (std::vector<CWindowKav*>{a, b, c}));
    EXPECT_EQ(table.MakeUniqueName("a"), "a1");
}

TEST_F(WindowTableChanges, UniqueNamesCountOnlyTheMainFile) {
    project.AddWindow("B");
    project.AddWindow("B1");
    project.AddWindow("B2", nullptr, kWndMain, project.Lib());
    EXPECT_EQ(table.MakeUniqueName("B"), "B2");
    EXPECT_EQ(table.MakeUniqueName("C"), "C");
}

TEST_F(WindowTableChanges, TransitionsAreCountedOnceFromTheTopWindows) {
    CWindowKav* main = project.AddWindow("Main");
    CWindowKav* button = project.AddWindow("OK", main, kWndPushButton);
    CWindowKav* other = project.AddWindow("Other");
    project.AddTransition(button, "T1");
    project.AddTransition(main, "T2");
    project.AddTransition(other, "T3");
    EXPECT_EQ(table.CountAllTransitions(), 3);
}

TEST_F(WindowTableChanges, FittingGrowsTheAncestorsWhileTheChildSticksOut) {
    CWindowKav* dialog = AddControl(project, "Dlg", kWndDialogBox, nullptr, {100, 100, 300, 200});
    CWindowKav* group = AddControl(project, "Grp", kWndGroupBox, dialog, {10, 10, 110, 60});
    CWindowKav* button = AddControl(project, "OK", kWndPushButton, group, {20, 20, 150, 80});
    CWindowList::FitParents(button);
    EXPECT_EQ(group->GetRect(), (WindowRect{10, 10, 160, 90}));
    EXPECT_EQ(dialog->GetRect(), (WindowRect{100, 100, 300, 200}));  // 160 x 90 fits in 200 x 100

    button->SetRect({20, 20, 250, 50});
    CWindowList::FitParents(button);
    EXPECT_EQ(group->GetRect(), (WindowRect{10, 10, 260, 90}));
    EXPECT_EQ(dialog->GetRect(), (WindowRect{100, 100, 360, 200}));
}

TEST_F(WindowTableChanges, RenamingMovesTheWindowAndRewritesReferences) {
    CWindowKav* login = project.AddWindow("Login");
    CWindowKav* other = project.AddWindow("Other");
    auto* tabs = static_cast<CTabControlKav*>(project.AddWindow("Tabs", nullptr, kWndTabControl));
    tabs->GetPages().Add(new CTabPage("Login", "LOGIN"));
    CTransitionKav* transition = project.AddTransition(other, "Other_T1");
    transition->SetEvent("#LOGIN:$Enabled# AND #LoginDlg#");
    CTaskStep* step = AddTaskStep(project.AddTask("Order"), login, nullptr, "Click #Login#");
    CConditionKav* meta = project.AddMetaCondition("C1", "#login# = 'x'");
    CTestCase* testCase = project.AddTestCase(1, kTestCaseTransition, nullptr, login);
    CTestStep* testStep = AddTestStep(testCase, login, nullptr, nullptr);
    testStep->SetEvent("#Login#");

    EXPECT_EQ(Refusal([&] { return table.RenameWindow(login, "LOGIN"); }), "");
    EXPECT_EQ(login->GetName(), "LOGIN");
    EXPECT_EQ(step->GetEvent(), "Click #Login#");  // a new letter case rewrites nothing

    EXPECT_EQ(Refusal([&] { return table.RenameWindow(login, "other"); }),
              "A window with ID other is already existing! [W0537]");
    EXPECT_EQ(Refusal([&] { return table.RenameWindow(login, "1x"); }),
              "The window ID must not begin with a number! [W0789]");
    EXPECT_EQ(Refusal([&] { return table.RenameWindow(login, "Log-on"); }),
              "Illegal character '-' in window ID! [W0526]");
    EXPECT_EQ(login->GetName(), "LOGIN");

    EXPECT_EQ(Refusal([&] { return table.RenameWindow(login, "Logon"); }), "");
    EXPECT_EQ(table.FindByName("logon", project.Main()), login);
    EXPECT_EQ(table.FindByName("login", nullptr), nullptr);
    EXPECT_EQ(transition->GetEvent(), "#Logon:$Enabled# AND #LoginDlg#");
    EXPECT_EQ(step->GetEvent(), "Click #Logon#");
    EXPECT_EQ(meta->GetText(), "#Logon# = 'x'");
    EXPECT_EQ(tabs->GetPages()[0]->GetPageWindowId(), "Logon");
    EXPECT_EQ(testStep->GetEvent(), "#Login#");  // test cases keep their texts

    CMainWinKav outside({.id = "Outside"});
    outside.SetFile(project.Main());
    EXPECT_EQ(Refusal([&] { return table.RenameWindow(&outside, "Inside"); }),
              "Window Outside not found while changing its ID! [W0538]");
}

TEST_F(WindowTableChanges, RenamingALibraryWindowRewritesItsQualifiedName) {
    CWindowKav* shared = project.AddWindow("Shared", nullptr, kWndMain, project.Lib());
    project.AddWindow("Common");  // the same name in another file does not count
    CConditionKav* meta = project.AddMetaCondition("C1", "#^Lib:Shared:$Caption# = #Shared#");
    EXPECT_TRUE(table.RenameWindow(shared, "Common"));
    EXPECT_EQ(meta->GetText(), "#^Lib:Common:$Caption# = #Shared#");
}

TEST_F(WindowTableChanges, AChangedTypeKeepsIdentityTreeAndReferences) {
    CWindowKav* dialog = project.AddWindow("Dlg", nullptr, kWndDialogBox);
    CWindowKav* button = AddControl(project, "OK", kWndPushButton, dialog, {1, 2, 3, 4}, "Ok", 0x50010001);
    CWindowKav* last = project.AddWindow("Cancel", dialog, kWndPushButton);
    CWindowKav* child = project.AddWindow("Inner", button, kWndStaticText);
    const std::string internalId = button->GetInternalID();
    button->SetToolData(MakeElement("smurfData", "", {}, {MakeElement("application", "App1")}));
    CXMLElement* toolData = button->GetToolData();
    button->GetAttributes().Add(new CAttributeKav("Color", 4, "red"));
    CTransitionKav* own = project.AddTransition(button, "OK_T1");
    CTransitionKav* into = project.AddTransition(dialog, "Dlg_T1");
    into->SetDestWindow(button);
    CTaskStep* step = AddTaskStep(project.AddTask("Order"), button, button);
    CTestCase* testCase = project.AddTestCase(1, kTestCaseTransition, nullptr, button);
    CTestStep* testStep = AddTestStep(testCase, button, nullptr, own);
    auto* script = app.GetTestScripts().Add(new CTestScript());
    script->SetWindow(button);
    app.SetStartWindow(button);

    CWindowKav* box = table.ChangeType(button, kWndCheckBox);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->GetType(), kWndCheckBox);
    EXPECT_EQ(box->GetName(), "OK");
    EXPECT_EQ(box->GetCaption(), "Ok");
    EXPECT_EQ(box->GetInternalID(), internalId);
    EXPECT_EQ(box->GetStyle(), 0x50010000u);
    EXPECT_EQ(box->GetRect(), (WindowRect{1, 2, 3, 4}));
    EXPECT_EQ(box->GetFile(), project.Main());
    EXPECT_EQ(As<CCheckBoxKav>(box).GetValue(), 0);
    EXPECT_EQ(box->GetToolData(), toolData);
    EXPECT_EQ(box->GetAttributes().size(), 1u);
    ASSERT_EQ(box->GetTransitions().size(), 1u);
    EXPECT_EQ(box->GetTransitions()[0], own);
    EXPECT_EQ(own->GetStartWindow(), box);
    EXPECT_EQ(into->GetDestWindow(), box);
    EXPECT_EQ(box->GetParent(), dialog);
    EXPECT_EQ(dialog->GetChildren(), (std::vector<CWindowKav*>{last, box}));
    EXPECT_EQ(box->GetChildren(), std::vector<CWindowKav*>{child});
    EXPECT_EQ(child->GetParent(), box);
    EXPECT_EQ(step->GetStartWindow(), box);
    EXPECT_EQ(step->GetDestWindow(), box);
    EXPECT_EQ(testCase->GetWindow(), box);
    EXPECT_EQ(testStep->GetStartWindow(), box);
    EXPECT_EQ(script->GetWindow(), box);
    EXPECT_EQ(app.GetStartWindow(), box);
    EXPECT_EQ(table.FindByName("OK", project.Main()), box);
    EXPECT_EQ(table.GetCount(), 4u);
    EXPECT_TRUE(TestInteraction().messages.empty());
}

TEST_F(WindowTableChanges, ChangingTheTypeRefusesWithoutChangingAnything) {
    CWindowKav* main = project.AddWindow("Main");
    CWindowKav* button = project.AddWindow("OK", main, kWndPushButton);
    CWindowKav* menu = project.AddWindow("Menu", main, kWndMenu);
    CWindowKav* item = project.AddWindow("File", menu, kWndMenuItem);
    ClearGlobalMessage();

    EXPECT_EQ(table.ChangeType(nullptr, kWndCheckBox), nullptr);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Illegal Window while changing window type! [W0539]");
    EXPECT_EQ(table.ChangeType(button, kWndPushButton), nullptr);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Window already has the selected type! [W0540]");
    for (int type : {int(kWndMenu), int(kWndMenuItem), 22, -1}) {
        ClearGlobalMessage();
        EXPECT_EQ(table.ChangeType(button, type), nullptr);
        EXPECT_EQ(GetGlobalMessageBuffer(), "Cannot convert the window to the selected type! [W0541]") << type;
    }
    // Nothing else can stand in a menu or hold menu items.
    EXPECT_EQ(table.ChangeType(item, kWndPushButton), nullptr);
    EXPECT_EQ(table.ChangeType(menu, kWndChild), nullptr);
    EXPECT_EQ(main->GetChildren(), (std::vector<CWindowKav*>{button, menu}));
    EXPECT_EQ(table.GetCount(), 4u);
}

TEST_F(WindowTableChanges, AWindowOfALibraryKeepsItsFileWhenItsTypeChanges) {
    // The main file holds a window of the same name: entering the replacement in the main file
    // would fail after the old window is gone.
    CWindowKav* shared = project.AddWindow("OK", nullptr, kWndPushButton, project.Lib());
    CWindowKav* local = project.AddWindow("OK", nullptr, kWndPushButton);
    CWindowKav* replaced = table.ChangeType(shared, kWndRadioButton);
    ASSERT_NE(replaced, nullptr);
    EXPECT_EQ(replaced->GetFile(), project.Lib());
    EXPECT_EQ(table.FindByName("OK", project.Lib()), replaced);
    EXPECT_EQ(table.FindByName("OK", project.Main()), local);
}

TEST_F(WindowTableChanges, AReplacementWhoseNameIsTakenIsRefusedBeforeAnyChange) {
    // A window outside the table whose name another window of its file holds.
    CWindowKav* taken = project.AddWindow("OK", nullptr, kWndPushButton);
    auto* outside = new CPushButtonKav({.id = "ok"});
    outside->SetFile(project.Main());
    CTransitionKav* into = project.AddTransition(taken, "OK_T1");
    into->SetDestWindow(outside);
    EXPECT_EQ(Refusal([&] { return table.ChangeType(outside, kWndCheckBox); }),
              "A window with ID ok is already existing! [W0536]");
    EXPECT_EQ(into->GetDestWindow(), outside);
    delete outside;
}

TEST_F(WindowTableChanges, NewTypeDataStartsEmpty) {
    auto* tabs = static_cast<CTabControlKav*>(project.AddWindow("Tabs", nullptr, kWndTabControl));
    tabs->GetPages().Add(new CTabPage("General", "GeneralPage"));
    tabs->SetSelectedPageTitle("General");
    CWindowKav* fromTabs = table.ChangeType(tabs, kWndChild);
    ASSERT_NE(fromTabs, nullptr);
    CWindowKav* backToTabs = table.ChangeType(fromTabs, kWndTabControl);
    ASSERT_NE(backToTabs, nullptr);
    EXPECT_TRUE(As<CTabControlKav>(backToTabs).GetPages().empty());
    EXPECT_EQ(As<CTabControlKav>(backToTabs).GetSelectedPageTitle(), "");

    CWindowKav* field = project.AddWindow("Name", nullptr, kWndInputField);
    As<CInputFieldKav>(field).SetInitialValue("Smith");
    CWindowKav* link = table.ChangeType(field, kWndLink);
    EXPECT_EQ(As<CLinkKav>(link).GetInitialValue(), "http://");
    CWindowKav* combo = table.ChangeType(link, kWndComboBox);
    EXPECT_EQ(As<CComboBoxKav>(combo).GetInitialValue(), "");
}

TEST_F(WindowTableChanges, DeletingAWindowTakesItsSubtreeAndTheTransitionsIntoIt) {
    CWindowKav* main = project.AddWindow("Main");
    CWindowKav* dialog = project.AddWindow("Dlg", main, kWndDialogBox);
    CWindowKav* button = project.AddWindow("OK", dialog, kWndPushButton);
    CWindowKav* sameNameInLib = project.AddWindow("Dlg", nullptr, kWndDialogBox, project.Lib());
    CTransitionKav* toDialog = project.AddTransition(main, "Main_T1");
    toDialog->SetDestWindow(dialog);
    CTransitionKav* toButton = project.AddTransition(main, "Main_T2");
    toButton->SetDestWindow(button);
    CTransitionKav* toMain = project.AddTransition(main, "Main_T3");
    toMain->SetDestWindow(main);
    project.AddTransition(button, "OK_T1")->SetDestWindow(main);
    project.AddTestCase(1, kTestCaseTransition, nullptr, main, toDialog);
    CTestCase* kept = project.AddTestCase(2, kTestCaseTransition, nullptr, main, toMain);
    CTestStep* testStep = AddTestStep(kept, main, main, toButton);
    CTaskStep* performing = AddTaskStep(project.AddTask("Order"), nullptr, nullptr);
    performing->SetTransition(toButton);
    app.SetStartWindow(button);
    // As the delete command does first: the steps forget the windows themselves.
    app.RemoveReferencesFromTasks(dialog, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(performing->GetDestWindow(), nullptr);
    EXPECT_EQ(performing->GetTransition(), toButton);

    EXPECT_EQ(Refusal([&] { return table.DeleteWindow("Nope", project.Main()); }),
              "Window Nope not found while removing! [W0542]");
    EXPECT_EQ(Refusal([&] { return table.DeleteWindow("DLG", project.Main()); }), "");

    EXPECT_EQ(Walk(), (std::vector<std::string>{"Main", "Dlg"}));
    EXPECT_EQ(table.FindByName("Dlg", nullptr), sameNameInLib);
    EXPECT_TRUE(main->GetChildren().empty());
    EXPECT_EQ(main->GetTransitions().Snapshot(), std::vector<CTransitionKav*>{toMain});
    EXPECT_EQ(app.GetStartWindow(), nullptr);
    EXPECT_EQ(app.GetTestCases().Snapshot(), std::vector<CTestCase*>{kept});
    EXPECT_EQ(testStep->GetTransition(), nullptr);
    EXPECT_EQ(performing->GetTransition(), nullptr);
    EXPECT_EQ(performing->GetStartWindow(), main);
}

TEST_F(WindowTableChanges, ReplacingAWindowRedirectsAndRenamesItsReferences) {
    CWindowKav* oldWindow = project.AddWindow("Old");
    CWindowKav* newWindow = project.AddWindow("New");
    CWindowKav* other = project.AddWindow("Other");
    CTransitionKav* into = project.AddTransition(other, "Other_T1");
    into->SetDestWindow(oldWindow);
    into->SetCommands("#Old:$Caption#");
    CTransitionKav* own = project.AddTransition(oldWindow, "Old_T1");
    oldWindow->GetAttributes().Add(new CAttributeKav("Color", 4, "red"));

    EXPECT_TRUE(table.ReplaceWindow(oldWindow, newWindow));
    EXPECT_EQ(into->GetDestWindow(), newWindow);
    EXPECT_EQ(into->GetCommands(), "#New:$Caption#");
    EXPECT_EQ(newWindow->GetTransitions().Snapshot(), std::vector<CTransitionKav*>{own});
    EXPECT_EQ(own->GetStartWindow(), newWindow);
    EXPECT_TRUE(oldWindow->GetTransitions().empty());
    EXPECT_EQ(newWindow->GetAttributes().size(), 1u);
    EXPECT_TRUE(oldWindow->GetAttributes().empty());
}
