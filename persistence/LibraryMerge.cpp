// Merging the libraries of a project: each library's objects, copied from the projects that the
// last load read, join the project; where an identifier occurs in both, the user decides which
// version stays, once for each pair of files. Then the references are linked.
#include <algorithm>
#include <memory>
#include <unordered_set>

#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/WindowKav.h"
#include "persistence/XMLDataManager.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"

namespace {

constexpr int kLibraryNotLoaded = 41133;     // [F0133]
constexpr int kKeepWhichVersion = 43035;     // [Q0035]
constexpr int kDuplicateAttribute = 44547;   // [W0547]
constexpr int kDuplicateStepField = 44870;   // [W0870]
constexpr int kDuplicateCondition = 44549;   // [W0549]
constexpr int kDuplicateRequirement = 44550;  // [W0550]
constexpr int kDuplicateDataSet = 44748;     // [W0748]
constexpr int kDuplicateTask = 44551;        // [W0551]
constexpr int kDuplicateWindow = 44560;      // [W0560]

constexpr int kStopped = -3;
constexpr int kUnsettled = -2;

// Separates the two file identifiers of a decision.
constexpr std::string_view kPilcrow = "\xC2\xB6";

template <class T>
void DeleteObject(OwningList<T>& list, CKavroObj* object) {
    list.Delete(static_cast<T*>(object));
}

void DeleteObject(CWindowList& list, CKavroObj* object) {
    auto* window = static_cast<CWindowKav*>(object);
    list.Remove(window);
    delete window;
}

// Every object of the library's list joins the project's list as an object of the library file.
template <class T>
void MoveObjects(OwningList<T>& from, OwningList<T>& to, const CFileKav& libraryFile) {
    for (T* object : from) {
        object->SetFileId(libraryFile.GetID());
        to.Add(object);
    }
    from.Pointers().clear();
}

}  // namespace

CApplicationKav* CXMLDataManager::FindProjectFile(const std::string& key, bool byId) const {
    for (CApplicationKav* project : loadedProjects_) {
        const CFileKav* mainFile = project->GetMainFile();
        if (byId) {
            if (!mainFile) return nullptr;
            if (mainFile->GetID() == key) return project;
        } else if (project->GetName() == key) {
            return project;
        }
    }
    return nullptr;
}

int CXMLDataManager::LoadLibrary(CApplicationKav* project, bool log) {
    if (!project) return kStopped;
    conflictDecisions_.clear();
    OwningList<CFileKav>& files = project->GetFiles();
    for (size_t i = 1; i < files.size(); ++i) {
        CFileKav* libraryFile = files[i];
        // VORNAK names the libraries it sends by their file identifiers.
        const CApplicationKav* library = VornakMode ? FindProjectFile(libraryFile->GetID(), true)
                                                    : FindProjectFile(libraryFile->GetName(), false);
        if (!library) {
            SetMessage(kLibraryNotLoaded);
            LogMessage(GetGlobalMessageBuffer(), log);
            return kStopped;
        }
        std::unique_ptr<CApplicationKav> copy(library->Clone(kLoadedCopyFlags));
        if (CheckDuplicates(project, copy.get(), libraryFile, log) != 1) return kUnsettled;
    }
    return BuildRelations(project, log);
}

template <class List>
int CXMLDataManager::ResolveIdConflict(CKavroObj* libraryObject, CKavroObj* projectObject, List& libraryList,
                                       List& projectList, const std::string& libraryName, CApplicationKav& project) {
    if (!libraryObject || !projectObject) return -1;
    const std::string libraryFileId = libraryObject->GetFileId();
    const std::string projectFileId = projectObject->GetFileId();
    if (libraryFileId.empty() || projectFileId.empty() || libraryFileId == projectFileId) return -1;
    const std::string keepLibraryVersion = libraryFileId + std::string(kPilcrow) + projectFileId;
    const std::string keepProjectVersion = projectFileId + std::string(kPilcrow) + libraryFileId;
    auto decided = [&](const std::string& decision) {
        return std::find(conflictDecisions_.begin(), conflictDecisions_.end(), decision) != conflictDecisions_.end();
    };
    auto keepLibraryObject = [&] {
        DeleteObject(projectList, projectObject);
        return 1;
    };
    auto keepProjectObject = [&] {
        DeleteObject(libraryList, libraryObject);
        return 1;
    };
    if (decided(keepLibraryVersion)) return keepLibraryObject();
    if (decided(keepProjectVersion)) return keepProjectObject();
    if (conflictQuestionsStopped_) return 0;

    const CFileKav* projectFile = project.FindFile(projectFileId, true);
    if (!projectFile) return -1;
    MessageRequest question;
    question.text = FormatMessageId(kKeepWhichVersion, libraryName, projectFile->GetName());
    question.buttons = MessageButtons::YesNoCancel;
    question.icon = MessageIcon::Warning;
    question.defaultAnswer = MessageAnswer::Yes;
    switch (GetInteraction().ShowMessage(question)) {
        case MessageAnswer::Yes:
            conflictDecisions_.push_back(keepLibraryVersion);
            return keepLibraryObject();
        case MessageAnswer::No:
            conflictDecisions_.push_back(keepProjectVersion);
            return keepProjectObject();
        default:
            conflictQuestionsStopped_ = true;
            return 0;
    }
}

int CXMLDataManager::CheckDuplicates(CApplicationKav* project, CApplicationKav* library, CFileKav* libraryFile,
                                     bool log) {
    if (!project || !library || !libraryFile) return -1;
    conflictQuestionsStopped_ = false;
    const std::string libraryName = libraryFile->GetName();
    int result = 1;

    // Compares each object of the library's list with the project's object of its identifier;
    // false when a conflict cannot be decided.
    auto compare = [&](auto& libraryList, auto& projectList, auto objects, auto findInProject, auto idOf,
                       int message) {
        for (auto* object : objects) {
            const std::string id = idOf(object);
            CKavroObj* existing = findInProject(id);
            if (!existing) continue;
            SetMessage(message, id);
            LogMessage(GetGlobalMessageBuffer(), log);
            const int resolved = ResolveIdConflict(object, existing, libraryList, projectList, libraryName, *project);
            if (resolved < 0) return false;
            if (resolved == 0) {
                DeleteObject(libraryList, object);
                result = 0;
            }
        }
        return true;
    };

    if (!compare(library->GetAttributes(), project->GetAttributes(), library->GetAttributes().Snapshot(),
                 [&](const std::string& id) { return project->FindAttribute(id, true); },
                 [](const CAttributeKav* a) { return a->GetId(); }, kDuplicateAttribute) ||
        !compare(library->GetStepFields(), project->GetStepFields(), library->GetStepFields().Snapshot(),
                 [&](const std::string& id) { return project->FindStepField(id, true); },
                 [](const CAttributeKav* a) { return a->GetId(); }, kDuplicateStepField) ||
        !compare(library->GetMetaConditions(), project->GetMetaConditions(), library->GetMetaConditions().Snapshot(),
                 [&](const std::string& id) { return project->GetMetaConditions().FindCondition(id, true); },
                 [](const CConditionKav* c) { return c->GetUniqueId(); }, kDuplicateCondition) ||
        !compare(library->GetRequirements(), project->GetRequirements(), library->GetRequirements().Snapshot(),
                 [&](const std::string& id) { return project->FindRequirement(id, true); },
                 [](const CRequirement* r) { return r->GetUniqueId(); }, kDuplicateRequirement) ||
        !compare(library->GetDataSets(), project->GetDataSets(), library->GetDataSets().Snapshot(),
                 [&](const std::string& id) { return project->FindDataSet(id, true); },
                 [](const CDataSet* d) { return d->GetId(); }, kDuplicateDataSet))
        return -1;

    // The library's root task goes; its top tasks hang under the project's root task.
    const CTaskKav* projectRoot = project->GetTasks().FindIf([](const CTaskKav* t) { return t->GetParentId().empty(); });
    const std::string projectRootId = projectRoot ? projectRoot->GetID() : std::string();
    std::unordered_set<std::string> libraryRoots;
    std::vector<CTaskKav*> libraryTasks;
    for (CTaskKav* task : library->GetTasks().Snapshot()) {
        if (task->GetParentId().empty()) {
            libraryRoots.insert(task->GetID());
            library->GetTasks().Delete(task);
            continue;
        }
        if (libraryRoots.count(task->GetParentId())) task->SetParentId(projectRootId);
        libraryTasks.push_back(task);
    }
    if (!compare(library->GetTasks(), project->GetTasks(), libraryTasks,
                 [&](const std::string& id) { return project->FindTask(id, true); },
                 [](const CTaskKav* t) { return t->GetID(); }, kDuplicateTask) ||
        !compare(library->GetWindowList(), project->GetWindowList(), library->GetWindowList().Snapshot(),
                 [&](const std::string& id) { return project->GetWindowList().FindByID(id); },
                 [](const CWindowKav* w) { return w->GetInternalID(); }, kDuplicateWindow))
        return -1;

    MoveObjects(library->GetAttributes(), project->GetAttributes(), *libraryFile);
    MoveObjects(library->GetStepFields(), project->GetStepFields(), *libraryFile);
    MoveObjects(library->GetMetaConditions(), project->GetMetaConditions(), *libraryFile);
    MoveObjects(library->GetRequirements(), project->GetRequirements(), *libraryFile);
    for (CDataSet* dataSet : library->GetDataSets())
        for (CDataField* field : dataSet->GetFields()) field->SetFileId(libraryFile->GetID());
    MoveObjects(library->GetDataSets(), project->GetDataSets(), *libraryFile);
    MoveObjects(library->GetTasks(), project->GetTasks(), *libraryFile);
    for (CWindowKav* window : library->GetWindowList().Snapshot()) {
        window->SetFileId(libraryFile->GetID());
        window->SetFile(libraryFile);
        project->GetWindowList().AddUnchecked(window);
    }
    library->GetWindowList().RemoveAll();
    return result;
}
