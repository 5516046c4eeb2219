#pragma once
// The menu view's window: a scrolled canvas in the menu view's tab that shows
// CMenuScrollView's drawing and passes it the mouse, and the view's part towards the frame.

#include "shell/wx/KavroDoc.h"
#include "views/drawing/ViewCanvas.h"
#include "views/print/ViewPrintoutUi.h"
#include "views/menu/MenuScrollView.h"

class CMenuScrollViewUi;

class MenuCanvas : public ViewCanvas {
public:
    MenuCanvas(wxWindow* parent, CMenuScrollViewUi& owner);

private:
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnDoubleClick(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);

    CMenuScrollViewUi& owner_;
    CMenuScrollView& view_;
};

class CMenuScrollViewUi : public CKavroView, public MenuViewHost {
public:
    CMenuScrollViewUi();

    CMenuScrollView& GetLogic() { return view_; }
    MenuCanvas* GetCanvas() const { return canvas_; }

    // CKavroView and FrameView.
    wxWindow* CreateCanvas(wxWindow* parent) override;
    void ShowObject(CKavroObj* object, int viewMode) override;
    PaneKind Kind() const override { return PaneKind::MenuView; }
    CKavroObj* ShownObject() const override;
    void Refresh() override;
    void Rebind() override;
    void SetViewMode(int viewMode) override { view_.SetDisplayFlags(viewMode); }
    void EndPickOperation(bool drawingToolChosen) override;
    CWindowKav* GetSelectedWindow() const override { return view_.GetSelection(); }
    CTransitionKav* GetSelectedTransition() const override { return view_.GetCurrentTransition(); }
    void SelectTransition(CTransitionKav* transition) override { view_.SelectTransition(transition); }
    void SelectWindow(CWindowKav* window) override { view_.SelectMenuItem(window); }
    void StartTransitionPick() override { view_.SetPickCursor(true); }
    void ReportTransitionClicks() override { view_.SetReportTransitionClicks(true); }
    wxPrintout* OnCreatePrintout() override;
    // The print dialog (or none) and the printout of the menu.
    void Print(bool prompt);

    // MenuViewHost (Redraw serves FrameView too).
    void ReportMenuItem(CMenuItemKav* item) override;
    void ReportTransition(CTransitionKav* transition) override;
    void SendCommand(int command) override;
    void ShowTitle(const std::string& title) override;
    void Redraw() override;
    void CloseView() override;

private:
    ViewPrintoutUi::PagePrinter PagePrinter();
    std::string PrintTitle() const;
    void OnPrintCommand(wxCommandEvent& event);
    void OnUpdateEditTransition(wxUpdateUIEvent& event);

    CMenuScrollView view_{*this};
    MenuCanvas* canvas_ = nullptr;
};

// The menu view of the frame's menu template.
void InstallMenuView();
