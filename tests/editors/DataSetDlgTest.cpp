#include <gtest/gtest.h>

#include <functional>

#include "editors/data/DataSetDlg.h"
#include "model/FileKav.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/editors/Refusals.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"

namespace {

// Data sets S1 and S2 of the main file and L1 of the library.
class DataSetDlgTest : public ProjectTest {
protected:
    DataSetDlgTest() { s1->SetDataSource("/data/old.csv"); }

    // Runs the dialog on the set; the steps act in the open dialog and say how it ends.
    bool Run(CDataSet& set, const std::function<int()>& steps) {
        host.session = [&steps](EditorDialog&) { return steps(); };
        return dialog.EditDataSet(set);
    }
    Refused PressOk() {
        return Attempt(dialog, [&] { return dialog.OnOK(); });
    }

    CDataSet* s1 = project.AddDataSet("S1");
    CDataSet* s2 = project.AddDataSet("S2");
    CDataSet* l1 = project.AddDataSet("L1", project.Lib());
    FakeEditorHost host;
    CDataSetDlg dialog{host, app};
};

}  // namespace

TEST_F(DataSetDlgTest, OpensWithTheSetsEntriesAndItsNameInTheTitle) {
    Run(*s1, [&] {
        EXPECT_EQ(dialog.GetTitle(), "Data Set S1");
        EXPECT_EQ(dialog.GetText(kSetName), "S1");
        EXPECT_EQ(dialog.GetText(kSetDataSource), "/data/old.csv");
        EXPECT_TRUE(dialog.IsEnabled(kSetBrowse));
        return kIdCancel;
    });
}

TEST_F(DataSetDlgTest, ANewNameMustBeFreeAmongTheMainFilesSetsAndValid) {
    struct Case {
        std::string name;
        Refused refused;
    };
    const Case cases[] = {
        {"s2", {"A data set with this name is already existing! [W0703]", "Name not Unique", kSetName}},
        {"1x", {"The name must not begin with a number! [W0485]", "Invalid Name", kSetName}},
        {"", {"The name must not be empty! [W0463]", "Invalid Name", kSetName}},
        {"s1", {}},  // only the letter case changes
        {"L1", {}},  // a library's set does not count
        {"Input", {}},
    };
    for (const Case& c : cases) {
        s1->SetName("S1");
        s1->SetDescription("old");
        const bool changed = Run(*s1, [&] {
            dialog.SetText(kSetName, c.name);
            dialog.SetText(kSetDescription, "new");
            EXPECT_EQ(PressOk(), c.refused) << c.name;
            return c.refused.text.empty() ? kIdOk : kIdCancel;
        });
        EXPECT_EQ(changed, c.refused.text.empty()) << c.name;
        EXPECT_EQ(s1->GetName(), c.refused.text.empty() ? c.name : "S1") << c.name;
        EXPECT_EQ(s1->GetDescription(), c.refused.text.empty() ? "new" : "old") << c.name;
    }
}

TEST_F(DataSetDlgTest, CancelLeavesTheSetAsItWas) {
    EXPECT_FALSE(Run(*s1, [&] {
        dialog.SetText(kSetName, "Other");
        return kIdCancel;
    }));
    EXPECT_EQ(s1->GetName(), "S1");
}

TEST_F(DataSetDlgTest, BrowseStartsFromTheDataSourceAndTakesTheChosenFile) {
    TestInteraction().paths = {std::nullopt, "/data/new.txt"};
    EXPECT_TRUE(Run(*s1, [&] {
        dialog.OnBrowse();  // cancelled
        EXPECT_EQ(dialog.GetText(kSetDataSource), "/data/old.csv");
        dialog.OnBrowse();
        EXPECT_EQ(dialog.GetText(kSetDataSource), "/data/new.txt");
        EXPECT_TRUE(dialog.OnOK());
        return kIdOk;
    }));
    ASSERT_EQ(TestInteraction().pathRequests.size(), 2u);
    const FileDialogRequest& request = TestInteraction().pathRequests[0];
    EXPECT_EQ(request.kind, FileDialogRequest::Kind::Open);
    EXPECT_EQ(request.title, "Select Test Data File");
    EXPECT_EQ(request.filter, "Text files (*.txt) |*.txt|CSV files (*.csv) |*.csv|All files (*.*)|*.*||");
    EXPECT_EQ(request.initialPath, "/data/old.csv");
    EXPECT_EQ(s1->GetDataSource(), "/data/new.txt");
}

TEST_F(DataSetDlgTest, AReadOnlySetIsOnlyShown) {
    project.Lib()->SetReadOnly(true);
    EXPECT_FALSE(Run(*l1, [&] {
        EXPECT_EQ(dialog.GetTitle(), "Data Set L1 (Read-Only)");
        for (int id : {kSetName, kSetDescription, kSetDataSource, kSetBrowse}) EXPECT_FALSE(dialog.IsEnabled(id)) << id;
        dialog.SetText(kSetName, "Changed");
        EXPECT_EQ(PressOk(), Refused{});
        return kIdOk;
    }));
    EXPECT_EQ(l1->GetName(), "L1");
}
