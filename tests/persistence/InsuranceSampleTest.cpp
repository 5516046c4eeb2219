#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>

#include "conditions/Designator.h"
#include "conditions/EventParser.h"
#include "model/DataSet.h"
#include "model/TransitionKav.h"
#include "model/WindowKav.h"
#include "model/windows/ButtonWindows.h"
#include "InsuranceSample.h"
#include "LoadFixture.h"

namespace {

// The committed sample is what the generator makes; KAVRO_REFRESH_GOLDEN=1 writes it anew after
// a deliberate change.
class InsuranceSampleTest : public LoadTest {
protected:
    static std::string Committed() { return std::string(KAVRO_SOURCE_DIR) + "/examples/insurance/Insurance.xml"; }

    std::string Save(CApplicationKav& project, const std::string& name) {
        const std::string path = (folder_ / name).string();
        CApplicationKav* current = CurrentApplication;
        CurrentApplication = &project;  // tab pages resolve their windows through it
        std::string unused;
        EXPECT_EQ(reader_.SaveProject(true, path, project, unused), 1) << Message();
        CurrentApplication = current;
        return path;
    }
};

}  // namespace

TEST_F(InsuranceSampleTest, TheCommittedProjectIsWhatTheGeneratorMakes) {
    std::unique_ptr<CApplicationKav> sample = BuildInsuranceSample(Committed());
    const std::string made = ReadFile(Save(*sample, "Insurance.xml"));
    if (const char* refresh = std::getenv("KAVRO_REFRESH_GOLDEN"); refresh && std::string(refresh) == "1")
        std::ofstream(Committed(), std::ios::binary) << made;
    EXPECT_EQ(made, ReadFile(Committed()));
    EXPECT_EQ(std::system(("xmllint --noout '" + Committed() + "'").c_str()), 0);
}

TEST_F(InsuranceSampleTest, LoadsWithoutFindingsAndSavesToTheSameBytes) {
    ASSERT_EQ(Load(Committed()), 1) << Message();
    EXPECT_EQ(log_.Lines(), (std::vector<std::string>{"Checking Include Hierarchy", "Opening Project " + Committed(),
                                                      "Building object relations"}));
    EXPECT_TRUE(Asked().empty());
    EXPECT_EQ(ReadFile(Save(root_, "Saved.xml")), ReadFile(Committed()));
}

// What generating and converting the sample in batch mode relies on.
TEST_F(InsuranceSampleTest, ModelsWhatGenerationNeeds) {
    ASSERT_EQ(Load(Committed()), 1) << Message();
    EXPECT_NE(root_.GetOutputFormat(), 0);
    ASSERT_NE(root_.GetRootTask(), nullptr);
    EXPECT_EQ(root_.GetRootTask()->GetName(), "Project Insurance");
    EXPECT_EQ(root_.GetRootTask()->GetType(), kTaskFolder);

    const CWindowKav* start = root_.GetStartWindow();
    ASSERT_NE(start, nullptr);
    EXPECT_TRUE(start->IsVisible());
    EXPECT_TRUE(start->IsEnabled());
    EXPECT_EQ(start->GetParent(), nullptr);

    bool loop = false, buildingBlockCall = false;
    for (const CTaskKav* task : root_.GetTasks()) {
        for (const CTaskStep* step : task->GetSteps()) {
            loop |= step->GetLoopMode() != 0 && step->GetLoopCount() != "1" && step->GetLoopDataSet();
            buildingBlockCall |= step->GetSubTask() && step->GetSubTask()->GetType() == kTaskBuildingBlock;
        }
    }
    EXPECT_TRUE(loop);
    EXPECT_TRUE(buildingBlockCall);

    // Each radio group has its radio buttons, and its initial value and the values of the
    // records that are chosen in it are among their captions.
    const std::map<std::string, std::string> groupFields = {{"Vehicle_GRP", "Vehicle"}, {"Client_GRP", "Sex"}};
    const CDataSet* clients = root_.GetDataSets().front();
    for (const auto& [groupName, fieldName] : groupFields) {
        const auto* group = dynamic_cast<const CGroupBoxKav*>(root_.GetWindowList().FindByName(groupName, nullptr));
        ASSERT_NE(group, nullptr) << groupName;
        EXPECT_NE(group->FindRadioButton(group->GetInitialValue()), nullptr) << groupName;
        const CDataField* field = clients->FindField(fieldName);
        ASSERT_NE(field, nullptr) << fieldName;
        for (const CDataRecord* record : clients->GetRecords())
            EXPECT_NE(group->FindRadioButton(record->GetValues().at(field->GetId())), nullptr) << record->GetName();
    }

    // Every condition parses and every event fits its window; a transition ends the program.
    CEventParser events;
    bool ends = false;
    auto checkStep = [&](CStepKav& step) {
        for (CConditionKav* condition : step.GetConditions())
            EXPECT_NE(condition->Parse(), nullptr) << condition->GetText() << ": " << Message();
        if (step.GetStartWindow() && !step.GetEvent().empty()) {
            EXPECT_EQ(events.CheckEventString(step.GetEvent(), step.GetStartWindow()), 1)
                << step.GetEvent() << ": " << Message();
        }
        for (const CActionKav* action : step.GetActions()) {
            ends |= action->GetName() == "CloseApplication";
            // A window action names its window as a designator in "#", as generation reads it.
            if (const CArgumentKav* name = action->FindArgument("Name")) {
                const std::string value = name->GetValue();
                EXPECT_TRUE(value.size() > 2 && value.front() == '#' && value.back() == '#') << value;
                EXPECT_NE(ResolveDesignatorObject(value), nullptr) << value << ": " << Message();
            }
        }
    };
    for (CWindowKav* window : root_.GetWindowList().Snapshot())
        for (CTransitionKav* transition : window->GetTransitions()) checkStep(*transition);
    for (CTaskKav* task : root_.GetTasks())
        for (CTaskStep* step : task->GetSteps()) checkStep(*step);
    EXPECT_TRUE(ends);
}
