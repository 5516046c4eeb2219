#pragma once
// "Synchronize Master Projects": the building blocks and requirements that the imported tasks
// use from the other project's master move into the open project's master, which is saved; the
// open project is saved and loaded again with the changed master, before the merge.
#include <memory>
#include <string>
#include <vector>

class CApplicationKav;
class CImportTreeItem;
class CRequirement;
class CTaskKav;
class MessageLog;

class MasterSynchronisation {
public:
    // The rule of the requirements: 0 by XML ID, 1 by user ID. Task renames also go to the
    // merge's list of renames for the imported objects.
    MasterSynchronisation(CApplicationKav& other, int requirementRule, MessageLog* log,
                          std::vector<std::string>& importedRenames);
    ~MasterSynchronisation();
    MasterSynchronisation(const MasterSynchronisation&) = delete;
    MasterSynchronisation& operator=(const MasterSynchronisation&) = delete;

    // 1 when the master and the open project were saved and the open project loaded again.
    int Run();
    // Collects what the task uses of the source master; 0 when an ancestor is missing.
    int CollectMasterReferences(const CTaskKav& task);

private:
    void Log(const std::string& line);
    int LoadMasters();
    void Collect(CRequirement* requirement);
    void Collect(CTaskKav* task);
    void MoveRequirements();
    void MoveTasks();
    int LinkMovedObjects();
    int ApplyMasterRenames();
    int SaveAndReload(const std::string& masterPath);

    CApplicationKav& other_;
    const int requirementRule_;
    MessageLog* log_;
    std::vector<std::string>& importedRenames_;
    std::vector<std::string> masterRenames_;
    std::unique_ptr<CApplicationKav> target_;
    std::unique_ptr<CApplicationKav> source_;
    std::vector<std::unique_ptr<CImportTreeItem>> items_;
    std::vector<CRequirement*> collectedRequirements_;
    std::vector<CTaskKav*> collectedTasks_;
    std::vector<CRequirement*> movedRequirements_;
    std::vector<CTaskKav*> movedTasks_;
};
