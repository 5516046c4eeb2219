#pragma once
// The window view's window: a scrolled canvas in the window view's child frame that shows
// CDialogView's drawing, passes it the mouse and keys, drags rubber bands and the tracker over
// an overlay, prints it and renders it into bitmaps; and the view's part towards the frame.
#include <memory>

#include <wx/bitmap.h>
#include <wx/overlay.h>
#include <wx/scrolwin.h>

#include "shell/wx/KavroDoc.h"
#include "views/drawing/ViewCanvas.h"
#include "views/print/ViewPrintoutUi.h"
#include "views/window/DialogView.h"

class CDialogViewUi;

class DialogCanvas : public ViewCanvas {
public:
    DialogCanvas(wxWindow* parent, CDialogViewUi& owner);

private:
    CDialogView& Logic();
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnDoubleClick(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);
    void ShowDragRect();
    void EndDragDisplay();

    CDialogViewUi& owner_;
    wxOverlay overlay_;
};

class CDialogViewUi : public CKavroView, public DialogViewHost {
public:
    CDialogViewUi();

    CDialogView& GetLogic() { return view_; }
    DialogCanvas* GetCanvas() const { return canvas_; }
    // The whole view in the bitmap for the documentation; false (the bitmap untouched) when
    // the view is too large for one.
    bool DrawToBitmap(wxBitmap& bitmap);
    // The print dialog (or none) and the printout of the view.
    void Print(bool prompt);
    void ShowPrintPreview();

    // CKavroView and FrameView.
    wxWindow* CreateCanvas(wxWindow* parent) override;
    void ShowObject(CKavroObj* object, int viewMode) override;
    PaneKind Kind() const override { return PaneKind::WindowView; }
    CKavroObj* ShownObject() const override;
    void Refresh() override { view_.RefreshWindow(); }
    void Rebind() override { view_.RebindObjects(); }
    void SetViewMode(int viewMode) override { view_.SetDisplayFlags(viewMode); }
    void EndPickOperation(bool drawingToolChosen) override { view_.EndPickOperation(drawingToolChosen); }
    CWindowKav* GetSelectedWindow() const override { return view_.GetSelectedObject(); }
    std::vector<CWindowKav*> GetSelectedControls() const override { return view_.GetSelectedControls(); }
    CTransitionKav* GetSelectedTransition() const override { return view_.GetSelectedTransition(); }
    void SelectTransition(CTransitionKav* transition) override { view_.SelectTransition(transition); }
    void SelectWindow(CWindowKav* window) override { view_.SelectObject(window); }
    void StartTransitionPick() override { view_.StartTransitionPick(); }
    void ReportTransitionClicks() override { view_.StartReportingClicks(); }
    wxPrintout* OnCreatePrintout() override;

    // DialogViewHost (Redraw serves FrameView too).
    void ReportPicked(CWindowKav* window) override;
    void ReportTransition(CTransitionKav* transition) override;
    void ReportNewWindow(CWindowKav* window) override;
    void ReportOpenWindow(CWindowKav* window) override;
    void SendCommand(int command) override;
    void RefreshAllViews() override;
    void ResetWindowPalette() override;
    int GetDrawingTool() const override;
    void ShowTitle(const std::string& title) override;
    void SetScrollSizes(ViewSize size) override;
    void Redraw() override;
    void CloseView() override;
    WindowSizeLimits GetWindowSizeLimits() const override;

private:
    ViewPrintoutUi::PagePrinter PagePrinter();
    void OnPrintCommand(wxCommandEvent& event);
    void OnUpdateEditTransition(wxUpdateUIEvent& event);

    CDialogView view_{*this};
    DialogCanvas* canvas_ = nullptr;
};

// The window view of the frame's window-view template.
void InstallDialogView();
