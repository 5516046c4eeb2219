// Linking the GUI model: the window tree, the destinations and actions of transitions, and the
// pages of tab controls.
#include "model/ActionCatalogue.h"
#include "model/ApplicationKav.h"
#include "model/windows/TabControlKav.h"
#include "persistence/RelationBuilder.h"

namespace {

constexpr int kParentWindowMissing = 44805;   // [W0805]
constexpr int kDestinationMissing = 44806;    // [W0806]
constexpr int kPageWindowMissing = 44807;     // [W0807]
constexpr int kInitialPageMissing = 44808;    // [W0808]

}  // namespace

// On the snapshot of the table: every window is visited once, whatever the lookups move.
void RelationBuilder::LinkWindows() {
    for (CWindowKav* window : tableWindows_) LinkWindow(*window);
}

void RelationBuilder::LinkWindow(CWindowKav& window) {
    if (const std::string parentId = window.GetParentID(); !parentId.empty()) {
        if (CWindowKav* parent = Find(windows_, parentId)) {
            // A refused child stays where it was; the ancestors grow around it all the same.
            if (!parent->AddChild(&window)) ReportRefusal();
            CWindowList::FitParents(&window);
        } else {
            Report(kUnresolved, kParentWindowMissing, parentId);
        }
    }
    for (CTransitionKav* transition : window.GetTransitions()) {
        if (const std::string id = transition->GetDestWndId(); !id.empty()) {
            transition->SetDestWindow(Find(windows_, id));
            if (!transition->GetDestWindow()) Report(kUnresolved, kDestinationMissing, id);
        }
        if (!GetActionCatalogue().CheckAgainstCatalogue(transition->GetActions())) ReportRefusal();
    }
    // Every tab control has the type; the type spares the cast for all other windows.
    if (window.GetType() != kWndTabControl) return;
    if (auto* tabControl = dynamic_cast<CTabControlKav*>(&window)) LinkTabControl(*tabControl);
}

// A page names its window by identifier in the file and by designator in the model. The
// initial page is named by the page's identifier: a title can be cut or repeated.
void RelationBuilder::LinkTabControl(CTabControlKav& tabControl) {
    const std::string initialPage = tabControl.GetSelectedPageUniqueId();
    bool initialPageFound = false;
    for (CTabPage* page : tabControl.GetPages()) {
        if (const std::string id = page->GetPageWindowRef(); !id.empty()) {
            if (const CWindowKav* pageWindow = Find(windows_, id))
                page->SetPageWindowId(project_.GetObjectPathText(pageWindow));
            else
                Report(kUnresolved, kPageWindowMissing, id);
        }
        if (!initialPageFound && !initialPage.empty() && page->GetUniqueId() == initialPage) {
            tabControl.SetSelectedPageTitle(page->GetTitle());
            initialPageFound = true;
        }
    }
    if (!initialPage.empty() && !initialPageFound) Report(kUnresolved, kInitialPageMissing, initialPage);
}
