// The spy dialog's life: constructing it, running it, and handing its capture to the project.
#include "capture/GuiSpyDlg.h"

#include <utility>

#include "model/ApplicationKav.h"
#include "model/WindowKav.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"

CGuiSpyDlg::CGuiSpyDlg(const WindowSource& source, const CGUIBuilderList& builders, CFileKav* mainFile)
    : source_(&source), builders_(builders), mainFile_(mainFile) {}

CGuiSpyDlg::CGuiSpyDlg(GuiSpyHost& host, WindowLocator& locator, HtmlDocumentSource& documents,
                       CApplicationKav& root, const CGUIBuilderList& builders)
    : builders_(builders),
      mainFile_(root.GetMainFile()),
      host_(&host),
      locator_(&locator),
      root_(&root),
      html_(std::make_unique<CHtmlCapture>(documents, root.GetMainFile())) {
    html_->InitBrowserInterface();
}

CGuiSpyDlg::~CGuiSpyDlg() { DeleteWindowTree(captured_); }

void CGuiSpyDlg::DeleteWindowTree(CWindowKav* window) {
    if (!window) return;
    window->DeleteChildren();
    delete window;
}

CWindowKav* CGuiSpyDlg::RunCapture() {
    host_->ShowMainWindow(false);
    const int result = host_->RunModal();
    CWindowKav* window = std::exchange(captured_, nullptr);
    if (result == kCancel) {
        DeleteWindowTree(window);
        window = nullptr;
    } else if (window && !InsertCapture(window)) {
        GetInteraction().Inform(GetGlobalMessageBuffer(), MessageIcon::Warning);
        window = nullptr;
    } else if (window && tagGenerator_ && !tagGenerator_(root_->GetOutputFormat(), window)) {
        // The windows stay in the project without tags.
        GetInteraction().Inform(GetGlobalMessageBuffer(), MessageIcon::Warning);
    }
    host_->ShowMainWindow(true);
    return window;
}

bool CGuiSpyDlg::InsertCapture(CWindowKav* window) {
    std::vector<CWindowKav*> inserted;
    if (InsertWindowTree(window, inserted)) return true;
    // No window of a refused capture stays in the table, nor in the tree of another window.
    for (const CWindowKav* done : inserted) root_->GetWindowList().Remove(done);
    if (CWindowKav* parent = window->GetParent()) parent->RemoveChild(window);
    DeleteWindowTree(window);
    return false;
}

bool CGuiSpyDlg::InsertWindowTree(CWindowKav* window, std::vector<CWindowKav*>& inserted) {
    if (!window->SetName(root_->MakeWindowIdFromCaption(window), true) || !root_->GetWindowList().Add(window)) {
        return false;
    }
    inserted.push_back(window);
    for (CWindowKav* child : window->GetChildren()) {
        if (!InsertWindowTree(child, inserted)) return false;
        CWindowList::FitParents(child);
    }
    return true;
}
