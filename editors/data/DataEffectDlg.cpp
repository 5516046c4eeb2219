#include "editors/data/DataEffectDlg.h"

#include <algorithm>
#include <memory>

#include "conditions/ConditionContext.h"
#include "conditions/ProjectConditionCheck.h"
#include "conditions/ValueTypes.h"
#include "editors/data/DataCaptions.h"
#include "editors/steps/ParameterDlg.h"
#include "model/CloneFlags.h"
#include "model/DataSet.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kEnterName = 44729;
constexpr int kNoVariables = 44741;
constexpr int kSelectVariable = 44792;
constexpr int kEnterValue = 44963;
constexpr int kDateFormat = 44964;
constexpr int kValueNotOfType = 44965;
constexpr int kNewNameExists = 44966;
constexpr int kChangedNameExists = 44967;
constexpr int kReallyDelete = 43041;

constexpr int kCaptionInvalidCondition = 47003;
constexpr int kCaptionMissingValue = 47018;
constexpr int kCaptionTypeMismatch = 47026;
constexpr int kCaptionNoVariables = 47040;
constexpr int kCaptionMissingVariable = 47041;
constexpr int kCaptionInvalidDate = 47042;
constexpr int kCaptionDeleteEffect = 47043;
constexpr int kTitleEffectsOfSet = 47178;
constexpr int kColumnName = 47180;
constexpr int kColumnValid = 47181;
constexpr int kColumnVariable = 47182;
constexpr int kColumnValue = 47183;
constexpr int kColumnCondition = 47184;
constexpr int kTitleVariablesOfSet = 47264;
constexpr int kUndoEditEffectVariables = 48006;
constexpr int kExpandLabel = 49131;
constexpr int kImplodeLabel = 49132;
constexpr int kTextValid = 49133;
constexpr int kTextInvalid = 49134;

// Only the test data of the set with its effects.
constexpr int kDataSetReferences = 8;

// The controls out of use while the condition shows expanded.
constexpr int kEntryControls[] = {kEffectNew,   kEffectSet,      kEffectDelete,          kEffectName,
                                  kEffectValid, kEffectVariable, kEffectVariablesButton, kEffectValue,
                                  kEffectBrowse};

std::u16string VariableName(const CDataEffect& effect) {
    return effect.GetAttribute() ? Utf8ToUtf16(effect.GetAttribute()->GetName()) : std::u16string();
}

}  // namespace

CDataEffectDlg::CDataEffectDlg(EditorHost& host, CApplicationKav& project)
    : EditorDialog(host, kResourceId), project_(project) {
    AddList(kEffectList);
    AddControl(kEffectList);  // for its enabling
    AddControl(kEffectName);
    AddControl(kEffectValid, "Valid");
    AddControl(kEffectVariable);
    AddControl(kEffectVariablesButton, "Effect Variables...");
    AddControl(kEffectValue);
    AddControl(kEffectCondition);
    AddControl(kEffectBrowse, "Browse Designators");
    AddControl(kEffectExpand, LoadMessage(kExpandLabel));
    AddControl(kEffectNew, "New");
    AddControl(kEffectSet, "Set");
    AddControl(kEffectDelete, "Delete");
}

int CDataEffectDlg::EditEffects(CDataSet& dataSet) {
    dataSet_ = &dataSet;
    readOnly_ = !dataSet.IsEditable(false);
    modified_ = false;
    expanded_ = false;
    working_.DeleteAll();
    for (const CDataEffect* effect : dataSet.GetEffects()) working_.Add(effect->Clone(kCloneKeepId | kCloneKeepFile));
    const int end = Host().RunModal(*this);
    if (readOnly_ || end != kIdOk || !modified_) {
        working_.DeleteAll();
        return 0;
    }
    for (CDataEffect* effect : working_) {
        effect->SetDataSet(&dataSet);
        if (effect->GetFile()) continue;
        effect->SetFile(dataSet.GetFile());
        effect->SetFileId(dataSet.GetFileId());
    }
    dataSet.GetEffects() = std::move(working_);
    return 1;
}

void CDataEffectDlg::OnInitDialog() {
    SetTitle(LoadMessage(kTitleEffectsOfSet) + dataSet_->GetName(), readOnly_);
    EditorList& rows = EditList(kEffectList);
    rows.SetColumns({{LoadMessage(kColumnName), 100},
                     {LoadMessage(kColumnValid), 40},
                     {LoadMessage(kColumnVariable), 100},
                     {LoadMessage(kColumnValue), 100},
                     {LoadMessage(kColumnCondition), 300}});
    rows.Clear();
    for (CDataEffect* effect : working_) InsertEffectRow(effect);
    SortRows();
    rows.Highlight(-1);
    FillVariableList();
    SetText(kEffectVariable, kNoVariable);
    for (int id : {kEffectName, kEffectValue, kEffectCondition}) SetText(id, "");
    SetChecked(kEffectValid, false);
    if (readOnly_) {
        for (int id : {kEffectNew, kEffectSet, kEffectDelete, kEffectVariablesButton, kEffectBrowse}) Show(id, false);
        for (int id : {kEffectName, kEffectValue, kEffectCondition}) SetReadOnly(id);
        Enable(kEffectValid, false);
        Enable(kEffectVariable, false);
        SetDefaultButton(kIdOk);
        return;
    }
    EnableVariableControls(false);
    Enable(kEffectDelete, false);
    SetFocus(kEffectName);
    SetDefaultButton(kEffectSet);
    newEntry_ = true;
}

int CDataEffectDlg::CompareEffects(const CDataEffect& a, const CDataEffect& b) {
    if (a.IsValid() != b.IsValid()) return a.IsValid() ? -1 : 1;
    if (const int byVariable = VariableName(a).compare(VariableName(b))) return byVariable;
    return CompareNoCase(a.GetName(), b.GetName());
}

std::vector<std::string> CDataEffectDlg::RowTexts(const CDataEffect& effect) const {
    const CAttributeKav* variable = effect.IsValid() ? effect.GetAttribute() : nullptr;
    const CConditionKav* condition = effect.GetCondition();
    return {effect.GetName(), LoadMessage(effect.IsValid() ? kTextValid : kTextInvalid),
            variable ? variable->GetName() : std::string(), variable ? variable->GetValue() : std::string(),
            condition ? condition->GetText() : std::string()};
}

int CDataEffectDlg::InsertEffectRow(CDataEffect* effect) {
    return EditList(kEffectList).InsertRow(0, RowTexts(*effect), effect);
}

void CDataEffectDlg::SortRows() {
    EditorList& rows = EditList(kEffectList);
    CDataEffect* highlighted = rows.ItemAt<CDataEffect>(rows.GetHighlighted());
    std::vector<CDataEffect*> order;
    for (int row = 0; row < rows.RowCount(); ++row) order.push_back(rows.ItemAt<CDataEffect>(row));
    std::stable_sort(order.begin(), order.end(),
                     [](const CDataEffect* a, const CDataEffect* b) { return CompareEffects(*a, *b) < 0; });
    rows.Clear();
    for (CDataEffect* effect : order) rows.AddRow(RowTexts(*effect), effect);
    rows.Highlight(highlighted ? rows.FindItem(highlighted) : -1);
}

void CDataEffectDlg::FillVariableList() {
    std::vector<std::string> names;
    for (const CAttributeKav* variable : dataSet_->GetAttributes()) names.push_back(variable->GetName());
    std::stable_sort(names.begin(), names.end(),
                     [](const std::string& a, const std::string& b) { return CompareNoCase(a, b) < 0; });
    names.insert(names.begin(), kNoVariable);
    SetItems(kEffectVariable, std::move(names));
}

CAttributeKav* CDataEffectDlg::ChosenVariable() const {
    const std::string chosen = GetText(kEffectVariable);
    if (chosen.empty() || chosen == kNoVariable) return nullptr;
    return dataSet_->GetAttributes().FindIf([&](const CAttributeKav* variable) { return variable->GetName() == chosen; });
}

void CDataEffectDlg::EnableVariableControls(bool enabled) {
    for (int id : {kEffectVariable, kEffectVariablesButton, kEffectValue}) Enable(id, enabled);
}

void CDataEffectDlg::OnListRowChosen(int, int row) {
    OnRowChosen(List(kEffectList).ItemAt<CDataEffect>(row));
}

void CDataEffectDlg::OnRowChosen(CDataEffect* effect) {
    if (!effect) {
        OnNew();
        return;
    }
    SetText(kEffectName, effect->GetName());
    SetChecked(kEffectValid, effect->IsValid());
    const CAttributeKav* variable = effect->IsValid() ? effect->GetAttribute() : nullptr;
    if (effect->IsValid() && !readOnly_) EnableVariableControls(true);
    if (!effect->IsValid()) EnableVariableControls(false);
    if (variable) {
        const std::vector<std::string>& entries = Control(kEffectVariable).items;
        const bool listed = std::find(entries.begin(), entries.end(), variable->GetName()) != entries.end();
        SetText(kEffectVariable, listed ? variable->GetName() : std::string());
    } else {
        SetText(kEffectVariable, kNoVariable);
    }
    SetText(kEffectValue, variable ? variable->GetValue() : std::string());
    SetText(kEffectCondition, effect->GetCondition() ? effect->GetCondition()->GetText() : std::string());
    if (!readOnly_) Enable(kEffectDelete);
    newEntry_ = false;
}

void CDataEffectDlg::OnNew() {
    SetText(kEffectName, "");
    SetChecked(kEffectValid, false);
    EditList(kEffectList).Highlight(-1);
    SetText(kEffectVariable, kNoVariable);
    SetText(kEffectValue, "");
    SetText(kEffectCondition, "");
    EnableVariableControls(false);
    Enable(kEffectBrowse);
    Enable(kEffectSet);
    Enable(kEffectDelete, false);
    SetFocus(kEffectName);
    newEntry_ = true;
}

void CDataEffectDlg::OnValidClicked() {
    EnableVariableControls(IsChecked(kEffectValid));
}

bool CDataEffectDlg::ExpandCondition(std::string& text) const {
    return CDataSet::ExpandEffectReferences(text, GetText(kEffectName), working_);
}

bool CDataEffectDlg::SetEffect() {
    if (readOnly_) return true;
    const std::string name = GetText(kEffectName);
    if (name.empty()) return Refuse(kEnterName, kCaptionInvalidName, kEffectName);
    const bool nameTaken = working_.FindIf([&](const CDataEffect* effect) { return EqualsNoCase(effect->GetName(), name); });
    const bool valid = IsChecked(kEffectValid);
    const std::string value = GetText(kEffectValue);
    // Only a valid effect sets a variable.
    CAttributeKav* variable = nullptr;
    if (valid) {
        if (Control(kEffectVariable).items.size() <= 1)
            return Refuse(kNoVariables, kCaptionNoVariables, kEffectVariablesButton);
        variable = ChosenVariable();
        if (!variable) return Refuse(kSelectVariable, kCaptionMissingVariable, kEffectVariable);
        if (value.empty() && variable->GetType() != kTypeString)
            return Refuse(kEnterValue, kCaptionMissingValue, kEffectValue);
        if (!IsValueOfType(value, variable->GetType())) {
            if (variable->GetType() == kTypeDate) return Refuse(kDateFormat, kCaptionInvalidDate, kEffectValue);
            return Refuse(kValueNotOfType, kCaptionTypeMismatch, kEffectValue);
        }
    }
    const std::string condition = GetText(kEffectCondition);
    std::string expanded = condition;
    if (!ExpandCondition(expanded))
        return RefuseWithText(GetGlobalMessageBuffer(), kCaptionInvalidCondition, kEffectCondition);
    if (!CheckSatisfiable(ResetConditionMessage(kEffectConditionMode, dataSet_), expanded))
        return RefuseWithText(GetGlobalMessageBuffer(), kCaptionInvalidCondition, kEffectCondition);

    CDataEffect* chosen = List(kEffectList).ItemAt<CDataEffect>(List(kEffectList).GetHighlighted());
    const bool applied = newEntry_ || !chosen ? AddEffect(name, valid, variable, value, condition, nameTaken)
                                              : ChangeEffect(*chosen, name, valid, variable, value, condition, nameTaken);
    if (!applied) return false;
    SortRows();
    modified_ = true;
    OnNew();
    return true;
}

bool CDataEffectDlg::AddEffect(const std::string& name, bool valid, CAttributeKav* variable, const std::string& value,
                               const std::string& condition, bool nameTaken) {
    if (nameTaken) return Refuse(kNewNameExists, kCaptionInvalidName, kEffectName);
    auto effect = std::make_unique<CDataEffect>(name, valid ? 1 : 0);
    if (!effect->SetName(name)) return RefuseWithText(GetGlobalMessageBuffer(), kCaptionInvalidName, kEffectName);
    if (variable) {
        CAttributeKav* copy = variable->Clone(0);
        copy->SetValue(value);
        effect->SetAttribute(copy);
    }
    effect->SetCondition(new CConditionKav("", condition));
    InsertEffectRow(working_.Add(effect.release()));
    return true;
}

bool CDataEffectDlg::ChangeEffect(CDataEffect& effect, const std::string& name, bool valid, CAttributeKav* variable,
                                  const std::string& value, const std::string& condition, bool nameTaken) {
    if (!EqualsNoCase(name, effect.GetName()) && nameTaken)
        return Refuse(kChangedNameExists, kCaptionInvalidName, kEffectName);
    if (!effect.SetName(name)) return RefuseWithText(GetGlobalMessageBuffer(), kCaptionInvalidName, kEffectName);
    effect.SetValid(valid ? 1 : 0);
    if (!variable) {
        effect.SetAttribute(nullptr);
    } else if (CAttributeKav* own = effect.GetAttribute()) {
        own->SetName(variable->GetName());
        own->SetType(variable->GetType());
        own->SetValue(value);
    } else {
        CAttributeKav* copy = variable->Clone(0);
        copy->SetValue(value);
        effect.SetAttribute(copy);
    }
    // An effect read without a cause gets one.
    if (CConditionKav* cause = effect.GetCondition()) cause->SetText(condition);
    else effect.SetCondition(new CConditionKav("", condition));
    EditorList& rows = EditList(kEffectList);
    rows.SetRowTexts(rows.FindItem(&effect), RowTexts(effect));
    return true;
}

void CDataEffectDlg::OnDelete() {
    const int row = List(kEffectList).GetHighlighted();
    if (row < 0) return;
    if (!AskYesNo(kReallyDelete, kCaptionDeleteEffect)) return;
    auto* effect = List(kEffectList).ItemAt<CDataEffect>(row);
    EditList(kEffectList).RemoveRow(row);
    working_.Delete(effect);
    modified_ = true;
    OnNew();
}

void CDataEffectDlg::OnEffectVariables() {
    CDataEffect* highlighted = List(kEffectList).ItemAt<CDataEffect>(List(kEffectList).GetHighlighted());
    const CAttributeKav* chosen = ChosenVariable();
    const std::string chosenId = chosen ? chosen->GetId() : std::string();

    CParameterDlg parameters(Host(), project_);
    if (!parameters.EditParameters(dataSet_->GetAttributes(), EffectVariables, readOnly_,
                                   LoadMessage(kTitleVariablesOfSet) + dataSet_->GetName()))
        return;
    Host().SetModified(LoadMessage(kUndoEditEffectVariables));

    FillVariableList();
    const CAttributeKav* again = chosenId.empty() ? nullptr : dataSet_->FindAttribute(chosenId, true);
    SetText(kEffectVariable, again ? again->GetName() : std::string());

    // The effects follow their renamed variables; one whose variable is gone keeps it as it was.
    EditorList& rows = EditList(kEffectList);
    rows.Clear();
    for (CDataEffect* effect : working_) {
        if (CAttributeKav* own = effect->GetAttribute()) {
            const CAttributeKav* current = dataSet_->GetAttributes().FindIf(
                [&](const CAttributeKav* variable) { return variable->GetNameAtOpen() == own->GetName(); });
            if (current) {
                own->SetName(current->GetName());
                if (own->GetType() != current->GetType()) {
                    own->SetType(current->GetType());
                    own->SetValue(current->GetValue());
                }
            }
        }
        InsertEffectRow(effect);
    }
    SortRows();
    rows.Highlight(highlighted ? rows.FindItem(highlighted) : -1);
}

void CDataEffectDlg::OnBrowseDesignators() {
    const std::string reference = Host().SelectReference(kDataSetReferences, nullptr, dataSet_, &working_);
    if (reference.empty()) return;
    ReplaceSelection(kEffectCondition, reference.front() == '%' ? reference : "#" + reference + "#");
    SetFocus(kEffectCondition);
}

void CDataEffectDlg::OnExpandIds() {
    if (!expanded_) {
        std::string text = GetText(kEffectCondition);
        if (!ExpandCondition(text)) {
            RefuseWithText(GetGlobalMessageBuffer(), kCaptionInvalidCondition, kEffectCondition);
            return;
        }
        savedCondition_ = GetText(kEffectCondition);
        expanded_ = true;
        SetText(kEffectCondition, text);
        SetText(kEffectExpand, LoadMessage(kImplodeLabel));
        for (int id : kEntryControls) Enable(id, false);
        Enable(kEffectList, false);
        Enable(kIdOk, false);
        SetReadOnly(kEffectCondition);
        return;
    }
    SetText(kEffectCondition, savedCondition_);
    expanded_ = false;
    SetText(kEffectExpand, LoadMessage(kExpandLabel));
    Enable(kEffectList);
    Enable(kIdOk);
    if (readOnly_) return;
    for (int id : {kEffectNew, kEffectSet, kEffectName, kEffectValid, kEffectBrowse}) Enable(id);
    EnableVariableControls(IsChecked(kEffectValid));
    SetReadOnly(kEffectCondition, false);
    Enable(kEffectDelete, !newEntry_);
}

bool CDataEffectDlg::OnOK() {
    if (GetText(kEffectName).empty()) return true;
    return SetEffect();
}
