// The kinds of the merge in their order: global attributes, step fields, meta-conditions (by
// option), then the checked requirements, tasks, windows and data sets.
#include "import/ProjectMerge.h"
#include "model/ApplicationKav.h"
#include "model/ImportTreeItem.h"
#include "model/WindowKav.h"
#include "platform/UniqueId.h"

namespace {

bool IsChecked(const CKavroObj& object) { return object.GetImportItem() && object.GetImportItem()->selected; }

template <class T>
void DropFrom(OwningList<T>& list, T* object) {
    list.Delete(object);
}

// The open project's list entry of the replaced object now holds its replacement.
template <class T>
void TakeSlot(OwningList<T>& list, T* replaced, T* replacement) {
    const int index = list.IndexOf(replaced);
    if (index < 0)
        list.Add(replacement);
    else
        list.Pointers()[static_cast<size_t>(index)] = replacement;
}

// The replaced object's children go to its replacement, and it leaves its own parent.
template <class T>
void HandOverChildren(T& replaced, T& replacement) {
    const auto children = replaced.GetChildren();
    for (T* child : children) {
        replaced.RemoveChild(child);
        replacement.AddChildNoCycleCheck(child);
    }
    if (T* parent = replaced.GetParent()) parent->RemoveChild(&replaced);
}

void SetNewName(CKavroObj& object, const std::string& name) {
    if (CImportTreeItem* item = object.GetImportItem()) item->newName = name;
}

}  // namespace

void ProjectMerge::PlaceInMainFile(CKavroObj& object) {
    const std::string fileId = mainFile_ ? mainFile_->GetID() : std::string();
    auto rehome = [&](CKavroObj& each) {
        each.SetFile(mainFile_);
        each.SetFileId(fileId);
    };
    rehome(object);
    if (object.GetKind() == kKindDataObject)
        if (auto* dataSet = dynamic_cast<CDataSet*>(&object))
            for (CDataObj* contained : dataSet->GetContainedDataObjects()) rehome(*contained);
}

// The pass that links references finds the replaced object through the counterpart item.
void ProjectMerge::RebindCounterpart(CKavroObj& imported, CKavroObj& replaced) {
    CImportTreeItem* item = imported.GetImportItem();
    if (!item || !item->counterpart) return;
    item->counterpart->object = &replaced;
    replaced.SetImportItem(item->counterpart);
}

template <class T>
void ProjectMerge::TakeOverTreeObject(OwningList<T>& from, OwningList<T>& to, T* imported, T* existing,
                                      std::vector<Replacement>& replaced, const char* kind, const std::string& name) {
    from.Release(imported);
    PlaceInMainFile(*imported);
    if (!existing) {
        to.Add(imported);
        Log(std::string("Importing ") + kind + name);
        ++newCount_;
        return;
    }
    HandOverChildren(*existing, *imported);
    TakeSlot(to, existing, imported);
    replaced.emplace_back(imported, existing);
    RebindCounterpart(*imported, *existing);
    Log(std::string("Updating ") + kind + name);
    ++updatedCount_;
}

void ProjectMerge::MergeAttributes(bool stepFields) {
    newCount_ = updatedCount_ = 0;
    const char* kind = stepFields ? "user-defined step field " : "global attribute ";
    if (stepFields ? options_.importStepFields : options_.importAttributes) {
        auto find = [stepFields](const CApplicationKav& project, const std::string& text, bool byId,
                                 const CFileKav* file) {
            return stepFields ? project.FindStepField(text, byId, file) : project.FindAttribute(text, byId, file);
        };
        OwningList<CAttributeKav>& openList = stepFields ? Open().GetStepFields() : Open().GetAttributes();
        OwningList<CAttributeKav>& otherList = stepFields ? other_.GetStepFields() : other_.GetAttributes();
        for (CAttributeKav* imported : otherList.Snapshot()) {
            CAttributeKav* byName = find(Open(), imported->GetName(), false, mainFile_);
            CAttributeKav* existing = find(Open(), imported->GetId(), true, nullptr);
            if (existing && (!existing->IsEditable(false) || options_.otherElementsRule == 0)) continue;
            if (byName && byName != existing) {
                const std::string oldName = imported->GetName();
                const std::string name = FirstFreeName(oldName, [&](const std::string& candidate) {
                    return find(Open(), candidate, false, mainFile_) || find(other_, candidate, false, nullptr);
                });
                imported->SetName(name);
                if (!stepFields) importedRenames_.push_back(RenameEntry("#:" + oldName + "#", "#:" + name + "#"));
            }
            if (existing && !stepFields && existing->GetName() != imported->GetName())
                openProjectRenames_.push_back(
                    RenameEntry("#:" + existing->GetName() + "#", "#:" + imported->GetName() + "#"));
            otherList.Release(imported);
            PlaceInMainFile(*imported);
            if (!existing) {
                openList.Add(imported);
                Log(std::string("Importing ") + kind + imported->GetName());
                ++newCount_;
            } else {
                TakeSlot(openList, existing, imported);
                delete existing;
                Log(std::string("Updating ") + kind + imported->GetName());
                ++updatedCount_;
            }
        }
    }
    if (stepFields)
        LogCounts("%d user-defined step field(s) imported to project", "%d user-defined step field(s) updated in project",
                  newCount_, updatedCount_);
    else
        LogCounts("%d new global attribute(s) imported to project", "%d global attribute(s) updated in project",
                  newCount_, updatedCount_);
}

void ProjectMerge::MergeMetaConditions() {
    newCount_ = updatedCount_ = 0;
    if (options_.importConditions) {
        CConditionList& openList = Open().GetMetaConditions();
        CConditionList& otherList = other_.GetMetaConditions();
        for (CConditionKav* imported : otherList.Snapshot()) {
            CConditionKav* byName = openList.FindCondition(imported->GetId(), false);
            CConditionKav* existing = openList.FindCondition(imported->GetUniqueId(), true);
            if (existing && (!existing->IsEditable(false) || options_.otherElementsRule == 0)) continue;
            if (byName && byName != existing)
                imported->SetId(FirstFreeName(imported->GetId(), [&](const std::string& candidate) {
                    return openList.FindCondition(candidate, false) || otherList.FindCondition(candidate, false);
                }));
            otherList.Release(imported);
            PlaceInMainFile(*imported);
            if (!existing) {
                openList.Add(imported);
                Log("Importing meta-condition " + imported->GetId());
                ++newCount_;
            } else {
                TakeSlot<CConditionKav>(openList, existing, imported);
                delete existing;
                Log("Updating meta-condition " + imported->GetId());
                ++updatedCount_;
            }
        }
    }
    LogCounts("%d new meta-condition(s) imported to project", "%d meta-condition(s) updated in project", newCount_,
              updatedCount_);
}

void ProjectMerge::MergeRequirements() {
    newCount_ = updatedCount_ = 0;
    const bool byUserId = options_.requirementRule == 1;
    for (CRequirement* imported : other_.GetRequirements().Snapshot()) {
        if (!IsChecked(*imported)) {
            DropFrom(other_.GetRequirements(), imported);
            continue;
        }
        CRequirement* byName = Open().FindRequirement(imported->GetID(), false);
        CRequirement* byIdentifier = Open().FindRequirement(imported->GetUniqueId(), true);
        CRequirement* existing = byUserId ? byName : byIdentifier;
        if (existing && !existing->IsEditable(false)) {
            DropFrom(other_.GetRequirements(), imported);
            continue;
        }
        if (!byUserId && byName && byName != existing) {
            const std::string name = FirstFreeName(imported->GetID(), [&](const std::string& candidate) {
                return Open().FindRequirement(candidate, false) || other_.FindRequirement(candidate, false);
            });
            imported->SetID(name);
            SetNewName(*imported, name);
        } else if (byUserId && byIdentifier && byIdentifier != existing) {
            const std::string oldId = imported->GetUniqueId();
            const std::string newId = MakeUniqueId();
            imported->SetUniqueId(newId);
            for (CRequirement* requirement : other_.GetRequirements())
                if (requirement->GetParentId() == oldId) requirement->SetParentId(newId);
            for (CTaskKav* task : other_.GetTasks())
                std::replace(task->GetRequirementIds().begin(), task->GetRequirementIds().end(), oldId, newId);
        }
        TakeOverTreeObject(other_.GetRequirements(), Open().GetRequirements(), imported, existing,
                           replacedRequirements_, "requirement ", imported->GetID());
        mergedRequirements_.push_back(imported);
    }
    LogCounts("%d new requirement(s) imported to project", "%d requirement(s) updated in project", newCount_,
              updatedCount_);
}

void ProjectMerge::MergeTasks() {
    newCount_ = updatedCount_ = 0;
    for (CTaskKav* imported : other_.GetTasks().Snapshot()) {
        if (!IsChecked(*imported)) {
            DropFrom(other_.GetTasks(), imported);
            continue;
        }
        CImportTreeItem& item = *imported->GetImportItem();
        CTaskKav* existing = Open().FindTask(imported->GetID(), true);
        if (existing && !existing->IsEditable(false)) {
            DropFrom(other_.GetTasks(), imported);
            continue;
        }
        CTaskKav* byName = imported->IsFolder() ? nullptr : Open().FindTask(imported->GetName(), false, mainFile_);
        if (byName && byName != existing) {
            const std::string oldName = imported->GetName();
            const std::string name = FirstFreeName(oldName, [&](const std::string& candidate) {
                return Open().FindTask(candidate, false, mainFile_) || other_.FindTask(candidate, false, nullptr);
            });
            imported->SetName(name);
            item.newName = name;
            importedRenames_.push_back(RenameEntry("#@" + oldName + ":", "#@" + name + ":"));
        }
        if (existing && item.oldName != item.newName)
            openProjectRenames_.push_back(RenameEntry("#@" + item.oldName + ":", "#@" + item.newName + ":"));
        TakeOverTreeObject(other_.GetTasks(), Open().GetTasks(), imported, existing, replacedTasks_, "task ",
                           imported->GetName());
        mergedTasks_.push_back(imported);
    }
    LogCounts("%d new task(s) imported to project", "%d task(s) updated in project", newCount_, updatedCount_);
}

void ProjectMerge::MergeWindows() {
    newCount_ = updatedCount_ = 0;
    CWindowList& openWindows = Open().GetWindowList();
    CWindowList& otherWindows = other_.GetWindowList();
    WindowsById openById = IndexWindowsById(openWindows);
    for (CWindowKav* imported : otherWindows.Snapshot()) {
        otherWindows.Remove(imported);
        CWindowKav* existing = FindWindowById(openById, imported->GetInternalID());
        if (!IsChecked(*imported) || (existing && !existing->IsEditable(false))) {
            delete imported;
            continue;
        }
        CImportTreeItem& item = *imported->GetImportItem();
        CWindowKav* byName = openWindows.FindByName(imported->GetName(), mainFile_);
        if (byName && byName != existing) {
            const std::string oldName = imported->GetName();
            const std::string name = FirstFreeName(oldName, [&](const std::string& candidate) {
                return openWindows.FindByName(candidate, mainFile_) || otherWindows.FindByName(candidate, nullptr);
            });
            imported->SetName(name, true);
            item.newName = name;
            importedRenames_.push_back(RenameEntry("#" + oldName + "#", "#" + name + "#"));
            importedRenames_.push_back(RenameEntry("#" + oldName + ":", "#" + name + ":"));
        }
        if (existing && item.oldName != item.newName) {
            openProjectRenames_.push_back(RenameEntry("#" + item.oldName + "#", "#" + item.newName + "#"));
            openProjectRenames_.push_back(RenameEntry("#" + item.oldName + ":", "#" + item.newName + ":"));
        }
        PlaceInMainFile(*imported);
        mergedWindows_.push_back(imported);
        if (existing) {
            const auto children = existing->GetChildren();
            for (CWindowKav* child : children) {
                existing->RemoveChild(child);
                imported->AddChild(child, &Open());
            }
            if (CWindowKav* parent = existing->GetParent()) parent->RemoveChild(existing);
            openWindows.Remove(existing);
            replacedWindows_.emplace_back(imported, existing);
            RebindCounterpart(*imported, *existing);
        }
        if (!openWindows.Add(imported)) openWindows.AddUnchecked(imported);
        if (existing)
            openById[imported->GetInternalID()] = imported;
        else
            openById.emplace(imported->GetInternalID(), imported);
        Log((existing ? "Updating window " : "Importing window ") + imported->GetName());
        ++(existing ? updatedCount_ : newCount_);
    }
    LogCounts("%d new window(s) imported to project", "%d window(s) updated in project", newCount_, updatedCount_);
}

void ProjectMerge::MergeDataSets() {
    newCount_ = updatedCount_ = 0;
    const bool replaceWhole = options_.dataSetRule == 1;
    for (CDataSet* imported : other_.GetDataSets().Snapshot()) {
        CDataSet* existing = Open().FindDataSet(imported->GetId(), true);
        if (!IsChecked(*imported) || (existing && !existing->IsEditable(false))) {
            DropFrom(other_.GetDataSets(), imported);
            continue;
        }
        CImportTreeItem& item = *imported->GetImportItem();
        CDataSet* byName = Open().FindDataSet(imported->GetName(), false, mainFile_);
        if ((!existing || replaceWhole) && byName && byName != existing) {
            const std::string oldName = imported->GetName();
            const std::string name = FirstFreeName(oldName, [&](const std::string& candidate) {
                return Open().FindDataSet(candidate, false, mainFile_) || other_.FindDataSet(candidate, false, nullptr);
            });
            imported->SetName(name);
            item.newName = name;
            importedRenames_.push_back(RenameEntry("#~" + oldName + "#", "#~" + name + "#"));
            importedRenames_.push_back(RenameEntry("#~" + oldName + ":", "#~" + name + ":"));
        }
        if (existing && replaceWhole && item.oldName != item.newName) {
            openProjectRenames_.push_back(RenameEntry("#~" + item.oldName + "#", "#~" + item.newName + "#"));
            openProjectRenames_.push_back(RenameEntry("#~" + item.oldName + ":", "#~" + item.newName + ":"));
        }
        other_.GetDataSets().Release(imported);
        PlaceInMainFile(*imported);
        if (!existing) {
            Open().GetDataSets().Add(imported);
            mergedDataSets_.push_back(imported);
            Log("Importing data set " + imported->GetName());
            ++newCount_;
            continue;
        }
        if (replaceWhole) {
            TakeSlot(Open().GetDataSets(), existing, imported);
            mergedDataSets_.push_back(imported);
            replacedDataSets_.emplace_back(imported, existing);
        } else {
            absorbedDataSets_.emplace_back(imported, existing);
        }
        RebindCounterpart(*imported, *existing);
        Log("Updating data set " + imported->GetName());
        ++updatedCount_;
    }
    LogCounts("%d new data set(s) imported to project", "%d data set(s) updated in project", newCount_,
              updatedCount_);
}
