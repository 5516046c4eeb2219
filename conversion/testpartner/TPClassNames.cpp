// TestPartner's classes of the window types, for web pages, Java and every other GUI builder.
#include "conversion/framework/GuiBuilders.h"
#include "conversion/testpartner/TestPartnerEventParser.h"
#include "model/WindowKav.h"
#include "model/windows/WindowTypes.h"
#include "platform/TextUtil.h"

namespace {

// The type code of no window type.
constexpr int kNoWindowType = 99;

struct ClassNames {
    const char* html;
    const char* java;
    const char* win32;
};

// By window type; custom windows and web input fields depend on more than their type.
constexpr ClassNames kClassNames[] = {
    {"", "JavaWindow", "Window"},                     // main window
    {"", "JavaWindow", "Window"},                     // child window
    {"", "JavaWindow", "Window"},                     // dialog box
    {"", "", ""},                                     // custom window
    {"", "JavaMenu", ""},                             // menu bar
    {"HTMLLabel", "JavaLabel", "Label"},              // static text
    {"HTMLEditBox", "JavaEditBox", "EditBox"},        // input field
    {"", "JavaGroupBox", "GUIObject"},                // group box
    {"HTMLButton", "JavaButton", "Button"},           // push button
    {"HTMLCheckBox", "JavaCheckBox", "CheckBox"},     // check box
    {"HTMLRadioButton", "JavaRadioButton", "RadioButton"},
    {"HTMLComboBox", "JavaComboBox", "ComboBox"},
    {"HTMLListBox", "JavaListBox", "ListBox"},
    {"", "JavaTabControl", "TabControl"},
    {"", "", "ToolBar"},
    {"ListView", "", "ListView"},
    {"", "", "Header"},
    {"", "", ""},                                     // menu item
    {"", "JavaTreeView", "TreeView"},
    {"HTMLTable", "JavaTable", ""},
    {"HTMLAnchor", "", "SysLink"},
    {"HTMLImage", "JavaLabel", "Label"},
};

bool HasClass(const CWindowKav& window, const char* className) { return EqualsNoCase(window.GetClass(), className); }

std::string HtmlClassName(const CWindowKav& window, int type) {
    if (type == kWndCustom && HasClass(window, "html_frame")) return window.GetParent() ? "HTMLFrame" : "HTMLBrowser";
    if (type == kWndCustom || type == kWndInputField) {
        if (HasClass(window, "html_file")) return "HTMLInputFileEditBox";
        if (HasClass(window, "html_textarea")) return "HTMLTextArea";
        return "HTMLEditBox";
    }
    return kClassNames[type].html;
}

}  // namespace

std::string CTestPartnerEventParser::GetTPClassName(const CWindowKav& window) {
    const int type = window.GetType();
    const bool known = IsWindowTypeCode(type);
    switch (window.GetGuiID()) {
        case kHtmlGui: return known ? HtmlClassName(window, type) : "";
        case kJavaGuiBuilderId:
            if (type == kNoWindowType) return "";
            if (!known || type == kWndCustom) return window.HasCaption() ? "JavaWindow" : "GUIObject";
            return kClassNames[type].java;
        default:
            if (HasClass(window, "msctls_updown32")) return "UpDown";
            if (HasClass(window, "msctls_trackbar32")) return "TrackBar";
            if (type == kWndCustom) return window.HasCaption() ? "Window" : "GUIObject";
            return known ? kClassNames[type].win32 : "";
    }
}
