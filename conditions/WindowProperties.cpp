#include "conditions/WindowProperties.h"

#include <optional>
#include <span>
#include <vector>

#include "conditions/DesignatorLookup.h"
#include "conditions/ValueTypes.h"
#include "model/windows/WindowTypes.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

// The current text of a property; none where the window has no text for it.
using PropertyValue = std::optional<std::string> (*)(const CWindowKav&);

struct WindowProperty {
    const char* name;  // as the catalogue shows it; designators match it without case
    int type;
    PropertyValue value;
};

std::optional<std::string> Truth(bool on) { return std::string(on ? "TRUE" : "FALSE"); }

template <std::uint32_t Bits>
std::optional<std::string> StyleHas(const CWindowKav& window) {
    return Truth((window.GetStyle() & Bits) == Bits);
}

template <class T>
const T& As(const CWindowKav& window) {
    return static_cast<const T&>(window);
}

std::optional<std::string> InitialValue(const CWindowKav& window) {
    return As<CExtraTextWindowKav>(window).GetInitialValue();
}

std::optional<std::string> NoText(const CWindowKav&) { return std::string(); }

// Accepted for every window type, in the order of the catalogue.
const WindowProperty kCommonProperties[] = {
    {"$Exist", kTypeBool, [](const CWindowKav&) { return Truth(false); }},
    {"$Caption", kTypeString, [](const CWindowKav& w) -> std::optional<std::string> { return w.GetCaption(); }},
    {"$Enabled", kTypeBool, [](const CWindowKav& w) { return Truth(w.IsEnabled()); }},
    {"$Tag", kTypeString, [](const CWindowKav& w) -> std::optional<std::string> { return w.GetTag(); }},
    {"$Visible", kTypeBool, [](const CWindowKav& w) { return Truth(w.IsVisible()); }},
};

const WindowProperty kGroup{"$Group", kTypeBool, StyleHas<win32::WS_GROUP>};
const WindowProperty kTabstop{"$Tabstop", kTypeBool, StyleHas<win32::WS_TABSTOP>};
const WindowProperty kTitlebar{"$Titlebar", kTypeBool, StyleHas<win32::WS_CAPTION>};
const WindowProperty kSystemMenu{"$SystemMenu", kTypeBool, StyleHas<win32::WS_SYSMENU>};

// Where a window's own value sits: the window itself, a row of it, a cell of it, or nowhere.
enum class ValueForm { kNone, kWindow, kListRow, kTableCell };

struct WindowValue {
    int checkType;
    int valueType;
    const char* action;
    PropertyValue value;
};

struct WindowTypeRules {
    ValueForm form;
    WindowValue value;
    int noValueCheckMessage;  // for a designator without property where the window has no value
    int noValueValueMessage;
    std::vector<WindowProperty> properties;  // the type's own, in the order of the catalogue
};

WindowTypeRules NoValue(int checkMessage, int valueMessage, std::vector<WindowProperty> properties) {
    return {ValueForm::kNone, {}, checkMessage, valueMessage, std::move(properties)};
}

WindowTypeRules OwnValue(ValueForm form, WindowValue value, std::vector<WindowProperty> properties,
                         int checkMessage = 0, int valueMessage = 0) {
    return {form, value, checkMessage, valueMessage, std::move(properties)};
}

std::vector<WindowTypeRules> MakeTypeRules() {
    using namespace win32;
    std::vector<WindowTypeRules> rules(kWindowTypeCount);
    rules[kWndMain] = NoValue(44149, 44150, {kTitlebar, kSystemMenu});
    rules[kWndChild] = NoValue(44153, 44151, {kTitlebar, kSystemMenu});
    rules[kWndDialogBox] = NoValue(
        44158, 44159,
        {{"$Style", kTypeString,
          [](const CWindowKav& w) -> std::optional<std::string> {
              switch (As<CDialogBoxKav>(w).GetStyleKind()) {
                  case CDialogBoxKav::kPopup: return "Popup";
                  case CDialogBoxKav::kChild: return "Child";
                  default: return "Overlapped";
              }
          }},
         kTitlebar, kSystemMenu,
         {"$SystemModal", kTypeBool, [](const CWindowKav& w) { return Truth(As<CDialogBoxKav>(w).IsSystemModal()); }},
         {"$Control", kTypeBool, [](const CWindowKav& w) { return Truth(As<CDialogBoxKav>(w).IsControl()); }},
         {"$ControlParent", kTypeBool,
          [](const CWindowKav& w) { return Truth(As<CDialogBoxKav>(w).IsControlParent()); }}});
    rules[kWndCustom] = NoValue(44154, 44155, {kTitlebar, kSystemMenu});
    rules[kWndMenu] = NoValue(44192, 44193, {});
    rules[kWndStaticText] = NoValue(44162, 44160, {kGroup, kTabstop});
    rules[kWndInputField] = OwnValue(ValueForm::kWindow, {kTypeInputValue, kTypeInputValue, "SetInputField", InitialValue},
                                     {{"$Multiline", kTypeBool, StyleHas<ES_MULTILINE>},
                                      {"$WantReturn", kTypeBool, StyleHas<ES_WANTRETURN>},
                                      {"$ReadOnly", kTypeBool, StyleHas<ES_READONLY>},
                                      {"$Number", kTypeBool, StyleHas<ES_NUMBER>},
                                      kGroup, kTabstop});
    rules[kWndGroupBox] = OwnValue(ValueForm::kWindow,
                                   {kTypeRadioButtonCaption, kTypeRadioButtonCaption, "SetRadioGroup", InitialValue},
                                   {kGroup, kTabstop});
    rules[kWndPushButton] = NoValue(
        44168, 44169,
        {{"$DefaultButton", kTypeBool, [](const CWindowKav& w) { return Truth(As<CPushButtonKav>(w).IsDefaultButton()); }},
         kGroup, kTabstop});
    rules[kWndCheckBox] = OwnValue(
        ValueForm::kWindow,
        {kTypeBoolOrUndetermined, kTypeBoolOrUndetermined, "SetCheckBox",
         [](const CWindowKav& w) -> std::optional<std::string> { return TriStateToText(As<CCheckBoxKav>(w).GetValue()); }},
        {{"$Auto", kTypeBool, [](const CWindowKav& w) { return Truth(As<CCheckBoxKav>(w).IsAuto()); }},
         {"$TriState", kTypeBool, [](const CWindowKav& w) { return Truth(As<CCheckBoxKav>(w).IsTriState()); }},
         kGroup, kTabstop});
    rules[kWndRadioButton] = NoValue(
        44171, 44172,
        {{"$Auto", kTypeBool, [](const CWindowKav& w) { return Truth(As<CRadioButtonKav>(w).IsAuto()); }}, kGroup,
         kTabstop});
    rules[kWndComboBox] = OwnValue(ValueForm::kWindow, {kTypeComboValue, kTypeComboValue, "SetComboBox", InitialValue},
                                   {{"$BoxType", kTypeString,
                                     [](const CWindowKav& w) -> std::optional<std::string> {
                                         switch (As<CComboBoxKav>(w).GetBoxType()) {
                                             case CComboBoxKav::kSimple: return "Simple";
                                             case CComboBoxKav::kDroplist: return "Droplist";
                                             default: return "Dropdown";
                                         }
                                     }},
                                    {"$Sort", kTypeBool, StyleHas<CBS_SORT>}, kGroup, kTabstop});
    rules[kWndListBox] = OwnValue(ValueForm::kListRow, {kTypeListBoxRow, kTypeListBoxRow, "SetListBox", NoText},
                                  {{"$Selection", kTypeString,
                                    [](const CWindowKav& w) -> std::optional<std::string> {
                                        switch (As<CListBoxKav>(w).GetSelectionMode()) {
                                            case CListBoxKav::kSingle: return "Single";
                                            case CListBoxKav::kMultiple: return "Multiple";
                                            case CListBoxKav::kExtended: return "Extended";
                                            default: return std::nullopt;  // no selection at all
                                        }
                                    }},
                                   {"$Sort", kTypeBool, StyleHas<LBS_SORT>}, kGroup, kTabstop},
                                  44176, 44178);
    rules[kWndTabControl] = OwnValue(
        ValueForm::kWindow,
        {kTypeTabPageCaption, kTypeTabPageCaption, "SetTabControl",
         [](const CWindowKav& w) -> std::optional<std::string> { return As<CTabControlKav>(w).GetSelectedPageTitle(); }},
        {{"$Focus", kTypeString,
          [](const CWindowKav& w) -> std::optional<std::string> {
              switch (As<CTabControlKav>(w).GetFocusMode()) {
                  case CTabControlKav::kFocusOnButtonDown: return "OnButtonDown";
                  case CTabControlKav::kFocusNever: return "Never";
                  default: return "Default";
              }
          }},
         {"$Multiline", kTypeBool, StyleHas<TCS_MULTILINE>}, kGroup, kTabstop});
    rules[kWndToolBar] = NoValue(44187, 44188, {});
    // A row of a list view is checked as a list view row but read as a list box row.
    rules[kWndListView] = OwnValue(ValueForm::kListRow, {kTypeListViewRow, kTypeListBoxRow, "SetListView", NoText},
                                   {{"$SingleSelection", kTypeBool, StyleHas<LVS_SINGLESEL>},
                                    {"$Sort", kTypeString,
                                     [](const CWindowKav& w) -> std::optional<std::string> {
                                         switch (As<CListViewKav>(w).GetSortOrder()) {
                                             case CListViewKav::kAscending: return "Ascending";
                                             case CListViewKav::kDescending: return "Descending";
                                             default: return "None";
                                         }
                                     }},
                                    kGroup, kTabstop},
                                   44177, 44179);
    rules[kWndHeader] = NoValue(44182, 44180, {});
    rules[kWndMenuItem] = NoValue(44196, 44197,
                                  {{"$Separator", kTypeBool, StyleHas<MF_SEPARATOR>},
                                   {"$Checked", kTypeBool, StyleHas<MF_CHECKED>},
                                   {"$Popup", kTypeBool, StyleHas<MF_POPUP>}});
    rules[kWndTreeControl] = NoValue(44183, 44184,
                                     {{"$HasButtons", kTypeBool, StyleHas<TVS_HASBUTTONS>},
                                      {"$EditLabels", kTypeBool, StyleHas<TVS_EDITLABELS>}, kGroup, kTabstop});
    rules[kWndTable] = OwnValue(ValueForm::kTableCell, {kTypeTableCell, kTypeTableCell, "SetTableCell", NoText},
                                {kGroup, kTabstop}, 44191, 44189);
    rules[kWndLink] = NoValue(44730, 44731, {{"$URL", kTypeString, InitialValue}});
    rules[kWndImage] = NoValue(44865, 44866, {kGroup, kTabstop});
    return rules;
}

const WindowTypeRules& RulesOfType(int type) {
    static const std::vector<WindowTypeRules> rules = MakeTypeRules();
    return rules[type];
}

const WindowProperty* FindProperty(std::span<const WindowProperty> properties, std::string_view name) {
    for (const WindowProperty& property : properties)
        if (EqualsNoCase(property.name, name)) return &property;
    return nullptr;
}

bool IsValueForm(ValueForm form, std::string_view attribute) {
    int row = 0, column = 0;
    switch (form) {
        case ValueForm::kWindow: return attribute.empty();
        case ValueForm::kListRow: return EqualsNoCase(attribute, "$last") || ReadListRow(attribute, row);
        case ValueForm::kTableCell: return ReadTableCell(attribute, row, column);
        default: return false;
    }
}

int DescribeProperty(const WindowProperty& property, const CWindowKav& window, DesignatorUse use,
                     DesignatorInfo& info) {
    info.type = property.type;
    if (use == DesignatorUse::kCheck) return 1;
    std::optional<std::string> value = property.value(window);
    if (!value) return 0;
    info.value = std::move(*value);
    return 1;
}

int DescribeWindowValue(const WindowValue& value, const CWindowKav& window, DesignatorUse use,
                        DesignatorInfo& info) {
    info.action = value.action;
    if (use == DesignatorUse::kCheck) {
        info.type = value.checkType;
        return 1;
    }
    info.type = value.valueType;
    info.value = *value.value(window);
    return 1;
}

}  // namespace

int DescribeWindowProperty(const CWindowKav& window, std::string_view attribute, DesignatorUse use,
                           DesignatorInfo& info) {
    if (const WindowProperty* common = FindProperty(kCommonProperties, attribute))
        return DescribeProperty(*common, window, use, info);
    if (!IsWindowTypeCode(window.GetType())) {
        SetMessage(ByUse(use, 41018, 41019));
        return 0;
    }
    const WindowTypeRules& rules = RulesOfType(window.GetType());
    if (IsValueForm(rules.form, attribute)) return DescribeWindowValue(rules.value, window, use, info);
    if (attribute.empty()) {
        SetMessage(ByUse(use, rules.noValueCheckMessage, rules.noValueValueMessage));
        return 0;
    }
    if (const WindowProperty* property = FindProperty(rules.properties, attribute))
        return DescribeProperty(*property, window, use, info);
    SetMessage(ByUse(use, 44200, 44198), attribute);
    return 0;
}

OwningList<CAttributeKav> BuildAttributeCatalogue(int windowType) {
    OwningList<CAttributeKav> catalogue;
    if (windowType == kWndMenu) return catalogue;
    for (const WindowProperty& property : kCommonProperties)
        if (windowType != kWndMenuItem || std::string_view(property.name) != "$Visible")
            catalogue.Add(new CAttributeKav(property.name, property.type, ""));
    if (!IsWindowTypeCode(windowType)) return catalogue;
    for (const WindowProperty& property : RulesOfType(windowType).properties)
        catalogue.Add(new CAttributeKav(property.name, property.type, ""));
    return catalogue;
}
