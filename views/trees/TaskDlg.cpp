#include "views/trees/TaskDlg.h"

#include <memory>

#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"
#include "shell/CommandIds.h"

namespace {

constexpr int kParentMissing = 41121;        // [F0121]
constexpr int kNameInUse = 44589;            // [W0589]
constexpr int kNameBeginsWithDigit = 44790;  // [W0790]
constexpr int kFatalErrorCaption = 47001;
constexpr int kInvalidNameCaption = 47006;
constexpr int kInvalidTaskCaption = 47157;
constexpr int kEditTaskNameUndo = 48076;
constexpr int kNewTaskName = 49245;
constexpr int kNewBlockName = 49246;
constexpr int kNewFolderName = 49247;
// The undo steps of New Task, New Building Block and New Folder, by type.
constexpr int kCreateUndo[] = {48073, 48074, 48075};

// The step every new task and building block begins with.
constexpr int kStartStepPriority = 1;
constexpr int kStartStepCriticality = 2;

void ShowBox(const std::string& text, int captionId, MessageIcon icon) {
    GetInteraction().ShowMessage({text, LoadMessage(captionId), MessageButtons::Ok, icon});
}

std::string NewTaskName(const CApplicationKav& project, const CTaskKav& parent, int type) {
    switch (type) {
        case kTaskBuildingBlock: return project.MakeValidTaskName(LoadMessage(kNewBlockName), nullptr);
        case kTaskFolder: return LoadMessage(kNewFolderName);
        default:
            return project.MakeValidTaskName(parent.IsQuVornakTask() ? parent.GetName() : LoadMessage(kNewTaskName),
                                             nullptr);
    }
}

void AddStartStep(CTaskKav& task, CApplicationKav& project) {
    auto* start = task.GetSteps().Add(new CTaskStep("Start", "", "", "", "", "", nullptr, nullptr, 0,
                                                    &project.GetStepFields(), kStartStepCriticality, "",
                                                    kStartStepPriority));
    task.SetStartStep(start);
}

}  // namespace

CTaskDlg::CTaskDlg(TreePageHost& host) : CTreePage(host, tree_, kHelpContext), tree_(host) {}

CTaskKav* CTaskDlg::GetSelectedTask() const {
    const int caret = tree_.GetCaret();
    if (CTaskKav* task = tree_.TaskOf(caret)) return task;
    const CApplicationKav* project = CurrentApplication;
    const CFileKav* file = tree_.FileOf(caret);
    return project && file && file == project->GetMainFile() ? project->GetRootTask() : nullptr;
}

CFileKav* CTaskDlg::GetSelectedFile() const { return tree_.FileOf(tree_.GetCaret()); }

void CTaskDlg::Fill() {
    UnmarkTasks();
    tree_.Fill();
}

void CTaskDlg::RefreshKeepingSelection() {
    const std::string id = tree_.GetCaretTaskId();
    Fill();
    const CApplicationKav* project = CurrentApplication;
    if (!project || id.empty()) return;
    if (CTaskKav* found = project->FindTask(id, true)) SelectTask(found);
}

void CTaskDlg::SelectTask(CTaskKav* task) {
    const int item = tree_.ItemOf(task);
    if (item == kNoItem) return;
    tree_.EnsureVisible(item);
    tree_.Select(item);
}

void CTaskDlg::MarkTasks(const std::vector<CTaskKav*>& tasks) {
    std::vector<int> items;
    for (const CTaskKav* task : tasks) items.push_back(tree_.ItemOf(task));
    MarkItems(items);
    markedTasks_ = tasks;
}

void CTaskDlg::UnmarkTasks() {
    UnmarkItems();
    markedTasks_.clear();
}

void CTaskDlg::EndPickOperation() {
    SetPickMode(false);
    EndCut();
}

void CTaskDlg::SetPickMode(bool pick) {
    SetPickFlag(pick);
    tree_.SetPickMode(pick);
}

void CTaskDlg::UpdateAllTaskItems() {
    CApplicationKav* project = CurrentApplication;
    if (!project) return;
    for (const CTaskKav* task : project->GetTasks())
        if (task->GetType() != kTaskBuildingBlock) tree_.UpdateTaskItem(tree_.ItemOf(task), false);
}

void CTaskDlg::RefreshTaskItem(CTaskKav* task) {
    const int item = tree_.ItemOf(task);
    if (item == kNoItem) return;
    tree_.UpdateTaskItem(item, true);
    tree_.SortChildren(tree_.GetParent(item));
}

void CTaskDlg::DeleteTaskItem(PageItem item) {
    const int number = CItemTree::ItemOfKey(item);
    if (!tree_.Find(number)) return;
    const int parent = tree_.GetParent(number);
    tree_.DeleteItem(number);
    tree_.UpdateTaskItem(parent, true);
}

void CTaskDlg::OpenSelectedTask() {
    CTaskKav* task = tree_.TaskOf(tree_.GetCaret());
    if (!task) return;
    if (task->IsFolder()) host_.SendCommand(command::kPropertiesEditor);
    else host_.OpenTaskFlow(task);
}

bool CTaskDlg::ReportClick(int item, bool ctrl) {
    CTaskKav* task = tree_.TaskOf(item);
    if (!task || !(IsPickMode() || ctrl)) return false;
    host_.ReportPickedTask(task, !IsPickMode());
    return true;
}

CTaskKav* CTaskDlg::CreateTaskItem(int type) {
    CApplicationKav* project = CurrentApplication;
    CTaskKav* parent = GetSelectedTask();
    if (!project || !parent) {
        ShowBox(LoadMessage(kParentMissing), kFatalErrorCaption, MessageIcon::Error);
        return nullptr;
    }
    auto task = std::make_unique<CTaskKav>(NewTaskName(*project, *parent, type), type);
    task->SetConfiguration(parent->GetConfiguration());
    task->SetTestLevel(parent->GetTestLevel());
    CFileKav* main = project->GetMainFile();
    task->SetFile(main);
    if (main) task->SetFileId(main->GetID());
    if (parent->IsQuVornakTask()) task->SetQuVornakTask(1);
    if (type != kTaskFolder) AddStartStep(*task, *project);
    CTaskKav* created = project->GetTasks().Add(task.release());
    if (!parent->AddChild(created)) {
        ShowBox(GetGlobalMessageBuffer(), kInvalidTaskCaption, MessageIcon::Warning);
        project->GetTasks().Delete(created);
        return nullptr;
    }
    const int parentItem = tree_.ItemOf(parent);
    if (parentItem != kNoItem) {
        const int item = tree_.AppendTaskItem(created, parentItem);
        tree_.UpdateTaskItem(item, true);
        tree_.SortChildren(parentItem);
        tree_.Expand(parentItem);
        tree_.Select(item);
    }
    host_.SetModified(LoadMessage(kCreateUndo[type == kTaskBuildingBlock ? 1 : type == kTaskFolder ? 2 : 0]));
    return created;
}

std::optional<std::string> CTaskDlg::BeginLabelEdit(int item) {
    const CTaskKav* task = tree_.TaskOf(item);
    if (!task || !task->IsEditable(false) || IsPinnedProductTask(*task)) return std::nullopt;
    SetEditingLabel(true);
    return task->GetName();
}

bool CTaskDlg::EndLabelEdit(int item, bool cancelled, const std::string& text) {
    SetEditingLabel(false);
    tree_.UpdateTaskItem(item, false);
    CTaskKav* task = tree_.TaskOf(item);
    if (cancelled || !task || text == task->GetName() || !Rename(*task, text)) return false;
    tree_.UpdateTaskItem(item, false);
    return true;
}

bool CTaskDlg::Rename(CTaskKav& task, const std::string& name) {
    CApplicationKav* project = CurrentApplication;
    if (!project) return false;
    const std::string oldName = task.GetName();
    if (!task.IsFolder()) {
        if (!EqualsNoCase(name, oldName) && project->FindTask(name, false, project->GetMainFile())) {
            ShowBox(LoadMessage(kNameInUse), kInvalidNameCaption, MessageIcon::Warning);
            return false;
        }
        if (!name.empty() && name.front() >= '0' && name.front() <= '9') {
            ShowBox(LoadMessage(kNameBeginsWithDigit), kInvalidNameCaption, MessageIcon::Warning);
            return false;
        }
    }
    const std::string oldReference = project->GetObjectPathText(&task);
    if (!task.SetName(name)) {
        ShowBox(GetGlobalMessageBuffer(), kInvalidNameCaption, MessageIcon::Warning);
        return false;
    }
    project->RenameTaskReferences(&task, oldReference, project->GetObjectPathText(&task));
    host_.ReportTaskChanged(&task);
    if (task.IsQuVornakTask()) RenameCompanion(task, name);
    host_.SetModified(LoadMessage(kEditTaskNameUndo));
    return true;
}

void CTaskDlg::RenameCompanion(CTaskKav& task, const std::string& name) {
    const CApplicationKav* project = CurrentApplication;
    if (task.GetType() == kTaskPlain && task.GetParent()) {
        task.GetParent()->SetName(name);
        host_.ReportTaskChanged(task.GetParent());
    } else if (task.IsFolder() && task.GetChildren().size() == 1 &&
               task.GetChildren().front()->GetType() == kTaskPlain) {
        CTaskKav* useCase = task.GetChildren().front();
        useCase->SetName(project->MakeValidTaskName(name, useCase));
        host_.ReportTaskChanged(useCase);
    }
}

std::vector<TreeMenuEntry> CTaskDlg::ContextMenu() const {
    using namespace command;
    return {{48124, kNewTask},           {48125, kNewBuildingBlock}, {48126, kNewFolder},     {},
            {48127, kTaskFlowEditor},    {48128, kPropertiesEditor}, {48129, kDelete},        {},
            {48130, kGenerateTestCases}, {48131, kConvertTestCases}, {48132, kViewTestCases}, {},
            {48133, kSearchObject},      {48134, kSearchReferences}};
}
