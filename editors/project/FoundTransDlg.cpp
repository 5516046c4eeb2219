#include "editors/project/FoundTransDlg.h"

#include <string_view>

#include "conditions/Designator.h"
#include "model/ApplicationKav.h"
#include "model/TaskKav.h"
#include "model/TaskStep.h"
#include "model/TransitionKav.h"
#include "model/WindowKav.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kUnclosedInCondition = 44030;
constexpr int kUnclosedInArgument = 44033;
constexpr int kDependencyCorrupted = 41124;
constexpr int kTaskCorrupted = 41125;
constexpr int kCaptionSearchError = 47025;
constexpr int kTitle = 47202;
constexpr int kColumnStartState = 47203;
constexpr int kColumnDestState = 47204;
constexpr int kColumnTransition = 47205;
constexpr int kColumnTask = 47206;
constexpr int kColumnTaskStep = 47207;
constexpr int kColumnStepTransition = 47208;

// The position after the string constant that opens at the quote: its closing quote, a
// backslash keeping the character after it; the end of the text for an unclosed one.
size_t SkipString(std::string_view text, size_t quote) {
    for (size_t i = quote + 1; i < text.size(); ++i) {
        if (text[i] == '\\') ++i;
        else if (text[i] == '"') return i + 1;
    }
    return text.size();
}

// 1 when a designator of the text names the window, 0 when none does, -1 with the message
// (the text after the "#") for a designator without its closing "#".
int DesignatorsReferTo(std::string_view text, const std::string& searched, int unclosedMessage) {
    for (size_t i = 0; i < text.size();) {
        if (text[i] == '"') {
            i = SkipString(text, i);
            continue;
        }
        if (text[i] != '#') {
            ++i;
            continue;
        }
        const size_t close = text.find('#', i + 1);
        if (close == std::string_view::npos) {
            SetMessage(unclosedMessage, std::string(text.substr(i + 1)));
            return -1;
        }
        DesignatorParts parts;
        if (SplitDesignator(text.substr(i + 1, close - i - 1), parts)) {
            const std::string window = parts.library.empty() ? parts.window : "^" + parts.library + ":" + parts.window;
            if (EqualsNoCase(window, searched)) return 1;
        }
        i = close + 1;
    }
    return 0;
}

}  // namespace

CFoundTransDlg::CFoundTransDlg(EditorHost& host, CApplicationKav& project)
    : EditorDialog(host, kResourceId), project_(project) {
    AddControl(kFoundEditTransition, "Edit Transition");
    AddControl(kFoundChangeToFlow, "Change to Task Flow Editor");
    SetText(kIdCancel, "Close");
    AddList(kFoundTransitions);
    AddList(kFoundTaskSteps);
}

void CFoundTransDlg::ShowReferences(const std::string& searched) {
    if (!FindReferences(searched)) {
        ShowSearchError();
        return;
    }
    Host().RunModal(*this);
    transitions_.DeleteAll();
}

bool CFoundTransDlg::FindReferences(const std::string& searched) {
    searched_ = searched;
    transitions_.DeleteAll();
    taskSteps_.clear();
    chosenTransition_ = nullptr;
    chosenStep_ = nullptr;
    for (CWindowKav* window : project_.GetWindowList().Snapshot()) {
        for (CTransitionKav* transition : window->GetTransitions()) {
            const int refers = StepRefersTo(*transition, searched);
            if (refers < 0) {
                transitions_.DeleteAll();
                return false;
            }
            if (refers == 1) transitions_.Add(new CDependencyKav(window, transition));
        }
    }
    for (CTaskKav* task : project_.GetTasks()) {
        for (CTaskStep* step : task->GetSteps()) {
            const int refers = StepRefersTo(*step, searched);
            if (refers < 0) {
                transitions_.DeleteAll();
                taskSteps_.clear();
                return false;
            }
            const CTaskKav* subTask = step->GetSubTask();
            if (refers == 1 || (subTask && EqualsNoCase(project_.GetObjectPathText(subTask), searched)))
                taskSteps_.emplace_back(step, task);
        }
    }
    return true;
}

int CFoundTransDlg::StepRefersTo(const CStepKav& step, const std::string& searched) const {
    for (const CConditionKav* condition : step.GetConditions()) {
        std::string text = condition->GetText();
        if (!project_.GetMetaConditions().ResolveMetaIds(text, std::nullopt)) return -1;
        const int refers = DesignatorsReferTo(text, searched, kUnclosedInCondition);
        if (refers != 0) return refers;
    }
    for (const CActionKav* action : step.GetActions()) {
        for (const CArgumentKav* argument : action->GetArguments()) {
            const int refers = DesignatorsReferTo(argument->GetValue(), searched, kUnclosedInArgument);
            if (refers != 0) return refers;
        }
    }
    return 0;
}

void CFoundTransDlg::ShowSearchError() const {
    GetInteraction().ShowMessage({GetGlobalMessageBuffer(), LoadMessage(kCaptionSearchError), MessageButtons::Ok,
                                  MessageIcon::Error});
}

void CFoundTransDlg::OnInitDialog() {
    SetTitle(LoadMessage(kTitle) + searched_, false);
    EditorList& transitions = EditList(kFoundTransitions);
    transitions.Clear();
    transitions.SetSorted(true);
    transitions.SetColumns({{LoadMessage(kColumnStartState), 175},
                            {LoadMessage(kColumnDestState), 175},
                            {LoadMessage(kColumnTransition), 50}});
    for (CDependencyKav* record : transitions_) {
        const CTransitionKav* transition = record->GetTransition();
        const CWindowKav* destination = transition->GetDestWindow();
        transitions.AddRow({project_.GetObjectPathText(record->GetWindow()),
                            destination ? project_.GetObjectPathText(destination) : std::string(),
                            transition->GetName()},
                           record);
    }
    EditorList& steps = EditList(kFoundTaskSteps);
    steps.Clear();
    steps.SetSorted(true);
    steps.SetColumns({{LoadMessage(kColumnTask), 175},
                      {LoadMessage(kColumnTaskStep), 175},
                      {LoadMessage(kColumnStepTransition), 50}});
    for (const auto& [step, task] : taskSteps_) {
        const CTransitionKav* transition = step->GetTransition();
        steps.AddRow({task->GetName(), step->GetName(), transition ? transition->GetName() : std::string()}, step);
    }
    ClearSelection();
}

void CFoundTransDlg::ClearSelection() {
    chosenTransition_ = nullptr;
    chosenStep_ = nullptr;
    EditList(kFoundTransitions).Highlight(-1);
    EditList(kFoundTaskSteps).Highlight(-1);
    Enable(kFoundEditTransition, false);
    Enable(kFoundChangeToFlow, false);
}

void CFoundTransDlg::OnListRowChosen(int list, int row) {
    const bool transitions = list == kFoundTransitions;
    chosenTransition_ = transitions ? List(list).ItemAt<CDependencyKav>(row) : nullptr;
    chosenStep_ = transitions ? nullptr : List(list).ItemAt<CTaskStep>(row);
    EditList(transitions ? kFoundTaskSteps : kFoundTransitions).Highlight(-1);
    Enable(kFoundEditTransition, chosenTransition_ != nullptr);
    Enable(kFoundChangeToFlow, chosenStep_ != nullptr);
}

void CFoundTransDlg::OnListRowDoubleClicked(int list, int row) {
    OnListRowChosen(list, row);
    if (list == kFoundTransitions) OnEditTransition();
    else OnChangeToTaskFlow();
}

void CFoundTransDlg::OnEditTransition() {
    if (!chosenTransition_) return;
    CTransitionKav* transition = chosenTransition_->GetTransition();
    Host().EditStep(transition, false, nullptr);
    const int refers = StepRefersTo(*transition, searched_);
    if (refers < 0) {
        ShowSearchError();
        return;
    }
    if (refers == 0) {
        if (!transitions_.Contains(chosenTransition_)) {
            ShowFatalError(kDependencyCorrupted);
            return;
        }
        EditorList& rows = EditList(kFoundTransitions);
        rows.RemoveRow(rows.FindItem(chosenTransition_));
        transitions_.Delete(chosenTransition_);
    }
    ClearSelection();
}

void CFoundTransDlg::OnChangeToTaskFlow() {
    if (!chosenStep_) return;
    for (const auto& [step, task] : taskSteps_) {
        if (step != chosenStep_) continue;
        Host().OpenTaskFlow(task);
        EndDialog(kIdCancel);
        return;
    }
    ShowFatalError(kTaskCorrupted);
}
