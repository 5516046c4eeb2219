#include "shell/wx/KavroDoc.h"

#include <map>

#include <wx/panel.h>

#include "shell/MainFrame.h"

wxIMPLEMENT_DYNAMIC_CLASS(CKavroDoc, wxDocument);

namespace {

std::map<PaneKind, ViewFactory>& ViewFactories() {
    static std::map<PaneKind, ViewFactory> factories;
    return factories;
}

const char* TemplateName(PaneKind kind) {
    switch (kind) {
        case PaneKind::WindowView: return "Window View";
        case PaneKind::MenuView: return "Menu View";
        case PaneKind::TaskFlowView: return "Task Flow View";
        case PaneKind::TestCaseView: return "Test Case View";
        default: return "View";
    }
}

}  // namespace

void InstallViewFactory(PaneKind kind, ViewFactory factory) { ViewFactories()[kind] = std::move(factory); }

CChildFrame::CChildFrame(wxDocument* document, wxView* view, wxMDIParentFrame* parent, const wxString& title)
    : wxDocMDIChildFrame(document, view, parent, wxID_ANY, title) {
    Bind(wxEVT_ACTIVATE, &CChildFrame::OnActivate, this);
}

void CChildFrame::OnActivate(wxActivateEvent& event) {
    event.Skip();
    auto* view = dynamic_cast<CKavroView*>(GetView());
    if (!view || !GetDocument()) return;
    auto* kavroTemplate = static_cast<CKavroDocTemplate*>(GetDocument()->GetDocumentTemplate());
    kavroTemplate->GetMainFrame().OnChildActivated(view, event.GetActive());
}

bool CKavroView::OnCreate(wxDocument* document, long) {
    auto* kavroTemplate = static_cast<CKavroDocTemplate*>(document->GetDocumentTemplate());
    auto* frame = new CChildFrame(document, this, kavroTemplate->GetFrameWindow(),
                                  TemplateName(kavroTemplate->GetKind()));
    CreateCanvas(frame);
    SetFrame(frame);
    kavroTemplate->GetMainFrame().AddView(this);
    return true;
}

bool CKavroView::OnClose(bool deleteWindow) {
    CMainFrame& mainFrame = MainFrame();
    switch (Kind()) {
        case PaneKind::WindowView: mainFrame.OnWindowViewClosing(this); break;
        case PaneKind::MenuView: mainFrame.OnMenuViewClosing(this); break;
        case PaneKind::TaskFlowView: mainFrame.OnTaskFlowViewClosing(this); break;
        case PaneKind::TestCaseView: mainFrame.OnTestCaseViewClosing(this); break;
        default: break;
    }
    mainFrame.RemoveView(this);
    return wxView::OnClose(deleteWindow);
}

CKavroView::~CKavroView() {
    if (GetDocument()) MainFrame().RemoveView(this);
}

void CKavroView::RequestClose() {
    if (GetFrame()) GetFrame()->Close();
}

void CKavroView::Activate() {
    if (auto* child = dynamic_cast<wxMDIChildFrame*>(GetFrame())) child->Activate();
}

CMainFrame& CKavroView::MainFrame() const {
    return static_cast<CKavroDocTemplate*>(GetDocument()->GetDocumentTemplate())->GetMainFrame();
}

wxWindow* CEmptyView::CreateCanvas(wxWindow* parent) { return new wxPanel(parent); }

CKavroDocTemplate::CKavroDocTemplate(wxDocManager* manager, PaneKind kind, CMainFrame& mainFrame,
                                     wxMDIParentFrame* frameWindow)
    : wxDocTemplate(manager, TemplateName(kind), "", "", "", "KAVRO Document", TemplateName(kind),
                    wxCLASSINFO(CKavroDoc), nullptr, wxTEMPLATE_INVISIBLE),
      kind_(kind),
      mainFrame_(mainFrame),
      frameWindow_(frameWindow) {}

wxView* CKavroDocTemplate::DoCreateView() {
    const auto found = ViewFactories().find(kind_);
    if (found != ViewFactories().end() && found->second) return found->second();
    return new CEmptyView;
}

CKavroView* CKavroDocTemplate::OpenView() {
    wxDocument* document = CreateDocument("", wxDOC_NEW | wxDOC_SILENT);
    return document ? dynamic_cast<CKavroView*>(document->GetFirstView()) : nullptr;
}
