// The frame's creation, its parts, the panes and views, and the refreshes that walk them.
#include "shell/MainFrame.h"

#include <algorithm>
#include <cstdlib>

#include "conversion/framework/RepositoryImport.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "platform/Registry.h"
#include "shell/Help.h"
#include "shell/ProjectSession.h"

namespace {

const std::string kViewModeValue = "ViewMode";

int ReadViewMode() {
    const std::string text = ReadRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), kViewModeValue);
    if (text.empty()) return CMainFrame::kDefaultViewMode;
    return static_cast<int>(std::strtol(text.c_str(), nullptr, 10));
}

}  // namespace

CMainFrame::CMainFrame(MainFrameWindow& window)
    : window_(window),
      session_(std::make_unique<CProjectSession>()),
      recentFiles_(kRecentFileCount),
      undo_(*session_, [this] { RebindAfterUndo(); }) {
    SetUndoStepHook([this](const std::string& name) { SetModified(name); });
    SetTestCaseDeletionHook([this](CTestCase* testCase) { OnTestCaseDeleting(testCase); });
    // An imported repository's top windows are shown as a window view shows a new one.
    SetImportedWindowHook([this](CWindowKav* window) { OnNewControl(window); });
}

CMainFrame::~CMainFrame() {
    SetUndoStepHook(nullptr);
    SetTestCaseDeletionHook(nullptr);
    SetImportedWindowHook(nullptr);
}

void CMainFrame::OnCreate() {
    viewMode_ = ReadViewMode();
    window_.ShowTitle(kTitle);
    RefreshAll();
    // The interface reports when it is active; until then the user waits.
    if (VornakMode && !(vornak_ && vornak_->GetState() == 1)) window_.SetWaitCursor(true);
}

void CMainFrame::AddView(FrameView* view) {
    if (view && std::find(views_.begin(), views_.end(), view) == views_.end()) views_.push_back(view);
}

void CMainFrame::RemoveView(FrameView* view) {
    views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
    if (pick_.startView == view) pick_.startView = nullptr;
    if (pick_.destinationView == view) pick_.destinationView = nullptr;
    if (pick_.assigningTaskFlowView == view) pick_.assigningTaskFlowView = nullptr;
    if (pick_.assigningTestCaseView == view) pick_.assigningTestCaseView = nullptr;
}

WorkspacePage* CMainFrame::GetPage(WorkspacePageIndex index) const {
    switch (index) {
        case WorkspacePageIndex::Tasks: return tasksPage_;
        case WorkspacePageIndex::Requirements: return requirementsPage_;
        case WorkspacePageIndex::Windows: return windowsPage_;
        case WorkspacePageIndex::TestData: return testDataPage_;
    }
    return nullptr;
}

std::vector<WorkspacePage*> CMainFrame::Pages() const {
    std::vector<WorkspacePage*> pages;
    for (WorkspacePage* page : {GetPage(WorkspacePageIndex::Windows), GetPage(WorkspacePageIndex::Tasks),
                                GetPage(WorkspacePageIndex::Requirements), GetPage(WorkspacePageIndex::TestData)})
        if (page) pages.push_back(page);
    return pages;
}

ActivePane CMainFrame::GetActivePane() const {
    const struct {
        WorkspacePageIndex page;
        PaneKind kind;
    } order[] = {{WorkspacePageIndex::Tasks, PaneKind::TasksPage},
                 {WorkspacePageIndex::Requirements, PaneKind::RequirementsPage},
                 {WorkspacePageIndex::Windows, PaneKind::WindowsPage},
                 {WorkspacePageIndex::TestData, PaneKind::TestDataPage}};
    for (const auto& entry : order) {
        WorkspacePage* page = GetPage(entry.page);
        if (page && page->HasTreeFocus()) return {entry.kind, nullptr, page};
    }
    FrameView* view = window_.GetActiveView();
    if (!view) return {};
    return {view->Kind(), view, nullptr};
}

FrameView* CMainFrame::FindView(PaneKind kind, const CKavroObj* object) const {
    for (FrameView* view : views_)
        if (view->Kind() == kind && view->ShownObject() == object) return view;
    return nullptr;
}

FrameView* CMainFrame::ShowView(PaneKind kind, CKavroObj* object) {
    if (FrameView* open = FindView(kind, object)) {
        open->Activate();
        return open;
    }
    return window_.OpenView(kind, object, viewMode_);
}

void CMainFrame::CloseAllViews() {
    // A view leaves the list as it closes; one that stays open is not asked again.
    const std::vector<FrameView*> open = views_;
    for (FrameView* view : open)
        if (std::find(views_.begin(), views_.end(), view) != views_.end()) view->RequestClose();
}

void CMainFrame::OnChildActivated(FrameView* view, bool active) {
    if (!view || view->Kind() != PaneKind::WindowView) return;
    window_.ShowBar(FrameBar::WindowPalette, active && pick_.mode == 0);
}

void CMainFrame::SetStatusText(const std::string& text) { window_.ShowStatusText(text); }

void CMainFrame::SetModified(const std::string& undoStepName) {
    Root().SetModified(1);
    undo_.Record(undoStepName);
}

void CMainFrame::RefreshAll() {
    pick_ = PickState{};
    SetStatusText("");
    for (WorkspacePage* page : {GetPage(WorkspacePageIndex::Windows), GetPage(WorkspacePageIndex::Tasks)})
        if (page) page->EndPickOperation();
    for (FrameView* view : views_) view->EndPickOperation(drawingTool_ != kSelectTool);
}

void CMainFrame::RefreshAllViews() {
    for (PaneKind kind : kViewKinds)
        for (FrameView* view : views_)
            if (view->Kind() == kind) view->Refresh();
}

void CMainFrame::RebindAfterUndo() {
    for (WorkspacePage* page : Pages()) page->RebuildTree();
    for (PaneKind kind : kViewKinds)
        for (FrameView* view : views_)
            if (view->Kind() == kind) view->Rebind();
}

void CMainFrame::UpdateControlBars(PaneKind pane) {
    window_.ShowBar(FrameBar::Application, true);
    for (WorkspacePageIndex index : {WorkspacePageIndex::Tasks, WorkspacePageIndex::Requirements,
                                     WorkspacePageIndex::Windows, WorkspacePageIndex::TestData}) {
        WorkspacePage* page = GetPage(index);
        if (!page) continue;
        page->EnableTree(true);
        page->RebuildTree();
    }
    switch (pane) {
        case PaneKind::WindowsPage: window_.SelectWorkspacePage(WorkspacePageIndex::Windows); break;
        case PaneKind::TasksPage: window_.SelectWorkspacePage(WorkspacePageIndex::Tasks); break;
        case PaneKind::RequirementsPage: window_.SelectWorkspacePage(WorkspacePageIndex::Requirements); break;
        case PaneKind::TestDataPage: window_.SelectWorkspacePage(WorkspacePageIndex::TestData); break;
        default: break;
    }
}

void CMainFrame::OnPrinterChanged() {
    for (FrameView* view : views_) view->Redraw();
}

void CMainFrame::ShowProjectTitle() {
    const bool named = session_->IsProjectOpen() && !Root().GetMainFileName().empty();
    window_.ShowTitle(named ? std::string(kTitle) + " - " + Root().GetMainFileName() : std::string(kTitle));
}

CApplicationKav& CMainFrame::Root() const { return session_->Root(); }
bool CMainFrame::IsProjectOpen() const { return session_ && session_->IsProjectOpen(); }
bool CMainFrame::HasLoadErrors() const { return session_ && session_->HasLoadErrors(); }

// ---- EditorHost

int CMainFrame::RunModal(EditorDialog& dialog) {
    constexpr int kCancelled = 2;
    return runModal_ ? runModal_(dialog) : kCancelled;
}

std::string CMainFrame::SelectReference(int kinds, CTaskKav* task, CDataSet* dataSet,
                                        const OwningList<CDataEffect>* effects) {
    // Until the reference browser is installed the editors get what Cancel gives.
    const auto& browse = services_.editors.selectReference;
    return browse ? browse(kinds, task, dataSet, effects) : std::string();
}

void CMainFrame::ShowHelp(int contextId) { ::ShowHelp(contextId); }
