#include "editors/data/DataTreeUi.h"

#include <wx/artprov.h>
#include <wx/imaglist.h>
#include <wx/menu.h>

#include "resources/MessageCatalogue.h"

namespace {

// The tree's number of an item, kept as the window item's data.
class ItemNumber : public wxTreeItemData {
public:
    explicit ItemNumber(int item) : item_(item) {}
    int Item() const { return item_; }

private:
    int item_;
};

// The images by index: project, data set, field, group, (unused), records, (unused), library.
wxImageList* DataTreeImages() {
    const wxSize size(16, 16);
    auto* images = new wxImageList(size.x, size.y, false);
    const wxArtID art[] = {wxART_FOLDER_OPEN, wxART_REPORT_VIEW, wxART_NORMAL_FILE, wxART_LIST_VIEW,
                           wxART_MISSING_IMAGE, wxART_EXECUTABLE_FILE, wxART_MISSING_IMAGE, wxART_FOLDER};
    for (const wxArtID& id : art) {
        wxBitmap bitmap = wxArtProvider::GetBitmap(id, wxART_OTHER, size);
        images->Add(bitmap.IsOk() ? bitmap : wxBitmap(size));
    }
    return images;
}

DataPageKey PageKey(int keyCode) {
    switch (keyCode) {
        case WXK_F1: return DataPageKey::F1;
        case WXK_F2: return DataPageKey::F2;
        case WXK_DELETE: return DataPageKey::Delete;
        case WXK_RETURN:
        case WXK_NUMPAD_ENTER: return DataPageKey::Enter;
        default: return DataPageKey::Other;
    }
}

}  // namespace

DataTreeUi::DataTreeUi(wxWindow* parent, CDataDlg& page)
    : CTreeCtrlExtendedUi(parent, CDataDlg::kTreeId, page.Tree(),
                          wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_HIDE_ROOT | wxTR_EDIT_LABELS | wxTR_SINGLE),
      page_(page) {
    AssignImageList(DataTreeImages());
    root_ = AddRoot(wxString());
    // Bound after the base's handler, so called before it: no drag starts.
    Bind(wxEVT_TREE_BEGIN_DRAG, [](wxTreeEvent& event) { event.Veto(); });
    Bind(wxEVT_TREE_SEL_CHANGED, [this](wxTreeEvent& event) { page_.Tree().SetCaret(DataItem(event.GetItem())); });
    Bind(wxEVT_TREE_KEY_DOWN, &DataTreeUi::OnKey, this);
    // Handled, so that the tree does not toggle the item: a double click keeps its expansion. The
    // dialog opens once the click is over, which the pointer's grab would otherwise keep.
    Bind(wxEVT_TREE_ITEM_ACTIVATED, [this](wxTreeEvent&) { CallAfter([this] { page_.OpenProperties(); }); });
    Bind(wxEVT_TREE_BEGIN_LABEL_EDIT, &DataTreeUi::OnBeginLabelEdit, this);
    Bind(wxEVT_TREE_END_LABEL_EDIT, &DataTreeUi::OnEndLabelEdit, this);
    Bind(wxEVT_TREE_ITEM_MENU, &DataTreeUi::OnContextMenu, this);
    Enable(page.Tree().IsEnabled());
    page.Tree().SetObserver(this);
}

DataTreeUi::~DataTreeUi() { page_.Tree().SetObserver(nullptr); }

wxTreeItemId DataTreeUi::WindowItem(int item) const {
    const auto found = shown_.find(item);
    return found == shown_.end() ? wxTreeItemId() : found->second;
}

int DataTreeUi::DataItem(const wxTreeItemId& item) const {
    const auto* number = item.IsOk() ? dynamic_cast<ItemNumber*>(GetItemData(item)) : nullptr;
    return number ? number->Item() : kNoDataItem;
}

void DataTreeUi::ShowLook(const wxTreeItemId& shown, int item) {
    const DataTreeItem& look = *page_.Tree().Find(item);
    SetItemText(shown, wxString::FromUTF8(look.text));
    SetItemImage(shown, look.image);
    SetItemTextColor(shown, look.colour);
}

void DataTreeUi::ItemInserted(int item, int index) {
    const int parent = page_.Tree().GetParent(item);
    const wxTreeItemId shown = InsertItem(parent == kNoDataItem ? root_ : WindowItem(parent),
                                          static_cast<size_t>(index), wxString(), -1, -1, new ItemNumber(item));
    shown_[item] = shown;
    ShowLook(shown, item);
}

void DataTreeUi::ItemChanged(int item) {
    const wxTreeItemId shown = WindowItem(item);
    if (shown.IsOk()) ShowLook(shown, item);
}

void DataTreeUi::ItemDeleting(int item) {
    const wxTreeItemId shown = WindowItem(item);
    ForgetSubtree(item);
    if (shown.IsOk()) Delete(shown);
}

void DataTreeUi::ForgetSubtree(int item) {
    shown_.erase(item);
    for (int child : page_.Tree().Children(item)) ForgetSubtree(child);
}

void DataTreeUi::AllItemsDeleted() {
    shown_.clear();
    DeleteChildren(root_);
}

void DataTreeUi::ChildrenSorted(int parent) {
    const wxTreeItemId shown = parent == kNoDataItem ? root_ : WindowItem(parent);
    if (!shown.IsOk()) return;
    const std::vector<int>& children = page_.Tree().Children(parent);
    for (size_t rank = 0; rank < children.size(); ++rank) sortRanks_[children[rank]] = static_cast<int>(rank);
    SortChildren(shown);
    sortRanks_.clear();
}

int DataTreeUi::OnCompareItems(const wxTreeItemId& first, const wxTreeItemId& second) {
    return sortRanks_[DataItem(first)] - sortRanks_[DataItem(second)];
}

void DataTreeUi::ItemExpanded(int item) {
    const wxTreeItemId shown = WindowItem(item);
    if (shown.IsOk()) Expand(shown);
}

void DataTreeUi::ItemSelected(int item) {
    const wxTreeItemId shown = WindowItem(item);
    if (!shown.IsOk()) {
        UnselectAll();
        return;
    }
    SelectItem(shown);
    EnsureVisible(shown);
}

void DataTreeUi::TreeEnabled(bool enabled) { Enable(enabled); }

void DataTreeUi::OnKey(wxTreeEvent& event) {
    switch (page_.OnKey(PageKey(event.GetKeyCode()))) {
        case DataPageKeyResult::StartLabelEdit:
            if (const wxTreeItemId caret = WindowItem(page_.Tree().GetCaret()); caret.IsOk()) EditLabel(caret);
            break;
        case DataPageKeyResult::NotHandled: event.Skip(); break;
        case DataPageKeyResult::Handled: break;
    }
}

void DataTreeUi::OnBeginLabelEdit(wxTreeEvent& event) {
    if (!page_.BeginLabelEdit(DataItem(event.GetItem()))) event.Veto();
}

void DataTreeUi::OnEndLabelEdit(wxTreeEvent& event) {
    page_.EndLabelEdit(DataItem(event.GetItem()), event.IsEditCancelled(), std::string(event.GetLabel().utf8_str()));
    // The page has given the item its text, whatever became of the rename.
    event.Veto();
}

void DataTreeUi::OnContextMenu(wxTreeEvent& event) {
    if (event.GetItem().IsOk()) SelectItem(event.GetItem());
    wxMenu menu;
    const std::vector<DataPageMenuEntry>& entries = CDataDlg::ContextMenu();
    for (size_t index = 0; index < entries.size(); ++index) {
        if (entries[index].command == 0) menu.AppendSeparator();
        else menu.Append(static_cast<int>(index) + 1, wxString::FromUTF8(LoadMessage(entries[index].textId)));
    }
    // From the keyboard the menu opens at the tree's top left corner.
    const wxPoint at = event.GetPoint() == wxDefaultPosition ? wxPoint(0, 0) : event.GetPoint();
    const int chosen = GetPopupMenuSelectionFromUser(menu, at);
    if (chosen != wxID_NONE) page_.OnContextCommand(entries[static_cast<size_t>(chosen) - 1].command);
}
