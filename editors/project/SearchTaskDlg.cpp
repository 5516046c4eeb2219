#include "editors/project/SearchTaskDlg.h"

#include <utility>

#include "model/ApplicationKav.h"
#include "model/TaskKav.h"
#include "platform/TextUtil.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kMissingTaskName = 44595;
constexpr int kCaptionMissingCriteria = 47123;
constexpr int kTaskPrefix = 49236;

bool NameContains(const CTaskKav& task, const std::string& loweredText) {
    return ToLowerText(task.GetName()).find(loweredText) != std::string::npos;
}

}  // namespace

CSearchTaskDlg::CSearchTaskDlg(EditorHost& host, CApplicationKav& project)
    : CObjectSearchDlg(host, project, kResourceId, kSearchTaskSelected, kSearchTaskWhole, "Selected Task") {
    AddControl(kSearchTaskName);
}

std::optional<std::vector<CTaskKav*>> CSearchTaskDlg::Search(CTaskKav* task, CFileKav* library) {
    task_ = task;
    library_ = library;
    found_.clear();
    if (Host().RunModal(*this) != kIdOk) return std::nullopt;
    return std::move(found_);
}

void CSearchTaskDlg::OnInitDialog() {
    SetText(kSearchTaskName, "");
    OpenScope(task_, task_ ? task_->GetName() : std::string(), library_, kTaskPrefix);
}

bool CSearchTaskDlg::OnOK() {
    const std::string text = GetText(kSearchTaskName);
    if (text.empty()) return Refuse(kMissingTaskName, kCaptionMissingCriteria, kSearchTaskName);
    const std::string lowered = ToLowerText(text);
    found_.clear();
    if (SearchesBelowStart()) {
        VisitBelow(task_, lowered);
        return true;
    }
    for (CTaskKav* task : project_.GetTasks())
        if (IsInScope(*task) && NameContains(*task, lowered)) found_.push_back(task);
    return true;
}

void CSearchTaskDlg::VisitBelow(CTaskKav* task, const std::string& text) {
    if (NameContains(*task, text)) found_.push_back(task);
    for (CTaskKav* child : task->GetChildren()) VisitBelow(child, text);
}
