#include "capture/GuiSpyDlg.h"
#include "model/windows/WindowTypes.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr int kIllegalWindowClass = 44368;
constexpr int kRecordingErrorCaption = 47368;
constexpr int kNoBuilderGuiId = 999;
constexpr int kFormsGuiId = 990;

void ShowRecordingError(const std::string& text) {
    GetInteraction().ShowMessage({text, LoadMessage(kRecordingErrorCaption), MessageButtons::Ok, MessageIcon::Warning});
}

}  // namespace

bool CGuiSpyDlg::Attach(CWindowKav* parent, CWindowKav* child) {
    if (parent->AddChild(child)) return true;
    ShowRecordingError(GetGlobalMessageBuffer());
    return false;
}

CWindowKav* CGuiSpyDlg::CreateCapturedWindow(WindowHandle window, int childIndex) const {
    int guiId = 0;
    std::string className;
    const int type = ClassifyWindow(window, childIndex, guiId, className);
    if (type == kWndMenu || type == kWndMenuItem || !IsWindowTypeCode(type)) {
        ShowRecordingError(LoadMessage(kIllegalWindowClass));
        return nullptr;
    }
    const std::uint32_t style = source_->GetStyle(window);
    const ScreenRect rect = source_->GetRect(window);
    const WindowHandle parent = source_->GetParent(window);
    const ScreenRect origin = parent ? source_->GetRect(parent) : ScreenRect{rect.left, rect.top, 0, 0};
    CWindowKav* captured = CreateWindowOfType(
        type, {.numId = guiId == kFormsGuiId ? 0 : source_->GetControlId(window),
               .guiId = guiId,
               .className = className,
               .method = (style & win32::WS_CAPTION) == win32::WS_CAPTION ? 1 : 0,
               .caption = FitTextBuffer(source_->GetText(window)),
               .style = style,
               .exStyle = source_->GetExStyle(window),
               .tabNr = childIndex});
    captured->SetFile(mainFile_);
    captured->SetRect({rect.left - origin.left, rect.top - origin.top, rect.right - origin.left, rect.bottom - origin.top});
    return captured;
}

CWindowKav* CGuiSpyDlg::CaptureWindowTree(WindowHandle window, CWindowKav* modelParent, int childIndex) const {
    if (!window) return nullptr;
    CWindowKav* captured = CreateCapturedWindow(window, childIndex);
    if (!captured) return nullptr;
    if (modelParent && !Attach(modelParent, captured)) {
        DeleteWindowTree(captured);
        return nullptr;
    }
    // A combo box's edit field and list are parts of it, not windows of the model.
    if (captured->GetType() != kWndComboBox) {
        int index = 0;
        for (WindowHandle child = source_->GetFirstChild(window); child; child = source_->GetNextSibling(child)) {
            CaptureWindowTree(child, captured, index++);
        }
    }
    if (!source_->GetParent(window) && !CaptureMenuBar(window, captured)) {
        if (modelParent) modelParent->RemoveChild(captured);
        DeleteWindowTree(captured);
        return nullptr;
    }
    return captured;
}

bool CGuiSpyDlg::CaptureMenuBar(WindowHandle window, CWindowKav* captured) const {
    const MenuHandle menu = source_->GetMenu(window);
    if (!menu) return true;
    auto* menuBar = new CMenuKav("", 0, kNoBuilderGuiId, "");
    menuBar->SetFile(mainFile_);
    if (!Attach(captured, menuBar)) {
        delete menuBar;
        return false;
    }
    return CaptureMenu(menu, menuBar);
}

bool CGuiSpyDlg::CaptureMenu(MenuHandle menu, CWindowKav* modelParent) const {
    if (!menu) return false;
    const int count = source_->GetMenuItemCount(menu);
    if (count < 0) return false;
    for (int position = 0; position < count; ++position) {
        auto* item = new CMenuItemKav("", 0, kNoBuilderGuiId, "", "", 0, 0, position + 1);
        item->SetFile(mainFile_);
        const std::uint32_t state = source_->GetMenuState(menu, position);
        if (state & win32::MF_POPUP) {
            item->SetCaption(source_->GetMenuString(menu, position));
            item->SetPopup(true);
            // A sub-menu that cannot be read leaves the popup empty.
            CaptureMenu(source_->GetSubMenu(menu, position), item);
        } else if (state & win32::MF_SEPARATOR) {
            item->SetCaption("Separator");
            item->SetSeparator(true);
        } else {
            item->SetNumID(source_->GetMenuItemId(menu, position));
            item->SetCaption(source_->GetMenuString(menu, position));
            item->SetStyle(state);
        }
        if (!Attach(modelParent, item)) {
            DeleteWindowTree(item);
            return false;
        }
    }
    return true;
}
