// Converting a project written by an older version, after it was loaded: what each version
// changed is brought up to the current one, in the order of the versions.
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "persistence/RelationBuilder.h"
#include "persistence/XMLDataManager.h"
#include "platform/MessageBuffer.h"

namespace {

constexpr int kUnknownVersion = 44888;  // [W0888]

constexpr int kSilkTestFormat = 1;
constexpr int kWinRunnerFormat = 8;

// Versions compare as text.
constexpr std::string_view kToolNamesChanged = "11.2";
constexpr std::string_view kBuildingBlocksChanged = "11.2.2";
constexpr std::string_view kLastOlderVersion = "12.3";

// A building block of one step became a folder. A root task that becomes one takes the name
// that linking gives a root folder, which the saved project will get when it is loaded again.
void ConvertOneStepBuildingBlocks(CApplicationKav& project) {
    for (CTaskKav* task : project.GetTasks()) {
        if (task->GetType() != kTaskBuildingBlock || task->GetSteps().size() != 1) continue;
        // Test steps made from the step lose it as their base step.
        for (CTestCase* testCase : project.GetTestCases())
            testCase->RemoveReferences(nullptr, task->GetSteps().front(), nullptr, nullptr);
        task->SetStartStep(nullptr);
        task->SetStartId({});
        task->GetSteps().DeleteAll();
        task->SetType(kTaskFolder);
        if (task == project.GetRootTask()) RelationBuilder::NameRootTask(*task, project);
    }
}

// A folder cannot be called: a step that called one keeps its texts and takes the step fields.
void ConvertFolderCalls(CApplicationKav& project) {
    for (CTaskKav* task : project.GetTasks()) {
        for (CTaskStep* step : task->GetSteps()) {
            const CTaskKav* subTask = step->GetSubTask();
            if (!subTask || subTask->GetType() != kTaskFolder) continue;
            step->SetSubTask(nullptr);
            step->SetSubTaskId({});
            step->SetAttributes(project.GetStepFields());
        }
    }
}

}  // namespace

int CXMLDataManager::CheckVersion() {
    CApplicationKav* project = CurrentApplication;
    const std::string& version = mainFileVersion_;
    if (!project) return 0;
    if (version <= kToolNamesChanged) {
        if (project->GetOutputFormat() == kWinRunnerFormat && services_.regenerateWinRunnerNames)
            services_.regenerateWinRunnerNames(*project);
        else if (project->GetOutputFormat() == kSilkTestFormat && services_.generateRecognitionTags)
            services_.generateRecognitionTags(*project);
    }
    if (version <= kBuildingBlocksChanged) {
        ConvertOneStepBuildingBlocks(*project);
        ConvertFolderCalls(*project);
        return 1;
    }
    // A current main file needs nothing, also when one of its libraries is older.
    if (version <= kLastOlderVersion || version == kProjectFileVersion) return 1;
    SetMessage(kUnknownVersion, version);
    return 0;
}
