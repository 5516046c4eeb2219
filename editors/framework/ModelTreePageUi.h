#pragma once
// A workspace page on the toolkit whose only control is its model tree: a panel that owns the
// page's logic and shows its tree window, and the way the application pane makes it in its slot.
#include <functional>

#include <wx/panel.h>
#include <wx/sizer.h>

#include "shell/wx/WorkspacePaneUi.h"

class CMainFrame;
class EditorHost;

template <class Logic, class TreeUi>
class ModelTreePageUi : public wxPanel {
public:
    ModelTreePageUi(wxWindow* parent, EditorHost& host) : wxPanel(parent, wxID_ANY), page_(host) {
        tree_ = new TreeUi(this, page_);
        auto* layout = new wxBoxSizer(wxVERTICAL);
        layout->Add(tree_, wxSizerFlags(1).Expand());
        SetSizer(layout);
    }
    // The tree window uses the page's tree to the end: it goes first.
    ~ModelTreePageUi() override { DestroyChildren(); }

    Logic& Page() { return page_; }
    TreeUi& TreeWindow() { return *tree_; }

private:
    Logic page_;
    TreeUi* tree_;
};

// How a page finds the editors' host of the frame it is made for.
using EditorHostOfFrame = std::function<EditorHost&(CMainFrame&)>;

// Lets the application pane make the page in its slot. The page registers with the frame while it
// lives: registerPage(frame, page), and with null when it goes.
template <class PageUi, class Register>
void InstallModelTreePage(WorkspacePageIndex slot, EditorHostOfFrame hostOf, Register registerPage) {
    InstallPageFactory(slot, [hostOf, registerPage](CXPropertyPageUi& page, CMainFrame& mainFrame) {
        auto* content = new PageUi(&page, hostOf(mainFrame));
        registerPage(mainFrame, &content->Page());
        content->Bind(wxEVT_DESTROY, [&mainFrame, content, registerPage](wxWindowDestroyEvent& event) {
            if (event.GetEventObject() == content) registerPage(mainFrame, nullptr);
            event.Skip();
        });
    });
}
