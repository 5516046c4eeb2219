#pragma once
// The document framework of the main frame: the empty document that every view shares (the
// model lives outside it), the four document templates whose views later folders provide, the
// child frame every view lives in (a tab of the frame), and the base of the views, which
// registers each view with the main frame while it is open.
#include <functional>
#include <string>

#include <wx/docmdi.h>
#include <wx/docview.h>

#include "shell/FrameView.h"

class CMainFrame;

class CKavroDoc : public wxDocument {
    wxDECLARE_DYNAMIC_CLASS(CKavroDoc);
};

// The tab of one view.
class CChildFrame : public wxDocMDIChildFrame {
public:
    CChildFrame(wxDocument* document, wxView* view, wxMDIParentFrame* parent, const wxString& title);

private:
    // The main frame shows the window palette with an active window view.
    void OnActivate(wxActivateEvent& event);
};

// What the main frame needs of every view: it opens in its own child frame, tells the frame it
// is open and, when it closes, that it closes (the frame ends a pick operation that started or
// waits in it).
class CKavroView : public wxView, public FrameView {
public:
    // The view's content window, made inside the child frame.
    virtual wxWindow* CreateCanvas(wxWindow* parent) = 0;
    // Shows the object with the frame's view mode.
    virtual void ShowObject(CKavroObj* object, int viewMode) = 0;

    bool OnCreate(wxDocument* document, long flags) override;
    bool OnClose(bool deleteWindow) override;
    void OnDraw(wxDC*) override {}
    ~CKavroView() override;

    void RequestClose() override;
    void Activate() override;

protected:
    CMainFrame& MainFrame() const;
};

// The view of a template whose view is not there yet: it shows nothing and no command acts on it.
class CEmptyView : public CKavroView {
public:
    PaneKind Kind() const override { return PaneKind::None; }
    CKavroObj* ShownObject() const override { return object_; }
    wxWindow* CreateCanvas(wxWindow* parent) override;
    void ShowObject(CKavroObj* object, int /*viewMode*/) override { object_ = object; }

private:
    CKavroObj* object_ = nullptr;
};

// Makes the view of a template's kind; later folders install theirs.
using ViewFactory = std::function<CKavroView*()>;
void InstallViewFactory(PaneKind kind, ViewFactory factory);

// One template per view kind, over the shared document class and the child frame.
class CKavroDocTemplate : public wxDocTemplate {
public:
    CKavroDocTemplate(wxDocManager* manager, PaneKind kind, CMainFrame& mainFrame, wxMDIParentFrame* frameWindow);

    PaneKind GetKind() const { return kind_; }
    CMainFrame& GetMainFrame() const { return mainFrame_; }
    wxMDIParentFrame* GetFrameWindow() const { return frameWindow_; }
    // A new document with its view, in a new child frame; null when it could not be made.
    CKavroView* OpenView();

    wxView* DoCreateView() override;

private:
    PaneKind kind_;
    CMainFrame& mainFrame_;
    wxMDIParentFrame* frameWindow_;
};
