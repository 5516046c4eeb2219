#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>

#include "import/ProjectDataImportDlg.h"
#include "model/WindowKav.h"
#include "platform/Registry.h"
#include "tests/persistence/LoadFixture.h"

namespace {

// Importing a project file into a loaded project through the whole flow.
class ImportFlowTest : public LoadTest {
protected:
    void SetUp() override {
        LoadTest::SetUp();
        const std::string open = WriteProject(
            "Open.xml", "po", "Open", "",
            "<TASK ID=\"ro\" Name=\"Open\" Type=\"2\"/><WND ID=\"w1\" Name=\"Main\" Type=\"0\"/>"
            "<TASK ID=\"t1\" ParentID=\"ro\" StartID=\"s1\" Name=\"Login\" Type=\"0\">"
            "<TASKSTEP ID=\"s1\" StartWndID=\"w1\" Name=\"S\" Event=\"#@Login:x#\"/></TASK>");
        ASSERT_EQ(Load(open), 1) << Message();
        other_ = WriteProject(
            "Other.xml", "px", "Other", "",
            "<REQ ID=\"r1\" Name=\"R1\"/><REQ ID=\"r2\" ParentID=\"r1\" Name=\"R2\"/>"
            "<WND ID=\"w2\" Name=\"Main\" Type=\"0\" Left=\"-5\" Top=\"3\" Right=\"2\" Bottom=\"8\"/>"
            "<WND ID=\"w3\" ParentID=\"w2\" Name=\"OK\" Type=\"8\"/>"
            "<DATASET ID=\"d1\" Name=\"Data\"/>"
            "<TASK ID=\"rx\" Name=\"Other\" Type=\"2\"/>"
            "<TASK ID=\"t2\" ParentID=\"rx\" StartID=\"s2\" DataSetID=\"d1\" Name=\"Login\" Type=\"0\">"
            "<TASKSTEP ID=\"s2\" StartWndID=\"w3\" Name=\"S\" Event=\"#@Login:y#\"><CONNECT DestStepID=\"s3\"/>"
            "</TASKSTEP><TASKSTEP ID=\"s3\" Name=\"T\"/><TASKREQ ReqID=\"r2\"/></TASK>");
        log_.Clear();
    }

    std::string other_;
};

TEST_F(ImportFlowTest, AMergedProjectSavesWellFormedAndLoadsBackEqual) {
    CProjectDataImportDlg dialog([](CProjectDataImportDlg&) { return true; });
    ASSERT_EQ(reader_.ImportProjectData(other_, &log_, dialog), 1) << ::testing::PrintToString(log_.Lines());
    CTaskKav* imported = root_.FindTask("t2", true);
    ASSERT_NE(imported, nullptr);
    EXPECT_EQ(imported->GetName(), "Login1");
    EXPECT_EQ(imported->GetSteps()[0]->GetEvent(), "#@Login1:y#");
    EXPECT_EQ(root_.FindTask("t1", true)->GetSteps()[0]->GetEvent(), "#@Login:x#");
    EXPECT_EQ(root_.GetWindowList().FindByID("w2")->GetName(), "Main1");
    EXPECT_EQ(imported->GetSteps()[0]->GetStartWindow(), root_.GetWindowList().FindByID("w3"));
    EXPECT_EQ(imported->GetRequirements(), std::vector<CRequirement*>{root_.FindRequirement("r2", true)});

    const std::string saved = (folder_ / "Saved.xml").string();
    std::string unused;
    ASSERT_EQ(reader_.SaveProject(true, saved, root_, unused), 1) << Message();
    EXPECT_EQ(std::system(("xmllint --noout '" + saved + "'").c_str()), 0);

    CApplicationKav reloaded;
    CurrentApplication = &reloaded;
    CXMLDataManager reader;
    ASSERT_EQ(reader.LoadProject(saved, nullptr), 1) << Message();
    CurrentApplication = &root_;
    for (CTaskKav* task : root_.GetTasks()) {
        if (task == root_.GetRootTask()) continue;
        EXPECT_TRUE(task->IsEqual(reloaded.FindTask(task->GetID(), true))) << task->GetName();
    }
    for (CRequirement* requirement : root_.GetRequirements())
        EXPECT_TRUE(requirement->IsEqual(reloaded.FindRequirement(requirement->GetUniqueId(), true)));
    for (CWindowKav* window : root_.GetWindowList().Snapshot())
        EXPECT_TRUE(window->IsEqual(reloaded.GetWindowList().FindByID(window->GetInternalID()))) << window->GetName();
    for (CDataSet* dataSet : root_.GetDataSets())
        EXPECT_TRUE(dataSet->IsEqual(reloaded.FindDataSet(dataSet->GetId(), true)));
}

// After OK the other project holds just the checked objects, as a file shows.
TEST_F(ImportFlowTest, TheOtherProjectKeepsOnlyTheCheckedObjects) {
    // The task's requirement and window would be checked again automatically.
    for (const char* name : {"Import_Autoselect_Req", "Import_Autoselect_Wnd"})
        WriteRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), name, "0", kRegistryText);
    CProjectDataImportDlg dialog([&](CProjectDataImportDlg& dlg) {
        CApplicationKav& other = *dlg.GetOtherProject();
        dlg.GetTabs().requirements.OnCheckBoxClicked(*other.FindRequirement("r2", true)->GetImportItem());
        dlg.GetTabs().windows.OnCheckBoxClicked(*other.GetWindowList().FindByID("w2")->GetImportItem());
        return true;
    });
    struct Count : ProjectDataImport {
        CProjectDataImportDlg& dialog;
        std::filesystem::path path;
        Count(CProjectDataImportDlg& d, std::filesystem::path p) : dialog(d), path(std::move(p)) {}
        bool SelectObjects(CApplicationKav& source) override {
            if (!dialog.SelectObjects(source)) return false;
            // The writer saves the objects of the file they belong to.
            CXMLDataManager writer;
            writer.BuildRelations(&source, false);
            std::string unused;
            return writer.SaveProject(true, path.string(), source, unused) == 1;
        }
        bool ImportSelected(MessageLog*) override { return false; }
    } counting(dialog, folder_ / "Left.xml");
    reader_.ImportProjectData(other_, &log_, counting);

    const std::string script =
        "import sys, xml.etree.ElementTree as E; r = E.parse(sys.argv[1]).getroot(); "
        "print(' '.join(str(len(r.findall(k))) for k in ('TASK', 'REQ', 'WND', 'DATASET')))";
    FILE* pipe = popen(("python3 -c \"" + script + "\" '" + (folder_ / "Left.xml").string() + "'").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::array<char, 64> counts{};
    const char* read = fgets(counts.data(), counts.size(), pipe);
    pclose(pipe);
    ASSERT_NE(read, nullptr);
    // The task Login; requirement R1 without its child; no window; the data set.
    EXPECT_EQ(std::string(counts.data()), "1 1 0 1\n");
}

}  // namespace
