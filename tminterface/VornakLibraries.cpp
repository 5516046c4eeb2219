// The libraries of VORNAK's project: requested one by one, checked and merged when they arrive,
// and the library list that lets the user mend the project's libraries.
#include "model/ApplicationKav.h"
#include "model/CloneFlags.h"
#include "model/FileKav.h"
#include "model/TaskKav.h"
#include "platform/MessageBuffer.h"
#include "shell/VornakHost.h"
#include "tminterface/VornakCommands.h"
#include "tminterface/VornakIF.h"

namespace {

constexpr int kLibraryFilesEmpty = 41132;      // [F0132]
constexpr int kLibraryEntryMissing = 41014;    // [F0014]
constexpr int kIncludeListMismatch = 41099;    // [F0099]
constexpr int kOtherLibrarySent = 41169;       // [F0169]
constexpr int kNoMainTask = 41170;             // [F0170]
constexpr int kNoVornakRootTask = 41171;       // [F0171]
constexpr int kDeliveredEntryMissing = 41172;  // [F0172]
constexpr int kEditLibrariesQuestion = 43051;  // [Q0051]

// The copy after the project administration: from the objects, of the main file only.
constexpr int kAdministeredCopyFlags = kCloneKeepId | kCloneTextsFromObjects | kCloneMainFileOnly;

void TakeNameAndPaths(CFileKav& file, const std::string& name, const std::string& path, const std::string& fullPath) {
    file.SetName(name);
    file.SetPath(path);
    file.SetFullPath(fullPath);
}

// The files the main file does not use go from the project.
void KeepUsedFilesOnly(CApplicationKav& project) {
    OwningList<CFileKav>& files = project.GetFiles();
    const CFileKav* mainFile = project.GetMainFile();
    if (!mainFile) return;
    for (CFileKav* file : files.Snapshot())
        if (file != mainFile && !mainFile->UsesFile(file->GetID())) files.Delete(file);
}

}  // namespace

int CVornakIF::MergeLibrary(CApplicationKav& project, CApplicationKav& library) {
    ClearGlobalMessage();
    if (library.GetFiles().empty()) {
        ShowText(FormatMessageId(kLibraryFilesEmpty), true);
        return -1;
    }
    const CFileKav* libraryMain = library.GetMainFile();
    CFileKav* entry = project.FindFile(libraryMain->GetID(), true);
    if (!entry) {
        ShowText(FormatMessageId(kLibraryEntryMissing), true);
        return -1;
    }
    entry->UsedFileIds().clear();
    for (const std::string& id : libraryMain->UsedFileIds()) {
        const CFileKav* used = library.FindFile(id, true);
        if (!used) {
            ShowText(FormatMessageId(kIncludeListMismatch), true);
            return -1;
        }
        if (!project.FindFile(id, true)) project.GetFiles().Add(used->Clone(kCloneKeepId));
        entry->UsedFileIds().push_back(id);
    }
    return 1;
}

CFileKav* CVornakIF::RequestedLibrary() const {
    return currentLibrary_ && host_->Project().GetFiles().Contains(currentLibrary_) ? currentLibrary_ : nullptr;
}

int CVornakIF::RequestLibrary(CFileKav* file) {
    if (!file) return 0;
    if (CApplicationKav* sent = reader_.FindProjectFile(file->GetID(), true))
        return MergeLibrary(host_->Project(), *sent) == 1 ? 2 : 0;
    currentLibrary_ = file;
    state_ = kVornakAwaitingLibrary;
    return SendCommand(kCmdRequestLib) == 1 ? 1 : 0;
}

void CVornakIF::RequestLibrariesFrom(std::size_t index) {
    OwningList<CFileKav>& files = host_->Project().GetFiles();
    // A merge may add files: the list is read again for every step.
    for (std::size_t i = index; i < files.size(); ++i) {
        const int requested = RequestLibrary(files[i]);
        if (requested == 1) return;
        if (requested == 0) {
            state_ = kVornakIdle;
            return;
        }
    }
    EnterVornakMode();
}

int CVornakIF::AskForLibraryList() {
    libraries_.clear();
    state_ = kVornakCheckingLibraries;
    return SendCommand(kCmdRequestLibList);
}

void CVornakIF::TakeLibrary(std::unique_ptr<CApplicationKav> library) {
    CFileKav* requestedFile = RequestedLibrary();
    const std::string requested = requestedFile ? requestedFile->GetID() : std::string();
    if (!library || !requestedFile || requested != receivedLibraryId_) {
        ShowText(FormatMessageId(kOtherLibrarySent, receivedLibraryId_, requested), true);
        return;
    }
    const OwningList<CTaskKav>& tasks = library->GetTasks();
    if (!tasks.FindIf([](const CTaskKav* task) { return task->GetParentId().empty(); })) {
        ShowText(FormatMessageId(kNoMainTask), true);
        return;
    }
    if (!tasks.FindIf([](const CTaskKav* task) { return task->IsQuVornakTask(); })) {
        ShowText(FormatMessageId(kNoVornakRootTask), true);
        return;
    }
    CApplicationKav& project = host_->Project();
    CFileKav* entry = project.FindFile(receivedLibraryId_, true);
    if (!entry) {
        ShowText(FormatMessageId(kDeliveredEntryMissing), true);
        return;
    }
    TakeNameAndPaths(*entry, receivedLibraryName_, receivedLibraryName_, receivedLibraryName_);
    OwningList<CFileKav>& libraryFiles = library->GetFiles();
    TakeNameAndPaths(*libraryFiles.front(), receivedLibraryName_, receivedLibraryName_, receivedLibraryName_);
    for (std::size_t i = 1; i < libraryFiles.size(); ++i)
        if (const CFileKav* known = project.FindFile(libraryFiles[i]->GetID(), true))
            TakeNameAndPaths(*libraryFiles[i], known->GetName(), known->GetPath(), known->GetFullPath());
    if (MergeLibrary(project, *library) != 1) return;
    reader_.LoadedProjects().Add(library.release());
    RequestLibrariesFrom(static_cast<std::size_t>(project.GetFiles().IndexOf(requestedFile)) + 1);
}

void CVornakIF::TakeLibraryList() {
    CApplicationKav& project = host_->Project();
    OwningList<CApplicationKav>& references = reader_.LoadedProjects();
    if (state_ == kVornakAwaitingLibraryList) {
        if (host_->EditProject(project, false) != 1) {
            state_ = kVornakIdle;
            return;
        }
        host_->MarkModified();
        auto* administered = project.Clone(kAdministeredCopyFlags);
        KeepUsedFilesOnly(*administered);
        references.InsertAt(0, administered);
    } else if (references.empty() || !reader_.AskEditLibraries(kEditLibrariesQuestion, references.front())) {
        references.DeleteAll();
        host_->RevertToSnapshot();
        state_ = kVornakIdle;
        return;
    }
    host_->CloseProject();
    host_->ReplaceProject(std::unique_ptr<CApplicationKav>(references.front()->Clone(kVornakWorkingCopyFlags)));
    if (host_->Project().GetFiles().size() <= 1)
        EnterVornakMode();
    else
        RequestLibrariesFrom(1);
}
