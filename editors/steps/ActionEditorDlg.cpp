#include "editors/steps/ActionEditorDlg.h"

#include "conditions/ConditionContext.h"
#include "conditions/ConditionEvaluator.h"
#include "conditions/Designator.h"
#include "conditions/ValueTypes.h"
#include "editors/framework/MergeEditedCopies.h"
#include "model/ActionCatalogue.h"
#include "model/CloneFlags.h"
#include "model/WindowKav.h"
#include "model/windows/ButtonWindows.h"
#include "model/windows/TabControlKav.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kCatalogueEntryMissing = 41001;
constexpr int kCatalogueRowMissing = 41002;
constexpr int kReallyDelete = 43008;
constexpr int kEnterWindowId = 44001;
constexpr int kNoSuchWindow = 44002;
constexpr int kNotADialogBox = 44003;
constexpr int kEnterDesignator = 44005;
constexpr int kOtherActionSetsDesignator = 44006;
constexpr int kArgumentTypeMismatch = 44021;
constexpr int kGroupBoxFirst = 44022;
constexpr int kNoSuchRadioButton = 44023;
constexpr int kTabControlFirst = 44024;
constexpr int kNoSuchTabPage = 44025;
constexpr int kEmptyArgument = 44026;
constexpr int kEnterDataSetName = 44037;
constexpr int kNoSuchDataSet = 44038;
constexpr int kEnterRecordType = 44053;

constexpr int kCaptionInvalidArgument = 47002;
constexpr int kCaptionTypeMismatch = 47026;
constexpr int kCaptionMissingHashForWindow = 47037;
constexpr int kCaptionMissingArgument = 47038;
constexpr int kCaptionDelete = 47039;
constexpr int kCaptionMissingHashForDesignator = 47172;
constexpr int kTitle = 47176;

// A value without its first and last character: a designator without its "#" marks, a string
// constant without its quotes.
std::string Inner(const std::string& value) {
    return value.size() < 2 ? std::string() : value.substr(1, value.size() - 2);
}

std::string ArgumentLine(const CArgumentKav& argument) {
    return argument.GetName() + " [" + argument.GetValue() + "]";
}

std::string HelpLine(const CArgumentKav& argument) {
    return argument.GetName() + " (" + GetValueTypeName(argument.GetValueType()) + ")";
}

// The first row whose text begins with the name, without regard to case; -1 for none.
int FindRowBeginningWith(const EditorList& list, const std::string& name) {
    for (int row = 0; row < list.RowCount(); ++row)
        if (EqualsNoCase(Utf16Left(list.RowTexts(row).front(), Utf16Length(name)), name)) return row;
    return -1;
}

}  // namespace

CActionEditorDlg::CActionEditorDlg(EditorHost& host) : EditorDialog(host, kResourceId) {
    for (int list : {kActAvailable, kActSelected, kActArguments}) {
        AddList(list);
        AddControl(list);  // for its enabling
    }
    AddControl(kActSetAction, "Set >>");
    AddControl(kActDelete, "<< Delete");
    AddControl(kActHelpLine);
    AddControl(kActValue);
    AddControl(kActBrowse, "Browse Designators");
    AddControl(kActSetArgument, "Set  Argument");
}

bool CActionEditorDlg::EditActions(OwningList<CActionKav>& actions, CTaskKav* browseTask, bool readOnly) {
    browseTask_ = browseTask;
    readOnly_ = readOnly;
    working_.DeleteAll();
    for (const CActionKav* action : actions) {
        CActionKav* copy = working_.Add(action->Clone(kCloneKeepId | kCloneKeepFile));
        copy->SetEdited(action->IsEdited());
    }
    current_.reset();
    newAction_ = true;
    modified_ = false;
    rememberedWindow_ = nullptr;
    SetTitle(LoadMessage(kTitle), readOnly);

    const int end = Host().RunModal(*this);
    current_.reset();
    if (end != kIdOk || readOnly_ || !modified_) {
        working_.DeleteAll();
        return false;
    }
    MergeEditedCopies(actions, working_);
    return true;
}

std::string CActionEditorDlg::FormatAction(const CActionKav& action) {
    std::string values;
    const char* separator = "";
    for (const CArgumentKav* argument : action.GetArguments()) {
        values += separator + argument->GetValue();
        separator = ", ";
    }
    return action.GetName() + " (" + values + ")";
}

void CActionEditorDlg::OnInitDialog() {
    EditorList& available = EditList(kActAvailable);
    available.SetSorted(true);
    available.Clear();
    for (const std::string& name : GetPredefinedActionNames(GetActionCatalogue())) available.AddRow({name}, nullptr);
    EditorList& selected = EditList(kActSelected);
    selected.Clear();
    for (const CActionKav* action : working_) selected.AddRow({FormatAction(*action)}, nullptr);
    ClearArgumentFields();

    for (int control : {kActArguments, kActValue, kActBrowse, kActSetArgument, kActSetAction, kActDelete})
        Enable(control, false);
    Enable(kActAvailable, !readOnly_);
    SetDefaultButton(kIdOk);
    if (!readOnly_) return;
    for (int control : {kActBrowse, kActSetArgument, kActSetAction, kActDelete}) Show(control, false);
    SetFocus(kIdOk);
}

void CActionEditorDlg::OnListRowChosen(int list, int) {
    switch (list) {
        case kActAvailable: OnAvailableActionChosen(); break;
        case kActSelected: OnSelectedActionChosen(); break;
        case kActArguments: OnArgumentChosen(); break;
        default: break;
    }
}

void CActionEditorDlg::OnAvailableActionChosen() {
    rememberedWindow_ = nullptr;
    const EditorList& available = List(kActAvailable);
    if (available.GetHighlighted() < 0) return;
    const std::string name = available.RowTexts(available.GetHighlighted()).front();
    EditList(kActSelected).Highlight(-1);
    const CActionKav* entry = FindPredefinedActionByName(GetActionCatalogue(), name);
    if (!entry) {
        ShowFatalError(kCatalogueEntryMissing);
        return;
    }
    current_.reset(entry->Clone(0));
    newAction_ = true;
    ShowCurrentAction(false);
}

void CActionEditorDlg::OnSelectedActionChosen() {
    rememberedWindow_ = nullptr;
    const int row = List(kActSelected).GetHighlighted();
    if (row < 0) return;
    current_.reset(working_[static_cast<size_t>(row)]->Clone(kCloneKeepId));
    newAction_ = false;
    const int catalogueRow = FindRowBeginningWith(List(kActAvailable), current_->GetName());
    if (catalogueRow < 0) {
        ShowFatalError(kCatalogueRowMissing);
        return;
    }
    EditList(kActAvailable).Highlight(catalogueRow);
    ShowCurrentAction(true);
}

void CActionEditorDlg::ShowCurrentAction(bool existing) {
    FillArgumentList();
    const bool hasArguments = !current_->GetArguments().empty();
    if (hasArguments) ShowArgument(0);
    Enable(kActArguments, hasArguments);
    if (readOnly_) return;
    for (int control : {kActValue, kActSetArgument, kActBrowse}) Enable(control, hasArguments);
    Enable(kActSetAction);
    Enable(kActDelete, existing);
    SetDefaultButton(hasArguments ? kActSetArgument : kActSetAction);
    SetFocus(hasArguments ? kActValue : kActSetAction);
}

void CActionEditorDlg::FillArgumentList() {
    ClearArgumentFields();
    if (!current_) return;
    for (CArgumentKav* argument : current_->GetArguments())
        EditList(kActArguments).AddRow({ArgumentLine(*argument)}, argument);
}

void CActionEditorDlg::ClearArgumentFields() {
    SetText(kActValue, "");
    SetText(kActHelpLine, "");
    EditList(kActArguments).Clear();
}

void CActionEditorDlg::ShowArgument(int row) {
    EditList(kActArguments).Highlight(row);
    const CArgumentKav* argument = ChosenArgument();
    SetText(kActHelpLine, HelpLine(*argument));
    SetText(kActValue, argument->GetValue());
}

CArgumentKav* CActionEditorDlg::ChosenArgument() const {
    const EditorList& arguments = List(kActArguments);
    return arguments.ItemAt<CArgumentKav>(arguments.GetHighlighted());
}

void CActionEditorDlg::OnArgumentChosen() {
    const int row = List(kActArguments).GetHighlighted();
    if (row < 0) return;
    ShowArgument(row);
    if (readOnly_) return;
    for (int control : {kActValue, kActSetArgument, kActBrowse}) Enable(control);
    SetDefaultButton(kActSetArgument);
    SetFocus(kActValue);
}

void CActionEditorDlg::OnSetArgument() {
    CArgumentKav* argument = ChosenArgument();
    if (!argument) return;
    const std::string value = GetText(kActValue);
    if (!CheckArgumentValue(*argument, value)) return;
    argument->SetValue(value);
    modified_ = true;
    current_->SetEdited(true);

    const int next = List(kActArguments).GetHighlighted() + 1;
    FillArgumentList();
    if (next < List(kActArguments).RowCount()) {
        ShowArgument(next);
        SetFocus(kActValue);
        return;
    }
    Enable(kActArguments);
    for (int control : {kActValue, kActSetArgument, kActBrowse}) Enable(control, false);
    Enable(kActSetAction);
    SetDefaultButton(kActSetAction);
    SetFocus(kActSetAction);
}

bool CActionEditorDlg::CheckArgumentValue(const CArgumentKav& argument, const std::string& value) {
    switch (argument.GetValueType()) {
        case kTypeDesignator: return CheckDesignatorValue(value);
        case kTypeWindowId: return CheckWindowValue(value);
        case kTypeDataSetName: return CheckDataSetValue(value);
        case kTypeRecordChoice:
            for (const char* letter : {"v", "i", "a"})
                if (EqualsNoCase(value, letter)) return true;
            return Refuse(kEnterRecordType, kCaptionInvalidArgument, kActValue);
        default: return CheckExpressionValue(argument.GetValueType(), value);
    }
}

bool CActionEditorDlg::CheckDesignatorValue(const std::string& value) {
    if (value.find('#') == std::string::npos)
        return Refuse(kEnterDesignator, kCaptionMissingHashForDesignator, kActValue);
    const std::string designator = Inner(value);
    int type = 0;
    std::string settingAction;
    if (CheckDesignator(ResetConditionMessage(), designator, type, settingAction) != 1)
        return RefuseWithText(GetGlobalMessageBuffer(), kCaptionInvalidArgument, kActValue);
    if (settingAction != current_->GetName()) {
        return RefuseWithText(
            FormatMessageId(kOtherActionSetsDesignator, current_->GetName(), designator, settingAction),
            kCaptionInvalidArgument, kActValue);
    }
    CKavroObj* object = ResolveDesignatorObject(designator);
    if (object && object->GetKind() == kKindWindow) rememberedWindow_ = static_cast<CWindowKav*>(object);
    return true;
}

bool CActionEditorDlg::CheckWindowValue(const std::string& value) {
    if (value.find('#') == std::string::npos) return Refuse(kEnterWindowId, kCaptionMissingHashForWindow, kActValue);
    const std::string name = Inner(value);
    CKavroObj* object = ResolveDesignatorObject(name);
    if (!object || object->GetKind() != kKindWindow)
        return RefuseWithText(FormatMessageId(kNoSuchWindow, name), kCaptionInvalidArgument, kActValue);
    rememberedWindow_ = static_cast<CWindowKav*>(object);
    if (EqualsNoCase(current_->GetName(), "OpenModalDialog") && rememberedWindow_->GetType() != kWndDialogBox)
        return Refuse(kNotADialogBox, kCaptionInvalidArgument, kActValue);
    return true;
}

bool CActionEditorDlg::CheckDataSetValue(const std::string& value) {
    if (value.find('#') == std::string::npos || value.find('~') == std::string::npos)
        return Refuse(kEnterDataSetName, kCaptionInvalidArgument, kActValue);
    const CKavroObj* object = ResolveDesignatorObject(Inner(value));
    if (!object || object->GetKind() != kKindDataObject) return Refuse(kNoSuchDataSet, kCaptionInvalidArgument, kActValue);
    return true;
}

bool CActionEditorDlg::CheckExpressionValue(int argumentType, const std::string& value) {
    const int valueType = GetExpressionType(ResetConditionMessage(), value);
    if (valueType == 0) return RefuseWithText(GetGlobalMessageBuffer(), kCaptionInvalidArgument, kActValue);
    if (!AreTypesCompatible(valueType, argumentType))
        return Refuse(kArgumentTypeMismatch, kCaptionTypeMismatch, kActValue);

    const std::string caption = Inner(value);
    if (EqualsNoCase(current_->GetName(), "SetRadioGroup")) {
        if (!rememberedWindow_) return Refuse(kGroupBoxFirst, kCaptionInvalidArgument, kActValue);
        const bool found = rememberedWindow_->GetType() == kWndGroupBox &&
                           static_cast<CGroupBoxKav*>(rememberedWindow_)->FindRadioButton(caption);
        if (!found) return Refuse(kNoSuchRadioButton, kCaptionInvalidArgument, kActValue);
    } else if (EqualsNoCase(current_->GetName(), "SetTabControl")) {
        if (!rememberedWindow_) return Refuse(kTabControlFirst, kCaptionInvalidArgument, kActValue);
        const bool found = rememberedWindow_->GetType() == kWndTabControl &&
                           static_cast<CTabControlKav*>(rememberedWindow_)->FindTabPage(caption);
        if (!found) return Refuse(kNoSuchTabPage, kCaptionInvalidArgument, kActValue);
    }
    return true;
}

bool CActionEditorDlg::ApplyAction() {
    if (readOnly_ || !current_) return true;
    for (const CArgumentKav* argument : current_->GetArguments())
        if (argument->GetValue().empty()) return Refuse(kEmptyArgument, kCaptionMissingArgument, kActValue);
    modified_ = true;
    current_->SetEdited(true);

    EditorList& selected = EditList(kActSelected);
    const std::string text = FormatAction(*current_);
    const int row = newAction_ ? -1 : selected.GetHighlighted();
    if (row < 0) {
        selected.AddRow({text}, nullptr);
        working_.Add(current_.release());
    } else {
        selected.SetRowTexts(row, {text});
        working_.Delete(working_[static_cast<size_t>(row)]);
        working_.InsertAt(static_cast<size_t>(row), current_.release());
    }
    ReturnToIdle();
    return true;
}

void CActionEditorDlg::OnDeleteAction() {
    EditorList& selected = EditList(kActSelected);
    const int row = selected.GetHighlighted();
    if (row < 0 || !AskYesNo(kReallyDelete, kCaptionDelete)) return;
    selected.RemoveRow(row);
    working_.Delete(working_[static_cast<size_t>(row)]);
    modified_ = true;
    ReturnToIdle();
}

void CActionEditorDlg::ReturnToIdle() {
    current_.reset();
    newAction_ = true;
    EditList(kActAvailable).Highlight(-1);
    EditList(kActSelected).Highlight(-1);
    ClearArgumentFields();
    for (int control : {kActArguments, kActValue, kActSetArgument, kActBrowse, kActSetAction, kActDelete})
        Enable(control, false);
    SetDefaultButton(kIdOk);
    SetFocus(kActAvailable);
}

void CActionEditorDlg::OnBrowseDesignators() {
    BrowseDesignatorsInto(kActValue, browseTask_);
}

bool CActionEditorDlg::OnOK() {
    return !current_ || ApplyAction();
}
