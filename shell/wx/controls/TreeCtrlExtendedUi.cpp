#include "shell/wx/controls/TreeCtrlExtendedUi.h"

#include <wx/dcmemory.h>
#include <wx/imaglist.h>
#include <wx/renderer.h>

namespace {

wxColour FromColorRef(std::uint32_t colour) {
    wxColour shown;
    shown.SetRGB(colour);
    return shown;
}

// The state images: an empty box, the mark of state 3 and the check of state 4.
wxImageList* CheckStateImages(wxWindow* tree) {
    auto* images = new wxImageList(13, 13);
    for (int flags : {0, static_cast<int>(wxCONTROL_UNDETERMINED), static_cast<int>(wxCONTROL_CHECKED)}) {
        wxBitmap box(13, 13);
        {
            wxMemoryDC dc(box);
            dc.SetBackground(*wxWHITE_BRUSH);
            dc.Clear();
            wxRendererNative::Get().DrawCheckBox(tree, dc, wxRect(0, 0, 13, 13), flags);
        }
        images->Add(box);
    }
    return images;
}

int StateImage(int state) {
    if (state == 4) return 2;
    if (state == 3) return 1;
    return 0;
}

}  // namespace

CTreeCtrlExtendedUi::CTreeCtrlExtendedUi(wxWindow* parent, int id, CTreeCtrlExtended& logic, long style,
                                         bool checkBoxes)
    : wxTreeCtrl(parent, id, wxDefaultPosition, wxDefaultSize, style), logic_(logic) {
    if (checkBoxes) AssignStateImageList(CheckStateImages(this));
    Bind(wxEVT_SET_FOCUS, &CTreeCtrlExtendedUi::OnFocus, this);
    Bind(wxEVT_KILL_FOCUS, &CTreeCtrlExtendedUi::OnFocus, this);
    Bind(wxEVT_TREE_BEGIN_DRAG, &CTreeCtrlExtendedUi::OnBeginDrag, this);
    Bind(wxEVT_TREE_END_DRAG, &CTreeCtrlExtendedUi::OnEndDrag, this);
    Bind(wxEVT_MOTION, &CTreeCtrlExtendedUi::OnDragMotion, this);
    Bind(wxEVT_TREE_DELETE_ITEM, &CTreeCtrlExtendedUi::OnDeleteItem, this);
}

CTreeCtrlExtendedUi::~CTreeCtrlExtendedUi() {
    // The base class would delete the items after this class is gone.
    DeleteAllItems();
    Unbind(wxEVT_SET_FOCUS, &CTreeCtrlExtendedUi::OnFocus, this);
    Unbind(wxEVT_KILL_FOCUS, &CTreeCtrlExtendedUi::OnFocus, this);
}

void CTreeCtrlExtendedUi::OnFocus(wxFocusEvent& event) {
    logic_.SetFocusFlag(event.GetEventType() == wxEVT_SET_FOCUS);
    event.Skip();
}

void CTreeCtrlExtendedUi::OnDeleteItem(wxTreeEvent& event) {
    logic_.ForgetItem(Key(event.GetItem()));
    event.Skip();
}

void CTreeCtrlExtendedUi::SetItemTextColor(const wxTreeItemId& item, std::uint32_t colour) {
    logic_.SetItemTextColor(Key(item), colour);
    SetItemTextColour(item, FromColorRef(colour));
}

void CTreeCtrlExtendedUi::SetItemBkColor(const wxTreeItemId& item, std::uint32_t colour) {
    logic_.SetItemBkColor(Key(item), colour);
    SetItemBackgroundColour(item, FromColorRef(colour));
}

void CTreeCtrlExtendedUi::SetItemCheckState(const wxTreeItemId& item, int state) {
    logic_.SetItemCheckState(Key(item), state);
    if (GetStateImageList()) SetItemState(item, StateImage(state));
}

void CTreeCtrlExtendedUi::SetItemMarks(const wxTreeItemId& item, int flags) {
    logic_.SetItemBold(Key(item), flags);
    SetItemBold(item, flags & kTreeItemBold);
    wxFont font = GetFont();
    if (flags & kTreeItemBold) font.MakeBold();
    if (flags & kTreeItemItalic) font.MakeItalic();
    SetItemFont(item, font);
}

void CTreeCtrlExtendedUi::OnBeginDrag(wxTreeEvent& event) {
    if (logic_.BeginDrag(Key(event.GetItem()))) event.Allow();
}

void CTreeCtrlExtendedUi::OnEndDrag(wxTreeEvent& event) {
    const wxTreeItemId target = event.GetItem();
    const TreeItem dragged = logic_.EndDrag(target.IsOk() ? Key(target) : nullptr);
    if (dragged) SelectItem(wxTreeItemId(const_cast<void*>(dragged)));
}

wxTreeItemId CTreeCtrlExtendedUi::LastVisibleItem() const {
    wxTreeItemId last;
    for (wxTreeItemId item = GetFirstVisibleItem(); item.IsOk() && IsVisible(item); item = GetNextVisible(item))
        last = item;
    return last;
}

void CTreeCtrlExtendedUi::OnDragMotion(wxMouseEvent& event) {
    event.Skip();
    if (!logic_.IsDragging()) return;
    int flags = 0;
    const wxTreeItemId over = HitTest(event.GetPosition(), flags);
    if (!over.IsOk()) return;
    const wxTreeItemId first = GetFirstVisibleItem();
    const int scroll = logic_.DragScroll(Key(over), Key(first), Key(LastVisibleItem()));
    if (scroll < 0 && GetPrevVisible(first).IsOk()) ScrollTo(GetPrevVisible(first));
    if (scroll > 0 && GetNextVisible(over).IsOk()) EnsureVisible(GetNextVisible(over));
}
