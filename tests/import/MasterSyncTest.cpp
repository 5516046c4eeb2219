#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "import/ProjectDataImportDlg.h"
#include "platform/AtomicFile.h"
#include "platform/Registry.h"
#include "tests/import/RecordingImportFrame.h"
#include "tests/persistence/LoadFixture.h"

namespace {

// Two sub projects of different masters, both named Block in their master: the imported task
// User calls the other master's Block.
class MasterSyncTest : public LoadTest {
protected:
    void SetUp() override {
        LoadTest::SetUp();
        masterA_ = WriteProject("MasterA.xml", "pa", "MasterA", "",
                                Task("ma", "", "MasterA", 2) + Task("ba", "ma", "Block", 1, Step("sa", "Go")) +
                                    Task("own", "ma", "Own", 1, Step("so", "#@Block:Go#")));
        WriteProject("MasterB.xml", "pb", "MasterB", "",
                     Task("mb", "", "MasterB", 2) + Task("bb", "mb", "Block", 1, Step("sb", "#@Block:Self#")));
        subA_ = WriteSub("SubA.xml", "SubA", "MasterA.xml", Task("ra", "", "SubA", 2));
        subB_ = WriteSub("SubB.xml", "SubB", "MasterB.xml",
                         Task("rb", "", "SubB", 2) +
                             Task("user", "rb", "User", 0, Step("su", "#@Block:Go#", " SubTaskID=\"bb\"")));
        WriteRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), "Import_SyncMaster", "1",
                            kRegistryText);
        ASSERT_EQ(Load(subA_), 1) << Message();
        log_.Clear();
    }

    static std::string Step(const std::string& id, const std::string& event, const std::string& extra = "") {
        return "<TASKSTEP ID=\"" + id + "\" Name=\"S\" Event=\"" + event + "\"" + extra + "/>";
    }
    static std::string Task(const std::string& id, const std::string& parent, const std::string& name, int type,
                            const std::string& step = "") {
        std::string start;
        if (!step.empty()) start = " StartID=\"" + step.substr(step.find("ID=\"") + 4, 2) + "\"";
        return "<TASK ID=\"" + id + "\"" + (parent.empty() ? "" : " ParentID=\"" + parent + "\"") + start +
               " Name=\"" + name + "\" Type=\"" + std::to_string(type) + "\">" + step + "</TASK>";
    }
    std::string WriteSub(const std::string& file, const std::string& name, const std::string& master,
                         const std::string& elements) {
        return WriteFile(file, "<KAVRO_DATA Version=\"12.4\"><PROJECT ID=\"p" + name + "\" Name=\"" + name +
                                   "\" MasterProjectID=\"m" + name + "\">" + FileElement("m" + name, master) +
                                   "</PROJECT>" + elements + "</KAVRO_DATA>");
    }

    int Import() {
        CProjectDataImportDlg dialog([](CProjectDataImportDlg&) { return true; });
        return reader_.ImportProjectData(subB_, &log_, dialog);
    }
    const CTaskStep& FirstStep(const std::string& taskId) {
        const CTaskKav* task = root_.FindTask(taskId, true);
        EXPECT_NE(task, nullptr) << taskId;
        return *task->GetSteps()[0];
    }

    std::string masterA_, subA_, subB_;
};

TEST_F(MasterSyncTest, AClashingBlockArrivesNumberedInTheTargetMasterAndTheSubProjectIsReloaded) {
    RecordingImportFrame frame;
    EXPECT_EQ(Import(), 1) << ::testing::PrintToString(log_.Lines());
    // The frame closes the views first, and around the saved files closes and loads the project.
    EXPECT_EQ(frame.calls, (std::vector<std::string>{"CloseAllViews", "CloseProject", "LoadProject " + subA_}));
    EXPECT_EQ(frame.loadLog, &log_);
    EXPECT_TRUE(Logged("SYNCHRONIZING MASTER PROJECTS:"));
    EXPECT_TRUE(Logged("Importing task Block1"));
    EXPECT_TRUE(Logged("Saving master project " + masterA_));
    EXPECT_TRUE(Logged("Saving sub project " + subA_));
    EXPECT_TRUE(Logged("Re-loading sub project together with changed master"));
    EXPECT_TRUE(Logged("Master synchronization complete"));
    EXPECT_EQ(std::system(("xmllint --noout '" + masterA_ + "'").c_str()), 0);

    const CTaskKav* block = root_.FindTask("bb", true);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->GetName(), "Block1");
    // Loaded from the library, designators name its file.
    EXPECT_EQ(FirstStep("bb").GetEvent(), "#^MasterA:@Block1:Self#");
    EXPECT_EQ(FirstStep("own").GetEvent(), "#^MasterA:@Block:Go#") << "the target's own Block";
    EXPECT_EQ(FirstStep("user").GetEvent(), "#@Block1:Go#");
    EXPECT_EQ(FirstStep("user").GetSubTask(), block);
}

TEST_F(MasterSyncTest, AnsweringNoMergesWithoutSynchronising) {
    dynamic_cast<ScriptedInteraction&>(GetInteraction()).answers.push_back(MessageAnswer::No);
    EXPECT_EQ(Import(), 1);
    EXPECT_FALSE(Logged("SYNCHRONIZING MASTER PROJECTS:"));
    EXPECT_EQ(Asked()[0].substr(0, 65), "WARNING: You have chosen the option 'Synchronize Master Projects'");
    EXPECT_EQ(root_.FindTask("bb", true), nullptr);
    EXPECT_NE(root_.FindTask("user", true), nullptr);
}

TEST_F(MasterSyncTest, AMasterThatCannotBeWrittenFailsTheImportAndStaysAsItWas) {
    const std::string before = ReadFile(masterA_);
    SetFileFaultInjector([](std::string_view step, const std::filesystem::path& target) {
        return !(step == "rename" && target.filename() == "MasterA.xml");
    });
    EXPECT_EQ(Import(), 0);
    const std::vector<std::string>& lines = log_.Lines();
    const auto failed = std::find(lines.begin(), lines.end(), "Failed to save master project:");
    ASSERT_TRUE(failed != lines.end() && failed + 2 < lines.end());
    EXPECT_NE(failed[1], "") << "the writer's message follows";
    EXPECT_EQ(lines.back(), "IMPORT FAILED");
    EXPECT_EQ(ReadFile(masterA_), before);
}

}  // namespace
