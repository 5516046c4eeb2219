// What the task-flow view changes in its task: new steps, deleted steps and connections, and
// the window, transition or task that a step is given.
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/TransitionKav.h"
#include "model/windows/ButtonWindows.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "resources/MessageCatalogue.h"
#include "views/flow/DefaultEvent.h"
#include "views/flow/TaskflowView.h"

namespace {

constexpr int kInvalidInsert = 41122;           // [F0122]
constexpr int kSubTaskToWindow = 43001;         // [Q0001]
constexpr int kSubTaskToTransition = 43002;     // [Q0002]
constexpr int kWindowToTask = 43003;            // [Q0003]
constexpr int kTransitionToTask = 43029;        // [Q0029]
constexpr int kRadioWithoutGroup = 45056;       // [W1056]
constexpr int kInvalidRelationshipCaption = 47008;
constexpr int kChangeStepCaption = 47033;
constexpr int kInsertFailedCaption = 47036;
constexpr int kGroupBoxMissingCaption = 47162;
constexpr int kDeletionFailedCaption = 47163;
constexpr int kAssignWindowUndo = 48078;
constexpr int kAssignTransitionUndo = 48079;
constexpr int kAssignTaskUndo = 48080;
constexpr int kCreateStepUndo = 48081;
constexpr int kNewStepName = 49255;
constexpr int kDefaultCriticality = 2;
constexpr int kDefaultPriority = 1;

void Show(const std::string& text, int caption, MessageIcon icon) {
    GetInteraction().ShowMessage({text, LoadMessage(caption), MessageButtons::Ok, icon});
}

// The model's reason for a refusal, as it left it in the message buffer.
void ShowRefusal(int caption) { Show(GetGlobalMessageBuffer(), caption, MessageIcon::Warning); }

bool ConfirmChange(int question, const std::string& name) {
    return GetInteraction().ShowMessage({FormatMessageId(question, name), LoadMessage(kChangeStepCaption),
                                         MessageButtons::YesNo, MessageIcon::Question, MessageAnswer::Yes}) ==
           MessageAnswer::Yes;
}

const OwningList<CAttributeKav>* ProjectStepFields() {
    return CurrentApplication ? &CurrentApplication->GetStepFields() : nullptr;
}

void GiveProjectStepFields(CTaskStep& step) {
    if (const OwningList<CAttributeKav>* fields = ProjectStepFields()) step.SetAttributes(*fields);
}

}  // namespace

bool CTaskflowView::InsertStep() {
    if (!task_) return false;
    auto step = std::make_unique<CTaskStep>(LoadMessage(kNewStepName), "", "", "", "", "", nullptr, nullptr, 0,
                                            ProjectStepFields(), kDefaultCriticality, "", kDefaultPriority);
    if (selection_.size() == 1) {
        if (task_->InsertStep(step.get(), selection_.front(), nullptr) != 1) {
            ShowRefusal(kInsertFailedCaption);
            return false;
        }
    } else if (selectedConnection_) {
        auto* from = static_cast<CTaskStep*>(selectedConnection_->GetSource());
        auto* to = static_cast<CTaskStep*>(selectedConnection_->GetDestination());
        if (task_->InsertStep(step.get(), from, to) != 1) {
            ShowRefusal(kInsertFailedCaption);
            return false;
        }
        // The step is in the task now, whatever happens to the old connection.
        if (task_->DisconnectSteps(from, to) != 1) ShowRefusal(kInsertFailedCaption);
    } else {
        Show(LoadMessage(kInvalidInsert), kInsertFailedCaption, MessageIcon::Error);
        return false;
    }
    CTaskStep* inserted = step.release();
    LayoutSteps();
    SelectOnly(inserted);
    ClearPicks();
    mode_ = kModeOneStep;
    host_.Redraw();
    host_.ReportTaskChanged(task_);
    RecordUndoStep(LoadMessage(kCreateStepUndo));
    return true;
}

void CTaskflowView::DeleteSelection() {
    if (!task_) return;
    if (!selection_.empty()) {
        bool deletedAny = false;
        for (std::size_t i = 0; i < selection_.size();) {
            CTaskStep* step = selection_[i];
            if (step == task_->GetStartStep()) {
                ++i;
                continue;
            }
            // Forgotten before it is freed; a step that stays is only no longer the clicked one.
            if (clickedStep_ == step) clickedStep_ = nullptr;
            if (connectionStart_ == step) connectionStart_ = nullptr;
            if (!task_->DeleteStep(step)) {
                // The steps deleted so far stay deleted; their arrows go with the layout.
                if (deletedAny) LayoutSteps();
                ShowRefusal(kDeletionFailedCaption);
                UpdateModeFromSelection();
                return;
            }
            selection_.erase(selection_.begin() + static_cast<std::ptrdiff_t>(i));
            deletedAny = true;
        }
    } else if (selectedConnection_) {
        auto* from = static_cast<CTaskStep*>(selectedConnection_->GetSource());
        auto* to = static_cast<CTaskStep*>(selectedConnection_->GetDestination());
        if (task_->DisconnectSteps(from, to) != 1) {
            ShowRefusal(kDeletionFailedCaption);
            return;
        }
    }
    LayoutSteps();
    selection_.clear();
    ClearPicks();
    mode_ = kModeNone;
    host_.Redraw();
}

CTaskStep* CTaskflowView::StepToAssign(const void* object) {
    if (object && task_ && selection_.size() == 1) return selection_.front();
    selection_.clear();
    mode_ = kModeNone;
    host_.Redraw();
    return nullptr;
}

void CTaskflowView::KeepStep() {
    mode_ = kModeOneStep;
    host_.Redraw();
}

void CTaskflowView::EndAssignment(int undoName) {
    mode_ = kModeOneStep;
    host_.Redraw();
    host_.ReportTaskChanged(task_);
    RecordUndoStep(LoadMessage(undoName));
}

void CTaskflowView::AssignWindowToStep(CWindowKav* window) {
    CTaskStep* step = StepToAssign(window);
    if (!step) return;
    // A call of a GUI building block keeps its task and takes the window as its test object.
    if (step->HasGuiBuildingBlock()) {
        step->AimGuiBuildingBlock(*window);
        EndAssignment(kAssignWindowUndo);
        return;
    }
    // Found before anything changes: a refused radio button leaves the step as it was.
    CWindowKav* groupBox = nullptr;
    if (window->GetType() == kWndRadioButton) {
        groupBox = static_cast<CRadioButtonKav*>(window)->FindGroupBox();
        if (!groupBox) {
            Show(LoadMessage(kRadioWithoutGroup), kGroupBoxMissingCaption, MessageIcon::Warning);
            KeepStep();
            return;
        }
    }
    const bool calledTask = step->GetSubTask();
    const bool performedTransition = step->GetTransition();
    if (calledTask) {
        if (!ConfirmChange(kSubTaskToWindow, window->GetName())) {
            KeepStep();
            return;
        }
        step->Clear();
        GiveProjectStepFields(*step);
    }
    if (groupBox) {
        step->SetName(groupBox->GetName());
        step->SetStartWindow(groupBox);
        step->SetEvent("Select(\"" + window->GetCaption() + "\")");
    } else {
        // A name the user gave stays; a cleared step has none left.
        const CWindowKav* current = step->GetStartWindow();
        const std::string name = step->GetName();
        if (name.empty() || name == LoadMessage(kNewStepName) || (current && name == current->GetName()))
            step->SetName(window->GetName());
        step->SetStartWindow(window);
    }
    step->SetTransition(nullptr);
    step->SetSubTask(nullptr);
    if (step->GetEvent().empty()) step->SetEvent(DefaultEventForWindowType(window->GetType()));
    if (calledTask || performedTransition) GiveProjectStepFields(*step);
    EndAssignment(kAssignWindowUndo);
}

void CTaskflowView::AssignTransitionToStep(CTransitionKav* transition) {
    CTaskStep* step = StepToAssign(transition);
    if (!step) return;
    if (step->GetSubTask() && !ConfirmChange(kSubTaskToTransition, transition->GetName())) {
        KeepStep();
        return;
    }
    // Performing the transition clears the step and takes the transition's step data.
    step->SetTransition(transition);
    step->SetAttributes(transition->GetAttributes());
    step->SetSubTask(nullptr);
    EndAssignment(kAssignTransitionUndo);
}

void CTaskflowView::AssignTaskToStep(CTaskKav* task) {
    CTaskStep* step = StepToAssign(task);
    if (!step) return;
    CTaskKav* previous = step->GetSubTask();
    step->SetSubTask(task);
    if (CurrentApplication && !CurrentApplication->CheckSubtaskRecursion()) {
        step->SetSubTask(previous);
        ShowRefusal(kInvalidRelationshipCaption);
        return;
    }
    const int question = step->GetTransition() ? kTransitionToTask : step->GetStartWindow() ? kWindowToTask : 0;
    if (question && !ConfirmChange(question, task->GetName())) {
        step->SetSubTask(previous);
        KeepStep();
        return;
    }
    step->Clear();
    step->SetName(task->GetName());
    step->SetTransition(nullptr);
    step->SetSubTask(task);
    step->SetAttributes(task->GetParameters());
    EndAssignment(kAssignTaskUndo);
}
