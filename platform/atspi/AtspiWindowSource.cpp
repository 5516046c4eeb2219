#include "platform/atspi/AtspiWindowSource.h"

#include <cctype>
#include <string_view>

#include "platform/atspi/AtspiObjects.h"

namespace {

// Role numbers as the capture knows them.
constexpr int kRoleMenuPopup = 11, kRoleMenuItem = 12, kRoleApplication = 14, kRoleDialog = 18,
              kRoleGrouping = 20, kRoleToolBar = 22, kRoleTable = 24, kRoleLink = 30, kRoleList = 33,
              kRoleOutline = 35, kRoleStaticText = 41, kRoleText = 42, kRolePushButton = 43, kRoleCheckButton = 44,
              kRoleRadioButton = 45, kRoleComboBox = 46, kRolePageTabList = 60, kRoleOther = 9;

// Style bits the capture reads, with their Win32 values.
constexpr std::uint32_t kDisabled = 0x08000000, kTabStop = 0x00010000,
                        kFrame = 0x00C80000, kDefaultButton = 1, kCheckBox = 3, kRadioButton = 9,
                        kMultiLine = 0x4, kReadOnly = 0x800;
constexpr std::uint32_t kMenuGrayed = 0x1, kMenuChecked = 0x8, kMenuPopup = 0x10, kMenuSeparator = 0x800;

bool IsDialogWindow(AtspiAccessible* accessible) {
    GHashTable* attributes = atspi_accessible_get_attributes(accessible, nullptr);
    if (!attributes) return false;
    const auto* type = static_cast<const gchar*>(g_hash_table_lookup(attributes, "window-type"));
    const bool dialog = type && std::string_view(type) == "dialog";
    g_hash_table_unref(attributes);
    return dialog;
}

int RoleNumber(AtspiAccessible* accessible, AtspiRole role, const std::string& name) {
    switch (role) {
    case ATSPI_ROLE_FRAME: return IsDialogWindow(accessible) ? kRoleDialog : kRoleApplication;
    case ATSPI_ROLE_DIALOG: return kRoleDialog;
    case ATSPI_ROLE_PANEL: return name.empty() ? kRoleOther : kRoleGrouping;
    case ATSPI_ROLE_PUSH_BUTTON: return kRolePushButton;
    case ATSPI_ROLE_CHECK_BOX: return kRoleCheckButton;
    case ATSPI_ROLE_RADIO_BUTTON: return kRoleRadioButton;
    case ATSPI_ROLE_COMBO_BOX: return kRoleComboBox;
    case ATSPI_ROLE_TEXT: return kRoleText;
    case ATSPI_ROLE_LABEL: return kRoleStaticText;
    case ATSPI_ROLE_LIST: return kRoleList;
    case ATSPI_ROLE_TABLE: return kRoleTable;
    case ATSPI_ROLE_TREE: return kRoleOutline;
    case ATSPI_ROLE_PAGE_TAB_LIST: return kRolePageTabList;
    case ATSPI_ROLE_TOOL_BAR: return kRoleToolBar;
    case ATSPI_ROLE_LINK: return kRoleLink;
    case ATSPI_ROLE_MENU: return kRoleMenuPopup;
    case ATSPI_ROLE_MENU_ITEM: return kRoleMenuItem;
    default: return kRoleOther;
    }
}

std::uint32_t StyleOf(AtspiStateSet* states, int role) {
    const auto has = [states](AtspiStateType state) { return atspi_state_set_contains(states, state) != 0; };
    std::uint32_t style = 0;
    if (has(ATSPI_STATE_SHOWING)) style |= kVisibleWindowStyle;
    if (!has(ATSPI_STATE_SENSITIVE)) style |= kDisabled;
    if (has(ATSPI_STATE_FOCUSABLE)) style |= kTabStop;
    switch (role) {
    case kRoleApplication: case kRoleDialog: style |= kFrame; break;
    case kRolePushButton: if (has(ATSPI_STATE_IS_DEFAULT)) style |= kDefaultButton; break;
    case kRoleCheckButton: style |= kCheckBox; break;
    case kRoleRadioButton: style |= kRadioButton; break;
    case kRoleText:
        if (has(ATSPI_STATE_MULTI_LINE)) style |= kMultiLine;
        if (!has(ATSPI_STATE_EDITABLE)) style |= kReadOnly;
        break;
    default: break;
    }
    return style;
}

std::string Lowered(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Objects that only arrange others.
bool IsLayoutOnly(AtspiRole role, const std::string& name) {
    return role == ATSPI_ROLE_FILLER || role == ATSPI_ROLE_SCROLL_PANE || role == ATSPI_ROLE_VIEWPORT ||
           (role == ATSPI_ROLE_PANEL && name.empty());
}

}  // namespace

// Walks the tree of one application once, filling the source's windows and menus.
class AtspiReader {
public:
    AtspiReader(WindowTreeSource& source, std::string toolkit) : source_(source), toolkit_(std::move(toolkit)) {}

    void ReadObject(AtspiAccessible* accessible, WindowHandle parent) {
        if (!visits_.FirstVisit(accessible)) return;
        const AtspiRole role = atspi_accessible_get_role(accessible, nullptr);
        const std::string name = AtspiName(accessible);
        if (role == ATSPI_ROLE_MENU_BAR) {
            if (parent && !source_.GetParent(parent) && !source_.GetMenu(parent)) source_.Window(parent).menu = ReadMenu(accessible);
            return;
        }
        AtspiRef<AtspiStateSet> states(atspi_accessible_get_state_set(accessible));
        WindowHandle window = parent;
        if (!IsLayoutOnly(role, name) && !IsGroupsOwnLabel(role, name, parent)) {
            window = AddWindow(accessible, role, name, states.get(), parent);
        }
        // Lists, tables and trees that manage their descendants hold items, not windows, and
        // perhaps a great many of them; a browser view's document holds a web page.
        if (atspi_state_set_contains(states.get(), ATSPI_STATE_MANAGES_DESCENDANTS) || role == ATSPI_ROLE_DOCUMENT_WEB) {
            return;
        }
        for (int i = 0; i < AtspiChildCount(accessible); ++i) {
            AtspiRef<AtspiAccessible> child(atspi_accessible_get_child_at_index(accessible, i, nullptr));
            if (child.get()) ReadObject(child.get(), window);
        }
    }

private:
    bool IsGroupsOwnLabel(AtspiRole role, const std::string& name, WindowHandle parent) const {
        return role == ATSPI_ROLE_LABEL && parent && source_.GetRole(parent) == kRoleGrouping && source_.GetText(parent) == name;
    }

    WindowHandle AddWindow(AtspiAccessible* accessible, AtspiRole role, const std::string& name, AtspiStateSet* states,
                           WindowHandle parent) {
        TreeWindow window;
        window.role = RoleNumber(accessible, role, name);
        window.className = toolkit_ + ":" + TakeAtspiString(atspi_accessible_get_role_name(accessible, nullptr));
        window.text = name;
        window.rect = AtspiExtents(accessible);
        window.style = StyleOf(states, *window.role);
        return source_.Add(std::move(window), parent);
    }

    MenuHandle ReadMenu(AtspiAccessible* menu) {
        std::vector<TreeMenuItem> items;
        for (int i = 0; i < AtspiChildCount(menu); ++i) {
            AtspiRef<AtspiAccessible> child(atspi_accessible_get_child_at_index(menu, i, nullptr));
            if (!child.get() || !visits_.FirstVisit(child.get())) continue;
            const AtspiRole role = atspi_accessible_get_role(child.get(), nullptr);
            TreeMenuItem item{.text = AtspiName(child.get())};
            if (role == ATSPI_ROLE_MENU) {
                item.state = kMenuPopup;
                item.subMenu = ReadMenu(child.get());
            } else if (role == ATSPI_ROLE_SEPARATOR) {
                item.state = kMenuSeparator;
            } else {
                AtspiRef<AtspiStateSet> states(atspi_accessible_get_state_set(child.get()));
                if (!atspi_state_set_contains(states.get(), ATSPI_STATE_SENSITIVE)) item.state |= kMenuGrayed;
                if (atspi_state_set_contains(states.get(), ATSPI_STATE_CHECKED)) item.state |= kMenuChecked;
            }
            items.push_back(std::move(item));
        }
        return source_.AddMenu(std::move(items));
    }

    WindowTreeSource& source_;
    std::string toolkit_;
    AtspiVisits visits_;
};

AtspiWindowSource::AtspiWindowSource(pid_t process) {
    atspi_init();
    AtspiRef<AtspiAccessible> desktop(atspi_get_desktop(0));
    for (int i = 0; i < AtspiChildCount(desktop.get()); ++i) {
        AtspiRef<AtspiAccessible> application(atspi_accessible_get_child_at_index(desktop.get(), i, nullptr));
        if (!application.get() || atspi_accessible_get_process_id(application.get(), nullptr) != static_cast<guint>(process)) continue;
        AtspiReader reader(*this, Lowered(TakeAtspiString(atspi_accessible_get_toolkit_name(application.get(), nullptr))));
        for (int w = 0; w < AtspiChildCount(application.get()); ++w) {
            AtspiRef<AtspiAccessible> window(atspi_accessible_get_child_at_index(application.get(), w, nullptr));
            if (window.get()) reader.ReadObject(window.get(), 0);
        }
        return;
    }
}
