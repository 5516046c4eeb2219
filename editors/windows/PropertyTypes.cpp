#include "editors/windows/PropertyTypes.h"

#include "model/windows/WindowTypes.h"

namespace {

template <class T>
const T& As(const CWindowKav& window) {
    return static_cast<const T&>(window);
}

template <class T>
T& As(CWindowKav& window) {
    return static_cast<T&>(window);
}

TypeControl Check(int id, std::string label, int (*read)(const CWindowKav&), void (*write)(CWindowKav&, int)) {
    return {id, TypeControlKind::Check, std::move(label), {}, read, write};
}

TypeControl Choice(int id, std::string label, std::vector<std::string> items, int (*read)(const CWindowKav&),
                   void (*write)(CWindowKav&, int)) {
    return {id, TypeControlKind::Choice, std::move(label), std::move(items), read, write};
}

TypeControl InitialValue(int id, TypeControlKind kind, std::string label) {
    return {id,
            kind,
            std::move(label),
            {},
            nullptr,
            nullptr,
            [](const CWindowKav& w) { return As<CExtraTextWindowKav>(w).GetInitialValue(); },
            [](CWindowKav& w, const std::string& text) { As<CExtraTextWindowKav>(w).SetInitialValue(text); }};
}

std::vector<TypeControl> Frame(const char* sysMenuLabel = "S&ystem menu") {
    return {
        Check(kPropTitleBar, "Title&bar", [](const CWindowKav& w) -> int { return w.HasCaption(); },
              [](CWindowKav& w, int on) { w.SetHasCaption(on); }),
        Check(kPropSysMenu, sysMenuLabel, [](const CWindowKav& w) -> int { return w.HasSysMenu(); },
              [](CWindowKav& w, int on) { w.SetSysMenu(on); }),
    };
}

std::vector<TypeControl> TabOrder() {
    return {
        Check(kPropGroup, "&Group", [](const CWindowKav& w) -> int { return w.IsGroup(); },
              [](CWindowKav& w, int on) { w.SetGroup(on); }),
        Check(kPropTabStop, "Ta&b stop", [](const CWindowKav& w) -> int { return w.IsTabStop(); },
              [](CWindowKav& w, int on) { w.SetTabStop(on); }),
        {kPropTabNumber, TypeControlKind::Number, "Tab &number", {},
         [](const CWindowKav& w) { return w.GetTabNr(); }, [](CWindowKav& w, int number) { w.SetTabNr(number); }},
    };
}

std::vector<TypeControl> Join(std::vector<TypeControl> first, const std::vector<TypeControl>& more) {
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

std::vector<WindowTypeProperties> BuildTable() {
    std::vector<WindowTypeProperties> table(kWindowTypeCount);
    table[kWndMain] = {200, Frame()};
    table[kWndChild] = {230, Frame()};
    table[kWndDialogBox] = {
        202, Join({Choice(kPropDialogStyle, "St&yle", {"Overlapped", "Popup", "Child"},
                          [](const CWindowKav& w) { return As<CDialogBoxKav>(w).GetStyleKind(); },
                          [](CWindowKav& w, int kind) { As<CDialogBoxKav>(w).SetStyleKind(kind); }),
                   Check(kPropSystemModal, "System moda&l",
                         [](const CWindowKav& w) -> int { return As<CDialogBoxKav>(w).IsSystemModal(); },
                         [](CWindowKav& w, int on) { As<CDialogBoxKav>(w).SetSystemModal(on); })},
                  Frame("System me&nu"))};
    table[kWndCustom] = {194, Frame()};
    table[kWndMenu] = {226, {}, true};
    table[kWndStaticText] = {221, TabOrder()};
    table[kWndInputField] = {
        223,
        Join(TabOrder(),
             {Check(kPropMultiline, "&Multiline",
                    [](const CWindowKav& w) -> int { return As<CInputFieldKav>(w).IsMultiLine(); },
                    [](CWindowKav& w, int on) { As<CInputFieldKav>(w).SetMultiLine(on); }),
              Check(kPropWantReturn, "W&ant return",
                    [](const CWindowKav& w) -> int { return As<CInputFieldKav>(w).IsWantReturn(); },
                    [](CWindowKav& w, int on) { As<CInputFieldKav>(w).SetWantReturn(on); }),
              Check(kPropReadOnly, "Rea&d only",
                    [](const CWindowKav& w) -> int { return As<CInputFieldKav>(w).IsReadOnly(); },
                    [](CWindowKav& w, int on) { As<CInputFieldKav>(w).SetReadOnly(on); }),
              Check(kPropNumber, "Numbe&r", [](const CWindowKav& w) -> int { return As<CInputFieldKav>(w).IsNumber(); },
                    [](CWindowKav& w, int on) { As<CInputFieldKav>(w).SetNumber(on); }),
              InitialValue(kPropInitialValue, TypeControlKind::Text, "Initia&l value")})};
    table[kWndGroupBox] = {218, {InitialValue(kPropGroupBoxValue, TypeControlKind::Choice, "Initia&l Value")}};
    table[kWndPushButton] = {
        215, Join(TabOrder(), {Check(kPropDefaultButton, "&Default button",
                                     [](const CWindowKav& w) -> int { return As<CPushButtonKav>(w).IsDefaultButton(); },
                                     [](CWindowKav& w, int on) { As<CPushButtonKav>(w).SetDefaultButton(on); })})};
    table[kWndCheckBox] = {
        204, Join(TabOrder(), {Check(kPropAutoToggle, "&Auto toggle",
                                     [](const CWindowKav& w) -> int { return As<CCheckBoxKav>(w).IsAuto(); },
                                     [](CWindowKav& w, int on) { As<CCheckBoxKav>(w).SetAuto(on); }),
                               Check(kPropTriState, "T&ri-state",
                                     [](const CWindowKav& w) -> int { return As<CCheckBoxKav>(w).IsTriState(); },
                                     [](CWindowKav& w, int on) { As<CCheckBoxKav>(w).SetTriState(on); }),
                               Choice(kPropCheckValue, "Initia&l value", {"unchecked", "checked"},
                                      [](const CWindowKav& w) { return As<CCheckBoxKav>(w).GetValue(); },
                                      [](CWindowKav& w, int value) { As<CCheckBoxKav>(w).SetValue(value); })})};
    table[kWndRadioButton] = {217, TabOrder()};
    table[kWndComboBox] = {
        206, Join(TabOrder(), {Choice(kPropBoxType, "Bo&x type", {"Simple", "Dropdown", "Droplist"},
                                      [](const CWindowKav& w) { return As<CComboBoxKav>(w).GetBoxType(); },
                                      [](CWindowKav& w, int type) { As<CComboBoxKav>(w).SetBoxType(type); }),
                               Check(kPropComboSorted, "Items so&rted",
                                     [](const CWindowKav& w) -> int { return As<CComboBoxKav>(w).IsSorted(); },
                                     [](CWindowKav& w, int on) { As<CComboBoxKav>(w).SetSorted(on); }),
                               InitialValue(kPropComboValue, TypeControlKind::Text, "Initia&l value")})};
    table[kWndListBox] = {
        209, Join(TabOrder(), {Choice(kPropSelection, "Se&lection", {"Single", "Multiple", "Extended", "None"},
                                      [](const CWindowKav& w) { return As<CListBoxKav>(w).GetSelectionMode(); },
                                      [](CWindowKav& w, int mode) { As<CListBoxKav>(w).SetSelectionMode(mode); }),
                               Check(kPropListSorted, "Items so&rted",
                                     [](const CWindowKav& w) -> int { return As<CListBoxKav>(w).IsSorted(); },
                                     [](CWindowKav& w, int on) { As<CListBoxKav>(w).SetSorted(on); })})};
    table[kWndTabControl] = {
        213, Join(TabOrder(), {Choice(kPropFocus, "&Focus", {"Default", "OnButtonDown", "Never"},
                                      [](const CWindowKav& w) { return As<CTabControlKav>(w).GetFocusMode(); },
                                      [](CWindowKav& w, int mode) { As<CTabControlKav>(w).SetFocusMode(mode); }),
                               Check(kPropTabMultiline, "&Multiline",
                                     [](const CWindowKav& w) -> int { return As<CTabControlKav>(w).IsMultiLine(); },
                                     [](CWindowKav& w, int on) { As<CTabControlKav>(w).SetMultiLine(on); }),
                               {kPropTabPages, TypeControlKind::Button, "Tab &Pages..."}})};
    table[kWndToolBar] = {225, {}};
    table[kWndListView] = {
        211, Join(TabOrder(), {Choice(kPropSort, "So&rt", {"None", "Ascending", "Descending"},
                                      [](const CWindowKav& w) { return As<CListViewKav>(w).GetSortOrder(); },
                                      [](CWindowKav& w, int order) { As<CListViewKav>(w).SetSortOrder(order); }),
                               Check(kPropSingleSelect, "Sing&le select",
                                     [](const CWindowKav& w) -> int { return As<CListViewKav>(w).IsSingleSelection(); },
                                     [](CWindowKav& w, int on) { As<CListViewKav>(w).SetSingleSelection(on); })})};
    table[kWndHeader] = {208, {}};
    table[kWndMenuItem] = {
        228, {Check(kPropChecked, "Chec&ked", [](const CWindowKav& w) -> int { return As<CMenuItemKav>(w).IsChecked(); },
                    [](CWindowKav& w, int on) { As<CMenuItemKav>(w).SetChecked(on); }),
              Check(kPropPopup, "&Popup", [](const CWindowKav& w) -> int { return As<CMenuItemKav>(w).IsPopup(); },
                    [](CWindowKav& w, int on) { As<CMenuItemKav>(w).SetPopup(on); }),
              Check(kPropSeparator, "Sepa&rator",
                    [](const CWindowKav& w) -> int { return As<CMenuItemKav>(w).IsSeparator(); },
                    [](CWindowKav& w, int on) { As<CMenuItemKav>(w).SetSeparator(on); })}};
    table[kWndTreeControl] = {
        241, Join(TabOrder(), {Check(kPropHasButtons, "&Has Buttons",
                                     [](const CWindowKav& w) -> int { return As<CTreeControlKav>(w).HasButtons(); },
                                     [](CWindowKav& w, int on) { As<CTreeControlKav>(w).SetHasButtons(on); }),
                               Check(kPropEditLabels, "Edit &Labels",
                                     [](const CWindowKav& w) -> int { return As<CTreeControlKav>(w).IsEditLabels(); },
                                     [](CWindowKav& w, int on) { As<CTreeControlKav>(w).SetEditLabels(on); })})};
    table[kWndTable] = {245, TabOrder()};
    table[kWndLink] = {275, {InitialValue(kPropUrl, TypeControlKind::Text, "UR&L")}};
    table[kWndImage] = {282, TabOrder()};
    return table;
}

}  // namespace

const WindowTypeProperties& GetWindowTypeProperties(int type) {
    static const std::vector<WindowTypeProperties> table = BuildTable();
    return table.at(static_cast<size_t>(type));
}
