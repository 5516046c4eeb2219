#pragma once
// The reference picker on the toolkit: a modal dialog with the picker's tree, OK and Cancel. A
// double click or OK on an item that names something ends it; on any other item it stays open.
#include <string>

#include <wx/dialog.h>

#include "views/picker/WindowSelectDlg.h"

class ItemTreeUi;

class CWindowSelectDlgUi : public wxDialog, private ItemTreeEvents {
public:
    // The logic has its context; the dialog fills the tree.
    CWindowSelectDlgUi(wxWindow* parent, CWindowSelectDlg& logic);

    ItemTreeUi& GetTree() { return *tree_; }

    // Runs the picker modally over the parent: the chosen designator, or "" when cancelled.
    static std::string SelectReference(wxWindow* parent, int flags, CTaskKav* task, CDataSet* dataSet,
                                       const OwningList<CDataEffect>* list);

private:
    void OnDoubleClick() override { EndWithChoice(); }
    void OnExpanded(int item, bool expanded) override { logic_.OnExpanded(item, expanded); }
    void EndWithChoice();

    CWindowSelectDlg& logic_;
    ItemTreeUi* tree_;
};

// Every main frame serves the editors' reference picks with this dialog, over the active window.
void InstallReferencePickerDialog();
