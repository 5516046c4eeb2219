// The tag generation and missing tag dialogs, with a converter table whose tool records what
// it is asked.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "conditions/EventParser.h"
#include "editors/windows/TagGenerationDlg.h"
#include "editors/windows/TagMissingDlg.h"
#include "model/ApplicationKav.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/editors/Refusals.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"

namespace {

constexpr int kWinRunner = 8;
constexpr int kRanorex = 10;

class TagDialogsTest : public ProjectTest {
protected:
    TagDialogsTest() {
        table = {{{kWinRunner, kRanorex}, ConversionRoad::PerPackage, nullptr,
                  [] { return std::make_unique<CEventParser>(); },
                  [this](CWindowKav& window, int preferCaption) {
                      generated.push_back(window.GetName() + ":" + std::to_string(preferCaption));
                      return 1;
                  }}};
    }

    void Session(const std::function<int()>& steps) {
        host.session = [steps](EditorDialog&) { return steps(); };
    }
    std::vector<std::string> ListedNames(const EditorDialog& dialog) {
        std::vector<std::string> names;
        const EditorList& list = dialog.List(kMissingWindows);
        for (int row = 0; row < list.RowCount(); ++row) names.push_back(list.RowTexts(row).front());
        return names;
    }

    FakeEditorHost host;
    ConverterTable table;
    std::vector<std::string> generated;
    CWindowKav* login = project.AddWindow("Login");
};

}  // namespace

TEST_F(TagDialogsTest, TheToolListOffersTheFiveToolsAndChoosesWinRunnerForAnotherFormat) {
    app.SetOutputFormat(2);
    CTagGenerationDlg dialog(host, app, table);
    Session([&] {
        EXPECT_EQ(dialog.GetTitle(), "Tag Generation");
        EXPECT_EQ(dialog.Control(kTagTool).items, (std::vector<std::string>{"HP Functional Testing", "HP WinRunner",
                                                                             "Ranorex", "SilkTest", "TestPartner"}));
        EXPECT_EQ(dialog.GetText(kTagTool), "HP WinRunner");
        EXPECT_TRUE(dialog.IsChecked(kTagPreferNumericId));
        EXPECT_FALSE(dialog.IsChecked(kTagPreferCaption));
        return kIdCancel;
    });
    EXPECT_EQ(dialog.Execute(nullptr), 0);
    EXPECT_TRUE(generated.empty());

    app.SetOutputFormat(kRanorex);
    Session([&] {
        EXPECT_EQ(dialog.GetText(kTagTool), "Ranorex");
        return kIdCancel;
    });
    dialog.Execute(nullptr);
}

TEST_F(TagDialogsTest, OkGeneratesWithThePreferenceSaysSoAndTheCallerRecordsTheStep) {
    CTagGenerationDlg dialog(host, app, table);
    Session([&] {
        dialog.SetText(kTagTool, "Ranorex");
        dialog.SetChecked(kTagPreferNumericId, false);
        dialog.SetChecked(kTagPreferCaption, true);
        return dialog.OnOK() ? kIdOk : kIdCancel;
    });
    EXPECT_EQ(dialog.Execute(login), 1);
    EXPECT_EQ(generated, std::vector<std::string>{"Login:1"});
    ASSERT_EQ(TestInteraction().messages.size(), 1u);
    EXPECT_EQ(TestInteraction().messages[0].text, "Tag Generation successful! [I0011]");
    EXPECT_EQ(TestInteraction().messages[0].caption, "Tag Generator");
    EXPECT_EQ(TestInteraction().messages[0].icon, MessageIcon::Information);
    // A dialog object never shown generates with the numeric id preferred.
    generated.clear();
    CTagGenerationDlg unseen(host, app, table);
    EXPECT_EQ(unseen.GenerateTags(kWinRunner, login), 1);
    EXPECT_EQ(generated, std::vector<std::string>{"Login:0"});

    // The command: the project's own tools; OK records the undo step, Cancel nothing.
    host.session = [](EditorDialog& shown) { return shown.OnOK() ? kIdOk : kIdCancel; };
    EXPECT_EQ(RunTagGeneration(host, app, login), 1);
    EXPECT_EQ(host.undoSteps, std::vector<std::string>{"Generate Window Tags"});
    host.session = [](EditorDialog&) { return kIdCancel; };
    EXPECT_EQ(RunTagGeneration(host, app, login), 0);
    EXPECT_EQ(host.undoSteps.size(), 1u);
}

TEST_F(TagDialogsTest, AFailedGenerationClosesWithoutTheSuccessMessage) {
    table[0].generateTags = [](CWindowKav&, int) { return 0; };
    app.SetOutputFormat(kWinRunner);
    CTagGenerationDlg dialog(host, app, table);
    Session([&] { return dialog.OnOK() ? kIdOk : kIdCancel; });
    EXPECT_EQ(dialog.Execute(nullptr), 1);
    EXPECT_TRUE(TestInteraction().messages.empty());
}

TEST_F(TagDialogsTest, MissingTagsListsTheWindowsAndSetsTagsOneUndoStepEach) {
    app.SetOutputFormat(kWinRunner);
    project.AddWindow("Search")->SetTag("known");
    project.AddWindow("About");
    CTagMissingDlg dialog(host, app, table);
    Session([&] {
        EXPECT_EQ(dialog.GetTitle(), "Missing Tags");
        EXPECT_EQ(ListedNames(dialog), (std::vector<std::string>{"About", "Login"}));
        EXPECT_FALSE(dialog.IsEnabled(kMissingTag));
        EXPECT_FALSE(dialog.IsEnabled(kMissingSetTag));
        EXPECT_FALSE(dialog.IsShown(kIdCancel));

        dialog.ChooseRow(kMissingWindows, 1);
        EXPECT_TRUE(dialog.IsEnabled(kMissingTag));
        EXPECT_TRUE(dialog.IsEnabled(kMissingSetTag));
        EXPECT_EQ(dialog.GetFocusRequest().control, kMissingTag);
        EXPECT_EQ(Attempt(dialog, [&] { dialog.OnSetTag(); }),
                  (Refused{"Please enter a valid tag! [W0484]", "Empty Tag", kMissingTag}));
        EXPECT_EQ(ListedNames(dialog).size(), 2u);

        dialog.SetText(kMissingTag, "{class: window}");
        dialog.OnSetTag();
        EXPECT_EQ(ListedNames(dialog), std::vector<std::string>{"About"});
        EXPECT_EQ(dialog.List(kMissingWindows).GetHighlighted(), -1);
        EXPECT_EQ(dialog.GetText(kMissingTag), "");
        EXPECT_FALSE(dialog.IsEnabled(kMissingSetTag));

        dialog.ChooseRow(kMissingWindows, -1);
        EXPECT_FALSE(dialog.IsEnabled(kMissingTag));
        return kIdOk;
    });
    dialog.CheckMissingTags();
    EXPECT_EQ(login->GetTag(), "{class: window}");
    EXPECT_EQ(host.undoSteps, std::vector<std::string>{"Edit Window Tag"});
}

TEST_F(TagDialogsTest, ALibraryWindowNamedLikeOneOfTheMainFileGetsItsOwnTag) {
    app.SetOutputFormat(kWinRunner);
    login->SetTag("main");
    CWindowKav* libraryLogin = project.AddWindow("Login", nullptr, kWndMain, project.Lib());
    CTagMissingDlg dialog(host, app, table);
    Session([&] {
        EXPECT_EQ(ListedNames(dialog), std::vector<std::string>{"Login"});
        dialog.ChooseRow(kMissingWindows, 0);
        dialog.SetText(kMissingTag, "lib");
        dialog.OnSetTag();
        EXPECT_TRUE(TestInteraction().messages.empty());
        return kIdOk;
    });
    dialog.CheckMissingTags();
    EXPECT_EQ(libraryLogin->GetTag(), "lib");
    EXPECT_EQ(login->GetTag(), "main");
}

TEST_F(TagDialogsTest, NoDialogOpensForAFormatOfNoToolOrWithoutMissingTags) {
    int runs = 0;
    host.session = [&](EditorDialog&) { return ++runs, kIdOk; };
    app.SetOutputFormat(2);
    CTagMissingDlg dialog(host, app, table);
    dialog.CheckMissingTags();
    app.SetOutputFormat(kWinRunner);
    login->SetTag("t");
    dialog.CheckMissingTags();
    EXPECT_EQ(runs, 0);
}
