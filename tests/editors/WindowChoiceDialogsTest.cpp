// The change window type, string selection and replace window dialogs: each only collects a
// choice and hands it back.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "editors/windows/ChangeWintypeDlg.h"
#include "editors/windows/ReplaceWndDlg.h"
#include "editors/windows/StringSelectDlg.h"
#include "platform/TextUtil.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/editors/Refusals.h"
#include "tests/support/ProjectBuilder.h"

namespace {

class WindowChoiceDialogsTest : public ProjectTest {
protected:
    // The steps act in the open dialog and say how it ends.
    void Session(const std::function<int()>& steps) {
        host.session = [steps](EditorDialog&) { return steps(); };
    }

    FakeEditorHost host;
    CWindowKav* login = project.AddWindow("Win1");
    CWindowKav* button = project.AddWindow("OK", login, kWndPushButton);
};

}  // namespace

TEST_F(WindowChoiceDialogsTest, TheTypeListOffersEveryTypeButMenusSortedWithTheCurrentOneChosen) {
    CChangeWintypeDlg dialog(host);
    Session([&] {
        const std::vector<std::string>& items = dialog.Control(kWintypeList).items;
        EXPECT_EQ(items.size(), 20u);
        EXPECT_TRUE(std::is_sorted(items.begin(), items.end(),
                                   [](const std::string& a, const std::string& b) { return CompareNoCase(a, b) < 0; }));
        EXPECT_EQ(std::count(items.begin(), items.end(), "Menu Bar"), 0);
        EXPECT_EQ(std::count(items.begin(), items.end(), "Menu Item"), 0);
        EXPECT_EQ(dialog.GetTitle(), "Change Type of OK");
        EXPECT_EQ(dialog.GetText(kWintypeList), "Push Button");
        return dialog.OnOK() ? kIdOk : kIdCancel;
    });
    EXPECT_EQ(dialog.SelectWindowType(*button), kWndPushButton);

    Session([&] {
        dialog.SetText(kWintypeList, "Check Box");
        dialog.OnOK();
        return kIdOk;
    });
    EXPECT_EQ(dialog.SelectWindowType(*button), kWndCheckBox);

    Session([&] {
        dialog.SetText(kWintypeList, "Check Box");
        return kIdCancel;
    });
    EXPECT_EQ(dialog.SelectWindowType(*button), CChangeWintypeDlg::kNoType);
}

TEST_F(WindowChoiceDialogsTest, AMenuItemHasNoTypeChosenAndOkWithoutChoiceGivesNone) {
    CWindowKav* item = project.AddWindow("File", login, kWndMenuItem);
    CChangeWintypeDlg dialog(host);
    Session([&] {
        EXPECT_EQ(dialog.GetText(kWintypeList), "");
        return dialog.OnOK() ? kIdOk : kIdCancel;
    });
    EXPECT_EQ(dialog.SelectWindowType(*item), CChangeWintypeDlg::kNoType);
}

TEST_F(WindowChoiceDialogsTest, StringSelectionHandsBackTheChosenTextOrNothing) {
    CStringSelectDlg dialog(host);
    std::string chosen = "old";
    EXPECT_EQ(dialog.SelectString(nullptr, "Pick", chosen), -1);

    const std::vector<std::string> texts{"b", "A", "c"};
    Session([&] {
        EXPECT_EQ(dialog.GetTitle(), "Pick");
        const EditorList& list = dialog.List(kStringList);
        EXPECT_EQ(list.RowCount(), 3);
        EXPECT_EQ(list.RowTexts(0).front(), "A");
        EXPECT_EQ(list.GetHighlighted(), -1);
        return dialog.OnOK() ? kIdOk : kIdCancel;
    });
    EXPECT_EQ(dialog.SelectString(&texts, "Pick", chosen), 1);
    EXPECT_EQ(chosen, "");

    // A double click ends the dialog as OK does.
    Session([&] {
        dialog.DoubleClickRow(kStringList, 2);
        EXPECT_EQ(dialog.TakeEndRequest(), kIdOk);
        return kIdOk;
    });
    EXPECT_EQ(dialog.SelectString(&texts, "Pick", chosen), 1);
    EXPECT_EQ(chosen, "c");

    Session([&] {
        dialog.ChooseRow(kStringList, 0);
        return kIdCancel;
    });
    EXPECT_EQ(dialog.SelectString(&texts, "Pick", chosen), 0);
    EXPECT_EQ(chosen, "");
}

TEST_F(WindowChoiceDialogsTest, ReplaceWindowRefusesMissingUnknownAndEqualWindows) {
    CReplaceWndDlg dialog(host);
    struct Case {
        std::string replaced, replacement;
        Refused refused;
    };
    const std::vector<Case> cases{
        {"", "OK", {"Please specify a valid window ID! [W0883]", "Missing ID", kReplaceOldWindow}},
        {"Win1", "", {"Please specify a valid window ID! [W0884]", "Missing ID", kReplaceNewWindow}},
        {"Nope", "OK", {"A Window with ID 'Nope' is not existing! [W0885]", "Invalid ID", kReplaceOldWindow}},
        {"Win1", "Nope", {"A Window with ID 'Nope' is not existing! [W0886]", "Invalid ID", kReplaceNewWindow}},
        // Designators of objects that are no windows name no window.
        {"Win1", "@Root", {"A Window with ID '@Root' is not existing! [W0886]", "Invalid ID", kReplaceNewWindow}},
        {"Win1", "WIN1",
         {"The new window must not be the same as the replaced one! [W0887]", "Invalid Selection", kReplaceNewWindow}},
        {"Win1", "#Win1#",
         {"The new window must not be the same as the replaced one! [W0887]", "Invalid Selection", kReplaceNewWindow}},
    };
    project.AddTask("Root");
    CWindowKav* replaced = nullptr;
    CWindowKav* replacement = nullptr;
    for (const Case& c : cases) {
        Session([&] {
            dialog.SetText(kReplaceOldWindow, c.replaced);
            dialog.SetText(kReplaceNewWindow, c.replacement);
            EXPECT_EQ(Attempt(dialog, [&] { return dialog.OnOK(); }), c.refused) << c.replaced << " " << c.replacement;
            return kIdCancel;
        });
        EXPECT_EQ(dialog.SelectWindows(replaced, replacement), 0);
        EXPECT_EQ(replaced, nullptr);
        EXPECT_EQ(replacement, nullptr);
    }
}

TEST_F(WindowChoiceDialogsTest, ReplaceWindowPresetsTheReplacedOneAndHandsBackBothWindows) {
    CReplaceWndDlg dialog(host);
    host.reference = "OK";
    Session([&] {
        EXPECT_EQ(dialog.GetText(kReplaceOldWindow), "Win1");
        EXPECT_EQ(dialog.GetText(kReplaceNewWindow), "");
        dialog.OnBrowse(kReplaceNewWindow);
        EXPECT_EQ(dialog.GetText(kReplaceNewWindow), "OK");
        return dialog.OnOK() ? kIdOk : kIdCancel;
    });
    CWindowKav* replaced = login;
    CWindowKav* replacement = nullptr;
    EXPECT_EQ(dialog.SelectWindows(replaced, replacement), 1);
    EXPECT_EQ(replaced, login);
    EXPECT_EQ(replacement, button);
    ASSERT_EQ(host.referenceRequests.size(), 1u);
    EXPECT_EQ(host.referenceRequests[0].first, 1);

    // Cancelled browsing leaves the field.
    host.reference = "";
    Session([&] {
        dialog.SetText(kReplaceOldWindow, "typed");
        dialog.OnBrowse(kReplaceOldWindow);
        EXPECT_EQ(dialog.GetText(kReplaceOldWindow), "typed");
        return kIdCancel;
    });
    EXPECT_EQ(dialog.SelectWindows(replaced, replacement), 0);
    EXPECT_EQ(replacement, button);
}
