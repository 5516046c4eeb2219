// The dialog "HTML Generator": its refusals, the folder it proposes and stores, Browse, and the
// command around it.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "DocsFixture.h"
#include "model/ShellServices.h"
#include "platform/UserFolders.h"

namespace {

class HTMLDlgTest : public DocsTest {
protected:
    HTMLDlgTest() {
        SetUndoStepHook([this](const std::string& name) { undoSteps.push_back(name); });
    }

    // A script that types the folder into the dialog and presses OK.
    static std::function<bool(HtmlGeneratorDialog&)> ChooseFolder(const std::filesystem::path& chosen) {
        return [chosen](HtmlGeneratorDialog& shown) {
            shown.SetTargetFolder(chosen.string());
            return shown.OnOK();
        };
    }

    std::vector<std::string> undoSteps;
};

struct Refusal {
    const char* name;
    const char* folder;  // below the test's folder; "" for an empty edit
    const char* text;
    const char* caption;
};

TEST_F(HTMLDlgTest, OKRefusesFoldersThatCannotTakeThePages) {
    folder.Write("file.txt", "x");
    const Refusal refusals[] = {
        {"empty", "", "Please specify a valid target directory! [W0575]", "Invalid Directory"},
        {"two levels below an existing folder", "new/deeper", "Please specify a valid target directory! [W0576]",
         "Invalid Directory"},
        {"a file", "file.txt", "Please specify a valid target directory! [W0576]", "Invalid Directory"},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.name);
        TestInteraction().messages.clear();
        dialog.SetTargetFolder(*refusal.folder ? (folder.Path() / refusal.folder).string() : "");
        EXPECT_FALSE(dialog.OnOK());
        ASSERT_EQ(TestInteraction().messages.size(), 1u);
        EXPECT_EQ(TestInteraction().messages[0].text, refusal.text);
        EXPECT_EQ(TestInteraction().messages[0].caption, refusal.caption);
        EXPECT_EQ(TestInteraction().messages[0].icon, MessageIcon::Warning);
    }
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "new"));

    // One level is made; an existing folder is taken as it is.
    TestInteraction().messages.clear();
    for (const std::filesystem::path& accepted : {folder.Path() / "new", folder.Path() / "new", folder.Path()}) {
        dialog.SetTargetFolder(accepted.string());
        EXPECT_TRUE(dialog.OnOK()) << accepted;
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "new"));
    EXPECT_TRUE(TestInteraction().messages.empty());
}

TEST_F(HTMLDlgTest, AFolderThatCannotBeWrittenIsRefused) {
    const std::filesystem::path locked = folder.Path() / "locked";
    std::filesystem::create_directory(locked);
    ::chmod(locked.c_str(), 0500);
    if (::access(locked.c_str(), W_OK) == 0) GTEST_SKIP() << "the test runs with rights to write anywhere";
    dialog.SetTargetFolder(locked.string());
    EXPECT_FALSE(dialog.OnOK());
    ASSERT_EQ(TestInteraction().Texts(), std::vector<std::string>{"Cannot change into directory! [W0577]"});
    EXPECT_EQ(TestInteraction().messages[0].caption, "Directory Error");
    ::chmod(locked.c_str(), 0700);
}

TEST_F(HTMLDlgTest, AProjectWithoutFolderIsDocumentedIntoTheUsersFolderWhichItKeeps) {
    UserFolders folders;
    folders.html = folder.Path() / "HTML";
    SetUserFolders(folders);
    std::filesystem::create_directory(folder.Path() / "HTML");
    dialog.Generate();
    EXPECT_EQ(window.proposedFolder, (folder.Path() / "HTML").string());
    EXPECT_TRUE(window.proposedScreenshots);
    EXPECT_EQ(app.GetHtmlPath(), (folder.Path() / "HTML").string());
    EXPECT_EQ(undoSteps, std::vector<std::string>{"Change HTML Directory"});
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "HTML" / "KAVRO_Title.htm"));
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "HTML" / "Logo.png"));
    ASSERT_EQ(TestInteraction().Texts(), std::vector<std::string>{"HTML Generation successful! [I0004]"});
    EXPECT_EQ(TestInteraction().messages[0].caption, "HTML Export");
    EXPECT_EQ(TestInteraction().messages[0].icon, MessageIcon::Information);
}

TEST_F(HTMLDlgTest, OnlyAnotherFolderIsStoredWithAnUndoStep) {
    const std::filesystem::path stored = folder.Path() / "Docs";
    app.SetHtmlPath(stored.string());
    struct Case {
        std::filesystem::path chosen;
        std::vector<std::string> undoSteps;
    };
    const Case cases[] = {
        {stored, {}},
        {folder.Path() / "docs", {"Change HTML Directory"}},
        {folder.Path() / "Other", {"Change HTML Directory"}},
    };
    for (const Case& run : cases) {
        SCOPED_TRACE(run.chosen.string());
        undoSteps.clear();
        app.SetHtmlPath(stored.string());
        window.script = ChooseFolder(run.chosen);
        dialog.Generate();
        EXPECT_EQ(window.proposedFolder, stored.string());
        EXPECT_EQ(app.GetHtmlPath(), run.chosen.string());
        EXPECT_EQ(undoSteps, run.undoSteps);
        EXPECT_TRUE(std::filesystem::exists(run.chosen / "KAVRO_Project.htm"));
    }
}

TEST_F(HTMLDlgTest, CancelWritesAndChangesNothing) {
    app.SetHtmlPath((folder.Path() / "Docs").string());
    window.script = [this](HtmlGeneratorDialog& shown) {
        shown.SetTargetFolder((folder.Path() / "Other").string());
        return false;
    };
    dialog.Generate();
    EXPECT_EQ(window.runs, 0);
    EXPECT_EQ(app.GetHtmlPath(), (folder.Path() / "Docs").string());
    EXPECT_TRUE(undoSteps.empty());
    EXPECT_EQ(app.IsModified(), 0);
    EXPECT_TRUE(TestInteraction().messages.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 0);
}

TEST_F(HTMLDlgTest, ARefusedFolderKeepsTheDialogOpenUntilAGoodOneIsChosen) {
    window.script = [this](HtmlGeneratorDialog& shown) {
        shown.SetTargetFolder("");
        if (shown.OnOK()) return true;
        shown.SetTargetFolder(folder.Path().string());
        return shown.OnOK();
    };
    dialog.Generate();
    EXPECT_EQ(TestInteraction().Texts(), (std::vector<std::string>{"Please specify a valid target directory! [W0575]",
                                                                   "HTML Generation successful! [I0004]"}));
    EXPECT_EQ(app.GetHtmlPath(), folder.Path().string());
}

TEST_F(HTMLDlgTest, AStoppedRunIsNotAnnouncedAsSuccessful) {
    app.SetHtmlPath(folder.Path().string());
    window.stopAtStart = true;
    dialog.Generate();
    EXPECT_EQ(window.runs, 1);
    EXPECT_TRUE(TestInteraction().messages.empty());
    EXPECT_FALSE(Exists("KAVRO_Title.htm"));
}

TEST_F(HTMLDlgTest, BrowseTakesTheChosenFolderOrTheFolderOfAChosenFile) {
    const std::string typed = (folder.Path() / "typed").string();
    const std::string file = folder.Write("Docs/x", "x");
    TestInteraction().paths = {(folder.Path() / "Chosen").string(), file, std::nullopt};
    for (const std::string& expected : {(folder.Path() / "Chosen").string(), (folder.Path() / "Docs").string(), typed}) {
        dialog.SetTargetFolder(typed);
        dialog.OnBrowse();
        EXPECT_EQ(dialog.GetTargetFolder(), expected);
    }
    ASSERT_EQ(TestInteraction().pathRequests.size(), 3u);
    EXPECT_EQ(TestInteraction().pathRequests[0].kind, FileDialogRequest::Kind::Folder);
    EXPECT_EQ(TestInteraction().pathRequests[0].title, "Select a Target Directory");
    EXPECT_EQ(TestInteraction().pathRequests[0].initialPath, typed);
}

TEST_F(HTMLDlgTest, ARelativeFolderLiesBesideTheProjectFile) {
    project.Main()->SetFullPath((folder.Path() / "Proj.xml").string());
    dialog.SetTargetFolder("HTML");
    EXPECT_EQ(dialog.TargetPath(), folder.Path() / "HTML");
    EXPECT_TRUE(dialog.OnOK());
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "HTML"));
}

TEST_F(HTMLDlgTest, TheInstalledCommandDocumentsTheCurrentProjectInAWindowOfItsOwn) {
    app.SetHtmlPath(folder.Path().string());
    int windowsMade = 0;
    InstallHtmlDocumentation([&] {
        ++windowsMade;
        return std::make_unique<ScriptedGeneratorWindow>();
    }, nullptr);
    ASSERT_TRUE(HtmlDocumentationCommand());
    HtmlDocumentationCommand()();
    HtmlDocumentationCommand() = nullptr;
    EXPECT_EQ(windowsMade, 1);
    EXPECT_TRUE(Exists("KAVRO_Metacond.htm"));
    EXPECT_EQ(TestInteraction().Texts(), std::vector<std::string>{"HTML Generation successful! [I0004]"});
}

}  // namespace
