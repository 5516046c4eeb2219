#include "views/trees/WindowDlg.h"

#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/WindowKav.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"
#include "shell/CommandIds.h"

namespace {

constexpr int kWindowIdCaption = 47031;
constexpr int kEditWindowIdUndo = 48089;
constexpr int kUftFormat = 7;

}  // namespace

CWindowDlg::CWindowDlg(TreePageHost& host) : CTreePage(host, tree_, kHelpContext), tree_(host) {}

void CWindowDlg::Fill() {
    UnmarkWindows();
    tree_.Fill();
}

void CWindowDlg::RefreshKeepingSelection() {
    const std::string id = tree_.GetCaretWindowId();
    Fill();
    CApplicationKav* project = CurrentApplication;
    if (!project || id.empty()) return;
    if (CWindowKav* found = project->GetWindowList().FindByID(id)) SelectWindow(found);
}

void CWindowDlg::InsertWindow(CWindowKav* window) {
    if (!window || tree_.ItemOf(window) != kNoItem) return;
    const int parent = window->GetParent() ? tree_.ItemOf(window->GetParent()) : tree_.FileItemOf(window->GetFile());
    if (parent == kNoItem) return;
    const int item = tree_.AppendWindowItem(window, parent);
    tree_.UpdateWindowItem(item, true);
    tree_.SortWindowChildren(parent);
}

void CWindowDlg::RefreshWindowItem(CWindowKav* window, bool sorted) {
    const int item = tree_.ItemOf(window);
    if (item == kNoItem) return;
    tree_.UpdateWindowItem(item, true);
    if (sorted) tree_.SortWindowChildren(tree_.GetParent(item));
}

void CWindowDlg::DeleteWindowItem(PageItem item) {
    const int number = CItemTree::ItemOfKey(item);
    if (!tree_.Find(number)) return;
    const int parent = tree_.GetParent(number);
    tree_.DeleteItem(number);
    if (tree_.WindowOf(parent)) tree_.UpdateWindowItem(parent, true);
}

void CWindowDlg::SetItemData(PageItem item, CWindowKav* window) {
    const int number = CItemTree::ItemOfKey(item);
    if (!tree_.Find(number) || !window) return;
    tree_.SetData(number, CWindowTree::kWindowItem, window);
    window->SetTreeItem(item);
    tree_.UpdateWindowItem(number, false);
}

void CWindowDlg::MoveBoldMark(CWindowKav* oldStart, CWindowKav* newStart) {
    tree_.UpdateWindowItem(tree_.ItemOf(oldStart), false);
    tree_.UpdateWindowItem(tree_.ItemOf(newStart), false);
}

void CWindowDlg::SelectWindow(CWindowKav* window) {
    const int item = tree_.ItemOf(window);
    if (item == kNoItem) return;
    tree_.EnsureVisible(item);
    tree_.Select(item);
}

void CWindowDlg::MarkWindows(const std::vector<CWindowKav*>& windows) {
    std::vector<int> items;
    for (const CWindowKav* window : windows) items.push_back(tree_.ItemOf(window));
    MarkItems(items);
    markedWindows_ = windows;
}

void CWindowDlg::UnmarkWindows() {
    UnmarkItems();
    markedWindows_.clear();
}

void CWindowDlg::EndPickOperation() {
    SetPickMode(false);
    EndCut();
}

void CWindowDlg::SortTree() { tree_.SortAll(); }

void CWindowDlg::SetPickMode(bool pick) {
    SetPickFlag(pick);
    tree_.SetPickMode(pick);
}

void CWindowDlg::OpenSelectedWindow() {
    const int caret = tree_.GetCaret();
    if (caret == kNoItem) return;
    const CWindowKav* window = tree_.WindowOf(caret);
    const bool menu = window && (window->GetType() == kWndMenu || window->GetType() == kWndMenuItem);
    host_.SendCommand(menu ? command::kMenuEditor : command::kWindowEditor);
}

bool CWindowDlg::ReportClick(int item, bool /*ctrl*/) {
    CWindowKav* window = tree_.WindowOf(item);
    if (!window || !IsPickMode()) return false;
    host_.ReportPickedWindow(window);
    return true;
}

std::optional<std::string> CWindowDlg::BeginLabelEdit(int item) {
    const CWindowKav* window = tree_.WindowOf(item);
    if (!window || !window->IsEditable(false)) return std::nullopt;
    SetEditingLabel(true);
    return window->GetName();
}

bool CWindowDlg::EndLabelEdit(int item, bool cancelled, const std::string& text) {
    SetEditingLabel(false);
    tree_.UpdateWindowItem(item, false);
    CWindowKav* window = tree_.WindowOf(item);
    CApplicationKav* project = CurrentApplication;
    if (cancelled || !window || !project || EqualsNoCase(text, window->GetName())) return false;
    if (!project->GetWindowList().RenameWindow(window, text)) {
        GetInteraction().ShowMessage(
            {GetGlobalMessageBuffer(), LoadMessage(kWindowIdCaption), MessageButtons::Ok, MessageIcon::Warning});
        return false;
    }
    host_.ReportWindowRenamed(window);
    tree_.UpdateWindowItem(item, true);
    tree_.SortWindowChildren(tree_.GetParent(item));
    host_.SetModified(LoadMessage(kEditWindowIdUndo));
    return true;
}

std::vector<TreeMenuEntry> CWindowDlg::ContextMenu() const {
    using namespace command;
    std::string order = ReadWindowSortOrder();
    const CApplicationKav* project = CurrentApplication;
    if (order == kSortOrderUftClass && !(project && project->GetOutputFormat() == kUftFormat)) order = kSortOrderName;
    const bool byType = order == kSortOrderType;
    const bool byUftClass = order == kSortOrderUftClass;
    return {{48155, kWindowEditor},
            {48156, kMenuEditor},
            {48157, kAttributesEditor},
            {48158, kPropertiesEditor},
            {},
            {48159, kDelete},
            {48160, kSetStartWindow},
            {48161, kReplaceWindow},
            {48162, kChangeWindowType},
            {48163, kNewMenu},
            {},
            {48188, kSortByName, !byType && !byUftClass},
            {48189, kSortByType, byType},
            {48190, kSortByUftClass, byUftClass},
            {},
            {48164, kGenerateTestCases},
            {48165, kConvertTestCases},
            {48166, kViewTestCases},
            {48167, kGenerateWindowTags},
            {},
            {48168, kSearchObject},
            {48169, kSearchReferences}};
}
