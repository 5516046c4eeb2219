#include "import/repository/RepositoryWindowFactory.h"

#include <array>
#include <cstdint>
#include <string>

#include "model/ApplicationKav.h"
#include "model/FileKav.h"
#include "model/windows/WindowTypes.h"
#include "platform/MessageBuffer.h"

namespace {

// What a window of each type starts with; menus and menu items take none of it.
struct TypeDefaults {
    const char* className;
    std::uint32_t style;
    int method;
};

constexpr std::array<TypeDefaults, kWindowTypeCount> kDefaults = {{
    {"Afx:400000:8:10008:0:*", 0x10C80000, 1},  // main window: visible, caption, system menu
    {"Afx:400000:b:10008:6:*", 0x10C80000, 1},  // child window
    {"#32770", 0x90C80080, 1},                  // dialog box: pop-up, modal frame
    {"", 0x10C80000, 1},                        // custom window
    {"", 0, 0},                                 // menu bar
    {"Static", 0x10000000, 0},                  // static text: visible
    {"Edit", 0x10010000, 0},                    // input field: visible, tab stop
    {"Button", 0x10000007, 0},                  // group box
    {"Button", 0x10010000, 0},                  // push button
    {"Button", 0x10010003, 0},                  // check box: auto check box
    {"Button", 0x10000009, 0},                  // radio button: auto radio button
    {"ComboBox", 0x10010102, 0},                // combo box: sorted drop-down
    {"ListBox", 0x10010002, 0},                 // list box: sorted
    {"SysTabControl32", 0x10000000, 0},         // tab control
    {"ToolbarWindow32", 0x10000000, 1},         // tool bar
    {"SysListView32", 0x10010000, 0},           // list view
    {"SysHeader32", 0x10000000, 0},             // header
    {"", 0, 0},                                 // menu item
    {"SysTreeView32", 0x10010000, 0},           // tree control
    {"", 0x10010000, 0},                        // table
    {"html_text_link", 0x10000000, 0},          // link
    {"Static", 0x10000000, 0},                  // image
}};

}  // namespace

CWindowKav* CreateRepositoryWindow(int type, int guiId, CApplicationKav* project) {
    if (!IsWindowTypeCode(type)) return nullptr;
    const TypeDefaults& defaults = kDefaults[static_cast<size_t>(type)];
    WindowFields fields{.guiId = guiId,
                        .className = defaults.className,
                        .method = defaults.method,
                        .caption = type == kWndLink ? "Link" : "",
                        .style = defaults.style};
    // The window has no name yet: the model's complaint about the empty one is no message of
    // the import, whose buffer must still report what went wrong later.
    const std::string message = GetGlobalMessageBuffer();
    CWindowKav* window = CreateWindowOfType(type, fields);
    SetGlobalMessage(message);
    if (type == kWndLink) static_cast<CLinkKav*>(window)->SetInitialValue("http://");
    if (CFileKav* file = project ? project->GetMainFile() : nullptr) {
        window->SetFile(file);
        window->SetFileId(file->GetID());
    }
    return window;
}
