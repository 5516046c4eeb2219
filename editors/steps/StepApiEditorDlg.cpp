#include "editors/steps/StepApiEditorDlg.h"

#include <algorithm>

#include "conditions/Designator.h"
#include "model/ApplicationKav.h"
#include "model/DovaTemplate.h"
#include "model/ObjectNames.h"
#include "model/TaskKav.h"
#include "model/TaskStep.h"
#include "model/WindowKav.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kReallyDeleteParameter = 43017;
constexpr int kReallyCancel = 43032;
constexpr int kInvalidStartWindow = 44712;
constexpr int kParameterTextCorrupted = 44916;
constexpr int kInvalidPriority = 44917;
constexpr int kInvalidTimeout = 44918;
constexpr int kNameTooLong = 44919;
constexpr int kIllegalNameCharacter = 44920;
constexpr int kMissingTemplate = 44921;
constexpr int kMissingName = 44923;
constexpr int kMissingParameterName = 44924;
constexpr int kDuplicateParameter = 44925;
constexpr int kUnknownTemplate = 44939;

constexpr int kCaptionInvalidName = 47006;
constexpr int kCaptionInvalidPriority = 47007;
constexpr int kCaptionInvalidStartWindow = 47010;
constexpr int kCaptionMissingName = 47016;
constexpr int kCaptionCancel = 47030;
constexpr int kCaptionUnknownTemplate = 47126;
constexpr int kCaptionInvalidParameter = 47127;
constexpr int kCaptionDeleteParameter = 47128;
constexpr int kCaptionMissingTemplate = 47129;
constexpr int kCaptionInvalidTimeout = 47130;

constexpr int kUndoEditStep = 48059;
constexpr int kTitleTaskStep = 49218;
constexpr int kTitleTestStep = 49219;

const char kLineBreak[] = "\r\n";

constexpr size_t kMaxNameLength = 50;
constexpr int kMaxTimeout = 3600000;
constexpr int kMinPriority = 1;
constexpr int kMaxPriority = 999;
// The reference browser's mode bits: windows only, or every kind of designator.
constexpr int kWindowReferences = 1;
constexpr int kAllReferences = 23;

const std::vector<std::string> kCriticalities{"Negligible", "Significant", "Major", "Critical", "Catastrophic"};

// The fields whose losing the focus makes them the target of Browse Designators.
constexpr int kBrowseTargets[] = {kApiTimeout,        kApiResultValue, kApiExpectedResult,
                                  kApiParameterValue, kApiDescription, kApiWindow};
// The fields that take a designator between "#".
constexpr int kDesignatorFields[] = {kApiResultValue, kApiExpectedResult, kApiParameterValue, kApiDescription};

bool Contains(const int* first, const int* last, int control) {
    return std::find(first, last, control) != last;
}

}  // namespace

ApiCommands ParseApiCommands(const std::string& commands) {
    ApiCommands parsed;
    std::string rest = commands;
    bool lastLine = false;
    const std::string name = SplitFirstLine(rest, lastLine);
    if (name.empty()) return parsed;
    CDovaTemplate* found = GetDovaTemplateList().FindTemplate(name);
    if (!found) {
        parsed.fault = kUnknownTemplate;
        parsed.unknownTemplate = name;
        return parsed;
    }
    parsed.instruction = SplitFirstLine(rest, lastLine);
    // A line break at the very end starts no parameter.
    while (!rest.empty()) {
        const std::string line = SplitFirstLine(rest, lastLine);
        const size_t equals = line.find('=');
        if (equals == std::string::npos) {
            parsed = {};
            parsed.fault = kParameterTextCorrupted;
            return parsed;
        }
        parsed.parameters.emplace_back(line.substr(0, equals), line.substr(equals + 1));
    }
    parsed.chosenTemplate = found;
    return parsed;
}

std::string BuildApiCommands(const CDovaTemplate* chosenTemplate, const std::vector<ApiParameter>& parameters) {
    if (!chosenTemplate) return {};
    std::string commands = chosenTemplate->GetName() + kLineBreak + chosenTemplate->GetInstruction();
    for (const auto& [name, value] : parameters) commands += kLineBreak + name + "=" + value;
    return commands;
}

CStepApiEditorDlg::CStepApiEditorDlg(EditorHost& host, CApplicationKav& project)
    : EditorDialog(host, kResourceId), project_(project) {
    for (int edit : {kApiName, kApiTimeout, kApiPriority, kApiWindow, kApiCriticality, kApiTemplate, kApiInstruction,
                     kApiParameterName, kApiParameterValue, kApiDescription, kApiExpectedResult, kApiResultValue})
        AddControl(edit);
    AddControl(kApiPriorityLabel, "Priority");
    AddControl(kApiTemplateHelp, "Template Help:");
    AddControl(kApiParameterHelp, "Parameter Help:");
    AddControl(kApiBrowse, "Browse Designators");
    AddControl(kApiConditions, "Conditions...");
    AddControl(kApiActions, "Actions...");
    AddControl(kApiFields, "User-Defined Fields...");
    AddControl(kApiNewParameter, "New");
    AddControl(kApiDeleteParameter, "Delete");
    AddControl(kApiSetParameter, "Set");
    AddList(kApiParameters);
}

bool CStepApiEditorDlg::IsTaskStep() const {
    return step_->GetStepType() == kStepTask;
}

int CStepApiEditorDlg::EditApiStep(CStepKav* step, CTaskKav* task) {
    if (!step || (step->GetStepType() != kStepTask && step->GetStepType() != kStepTest)) return 0;
    step_ = step;
    task_ = task;
    readOnly_ = IsTaskStep() && task && !task->IsEditable(false);
    lists_.Take(*step);

    const int end = Host().RunModal(*this);
    if (readOnly_ || end != kIdOk) {
        lists_.Discard();
        return 0;
    }
    lists_.MergeInto(*step);
    Host().SetModified(LoadMessage(kUndoEditStep));
    return 1;
}

void CStepApiEditorDlg::OnInitDialog() {
    for (const auto& [id, control] : Controls()) {
        Enable(id);
        Show(id);
        SetReadOnly(id, false);
    }
    SetText(kApiName, step_->GetName());
    SetText(kApiTimeout, std::to_string(step_->GetDelay()));
    SetText(kApiDescription, step_->GetDescription());
    SetText(kApiExpectedResult, step_->GetExpectedResult());
    SetText(kApiResultValue, step_->GetResultValue());
    window_ = step_->GetStartWindow();
    SetText(kApiWindow, window_ ? project_.GetObjectPathText(window_) : std::string());

    SetItems(kApiCriticality, kCriticalities);
    const int criticality = step_->GetCriticality();
    const bool known = criticality >= 0 && criticality < static_cast<int>(kCriticalities.size());
    SetText(kApiCriticality, known ? kCriticalities[static_cast<size_t>(criticality)] : std::string());

    std::vector<std::string> templates;
    for (const CDovaTemplate* entry : GetDovaTemplateList()) templates.push_back(entry->GetName());
    std::stable_sort(templates.begin(), templates.end(),
                     [](const std::string& a, const std::string& b) { return CompareNoCase(a, b) < 0; });
    SetItems(kApiTemplate, templates);
    SetReadOnly(kApiInstruction);

    EditList(kApiParameters).SetColumns({{"Name", 170}, {"Value", 450}});
    ParseCommands(step_->GetCommands());
    ChooseParameterRow(-1);

    const bool taskStep = IsTaskStep();
    SetText(kApiPriority, taskStep ? std::to_string(static_cast<const CTaskStep*>(step_)->GetPriority()) : "");
    for (int control : {kApiPriorityLabel, kApiPriority, kApiConditions, kApiActions}) Show(control, taskStep);
    SetTitle(LoadMessage(taskStep ? kTitleTaskStep : kTitleTestStep) + step_->GetName(), readOnly_);
    if (readOnly_) {
        for (int edit : {kApiName, kApiWindow, kApiParameterName, kApiParameterValue, kApiDescription, kApiResultValue,
                         kApiExpectedResult})
            SetReadOnly(edit);
        for (int control : {kApiTimeout, kApiCriticality, kApiPriority, kApiTemplate}) Enable(control, false);
        for (int control : {kApiBrowse, kApiNewParameter, kApiDeleteParameter, kApiSetParameter}) Show(control, false);
        SetDefaultButton(kIdOk);
        SetFocus(kIdOk);
    }
    lastField_ = kApiWindow;
}

void CStepApiEditorDlg::ParseCommands(const std::string& commands) {
    const ApiCommands parsed = ParseApiCommands(commands);
    template_ = parsed.chosenTemplate;
    commands_ = commands;
    SetText(kApiInstruction, parsed.instruction);
    SetText(kApiTemplate, template_ ? template_->GetName() : std::string());
    SetText(kApiTemplateHelp, template_ ? template_->GetHelpText() : std::string());
    Enable(kApiNewParameter, template_ && template_->AllowsNewParameters());
    EditorList& rows = EditList(kApiParameters);
    rows.Clear();
    for (const auto& [name, value] : parsed.parameters) rows.AddRow({name, value}, nullptr);
    if (parsed.fault == 0) return;
    if (parsed.fault == kUnknownTemplate) SetMessage(kUnknownTemplate, parsed.unknownTemplate);
    else SetMessage(parsed.fault);
    const int caption = parsed.fault == kUnknownTemplate ? kCaptionUnknownTemplate : kCaptionInvalidParameter;
    GetInteraction().ShowMessage(
        {GetGlobalMessageBuffer(), LoadMessage(caption), MessageButtons::Ok, MessageIcon::Warning});
}

void CStepApiEditorDlg::RebuildCommands() {
    std::vector<ApiParameter> parameters;
    const EditorList& rows = List(kApiParameters);
    for (int row = 0; row < rows.RowCount(); ++row) parameters.emplace_back(rows.RowTexts(row)[0], rows.RowTexts(row)[1]);
    commands_ = BuildApiCommands(template_, parameters);
}

void CStepApiEditorDlg::OnListRowChosen(int list, int row) {
    if (list == kApiParameters) ChooseParameterRow(row);
}

void CStepApiEditorDlg::ChooseParameterRow(int row) {
    EditorList& rows = EditList(kApiParameters);
    if (row < 0) {
        rows.Highlight(-1);
        for (int field : {kApiParameterName, kApiParameterValue, kApiParameterHelp}) SetText(field, "");
        for (int control : {kApiDeleteParameter, kApiParameterName, kApiParameterValue, kApiSetParameter})
            Enable(control, false);
        SetFocus(kApiName);
        SetDefaultButton(kIdOk);
        return;
    }
    if (!template_) return;
    rows.Highlight(row);
    const std::string& name = rows.RowTexts(row)[0];
    SetText(kApiParameterName, name);
    SetText(kApiParameterValue, rows.RowTexts(row)[1]);
    const CDovaParameter* parameter = template_->FindParameter(name);
    SetText(kApiParameterHelp, parameter ? parameter->GetHelpText() : std::string());
    const bool removable = !parameter || parameter->IsOptional();
    Enable(kApiDeleteParameter, removable);
    Enable(kApiParameterName, removable);
    const bool fixed = parameter && parameter->IsFixedValue();
    Enable(kApiParameterValue, !fixed);
    Enable(kApiSetParameter, !fixed);
    SetFocus(fixed ? kApiName : kApiParameterValue);
    SetDefaultButton(fixed ? kIdOk : static_cast<int>(kApiSetParameter));
}

void CStepApiEditorDlg::OnTemplateChosen() {
    const std::string chosen = GetText(kApiTemplate);
    const CDovaTemplate* entry = nullptr;
    for (const CDovaTemplate* candidate : GetDovaTemplateList())
        if (candidate->GetName() == chosen) entry = candidate;
    std::vector<ApiParameter> defaults;
    if (entry)
        for (const CDovaParameter* parameter : entry->GetParameters())
            defaults.emplace_back(parameter->GetName(), parameter->GetDefaultValue());
    ParseCommands(BuildApiCommands(entry, defaults));
    ChooseParameterRow(List(kApiParameters).RowCount() > 0 ? 0 : -1);
}

void CStepApiEditorDlg::OnNewParameter() {
    EditList(kApiParameters).Highlight(-1);
    for (int field : {kApiParameterName, kApiParameterValue, kApiParameterHelp}) SetText(field, "");
    Enable(kApiDeleteParameter, false);
    for (int control : {kApiParameterName, kApiParameterValue, kApiSetParameter}) Enable(control);
    SetFocus(kApiParameterName);
    SetDefaultButton(kApiSetParameter);
}

bool CStepApiEditorDlg::SetParameter() {
    const std::string name = GetText(kApiParameterName);
    const std::string value = GetText(kApiParameterValue);
    if (name.empty()) return Refuse(kMissingParameterName, kCaptionMissingName, kApiParameterName);
    EditorList& rows = EditList(kApiParameters);
    const int row = rows.GetHighlighted();
    if (row < 0) {
        for (int other = 0; other < rows.RowCount(); ++other)
            if (EqualsNoCase(rows.RowTexts(other)[0], name))
                return Refuse(kDuplicateParameter, kCaptionInvalidName, kApiParameterName);
        rows.AddRow({name, value}, nullptr);
        ChooseParameterRow(-1);
    } else {
        rows.SetRowTexts(row, {name, value});
        ChooseParameterRow(row + 1 < rows.RowCount() ? row + 1 : -1);
    }
    RebuildCommands();
    return true;
}

void CStepApiEditorDlg::OnDeleteParameter() {
    EditorList& rows = EditList(kApiParameters);
    const int row = rows.GetHighlighted();
    if (row < 0) return;
    const MessageRequest question{LoadMessage(kReallyDeleteParameter), LoadMessage(kCaptionDeleteParameter),
                                  MessageButtons::YesNo, MessageIcon::Warning, MessageAnswer::Yes};
    if (GetInteraction().ShowMessage(question) == MessageAnswer::No) return;
    rows.RemoveRow(row);
    RebuildCommands();
    ChooseParameterRow(-1);
}

void CStepApiEditorDlg::OnBrowseDesignators() {
    if (lastField_ == kApiWindow) {
        const std::string window = Host().SelectReference(kWindowReferences, nullptr, nullptr, nullptr);
        if (window.empty()) return;
        ReplaceSelection(kApiWindow, window);
        SetFocus(kApiWindow);
        return;
    }
    const std::string reference = Host().SelectReference(kAllReferences, task_, nullptr, nullptr);
    if (reference.empty()) return;
    // A designator has no place in the timeout: the browser runs, but nothing goes in.
    if (Contains(std::begin(kDesignatorFields), std::end(kDesignatorFields), lastField_))
        ReplaceSelection(lastField_, "#" + reference + "#");
    SetFocus(lastField_);
}

void CStepApiEditorDlg::OnKillFocusField(int control) {
    if (Contains(std::begin(kBrowseTargets), std::end(kBrowseTargets), control)) lastField_ = control;
}

void CStepApiEditorDlg::OnConditions() {
    lists_.EditConditions(Host(), project_, task_, readOnly_);
}

void CStepApiEditorDlg::OnActions() {
    lists_.EditActions(Host(), task_, readOnly_);
}

void CStepApiEditorDlg::OnUserDefinedFields() {
    lists_.EditFields(Host(), project_, readOnly_, GetText(kApiName));
}

bool CStepApiEditorDlg::OnCancel() {
    if (!lists_.AnyChanged()) return true;
    return AskYesNo(kReallyCancel, kCaptionCancel);
}

bool CStepApiEditorDlg::OnOK() {
    if (readOnly_) return true;
    if (GetDefaultButton() == kApiSetParameter && !SetParameter()) return false;
    if (!CheckPriority() || !CheckName() || !CheckWindow() || !CheckTimeout()) return false;
    WriteBack();
    return true;
}

bool CStepApiEditorDlg::CheckPriority() {
    if (!IsTaskStep()) return true;
    const int priority = ParseLeadingInt(GetText(kApiPriority));
    if (priority < kMinPriority || priority > kMaxPriority)
        return Refuse(kInvalidPriority, kCaptionInvalidPriority, kApiPriority);
    return true;
}

bool CStepApiEditorDlg::CheckName() {
    const std::string name = GetText(kApiName);
    if (name.empty()) return Refuse(kMissingName, kCaptionMissingName, kApiName);
    if (!::CheckName(name, {kMissingName, kNameTooLong, kMaxNameLength, kIllegalNameCharacter}))
        return RefuseWithText(GetGlobalMessageBuffer(), kCaptionInvalidName, kApiName);
    return true;
}

bool CStepApiEditorDlg::CheckWindow() {
    const std::string text = GetText(kApiWindow);
    window_ = nullptr;
    if (text.empty()) return true;
    CKavroObj* named = ResolveDesignatorObject(text);
    if (!named || named->GetKind() != kKindWindow)
        return Refuse(kInvalidStartWindow, kCaptionInvalidStartWindow, kApiWindow);
    window_ = static_cast<CWindowKav*>(named);
    return true;
}

bool CStepApiEditorDlg::CheckTimeout() {
    if (!IsTaskStep() && !template_) return Refuse(kMissingTemplate, kCaptionMissingTemplate, kApiTemplate);
    const std::string text = GetText(kApiTimeout);
    const int timeout = ParseLeadingInt(text);
    if (timeout < 0 || timeout > kMaxTimeout || (timeout == 0 && text != "0"))
        return Refuse(kInvalidTimeout, kCaptionInvalidTimeout, kApiTimeout);
    return true;
}

void CStepApiEditorDlg::WriteBack() {
    step_->SetName(GetText(kApiName));
    step_->SetDelay(ParseLeadingInt(GetText(kApiTimeout)));
    const auto chosen = std::find(kCriticalities.begin(), kCriticalities.end(), GetText(kApiCriticality));
    if (chosen != kCriticalities.end()) step_->SetCriticality(static_cast<int>(chosen - kCriticalities.begin()));
    step_->SetCommands(commands_);
    step_->SetDescription(GetText(kApiDescription));
    step_->SetResultValue(GetText(kApiResultValue));
    step_->SetExpectedResult(GetText(kApiExpectedResult));
    step_->SetStartWindow(window_);
    step_->SetDestWindow(window_);
    if (IsTaskStep()) static_cast<CTaskStep*>(step_)->SetPriority(ParseLeadingInt(GetText(kApiPriority)));
}
