#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "editors/data/DataImportDlg.h"
#include "model/DataSet.h"
#include "model/FileKav.h"
#include "platform/Registry.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/editors/Refusals.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/ScratchFolder.h"

using ::testing::ElementsAre;

namespace {

std::string Setting(const std::string& name) {
    return ReadRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), name);
}

// The main file holds the sets Zeta and Input, the read-only library the set LS; the file
// data.txt holds the header "A<TAB>B" and one record.
class DataImportDlgTest : public ProjectTest {
protected:
    DataImportDlgTest() { project.Lib()->SetReadOnly(true); }

    // Runs the dialog on the proposed set; the steps act in the open dialog and say how it ends.
    int Run(CDataSet* proposed, const std::function<int()>& steps) {
        host.session = [&steps](EditorDialog&) { return steps(); };
        return dialog.ImportIntoDataSet(proposed);
    }
    // The data set box as the user leaves it: an entry chosen, or a name typed.
    void Type(const std::string& name) { dialog.SetText(kImportDataSet, name); }
    Refused Ok() {
        return Attempt(dialog, [&] { return dialog.OnOK(); });
    }
    std::vector<std::string> SetNames() const {
        std::vector<std::string> names;
        for (const CDataSet* dataSet : app.GetDataSets()) names.push_back(dataSet->GetName());
        return names;
    }

    CDataSet* zeta = project.AddDataSet("Zeta");
    CDataSet* input = project.AddDataSet("Input");
    CDataSet* library = project.AddDataSet("LS", project.Lib());
    ScratchFolder folder;
    std::string data = folder.Write("data.txt", "A\tB\n1\t2\n");
    FakeEditorHost host;
    CDataImportDlg dialog{host, app};
};

}  // namespace

TEST_F(DataImportDlgTest, OpensWithTheEditableSetsAndTheLastSettings) {
    Run(input, [&] {
        EXPECT_EQ(dialog.GetTitle(), "Import Test Data");
        EXPECT_THAT(dialog.Control(kImportDataSet).items, ElementsAre("Input", "Zeta"));
        EXPECT_EQ(dialog.GetText(kImportDataSet), "Input");
        EXPECT_EQ(dialog.GetChosenDataSet(), 0);
        EXPECT_EQ(dialog.GetText(kImportSource), std::filesystem::current_path().string());
        EXPECT_EQ(dialog.GetText(kImportSeparator), "\\t");
        return kIdCancel;
    });
    // Without a proposal the project's first set; a read-only one is no proposal.
    Run(library, [&] {
        EXPECT_EQ(dialog.GetText(kImportDataSet), "Zeta");
        EXPECT_EQ(dialog.GetChosenDataSet(), 1);
        return kIdCancel;
    });
    // With the first set read-only, the box's first entry.
    zeta->SetFile(project.Lib());
    WriteRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), "RecentDataImport", data, kRegistryText);
    WriteRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), "DataImport_FieldSep", "::", kRegistryText);
    Run(nullptr, [&] {
        EXPECT_THAT(dialog.Control(kImportDataSet).items, ElementsAre("Input"));
        EXPECT_EQ(dialog.GetText(kImportDataSet), "Input");
        EXPECT_EQ(dialog.GetText(kImportSource), data);
        EXPECT_EQ(dialog.GetText(kImportSeparator), "::");
        return kIdCancel;
    });
}

TEST_F(DataImportDlgTest, OkImportsIntoTheChosenSetAndKeepsTheSettingsAsTyped) {
    EXPECT_EQ(Run(nullptr,
                  [&] {
                      dialog.SetText(kImportSource, data);
                      dialog.SetText(kImportSeparator, "");
                      EXPECT_EQ(Ok(), (Refused{"Please specify a field separator! [W0638]", "Separator Missing",
                                               kImportSeparator}));
                      dialog.SetText(kImportSeparator, "\\t");
                      dialog.ChooseDataSet(0);
                      EXPECT_EQ(Ok(), Refused{});
                      return kIdOk;
                  }),
              1);
    ASSERT_EQ(input->GetRecords().size(), 1u);
    EXPECT_EQ(input->GetFields().size(), 2u);
    EXPECT_EQ(input->GetDataSource(), data);
    EXPECT_EQ(Setting("RecentDataImport"), data);
    EXPECT_EQ(Setting("DataImport_FieldSep"), "\\t");
    EXPECT_THAT(SetNames(), ElementsAre("Zeta", "Input", "LS"));
}

TEST_F(DataImportDlgTest, ATypedNameFindsItsSetOrMakesOne) {
    struct Case {
        std::string typed;
        Refused refused;
        CDataSet* target;
    };
    const Case cases[] = {
        {"^Lib:~LS", {"The selected data set is read-only! [W0509]", "Invalid Data Set", kImportDataSet}, nullptr},
        {"1abc", {"The name must not begin with a number! [W0485]", "Invalid Data Set Name", kImportDataSet}, nullptr},
        {"", {"The name must not be empty! [W0463]", "Invalid Data Set Name", kImportDataSet}, nullptr},
        {"~Zeta", {}, zeta},
        // A plain name of a set of the main file is that set, not a second one of its name.
        {"input", {}, input},
    };
    Run(nullptr, [&] {
        dialog.SetText(kImportSource, data);
        for (const Case& c : cases) {
            const size_t records = c.target ? c.target->GetRecords().size() : 0;
            Type(c.typed);
            EXPECT_EQ(dialog.GetChosenDataSet(), -1) << c.typed;
            EXPECT_EQ(Ok(), c.refused) << c.typed;
            if (c.target) {
                EXPECT_EQ(c.target->GetRecords().size(), records + 1) << c.typed;
            }
            EXPECT_THAT(SetNames(), ElementsAre("Zeta", "Input", "LS")) << c.typed;
        }
        return kIdOk;
    });
}

TEST_F(DataImportDlgTest, ANewSetJoinsTheMainFileOnlyWhenItsFileWasRead) {
    Run(nullptr, [&] {
        Type("New");
        dialog.SetText(kImportSource, (folder.Path() / "missing.txt").string());
        EXPECT_EQ(Ok(), (Refused{"File '" + (folder.Path() / "missing.txt").string() + "' not found! [W0518]",
                                 "Import Failed", kImportSource}));
        EXPECT_THAT(SetNames(), ElementsAre("Zeta", "Input", "LS"));
        dialog.SetText(kImportSource, data);
        EXPECT_EQ(Ok(), Refused{});
        return kIdOk;
    });
    ASSERT_THAT(SetNames(), ElementsAre("Zeta", "Input", "LS", "New"));
    const CDataSet* made = app.GetDataSets().back();
    EXPECT_EQ(made->GetFile(), project.Main());
    EXPECT_EQ(made->GetFileId(), project.Main()->GetID());
    EXPECT_EQ(made->GetDescription(), "Imported Data Set");
    EXPECT_EQ(made->GetDataSource(), data);
    EXPECT_EQ(made->GetRecords().size(), 1u);
}

TEST_F(DataImportDlgTest, BrowseTakesTheChosenFileAndASemicolonForCsv) {
    TestInteraction().paths = {std::nullopt, std::string("/data/x.CSV"), std::string("/data/y.txt")};
    Run(nullptr, [&] {
        dialog.SetText(kImportSource, "/data/old.csv");
        dialog.OnBrowse();  // cancelled
        EXPECT_EQ(dialog.GetText(kImportSource), "/data/old.csv");
        dialog.OnBrowse();
        EXPECT_EQ(dialog.GetText(kImportSource), "/data/x.CSV");
        EXPECT_EQ(dialog.GetText(kImportSeparator), ";");
        dialog.SetText(kImportSeparator, "|");
        dialog.OnBrowse();
        EXPECT_EQ(dialog.GetText(kImportSource), "/data/y.txt");
        EXPECT_EQ(dialog.GetText(kImportSeparator), "|");
        return kIdCancel;
    });
    const auto& requests = TestInteraction().pathRequests;
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].title, "Select Test Data File ");
    EXPECT_EQ(requests[0].filter, "Text files (*.txt) |*.txt|CSV files (*.csv) |*.csv|All files (*.*)|*.*||");
    EXPECT_EQ(requests[0].initialPath, "/data/old.csv");
    EXPECT_EQ(requests[0].filterIndex, 1);
    EXPECT_EQ(requests[2].filterIndex, 1);
    EXPECT_EQ(requests[2].initialPath, "/data/x.CSV");
}

TEST_F(DataImportDlgTest, CancelImportsNothingAndKeepsTheSettings) {
    EXPECT_EQ(Run(input,
                  [&] {
                      dialog.SetText(kImportSource, data);
                      return kIdCancel;
                  }),
              0);
    EXPECT_TRUE(input->GetRecords().empty());
    EXPECT_EQ(Setting("RecentDataImport"), "");
}
