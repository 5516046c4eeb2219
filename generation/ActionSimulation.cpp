// What the predefined actions of a step do to the simulated application.
#include "conditions/ConditionContext.h"
#include "conditions/ConditionEvaluator.h"
#include "conditions/Designator.h"
#include "conditions/ValueTypes.h"
#include "generation/GuiSimulation.h"
#include "generation/SimulationSupport.h"
#include "model/ActionKav.h"
#include "model/DataSet.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

enum ActionCode : int {
    kSetAttribute = 1, kSetInputField = 2, kSetCheckBox = 3, kSetRadioGroup = 4, kSetComboBox = 5,
    kOpenWindow = 6, kOpenModalDialog = 7, kCloseWindow = 8, kCloseApplication = 9, kSetTabControl = 10,
    kSetListBox = 11, kSetListView = 12, kSetTableCell = 13, kNextDataRecord = 14, kResetDataRecord = 15,
    kGotoDataRecord = 16,
};

// The designator that a "Name" argument holds between its "#" signs.
std::string NamedDesignator(const CArgumentKav& name) {
    const std::string text = name.GetValue();
    return text.size() >= 2 ? text.substr(1, text.size() - 2) : std::string();
}

int SimulateSet(const CActionKav& action, CCombination& combination, bool verify, bool taskStep,
                ActionEffects& effects) {
    const CArgumentKav* name = action.FindArgument("Name");
    const CArgumentKav* valueArgument = action.FindArgument("Value");
    if (!name || !valueArgument) {
        SetMessage(41155);
        return 0;
    }
    std::string value;
    if (!CheckArgumentType(*valueArgument, combination, value)) return 0;
    const std::string designator = NamedDesignator(*name);
    if (!AssignDesignator(designator, value, combination)) return 0;
    if (!verify) return 1;
    return CreateVerifyStep(designator, value, action.GetNumber(), combination, taskStep, effects.verifyStep) == 1 ? 1
                                                                                                              : 0;
}

// Opening (values TRUE) and closing a window: the named window's properties in order. Closing
// a window that cannot be recorded changes nothing, and the path goes on.
int SimulateWindowAction(const CActionKav& action, CCombination& combination, int missingMessage,
                         std::initializer_list<const char*> properties, const char* value) {
    const CArgumentKav* name = action.FindArgument("Name");
    if (!name) {
        SetMessage(missingMessage);
        return 0;
    }
    const std::string window = NamedDesignator(*name);
    const bool closing = value == std::string_view("FALSE");
    for (const char* property : properties)
        if (!AssignDesignator(window + property, value, combination) && !closing) return 0;
    return 1;
}

int SimulateRecordAction(const CActionKav& action, const CCombination& combination, const CDataSet* dataSetInUse) {
    const bool gotoRecord = action.GetNumber() == kGotoDataRecord;
    const CArgumentKav* dataSetArgument = action.FindArgument("Dataset");
    const CArgumentKav* choice = action.FindArgument(gotoRecord ? "RecordID" : "RecordType");
    if (!dataSetArgument || !choice) {
        SetMessage(41033);
        return 0;
    }
    const std::string designator = dataSetArgument->GetValue();
    CKavroObj* object = ResolveDesignatorObject(designator);
    auto* dataSet = object && object->GetKind() == kKindDataObject ? dynamic_cast<CDataSet*>(object) : nullptr;
    if (!dataSet) {
        SetMessage(44954, designator);
        return 0;
    }
    if (dataSet == dataSetInUse) {
        SetMessage(44955);
        return 0;
    }
    if (gotoRecord) {
        std::string id;
        if (!CheckArgumentType(*choice, combination, id)) return 0;
        CDataRecord* record = dataSet->FindRecord(id);
        if (!record) {
            SetMessage(44956, id);
            return 0;
        }
        dataSet->SetCurrentRecord(record);
        return 1;
    }
    if (action.GetNumber() == kResetDataRecord) dataSet->SetCurrentRecord(nullptr);
    const std::string type = choice->GetValue();
    const int kind = EqualsNoCase(type, "v") ? kRecordsValid : EqualsNoCase(type, "i") ? kRecordsInvalid : kRecordsAll;
    bool wrapped = false;
    dataSet->GetNextRecord(kind, wrapped);
    return 1;
}

}  // namespace

int CheckArgumentType(const CArgumentKav& argument, const CCombination& combination, std::string& value) {
    bool constant = false;
    int type = 0;
    if (EvaluateConditionText(InitConditionContext(), argument.GetValue(), value, constant, type, combination) != 1)
        return 0;
    if (!AreTypesCompatible(type, argument.GetValueType())) {
        SetMessage(44507, argument.GetName());
        return 0;
    }
    return 1;
}

int SimulateAction(const CActionKav& action, CCombination& combination, bool verify, bool taskStep,
                   const CDataSet* dataSetInUse, ActionEffects& effects) {
    effects = ActionEffects{};
    switch (action.GetNumber()) {
        case kSetAttribute:
        case kSetInputField:
        case kSetCheckBox:
        case kSetRadioGroup:
        case kSetComboBox:
        case kSetTabControl:
        case kSetListBox:
        case kSetListView:
        case kSetTableCell: return SimulateSet(action, combination, verify, taskStep, effects);
        case kOpenWindow:
            return SimulateWindowAction(action, combination, 41156, {":$Exist", ":$Visible", ":$Enabled"}, "TRUE");
        case kOpenModalDialog:
            return SimulateWindowAction(action, combination, 41157,
                                        {":$Exist", ":$Visible", ":$Enabled", ":$SystemModal"}, "TRUE");
        case kCloseWindow: return SimulateWindowAction(action, combination, 41158, {":$Exist"}, "FALSE");
        case kCloseApplication: effects.applicationClosed = true; return 1;
        case kNextDataRecord:
        case kResetDataRecord:
        case kGotoDataRecord: return SimulateRecordAction(action, combination, dataSetInUse);
        default: SetMessage(41063); return 0;
    }
}
