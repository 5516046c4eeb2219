// The tab editor on a tab control's pages, and the tab control's property dialog that merges
// the edited pages into the control.
#include <gtest/gtest.h>

#include <functional>

#include "editors/windows/TabEditorDlg.h"
#include "editors/windows/TypePropertiesDlgs.h"
#include "model/FileKav.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/editors/Refusals.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/WindowBuilder.h"

namespace {

// Main holds the tab control Tabs with the pages "One" (window P1) and "Two" (P2); P3 and P4 are
// free siblings, Inner a child of the tab control; Top is another top-level window with Far.
class TabEditorTest : public ProjectTest {
protected:
    TabEditorTest() {
        tabs().GetPages().Add(new CTabPage("One", "P1"));
        tabs().GetPages().Add(new CTabPage("Two", "P2"));
        tabs().SetSelectedPageTitle("One");
    }

    CTabControlKav& tabs() { return As<CTabControlKav>(control); }

    int Edit(const std::function<int(CTabEditorDlg&)>& steps) {
        CTabEditorDlg editor(host);
        host.session = [&](EditorDialog& open) { return steps(static_cast<CTabEditorDlg&>(open)); };
        return editor.EditTabPages(tabs());
    }
    static Refused Set(CTabEditorDlg& editor, const std::string& title, const std::string& window) {
        editor.SetText(kTabTitle, title);
        editor.SetText(kTabWindow, window);
        return Attempt(editor, [&] { return editor.ApplyPage(); });
    }
    static int RowOf(const CTabEditorDlg& editor, const std::string& title) {
        const EditorList& rows = editor.List(kTabPages);
        for (int row = 0; row < rows.RowCount(); ++row)
            if (rows.RowTexts(row)[0] == title) return row;
        return -1;
    }
    std::vector<std::string> Titles() {
        std::vector<std::string> titles;
        for (const CTabPage* page : tabs().GetPages()) titles.push_back(page->GetTitle());
        return titles;
    }

    FakeEditorHost host;
    CWindowKav* main = project.AddWindow("Main");
    CWindowKav* control = project.AddWindow("Tabs", main, kWndTabControl);
    CWindowKav* p1 = project.AddWindow("P1", main, kWndChild);
    CWindowKav* p2 = project.AddWindow("P2", main, kWndChild);
    CWindowKav* p3 = project.AddWindow("P3", main, kWndChild);
    CWindowKav* p4 = project.AddWindow("P4", main, kWndChild);
    CWindowKav* inner = project.AddWindow("Inner", control, kWndChild);
    CWindowKav* top = project.AddWindow("Top");
    CWindowKav* far = project.AddWindow("Far", top, kWndChild);
};

}  // namespace

TEST_F(TabEditorTest, ANewPageIsCheckedAndAppended) {
    EXPECT_EQ(Edit([&](CTabEditorDlg& editor) {
                  EXPECT_EQ(editor.GetTitle(), "Tab Control Tabs");
                  EXPECT_EQ(editor.List(kTabPages).RowCount(), 2);
                  EXPECT_FALSE(editor.IsEnabled(kTabDelete));
                  auto invalid = [&](const char* text, const char* code) {
                      return Refused{std::string(text) + code, "Invalid Window", kTabWindow};
                  };
                  const char* placement = "A window that is used as a tab page must either have the same parent as "
                                          "the tab control or be a child of the tab control! ";
                  EXPECT_EQ(Set(editor, "", "P3"), (Refused{"Please enter a page title! [W0474]", "Invalid Title", kTabTitle}));
                  EXPECT_EQ(Set(editor, "Three", "Nope"),
                            (Refused{"A window with this ID is not existing! [W0476]", "Invalid Window ID", kTabWindow}));
                  EXPECT_EQ(Set(editor, "Three", "Tabs"),
                            invalid("A tab control cannot be used as its own tab page ! ", "[W0477]"));
                  EXPECT_EQ(Set(editor, "Three", "Top"), invalid(placement, "[W0478]"));
                  EXPECT_EQ(Set(editor, "Three", "Far"), invalid(placement, "[W0479]"));
                  EXPECT_EQ(Set(editor, "page1", "P3"), Refused{});
                  EXPECT_EQ(Set(editor, "PAGE1", "P4"),
                            (Refused{"A tab page with this title is already existing! [W0481]", "Invalid Title", kTabTitle}));
                  EXPECT_EQ(Set(editor, "Four", "p1"), invalid("This window has already been used in another tab page! ",
                                                              "[W0482]"));
                  const std::string longTitle(51, 'x');
                  editor.SetChecked(kTabInitialPage, true);
                  EXPECT_EQ(Set(editor, longTitle, "Inner"), Refused{});
                  // The list shows the title as entered.
                  EXPECT_GE(RowOf(editor, longTitle), 0);
                  return kIdOk;
              }),
              1);
    const std::string cut = std::string(49, 'x') + "*";
    EXPECT_EQ(Titles(), (std::vector<std::string>{"One", "Two", "page1", cut}));
    EXPECT_EQ(tabs().GetSelectedPageTitle(), cut);
    EXPECT_EQ(tabs().GetPages()[2]->GetPageWindowId(), "P3");
}

TEST_F(TabEditorTest, AChosenPageKeepsItsOwnTitleAndWindowButNotAnothers) {
    EXPECT_EQ(Edit([&](CTabEditorDlg& editor) {
                  editor.ChooseRow(kTabPages, RowOf(editor, "One"));
                  EXPECT_EQ(editor.GetText(kTabWindow), "P1");
                  EXPECT_TRUE(editor.IsChecked(kTabInitialPage));
                  EXPECT_TRUE(editor.IsEnabled(kTabDelete));
                  EXPECT_EQ(Set(editor, "two", "P1"),
                            (Refused{"A tab page with this title is already existing! [W0480]", "Invalid Title", kTabTitle}));
                  EXPECT_EQ(Set(editor, "One", "P2"),
                            (Refused{"This window has already been used in another tab page! [W0483]", "Invalid Window",
                                     kTabWindow}));
                  EXPECT_EQ(Set(editor, "ONE", "p1"), Refused{});
                  return kIdOk;
              }),
              1);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"ONE", "Two"}));
    EXPECT_EQ(tabs().GetPages()[0]->GetPageWindowId(), "p1");
}

TEST_F(TabEditorTest, DeletingAsksAndCancelOrNoChangeKeepsThePages) {
    CTabPage* one = tabs().GetPages()[0];
    EXPECT_EQ(Edit([&](CTabEditorDlg& editor) {
                  editor.ChooseRow(kTabPages, RowOf(editor, "One"));
                  TestInteraction().answers.push_back(MessageAnswer::Yes);
                  editor.OnDelete();
                  EXPECT_EQ(TestInteraction().messages.back().text, "Do you really want to delete this tab page ? [Q0021]");
                  EXPECT_EQ(editor.List(kTabPages).RowCount(), 1);
                  return kIdCancel;
              }),
              0);
    EXPECT_EQ(tabs().GetPages()[0], one);
    EXPECT_EQ(Edit([&](CTabEditorDlg& editor) {
                  // OK with both fields empty closes without applying anything.
                  EXPECT_TRUE(editor.OnOK());
                  return kIdOk;
              }),
              0);
    EXPECT_EQ(Edit([&](CTabEditorDlg& editor) {
                  editor.ChooseRow(kTabPages, RowOf(editor, "Two"));
                  TestInteraction().answers.push_back(MessageAnswer::Yes);
                  editor.OnDelete();
                  editor.SetText(kTabWindow, "P3");
                  EXPECT_EQ(Attempt(editor, [&] { return editor.OnOK(); }).text, "Please enter a page title! [W0474]");
                  editor.SetText(kTabWindow, "");
                  return editor.OnOK() ? kIdOk : kIdCancel;
              }),
              1);
    EXPECT_EQ(Titles(), std::vector<std::string>{"One"});
}

TEST_F(TabEditorTest, AReadOnlyControlShowsItsPagesAndChangesNothing) {
    project.Main()->SetReadOnly(true);
    EXPECT_EQ(Edit([&](CTabEditorDlg& editor) {
                  EXPECT_EQ(editor.GetTitle(), "Tab Control Tabs (Read-Only)");
                  for (int id : {kTabNew, kTabSet, kTabDelete, kTabBrowse}) EXPECT_FALSE(editor.IsShown(id));
                  EXPECT_FALSE(editor.IsEnabled(kTabTitle));
                  EXPECT_EQ(editor.GetDefaultButton(), kIdOk);
                  EXPECT_TRUE(editor.ApplyPage());
                  return kIdOk;
              }),
              0);
}

TEST_F(TabEditorTest, BrowseWindowsAsksForAWindowReference) {
    host.reference = "P4";
    Edit([&](CTabEditorDlg& editor) {
        editor.OnBrowseWindows();
        EXPECT_EQ(editor.GetText(kTabWindow), "P4");
        return kIdCancel;
    });
    ASSERT_EQ(host.referenceRequests.size(), 1u);
    EXPECT_EQ(host.referenceRequests[0].first, 1);
}

namespace {

// The tab control's property dialog with the tab editor behind its "Tab Pages..." button.
class TabPropertiesTest : public TabEditorTest {
protected:
    int RunProperties(const std::function<void(CTabEditorDlg&)>& editing,
                      const std::function<int(CPropsTabControlDlg&)>& steps) {
        CPropsTabControlDlg properties(host, app);
        host.session = [&](EditorDialog& open) -> int {
            if (auto* editor = dynamic_cast<CTabEditorDlg*>(&open)) {
                editing(*editor);
                return editor->OnOK() ? kIdOk : kIdCancel;
            }
            return steps(static_cast<CPropsTabControlDlg&>(open));
        };
        return properties.EditWindow(*control);
    }
};

}  // namespace

TEST_F(TabPropertiesTest, OkMergesTheEditedPagesKeepingUntouchedOnes) {
    CTabPage* one = tabs().GetPages()[0];
    const std::string oneId = one->GetUniqueId();
    CTabPage* two = tabs().GetPages()[1];
    p1->SetMethod(1);
    p4->SetMethod(1);
    auto editing = [&](CTabEditorDlg& editor) {
        editor.ChooseRow(kTabPages, RowOf(editor, "Two"));
        TestInteraction().answers.push_back(MessageAnswer::Yes);
        editor.OnDelete();
        EXPECT_EQ(Set(editor, "Three", "P3"), Refused{});
        editor.ChooseRow(kTabPages, RowOf(editor, "One"));
        editor.SetChecked(kTabInitialPage, false);
        EXPECT_EQ(Set(editor, "One", "P4"), Refused{});
        editor.SetChecked(kTabInitialPage, true);
        EXPECT_EQ(Set(editor, "Four", "Inner"), Refused{});
    };
    EXPECT_EQ(RunProperties(editing,
                            [&](CPropsTabControlDlg& open) {
                                open.OnTypeControlClicked(kPropTabPages);
                                // The control keeps its pages while the dialog is open.
                                EXPECT_EQ(tabs().GetPages()[1], two);
                                // A refused OK merges nothing; the next one merges once.
                                open.SetText(kPropNumericId, "x");
                                EXPECT_FALSE(Attempt(open, [&] { return open.OnOK(); }).text.empty());
                                EXPECT_EQ(tabs().GetPages().size(), 2u);
                                open.SetText(kPropNumericId, "1");
                                EXPECT_TRUE(open.OnOK());
                                EXPECT_EQ(open.GetWorkingCopy(), nullptr);
                                return kIdOk;
                            }),
              1);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"One", "Three", "Four"}));
    EXPECT_NE(tabs().GetPages()[0], one);  // edited: replaced by its copy
    EXPECT_EQ(tabs().GetPages()[0]->GetUniqueId(), oneId);
    EXPECT_EQ(tabs().GetPages()[0]->GetPageWindowId(), "P4");
    EXPECT_EQ(tabs().GetSelectedPageTitle(), "Four");
    EXPECT_EQ(p4->GetMethod(), 0);
    EXPECT_FALSE(p4->IsVisible());
    EXPECT_TRUE(inner->IsVisible());
    EXPECT_FALSE(p3->IsVisible());
    EXPECT_EQ(p1->GetMethod(), 1);  // no longer a page
}

TEST_F(TabPropertiesTest, AnUntouchedPageStaysTheSameObjectAndAVanishedWindowIsReported) {
    CTabPage* one = tabs().GetPages()[0];
    tabs().GetPages()[1]->SetPageWindowId("Gone");
    p1->SetVisible(false);
    auto editing = [&](CTabEditorDlg& editor) { EXPECT_EQ(Set(editor, "Three", "P3"), Refused{}); };
    RunProperties(editing, [&](CPropsTabControlDlg& open) {
        open.OnTypeControlClicked(kPropTabPages);
        EXPECT_TRUE(open.OnOK());
        return kIdOk;
    });
    EXPECT_EQ(tabs().GetPages()[0], one);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"One", "Two", "Three"}));
    EXPECT_TRUE(p1->IsVisible());
    ASSERT_EQ(TestInteraction().messages.size(), 1u);
    EXPECT_EQ(TestInteraction().messages[0].text,
              "Window Gone is defined as a tab page, but is no longer existing! [W1146]");
    EXPECT_EQ(TestInteraction().messages[0].caption, "Invalid Tab Page");
}

TEST_F(TabPropertiesTest, CancelLeavesThePagesAsTheyWere) {
    CTabPage* one = tabs().GetPages()[0];
    auto editing = [&](CTabEditorDlg& editor) {
        editor.ChooseRow(kTabPages, RowOf(editor, "One"));
        TestInteraction().answers.push_back(MessageAnswer::Yes);
        editor.OnDelete();
    };
    EXPECT_EQ(RunProperties(editing,
                            [&](CPropsTabControlDlg& open) {
                                open.OnTypeControlClicked(kPropTabPages);
                                EXPECT_TRUE(open.OnCancel());
                                return kIdCancel;
                            }),
              0);
    EXPECT_EQ(tabs().GetPages()[0], one);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"One", "Two"}));
}
