#include "shell/wx/WorkspacePaneUi.h"

#include <map>

#include <wx/sizer.h>

#include "resources/MessageCatalogue.h"
#include "shell/wx/ProductArt.h"

namespace {

std::map<WorkspacePageIndex, PageFactory>& PageFactories() {
    static std::map<WorkspacePageIndex, PageFactory> factories;
    return factories;
}

WorkspacePaneFactory& PaneFactory() {
    static WorkspacePaneFactory factory;
    return factory;
}

// The pages in tab order with their titles' ids.
constexpr struct {
    WorkspacePageIndex index;
    int titleId;
} kPages[] = {{WorkspacePageIndex::Tasks, 49323},
              {WorkspacePageIndex::Requirements, 49324},
              {WorkspacePageIndex::Windows, 49325},
              {WorkspacePageIndex::TestData, 49326}};

}  // namespace

void InstallPageFactory(WorkspacePageIndex index, PageFactory factory) { PageFactories()[index] = std::move(factory); }

void InstallWorkspacePane(WorkspacePaneFactory factory) { PaneFactory() = std::move(factory); }

WorkspacePaneUi* MakeWorkspacePane(wxWindow* parent, CMainFrame& mainFrame) {
    return PaneFactory() ? PaneFactory()(parent, mainFrame) : new WorkspacePaneUi(parent, mainFrame);
}

WorkspacePaneUi::WorkspacePaneUi(wxWindow* parent, CMainFrame& mainFrame) : wxPanel(parent, wxID_ANY) {
    sheet_ = new CXPropertySheetUi(this, kSheetId);
    auto* layout = new wxBoxSizer(wxVERTICAL);
    layout->Add(sheet_, 1, wxEXPAND);
    SetSizer(layout);
    for (const auto& entry : kPages) {
        auto* page = new CXPropertyPageUi(sheet_, wxString::FromUTF8(LoadMessage(entry.titleId)));
        page->SetFitChild(true);
        pages_[static_cast<int>(entry.index)] = page;
        const auto factory = PageFactories().find(entry.index);
        if (factory != PageFactories().end() && factory->second) factory->second(*page, mainFrame);
        sheet_->AddPage(page, PageIcon(entry.index), static_cast<std::uintptr_t>(entry.index));
    }
    sheet_->SetCurSel(0);
}

void WorkspacePaneUi::SelectPage(WorkspacePageIndex index) { sheet_->SetCurSel(static_cast<int>(index)); }

WorkspacePageIndex WorkspacePaneUi::GetShownPage() const {
    return static_cast<WorkspacePageIndex>(sheet_->GetStrip().GetCurSel());
}
