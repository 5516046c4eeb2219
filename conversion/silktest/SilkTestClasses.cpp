// The 4Test class of each window, by its type and by the family of its GUI builder: Windows
// Forms, HTML pages and Java have classes of their own.
#include "conversion/silktest/QAP4.h"
#include "conversion/silktest/SilkTestFormat.h"
#include "conditions/EventRules.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "resources/MessageCatalogue.h"

namespace {

enum class Family { WindowsForms, Html, Java, Plain };

Family FamilyOf(const CWindowKav& window) {
    switch (window.GetGuiID()) {
        case kWindowsFormsGui: return Family::WindowsForms;
        case kHtmlGui: return Family::Html;
        case kJavaGuiBuilderId: return Family::Java;
        default: return Family::Plain;
    }
}

// The class names of one row: Windows Forms, HTML, Java, all others.
std::string Pick(Family family, const char* windowsForms, const char* html, const char* java, const char* plain) {
    switch (family) {
        case Family::WindowsForms: return windowsForms;
        case Family::Html: return html;
        case Family::Java: return java;
        case Family::Plain: break;
    }
    return plain;
}

bool HasRadioButtons(const CWindowKav& groupBox) {
    return !static_cast<const CGroupBoxKav&>(groupBox).GetRadioButtons().empty();
}

std::string MenuItemClass(const CWindowKav& window, Family family) {
    const auto& item = static_cast<const CMenuItemKav&>(window);
    if (item.IsPopup()) return Pick(family, "Menu", "Menu", "JavaJFCMenu", "Menu");
    if (family != Family::Java) return "MenuItem";
    if (item.IsSeparator()) return "JavaJFCSeparator";
    if (EqualsNoCase(window.GetClass(), "JCheckBoxMenuItem")) return "JavaJFCCheckBoxMenuItem";
    if (EqualsNoCase(window.GetClass(), "JRadioButtonMenuItem")) return "JavaJFCRadioButtonMenuItem";
    return "JavaJFCMenuItem";
}

}  // namespace

std::string CQAP4::GetWindowClassName(const CWindowKav* window, int swfLinkLabel) {
    if (!window) return {};
    const Family family = FamilyOf(*window);
    switch (window->GetType()) {
        case kWndMain:
            return Pick(family, "SwfMainWin", "MainWin",
                        CurrentApplication->GetWebTest() ? "JavaApplet" : "JavaMainWin", "MainWin");
        case kWndChild: return Pick(family, "SwfChildWin", "ChildWin", "JavaJFCChildWin", "ChildWin");
        case kWndDialogBox: return Pick(family, "SwfDialogBox", "DialogBox", "JavaDialogBox", "DialogBox");
        case kWndCustom:
            if (family != Family::Html) return "CustomWin";
            if (window->HasCaption()) return "BrowserChild";
            return EqualsNoCase(window->GetClass(), "html_rect") ? "HtmlImage" : "CustomWin";
        case kWndMenu: return "ERROR: menu bar not supported! ";
        case kWndStaticText: return Pick(family, "SwfStaticText", "HtmlText", "JavaJFCStaticText", "StaticText");
        case kWndInputField:
            if (family == Family::WindowsForms && window->GetClass().find("RichEdit") != std::string::npos)
                return "SwfRichTextField";
            return Pick(family, "SwfTextField", "HtmlTextField", "JavaJFCTextField", "TextField");
        case kWndGroupBox:
            if (HasRadioButtons(*window)) return Pick(family, "SwfRadioList", "HtmlRadioList", "JavaJFCRadioList", "RadioList");
            return Pick(family, "SwfGroupBox", "HtmlText", "", "StaticText");
        case kWndPushButton: return Pick(family, "SwfPushButton", "HtmlPushButton", "JavaJFCPushButton", "PushButton");
        case kWndCheckBox: return Pick(family, "SwfCheckBox", "HtmlCheckBox", "JavaJFCCheckBox", "CheckBox");
        case kWndRadioButton:
            return Pick(family, "SwfRadioButton", "HtmlRadioButton", "JavaJFCRadioButton", "RadioButton");
        case kWndComboBox:
            if (IsDroplistComboBox(*window)) return Pick(family, "SwfPopupList", "HtmlPopupList", "JavaJFCPopupList", "PopupList");
            return Pick(family, "SwfComboBox", "HtmlComboBox", "JavaJFCComboBox", "ComboBox");
        case kWndListBox: return Pick(family, "SwfListBox", "HtmlListBox", "JavaJFCListBox", "ListBox");
        case kWndTabControl: return Pick(family, "SwfPageList", "PageList", "JavaJFCPageList", "PageList");
        case kWndToolBar: return Pick(family, "SwfToolBar", "ToolBar", "JavaJFCToolBar", "ToolBar");
        case kWndListView: return Pick(family, "SwfListView", "ListView", "ListView", "ListView");
        case kWndHeader: return "Header";
        case kWndMenuItem: return MenuItemClass(*window, family);
        case kWndTreeControl: return Pick(family, "SwfTreeView", "TreeView", "JavaJFCTreeView", "TreeView");
        case kWndTable: return Pick(family, "SwfDataGrid", "HtmlTable", "JavaJFCTable", "Table");
        case kWndLink: return Pick(family, swfLinkLabel == 1 ? "SwfLinkLabel" : "CustomWin", "HtmlLink", "CustomWin", "CustomWin");
        case kWndImage: return Pick(family, "CustomWin", "HtmlImage", "JavaJFCImage", "CustomWin");
        default: return LoadMessage(49216);
    }
}
