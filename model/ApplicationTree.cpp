// The application root's insertion and deletion of object trees, and the re-homing of a
// project file's objects.
#include "model/ApplicationKav.h"
#include "model/GUIBuilderList.h"
#include "model/WindowKav.h"
#include "platform/MessageBuffer.h"

namespace {

// Tasks and requirements leave the project children first, each detached from its parent.
template <class T>
bool DeleteFromHierarchy(OwningList<T>& list, T* object, int corruptedMessage) {
    if (!object) {
        SetMessage(corruptedMessage);
        return false;
    }
    for (T* child : std::vector<T*>(object->GetChildren()))
        if (!DeleteFromHierarchy(list, child, corruptedMessage)) return false;
    object->GetChildren().clear();
    if (T* parent = object->GetParent(); parent && !parent->RemoveChild(object)) return false;
    if (!list.Delete(object)) {
        SetMessage(corruptedMessage);
        return false;
    }
    return true;
}

}  // namespace

void CApplicationKav::InsertTaskTree(CTaskKav* callerTree, CTaskKav* task) {
    const std::string oldName = task->GetName();
    const std::string newName = MakeUniqueName(oldName);
    task->SetName(newName);
    if (callerTree) callerTree->RenameSubtaskCalls(task, true);
    ReplaceTextInTaskTree(task, "#@" + oldName + ":", "#@" + newName + ":");
    task->SetFile(GetMainFile());
    tasks_.Add(task);
    for (CTaskKav* child : task->GetChildren()) InsertTaskTree(callerTree, child);
}

void CApplicationKav::InsertWindowTree(CWindowKav* window) {
    window->SetName(windows_.MakeUniqueName(window->GetName()));
    window->SetFile(GetMainFile());
    windows_.Add(window);
    for (CWindowKav* child : window->GetChildren()) InsertWindowTree(child);
}

bool CApplicationKav::DeleteTask(CTaskKav* task) { return DeleteFromHierarchy(tasks_, task, 41036); }

bool CApplicationKav::DeleteRequirement(CRequirement* requirement) {
    return DeleteFromHierarchy(requirements_, requirement, 41162);
}

bool CApplicationKav::MoveObjectsToFile(const CFileKav* from, CFileKav* to) {
    if (!from || !to) return false;
    const std::string toId = to->GetID();
    auto rehome = [&](CKavroObj* object) {
        object->SetFile(to);
        object->SetFileId(toId);
    };
    auto move = [&](CKavroObj* object) {
        if (object->GetFile() == from) rehome(object);
    };
    for (CConditionKav* condition : metaConditions_) move(condition);
    for (CAttributeKav* attribute : attributes_) move(attribute);
    for (CAttributeKav* field : stepFields_) move(field);
    for (CRequirement* requirement : requirements_) move(requirement);
    for (CDataSet* dataSet : dataSets_) {
        if (dataSet->GetFile() != from) continue;
        rehome(dataSet);
        // The set's contents go with it, whatever file they name themselves.
        for (CDataObj* contained : dataSet->GetContainedDataObjects()) rehome(contained);
    }
    for (CWindowKav* window = windows_.GetFirst(); window; window = windows_.GetNext()) move(window);
    for (CTaskKav* task : tasks_) move(task);
    for (CTestCase* testCase : testCases_) move(testCase);
    for (CTestScript* script : testScripts_) move(script);
    for (CGUIBuilder* builder : GetGuiBuilderDatabase()) move(builder);
    return true;
}
