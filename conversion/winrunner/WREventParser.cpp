// The TSL statement of each event, on the logical names of the GUI map.
#include "conversion/winrunner/WREventParser.h"

#include "conditions/EventRules.h"
#include "conversion/framework/ConverterHelpers.h"
#include "conversion/winrunner/WinRunnerFormat.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"

namespace {

constexpr int kAreaWithoutParent = 44734;
constexpr int kRadioButtonNotSelected = 45119;
constexpr int kRadioButtonNotVerified = 44702;
// What the base passes as third argument when a combo box's own value is verified.
constexpr const char* kVerifyInputField = "_VERIFY_INPUTFIELD";

// Two lines of a statement: the second one tab deep.
constexpr const char* kNextLine = "\n\t";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// The logical name of a combo box's list, of any other window its name.
std::string ListName(const CWindowKav& window) {
    return window.GetType() == kWndComboBox ? window.GetName() + "_list" : window.GetName();
}

// How a checked list item or menu item is written.
std::string CheckState(int state) {
    switch (state) {
        case 0: return "OFF";
        case 1: return "ON";
        case 2: return "DIMMED";
        default: return {};
    }
}

std::string MenuCheckState(int state) { return state == 0 ? "0" : state == 1 ? "1" : ""; }

bool IsStatusBar(const CWindowKav& window) { return window.GetClass() == "msctls_statusbar32"; }

// The first line that finds how many entries a list has, for statements on its last entry.
std::string CountListItems(const std::string& name) {
    return "list_get_info(" + Quoted(name) + ", \"count\", help);  # Determine number of list items " + kNextLine;
}

// A list entry: its text, its number, or the last one.
std::string ListEntryStatement(const std::string& function, const std::string& name, const std::string& item, int index,
                               const std::string& rest) {
    if (index == kLastEntryIndex)
        return CountListItems(name) + function + "(" + Quoted(name) + ", \"#\"&(help-1)" + rest + ");";
    const std::string entry = item.empty() ? Fmt("\"#%d\"", index) : Quoted(item);
    return function + "(" + Quoted(name) + ", " + entry + rest + ");";
}

// The property that holds a window's caption.
std::string CaptionProperty(const CWindowKav& window) {
    if (IsStatusBar(window)) return "value";
    if (window.GetGuiID() != kHtmlGui) return "label";
    const int type = window.GetType();
    return type == kWndCheckBox || type == kWndRadioButton ? "value" : "name";
}

std::string TruthValue(const std::string& value) { return EqualsNoCase(value, "true") ? "1" : "0"; }

// The checkpoint class of a window, and the logical name when it differs from the window's.
void VerifyClass(const CWindowKav& window, const std::string& attribute, const std::string& third,
                 std::string& className, std::string& name) {
    name = window.GetName();
    if (window.GetGuiID() == kHtmlGui) {
        className = "web_obj";
        name = ListName(window);
        return;
    }
    switch (window.GetType()) {
        case kWndMain:
        case kWndChild:
        case kWndDialogBox:
        case kWndCustom:
            className = window.HasCaption()                                                 ? "window"
                        : window.GetClass().find("msctls_statusbar32") != std::string::npos ? "statusbar"
                                                                                            : "object";
            return;
        case kWndStaticText:
        case kWndGroupBox:
        case kWndToolBar:
        case kWndHeader: className = "object"; return;
        case kWndInputField: className = "edit"; return;
        case kWndPushButton:
        case kWndCheckBox:
        case kWndRadioButton: className = "button"; return;
        case kWndComboBox:
            if (!IsDroplistComboBox(window) && (EqualsNoCase(attribute, "focus") || third == kVerifyInputField)) {
                className = "edit";
                name += "_edit";
            } else {
                className = "list";
                name += "_list";
            }
            return;
        case kWndListBox:
        case kWndListView:
        case kWndTreeControl: className = "list"; return;
        case kWndTabControl: className = "tab"; return;
        case kWndMenuItem: className = "menu_item"; return;
        case kWndTable: className = "table"; return;
        default: className = "undefined"; return;
    }
}

std::string WaitFunction(const CWindowKav& window) {
    switch (window.GetType()) {
        case kWndMain:
        case kWndChild:
        case kWndDialogBox:
        case kWndCustom:
            return window.HasCaption()   ? "win_wait_info"
                   : IsStatusBar(window) ? "statusbar_wait_info"
                                         : "obj_wait_info";
        case kWndStaticText: return "static_wait_info";
        case kWndInputField: return "edit_wait_info";
        case kWndGroupBox:
        case kWndHeader:
        case kWndTable: return "obj_wait_info";
        case kWndPushButton:
        case kWndCheckBox:
        case kWndRadioButton: return "button_wait_info";
        case kWndComboBox:
        case kWndListBox:
        case kWndListView:
        case kWndTreeControl: return "list_wait_info";
        case kWndTabControl: return "tab_wait_info";
        case kWndToolBar: return "toolbar_wait_info";
        case kWndMenuItem: return "menu_wait_info";
        default: return "undefined";
    }
}

}  // namespace

std::unique_ptr<CEventParser> CreateWinRunnerEventParser() { return std::make_unique<CWREventParser>(); }

bool CWREventParser::IsWindowUnsupported(const CWindowKav* window, int) {
    switch (window->GetType()) {
        case kWndRadioButton:
        case kWndMenu: return true;
        case kWndMenuItem: return static_cast<const CMenuItemKav*>(window)->IsSeparator();
        default: return false;
    }
}

bool CWREventParser::IsTagOptional(const CWindowKav* window, int) { return IsWindowUnsupported(window, 1); }

int CWREventParser::TranslateCheck(const CWindowKav* window, int state, const std::string& item, int index,
                                   std::string& out) {
    const std::string name = window->GetName();
    switch (window->GetType()) {
        case kWndCheckBox: out = "button_set(" + Quoted(name) + ", " + CheckState(state) + ");"; return 1;
        case kWndListBox:
        case kWndListView:
        case kWndTreeControl:
            out = ListEntryStatement("list_set_item_state", name, item, index, ", " + CheckState(state));
            return 1;
        case kWndMenuItem:
            out = "menu_get_info(" + Quoted(name) + ", \"value\", rc);" + kNextLine +
                  "if (rc != " + MenuCheckState(state) + ") menu_select_item(" + Quoted(name) + ");";
            return 1;
        default: return 1;
    }
}

int CWREventParser::TranslateClick(const CWindowKav* window, char button, int clicks, int x, int y, std::string& out) {
    const std::string name = ListName(*window);
    const std::string mouseButton = button == 'L' ? "LEFT" : button == 'R' ? "RIGHT" : "";
    const int type = window->GetType();
    if (type == kWndPushButton && button == 'L' && clicks == 1) {
        out = "button_press(" + Quoted(name) + ");";
    } else if (type == kWndToolBar) {
        out = Fmt("toolbar_button_press(%s, \"#%d\", %s);", Quoted(name), x, mouseButton);
    } else if (type == kWndMenuItem) {
        out = "menu_select_item(" + Quoted(name) + ");";
    } else if (type == kWndTable) {
        const char* function = clicks == 1 ? "tbl_set_selected_cell" : clicks == 2 ? "tbl_activate_cell" : "";
        out = Fmt("%s(%s, \"#%d\", \"#%d\");", function, Quoted(name), x, y);
    } else if (type == kWndLink && EqualsNoCase(window->GetClass(), "html_area")) {
        // An area is clicked at its middle in the image it belongs to.
        const CWindowKav* image = window->GetParent();
        if (!image) {
            out.clear();
            SetMessage(kAreaWithoutParent, window->GetName());
            return 0;
        }
        const WindowRect& area = window->GetRect();
        out = Fmt("web_image_click(%s, %d, %d);", Quoted(image->GetName()), x + (area.left + area.right) / 2,
                  y + (area.top + area.bottom) / 2);
    } else if (type == kWndLink) {
        out = "web_link_click(" + Quoted(name) + ");";
    } else if (EqualsNoCase(window->GetClass(), "html_rect")) {
        out = Fmt("web_image_click(%s, %d, %d);", Quoted(name), x, y);
    } else {
        const char* function = window->HasCaption() ? (clicks == 2 ? "win_mouse_dbl_click" : "win_mouse_click")
                                                    : (clicks == 2 ? "obj_mouse_dbl_click" : "obj_mouse_click");
        out = Fmt("%s(%s, %d, %d, %s);", function, Quoted(name), x, y, mouseButton);
    }
    return 1;
}

int CWREventParser::TranslateType(const CWindowKav* window, const std::string& keys, std::string& out) {
    out = (window->HasCaption() ? "win_type(" : "obj_type(") + Quoted(ListName(*window)) + ", " + Quoted(keys) + ");";
    return 1;
}

int CWREventParser::TranslateInput(const CWindowKav* window, const std::string& text, int row, int column,
                                   std::string& out) {
    const std::string name = window->GetName();
    switch (window->GetType()) {
        case kWndInputField:
            out = (EqualsNoCase(window->GetClass(), "html_file") ? "web_file_set(" : "edit_set(") + Quoted(name) +
                  ", " + Quoted(text) + ");";
            return 1;
        case kWndComboBox: out = "edit_set(" + Quoted(name + "_edit") + ", " + Quoted(text) + ");"; return 1;
        case kWndTable:
            out = Fmt("tbl_set_cell_data(%s, \"#%d\", \"#%d\", %s);", Quoted(name), row, column, Quoted(text));
            return 1;
        default: return 1;
    }
}

int CWREventParser::TranslateSelect(const CWindowKav* window, const std::string& item, int clicks, int index,
                                    std::string& out) {
    const std::string function = clicks == 2 ? "list_activate_item" : "list_select_item";
    switch (window->GetType()) {
        case kWndGroupBox: {
            const std::string caption = UnquotedArgument(item);
            const CRadioButtonKav* radio = static_cast<const CGroupBoxKav*>(window)->FindRadioButton(caption);
            if (!radio) {
                SetMessage(kRadioButtonNotSelected, caption);
                return 0;
            }
            out = "button_set(" + Quoted(radio->GetName()) + ", ON);";
            return 1;
        }
        case kWndComboBox:
        case kWndListBox:
        case kWndListView:
        case kWndTreeControl: out = ListEntryStatement(function, ListName(*window), item, index, ""); return 1;
        case kWndTabControl:
            out = "tab_select_item(" + Quoted(window->GetName()) + ", " + Quoted(item) + ");";
            return 1;
        default: return 1;
    }
}

int CWREventParser::TranslateExpand(const CWindowKav* window, const std::string& item, int expand, std::string& out) {
    out = (expand == 1 ? "list_expand_item(" : "list_collapse_item(") + Quoted(window->GetName()) + ", " +
          Quoted(item) + ");";
    return 1;
}

int CWREventParser::TranslatePosition(const CWindowKav* window, const std::string& mode, int first, int second,
                                      std::string& out) {
    const std::string name = Quoted(window->GetName());
    if (EqualsNoCase(mode, "minimize")) out = "win_min(" + name + ");";
    else if (EqualsNoCase(mode, "maximize")) out = "win_max(" + name + ");";
    else if (EqualsNoCase(mode, "restore")) out = "win_restore(" + name + ");";
    else if (EqualsNoCase(mode, "resize")) out = Fmt("win_resize(%s, %d, %d);", name, first, second);
    else if (EqualsNoCase(mode, "move")) out = Fmt("win_move(%s, %d, %d);", name, first, second);
    return 1;
}

int CWREventParser::TranslateScroll(const CWindowKav* window, char direction, int clicks, std::string& out) {
    out = Fmt("scroll_page(%s, %s, %d);", Quoted(window->GetName()), direction == 'H' ? "HSCROLL" : "VSCROLL", clicks);
    return 1;
}

int CWREventParser::TranslateClose(const CWindowKav* window, std::string& out) {
    out = "win_close(" + Quoted(window->GetName()) + ");";
    return 1;
}

int CWREventParser::TranslateVerify(const CWindowKav* window, const std::string& a1, const std::string& a2,
                                    const std::string& a3, const std::string& a4, std::string& out) {
    std::string className;
    std::string name;
    VerifyClass(*window, a1, a3, className, name);
    const bool web = window->GetGuiID() == kHtmlGui;
    std::string property;
    std::string expected;
    if (EqualsNoCase(a1, "enabled")) {
        property = "enabled";
        expected = TruthValue(a2);
    } else if (EqualsNoCase(a1, "caption")) {
        property = CaptionProperty(*window);
        expected = TranslateValue(window, a2);
    } else if (EqualsNoCase(a1, "exists")) {
        property = "exists";
        expected = "1";
    } else if (EqualsNoCase(a1, "focus")) {
        if (window->HasCaption()) {
            out.clear();
            return 1;
        }
        property = "focused";
        expected = "1";
    } else if (EqualsNoCase(a1, "selection")) {
        property = "selection";
        expected = TranslateValue(window, a2);
    } else if (EqualsNoCase(a1, "value")) {
        switch (window->GetType()) {
            case kWndInputField:
            case kWndTabControl:
                property = "value";
                expected = TranslateValue(window, a2);
                break;
            case kWndGroupBox: {
                // The checkpoint is on the radio button of that caption.
                const std::string caption = UnquotedArgument(a2);
                const CRadioButtonKav* radio = static_cast<const CGroupBoxKav*>(window)->FindRadioButton(caption);
                if (!radio) {
                    SetMessage(kRadioButtonNotVerified, caption);
                    return 0;
                }
                const bool webTest = CurrentApplication && CurrentApplication->GetWebTest();
                className = webTest && radio->GetGuiID() != kJavaGuiBuilderId ? "web_obj" : "button";
                name = radio->GetName();
                property = web ? "checked" : "value";
                expected = "1";
                break;
            }
            case kWndCheckBox:
                property = web ? "checked" : "value";
                expected = EqualsNoCase(a2, "true") ? "1" : EqualsNoCase(a2, "undetermined") ? "2" : "0";
                break;
            case kWndComboBox:
                property = "value";
                expected = a3 == kVerifyInputField ? TranslateValue(window, a2) : a2 + "+" + TranslateValue(window, a3);
                break;
            case kWndListBox:
            case kWndListView:
                property = "value";
                expected = a2 + "+" + TranslateValue(window, a3);
                break;
            case kWndTable:
                className = "table";
                name = window->GetName();
                property = "value";
                expected = a2 + "+" + a3 + "+" + TranslateValue(window, a4);
                break;
            default: break;
        }
    }
    out = "if (m_verify(" + Quoted(className) + ", " + Quoted(name) + ", " + Quoted(property) + ", " +
          Quoted(expected) + ") != E_OK) rc = 1;";
    return 1;
}

int CWREventParser::TranslateWait(const CWindowKav* window, int milliseconds, const std::string& property,
                                  const std::string& value, std::string& out) {
    std::string watched;
    std::string expected;
    if (EqualsNoCase(property, "enabled")) {
        watched = "enabled";
        expected = TruthValue(value);
    } else if (EqualsNoCase(property, "caption")) {
        watched = CaptionProperty(*window);
        expected = TranslateValue(window, value);
    } else if (EqualsNoCase(property, "value")) {
        watched = "value";
        expected = TranslateValue(window, value);
    }
    out = WaitFunction(*window) + "(" + Quoted(ListName(*window)) + ", " + Quoted(watched) + ", " + Quoted(expected) +
          ", " + SecondsText(milliseconds) + ");";
    return 1;
}
