#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

#include "editors/project/SearchTaskDlg.h"
#include "editors/project/SearchTransDlg.h"
#include "editors/project/SearchWndDlg.h"
#include "model/DisplayTexts.h"
#include "model/FileKav.h"
#include "model/TaskKav.h"
#include "model/WindowKav.h"
#include "platform/TextUtil.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/editors/Refusals.h"
#include "tests/support/ProjectBuilder.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAreArray;

namespace {

std::vector<std::string> Names(const std::vector<CTaskKav*>& tasks) {
    std::vector<std::string> names;
    for (const CTaskKav* task : tasks) names.push_back(task->GetName());
    return names;
}

std::vector<std::string> Names(const std::vector<CWindowKav*>& windows) {
    std::vector<std::string> names;
    for (const CWindowKav* window : windows) names.push_back(window->GetName());
    return names;
}

// The tasks Login with the child Logout and its child LOGIC, the task Other, and LibLogin in
// the library.
class SearchTaskDlgTest : public ProjectTest {
protected:
    SearchTaskDlgTest() {
        login = project.AddTask("Login");
        CTaskKav* logout = project.AddTask("Logout", login);
        project.AddTask("LOGIC", logout);
        project.AddTask("Other");
        project.AddTask("LibLogin", nullptr, kTaskPlain, project.Lib());
    }

    // Types the name, chooses the scope (0 the start, 1 the whole project) and presses OK.
    std::optional<std::vector<CTaskKav*>> Find(const std::string& name, int scope, CTaskKav* start,
                                               CFileKav* library = nullptr) {
        host.session = [&](EditorDialog&) {
            dialog.SetText(kSearchTaskName, name);
            dialog.SetChecked(kSearchTaskSelected, scope == 0);
            dialog.SetChecked(kSearchTaskWhole, scope == 1);
            return dialog.OnOK() ? kIdOk : kIdCancel;
        };
        return dialog.Search(start, library);
    }

    FakeEditorHost host;
    CSearchTaskDlg dialog{host, app};
    CTaskKav* login;
};

}  // namespace

TEST_F(SearchTaskDlgTest, TheFirstChoiceNamesTheStartOrTheLibrary) {
    struct Case {
        CTaskKav* start;
        CFileKav* library;
        std::string label;
        bool startChosen;
    };
    const Case cases[] = {
        {login, nullptr, "Task 'Login'", true},
        {login, project.Lib(), "Library 'Lib'", true},
        {nullptr, nullptr, "Selected Task", false},
    };
    for (const Case& c : cases) {
        host.session = [&](EditorDialog&) {
            EXPECT_EQ(dialog.GetTitle(), "");
            EXPECT_EQ(dialog.GetText(kSearchTaskSelected), c.label);
            EXPECT_EQ(dialog.IsChecked(kSearchTaskSelected), c.startChosen);
            EXPECT_EQ(dialog.IsEnabled(kSearchTaskSelected), c.startChosen);
            EXPECT_EQ(dialog.IsChecked(kSearchTaskWhole), !c.startChosen);
            return kIdCancel;
        };
        EXPECT_FALSE(dialog.Search(c.start, c.library).has_value()) << c.label;
    }
}

TEST_F(SearchTaskDlgTest, FindsTasksWhoseNameContainsTheTextInTheChosenScope) {
    EXPECT_THAT(Names(*Find("OGI", 1, login)), ElementsAre("Login", "LOGIC", "LibLogin"));
    // Below the start, however deep.
    EXPECT_THAT(Names(*Find("log", 0, login)), ElementsAre("Login", "Logout", "LOGIC"));
    EXPECT_THAT(Names(*Find("logi", 0, login, project.Lib())), ElementsAre("LibLogin"));
    EXPECT_THAT(*Find("nothing", 1, nullptr), IsEmpty());

    host.session = [&](EditorDialog&) {
        EXPECT_EQ(Attempt(dialog, [&] { return dialog.OnOK(); }),
                  (Refused{"Please specify a task name! [W0595]", "Missing Search Criteria", kSearchTaskName}));
        return kIdCancel;
    };
    EXPECT_FALSE(dialog.Search(nullptr, nullptr).has_value());
}

namespace {

// The main window Main with the push button Ok (caption "&OK", attribute Color) and the input
// field Name (attribute BgColor); the dialog box Dlg (caption "Colors"); the window LibWnd in
// the library.
class SearchWndDlgTest : public ProjectTest {
protected:
    SearchWndDlgTest() {
        mainWindow = project.AddWindow("Main");
        CWindowKav* ok = project.AddWindow("Ok", mainWindow, kWndPushButton);
        ok->SetCaption("&OK");
        ok->GetAttributes().Add(new CAttributeKav("Color", 4, ""));
        CWindowKav* name = project.AddWindow("Name", mainWindow, kWndInputField);
        name->GetAttributes().Add(new CAttributeKav("BgColor", 4, ""));
        project.AddWindow("Dlg", nullptr, kWndDialogBox)->SetCaption("Colors");
        project.AddWindow("LibWnd", nullptr, kWndPushButton, project.Lib());
    }

    std::optional<std::vector<CWindowKav*>> Find(const std::map<int, std::string>& criteria, int scope,
                                                 CWindowKav* start, CFileKav* library = nullptr) {
        host.session = [&](EditorDialog&) {
            for (const auto& [control, text] : criteria) dialog.SetText(control, text);
            dialog.SetChecked(kSearchWndSelected, scope == 0);
            dialog.SetChecked(kSearchWndWhole, scope == 1);
            return dialog.OnOK() ? kIdOk : kIdCancel;
        };
        return dialog.Search(start, library);
    }

    FakeEditorHost host;
    CSearchWndDlg dialog{host, app};
    CWindowKav* mainWindow;
};

}  // namespace

TEST_F(SearchWndDlgTest, EveryCriterionGivenMustHold) {
    const std::string pushButton = GetWindowTypeName(kWndPushButton);
    struct Case {
        std::map<int, std::string> criteria;
        std::vector<std::string> found;
    };
    const Case cases[] = {
        {{{kSearchWndAttribute, "Col"}}, {"Ok"}},
        {{{kSearchWndAttribute, "bgc"}}, {"Name"}},
        {{{kSearchWndCaption, "ok"}}, {"Ok"}},
        {{{kSearchWndCaption, "OL"}}, {"Dlg"}},
        {{{kSearchWndId, "A"}}, {"Main", "Name"}},
        {{{kSearchWndType, pushButton}}, {"Ok", "LibWnd"}},
        {{{kSearchWndType, pushButton}, {kSearchWndCaption, "ok"}}, {"Ok"}},
        {{{kSearchWndId, "zzz"}}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_THAT(Names(*Find(c.criteria, 1, nullptr)), UnorderedElementsAreArray(c.found))
            << c.criteria.begin()->second;
    }
    // The start window and its children; one library.
    EXPECT_THAT(Names(*Find({{kSearchWndId, "N"}}, 0, mainWindow)), ElementsAre("Main", "Name"));
    EXPECT_THAT(Names(*Find({{kSearchWndType, pushButton}}, 0, mainWindow, project.Lib())), ElementsAre("LibWnd"));

    host.session = [&](EditorDialog&) {
        EXPECT_EQ(dialog.GetText(kSearchWndSelected), "Window 'Main'");
        const std::vector<std::string>& types = dialog.Control(kSearchWndType).items;
        EXPECT_EQ(types.size(), 23u);
        EXPECT_EQ(types.front(), "");
        EXPECT_TRUE(std::is_sorted(types.begin(), types.end(),
                                   [](const std::string& a, const std::string& b) { return CompareNoCase(a, b) < 0; }));
        EXPECT_EQ(Attempt(dialog, [&] { return dialog.OnOK(); }),
                  (Refused{"Please specify one or more search criteria! [W0562]", "Missing Search Criteria",
                           kSearchWndId}));
        return kIdCancel;
    };
    EXPECT_FALSE(dialog.Search(mainWindow, nullptr).has_value());
}

TEST_F(SearchWndDlgTest, TheReferencePromptStartsWithHowDesignatorsNameTheWindowAndNeedsOne) {
    FakeEditorHost prompts;
    CSearchTransDlg prompt{prompts, app};
    CWindowKav* libWindow = app.GetWindowList().FindByName("LibWnd", project.Lib());
    prompts.session = [&](EditorDialog&) {
        EXPECT_EQ(prompt.GetText(kSearchTransWindow), "^Lib:LibWnd");
        return prompt.OnOK() ? kIdOk : kIdCancel;
    };
    EXPECT_EQ(prompt.AskWindowId(libWindow), "^Lib:LibWnd");

    prompts.reference = "Main";
    prompts.session = [&](EditorDialog&) {
        EXPECT_EQ(prompt.GetText(kSearchTransWindow), "");
        EXPECT_EQ(Attempt(prompt, [&] { return prompt.OnOK(); }),
                  (Refused{"Please enter a window ID! [W0582]", "Missing Window ID", kSearchTransWindow}));
        prompt.OnBrowseWindows();
        return prompt.OnOK() ? kIdOk : kIdCancel;
    };
    EXPECT_EQ(prompt.AskWindowId(nullptr), "Main");
    EXPECT_THAT(prompts.referenceRequests, ElementsAre(std::pair<int, CTaskKav*>(1, nullptr)));

    prompts.session = [&](EditorDialog&) { return kIdCancel; };
    EXPECT_EQ(prompt.AskWindowId(mainWindow), "");
}
