#include "import/MasterSynchronisation.h"

#include <algorithm>

#include "import/ImportFrame.h"
#include "import/MergedTaskLinks.h"
#include "import/ProjectMerge.h"
#include "model/ApplicationKav.h"
#include "model/ImportTreeItem.h"
#include "model/ShellServices.h"
#include "persistence/XMLDataManager.h"
#include "platform/Format.h"
#include "platform/MessageBuffer.h"
#include "platform/MessageLog.h"
#include "platform/UniqueId.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr int kMastersMissing = 45200;  // [W1200]

// A project of its own for one master file, as the import flow makes one for the other project.
std::unique_ptr<CApplicationKav> LoadMaster(const CFileKav& master, bool link, MessageLog* log) {
    auto project = std::make_unique<CApplicationKav>();
    CFileKav* file =
        project->GetFiles().Add(new CFileKav(master.GetName(), master.GetPath(), master.GetFullPath(), false));
    CXMLDataManager reader;
    reader.SetMessageLog(log);
    if (reader.LoadProjectFile(file, project.get(), true) == 0) return nullptr;
    if (link && reader.BuildRelations(project.get(), true) != 1) return nullptr;
    return project;
}

void Rehome(CKavroObj& object, CFileKav* file) {
    object.SetFile(file);
    object.SetFileId(file ? file->GetID() : std::string());
}

}  // namespace

MasterSynchronisation::MasterSynchronisation(CApplicationKav& other, int requirementRule, MessageLog* log,
                                             std::vector<std::string>& importedRenames)
    : other_(other), requirementRule_(requirementRule), log_(log), importedRenames_(importedRenames) {}

MasterSynchronisation::~MasterSynchronisation() = default;

void MasterSynchronisation::Log(const std::string& line) {
    if (log_) log_->AddMessage(line);
}

int MasterSynchronisation::Run() {
    const CFileKav* openMaster = CurrentApplication->GetMasterFile();
    const CFileKav* otherMaster = other_.GetMasterFile();
    if (!openMaster || !otherMaster) {
        Log(LoadMessage(kMastersMissing));
        return 0;
    }
    target_ = LoadMaster(*openMaster, true, log_);
    source_ = target_ ? LoadMaster(*otherMaster, false, log_) : nullptr;
    if (!target_ || !source_) return 0;

    Log("Analyzing master projects");
    for (const CTaskKav* task : other_.GetTasks()) CollectMasterReferences(*task);
    MoveRequirements();
    MoveTasks();
    if (!LinkMovedObjects()) return 0;
    target_->UpdateStepAttributes();
    if (!ApplyMasterRenames()) return 0;
    return SaveAndReload(openMaster->GetFullPath());
}

void MasterSynchronisation::Collect(CRequirement* requirement) {
    items_.push_back(std::make_unique<CImportTreeItem>(requirement, true));
    collectedRequirements_.push_back(requirement);
}

void MasterSynchronisation::Collect(CTaskKav* task) {
    items_.push_back(std::make_unique<CImportTreeItem>(task, true));
    collectedTasks_.push_back(task);
}

int MasterSynchronisation::CollectMasterReferences(const CTaskKav& task) {
    for (const std::string& id : task.GetRequirementIds()) {
        CRequirement* requirement = source_->FindRequirement(id, true);
        if (!requirement || requirement->GetImportItem()) continue;
        for (std::string parentId = requirement->GetParentId(); !parentId.empty();) {
            CRequirement* ancestor = source_->FindRequirement(parentId, true);
            if (!ancestor) return 0;
            if (!ancestor->GetImportItem()) Collect(ancestor);
            parentId = ancestor->GetParentId();
        }
        Collect(requirement);
    }
    for (const CTaskStep* step : task.GetSteps()) {
        const std::string id = step->GetSubTaskId();
        if (id.empty()) continue;
        CTaskKav* called = source_->FindTask(id, true);
        if (!called || called->GetImportItem()) continue;
        for (std::string parentId = called->GetParentId(); !parentId.empty();) {
            CTaskKav* ancestor = source_->FindTask(parentId, true);
            if (!ancestor) return 0;
            parentId = ancestor->GetParentId();
            if (!parentId.empty() && !ancestor->GetImportItem()) Collect(ancestor);
        }
        Collect(called);
        CollectMasterReferences(*called);
    }
    return 1;
}

void MasterSynchronisation::MoveRequirements() {
    CFileKav* targetFile = target_->GetMainFile();
    int moved = 0;
    for (CRequirement* requirement : collectedRequirements_) {
        const std::string userId = requirement->GetID();
        const std::string id = requirement->GetUniqueId();
        if (requirementRule_ == 0) {
            if (target_->FindRequirement(id, true)) continue;
            if (target_->FindRequirement(userId, false)) {
                const std::string name = FirstFreeName(userId, [&](const std::string& candidate) {
                    return target_->FindRequirement(candidate, false) || source_->FindRequirement(candidate, false);
                });
                requirement->SetID(name);
                requirement->GetImportItem()->newName = name;
            }
        } else {
            if (target_->FindRequirement(userId, false)) continue;
            if (target_->FindRequirement(id, true)) {
                const std::string newId = MakeUniqueId();
                requirement->SetUniqueId(newId);
                for (CRequirement* each : source_->GetRequirements())
                    if (each->GetParentId() == id) each->SetParentId(newId);
                for (CApplicationKav* project : {source_.get(), &other_})
                    for (CTaskKav* task : project->GetTasks())
                        std::replace(task->GetRequirementIds().begin(), task->GetRequirementIds().end(), id, newId);
            }
        }
        Rehome(*requirement, targetFile);
        source_->GetRequirements().Release(requirement);
        target_->GetRequirements().Add(requirement);
        movedRequirements_.push_back(requirement);
        Log("Importing requirement " + requirement->GetID());
        ++moved;
    }
    Log(Fmt("%d new requirement(s) imported to master project", moved));
    Log("");
}

void MasterSynchronisation::MoveTasks() {
    CFileKav* targetFile = target_->GetMainFile();
    int moved = 0;
    for (CTaskKav* task : collectedTasks_) {
        if (target_->FindTask(task->GetID(), true)) continue;
        const std::string oldName = task->GetName();
        if (!task->IsFolder() && target_->FindTask(oldName, false)) {
            const std::string name = FirstFreeName(oldName, [&](const std::string& candidate) {
                return target_->FindTask(candidate, false) || source_->FindTask(candidate, false);
            });
            task->SetName(name);
            task->GetImportItem()->newName = name;
            const std::string entry = RenameEntry("#@" + oldName + ":", "#@" + name + ":");
            importedRenames_.push_back(entry);
            masterRenames_.push_back(entry);
        }
        Rehome(*task, targetFile);
        source_->GetTasks().Release(task);
        target_->GetTasks().Add(task);
        movedTasks_.push_back(task);
        Log("Importing task " + task->GetName());
        ++moved;
    }
    Log(Fmt("%d new task(s) imported to master project", moved));
    Log("");
}

int MasterSynchronisation::LinkMovedObjects() {
    const WindowsById windows = IndexWindowsById(target_->GetWindowList());
    for (CTaskKav* task : movedTasks_)
        if (!LinkMergedTask(*target_, windows, *task)) {
            Log(GetGlobalMessageBuffer());
            return 0;
        }
    for (CRequirement* requirement : movedRequirements_)
        if (const std::string parentId = requirement->GetParentId(); !parentId.empty())
            if (CRequirement* parent = target_->FindRequirement(parentId, true)) parent->AddChild(requirement);
    return 1;
}

// The moved objects carry the synchronisation's items; the target's own "#@Block:" mean its own.
int MasterSynchronisation::ApplyMasterRenames() {
    if (!ApplyRenameEntries(*target_, masterRenames_, CApplicationKav::kScopeImported)) return 0;
    for (const auto& item : items_)
        if (item->object) item->object->SetImportItem(nullptr);
    items_.clear();
    return 1;
}

int MasterSynchronisation::SaveAndReload(const std::string& masterPath) {
    CXMLDataManager writer;
    std::string unused;
    Log("Saving master project " + masterPath);
    const int masterSaved = writer.SaveProject(true, masterPath, *target_, unused);
    target_.reset();
    source_.reset();
    if (masterSaved != 1) {
        Log("Failed to save master project:");
        Log(GetGlobalMessageBuffer());
        return 0;
    }
    const std::string subPath = CurrentApplication->GetMainFilePath();
    Log("Saving sub project " + subPath);
    if (writer.SaveProject(true, subPath, *CurrentApplication, unused) != 1) {
        Log("Failed to save sub project:");
        Log(GetGlobalMessageBuffer());
        return 0;
    }
    GetImportFrame().CloseProject();
    Log("Re-loading sub project together with changed master");
    return GetImportFrame().LoadProject(subPath, log_) == 1 ? 1 : 0;
}
