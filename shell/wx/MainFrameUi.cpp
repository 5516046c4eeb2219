#include "shell/wx/MainFrameUi.h"

#include <wx/aui/auibar.h>
#include <wx/menu.h>
#include <wx/printdlg.h>
#include <wx/tglbtn.h>
#include <wx/utils.h>

#include "resources/MessageCatalogue.h"
#include "shell/CommandIds.h"
#include "shell/FrameBars.h"
#include "shell/wx/KavroDoc.h"
#include "shell/wx/MessageLogDlgUi.h"
#include "shell/wx/ProductArt.h"
#include "shell/wx/ProductDialogsUi.h"
#include "shell/wx/WindowPaletteUi.h"
#include "shell/wx/WorkspacePaneUi.h"
#include "shell/wx/controls/XStatusBarUi.h"

namespace {

constexpr int kGeneralTitle = 48097;
constexpr int kDrawingToolsTitle = 48098;
constexpr int kWindowsTitle = 48099;
constexpr int kOpenProjectItem = 48100;
constexpr int kSaveProjectItem = 48101;
// The context menu's entries for the open child frames.
constexpr int kFirstChildItem = 20000;

wxString Text(int id) { return wxString::FromUTF8(LoadMessage(id)); }

int Id(int command) { return CommandToWindowId(command); }

std::map<std::string, FrameInstaller>& FrameInstallers() {
    static std::map<std::string, FrameInstaller> installers;
    return installers;
}

template <std::size_t N>
wxAuiToolBar* MakeToolBar(wxWindow* parent, const BarButton (&buttons)[N], long style) {
    auto* bar = new wxAuiToolBar(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, style);
    for (const BarButton& button : buttons) {
        if (!button.command) {
            bar->AddSeparator();
            continue;
        }
        bar->AddTool(Id(button.command), button.name, CommandBitmap(button.command, button.name), button.name);
    }
    bar->Realize();
    return bar;
}

}  // namespace

void InstallFrameParts(const std::string& folder, FrameInstaller installer) {
    FrameInstallers()[folder] = std::move(installer);
}

CMainFrameUi::CMainFrameUi()
    : wxDocMDIParentFrame(new wxDocManager(0, false), nullptr, wxID_ANY, CMainFrame::kTitle, wxDefaultPosition,
                          wxSize(1100, 760)) {
    aui_.SetManagedWindow(this);
    frame_ = std::make_unique<CMainFrame>(*this);
    statusBar_ = new CXStatusBarUi(this);
    statusBar_->SetTextColor(*wxRED);
    statusBar_->SetTextFont(wxFont(wxSize(0, 14), wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD, false, "Arial"));
    SetStatusBar(statusBar_);
    CreateMenus();
    CreateBars();
    BindCommands();
    for (PaneKind kind : kViewKinds)
        templates_[kind] = new CKavroDocTemplate(GetDocumentManager(), kind, *frame_, this);
    DragAcceptFiles(true);
    wxIcon icon;
    icon.CopyFromBitmap(ProductLogo());
    SetIcon(icon);
    for (const auto& [folder, install] : FrameInstallers())
        if (install) install(*frame_, this);
    frame_->OnCreate();
}

CMainFrameUi::~CMainFrameUi() {
    // Nothing may reach the frame's rules once they are gone.
    Unbind(wxEVT_UPDATE_UI, &CMainFrameUi::OnUpdateCommand, this);
    Unbind(wxEVT_MENU, &CMainFrameUi::OnCommand, this);
    if (waiting_) wxEndBusyCursor();
    wxDocManager* manager = GetDocumentManager();
    // The views go first: they tell the frame that they close.
    manager->Clear(true);
    aui_.UnInit();
    pane_->Destroy();
    frame_.reset();
    delete manager;
    m_docManager = nullptr;
}

const char* CMainFrameUi::PaneName(FrameBar bar) {
    switch (bar) {
        case FrameBar::Application: return "application";
        case FrameBar::General: return "general";
        case FrameBar::Editors: return "editors";
        case FrameBar::Drawing: return "drawing";
        case FrameBar::WindowPalette: return "palette";
    }
    return "";
}

void CMainFrameUi::CreateMenus() {
    projectMenu_ = new wxMenu;
    projectMenu_->Append(Id(command::kNewProject), "&New...\tCtrl+N");
    projectMenu_->Append(Id(command::kOpenProject), "&Open...\tCtrl+O");
    projectMenu_->Append(Id(command::kCloseProject), "&Close");
    projectMenu_->AppendSeparator();
    projectMenu_->Append(Id(command::kSaveProject), "&Save\tCtrl+S");
    projectMenu_->Append(Id(command::kSaveProjectAs), "Save &As...");
    projectMenu_->AppendSeparator();
    projectMenu_->Append(Id(command::kProjectProperties), "Project &Properties...");
    auto* imports = new wxMenu;
    imports->Append(Id(command::kImportProjectData), "&Project Data...");
    imports->Append(Id(command::kImportUftRepository), "Import &Object Repository...");
    imports->Append(Id(command::kImportJavaGui), "&Java-GUI Info");
    imports->Append(Id(command::kImportXmi), "&XMI Model Data");
    projectMenu_->AppendSubMenu(imports, "&Import");
    auto* exports = new wxMenu;
    exports->Append(Id(command::kExportEsaObjectMaps), "&ESA ART Object Maps");
    projectMenu_->AppendSubMenu(exports, "&Export");
    projectMenu_->AppendSeparator();
    projectMenu_->Append(Id(command::kPrinterSetUp), "P&rint Setup...");
    projectMenu_->AppendSeparator();
    projectMenu_->AppendSeparator();
    projectMenu_->Append(Id(command::kExit), "E&xit");
    FillRecentFiles();

    auto* edit = new wxMenu;
    edit->Append(Id(command::kUndo), "&Undo\tCtrl+Z");
    edit->Append(Id(command::kRedo), "&Redo\tCtrl+Y");
    edit->AppendSeparator();
    edit->Append(Id(command::kCut), "Cu&t\tCtrl+X");
    edit->Append(Id(command::kCopy), "&Copy\tCtrl+C");
    edit->Append(Id(command::kPaste), "&Paste\tCtrl+V");
    edit->Append(Id(command::kDelete), "&Delete\tDel");
    edit->AppendSeparator();
    edit->Append(Id(command::kSearchObject), "&Search Object...");
    edit->Append(Id(command::kSearchReferences), "Search Re&ferences...");

    auto* languages = new wxMenu;
    languages->AppendCheckItem(Id(command::kEnglish), "&English");
    languages->AppendCheckItem(Id(command::kGerman), "&German");
    auto* view = new wxMenu;
    view->AppendCheckItem(Id(command::kWorkspace), "&Workspace");
    view->AppendCheckItem(Id(command::kGeneralToolBar), "&General Tool Bar");
    view->AppendCheckItem(Id(command::kEditorToolBar), "&Editor Tool Bar");
    view->AppendCheckItem(Id(command::kDrawToolBar), "&Draw Tool Bar");
    view->AppendCheckItem(Id(command::kWindowToolBar), "&Window Tool Bar");
    view->AppendSeparator();
    view->AppendCheckItem(Id(command::kShowTransitions), "Show T&ransitions");
    view->AppendCheckItem(Id(command::kShowCoverage), "Show &Coverage");
    view->AppendCheckItem(Id(command::kShowGrandchildren), "Show Grandchi&ldren");
    view->AppendCheckItem(Id(command::kShowStepInfo), "Show &Step Info");
    view->AppendCheckItem(Id(command::kVerticalDiagrams), "&Vertical Diagrams");
    view->AppendSeparator();
    view->AppendSubMenu(languages, "&Language");

    auto* model = new wxMenu;
    model->Append(Id(command::kPropertiesEditor), "&Properties Editor");
    model->Append(Id(command::kAttributesEditor), "&Attributes Editor");
    model->Append(Id(command::kMetaConditionEditor), "Meta-&Condition Editor");
    model->Append(Id(command::kUserDefinedFields), "&User-Defined Fields Editor");
    model->AppendSeparator();
    model->Append(Id(command::kSetStartWindow), "Set as Start &Window");
    model->Append(Id(command::kChangeWindowType), "Change Window T&ype");
    model->Append(Id(command::kReplaceWindow), "Rep&lace Window");
    model->Append(Id(command::kGenerateWindowTags), "Generate Window &Tags");
    model->Append(Id(command::kShowLoadErrors), "Show Load &Errors");
    model->AppendSeparator();
    model->Append(Id(command::kNewTransition), "&New Transition");
    model->Append(Id(command::kRedirectTransition), "&Redirect Transition");
    model->Append(Id(command::kNewStep), "New &Step");
    model->Append(Id(command::kEditStep), "&Edit Step");
    model->Append(Id(command::kAssignObject), "Assign &Object to Step");
    model->AppendSeparator();
    model->Append(Id(command::kGuiSpy), "GUI Sp&y");
    model->Append(Id(command::kInitializeRepositoryOptions), "&Initialize Repository Options");
    model->Append(Id(command::kResetRepositoryOptions), "&Reset Repository Options");

    auto* generate = new wxMenu;
    generate->Append(Id(command::kGenerateTestCases), "&Generate Test Cases");
    generate->Append(Id(command::kConvertTestCases), "&Convert Test Cases");
    generate->Append(Id(command::kViewTestCases), "&View Test Cases");
    generate->Append(Id(command::kDeleteAllTestCases), "&Delete All Test Cases");
    generate->AppendSeparator();
    generate->Append(Id(command::kGenerateDataRecords), "Generate Data &Records");
    generate->Append(Id(command::kGenerateHtml), "Generate &HTML Documentation");

    auto* tools = new wxMenu;
    tools->Append(Id(command::kWindowWizard), "Window Wi&zard", "Create a Pre-Defined Window with the Window Wizard");
    tools->Append(Id(command::kGuiBuilderEditor), "&GUI Builder Editor", "Edit the GUI Builder Database");

    auto* help = new wxMenu;
    help->Append(Id(command::kHelp), "&Help Topics\tF1");
    help->AppendSeparator();
    help->Append(Id(command::kAbout), "&About KAVRO...");

    auto* bar = new wxMenuBar;
    bar->Append(projectMenu_, "&Project");
    bar->Append(edit, "&Edit");
    bar->Append(view, "&View");
    bar->Append(model, "&Model");
    bar->Append(generate, "&Generate");
    bar->Append(tools, "&Tools");
    bar->Append(help, "&Help");
    SetMenuBar(bar);
}

// The recent files stand between the two separators above Exit; an empty list shows a disabled
// placeholder.
void CMainFrameUi::FillRecentFiles() {
    const RecentFileList& recent = frame_->GetRecentFiles();
    for (int command = command::kRecentFile1; command <= command::kRecentFileLast; ++command)
        if (projectMenu_->FindItem(Id(command))) projectMenu_->Destroy(Id(command));
    const std::size_t position = projectMenu_->GetMenuItemCount() - 2;
    if (recent.Size() == 0) {
        projectMenu_->Insert(position, Id(command::kRecentFile1), "Recent File");
        return;
    }
    for (std::size_t i = 0; i < recent.Size(); ++i)
        projectMenu_->Insert(position + i, Id(command::kRecentFile1 + static_cast<int>(i)),
                             wxString::FromUTF8(recent.GetDisplayName(i, CMainFrame::kRecentFileDisplayLength)));
}

void CMainFrameUi::CreateBars() {
    auto* general = MakeToolBar(this, kGeneralBarButtons, wxAUI_TB_DEFAULT_STYLE | wxAUI_TB_GRIPPER);
    generalBar_ = general;
    aui_.AddPane(general,
                 wxAuiPaneInfo().Name(PaneName(FrameBar::General)).Caption(Text(kGeneralTitle)).ToolbarPane().Top().Row(0).Position(0));
    auto* editors = MakeToolBar(this, kEditorsBarButtons, wxAUI_TB_DEFAULT_STYLE | wxAUI_TB_GRIPPER);
    aui_.AddPane(editors, wxAuiPaneInfo().Name(PaneName(FrameBar::Editors)).Caption("Kavro").ToolbarPane().Top().Row(0).Position(1));
    auto* drawing = MakeToolBar(this, kDrawingBarButtons, wxAUI_TB_DEFAULT_STYLE | wxAUI_TB_GRIPPER | wxAUI_TB_VERTICAL);
    aui_.AddPane(drawing, wxAuiPaneInfo()
                              .Name(PaneName(FrameBar::Drawing))
                              .Caption(Text(kDrawingToolsTitle))
                              .ToolbarPane()
                              .Left()
                              .Layer(2)
                              .GripperTop());
    aui_.AddPane(new WindowPaletteUi(this), wxAuiPaneInfo()
                                                .Name(PaneName(FrameBar::WindowPalette))
                                                .Caption(Text(kWindowsTitle))
                                                .Right()
                                                .Layer(1)
                                                .MinSize(32, 32)
                                                .Hide());
    pane_ = MakeWorkspacePane(this, *frame_);
    aui_.AddPane(pane_, wxAuiPaneInfo()
                            .Name(PaneName(FrameBar::Application))
                            .Caption("Application Bar")
                            .Left()
                            .Layer(1)
                            .BestSize(240, 480)
                            .MinSize(32, 32)
                            .CloseButton()
                            .PinButton());
    aui_.AddPane(GetClientWindow(), wxAuiPaneInfo().Name("views").CenterPane());
    aui_.Update();
}

void CMainFrameUi::BindCommands() {
    Bind(wxEVT_MENU, &CMainFrameUi::OnCommand, this);
    Bind(wxEVT_TOGGLEBUTTON, &CMainFrameUi::OnCommand, this);
    Bind(wxEVT_UPDATE_UI, &CMainFrameUi::OnUpdateCommand, this);
    Bind(wxEVT_MENU_OPEN, &CMainFrameUi::OnProjectMenuOpen, this);
    Bind(wxEVT_CLOSE_WINDOW, &CMainFrameUi::OnCloseWindow, this);
    Bind(wxEVT_DROP_FILES, &CMainFrameUi::OnDropFiles, this);
    Bind(wxEVT_CONTEXT_MENU, &CMainFrameUi::OnContextMenu, this);
}

void CMainFrameUi::OnCommand(wxCommandEvent& event) {
    const int command = WindowIdToCommand(event.GetId());
    switch (command) {
        case 0: event.Skip(); return;
        case command::kAbout: {
            CAboutDlgUi about(this);
            about.ShowModal();
            return;
        }
        case command::kPrinterSetUp: ShowPrinterSetUp(); return;
        case command::kExit: Close(); return;
        default: break;
    }
    if (frame_->IsClosed() || !frame_->OnCommand(command)) event.Skip();
}

void CMainFrameUi::OnUpdateCommand(wxUpdateUIEvent& event) {
    const int command = WindowIdToCommand(event.GetId());
    if (!command) {
        event.Skip();
        return;
    }
    const CommandState state = frame_->GetCommandState(command);
    event.Enable(state.enabled);
    if (event.IsCheckable()) event.Check(state.checked);
    if (command == command::kUndo) ShowToolTip(command, frame_->GetUndoTip());
    if (command == command::kRedo) ShowToolTip(command, frame_->GetRedoTip());
}

void CMainFrameUi::ShowToolTip(int command, const std::string& tip) {
    const wxString text = wxString::FromUTF8(tip);
    if (generalBar_->GetToolShortHelp(Id(command)) != text) generalBar_->SetToolShortHelp(Id(command), text);
}

void CMainFrameUi::OnProjectMenuOpen(wxMenuEvent& event) {
    if (event.GetMenu() == projectMenu_) FillRecentFiles();
    event.Skip();
}

void CMainFrameUi::OnCloseWindow(wxCloseEvent& event) {
    if (!frame_->IsClosed() && !frame_->OnClose() && event.CanVeto()) {
        event.Veto();
        return;
    }
    // The document frame's own handler closes the documents; then the frame goes.
    event.Skip();
}

void CMainFrameUi::OnDropFiles(wxDropFilesEvent& event) {
    if (event.GetNumberOfFiles() > 0 && !frame_->IsClosed())
        frame_->OpenDroppedFile(std::string(event.GetFiles()[0].utf8_str()));
}

void CMainFrameUi::OnContextMenu(wxContextMenuEvent& event) {
    if (event.GetEventObject() != this) {
        event.Skip();
        return;
    }
    wxMenu menu;
    menu.Append(Id(command::kOpenProject), Text(kOpenProjectItem));
    menu.Append(Id(command::kSaveProject), Text(kSaveProjectItem));
    for (int command : {command::kOpenProject, command::kSaveProject})
        menu.Enable(Id(command), frame_->GetCommandState(command).enabled);
    // The open child frames, as the Window menu lists them.
    std::vector<wxMDIChildFrame*> children;
    for (wxWindow* child : GetClientWindow()->GetChildren())
        if (auto* frame = dynamic_cast<wxMDIChildFrame*>(child)) children.push_back(frame);
    if (!children.empty()) menu.AppendSeparator();
    for (std::size_t i = 0; i < children.size(); ++i)
        menu.AppendCheckItem(kFirstChildItem + static_cast<int>(i), children[i]->GetTitle())
            ->Check(children[i] == GetActiveChild());
    const wxPoint at = event.GetPosition() == wxDefaultPosition ? wxPoint(0, 0) : ScreenToClient(event.GetPosition());
    const int chosen = GetPopupMenuSelectionFromUser(menu, at);
    if (chosen >= kFirstChildItem && chosen < kFirstChildItem + static_cast<int>(children.size()))
        children[chosen - kFirstChildItem]->Activate();
    else if (const int command = WindowIdToCommand(chosen))
        frame_->OnCommand(command);
}

void CMainFrameUi::ShowPrinterSetUp() {
    wxPageSetupDialog dialog(this, &printing_);
    if (dialog.ShowModal() != wxID_OK) return;
    printing_ = dialog.GetPageSetupDialogData();
    frame_->OnPrinterChanged();
}

void CMainFrameUi::ShowTitle(const std::string& title) { wxDocMDIParentFrame::SetTitle(wxString::FromUTF8(title)); }

int CMainFrameUi::RunMessageLog(CMessageLogDlg& log) { return CMessageLogDlgUi::ShowLog(this, log); }

void CMainFrameUi::ShowStatusText(const std::string& text) { statusBar_->ShowStatusText(text); }

void CMainFrameUi::SetWaitCursor(bool on) {
    if (on == waiting_) return;
    waiting_ = on;
    if (on) wxBeginBusyCursor();
    else wxEndBusyCursor();
}

bool CMainFrameUi::IsBarShown(FrameBar bar) const {
    return const_cast<wxAuiManager&>(aui_).GetPane(PaneName(bar)).IsShown();
}

void CMainFrameUi::ShowBar(FrameBar bar, bool shown) {
    wxAuiPaneInfo& pane = aui_.GetPane(PaneName(bar));
    if (!pane.IsOk() || pane.IsShown() == shown) return;
    pane.Show(shown);
    aui_.Update();
}

void CMainFrameUi::SelectWorkspacePage(WorkspacePageIndex page) { pane_->SelectPage(page); }

WorkspacePageIndex CMainFrameUi::GetShownWorkspacePage() const { return pane_->GetShownPage(); }

FrameView* CMainFrameUi::GetActiveView() const {
    auto* child = dynamic_cast<wxDocMDIChildFrame*>(GetActiveChild());
    return child ? dynamic_cast<FrameView*>(child->GetView()) : nullptr;
}

FrameView* CMainFrameUi::OpenView(PaneKind kind, CKavroObj* object, int viewMode) {
    const auto found = templates_.find(kind);
    if (found == templates_.end()) return nullptr;
    CKavroView* view = found->second->OpenView();
    if (!view) return nullptr;
    view->ShowObject(object, viewMode);
    if (auto* child = dynamic_cast<wxMDIChildFrame*>(view->GetFrame())) {
        child->Show();
        child->Activate();
    }
    return view;
}
