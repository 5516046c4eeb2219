#include "capture/GuiSpyDlg.h"
#include "model/GUIBuilderList.h"
#include "model/WindowKav.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kRoleClient = 10;
constexpr int kRoleList = 33;

// The window type of an accessibility role, or nothing for the roles the capture leaves to the
// class name.
std::optional<int> TypeOfRole(int role, std::string_view className) {
    switch (role) {
    case 11: case 12: return kWndMenuItem;
    case 14: return kWndMain;
    case 15: return kWndChild;
    case 16: case 18: case 37: case 38: return kWndDialogBox;
    case 20: return kWndGroupBox;
    case 22: return kWndToolBar;
    case 24: case 27: case 28: case 29: return kWndTable;
    case 25: case 26: return kWndHeader;
    case 30: return kWndLink;
    case kRoleList: return EqualsNoCase(className, "SysListView32") ? kWndListView : kWndListBox;
    case 35: case 36: return kWndTreeControl;
    case 41: return kWndStaticText;
    case 42: return kWndInputField;
    case 43: return kWndPushButton;
    case 44: return kWndCheckBox;
    case 45: return kWndRadioButton;
    case 46: return kWndComboBox;
    case 60: return kWndTabControl;
    default: return std::nullopt;
    }
}

bool IsStaticImage(std::uint32_t style) { return (style & 0x3) == 0x3 || (style & 0xE) == 0xE; }

// Classes a builder maps, whose windows still differ by role (buttons of every kind, forms).
bool NeedsRole(std::string_view className) {
    return EqualsNoCase(className, "Button") || EqualsNoCase(className, "WindowsForms*.Button.*") ||
           EqualsNoCase(className, "WindowsForms*.Window.*");
}

constexpr int kNoBuilderGuiId = 999;
constexpr int kFormsGuiId = 990;

}  // namespace

std::string CGuiSpyDlg::FitTextBuffer(const std::string& text, std::size_t bufferSize) {
    return Utf16Left(text, bufferSize - 1);
}

int CGuiSpyDlg::ClassifyWindow(WindowHandle window, int childIndex, int& guiId, std::string& className) const {
    guiId = kNoBuilderGuiId;
    const std::string rawName = FitTextBuffer(source_->GetClassName(window));
    const std::uint32_t style = source_->GetStyle(window);
    className = NormaliseClassName(rawName);

    int type = kWndCustom;
    CGUIBuilder* builder = nullptr;
    CWindowClass* windowClass = nullptr;
    if (builders_.FindWindowClass(rawName, builder, windowClass)) {
        type = windowClass->GetBaseType();
        guiId = builder->GetGuiID();
        if (type == kWndStaticText && IsStaticImage(style)) type = kWndImage;
        if (type != kWndCustom && !NeedsRole(className)) return type;
    } else if (rawName.starts_with("WindowsForms")) {
        guiId = kFormsGuiId;
    }
    return ClassifyByRole(window, childIndex, type, className);
}

int CGuiSpyDlg::ClassifyByRole(WindowHandle window, int childIndex, int type, std::string_view className) const {
    std::optional<int> role = source_->GetRole(window);
    const WindowHandle parent = source_->GetParent(window);
    if ((!role || *role == kRoleClient) && parent) {
        if (const std::optional<int> childRole = source_->GetChildRole(parent, childIndex + 1)) role = childRole;
    }
    if (role) {
        if (const std::optional<int> roleType = TypeOfRole(*role, className)) return *roleType;
        type = kWndCustom;
    } else if (type != kWndCustom) {
        return type;
    }
    // A Windows Forms container: a dialog with a caption bar, else a group.
    if (EqualsNoCase(className, "WindowsForms*.Window.*") &&
        (source_->GetExStyle(window) & win32::WS_EX_CONTROLPARENT)) {
        return (source_->GetStyle(window) & win32::WS_CAPTION) == win32::WS_CAPTION ? kWndDialogBox : kWndGroupBox;
    }
    return type;
}
