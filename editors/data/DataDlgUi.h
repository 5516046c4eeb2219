#pragma once
// The Test Data page on the toolkit: a panel whose only control is the data tree, owning the
// page's logic. It fills slot 3 of the application pane once installed.
#include <functional>

#include <wx/panel.h>

#include "editors/data/DataDlg.h"

class CMainFrame;
class DataTreeUi;

class DataDlgUi : public wxPanel {
public:
    DataDlgUi(wxWindow* parent, EditorHost& host);
    ~DataDlgUi() override;

    CDataDlg& Page() { return page_; }
    DataTreeUi& TreeWindow() { return *tree_; }

private:
    CDataDlg page_;
    DataTreeUi* tree_;
};

// How the page finds the editors' host of the frame it is made for.
using EditorHostOfFrame = std::function<EditorHost&(CMainFrame&)>;
// Lets the application pane make the Test Data page, which registers with the frame while it
// lives.
void InstallTestDataPage(EditorHostOfFrame hostOf);
