// The TestPartner statement of each event, on the window's class and attach name.
#include "conversion/testpartner/TestPartnerEventParser.h"

#include "conditions/EventRules.h"
#include "conversion/framework/ConverterHelpers.h"
#include "conversion/framework/GuiBuilders.h"

namespace {

constexpr int kAreaWithoutParent = 45036;
constexpr int kTriStateMenuItem = 45042;
constexpr int kTriStateListViewItem = 45043;
constexpr int kCheckNotSupported = 45044;
constexpr int kInputNotSupported = 45045;
constexpr int kRadioButtonNotSelected = 45046;
constexpr int kSelectNotSupported = 45047;
constexpr int kRadioButtonNotVerified = 45048;
constexpr int kCaptionOnlyWait = 45049;
// What the base passes as third argument when a combo box's own value is verified.
constexpr const char* kVerifyInputField = "_VERIFY_INPUTFIELD";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string Object(const CWindowKav& window) { return CTestPartnerEventParser::AttachObject(window); }

// A list entry by its text, by its number, or the last one.
std::string ListEntry(const CWindowKav& window, const std::string& function, const std::string& item, int index) {
    if (!item.empty()) return Object(window) + "." + function + " " + Quoted(item);
    return Object(window) + "." + function + "Index " +
           (index == kLastEntryIndex ? Object(window) + ".Count" : std::to_string(index));
}

std::string MouseSuffix(char button, int clicks) {
    return std::string(", ") + (button == 'R' ? "tpMouseRight" : "tpMouseLeft") + " Or " +
           (clicks == 2 ? "tpMouseDoubleClick" : "tpMouseSingleClick");
}

const CRadioButtonKav* FindRadioButton(const CWindowKav& groupBox, const std::string& caption) {
    return static_cast<const CGroupBoxKav&>(groupBox).FindRadioButton(caption);
}

// The outermost menu item above the item, or the item itself below a menu bar.
const CWindowKav& OutermostMenuItem(const CWindowKav& item) {
    const CWindowKav* outermost = &item;
    while (outermost->GetParent() && outermost->GetParent()->GetType() == kWndMenuItem)
        outermost = outermost->GetParent();
    return *outermost;
}

// The class TestPartner gives labels of the window's GUI builder.
std::string LabelClassName(const CWindowKav& window) {
    switch (window.GetGuiID()) {
        case kHtmlGui: return "HTMLLabel";
        case kJavaGuiBuilderId: return "JavaLabel";
        default: return "Label";
    }
}

}  // namespace

std::string CTestPartnerEventParser::AttachObject(const CWindowKav& window) {
    return GetTPClassName(window) + "(" + Quoted(window.GetTag()) + ")";
}

bool CTestPartnerEventParser::IsWindowUnsupported(const CWindowKav* window, int) {
    if (window->GetType() == kWndMenu) return true;
    return window->GetType() == kWndMenuItem && static_cast<const CMenuItemKav*>(window)->IsSeparator();
}

bool CTestPartnerEventParser::IsTagOptional(const CWindowKav* window, int) { return IsWindowUnsupported(window, 1); }

int CTestPartnerEventParser::TranslateCheck(const CWindowKav* window, int state, const std::string& item, int index,
                                            std::string& out) {
    const std::string tag = window->GetTag();
    switch (window->GetType()) {
        case kWndCheckBox: out = "SetCheckBoxState " + Quoted(tag) + ", " + std::to_string(state); return 1;
        case kWndMenuItem: {
            if (state == 2) return Fail(kTriStateMenuItem, window->GetName());
            // A menu path in quotes, else the item's id.
            const char* function = tag.starts_with("\"") ? "SetMenuItemCheckByPath " : "SetMenuItemCheckByID ";
            out = function + tag + ", " + (state == 1 ? "True" : "False");
            return 1;
        }
        case kWndListBox: out = ListEntry(*window, "Select", item, index); return 1;
        case kWndListView: {
            if (state == 2) return Fail(kTriStateListViewItem, window->GetName());
            const std::string checked = state == 1 ? "tpChecked" : "tpUnChecked";
            const std::string view = "ListView(" + Quoted(tag) + ")";
            if (!item.empty()) out = view + ".SetCheck " + Quoted(item) + ", " + checked;
            else
                out = view + ".SetCheckIndex " +
                      (index == kLastEntryIndex ? view + ".Count" : std::to_string(index)) + ", " + checked;
            return 1;
        }
        case kWndTreeControl:
            out = "TreeView(" + Quoted(tag) + ").SelectItem " + Quoted(ToTreePath(item)) + ", , tpTreeIcon";
            return 1;
        default: return Fail(kCheckNotSupported, window->GetName());
    }
}

int CTestPartnerEventParser::TranslateClick(const CWindowKav* window, char button, int clicks, int x, int y,
                                            std::string& out) {
    const bool plain = button == 'L' && clicks == 1;
    const std::string suffix = plain ? std::string() : MouseSuffix(button, clicks);
    const std::string at = std::to_string(x) + ", " + std::to_string(y);
    switch (window->GetType()) {
        case kWndToolBar:
            out = "ToolBar(" + Quoted(window->GetTag()) + ").SelectIndex " + std::to_string(x) + suffix;
            return 1;
        case kWndMenuItem:
            if (window->GetGuiID() == kJavaGuiBuilderId)
                out = "JavaMenu(\"Caption='" + OutermostMenuItem(*window).GetCaption() + "'\").Select " +
                      window->GetTag();
            else out = "Window.MenuSelect " + window->GetTag();
            return 1;
        case kWndTable: out = Object(*window) + ".SelectIndex " + at + suffix; return 1;
        case kWndLink:
            if (EqualsNoCase(window->GetClass(), "html_area")) {
                // An area is clicked in the image it belongs to.
                const CWindowKav* image = window->GetParent();
                if (!image) return Fail(kAreaWithoutParent, window->GetName());
                out = "HTMLImage(" + Quoted(image->GetTag()) + ").Click " + at + MouseSuffix(button, clicks);
                return 1;
            }
            break;
        default:
            if (window->HasCaption()) {
                out = "Window.Click " + at + suffix;
                return 1;
            }
    }
    out = Object(*window) + ".Click" + (plain ? std::string() : " " + at + MouseSuffix(button, clicks));
    return 1;
}

int CTestPartnerEventParser::TranslateType(const CWindowKav*, const std::string& keys, std::string& out) {
    out = "Window.Type " + Quoted(ReplaceSeparators(keys, "\"", "\"\""));
    return 1;
}

int CTestPartnerEventParser::TranslateInput(const CWindowKav* window, const std::string& text, int, int,
                                            std::string& out) {
    switch (window->GetType()) {
        case kWndInputField:
        case kWndComboBox: out = Object(*window) + ".SetText " + Quoted(text); return 1;
        case kWndTable: out.clear(); return 1;
        default: return Fail(kInputNotSupported, window->GetName());
    }
}

int CTestPartnerEventParser::TranslateSelect(const CWindowKav* window, const std::string& item, int clicks, int index,
                                             std::string& out) {
    const std::string doubleClick = clicks == 2 ? ", tpMouseDoubleClick" : "";
    switch (window->GetType()) {
        case kWndGroupBox: {
            const std::string caption = UnquotedArgument(item);
            const CRadioButtonKav* radio = FindRadioButton(*window, caption);
            if (!radio) return Fail(kRadioButtonNotSelected, caption);
            out = Object(*radio) + ".Click" + (clicks == 2 ? " , , tpMouseDoubleClick" : "");
            return 1;
        }
        case kWndComboBox:
        case kWndListBox:
        case kWndListView: out = ListEntry(*window, "Select", item, index) + doubleClick; return 1;
        case kWndTabControl: out = "TabControl(" + Quoted(window->GetTag()) + ").Select " + Quoted(item); return 1;
        case kWndTreeControl:
            out = "TreeView(" + Quoted(window->GetTag()) + ").SelectItem " + Quoted(ToTreePath(item)) + doubleClick;
            return 1;
        default: return Fail(kSelectNotSupported, window->GetName());
    }
}

int CTestPartnerEventParser::TranslateExpand(const CWindowKav* window, const std::string& item, int,
                                             std::string& out) {
    out = "TreeView(" + Quoted(window->GetTag()) + ").SelectItem " + Quoted(ToTreePath(item)) + ", , tpTreeButton";
    return 1;
}

int CTestPartnerEventParser::TranslatePosition(const CWindowKav*, const std::string& mode, int first, int second,
                                               std::string& out) {
    const std::string size = std::to_string(first) + ", " + std::to_string(second);
    if (EqualsNoCase(mode, "minimize")) out = "Window.Minimize";
    else if (EqualsNoCase(mode, "maximize")) out = "Window.Maximize";
    else if (EqualsNoCase(mode, "restore")) out = "Window.Restore";
    else if (EqualsNoCase(mode, "resize")) out = "Window.Size " + size;
    else if (EqualsNoCase(mode, "move")) out = "Window.Move " + size;
    return 1;
}

int CTestPartnerEventParser::TranslateScroll(const CWindowKav* window, char direction, int clicks, std::string& out) {
    out = Object(*window) + ".Scroll " + std::to_string(clicks) + ", tpScrollLine Or " +
          (direction == 'H' ? "tpScrollHorizontal" : "tpScrollVertical");
    return 1;
}

int CTestPartnerEventParser::TranslateClose(const CWindowKav* window, std::string& out) {
    out = GetTPClassName(*window) + ".Close";
    return 1;
}

int CTestPartnerEventParser::TranslateVerify(const CWindowKav* window, const std::string& a1, const std::string& a2,
                                             const std::string& a3, const std::string& a4, std::string& out) {
    std::string checkName = "CHECK_" + window->GetName() + "_" + ToUpperText(a1);
    for (const std::string* argument : {&a2, &a3, &a4})
        if (!argument->empty() && *argument != kVerifyInputField)
            checkName += "_" + ToUpperText(TranslateValue(window, *argument));

    const std::string object = Object(*window);
    const std::string value = TranslateValue(window, a2);
    const int type = window->GetType();
    std::string condition;
    if (EqualsNoCase(a1, "enabled")) {
        condition = object + ".Enabled = " + a2;
    } else if (EqualsNoCase(a1, "exists")) {
        condition = GetTPClassName(*window) + "(" + Quoted(window->GetTag()) + ", tpAttachNoWait).Exists";
    } else if (EqualsNoCase(a1, "caption")) {
        condition = type == kWndComboBox ? object + " = " + LabelClassName(*window) + "(\"Label='" + value + "'\")"
                                         : object + ".Caption = " + Quoted(value);
    } else if (EqualsNoCase(a1, "focus")) {
        if (window->GetGuiID() != kHtmlGui && !window->HasCaption())
            condition = object + (type == kWndComboBox ? ".Children.Item(1).Focus" : ".Focus");
    } else if (EqualsNoCase(a1, "selection")) {
        condition = object + ".IsSelected(" + object + ".FindItem(" + Quoted(value) + "))";
    } else if (EqualsNoCase(a1, "value")) {
        switch (type) {
            case kWndInputField: condition = object + ".Text = " + Quoted(value); break;
            case kWndGroupBox: {
                const std::string caption = UnquotedArgument(a2);
                const CRadioButtonKav* radio = FindRadioButton(*window, caption);
                if (!radio) return Fail(kRadioButtonNotVerified, caption);
                condition = Object(*radio) + ".Checked";
                break;
            }
            case kWndCheckBox:
                condition = object + ".Checked = " +
                            (EqualsNoCase(a2, "true") ? "1" : EqualsNoCase(a2, "undetermined") ? "2" : "0");
                break;
            case kWndComboBox:
            case kWndListBox:
            case kWndListView:
                if (a3 == kVerifyInputField) {
                    condition = object + ".Text = " + Quoted(value);
                } else {
                    const std::string entry = a2 == "LAST" ? object + ".Count" : value;
                    condition = object + ".GetItem(" + entry + ") = " + Quoted(TranslateValue(window, a3));
                }
                break;
            case kWndTabControl:
                condition = object + ".IsSelected(" + object + ".FindItem(" + Quoted(value) + "))";
                break;
            case kWndTable: {
                const std::string cell = TranslateValue(window, a4);
                condition = window->GetGuiID() == kJavaGuiBuilderId
                                ? object + ".Select(" + Quoted(cell) + ", " + a3 + ")"
                                : object + ".GetCellText(" + a2 + ", " + a3 + ") = " + Quoted(cell);
                break;
            }
            default: break;
        }
    }
    out = "UserCheck " + Quoted(checkName) + ", " + condition + ", \"\"";
    return 1;
}

int CTestPartnerEventParser::TranslateWait(const CWindowKav* window, int milliseconds, const std::string& property,
                                           const std::string& value, std::string& out) {
    const std::string timeout = ", " + std::to_string(milliseconds);
    const std::string tag = window->GetTag();
    if (EqualsNoCase(property, "enabled")) {
        out = "WaitForEnabled " + Quoted(tag) + timeout;
    } else if (EqualsNoCase(property, "caption")) {
        const std::string attachName = RemoveCaptionPart(tag);
        if (attachName.empty()) return Fail(kCaptionOnlyWait, window->GetName());
        out = "WaitForText " + Quoted(attachName) + ", " + Quoted(TranslateValue(window, value)) + timeout;
    } else if (EqualsNoCase(property, "value")) {
        out = "WaitForText " + Quoted(tag) + ", " + Quoted(TranslateValue(window, value)) + timeout;
    }
    return 1;
}
