#include "model/ActionCatalogue.h"

#include "conditions/ValueTypes.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"

namespace {

// Argument names of the string table.
constexpr int kArgName = 49238;
constexpr int kArgValue = 49239;
constexpr int kArgDataset = 49329;
constexpr int kArgRecordType = 49330;
constexpr int kArgRecordId = 49331;

struct ArgumentSpec {
    int number;
    int nameId;
    int valueType;
};

struct ActionSpec {
    int number;
    const char* name;
    std::vector<ArgumentSpec> arguments;
};

const std::vector<ActionSpec>& PredefinedActions() {
    static const std::vector<ActionSpec> actions = {
        {1, "SetAttribute", {{1, kArgName, kTypeDesignator}, {6, kArgValue, kTypeUndetermined}}},
        {2, "SetInputField", {{2, kArgName, kTypeDesignator}, {7, kArgValue, kTypeInputValue}}},
        {3, "SetCheckBox", {{3, kArgName, kTypeDesignator}, {8, kArgValue, kTypeBoolOrUndetermined}}},
        {4, "SetRadioGroup", {{4, kArgName, kTypeDesignator}, {9, kArgValue, kTypeRadioButtonCaption}}},
        {5, "SetComboBox", {{5, kArgName, kTypeDesignator}, {10, kArgValue, kTypeComboValue}}},
        {6, "OpenWindow", {{11, kArgName, kTypeWindowId}}},
        {7, "OpenModalDialog", {{12, kArgName, kTypeWindowId}}},
        {8, "CloseWindow", {{13, kArgName, kTypeWindowId}}},
        {9, "CloseApplication", {}},
        {10, "SetTabControl", {{14, kArgName, kTypeDesignator}, {15, kArgValue, kTypeTabPageCaption}}},
        {11, "SetListBox", {{16, kArgName, kTypeDesignator}, {17, kArgValue, kTypeListBoxRow}}},
        {12, "SetListView", {{18, kArgName, kTypeDesignator}, {19, kArgValue, kTypeListViewRow}}},
        {13, "SetTableCell", {{20, kArgName, kTypeDesignator}, {21, kArgValue, kTypeTableCell}}},
        {14, "NextDataRecord", {{22, kArgDataset, kTypeDataSetName}, {23, kArgRecordType, kTypeRecordChoice}}},
        {15, "ResetDataRecord", {{24, kArgDataset, kTypeDataSetName}, {25, kArgRecordType, kTypeRecordChoice}}},
        {16, "GotoDataRecord", {{26, kArgDataset, kTypeDataSetName}, {27, kArgRecordId, kTypeString}}},
    };
    return actions;
}

}  // namespace

CActionlistKav& GetActionCatalogue() {
    static CActionlistKav catalogue;
    static const bool filled = (InitPredefinedActions(catalogue), true);
    (void)filled;
    return catalogue;
}

void InitPredefinedActions(CActionlistKav& catalogue) {
    for (const ActionSpec& spec : PredefinedActions()) {
        CActionKav* action = catalogue.Add(new CActionKav(spec.number, spec.name));
        for (const ArgumentSpec& argument : spec.arguments)
            action->GetArguments().Add(new CArgumentKav(argument.number, LoadMessage(argument.nameId), argument.valueType));
    }
}

const CActionKav* FindPredefinedAction(const CActionlistKav& catalogue, int number) {
    return catalogue.FindIf([&](const CActionKav* entry) { return entry->GetNumber() == number; });
}

const CActionKav* FindPredefinedActionByName(const CActionlistKav& catalogue, const std::string& name) {
    return catalogue.FindIf([&](const CActionKav* entry) { return EqualsNoCase(entry->GetName(), name); });
}

std::vector<std::string> GetPredefinedActionNames(const CActionlistKav& catalogue) {
    std::vector<std::string> names;
    for (const CActionKav* entry : catalogue) names.push_back(entry->GetName());
    return names;
}
