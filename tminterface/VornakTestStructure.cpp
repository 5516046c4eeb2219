// VORNAK's test structure in the project: its folders follow VORNAK's test packages, each with
// one use case; and the list of the folders whose content changed, reported back to VORNAK.
#include <algorithm>
#include <unordered_set>

#include "model/ApplicationKav.h"
#include "model/FileKav.h"
#include "model/TaskKav.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "shell/VornakHost.h"
#include "tminterface/VornakIF.h"

namespace {

constexpr int kNewParentMissing = 45104;     // [W1104]
constexpr int kTwoUseCases = 45105;          // [W1105]
constexpr int kUseCaseBesideFolder = 45106;  // [W1106]
constexpr int kBuildingBlockInFolder = 45107;  // [W1107]
constexpr int kParentMissing = 45109;        // [W1109]
constexpr int kInvalidChangedTask = 45072;   // [W1072]
constexpr const char* kKeepMarker = "\u00a7\u00a7\u00a7DO_NOT_DELETE\u00a7\u00a7\u00a7";

constexpr int kDefaultCriticality = 2;
constexpr int kDefaultPriority = 1;

// The texts VORNAK keeps of a folder.
void TakeTexts(CTaskKav& task, const CTaskKav& received) {
    task.SetTestType(received.GetTestType());
    task.SetPrecondition(received.GetPrecondition());
    task.SetDescription(received.GetDescription());
    task.SetPostcondition(received.GetPostcondition());
    task.SetDocPath(received.GetDocPath());
}

CTaskKav* FirstUseCase(const CTaskKav& folder) {
    for (CTaskKav* child : folder.GetChildren())
        if (child->GetType() == kTaskPlain) return child;
    return nullptr;
}

// One use case and nothing beside it, or folders only.
bool CheckFolderContent(const CTaskKav& folder) {
    int useCases = 0;
    int folders = 0;
    for (const CTaskKav* child : folder.GetChildren()) {
        if (child->GetType() == kTaskBuildingBlock) {
            SetMessage(kBuildingBlockInFolder, folder.GetName());
            return false;
        }
        (child->IsFolder() ? folders : useCases)++;
    }
    if (useCases > 1) SetMessage(kTwoUseCases, folder.GetName());
    if (useCases > 0 && folders > 0) SetMessage(kUseCaseBesideFolder, folder.GetName());
    return useCases <= 1 && (useCases == 0 || folders == 0);
}

bool DeleteFolder(CApplicationKav& project, CTaskKav* folder) {
    project.RemoveReferencesFromTasks(nullptr, nullptr, folder, nullptr, nullptr);
    project.RemoveReferencesFromTestCases(nullptr, nullptr, folder, 0);
    project.DeleteTestScripts(nullptr, folder);
    return project.DeleteTask(folder);
}

}  // namespace

int CVornakIF::SynchronizeTestStructure() {
    CApplicationKav& project = host_->Project();
    CFileKav* mainFile = project.GetMainFile();
    for (const CTaskKav* received : ownProject_->GetTasks()) {
        const std::string& parentId = received->GetParentId();
        CTaskKav* parent = parentId.empty() ? project.GetRootTask() : project.FindTask(parentId, true);
        CTaskKav* task = project.FindTask(received->GetID(), true);
        if (!task) {
            if (!parent) {
                SetMessage(kParentMissing, parentId);
                return 0;
            }
            task = project.GetTasks().Add(new CTaskKav(received->GetName(), kTaskFolder));
            task->SetID(received->GetID());
            task->SetFile(mainFile);
            task->SetFileId(mainFile ? mainFile->GetID() : std::string());
            task->SetQuVornakTask(1);
            if (!parent->AddChild(task)) return 0;
        } else if (task->GetParent() != parent) {
            if (!parent) {
                SetMessage(kNewParentMissing, parentId);
                return 0;
            }
            if (!parent->AddChild(task)) return 0;
        }
        task->SetName(received->GetName());
        TakeTexts(*task, *received);
        if (CTaskKav* useCase = FirstUseCase(*task)) {
            useCase->SetName(project.MakeValidTaskName(received->GetName(), useCase));
            TakeTexts(*useCase, *received);
        }
        if (!CheckFolderContent(*task)) return 0;
        task->SetTestGoal(kKeepMarker);
    }
    std::unordered_set<const CTaskKav*> kept;
    for (CTaskKav* task : project.GetTasks()) {
        if (task->GetTestGoal() != kKeepMarker) continue;
        task->SetTestGoal({});
        kept.insert(task);
    }
    const std::string mainFileId = mainFile ? mainFile->GetID() : std::string();
    auto obsolete = [&](const CTaskKav* task) {
        return task->IsQuVornakTask() && task->IsFolder() && task->GetFileId() == mainFileId && !kept.count(task);
    };
    // A deletion takes the folder's subtree with it: the walk starts again after each.
    while (CTaskKav* folder = project.GetTasks().FindIf(obsolete))
        if (!DeleteFolder(project, folder)) return 0;
    return 1;
}

int CVornakIF::CreateUseCaseTasks() {
    CApplicationKav& project = host_->Project();
    CFileKav* mainFile = project.GetMainFile();
    const CTaskKav* root = project.GetRootTask();
    int result = 1;
    for (CTaskKav* folder : project.GetTasks().Snapshot()) {
        if (!folder->IsQuVornakTask() || !folder->IsFolder() || folder->GetParent() == root ||
            !folder->GetChildren().empty())
            continue;
        auto* useCase = new CTaskKav(project.MakeValidTaskName(folder->GetName(), nullptr), kTaskPlain);
        TakeTexts(*useCase, *folder);
        useCase->SetFile(mainFile);
        useCase->SetFileId(mainFile ? mainFile->GetID() : std::string());
        useCase->SetQuVornakTask(1);
        auto* start = new CTaskStep("Start", "", "", "", "", "", nullptr, nullptr, 0, &project.GetStepFields(),
                                    kDefaultCriticality, "", kDefaultPriority);
        useCase->GetSteps().Add(start);
        useCase->SetStartStep(start);
        project.GetTasks().Add(useCase);
        if (!folder->AddChild(useCase)) {
            project.GetTasks().Delete(useCase);
            ShowBuffer(true);
            result = 0;
        }
    }
    return result;
}

void CVornakIF::AddChangedTask(const CTaskKav* task) {
    if (!task) {
        ShowText(FormatMessageId(kInvalidChangedTask), false);
        return;
    }
    auto add = [this](const CTaskKav* folder) {
        if (!folder || !folder->IsQuVornakTask()) return;
        if (std::find(changedTaskIds_.begin(), changedTaskIds_.end(), folder->GetID()) == changedTaskIds_.end())
            changedTaskIds_.push_back(folder->GetID());
    };
    switch (task->GetType()) {
        case kTaskPlain: add(task->GetParent()); break;
        case kTaskFolder: add(task); break;
        case kTaskBuildingBlock:
            for (const CTaskKav* caller : host_->Project().GetTasks()) {
                if (caller->GetType() != kTaskPlain) continue;
                for (const CTaskStep* step : caller->GetSteps())
                    if (step->GetSubTask() == task) {
                        add(caller->GetParent());
                        break;
                    }
            }
            break;
        default: break;
    }
}
