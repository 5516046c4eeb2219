// UFT's test-object classes of the window types, by GUI builder, and the menu paths of menu
// items.
#include "conversion/framework/GuiBuilders.h"
#include "conversion/uft/QTPEventParser.h"
#include "model/XMLElement.h"
#include "model/windows/WindowTypes.h"

namespace {

// The UFT classes of a window type: Windows, web page, Java; "" where UFT has none.
struct TypeClasses {
    const char* windows;
    const char* web;
    const char* java;
};

// By type code; the rows the type alone does not decide are completed in ClassOfType.
constexpr TypeClasses kTypeClasses[kWindowTypeCount] = {
    {"Window", "Page", "JavaWindow"},             // main window
    {"Window", "Page", "JavaWindow"},             // child window
    {"Dialog", "Dialog", "JavaDialog"},           // dialog box
    {"WinObject", "WebElement", "JavaObject"},    // custom window
    {"WinMenu", "", ""},                          // menu bar
    {"Static", "WebElement", "JavaStaticText"},   // static text
    {"WinEdit", "WebEdit", "JavaEdit"},           // input field
    {"WinObject", "WebRadioGroup", "JavaObject"}, // group box
    {"WinButton", "WebButton", "JavaButton"},     // push button
    {"WinCheckBox", "WebCheckBox", "JavaCheckBox"},
    {"WinRadioButton", "", "JavaRadioButton"},
    {"WinComboBox", "WebList", "JavaList"},
    {"WinList", "WebList", "JavaList"},           // list box
    {"WinTab", "WebElement", "JavaTab"},
    {"WinToolBar", "WebElement", "JavaToolbar"},
    {"WinListView", "WebList", "JavaList"},
    {"WinObject", "WebElement", "JavaObject"},    // header
    {"", "", "JavaMenu"},                         // menu item
    {"WinTreeView", "WebElement", "JavaTree"},
    {"WinTable", "WebTable", "JavaTable"},
    {"Link", "Link", "JavaLink"},
    {"Static", "Image", "JavaObject"},            // image
};

std::string WebClass(const CWindowKav& window) {
    const std::string className = window.GetClass();
    switch (window.GetType()) {
        case kWndCustom:
            if (className == "html_frame") return window.GetParent() ? "Frame" : "Browser";
            return "WebElement";
        case kWndInputField: return className == "html_file" ? "WebFile" : "WebEdit";
        case kWndLink: return className == "html_area" ? "WebArea" : "Link";
        default: return kTypeClasses[window.GetType()].web;
    }
}

std::string JavaClass(const CWindowKav& window) {
    if (window.GetType() == kWndCustom) return window.HasCaption() ? "JavaWindow" : "JavaObject";
    return kTypeClasses[window.GetType()].java;
}

std::string WinClass(const CWindowKav& window) {
    const std::string className = window.GetClass();
    if (className == "msctls_updown32") return "WinSpin";
    if (className == "msctls_statusbar32") return "WinStatusBar";
    if (className == "ScrollBar") return "WinScrollBar";
    switch (window.GetType()) {
        case kWndCustom: return window.HasCaption() ? "Window" : "WinObject";
        case kWndInputField:
            return static_cast<const CInputFieldKav&>(window).IsMultiLine() ? "WinEditor" : "WinEdit";
        default: return kTypeClasses[window.GetType()].windows;
    }
}

// The class that a SAP, WPF or Oracle control without a window class falls back to.
const char* FallbackClass(int guiId) {
    switch (guiId) {
        case 991: return "SAPGuiElement";
        case 992: return "SAPCalendar";
        case 993: return "WpfObject";
        case 994: return "OracleCalendar";
        default: return nullptr;
    }
}

}  // namespace

std::string CQTPEventParser::GetQtpClass(const CWindowKav* window) {
    if (!window) return {};
    if (const CXMLElement* description = window->GetToolData()) return description->GetAttributeValue("Class");
    if (const char* fallback = FallbackClass(window->GetGuiID()))
        return window->GetClass().empty() ? fallback : window->GetClass();
    if (!IsWindowTypeCode(window->GetType())) return {};
    switch (window->GetGuiID()) {
        case kHtmlGui: return WebClass(*window);
        case kJavaGuiBuilderId: return JavaClass(*window);
        default: return WinClass(*window);
    }
}

std::string CQTPEventParser::GetMenuPath(const CWindowKav* window) {
    std::string path;
    bool first = true;
    for (const CWindowKav* item = window; item && item->GetType() == kWndMenuItem; item = item->GetParent()) {
        // A Java menu's top level is the menu UFT selects in, not a step of the path.
        if (item->GetGuiID() == kJavaGuiBuilderId && item->GetParent() && item->GetParent()->GetType() != kWndMenuItem)
            break;
        path = first ? item->GetCaption() : item->GetCaption() + ";" + path;
        first = false;
    }
    return path;
}
