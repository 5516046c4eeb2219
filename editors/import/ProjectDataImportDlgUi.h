#pragma once
// The window of the "Import Project Data" dialog: four trees with check boxes on a notebook,
// the option boxes and the two select buttons. It shows what CProjectDataImportDlg decides and
// hands it every click.
#include <array>

#include <wx/dialog.h>

#include "import/ProjectDataImportDlg.h"

class wxNotebook;
class wxTreeCtrl;
class wxTreeItemId;
class wxImageList;

class ProjectDataImportDlgUi : public wxDialog {
public:
    ProjectDataImportDlgUi(CProjectDataImportDlg& dialog, wxWindow* parent);
    ~ProjectDataImportDlgUi() override;

    wxTreeCtrl* GetTree(int page) const { return trees_[static_cast<size_t>(page)]; }
    // Shows the page's items again, after the logic changed checks or rebuilt the tree.
    void ShowTrees();

private:
    void MakeControls();
    void ShowTree(int page);
    void InsertChildren(wxTreeCtrl& tree, const wxTreeItemId& parent, const CImportTreeItem& item);
    void ShowOptions();
    void ReadOptions();
    void OnTreeClick(int page, wxMouseEvent& event);
    // Runs a handler of the logic, then shows its outcome.
    template <class Handler>
    void Apply(Handler handler) {
        ReadOptions();
        handler();
        ShowTrees();
        ShowOptions();
    }

    CProjectDataImportDlg& dialog_;
    wxNotebook* notebook_ = nullptr;
    std::array<wxTreeCtrl*, CProjectDataImportTabCtrl::kPageCount> trees_{};
    wxImageList* checkImages_ = nullptr;
};

// Shows the dialog modally: true for OK. The runner of the import dialog in the program.
bool RunProjectDataImportDlg(CProjectDataImportDlg& dialog, wxWindow* parent);
