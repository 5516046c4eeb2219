// The project administration dialog on a project in a folder of its own: the main file Proj
// includes the library Lib.xml, which includes Sub.xml; Other.xml is a library not yet included.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "editors/project/ProjectAdministrationDlg.h"
#include "editors/project/VornakLibraryMap.h"
#include "editors/windows/StringSelectDlg.h"
#include "model/ApplicationKav.h"
#include "model/GUIBuilderList.h"
#include "model/ShellServices.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/editors/Refusals.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ScratchFolder.h"

namespace {

std::string LibraryFile(const std::string& id, const std::string& name, const std::string& includes = {}) {
    return "<KAVRO_DATA Version=\"12.4\"><PROJECT ID=\"" + id + "\" Name=\"" + name + "\">" + includes +
           "</PROJECT></KAVRO_DATA>";
}

class FakeVornakLibraries : public VornakLibraryMap {
public:
    std::vector<std::pair<std::string, std::string>> libraries;

    std::optional<std::string> FindLibrary(const std::string& name) const override {
        for (const auto& [libraryName, id] : libraries)
            if (libraryName == name) return id;
        return std::nullopt;
    }
    std::vector<std::string> LibraryNames() const override {
        std::vector<std::string> names;
        for (const auto& library : libraries) names.push_back(library.first);
        return names;
    }
};

class ProjectAdministrationDlgTest : public ::testing::Test {
protected:
    ProjectAdministrationDlgTest() {
        folder.Write("Lib.xml", LibraryFile("lp", "Lib", "<FILE ID=\"s\" Path=\"Sub.xml\" ReadOnly=\"1\"/>"));
        folder.Write("Sub.xml", LibraryFile("sp", "Sub"));
        folder.Write("Other.xml", LibraryFile("op", "Other"));
        folder.Write("Twin.xml", LibraryFile("tp", "Other"));
        GetGuiBuilderDatabase().Add(new CGUIBuilder("Win32", 999, 1));
        GetGuiBuilderDatabase().Add(new CGUIBuilder("Java", 1000, 1));
        project.SetName("Proj");
        project.SetDescription("The shop");
        project.SetGuiId(999);
        project.SetOutputFormat(8);
        mainFile = project.GetFiles().Add(new CFileKav("Proj", "Proj.xml", Path("Proj.xml")));
        lib = project.GetFiles().Add(new CFileKav("Lib", "Lib.xml", Path("Lib.xml"), true));
        sub = project.GetFiles().Add(new CFileKav("Sub", "Sub.xml", Path("Sub.xml"), true));
        mainFile->UsedFileIds().push_back(lib->GetID());
        lib->UsedFileIds().push_back(sub->GetID());
        CurrentApplication = &project;
    }
    ~ProjectAdministrationDlgTest() override { CurrentApplication = nullptr; }

    std::string Path(const std::string& name) const { return (folder.Path() / name).string(); }

    // Runs the dialog; the steps act in it and say how it ends. A dialog it opens runs the
    // nested steps.
    int Run(const std::function<int()>& steps, bool duringLoading = false) {
        host.session = [this, steps](EditorDialog& shown) { return &shown == &dialog ? steps() : nested(shown); };
        return dialog.EditProject(project, duringLoading);
    }
    int PressOk() { return dialog.OnOK() ? kIdOk : kIdCancel; }

    // The rows: library, path, direct.
    std::vector<std::vector<std::string>> Rows() const {
        std::vector<std::vector<std::string>> rows;
        const EditorList& list = dialog.List(kProjectLibraries);
        for (int row = 0; row < list.RowCount(); ++row) rows.push_back(list.RowTexts(row));
        return rows;
    }
    int RowOf(const std::string& library) const {
        const EditorList& list = dialog.List(kProjectLibraries);
        for (int row = 0; row < list.RowCount(); ++row)
            if (list.RowTexts(row).front() == library) return row;
        return -1;
    }
    Refused Set(const std::string& path) {
        dialog.SetText(kProjectLibraryPath, path);
        return Attempt(dialog, [&] { return dialog.ApplyLibraryEntry(false) == 1; });
    }

    ScratchFolder folder;
    CApplicationKav project;
    CFileKav* mainFile;
    CFileKav* lib;
    CFileKav* sub;
    FakeEditorHost host;
    FakeVornakLibraries vornakLibraries;
    std::function<int(EditorDialog&)> nested;
    CProjectAdministrationDlg dialog{host, &vornakLibraries};
};

}  // namespace

TEST_F(ProjectAdministrationDlgTest, OpensWithTheProjectsSettingsAndItsLibraries) {
    Run([&] {
        EXPECT_EQ(dialog.GetTitle(), "Project Administration");
        EXPECT_EQ(dialog.GetText(kProjectName), "Proj");
        EXPECT_FALSE(dialog.IsReadOnly(kProjectName));
        EXPECT_EQ(dialog.GetText(kProjectDescription), "The shop");
        EXPECT_EQ(dialog.Control(kProjectGuiBuilder).items, (std::vector<std::string>{"Java", "Win32"}));
        EXPECT_EQ(dialog.GetText(kProjectGuiBuilder), "Win32");
        const std::vector<std::string>& formats = dialog.Control(kProjectOutputFormat).items;
        EXPECT_EQ(formats.size(), 13u);
        EXPECT_EQ(std::count(formats.begin(), formats.end(), "SMURF"), 0);
        EXPECT_EQ(formats.front(), "Excel File for HP QC/ALM");
        EXPECT_EQ(dialog.GetText(kProjectOutputFormat), "HP WinRunner");

        const EditorList& list = dialog.List(kProjectLibraries);
        std::vector<std::string> titles;
        for (const EditorListColumn& column : list.Columns()) titles.push_back(column.title);
        EXPECT_EQ(titles, (std::vector<std::string>{"Library", "Path", "Direct"}));
        EXPECT_EQ(Rows(), (std::vector<std::vector<std::string>>{{"Lib", "Lib.xml", "Y"}, {"Sub", Path("Sub.xml"), "N"}}));
        EXPECT_TRUE(dialog.IsNewEntry());
        EXPECT_EQ(dialog.GetDefaultButton(), kIdOk);
        EXPECT_FALSE(dialog.IsEnabled(kProjectDeleteLibrary));
        EXPECT_TRUE(TestInteraction().messages.empty());
        return kIdCancel;
    });
}

TEST_F(ProjectAdministrationDlgTest, AMissingBuilderIsReportedOnOpeningAndMustBeChosenAtOk) {
    project.SetGuiId(5);
    Run([&] {
        EXPECT_EQ(TestInteraction().Texts(),
                  std::vector<std::string>{"Warning: The project\u00b4s default GUI Builder has been deleted! [W0429]"});
        EXPECT_EQ(TestInteraction().messages.front().caption, "");
        EXPECT_EQ(TestInteraction().messages.front().icon, MessageIcon::Warning);
        EXPECT_EQ(dialog.GetText(kProjectGuiBuilder), "");
        EXPECT_EQ(Attempt(dialog, [&] { return dialog.OnOK(); }),
                  (Refused{"Please select a GUI Builder! [W0434]", "Missing GUI Builder", kProjectGuiBuilder}));
        dialog.SetText(kProjectGuiBuilder, "Java");
        dialog.SetText(kProjectOutputFormat, "");
        EXPECT_EQ(Attempt(dialog, [&] { return dialog.OnOK(); }),
                  (Refused{"Please select a Test Tool! [W0435]", "Missing Test Tool", kProjectOutputFormat}));
        dialog.SetText(kProjectOutputFormat, "Ranorex");
        return PressOk();
    });
    EXPECT_EQ(project.GetGuiId(), 1000);
    EXPECT_EQ(project.GetOutputFormat(), 10);
}

TEST_F(ProjectAdministrationDlgTest, ProjectNamesAreCheckedOnlyWhenChanged) {
    struct Case {
        std::string name;
        std::string refusal;
    };
    const std::vector<Case> cases{
        {"", "Please enter a valid project name! [W0136]"},
        {std::string(31, 'a'), "The project name must not be longer than 30 characters! [W0138]"},
        {"a b", "Illegal character ' ' in project name! [W1152]"},
        {"1abc", "The project name must not begin with a number! [W1153]"},
        {std::string(30, 'a'), ""},
        {"_a", ""},
        {"Shop12", ""},
    };
    for (const Case& c : cases) {
        Run([&] {
            dialog.SetText(kProjectName, c.name);
            const Refused expected = c.refusal.empty() ? Refused{} : Refused{c.refusal, "", kProjectName};
            EXPECT_EQ(Attempt(dialog, [&] { return dialog.OnOK(); }), expected) << c.name;
            return kIdCancel;
        });
    }
    project.SetName("1 bad");
    EXPECT_EQ(Run([&] { return PressOk(); }), 1);
    EXPECT_EQ(project.GetName(), "1 bad");
}

TEST_F(ProjectAdministrationDlgTest, LibraryEntriesAreRefusedWhenEmptyOrIncludedTwice) {
    Run([&] {
        EXPECT_EQ(Set(""), (Refused{"Please enter a valid path! [W1202]", "Invalid Path", kProjectLibraryPath}));
        const Refused twice{"Library Lib is directly included twice! [W1203]", "Invalid Include Structure",
                            kProjectLibraryPath};
        for (const std::string& path : std::vector<std::string>{"Lib.xml", "LIB.XML", "./x/../Lib.xml", Path("lib.xml")})
            EXPECT_EQ(Set(path), twice) << path;
        // Refusals leave the list and the entry as they were.
        EXPECT_EQ(Rows().size(), 2u);
        EXPECT_TRUE(dialog.IsNewEntry());
        return kIdCancel;
    });
}

TEST_F(ProjectAdministrationDlgTest, ASetThatDoesNotLoadLeavesTheListAndOneThatLoadsIsShown) {
    Run([&] {
        TestInteraction().answers = {MessageAnswer::No};
        dialog.SetText(kProjectLibraryPath, "Missing.xml");
        EXPECT_EQ(dialog.ApplyLibraryEntry(false), 0);
        EXPECT_EQ(dialog.GetFocusRequest().control, kProjectLibraryPath);
        // A library of the name another one has.
        dialog.SetText(kProjectLibraryPath, "Other.xml");
        EXPECT_EQ(dialog.ApplyLibraryEntry(false), 1);
        TestInteraction().messages.clear();
        dialog.SetText(kProjectLibraryPath, "Twin.xml");
        EXPECT_EQ(dialog.ApplyLibraryEntry(false), 0);
        EXPECT_EQ(TestInteraction().Texts(),
                  std::vector<std::string>{"Duplicate library name: 2 libraries have the same project name 'Other'! [W1703]"});
        EXPECT_EQ(Rows(), (std::vector<std::vector<std::string>>{
                              {"Lib", "Lib.xml", "Y"}, {"Other", "Other.xml", "Y"}, {"Sub", Path("Sub.xml"), "N"}}));
        EXPECT_EQ(dialog.GetText(kProjectLibraryPath), "Twin.xml");
        return kIdCancel;
    });
}

TEST_F(ProjectAdministrationDlgTest, ChosenRowsAreEditableOnlyForDirectLibraries) {
    lib->SetFailed(1);
    Run([&] {
        EXPECT_EQ(RowOf("!!! Lib"), 0);
        dialog.ChooseRow(kProjectLibraries, RowOf("Sub"));
        EXPECT_EQ(dialog.GetText(kProjectLibraryPath), Path("Sub.xml"));
        EXPECT_TRUE(dialog.IsReadOnly(kProjectLibraryPath));
        for (int button : {kProjectBrowse, kProjectSetLibrary, kProjectDeleteLibrary})
            EXPECT_FALSE(dialog.IsEnabled(button)) << button;
        EXPECT_EQ(dialog.GetDefaultButton(), kIdOk);

        dialog.ChooseRow(kProjectLibraries, RowOf("!!! Lib"));
        EXPECT_EQ(dialog.GetText(kProjectLibraryPath), "Lib.xml");
        EXPECT_FALSE(dialog.IsReadOnly(kProjectLibraryPath));
        EXPECT_TRUE(dialog.IsEnabled(kProjectDeleteLibrary));
        EXPECT_EQ(dialog.GetDefaultButton(), kProjectSetLibrary);
        // Its own path in another case changes nothing, and the reload clears the mark.
        EXPECT_EQ(Set("LIB.xml"), Refused{});
        EXPECT_EQ(RowOf("Lib"), 0);
        EXPECT_EQ(dialog.List(kProjectLibraries).RowTexts(0)[1], "Lib.xml");

        dialog.ChooseRow(kProjectLibraries, -1);
        EXPECT_TRUE(dialog.IsNewEntry());
        EXPECT_EQ(dialog.GetText(kProjectLibraryPath), "");
        return kIdCancel;
    });
}

TEST_F(ProjectAdministrationDlgTest, ChangingALibrarysPathReloadsItsIncludes) {
    Run([&] {
        dialog.ChooseRow(kProjectLibraries, RowOf("Lib"));
        EXPECT_EQ(Set("Other.xml"), Refused{});
        EXPECT_EQ(Rows(), (std::vector<std::vector<std::string>>{{"Other", "Other.xml", "Y"}}));
        EXPECT_EQ(dialog.WorkingList()[1]->GetID(), lib->GetID());
        return kIdCancel;
    });
}

TEST_F(ProjectAdministrationDlgTest, DeletingADirectLibraryDropsWhatOnlyItIncluded) {
    Run([&] {
        dialog.ChooseRow(kProjectLibraries, RowOf("Lib"));
        TestInteraction().answers = {MessageAnswer::No};
        dialog.OnDelete();
        EXPECT_EQ(Rows().size(), 2u);
        EXPECT_EQ(TestInteraction().messages.back().text, "Do you really want to delete this item ? [Q0019]");
        EXPECT_EQ(TestInteraction().messages.back().caption, "Delete Item");
        dialog.OnDelete();
        EXPECT_TRUE(Rows().empty());
        EXPECT_TRUE(dialog.WorkingList().front()->UsedFileIds().empty());
        return kIdCancel;
    });
}

TEST_F(ProjectAdministrationDlgTest, CancelAfterSetsAndDeletesLeavesTheFilesAsTheyWere) {
    const std::vector<CFileKav*> files = project.GetFiles().Snapshot();
    const std::vector<std::string> used = mainFile->UsedFileIds();
    Run([&] {
        dialog.SetText(kProjectLibraryPath, "Other.xml");
        dialog.OnSet();
        dialog.ChooseRow(kProjectLibraries, RowOf("Lib"));
        dialog.OnDelete();
        EXPECT_EQ(Rows().size(), 1u);
        return kIdCancel;
    });
    EXPECT_EQ(project.GetFiles().Snapshot(), files);
    EXPECT_EQ(mainFile->UsedFileIds(), used);
    EXPECT_EQ(lib->GetPath(), "Lib.xml");
    EXPECT_TRUE(host.undoSteps.empty());
}

TEST_F(ProjectAdministrationDlgTest, OkTakesOverTheSettingsAndTheListWithTheFirstLibraryAsMaster) {
    const std::string mainId = mainFile->GetID();
    EXPECT_EQ(Run([&] {
                  dialog.SetText(kProjectName, "Shop");
                  dialog.SetText(kProjectDescription, "all of it");
                  // A path typed in at OK is added as Set would.
                  dialog.SetText(kProjectLibraryPath, "Other.xml");
                  return PressOk();
              }),
              1);
    EXPECT_EQ(project.GetName(), "Shop");
    EXPECT_EQ(project.GetDescription(), "all of it");
    ASSERT_EQ(project.GetFiles().size(), 4u);
    EXPECT_EQ(project.GetMainFile()->GetName(), "Shop");
    EXPECT_EQ(project.GetMainFile()->GetID(), mainId);
    CFileKav* second = project.GetFiles()[1];
    EXPECT_EQ(project.GetMasterFile(), second);
    EXPECT_EQ(project.GetMasterProjectId(), second->GetID());
    EXPECT_EQ(host.undoSteps, std::vector<std::string>{"Edit Project Properties"});
}

// An indirect library's row shows its full path, which is not the path written in the file that
// includes it: OK with that row chosen checks the list as it is instead of calling it corrupted.
TEST_F(ProjectAdministrationDlgTest, OkWithAnIndirectLibraryChosenKeepsTheList) {
    EXPECT_EQ(Run([&] {
                  dialog.ChooseRow(kProjectLibraries, RowOf("Sub"));
                  return PressOk();
              }),
              1);
    EXPECT_TRUE(TestInteraction().messages.empty());
    ASSERT_EQ(project.GetFiles().size(), 3u);
    EXPECT_EQ(project.GetFiles()[2]->GetFullPath(), Path("Sub.xml"));
}

TEST_F(ProjectAdministrationDlgTest, OkWithoutLibrariesClearsTheMasterAndWhileLoadingRecordsNoStep) {
    project.GetFiles().Delete(sub);
    project.GetFiles().Delete(lib);
    mainFile->UsedFileIds().clear();
    project.SetMasterProjectId("old");
    EXPECT_EQ(Run([&] { return PressOk(); }, true), 1);
    ASSERT_EQ(project.GetFiles().size(), 1u);
    EXPECT_EQ(project.GetMasterFile(), nullptr);
    EXPECT_EQ(project.GetMasterProjectId(), "");
    EXPECT_TRUE(host.undoSteps.empty());
}

TEST_F(ProjectAdministrationDlgTest, OkKeepsTheDialogOpenWhenTheLibrariesNoLongerLoad) {
    std::filesystem::remove(Path("Sub.xml"));
    TestInteraction().answers = {MessageAnswer::No};
    Run([&] {
        dialog.SetText(kProjectName, "Shop");
        EXPECT_FALSE(dialog.OnOK());
        EXPECT_EQ(dialog.WorkingList().front()->GetName(), "Proj");
        return kIdCancel;
    });
    EXPECT_EQ(project.GetName(), "Proj");
}

TEST_F(ProjectAdministrationDlgTest, VornakLibrariesAreChosenByName) {
    VornakMode = true;
    vornakLibraries.libraries = {{"Lib", "vl"}, {"Extra", "ve"}};
    Run([&] {
        EXPECT_TRUE(dialog.IsReadOnly(kProjectName));
        EXPECT_EQ(Set("X"), (Refused{"There is no library 'X' existing in the VORNAK Test Manager database! [W1081]",
                                     "Invalid Path", kProjectLibraryPath}));
        // Browse offers the libraries not included yet.
        nested = [&](EditorDialog& shown) {
            auto& selection = dynamic_cast<CStringSelectDlg&>(shown);
            EXPECT_EQ(selection.GetTitle(), "Library Selection");
            EXPECT_EQ(selection.List(kStringList).RowCount(), 1);
            selection.ChooseRow(kStringList, 0);
            return selection.OnOK() ? kIdOk : kIdCancel;
        };
        dialog.OnBrowse();
        EXPECT_EQ(dialog.GetText(kProjectLibraryPath), "Extra");
        EXPECT_EQ(Attempt(dialog, [&] { return dialog.ApplyLibraryEntry(false) == 1; }), Refused{});
        const CFileKav* extra = dialog.WorkingList().back();
        EXPECT_EQ(extra->GetName(), "Extra");
        EXPECT_EQ(extra->GetID(), "ve");
        EXPECT_TRUE(dialog.WorkingList().front()->UsesFile("ve"));
        return kIdCancel;
    });
    vornakLibraries.libraries = {{"Lib", "vl"}};
    Run([&] {
        dialog.OnBrowse();
        EXPECT_EQ(TestInteraction().Texts().back(),
                  "There are no libraries in the VORNAK Test Manager database that are not already included in the "
                  "project! [W1080]");
        return kIdCancel;
    });
}
