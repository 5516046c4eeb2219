#include "editors/EditorWindows.h"

#include <functional>
#include <typeindex>

#include "editors/steps/ParameterDlgUi.h"
#include "editors/steps/ConditionAdminUi.h"
#include "editors/steps/ConditionEditDlgUi.h"
#include "editors/steps/ActionEditorDlgUi.h"
#include "editors/data/DataRecordDlgUi.h"
#include "editors/generation/TCGDlgUi.h"
#include "editors/generation/TCGRandomDlgUi.h"
#include "editors/generation/TCGStatusDlgUi.h"
#include "editors/generation/DataRecordGenDlgUi.h"
#include "editors/generation/TestCaseAdminDlgUi.h"
#include "editors/conversion/TestcaseConverterDlgUi.h"
#include "editors/conversion/TPImportDlgUi.h"
#include "editors/steps/StepEditorDlgUi.h"
#include "editors/steps/TaskRequirementDlgUi.h"
#include "editors/steps/TaskEditorDlgUi.h"
#include "editors/data/DataSetDlgUi.h"
#include "editors/data/DataFieldDlgUi.h"
#include "editors/data/DataEqClassDlgUi.h"
#include "editors/steps/StepSubtaskEditorDlgUi.h"
#include "editors/steps/StepApiEditorDlgUi.h"
#include "editors/project/SearchTaskDlgUi.h"
#include "editors/project/SearchWndDlgUi.h"
#include "editors/project/SearchTransDlgUi.h"
#include "editors/project/FoundTransDlgUi.h"
#include "editors/data/DataEffectDlgUi.h"
#include "editors/data/DataImportDlgUi.h"
#include "editors/requirements/RequirementDlgUi.h"
#include "editors/windows/PropertiesDlgUi.h"
#include "editors/windows/RanorexPropsDlgUi.h"
#include "editors/windows/SmurfPropsDlgUi.h"
#include "editors/windows/TabEditorDlgUi.h"
#include "editors/windows/TypePropertiesDlgs.h"
#include "editors/windows/UftPropsDlgUi.h"
#include "editors/windows/ChangeWintypeDlgUi.h"
#include "editors/windows/StringSelectDlgUi.h"
#include "editors/windows/ReplaceWndDlgUi.h"
#include "editors/windows/TagGenerationDlgUi.h"
#include "editors/windows/TagMissingDlgUi.h"
#include "editors/project/ProjectAdministrationDlgUi.h"

namespace {

struct EditorWindowEntry {
    std::type_index dialogClass;
    std::function<std::unique_ptr<EditorDialogUi>(EditorDialog&, wxWindow*)> make;
};

template <class Dialog, class Window>
EditorWindowEntry Entry() {
    return {typeid(Dialog), [](EditorDialog& dialog, wxWindow* parent) {
                return std::make_unique<Window>(static_cast<Dialog&>(dialog), parent);
            }};
}

const std::vector<EditorWindowEntry>& EditorWindowTable() {
    static const std::vector<EditorWindowEntry> table{
        Entry<CParameterDlg, ParameterDlgUi>(),
        Entry<CConditionAdmin, ConditionAdminUi>(),
        Entry<CConditionEditDlg, ConditionEditDlgUi>(),
        Entry<CActionEditorDlg, ActionEditorDlgUi>(),
        Entry<CDataRecordDlg, DataRecordDlgUi>(),
        Entry<TCGDlgControls, TCGDlgUi>(),
        Entry<TCGRandomDlgControls, TCGRandomDlgUi>(),
        Entry<CTCGStatusDlg, TCGStatusDlgUi>(),
        Entry<DataRecordGenDlgControls, DataRecordGenDlgUi>(),
        Entry<TestCaseAdminDlgControls, TestCaseAdminDlgUi>(),
        Entry<TestcaseConverterDlgControls, TestcaseConverterDlgUi>(),
        Entry<TPImportDlgControls, TPImportDlgUi>(),
        Entry<CStepEditorDlg, StepEditorDlgUi>(),
        Entry<CTaskRequirementDlg, TaskRequirementDlgUi>(),
        Entry<CTaskEditorDlg, TaskEditorDlgUi>(),
        Entry<CDataSetDlg, DataSetDlgUi>(),
        Entry<CDataFieldDlg, DataFieldDlgUi>(),
        Entry<CDataEqClassDlg, DataEqClassDlgUi>(),
        Entry<CStepSubtaskEditorDlg, StepSubtaskEditorDlgUi>(),
        Entry<CStepApiEditorDlg, StepApiEditorDlgUi>(),
        Entry<CSearchTaskDlg, SearchTaskDlgUi>(),
        Entry<CSearchWndDlg, SearchWndDlgUi>(),
        Entry<CSearchTransDlg, SearchTransDlgUi>(),
        Entry<CFoundTransDlg, FoundTransDlgUi>(),
        Entry<CDataEffectDlg, DataEffectDlgUi>(),
        Entry<CDataImportDlg, DataImportDlgUi>(),
        Entry<CRequirementDlg, RequirementDlgUi>(),
        // Every window type's property dialog has the one window, laid out from the type table.
        Entry<CPropertiesDlg, PropertiesDlgUi>(),
        Entry<CPropsCheckBoxDlg, PropertiesDlgUi>(),
        Entry<CPropsGroupBoxDlg, PropertiesDlgUi>(),
        Entry<CPropsMenuItemDlg, PropertiesDlgUi>(),
        Entry<CPropsTabControlDlg, PropertiesDlgUi>(),
        Entry<CTabEditorDlg, TabEditorDlgUi>(),
        Entry<CPropsRanorexDlg, RanorexPropsDlgUi>(),
        Entry<CPropsSMURFDlg, SmurfPropsDlgUi>(),
        Entry<CPropsQTPDlg, UftPropsDlgUi>(),
        Entry<CChangeWintypeDlg, ChangeWintypeDlgUi>(),
        Entry<CStringSelectDlg, StringSelectDlgUi>(),
        Entry<CReplaceWndDlg, ReplaceWndDlgUi>(),
        Entry<CTagGenerationDlg, TagGenerationDlgUi>(),
        Entry<CTagMissingDlg, TagMissingDlgUi>(),
        Entry<CProjectAdministrationDlg, ProjectAdministrationDlgUi>(),
    };
    return table;
}

}  // namespace

std::unique_ptr<EditorDialogUi> MakeEditorWindow(EditorDialog& dialog, wxWindow* parent) {
    for (const EditorWindowEntry& entry : EditorWindowTable())
        if (entry.dialogClass == typeid(dialog)) return entry.make(dialog, parent);
    return nullptr;
}

int ShowEditorWindow(EditorDialog& dialog, wxWindow* parent) {
    std::unique_ptr<EditorDialogUi> window = MakeEditorWindow(dialog, parent);
    wxCHECK_MSG(window, kIdCancel, "an editor dialog without a window");
    return window->ShowModal() == wxID_OK ? kIdOk : kIdCancel;
}
