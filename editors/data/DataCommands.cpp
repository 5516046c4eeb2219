// The data commands that the frame hands the Test Data page while it is the active pane, and
// Import Test Data, which works from any pane on the page's selection. The frame has checked
// each command's enabling first, so the handlers do not test editability.
#include "editors/data/DataDlg.h"
#include "editors/data/DataEffectDlg.h"
#include "editors/data/DataEqClassDlg.h"
#include "editors/data/DataFieldDlg.h"
#include "editors/data/DataImportDlg.h"
#include "editors/data/DataRecordDlg.h"
#include "editors/data/DataSetDlg.h"
#include "editors/generation/GenerationViews.h"
#include "model/ApplicationKav.h"
#include "platform/Interaction.h"
#include "resources/MessageCatalogue.h"
#include "shell/CommandIds.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kReallyDeleteDataSet = 43037;
constexpr int kReallyDeleteDataField = 43038;
constexpr int kCaptionDeleteDataSet = 47081;
constexpr int kCaptionDeleteDataField = 47082;
constexpr int kUndoDeleteDataSet = 48020;
constexpr int kUndoDeleteDataField = 48021;
constexpr int kUndoEditDataSet = 48027;
constexpr int kUndoEditDataField = 48028;
constexpr int kUndoEditEqClasses = 48031;
constexpr int kUndoEditEffects = 48029;
constexpr int kUndoImportTestData = 48037;
constexpr int kUndoGenerateDataRecords = 48045;
constexpr int kImported = 42025;
constexpr int kCaptionImported = 47092;

}  // namespace

bool CDataDlg::IsDataCommandEnabled(int command) const {
    const int caret = tree_.GetCaret();
    const CDataObj* object = tree_.ObjectOf(caret);
    const int kind = object ? object->GetDataKind() : 0;
    switch (command) {
        case command::kNewDataSet: return caret != kNoDataItem && caret == tree_.GetProjectItem();
        case command::kNewDataField: return kind == kDataSet && object->IsEditable(false);
        case command::kPropertiesEditor: return object != nullptr;
        case command::kDelete: return (kind == kDataSet || kind == kDataField) && object->IsEditable(false);
        case command::kGenerateDataRecords: {
            const CDataSet* dataSet = DataSetOf(caret);
            return dataSet && dataSet->IsEditable(false);
        }
        case command::kImportTestData: return true;
        default: return false;
    }
}

void CDataDlg::RunDataCommand(int command) {
    switch (command) {
        case command::kNewDataSet: InsertData(1); break;
        case command::kNewDataField: InsertData(2); break;
        case command::kPropertiesEditor: EditProperties(); break;
        case command::kDelete: DeleteSelected(); break;
        case command::kGenerateDataRecords: GenerateDataRecords(); break;
        case command::kImportTestData: ImportTestData(); break;
        default: break;
    }
}

void CDataDlg::EditProperties() {
    CDataObj* parent = nullptr;
    CDataObj* grandparent = nullptr;
    CDataObj* object = GetSelectedObject(&parent, &grandparent);
    if (!object) return;
    switch (object->GetDataKind()) {
        case kDataSet: EditDataSet(static_cast<CDataSet&>(*object)); break;
        case kDataField: EditField(static_cast<CDataSet&>(*parent), static_cast<CDataField&>(*object)); break;
        case kDataEqClassGroup: {
            auto& dataSet = static_cast<CDataSet&>(*grandparent);
            auto& field = static_cast<CDataField&>(*parent);
            CDataEqClassDlg dialog(host_, *Project());
            if (!dialog.EditEqClasses(dataSet, field)) return;
            RefreshGroupItem(object, &dataSet, &field);
            host_.SetModified(LoadMessage(kUndoEditEqClasses));
            break;
        }
        case kDataRecordGroup: {
            auto& dataSet = static_cast<CDataSet&>(*parent);
            CDataRecordDlg dialog(host_, *Project());
            if (dialog.EditRecords(dataSet) != 1) return;
            RefreshGroupItem(object, &dataSet, nullptr);
            host_.SetModified(LoadMessage(kUndoEditDataRecords));
            break;
        }
        case kDataEffectGroup: {
            auto& dataSet = static_cast<CDataSet&>(*parent);
            CDataEffectDlg dialog(host_, *Project());
            if (dialog.EditEffects(dataSet) != 1) return;
            RefreshGroupItem(object, &dataSet, nullptr);
            host_.SetModified(LoadMessage(kUndoEditEffects));
            break;
        }
        default: break;
    }
}

void CDataDlg::ImportTestData() {
    CDataImportDlg dialog(host_, *Project());
    if (dialog.ImportIntoDataSet(DataSetOf(tree_.GetCaret())) != 1) return;
    host_.SetModified(LoadMessage(kUndoImportTestData));
    RebuildTree();
    GetInteraction().ShowMessage(
        {LoadMessage(kImported), LoadMessage(kCaptionImported), MessageButtons::Ok, MessageIcon::Information});
}

void CDataDlg::GenerateDataRecords() {
    CDataSet* dataSet = DataSetOf(tree_.GetCaret());
    if (!dataSet || CDataRecordGenDlg::Execute(*dataSet, MakeDataRecordGenViews(host_, showRecordReport_)) != 1) return;
    host_.SetModified(LoadMessage(kUndoGenerateDataRecords));
}

void CDataDlg::EditDataSet(CDataSet& dataSet) {
    CApplicationKav& project = *Project();
    const std::string oldName = dataSet.GetName();
    const std::string oldPath = project.GetObjectPathText(&dataSet);
    CDataSetDlg dialog(host_, project);
    if (!dialog.EditDataSet(dataSet)) return;
    if (dataSet.GetName() != oldName) project.RenameObjectReferences(oldPath, project.GetObjectPathText(&dataSet));
    RefreshGroupItem(&dataSet, &dataSet, nullptr);
    host_.SetModified(LoadMessage(kUndoEditDataSet));
}

void CDataDlg::EditField(CDataSet& dataSet, CDataField& field) {
    const std::string oldName = field.GetName();
    CDataFieldDlg dialog(host_, *Project());
    if (!dialog.EditField(dataSet, field)) return;
    if (field.GetName() != oldName) Project()->RenameAttributeReferences(&dataSet, oldName, field.GetName());
    // The dialog may have made the default classes.
    tree_.UpdateItem(tree_.FindEqClassGroupItem(field), false);
    RefreshGroupItem(&field, &dataSet, &field);
    host_.SetModified(LoadMessage(kUndoEditDataField));
}

bool CDataDlg::Ask(int questionId, int captionId) const {
    const MessageRequest question{LoadMessage(questionId), LoadMessage(captionId), MessageButtons::YesNo,
                                  MessageIcon::Warning, MessageAnswer::Yes};
    return GetInteraction().ShowMessage(question) == MessageAnswer::Yes;
}

void CDataDlg::DeleteSelected() {
    CDataObj* parent = nullptr;
    CDataObj* object = GetSelectedObject(&parent);
    if (!object) return;
    const int item = tree_.GetCaret();
    if (object->GetDataKind() == kDataSet) {
        if (!Ask(kReallyDeleteDataSet, kCaptionDeleteDataSet)) return;
        auto* dataSet = static_cast<CDataSet*>(object);
        Project()->RemoveReferencesFromTasks(nullptr, nullptr, nullptr, nullptr, dataSet);
        DeleteTreeItem(item);
        Project()->GetDataSets().Delete(dataSet);
        host_.SetModified(LoadMessage(kUndoDeleteDataSet));
    } else if (object->GetDataKind() == kDataField) {
        if (!Ask(kReallyDeleteDataField, kCaptionDeleteDataField)) return;
        auto* field = static_cast<CDataField*>(object);
        auto* dataSet = static_cast<CDataSet*>(parent);
        for (CDataRecord* record : dataSet->GetRecords()) record->GetValues().erase(field->GetId());
        DeleteTreeItem(item);
        dataSet->GetFields().Delete(field);
        host_.SetModified(LoadMessage(kUndoDeleteDataField));
    }
}
