#include "views/trees/TaskRules.h"

#include <algorithm>

#include "model/ApplicationKav.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kOnlyIntoProductFolders = 45154;   // [W1154]
constexpr int kNotDirectlyIntoProject = 45157;   // [W1157]
constexpr int kFolderHoldsUseCase = 45156;       // [W1156]
constexpr int kOnlyIntoEmptyFolder = 45158;      // [W1158]
constexpr int kUseCaseNeedsOwnFolder = 45159;    // [W1159]
constexpr int kNoBuildingBlocks = 45059;         // [W1059]

bool IsUseCase(const CTaskKav* task) { return task->GetType() == kTaskPlain; }

}  // namespace

bool CheckUseCaseFolders(const CTaskKav& task) {
    const std::vector<CTaskKav*>& children = task.GetChildren();
    if (children.size() > 1 && std::any_of(children.begin(), children.end(), IsUseCase)) return false;
    return std::all_of(children.begin(), children.end(), [](const CTaskKav* child) { return CheckUseCaseFolders(*child); });
}

int RefuseUseCaseMove(const CTaskKav& task, const CTaskKav& newParent) {
    if (task.IsQuVornakTask() && !newParent.IsQuVornakTask()) return kOnlyIntoProductFolders;
    if (!newParent.IsQuVornakTask()) return 0;
    const std::vector<CTaskKav*>& children = newParent.GetChildren();
    if (newParent.GetDepth() < 2 && IsUseCase(&task)) return kNotDirectlyIntoProject;
    if (std::any_of(children.begin(), children.end(), IsUseCase)) return kFolderHoldsUseCase;
    if (!children.empty() && IsUseCase(&task)) return kOnlyIntoEmptyFolder;
    if (!CheckUseCaseFolders(task)) return kUseCaseNeedsOwnFolder;
    if (task.ContainsBuildingBlock()) return kNoBuildingBlocks;
    return 0;
}

void SyncUseCaseNames(CTaskKav& folder, const CApplicationKav& project, const std::function<void(CTaskKav*)>& changed) {
    for (CTaskKav* child : folder.GetChildren()) {
        if (child->IsFolder()) {
            SyncUseCaseNames(*child, project, changed);
            continue;
        }
        if (!IsUseCase(child)) continue;
        const std::string name = project.MakeValidTaskName(folder.GetName(), child);
        if (EqualsNoCase(name, child->GetName())) continue;
        child->SetName(name);
        changed(&folder);
    }
}
