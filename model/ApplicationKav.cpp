#include "model/ApplicationKav.h"

#include <algorithm>

#include "model/WindowKav.h"
#include "platform/Random.h"
#include "platform/TextUtil.h"

namespace {

// The lookup rule of the root's lists: first match in list order; names without case, ids
// exactly; with a file, only objects of that file.
template <class T, class NameOf, class IdOf>
T* FindInList(const OwningList<T>& list, const std::string& text, bool byId, const CFileKav* file, NameOf nameOf,
              IdOf idOf) {
    return list.FindIf([&](const T* object) {
        if (file && object->GetFile() != file) return false;
        return byId ? idOf(object) == text : EqualsNoCase(nameOf(object), text);
    });
}

}  // namespace

CApplicationKav::CApplicationKav(ProjectSettings settings) : settings_(std::move(settings)) {
    windows_.SetApplication(this);
}

CApplicationKav::~CApplicationKav() {
    DeleteAllObjects(tasks_);
    DeleteAllObjects(requirements_);
    DeleteAllObjects(testCases_);
    DeleteAllObjects(testScripts_);
    DeleteAllObjects(attributes_);
    DeleteAllObjects(stepFields_);
    DeleteAllObjects(dataSets_);
    DeleteAllObjects(metaConditions_);
    DeleteAllObjects(files_);
    DeleteRandomSource();
    windows_.DeleteAll();
}

CAttributeKav* CApplicationKav::FindAttribute(const std::string& text, bool byId, const CFileKav* file) const {
    return FindInList(attributes_, text, byId, file, [](auto* a) { return a->GetName(); }, [](auto* a) { return a->GetId(); });
}

CAttributeKav* CApplicationKav::FindStepField(const std::string& text, bool byId, const CFileKav* file) const {
    return FindInList(stepFields_, text, byId, file, [](auto* a) { return a->GetName(); }, [](auto* a) { return a->GetId(); });
}

CDataSet* CApplicationKav::FindDataSet(const std::string& text, bool byId, const CFileKav* file) const {
    return FindInList(dataSets_, text, byId, file, [](auto* d) { return d->GetName(); }, [](auto* d) { return d->GetId(); });
}

CRequirement* CApplicationKav::FindRequirement(const std::string& text, bool byId, const CFileKav* file) const {
    return FindInList(requirements_, text, byId, file, [](auto* r) { return r->GetID(); },
                      [](auto* r) { return r->GetUniqueId(); });
}

CTaskKav* CApplicationKav::FindTask(const std::string& text, bool byId, const CFileKav* file) const {
    return tasks_.FindIf([&](const CTaskKav* task) {
        if (file && task->GetFile() != file) return false;
        if (byId) return task->GetID() == text;
        return !task->IsFolder() && EqualsNoCase(task->GetName(), text);
    });
}

CFileKav* CApplicationKav::FindFile(const std::string& text, bool byId) const {
    return files_.FindIf([&](const CFileKav* f) { return byId ? f->GetID() == text : EqualsNoCase(f->GetName(), text); });
}

CTestCase* CApplicationKav::FindTestCase(const std::string& text, bool byId) const {
    return testCases_.FindIf([&](const CTestCase* testCase) {
        return (byId ? testCase->GetUniqueId() : testCase->GetDisplayName()) == text;
    });
}

CTaskStep* CApplicationKav::FindTaskStepById(const std::string& id) const {
    for (const CTaskKav* task : tasks_)
        if (CTaskStep* step = task->FindStepByID(id)) return step;
    return nullptr;
}

CTestScript* CApplicationKav::FindTestScript(const CWindowKav* window, const CTaskKav* task) const {
    return testScripts_.FindIf([&](const CTestScript* script) {
        return (window && script->GetWindow() == window) || (task && script->GetTask() == task);
    });
}

bool CApplicationKav::FindTasksOfRequirement(const CRequirement* requirement, std::vector<CTaskKav*>& tasks) const {
    tasks.clear();
    for (CTaskKav* task : tasks_) {
        const auto& covered = task->GetRequirements();
        if (std::find(covered.begin(), covered.end(), requirement) != covered.end()) tasks.push_back(task);
    }
    return !tasks.empty();
}

std::string CApplicationKav::GetMainFileName() const {
    const CFileKav* main = GetMainFile();
    return main ? main->GetName() : std::string();
}

std::string CApplicationKav::GetMainFilePath() const {
    const CFileKav* main = GetMainFile();
    return main ? main->GetFullPath() : std::string();
}

bool CApplicationKav::IsInMainFile(const CKavroObj* object) const {
    return object && object->GetFile() && object->GetFile() == GetMainFile();
}

bool CApplicationKav::IsFileIncluded(const CFileKav* file, const CFileKav* other) const {
    std::vector<const CFileKav*> visited;
    return IsFileIncluded(file, other, visited);
}

bool CApplicationKav::IsFileIncluded(const CFileKav* file, const CFileKav* other,
                                     std::vector<const CFileKav*>& visited) const {
    if (!file || !other) return false;
    if (file == other) return true;
    if (std::find(visited.begin(), visited.end(), other) != visited.end()) return false;
    visited.push_back(other);
    if (other->UsesFile(file->GetID())) return true;
    for (const std::string& usedId : other->UsedFileIds()) {
        const CFileKav* used = FindFile(usedId, true);
        if (!used) return false;
        if (IsFileIncluded(file, used, visited)) return true;
    }
    return false;
}

void CApplicationKav::CopySettings(const CApplicationKav& other) {
    id_ = other.id_;
    mainWndId_ = other.mainWndId_;
    masterProjectId_ = other.masterProjectId_;
    settings_ = other.settings_;
    modified_ = other.modified_;
    startWindow_ = nullptr;
    rootTask_ = nullptr;
    masterFile_ = nullptr;
}

void CApplicationKav::FillTestTypeList(std::vector<std::string>& list) {
    list = {"API Test",         "Data-Oriented Test", "Error Test",       "Functional Test", "GUI Test",
            "Load Test",        "Performance Test",   "Portability Test", "Regression Test", "Safety Test",
            "Security Test",    "State-Based Test",   "Stress Test",      "Usability Test"};
}

void CApplicationKav::FillTestLevelList(std::vector<std::string>& list) {
    list = {"Unit Test", "Integration Test", "System Test", "Acceptance Test"};
}
