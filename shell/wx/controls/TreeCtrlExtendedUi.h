#pragma once
// The base of the model trees on the toolkit: shows the item marks that the logic keeps
// (colours, bold and italic, check states as state images), keeps its focus flag, and drags
// items onto others by the logic's rules.
#include <cstdint>

#include <wx/treectrl.h>

#include "shell/controls/TreeCtrlExtended.h"

class CTreeCtrlExtendedUi : public wxTreeCtrl {
public:
    // The logic is the model tree's own and outlives the window. With checkBoxes, each item
    // shows its check state left of it.
    CTreeCtrlExtendedUi(wxWindow* parent, int id, CTreeCtrlExtended& logic, long style = wxTR_DEFAULT_STYLE,
                        bool checkBoxes = false);
    ~CTreeCtrlExtendedUi() override;

    CTreeCtrlExtended& GetLogic() { return logic_; }
    static TreeItem Key(const wxTreeItemId& item) { return item.GetID(); }

    void SetItemTextColor(const wxTreeItemId& item, std::uint32_t colour);
    void SetItemBkColor(const wxTreeItemId& item, std::uint32_t colour);
    void SetItemCheckState(const wxTreeItemId& item, int state);
    // Bit 0 bold, bit 1 italic.
    void SetItemMarks(const wxTreeItemId& item, int flags);

private:
    void OnFocus(wxFocusEvent& event);
    void OnDeleteItem(wxTreeEvent& event);
    void OnBeginDrag(wxTreeEvent& event);
    void OnEndDrag(wxTreeEvent& event);
    void OnDragMotion(wxMouseEvent& event);
    wxTreeItemId LastVisibleItem() const;

    CTreeCtrlExtended& logic_;
};
