// The 4Test statement of each event, on the window identifier of the SilkTest declarations.
#include "conversion/silktest/QapEventParser.h"

#include "conditions/EventRules.h"
#include "conversion/framework/ConverterHelpers.h"
#include "platform/Format.h"

namespace {

constexpr int kListItemCheck = 44027;
constexpr int kTriStateCheck = 44465;
constexpr int kTriStateVerify = 44466;
constexpr int kToolBarClick = 44667;

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

bool IsJava(const CWindowKav& window) { return window.GetGuiID() == kJavaGuiBuilderId; }

bool EndsWithPanel(const std::string& className) {
    return className.size() >= 5 && EqualsNoCase(std::string_view(className).substr(className.size() - 5), "panel");
}

}  // namespace

std::unique_ptr<CEventParser> CreateSilkTestEventParser() { return std::make_unique<CQapEventParser>(); }

bool CQapEventParser::IsWindowUnsupported(const CWindowKav* window, int) {
    switch (window->GetType()) {
        case kWndRadioButton:
        case kWndMenu: return true;
        case kWndMenuItem: return static_cast<const CMenuItemKav*>(window)->IsSeparator();
        case kWndGroupBox:
            return IsJava(*window) && static_cast<const CGroupBoxKav*>(window)->GetRadioButtons().empty();
        case kWndCustom: return IsJava(*window) && EndsWithPanel(window->GetClass());
        default: return false;
    }
}

bool CQapEventParser::IsTagOptional(const CWindowKav* window, int) { return IsWindowUnsupported(window, 1); }

std::string CQapEventParser::GetWindowIdentifier(const CWindowKav* window) {
    if (!window) return {};
    std::string identifier = IsWindowUnsupported(window, 1) ? std::string() : window->GetName();
    for (const CWindowKav* below = window; below->GetParent() && !below->HasCaption(); below = below->GetParent()) {
        const CWindowKav* ancestor = below->GetParent();
        if (IsWindowUnsupported(ancestor, 1)) continue;
        if (identifier.empty()) identifier = ancestor->GetName();
        else if (ancestor->HasCaption()) identifier = ancestor->GetName() + "." + identifier;
    }
    return identifier;
}

std::string CQapEventParser::GetExpandPath(const std::string& identifier, const std::string& path) {
    std::string lines;
    for (size_t slash = path.find('/'); slash != std::string::npos; slash = path.find('/', slash + 1))
        lines += identifier + ".Expand(" + Quoted(path.substr(0, slash)) + ")\n\t[ ] ";
    return lines;
}

std::string CQapEventParser::TranslateValue(const CWindowKav* window, const std::string& value) {
    const bool tree = window && window->GetType() == kWndTreeControl;
    std::string text;
    bool escaped = false;
    for (const char c : StripQuotes(value)) {
        if (c == '\\' && !escaped) {
            escaped = true;
            continue;
        }
        if (c == '"') text += "\"\"";
        else if (c == '/' && tree) text += '?';
        else if (c == '|' && tree && !escaped) text += '/';
        else text += c;
        escaped = false;
    }
    return text;
}

int CQapEventParser::TranslateCheck(const CWindowKav* window, int state, const std::string&, int, std::string& out) {
    switch (window->GetType()) {
        case kWndListView:
        case kWndListBox:
        case kWndTreeControl: return Refuse(kListItemCheck);
        default: break;
    }
    if (state == 2) return Refuse(kTriStateCheck);
    out = GetWindowIdentifier(window) + (state == 1 ? ".Check()" : ".Uncheck()");
    return 1;
}

int CQapEventParser::TranslateClick(const CWindowKav* window, char button, int clicks, int x, int y,
                                    std::string& out) {
    const std::string identifier = GetWindowIdentifier(window);
    const char* mouseButton = button == 'R' ? "2" : "1";
    switch (window->GetType()) {
        case kWndMenuItem: out = identifier + ".Pick()"; return 1;
        case kWndToolBar: return Refuse(kToolBarClick);
        case kWndTable:
            out = Fmt("%s.ClickCell({%d,%d}, %s, 0, 0, %d)", identifier, x, y, mouseButton, clicks);
            return 1;
        default:
            out = Fmt("%s.%s(%s, %d, %d)", identifier, clicks == 2 ? "DoubleClick" : "Click", mouseButton, x, y);
            return 1;
    }
}

int CQapEventParser::TranslateType(const CWindowKav* window, const std::string& keys, std::string& out) {
    out = GetWindowIdentifier(window) + ".TypeKeys(" + Quoted(keys) + ")";
    return 1;
}

int CQapEventParser::TranslateInput(const CWindowKav* window, const std::string& text, int row, int column,
                                    std::string& out) {
    const std::string identifier = GetWindowIdentifier(window);
    if (window->GetType() == kWndTable) out = Fmt("%s.SetCellValue({%d,%d}, %s)", identifier, row, column, Quoted(text));
    else out = identifier + ".SetText(" + Quoted(text) + ")";
    return 1;
}

int CQapEventParser::TranslateSelect(const CWindowKav* window, const std::string& item, int clicks, int index,
                                     std::string& out) {
    const std::string identifier = GetWindowIdentifier(window);
    const int type = window->GetType();
    const std::string call = identifier + (clicks == 2 && type != kWndComboBox ? ".DoubleSelect(" : ".Select(");
    switch (type) {
        case kWndGroupBox: out = call + Quoted(TranslateValue(window, item)) + ")"; return 1;
        // The base translated the page title already.
        case kWndTabControl: out = call + Quoted(item) + ")"; return 1;
        case kWndComboBox:
        case kWndListBox:
        case kWndListView:
            if (!item.empty()) out = call + Quoted(item) + ")";
            else if (index == kLastEntryIndex) out = call + identifier + ".GetItemCount())";
            else out = call + std::to_string(index) + ")";
            return 1;
        case kWndTreeControl:
            out = (IsJava(*window) ? GetExpandPath(identifier, item) : std::string()) + call + Quoted(item) + ")";
            return 1;
        default: return 1;
    }
}

int CQapEventParser::TranslateExpand(const CWindowKav* window, const std::string& item, int expand, std::string& out) {
    const std::string identifier = GetWindowIdentifier(window);
    out = (IsJava(*window) ? GetExpandPath(identifier, item) : std::string()) + identifier +
          (expand == 1 ? ".Expand(" : ".Collapse(") + Quoted(item) + ")";
    return 1;
}

int CQapEventParser::TranslatePosition(const CWindowKav* window, const std::string& mode, int first, int second,
                                       std::string& out) {
    const std::string identifier = GetWindowIdentifier(window);
    if (EqualsNoCase(mode, "minimize")) out = identifier + ".Minimize()";
    else if (EqualsNoCase(mode, "maximize")) out = identifier + ".Maximize()";
    else if (EqualsNoCase(mode, "restore")) out = identifier + ".Restore()";
    else if (EqualsNoCase(mode, "resize")) out = Fmt("%s.Size(%d, %d)", identifier, first, second);
    else if (EqualsNoCase(mode, "move")) out = Fmt("%s.Move(%d, %d)", identifier, first, second);
    return 1;
}

int CQapEventParser::TranslateScroll(const CWindowKav*, char, int, std::string& out) {
    out = "// Scrolling is done automatically in SilkTest";
    return 1;
}

int CQapEventParser::TranslateClose(const CWindowKav* window, std::string& out) {
    out = GetWindowIdentifier(window) + ".Close()";
    return 1;
}

int CQapEventParser::TranslateVerify(const CWindowKav* window, const std::string& a1, const std::string& a2,
                                     const std::string& a3, const std::string& a4, std::string& out) {
    const std::string identifier = GetWindowIdentifier(window);
    const auto value = [&](const std::string& text) { return Quoted(TranslateValue(window, text)); };
    if (EqualsNoCase(a1, "enabled")) out = identifier + ".VerifyEnabled(" + a2 + ")";
    else if (EqualsNoCase(a1, "caption")) out = "Verify(" + identifier + ".GetCaption(), " + value(a2) + ")";
    else if (EqualsNoCase(a1, "focus")) out = identifier + ".VerifyFocus()";
    else if (EqualsNoCase(a1, "selection")) out = identifier + ".VerifyValue(" + value(a2) + ")";
    if (!EqualsNoCase(a1, "value")) return 1;

    switch (window->GetType()) {
        case kWndInputField:
        case kWndGroupBox:
        case kWndTabControl: out = identifier + ".VerifyValue(" + value(a2) + ")"; return 1;
        case kWndCheckBox:
            if (EqualsNoCase(a2, "undetermined")) return Refuse(kTriStateVerify);
            out = identifier + ".VerifyValue(" + a2 + ")";
            return 1;
        case kWndComboBox:
            if (a3 == "_VERIFY_INPUTFIELD") {
                out = identifier + ".VerifyText(" + value(a2) + ")";
                return 1;
            }
            [[fallthrough]];
        case kWndListBox:
        case kWndListView: {
            const std::string entry = a2 == "LAST" ? identifier + ".GetItemCount()" : a2;
            out = "Verify(" + identifier + ".GetItemText(" + entry + "), " + value(a3) + ")";
            return 1;
        }
        case kWndTable: out = identifier + ".VerifyCellValue({" + a2 + "," + a3 + "}, " + value(a4) + ")"; return 1;
        default: return 1;
    }
}

int CQapEventParser::TranslateWait(const CWindowKav* window, int milliseconds, const std::string& property,
                                   const std::string& value, std::string& out) {
    const std::string watched = EqualsNoCase(property, "value") ? property : "Text";
    out = "WaitForObjectProperty(" + GetWindowIdentifier(window) + ", " + SecondsText(milliseconds) + ", " +
          Quoted(watched) + ", " + Quoted(TranslateValue(window, value)) + ")";
    return 1;
}
