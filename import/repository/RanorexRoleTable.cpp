// The Ranorex roles the program knows: per technology (its capability list) the window type and
// GUI builder of each role.
#include "import/repository/XMLDataRanorex.h"

#include <string_view>
#include <utility>

#include "model/WindowKav.h"

namespace {

constexpr int kStandard = 999;
constexpr int kJava = 996;
constexpr int kWeb = 995;

// Native windows and Java share their roles; "table" stands twice in each, as Ranorex lists it.
void AddDesktopRoles(std::vector<CRanorexWndType>& table, const char* capabilities, int guiId) {
    const std::pair<const char*, int> roles[] = {
        {"form", kWndDialogBox},   {"button", kWndPushButton},  {"checkbox", kWndCheckBox},
        {"combobox", kWndComboBox}, {"text", kWndInputField},   {"radiobutton", kWndRadioButton},
        {"table", kWndTable},       {"menubar", kWndMenu},      {"menuitem", kWndMenuItem},
        {"tree", kWndTreeControl},  {"container", kWndCustom},  {"toolbar", kWndToolBar},
        {"scrollbar", kWndCustom},  {"statusbar", kWndCustom},  {"element", kWndCustom},
        {"list", kWndListView},     {"table", kWndTable},
    };
    for (const auto& [role, type] : roles)
        table.push_back({role, capabilities, type, guiId, std::string_view(role) == "form" ? 1 : 0});
}

}  // namespace

std::vector<CRanorexWndType> BuildRoleTable() {
    std::vector<CRanorexWndType> table;
    AddDesktopRoles(table, "nativewindow,accessible", kStandard);
    AddDesktopRoles(table, "javaelement", kJava);
    const std::pair<const char*, int> webRoles[] = {
        {"webdocument", kWndMain}, {"formtag", kWndDialogBox},  {"form", kWndDialogBox},
        {"litag", kWndLink},       {"linktag", kWndLink},        {"atag", kWndLink},
        {"labeltag", kWndStaticText}, {"textareatag", kWndStaticText}, {"tabletag", kWndCustom},
        {"buttontag", kWndPushButton}, {"inputtag", kWndCustom}, {"tdtag", kWndCustom},
        {"ptag", kWndCustom},       {"divtag", kWndCustom},      {"imgTag", kWndImage},
    };
    for (const auto& [role, type] : webRoles) {
        const std::string_view name = role;
        const int topLevel = name == "webdocument" || name == "formtag" || name == "form" ? 1 : 0;
        table.push_back({role, "webdocument,webelement", type, kWeb, topLevel});
    }
    return table;
}
