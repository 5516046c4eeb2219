#include "conditions/WindowAssignments.h"

#include <vector>

#include "conditions/DesignatorLookup.h"
#include "conditions/DesignatorValues.h"
#include "conditions/ValueTypes.h"
#include "model/windows/WindowTypes.h"
#include "platform/TextUtil.h"

namespace {

enum class PropertyKind { kBool, kChoice, kText };

// A property that a window type accepts an assigned value for.
struct AssignedProperty {
    const char* name;  // designators match it without case
    PropertyKind kind;
    int message = 0;  // the refusal of a value that does not fit
    std::vector<const char*> words{};  // the values of a choice, matched without case
};

AssignedProperty Bool(const char* name, int message) { return {name, PropertyKind::kBool, message}; }
AssignedProperty Choice(const char* name, std::vector<const char*> words, int message) {
    return {name, PropertyKind::kChoice, message, std::move(words)};
}

// What an assignment to the window itself (or a row or cell of it) means.
enum class OwnValue { kNone, kAny, kRadioCaption, kCheckBox, kTabPage, kListRow, kTableCell };

struct WindowAssignmentRules {
    OwnValue own = OwnValue::kNone;
    int type = 0;  // the value type and action of the own value
    const char* action = "";
    int noValueMessage = 0;  // a designator without property where the window has no value
    std::vector<AssignedProperty> properties{};
};

WindowAssignmentRules NoValue(int message, std::vector<AssignedProperty> properties = {}) {
    return {OwnValue::kNone, 0, "", message, std::move(properties)};
}

WindowAssignmentRules Value(OwnValue own, int type, const char* action, std::vector<AssignedProperty> properties,
                            int noValueMessage = 0) {
    return {own, type, action, noValueMessage, std::move(properties)};
}

std::vector<WindowAssignmentRules> MakeAssignmentRules() {
    std::vector<WindowAssignmentRules> rules(kWindowTypeCount);
    const AssignedProperty staticGroup = Bool("$group", 44217), staticTabstop = Bool("$tabstop", 44218);
    rules[kWndMain] = NoValue(44148, {Bool("$titlebar", 44208), Bool("$systemmenu", 44209)});
    rules[kWndChild] = NoValue(44152, {Bool("$titlebar", 44210), Bool("$systemmenu", 44211)});
    rules[kWndDialogBox] = NoValue(
        44157, {Choice("$style", {"overlapped", "popup", "child"}, 44258), Bool("$systemmodal", 44259),
                Bool("$control", 44260), Bool("$controlparent", 44214), Bool("$titlebar", 44215),
                Bool("$systemmenu", 44216), staticGroup, staticTabstop});
    rules[kWndCustom] = NoValue(44156, {Bool("$titlebar", 44212), Bool("$systemmenu", 44213)});
    rules[kWndMenu] = NoValue(44194);
    rules[kWndStaticText] = NoValue(44161, {staticGroup, staticTabstop});
    rules[kWndInputField] =
        Value(OwnValue::kAny, kTypeInputValue, "SetInputField",
              {Bool("$group", 44219), Bool("$tabstop", 44220), Bool("$multiline", 44221), Bool("$wantreturn", 44222),
               Bool("$readonly", 44223), Bool("$number", 44224)});
    rules[kWndGroupBox] = Value(OwnValue::kRadioCaption, kTypeRadioButtonCaption, "SetRadioGroup",
                                {Bool("$group", 44251), Bool("$tabstop", 44252)});
    rules[kWndPushButton] =
        NoValue(44170, {Bool("$group", 44225), Bool("$tabstop", 44226), Bool("$defaultbutton", 44227)});
    rules[kWndCheckBox] = Value(OwnValue::kCheckBox, kTypeBoolOrUndetermined, "SetCheckBox",
                                {Bool("$group", 44228), Bool("$tabstop", 44229), Bool("$auto", 44230),
                                 Bool("$tristate", 44231)});
    rules[kWndRadioButton] = NoValue(44173, {Bool("$group", 44232), Bool("$tabstop", 44233), Bool("$auto", 44234)});
    rules[kWndComboBox] = Value(OwnValue::kAny, kTypeComboValue, "SetComboBox",
                                {Bool("$group", 44235), Bool("$tabstop", 44236),
                                 Choice("$boxtype", {"simple", "dropdown", "droplist"}, 44268), Bool("$sort", 44237)});
    rules[kWndListBox] = Value(OwnValue::kListRow, kTypeListBoxRow, "SetListBox",
                               {Bool("$group", 44238), Bool("$tabstop", 44239),
                                Choice("$selection", {"single", "multiple", "extended"}, 44269), Bool("$sort", 44240)},
                               44174);
    rules[kWndTabControl] = Value(OwnValue::kTabPage, kTypeTabPageCaption, "SetTabControl",
                                  {Bool("$group", 44244), Bool("$tabstop", 44245),
                                   Choice("$focus", {"default", "onbuttondown", "never"}, 44272),
                                   Bool("$multiline", 44246)});
    rules[kWndToolBar] = NoValue(44186);
    rules[kWndListView] = Value(OwnValue::kListRow, kTypeListViewRow, "SetListView",
                                {Bool("$group", 44241), Bool("$tabstop", 44242), Bool("$singleselection", 44243),
                                 Choice("$sort", {"none", "ascending", "descending"}, 44270)},
                                44175);
    rules[kWndHeader] = NoValue(44181);
    rules[kWndMenuItem] = NoValue(44195, {Bool("$separator", 44255), Bool("$checked", 44256), Bool("$popup", 44257)});
    rules[kWndTreeControl] = NoValue(44185, {Bool("$group", 44247), Bool("$tabstop", 44248),
                                             Bool("$hasbuttons", 44249), Bool("$editlabels", 44250)});
    rules[kWndTable] = Value(OwnValue::kTableCell, kTypeTableCell, "SetTableCell",
                             {Bool("$group", 44253), Bool("$tabstop", 44254)}, 44190);
    rules[kWndLink] = NoValue(44732, {{"$url", PropertyKind::kText}});
    rules[kWndImage] = NoValue(44867, {Bool("$group", 44868), Bool("$tabstop", 44869)});
    return rules;
}

const WindowAssignmentRules& AssignmentRulesOfType(int type) {
    static const std::vector<WindowAssignmentRules> rules = MakeAssignmentRules();
    return rules[type];
}

int AssignUserAttribute(const CWindowKav& window, std::string_view name, const DesignatorAssignment& assignment) {
    const CAttributeKav* attribute =
        window.GetAttributes().FindIf([&](const CAttributeKav* a) { return EqualsNoCase(a->GetName(), name); });
    if (!attribute) return RefuseAssignment(44203, name);
    if (!IsValueOfType(assignment.value, attribute->GetType()))
        return RefuseAssignment(44274, name, assignment.value);
    return assignment.Record(attribute->GetType(), "SetAttribute");
}

// The properties that every window type accepts: true, with the result, when the attribute is one.
bool AssignCommonProperty(const CWindowKav& window, std::string_view attribute, const DesignatorAssignment& assignment,
                          int& result) {
    auto truth = [&](int message) {
        result = RequireBool(assignment.value, message) ? assignment.Record(kTypeBool, "SetAttribute") : 0;
        return true;
    };
    if (EqualsNoCase(attribute, "$exist")) {
        int on = 0;
        if (!ParseBool(assignment.value, on)) result = RefuseAssignment(44205);
        else if (on) result = RecordWindowExists(window, assignment.combination, assignment.source);
        else result = RemoveWindowVariables(window, assignment.combination);
        return true;
    }
    if (EqualsNoCase(attribute, "$caption") || EqualsNoCase(attribute, "$tag")) {
        result = assignment.Record(kTypeString, "SetAttribute");
        return true;
    }
    if (EqualsNoCase(attribute, "$visible")) return truth(44206);
    if (EqualsNoCase(attribute, "$enabled")) return truth(44207);
    return false;
}

int AssignTypeProperty(const AssignedProperty& property, const DesignatorAssignment& assignment) {
    switch (property.kind) {
        case PropertyKind::kBool:
            if (!RequireBool(assignment.value, property.message)) return 0;
            return assignment.Record(kTypeBool, "SetAttribute");
        case PropertyKind::kChoice:
            for (const char* word : property.words)
                if (EqualsNoCase(assignment.value, word)) return assignment.Record(kTypeString, "SetAttribute");
            return RefuseAssignment(property.message);
        default: return assignment.Record(kTypeString, "SetAttribute");
    }
}

// A three-state box takes a truth value, "undetermined" or 0 to 2; the text is recorded as written.
int CheckCheckBoxValue(const CWindowKav& window, const std::string& value) {
    if (!static_cast<const CCheckBoxKav&>(window).IsTriState()) return RequireBool(value, 44267) ? 1 : 0;
    int state = 0;
    if (!ParseTriState(value, state)) return RefuseAssignment(44265);
    if (state < kFalse || state > kUndetermined) return RefuseAssignment(44266);
    return 1;
}

// The chosen page's window becomes visible and the other pages' windows invisible; the chosen
// page is left out of the invisible ones, so that a search's source, which keeps a first
// value, cannot leave it invisible.
int AssignTabPage(const CWindowKav& window, const DesignatorAssignment& assignment) {
    const auto& tabControl = static_cast<const CTabControlKav&>(window);
    const CTabPage* chosen = tabControl.FindTabPage(assignment.value);
    if (!chosen) return RefuseAssignment(44271, assignment.value);
    auto recordVisible = [&](const CTabPage& page, const char* visible) {
        return RecordDesignatorVariable(page.GetPageWindowId() + ":$Visible", kTypeBool, visible,
                                        assignment.combination, "SetAttribute", assignment.source) == 1;
    };
    for (const CTabPage* page : tabControl.GetPages())
        if (page != chosen && !recordVisible(*page, "FALSE")) return 0;
    if (!recordVisible(*chosen, "TRUE")) return 0;
    return assignment.Record(kTypeTabPageCaption, "SetTabControl");
}

int AssignOwnValue(const CWindowKav& window, const WindowAssignmentRules& rules,
                   const DesignatorAssignment& assignment) {
    switch (rules.own) {
        case OwnValue::kRadioCaption:
            if (!static_cast<const CGroupBoxKav&>(window).FindRadioButton(assignment.value))
                return RefuseAssignment(44273, assignment.value, window.GetName());
            break;
        case OwnValue::kCheckBox:
            if (!CheckCheckBoxValue(window, assignment.value)) return 0;
            break;
        case OwnValue::kTabPage: return AssignTabPage(window, assignment);
        default: break;
    }
    return assignment.Record(rules.type, rules.action);
}

// Rows and cells are taken as written: neither the control's contents nor the value are looked at.
bool IsRowOrCell(OwnValue own, std::string_view attribute) {
    int row = 0, column = 0;
    if (own == OwnValue::kListRow) return EqualsNoCase(attribute, "$last") || ReadListRow(attribute, row);
    return own == OwnValue::kTableCell && ReadTableCell(attribute, row, column);
}

}  // namespace

int DesignatorAssignment::Record(int type, const std::string& action) const {
    return RecordDesignatorVariable(designator, type, value, combination, action, source);
}

bool RequireBool(std::string_view value, int message) {
    int on = 0;
    if (ParseBool(value, on)) return true;
    SetMessage(message);
    return false;
}

int CheckWindowAssignment(const CWindowKav& window, std::string_view attribute, const DesignatorAssignment& assignment) {
    if (!attribute.empty() && attribute.front() != '$') return AssignUserAttribute(window, attribute, assignment);
    int result = 0;
    if (AssignCommonProperty(window, attribute, assignment, result)) return result;
    if (!IsWindowTypeCode(window.GetType())) return RefuseAssignment(41020);
    const WindowAssignmentRules& rules = AssignmentRulesOfType(window.GetType());
    if (attribute.empty()) {
        if (rules.noValueMessage) return RefuseAssignment(rules.noValueMessage);
        return AssignOwnValue(window, rules, assignment);
    }
    if (IsRowOrCell(rules.own, attribute)) return assignment.Record(rules.type, rules.action);
    for (const AssignedProperty& property : rules.properties)
        if (EqualsNoCase(property.name, attribute)) return AssignTypeProperty(property, assignment);
    return RefuseAssignment(44199, attribute);
}
