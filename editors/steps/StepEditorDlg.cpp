#include "editors/steps/StepEditorDlg.h"

#include "conditions/Designator.h"
#include "conditions/EventParser.h"
#include "model/ApplicationKav.h"
#include "model/Combination.h"
#include "model/ObjectNames.h"
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

constexpr int kEventIgnored = 42015;
constexpr int kReallyCancel = 43028;
constexpr int kMissingDestWindow = 44681;
constexpr int kInvalidDestWindow = 44687;
constexpr int kNameTooLong = 44708;
constexpr int kIllegalNameCharacter = 44709;
constexpr int kInvalidDelay = 44710;
constexpr int kMissingStartWindow = 44711;
constexpr int kInvalidStartWindow = 44712;
constexpr int kInvalidPriority = 44713;
constexpr int kEventNotConstant = 44717;
constexpr int kEventWithoutStartWindow = 44721;
constexpr int kMissingName = 44922;

constexpr int kCaptionInvalidEventString = 47005;
constexpr int kCaptionInvalidName = 47006;
constexpr int kCaptionInvalidPriority = 47007;
constexpr int kCaptionInvalidStartWindow = 47010;
constexpr int kCaptionMissingName = 47016;
constexpr int kCaptionCancel = 47030;
constexpr int kCaptionMissingStartWindow = 47131;
constexpr int kCaptionMissingDestWindow = 47132;
constexpr int kCaptionInvalidDestWindow = 47133;
constexpr int kCaptionInvalidEvent = 47134;
constexpr int kCaptionEventIgnored = 47135;
constexpr int kCaptionInvalidDelay = 47137;

constexpr int kUndoEditStep = 48060;
constexpr int kTitleTaskStepTransition = 49220;
constexpr int kTitleTransition = 49221;
constexpr int kTitleTaskStep = 49222;
constexpr int kTitleTestStep = 49223;


constexpr size_t kMaxNameLength = 50;
constexpr int kMaxDelay = 3600000;
constexpr int kMinPriority = 1;
constexpr int kMaxPriority = 999;
// The reference browser's mode bits: windows only, or every kind of designator.
constexpr int kWindowReferences = 1;
constexpr int kAllReferences = 23;

// The fields whose losing the focus makes them the target of Browse Designators.
constexpr int kBrowseTargets[] = {kStepEvent,     kStepDelay,      kStepCommands,    kStepExpectedResult,
                                  kStepStartWindow, kStepDestWindow, kStepInstruction, kStepInput};

// What a new transition does to its start window unless the user says otherwise.
std::string DefaultEvent(int windowType) {
    switch (windowType) {
        case kWndInputField:
            return "Input";
        case kWndCheckBox:
            return "Check(TRUE)";
        case kWndComboBox:
        case kWndListBox:
        case kWndTabControl:
        case kWndListView:
        case kWndTreeControl:
            return "Select(\"\")";
        default:
            return "Click";
    }
}

bool IsLocked(const CWindowKav* startWindow) {
    return startWindow && !startWindow->IsEditable(false);
}

}  // namespace

CStepEditorDlg::CStepEditorDlg(EditorHost& host, CApplicationKav& project)
    : EditorDialog(host, kResourceId), project_(project) {
    for (int edit : {kStepName, kStepDelay, kStepPriority, kStepEvent, kStepStartWindow, kStepDestWindow,
                     kStepCommands, kStepInstruction, kStepInput, kStepExpectedResult})
        AddControl(edit);
    AddControl(kStepPriorityLabel, "Priority");
    AddControl(kStepConditions, "Conditions...");
    AddControl(kStepActions, "Actions...");
    AddControl(kStepFields, "User-Defined Fields...");
    AddControl(kStepErrorCase, "Error Case");
    AddControl(kStepBrowse, "Browse Designators");
}

int CStepEditorDlg::EditStep(CStepKav* step, bool isNew, CTaskKav* task) {
    if (!step) return 0;
    step_ = step;
    referringStep_ = nullptr;
    isNew_ = isNew;
    task_ = task;
    readOnly_ = false;
    switch (step->GetStepType()) {
        case kStepTransition:
            readOnly_ = IsLocked(step->GetStartWindow());
            break;
        case kStepTask:
            if (CTransitionKav* transition = static_cast<CTaskStep*>(step)->GetTransition()) {
                referringStep_ = static_cast<CTaskStep*>(step);
                step_ = transition;
                readOnly_ = IsLocked(transition->GetStartWindow());
            } else {
                readOnly_ = task && !task->IsEditable(false);
            }
            break;
        default:
            break;
    }
    lists_.Take(*step_);
    startWindow_ = openedStart_ = step_->GetStartWindow();
    destWindow_ = openedDest_ = step_->GetDestWindow();

    const int end = Host().RunModal(*this);
    if (readOnly_ || end != kIdOk) {
        lists_.Discard();
        return 0;
    }
    WriteBack();
    lists_.MergeInto(*step_);
    Host().SetModified(LoadMessage(kUndoEditStep));
    return 1;
}

int CStepEditorDlg::EditedType() const {
    return step_->GetStepType();
}

void CStepEditorDlg::OnInitDialog() {
    SetText(kStepName, step_->GetName());
    SetText(kStepDelay, std::to_string(step_->GetDelay()));
    SetText(kStepCommands, step_->GetCommands());
    SetText(kStepInstruction, step_->GetDescription());
    SetText(kStepInput, step_->GetInput());
    SetText(kStepExpectedResult, step_->GetExpectedResult());
    SetText(kStepStartWindow, openedStart_ ? project_.GetObjectPathText(openedStart_) : std::string());
    SetText(kStepDestWindow, openedDest_ ? project_.GetObjectPathText(openedDest_) : std::string());
    SetText(kStepEvent, isNew_ && openedStart_ ? DefaultEvent(openedStart_->GetType())
                                               : step_->GetEventWithoutLineFeeds());

    const int type = EditedType();
    const CTaskStep* priorityStep = referringStep_ ? referringStep_
                                    : type == kStepTask ? static_cast<const CTaskStep*>(step_)
                                                        : nullptr;
    const int titlePrefix = type == kStepTask         ? kTitleTaskStep
                            : type == kStepTest       ? kTitleTestStep
                            : referringStep_ != nullptr ? kTitleTaskStepTransition
                                                        : kTitleTransition;
    SetText(kStepPriority, priorityStep ? std::to_string(priorityStep->GetPriority()) : std::string());
    Show(kStepPriorityLabel, priorityStep != nullptr);
    Show(kStepPriority, priorityStep != nullptr);
    Show(kStepErrorCase, type == kStepTransition);
    SetChecked(kStepErrorCase, type == kStepTransition && static_cast<const CTransitionKav*>(step_)->GetErrorCase());
    Show(kStepConditions, type != kStepTest);
    Show(kStepActions, type != kStepTest);

    for (int edit : {kStepName, kStepEvent, kStepStartWindow, kStepDestWindow, kStepCommands, kStepInstruction,
                     kStepInput, kStepExpectedResult})
        SetReadOnly(edit, readOnly_);
    for (int control : {kStepDelay, kStepPriority, kStepErrorCase}) Enable(control, !readOnly_);
    Show(kStepBrowse, !readOnly_);
    if (readOnly_) SetFocus(kIdOk);
    SetTitle(LoadMessage(titlePrefix) + step_->GetName(), readOnly_);
    lastField_ = kStepStartWindow;
}

bool CStepEditorDlg::OnOK() {
    if (readOnly_) return true;
    return CheckPriority() && CheckName() &&
           CheckWindow(kStepStartWindow, kMissingStartWindow, kCaptionMissingStartWindow, kInvalidStartWindow,
                       kCaptionInvalidStartWindow, startWindow_) &&
           CheckWindow(kStepDestWindow, kMissingDestWindow, kCaptionMissingDestWindow, kInvalidDestWindow,
                       kCaptionInvalidDestWindow, destWindow_) &&
           CheckEvent() && CheckDelay();
}

bool CStepEditorDlg::CheckPriority() {
    if (EditedType() != kStepTask && !referringStep_) return true;
    const int priority = ParseLeadingInt(GetText(kStepPriority));
    if (priority < kMinPriority || priority > kMaxPriority)
        return Refuse(kInvalidPriority, kCaptionInvalidPriority, kStepPriority);
    return true;
}

bool CStepEditorDlg::CheckName() {
    const std::string name = GetText(kStepName);
    if (name.empty()) return Refuse(kMissingName, kCaptionMissingName, kStepName);
    if (!::CheckName(name, {kMissingName, kNameTooLong, kMaxNameLength, kIllegalNameCharacter}))
        return RefuseWithText(GetGlobalMessageBuffer(), kCaptionInvalidName, kStepName);
    return true;
}

bool CStepEditorDlg::CheckWindow(int control, int missingMessage, int missingCaption, int invalidMessage,
                                 int invalidCaption, CWindowKav*& window) {
    const std::string text = GetText(control);
    if (text.empty()) {
        if (EditedType() == kStepTransition) return Refuse(missingMessage, missingCaption, control);
        window = nullptr;
        return true;
    }
    CKavroObj* named = ResolveDesignatorObject(text);
    if (!named || named->GetKind() != kKindWindow) return Refuse(invalidMessage, invalidCaption, control);
    window = static_cast<CWindowKav*>(named);
    return true;
}

bool CStepEditorDlg::CheckEvent() {
    const std::string event = GetText(kStepEvent);
    if (event.empty()) return true;
    if (!startWindow_) return Refuse(kEventWithoutStartWindow, kCaptionInvalidEvent, kStepEvent);
    CEventParser parser;
    if (!parser.CheckEventString(event, startWindow_))
        return RefuseWithText(GetGlobalMessageBuffer(), kCaptionInvalidEventString, kStepEvent);
    if (EditedType() == kStepTest) {
        const CCombination noValues;
        std::string evaluated;
        bool constant = true;
        if (!parser.EvaluateArguments(event, startWindow_, noValues, evaluated, constant))
            return RefuseWithText(GetGlobalMessageBuffer(), kCaptionInvalidEventString, kStepEvent);
        if (!constant) return Refuse(kEventNotConstant, kCaptionInvalidEventString, kStepEvent);
    }
    // The event as the dialog showed it, so that line feeds alone do not count as a change.
    const std::string commands = GetText(kStepCommands);
    if (!commands.empty() && (event != step_->GetEventWithoutLineFeeds() || commands != step_->GetCommands()))
        GetInteraction().ShowMessage({LoadMessage(kEventIgnored), LoadMessage(kCaptionEventIgnored),
                                      MessageButtons::Ok, MessageIcon::Information});
    return true;
}

bool CStepEditorDlg::CheckDelay() {
    const std::string text = GetText(kStepDelay);
    const int delay = ParseLeadingInt(text);
    if (delay < 0 || delay > kMaxDelay || (delay == 0 && text != "0"))
        return Refuse(kInvalidDelay, kCaptionInvalidDelay, kStepDelay);
    return true;
}

bool CStepEditorDlg::OnCancel() {
    if (!lists_.AnyChanged()) return true;
    return AskYesNo(kReallyCancel, kCaptionCancel);
}

void CStepEditorDlg::OnConditions() {
    lists_.EditConditions(Host(), project_, task_, readOnly_);
}

void CStepEditorDlg::OnActions() {
    lists_.EditActions(Host(), task_, readOnly_);
}

void CStepEditorDlg::OnUserDefinedFields() {
    lists_.EditFields(Host(), project_, readOnly_, GetText(kStepName));
}

void CStepEditorDlg::OnBrowseDesignators() {
    if (lastField_ == kStepStartWindow || lastField_ == kStepDestWindow) {
        const std::string window = Host().SelectReference(kWindowReferences, nullptr, nullptr, nullptr);
        if (window.empty()) return;
        ReplaceSelection(lastField_, window);
        SetFocus(lastField_);
    } else if (lastField_ == kStepDelay) {
        // A designator has no place in the delay: the browser runs, but nothing goes in.
        if (!Host().SelectReference(kAllReferences, task_, nullptr, nullptr).empty()) SetFocus(kStepDelay);
    } else {
        BrowseDesignatorsInto(lastField_, task_);
    }
}

void CStepEditorDlg::OnKillFocusField(int control) {
    for (int target : kBrowseTargets)
        if (target == control) lastField_ = control;
}

void CStepEditorDlg::WriteBack() {
    step_->SetName(GetText(kStepName));
    step_->SetDelay(ParseLeadingInt(GetText(kStepDelay)));
    step_->SetEvent(GetText(kStepEvent));
    step_->SetCommands(GetText(kStepCommands));
    step_->SetDescription(GetText(kStepInstruction));
    step_->SetInput(GetText(kStepInput));
    step_->SetExpectedResult(GetText(kStepExpectedResult));
    const int priority = ParseLeadingInt(GetText(kStepPriority));
    switch (EditedType()) {
        case kStepTest:
            step_->SetStartWindow(startWindow_);
            step_->SetDestWindow(destWindow_);
            break;
        case kStepTask:
            step_->SetStartWindow(startWindow_);
            step_->SetDestWindow(destWindow_);
            static_cast<CTaskStep*>(step_)->SetPriority(priority);
            break;
        case kStepTransition: {
            auto* transition = static_cast<CTransitionKav*>(step_);
            transition->SetErrorCase(IsChecked(kStepErrorCase) ? 1 : 0);
            if (referringStep_) {
                referringStep_->SetPriority(priority);
                referringStep_->CopyFieldsFrom(transition);
            }
            if (startWindow_ == openedStart_ && destWindow_ == openedDest_) break;
            if (isNew_) {
                transition->SetStartWindow(startWindow_);
                transition->SetDestWindow(destWindow_);
            } else {
                // The frame moves the transition and records its own undo step; a broken
                // structure it reports itself, leaving the transition where it was.
                Host().RedirectTransition(transition, startWindow_, destWindow_);
            }
            break;
        }
        default:
            break;
    }
}
