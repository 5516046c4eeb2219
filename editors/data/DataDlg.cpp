#include "editors/data/DataDlg.h"

#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"
#include "editors/data/DataCaptions.h"
#include "shell/CommandIds.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kParentDataSetMissing = 41030;
constexpr int kDataSetExists = 44802;
constexpr int kFieldExists = 44803;
constexpr int kUndoCreateDataSet = 48002;
constexpr int kUndoCreateDataField = 48003;
constexpr int kUndoRenameDataSet = 48004;
constexpr int kUndoRenameDataField = 48005;

// The first name of the pattern with 1, 2, 3 ... for which taken says no.
template <class Taken>
std::string FirstFreeName(const char* prefix, Taken taken) {
    for (int number = 1;; ++number) {
        std::string name = prefix + std::to_string(number);
        if (!taken(name)) return name;
    }
}

void Warn(const std::string& text, const std::string& caption) {
    GetInteraction().ShowMessage({text, caption, MessageButtons::Ok, MessageIcon::Warning});
}

}  // namespace

CDataDlg::CDataDlg(EditorHost& host) : host_(host) {}

CApplicationKav* CDataDlg::Project() const { return CurrentApplication; }

CDataObj* CDataDlg::GetSelectedObject(CDataObj** parent, CDataObj** grandparent) const {
    const int caret = tree_.GetCaret();
    CDataObj* object = tree_.ObjectOf(caret);
    const int parentItem = object ? tree_.GetParent(caret) : kNoDataItem;
    if (parent) *parent = tree_.ObjectOf(parentItem);
    if (grandparent) *grandparent = tree_.ObjectOf(tree_.GetParent(parentItem));
    return object;
}

CFileKav* CDataDlg::GetSelectedFileItem() const {
    return tree_.FileOf(tree_.GetCaret());
}

CDataSet* CDataDlg::DataSetOf(int item) const {
    for (; item != kNoDataItem; item = tree_.GetParent(item))
        if (CDataObj* object = tree_.ObjectOf(item); object && object->GetDataKind() == kDataSet)
            return static_cast<CDataSet*>(object);
    return nullptr;
}

void CDataDlg::RebuildTreeKeepSelection() {
    CApplicationKav* project = Project();
    if (!project) return;
    // By the key: the objects the items showed may be gone with the project.
    const DataTreeCaretKey key = tree_.GetCaretKey();
    tree_.FillTree(*project);
    int item = kNoDataItem;
    switch (key.kind) {
        case kDataSet:
            if (const CDataSet* dataSet = project->FindDataSet(key.id, true)) item = tree_.ItemOf(*dataSet);
            break;
        case kDataField:
            if (const CDataSet* dataSet = project->FindDataSet(key.parentId, true))
                if (const CDataField* field = dataSet->FindField(key.id, true)) item = tree_.ItemOf(*field);
            break;
        case kDataEqClassGroup:
            if (const CDataSet* dataSet = project->FindDataSet(key.grandparentId, true))
                if (const CDataField* field = dataSet->FindField(key.parentId, true))
                    item = tree_.FindEqClassGroupItem(*field);
            break;
        case kDataRecordGroup:
        case kDataEffectGroup:
            if (const CDataSet* dataSet = project->FindDataSet(key.parentId, true))
                item = key.kind == kDataRecordGroup ? tree_.FindRecordsGroupItem(*dataSet)
                                                    : tree_.FindEffectsGroupItem(*dataSet);
            break;
        default: break;
    }
    if (item != kNoDataItem) tree_.Select(item);
}

void CDataDlg::InsertData(int mode) {
    CApplicationKav& project = *Project();
    CDataSet* dataSet = nullptr;
    CDataField* field = nullptr;
    int parent = kNoDataItem;
    int item = kNoDataItem;
    if (mode == 1) {
        CFileKav* mainFile = project.GetMainFile();
        const std::string name =
            FirstFreeName("NewSet", [&](const std::string& n) { return project.FindDataSet(n, false, mainFile); });
        dataSet = project.GetDataSets().Add(new CDataSet(name));
        dataSet->SetFile(mainFile);
        if (mainFile) dataSet->SetFileId(mainFile->GetID());
        parent = tree_.GetProjectItem();
        item = tree_.AddDataSetItem(*dataSet, parent);
    } else {
        CDataObj* selected = GetSelectedObject();
        if (!selected || selected->GetDataKind() != kDataSet) {
            GetInteraction().ShowMessage({LoadMessage(kParentDataSetMissing), LoadMessage(kCaptionFatalError),
                                          MessageButtons::Ok, MessageIcon::Error});
            return;
        }
        dataSet = static_cast<CDataSet*>(selected);
        const std::string name =
            FirstFreeName("NewField", [&](const std::string& n) { return dataSet->FindField(n); });
        field = dataSet->GetFields().Add(new CDataField(name));
        // At once in its set's file: a field without a file could not be renamed.
        field->SetFile(dataSet->GetFile());
        parent = tree_.ItemOf(*dataSet);
        item = tree_.AddFieldItem(*field, *dataSet);
    }
    host_.SetModified(LoadMessage(field ? kUndoCreateDataField : kUndoCreateDataSet));
    tree_.SortChildren(parent);
    tree_.Expand(parent);
    tree_.Select(item);
    host_.SendCommand(command::kPropertiesEditor);
    if (field)
        for (CDataRecord* record : dataSet->GetRecords()) record->GetValues().Set(field->GetId(), field->GetDefaultValue());
}

void CDataDlg::RefreshGroupItem(CDataObj* object, CDataSet* dataSet, CDataField* field) {
    if (!object) return;
    int item = kNoDataItem;
    switch (object->GetDataKind()) {
        case kDataSet:
        case kDataField: item = tree_.ItemOf(*object); break;
        case kDataEqClassGroup: item = field ? tree_.FindEqClassGroupItem(*field) : kNoDataItem; break;
        case kDataRecordGroup: item = dataSet ? tree_.FindRecordsGroupItem(*dataSet) : kNoDataItem; break;
        case kDataEffectGroup: item = dataSet ? tree_.FindEffectsGroupItem(*dataSet) : kNoDataItem; break;
        default: break;
    }
    if (item == kNoDataItem) return;
    tree_.UpdateItem(item, true);
    const int parent = tree_.GetParent(item);
    tree_.SortChildren(parent != kNoDataItem ? parent : tree_.GetProjectItem());
}

void CDataDlg::DeleteTreeItem(int item) {
    const int parent = tree_.GetParent(item);
    tree_.DeleteItem(item);
    tree_.UpdateItem(parent, true);
}

std::optional<std::string> CDataDlg::BeginLabelEdit(int item) {
    const CDataObj* object = tree_.ObjectOf(item);
    if (!object || (object->GetDataKind() != kDataSet && object->GetDataKind() != kDataField) ||
        !object->IsEditable(false))
        return std::nullopt;
    editingLabel_ = true;
    return object->GetName();
}

bool CDataDlg::EndLabelEdit(int item, bool cancelled, const std::string& text) {
    editingLabel_ = false;
    CDataObj* object = tree_.ObjectOf(item);
    if (!object) return false;
    tree_.UpdateItem(item, false);
    if (cancelled || text == object->GetName()) return false;
    if (object->GetDataKind() == kDataSet) return RenameDataSet(static_cast<CDataSet&>(*object), text);
    return RenameField(static_cast<CDataField&>(*object), text);
}

bool CDataDlg::RenameDataSet(CDataSet& dataSet, const std::string& name) {
    CApplicationKav& project = *Project();
    if (!EqualsNoCase(name, dataSet.GetName()) && project.FindDataSet(name, false, project.GetMainFile())) {
        Warn(LoadMessage(kDataSetExists), kCaptionNameNotUnique);
        return false;
    }
    const std::string oldPath = project.GetObjectPathText(&dataSet);
    if (!dataSet.SetName(name)) {
        Warn(GetGlobalMessageBuffer(), LoadMessage(kCaptionInvalidName));
        return false;
    }
    project.RenameObjectReferences(oldPath, project.GetObjectPathText(&dataSet));
    RefreshGroupItem(&dataSet, &dataSet, nullptr);
    host_.SetModified(LoadMessage(kUndoRenameDataSet));
    return true;
}

bool CDataDlg::RenameField(CDataField& field, const std::string& name) {
    CDataSet& dataSet = *DataSetOf(tree_.ItemOf(field));
    if (!EqualsNoCase(name, field.GetName()) && dataSet.FindField(name)) {
        Warn(LoadMessage(kFieldExists), kCaptionNameNotUnique);
        return false;
    }
    const std::string oldName = field.GetName();
    if (!field.SetName(name)) {
        Warn(GetGlobalMessageBuffer(), LoadMessage(kCaptionInvalidName));
        return false;
    }
    Project()->RenameAttributeReferences(&dataSet, oldName, name);
    RefreshGroupItem(&field, &dataSet, &field);
    host_.SetModified(LoadMessage(kUndoRenameDataField));
    return true;
}

TreeKeyResult CDataDlg::OnKey(TreeKey key, bool /*shift*/) {
    switch (key) {
        case TreeKey::F1: host_.ShowHelp(kHelpTopic); return TreeKeyResult::Handled;
        case TreeKey::F2:
            return editingLabel_ ? TreeKeyResult::NotHandled : TreeKeyResult::StartLabelEdit;
        case TreeKey::Delete:
            if (editingLabel_) return TreeKeyResult::NotHandled;
            host_.SendCommand(command::kDelete);
            return TreeKeyResult::Handled;
        case TreeKey::Enter:
            if (editingLabel_) return TreeKeyResult::NotHandled;
            OpenProperties();
            return TreeKeyResult::Handled;
        default: return TreeKeyResult::NotHandled;
    }
}

void CDataDlg::OpenProperties() {
    if (tree_.ObjectOf(tree_.GetCaret())) host_.SendCommand(command::kPropertiesEditor);
}

std::vector<TreeMenuEntry> CDataDlg::ContextMenu() const {
    return {
        {48091, command::kNewDataSet}, {48092, command::kNewDataField},        {0, 0},
        {48093, command::kPropertiesEditor}, {48094, command::kDelete},        {0, 0},
        {48095, command::kGenerateDataRecords}, {48096, command::kImportTestData},
    };
}

void CDataDlg::OnContextCommand(int command) { host_.SendCommand(command); }
