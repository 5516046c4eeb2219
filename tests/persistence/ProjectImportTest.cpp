#include <gtest/gtest.h>

#include "model/ImportTreeItem.h"
#include "model/WindowKav.h"
#include "persistence/ProjectDataImport.h"
#include "LoadFixture.h"
#include "tests/support/RecordingInterface.h"

namespace {

// Marks the open project's objects as shown, as the selection dialog does, and answers as told.
class ScriptedImport : public ProjectDataImport {
public:
    explicit ScriptedImport(CApplicationKav& target) : target_(target) {}

    bool SelectObjects(CApplicationKav& source) override {
        sourceTasks = source.GetTasks().size();
        for (CTaskKav* task : target_.GetTasks()) task->SetImportItem(&item_);
        for (CRequirement* requirement : target_.GetRequirements()) requirement->SetImportItem(&item_);
        return confirm;
    }
    bool ImportSelected(MessageLog*) override {
        imported = true;
        return succeed;
    }

    bool confirm = true;
    bool succeed = true;
    bool imported = false;
    size_t sourceTasks = 0;

private:
    CApplicationKav& target_;
    CImportTreeItem item_{nullptr, false};
};

class ProjectImportTest : public LoadTest {
protected:
    void SetUp() override {
        LoadTest::SetUp();
        root_.GetTasks().Add(new CTaskKav("Mine", kTaskFolder));
        root_.GetRequirements().Add(new CRequirement("R"));
    }

    std::string Source(const std::string& version) {
        return WriteProject("Source.xml", "ps", "Source", "", "<TASK ID=\"t\" Name=\"T\"/>", version);
    }

    bool NothingMarked() {
        for (const CTaskKav* task : root_.GetTasks())
            if (task->GetImportItem()) return false;
        for (const CRequirement* requirement : root_.GetRequirements())
            if (requirement->GetImportItem()) return false;
        return true;
    }

    ScriptedImport importer_{root_};
};

}  // namespace

TEST_F(ProjectImportTest, TheSelectedObjectsAreImported) {
    EXPECT_EQ(reader_.ImportProjectData(Source("12.4"), &log_, importer_), 1);
    EXPECT_TRUE(importer_.imported);
    EXPECT_EQ(importer_.sourceTasks, 1u);
    EXPECT_EQ(log_.Lines().back(), "IMPORT SUCCESSFUL !");
    EXPECT_TRUE(Logged("Showing Import Selection Dialog"));
    EXPECT_TRUE(NothingMarked());
}

// A source of an older version is imported; the caller converts the data afterwards.
TEST_F(ProjectImportTest, AnOlderSourceIsImportedForConversion) {
    EXPECT_EQ(reader_.ImportProjectData(Source("12.3"), &log_, importer_), 2);
    EXPECT_TRUE(importer_.imported);
    EXPECT_EQ(log_.Lines().back(), "Import successful! Data conversion will start after closing this dialog.");
    EXPECT_EQ(reader_.GetVersionText(), "12.3");
}

TEST_F(ProjectImportTest, ACancelledOrFailedImportSaysSo) {
    importer_.confirm = false;
    EXPECT_EQ(reader_.ImportProjectData(Source("12.4"), &log_, importer_), 3);
    EXPECT_EQ(log_.Lines().back(), "Import cancelled by user");
    EXPECT_FALSE(importer_.imported);
    EXPECT_TRUE(NothingMarked());

    importer_.confirm = true;
    importer_.succeed = false;
    EXPECT_EQ(reader_.ImportProjectData(Source("12.4"), &log_, importer_), 0);
    EXPECT_EQ(log_.Lines().back(), "IMPORT FAILED");
    EXPECT_TRUE(NothingMarked());
}

TEST_F(ProjectImportTest, ASourceThatIsNoProjectIsNotShown) {
    RecordingInterface vornak;
    vornak.state = 4;
    InstallVornakInterface(&vornak);
    const std::string path = WriteFile("Source.xml", "<KAVRO_DATA Version=\"12.4\"/>");
    EXPECT_EQ(reader_.ImportProjectData(path, &log_, importer_), 0);
    InstallVornakInterface(nullptr);
    EXPECT_EQ(log_.Lines().back(), "No 'PROJECT' tag has been found in file " + path + "! [W0798]");
    EXPECT_FALSE(Logged("Showing Import Selection Dialog"));
    EXPECT_EQ(vornak.state, 1);
    EXPECT_EQ(root_.GetTasks().size(), 1u);
}
