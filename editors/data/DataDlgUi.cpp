#include "editors/data/DataDlgUi.h"

#include <wx/sizer.h>

#include "editors/data/DataTreeUi.h"
#include "shell/MainFrame.h"
#include "shell/wx/WorkspacePaneUi.h"

DataDlgUi::DataDlgUi(wxWindow* parent, EditorHost& host) : wxPanel(parent, wxID_ANY), page_(host) {
    tree_ = new DataTreeUi(this, page_);
    auto* layout = new wxBoxSizer(wxVERTICAL);
    layout->Add(tree_, wxSizerFlags(1).Expand());
    SetSizer(layout);
}

DataDlgUi::~DataDlgUi() {
    // The tree window uses the page's tree to the end: it goes first.
    DestroyChildren();
}

void InstallTestDataPage(EditorHostOfFrame hostOf) {
    InstallPageFactory(WorkspacePageIndex::TestData, [hostOf](CXPropertyPageUi& page, CMainFrame& mainFrame) {
        auto* content = new DataDlgUi(&page, hostOf(mainFrame));
        mainFrame.SetTestDataPage(&content->Page());
        content->Bind(wxEVT_DESTROY, [&mainFrame, content](wxWindowDestroyEvent& event) {
            if (event.GetEventObject() == content) mainFrame.SetTestDataPage(nullptr);
            event.Skip();
        });
    });
}
