// VORNAK mode: the project VORNAK sent becomes the one the user works on, its libraries loaded
// and its tasks in line with VORNAK's test structure; then the task VORNAK asked for is shown.
#include "model/ApplicationKav.h"
#include "model/CloneFlags.h"
#include "model/FileKav.h"
#include "model/TaskKav.h"
#include "model/TestCase.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"
#include "platform/UniqueId.h"
#include "resources/MessageCatalogue.h"
#include "shell/VornakHost.h"
#include "tminterface/VornakIF.h"

namespace {

constexpr int kMinorLoadErrors = 44879;       // [W0879]
constexpr int kNoTaskOfTestCase = 45094;      // [W1094]
constexpr int kRelationsFailed = 45101;       // [W1101]
constexpr int kRelationsStopped = 45102;      // [W1102]
constexpr int kNoMainFile = 45103;            // [W1103]
constexpr int kRestoreAborted = 45151;        // [W1151]
constexpr int kOpenFileTitle = 47237;
constexpr int kRootTaskPrefix = 49190;        // "Project "
constexpr const char* kVornakModeTitle = "VORNAK Designer (KAVRO) - VORNAK-Mode";
constexpr const char* kProjectFilter = "XML Files (*.xml)|*.xml|All files (*.*)|*.*||";
constexpr std::string_view kTestCasePrefix = "kavrotc-";

constexpr int kLoadStopped = -3;
constexpr int kLibraryProblem = -2;
constexpr int kMinorErrors = -1;


void NameAfterProject(CFileKav& file, const std::string& name) {
    file.SetName(name);
    file.SetPath(name);
    file.SetFullPath(name);
}

}  // namespace

int CVornakIF::EnterVornakMode() {
    CApplicationKav& project = host_->Project();
    bool loadErrors = false;
    if (!setUp_) {
        if (!ownProject_->GetTasks().empty()) {
            const CTaskKav* structureRoot = ownProject_->GetTasks().front();
            project.SetName(structureRoot->GetName());
            project.SetId(structureRoot->GetID());
        }
        CFileKav* mainFile = project.GetMainFile();
        if (!mainFile) {
            SetMessage(kNoMainFile);
            ShowBuffer(false);
            errorCode_ = kVornakNoMainFile;
            host_->RevertToSnapshot();
            state_ = kVornakIdle;
            return -1;
        }
        NameAfterProject(*mainFile, project.GetName());
        mainFile->SetID(project.GetId());
        if (project.GetTasks().empty()) {
            project.SetId(MakeUniqueId());
            auto* rootTask = new CTaskKav(LoadMessage(kRootTaskPrefix) + project.GetName(), kTaskFolder);
            rootTask->SetFile(mainFile);
            rootTask->SetFileId(mainFile->GetID());
            project.GetTasks().Add(rootTask);
            project.SetRootTask(rootTask);
        }
    }
    ClearGlobalMessage();
    if (reader_.CheckIncludeHierarchy(&project) == 3) return AskForLibraryList();
    // Every project that reaches here holds its references as texts: loading the libraries
    // links them, and a project of one file is linked on its own.
    const bool withLibraries = project.GetFiles().size() > 1;
    const int linked = withLibraries ? reader_.LoadLibrary(&project, false) : reader_.BuildRelations(&project, false);
    if (linked == kMinorErrors) {
        ShowText(FormatMessageId(kMinorLoadErrors), false);
        loadErrors = true;
    } else if (linked == kLoadStopped && withLibraries) {
        ShowBuffer(true);
        host_->RevertToSnapshot();
        state_ = kVornakIdle;
        return 0;
    } else if (linked == kLibraryProblem && withLibraries) {
        ShowBuffer(false);
        return AskForLibraryList();
    } else if (linked != 1) {
        if (linked == kLoadStopped) {
            SetMessage(kRelationsStopped);
            ShowBuffer(true);
        } else {
            SetMessage(kRelationsFailed, std::string(GetGlobalMessageBuffer()));
            ShowBuffer(false);
        }
        errorCode_ = kVornakNoRelations;
        state_ = kVornakIdle;
        return 0;
    }
    if (!setUp_) {
        ClearGlobalMessage();
        if (SynchronizeTestStructure() != 1 || CreateUseCaseTasks() != 1) {
            ShowBuffer(false);
            state_ = kVornakIdle;
        }
        setUp_ = true;
    }
    host_->SetProjectOpen(true);
    host_->ResetUndoHistory();
    host_->ShowTitle(kVornakModeTitle);
    host_->RefreshBarsAndTrees();
    if (!taskToShow_.empty()) {
        if (CTaskKav* task = project.FindTask(taskToShow_, true); task && task->IsQuVornakTask()) {
            ShowTask(*task);
        } else {
            std::string testCaseId = taskToShow_;
            if (testCaseId.size() >= kTestCasePrefix.size() &&
                EqualsNoCase(std::string_view(testCaseId).substr(0, kTestCasePrefix.size()), kTestCasePrefix))
                testCaseId.erase(0, kTestCasePrefix.size());
            if (const CTestCase* testCase = project.FindTestCase(testCaseId, true)) {
                if (CTaskKav* owner = testCase->GetTask())
                    ShowTask(*owner);
                else
                    ShowText(FormatMessageId(kNoTaskOfTestCase), false);
            }
        }
    }
    state_ = kVornakIdle;
    if (loadErrors) {
        host_->SetLoadErrors(true);
        host_->HighlightLoadErrors();
    }
    return 1;
}

void CVornakIF::ShowTask(CTaskKav& task) {
    host_->SelectTaskInTree(task, task.IsFolder());
    if (!task.IsFolder()) host_->OpenTaskFlow(task);
}

int CVornakIF::RestoreFromFile() {
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Open;
    request.title = LoadMessage(kOpenFileTitle);
    request.filter = kProjectFilter;
    const std::optional<std::string> chosen = GetInteraction().AskForPath(request);
    CApplicationKav& project = host_->Project();
    CFileKav* mainFile = project.GetMainFile();
    if (!chosen || !mainFile) {
        SetMessage(kRestoreAborted);
        return 0;
    }
    mainFile->SetPath(*chosen);
    mainFile->SetFullPath(*chosen);
    if (!ownProject_->GetTasks().empty()) mainFile->SetID(ownProject_->GetTasks().front()->GetID());
    if (reader_.LoadProjectFile(mainFile, &project, false) == 0) {
        SetMessage(kRestoreAborted);
        return 0;
    }
    NameAfterProject(*mainFile, project.GetName());
    reader_.LoadedProjects().Add(project.Clone(kVornakWorkingCopyFlags));
    return 1;
}
