// The UFT statement of each event, on the object path of its window.
#include "conversion/uft/QTPEventParser.h"

#include "conditions/Designator.h"
#include "conditions/EventRules.h"
#include "conversion/framework/GuiBuilders.h"
#include "conversion/framework/OutputFormats.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/XMLElement.h"

namespace {

constexpr int kRadioButtonNotSelected = 45173;
constexpr int kRadioButtonNotVerified = 45174;
constexpr int kUndeterminedItem = 49912;
constexpr int kSapGui = 991;
// What the base passes as third argument when a combo box's own value is verified.
constexpr const char* kVerifyInputField = "_VERIFY_INPUTFIELD";
constexpr const char* kLastEntry = "LAST";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// The first line of a statement on the last entry of a list: it counts the entries.
std::string CountItems(const std::string& path) {
    return "helpLong = " + path + ".GetItemsCount  ' Determine number of list items \n";
}

// A list entry: the last one, by its number, or by its text.
std::string ListEntry(const std::string& path, const std::string& method, const std::string& item, int index,
                      const std::string& rest = {}) {
    if (index == kLastEntryIndex) return CountItems(path) + path + "." + method + " helpLong-1" + rest;
    if (item.empty()) return path + "." + method + " " + std::to_string(index) + rest;
    return path + "." + method + " " + Quoted(item) + rest;
}

// The statement that reports a failed verification when the condition holds.
std::string ReportIf(const std::string& condition, const std::string& what, const std::string& detail) {
    return "If " + condition + " Then\nReporter.ReportEvent micFail, \"Verify(" + what + ") failed\", \"" + detail +
           "\"\nEnd If";
}

const CRadioButtonKav* FindRadioButton(const CWindowKav& groupBox, const std::string& argument) {
    return static_cast<const CGroupBoxKav&>(groupBox).FindRadioButton(UnquotedArgument(argument));
}

// A value (quotes doubled) as the key sequence that types it: each quote and backslash escaped.
std::string TypedText(const std::string& value) {
    std::string keys;
    for (size_t at = 0; at < value.size(); ++at) {
        if (value[at] == '"' && at + 1 < value.size() && value[at + 1] == '"') ++at;
        if (value[at] == '"' || value[at] == '\\') keys += '\\';
        keys += value[at];
    }
    return keys;
}

std::string TruthText(const std::string& value) { return EqualsNoCase(value, "true") ? "True" : "False"; }

}  // namespace

std::unique_ptr<CEventParser> CreateUftEventParser() { return std::make_unique<CQTPEventParser>(); }

CQTPEventParser::CQTPEventParser() { RemoveAllKeys(); }

bool CQTPEventParser::IsWindowUnsupported(const CWindowKav* window, int context) {
    const int type = window->GetType();
    switch (window->GetGuiID()) {
        case kSapGui: return type == kWndGroupBox && context == 1;
        case kHtmlGui:
            return type == kWndRadioButton || type == kWndMenuItem || (type == kWndLink && !window->GetChildren().empty());
        case kJavaGuiBuilderId: return type == kWndMenu;
        default: return type == kWndMenuItem && context == 1;
    }
}

bool CQTPEventParser::IsTagOptional(const CWindowKav* window, int) { return IsWindowUnsupported(window, 1); }

std::string CQTPEventParser::GetObjectPath(const CWindowKav* window) {
    std::string path;
    for (const CWindowKav* part = window; part; part = part->GetParent()) {
        std::string className = GetQtpClass(part);
        if (IsWindowUnsupported(part, 1) || className.empty()) continue;
        const CXMLElement* description = part->GetToolData();
        if (!description) return "ERROR";
        std::string name = description->GetAttributeValue("Name");
        DesignatorParts parts;
        if (!CurrentApplication || !SplitDesignator(CurrentApplication->GetObjectPathText(part), parts)) return "ERROR";
        if (!parts.library.empty()) name = "^" + parts.library + ":" + name;
        // A browser that UFT did not describe itself is addressed with its page.
        if (className == "Browser" && part->GetImportTool() != kFormatUft)
            className = "Browser(" + Quoted(name) + ").Page";
        const std::string element = className + "(" + Quoted(name) + ")";
        path = path.empty() ? element : element + "." + path;
    }
    return path;
}

int CQTPEventParser::TranslateCheck(const CWindowKav* window, int state, const std::string& item, int index,
                                    std::string& out) {
    const std::string path = GetObjectPath(window);
    switch (window->GetType()) {
        case kWndCheckBox: out = path + ".Set " + Quoted(state == 0 ? "OFF" : state == 1 ? "ON" : "DIMMED"); return 1;
        case kWndListBox:
        case kWndListView:
        case kWndTreeControl:
            // UFT's item states know checked and unchecked only.
            if (state == 2) return Fail(kUndeterminedItem);
            out = ListEntry(path, "SetItemState", item, index, state == 1 ? ", micChecked" : ", micUnchecked");
            return 1;
        case kWndMenuItem: out = path + ".Select " + Quoted(GetMenuPath(window)); return 1;
        default: return 1;
    }
}

int CQTPEventParser::TranslateClick(const CWindowKav* window, char button, int clicks, int x, int y,
                                    std::string& out) {
    const std::string path = GetObjectPath(window);
    const std::string mouseButton = button == 'R' ? "micRightBtn" : "micLeftBtn";
    const std::string click = clicks == 2 ? "DblClick" : "Click";
    const std::string className = GetQtpClass(window);
    if (window->GetType() == kWndToolBar)
        out = path + ".Press " + std::to_string(x) + ", " + mouseButton;
    else if (window->GetType() == kWndMenuItem)
        out = path + ".Select " + Quoted(GetMenuPath(window));
    else if (window->GetType() == kWndTable)
        out = path + (clicks == 2 ? ".ActivateCell " : ".SelectCell ") + std::to_string(x) + ", " + std::to_string(y);
    else if (className == "JavaButton" && clicks == 1)
        out = path + ".Click " + mouseButton;
    else if (className == "SAPGuiButton")
        out = path + "." + click;
    else
        out = path + "." + click + " " + std::to_string(x) + ", " + std::to_string(y) + ", " + mouseButton;
    return 1;
}

int CQTPEventParser::TranslateType(const CWindowKav* window, const std::string& keys, std::string& out) {
    out = GetObjectPath(window) + ".Type " + keys;
    return 1;
}

int CQTPEventParser::TranslateInput(const CWindowKav* window, const std::string& text, int row, int column,
                                    std::string& out) {
    const std::string path = GetObjectPath(window);
    switch (window->GetType()) {
        case kWndTable:
            out = path + ".SetCellData " + std::to_string(row) + ", " + std::to_string(column) + ", " + Quoted(text);
            return 1;
        case kWndComboBox: out = path + ".WinEdit(" + Quoted(window->GetName()) + ").Set " + Quoted(text); return 1;
        case kWndInputField: {
            if (!static_cast<const CInputFieldKav*>(window)->IsMultiLine()) {
                out = path + ".Set " + Quoted(text);
                return 1;
            }
            // The text replaces all of the field's lines. It is typed as keys: its quotes and
            // backslashes are typed as they are, while key names in angle brackets still count.
            std::string keys;
            if (!TranslateKeySequence(TypedText(text), keys)) return 0;
            out = path + ".SetCaretPos 0, 0\n" + path +
                  ".Type micShiftDwn + micCtrlDwn + micEnd + micCtrlUp + micShiftUp\n" + path + ".Type " + keys;
            return 1;
        }
        default: return 1;
    }
}

int CQTPEventParser::TranslateSelect(const CWindowKav* window, const std::string& item, int clicks, int index,
                                     std::string& out) {
    const std::string path = GetObjectPath(window);
    switch (window->GetType()) {
        case kWndComboBox:
        case kWndListBox:
        case kWndTabControl:
        case kWndListView:
        case kWndTreeControl: out = ListEntry(path, clicks == 2 ? "Activate" : "Select", item, index); return 1;
        case kWndGroupBox: {
            const CRadioButtonKav* radio = FindRadioButton(*window, item);
            if (!radio) return Fail(kRadioButtonNotSelected, UnquotedArgument(item));
            out = window->GetGuiID() == kHtmlGui ? path + ".Select " + Quoted(UnquotedArgument(item))
                                                 : GetObjectPath(radio) + ".Set";
            return 1;
        }
        default: return 1;
    }
}

int CQTPEventParser::TranslateExpand(const CWindowKav* window, const std::string& item, int expand,
                                     std::string& out) {
    out = GetObjectPath(window) + (expand == 1 ? ".Expand " : ".Collapse ") + Quoted(item);
    return 1;
}

int CQTPEventParser::TranslatePosition(const CWindowKav* window, const std::string& mode, int first, int second,
                                       std::string& out) {
    const std::string path = GetObjectPath(window);
    const std::string operation = ToLowerText(mode);
    const std::string numbers = " " + std::to_string(first) + ", " + std::to_string(second);
    if (operation == "minimize") out = path + ".Minimize";
    else if (operation == "maximize") out = path + ".Maximize";
    else if (operation == "restore") out = path + ".Restore";
    else if (operation == "resize") out = path + ".Resize" + numbers;
    else if (operation == "move") out = path + ".Move" + numbers;
    return 1;
}

int CQTPEventParser::TranslateClose(const CWindowKav* window, std::string& out) {
    out = GetObjectPath(window) + ".Close";
    return 1;
}

int CQTPEventParser::TranslateVerify(const CWindowKav* window, const std::string& a1, const std::string& a2,
                                     const std::string& a3, const std::string& a4, std::string& out) {
    const std::string path = GetObjectPath(window);
    const std::string name = window->GetName();
    const std::string property = ToLowerText(a1);
    const auto value = [&](const std::string& argument) { return Quoted(TranslateValue(window, argument)); };
    if (property == "enabled") out = path + ".CheckProperty \"enabled\", " + TruthText(a2);
    else if (property == "caption") out = path + ".CheckProperty \"text\", " + value(a2);
    else if (property == "exists")
        out = ReportIf("Not " + path + ".Exist(3)", "Exists", "Window '" + name + "' not existing");
    else if (property == "focus") out = path + ".CheckProperty \"focused\", True";
    else if (property == "selection") out = path + ".CheckProperty \"selection\", " + value(a2);
    if (property != "value") return 1;

    switch (window->GetType()) {
        case kWndInputField:
            out = path + ".CheckProperty " + Quoted(window->GetGuiID() == kHtmlGui ? "value" : "text") + ", " + value(a2);
            return 1;
        case kWndGroupBox: {
            const CRadioButtonKav* radio = FindRadioButton(*window, a2);
            if (!radio) return Fail(kRadioButtonNotVerified, UnquotedArgument(a2));
            out = GetObjectPath(radio) + ".CheckProperty \"checked\", \"ON\"";
            return 1;
        }
        case kWndCheckBox: {
            const char* state = EqualsNoCase(a2, "true") ? "ON" : EqualsNoCase(a2, "false") ? "OFF" : "DIMMED";
            out = path + ".CheckProperty \"checked\", " + Quoted(state);
            return 1;
        }
        case kWndComboBox:
            if (a3 == kVerifyInputField) out = path + ".WinEdit(" + Quoted(name) + ").CheckProperty \"text\", " + value(a2);
            else if (a2 == kLastEntry)
                out = CountItems(path) + ReportIf(path + ".GetItem(helpLong-1) <> " + value(a3), "Value",
                                                  "Last item of combobox '" + name + "' doesn't have expected value");
            else
                out = ReportIf(path + ".GetItem(" + a2 + ") <> " + value(a3), "Value",
                               "Item " + a2 + " of combobox '" + name + "' doesn't have expected value");
            return 1;
        case kWndListBox:
        case kWndListView:
            if (a2 == kLastEntry) out = CountItems(path) + path + ".CheckItemProperty helpLong-1, \"text\", " + value(a3);
            else out = path + ".CheckItemProperty " + a2 + ", \"text\", " + value(a3);
            return 1;
        case kWndTabControl: out = path + ".CheckProperty \"selection\", " + value(a2); return 1;
        case kWndTable:
            out = ReportIf(path + ".GetCellData(" + a2 + ", " + a3 + ") <> " + value(a4), "Value",
                           "Cell of table '" + name + "' doesn't have expected value");
            return 1;
        default: return 1;
    }
}

int CQTPEventParser::TranslateWait(const CWindowKav* window, int milliseconds, const std::string& property,
                                   const std::string& value, std::string& out) {
    const bool enabled = EqualsNoCase(property, "enabled");
    const std::string waited = enabled ? TruthText(value) : Quoted(TranslateValue(window, value));
    out = GetObjectPath(window) + ".WaitProperty(" + Quoted(enabled ? "enabled" : "text") + ", " + waited + ", " +
          std::to_string(milliseconds) + ")";
    return 1;
}
