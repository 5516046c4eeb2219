// Loading a project: the include hierarchy is read and checked first, then the main file and
// every library are read, each into a project of its own; the libraries' objects are merged
// into the current application and the references linked. Where a library is at fault the user
// may mend the list of libraries, and everything is read again.
#include "model/ApplicationKav.h"
#include "model/GUIBuilderList.h"
#include "model/ShellServices.h"
#include "model/WindowKav.h"
#include "persistence/XMLDataManager.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr int kInvalidHierarchy = 45205;   // [W1205]
constexpr int kEditLibraryList = 43051;    // [Q0051]
constexpr int kRelationsFailed = 43033;    // [Q0033]
constexpr int kMinorLoadErrors = 44879;    // [W0879]
constexpr int kMasterFileMissing = 44688;  // [W0688]
constexpr int kNoProjectElement = 44798;   // [W0798]
constexpr int kLoadingStopped = 49118;     // "Loading stopped"

constexpr std::string_view kCheckingHierarchy = "Checking Include Hierarchy";
constexpr std::string_view kOpeningProject = "Opening Project ";
constexpr std::string_view kLoadingLibrary = "Loading Library ";

// Results of LoadProject.
constexpr int kLoaded = 1;
constexpr int kLoadedOlder = 2;
constexpr int kLoadedWithErrors = -1;
constexpr int kNotLoaded = -2;
constexpr int kStopped = -3;

// Results of LoadLibraries and LoadLibrary that matter here.
constexpr int kHierarchyValid = 1;
constexpr int kHierarchyMendable = 3;
constexpr int kLibraryStopped = -3;
constexpr int kReferencesRepaired = -1;
constexpr int kReferencesUnresolved = -2;

// Everything the project holds, as when it was made; settings and files stay.
void DeleteProjectObjects(CApplicationKav& project) {
    project.SetStartWindow(nullptr);
    project.SetRootTask(nullptr);
    project.SetMasterFile(nullptr);
    DeleteAllObjects(project.GetTasks());
    DeleteAllObjects(project.GetRequirements());
    DeleteAllObjects(project.GetTestCases());
    DeleteAllObjects(project.GetTestScripts());
    DeleteAllObjects(project.GetAttributes());
    DeleteAllObjects(project.GetStepFields());
    DeleteAllObjects(project.GetDataSets());
    DeleteAllObjects(project.GetMetaConditions());
    project.GetWindowList().DeleteAll();
}

// The checked file list replaces the entries that reading the main file made; the windows read
// so far point to their file, which is now the new entry of the same identifier.
void TakeFileEntries(CApplicationKav& project, CApplicationKav& checking) {
    OwningList<CFileKav> replaced(std::move(project.GetFiles()));
    for (CFileKav* file : checking.GetFiles()) project.GetFiles().Add(file);
    checking.GetFiles().Pointers().clear();
    for (CWindowKav* window : project.GetWindowList().Snapshot())
        window->SetFile(project.FindFile(window->GetFileId(), true));
}

// Before everything is read again: the settings and the mended file list become the checking
// project, and what was read is dropped, the GUI builders it brought included.
std::unique_ptr<CApplicationKav> StartOver(CApplicationKav& project) {
    auto checking = std::make_unique<CApplicationKav>();
    checking->CopySettings(project);
    for (CFileKav* file : project.GetFiles()) checking->GetFiles().Add(file);
    project.GetFiles().Pointers().clear();
    DeleteProjectObjects(project);
    GetGuiBuilderDatabase().RemoveUserDefined();
    return checking;
}

}  // namespace

CXMLDataManager& GetProjectReader() {
    static CXMLDataManager reader;
    return reader;
}

int CXMLDataManager::LoadProject(const std::string& path, MessageLog* log) {
    messageLog_ = log;
    loadFailureShown_ = false;
    CApplicationKav* project = CurrentApplication;
    if (!project) return kNotLoaded;
    LogMessage(kCheckingHierarchy, true);

    auto checking = std::make_unique<CApplicationKav>();
    const std::string mainFileId = checking->GetFiles().Add(new CFileKav("", path, path, false))->GetID();
    const int hierarchy = LoadLibraries(checking.get(), true);
    if (hierarchy != kHierarchyValid) {
        LogMessage(LoadMessage(kInvalidHierarchy), true);
        if (hierarchy != kHierarchyMendable || !AskEditLibraries(kEditLibraryList, checking.get())) {
            loadFailureShown_ = true;
            return kNotLoaded;
        }
    }

    for (;; checking = StartOver(*project)) {
        loadedProjects_.DeleteAll();
        const std::string mainPath = checking->GetMainFile()->GetFullPath();
        CFileKav* mainFile = project->GetFiles().Add(new CFileKav("", mainPath, mainPath, false));
        mainFile->SetID(mainFileId);
        const int mainRead = LoadProjectFile(mainFile, project, true);
        if (mainRead == 0) return kNotLoaded;
        bool older = mainRead == 2;
        mainFileVersion_ = versionText_;
        std::string lowestVersion = versionText_;

        project->CopySettings(*checking);
        TakeFileEntries(*project, *checking);
        checking.reset();
        loadedProjects_.Add(project->Clone(kLoadedCopyFlags));

        bool readAgain = false;
        for (size_t i = 1; i < project->GetFiles().size() && !readAgain; ++i) {
            auto library = std::make_unique<CApplicationKav>();
            CFileKav* libraryFile = library->GetFiles().Add(project->GetFiles()[i]->Clone(kCloneKeepId));
            const int libraryRead = LoadProjectFile(libraryFile, library.get(), true);
            if (libraryRead == 0) {
                if (!AskEditLibraries(kEditLibraryList, project)) return kNotLoaded;
                readAgain = true;
                continue;
            }
            older |= libraryRead == 2;
            lowestVersion = std::min(lowestVersion, versionText_);
            loadedProjects_.Add(library.release());
        }
        if (readAgain) continue;
        versionText_ = lowestVersion;

        const int linked = LoadLibrary(project, true);
        if (linked == kLibraryStopped) {
            LogMessage(LoadMessage(kLoadingStopped), true);
            return kStopped;
        }
        int result = kLoaded;
        if (linked == kReferencesRepaired || linked == kReferencesUnresolved) {
            if (AskEditLibraries(kRelationsFailed, project)) continue;
            if (linked == kReferencesUnresolved) return kNotLoaded;
            SetMessage(kMinorLoadErrors);
            GetInteraction().Inform(GetGlobalMessageBuffer(), MessageIcon::Warning);
            LogMessage(GetGlobalMessageBuffer(), true);
            result = kLoadedWithErrors;
        }
        return older ? kLoadedOlder : result;
    }
}

int CXMLDataManager::LoadProjectFile(CFileKav* file, CApplicationKav* project, bool log) {
    if (!file || !project) return 0;
    LogMessage(std::string(project == CurrentApplication ? kOpeningProject : kLoadingLibrary) + file->GetFullPath(),
               log);
    versionText_.clear();
    projectMode_ = true;
    CurrentProjectScope scope(*this, project);
    auto fail = [&] {
        LogMessage(GetGlobalMessageBuffer(), log);
        return 0;
    };
    if (!ParseFile(file, "UTF-8", StandardHandlers())) return fail();
    file->SetName(project->GetName());
    if (const std::string masterId = project->GetMasterProjectId(); !masterId.empty()) {
        CFileKav* master = project->FindFile(masterId, true);
        if (!master) {
            SetMessage(kMasterFileMissing, masterId);
            return fail();
        }
        project->SetMasterFile(master);
    }
    if (!projectElementRead_) {
        SetMessage(kNoProjectElement, file->GetFullPath());
        return fail();
    }
    return versionText_ < kProjectFileVersion ? 2 : 1;
}

bool CXMLDataManager::AskEditLibraries(int questionId, CApplicationKav* project) {
    if (GetInteraction().Ask(LoadMessage(questionId), MessageButtons::YesNo, MessageAnswer::Yes) != MessageAnswer::Yes)
        return false;
    if (!project || !services_.editLibraryList || !services_.editLibraryList(*project)) return false;
    project->SetModified(1);
    return true;
}
