#include "views/window/NewWindow.h"

#include <algorithm>
#include <memory>

#include "model/ApplicationKav.h"
#include "model/GUIBuilderList.h"
#include "model/windows/WindowTypes.h"
#include "platform/Format.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr int kWindowSizeRefused = 44279;      // [W0279]
constexpr int kTooSmallForChildren = 44280;    // [W0280]
constexpr int kChildRefused = 44277;           // [W0277]
constexpr int kFatalErrorCaption = 47001;
constexpr int kInvalidWindowCaption = 47013;
constexpr int kTagGenerationCaption = 47062;

constexpr NewWindowStyle kNewWindowStyles[] = {
    {kWndMain, "Main%d", true, 0x10C80000},         {kWndChild, "Child%d", true, 0x10C80000},
    {kWndDialogBox, "Dialog%d", true, 0x90C80080},  {kWndCustom, "Custom%d", true, 0x10C80000},
    {kWndStaticText, "Text%d", true, 0x10000000},   {kWndInputField, "Edit%d", false, 0x10010000},
    {kWndGroupBox, "Group%d", true, 0x10000007},    {kWndPushButton, "Button%d", true, 0x10010000},
    {kWndCheckBox, "Checkbox%d", true, 0x10010003}, {kWndRadioButton, "Radio%d", true, 0x10000009},
    {kWndComboBox, "Combobox%d", false, 0x10010102}, {kWndListBox, "Listbox%d", false, 0x10010002},
    {kWndTabControl, "Tab%d", false, 0x10000000},   {kWndToolBar, "Toolbar%d", false, 0x10000000},
    {kWndListView, "Listview%d", false, 0x10010000}, {kWndHeader, "Header%d", false, 0x10000000},
    {kWndTreeControl, "Tree%d", false, 0x10010000}, {kWndTable, "Table%d", false, 0x10010000},
    {kWndLink, "Link%d", false, 0x10000000},        {kWndImage, "Image%d", false, 0x10000000},
};

TagGenerator& Tags() {
    static TagGenerator generator;
    return generator;
}

void Warn(const std::string& text, const std::string& caption, MessageIcon icon = MessageIcon::Warning) {
    GetInteraction().ShowMessage({text, caption, MessageButtons::Ok, icon});
}

// The class that the GUI builder gives the type; "" without such a builder.
std::string BuilderClass(int guiId, int type) {
    const CGUIBuilder* builder = GetGuiBuilderDatabase().FindByGuiID(guiId);
    return builder ? builder->GetClassNameForType(type) : "";
}

}  // namespace

const NewWindowStyle* FindNewWindowStyle(int type) {
    for (const NewWindowStyle& row : kNewWindowStyles)
        if (row.type == type) return &row;
    return nullptr;
}

std::string MakeNewWindowName(const NewWindowStyle& row, const CWindowList& windows) {
    for (int n = 1;; ++n) {
        std::string name = Fmt(row.nameFormat, n);
        if (!windows.FindByName(name, nullptr)) return name;
    }
}

bool CheckWindowSize(int type, int width, int height, const WindowSizeLimits& limits) {
    if (type != kWndMain && type != kWndChild && type != kWndDialogBox) return true;
    if (width >= limits.minWidth && width <= limits.maxWidth && height >= limits.minHeight && height <= limits.maxHeight)
        return true;
    GetInteraction().ShowMessage({LoadMessage(kWindowSizeRefused), "", MessageButtons::Ok, MessageIcon::Warning});
    return false;
}

bool CheckChildrenFit(const CWindowKav& window, int width, int height) {
    int right = 0, bottom = 0;
    for (const CWindowKav* child : window.GetChildren()) {
        right = std::max(right, child->GetRect().right);
        bottom = std::max(bottom, child->GetRect().bottom);
    }
    if (width >= right && height >= bottom) return true;
    GetInteraction().ShowMessage({LoadMessage(kTooSmallForChildren), "", MessageButtons::Ok, MessageIcon::Warning});
    return false;
}

void SetTagGenerator(TagGenerator generator) { Tags() = std::move(generator); }

CWindowKav* CreateNewWindow(int type, const WindowRect& rect, CWindowKav* parent, CApplicationKav& application) {
    const NewWindowStyle* row = FindNewWindowStyle(type);
    if (!row) return nullptr;
    const int guiId = parent ? parent->GetGuiID() : application.GetGuiId();
    const std::string name = MakeNewWindowName(*row, application.GetWindowList());
    const std::string caption = row->captionIsName ? name : type == kWndLink ? "Link" : "";
    std::unique_ptr<CWindowKav> window(CreateWindowOfType(
        type, {.id = name, .guiId = guiId, .className = BuilderClass(guiId, type), .caption = caption, .style = row->style}));
    if (type == kWndLink) static_cast<CLinkKav&>(*window).SetInitialValue("http://");
    window->SetFile(application.GetMainFile());
    window->SetRect(rect);

    if (Tags() && !Tags()(*window)) Warn(GetGlobalMessageBuffer(), LoadMessage(kTagGenerationCaption));
    if (parent) {
        window->SetHasCaption(false);
        if (!parent->AddChild(window.get(), &application)) {
            Warn(LoadMessage(kChildRefused), LoadMessage(kInvalidWindowCaption));
            return nullptr;
        }
    }
    if (!application.GetWindowList().Add(window.get())) {
        Warn(GetGlobalMessageBuffer(), LoadMessage(kInvalidWindowCaption));
        if (parent && !parent->RemoveChild(window.get()))
            Warn(GetGlobalMessageBuffer(), LoadMessage(kFatalErrorCaption), MessageIcon::Error);
        return nullptr;
    }
    return window.release();
}
