#include "editors/data/DataRecordDlg.h"

#include "model/CloneFlags.h"
#include "model/DataSet.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kRecordIdExists = 44372;
constexpr int kReallyDeleteRecord = 43036;
constexpr int kReallyDeleteRecords = 43039;

constexpr int kCaptionInvalidId = 47004;
constexpr int kCaptionDeleteRecord = 47056;
constexpr int kCaptionDeleteRecords = 47057;
constexpr int kCaptionRecordsOfDataSet = 47193;

constexpr int kTitleOrigin = 49142;
constexpr int kTitleEffects = 49143;
constexpr int kTitleEffectVars = 49144;
constexpr int kTitleValid = 49145;

// The record types of the choice, by their text ids in the choice's order; the origin each
// one deletes (0: every record, -1: the current record).
struct RecordTypeChoice {
    int textId;
    int origin;
};
constexpr RecordTypeChoice kRecordTypes[] = {
    {49136, 0}, {49137, kOriginDeltra}, {49138, kOriginEqClassMethod}, {49139, kOriginImported},
    {49140, kOriginManual}, {49141, -1},
};
constexpr int kSelectedTypeId = 49141;

const GridRect kGridPlace{7, 7, 7 + 688, 7 + 320};
constexpr GridColour kHighlight = 0x640000;
constexpr GridColour kHighlightText = 0xFFFFFF;

constexpr const char* kTrue = "TRUE";
constexpr const char* kFalse = "FALSE";

// The texts joined by ", ".
std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) {
        if (!joined.empty()) joined += ", ";
        joined += text;
    }
    return joined;
}

}  // namespace

CDataRecordDlg::CDataRecordDlg(EditorHost& host, CApplicationKav&)
    : EditorDialog(host, kResourceId), grid_(kRecordGrid, "Data Record Grid", *this) {
    AddControl(kRecordValue);
    AddControl(kRecordSet, "Set");
    AddControl(kRecordInsertBefore, "Insert Before");
    AddControl(kRecordInsertAfter, "Insert After");
    AddControl(kRecordType);
    AddControl(kRecordDelete, "Delete");
    AddControl(kRecordGrid);
}

int CDataRecordDlg::EditRecords(CDataSet& dataSet) {
    dataSet_ = &dataSet;
    readOnly_ = !dataSet.IsEditable(false);
    copies_.DeleteAll();
    for (const CDataRecord* record : dataSet.GetRecords()) {
        CDataRecord* copy = copies_.Add(record->Clone(kCloneKeepId | kCloneKeepFile));
        copy->SetTreeItem(record->GetTreeItem());
    }
    SetTitle(LoadMessage(kCaptionRecordsOfDataSet) + dataSet.GetName(), readOnly_);
    const int end = Host().RunModal(*this);
    currentRecord_ = nullptr;
    if (readOnly_ || end != kIdOk) {
        copies_.DeleteAll();
        return 0;
    }
    // The set's current record goes with the records; its copy takes its place.
    const CDataRecord* current = dataSet.GetCurrentRecord();
    const std::string currentId = current ? current->GetId() : std::string();
    dataSet.GetRecords() = std::move(copies_);
    dataSet.SetCurrentRecord(current ? dataSet.FindRecord(currentId, true) : nullptr);
    return 1;
}

void CDataRecordDlg::OnInitDialog() {
    std::vector<std::string> types;
    for (const RecordTypeChoice& type : kRecordTypes) types.push_back(LoadMessage(type.textId));
    SetItems(kRecordType, types);
    SetText(kRecordType, LoadMessage(kSelectedTypeId));
    DropEdit();
    RefillWithoutCurrentRecord();
}

bool CDataRecordDlg::OnOK() {
    if (readOnly_ || !editing_) return true;
    return ApplyValue();
}

int CDataRecordDlg::ControlHelpContext(int control) const {
    return control == kRecordGrid ? static_cast<int>(kGridHelpContext) : 0;
}

// ---- The grid

int CDataRecordDlg::FieldCount() const {
    return static_cast<int>(dataSet_->GetFields().size());
}

CDataField* CDataRecordDlg::FieldOfColumn(int column) const {
    const int index = column - kFirstFieldColumn;
    return index >= 0 && index < FieldCount() ? dataSet_->GetFields()[index] : nullptr;
}

void CDataRecordDlg::FillGrid() {
    grid_.Clear();
    grid_.Move(kGridPlace);
    grid_.SetSize(static_cast<int>(copies_.size()), FieldCount() + kColumnValid);
    grid_.SetTitleHeight(0);
    const int widths[] = {0, 50, 100, 100, 100};
    for (int column = 0; column <= kColumnEffectVars; ++column) grid_.SetColWidth(column, widths[column]);
    grid_.SetExtendLast(false);
    grid_.SetColResize(true);
    grid_.SetColLetters(false);
    grid_.SetEllipsis(true);
    grid_.SetEditable(false);
    grid_.SetHighlight(true);
    grid_.SetHighlightColor(kHighlight);
    grid_.SetHighlightTextColor(kHighlightText);
    cursorAfterPaint_ = false;

    grid_.SetCell({0, kColumnId}, "ID");
    grid_.SetCell({0, kColumnOrigin}, LoadMessage(kTitleOrigin));
    grid_.SetCell({0, kColumnEffects}, LoadMessage(kTitleEffects));
    grid_.SetCell({0, kColumnEffectVars}, LoadMessage(kTitleEffectVars));
    grid_.SetCell({0, kColumnValid}, LoadMessage(kTitleValid));
    const OwningList<CDataField>& fields = dataSet_->GetFields();
    for (int f = 0; f < FieldCount(); ++f) grid_.SetCell({0, kFirstFieldColumn + f}, fields[f]->GetName());

    bool anyEffect = false;
    int row = 0;
    for (const CDataRecord* record : copies_) {
        ++row;
        std::vector<std::string> effects;
        std::vector<std::string> variables;
        for (const std::string& effectId : record->GetEffectIds()) {
            const CDataEffect* effect = dataSet_->FindEffect(effectId, true);
            if (!effect) continue;
            effects.push_back(effect->GetName());
            if (const CAttributeKav* variable = effect->GetAttribute())
                variables.push_back(variable->GetName() + ": " + variable->GetValue());
        }
        anyEffect = anyEffect || !record->GetEffectIds().empty();
        grid_.SetCell({row, kColumnId}, record->GetName());
        grid_.SetCell({row, kColumnOrigin}, record->GetOriginText());
        grid_.SetCell({row, kColumnEffects}, Joined(effects));
        grid_.SetCell({row, kColumnEffectVars}, record->IsValid() ? Joined(variables) : std::string());
        grid_.SetCell({row, kColumnValid}, record->IsValid() ? kTrue : kFalse);
        for (int f = 0; f < FieldCount(); ++f) {
            auto value = record->GetValues().find(fields[f]->GetId());
            std::string text = value == record->GetValues().end() ? std::string() : value->second;
            if (fields[f]->GetType() == 3 && !EqualsNoCase(text, kTrue)) text = kFalse;
            grid_.SetCell({row, kFirstFieldColumn + f}, text);
        }
    }
    if (!copies_.empty() && !anyEffect) {
        grid_.SetColWidth(kColumnEffects, 0);
        grid_.SetColWidth(kColumnEffectVars, 0);
    }
}

void CDataRecordDlg::OnGridNotify(const GridNotice& notice) {
    if (notice.code == GN_CELLCHANGED || notice.code == GN_CLICK) SelectCell(notice.code, notice.row, notice.column);
}

void CDataRecordDlg::SelectCell(int code, int row, int column) {
    // A new record keeps the cursor until it has a name.
    if (currentRecord_ && currentColumn_ == kColumnId && currentRecord_->GetName().empty()) {
        grid_.SetCursor(currentRow_, kColumnId);
        SetFocus(kRecordValue);
        return;
    }
    cursorAfterPaint_ = true;
    currentRow_ = row;
    currentColumn_ = column;
    currentRecord_ = row >= 1 && row <= static_cast<int>(copies_.size()) ? copies_[row - 1] : nullptr;
    const int type = grid_.GetCellType({row, column});
    if (code == GN_CLICK && currentRecord_ && (type == kCellTrue || type == kCellFalse)) {
        DropEdit();
        UpdateControls();
        const char* toggled = type == kCellTrue ? kFalse : kTrue;
        grid_.SetCell({row, column}, toggled);
        if (column == kColumnValid) currentRecord_->SetValid(type == kCellFalse);
        else if (const CDataField* field = FieldOfColumn(column)) currentRecord_->GetValues().Set(field->GetId(), toggled);
        UpdateControls();
        return;
    }
    LoadCell();
}

void CDataRecordDlg::LoadCell() {
    if (!currentRecord_) return;
    const int type = grid_.GetCellType({currentRow_, currentColumn_});
    if (type == kCellTrue || type == kCellFalse) {
        DropEdit();
        UpdateControls();
        SetFocus(kRecordGrid);
        return;
    }
    cursorAfterPaint_ = true;
    if (currentColumn_ == kColumnId) {
        SetText(kRecordValue, currentRecord_->GetName());
        editing_ = true;
    } else if (currentColumn_ >= kColumnOrigin && currentColumn_ <= kColumnEffectVars) {
        SetText(kRecordValue, StoredValue(currentColumn_));
        editing_ = false;
        SetFocus(kRecordGrid);
    } else if (currentColumn_ >= kFirstFieldColumn) {
        if (!FieldOfColumn(currentColumn_)) return;
        SetText(kRecordValue, StoredValue(currentColumn_));
        editing_ = true;
    }
    UpdateControls();
}

std::string CDataRecordDlg::StoredValue(int column) {
    if (column == kColumnId) return currentRecord_->GetName();
    if (column == kColumnOrigin) return currentRecord_->GetOriginText();
    if (const CDataField* field = FieldOfColumn(column)) {
        auto value = currentRecord_->GetValues().find(field->GetId());
        return value == currentRecord_->GetValues().end() ? std::string() : value->second;
    }
    std::string text;
    grid_.GetCell({currentRow_, column}, text);
    return text;
}

// ---- Set, Insert, Delete

bool CDataRecordDlg::ApplyValue() {
    if (!currentRecord_) return false;
    const std::string value = GetText(kRecordValue);
    if (currentColumn_ == kColumnId) {
        const CDataRecord* other = copies_.FindIf([&](const CDataRecord* record) {
            return record != currentRecord_ && EqualsNoCase(record->GetName(), value);
        });
        if (other) return Refuse(kRecordIdExists, kCaptionInvalidId, kRecordValue);
        if (!currentRecord_->SetName(value))
            return RefuseWithText(GetGlobalMessageBuffer(), kCaptionInvalidId, kRecordValue);
    } else if (currentColumn_ == kColumnValid) {
        currentRecord_->SetValid(value == kTrue);
    } else if (currentColumn_ >= kFirstFieldColumn) {
        const CDataField* field = FieldOfColumn(currentColumn_);
        if (!field) return false;
        currentRecord_->GetValues().Set(field->GetId(), value);
    }
    grid_.SetCell({currentRow_, currentColumn_}, value);
    if (currentColumn_ < FieldCount() + kColumnValid) {
        ++currentColumn_;
        grid_.SetCursor(currentRow_, currentColumn_);
        LoadCell();
    }
    return true;
}

void CDataRecordDlg::InsertRecord(bool after) {
    DropEdit();
    UpdateControls();
    auto* record = new CDataRecord("", 1, kOriginManual);
    // It belongs where the records of its set belong.
    record->SetFile(dataSet_->GetFile());
    record->SetFileId(dataSet_->GetFileId());
    for (const CDataField* field : dataSet_->GetFields())
        record->GetValues().Set(field->GetId(), field->GetDefaultValue());
    if (currentRecord_) {
        const int index = copies_.IndexOf(currentRecord_);
        if (index < 0) {
            delete record;
            return;
        }
        copies_.InsertAt(static_cast<std::size_t>(after ? index + 1 : index), record);
        if (after) ++currentRow_;
    } else if (after) {
        copies_.Add(record);
        currentRow_ = static_cast<int>(copies_.size());
    } else {
        copies_.InsertAt(0, record);
        currentRow_ = 1;
    }
    FillGrid();
    cursorAfterPaint_ = true;
    grid_.SetCursor(currentRow_, kColumnId);
    currentRecord_ = record;
    currentColumn_ = kColumnId;
    editing_ = true;
    UpdateControls();
    Enable(kRecordInsertBefore, false);
    Enable(kRecordInsertAfter, false);
}

void CDataRecordDlg::OnDelete() {
    const bool selected = GetText(kRecordType) == LoadMessage(kSelectedTypeId);
    const bool yes = selected ? AskYesNo(kReallyDeleteRecord, kCaptionDeleteRecord)
                              : AskYesNo(kReallyDeleteRecords, kCaptionDeleteRecords);
    if (!yes) return;
    // With no record left to edit, nothing stays in the edit box to be set.
    DropEdit();
    UpdateControls();
    int origin = -1;
    for (const RecordTypeChoice& type : kRecordTypes)
        if (GetText(kRecordType) == LoadMessage(type.textId)) origin = type.origin;
    if (origin == -1) {
        if (currentRecord_) copies_.Delete(currentRecord_);
    } else {
        for (CDataRecord* record : copies_.Snapshot())
            if (origin == 0 || record->GetOrigin() == origin) copies_.Delete(record);
    }
    RefillWithoutCurrentRecord();
}

void CDataRecordDlg::RefillWithoutCurrentRecord() {
    currentRecord_ = nullptr;
    currentRow_ = 0;
    currentColumn_ = 0;
    FillGrid();
    UpdateControls();
}

// ---- Controls and keys

void CDataRecordDlg::DropEdit() {
    editing_ = false;
    SetText(kRecordValue, "");
}

void CDataRecordDlg::UpdateControls() {
    if (readOnly_) {
        for (int id : {kRecordValue, kRecordSet, kRecordInsertBefore, kRecordInsertAfter, kRecordDelete, kRecordType,
                       kRecordGrid})
            Enable(id, false);
        SetDefaultButton(kIdOk);
        return;
    }
    Enable(kRecordValue, editing_);
    Enable(kRecordSet, editing_);
    if (editing_) {
        SetDefaultButton(kRecordSet);
        SetFocus(kRecordValue);
    } else {
        SetDefaultButton(kIdOk);
    }
    Enable(kRecordInsertBefore);
    Enable(kRecordInsertAfter);
    Enable(kRecordType);
    Enable(kRecordDelete, currentRecord_ || GetText(kRecordType) != LoadMessage(kSelectedTypeId));
}

bool CDataRecordDlg::OnKey(GridKey key, bool shift, char32_t character, int focusedControl) {
    if (!cursorAfterPaint_) return false;
    switch (key) {
    case GridKey::Up:
    case GridKey::Down:
    case GridKey::PageUp:
    case GridKey::PageDown:
    case GridKey::Tab:
        grid_.OnKeyDown(key, shift);
        return true;
    default:
        break;
    }
    if (focusedControl == kRecordGrid) {
        if (key == GridKey::Return) {
            grid_.OnKeyDown(GridKey::Right);
            return true;
        }
        // Space clicks the cursor cell, so that it toggles a check box.
        if (key == GridKey::Char && character == U' ') {
            SelectCell(GN_CLICK, grid_.GetCursorRow(), grid_.GetCursorCol());
            return true;
        }
        return false;
    }
    if (key == GridKey::Escape) {
        if (currentRecord_ && currentColumn_ != kColumnValid) SetText(kRecordValue, StoredValue(currentColumn_));
        return true;
    }
    return false;
}
